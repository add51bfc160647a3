#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/FwTreeCtrl.h"
#include "platform/base/FxIcon.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/ImageList.h"
#include "tests/framework/FwTestHost.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"

namespace
{
class FwTreeCtrlTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(260, 320));
        CRect rc(0, 0, 240, 280);
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                      TVS_SHOWSELALWAYS,
                                  rc, &m_host, 9));
    }

    std::vector<std::string> ChildTexts(HTREEITEM hParent)
    {
        std::vector<std::string> texts;
        for (HTREEITEM h = m_tree.GetChildItem(hParent); h != nullptr; h = m_tree.GetNextSiblingItem(h)) {
            texts.push_back(static_cast<LPCSTR>(m_tree.GetItemText(h)));
        }
        return texts;
    }
    // Rows as the list shows them, by text.
    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        for (int i = 0; i < m_tree.GetItemCount(); ++i) {
            rows.push_back(static_cast<LPCSTR>(m_tree.GetItemText(i, 0)));
        }
        return rows;
    }
    HTREEITEM InsertWithChildrenIndicator(LPCSTR pszText, HTREEITEM hParent = TVI_ROOT)
    {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = hParent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
        insert.item.pszText = const_cast<LPSTR>(pszText);
        insert.item.cChildren = 1;
        return m_tree.InsertItem(&insert);
    }

    CFwTestHost m_host;
    FwTreeCtrl m_tree;
};

TEST_F(FwTreeCtrlTest, SortedInsertionIgnoresCaseAndKeepsEqualTextsInOrder)
{
    HTREEITEM hParent = m_tree.InsertItem("parent");
    m_tree.InsertItem("b", hParent);
    m_tree.InsertItem("C", hParent);
    for (const char* psz : {"a", "B", "d"}) {
        ASSERT_NE(nullptr, m_tree.InsertItem(psz, hParent, TVI_SORT));
    }
    EXPECT_EQ((std::vector<std::string>{"a", "b", "B", "C", "d"}), ChildTexts(hParent));
    m_tree.InsertItem("c", hParent, FWTI_SORTDESCENDING);
    EXPECT_EQ("c", ChildTexts(hParent).front());
    // After a sibling of another parent: refused.
    HTREEITEM hOther = m_tree.InsertItem("other");
    HTREEITEM hOtherChild = m_tree.InsertItem("x", hOther);
    EXPECT_EQ(nullptr, m_tree.InsertItem("y", hParent, hOtherChild));
    EXPECT_NE(nullptr, m_tree.InsertItem("first", hParent, TVI_FIRST));
    EXPECT_EQ("first", ChildTexts(hParent).front());
}

TEST_F(FwTreeCtrlTest, RowsMirrorTheExpandedItems)
{
    HTREEITEM hCard = m_tree.InsertItem("card");
    HTREEITEM hStep = m_tree.InsertItem("step", hCard);
    m_tree.InsertItem("sub", hStep);
    m_tree.InsertItem("next");
    EXPECT_EQ((std::vector<std::string>{"card", "next"}), Rows());
    EXPECT_TRUE(m_tree.Expand(hCard, TVE_EXPAND));
    EXPECT_EQ((std::vector<std::string>{"card", "step", "next"}), Rows());
    EXPECT_TRUE(m_tree.EnsureVisible(m_tree.GetChildItem(hStep)));
    EXPECT_EQ((std::vector<std::string>{"card", "step", "sub", "next"}), Rows());
    EXPECT_TRUE(m_tree.Expand(hCard, TVE_COLLAPSE));
    EXPECT_EQ((std::vector<std::string>{"card", "next"}), Rows());
    // Expanded again, the expanded child shows its own child too.
    EXPECT_TRUE(m_tree.Expand(hCard, TVE_TOGGLE));
    EXPECT_EQ((std::vector<std::string>{"card", "step", "sub", "next"}), Rows());
    EXPECT_TRUE(m_tree.SetTreeItemExtraState(hStep, FWTIS_HIDDEN));
    EXPECT_EQ((std::vector<std::string>{"card", "next"}), Rows());
    EXPECT_EQ(static_cast<UINT>(FWTIS_HIDDEN), m_tree.GetTreeItemExtraState(hStep));
}

