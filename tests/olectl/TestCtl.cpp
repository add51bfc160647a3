#include "TestCtl.h"

#include "TestCtlIds.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/gdi/DC.h"
#include "platform/ole/OleDispatchDriver.h"
#include "platform/ole/PropExchange.h"

CTestCtl::CTestCtl() : m_lCount(0), m_bFlag(FALSE), m_nSize(1)
{
}

FX_BEGIN_DISPATCH_MAP(CTestCtl)
FX_DISP_PROPERTY_EX("Caption", GetCaption, SetCaption)
FX_DISP_PROPERTY_EX("Count", GetCount, SetCount)
FX_DISP_PROPERTY_EX("Flag", GetFlag, SetFlag)
FX_DISP_FUNCTION("Add", Add)
FX_DISP_FUNCTION("Echo", Echo)
FX_DISP_FUNCTION("Negate", Negate)
FX_DISP_FUNCTION("KindOf", KindOf)
FX_DISP_FUNCTION("GetSelf", GetSelf)
FX_DISP_FUNCTION("CountOf", CountOf)
FX_DISP_FUNCTION("SetData", SetData)
FX_DISP_FUNCTION("GetData", GetData)
FX_DISP_PROPERTY_EX("Size", GetSize, SetSize)
FX_END_DISPATCH_MAP()

void CTestCtl::OnDraw(CDC* pDC, const CRect& rcBounds, const CRect&)
{
    pDC->FillSolidRect(&rcBounds, RGB(255, 255, 224));
    pDC->Draw3dRect(&rcBounds, RGB(0, 0, 128), RGB(0, 0, 128));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_bFlag ? RGB(192, 0, 0) : RGB(0, 0, 0));
    CRect rcText = rcBounds;
    pDC->DrawText(m_strCaption, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CTestCtl::DoPropExchange(CPropExchange* pPX)
{
    DWORD dwVersion = 0;
    pPX->ExchangeVersion(dwVersion, 0x10000);
    COleControl::DoPropExchange(pPX);
    pPX->ExchangeString("Caption", m_strCaption, "测试控件");
    pPX->ExchangeLong("Count", m_lCount, 0);
    pPX->ExchangeBool("Flag", m_bFlag, FALSE);
    pPX->ExchangeShort("Size", m_nSize, 1);
    CFxGlobalMem blob(pPX->IsLoading() ? nullptr
                                       : FxNewBlob(m_strData.GetString(), static_cast<DWORD>(m_strData.GetLength())));
    HGLOBAL hData = blob;
    pPX->ExchangeBlob("Data", &hData);
    if (pPX->IsLoading()) {
        // The loaded copy is ours.
        blob.Attach(hData);
        m_strData.Empty();
        CFxGlobalLock lock(blob);
        if (lock.GetData() != nullptr) {
            m_strData = CString(lock.GetAs<const char>() + sizeof(DWORD), static_cast<int>(FxBlobSize(blob)));
        }
    }
}

const CLSID* CTestCtl::GetPropPageIDs(ULONG& nPages)
{
    nPages = 1;
    return &CLSID_TestCtlPage;
}

void CTestCtl::PropertyChanged(DISPID dispid)
{
    SetModifiedFlag();
    BoundPropertyChanged(dispid);
    InvalidateControl();
}

CString CTestCtl::GetCaption() const
{
    return m_strCaption;
}

void CTestCtl::SetCaption(LPCSTR pszCaption)
{
    m_strCaption = pszCaption;
    PropertyChanged(1);
}

long CTestCtl::GetCount() const
{
    return m_lCount;
}

void CTestCtl::SetCount(long lCount)
{
    m_lCount = lCount;
    PropertyChanged(2);
}

BOOL CTestCtl::GetFlag() const
{
    return m_bFlag;
}

void CTestCtl::SetFlag(BOOL bFlag)
{
    m_bFlag = bFlag;
    PropertyChanged(3);
}

long CTestCtl::Add(short nA, long lB)
{
    return nA + lB;
}

CString CTestCtl::Echo(LPCSTR pszText)
{
    return CString("<") + pszText + ">";
}

BOOL CTestCtl::Negate(BOOL bValue)
{
    return !bValue;
}

short CTestCtl::KindOf(const VARIANT& vValue)
{
    return static_cast<short>(vValue.vt);
}

IDispatch* CTestCtl::GetSelf(BOOL bAddRef)
{
    return GetIDispatch(bAddRef);
}

long CTestCtl::CountOf(IDispatch* pOther)
{
    COleDispatchDriver driver(pOther, FALSE);
    long lCount = -1;
    driver.GetProperty(driver.GetIDOfName("Count"), &lCount);
    return lCount;
}

void CTestCtl::SetData(LPCSTR pszData)
{
    m_strData = pszData;
    SetModifiedFlag();
}

CString CTestCtl::GetData() const
{
    return m_strData;
}

short CTestCtl::GetSize() const
{
    return m_nSize;
}

void CTestCtl::SetSize(short nSize)
{
    m_nSize = nSize;
    PropertyChanged(12);
}
