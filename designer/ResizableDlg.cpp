#include "designer/ResizableDlg.h"

FX_IMPLEMENT_DYNAMIC(CResizableDlg, CKvResizDlg)