TEST_F(FwTreeCtrlTest, ExpandOnDemandNeedsChildrenInsertedInTheNotification)
{
    HTREEITEM hLazy = InsertWithChildrenIndicator("lazy");
    EXPECT_TRUE(m_tree.ItemHasChildren(hLazy));
    EXPECT_FALSE(m_tree.Expand(hLazy, TVE_EXPAND)) << "no child was inserted";
    EXPECT_EQ(1, m_host.Count(TVN_ITEMEXPANDINGA));
    EXPECT_EQ(0, m_host.Count(TVN_ITEMEXPANDEDA));

    m_host.m_handlers[TVN_ITEMEXPANDINGA] = [this](NMHDR* pHdr) {
        const NMTREEVIEWA* pTv = reinterpret_cast<const NMTREEVIEWA*>(pHdr);
        m_tree.InsertItem("child", pTv->itemNew.hItem);
    };
    EXPECT_TRUE(m_tree.Expand(hLazy, TVE_EXPAND));
    EXPECT_EQ((std::vector<std::string>{"lazy", "child"}), Rows());
    EXPECT_EQ(TVIS_EXPANDED, m_tree.GetItemState(hLazy, TVIS_EXPANDED));
    EXPECT_EQ(static_cast<UINT>(TVE_EXPAND), m_host.m_notes.back().nAction);
    EXPECT_EQ(TVN_ITEMEXPANDEDA, m_host.m_notes.back().nCode);

    // A veto leaves the item as it was.
    m_host.m_handlers.clear();
    m_host.m_answers[TVN_ITEMEXPANDINGA] = 1;
    EXPECT_FALSE(m_tree.Expand(hLazy, TVE_COLLAPSE));
    EXPECT_EQ(TVIS_EXPANDED, m_tree.GetItemState(hLazy, TVIS_EXPANDED));
    m_host.m_answers.clear();

    // Collapse and reset deletes the children; a leaf without indicator is left alone.
    EXPECT_TRUE(m_tree.Expand(hLazy, TVE_COLLAPSE | TVE_COLLAPSERESET));
    EXPECT_EQ(nullptr, m_tree.GetChildItem(hLazy));
    HTREEITEM hLeaf = m_tree.InsertItem("leaf");
    const size_t nNotes = m_host.m_notes.size();
    EXPECT_TRUE(m_tree.Expand(hLeaf, TVE_EXPAND));
    EXPECT_EQ(nNotes, m_host.m_notes.size());
}

TEST_F(FwTreeCtrlTest, CollapseMovesTheCaretToTheItemWithTheSelectionPair)
{
    HTREEITEM hCard = m_tree.InsertItem("card");
    HTREEITEM hStep = m_tree.InsertItem("step", hCard);
    HTREEITEM hSub = m_tree.InsertItem("sub", hStep);
    ASSERT_TRUE(m_tree.SelectItem(hSub));
    EXPECT_EQ(hSub, m_tree.GetSelectedItem());
    m_host.m_notes.clear();
    EXPECT_TRUE(m_tree.Expand(hCard, TVE_COLLAPSE));
    EXPECT_EQ(hCard, m_tree.GetSelectedItem());
    EXPECT_EQ((std::vector<UINT>{TVN_ITEMEXPANDINGA, TVN_SELCHANGINGA, TVN_SELCHANGEDA, TVN_ITEMEXPANDEDA}),
              m_host.Codes());
    EXPECT_EQ(hSub, m_host.m_notes[2].hOld);
    EXPECT_EQ(hCard, m_host.m_notes[2].hNew);
    EXPECT_EQ(TVIS_SELECTED, m_tree.GetItemState(hCard, TVIS_SELECTED));

    // A vetoed change keeps the selection.
    m_host.m_answers[TVN_SELCHANGINGA] = 1;
    HTREEITEM hNext = m_tree.InsertItem("next");
    EXPECT_FALSE(m_tree.SelectItem(hNext));
    EXPECT_EQ(hCard, m_tree.GetSelectedItem());
}

