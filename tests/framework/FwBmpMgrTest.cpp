// The button image table: tool-bar resources read safely, first registrations kept, greys mapped to
// the system colours and large images stretched when no large strip is given.
#include <gtest/gtest.h>

#include "framework/FwBmpMgr.h"
#include "platform/base/FxComPtr.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "tests/framework/res/fwtoolbar_resource.h"

namespace
{
COLORREF StripPixel(HBITMAP hStrip, int x, int y)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFxSelectGuard guard(&dc, CBitmap::FromHandle(hStrip));
    return ::GetPixel(dc.GetSafeHdc(), x, y);
}

CSize StripSize(HBITMAP hStrip)
{
    BITMAP bm = {};
    ::GetObjectA(hStrip, sizeof(bm), &bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}
} // namespace

TEST(FwBmpMgrTest, ToolBarResourcesAreReadWithinTheirSize)
{
    struct ResCase
    {
        const char* szName;
        UINT nSmall;
        UINT nLarge;
        BOOL bResult;
        UINT nID;
        BOOL bHasImage;
    };
    const ResCase cases[] = {
        {"small and large", IDR_FWTB_MAIN, IDR_FWTB_MAIN_LARGE, TRUE, 0x8117, TRUE},
        {"small only", IDR_FWTB_EDIT, 0, TRUE, 0x820B, TRUE},
        {"a missing small resource", 4321, 0, FALSE, 0x8101, FALSE},
        {"a missing large resource fails the whole call", IDR_FWTB_MAIN, 4321, FALSE, 0x8101, FALSE},
        {"a count past the data keeps what is there", IDR_FWTB_DAMAGED, 0, TRUE, 0x8501, TRUE},
    };
    for (const ResCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CFxComPtr<FwBmpMgr> pBmpMgr(new FwBmpMgr);
        EXPECT_EQ(c.bResult, pBmpMgr->AddToolBarResource(MAKEINTRESOURCEA(c.nSmall),
                                                         c.nLarge != 0 ? MAKEINTRESOURCEA(c.nLarge) : nullptr, TRUE));
        EXPECT_EQ(c.bHasImage, pBmpMgr->HasImage(c.nID));
    }
}

TEST(FwBmpMgrTest, TheFirstRegistrationOfAnIdKeepsItsImage)
{
    CFxComPtr<FwBmpMgr> pBmpMgr(new FwBmpMgr);
    ASSERT_TRUE(pBmpMgr->AddToolBarResource(MAKEINTRESOURCEA(IDR_FWTB_MAIN), nullptr, TRUE));
    ASSERT_TRUE(pBmpMgr->AddToolBarResource(MAKEINTRESOURCEA(IDR_FWTB_EDIT), nullptr, TRUE));
    HBITMAP hMain = nullptr;
    HBITMAP hEdit = nullptr;
    int nMain = -1;
    int nEdit = -1;
    ASSERT_TRUE(pBmpMgr->GetImage(0x8101, hMain, nMain, TRUE));
    ASSERT_TRUE(pBmpMgr->GetImage(0x8201, hEdit, nEdit, TRUE));
    EXPECT_EQ(0, nMain);
    EXPECT_NE(hMain, hEdit);
    // The edit strip's 0x8201 is its second image, after the shared 0x8101.
    EXPECT_EQ(1, nEdit);
    EXPECT_FALSE(pBmpMgr->GetImage(ID_FWTB_NOIMAGE, hMain, nMain, TRUE));
    pBmpMgr->AddRef();
    CFxComPtr<FwBmpMgr> second(static_cast<FwBmpMgr*>(pBmpMgr));
    EXPECT_EQ(2, pBmpMgr->GetRefCount());
    second.Close();
}

TEST(FwBmpMgrTest, TheStandardGreysTakeTheSystemColours)
{
    const int elements[3] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_BTNHIGHLIGHT};
    const COLORREF saved[3] = {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNTEXT),
                               ::GetSysColor(COLOR_BTNHIGHLIGHT)};
    const COLORREF changed[3] = {RGB(210, 225, 240), RGB(20, 30, 90), RGB(250, 250, 200)};
    ::SetSysColors(3, elements, changed);
    HBITMAP hBitmap = FwBmpMgr::LoadSysColorBitmap(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_FWTB_MAIN));
    ::SetSysColors(3, elements, saved);
    ASSERT_NE(nullptr, hBitmap);
    // The first image is a square: face grey around it, white at its top left, black at its right.
    EXPECT_EQ(changed[0], StripPixel(hBitmap, 0, 0));
    EXPECT_EQ(changed[2], StripPixel(hBitmap, 2, 6));
    EXPECT_EQ(changed[1], StripPixel(hBitmap, 13, 6));
    // A colour that is none of the four stays.
    EXPECT_EQ(RGB(229, 45, 45), StripPixel(hBitmap, 7, 7));
    CBitmap owner;
    owner.Attach(hBitmap);
    EXPECT_EQ(nullptr, FwBmpMgr::LoadSysColorBitmap(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(4321)));
}

TEST(FwBmpMgrTest, LargeImagesAreStretchedWhenNoLargeStripIsGiven)
{
    struct SizeCase
    {
        const char* szName;
        UINT nLarge;
        CSize szLarge;
    };
    const SizeCase cases[] = {
        {"stretched to the default large size", 0, CSize(22, 24)},
        {"the large resource's own size", IDR_FWTB_MAIN_LARGE, CSize(24, 23)},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CFxComPtr<FwBmpMgr> pBmpMgr(new FwBmpMgr);
        ASSERT_TRUE(pBmpMgr->AddToolBarResource(MAKEINTRESOURCEA(IDR_FWTB_MAIN),
                                                c.nLarge != 0 ? MAKEINTRESOURCEA(c.nLarge) : nullptr, TRUE));
        EXPECT_EQ(CSize(16, 15), pBmpMgr->GetSmallSize());
        pBmpMgr->SetSmallOnly(FALSE);
        EXPECT_EQ(c.szLarge, pBmpMgr->GetImageSize());
        HBITMAP hStrip = nullptr;
        int nIndex = -1;
        ASSERT_TRUE(pBmpMgr->GetImage(0x8102, hStrip, nIndex, FALSE));
        EXPECT_EQ(CSize(23 * c.szLarge.cx, c.szLarge.cy), StripSize(hStrip));
        // Without keep-small the small strip went; the menus ask for it to stay.
        EXPECT_FALSE(pBmpMgr->GetImage(0x8102, hStrip, nIndex, TRUE) && c.nLarge != 0);
        pBmpMgr->SetKeepSmall(TRUE);
        EXPECT_TRUE(pBmpMgr->GetImage(0x8102, hStrip, nIndex, TRUE));
        EXPECT_EQ(CSize(23 * 16, 15), StripSize(hStrip));
    }
}
