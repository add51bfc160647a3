// A document's page size as a printer's paper and orientation.
#include <gtest/gtest.h>

#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/print/PrintPageSetup.h"

TEST(PrintPageSetupTest, PageSizeGivesPaperAndOrientation)
{
    const struct
    {
        const char* pszName;
        int cx;
        int cy;
        short nOrientation;
        short nPaper;
        short nWidth;
        short nLength;
    } cases[] = {
        {"A4 portrait", 2100, 2970, DMORIENT_PORTRAIT, DMPAPER_A4, 2100, 2970},
        {"A4 landscape", 2970, 2100, DMORIENT_LANDSCAPE, DMPAPER_A4, 2100, 2970},
        {"A3 landscape within a millimetre", 4205, 2965, DMORIENT_LANDSCAPE, DMPAPER_A3, 2970, 4200},
        {"B5 portrait", 1820, 2570, DMORIENT_PORTRAIT, DMPAPER_B5, 1820, 2570},
        {"letter landscape", 2794, 2159, DMORIENT_LANDSCAPE, DMPAPER_LETTER, 2159, 2794},
        {"a square page prints portrait", 2000, 2000, DMORIENT_PORTRAIT, 0, 2000, 2000},
        {"16K landscape has its own size", 2600, 1840, DMORIENT_LANDSCAPE, 0, 1840, 2600},
        {"just over a millimetre off A4 is its own size", 2112, 2970, DMORIENT_PORTRAIT, 0, 2112, 2970},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        const CPrintPageSetup setup = CPrintPageSetup::FromPageSize(c.cx, c.cy);
        EXPECT_FALSE(setup.IsEmpty());
        EXPECT_EQ(c.nOrientation, setup.m_nOrientation);
        EXPECT_EQ(c.nPaper, setup.m_nPaperSize);
        EXPECT_EQ(c.nWidth, setup.m_nPaperWidth);
        EXPECT_EQ(c.nLength, setup.m_nPaperLength);
    }
    EXPECT_TRUE(CPrintPageSetup::FromPageSize(0, 2970).IsEmpty());
    EXPECT_TRUE(CPrintPageSetup::FromPageSize(2100, -1).IsEmpty());
}

TEST(PrintPageSetupTest, DeviceModeCopyTakesTheSetupAndLeavesTheRest)
{
    // A device mode with a driver part behind it, as printers hand them out.
    const WORD cbExtra = 16;
    CFxGlobalMem hMode;
    ASSERT_TRUE(hMode.Alloc(GHND, sizeof(DEVMODEA) + cbExtra));
    {
        const CFxGlobalLock lock(hMode);
        auto* pMode = lock.GetAs<DEVMODEA>();
        pMode->dmSize = sizeof(DEVMODEA);
        pMode->dmDriverExtra = cbExtra;
        pMode->dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_PAPERLENGTH;
        pMode->dmOrientation = DMORIENT_PORTRAIT;
        pMode->dmPaperSize = DMPAPER_LETTER;
        pMode->dmPaperLength = 1234;
        pMode->dmCopies = 3;
        reinterpret_cast<BYTE*>(pMode)[sizeof(DEVMODEA) + 5] = 0x5A;
    }

    const struct
    {
        const char* pszName;
        int cx;
        int cy;
        short nPaper;
        DWORD dwLengthField;
        short nLength;
    } cases[] = {
        {"standard paper: named, no explicit size", 2970, 2100, DMPAPER_A4, 0, 1234},
        {"own size: explicit length and width", 2600, 1840, DMPAPER_USER, DM_PAPERLENGTH, 2600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CFxGlobalMem hCopy;
        hCopy.Attach(CPrintPageSetup::FromPageSize(c.cx, c.cy).CopyDevMode(hMode));
        ASSERT_TRUE(hCopy.IsValid());
        const CFxGlobalLock lock(hCopy);
        const auto* pCopy = lock.GetAs<const DEVMODEA>();
        EXPECT_EQ(DMORIENT_LANDSCAPE, pCopy->dmOrientation);
        EXPECT_EQ(c.nPaper, pCopy->dmPaperSize);
        EXPECT_EQ(c.dwLengthField, pCopy->dmFields & DM_PAPERLENGTH);
        EXPECT_EQ(c.nLength, pCopy->dmPaperLength);
        EXPECT_EQ(3, pCopy->dmCopies);
        EXPECT_NE(0u, pCopy->dmFields & DM_COPIES);
        EXPECT_EQ(0x5A, reinterpret_cast<const BYTE*>(pCopy)[sizeof(DEVMODEA) + 5]);
    }
    // The original is untouched.
    {
        const CFxGlobalLock lock(hMode);
        auto* pMode = lock.GetAs<DEVMODEA>();
        EXPECT_EQ(DMORIENT_PORTRAIT, pMode->dmOrientation);
        EXPECT_EQ(DMPAPER_LETTER, pMode->dmPaperSize);
        // A block whose own sizes overrun it is no device mode.
        pMode->dmDriverExtra = 4000;
    }
    EXPECT_EQ(nullptr, CPrintPageSetup::FromPageSize(2970, 2100).CopyDevMode(hMode));
    EXPECT_EQ(nullptr, CPrintPageSetup::FromPageSize(2970, 2100).CopyDevMode(nullptr));
}
