// The custom-symbol segment: its tag, reader, assignment, measuring and drawing.
#include <gtest/gtest.h>

#include <string>

#include "support/DibCanvas.h"
#include "support/MetafileRecorder.h"
#include "symbols/CustomDrawContSeg.h"
#include "symbols/VariableText.h"
#include "symbols/res/resource.h"
#include "tests/support/UiDriver.h"

#include <commctrl.h>

namespace
{
LOGFONT SegFont(LONG lHeight)
{
    CContentSegment seg;
    LOGFONT lf = seg.m_lFont;
    lf.lfHeight = lHeight;
    return lf;
}

const char kSquare[] = "<L>0,0,10,0</L><L>10,0,10,10</L><L>10,10,0,10</L><L>0,10,0,0</L>";
} // namespace

TEST(CustomDrawContSeg, TagNeverCarriesAFont)
{
    struct Case
    {
        const char* szName;
        const char* szArgument;
        const char* szTag;
    } cases[] = {
        {"identifier alone", "", "<P>{guid}</P>"},
        {"with arguments", "w = '3';  ", "<P>{guid}?w = '3';  </P>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        LOGFONT lfBase = SegFont(12);
        CCustomDrawContSeg seg(SegFont(30), RGB(255, 0, 0));
        seg.m_lFont.lfWeight = 700;
        seg.m_strGuid = "{guid}";
        seg.m_strArgument = c.szArgument;
        CString str;
        seg.GetData(str, lfBase, 0);
        EXPECT_STREQ(c.szTag, str);
        EXPECT_EQ(9, seg.IsKindOf());
    }
}

TEST(CustomDrawContSeg, ReaderAndAssignment)
{
    CCustomDrawContSeg seg(SegFont(12), 0);
    EXPECT_TRUE(seg.m_strGuid.IsEmpty());
    EXPECT_TRUE(seg.m_strSymbol.IsEmpty());
    seg.SetData(CString(kSquare) + "<FT>S=20</FT>");
    EXPECT_STREQ(kSquare, seg.m_strSymbol);
    EXPECT_EQ(20, seg.m_lFont.lfHeight);
    EXPECT_EQ(4, seg.m_CustSymbol.m_listLine.GetCount());

    seg.m_strGuid = "{a}";
    seg.m_strArgument = "x = '1';  ";
    CCustomDrawContSeg copy(SegFont(40), RGB(0, 0, 255));
    copy.m_bSelected = 1;
    copy.m_nWidth = 77;
    copy = seg;
    EXPECT_STREQ("{a}", copy.m_strGuid);
    EXPECT_STREQ(kSquare, copy.m_strSymbol);
    EXPECT_STREQ("x = '1';  ", copy.m_strArgument);
    EXPECT_EQ(4, copy.m_CustSymbol.m_listLine.GetCount());
    EXPECT_EQ(40, copy.m_lFont.lfHeight);
    EXPECT_EQ(RGB(0, 0, 255), copy.m_crColor);
    EXPECT_EQ(1, copy.m_bSelected);
    EXPECT_EQ(77, copy.m_nWidth);
}

TEST(CustomDrawContSeg, WidthAndDrawing)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    // One line 10 wide and 10 high, pen 1, at height 10: 12 wide.
    CCustomDrawContSeg line(SegFont(10), 0);
    line.SetData(CString("<L>0,0,10,10</L>"));
    EXPECT_EQ(12, line.GetWidth(&dc));
    line.ResetSymbol(&dc);
    EXPECT_EQ(12, line.m_nWidth);

    // Unreadable markup measures 0 and draws nothing.
    CCustomDrawContSeg bad(SegFont(10), 0);
    bad.SetData(CString("<C>0,0,0</C>"));
    EXPECT_EQ(0, bad.GetWidth(&dc));

    // A symbol the library lacks shows "???" at the drawing point and takes its room.
    CCustomDrawContSeg missing(SegFont(12), RGB(255, 0, 0));
    missing.SetData(CString("???"));
    EXPECT_EQ(dc.GetTextExtent("???", 3).cx > 0, missing.GetWidth(&dc) > 0);
    CTestMetafile mf;
    missing.Draw(&mf.DC(), 10, 20, 1.0f, 0);
    std::vector<EmfTextCall> texts = mf.TextCalls();
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(L"???", texts[0].text);
    EXPECT_EQ(10, texts[0].ptReference.x);
    EXPECT_EQ(20, texts[0].ptReference.y);
    EXPECT_EQ(RGB(255, 0, 0), texts[0].crText);
    EXPECT_TRUE(mf.Find(EMR_LINETO).empty());
}