TEST_F(FwTreeCtrlTest, HitTestNamesTheButtonLabelAndOutside)
{
    HTREEITEM hCard = m_tree.InsertItem("card");
    m_tree.InsertItem("step", hCard);
    m_tree.InsertItem("leaf");
    CRect rcRow;
    ASSERT_TRUE(m_tree.SiteGetItemRect(0, 0, FwListSite::rectCell, rcRow));
    CRect rcButton;
    ASSERT_TRUE(m_tree.GetButtonRect(m_tree.ItemOfRow(0), rcRow, rcButton));
    EXPECT_EQ(9, rcButton.Width()) << "8 made odd";
    UINT nFlags = 0;
    EXPECT_EQ(hCard, m_tree.HitTest(rcButton.CenterPoint(), &nFlags));
    EXPECT_EQ(static_cast<UINT>(0x4000 | TVHT_ONITEMBUTTON), nFlags);

    CRect rcLabel;
    m_tree.SiteGetItemRect(0, 0, FwListSite::rectLabel, rcLabel);
    EXPECT_EQ(hCard, m_tree.HitTest(CPoint(rcLabel.left + 3, rcLabel.top + 3), &nFlags));
    EXPECT_EQ(static_cast<UINT>(0x4000 | TVHT_ONITEMLABEL), nFlags);
    EXPECT_EQ(nullptr, m_tree.HitTest(CPoint(20, 200), &nFlags));
    EXPECT_EQ(static_cast<UINT>(TVHT_NOWHERE), nFlags);

    // The leaf has no button: the indent.
    CRect rcLeaf;
    m_tree.SiteGetItemRect(1, 0, FwListSite::rectCell, rcLeaf);
    m_tree.HitTest(CPoint(rcButton.CenterPoint().x, rcLeaf.CenterPoint().y), &nFlags);
    EXPECT_EQ(static_cast<UINT>(0x4000 | TVHT_ONITEMINDENT), nFlags);

    // A press on the button toggles without selecting.
    const HTREEITEM hSelected = m_tree.GetSelectedItem();
    m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcButton.CenterPoint().x, rcButton.CenterPoint().y));
    EXPECT_EQ(TVIS_EXPANDED, m_tree.GetItemState(hCard, TVIS_EXPANDED));
    EXPECT_EQ(hSelected, m_tree.GetSelectedItem());
}

TEST_F(FwTreeCtrlTest, PressAndMoveFourPixelsStartsADrag)
{
    m_tree.InsertItem("a");
    HTREEITEM hB = m_tree.InsertItem("b");
    CRect rcLabel;
    m_tree.SiteGetItemRect(1, 0, FwListSite::rectLabel, rcLabel);
    const CPoint pt(rcLabel.left + 3, rcLabel.top + 3);
    m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(hB, m_tree.GetSelectedItem());
    m_tree.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x + 3, pt.y));
    EXPECT_EQ(0, m_host.Count(TVN_BEGINDRAGA));
    m_tree.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x + 4, pt.y));
    ASSERT_EQ(1, m_host.Count(TVN_BEGINDRAGA));
    EXPECT_EQ(hB, m_host.m_notes.back().hNew);
    // The button up that ends the drag is no click.
    m_tree.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x + 4, pt.y));
    EXPECT_EQ(0, m_host.Count(NM_CLICK));
}

TEST_F(FwTreeCtrlTest, GetNextItemCodes)
{
    HTREEITEM hA = m_tree.InsertItem("a");
    HTREEITEM hA1 = m_tree.InsertItem("a1", hA);
    HTREEITEM hA2 = m_tree.InsertItem("a2", hA);
    HTREEITEM hB = m_tree.InsertItem("b");
    m_tree.Expand(hA, TVE_EXPAND);
    m_tree.SelectItem(hA2);
    m_tree.SelectDropTarget(hB);
    struct Case
    {
        const char* szName;
        HTREEITEM hItem;
        UINT nCode;
        HTREEITEM hExpected;
    };
    const Case cases[] = {
        {"root of the root", nullptr, TVGN_ROOT, hA},
        {"root of a child: its top-level ancestor's first child", hA2, TVGN_ROOT, hA1},
        {"next sibling", hA1, TVGN_NEXT, hA2},
        {"no next sibling", hA2, TVGN_NEXT, nullptr},
        {"previous sibling", hB, TVGN_PREVIOUS, hA},
        {"parent", hA1, TVGN_PARENT, hA},
        {"parent of a top-level item", hA, TVGN_PARENT, nullptr},
        {"child", hA, TVGN_CHILD, hA1},
        {"child of the root", TVI_ROOT, TVGN_CHILD, hA},
        {"first visible", nullptr, TVGN_FIRSTVISIBLE, hA},
        {"next visible", hA2, TVGN_NEXTVISIBLE, hB},
        {"previous visible", hA1, TVGN_PREVIOUSVISIBLE, hA},
        {"drop target", nullptr, TVGN_DROPHILITE, hB},
        {"caret", nullptr, TVGN_CARET, hA2},
        {"first selected", nullptr, FWTGN_FIRSTSELECTED, hA2},
        {"next selected", hA2, FWTGN_NEXTSELECTED, nullptr},
        {"unknown code", hA, 77, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.hExpected, m_tree.GetNextItem(c.hItem, c.nCode));
    }
    EXPECT_EQ(hB, m_tree.GetDropHilightItem());
}

