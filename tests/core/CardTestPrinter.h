// The PostScript printer the card library's printer tests use: Wine's PostScript driver with a
// small A4 PPD, on the port FILE:. The same printer as the framework's printing tests.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <fstream>

#include "platform/base/String.h"

#define CARD_TEST_PRINTER "Vorn Test PS"

// Installs the driver and printer once per prefix; FALSE (with the reason) when Wine refuses.
inline BOOL EnsureCardTestPrinter(CString& strError)
{
    static const char kPpd[] = "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*LanguageVersion: English\n"
                               "*LanguageEncoding: ISOLatin1\n*ModelName: \"Vorn Test PS\"\n"
                               "*NickName: \"Vorn Test PS\"\n*ShortNickName: \"Vorn Test PS\"\n"
                               "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: True\n"
                               "*DefaultColorSpace: RGB\n*TTRasterizer: Type42\n*DefaultResolution: 300dpi\n"
                               "*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
                               "*PageSize A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n"
                               "*CloseUI: *PageSize\n*DefaultImageableArea: A4\n"
                               "*ImageableArea A4/A4: \"18 18 577 824\"\n*DefaultPaperDimension: A4\n"
                               "*PaperDimension A4/A4: \"595 842\"\n";
    char szEnv[] = "Windows x64";
    char szDir[MAX_PATH] = {};
    DWORD cbNeeded = 0;
    GetPrinterDriverDirectoryA(nullptr, szEnv, 1, reinterpret_cast<LPBYTE>(szDir), sizeof(szDir), &cbNeeded);
    const CString strPpd = CString(szDir) + "\\3\\vorn-test-ps.ppd";
    {
        std::ofstream out(static_cast<LPCSTR>(strPpd), std::ios::binary);
        out << kPpd;
    }
    char szName[] = CARD_TEST_PRINTER;
    HANDLE hPrinter = nullptr;
    if (OpenPrinterA(szName, &hPrinter, nullptr)) {
        ClosePrinter(hPrinter);
        return TRUE;
    }
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
    if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&di))) {
        strError.Format("AddPrinterDriver failed: %lu", GetLastError());
        return FALSE;
    }
    PRINTER_INFO_2A pi = {};
    pi.pPrinterName = szName;
    pi.pPortName = szPort;
    pi.pDriverName = szName;
    pi.pPrintProcessor = szProc;
    pi.pDatatype = szType;
    pi.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    hPrinter = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&pi));
    if (hPrinter == nullptr && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
        strError.Format("AddPrinter failed: %lu", GetLastError());
        return FALSE;
    }
    if (hPrinter != nullptr) {
        ClosePrinter(hPrinter);
    }
    return TRUE;
}
