#include <gtest/gtest.h>

#include <memory>

#include "symbols/DlgFrameStr.h"
#include "symbols/FractionContSeg.h"
#include "symbols/FrameStrContSeg.h"
#include "symbols/InputCoarseDlg.h"
#include "symbols/InputCoarseDlgEx.h"
#include "symbols/InputFractionDlg.h"
#include "symbols/InputSupSubScriptDlg.h"
#include "symbols/NotationDlgFun.h"
#include "symbols/res/resource.h"
#include "tests/support/UiDriver.h"

namespace
{
CString RefusalText(const char* pszBreaker)
{
    CString str;
    str.Format("输入的内容不能包含“%s”，请修改后再确定。", pszBreaker);
    return str;
}

// The content of the first element of the letter in segment text, as the whole-string reader
// takes it: up to the first closing tag of that letter.
CString ElementContent(const CString& strTag, char chLetter)
{
    CString strClose;
    strClose.Format("</%c>", chLetter);
    int nClose = strTag.Find(strClose);
    return nClose < 3 ? CString() : strTag.Mid(3, nClose - 3);
}

LOGFONT BaseFont()
{
    LOGFONT lf = {};
    lf.lfHeight = 12;
    lf.lfWeight = FW_NORMAL;
    return lf;
}
} // namespace

TEST(NotationDlgFunTest, FindBreakerNamesTheFirstPieceThatWouldBreakTheElement)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        const char* szLetters;
        const char* szBreaker; // "" when the text is safe
    };
    const Case cases[] = {
        {"plain fraction text", "12.5", "F", ""},
        {"semicolon splits a list kind", "1;2", "F", ";"},
        {"font tag cuts the content", "A<FT>C=255</FT>", "R", "<FT>"},
        {"closing tag ends the element", "a</S>b", "S", "</S>"},
        {"the earliest piece is named", "x</F>;<FT>", "F", "</F>"},
        {"semicolon is text in a framed text", "a;b", "RE", ""},
        {"either closing tag of two letters", "a</E>", "RE", "</E>"},
        {"another kind's closing tag is text", "a</S>", "F", ""},
        {"a closing font tag alone reads back", "a</FT>b", "C", ""},
        {"tags are matched with their case", "<ft>a</f>", "F", ""},
        {"custom symbol arguments take no font tag", "a<FT>;b", "P", ""},
        {"custom symbol closing tag", "x</P>", "P", "</P>"},
        {"GBK text around a breaker", "粗糙;度", "C", ";"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szBreaker, CNotationDlgFun::FindBreaker(c.szText, c.szLetters));
    }
}

