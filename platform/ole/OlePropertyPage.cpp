#include "platform/ole/OlePropertyPage.h"

#include <cstdio>
#include <cstdlib>

#include "platform/base/FxResMgr.h"
#include "platform/ole/OleDispatchDriver.h"
#include "platform/ole/OleEntry.h"

FX_IMPLEMENT_DYNAMIC(COlePropertyPage, CDialog)

namespace
{
// Dialog units of a template into pixels, with the dialog base units of the system font.
SIZE TemplateSize(UINT nIDTemplate)
{
    SIZE size = {0, 0};
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nIDTemplate), MAKEINTRESOURCEA(5)); // RT_DIALOG
    HRSRC hRes = hInst != nullptr ? FindResourceA(hInst, MAKEINTRESOURCEA(nIDTemplate), MAKEINTRESOURCEA(5)) : nullptr;
    if (hRes == nullptr) {
        return size;
    }
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(hInst, hRes)));
    if (p == nullptr || SizeofResource(hInst, hRes) < sizeof(DLGTEMPLATE)) {
        return size;
    }
    short cx = 0;
    short cy = 0;
    // DLGTEMPLATEEX starts with 1, 0xFFFF; its cx and cy lie further in.
    const bool bEx = p[0] == 1 && p[1] == 0 && p[2] == 0xFF && p[3] == 0xFF;
    const size_t offset = bEx ? 22 : 14;
    if (SizeofResource(hInst, hRes) < offset + 4) {
        return size;
    }
    memcpy(&cx, p + offset, sizeof(short));
    memcpy(&cy, p + offset + 2, sizeof(short));
    LONG units = GetDialogBaseUnits();
    size.cx = MulDiv(cx, LOWORD(units), 4);
    size.cy = MulDiv(cy, HIWORD(units), 8);
    return size;
}
} // namespace

COlePropertyPage::COlePropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate, nullptr), m_nRef(1), m_pFactory(nullptr), m_hModule(nullptr), m_nIDTemplate(nIDTemplate),
      m_nIDCaption(nIDCaption), m_pPageSite(nullptr), m_ppDisp(nullptr), m_nObjects(0), m_bDirty(FALSE),
      m_bLoading(FALSE), m_pBindings(nullptr), m_nBindings(0)
{
}

COlePropertyPage::~COlePropertyPage()
{
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
    ReleaseObjects();
    if (m_pPageSite != nullptr) {
        m_pPageSite->Release();
    }
    delete[] m_pBindings;
    if (m_pFactory != nullptr) {
        m_pFactory->ObjectDestroyed();
    }
}

void COlePropertyPage::InitFromFactory(COleObjectFactory* pFactory)
{
    m_pFactory = pFactory;
    m_hModule = pFactory->GetModule();
    pFactory->ObjectCreated();
}

void COlePropertyPage::BindProperty(UINT nID, LPCSTR pszName, BindKind kind)
{
    Binding* pNew = new Binding[m_nBindings + 1];
    for (int i = 0; i < m_nBindings; ++i) {
        pNew[i] = m_pBindings[i];
    }
    pNew[m_nBindings] = Binding{nID, CString(pszName), kind};
    delete[] m_pBindings;
    m_pBindings = pNew;
    ++m_nBindings;
}

void COlePropertyPage::SetModifiedFlag(BOOL bModified)
{
    m_bDirty = bModified;
    if (bModified && m_pPageSite != nullptr) {
        m_pPageSite->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
    }
}

IDispatch* COlePropertyPage::GetObjectDispatch() const
{
    return m_nObjects > 0 ? m_ppDisp[0] : nullptr;
}

void COlePropertyPage::ReleaseObjects()
{
    for (ULONG i = 0; i < m_nObjects; ++i) {
        if (m_ppDisp[i] != nullptr) {
            m_ppDisp[i]->Release();
        }
    }
    delete[] m_ppDisp;
    m_ppDisp = nullptr;
    m_nObjects = 0;
}

