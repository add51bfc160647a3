// Reads a control item's text when the control copies at most a given buffer size and does not
// report the full length: the list view and tree view item text.
#pragma once

#include <functional>

#include "platform/base/String.h"

// fnRead(pszBuffer, cchBuffer) fills the buffer and returns the length it wrote, -1 on failure
// (an empty result). The buffer grows while it comes back full.
CString FxReadItemText(const std::function<int(LPSTR pszBuffer, int cchBuffer)>& fnRead);
