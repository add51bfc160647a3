#include "VornCtlCtrl.h"

#include <vector>

#include "control/VornCtlIds.h"
#include "core/CappSheet.h"
#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/MemFile.h"
#include "platform/gdi/DC.h"
#include "platform/ole/PropExchange.h"

namespace
{
// Buffer of the archives the templates persist through.
const int kArchiveBuffer = 4096;
// 1 / 254: pixels per inch to pixels per tenth of a millimetre.
const double kInchPerTenthMm = 0.003937007874015748;
} // namespace

CVornCtlCtrl::CVornCtlCtrl()
    : m_bPreviewOpen(FALSE), m_hPreviewFrame(nullptr), m_bLaidOut(FALSE), m_bFirstPaintDone(FALSE),
      m_bDataInitialised(FALSE), m_nSheetCount(0), m_dPixelsPerUnit(1.0), m_lStyleEx(styleHScroll | styleVScroll),
      m_nShownTemplate(0), m_bDrawFrameOnPrint(FALSE)
{
    // Free zoom; the page is unknown until a template is laid out.
    SetZoomMode(2);
    SetPageSize(CSize(1, 1), MM_ANISOTROPIC, CSize(0, 0));
    SetScaledSize(CSize(1, 1));
}

CVornCtlCtrl::~CVornCtlCtrl()
{
    if (m_bPreviewOpen && m_hPreviewFrame != nullptr && ::IsWindow(m_hPreviewFrame)) {
        ::SendMessage(m_hPreviewFrame, WM_CLOSE, 0, 0);
    }
}

FX_BEGIN_DISPATCH_MAP(CVornCtlCtrl)
FX_DISP_PROPERTY_EX("ZntFileName", GetZntFileName, SetZntFileName)
FX_DISP_PROPERTY_EX("DrawFrameOnPrint", GetDrawFrameOnPrint, SetDrawFrameOnPrint)
FX_DISP_PROPERTY_EX("dStyleEx", GetStyleEx, SetStyleEx)
FX_END_DISPATCH_MAP()

const CLSID* CVornCtlCtrl::GetPropPageIDs(ULONG& nPages)
{
    nPages = 1;
    return &CLSID_VornCtlPropPage;
}

// Persistence ---------------------------------------------------------------------------------

HGLOBAL CVornCtlCtrl::StoreSheetBlob(CCappSheet* pSheet)
{
    CMemFile file;
    try {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        pSheet->Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
    // Sized from the archive, so that no template is cut short.
    const DWORD cbArchive = static_cast<DWORD>(file.GetLength());
    std::vector<BYTE> block(sizeof(DWORD) + cbArchive);
    memcpy(block.data(), &cbArchive, sizeof(DWORD));
    file.SeekToBegin();
    if (cbArchive > 0 && file.Read(block.data() + sizeof(DWORD), cbArchive) != cbArchive) {
        return nullptr;
    }
    return FxNewBlob(block.data(), static_cast<DWORD>(block.size()));
}

CCappSheet* CVornCtlCtrl::LoadSheetBlob(const BYTE* pBytes, DWORD cbBytes)
{
    if (pBytes == nullptr || cbBytes < sizeof(DWORD)) {
        return nullptr;
    }
    DWORD cbArchive = 0;
    memcpy(&cbArchive, pBytes, sizeof(DWORD));
    // A count beyond what the blob holds is a damaged block, not a longer template.
    if (cbArchive > cbBytes - sizeof(DWORD)) {
        return nullptr;
    }
    auto* pSheet = new CCappSheet;
    try {
        CMemFile file(const_cast<BYTE*>(pBytes) + sizeof(DWORD), cbArchive);
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        pSheet->Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        delete pSheet;
        return nullptr;
    }
    return pSheet;
}

void CVornCtlCtrl::DoPropExchange(CPropExchange* pPX)
{
    DWORD dwVersion = 0;
    pPX->ExchangeVersion(dwVersion, 0x10000);
    COleControl::DoPropExchange(pPX);
    pPX->ExchangeBool("DrawFrameOnPrint", m_bDrawFrameOnPrint, FALSE);

    CString strName;
    if (pPX->IsLoading()) {
        pPX->ExchangeShort("SheetCount", m_nSheetCount, 0);
        m_arrTemplateNames.RemoveAll();
        // The stored templates replace any held, so that names and sheets stay in step.
        m_CappObj.m_CardObj.DetachList("m_listSheet");
        for (int i = 0; i < m_nSheetCount; ++i) {
            strName.Format("Sheet%d", i);
            HGLOBAL hBlob = nullptr;
            pPX->ExchangeBlob(strName, &hBlob);
            if (hBlob == nullptr) {
                continue;
            }
            const DWORD cbBlob = FxBlobSize(hBlob);
            const BYTE* p = static_cast<const BYTE*>(GlobalLock(hBlob));
            CCappSheet* pSheet = LoadSheetBlob(p + sizeof(DWORD), cbBlob);
            GlobalUnlock(hBlob);
            GlobalFree(hBlob);
            if (pSheet == nullptr) {
                continue;
            }
            m_arrTemplateNames.Add(pSheet->m_strName);
            Templates().AddTail(pSheet);
        }
        RebuildZntFileName();
        m_bLaidOut = FALSE;
    } else if (!m_bDataInitialised) {
        // A started card is the data's business: only bare templates are stored.
        m_nSheetCount = static_cast<short>(Templates().GetCount());
        pPX->ExchangeShort("SheetCount", m_nSheetCount, 0);
        int i = 0;
        for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr; ++i) {
            auto* pSheet = static_cast<CCappSheet*>(Templates().GetNext(pos));
            HGLOBAL hBlob = StoreSheetBlob(pSheet);
            strName.Format("Sheet%d", i);
            pPX->ExchangeBlob(strName, &hBlob);
            if (hBlob != nullptr) {
                GlobalFree(hBlob);
            }
        }
    }

    pPX->ExchangeLong("StyleEx", m_lStyleEx, styleHScroll | styleVScroll);
    SetDisplayStyle(static_cast<DWORD>(m_lStyleEx));
}

