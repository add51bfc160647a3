// Shared part of the two roughness dialogs: the segment they edit and the check of a typed value.
#pragma once

#include "platform/win/Dialog.h"
#include "symbols/CoarsenessContSeg.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CInputCoarseBaseDlg : public CDialog
{
public:
    // Copies an existing segment to edit (type 0 becomes 2); nothing for null.
    void SetData(CCoarsenessContSeg* pSeg);

    CCoarsenessContSeg m_seg;

protected:
    CInputCoarseBaseDlg(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

    // Trims the value typed in edit nID; FALSE, after telling the user, when it would break the
    // segment's element.
    BOOL CheckValue(int nID, CString& strValue);
};
