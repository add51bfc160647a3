#include "tests/work/CardViewTestHost.h"

FX_BEGIN_MESSAGE_MAP(CCardViewTestFrame, CFrameWnd)
FX_ON_MESSAGE(CCappCardView::msgPageChanged, OnPageChanged)
FX_ON_MESSAGE(CCappCardView::msgSelChanged, OnSelChanged)
FX_ON_MESSAGE(CCappCardView::msgVarChanged, OnVarChanged)
FX_END_MESSAGE_MAP()
