// A window: the C++ object that the suite's window procedure hands a window's messages to.
#pragma once

#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/win/CmdTarget.h"

class CDC;
class CMenu;

class FX_API CWnd : public CCmdTarget
{
    FX_DECLARE_DYNCREATE(CWnd)

public:
    CWnd();
    // Unhooks first, then destroys a window it owns (one it created or attached, not one it only
    // subclassed): the derived part is already gone.
    ~CWnd() override;

    HWND m_hWnd;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object that owns the window, or null (no temporary is made).
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The owning object, else a temporary wrapper kept until FxDeleteTempMaps; null for null.
    static CWnd* FromHandle(HWND hWnd);

    // Attach binds without subclassing (messages keep going to the window's own procedure) and
    // takes the window over: the destructor destroys it unless Detach handed it out.
    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Routes the window's messages through this object, then calls PreSubclassWindow. The window
    // stays its creator's (a dialog's control is the dialog's): the destructor only unhooks it.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creates the window with this object receiving its messages from WM_NCCREATE on. A null
    // class name uses the suite's plain window class.
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                          int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Text (GBK).
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;

    // Children and relatives.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);

    // Focus and timers.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // State and placement.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // Painting.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // The window's system menu as a temporary; bRevert restores the default one (and gives null).
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // A modal message box owned by this window (through FxMessageBox, so tests can answer it).
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Message handling: the window procedure calls WindowProc; Default passes the message being
    // handled on to the previous or default procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default();

    // A message's chance to be translated (accelerators, dialog keys) before it is dispatched;
    // TRUE when it was and must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers the message to the permanent windows from its target up to hWndStop (included).
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // Handlers of the window messages, reached through CWnd's own map: a derived class overrides
    // one without a map entry. Each base handler passes the message on with its original
    // wParam and lParam (Default).
    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnPaint();
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnEraseBkgnd(CDC* pDC);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT nFlags, CPoint point);
    virtual void OnRButtonUp(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    // Owner-drawn items that no control of ours took by reflection: menu items reach the
    // window that owns the menu here.
    virtual void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    FX_DECLARE_MESSAGE_MAP()

protected:
    // Dispatches through the message map; FALSE when no entry takes the message.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A control's chance to handle what it sent its parent (WM_DRAWITEM, WM_COMMAND, WM_NOTIFY...).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void PreSubclassWindow();
    // After WM_NCDESTROY, when the object no longer has a window; self-deleting windows delete here.
    virtual void PostNcDestroy();

    // The procedure the window had before it was subclassed (null: DefWindowProc).
    WNDPROC m_pfnSuper;
    // Win32 does not tell who destroys a window: TRUE when this object does.
    BOOL m_bOwnsWindow;

private:
    friend LRESULT CALLBACK FxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK FxCbtHook(int, WPARAM, LPARAM);
    friend class CDialog;
    BOOL HookWindow(HWND hWnd);
    void UnhookWindow();
    LRESULT DispatchToObject(UINT message, WPARAM wParam, LPARAM lParam);
};

// The suite's one window procedure (exported so other window classes can register with it).
FX_API LRESULT CALLBACK FxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The name of the plain window class that FxWndProc serves.
#define FX_WND_CLASS "VornFxWnd"
