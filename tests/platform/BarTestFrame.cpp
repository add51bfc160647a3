#include "tests/platform/BarTestFrame.h"

#include "tests/platform/res/fxtest_resource.h"

FX_BEGIN_MESSAGE_MAP(CBarTestFrame, CFrameWnd)
FX_ON_COMMAND(ID_FXBAR_OPEN, OnOpen)
FX_ON_COMMAND(ID_FXBAR_SAVE, OnSave)
FX_ON_UPDATE_COMMAND_UI(ID_FXBAR_SAVE, OnUpdateSave)
FX_ON_UPDATE_COMMAND_UI(ID_FXBAR_BOLD, OnUpdateBold)
FX_ON_UPDATE_COMMAND_UI(ID_FXBAR_PAGE, OnUpdatePage)
FX_END_MESSAGE_MAP()
