// A narrow strip beside the card view with one thumbnail per card page: the current page is
// highlighted and a click on another page shows it in the card view.
#pragma once

#include "platform/doc/ScrollView.h"
#include "platform/gdi/Bitmap.h"
#include "work/VornWorkExport.h"

class CCappCardView;

class VORNWORK_API CCappSelPageView : public CScrollView
{
    FX_DECLARE_DYNCREATE(CCappSelPageView)

public:
    // The card view's page notice (page count, current page), forwarded by a host's frame.
    enum { msgPageChanged = 0x5F4 };
    enum { kTopMargin = 30, kLeftMargin = 10, kHeaderHeight = 20, kCaptionGap = 2, kCaptionHeight = 15 };

    CCappSelPageView();
    ~CCappSelPageView() override;
    CCappSelPageView(const CCappSelPageView&) = delete;
    CCappSelPageView& operator=(const CCappSelPageView&) = delete;

    // The card view the clicks page, and its pages; clicks are ignored until a view is given.
    void SetCardView(CCappCardView* pView, int nPageCount, int nCurPage);
    // nCurPage 0 highlights none.
    void SetPageInfo(int nPageCount, int nCurPage);
    int GetPageCount() const { return m_nPageCount; }
    int GetCurPage() const { return m_nCurPage; }
    // The page under a point in scrolled coordinates; 0 above the first or below the last.
    int HitTestPage(CPoint ptScrolled) const;
    // One page's slot (thumbnail and caption) in scrolled coordinates, the client's full width.
    CRect GetPageSlot(int nPage) const;
    int GetSlotHeight() const;

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    LRESULT OnSetCursorMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnPageChangedMsg(WPARAM wParam, LPARAM lParam);
    void OnVScroll(UINT nSBCode);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CSize BitmapSize() const;
    CPoint ToScrolled(CPoint ptClient) const;
    // Scrolls what lies below the header strip by the change of position.
    void ScrollBelowHeader(int nOldPos, int nNewPos);

    HCURSOR m_hHand; // shared, not destroyed
    int m_nPageCount;
    int m_nCurPage;
    CBitmap m_bmpPage;
    CBitmap m_bmpCurPage;
    CCappCardView* m_pCardView; // the host's

    FX_DECLARE_MESSAGE_MAP()
};
