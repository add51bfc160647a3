#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "KvTestHost.h"
#include "common/KvOutBarCtrl.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/ImageList.h"
#include "support/DibCanvas.h"
#include "support/PngFile.h"
#include "support/UiDriver.h"
#include "tests/common/res/kvtest_resource.h"

namespace
{
const int kBarWidth = 150;
const int kBarHeight = 400;

// Records what the bar tells its owner.
class CBarHost : public CKvTestHost
{
public:
    CBarHost() : CKvTestHost(IDD_KVTEST_OUTBAR) {}
    std::vector<std::pair<WPARAM, LPARAM>> m_notes;

protected:
    LRESULT OnBarNotify(WPARAM wParam, LPARAM lParam)
    {
        m_notes.emplace_back(wParam, lParam);
        return 0;
    }
    FX_DECLARE_MESSAGE_MAP()
};

FX_BEGIN_MESSAGE_MAP(CBarHost, CKvTestHost)
FX_ON_MESSAGE(WM_KV_OUTBAR_NOTIFY, OnBarNotify)
FX_END_MESSAGE_MAP()

class KvOutBarCtrlTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Open());
        ::SetWindowPos(m_host.m_hWnd, nullptr, 0, 0, kBarWidth + 40, kBarHeight + 60, SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_TRUE(m_bar.Create(WS_VISIBLE, CRect(4, 4, 4 + kBarWidth, 4 + kBarHeight), &m_host, IDC_KVTEST_OUTBAR));
        MakeImages();
        m_bar.SetImageList(&m_images);
    }

    // Four 32x32 icons: coloured discs on a magenta mask.
    void MakeImages()
    {
        ASSERT_TRUE(m_images.Create(32, 32, ILC_COLOR24 | ILC_MASK, 4, 4));
        const COLORREF colors[] = {RGB(220, 40, 40), RGB(40, 160, 40), RGB(40, 80, 220), RGB(230, 180, 20)};
        CClientDC dcScreen(nullptr);
        for (COLORREF cr : colors) {
            CBitmap bmp;
            ASSERT_TRUE(bmp.CreateCompatibleBitmap(&dcScreen, 32, 32));
            CDC dc;
            ASSERT_TRUE(dc.CreateCompatibleDC(&dcScreen));
            {
                CFxSelectGuard guard(&dc, &bmp);
                dc.FillSolidRect(0, 0, 32, 32, RGB(255, 0, 255));
                CBrush brush(cr);
                CFxSelectGuard guardBrush(&dc, &brush);
                dc.Ellipse(2, 2, 30, 30);
            }
            ASSERT_LE(0, m_images.Add(&bmp, RGB(255, 0, 255)));
        }
    }

    // Three folders, the first holding nItems items named "项目0"..., the second open.
    void Fill(int nItems)
    {
        ASSERT_EQ(0, m_bar.AddFolder("常用", 10));
        ASSERT_EQ(1, m_bar.AddFolder("模板", 11));
        ASSERT_EQ(2, m_bar.AddFolder("数据", 12));
        for (int i = 0; i < nItems; ++i) {
            const std::string strText = "项目" + std::to_string(i);
            m_bar.InsertItem(0, -1, strText.c_str(), i % 4, static_cast<DWORD>(100 + i));
        }
        m_bar.SetSelFolder(0);
        m_host.m_notes.clear();
    }

    std::string Items()
    {
        std::string s;
        for (int i = 0; i < m_bar.GetItemCount(); ++i) {
            s += std::string(i > 0 ? "," : "") + static_cast<LPCSTR>(m_bar.GetItemText(i));
        }
        return s;
    }

    CPoint Center(const CRect& rc) { return rc.CenterPoint(); }
    CPoint IconCenter(int nItem)
    {
        CRect rc;
        m_bar.GetIconRect(m_bar.GetSelFolder(), nItem, rc);
        return rc.CenterPoint();
    }

    // Queues the gesture's messages, then presses at the point: the bar's own loop takes them.
    void Press(const CPoint& pt, const std::vector<MSG>& queued)
    {
        for (const MSG& msg : queued) {
            ::PostMessageA(m_bar.m_hWnd, msg.message, msg.wParam, msg.lParam);
        }
        m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(nullptr, ::GetCapture());
    }
    static MSG Move(const CPoint& pt) { return MSG{nullptr, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y), 0, {}}; }
    static MSG Up(const CPoint& pt) { return MSG{nullptr, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y), 0, {}}; }
    static MSG Esc() { return MSG{nullptr, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}}; }

    // On screen and painted: the arrows are decided as the items are drawn.
    void Paint()
    {
        m_host.Show();
        m_bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpTestMessages();
    }

    CBarHost m_host;
    CKvOutBarCtrl m_bar;
    CImageList m_images;
};
} // namespace

