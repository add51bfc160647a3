// The card view's printing: page lists chosen by the host, metric printing with an offset or
// fitting to the printable area, and the process-wide fit settings.
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/DC.h"
#include "platform/print/PrintInfo.h"
#include "work/CappCardView.h"
#include "work/CappSheetHelper.h"

namespace
{
constexpr const char* kSection = "Option";
constexpr const char* kKeyFit = "PrintFit_FitToPrintable";
constexpr const char* kKeyOffsetX = "PrintFit_OffsetX";
constexpr const char* kKeyOffsetY = "PrintFit_OffsetY";
} // namespace

int CCappCardView::m_bAutoPrintFit = 0;
CSize CCappCardView::m_szOffsetAtNotFit(0, 0);

void CCappCardView::GetPrintFitSetting(int& bFit, CSize& szOffset)
{
    bFit = m_bAutoPrintFit;
    szOffset = m_szOffsetAtNotFit;
}

void CCappCardView::EnablePrintFitSetting(int bFit, CSize szOffset)
{
    m_bAutoPrintFit = bFit;
    m_szOffsetAtNotFit = szOffset;
}

void CCappCardView::LoadPrintFitSettingFromDefault()
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return;
    }
    // Offsets may be negative: the profile keeps them as the DWORD of the int.
    m_bAutoPrintFit = static_cast<int>(pApp->GetProfileInt(kSection, kKeyFit, 0));
    m_szOffsetAtNotFit.cx = static_cast<int>(pApp->GetProfileInt(kSection, kKeyOffsetX, 0));
    m_szOffsetAtNotFit.cy = static_cast<int>(pApp->GetProfileInt(kSection, kKeyOffsetY, 0));
}

void CCappCardView::SavePrintFitSettingToDefault()
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return;
    }
    pApp->WriteProfileInt(kSection, kKeyFit, m_bAutoPrintFit);
    pApp->WriteProfileInt(kSection, kKeyOffsetX, m_szOffsetAtNotFit.cx);
    pApp->WriteProfileInt(kSection, kKeyOffsetY, m_szOffsetAtNotFit.cy);
}

void CCappCardView::OnMyPrint(CUIntArray& arrPages)
{
    m_arrPrintPages.Copy(arrPages);
    m_bPrintPages = TRUE;
    CPrintInfo info;
    // Direct: no print dialog, the application's printer.
    info.m_bDirect = TRUE;
    info.m_strOutput = m_strPrintOutput;
    if (OnPreparePrinting(&info)) {
        DoPrint(&info);
    }
    m_bPrintPages = FALSE;
}

void CCappCardView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    // Metric printing sets its own mapping on the device's units.
    if (pInfo != nullptr && pInfo->m_bDirect && !m_bAutoPrintFit) {
        CView::OnPrepareDC(pDC, pInfo);
        return;
    }
    CKvZoomView::OnPrepareDC(pDC, pInfo);
}

void CCappCardView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pDC == nullptr || pInfo == nullptr) {
        return;
    }
    int nPage = static_cast<int>(pInfo->m_nCurPage);
    if (m_bPrintPages) {
        const INT_PTR nIndex = static_cast<INT_PTR>(pInfo->m_nCurPage) - 1;
        if (nIndex < 0 || nIndex >= m_arrPrintPages.GetSize()) {
            return;
        }
        nPage = static_cast<int>(m_arrPrintPages[nIndex]);
    }
    // The card loads that page's values into the sheet's cells.
    pCard->SetCurPage(nPage);
    CCappSheet* pSheet = pCard->GetSheetByPage(nPage, 0);
    if (pSheet == nullptr) {
        return;
    }
    if (!m_bAutoPrintFit) {
        CPoint ptOffset(m_szOffsetAtNotFit.cx, m_szOffsetAtNotFit.cy);
        CCappSheetHelper::PrintSheetMetric(pDC, pSheet, "", pInfo, &ptOffset, 0);
        return;
    }
    OnPrepareDC(pDC, pInfo);
    pDC->SetViewportOrg(0, 0);
    pSheet->DrawSheet(pDC);
    CCappSheetHelper::PrintDWGList(pDC, pSheet->m_HeadCellList, pSheet, 0, "");
    CCappSheetHelper::PrintDWGList(pDC, pSheet->m_PageCellList, pSheet, 0, "");
    CCappSheetHelper::PrintFreeObjectList(pDC, pSheet);
}
