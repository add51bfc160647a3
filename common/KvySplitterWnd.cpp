#include "common/KvySplitterWnd.h"

FX_IMPLEMENT_DYNAMIC(CKvySplitterWnd, CKvxSplitterWnd)

CKvySplitterWnd::CKvySplitterWnd() : CKvxSplitterWnd(TRUE)
{
}
