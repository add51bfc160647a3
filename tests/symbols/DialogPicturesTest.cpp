#include <gtest/gtest.h>

#include <algorithm>

#include "symbols/CustSymbol.h"
#include "symbols/DlgFrameStr.h"
#include "symbols/InputCoarseDlg.h"
#include "symbols/InputCoarseDlgEx.h"
#include "symbols/InputDataDlg.h"
#include "symbols/InputFractionDlg.h"
#include "symbols/InputSupSubScriptDlg.h"
#include "symbols/SpecialCharDlg.h"
#include "symbols/SymbolArgDlg.h"
#include "symbols/res/resource.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"

namespace
{
// Pixels of rc that are neither the dialog face nor white: text, lines and pictures.
int CountInk(const PngImage& image, const RECT& rc)
{
    COLORREF crFace = GetSysColor(COLOR_BTNFACE);
    int nInk = 0;
    for (int y = std::max(0L, rc.top); y < std::min(static_cast<LONG>(image.cy), rc.bottom); ++y) {
        for (int x = std::max(0L, rc.left); x < std::min(static_cast<LONG>(image.cx), rc.right); ++x) {
            DWORD dw = image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.cx) + static_cast<size_t>(x)];
            COLORREF cr = RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
            if (cr != crFace && cr != RGB(255, 255, 255)) {
                ++nInk;
            }
        }
    }
    return nInk;
}

// Whether the control should show ink inside its border: a picture, or any text it holds.
bool ShowsSomething(HWND hCtrl)
{
    char szClass[64] = {};
    GetClassNameA(hCtrl, szClass, sizeof(szClass));
    LONG_PTR lStyle = GetWindowLongPtrA(hCtrl, GWL_STYLE);
    if (lstrcmpiA(szClass, "Static") == 0 && (lStyle & SS_TYPEMASK) == SS_BITMAP) {
        return true;
    }
    if (lstrcmpiA(szClass, "Button") == 0 && (lStyle & BS_TYPEMASK) == BS_OWNERDRAW) {
        return true;
    }
    if (lstrcmpiA(szClass, "SysListView32") == 0) {
        return SendMessageA(hCtrl, LVM_GETITEMCOUNT, 0, 0) > 0;
    }
    return GetWindowTextLengthA(hCtrl) > 0;
}

// Writes the picture, reads it back and checks that every visible picture and every control
// holding text shows ink in it: a control left undrawn or a bitmap that failed to load shows none.
void ExpectPictureShowsItsControls(CTestDlg& d, const char* pszName)
{
    ASSERT_TRUE(d.SavePicture(pszName));
    PngImage image;
    ASSERT_TRUE(LoadPng(TestImagePath(pszName).c_str(), image));
    RECT rcWnd = {};
    GetWindowRect(d.GetHwnd(), &rcWnd);
    ASSERT_EQ(rcWnd.right - rcWnd.left, image.cx);
    ASSERT_EQ(rcWnd.bottom - rcWnd.top, image.cy);
    int nChecked = 0;
    for (HWND hCtrl = GetWindow(d.GetHwnd(), GW_CHILD); hCtrl != nullptr; hCtrl = GetWindow(hCtrl, GW_HWNDNEXT)) {
        if (!IsWindowVisible(hCtrl) || !ShowsSomething(hCtrl)) {
            continue;
        }
        RECT rc = {};
        GetWindowRect(hCtrl, &rc);
        OffsetRect(&rc, -rcWnd.left, -rcWnd.top);
        // Inside the border, which is ink of its own.
        InflateRect(&rc, -3, -3);
        EXPECT_GT(CountInk(image, rc), 0) << pszName << ": control " << GetDlgCtrlID(hCtrl) << " shows nothing";
        ++nChecked;
    }
    EXPECT_GT(nChecked, 2) << pszName;
}

TestDlgHandler Picture(const char* pszName)
{
    return [pszName](CTestDlg& d) {
        ExpectPictureShowsItsControls(d, pszName);
        d.Cancel();
    };
}
} // namespace

// Pictures of the library's dialogs as the user sees them, written to the build's test-images
// folder to look at after a layout change.
TEST(DialogPicturesTest, EachDialogShowsItsPicturesAndTexts)
{
    CTestUi ui;
    CInputDataDlg dlgData;
    dlgData.m_strName = "长度";
    dlgData.m_strValue = "12.5";
    ui.OnDialog(IDD_INPUTDATA, Picture("dialog-140-inputdata.png"));
    dlgData.DoModal();

    CInputFractionDlg dlgFraction;
    dlgFraction.SetData("25", "3", "4");
    ui.OnDialog(IDD_INPUTFRACTION, Picture("dialog-2101-fraction.png"));
    dlgFraction.DoModal();

    CInputSupSubScriptDlg dlgScript;
    dlgScript.SetData("Φ25", "+0.1", "-0.2");
    ui.OnDialog(IDD_INPUTSUPSUBSCRIPT, Picture("dialog-2104-supsubscript.png"));
    dlgScript.DoModal();

    CDlgFrameStr dlgFrame;
    dlgFrame.m_strText = "A";
    ui.OnDialog(IDD_FRAMESTR, Picture("dialog-551-framestr.png"));
    dlgFrame.DoModal();

    CInputCoarseDlgEx dlgCoarseEx;
    ui.OnDialog(IDD_INPUTCOARSEEX, [](CTestDlg& d) {
        d.SelectCombo(IDC_COARSE_COMBO1, 5);
        d.SelectCombo(IDC_COARSE_COMBO2, 15);
        ExpectPictureShowsItsControls(d, "dialog-559-coarseex.png");
        d.Cancel();
    });
    dlgCoarseEx.DoModal();

    CInputCoarseDlg dlgCoarse;
    ui.OnDialog(IDD_INPUTCOARSE, Picture("dialog-548-coarse.png"));
    dlgCoarse.DoModal();

    SpecialCharDlg dlgSpecial;
    dlgSpecial.m_x = 100;
    dlgSpecial.m_y = 100;
    ui.OnDialog(IDD_SPECIALCHAR, Picture("dialog-264-specialchar.png"));
    dlgSpecial.DoModal();

    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<V>直径,'20',0,0,12</V><V>公差,'0.1',0,20,12</V>"));
    CSymbolArgDlg dlgArg;
    dlgArg.m_strMark = "ZJ-01";
    dlgArg.m_pListVText = &sym.m_listVText;
    ui.OnDialog(IDD_SYMBOLARG, Picture("dialog-5000-symbolarg.png"));
    dlgArg.DoModal();
}
