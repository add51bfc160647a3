// The report control's print preview: the framework's preview, whose print button prints every
// page of the card through the control.
#pragma once

#include "control/VornCtlExport.h"
#include "platform/doc/PreviewView.h"

class VORNCTL_API CMyPreviewView : public CPreviewView
{
    FX_DECLARE_DYNCREATE(CMyPreviewView)

public:
    void OnPreviewPrint() override;
};
