#include "framework/FwTab.h"

FX_IMPLEMENT_DYNCREATE(FwTab, CObject)

FwTab::FwTab() : m_nWidth(0), m_bSelected(FALSE), m_pWnd(nullptr), m_dwExtra1(0), m_dwExtra2(0)
{
}
