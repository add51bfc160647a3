// Printer settings: the DEVNAMES block we build, ".pst" files written and read back, damaged
// files refused, the system's printers listed and the application's printer chosen.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <fstream>
#include <string>

#include "core/PrinterDeviceHelper.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/frame/WinApp.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/support/TempFolder.h"

namespace
{
std::string ReadBytes(const CString& strPath)
{
    std::ifstream in(static_cast<LPCSTR>(strPath), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const CString& strPath, const std::string& bytes)
{
    std::ofstream out(static_cast<LPCSTR>(strPath), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string BlockBytes(HANDLE hBlock)
{
    const SIZE_T nSize = GlobalSize(hBlock);
    CFxGlobalLock lock(hBlock);
    return std::string(lock.GetAs<const char>(), nSize);
}

std::string LengthBytes(DWORD n)
{
    return std::string{static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
                       static_cast<char>(n >> 24)};
}

// A small but whole DEVMODE: its own size covers the fields up to the paper width.
std::string SmallDevMode(WORD nSize, WORD nExtra)
{
    DEVMODEA dm = {};
    lstrcpyA(reinterpret_cast<char*>(dm.dmDeviceName), "P");
    dm.dmSize = nSize;
    dm.dmDriverExtra = nExtra;
    dm.dmFields = DM_ORIENTATION;
    dm.dmOrientation = DMORIENT_PORTRAIT;
    return std::string(reinterpret_cast<const char*>(&dm), sizeof(dm)) + std::string(nExtra, '\x7');
}

std::string DevNames(WORD nDriver, WORD nDevice, WORD nOutput, const std::string& names)
{
    std::string bytes = {static_cast<char>(nDriver),
                         static_cast<char>(nDriver >> 8),
                         static_cast<char>(nDevice),
                         static_cast<char>(nDevice >> 8),
                         static_cast<char>(nOutput),
                         static_cast<char>(nOutput >> 8),
                         1,
                         0};
    return bytes + names;
}
} // namespace

TEST(PrinterDeviceHelperTest, DeviceNamesBlockLayout)
{
    HANDLE hNames = nullptr;
    ASSERT_TRUE(CPrinterDeviceHelper::CreateDeviceNameHandle(hNames, "打印机", "FILE:", "winspool"));
    EXPECT_EQ(DevNames(8, 17, 24, std::string("winspool\0打印机\0FILE:\0", 22)).replace(6, 1, 1, '\0'),
              BlockBytes(hNames));
    CString strName;
    EXPECT_TRUE(CPrinterDeviceHelper::ExtractDeviceNameFromDEVNAME(hNames, strName));
    EXPECT_STREQ("打印机", strName.GetString());
    HANDLE hMode = INVALID_HANDLE_VALUE;
    CPrinterDeviceHelper::DeletePrinter(hMode, hNames);
    EXPECT_EQ(nullptr, hNames);
    EXPECT_EQ(nullptr, hMode);
}

TEST(PrinterDeviceHelperTest, PrintersListedAndTheApplicationPrinterSelected)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << strError.GetString();
    CStringArray arrNames;
    CStringArray arrPorts;
    ASSERT_TRUE(CPrinterDeviceHelper::GetPrintersInSystem(arrNames, arrPorts));
    int nFound = -1;
    for (int i = 0; i < arrNames.GetSize(); ++i) {
        if (arrNames[i] == FX_TEST_PRINTER) {
            nFound = i;
        }
    }
    ASSERT_GE(nFound, 0);
    EXPECT_STREQ("FILE:", arrPorts[nFound].GetString());
    CString strPort;
    EXPECT_TRUE(CPrinterDeviceHelper::LookupPrinterInSystem(FX_TEST_PRINTER, strPort));
    EXPECT_STREQ("FILE:", strPort.GetString());
    EXPECT_FALSE(CPrinterDeviceHelper::LookupPrinterInSystem("vorn test ps", strPort));

    CString strName;
    EXPECT_FALSE(CPrinterDeviceHelper::SetDefaultPrinter(FX_TEST_PRINTER)); // no application yet
    CWinApp app("PrinterDeviceHelperTest");
    EXPECT_FALSE(CPrinterDeviceHelper::SetDefaultPrinter("无此打印机"));
    ASSERT_TRUE(CPrinterDeviceHelper::SetDefaultPrinter(FX_TEST_PRINTER));
    ASSERT_TRUE(CPrinterDeviceHelper::GetDefaultPrinter(strName));
    EXPECT_STREQ(FX_TEST_PRINTER, strName.GetString());
    EXPECT_TRUE(CPrinterDeviceHelper::ExtractDeviceNameFromDEVNAME(app.m_hDevNames, strName));
    CFxGlobalLock lock(app.m_hDevMode);
    const DEVMODEA* pMode = lock.GetAs<const DEVMODEA>();
    ASSERT_NE(nullptr, pMode);
    EXPECT_STREQ(FX_TEST_PRINTER, reinterpret_cast<const char*>(pMode->dmDeviceName));
}

TEST(PrinterDeviceHelperTest, SettingFileRoundTrip)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << strError.GetString();
    CTestTempFolder folder;
    HANDLE hMode = nullptr;
    HANDLE hNames = nullptr;
    ASSERT_TRUE(CPrinterDeviceHelper::CreatePrinter(hMode, hNames, FX_TEST_PRINTER));
    ASSERT_TRUE(CPrinterDeviceHelper::SetPaperSizeCust(hMode, CSize(2970, 2100), DMORIENT_LANDSCAPE));
    // Saved from the default printer: loading must not make it the default.
    CFxGlobalLock(hNames).GetAs<DEVNAMES>()->wDefault = DN_DEFAULTPRN;
    const std::string mode = BlockBytes(hMode);
    const std::string names = BlockBytes(hNames);

    const CString strPst = folder.PathOf("卡片.pst");
    WriteBytes(strPst, "old");
    ASSERT_TRUE(CPrinterDeviceHelper::RepeatPrinterIntoFile(hMode, hNames, strPst));
    EXPECT_EQ(LengthBytes(static_cast<DWORD>(mode.size())) + mode + LengthBytes(static_cast<DWORD>(names.size())) +
                  names,
              ReadBytes(strPst));

    HANDLE hMode2 = nullptr;
    HANDLE hNames2 = nullptr;
    ASSERT_TRUE(CPrinterDeviceHelper::CreatePrinterFromFile(hMode2, hNames2, strPst));
    EXPECT_EQ(mode, BlockBytes(hMode2));
    std::string expectedNames = names;
    expectedNames[6] = 0;
    EXPECT_EQ(expectedNames, BlockBytes(hNames2));
    {
        CFxGlobalLock lock(hMode2);
        const DEVMODEA* pMode = lock.GetAs<const DEVMODEA>();
        EXPECT_EQ(DMORIENT_LANDSCAPE, pMode->dmOrientation);
        EXPECT_EQ(2970, pMode->dmPaperLength);
        EXPECT_EQ(2100, pMode->dmPaperWidth);
        EXPECT_EQ(0, pMode->dmPaperSize);
        EXPECT_EQ(static_cast<DWORD>(DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH),
                  pMode->dmFields & (DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH));
    }

    // The application's printer through a setting file, both ways.
    {
        CWinApp app("PrinterDeviceHelperTest");
        ASSERT_TRUE(CPrinterDeviceHelper::LoadDefaultSettingFromFile(strPst));
        EXPECT_EQ(mode, BlockBytes(app.m_hDevMode));
        const CString strSaved = folder.PathOf("saved.pst");
        ASSERT_TRUE(CPrinterDeviceHelper::SaveDefaultSettingIntoFile(strSaved));
        EXPECT_EQ(LengthBytes(static_cast<DWORD>(mode.size())) + mode +
                      LengthBytes(static_cast<DWORD>(expectedNames.size())) + expectedNames,
                  ReadBytes(strSaved));
        EXPECT_FALSE(CPrinterDeviceHelper::LoadDefaultSettingFromFile(folder.PathOf("missing.pst")));
    }
    CPrinterDeviceHelper::DeletePrinter(hMode, hNames);
    CPrinterDeviceHelper::DeletePrinter(hMode2, hNames2);
}

TEST(PrinterDeviceHelperTest, DamagedSettingFilesAreRefused)
{
    const std::string mode = SmallDevMode(sizeof(DEVMODEA), 4);
    const std::string names = DevNames(8, 17, 19, std::string("winspool\0P\0FILE:\0", 17));
    const std::string good =
        LengthBytes(static_cast<DWORD>(mode.size())) + mode + LengthBytes(static_cast<DWORD>(names.size())) + names;
    struct Case
    {
        const char* szName;
        std::string bytes;
        bool bLoads;
    };
    const Case cases[] = {
        {"whole", good, true},
        {"empty", "", false},
        {"shorter than a length", "\x10\0", false},
        {"first length beyond the file", LengthBytes(5000) + mode, false},
        {"length above 65535", LengthBytes(70000) + std::string(70000, '\0'), false},
        {"zero length", LengthBytes(0) + good, false},
        {"second block missing", LengthBytes(static_cast<DWORD>(mode.size())) + mode, false},
        {"second block cut", good.substr(0, good.size() - 3), false},
        {"mode's own size beyond its block",
         LengthBytes(static_cast<DWORD>(mode.size())) + SmallDevMode(sizeof(DEVMODEA), 200).substr(0, mode.size()) +
             LengthBytes(static_cast<DWORD>(names.size())) + names,
         false},
        {"mode too small to be one",
         LengthBytes(8) + mode.substr(0, 8) + LengthBytes(static_cast<DWORD>(names.size())) + names, false},
        {"name offset beyond the block",
         LengthBytes(static_cast<DWORD>(mode.size())) + mode + LengthBytes(static_cast<DWORD>(names.size())) +
             DevNames(8, 400, 19, std::string("winspool\0P\0FILE:\0", 17)),
         false},
        {"offset into the header",
         LengthBytes(static_cast<DWORD>(mode.size())) + mode + LengthBytes(static_cast<DWORD>(names.size())) +
             DevNames(2, 17, 19, std::string("winspool\0P\0FILE:\0", 17)),
         false},
        {"last name without its zero",
         LengthBytes(static_cast<DWORD>(mode.size())) + mode + LengthBytes(16) +
             DevNames(8, 10, 12, std::string("w\0P\0FILE", 8)),
         false},
    };
    CTestTempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const CString strPath = folder.PathOf("x.pst");
        WriteBytes(strPath, c.bytes);
        HANDLE hMode = nullptr;
        HANDLE hNames = nullptr;
        EXPECT_EQ(c.bLoads, CPrinterDeviceHelper::CreatePrinterFromFile(hMode, hNames, strPath));
        EXPECT_EQ(c.bLoads, hMode != nullptr);
        EXPECT_EQ(c.bLoads, hNames != nullptr);
        if (c.bLoads) {
            EXPECT_EQ(mode, BlockBytes(hMode));
            CString strName;
            EXPECT_TRUE(CPrinterDeviceHelper::ExtractDeviceNameFromDEVNAME(hNames, strName));
            EXPECT_STREQ("P", strName.GetString());
        }
        CPrinterDeviceHelper::DeletePrinter(hMode, hNames);
    }
    HANDLE hMode = nullptr;
    HANDLE hNames = nullptr;
    EXPECT_FALSE(CPrinterDeviceHelper::CreatePrinterFromFile(hMode, hNames, folder.PathOf("missing.pst")));

