#include "designer/SampleView.h"

FX_IMPLEMENT_DYNCREATE(CSampleView, CView)

CSampleView::CSampleView()
{
}

CSampleView::~CSampleView()
{
}

void CSampleView::OnDraw(CDC*)
{
}
