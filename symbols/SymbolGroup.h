// One named group of the special-character palette: its characters (or short texts) in order.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/StringArray.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CSymbolGroup : public CObject
{
public:
    CSymbolGroup();
    ~CSymbolGroup() override;

    CString m_strName;
    CStringArray m_arrItem;
};
