#include "core/CappCompoundFileFun.h"

#include <windows.h>

#include <cstdarg>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/FxHandle.h"

namespace
{
const DWORD kMaxRegSect = 0xFFFFFFFA;
const DWORD kEndOfChain = 0xFFFFFFFE;
const DWORD kNoStream = 0xFFFFFFFF;
const DWORD kHeaderFatSlots = 109;
const DWORD kEntrySize = 128;
const DWORD kMiniShift = 6;
const DWORD kMiniCutoff = 4096;
const BYTE kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

enum {
    typeStorage = 1,
    typeStream = 2,
    typeRoot = 5,
};

DWORD Dword(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

WORD Word(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

ULONGLONG Qword(const BYTE* p)
{
    return Dword(p) | (static_cast<ULONGLONG>(Dword(p + 4)) << 32);
}

ULONGLONG CeilDiv(ULONGLONG n, ULONGLONG nUnit)
{
    return n / nUnit + (n % nUnit != 0 ? 1 : 0);
}

CString Decimal(ULONGLONG n)
{
    return CString(std::to_string(n).c_str());
}

// One pass over the file. Every sector may belong to one chain only: a chain that meets a sector
// again has a loop or crosses another chain, so no walk takes more steps than the file has sectors.
class CStgChecker
{
public:
    // The file's bytes come from hFile, or from pBytes when it is given.
    CStgChecker(HANDLE hFile, const BYTE* pBytes, ULONGLONG nFileSize)
        : m_hFile(hFile), m_pBytes(pBytes), m_nFileSize(nFileSize)
    {
    }

    BOOL Check() { return CheckHeader() && LoadFat() && LoadDirectory() && LoadMiniFat() && CheckTree(); }

    CString m_strProblem;

private:
    BOOL Fail(LPCSTR pszFormat, ...)
    {
        va_list args;
        va_start(args, pszFormat);
        m_strProblem.FormatV(pszFormat, args);
        va_end(args);
        return FALSE;
    }

    BOOL ReadAt(ULONGLONG nOffset, BYTE* pData, DWORD nCount)
    {
        if (m_pBytes != nullptr) {
            if (nOffset > m_nFileSize || nCount > m_nFileSize - nOffset) {
                return Fail("读取文件失败（位置 %s）", Decimal(nOffset).GetString());
            }
            memcpy(pData, m_pBytes + nOffset, nCount);
            return TRUE;
        }
        LARGE_INTEGER pos;
        pos.QuadPart = static_cast<LONGLONG>(nOffset);
        DWORD nRead = 0;
        if (!SetFilePointerEx(m_hFile, pos, nullptr, FILE_BEGIN) ||
            !ReadFile(m_hFile, pData, nCount, &nRead, nullptr) || nRead != nCount) {
            return Fail("读取文件失败（位置 %s）", Decimal(nOffset).GetString());
        }
        return TRUE;
    }

    BOOL ReadSector(DWORD nSect, BYTE* pData)
    {
        return ReadAt((static_cast<ULONGLONG>(nSect) + 1) * m_nSectorSize, pData, m_nSectorSize);
    }

    // Marks nSect as taken by pszWhat; FALSE when it lies outside the file or is taken already.
    BOOL Take(DWORD nSect, LPCSTR pszWhat)
    {
        if (nSect > kMaxRegSect) {
            return Fail("%s：链没有正常结束（遇到 0x%08lX）", pszWhat, static_cast<unsigned long>(nSect));
        }
        if (nSect >= m_nSectors) {
            return Fail("%s：扇区号 %lu 超出文件（文件只有 %lu 个扇区）", pszWhat, static_cast<unsigned long>(nSect),
                        static_cast<unsigned long>(m_nSectors));
        }
        if (m_used[nSect]) {
            return Fail("%s：扇区 %lu 出现两次（链有环或与另一条链交叉）", pszWhat, static_cast<unsigned long>(nSect));
        }
        m_used[nSect] = 1;
        return TRUE;
    }

    // The sectors of the FAT chain from nStart, in order.
    BOOL Chain(DWORD nStart, LPCSTR pszWhat, std::vector<DWORD>& arrChain)
    {
        arrChain.clear();
        for (DWORD nSect = nStart; nSect != kEndOfChain; nSect = m_fat[nSect]) {
            if (!Take(nSect, pszWhat)) {
                return FALSE;
            }
            arrChain.push_back(nSect);
        }
        return TRUE;
    }

    BOOL CheckHeader()
    {
        if (m_nFileSize < sizeof(m_header)) {
            return Fail("文件只有 %lu 字节，不足一个完整的文件头（512 字节）", static_cast<unsigned long>(m_nFileSize));
        }
        if (!ReadAt(0, m_header, sizeof(m_header))) {
            return FALSE;
        }
        if (memcmp(m_header, kSignature, sizeof(kSignature)) != 0) {
            return Fail("文件头的标识不对，不是复合文件");
        }
        if (Word(m_header + 0x1C) != 0xFFFE) {
            return Fail("文件头的字节序标记 0x%04X 无效", Word(m_header + 0x1C));
        }
        const WORD nVersion = Word(m_header + 0x1A);
        const WORD nShift = Word(m_header + 0x1E);
        if (nShift != 9 && nShift != 12) {
            return Fail("扇区大小无效（扇区位移 %u，只能是 9 或 12）", nShift);
        }
        if ((nVersion == 3 && nShift != 9) || (nVersion == 4 && nShift != 12) || (nVersion != 3 && nVersion != 4)) {
            return Fail("文件版本 %u 与扇区位移 %u 不符", nVersion, nShift);
        }
        if (Word(m_header + 0x20) != kMiniShift) {
            return Fail("迷你扇区大小无效（位移 %u，应为 6）", Word(m_header + 0x20));
        }
        if (Dword(m_header + 0x38) != kMiniCutoff) {
            return Fail("迷你流界限 %lu 无效（应为 4096）", static_cast<unsigned long>(Dword(m_header + 0x38)));
        }
        m_nSectorSize = 1u << nShift;
        if (m_nFileSize < 2ull * m_nSectorSize) {
            return Fail("文件只有 %lu 字节，容不下文件头之后的任何扇区", static_cast<unsigned long>(m_nFileSize));
        }
        const ULONGLONG nSectors = m_nFileSize / m_nSectorSize - 1;
        m_nSectors = static_cast<DWORD>(nSectors < kMaxRegSect ? nSectors : kMaxRegSect);
        m_used.assign(m_nSectors, 0);
        return TRUE;
    }

    // The FAT sectors from the header and the DIFAT chain, then the FAT entries of the sectors the
    // file holds; entries beyond the file are never needed.
    BOOL LoadFat()
    {
        const DWORD nFat = Dword(m_header + 0x2C);
        const DWORD nDifat = Dword(m_header + 0x48);
        if (nFat == 0 || nFat > m_nSectors) {
            return Fail("FAT 扇区数 %lu 无效（文件只有 %lu 个扇区）", static_cast<unsigned long>(nFat),
                        static_cast<unsigned long>(m_nSectors));
        }
        const DWORD nPerSector = m_nSectorSize / 4;
        // Structured storage walks as many DIFAT sectors as the header says, however few it needs.
        const ULONGLONG nDifatNeeded = nFat > kHeaderFatSlots ? CeilDiv(nFat - kHeaderFatSlots, nPerSector - 1) : 0;
        if (nDifat != nDifatNeeded) {
            return Fail("DIFAT 扇区数 %lu 不对（%lu 个 FAT 扇区需要 %lu 个）", static_cast<unsigned long>(nDifat),
                        static_cast<unsigned long>(nFat), static_cast<unsigned long>(nDifatNeeded));
        }
        std::vector<DWORD> arrFat;
        for (DWORD i = 0; i < nFat && i < kHeaderFatSlots; ++i) {
            arrFat.push_back(Dword(m_header + 0x4C + 4 * i));
        }
        std::vector<BYTE> sector(m_nSectorSize);
        DWORD nSect = Dword(m_header + 0x44);
        for (DWORD n = 0; n < nDifat && arrFat.size() < nFat; ++n) {
            if (!Take(nSect, "DIFAT") || !ReadSector(nSect, sector.data())) {
                return FALSE;
            }
            for (DWORD i = 0; i + 1 < nPerSector && arrFat.size() < nFat; ++i) {
                arrFat.push_back(Dword(sector.data() + 4 * i));
            }
            nSect = Dword(sector.data() + 4 * (nPerSector - 1));
        }
        if (arrFat.size() < nFat) {
            return Fail("DIFAT 只列出 %lu 个 FAT 扇区，文件头记为 %lu 个", static_cast<unsigned long>(arrFat.size()),
                        static_cast<unsigned long>(nFat));
        }
        m_fat.assign(m_nSectors, kNoStream);
        for (DWORD i = 0; i < nFat; ++i) {
            if (!Take(arrFat[i], "FAT")) {
                return FALSE;
            }
            const ULONGLONG nFirst = static_cast<ULONGLONG>(i) * nPerSector;
            if (nFirst >= m_nSectors) {
                continue;
            }
            if (!ReadSector(arrFat[i], sector.data())) {
                return FALSE;
            }
            for (DWORD j = 0; j < nPerSector && nFirst + j < m_nSectors; ++j) {
                m_fat[static_cast<size_t>(nFirst + j)] = Dword(sector.data() + 4 * j);
            }
        }
        return TRUE;
    }

    BOOL LoadDirectory()
    {
        std::vector<DWORD> arrChain;
        if (!Chain(Dword(m_header + 0x30), "目录", arrChain)) {
            return FALSE;
        }
        if (arrChain.empty()) {
            return Fail("目录是空的，没有根目录项");
        }
        m_dir.resize(arrChain.size() * m_nSectorSize);
        for (size_t i = 0; i < arrChain.size(); ++i) {
            if (!ReadSector(arrChain[i], m_dir.data() + i * m_nSectorSize)) {
                return FALSE;
            }
        }
        m_nEntries = static_cast<DWORD>(m_dir.size() / kEntrySize);
        const BYTE* pRoot = m_dir.data();
        if (pRoot[0x42] != typeRoot) {
            return Fail("第一个目录项不是根目录（类型 %u）", pRoot[0x42]);
        }
        // The root's stream is the mini stream: the small streams' sectors.
        const ULONGLONG nMiniSize = EntrySize(pRoot);
        if (nMiniSize > 0) {
            std::vector<DWORD> arrMini;
            if (!Chain(Dword(pRoot + 0x74), "迷你流", arrMini)) {
                return FALSE;
            }
            if (arrMini.size() < CeilDiv(nMiniSize, m_nSectorSize)) {
                return Fail("迷你流长 %s 字节，链只有 %lu 个扇区", Decimal(nMiniSize).GetString(),
                            static_cast<unsigned long>(arrMini.size()));
            }
        }
        m_nMiniSectors = CeilDiv(nMiniSize, 1u << kMiniShift);
        return TRUE;
    }

    BOOL LoadMiniFat()
    {
        const DWORD nCount = Dword(m_header + 0x40);
        if (nCount > m_nSectors) {
            return Fail("迷你 FAT 扇区数 %lu 超出文件（文件只有 %lu 个扇区）", static_cast<unsigned long>(nCount),
                        static_cast<unsigned long>(m_nSectors));
        }
        std::vector<DWORD> arrChain;
        if (!Chain(Dword(m_header + 0x3C), "迷你 FAT", arrChain)) {
            return FALSE;
        }
        if (arrChain.size() < nCount) {
            return Fail("迷你 FAT 链只有 %lu 个扇区，文件头记为 %lu 个", static_cast<unsigned long>(arrChain.size()),
                        static_cast<unsigned long>(nCount));
        }
        std::vector<BYTE> sector(m_nSectorSize);
        for (DWORD nSect : arrChain) {
            if (!ReadSector(nSect, sector.data())) {
                return FALSE;
            }
            for (DWORD j = 0; j < m_nSectorSize / 4; ++j) {
                m_miniFat.push_back(Dword(sector.data() + 4 * j));
            }
        }
        const ULONGLONG nUsable = m_miniFat.size() < m_nMiniSectors ? m_miniFat.size() : m_nMiniSectors;
        m_miniUsed.assign(static_cast<size_t>(nUsable), 0);
        return TRUE;
    }

    ULONGLONG EntrySize(const BYTE* pEntry) const
    {
        // Version 3 files may leave the high half of a size undefined.
        return m_nSectorSize == 512 ? Dword(pEntry + 0x78) : Qword(pEntry + 0x78);
    }

    BOOL CheckStream(DWORD nEntry, const BYTE* pEntry)
    {
        const ULONGLONG nSize = EntrySize(pEntry);
        const DWORD nStart = Dword(pEntry + 0x74);
        CString strWhat;
        strWhat.Format("流（目录项 %lu）", static_cast<unsigned long>(nEntry));
        if (nSize == 0) {
            return TRUE;
        }
        if (nSize >= kMiniCutoff) {
            std::vector<DWORD> arrChain;
            if (!Chain(nStart, strWhat, arrChain)) {
                return FALSE;
            }
            if (arrChain.size() < CeilDiv(nSize, m_nSectorSize)) {
                return Fail("%s 长 %s 字节，链只有 %lu 个扇区", strWhat.GetString(), Decimal(nSize).GetString(),
                            static_cast<unsigned long>(arrChain.size()));
            }
            return TRUE;
        }
        ULONGLONG nCount = 0;
        for (DWORD nSect = nStart; nSect != kEndOfChain; nSect = m_miniFat[nSect]) {
            if (nSect >= m_miniUsed.size()) {
                return Fail("%s：迷你扇区号 %lu 超出迷你流（共 %lu 个迷你扇区）", strWhat.GetString(),
                            static_cast<unsigned long>(nSect), static_cast<unsigned long>(m_miniUsed.size()));
            }
            if (m_miniUsed[nSect]) {
                return Fail("%s：迷你扇区 %lu 出现两次（链有环或与另一条链交叉）", strWhat.GetString(),
                            static_cast<unsigned long>(nSect));
            }
            m_miniUsed[nSect] = 1;
            ++nCount;
        }
        if (nCount < CeilDiv(nSize, 1u << kMiniShift)) {
            return Fail("%s 长 %s 字节，迷你链只有 %s 个迷你扇区", strWhat.GetString(), Decimal(nSize).GetString(),
                        Decimal(nCount).GetString());
        }
        return TRUE;
    }

    // Every entry reached from the root once: a loop in the sibling or child links would make
    // an enumeration run for ever.
    BOOL CheckTree()
    {
        std::vector<BYTE> seen(m_nEntries, 0);
        seen[0] = 1;
        std::vector<std::pair<DWORD, DWORD>> stack; // entry, the entry that links to it
        stack.emplace_back(Dword(m_dir.data() + 0x4C), 0);
        while (!stack.empty()) {
            const DWORD nEntry = stack.back().first;
            const DWORD nFrom = stack.back().second;
            stack.pop_back();
            if (nEntry == kNoStream) {
                continue;
            }
            if (nEntry >= m_nEntries) {
                return Fail("目录项 %lu 指向不存在的目录项 %lu（共 %lu 项）", static_cast<unsigned long>(nFrom),
                            static_cast<unsigned long>(nEntry), static_cast<unsigned long>(m_nEntries));
            }
            if (seen[nEntry]) {
                return Fail("目录树有环：目录项 %lu 被引用两次", static_cast<unsigned long>(nEntry));
            }
            seen[nEntry] = 1;
            const BYTE* pEntry = m_dir.data() + static_cast<size_t>(nEntry) * kEntrySize;
            const WORD nNameBytes = Word(pEntry + 0x40);
            if (nNameBytes < 2 || nNameBytes > 64 || nNameBytes % 2 != 0) {
                return Fail("目录项 %lu 的名称长度 %u 无效", static_cast<unsigned long>(nEntry), nNameBytes);
            }
            const BYTE nType = pEntry[0x42];
            if (nType == typeStream) {
                if (!CheckStream(nEntry, pEntry)) {
                    return FALSE;
                }
            } else if (nType == typeStorage) {
                stack.emplace_back(Dword(pEntry + 0x4C), nEntry);
            } else {
                return Fail("目录项 %lu 的类型 %u 无效", static_cast<unsigned long>(nEntry), nType);
            }
            stack.emplace_back(Dword(pEntry + 0x44), nEntry);
            stack.emplace_back(Dword(pEntry + 0x48), nEntry);
        }
        return TRUE;
    }

    HANDLE m_hFile;
    const BYTE* m_pBytes;
    ULONGLONG m_nFileSize;
    BYTE m_header[512] = {};
    DWORD m_nSectorSize = 0;
    DWORD m_nSectors = 0;
    std::vector<BYTE> m_used;
    std::vector<DWORD> m_fat;
    std::vector<BYTE> m_dir;
    DWORD m_nEntries = 0;
    ULONGLONG m_nMiniSectors = 0;
    std::vector<DWORD> m_miniFat;
    std::vector<BYTE> m_miniUsed;
};
} // namespace

BOOL CCappCompoundFileFun::CheckFile(const CString& strPath, CString& strProblem)
{
    strProblem.Empty();
    CFxHandle file(CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size = {};
    if (!file.IsValid() || !GetFileSizeEx(file, &size)) {
        strProblem.Format("无法读取文件（错误 %lu）", static_cast<unsigned long>(GetLastError()));
        return FALSE;
    }
    CStgChecker checker(file, nullptr, static_cast<ULONGLONG>(size.QuadPart));
    if (!checker.Check()) {
        strProblem = checker.m_strProblem;
        return FALSE;
    }
    return TRUE;
}

BOOL CCappCompoundFileFun::CheckBytes(const BYTE* pBytes, size_t nSize, CString& strProblem)
{
    strProblem.Empty();
    static const BYTE empty = 0;
    CStgChecker checker(nullptr, pBytes != nullptr ? pBytes : &empty, pBytes != nullptr ? nSize : 0);
    if (!checker.Check()) {
        strProblem = checker.m_strProblem;
        return FALSE;
    }
    return TRUE;
}
