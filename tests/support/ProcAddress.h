// An entry point of a loaded module as a function of its own type (null when the module has no
// such entry), passed through void* since a FARPROC converts to no other function type cleanly.
#pragma once

#include <windows.h>

template <class Fn> Fn TestProcAddress(HMODULE hModule, LPCSTR pszName)
{
    return hModule != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)))
                              : nullptr;
}