TEST_F(KvOutBarCtrlTest, FoldersAndItemsKeepTheirOrderAndValues)
{
    EXPECT_EQ(nullptr, m_bar.GetFolderChild(-1));
    EXPECT_EQ(0, m_bar.GetItemCount());
    EXPECT_EQ(15u, m_bar.GetFlag());
    EXPECT_EQ(0, m_bar.GetCountPerPage());
    Fill(3);
    EXPECT_EQ(3, m_bar.GetFolderCount());
    EXPECT_EQ(10u, m_bar.GetFolderData(-1));
    EXPECT_EQ(12u, m_bar.GetFolderData(2));

    struct Case
    {
        const char* szName;
        int nIndex;
        int nExpected;
        const char* pszItems;
    };
    const Case cases[] = {
        {"-1 appends", -1, 3, "项目0,项目1,项目2,新"},
        {"beyond the count appends", 9, 4, "项目0,项目1,项目2,新,新"},
        {"0 inserts in front", 0, 0, "新,项目0,项目1,项目2,新,新"},
        {"inside inserts there", 2, 2, "新,项目0,新,项目1,项目2,新,新"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nExpected, m_bar.InsertItem(0, c.nIndex, "新", 1, 7));
        EXPECT_EQ(c.pszItems, Items());
    }
    EXPECT_EQ(-1, m_bar.InsertItem(5, 0, "x", 0, 0));

    EXPECT_EQ(101u, m_bar.GetItemData(3));
    m_bar.SetItemData(3, 55);
    m_bar.SetItemImage(3, 2);
    m_bar.SetItemText(3, "改名");
    EXPECT_EQ(55u, m_bar.GetItemData(3));
    EXPECT_EQ(2, m_bar.GetItemImage(3));
    EXPECT_STREQ("改名", m_bar.GetItemText(3));
    EXPECT_FALSE(m_bar.IsValidItem(7));
    m_bar.RemoveItem(0);
    EXPECT_EQ("项目0,新,改名,项目2,新,新", Items());

    CImageList other;
    EXPECT_EQ(&m_images, m_bar.GetFolderImageList(1));
    EXPECT_EQ(nullptr, m_bar.SetFolderImageList(1, &other));
    EXPECT_EQ(&other, m_bar.GetFolderImageList(1));

    m_bar.ModifyFlag(7, 0x20, 0);
    EXPECT_EQ(0x28u, m_bar.GetFlag());
}

