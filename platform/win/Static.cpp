#include "platform/win/Static.h"

FX_IMPLEMENT_DYNAMIC(CStatic, CWnd)
