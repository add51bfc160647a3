#include <gtest/gtest.h>

#include "platform/gdi/Font.h"
#include "SongFont.h"
#include "support/DibCanvas.h"
#include "symedit/CappDrawCache.h"
#include "symedit/CappDrawScope.h"
#include "symedit/CappStaticTextCtl.h"

namespace
{

HGDIOBJ CurrentFont(CDC& dc)
{
    return ::GetCurrentObject(dc.m_hDC, OBJ_FONT);
}

TEST(CappDrawCacheTest, OneFontPerRecordSelectedOnlyWhenItChangesAndGivenBackAtTheEnd)
{
    CTestDib dib(200, 60);
    CDC& dc = dib.DC();
    const HGDIOBJ hOwn = CurrentFont(dc);
    {
        CCappDrawScope scope;
        CCappDrawCache& cache = scope.GetCache();
        EXPECT_EQ(&cache, CCappDrawCache::GetCurrent());
        LOGFONT lfSmall = SongFont(-16);
        LOGFONT lfLarge = SongFont(-24);
        ASSERT_TRUE(cache.SelectFont(&dc, lfSmall));
        const HGDIOBJ hSmall = CurrentFont(dc);
        EXPECT_NE(hOwn, hSmall);
        // Garbage after the face name's end names no other font.
        lfSmall.lfFaceName[LF_FACESIZE - 2] = 'x';
        EXPECT_EQ(cache.GetFont(SongFont(-16)), cache.GetFont(lfSmall));
        ASSERT_TRUE(cache.SelectFont(&dc, lfLarge));
        ASSERT_TRUE(cache.SelectFont(&dc, SongFont(-16)));
        EXPECT_EQ(hSmall, CurrentFont(dc)) << "the same font object again";
        EXPECT_EQ(2, cache.GetFontCount());

        // A drawing inside the open draw shares its fonts and leaves its last one selected.
        CCappStaticTextCtl::DrawData(&dc, CRect(0, 0, 200, 60), "工艺卡片", 0, DT_LEFT, lfLarge, RGB(0, 0, 0));
        EXPECT_EQ(2, cache.GetFontCount());
        EXPECT_EQ(cache.GetFont(lfLarge)->GetSafeHandle(), CurrentFont(dc));
        {
            CCappDrawScope inner;
            EXPECT_EQ(&cache, &inner.GetCache());
        }
        EXPECT_EQ(&cache, CCappDrawCache::GetCurrent()) << "only the outermost scope closes the draw";
    }
    EXPECT_EQ(nullptr, CCappDrawCache::GetCurrent());
    EXPECT_EQ(hOwn, CurrentFont(dc));
}

TEST(CappDrawCacheTest, ExtentsAreMeasuredOncePerFontAndText)
{
    CTestDib dib(10, 10);
    CDC& dc = dib.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(254, 254);
    dc.SetViewportExt(96, 96);
    CCappDrawCache cache;
    const LOGFONT lf = SongFont(-35);
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    CFont* pOld = dc.SelectObject(&font);
    const CSize sizeDirect = dc.GetTextExtent(CString("工艺卡片"));
    dc.SelectObject(pOld);

    EXPECT_EQ(sizeDirect, cache.GetTextExtent(&dc, lf, "工艺卡片"));
    // Measured once: a later answer does not ask the DC, whose mapping changed meanwhile.
    dc.SetViewportExt(192, 192);
    EXPECT_EQ(sizeDirect, cache.GetTextExtent(&dc, lf, "工艺卡片"));
    EXPECT_NE(sizeDirect, cache.GetTextExtent(&dc, lf, "工艺"));
}

// A DC whose owner put its own font back (a restored DC) keeps it when the draw ends.
TEST(CappDrawCacheTest, FontPutBackByTheCallerStays)
{
    CTestDib dib(10, 10);
    CDC& dc = dib.DC();
    const LOGFONT lfCaller = SongFont(-20);
    CFont fontCaller;
    ASSERT_TRUE(fontCaller.CreateFontIndirect(&lfCaller));
    {
        CCappDrawCache cache;
        ASSERT_TRUE(cache.SelectFont(&dc, SongFont(-12)));
        dc.SelectObject(&fontCaller);
    }
    EXPECT_EQ(fontCaller.GetSafeHandle(), CurrentFont(dc));
    dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT))));
}

} // namespace
