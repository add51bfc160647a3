#include "platform/win/Edit.h"

FX_IMPLEMENT_DYNAMIC(CEdit, CWnd)
