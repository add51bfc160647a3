// The card view's printing: the host's page lists on the PostScript printer, metric printing with
// an offset or fitted to the printable area, and the fit settings kept in the profile.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/CappMDData.h"
#include "core/CardObj.h"
#include "platform/frame/WinApp.h"
#include "tests/support/PngFile.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/work/CardViewTestHost.h"

namespace
{
constexpr const char* kPageVar = "编制";
// The test printer's resolution.
constexpr int kPrinterDpi = 300;

// The text of each page of a PostScript job, as far as its glyphs are letters and digits; the
// driver shows text glyph by glyph ("/P glyphshow", "/three glyphshow").
std::vector<std::string> PageTexts(const std::string& strPs)
{
    static const char* const digits[] = {"zero", "one", "two",   "three", "four",
                                         "five", "six", "seven", "eight", "nine"};
    std::vector<std::string> pages;
    std::istringstream in(strPs);
    std::string strLine;
    while (std::getline(in, strLine)) {
        if (strLine.rfind("%%Page: ", 0) == 0) {
            pages.emplace_back();
            continue;
        }
        const size_t nShow = strLine.find(" glyphshow");
        if (pages.empty() || strLine.empty() || strLine[0] != '/' || nShow == std::string::npos) {
            continue;
        }
        const std::string strGlyph = strLine.substr(1, nShow - 1);
        if (strGlyph.size() == 1 && isalpha(static_cast<unsigned char>(strGlyph[0]))) {
            pages.back() += strGlyph;
        }
        for (int i = 0; i < 10; ++i) {
            if (strGlyph == digits[i]) {
                pages.back() += static_cast<char>('0' + i);
            }
        }
    }
    return pages;
}

// What follows "PAGEVALUE" in a page's text: the page whose value it shows.
std::string ShownValue(const std::string& strText)
{
    const size_t nAt = strText.find("PAGEVALUE");
    return nAt == std::string::npos ? std::string() : strText.substr(nAt + 9, 1);
}

// The absolute "x y moveto" points of the first page, in printer dots.
std::vector<POINT> FirstPageMoves(const std::string& strPs)
{
    std::vector<POINT> moves;
    std::istringstream in(strPs);
    std::string strLine;
    int nPage = 0;
    while (std::getline(in, strLine)) {
        if (strLine.rfind("%%Page: ", 0) == 0) {
            ++nPage;
            continue;
        }
        const size_t nMove = strLine.find(" moveto");
        if (nPage != 1 || nMove == std::string::npos || strLine.find("rmoveto") != std::string::npos) {
            continue;
        }
        std::istringstream point(strLine.substr(0, nMove));
        POINT pt = {0, 0};
        if (point >> pt.x >> pt.y) {
            moves.push_back(pt);
        }
    }
    return moves;
}

class CardViewPrintTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CString strError;
        ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
        ASSERT_TRUE(SelectTestPrinter(&m_app));
        ASSERT_TRUE(m_host.Open());
        CCappCardView& view = *m_host.m_pView;
        view.AddNewPage(1, 1);
        view.AddNewPage(1, 1);
        CCardObj& card = m_host.Card();
        ASSERT_EQ(3, card.m_CardData.m_nPageCount);
        for (int nPage = 1; nPage <= 3; ++nPage) {
            CString strValue;
            strValue.Format("PAGEVALUE%d", nPage);
            ASSERT_TRUE(card.m_CardData.m_PgData.SetVarData(nPage, kPageVar, strValue));
        }
        ASSERT_TRUE(view.SetCurPage(2, 1));
    }
    void TearDown() override { CCappCardView::EnablePrintFitSetting(0, CSize(0, 0)); }

    // Prints the pages to a file and returns the PostScript.
    std::string PrintPages(const std::vector<UINT>& pages, const char* pszName)
    {
        CUIntArray arrPages;
        for (UINT nPage : pages) {
            arrPages.Add(nPage);
        }
        m_host.m_pView->m_strPrintOutput = m_host.m_folder.PathOf(pszName);
        m_host.m_pView->OnMyPrint(arrPages);
        return ReadWholeFile(m_host.m_pView->m_strPrintOutput);
    }

    CWinApp m_app{"VornWorkTests"};
    CCardViewTestHost m_host;
};
} // namespace

