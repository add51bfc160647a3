#include "core/PrinterDeviceHelper.h"

#include <commdlg.h>
#include <winspool.h>

#include <cstddef>
#include <vector>

#include "platform/base/File.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/base/FxSafeSave.h"
#include "platform/frame/WinApp.h"

namespace
{
// OpenPrinterA ... ClosePrinter as a scope.
class PrinterScope
{
public:
    explicit PrinterScope(const CString& strName) : m_hPrinter(nullptr)
    {
        if (!OpenPrinterA(const_cast<LPSTR>(strName.GetString()), &m_hPrinter, nullptr)) {
            m_hPrinter = nullptr;
        }
    }
    ~PrinterScope()
    {
        if (m_hPrinter != nullptr) {
            ClosePrinter(m_hPrinter);
        }
    }
    PrinterScope(const PrinterScope&) = delete;
    PrinterScope& operator=(const PrinterScope&) = delete;
    HANDLE Get() const { return m_hPrinter; }

private:
    HANDLE m_hPrinter;
};

void FreeBlock(HANDLE& hBlock)
{
    if (hBlock != INVALID_HANDLE_VALUE) {
        CFxGlobalMem(static_cast<HGLOBAL>(hBlock)).Free();
    }
    hBlock = nullptr;
}

// The name at a DEVNAMES offset, when it ends inside the block.
bool NameAt(const BYTE* pData, DWORD nLength, WORD nOffset, CString& strName)
{
    if (nOffset < sizeof(DEVNAMES) || nOffset >= nLength) {
        return false;
    }
    const BYTE* pEnd = static_cast<const BYTE*>(memchr(pData + nOffset, 0, nLength - nOffset));
    if (pEnd == nullptr) {
        return false;
    }
    strName = CString(reinterpret_cast<const char*>(pData + nOffset), static_cast<int>(pEnd - pData - nOffset));
    return true;
}

// The length field of a block, checked against the limit and against what the file still holds.
bool ReadBlockLength(CFile& file, DWORD& nLength)
{
    BYTE bytes[4] = {};
    if (file.Read(bytes, 4) != 4) {
        return false;
    }
    nLength = static_cast<DWORD>(bytes[0]) | (static_cast<DWORD>(bytes[1]) << 8) |
              (static_cast<DWORD>(bytes[2]) << 16) | (static_cast<DWORD>(bytes[3]) << 24);
    const ULONGLONG nLeft = file.GetLength() - file.GetPosition();
    return nLength > 0 && nLength <= CPrinterDeviceHelper::maxBlockSize && nLength <= nLeft;
}
} // namespace

bool CPrinterDeviceHelper::IsValidDevMode(const BYTE* pData, DWORD nLength)
{
    if (pData == nullptr || nLength < offsetof(DEVMODEA, dmFields) + sizeof(DWORD)) {
        return false;
    }
    DEVMODEA dm = {};
    memcpy(&dm, pData, nLength < sizeof(dm) ? nLength : sizeof(dm));
    const DWORD nOwn = static_cast<DWORD>(dm.dmSize) + dm.dmDriverExtra;
    return dm.dmSize >= offsetof(DEVMODEA, dmFields) + sizeof(DWORD) && nOwn <= nLength;
}

bool CPrinterDeviceHelper::IsValidDevNames(const BYTE* pData, DWORD nLength)
{
    if (pData == nullptr || nLength < sizeof(DEVNAMES)) {
        return false;
    }
    DEVNAMES dn = {};
    memcpy(&dn, pData, sizeof(dn));
    CString strName;
    return NameAt(pData, nLength, dn.wDriverOffset, strName) && NameAt(pData, nLength, dn.wDeviceOffset, strName) &&
           NameAt(pData, nLength, dn.wOutputOffset, strName);
}

bool CPrinterDeviceHelper::CreatePrinter(HANDLE& hDevMode, HANDLE& hDevNames, const CString& strPrinter)
{
    CString strPort;
    if (!LookupPrinterInSystem(strPrinter, strPort)) {
        return false;
    }
    return CreatePrinter(hDevMode, hDevNames, strPrinter, strPort, "winspool");
}