void COlePropertyPage::ReadProperties()
{
    if (m_hWnd == nullptr || GetObjectDispatch() == nullptr) {
        return;
    }
    COleDispatchDriver driver(GetObjectDispatch(), FALSE);
    m_bLoading = TRUE;
    for (int i = 0; i < m_nBindings; ++i) {
        const Binding& b = m_pBindings[i];
        const DISPID dispid = driver.GetIDOfName(b.strName);
        if (dispid == DISPID_UNKNOWN) {
            continue;
        }
        if (b.kind == bindCheck) {
            int bValue = FALSE;
            if (SUCCEEDED(driver.GetProperty(dispid, &bValue))) {
                SendDlgItemMessage(static_cast<int>(b.nID), BM_SETCHECK, bValue ? BST_CHECKED : BST_UNCHECKED);
            }
        } else {
            CString strValue;
            if (SUCCEEDED(driver.GetProperty(dispid, &strValue))) {
                SetDlgItemText(static_cast<int>(b.nID), strValue);
            }
        }
    }
    m_bLoading = FALSE;
    OnObjectsLoaded();
    m_bDirty = FALSE;
}

HRESULT COlePropertyPage::WriteProperties()
{
    HRESULT hrResult = S_OK;
    for (ULONG n = 0; n < m_nObjects; ++n) {
        COleDispatchDriver driver(m_ppDisp[n], FALSE);
        for (int i = 0; i < m_nBindings; ++i) {
            const Binding& b = m_pBindings[i];
            const DISPID dispid = driver.GetIDOfName(b.strName);
            if (dispid == DISPID_UNKNOWN) {
                continue;
            }
            HRESULT hr = S_OK;
            if (b.kind == bindCheck) {
                const int bValue = IsDlgButtonChecked(static_cast<int>(b.nID)) == BST_CHECKED ? TRUE : FALSE;
                hr = driver.SetProperty(dispid, bValue);
            } else {
                CString strValue;
                GetDlgItemText(static_cast<int>(b.nID), strValue);
                if (b.kind == bindLong) {
                    hr = driver.SetProperty(dispid, strtol(strValue, nullptr, 10));
                } else {
                    hr = driver.SetProperty(dispid, strValue);
                }
            }
            if (FAILED(hr)) {
                hrResult = hr;
            }
        }
    }
    return hrResult;
}

void COlePropertyPage::OnObjectsLoaded()
{
}

BOOL COlePropertyPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    if (!m_bLoading && (nCode == EN_CHANGE || nCode == BN_CLICKED || nCode == CBN_SELCHANGE)) {
        for (int i = 0; i < m_nBindings; ++i) {
            if (m_pBindings[i].nID == nID) {
                SetModifiedFlag(TRUE);
                break;
            }
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void COlePropertyPage::OnOK()
{
}

void COlePropertyPage::OnCancel()
{
}

void COlePropertyPage::PostNcDestroy()
{
    // The COM references own the page object.
}

STDMETHODIMP COlePropertyPage::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyPage)) {
        *ppv = static_cast<IPropertyPage*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COlePropertyPage::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) COlePropertyPage::Release()
{
    LONG n = InterlockedDecrement(&m_nRef);
    if (n == 0) {
        CFxModuleStateSwitch state(m_hModule);
        delete this;
    }
    return static_cast<ULONG>(n);
}

STDMETHODIMP COlePropertyPage::SetPageSite(IPropertyPageSite* pPageSite)
{
    if (pPageSite != nullptr) {
        pPageSite->AddRef();
    }
    if (m_pPageSite != nullptr) {
        m_pPageSite->Release();
    }
    m_pPageSite = pPageSite;
    return S_OK;
}

