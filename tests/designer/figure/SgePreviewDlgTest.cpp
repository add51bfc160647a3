// The figure preview: building the figure list, reading the scale and the axis colour, drawing
// every figure command at two scales with and without axes, and refusing a bad scale.
#include <gtest/gtest.h>

#include "core/GraphEntity.h"
#include "designer/figure/SgePreviewDlg.h"
#include "designer/res/resource.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"

namespace
{
// One line of every figure command, laid out on a 400 by 260 area at scale 1.
const char kEveryFigure[] = "' every figure command\r\n"
                            "Line 10,10,60,40,RGB(255,0,0),2\r\n"
                            "Folded 70,10,90,40,110,10,130,40\r\n"
                            "Polygon 140,40,160,10,180,40,RGB(0,128,0)\r\n"
                            "Arc 215,30,20,0,180\r\n"
                            "Pie 265,30,20,30,150,B\r\n"
                            "Chord 315,30,20,200,340,B\r\n"
                            "Circle 365,30,20,B\r\n"
                            "Ellipse 35,80,25,15,B\r\n"
                            "Arc[C] 90,80,20,180,360\r\n"
                            "Pie[C] 140,80,20,0,90,F,RGB(255,0,0)\r\n"
                            "Chord[C] 190,80,20,30,200,F,RGB(0,128,255)\r\n"
                            "Circle[C] 240,80,20,B,RGB(0,0,255),2\r\n"
                            "Ellipse[C] 300,80,30,15,F,RGB(255,200,0)\r\n"
                            "Arc[S] 10,110,60,150,0,180\r\n"
                            "Pie[S] 70,110,110,150,0,90,B\r\n"
                            "Chord[S] 120,110,160,150,0,180,B\r\n"
                            "Ellipse[S] 170,110,230,150,B\r\n"
                            "Bezier 240,150,260,100,300,160,320,110\r\n"
                            "Rectangle 10,170,50,30,B\r\n"
                            "RoundRect 70,170,50,30,8,B\r\n"
                            "Rectangle[A] 130,170,180,200,F,RGB(200,200,255)\r\n"
                            "RoundRect[A] 190,170,240,200,10,B,RGB(0,128,0),2\r\n"
                            "Rectangle[R] 250,170,40,30,B\r\n"
                            "RoundRect[R] 300,170,40,30,6,B\r\n"
                            "Text \"零件图 A\",20,215\r\n";

// A modeless preview with its controls, drawing into a bitmap of its client size.
class CPreviewHost
{
public:
    explicit CPreviewHost(const char* pszText)
    {
        m_dlg.SetSgeText(pszText);
        m_bCreated = m_dlg.Create(IDD_SGE_PREVIEW);
    }
    ~CPreviewHost()
    {
        if (m_bCreated) {
            m_dlg.DestroyWindow();
        }
    }
    CPreviewHost(const CPreviewHost&) = delete;
    CPreviewHost& operator=(const CPreviewHost&) = delete;

    CSgePreviewDlg m_dlg;
    BOOL m_bCreated = FALSE;
};

const CRect kClient(0, 0, 420, 310);
} // namespace

TEST(SgePreviewDlgTest, BuildsTheFigureListOrEmptiesItOnTheFirstBadLine)
{
    struct BuildCase
    {
        const char* szName;
        const char* szText;
        int nResult;
        INT_PTR nFigures;
        const char* szError;
    };
    const BuildCase cases[] = {
        {"empty text", "", 1, 0, ""},
        {"only comments and blank lines", "' a\r\n\r\n   \r\n  ' b", 1, 0, ""},
        {"leading blanks skipped", "   Line 0,0,1,1", 1, 1, ""},
        {"two figures", "Line 0,0,1,1\r\nCircle 5,5,2", 1, 2, ""},
        {"a bad line empties the list", "Line 0,0,1,1\r\nLine 0,0,10", 0, 0, "缺少参数(可能是：参数个数不匹配)"},
        {"every figure command", kEveryFigure, 1, 25, ""},
    };
    for (const BuildCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CObList list;
        CString strError;
        EXPECT_EQ(c.nResult, CSgePreviewDlg::BuildFigureList(c.szText, list, strError, 1));
        EXPECT_EQ(c.nFigures, list.GetCount());
        EXPECT_STREQ(c.szError, strError);
        CSgePreviewDlg::FreeFigureList(list);
    }
}

