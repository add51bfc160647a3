// The opaque iterator of the framework's lists and maps.
#pragma once

struct FxPosition;
using POSITION = FxPosition*;

#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(-1))
