#include "framework/Fw3DTab.h"

FX_IMPLEMENT_DYNCREATE(Fw3DTab, FwTab)

Fw3DTab::Fw3DTab() : m_bShown(TRUE)
{
}
