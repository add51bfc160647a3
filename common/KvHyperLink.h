// A static text that acts as a link: coloured by state, a hand cursor, a tooltip with its target,
// and the target opened by the shell when clicked.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/FxCursor.h"
#include "platform/gdi/Font.h"
#include "platform/win/Static.h"
#include "platform/win/ToolTipCtrl.h"

// Link style bits.
#define KVHL_UNDERLINE 0x0001
#define KVHL_HOVERCOLOR 0x0002
#define KVHL_AUTOSIZE 0x0004
#define KVHL_DOWNCLICK 0x0008
#define KVHL_GETFOCUS 0x0010
#define KVHL_NOHANDCURSOR 0x0020
#define KVHL_NOACTIVECOLOR 0x0040

class KVCOMM_API CKvHyperLink : public CStatic
{
    FX_DECLARE_DYNAMIC(CKvHyperLink)

public:
    CKvHyperLink();
    ~CKvHyperLink() override;

    BOOL SubclassDlgItem(UINT nID, CWnd* pParent, const char* pszURL = nullptr);

    void SetURL(CString strURL);
    CString GetURL() const { return m_strURL; }
    void SetWindowText(const char* pszText);
    void SetFont(CFont* pFont);

    void SetColors(COLORREF crLink, COLORREF crActive, COLORREF crVisited, COLORREF crHover = 0xFFFFFFFF);
    void SetLinkColor(COLORREF cr) { m_crLink = cr; }
    void SetActiveColor(COLORREF cr) { m_crActive = cr; }
    void SetVisitedColor(COLORREF cr) { m_crVisited = cr; }
    // 0xFFFFFFFF stands for the system highlight colour.
    void SetHoverColor(COLORREF cr);
    COLORREF GetLinkColor() const { return m_crLink; }
    COLORREF GetActiveColor() const { return m_crActive; }
    COLORREF GetVisitedColor() const { return m_crVisited; }
    COLORREF GetHoverColor() const { return m_crHover; }

    // Null loads the default hand cursor.
    void SetLinkCursor(HCURSOR hCursor);
    HCURSOR GetLinkCursor() const { return m_hLinkCursor; }

    BOOL SetLinkStyle(DWORD dwStyle, BOOL bApply = TRUE);
    // FALSE, and nothing changed, when the two share a bit.
    BOOL ModifyLinkStyle(DWORD dwRemove, DWORD dwAdd, BOOL bApply = TRUE);
    DWORD GetLinkStyle() const { return m_dwStyle; }

    BOOL IsActive() const { return m_bActive; }
    BOOL IsOver() const { return m_bOver; }
    BOOL IsVisited() const { return m_bVisited; }
    void SetVisited(BOOL bVisited = TRUE);

    // The colour the text takes now, by style and state.
    COLORREF GetCurrentColor() const;

    void FollowLink();
    // The shell's "open" verb on the target, else the browser command of ".htm" with the target
    // quoted after it; the shell's result (above 32 for success).
    static HINSTANCE GotoURL(LPCSTR pszURL, int nShowCmd);
    // The command line run when the shell cannot open the target: the class command cut at its
    // "%1", then the target in double quotes (quotes inside it dropped: they cannot be escaped).
    static CString BuildBrowserCommand(const CString& strClassCommand, const CString& strURL);
    static CString ErrorText(int nError);
    void ReportError(int nError);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Mouse messages also reach the tooltip here, so that it works in modal loops too.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

protected:
    void PreSubclassWindow() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    void SetDefaultCursor();
    void AdjustWindow();
    void SwitchUnderline();

    COLORREF m_crLink;
    COLORREF m_crActive;
    COLORREF m_crVisited;
    COLORREF m_crHover;
    CFxCursor m_hLinkCursor;
    BOOL m_bActive;
    BOOL m_bOver;
    BOOL m_bVisited;
    DWORD m_dwStyle;
    CString m_strURL;
    CFont m_font;
    CToolTipCtrl m_toolTip;
};