TEST_F(KvOutBarCtrlTest, RemovingAFolderMovesTheOpenOne)
{
    struct Case
    {
        const char* szName;
        int nOpen;
        int nRemove;
        int nOpenAfter;
    };
    const Case cases[] = {
        {"before the open one", 3, 1, 0},
        {"the open first one", 0, 0, 0},
        {"the open one", 2, 2, 1},
        {"after the open one", 1, 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CKvOutBarCtrl bar;
        ASSERT_TRUE(bar.Create(0, CRect(0, 0, 100, 200), &m_host, 1));
        for (int i = 0; i < 5; ++i) {
            bar.AddFolder("f", static_cast<DWORD>(i));
        }
        bar.SetSelFolder(c.nOpen);
        bar.RemoveFolder(c.nRemove);
        EXPECT_EQ(4, bar.GetFolderCount());
        EXPECT_EQ(c.nOpenAfter, bar.GetSelFolder());
    }
}

// Folder buttons above and including the open one stack at the top, the rest at the bottom.
TEST_F(KvOutBarCtrlTest, GeometryFollowsTheOpenFolder)
{
    Fill(3);
    m_bar.SetSelFolder(1);
    CRect rcClient;
    m_bar.GetClientRect(&rcClient);
    CRect rc;
    ASSERT_TRUE(m_bar.GetFolderRect(0, rc));
    EXPECT_EQ(-1, rc.top);
    ASSERT_TRUE(m_bar.GetFolderRect(1, rc));
    EXPECT_EQ(21, rc.top);
    ASSERT_TRUE(m_bar.GetFolderRect(2, rc));
    EXPECT_EQ(rcClient.bottom - 22, rc.top);
    EXPECT_FALSE(m_bar.GetFolderRect(3, rc));
    CRect rcIn;
    m_bar.GetInsideRect(rcIn);
    EXPECT_EQ(43, rcIn.top);
    EXPECT_EQ(rcClient.bottom - 22, rcIn.bottom);

    m_bar.SetSelFolder(0);
    CRect rcIcon;
    CRect rcLabel;
    m_bar.GetIconRect(0, 1, rcIcon);
    m_bar.GetLabelRect(0, 1, rcLabel);
    EXPECT_EQ(CSize(32, 32), rcIcon.Size());
    EXPECT_EQ(rcIcon.bottom + 3, rcLabel.top);
    EXPECT_NEAR(rcIcon.CenterPoint().x, rcLabel.CenterPoint().x, 1);

    struct Case
    {
        const char* szName;
        int nPosition;
        int nKind;
    };
    const Case cases[] = {{"before the first", 0, 0}, {"between", 1, 1}, {"after the last", 3, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nKind, m_bar.GetDragItemRect(c.nPosition, rc));
        m_bar.GetInsideRect(rcIn);
        EXPECT_EQ(rcIn.left + 2, rc.left);
        EXPECT_EQ(rcIn.right - 2, rc.right);
    }
    CRect rcItem;
    m_bar.GetItemRect(0, 1, rcItem);
    m_bar.GetDragItemRect(1, rc);
    EXPECT_EQ(rcItem.top - 4, rc.bottom);
    EXPECT_EQ(9, rc.Height());
}

TEST_F(KvOutBarCtrlTest, PressingAFolderButtonOpensItOnRelease)
{
    Fill(3);
    CRect rcFolder;
    ASSERT_TRUE(m_bar.GetFolderRect(2, rcFolder));
    int nIndex = -1;
    EXPECT_EQ(CKvOutBarCtrl::htFolder, m_bar.HitTestEx(Center(rcFolder), nIndex));
    EXPECT_EQ(2, nIndex);

    // Released elsewhere: nothing changes.
    Press(Center(rcFolder), {Move(CPoint(60, 100)), Up(CPoint(60, 100))});
    EXPECT_EQ(0, m_bar.GetSelFolder());
    EXPECT_TRUE(m_host.m_notes.empty());

    Press(Center(rcFolder), {Move(Center(rcFolder)), Up(Center(rcFolder))});
    EXPECT_EQ(2, m_bar.GetSelFolder());
    ASSERT_EQ(1u, m_host.m_notes.size());
    EXPECT_EQ(static_cast<WPARAM>(KV_OBN_FOLDERCHANGE), m_host.m_notes[0].first);
    EXPECT_EQ(2, m_host.m_notes[0].second);
    EXPECT_EQ(0, m_bar.GetItemCount());

    // The open folder's own button does nothing.
    ASSERT_TRUE(m_bar.GetFolderRect(2, rcFolder));
    Press(Center(rcFolder), {Up(Center(rcFolder))});
    EXPECT_EQ(1u, m_host.m_notes.size());
}

TEST_F(KvOutBarCtrlTest, ClickingAnItemTellsTheOwner)
{
    Fill(3);
    int nIndex = -1;
    ASSERT_EQ(CKvOutBarCtrl::htItem, m_bar.HitTestEx(IconCenter(1), nIndex));
    EXPECT_EQ(1, nIndex);

    // Off the item before the release: no click.
    Press(IconCenter(1), {Move(CPoint(2, kBarHeight - 40)), Up(CPoint(2, kBarHeight - 40))});
    EXPECT_TRUE(m_host.m_notes.empty());
    Press(IconCenter(1), {Esc(), Up(IconCenter(1))});
    EXPECT_TRUE(m_host.m_notes.empty());
    PumpTestMessages();

    Press(IconCenter(1), {Move(IconCenter(1)), Up(IconCenter(1))});
    ASSERT_EQ(1u, m_host.m_notes.size());
    EXPECT_EQ(static_cast<WPARAM>(KV_OBN_ITEMCLICK), m_host.m_notes[0].first);
    EXPECT_EQ(1, m_host.m_notes[0].second);
    EXPECT_EQ(1, m_bar.GetLastClicked());

    // Without flag 8 the click is still told but not kept.
    m_bar.ModifyFlag(KV_OBF_SELHIGHLIGHT, 0, 0);
    Press(IconCenter(2), {Up(IconCenter(2))});
    ASSERT_EQ(2u, m_host.m_notes.size());
    EXPECT_EQ(2, m_host.m_notes[1].second);
    EXPECT_EQ(1, m_bar.GetLastClicked());

    // The last press names what KvRemoveitem removes: the item, then a folder.
    m_bar.KvRemoveitem();
    EXPECT_EQ("项目0,项目1", Items());
    CRect rcFolder;
    ASSERT_TRUE(m_bar.GetFolderRect(2, rcFolder));
    Press(Center(rcFolder), {Move(CPoint(2, kBarHeight - 60)), Up(CPoint(2, kBarHeight - 60))});
    m_bar.KvRemoveitem();
    EXPECT_EQ(2, m_bar.GetFolderCount());
    m_bar.KvRemoveitem();
    EXPECT_EQ(2, m_bar.GetFolderCount());
}

TEST_F(KvOutBarCtrlTest, ScrollArrowsAppearWhenItemsOverflow)
{
    Fill(3);
    Paint();
    EXPECT_FALSE(m_bar.IsUpArrowShown());
    EXPECT_FALSE(m_bar.IsDownArrowShown());

    for (int i = 3; i < 10; ++i) {
        m_bar.InsertItem(0, -1, "更多", i % 4, 0);
    }
    Paint();
    EXPECT_FALSE(m_bar.IsUpArrowShown());
    ASSERT_TRUE(m_bar.IsDownArrowShown());
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "outbar-overflow.png"));

    CRect rcIn;
    m_bar.GetInsideRect(rcIn);
    const int cx = ::GetSystemMetrics(SM_CXVSCROLL);
    const CPoint ptDown(rcIn.right - 5 - cx / 2, rcIn.bottom - 5 - cx / 2);
    int nIndex = -1;
    ASSERT_EQ(CKvOutBarCtrl::htDownScroll, m_bar.HitTestEx(ptDown, nIndex));
    // Released off the arrow: no scroll.
    Press(ptDown, {Move(CPoint(2, rcIn.top + 2)), Up(CPoint(2, rcIn.top + 2))});
    EXPECT_EQ(0, m_bar.GetFirstItem());
    Press(ptDown, {Up(ptDown)});
    EXPECT_EQ(1, m_bar.GetFirstItem());
    Paint();
    EXPECT_TRUE(m_bar.IsUpArrowShown());
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "outbar-scrolled.png"));

    // The down arrow stops once the last item fits.
    for (int i = 0; i < 20; ++i) {
        if (!m_bar.IsDownArrowShown()) {
            break;
        }
        Press(ptDown, {Up(ptDown)});
        Paint();
    }
    EXPECT_FALSE(m_bar.IsDownArrowShown());
    CRect rcLast;
    m_bar.GetItemRect(0, 9, rcLast);
    EXPECT_LE(rcLast.bottom, rcIn.bottom);
    const int nFirst = m_bar.GetFirstItem();

    const CPoint ptUp(rcIn.right - 5 - cx / 2, rcIn.top + 5 + cx / 2);
    ASSERT_EQ(CKvOutBarCtrl::htUpScroll, m_bar.HitTestEx(ptUp, nIndex));
    Press(ptUp, {Up(ptUp)});
    EXPECT_EQ(nFirst - 1, m_bar.GetFirstItem());

    // Opening a folder starts it at its first item.
    m_bar.SetSelFolder(1);
    m_bar.SetSelFolder(0);
    EXPECT_EQ(0, m_bar.GetFirstItem());
}

