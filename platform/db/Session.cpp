#include "platform/db/Session.h"

#include "platform/db/DataSource.h"
#include "platform/db/FxDbConnection.h"
#include "platform/db/FxDbErrorRecords.h"

CSession::CSession() : m_pConn(nullptr)
{
}

CSession::~CSession()
{
    Close();
}

HRESULT CSession::Open(const CDataSource& source)
{
    Close();
    m_pConn = source.GetConnection();
    if (m_pConn == nullptr) {
        CFxDbErrorRecords::SetOwn("08003", "The data source is not open");
        return E_FAIL;
    }
    m_pConn->AddRef();
    return S_OK;
}

void CSession::Close()
{
    if (m_pConn == nullptr)
        return;
    m_pConn->Release();
    m_pConn = nullptr;
}
