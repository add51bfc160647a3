// The script views' clipboard: plain narrow text (CF_TEXT, GBK), lines ending in CR LF.
#pragma once

#include <windows.h>

#include "platform/base/String.h"

class CCodeTextClipboard
{
public:
    CCodeTextClipboard() = delete;

    static BOOL HasText();
    // Replaces what the clipboard holds with the text, an empty text too. FALSE when the clipboard
    // cannot be opened, the copy cannot be made or the clipboard does not take it.
    static BOOL WriteText(HWND hWndOwner, const CString& strText);
    // Empty and FALSE when the clipboard cannot be opened or holds no text.
    static BOOL ReadText(HWND hWndOwner, CString& strText);
};