bool CPrinterDeviceHelper::CreatePrinter(HANDLE& hDevMode, HANDLE& hDevNames, const CString& strDevice,
                                         const CString& strOutput, const CString& strDriver)
{
    DeletePrinter(hDevMode, hDevNames);
    if (!CreateDeviceModeHandle(hDevMode, strDevice) ||
        !CreateDeviceNameHandle(hDevNames, strDevice, strOutput, strDriver)) {
        DeletePrinter(hDevMode, hDevNames);
        return false;
    }
    return true;
}

void CPrinterDeviceHelper::DeletePrinter(HANDLE& hDevMode, HANDLE& hDevNames)
{
    FreeBlock(hDevMode);
    FreeBlock(hDevNames);
}

bool CPrinterDeviceHelper::RepeatPrinterIntoFile(HANDLE hDevMode, HANDLE hDevNames, const CString& strPath)
{
    if (strPath.IsEmpty()) {
        return false;
    }
    return CFxSafeSave::Save(strPath, [&](const CString& strTemp) {
               CFile file;
               if (!file.Open(strTemp, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite)) {
                   return FALSE;
               }
               const bool bOk =
                   RepeatDeviceHandleIntoFile(file, hDevMode) && RepeatDeviceHandleIntoFile(file, hDevNames);
               file.Abort();
               return bOk ? TRUE : FALSE;
           }) != FALSE;
}

bool CPrinterDeviceHelper::CreatePrinterFromFile(HANDLE& hDevMode, HANDLE& hDevNames, const CString& strPath)
{
    DeletePrinter(hDevMode, hDevNames);
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite)) {
        return false;
    }
    bool bOk = false;
    BYTE* pMode = nullptr;
    BYTE* pNames = nullptr;
    DWORD nMode = 0;
    DWORD nNames = 0;
    try {
        bOk = LoadBSTRFromFile(file, pMode, nMode) && IsValidDevMode(pMode, nMode) &&
              LoadBSTRFromFile(file, pNames, nNames) && IsValidDevNames(pNames, nNames);
    } catch (CException* e) {
        e->Delete();
        bOk = false;
    }
    if (bOk) {
        // A setting saved from the default printer is a setting, not the default.
        reinterpret_cast<DEVNAMES*>(pNames)->wDefault &= static_cast<WORD>(~DN_DEFAULTPRN);
        bOk = CreateDeviceHandle(hDevMode, pMode, nMode) && CreateDeviceHandle(hDevNames, pNames, nNames);
    }
    delete[] pMode;
    delete[] pNames;
    file.Abort();
    if (!bOk) {
        DeletePrinter(hDevMode, hDevNames);
    }
    return bOk;
}

bool CPrinterDeviceHelper::LoadBSTRFromFile(CFile& file, BYTE*& pData, DWORD& nLength)
{
    pData = nullptr;
    nLength = 0;
    if (file.m_hFile == INVALID_HANDLE_VALUE || file.m_hFile == nullptr) {
        return false;
    }
    DWORD nWant = 0;
    if (!ReadBlockLength(file, nWant)) {
        return false;
    }
    pData = new BYTE[nWant];
    if (file.Read(pData, nWant) != nWant) {
        delete[] pData;
        pData = nullptr;
        return false;
    }
    nLength = nWant;
    return true;
}

bool CPrinterDeviceHelper::CreateDeviceHandle(HANDLE& hBlock, const BYTE* pData, DWORD nLength)
{
    if (pData == nullptr || nLength == 0 || nLength > maxBlockSize) {
        return false;
    }
    CFxGlobalMem mem;
    if (!mem.Alloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nLength)) {
        return false;
    }
    {
        CFxGlobalLock lock(mem);
        if (lock.GetData() == nullptr) {
            return false;
        }
        memcpy(lock.GetData(), pData, nLength);
    }
    hBlock = mem.Detach();
    return true;
}

bool CPrinterDeviceHelper::RepeatDeviceHandleIntoFile(CFile& file, HANDLE& hBlock)
{
    if (file.m_hFile == INVALID_HANDLE_VALUE || file.m_hFile == nullptr || hBlock == nullptr) {
        return false;
    }
    CFxGlobalLock lock(hBlock);
    const SIZE_T nSize = GlobalSize(hBlock);
    if (lock.GetData() == nullptr || nSize == 0 || nSize > maxBlockSize) {
        return false;
    }
    const DWORD nLength = static_cast<DWORD>(nSize);
    const BYTE bytes[4] = {static_cast<BYTE>(nLength), static_cast<BYTE>(nLength >> 8),
                           static_cast<BYTE>(nLength >> 16), static_cast<BYTE>(nLength >> 24)};
    try {
        file.Write(bytes, 4);
        file.Write(lock.GetData(), nLength);
        file.Flush();
    } catch (CException* e) {
        e->Delete();
        return false;
    }
    return true;
}

