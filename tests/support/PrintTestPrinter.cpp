#include "tests/support/PrintTestPrinter.h"

#include <winspool.h>

#include <fstream>
#include <sstream>

#include "platform/base/FxHandle.h"
#include "platform/frame/WinApp.h"

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
    // Wine starts a Linux program given by its Unix path; the paths it gets are Unix paths too.
    char szPs[MAX_PATH] = {};
    char szPng[MAX_PATH] = {};
    typedef char* (*WineGetUnixFileName)(LPCWSTR);
    HMODULE hKernel = ::GetModuleHandleA("kernel32.dll");
    auto pfnUnix = reinterpret_cast<WineGetUnixFileName>(
        reinterpret_cast<void*>(::GetProcAddress(hKernel, "wine_get_unix_file_name")));
    if (pfnUnix == nullptr) {
        return FALSE;
    }
    WCHAR wszPath[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, pszPsPath, -1, wszPath, MAX_PATH);
    char* pszUnix = pfnUnix(wszPath);
    if (pszUnix == nullptr) {
        return FALSE;
    }
    lstrcpynA(szPs, pszUnix, MAX_PATH);
    ::HeapFree(::GetProcessHeap(), 0, pszUnix);
    ::MultiByteToWideChar(CP_ACP, 0, pszPngPattern, -1, wszPath, MAX_PATH);
    pszUnix = pfnUnix(wszPath);
    if (pszUnix == nullptr) {
        return FALSE;
    }
    lstrcpynA(szPng, pszUnix, MAX_PATH);
    ::HeapFree(::GetProcessHeap(), 0, pszUnix);

    CString strCmd;
    strCmd.Format("/usr/bin/gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=png16m -r50 -sOutputFile=%s %s", szPng, szPs);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, const_cast<LPSTR>(static_cast<LPCSTR>(strCmd)), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &si, &pi)) {
        return FALSE;
    }
    CFxHandle process(pi.hProcess);
    CFxHandle thread(pi.hThread);
    ::WaitForSingleObject(process, 60000);
    DWORD dwExit = 1;
    ::GetExitCodeProcess(process, &dwExit);
    return dwExit == 0;
}
