#include "framework/FwControlBarManager.h"

FX_IMPLEMENT_DYNCREATE(FwControlBarManager, CObject)

FwControlBarManager::FwControlBarManager() : m_pFrameWnd(nullptr)
{
}
