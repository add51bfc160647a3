// An owner-drawn name/value list with a movable splitter and in-place editors: a combo box, an
// edit box, and a "..." button that opens a colour, font or file chooser or asks the owner to act.
#pragma once

#include "designer/detail/PropertyItem.h"
#include "platform/base/PtrArray.h"
#include "platform/gdi/Font.h"
#include "platform/win/Button.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Edit.h"
#include "platform/win/ListBox.h"

// To the owner, wParam the current index: the "..." of an owner-action row was pressed, the
// current row changed (lParam 0; the index -1 when none is current), a value was edited in place.
#define WM_PROPLIST_ACTION 0xBBA
#define WM_PROPLIST_SELCHANGE 0xBBB
#define WM_PROPLIST_CHANGED 0xBBC

#define IDC_PROPLIST_COMBO 712
#define IDC_PROPLIST_EDIT 713
#define IDC_PROPLIST_BUTTON 714

class CPropertyList : public CListBox
{
public:
    CPropertyList();
    ~CPropertyList() override;
    CPropertyList(const CPropertyList&) = delete;
    CPropertyList& operator=(const CPropertyList&) = delete;

    // Appends a row and its empty list line; the new index.
    int AddItem(LPCSTR pszName, LPCSTR pszValue, int nKind, LPCSTR pszChoices = "", LPCSTR pszOptions = "");
    CPropertyItem* GetItem(int nIndex) const;
    int GetItemCount() const { return static_cast<int>(m_items.GetSize()); }

    // The value of the first entry "key=value" whose key, blanks trimmed, matches without regard to
    // case; the value loses its blanks and then its double quotes. FALSE and empty when none.
    static BOOL GetOption(const CString& strOptions, char chSeparator, LPCSTR pszKey, CString& strValue);

    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }
    int GetCurIndex() const { return m_nCurSel; }
    int GetSplitPos() const { return m_nSplit; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void PreSubclassWindow() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnSelChange();
    void OnComboSelChange();
    void OnComboKillFocus();
    void OnEditChange();
    void OnEditKillFocus();
    void OnButtonClicked();

    FX_DECLARE_MESSAGE_MAP()

private:
    void Setup(LPCSTR pszFace, int nCurSel);
    void HideEditors();
    CRect ValueRect(int nIndex) const;
    BOOL IsNearSplit(int x) const;
    void InvertSplitLine(int x);
    void ValueChosen(const CString& strValue);
    void Notify(UINT nMessage);
    BOOL ChooseColor(CPropertyItem& item, CString& strValue);
    BOOL ChooseFont(const CPropertyItem& item, CString& strValue);
    BOOL ChooseFile(CPropertyItem& item, CString& strValue);

    CPtrArray m_items; // CPropertyItem, owned
    CComboBox m_combo;
    int m_nComboKind;
    CEdit m_edit;
    CButton m_button;
    CFont m_font;
    CWnd* m_pOwner;
    int m_nCurSel;
    int m_nSplit;
    BOOL m_bSplitting;
    int m_xSplitLine;
    // Set while an editor is filled, so that the filling is not taken for an edit.
    BOOL m_bFilling;
    HCURSOR m_hSizeCursor;
    HCURSOR m_hArrowCursor;
};
