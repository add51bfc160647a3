// Printer settings as the print dialogs hold them, a DEVMODE and a DEVNAMES global memory block:
// built for a printer, kept in a print-setting file (".pst"), made the application's printer.
// Handles are movable global memory the caller owns.
#pragma once

#include <windows.h>

#include "core/VornCardExport.h"
#include "platform/base/Size.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"

class CFile;

class VORNCARD_API CPrinterDeviceHelper
{
public:
    CPrinterDeviceHelper() = delete;

    // A block larger than this is never a printer setting.
    enum { maxBlockSize = 65535 };

    static bool CreatePrinter(HANDLE& hDevMode, HANDLE& hDevNames, const CString& strPrinter);
    static bool CreatePrinter(HANDLE& hDevMode, HANDLE& hDevNames, const CString& strDevice, const CString& strOutput,
                              const CString& strDriver);
    static void DeletePrinter(HANDLE& hDevMode, HANDLE& hDevNames);
    // Written beside the path and moved over it only when complete.
    static bool RepeatPrinterIntoFile(HANDLE hDevMode, HANDLE hDevNames, const CString& strPath);
    // Refuses, before allocating, lengths beyond the limit or the file, and blocks whose own
    // sizes or name offsets point outside them. The setting is never marked the default printer.
    static bool CreatePrinterFromFile(HANDLE& hDevMode, HANDLE& hDevNames, const CString& strPath);
    // pData is new[]'d for the caller; the length is checked against the limit and the file first.
    static bool LoadBSTRFromFile(CFile& file, BYTE*& pData, DWORD& nLength);
    static bool CreateDeviceHandle(HANDLE& hBlock, const BYTE* pData, DWORD nLength);
    static bool RepeatDeviceHandleIntoFile(CFile& file, HANDLE& hBlock);
    static bool CreateDeviceModeHandle(HANDLE& hDevMode, const CString& strDevice);
    static bool CreateDeviceNameHandle(HANDLE& hDevNames, const CString& strDevice, const CString& strOutput,
                                       const CString& strDriver);

    static bool LoadDefaultSettingFromFile(const CString& strPath);
    static bool SaveDefaultSettingIntoFile(const CString& strPath);
    static bool SetDefaultPrinter(const CString& strPrinter);
    static bool GetDefaultPrinter(CString& strName);
    static bool ExtractDeviceNameFromDEVNAME(HANDLE hDevNames, CString& strName);

    static bool GetPrintersInSystem(CStringArray& arrNames);
    static bool GetPrintersInSystem(CStringArray& arrNames, CStringArray& arrPorts);
    // The last listed printer of that exact name.
    static bool LookupPrinterInSystem(const CString& strPrinter, CString& strPort);

    // nOrientation: DMORIENT_PORTRAIT (1) or DMORIENT_LANDSCAPE (2). Sizes in tenths of a mm.
    static bool SetPaperSizeByID(HANDLE& hDevMode, int nPaper, int nOrientation);
    static bool SetPaperSizeCust(HANDLE& hDevMode, CSize size, int nOrientation);

    // TRUE when the block is a whole DEVMODE (its own sizes inside the block) or a DEVNAMES
    // whose three names lie inside it.
    static bool IsValidDevMode(const BYTE* pData, DWORD nLength);
    static bool IsValidDevNames(const BYTE* pData, DWORD nLength);

private:
    static bool SetPaper(HANDLE& hDevMode, int nPaper, int nLength, int nWidth, int nOrientation);
};