STDMETHODIMP COlePropertyPage::Activate(HWND hWndParent, LPCRECT pRect, BOOL)
{
    return FxOleEntry("COlePropertyPage::Activate", m_hModule, [&]() -> HRESULT {
        if (m_hWnd == nullptr && !Create(m_nIDTemplate, CWnd::FromHandle(hWndParent))) {
            return E_FAIL;
        }
        if (pRect != nullptr) {
            MoveWindow(pRect, TRUE);
        }
        ReadProperties();
        ShowWindow(SW_SHOW);
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::Deactivate()
{
    return FxOleEntry("COlePropertyPage::Deactivate", m_hModule, [&]() -> HRESULT {
        if (m_hWnd != nullptr) {
            DestroyWindow();
        }
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::GetPageInfo(PROPPAGEINFO* pPageInfo)
{
    if (pPageInfo == nullptr) {
        return E_POINTER;
    }
    return FxOleEntry("COlePropertyPage::GetPageInfo", m_hModule, [&]() -> HRESULT {
        CString strTitle;
        char szTitle[256] = "";
        if (m_nIDCaption != 0) {
            HINSTANCE hInst = CFxResMgr::GetResourceHandle();
            LoadStringA(hInst, m_nIDCaption, szTitle, sizeof(szTitle));
        }
        strTitle = szTitle;
        const int cch = strTitle.ToWide(nullptr, 0);
        LPOLESTR pszTitle = static_cast<LPOLESTR>(CoTaskMemAlloc((cch + 1) * sizeof(WCHAR)));
        if (pszTitle == nullptr) {
            return E_OUTOFMEMORY;
        }
        strTitle.ToWide(pszTitle, cch);
        pszTitle[cch] = L'\0';
        pPageInfo->cb = sizeof(PROPPAGEINFO);
        pPageInfo->pszTitle = pszTitle;
        pPageInfo->size = TemplateSize(m_nIDTemplate);
        pPageInfo->pszDocString = nullptr;
        pPageInfo->pszHelpFile = nullptr;
        pPageInfo->dwHelpContext = 0;
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::SetObjects(ULONG cObjects, IUnknown** ppUnk)
{
    if (cObjects > 0 && ppUnk == nullptr) {
        return E_POINTER;
    }
    return FxOleEntry("COlePropertyPage::SetObjects", m_hModule, [&]() -> HRESULT {
        ReleaseObjects();
        if (cObjects == 0) {
            return S_OK;
        }
        m_ppDisp = new IDispatch*[cObjects];
        for (ULONG i = 0; i < cObjects; ++i) {
            m_ppDisp[i] = nullptr;
            if (ppUnk[i] != nullptr) {
                ppUnk[i]->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_ppDisp[i]));
            }
        }
        m_nObjects = cObjects;
        ReadProperties();
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::Show(UINT nCmdShow)
{
    if (m_hWnd == nullptr) {
        return E_UNEXPECTED;
    }
    ShowWindow(static_cast<int>(nCmdShow));
    return S_OK;
}

STDMETHODIMP COlePropertyPage::Move(LPCRECT pRect)
{
    if (pRect == nullptr) {
        return E_POINTER;
    }
    if (m_hWnd == nullptr) {
        return E_UNEXPECTED;
    }
    MoveWindow(pRect, TRUE);
    return S_OK;
}

STDMETHODIMP COlePropertyPage::IsPageDirty()
{
    return m_bDirty ? S_OK : S_FALSE;
}

STDMETHODIMP COlePropertyPage::Apply()
{
    return FxOleEntry("COlePropertyPage::Apply", m_hModule, [&]() -> HRESULT {
        if (!m_bDirty) {
            return S_OK;
        }
        HRESULT hr = WriteProperties();
        if (SUCCEEDED(hr)) {
            m_bDirty = FALSE;
        }
        return hr;
    });
}

STDMETHODIMP COlePropertyPage::Help(LPCOLESTR)
{
    return E_NOTIMPL;
}

STDMETHODIMP COlePropertyPage::TranslateAccelerator(MSG* pMsg)
{
    if (pMsg == nullptr) {
        return E_POINTER;
    }
    return m_hWnd != nullptr && IsDialogMessageA(m_hWnd, pMsg) ? S_OK : S_FALSE;
}
