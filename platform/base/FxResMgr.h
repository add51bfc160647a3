// The current resource module that strings, dialogs, menus and bitmaps load from, and the chain of
// library modules searched after it.
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

    // Libraries join the chain while they are loaded (see CFxModuleLink), newest first.
    static void AddModule(HINSTANCE hInst);
    static void RemoveModule(HINSTANCE hInst);
    // The module that holds the resource: the current resource module first, then the chain, then
    // the EXE; null when none has it.
    static HINSTANCE FindResourceHandle(LPCSTR pszName, LPCSTR pszType);
};

// The linker's symbol for the start of the image being linked: the module's own instance handle,
// without a DllMain of our own.
extern "C" IMAGE_DOS_HEADER __ImageBase;
#define FX_MODULE_INSTANCE() (reinterpret_cast<HINSTANCE>(&__ImageBase))