TEST(SgePreviewDlgTest, ReadsTheScaleAndTheAxisColour)
{
    struct ScaleCase
    {
        const char* szName;
        const char* szText;
        BOOL bOk;
        double dScale;
    };
    const ScaleCase scales[] = {
        {"one", "1.0", TRUE, 1.0},
        {"two", "2", TRUE, 2.0},
        {"a half, blanks", " 0.5 ", TRUE, 0.5},
        {"zero", "0", FALSE, 0},
        {"negative", "-1", FALSE, 0},
        {"not a number", "abc", FALSE, 0},
        {"empty", "", FALSE, 0},
        {"trailing text", "2x", FALSE, 0},
        {"too small to map", "0.0001", FALSE, 0},
        {"too big to map", "1e9", FALSE, 0},
    };
    for (const ScaleCase& c : scales) {
        SCOPED_TRACE(c.szName);
        double dScale = -7.0;
        EXPECT_EQ(c.bOk, CSgePreviewDlg::ParseScale(c.szText, dScale));
        EXPECT_DOUBLE_EQ(c.bOk ? c.dScale : -7.0, dScale) << "a refused text leaves the scale alone";
    }

    struct ColorCase
    {
        const char* szName;
        const char* szText;
        COLORREF cr;
    };
    const ColorCase colors[] = {
        {"white means no axes", "255,255,255", RGB(255, 255, 255)},
        {"three zeros: black", "0,0,0", RGB(0, 0, 0)},
        {"leading blanks", " 10, 20,  30", RGB(10, 20, 30)},
        {"a component above 255", "256,0,0", RGB(255, 255, 255)},
        {"a negative component", "0,-1,0", RGB(255, 255, 255)},
        {"two components", "1,2", RGB(255, 255, 255)},
        {"four components", "1,2,3,4", RGB(255, 255, 255)},
        {"not numbers", "a,b,c", RGB(255, 255, 255)},
        {"empty", "", RGB(255, 255, 255)},
    };
    for (const ColorCase& c : colors) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.cr, CSgePreviewDlg::ParseAxisColor(c.szText));
    }
}

TEST(SgePreviewDlgTest, ScaleTwoDoublesEveryFigureAndAxesFollowTheColour)
{
    CString strMsg;
    ASSERT_EQ(1, CGraphEntity::DoCheckSyntax(kEveryFigure, strMsg)) << static_cast<LPCSTR>(strMsg);

    const CRect rcArea = CSgePreviewDlg::DrawingArea(kClient);
    EXPECT_EQ(CRect(10, 40, 410, 300), rcArea);
    CRect rcInside = rcArea;
    rcInside.DeflateRect(1, 1);

    struct DrawCase
    {
        const char* szName;
        const char* szScale;
        const char* szAxis;
        const char* szPicture;
        COLORREF crTopEdge; // on the area's top edge, away from the figures
    };
    const DrawCase cases[] = {
        {"scale 1, no axes", "1.0", "255,255,255", "sge-preview-scale1.png", RGB(0, 0, 0)},
        {"scale 1, red axes", "1.0", "255,0,0", "sge-preview-scale1-axes.png", RGB(255, 0, 0)},
        {"scale 2, no axes", "2", "255,255,255", "sge-preview-scale2.png", RGB(0, 0, 0)},
        {"scale 2, blue axes", "2", "0,0,255", "sge-preview-scale2-axes.png", RGB(0, 0, 255)},
    };
    CPreviewHost host("Rectangle 10,10,50,30,F");
    ASSERT_TRUE(host.m_bCreated);
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.szName);
        host.m_dlg.SetDlgItemText(IDC_SGE_SCALE, c.szScale);
        host.m_dlg.SetDlgItemText(IDC_SGE_AXIS_COLOR, c.szAxis);

        // One filled rectangle: where it lands measures the mapping.
        host.m_dlg.SetSgeText("Rectangle 10,10,50,30,F");
        CTestDib dib(kClient.Width(), kClient.Height(), RGB(192, 192, 192));
        host.m_dlg.DrawPreview(&dib.DC(), kClient);
        const int nScale = c.szScale[0] == '2' ? 2 : 1;
        // Below the axis; a pen one unit wide is two pixels at scale 2, half of it outside.
        CRect rcBelowAxis = rcInside;
        rcBelowAxis.top += 4;
        const CRect rcInk = dib.InkBounds(rcBelowAxis);
        EXPECT_NEAR(rcArea.left + 10 * nScale, rcInk.left, nScale - 1);
        EXPECT_NEAR(rcArea.top + 10 * nScale, rcInk.top, nScale - 1);
        EXPECT_EQ(rcArea.left + 60 * nScale, rcInk.right);
        EXPECT_EQ(rcArea.top + 40 * nScale, rcInk.bottom);
        EXPECT_EQ(c.crTopEdge, dib.Pixel(rcArea.right - 20, rcArea.top));
        EXPECT_EQ(RGB(192, 192, 192), dib.Pixel(5, 5)) << "nothing drawn outside the area";

        host.m_dlg.SetSgeText(kEveryFigure);
        CTestDib every(kClient.Width(), kClient.Height(), ::GetSysColor(COLOR_3DFACE));
        host.m_dlg.DrawPreview(&every.DC(), kClient);
        EXPECT_GT(every.CountInk(rcInside), 2000);
        EXPECT_TRUE(SavePng(TestImagePath(c.szPicture).c_str(), every.Bits(), every.Width(), every.Height()));
    }
}

