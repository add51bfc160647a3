#include <gtest/gtest.h>

#include "symbols/CustSymbol.h"
#include "symbols/DlgFrameStr.h"
#include "symbols/GpTolDlg.h"
#include "symbols/GpTolTypeDlg.h"
#include "symbols/InputToleranceDlg.h"
#include "symbols/InputCoarseDlg.h"
#include "symbols/InputCoarseDlgEx.h"
#include "symbols/InputDataDlg.h"
#include "symbols/InputFractionDlg.h"
#include "symbols/InputSupSubScriptDlg.h"
#include "symbols/SpecialCharDlg.h"
#include "symbols/SymbolArgDlg.h"
#include "symbols/SymbolDlg.h"
#include "symbols/res/resource.h"
#include "tests/support/TestData.h"
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

// The tolerance, geometric tolerance and special-character dialogs: the symbols on the bitmap
// buttons and the Chinese texts are to be seen whole.
TEST(DialogPicturesTest, NotationDialogsShowTheirSymbolsAndTexts)
{
    CString strWorkDir = TestDataPath("..\\..\\..\\samples\\workdir");
    CTestUi ui;
    CInputToleranceDlg dlgTol;
    dlgTol.SetData(1, "H7", "φ25", "+0.021", " 0");
    ui.OnDialog(IDD_INPUTTOLERANCE, Picture("dialog-536-tolerance.png"));
    dlgTol.DoModal();

    CGpTolContSeg seg;
    seg.m_nType = 14;
    seg.m_nZonePrefix = 1;
    seg.m_strValue = "0.025";
    seg.m_nSpecialSymbol = 3;
    seg.m_strDatum1 = "A";
    seg.m_nDatumCode1 = 1;
    seg.m_strDatum2 = "B";
    seg.m_nDatumCode2 = 2;
    seg.m_strDatum3 = "C";
    seg.m_nGrade = 6;
    seg.m_nBaseLength = 16;
    CGpTolDlg dlgGpTol;
    dlgGpTol.SetDataFile(strWorkDir);
    dlgGpTol.SetData(&seg);
    ui.OnDialog(IDD_GPTOL, Picture("dialog-259-gptol.png"));
    dlgGpTol.DoModal();

    CGpTolTypeDlg dlgType;
    dlgType.m_x = 100;
    dlgType.m_y = 100;
    ui.OnDialog(IDD_GPTOLTYPE, Picture("dialog-262-gptoltype.png"));
    dlgType.DoModal();

    CSymbolDlg dlgSymbol;
    dlgSymbol.SetSymbolDataFile(strWorkDir);
    ui.OnDialog(IDD_SYMBOL, [](CTestDlg& d) {
        // One button hovered and one pressed, to see both looks.
        static_cast<CSymbolDlg*>(d.GetDialog())->m_btnSymbol[5].m_bHover = TRUE;
        static_cast<CSymbolDlg*>(d.GetDialog())->m_btnSymbol[6].m_bPressed = TRUE;
        ExpectPictureShowsItsControls(d, "dialog-2137-symbol.png");
        d.Cancel();
    });
    dlgSymbol.DoModal();
}
