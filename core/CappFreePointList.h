// The point list some free-object kinds append to their record: a count, then each point.
#pragma once

#include <vector>

#include "platform/base/Point.h"

class CArchive;

// A negative count, or a count the data does not hold, throws CArchiveException.
void CappSerializePoints(CArchive& ar, std::vector<CPoint>& points);
