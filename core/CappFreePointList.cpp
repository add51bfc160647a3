#include "core/CappFreePointList.h"

#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"

void CappSerializePoints(CArchive& ar, std::vector<CPoint>& points)
{
    if (ar.IsStoring()) {
        ar << static_cast<int>(points.size());
        for (const CPoint& pt : points) {
            ar << static_cast<int>(pt.x) << static_cast<int>(pt.y);
        }
        return;
    }
    int nCount = 0;
    ar >> nCount;
    if (nCount < 0) {
        CArchiveException::Throw(CArchiveException::badIndex);
    }
    points.clear();
    // Grown as points arrive: a damaged count runs into the end of the data, not out of memory.
    for (int i = 0; i < nCount; ++i) {
        int x = 0;
        int y = 0;
        ar >> x >> y;
        points.emplace_back(x, y);
    }
}