TEST_F(CardViewPrintTest, PrintsTheListedPagesInOrderWithTheirOwnValues)
{
    const struct
    {
        const char* szName;
        std::vector<UINT> pages;
        std::vector<std::string> shown; // the page value each printed page shows
    } cases[] = {
        {"last page, then the first", {3, 1}, {"3", "1"}},
        {"every page in order", {1, 2, 3}, {"1", "2", "3"}},
        {"a page listed twice prints twice", {2, 2}, {"2", "2"}},
        {"a single page", {3}, {"3"}},
    };
    int nJob = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strName;
        strName.Format("job%d.ps", ++nJob);
        const std::string strPs = PrintPages(c.pages, strName);
        ASSERT_EQ(0u, strPs.find("%!PS-Adobe"));
        std::vector<std::string> shown;
        for (const std::string& strText : PageTexts(strPs)) {
            shown.push_back(ShownValue(strText));
        }
        EXPECT_EQ(c.shown, shown);
        // The page shown before printing is shown again, with its own value in its cell.
        EXPECT_EQ(2, m_host.Card().m_nCurPage);
        CCappCell* pCell = m_host.FindCell(kPageVar, true);
        ASSERT_NE(nullptr, pCell);
        EXPECT_STREQ("PAGEVALUE2", pCell->m_strText);
        EXPECT_FALSE(m_host.m_pView->m_bPrintPages);
    }
    const std::string strKept = TestImagePath("card-view-print-3-1.ps");
    ::CopyFileA(m_host.m_folder.PathOf("job1.ps"), strKept.c_str(), FALSE);
    RenderPostScript(strKept.c_str(), TestImagePath("card-view-print-3-1-%d.png").c_str());
}

TEST_F(CardViewPrintTest, TheOffsetMovesTheMetricPrintOnlyAndFittingIgnoresIt)
{
    const struct
    {
        const char* szName;
        int bFit;
        CSize szOffset; // tenths of a millimetre
    } cases[] = {
        {"metric, 5 mm right and 2 mm up", 0, CSize(50, -20)},
        {"metric, 3 mm left and 1 cm down", 0, CSize(-30, 100)},
        {"fitted: the offset has no effect", 1, CSize(50, -20)},
    };
    int nJob = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strName;
        strName.Format("plain%d.ps", ++nJob);
        CCappCardView::EnablePrintFitSetting(c.bFit, CSize(0, 0));
        const std::vector<POINT> plain = FirstPageMoves(PrintPages({1}, strName));
        strName.Format("moved%d.ps", nJob);
        CCappCardView::EnablePrintFitSetting(c.bFit, c.szOffset);
        const std::vector<POINT> moved = FirstPageMoves(PrintPages({1}, strName));
        ASSERT_GT(plain.size(), 20u);
        ASSERT_EQ(plain.size(), moved.size());
        const double dx = c.bFit ? 0 : c.szOffset.cx * kPrinterDpi / 254.0;
        const double dy = c.bFit ? 0 : c.szOffset.cy * kPrinterDpi / 254.0;
        // Each point is rounded to dots on its own: within a dot and a half. What touches the
        // printable area's edge is clipped there and left out.
        int nMoved = 0;
        for (size_t i = 0; i < plain.size(); ++i) {
            const auto atEdge = [](const POINT& pt) { return pt.x == 0 || pt.y == 0; };
            if (atEdge(plain[i]) || atEdge(moved[i])) {
                continue;
            }
            ++nMoved;
            EXPECT_NEAR(dx, moved[i].x - plain[i].x, 1.5) << "move " << i;
            EXPECT_NEAR(dy, moved[i].y - plain[i].y, 1.5) << "move " << i;
        }
        EXPECT_GT(nMoved, 20);
    }
}

TEST_F(CardViewPrintTest, FitSettingsRoundTripThroughTheProfile)
{
    m_app.SetRegistryKey("VornWorkPrintFitTest");
    const struct
    {
        const char* szName;
        int bFit;
        CSize szOffset;
    } cases[] = {
        {"metric with a negative offset", 0, CSize(50, -20)},
        {"fitted, no offset", 1, CSize(0, 0)},
        {"both offsets negative", 0, CSize(-7, -300)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappCardView::EnablePrintFitSetting(c.bFit, c.szOffset);
        CCappCardView::SavePrintFitSettingToDefault();
        CCappCardView::EnablePrintFitSetting(5, CSize(1, 1));
        CCappCardView::LoadPrintFitSettingFromDefault();
        int bFit = -1;
        CSize szOffset;
        CCappCardView::GetPrintFitSetting(bFit, szOffset);
        EXPECT_EQ(c.bFit, bFit);
        EXPECT_EQ(c.szOffset, szOffset);
    }
    // Every view's initial update reads them.
    CCappCardView::EnablePrintFitSetting(1, CSize(3, 4));
    m_host.m_pView->OnInitialUpdate();
    EXPECT_EQ(0, CCappCardView::m_bAutoPrintFit);
    EXPECT_EQ(CSize(-7, -300), CCappCardView::m_szOffsetAtNotFit);
    m_app.WriteProfileString("Option", nullptr, nullptr);
}