TEST_F(KvOutBarCtrlTest, DraggingAnItemMovesItWithinItsFolder)
{
    struct Case
    {
        const char* szName;
        int nFrom;
        int nTarget; // item released on; -1 below the last item, -2 outside, -3 Esc
        const char* pszItems;
    };
    const Case cases[] = {
        {"down onto a later item", 0, 2, "项目1,项目2,项目0,项目3"},
        {"up onto an earlier item", 3, 1, "项目0,项目3,项目1,项目2"},
        {"below the last item", 1, -1, "项目0,项目2,项目3,项目1"},
        {"outside the folder area", 1, -2, "项目0,项目1,项目2,项目3"},
        {"Esc", 1, -3, "项目0,项目1,项目2,项目3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        while (m_bar.GetFolderCount() > 0) {
            m_bar.RemoveFolder(0);
        }
        Fill(4);
        m_bar.KvSetDragItem(1);
        CRect rcIn;
        m_bar.GetInsideRect(rcIn);
        CRect rcLast;
        m_bar.GetItemRect(0, 3, rcLast);
        CPoint ptEnd = c.nTarget >= 0 ? IconCenter(c.nTarget) : CPoint(4, rcLast.bottom + 4);
        if (c.nTarget == -2) {
            CRect rcFolder;
            m_bar.GetFolderRect(1, rcFolder);
            ptEnd = Center(rcFolder);
        }
        std::vector<MSG> msgs = {Move(CPoint(4, rcIn.top + 2)), Move(ptEnd)};
        msgs.push_back(c.nTarget == -3 ? Esc() : Up(ptEnd));
        Press(IconCenter(c.nFrom), msgs);
        PumpTestMessages();
        EXPECT_EQ(c.pszItems, Items());
        EXPECT_TRUE(m_host.m_notes.empty());
    }
}

