#include "designer/detail/RowSetSheet.h"

CRowSetSheet::CRowSetSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage), m_pRelItem(nullptr)
{
    AddPage(&m_pageConnect);
    AddPage(&m_pageSQL);
    AddPage(&m_pageLink);
}