bool CPrinterDeviceHelper::CreateDeviceModeHandle(HANDLE& hDevMode, const CString& strDevice)
{
    PrinterScope printer(strDevice);
    if (printer.Get() == nullptr) {
        return false;
    }
    LPSTR pszDevice = const_cast<LPSTR>(strDevice.GetString());
    const LONG nSize = DocumentPropertiesA(nullptr, printer.Get(), pszDevice, nullptr, nullptr, 0);
    if (nSize <= 0) {
        return false;
    }
    CFxGlobalMem mem;
    if (!mem.Alloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(nSize))) {
        return false;
    }
    LONG nResult = -1;
    {
        CFxGlobalLock lock(mem);
        if (lock.GetData() != nullptr) {
            nResult =
                DocumentPropertiesA(nullptr, printer.Get(), pszDevice, lock.GetAs<DEVMODEA>(), nullptr, DM_OUT_BUFFER);
        }
    }
    if (nResult != IDOK) {
        return false;
    }
    hDevMode = mem.Detach();
    return true;
}

bool CPrinterDeviceHelper::CreateDeviceNameHandle(HANDLE& hDevNames, const CString& strDevice, const CString& strOutput,
                                                  const CString& strDriver)
{
    const DWORD nSize = sizeof(DEVNAMES) +
                        static_cast<DWORD>(strDriver.GetLength() + strDevice.GetLength() + strOutput.GetLength() + 3);
    if (nSize > maxBlockSize) {
        return false;
    }
    CFxGlobalMem mem;
    if (!mem.Alloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize)) {
        return false;
    }
    {
        CFxGlobalLock lock(mem);
        BYTE* pData = lock.GetAs<BYTE>();
        if (pData == nullptr) {
            return false;
        }
        DEVNAMES* pNames = reinterpret_cast<DEVNAMES*>(pData);
        WORD nOffset = sizeof(DEVNAMES);
        const CString* names[] = {&strDriver, &strDevice, &strOutput};
        WORD* offsets[] = {&pNames->wDriverOffset, &pNames->wDeviceOffset, &pNames->wOutputOffset};
        for (int i = 0; i < 3; ++i) {
            *offsets[i] = nOffset;
            memcpy(pData + nOffset, names[i]->GetString(), static_cast<size_t>(names[i]->GetLength()));
            nOffset = static_cast<WORD>(nOffset + names[i]->GetLength() + 1);
        }
        pNames->wDefault = 0;
    }
    hDevNames = mem.Detach();
    return true;
}

bool CPrinterDeviceHelper::LoadDefaultSettingFromFile(const CString& strPath)
{
    CWinApp* pApp = FxGetApp();
    HANDLE hDevMode = nullptr;
    HANDLE hDevNames = nullptr;
    if (pApp == nullptr || !CreatePrinterFromFile(hDevMode, hDevNames, strPath)) {
        return false;
    }
    pApp->SelectPrinter(hDevNames, hDevMode, TRUE);
    return true;
}

bool CPrinterDeviceHelper::SaveDefaultSettingIntoFile(const CString& strPath)
{
    CWinApp* pApp = FxGetApp();
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    if (pApp == nullptr || !pApp->GetPrinterDeviceDefaults(&pd)) {
        return false;
    }
    return RepeatPrinterIntoFile(pd.hDevMode, pd.hDevNames, strPath);
}

bool CPrinterDeviceHelper::SetDefaultPrinter(const CString& strPrinter)
{
    CWinApp* pApp = FxGetApp();
    HANDLE hDevMode = nullptr;
    HANDLE hDevNames = nullptr;
    if (pApp == nullptr || !CreatePrinter(hDevMode, hDevNames, strPrinter)) {
        return false;
    }
    pApp->SelectPrinter(hDevNames, hDevMode, TRUE);
    return true;
}

