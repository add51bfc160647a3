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
    if (m_pConn == nullptr)
        return E_FAIL;
    m_strInit = pszInit;
    return S_OK;
}

HRESULT CDataSource::GetInitializationString(CString& strInit, BOOL bIncludePassword) const
{
    if (m_pConn == nullptr)
        return E_FAIL;
    strInit = bIncludePassword ? m_strInit : CFxConnStrFun::WithoutPassword(m_strInit);
    return S_OK;
}

void CDataSource::Close()
{
    if (m_pConn == nullptr)
        return;
    m_pConn->Release();
    m_pConn = nullptr;
    m_strInit.Empty();
}