TEST_F(FwTreeCtrlTest, DeletingReportsEveryItemAndTheEmptiedTreeTakesNewItems)
{
    HTREEITEM hA = m_tree.InsertItem("a");
    HTREEITEM hA1 = m_tree.InsertItem("a1", hA);
    m_tree.InsertItem("a1x", hA1);
    m_tree.InsertItem("b");
    m_host.m_notes.clear();
    EXPECT_TRUE(m_tree.DeleteItem(hA1));
    ASSERT_EQ(2, m_host.Count(TVN_DELETEITEMA));
    EXPECT_EQ(hA1, m_host.m_notes.back().hOld) << "the item after its descendants";
    EXPECT_EQ(0, m_host.Count(LVN_DELETEITEM));
    EXPECT_TRUE(m_tree.DeleteItem(TVI_ROOT));
    EXPECT_EQ(4, m_host.Count(TVN_DELETEITEMA));
    EXPECT_EQ(0, m_tree.GetItemCount());
    EXPECT_EQ(nullptr, m_tree.GetRootItem());
    HTREEITEM hNew = m_tree.InsertItem("new");
    ASSERT_NE(nullptr, hNew);
    EXPECT_EQ(hNew, m_tree.GetRootItem());
    EXPECT_EQ((std::vector<std::string>{"new"}), Rows());
}

TEST_F(FwTreeCtrlTest, IndentIsEvenAndColumnTextsLiveInTheStore)
{
    m_tree.SetIndent(15);
    EXPECT_EQ(16, m_tree.GetIndent());
    HTREEITEM hA = m_tree.InsertItem("a");
    m_tree.InsertColumn(1, "说明", LVCFMT_LEFT, 60);
    m_tree.CreateColumnTexts(TRUE);
    EXPECT_TRUE(m_tree.SetItemText(hA, 1, "工序"));
    EXPECT_EQ(CString("工序"), m_tree.GetItemText(hA, 1));
    EXPECT_FALSE(m_tree.SetItemText(hA, 5, "beyond"));
    EXPECT_EQ(CString(""), m_tree.GetItemText(hA, 2));
    // A callback label is asked of the parent.
    HTREEITEM hCallback = m_tree.InsertItem(LPSTR_TEXTCALLBACKA);
    m_host.m_strDispText = "问";
    EXPECT_EQ(CString("问"), m_tree.GetItemText(hCallback));
}

TEST_F(FwTreeCtrlTest, KeysCollapseExpandAndClimb)
{
    HTREEITEM hA = m_tree.InsertItem("a");
    HTREEITEM hA1 = m_tree.InsertItem("a1", hA);
    m_tree.InsertItem("a1x", hA1);
    m_tree.SelectItem(hA);
    m_tree.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(TVIS_EXPANDED, m_tree.GetItemState(hA, TVIS_EXPANDED));
    m_tree.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(hA1, m_tree.GetSelectedItem());
    m_tree.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(hA, m_tree.GetSelectedItem());
    m_tree.SendMessage(WM_KEYDOWN, VK_MULTIPLY, 0);
    EXPECT_EQ(TVIS_EXPANDED, m_tree.GetItemState(hA1, TVIS_EXPANDED));
    m_tree.SendMessage(WM_KEYDOWN, VK_SUBTRACT, 0);
    EXPECT_EQ(0u, m_tree.GetItemState(hA, TVIS_EXPANDED));
    EXPECT_EQ(5, m_host.Count(TVN_KEYDOWN)) << "every key is told first";
}