TEST(SgePreviewDlgTest, RefusesAScaleThatIsNotAPositiveNumberAndKeepsTheLastGoodOne)
{
    struct RefreshCase
    {
        const char* szName;
        const char* szTyped;
        bool bRefused;
        double dScale;
        const char* szShown;
    };
    const RefreshCase cases[] = {
        {"a good scale is taken", "2", false, 2.0, "2"}, {"zero refused, 2 kept", "0", true, 2.0, "2"},
        {"negative refused", "-3", true, 2.0, "2"},      {"not a number refused", "abc", true, 2.0, "2"},
        {"a half is taken", "0.5", false, 0.5, "0.5"},   {"empty refused, a half kept", "", true, 0.5, "0.5"},
    };
    CTestUi ui;
    ui.OnDialog(IDD_SGE_PREVIEW, [&](CTestDlg& d) {
        EXPECT_EQ("预览", d.GetCaption());
        EXPECT_EQ("1.0", d.GetText(IDC_SGE_SCALE));
        EXPECT_EQ("0.5", d.GetText(IDC_SGE_ORIGIN_X));
        EXPECT_EQ("0.5", d.GetText(IDC_SGE_ORIGIN_Y));
        EXPECT_EQ("255,255,255", d.GetText(IDC_SGE_AXIS_COLOR));
        EXPECT_TRUE(d.IsChecked(IDC_SGE_Y_UP));
        auto* pDlg = static_cast<CSgePreviewDlg*>(d.GetDialog());
        EXPECT_EQ(25, pDlg->m_listSGE.GetCount());
        for (const RefreshCase& c : cases) {
            SCOPED_TRACE(c.szName);
            d.SetText(IDC_SGE_SCALE, c.szTyped);
            d.Click(IDC_SGE_REFRESH);
            const std::vector<CString> boxes = ui.TakeBoxTexts();
            if (c.bRefused) {
                ASSERT_EQ(1u, boxes.size());
                EXPECT_EQ("倍率必须是大于0的数。", boxes[0]);
            } else {
                EXPECT_TRUE(boxes.empty());
            }
            EXPECT_DOUBLE_EQ(c.dScale, pDlg->GetScale());
            EXPECT_EQ(c.szShown, d.GetText(IDC_SGE_SCALE));
        }
        d.SetText(IDC_SGE_SCALE, "1.0");
        d.SetText(IDC_SGE_AXIS_COLOR, "255,0,0");
        d.Click(IDC_SGE_REFRESH);
        EXPECT_TRUE(d.SavePicture("sge-preview-dialog.png"));
        d.Cancel();
    });
    CSgePreviewDlg dlg;
    dlg.SetSgeText(kEveryFigure);
    dlg.DoModal();
}

TEST(SgePreviewDlgTest, ABadFigureLineIsShownAndTheDialogEnds)
{
    CTestUi ui;
    CSgePreviewDlg dlg;
    dlg.SetSgeText("Line 0,0,1,1\r\nPolygon 0,0,10,10");
    EXPECT_EQ(0, dlg.DoModal());
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_EQ("点的坐标数据不足", ui.GetBoxes()[0].strText);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), ui.GetBoxes()[0].nType & MB_ICONMASK);
    EXPECT_EQ(0, dlg.m_listSGE.GetCount());
}
