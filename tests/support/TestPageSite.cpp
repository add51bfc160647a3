#include "tests/support/TestPageSite.h"

STDMETHODIMP CTestPageSite::QueryInterface(REFIID riid, void** ppv)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyPageSite)) {
        *ppv = static_cast<IPropertyPageSite*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CTestPageSite::OnStatusChange(DWORD dwFlags)
{
    m_dwLastStatus = dwFlags;
    ++m_nChanges;
    return S_OK;
}

STDMETHODIMP CTestPageSite::GetLocaleID(LCID* pLocaleID)
{
    *pLocaleID = LOCALE_USER_DEFAULT;
    return S_OK;
}

STDMETHODIMP CTestPageSite::GetPageContainer(IUnknown** ppUnk)
{
    *ppUnk = nullptr;
    return E_NOTIMPL;
}