// Sixteen-pixel images: a folder-like and a page-like square.
void MakeImages(CImageList& images)
{
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0));
    CClientDC dcScreen(nullptr);
    for (COLORREF cr : {RGB(230, 180, 40), RGB(60, 120, 200), RGB(40, 160, 80)}) {
        CTestDib dib(16, 16, RGB(255, 0, 255));
        CRect rc(2, 3, 14, 13);
        dib.DC().FillSolidRect(&rc, cr);
        CRect rcInner(4, 5, 12, 11);
        dib.DC().FillSolidRect(&rcInner, RGB(255, 255, 255));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dcScreen, 16, 16));
        CDC dcMem;
        ASSERT_TRUE(dcMem.CreateCompatibleDC(&dcScreen));
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        dcMem.BitBlt(0, 0, 16, 16, &dib.DC(), 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
        EXPECT_GE(images.Add(&bitmap, RGB(255, 0, 255)), 0);
    }
}

TEST_F(FwTreeCtrlTest, LinesButtonsAndIconsArePainted)
{
    CImageList* pImages = new CImageList; // the tree deletes it with its window
    MakeImages(*pImages);
    m_tree.SetImageList(pImages, 0);
    HTREEITEM hRoot = m_tree.InsertItem("工艺卡片", 0, 0);
    HTREEITEM hMach = m_tree.InsertItem("机加工", 0, 0, hRoot);
    m_tree.InsertItem("工序卡.znt", 1, 2, hMach);
    m_tree.InsertItem("工艺过程卡.znt", 1, 2, hMach);
    HTREEITEM hAsm = m_tree.InsertItem("装配", 0, 0, hRoot);
    m_tree.InsertItem("装配卡.znt", 1, 2, hAsm);
    m_tree.InsertItem("其他", 0, 0);
    m_tree.Expand(hRoot, TVE_EXPAND);
    m_tree.Expand(hMach, TVE_EXPAND);
    m_tree.SelectItem(m_tree.GetChildItem(hMach));

    CRect rcClient;
    m_tree.GetClientRect(&rcClient);
    CTestDib dib(rcClient.Width(), rcClient.Height());
    m_tree.PaintTo(&dib.DC(), rcClient, rcClient);
    EXPECT_TRUE(SavePng(TestImagePath("fwtree-lines-dib.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));
    // The collapsed "装配" (row 4) shows a plus: a vertical stroke through the button's centre.
    CRect rcRow;
    m_tree.SiteGetItemRect(4, 0, FwListSite::rectCell, rcRow);
    CRect rcButton;
    ASSERT_TRUE(m_tree.GetButtonRect(m_tree.ItemOfRow(4), rcRow, rcButton));
    const COLORREF crSign = GetSysColor(COLOR_WINDOWTEXT);
    const CPoint ptMid = rcButton.CenterPoint();
    EXPECT_EQ(crSign, dib.Pixel(ptMid.x, ptMid.y - 2));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), dib.Pixel(rcButton.left, ptMid.y));
    // The expanded "机加工" (row 1) shows a minus only.
    m_tree.SiteGetItemRect(1, 0, FwListSite::rectCell, rcRow);
    ASSERT_TRUE(m_tree.GetButtonRect(m_tree.ItemOfRow(1), rcRow, rcButton));
    EXPECT_EQ(crSign, dib.Pixel(rcButton.CenterPoint().x - 2, rcButton.CenterPoint().y));
    EXPECT_NE(crSign, dib.Pixel(rcButton.CenterPoint().x, rcButton.CenterPoint().y - 2));
    // The dotted vertical line below the first top-level button reaches down to "其他".
    m_tree.SiteGetItemRect(2, 0, FwListSite::rectCell, rcRow);
    int nDots = 0;
    // Top-level items have their line column 8 pixels in (half the image width).
    const int xRootLine = rcRow.left + 8;
    for (int y = rcRow.top; y < rcRow.bottom; ++y) {
        nDots += dib.Pixel(xRootLine, y) == GetSysColor(COLOR_BTNSHADOW) ? 1 : 0;
    }
    EXPECT_GE(nDots, rcRow.Height() / 2 - 1);

    m_host.ShowWindow(SW_SHOW);
    EXPECT_TRUE(SaveWindowPicture(m_host.GetSafeHwnd(), "fwtree-lines.png"));
}
TEST_F(FwTreeCtrlTest, DragImageIsTheIconMergedWithTheLabelBitmap)
{
    CImageList* pImages = new CImageList; // the tree deletes it with its window
    MakeImages(*pImages);
    m_tree.SetImageList(pImages, 0);
    m_tree.SetBkColor(RGB(255, 255, 255));
    m_tree.SetTextColor(RGB(0, 0, 0));
    HTREEITEM hItem = m_tree.InsertItem("工序卡.znt", 1, 1);

    // The label: the text in the item font, two pixels of background either side.
    CBitmap label;
    ASSERT_TRUE(m_tree.CreateLabelBitmap(hItem, label));
    BITMAP bm = {};
    ASSERT_NE(0, label.GetBitmap(&bm));
    CClientDC dcTree(m_tree.GetSafeHwnd());
    CFont* pOldFont = dcTree.SelectObject(m_tree.GetItemFont());
    const CSize sizeText = dcTree.GetTextExtent(CString("工序卡.znt"));
    dcTree.SelectObject(pOldFont);
    EXPECT_EQ(sizeText.cx + 4, bm.bmWidth);
    EXPECT_EQ(sizeText.cy, bm.bmHeight);
    EXPECT_FALSE(m_tree.CreateLabelBitmap(TVI_ROOT, label)) << "the hidden root has no label";

    // Lists made from the label bitmap and from the item's icon, one image each.
    CImageList labelList;
    ASSERT_TRUE(m_tree.CreateImageListFromBitmap(&label, RGB(255, 0, 255), labelList));
    EXPECT_EQ(1, labelList.GetImageCount());
    CFxIcon icon(pImages->ExtractIcon(1));
    ASSERT_NE(nullptr, static_cast<HICON>(icon));
    CImageList iconList;
    ASSERT_TRUE(m_tree.CreateImageListFromIcon(icon, iconList));
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(iconList.GetIconSize(cx, cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    EXPECT_FALSE(m_tree.CreateImageListFromIcon(nullptr, iconList));

    // The drag image: the icon with the label to its right.
    CImageList drag;
    const int xLabel = 18;
    ASSERT_TRUE(m_tree.MergeImageLists(&iconList, 0, &labelList, 0, xLabel, 0, drag));
    EXPECT_EQ(1, drag.GetImageCount());
    ASSERT_TRUE(drag.GetIconSize(cx, cy));
    EXPECT_EQ(xLabel + bm.bmWidth, cx);
    EXPECT_EQ(std::max(16, static_cast<int>(bm.bmHeight)), cy);
    CTestDib dib(cx + 4, cy + 4, RGB(200, 200, 200));
    ASSERT_TRUE(drag.Draw(&dib.DC(), 0, CPoint(2, 2), ILD_TRANSPARENT));
    EXPECT_TRUE(SavePng(TestImagePath("fwtree-drag-image.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));
    EXPECT_EQ(RGB(60, 120, 200), dib.Pixel(2 + 3, 2 + 8)) << "the icon's square";
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(2 + 8, 2 + 8)) << "the icon's white middle";
    EXPECT_EQ(RGB(200, 200, 200), dib.Pixel(2 + 0, 2 + 0)) << "the icon's mask stays transparent";
    const CRect rcLabel(2 + xLabel, 2, 2 + xLabel + bm.bmWidth, 2 + bm.bmHeight);
    EXPECT_GT(dib.CountInk(rcLabel, RGB(255, 255, 255)), 20) << "the label's text";
    int nDark = 0;
    for (int y = rcLabel.top; y < rcLabel.bottom; ++y) {
        for (int x = rcLabel.left; x < rcLabel.right; ++x) {
            const COLORREF cr = dib.Pixel(x, y);
            nDark += GetRValue(cr) < 128 && GetGValue(cr) < 128 && GetBValue(cr) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(nDark, 20) << "the text colour is black";
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(rcLabel.left, rcLabel.top)) << "the label's background";
}
} // namespace
