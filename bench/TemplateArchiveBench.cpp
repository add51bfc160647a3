// Time to load a card template file of about 2,000 cells, 4,000 lines and 50 free objects and
// save it to a new file, against copying the same file through the same file classes.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "bench/BenchSheet.h"
#include "core/CappFreeCircle.h"
#include "core/CappFreeLineArrow.h"
#include "core/CappFreeRect.h"
#include "core/CappFreeSpline.h"
#include "core/CappFreeTriangle.h"
#include "core/CappSheet.h"
#include "platform/base/Archive.h"
#include "platform/base/File.h"

namespace
{

constexpr int kLines = 4000;
constexpr int kCells = 2000;
constexpr int kFreeObjs = 50;
constexpr int kArchiveBuffer = 4096;

void BuildSheet(CCappSheet& sheet)
{
    BuildBenchSheet(sheet, kLines, kCells);
    for (int i = 0; i < kFreeObjs; ++i) {
        const CRect rc(100 + i * 30, 200, 300 + i * 30, 400);
        switch (i % 5) {
        case 0: {
            auto* pRect = new CCappFreeRect;
            pRect->SetBoxRect(rc);
            pRect->m_strText = "技术要求";
            sheet.m_listFreeObj.AddTail(pRect);
            break;
        }
        case 1: {
            auto* pCircle = new CCappFreeCircle;
            pCircle->SetBoxRect(rc);
            sheet.m_listFreeObj.AddTail(pCircle);
            break;
        }
        case 2: {
            auto* pTriangle = new CCappFreeTriangle;
            pTriangle->SetBoxRect(rc);
            sheet.m_listFreeObj.AddTail(pTriangle);
            break;
        }
        case 3: {
            auto* pArrow = new CCappFreeLineArrow;
            pArrow->MoveHandleTo(1, rc.TopLeft());
            pArrow->MoveHandleTo(2, rc.BottomRight());
            sheet.m_listFreeObj.AddTail(pArrow);
            break;
        }
        default: {
            auto* pSpline = new CCappFreeSpline;
            for (int n = 0; n < 8; ++n) {
                pSpline->AddPoint(CPoint(rc.left + n * 25, rc.top + (n % 2) * 100));
            }
            sheet.m_listFreeObj.AddTail(pSpline);
            break;
        }
        }
    }
}

void SaveSheet(CCappSheet& sheet, const char* pszPath)
{
    CFile file(pszPath, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store, kArchiveBuffer);
    sheet.Serialize(ar);
    ar.Close();
    file.Close();
}

void LoadSheet(CCappSheet& sheet, const char* pszPath)
{
    CFile file(pszPath, CFile::modeRead);
    CArchive ar(&file, CArchive::load, kArchiveBuffer);
    sheet.Serialize(ar);
    ar.Close();
    file.Close();
}

// The same bytes through the same file class, in blocks of the archive's buffer size.
void CopyThrough(const char* pszFrom, const char* pszTo)
{
    CFile from(pszFrom, CFile::modeRead);
    CFile to(pszTo, CFile::modeCreate | CFile::modeWrite);
    std::vector<BYTE> buffer(static_cast<size_t>(kArchiveBuffer));
    for (;;) {
        const UINT nRead = from.Read(buffer.data(), static_cast<UINT>(kArchiveBuffer));
        if (nRead == 0) {
            break;
        }
        to.Write(buffer.data(), nRead);
    }
    to.Close();
    from.Close();
}

} // namespace

int main()
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    const std::string strDir = std::string(szTemp);
    const std::string strSource = strDir + "vorn-bench-template.znt";
    const std::string strSaved = strDir + "vorn-bench-saved.znt";
    const std::string strCopied = strDir + "vorn-bench-copied.znt";
    {
        CCappSheet sheet;
        BuildSheet(sheet);
        SaveSheet(sheet, strSource.c_str());
    }
    {
        CFile file(strSource.c_str(), CFile::modeRead);
        std::printf("template: %d lines, %d cells, %d free objects, %.2f MB\n", kLines, kCells, kFreeObjs,
                    static_cast<double>(file.GetLength()) / (1024.0 * 1024.0));
    }

    for (int nRun = 1; nRun <= 3; ++nRun) {
        double dStart = BenchSeconds();
        {
            CCappSheet sheet;
            LoadSheet(sheet, strSource.c_str());
            SaveSheet(sheet, strSaved.c_str());
        }
        const double dArchive = BenchSeconds() - dStart;
        dStart = BenchSeconds();
        CopyThrough(strSource.c_str(), strCopied.c_str());
        const double dCopy = BenchSeconds() - dStart;
        std::printf("run %d: load and save %.4f s, file copy %.4f s, ratio %.1f\n", nRun, dArchive, dCopy,
                    dCopy > 0 ? dArchive / dCopy : 0.0);
    }
    for (const std::string& strPath : {strSource, strSaved, strCopied}) {
        ::DeleteFileA(strPath.c_str());
    }
    return 0;
}
