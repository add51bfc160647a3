// The point block the triangle and the spline append to their record, which holds no geometry of
// its own: a mark, a count, then each point.
#pragma once

#include <vector>

#include "platform/base/Point.h"
#include "platform/base/String.h"

class CArchive;

// Writes the mark, the count and the points.
void CappStorePoints(CArchive& ar, const std::vector<CPoint>& points);

// Reads the block that may follow a record of that version text. A record in the bare form has
// none and loads whatever its version text: then FALSE, nothing is consumed and points stays
// empty. Our earlier saves wrote "3.1" and the count without the mark; such a block is taken when
// its count lies in nOldMin..nOldMax and its points are there, which no bare record followed by
// its list's next element or the sheet's next field can imitate. A marked block with a negative
// count, or one the data does not hold, throws CArchiveException.
BOOL CappLoadPoints(CArchive& ar, const CString& strVersion, int nOldMin, int nOldMax, std::vector<CPoint>& points);