    HANDLE hBlock = nullptr;
    const BYTE byte = 1;
    EXPECT_FALSE(CPrinterDeviceHelper::CreateDeviceHandle(hBlock, nullptr, 4));
    EXPECT_FALSE(CPrinterDeviceHelper::CreateDeviceHandle(hBlock, &byte, 0));
    EXPECT_FALSE(CPrinterDeviceHelper::CreateDeviceHandle(hBlock, &byte, 65536));
    EXPECT_EQ(nullptr, hBlock);
}

TEST(PrinterDeviceHelperTest, PaperSizes)
{
    const std::string mode = SmallDevMode(sizeof(DEVMODEA), 0);
    HANDLE hMode = nullptr;
    EXPECT_FALSE(CPrinterDeviceHelper::SetPaperSizeByID(hMode, DMPAPER_A4, DMORIENT_PORTRAIT));
    ASSERT_TRUE(CPrinterDeviceHelper::CreateDeviceHandle(hMode, reinterpret_cast<const BYTE*>(mode.data()),
                                                         static_cast<DWORD>(mode.size())));
    EXPECT_FALSE(CPrinterDeviceHelper::SetPaperSizeByID(hMode, 0, DMORIENT_PORTRAIT));
    EXPECT_FALSE(CPrinterDeviceHelper::SetPaperSizeCust(hMode, CSize(0, 2100), DMORIENT_PORTRAIT));
    ASSERT_TRUE(CPrinterDeviceHelper::SetPaperSizeByID(hMode, DMPAPER_A3, DMORIENT_LANDSCAPE));
    CFxGlobalMem mem(static_cast<HGLOBAL>(hMode));
    CFxGlobalLock lock(mem);
    const DEVMODEA* pMode = lock.GetAs<const DEVMODEA>();
    EXPECT_EQ(DMPAPER_A3, pMode->dmPaperSize);
    EXPECT_EQ(DMORIENT_LANDSCAPE, pMode->dmOrientation);
}
