// A base text with a superscript and a subscript after it.
#pragma once

#include "symbols/ContentSegment.h"

class GLYPHWORK_API CSupSubScriptContSeg : public CContentSegment
{
public:
    CSupSubScriptContSeg();
    CSupSubScriptContSeg(const LOGFONT& lf, COLORREF cr);

    short IsKindOf() override;
    using CObject::IsKindOf;
    int GetWidth(CDC* pDC) override;
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    // Fields in tag order: base;superscript;subscript, then the font tag.
    virtual void SetData(CString strContent);
    virtual int operator=(const CSupSubScriptContSeg& src);

    void OnInit();
    void GetData(CString& strBase, CString& str1, CString& str2);
    void SetData(CString strBase, CString str1, CString str2);
    // Copies the three texts only.
    void SetData(CSupSubScriptContSeg* pSrc);

    CString m_strBase;
    CString m_strSup;
    CString m_strSub;
    float m_fScale;
};
