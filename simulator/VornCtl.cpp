#include "simulator/VornCtl.h"

#include "platform/ole/OleControlWnd.h"
#include "platform/win/Wnd.h"

namespace
{
// The control's dispatch ids this wrapper calls.
enum : DISPID {
    idInitVornData = 4,
    idPrintPreview = 5,
    idReSetPageCount = 7,
    idUpdateCurPageData = 8,
    idGetPageCount = 12,
    idGetCurPage = 13,
    idSetCurPage = 19,
    idPrintSet = 21,
    idZoomIn = 28,
    idZoomOut = 29,
    idZoomViewAll = 30,
    idZoomRange = 32,
    idModifyPrintStyle = 34,
    idLoadADMLDataFile = 35,
    idLoadADMLData = 36,
    idSetZntFile = 37,
    idGetCardVars = 39,
    idLoadPrintSet = 42,
    idGetScriptNames = 45,
    idGetMDNames = 46,
    idExecScript = 47,
    idPrintData = 49,
};

CString Text(LPCSTR psz)
{
    return CString(psz != nullptr ? psz : "");
}
} // namespace

BOOL CVornCtl::BindDlgItem(CWnd* pParent, UINT nID)
{
    m_driver.ReleaseDispatch();
    CWnd* pHostWnd = pParent != nullptr ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    COleControlWnd* pHost = pHostWnd != nullptr ? COleControlWnd::FromHostHandle(pHostWnd->GetSafeHwnd()) : nullptr;
    IDispatch* pDisp = pHost != nullptr ? pHost->GetDispatchDriver().m_lpDispatch : nullptr;
    if (pDisp == nullptr) {
        return FALSE;
    }
    // Our own reference: the host window may go before this wrapper does.
    pDisp->AddRef();
    m_driver.AttachDispatch(pDisp, TRUE);
    return TRUE;
}

template <class R, class... A> R CVornCtl::Call(DISPID dispid, const A&... args)
{
    R result{};
    m_hrLast = m_driver.InvokeHelper(dispid, DISPATCH_METHOD, &result, args...);
    return result;
}

template <class... A> void CVornCtl::CallVoid(DISPID dispid, const A&... args)
{
    m_hrLast = m_driver.InvokeHelper(dispid, DISPATCH_METHOD, nullptr, args...);
}

BOOL CVornCtl::InitVornData()
{
    return Call<int>(idInitVornData);
}

void CVornCtl::PrintPreview()
{
    CallVoid(idPrintPreview);
}

long CVornCtl::ReSetPageCount(short nStartPage)
{
    return Call<long>(idReSetPageCount, nStartPage);
}

void CVornCtl::UpdateCurPageData()
{
    CallVoid(idUpdateCurPageData);
}

long CVornCtl::GetPageCount()
{
    return Call<long>(idGetPageCount);
}

long CVornCtl::GetCurPage()
{
    return Call<long>(idGetCurPage);
}

long CVornCtl::SetCurPage(short nPage)
{
    return Call<long>(idSetCurPage, nPage);
}

void CVornCtl::PrintSet()
{
    CallVoid(idPrintSet);
}

void CVornCtl::ZoomIn()
{
    CallVoid(idZoomIn);
}

void CVornCtl::ZoomOut()
{
    CallVoid(idZoomOut);
}

void CVornCtl::ZoomViewAll()
{
    CallVoid(idZoomViewAll);
}

BOOL CVornCtl::ZoomRange()
{
    return Call<int>(idZoomRange);
}

BOOL CVornCtl::ModifyPrintStyle(long lRemove, long lAdd)
{
    return Call<int>(idModifyPrintStyle, lRemove, lAdd);
}

long CVornCtl::LoadADMLDataFile(LPCSTR pszFileName, long lFlag)
{
    return Call<long>(idLoadADMLDataFile, Text(pszFileName), lFlag);
}

long CVornCtl::LoadADMLData(LPCSTR pszData, long lFlag)
{
    return Call<long>(idLoadADMLData, Text(pszData), lFlag);
}

long CVornCtl::SetZntFile(LPCSTR pszZntFile, LPCSTR pszExtZntFile)
{
    return Call<long>(idSetZntFile, Text(pszZntFile), Text(pszExtZntFile));
}

CString CVornCtl::GetCardVars(short nSeat, LPCSTR pszSeatName)
{
    return Call<CString>(idGetCardVars, nSeat, Text(pszSeatName));
}

BOOL CVornCtl::LoadPrintSet(LPCSTR pszPrintSetFile)
{
    return Call<int>(idLoadPrintSet, Text(pszPrintSetFile));
}

CString CVornCtl::GetScriptNames(short nType)
{
    return Call<CString>(idGetScriptNames, nType);
}

CString CVornCtl::GetMDNames()
{
    return Call<CString>(idGetMDNames);
}

BOOL CVornCtl::ExecScript(short nType, LPCSTR pszName)
{
    return Call<int>(idExecScript, nType, Text(pszName));
}

BOOL CVornCtl::PrintData()
{
    return Call<int>(idPrintData);
}