// Each notation dialog keeps itself open with the text as typed when the text would split or end
// its segment, names the piece, puts the focus on that edit, and takes the mended text.
TEST(NotationDlgFunTest, EachNotationDialogRefusesTextsThatWouldBreakItsSegment)
{
    struct Case
    {
        const char* szName;
        UINT nIDD;
        int nIDEdit;
        const char* szText;
        const char* szBreaker;
    };
    const Case cases[] = {
        {"fraction numerator with ;", IDD_INPUTFRACTION, IDC_NUMERATOR, "1;2", ";"},
        {"fraction denominator with its closing tag", IDD_INPUTFRACTION, IDC_DENOMINATOR, "4</F>", "</F>"},
        {"fraction base with a font tag", IDD_INPUTFRACTION, IDC_BASETEXT, "A<FT>C=255</FT>", "<FT>"},
        {"superscript with ;", IDD_INPUTSUPSUBSCRIPT, IDC_SUPERSCRIPT, "+0.1;-0.2", ";"},
        {"subscript with its closing tag", IDD_INPUTSUPSUBSCRIPT, IDC_SUBSCRIPT, "a</S>", "</S>"},
        {"framed text with a font tag", IDD_FRAMESTR, IDC_FRAMESTR_TEXT, "A<FT>C=255</FT>", "<FT>"},
        {"framed text with its closing tag", IDD_FRAMESTR, IDC_FRAMESTR_TEXT, "A</R>B", "</R>"},
        {"circled text with its closing tag", IDD_FRAMESTR, IDC_FRAMESTR_TEXT, "A</E>", "</E>"},
        {"roughness value 1 with ;", IDD_INPUTCOARSEEX, IDC_COARSE_VALUE1, "3.2;6.3", ";"},
        {"roughness value 2 with a font tag", IDD_INPUTCOARSEEX, IDC_COARSE_VALUE2, "<FT>S=40</FT>", "<FT>"},
        {"older roughness value with ;", IDD_INPUTCOARSE, IDC_COARSE_VALUE, " Ra;1 ", ";"},
        {"older roughness value with its closing tag", IDD_INPUTCOARSE, IDC_COARSE_VALUE, "Ra</C>", "</C>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::unique_ptr<CDialog> pDlg;
        switch (c.nIDD) {
        case IDD_INPUTFRACTION:
            pDlg = std::make_unique<CInputFractionDlg>();
            static_cast<CInputFractionDlg*>(pDlg.get())->SetData("25", "3", "4");
            break;
        case IDD_INPUTSUPSUBSCRIPT:
            pDlg = std::make_unique<CInputSupSubScriptDlg>();
            static_cast<CInputSupSubScriptDlg*>(pDlg.get())->SetData("25", "+0.1", "-0.2");
            break;
        case IDD_FRAMESTR:
            pDlg = std::make_unique<CDlgFrameStr>();
            break;
        case IDD_INPUTCOARSEEX:
            pDlg = std::make_unique<CInputCoarseDlgEx>();
            break;
        default:
            pDlg = std::make_unique<CInputCoarseDlg>();
            break;
        }
        CTestUi ui;
        ui.OnDialog(c.nIDD, [&](CTestDlg& d) {
            d.SetText(c.nIDEdit, c.szText);
            d.Ok();
            ASSERT_EQ(1u, ui.GetBoxes().size());
            EXPECT_STREQ(RefusalText(c.szBreaker), ui.GetBoxes()[0].strText);
            EXPECT_STREQ("提示", ui.GetBoxes()[0].strCaption);
            EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
            EXPECT_EQ(c.nIDEdit, d.GetFocusID());
            EXPECT_STREQ(c.szText, d.GetText(c.nIDEdit));
            d.SetText(c.nIDEdit, "1");
            d.Ok();
        });
        EXPECT_EQ(IDOK, pDlg->DoModal());
        EXPECT_EQ(1u, ui.GetBoxes().size());
    }
}

// Texts close to the refused pieces are accepted, and the segment written from them reads back
// the same through its element.
TEST(NotationDlgFunTest, AcceptedTextsReadBackFromTheSegmentTheyAreWrittenInto)
{
    struct Case
    {
        const char* szName;
        const char* szText;
    };
    const Case cases[] = {
        {"closing font tag alone", "a</FT>b"},
        {"font tag in lower case", "<ft>x"},
        {"angle brackets", "a<b>c"},
        {"comma", "1,2"},
        {"GBK text", "粗糙度"},
    };
    LOGFONT lfBase = BaseFont();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CInputFractionDlg dlgFraction;
        ui.OnDialog(IDD_INPUTFRACTION, [&](CTestDlg& d) {
            d.SetText(IDC_BASETEXT, c.szText);
            d.SetText(IDC_NUMERATOR, c.szText);
            d.SetText(IDC_DENOMINATOR, c.szText);
            d.Ok();
        });
        ASSERT_EQ(IDOK, dlgFraction.DoModal());
        // A font other than the base one, so the element carries a font tag after the texts.
        CFractionContSeg segFraction(lfBase, RGB(255, 0, 0));
        segFraction.SetData(dlgFraction.m_strBaseData, dlgFraction.m_strNumerator, dlgFraction.m_strDenominator);
        CString strTag;
        segFraction.GetData(strTag, lfBase, 0);
        CFractionContSeg segRead(lfBase, 0);
        segRead.SetData(ElementContent(strTag, 'F'));
        CString strBase, strNumerator, strDenominator;
        segRead.GetData(strBase, strNumerator, strDenominator);
        EXPECT_STREQ(c.szText, strBase);
        EXPECT_STREQ(c.szText, strNumerator);
        EXPECT_STREQ(c.szText, strDenominator);
        EXPECT_EQ(RGB(255, 0, 0), segRead.m_crColor);

        CDlgFrameStr dlgFrame;
        ui.OnDialog(IDD_FRAMESTR, [&](CTestDlg& d) {
            d.SetText(IDC_FRAMESTR_TEXT, c.szText);
            d.Ok();
        });
        ASSERT_EQ(IDOK, dlgFrame.DoModal());
        CFrameStrContSeg segFrame(lfBase, RGB(255, 0, 0));
        segFrame.m_strText = dlgFrame.m_strText;
        segFrame.GetData(strTag, lfBase, 0);
        CFrameStrContSeg segFrameRead(lfBase, 0);
        segFrameRead.SetData(ElementContent(strTag, 'R'));
        EXPECT_STREQ(c.szText, segFrameRead.m_strText);
        EXPECT_EQ(RGB(255, 0, 0), segFrameRead.m_crColor);
        EXPECT_TRUE(ui.GetBoxes().empty());
    }
}
