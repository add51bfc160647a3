// What the tests of controls and their containers share beside the stubs: interfaces asked for,
// streams in memory, the texts a control's page shows.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <vector>

#include "platform/base/String.h"

// One new reference, or null.
template <class T> T* Query(IUnknown* pUnk, REFIID riid)
{
    T* p = nullptr;
    pUnk->QueryInterface(riid, reinterpret_cast<void**>(&p));
    return p;
}

// The whole content of a stream, read from its start.
std::vector<BYTE> StreamBytes(IStream* pStream);
// A new stream over a copy of the bytes, at its start (one reference, the caller's).
IStream* StreamOf(const std::vector<BYTE>& bytes);
// The text of a page's control.
CString ItemText(HWND hPage, int nID);
