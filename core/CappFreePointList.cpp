#include "core/CappFreePointList.h"

#include "core/CappSizeLimit.h"
#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/File.h"

namespace
{

// "Pts" and 1: both 16-bit halves stay below 0x8000, so neither half can be a class tag, and no
// writer of the sheet or card data puts this value behind an object list.
constexpr int kPointMark = 0x01737450;
constexpr char kOldVersion[] = "3.1";

void ReadPoints(CArchive& ar, int nCount, std::vector<CPoint>& points)
{
    points.clear();
    // Grown as points arrive: a damaged count runs into the end of the data, not out of memory.
    for (int i = 0; i < nCount; ++i) {
        int x = 0;
        int y = 0;
        ar >> x >> y;
        points.push_back(CappClampPoint(CPoint(x, y)));
    }
}

} // namespace

void CappStorePoints(CArchive& ar, const std::vector<CPoint>& points)
{
    ar << kPointMark << static_cast<int>(points.size());
    for (const CPoint& pt : points) {
        ar << static_cast<int>(pt.x) << static_cast<int>(pt.y);
    }
}

BOOL CappLoadPoints(CArchive& ar, const CString& strVersion, int nOldMin, int nOldMax, std::vector<CPoint>& points)
{
    points.clear();
    // Look ahead: the archive hands its read-ahead back to the file, which then stands just
    // behind the record.
    ar.Flush();
    CFile* pFile = ar.GetFile();
    const ULONGLONG nStart = pFile->GetPosition();
    const ULONGLONG nLength = pFile->GetLength();
    int nFirst = 0;
    if (ar.Read(&nFirst, sizeof(nFirst)) == sizeof(nFirst)) {
        if (nFirst == kPointMark) {
            int nCount = 0;
            ar >> nCount;
            if (nCount < 0) {
                CArchiveException::Throw(CArchiveException::badIndex);
            }
            ReadPoints(ar, nCount, points);
            return TRUE;
        }
        const ULONGLONG nLeft = nLength - nStart - sizeof(nFirst);
        if (strVersion == kOldVersion && nFirst >= nOldMin && nFirst <= nOldMax &&
            static_cast<ULONGLONG>(nFirst) * 8 <= nLeft) {
            ReadPoints(ar, nFirst, points);
            return TRUE;
        }
    }
    ar.Flush();
    pFile->Seek(static_cast<LONGLONG>(nStart), CFile::begin);
    return FALSE;
}
