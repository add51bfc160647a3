// A point in symbol units.
#pragma once

struct CDoublePoint
{
    double x = 0.0;
    double y = 0.0;
};
