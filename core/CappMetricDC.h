// A DC that stands in for a caller's screen or printer DC, mapped so that one logical unit is one
// tenth of a millimetre, with the printable area's place on the paper known. It is a view of the
// wrapped DC's handles: it never deletes or releases them.
#pragma once

#include "core/VornCardExport.h"
#include "platform/gdi/DC.h"

struct CPrintInfo;

class VORNCARD_API CCappMetricDC : public CDC
{
    FX_DECLARE_DYNCREATE(CCappMetricDC)

public:
    CCappMetricDC() = default;
    // Attaches at once; check IsAttached.
    CCappMetricDC(CDC*& pDC, CPrintInfo* pInfo);
    // Detaches: the wrapped DC comes back to its saved state. The caller's pointer is not
    // touched (it may be gone by now): give it back with Deattach first while it points here.
    ~CCappMetricDC() override;

    // Takes the place of pDC (pDC then points at this object) and maps the wrapped DC; with print
    // information the printable area's offset on the paper becomes the window origin. 1 or 0.
    // The address of pDC is not kept.
    int Attach(CDC*& pDC, CPrintInfo* pInfo);
    // Returns the wrapped DC in its saved state for the caller to put back (pDC = Deattach());
    // null when not attached.
    CDC* Deattach();
    BOOL IsAttached() const;

    // The paper's physical size and the printable rectangle on it, in tenths of a millimetre.
    static int GetPaperInforByDC(CDC* pDC, CSize& sizePaper, CRect& rcPrint);
    static int QueryPaperInfor(CDC* pDC, CPrintInfo* pInfo, CSize& sizePaper, CRect& rcPrint);

    int QueryStoredLTCornerOfPaper(CPoint& pt) const;
    int DevicePointToPaperPoint(CRect& rc) const;
    int GetOriginOffset(CSize& size) const;
    int OffsetOrg(CSize size);
    // Horizontal dots per tenth of a millimetre; -1 when not attached (or for a null DC).
    double DotPerTenthMM() const;
    static double DotPerTenthMM(CDC* pDC);

    // While attached, the wrapped DC answers: it may speak for a device other than its handle.
    int GetDeviceCaps(int nIndex) const override;

    const CSize& GetPaperSize() const { return m_sizePaper; }
    const CRect& GetPrintRect() const { return m_rcPrint; }

private:
    void Clear();

    CDC* m_pWrappedDC = nullptr;
    int m_nSavedDC = 0;
    CSize m_sizePaper;
    CRect m_rcPrint;
};
