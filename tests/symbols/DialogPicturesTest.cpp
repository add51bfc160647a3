#include <gtest/gtest.h>

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
#include "tests/symbols/DialogPictureCheck.h"
#include "tests/support/UiDriver.h"

namespace
{
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
