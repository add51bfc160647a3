// Variable text element of a custom symbol ("V"): a named text whose value comes from the
// symbol's arguments; other elements may anchor their points to it.
#pragma once

#include "symbols/Text.h"

class GLYPHWORK_API CVariableText : public CText
{
    FX_DECLARE_DYNCREATE(CVariableText)

public:
    BOOL SetSymbolString(CString strElem) override;
    BOOL QueryAreaAppr(CDC* pDC, CDoubleRect& rcArea, double dScale) override;

    // Takes the value named by this variable from an argument string; FALSE keeps the text.
    BOOL SetArgument(const CString& strArguments);
    // Position of an anchor (1..9) of the value area; FALSE while the area is unmeasured.
    BOOL GetAnchorPos(int nAnchor, CDoublePoint& pt) const;

    // Extent of the text as last measured, in symbol units around the origin.
    CDoubleRect m_rcValue;
    CString m_strVarName;
    CString m_strDefault;
};