bool CPrinterDeviceHelper::GetDefaultPrinter(CString& strName)
{
    CWinApp* pApp = FxGetApp();
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    if (pApp == nullptr || !pApp->GetPrinterDeviceDefaults(&pd)) {
        return false;
    }
    return ExtractDeviceNameFromDEVNAME(pd.hDevNames, strName);
}

bool CPrinterDeviceHelper::ExtractDeviceNameFromDEVNAME(HANDLE hDevNames, CString& strName)
{
    if (hDevNames == nullptr) {
        return false;
    }
    CFxGlobalLock lock(hDevNames);
    const SIZE_T nSize = GlobalSize(hDevNames);
    if (lock.GetData() == nullptr || nSize < sizeof(DEVNAMES) || nSize > maxBlockSize) {
        return false;
    }
    const WORD nOffset = reinterpret_cast<const DEVNAMES*>(lock.GetData())->wDeviceOffset;
    CString strDevice;
    if (!NameAt(lock.GetAs<BYTE>(), static_cast<DWORD>(nSize), nOffset, strDevice) || strDevice.IsEmpty()) {
        return false;
    }
    strName = strDevice;
    return true;
}

bool CPrinterDeviceHelper::GetPrintersInSystem(CStringArray& arrNames)
{
    CStringArray arrPorts;
    return GetPrintersInSystem(arrNames, arrPorts);
}

bool CPrinterDeviceHelper::GetPrintersInSystem(CStringArray& arrNames, CStringArray& arrPorts)
{
    const DWORD dwFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD cbNeeded = 0;
    DWORD nCount = 0;
    EnumPrintersA(dwFlags, nullptr, 2, nullptr, 0, &cbNeeded, &nCount);
    if (cbNeeded == 0) {
        return nCount == 0 && GetLastError() != ERROR_INSUFFICIENT_BUFFER;
    }
    std::vector<BYTE> buffer(cbNeeded + 4, 0);
    if (!EnumPrintersA(dwFlags, nullptr, 2, buffer.data(), cbNeeded + 4, &cbNeeded, &nCount)) {
        return false;
    }
    const PRINTER_INFO_2A* pInfo = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < nCount; ++i) {
        arrNames.Add(pInfo[i].pPrinterName != nullptr ? pInfo[i].pPrinterName : "");
        arrPorts.Add(pInfo[i].pPortName != nullptr ? pInfo[i].pPortName : "");
    }
    return true;
}

bool CPrinterDeviceHelper::LookupPrinterInSystem(const CString& strPrinter, CString& strPort)
{
    CStringArray arrNames;
    CStringArray arrPorts;
    if (!GetPrintersInSystem(arrNames, arrPorts)) {
        return false;
    }
    for (int i = arrNames.GetSize() - 1; i >= 0; --i) {
        if (arrNames[i] == strPrinter) {
            strPort = arrPorts[i];
            return true;
        }
    }
    return false;
}

bool CPrinterDeviceHelper::SetPaperSizeByID(HANDLE& hDevMode, int nPaper, int nOrientation)
{
    return SetPaper(hDevMode, nPaper, 0, 0, nOrientation);
}

bool CPrinterDeviceHelper::SetPaperSizeCust(HANDLE& hDevMode, CSize size, int nOrientation)
{
    return SetPaper(hDevMode, 0, size.cx, size.cy, nOrientation);
}

bool CPrinterDeviceHelper::SetPaper(HANDLE& hDevMode, int nPaper, int nLength, int nWidth, int nOrientation)
{
    if (hDevMode == nullptr || (nPaper == 0 && (nLength < 1 || nWidth < 1))) {
        return false;
    }
    CFxGlobalLock lock(hDevMode);
    if (lock.GetData() == nullptr || GlobalSize(hDevMode) < offsetof(DEVMODEA, dmPaperWidth) + sizeof(short)) {
        return false;
    }
    DEVMODEA* pMode = lock.GetAs<DEVMODEA>();
    pMode->dmPaperSize = static_cast<short>(nPaper);
    pMode->dmPaperLength = static_cast<short>(nLength);
    pMode->dmPaperWidth = static_cast<short>(nWidth);
    pMode->dmOrientation =
        static_cast<short>(nOrientation == DMORIENT_LANDSCAPE ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
    pMode->dmFields |= DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH;
    return true;
}
