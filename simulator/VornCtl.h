// The simulator's handle on the card report control: the control lives in a host window that
// the dialog template places by class identifier, and every call goes through IDispatch by dispid.
#pragma once

#include "platform/base/String.h"
#include "platform/ole/OleDispatchDriver.h"
#include "simulator/VornSimulatorExport.h"

class CWnd;

class VORNSIM_API CVornCtl
{
public:
    CVornCtl() = default;
    CVornCtl(const CVornCtl&) = delete;
    CVornCtl& operator=(const CVornCtl&) = delete;

    // Takes a reference on the control in the host window nID of pParent; FALSE when that window
    // holds no control.
    BOOL BindDlgItem(CWnd* pParent, UINT nID);
    BOOL IsBound() const { return m_driver.m_lpDispatch != nullptr; }
    // The HRESULT of the last call, for callers that must tell a failed call from a FALSE result.
    HRESULT GetLastResult() const { return m_hrLast; }

    BOOL InitVornData();
    void PrintPreview();
    long ReSetPageCount(short nStartPage);
    void UpdateCurPageData();
    long GetPageCount();
    long GetCurPage();
    long SetCurPage(short nPage);
    void PrintSet();
    void ZoomIn();
    void ZoomOut();
    void ZoomViewAll();
    BOOL ZoomRange();
    BOOL ModifyPrintStyle(long lRemove, long lAdd);
    long LoadADMLDataFile(LPCSTR pszFileName, long lFlag);
    long LoadADMLData(LPCSTR pszData, long lFlag);
    long SetZntFile(LPCSTR pszZntFile, LPCSTR pszExtZntFile);
    CString GetCardVars(short nSeat, LPCSTR pszSeatName);
    BOOL LoadPrintSet(LPCSTR pszPrintSetFile);
    CString GetScriptNames(short nType);
    CString GetMDNames();
    BOOL ExecScript(short nType, LPCSTR pszName);
    BOOL PrintData();

private:
    template <class R, class... A> R Call(DISPID dispid, const A&... args);
    template <class... A> void CallVoid(DISPID dispid, const A&... args);

    COleDispatchDriver m_driver;
    HRESULT m_hrLast = S_OK;
};