void CVornCtlCtrl::RebuildZntFileName()
{
    if (Templates().IsEmpty()) {
        m_strZntFileName = "0";
        return;
    }
    m_strZntFileName = "1";
    for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr;) {
        auto* pSheet = static_cast<CCappSheet*>(Templates().GetNext(pos));
        m_strZntFileName += ";" + pSheet->m_strName;
    }
}

// Painting ------------------------------------------------------------------------------------

CCappSheet* CVornCtlCtrl::GetShownTemplate()
{
    if (Templates().IsEmpty()) {
        return nullptr;
    }
    POSITION pos = m_nShownTemplate >= 0 ? Templates().FindIndex(m_nShownTemplate) : nullptr;
    return static_cast<CCappSheet*>(pos != nullptr ? Templates().GetAt(pos) : Templates().GetHead());
}

void CVornCtlCtrl::LayOut(CDC* /*pDC*/)
{
    CCappSheet* pShown = GetShownTemplate();
    if (pShown != nullptr) {
        const CSize sizePage(pShown->m_nPageWidth, pShown->m_nPageHeight);
        SetPageSize(sizePage, MM_ANISOTROPIC, CSize(sizePage.cx / 10, sizePage.cy / 10));
        Zoom100();
    }
    for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr;) {
        auto* pSheet = static_cast<CCappSheet*>(Templates().GetNext(pos));
        pSheet->m_pWnd = this;
        if (m_bDataInitialised) {
            pSheet->m_crBackground = RGB(255, 255, 255);
        }
    }
    m_bLaidOut = TRUE;
}

void CVornCtlCtrl::OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& /*rcInvalid*/)
{
    ::FillRect(pDC->GetSafeHdc(), &rcBounds, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!m_bFirstPaintDone) {
        m_bFirstPaintDone = TRUE;
        m_dPixelsPerUnit = pDC->GetDeviceCaps(LOGPIXELSX) * kInchPerTenthMm;
        m_dBaseZoom = m_dPixelsPerUnit;
        Zoom100();
    }
    if (!m_bLaidOut) {
        LayOut(pDC);
    }
    CCappSheet* pSheet = nullptr;
    if (!m_bDataInitialised) {
        pSheet = GetShownTemplate();
    } else if (!(m_CappObj.m_nState == 1 && m_CappObj.m_strFileName.IsEmpty())) {
        pSheet = m_CappObj.m_CardObj.GetCurSheet();
    }
    if (pSheet == nullptr) {
        return;
    }

    const int nSaved = pDC->SaveDC();
    // One logical unit is a tenth of a millimetre at the current zoom.
    const double dScale = GetZoomFactor();
    const int cxMm = pDC->GetDeviceCaps(HORZSIZE);
    const int cyMm = pDC->GetDeviceCaps(VERTSIZE);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(static_cast<int>(cxMm / dScale), static_cast<int>(cyMm / dScale));
    pDC->SetViewportExt(cxMm, cyMm);
    pDC->SetWindowOrg(0, 0);
    const CPoint ptScroll = GetScrollPosition();
    pDC->SetViewportOrg(rcBounds.left - ptScroll.x, rcBounds.top - ptScroll.y);
    pSheet->m_rcView = rcBounds;
    pSheet->DrawSheet(pDC);
    pDC->RestoreDC(nSaved);
}

// Properties ----------------------------------------------------------------------------------

CString CVornCtlCtrl::GetZntFileName() const
{
    return m_strZntFileName;
}

void CVornCtlCtrl::SetZntFileName(LPCSTR pszZntFileName)
{
    m_strZntFileName = pszZntFileName;
    // The number before the first ";" names the template shown before the data are initialised.
    m_nShownTemplate = atoi(m_strZntFileName);
    m_bLaidOut = FALSE;
    InvalidateControl();
    SetModifiedFlag();
    BoundPropertyChanged(dispidZntFileName);
}

BOOL CVornCtlCtrl::GetDrawFrameOnPrint() const
{
    return m_bDrawFrameOnPrint;
}

void CVornCtlCtrl::SetDrawFrameOnPrint(BOOL bDraw)
{
    m_bDrawFrameOnPrint = bDraw;
    SetModifiedFlag();
    BoundPropertyChanged(dispidDrawFrameOnPrint);
}

long CVornCtlCtrl::GetStyleEx() const
{
    return m_lStyleEx;
}

void CVornCtlCtrl::SetStyleEx(long lStyle)
{
    m_lStyleEx = lStyle;
    SetDisplayStyle(static_cast<DWORD>(lStyle));
    SetModifiedFlag();
    BoundPropertyChanged(dispidStyleEx);
}
