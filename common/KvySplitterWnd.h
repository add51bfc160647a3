// The splitter bar dragged up and down: top panes above it, bottom panes below.
#pragma once

#include "common/KvxSplitterWnd.h"

class KVCOMM_API CKvySplitterWnd : public CKvxSplitterWnd
{
    FX_DECLARE_DYNAMIC(CKvySplitterWnd)

public:
    CKvySplitterWnd();

    BOOL AttachAsTopPane(DWORD dwControlId, int nStretch) { return AttachPane(TRUE, dwControlId, nStretch); }
    BOOL AttachAsBottomPane(DWORD dwControlId, int nStretch) { return AttachPane(FALSE, dwControlId, nStretch); }
    void SetMinHeight(int nTop, int nBottom) { SetMinWidth(nTop, nBottom); }
};