TEST(CustomDrawContSeg, DrawsInTheLineInTheSegmentColour)
{
    struct Case
    {
        const char* szName;
        int bSelected;
        int nOpaque;
        COLORREF crStroke;
        COLORREF crBack;
    } cases[] = {
        {"plain: no background", 0, 0, RGB(255, 0, 0), RGB(255, 255, 255)},
        {"opaque: white behind", 0, 1, RGB(255, 0, 0), RGB(255, 255, 255)},
        {"selected: inverted", 1, 0, RGB(0, 255, 255), RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCustomDrawContSeg seg(SegFont(20), RGB(255, 0, 0));
        seg.SetData(CString(kSquare));
        seg.m_bSelected = c.bSelected;
        CTestDib dib(60, 60, RGB(0, 128, 0));
        seg.Draw(&dib.DC(), 10, 10, 1.0f, c.nOpaque);
        // The square fills the line from y + 0 to y + 20 (pen strokes in the segment colour).
        CRect rcInk = dib.InkBounds(CRect(0, 0, 60, 60), RGB(0, 128, 0));
        ASSERT_FALSE(rcInk.IsRectEmpty());
        EXPECT_GE(rcInk.top, 8);
        EXPECT_LE(rcInk.bottom, 33);
        EXPECT_GE(rcInk.left, 9);
        int nStroke = 0, nBack = 0;
        for (int y = rcInk.top; y < rcInk.bottom; y++) {
            for (int x = rcInk.left; x < rcInk.right; x++) {
                nStroke += dib.Pixel(x, y) == c.crStroke;
                nBack += dib.Pixel(x, y) == c.crBack;
            }
        }
        EXPECT_GT(nStroke, 20);
        if (c.bSelected || c.nOpaque)
            EXPECT_GT(nBack, 20);
        else
            EXPECT_EQ(0, nBack);
    }
}

// The zoom view draws at 200 % through its mapping: the symbol fills the segment's line there,
// upright (its filled top part above, only strokes below).
TEST(CustomDrawContSeg, DrawsUprightInItsLineInAZoomedView)
{
    CCustomDrawContSeg seg(SegFont(20), RGB(255, 0, 0));
    seg.SetData(CString("<M>(0,16)(20,16)(20,20)(0,20),000000,y</M><L>0,0,0,20</L><L>0,0,20,0</L>"));
    CTestDib dib(120, 120, RGB(0, 128, 0));
    CDC& dc = dib.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 2);
    seg.Draw(&dc, 10, 10, 1.0f, 0);
    // The line runs from logical y 10 to 30: device rows 20 to 60.
    CRect rcInk = dib.InkBounds(CRect(0, 0, 120, 120), RGB(0, 128, 0));
    ASSERT_FALSE(rcInk.IsRectEmpty());
    EXPECT_NEAR(20, rcInk.top, 1);
    EXPECT_NEAR(61, rcInk.bottom, 1);
    EXPECT_NEAR(21, rcInk.left, 1);
    int nQuarter = rcInk.Height() / 4;
    int nTop = dib.CountInk(CRect(rcInk.left, rcInk.top, rcInk.right, rcInk.top + nQuarter), RGB(0, 128, 0));
    int nBottom = dib.CountInk(CRect(rcInk.left, rcInk.bottom - nQuarter, rcInk.right, rcInk.bottom), RGB(0, 128, 0));
    EXPECT_GT(nTop, 3 * nBottom);
}

// The argument dialog shows the symbol's identifier and its current values; OK keeps the edited
// arguments and applies them to the symbol, Cancel leaves both as they were.
TEST(CustomDrawContSeg, EditRunsTheArgumentDialog)
{
    CCustomDrawContSeg seg;
    seg.m_strGuid = "ZB-07";
    seg.m_strSymbol = "<V>a,'x',0,0,12</V>";
    seg.m_strArgument = "a = '1';  ";
    seg.ResetSymbol(nullptr);

    CTestUi ui;
    ui.OnDialog(IDD_SYMBOLARG, [&](CTestDlg& d) {
        EXPECT_STREQ("ZB-07", d.GetText(IDC_SYMBOLARG_MARK));
        LVITEMA item = {};
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(GetDlgItem(d.GetHwnd(), IDC_SYMBOLARG_LIST), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
        d.Click(IDC_SYMBOLARG_EDIT);
        d.Ok();
    });
    ui.OnDialog(IDD_INPUTDATA, [](CTestDlg& d) {
        EXPECT_STREQ("1", d.GetText(IDC_DATA_VALUE));
        d.SetText(IDC_DATA_VALUE, "2");
        d.Ok();
    });
    ui.OnDialog(IDD_SYMBOLARG, [](CTestDlg& d) { d.Cancel(); });
    CString strArguments;
    EXPECT_TRUE(seg.Edit(strArguments));
    EXPECT_STREQ("a = '2';  ", strArguments);
    EXPECT_STREQ("a = '2';  ", seg.m_strArgument);
    auto* pVText = static_cast<CVariableText*>(seg.m_CustSymbol.m_listVText.GetHead());
    EXPECT_STREQ("2", pVText->m_strText);

    strArguments = "untouched";
    EXPECT_FALSE(seg.Edit(strArguments));
    EXPECT_STREQ("a = '2';  ", strArguments);
    EXPECT_STREQ("a = '2';  ", seg.m_strArgument);
}
