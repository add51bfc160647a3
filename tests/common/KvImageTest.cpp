#include <gtest/gtest.h>

#include "KvTestHost.h"
#include "common/KvBmpStatic.h"
#include "common/KvImage.h"
#include "platform/gdi/Rgn.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/DibCanvas.h"
#include "support/PngFile.h"
#include "support/UiDriver.h"

TEST(KvImageTest, EmptyImageHasNoSize)
{
    CKvImage image;
    EXPECT_EQ(0, image.GetBmpWidth());
    EXPECT_EQ(0, image.GetBmpHeight());
    EXPECT_EQ(nullptr, image.GetBmpRgn(RGB(255, 0, 0)));
    EXPECT_FALSE(image.OpenBmpFile("Z:\\no\\such\\picture.bmp"));
    EXPECT_FALSE(image.OpenIconFile("Z:\\no\\such\\picture.ico"));
}

TEST(KvImageTest, DrawsPlainTransparentAndScaled)
{
    CKvImage image;
    ASSERT_TRUE(image.OpenBmpID(IDB_KVTEST_DISC));
    EXPECT_EQ(24, image.GetBmpWidth());
    EXPECT_EQ(IDB_KVTEST_DISC, image.GetResourceID());

    CTestDib dib(100, 30, RGB(255, 255, 255));
    image.ShowBmp(&dib.DC(), 0, 0);
    image.ShowTransBmp(&dib.DC(), 30, 0, RGB(255, 0, 0));
    image.ScaleBmp(&dib.DC(), CRect(0, 0, 12, 12), 0);
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(23, 0));
    EXPECT_EQ(RGB(0, 160, 0), dib.Pixel(11, 18));
    // Transparent: the red corners leave the white background.
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(30, 0));
    EXPECT_EQ(RGB(0, 160, 0), dib.Pixel(30 + 12, 12));
    EXPECT_TRUE(SavePng(TestImagePath("image-draws.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));
}

TEST(KvImageTest, RegionCoversThePixelsOutsideTheKeyColour)
{
    CKvImage image;
    ASSERT_TRUE(image.OpenBmpID(IDB_KVTEST_DISC));
    // A red key: each pixel's channels are compared with their own (red against red).
    CRgn rgn;
    ASSERT_TRUE(rgn.Attach(image.GetBmpRgn(RGB(255, 0, 0))));
    EXPECT_TRUE(PtInRegion(rgn, 11, 11));
    EXPECT_TRUE(PtInRegion(rgn, 11, 4));
    EXPECT_FALSE(PtInRegion(rgn, 0, 0));
    EXPECT_FALSE(PtInRegion(rgn, 23, 23));
    // A key within 16 of the picture's red still counts as the key.
    CRgn rgnNear;
    ASSERT_TRUE(rgnNear.Attach(image.GetBmpRgn(RGB(240, 0, 0))));
    EXPECT_FALSE(PtInRegion(rgnNear, 0, 0));
}

TEST(KvImageTest, BitmapStaticPaintsTransparent)
{
    CKvTestHost host(IDD_KVTEST_CONTROLS);
    ASSERT_TRUE(host.Open());
    CKvBmpStatic picture;
    ASSERT_TRUE(picture.SubclassDlgItem(IDC_KVTEST_BMPSTATIC, &host));
    EXPECT_FALSE(picture.GetTrans());
    ASSERT_TRUE(picture.LoadBmp(IDB_KVTEST_DISC));
    picture.SetTransColor(RGB(255, 0, 0));
    picture.SetTrans(TRUE);
    host.Show();
    picture.Invalidate();
    picture.UpdateWindow();
    EXPECT_TRUE(SaveWindowPicture(host.m_hWnd, "bmp-static.png"));
}
