// A custom vector symbol of the symbol library, named by its identifier, with its arguments.
#pragma once

#include "symbols/ContentSegment.h"
#include "symbols/CustSymbol.h"

class GLYPHWORK_API CCustomDrawContSeg : public CContentSegment
{
public:
    CCustomDrawContSeg();
    CCustomDrawContSeg(const LOGFONT& lf, COLORREF cr);

    short IsKindOf() override;
    using CObject::IsKindOf;
    int GetWidth(CDC* pDC) override;
    // "<P>id</P>" or "<P>id?arguments</P>"; never a font tag.
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    // The content is the symbol's markup; identifier and arguments are set by the caller.
    virtual void SetData(CString strContent);
    // Copies identifier, markup, arguments and symbol; font, colour, selection and width stay.
    virtual int operator=(const CCustomDrawContSeg& src);

    // Gives the symbol its markup, arguments and colour, and keeps its measured width.
    void ResetSymbol(CDC* pDC);
    // Runs the symbol's argument dialog on the current arguments; on OK keeps and applies the
    // edited string. strArguments receives the arguments in force afterwards.
    BOOL Edit(CString& strArguments);

    CCustSymbol m_CustSymbol;
    CString m_strGuid;
    CString m_strSymbol;
    CString m_strArgument;
};
