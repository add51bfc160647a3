// Time to fill a grid of 5,000 rows and 10 columns, to scroll it, and to paint one full view.
#include <cstdio>

#include "bench/BenchClock.h"
#include "gridkit/GkGridWnd.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"

int main()
{
    const UINT nRows = 5000;
    const UINT nCols = 10;
    // No window: the grid draws into any DC, so this runs without a display.
    CGkGridWnd grid;
    double dStart = BenchSeconds();
    grid.SetColCount(nCols);
    grid.SetRowCount(nRows);
    for (UINT nRow = 1; nRow <= nRows; nRow++) {
        for (UINT nCol = 1; nCol <= nCols; nCol++) {
            CString str;
            str.Format("工序%u-%u", nRow, nCol);
            grid.SetCellValue(nRow, nCol, str);
        }
    }
    CGkStyle check;
    check.SetControl(GK_CTRL_CHECK).SetValue("1");
    grid.ApplyStyle(CGkRange(1, nCols, nRows, nCols), check);
    std::printf("fill %u x %u cells: %8.4f s\n", nRows, nCols, BenchSeconds() - dStart);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CDC dcScreen;
    dcScreen.CreateIC("DISPLAY", nullptr, nullptr, nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcScreen, 1000, 800);
    CFxSelectGuard selBitmap(&dc, &bitmap);
    const CRect rc(0, 0, 1000, 800);
    grid.DrawGrid(&dc, rc); // fonts are made on the first paint
    const UINT aTopRows[] = {1, 2500, 4970};
    for (UINT nTop : aTopRows) {
        grid.SetTopRow(nTop);
        dStart = BenchSeconds();
        grid.DrawGrid(&dc, rc);
        std::printf("full repaint at row %4u: %8.4f s\n", nTop, BenchSeconds() - dStart);
    }
    dStart = BenchSeconds();
    grid.MoveRows(1, 1, nRows);
    grid.InsertRows(1, 1);
    grid.RemoveRows(1, 1);
    std::printf("move, insert and remove a row at the top: %8.4f s\n", BenchSeconds() - dStart);
    return 0;
}
