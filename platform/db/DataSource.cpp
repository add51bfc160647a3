#include "platform/db/DataSource.h"

#include "platform/db/FxConnStrFun.h"
#include "platform/db/FxDbConnection.h"
#include "platform/db/FxDbErrorRecords.h"

CDataSource::CDataSource() : m_pConn(nullptr)
{
}

CDataSource::~CDataSource()
{
    Close();
}

HRESULT CDataSource::OpenFromInitializationString(LPCSTR pszInit)
{
    Close();
    CString strOdbc = CFxConnStrFun::ToOdbc(pszInit);
    if (strOdbc.IsEmpty()) {
        CFxDbErrorRecords::SetOwn("IM002", "The initialisation string names no provider that can be reached");
        return E_FAIL;
    }
    m_pConn = CFxDbConnection::Connect(strOdbc);
    return m_pConn != nullptr ? S_OK : E_FAIL;
}

void CDataSource::Close()
{
    if (m_pConn == nullptr)
        return;
    m_pConn->Release();
    m_pConn = nullptr;
}
