#include "framework/FwControlBarMDIChildWnd.h"

FX_IMPLEMENT_DYNCREATE(FwControlBarMDIChildWnd, FwMDIChildWnd)
