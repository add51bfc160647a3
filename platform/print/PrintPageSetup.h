// The paper and orientation a document is laid out for, and how a printer's device mode takes
// them: a card template prints on its own paper, turned as it is drawn.
#pragma once

#include "platform/base/String.h"

#include <wingdi.h>

class FX_API CPrintPageSetup
{
public:
    // Empty: the printer's own paper and orientation stay.
    CPrintPageSetup();

    // A page cx by cy tenths of a millimetre: landscape when wider than high; the standard paper
    // whose sides are within a millimetre of the page's, else a paper of the page's own size.
    // Empty for a page without size.
    static CPrintPageSetup FromPageSize(int cxTenthMm, int cyTenthMm);

    BOOL IsEmpty() const { return m_nOrientation == 0; }
    // Orientation and paper into the device mode, with their field bits; an empty setup leaves
    // the device mode as it is.
    void ApplyTo(DEVMODEA* pMode) const;
    // A movable copy of the device mode block with this setup applied; the caller frees it. Null
    // when hDevMode is null or not a whole device mode.
    HGLOBAL CopyDevMode(HGLOBAL hDevMode) const;

    bool operator==(const CPrintPageSetup& other) const;
    bool operator!=(const CPrintPageSetup& other) const { return !(*this == other); }

    short m_nOrientation; // DMORIENT_PORTRAIT, DMORIENT_LANDSCAPE; 0 when empty
    short m_nPaperSize;   // a DMPAPER_ value; 0 for a paper of its own size
    // The paper's short and long side in tenths of a millimetre.
    short m_nPaperWidth;
    short m_nPaperLength;
};
