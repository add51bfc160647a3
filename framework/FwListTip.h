// The list's tip window: shows the whole text of a cut-off cell over the cell, without taking
// the activation. It reaches the list only through the site.
#pragma once

#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/win/Wnd.h"

class FwListSite;

class FwListTip : public CWnd
{
public:
    explicit FwListTip(FwListSite* pSite);

    // Shows the text of the cell when it is wider than the cell; hides the tip otherwise.
    void ShowFor(int nItem, int nCol);
    void Hide();
    int GetItem() const { return m_nItem; }
    int GetSubItem() const { return m_nSubItem; }

    void OnPaint() override;

private:
    BOOL EnsureCreated();

    FwListSite* m_pSite;
    int m_nItem;
    int m_nSubItem;
    CString m_strText;
    CRect m_rc;
    BOOL m_bHasCapture;
};
