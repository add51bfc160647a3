// A surface-roughness symbol with its values.
#pragma once

#include "platform/base/Point.h"
#include "symbols/ContentSegment.h"

class GLYPHWORK_API CCoarsenessContSeg : public CContentSegment
{
public:
    CCoarsenessContSeg();
    CCoarsenessContSeg(const LOGFONT& lf, COLORREF cr);

    short IsKindOf() override;
    using CObject::IsKindOf;
    int GetWidth(CDC* pDC) override;
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    // Eight fields in tag order, then the font tag; missing fields keep their values.
    virtual void SetData(CString strContent);
    virtual int operator=(const CCoarsenessContSeg& src);

    void OnInit();
    // Copies the eight tag fields; a type 0 becomes 2.
    void Set(CCoarsenessContSeg* pSrc);
    // The check mark alone, hanging from its top point, with the current pen.
    void DrawType(CDC* pDC, CPoint ptTop, int nHeight, int nWidth, int nType);

    // 1 bare mark, 2 (and 0) material removal required, 3 material removal not permitted.
    int m_nType;
    CString m_strValue1;
    CString m_strValue2;
    // Numbered fields whose meaning the stored format does not give: carried through unchanged,
    // no dialog sets them.
    CString m_strText3;
    CString m_strText4;
    int m_nOption5;
    CString m_strText6;
    int m_nOption7;
};
