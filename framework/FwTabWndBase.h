// A window showing one child at a time above a tab strip: the tab control, the active child and
// the window told about tab changes; most tab operations pass on to the tab control.
#pragma once

#include "framework/FwTabControlBase.h"

struct CCreateContext;
class CRuntimeClass;

#define FW_IDC_TABCONTROL 0xEA30
#define FW_IDC_TABCHILD_FIRST 0xEB00

class FwTabWndBase : public CWnd
{
    FX_DECLARE_DYNAMIC(FwTabWndBase)

public:
    FwTabWndBase();
    ~FwTabWndBase() override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    virtual HWND CreateScrollBarCtrl(DWORD dwStyle, UINT nID);
    virtual BOOL CreateTabControl(DWORD, UINT) { return FALSE; }
    virtual CWnd* InsertTab(CRuntimeClass* pClass, int nIndex, LPCSTR lpszLabel, CCreateContext* pContext = nullptr,
                            UINT nID = static_cast<UINT>(-1));
    virtual BOOL InsertTab(CWnd* pWnd, int nIndex, LPCSTR lpszLabel);
    virtual CWnd* AddTab(CRuntimeClass* pClass, LPCSTR lpszLabel, CCreateContext* pContext = nullptr,
                         UINT nID = static_cast<UINT>(-1));
    virtual BOOL AddTab(CWnd* pWnd, LPCSTR lpszLabel);
    virtual void SetTabAttribute1(int a, int b, int c, int d);
    virtual void SetTabAttribute2(int a, int b, int c, int d);
    virtual void SetTabAttribute3(int a, int b);
    virtual void SetTabScrollStyle(int, DWORD) {}
    virtual void RemoveTab(int nIndex);
    virtual void RemoveTab(CWnd* pWnd);
    virtual void RenameTab(int nIndex, LPCSTR lpszLabel);
    virtual void RenameTab(CWnd* pWnd, LPCSTR lpszLabel);
    virtual void ActivateTab(int nIndex);
    virtual void ActivateTab(CWnd* pWnd);
    virtual void ActivateTab(CWnd* pWnd, int nIndex);
    virtual void ClearSelection();
    virtual void ScrollToTab(int nIndex);
    virtual void ScrollToTab(CWnd* pWnd);
    virtual void SetFocusToActive();
    virtual void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    virtual CWnd* GetNotifyWnd() const;
    virtual void GetInsideRect(CRect& rect) const;
    virtual void RecalcLayout() {}

    FwTabControlBase* GetTabControl() const { return m_pTabControl; }
    CWnd* GetActiveWnd() const { return m_pActiveWnd; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnDestroy() override;
    CWnd* CreateChild(CRuntimeClass* pClass, CCreateContext* pContext, UINT nID);

    FwTabControlBase* m_pTabControl;
    CWnd* m_pActiveWnd;
    CWnd* m_pWndInCreation;
    CWnd* m_pNotifyWnd;
    // Activating or removing a tab: the tab control's own activation notice is not acted on.
    BOOL m_bChangingTabs;
};
