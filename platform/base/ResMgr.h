// The current resource module that strings, dialogs, menus and bitmaps load from.
#pragma once

#include "platform/base/FxExport.h"

class FX_API CFxResMgr
{
public:
    // Starts as the process's EXE; the resource switch around a dialog saves, sets and restores it.
    static HINSTANCE GetResourceHandle();
    static void SetResourceHandle(HINSTANCE hInst);
    // A module already loaded in the process, by its file name ("Glyphwork.dll"); null when absent.
    static HINSTANCE FindModule(LPCSTR pszFileName);
};
