#include "designer/figure/ResizableDlg.h"

FX_IMPLEMENT_DYNAMIC(CResizableDlg, CKvResizDlg)
