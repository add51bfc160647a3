#include "framework/FwControlBarInfoEx.h"

FX_IMPLEMENT_DYNCREATE(FwControlBarInfoEx, CObject)
