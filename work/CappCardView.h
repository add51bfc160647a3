// The card filling view an outside host embeds: shows the current page of a card at a zoom, pages
// through it and tells its parent frame of page and selection changes.
#pragma once

#include "common/KvZoomView.h"
#include "platform/base/ObList.h"
#include "platform/base/PtrList.h"
#include "platform/base/Rect.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"
#include "platform/win/Edit.h"
#include "work/CardCellEditor.h"
#include "work/VornWorkExport.h"

class CCappCell;
class CCappMidData;
class CCappObj;
class CCappSheet;
class CCardObj;

class VORNWORK_API CCappCardView : public CKvZoomView
{
    FX_DECLARE_DYNCREATE(CCappCardView)

public:
    // Messages to the parent frame.
    enum {
        msgSelChanged = 0x518,  // (0, 0)
        msgVarChanged = 0x516,  // (0, CString* variable name)
        msgPageChanged = 0x5F4, // (page count, current page)
    };

    CCappCardView();
    ~CCappCardView() override;
    CCappCardView(const CCappCardView&) = delete;
    CCappCardView& operator=(const CCappCardView&) = delete;

    // Load, save and host operations. Every one of them is refused without a card file object.
    void LoadCardObj(const CString& strUnused1, const CString& strUnused2, CCappObj* pObj);
    void LoadCardObj(CCappObj* pObj);
    void PostOpenCappObj();
    void InitialUpdate();
    // The card's save result: 0 when the card data could not be written.
    int SaveCardData();
    int SaveCardDataAs(const CString& strUnused);
    int TaskReWriteCard();
    void KillEditControl();
    void SetViewType(int nType);
    // Page make-up: pages nFirst to nLast use the card of that name; its sheet is loaded as needed.
    void PageMake(int nFirst, int nLast, const CString& strCardName);
    void SetPageMake(const CObList& listEntries);
    void SetPageMake(const CString& strText);
    void DetachList() {}

    // Pages, numbered from 1.
    void AddNewPage(int bSetCur, int bResetSel);
    void InsertNewPage();
    // Refused on a card's only page: a card keeps at least one page to show and select on.
    void DeleteCurPage();
    void ResertCurPage();
    BOOL SetCurPage(int nPage, int bResetSel);
    void UpDataCurPage(int nPage);

    // Drawing.
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void PrepareDrawDC(CDC& dc);
    void LpToDp(CPoint& pt);
    void MyInvalidateRect(CRect rc, int nUnused);

    // Zoom commands.
    void OnZoomIn();
    void OnZoomOut();
    void OnZoomViewAll();
    void OnZoomCardSize();
    void OnZoom25();
    void OnZoom75();
    void OnZoom100();
    void OnZoom200();
    void OnZoom400();

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    // Selects the head or page card-variable cell under the client point; (0, 0) clears.
    void SetCurCell(CPoint point);

    // The card shown, and its current sheet; null without a card file object.
    CCardObj* GetCard() const;
    CCappSheet* GetCurSheet() const;
    // Sends a message to the parent frame; 0 without one.
    LRESULT NotifyParent(UINT nMessage, WPARAM wParam, LPARAM lParam) const;

    CPtrList m_listExistControl;
    int m_nReserved1;
    int m_nReserved2;
    CEdit m_editInput;
    HCURSOR m_hCursor;
    BOOL m_bReadOnly;
    BOOL m_bReadOnlyTask;
    int m_bCellSelect;
    CString m_strTitle;
    int m_nPrintSavedPage;
    CString m_strCardDir;
    BOOL m_bBrowseMode;
    CCappObj* m_pCappObj; // the host's; never assigned or freed here
    CCardCellEditor m_cellEditor;
    BOOL m_bAutoIndex;
    BOOL m_bIndexAdd;
    BOOL m_bCtrlPan;
    CCappCell* m_pCurCell;
    CCappMidData* m_pCurMidData;
    CCappMidData* m_pCurShowMidData;
    CRect m_rcCurCell; // sheet units
    int m_nCurRow;
    BOOL m_bEditOnDblClk;
    BOOL m_bPrintPages;
    CUIntArray m_arrPrintPages;

protected:
    void ZoomLevelChanged() override;

private:
    // The zoom level that shows nPercent of natural size on this screen.
    static int ScreenPercent(int nPercent);
    void ZoomToRect(CRect rc);

    FX_DECLARE_MESSAGE_MAP()
};
