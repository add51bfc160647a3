#include "core/CappMidData.h"
#include "work/CappCardView.h"
#include "work/CardXml.h"

namespace
{
CString CurVarValue(void* pContext, const CString& strName)
{
    return static_cast<CCardCellEditor*>(pContext)->GetCurVarValue(strName, 0);
}
} // namespace

CString CCappCardView::GetResInfo(CCappCell* pCell)
{
    return CCardXml::ResRequest(pCell, CCardXml::formRes, CurVarValue, &m_cellEditor);
}

CString CCappCardView::GetOtherTBResInfo(CCappCell* pCell)
{
    return CCardXml::ResRequest(pCell, CCardXml::formOtherTable, CurVarValue, &m_cellEditor);
}

CString CCappCardView::GetOtherDBResInfo(CCappCell* pCell)
{
    return CCardXml::ResRequest(pCell, CCardXml::formOtherDb, CurVarValue, &m_cellEditor);
}

CString CCappCardView::GetRowDataML(CCappMidData* pArea, int nFirst, int nLast)
{
    return pArea != nullptr ? CCardXml::RowsText(pArea->m_pMDData, nFirst, nLast) : CString();
}
