#include "tests/support/PrintTestPrinter.h"

#include <gtest/gtest.h>
#include <winspool.h>

#include <fstream>
#include <sstream>

#include "platform/base/FxHandle.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/frame/WinApp.h"
#include "tests/support/UnixTool.h"

namespace
{
// A4 with a quarter-inch margin at 300 dpi: the printable area is 2329 x 3358 dots.
const char kPpd[] = "*PPD-Adobe: \"4.3\"\n"
                    "*FormatVersion: \"4.3\"\n"
                    "*LanguageVersion: English\n"
                    "*LanguageEncoding: ISOLatin1\n"
                    "*ModelName: \"Vorn Test PS\"\n"
                    "*NickName: \"Vorn Test PS\"\n"
                    "*ShortNickName: \"Vorn Test PS\"\n"
                    "*PSVersion: \"(3010.000) 0\"\n"
                    "*LanguageLevel: \"3\"\n"
                    "*ColorDevice: True\n"
                    "*DefaultColorSpace: RGB\n"
                    "*TTRasterizer: Type42\n"
                    "*DefaultResolution: 300dpi\n"
                    "*OpenUI *PageSize: PickOne\n"
                    "*DefaultPageSize: A4\n"
                    "*PageSize A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n"
                    "*CloseUI: *PageSize\n"
                    "*DefaultImageableArea: A4\n"
                    "*ImageableArea A4/A4: \"18 18 577 824\"\n"
                    "*DefaultPaperDimension: A4\n"
                    "*PaperDimension A4/A4: \"595 842\"\n";

// The PostScript driver reads the PPD from the printer drivers' folder.
CString PpdPath()
{
    char szDir[MAX_PATH] = {};
    DWORD cbNeeded = 0;
    char szEnv[] = "Windows x64";
    ::GetPrinterDriverDirectoryA(nullptr, szEnv, 1, reinterpret_cast<LPBYTE>(szDir), sizeof(szDir), &cbNeeded);
    CString strPath(szDir);
    strPath += "\\3\\vorn-test-ps.ppd"; // version 3 drivers
    return strPath;
}

bool PrinterExists()
{
    HANDLE hPrinter = nullptr;
    char szName[] = FX_TEST_PRINTER;
    if (!::OpenPrinterA(szName, &hPrinter, nullptr)) {
        return false;
    }
    ::ClosePrinter(hPrinter);
    return true;
}
} // namespace

BOOL EnsureTestPrinter(CString& strError)
{
    const CString strPpd = PpdPath();
    {
        std::ofstream out(static_cast<LPCSTR>(strPpd), std::ios::binary);
        out << kPpd;
    }
    if (!PrinterExists()) {
        char szName[] = FX_TEST_PRINTER;
        char szEnv[] = "Windows x64";
        char szDriver[] = "wineps.drv";
        char szPort[] = "FILE:";
        char szProc[] = "WinPrint";
        char szType[] = "RAW";
        DRIVER_INFO_3A di = {};
        di.cVersion = 3;
        di.pName = szName;
        di.pEnvironment = szEnv;
        di.pDriverPath = szDriver;
        di.pDataFile = const_cast<LPSTR>(static_cast<LPCSTR>(strPpd));
        di.pConfigFile = szDriver;
        if (!::AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&di))) {
            strError.Format("AddPrinterDriver failed: %lu", ::GetLastError());
            return FALSE;
        }
        PRINTER_INFO_2A pi = {};
        pi.pPrinterName = szName;
        pi.pPortName = szPort;
        pi.pDriverName = szName;
        pi.pPrintProcessor = szProc;
        pi.pDatatype = szType;
        pi.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        HANDLE hPrinter = ::AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&pi));
        if (hPrinter == nullptr && ::GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
            strError.Format("AddPrinter failed: %lu", ::GetLastError());
            return FALSE;
        }
        if (hPrinter != nullptr) {
            ::ClosePrinter(hPrinter);
        }
    }
    if (!::SetDefaultPrinterA(FX_TEST_PRINTER)) {
        strError.Format("SetDefaultPrinter failed: %lu", ::GetLastError());
        return FALSE;
    }
    return TRUE;
}

BOOL SelectTestPrinter(CWinApp* pApp)
{
    return pApp != nullptr && pApp->UpdatePrinterSelection(TRUE);
}

std::string ReadWholeFile(LPCSTR pszPath)
{
    std::ifstream in(pszPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

BOOL RenderPostScript(LPCSTR pszPsPath, LPCSTR pszPngPattern)
{
    const std::string strPs = UnixPathOf(pszPsPath);
    const std::string strPng = UnixPathOf(pszPngPattern);
    if (strPs.empty() || strPng.empty()) {
        return FALSE;
    }
    const CString strPattern = pszPngPattern;
    const CString strFolder = strPattern.Left(strPattern.ReverseFind('\\'));
    // Done once the first page's picture is there; ghostscript writes the pages in order.
    CString strFirstPage;
    strFirstPage.Format(pszPngPattern, 1);
    DeleteFileA(strFirstPage);
    return RunUnixTool("gs",
                       "-q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=png16m -r50 -sOutputFile=" + UnixQuoted(strPng) + " " +
                           UnixQuoted(strPs),
                       strFolder,
                       [&]() -> BOOL { return GetFileAttributesA(strFirstPage) != INVALID_FILE_ATTRIBUTES; });
}

short DevModeOrientation(HGLOBAL hDevMode)
{
    const CFxGlobalLock lock(hDevMode);
    const auto* pMode = lock.GetAs<const DEVMODEA>();
    return pMode != nullptr ? pMode->dmOrientation : short(0);
}

std::vector<std::string> PostScriptPageOrientations(const std::string& strPs)
{
    std::vector<std::string> orientations;
    const std::string strSetup = "%%BeginPageSetup";
    for (size_t nAt = strPs.find(strSetup); nAt != std::string::npos; nAt = strPs.find(strSetup, nAt + 1)) {
        const size_t nEnd = strPs.find("%%EndPageSetup", nAt);
        const size_t nRotate = strPs.find(" rotate", nAt);
        if (nEnd == std::string::npos || nRotate == std::string::npos || nRotate > nEnd) {
            orientations.push_back("?");
            continue;
        }
        const size_t nStart = strPs.rfind('\n', nRotate) + 1;
        orientations.push_back(atoi(strPs.substr(nStart, nRotate - nStart).c_str()) == 0 ? "Portrait" : "Landscape");
    }
    return orientations;
}

TestSysDlgHandler AnswerPrintToFile(const CString& strPath)
{
    return [strPath](CTestSysDlg& d) {
        // Wine's print-to-file prompt has one edit box, the output file's name.
        HWND hEdit = ::FindWindowExA(d.GetHwnd(), nullptr, "Edit", nullptr);
        ASSERT_NE(nullptr, hEdit) << "no file name box in \"" << d.GetCaption().GetString() << "\"";
        d.SetText(::GetDlgCtrlID(hEdit), strPath);
        d.Ok();
    };
}
