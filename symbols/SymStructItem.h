// A folder or a symbol of the custom-symbol library, as the library dialog's tree shows it.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "symbols/GlyphworkExport.h"

// One node of the library tree.
class GLYPHWORK_API CSymStructItem : public CObject
{
public:
    int m_nID = 0;
    CString m_strName;
    int m_bFolder = 1;
    int m_nBlobID = 0;
    CString m_strGuid;
};
