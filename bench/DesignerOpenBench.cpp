// The designer started with a template on its command line until the template's window is
// painted, for templates of 500 to 8,000 cells against the bundled sample card; then a repaint of
// the whole window, which should cost what is visible, not the template's size.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchSheet.h"
#include "bench/BenchStats.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/template/TemplateFile.h"
#include "designer/shell/VornDesignApp.h"
#include "platform/gdi/ClientDC.h"

namespace
{

constexpr int kRuns = 5;

void PumpMessages()
{
    MSG msg;
    for (int i = 0; i < 500 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

int CountCells(const CCappSheet& sheet)
{
    int n = static_cast<int>(sheet.m_HeadCellList.GetCount() + sheet.m_PageCellList.GetCount());
    for (POSITION pos = sheet.m_MidDataList.GetHeadPosition(); pos != nullptr;) {
        n += static_cast<int>(
            static_cast<const CCappMidData*>(sheet.m_MidDataList.GetNext(pos))->m_listMidCell.GetCount());
    }
    return n;
}

CCappSheetDefView* FindView(CMainFrame* pMain)
{
    for (int i = 0; pMain != nullptr && i < pMain->GetWorksheetCount(); ++i) {
        if (auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(pMain->GetWorksheet(i))) {
            if (CCappSheetDefView* pView = pChild->GetSheetDefView(); pView != nullptr && pView->IsTemplateLoaded()) {
                return pView;
            }
        }
    }
    return nullptr;
}

// White paper somewhere in the view's window: the sheet was painted.
bool ShowsPaper(HWND hWnd)
{
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    CClientDC dc(hWnd);
    bool bPaper = false;
    for (int y = rc.bottom / 8; y < rc.bottom && !bPaper; y += std::max(1L, rc.bottom / 8)) {
        for (int x = rc.right / 8; x < rc.right && !bPaper; x += std::max(1L, rc.right / 8)) {
            bPaper = ::GetPixel(dc, x, y) == RGB(255, 255, 255);
        }
    }
    return bPaper;
}

struct OpenTimes
{
    BenchTimes open;
    BenchTimes repaint;
    int nCells = 0;
    bool bOk = true;
};

// Each run a designer of its own, as a planner starts it on a file.
OpenTimes TimeOpen(const CString& strPath)
{
    OpenTimes result;
    std::vector<double> repaints;
    result.open = BenchRepeat(kRuns, [&] {
        CVornDesignApp app;
        app.m_strCmdLine = "\"" + strPath + "\"";
        app.m_nCmdShow = SW_SHOWNA;
        const BOOL bStarted = app.InitInstance();
        CMainFrame* pMain = app.GetMainFrame();
        CCappSheetDefView* pView = FindView(pMain);
        if (pView != nullptr) {
            pView->UpdateWindow();
        }
        if (!bStarted || pView == nullptr) {
            result.bOk = false;
        } else {
            result.nCells = CountCells(*pView->m_pSheet);
            result.bOk = result.bOk && ShowsPaper(pView->m_hWnd);
            const double dStart = BenchSeconds();
            pView->Invalidate(FALSE);
            pView->UpdateWindow();
            repaints.push_back(BenchSeconds() - dStart);
            pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        }
        if (pMain != nullptr) {
            pMain->DestroyWindow();
        }
        app.m_pMainWnd = nullptr;
        app.WriteProfileString("Recent File List", nullptr, nullptr);
        PumpMessages();
    });
    std::sort(repaints.begin(), repaints.end());
    if (!repaints.empty()) {
        result.repaint = {repaints.front(), repaints[repaints.size() / 2], repaints.back()};
    }
    return result;
}

} // namespace

int main()
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    char szModule[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    // <checkout>\build\bin\DesignerOpenBench.exe
    std::string strRoot(szModule);
    for (int i = 0; i < 3; ++i) {
        strRoot.resize(strRoot.find_last_of('\\'));
    }
    const CString strSample = CString(strRoot.c_str()) + "\\samples\\workdir\\Template\\ProcessCard.znt";
    const OpenTimes sample = TimeOpen(strSample);
    if (!sample.bOk) {
        std::printf("the sample did not open and paint: %s\n", strSample.GetString());
        return 1;
    }
    std::printf("sample, %d cells\n", sample.nCells);
    BenchPrintTimes("  open and paint", sample.nCells, sample.open);
    BenchPrintTimes("  repaint", sample.nCells, sample.repaint);

    int rc = 0;
    double dPrevCells = 0.0;
    double dPrevOpen = 0.0;
    double dPrevRepaint = 0.0;
    for (int nCells : {500, 1000, 2000, 4000, 8000}) {
        const CString strPath = CString(szTemp) + "vorn-bench-open.znt";
        {
            CCappSheet sheet;
            BuildBenchGridSheet(sheet, nCells);
            CString strError;
            if (!CTemplateFile::Save(strPath, sheet, strError)) {
                std::printf("cannot write the template: %s\n", strError.GetString());
                return 1;
            }
        }
        const OpenTimes times = TimeOpen(strPath);
        ::DeleteFileA(strPath);
        if (!times.bOk || times.nCells != nCells) {
            std::printf("%d cells: the template did not open and paint whole (%d cells)\n", nCells, times.nCells);
            rc = 1;
        }
        std::printf("%d cells\n", nCells);
        BenchPrintTimes("  open and paint", nCells, times.open);
        BenchPrintTimes("  repaint", nCells, times.repaint);
        std::printf("  to the sample: open %.2f, repaint %.2f", times.open.dMedian / sample.open.dMedian,
                    times.repaint.dMedian / sample.repaint.dMedian);
        if (dPrevCells > 0.0) {
            std::printf("  growth: open %.2f, repaint %.2f",
                        BenchGrowth(dPrevCells, dPrevOpen, nCells, times.open.dMedian),
                        BenchGrowth(dPrevCells, dPrevRepaint, nCells, times.repaint.dMedian));
        }
        std::printf("\n");
        dPrevCells = nCells;
        dPrevOpen = times.open.dMedian;
        dPrevRepaint = times.repaint.dMedian;
    }
    return rc;
}
