// The tab strip's model: ordered tab records, the active tab and the selection, told to the
// parent window with fixed messages (wParam a tab index).
#pragma once

#include "framework/FwTab.h"
#include "platform/base/Object.h"
#include "platform/base/PtrArray.h"
#include "platform/base/String.h"
#include "platform/win/Wnd.h"

#define WM_FWTAB_ACTIVATED 0x7E8
#define WM_FWTAB_DBLCLK 0x7E9
#define WM_FWTAB_SELCLEARED 0x7EA
#define WM_FWTAB_ACTIVECLICKED 0x7EB

class FwTabControlBase : public CWnd
{
    FX_DECLARE_DYNAMIC(FwTabControlBase)

public:
    FwTabControlBase();
    ~FwTabControlBase() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual void Initialise(DWORD) {}
    virtual FwTab* CreateTabRecord() { return new FwTab; }
    virtual void RecalcTabWidths() {}
    virtual void OnTabActivated(int) {}
    virtual void OnTabNoAction() {}
    virtual FwTab* InsertTab(int nIndex, LPCSTR lpszLabel, CWnd* pWnd, DWORD dwExtra1 = 0, DWORD dwExtra2 = 0);
    virtual FwTab* AddTab(LPCSTR lpszLabel, CWnd* pWnd, DWORD dwExtra1 = 0, DWORD dwExtra2 = 0);
    // Tab attributes the plain strip has no use for.
    virtual void SetTabAttribute1(int, int, int, int) {}
    virtual void SetTabAttribute2(int, int, int, int) {}
    virtual void SetTabAttribute3(int, int) {}
    virtual void DeleteTab(int nIndex);
    virtual void RenameTab(int nIndex, LPCSTR lpszLabel);
    virtual void ActivateTab(int nIndex);
    virtual void ActiveTabClicked();
    virtual void SelectTab(int nIndex);
    virtual void ClearSelection();
    virtual void ScrollToTab(int) {}
    virtual void RepaintTab(int) {}

    int GetTabCount() const { return m_pTabs != nullptr ? static_cast<int>(m_pTabs->GetSize()) : 0; }
    FwTab* GetTab(int nIndex) const;
    BOOL GetTabInfo(int nIndex, CString& strLabel, BOOL& bSelected, CWnd*& pWnd, DWORD& dwExtra1,
                    DWORD& dwExtra2) const;
    // The last tab showing pWnd; FALSE when none.
    BOOL FindTab(const CWnd* pWnd, int& nIndex) const;
    int GetActiveIndex() const { return m_nActive; }
    BOOL HasActiveTab() const { return m_bHasActive; }
    // Repaints tabs nFrom to the end.
    void RepaintFrom(int nFrom);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnDestroy() override;
    void NotifyParent(UINT message, WPARAM wParam);
    void DeleteRecords();

    CPtrArray* m_pTabs;
    int m_nActive;
    BOOL m_bHasActive;
    HCURSOR m_hCursor;
};
