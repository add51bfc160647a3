#include "designer/ScriptFrame.h"

FX_IMPLEMENT_DYNCREATE(CScriptFrame, FwWorksheet)

CScriptFrame::CScriptFrame()
{
}

CScriptFrame::~CScriptFrame()
{
}
