// Saves a DC's whole state (mapping, selections, colours, modes, alignment, clipping) for a scope.
#pragma once

#include "platform/gdi/DC.h"

// Restores exactly the state it saved, whatever was saved or restored inside the scope. Declare
// objects selected inside the scope before it, so they outlive the restore that deselects them.
class FX_API CFxSavedDC
{
public:
    explicit CFxSavedDC(CDC* pDC);
    ~CFxSavedDC();
    CFxSavedDC(const CFxSavedDC&) = delete;
    CFxSavedDC& operator=(const CFxSavedDC&) = delete;

    // False when nothing was saved (no DC or a failed SaveDC): nothing is restored.
    bool IsSaved() const { return m_nSaved != 0; }

private:
    CDC* m_pDC = nullptr;
    int m_nSaved = 0;
};
