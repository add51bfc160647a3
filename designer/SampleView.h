// The script window's view. The script editor view takes its place with the script frame.
#pragma once

#include "platform/doc/View.h"

class CSampleView : public CView
{
    FX_DECLARE_DYNCREATE(CSampleView)

protected:
    CSampleView();

public:
    ~CSampleView() override;

protected:
    void OnDraw(CDC* pDC) override;
};
