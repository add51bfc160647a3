#include "designer/CappSheetDefView.h"

#include <algorithm>

#include "core/CardCommFun.h"
#include "designer/CappSheetDefDoc.h"
#include "designer/VornDesignApp.h"
#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/File.h"

FX_IMPLEMENT_DYNCREATE(CCappSheetDefView, CKvZoomView)

namespace
{
// A new sheet's paper until a template is loaded: A4 upright in sheet units.
const int kBlankWidth = 2100;
const int kBlankHeight = 2970;
} // namespace

CCappSheetDefView::CCappSheetDefView() : m_pSheet(new CCappSheet), m_nSaveState(saveStateNew), m_bLoaded(FALSE)
{
}

CCappSheetDefView::~CCappSheetDefView()
{
    delete m_pSheet;
}

CCappSheetDefDoc* CCappSheetDefView::GetDocument() const
{
    return dynamic_cast<CCappSheetDefDoc*>(m_pDocument);
}

void CCappSheetDefView::OnInitialUpdate()
{
    SetScrollSizes(MM_ANISOTROPIC, CSize(kBlankWidth, kBlankHeight));
    CKvZoomView::OnInitialUpdate();
}

void CCappSheetDefView::OnDraw(CDC* pDC)
{
    if (m_pSheet != nullptr && m_bLoaded) {
        m_pSheet->DrawSheet(pDC);
    }
}
