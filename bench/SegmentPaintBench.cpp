// Time to measure and paint one text segment at a few font sizes given by its font tag, the
// largest beyond the size a card can show (drawn at that size).
#include <cstdio>

#include "bench/BenchClock.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "symbols/StringContSeg.h"

namespace
{
} // namespace

int main()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 800, 600);
    CFxSelectGuard selBitmap(&dc, &bitmap);
    // The largest first, before the font at the held size is cached.
    const char* aszTagged[] = {"工艺卡<FT>S=32767</FT>", "工艺卡<FT>S=4450</FT>", "工艺卡<FT>S=400</FT>",
                               "工艺卡<FT>S=12</FT>"};
    for (const char* szTagged : aszTagged) {
        CStringContSeg seg;
        seg.SetData(CString(szTagged));
        double dStart = BenchSeconds();
        seg.m_nWidth = seg.GetWidth(&dc);
        seg.Draw(&dc, 10, 10, 1.0f, 0);
        double dElapsed = BenchSeconds() - dStart;
        std::printf("size %6ld, drawn at %5ld: %8.4f s per measure and paint\n", seg.m_lFont.lfHeight,
                    seg.GetDrawFont().lfHeight, dElapsed);
    }
    return 0;
}