// Pictures to look at: a bar with a pressed and a highlighted item, the side-by-side bar, an
// empty bar.
TEST_F(KvOutBarCtrlTest, DrawsFoldersItemsAndHighlights)
{
    Fill(3);
    m_bar.ModifyFlag(0, KV_OBF_SELHIGHLIGHT, 0);
    Press(IconCenter(0), {Up(IconCenter(0))});
    Paint();
    m_bar.HighlightItem(1, false);
    CRect rcFolder;
    m_bar.GetFolderRect(2, rcFolder);
    m_bar.HighlightFolder(2);
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "outbar-items.png"));

    // The open folder's inside area is its background; items sit on it.
    CClientDC dc(m_bar.m_hWnd);
    CRect rcIn;
    m_bar.GetInsideRect(rcIn);
    EXPECT_EQ(::GetSysColor(COLOR_BACKGROUND), ::GetPixel(dc, rcIn.left + 2, rcIn.bottom - 3));
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), ::GetPixel(dc, rcFolder.left + 4, rcFolder.top + 4));

    CKvOutBarCtrl empty;
    ASSERT_TRUE(empty.Create(WS_VISIBLE, CRect(4, 4, 60, 60), &m_host, 2));
    ::SetWindowPos(m_bar.m_hWnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    empty.UpdateWindow();
    CClientDC dcEmpty(empty.m_hWnd);
    EXPECT_EQ(::GetSysColor(COLOR_BACKGROUND), ::GetPixel(dcEmpty, 20, 20));
}

// The drop mark between items, and a folder button drawn pressed.
TEST_F(KvOutBarCtrlTest, DrawsTheDropMarkAndAPressedFolder)
{
    Fill(3);
    Paint();
    CRect rcClient;
    m_bar.GetClientRect(&rcClient);
    CTestDib dib(rcClient.Width(), rcClient.Height());
    {
        CClientDC dc(m_bar.m_hWnd);
        m_bar.DrawDragArrow(&dc, -1, 2);
        CRect rcFolder;
        m_bar.GetFolderRect(1, rcFolder);
        m_bar.DrawFolder(&dc, 1, rcFolder, true);
        dib.DC().BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dc, 0, 0, SRCCOPY);
    }
    EXPECT_TRUE(SavePng(TestImagePath("outbar-drop-mark.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));
    CRect rcMark;
    EXPECT_EQ(1, m_bar.GetDragItemRect(2, rcMark));
    const int y = (rcMark.top + rcMark.bottom) / 2;
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(rcMark.CenterPoint().x, y));
    CRect rcItem;
    m_bar.GetItemRect(0, 1, rcItem);
    EXPECT_LE(rcItem.bottom, rcMark.top);

    // Moving the mark away repaints the band from the bar's own drawing.
    CClientDC dc(m_bar.m_hWnd);
    m_bar.DrawDragArrow(&dc, 2, -1);
    EXPECT_EQ(::GetSysColor(COLOR_BACKGROUND), ::GetPixel(dc, rcMark.CenterPoint().x, y));
}

TEST_F(KvOutBarCtrlTest, FolderWithAChildWindowShowsIt)
{
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, "EDIT", "子窗口", WS_CHILD | WS_BORDER | ES_MULTILINE, 0, 0, 10, 10, m_bar.m_hWnd,
                               reinterpret_cast<HMENU>(7)));
    Fill(2);
    EXPECT_EQ(3, m_bar.AddFolderBar("窗口", &child, 5));
    m_bar.SetSelFolder(3);
    EXPECT_EQ(&child, m_bar.GetFolderChild(-1));
    EXPECT_TRUE((child.GetStyle() & WS_VISIBLE) != 0);
    CRect rcIn;
    m_bar.GetInsideRect(rcIn);
    CRect rcChild;
    child.GetWindowRect(&rcChild);
    ::MapWindowPoints(nullptr, m_bar.m_hWnd, reinterpret_cast<POINT*>(&rcChild), 2);
    EXPECT_TRUE(rcChild.EqualRect(&rcIn));
    m_bar.SetSelFolder(0);
    EXPECT_FALSE((child.GetStyle() & WS_VISIBLE) != 0);
}
