// Plain narrow (CF_TEXT, GBK) text on the clipboard.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/String.h"

class KVCOMM_API CKvClipboard
{
public:
    CKvClipboard() = delete;

    // FALSE when the clipboard cannot be opened or holds no text.
    static BOOL GetText(CString& strText, HWND hWndOwner);
    // Size of the memory block holding the text: its zero and any rounding of the block included.
    static BOOL GetTextLength(DWORD& dwSize, HWND hWndOwner);
    // Empties the clipboard and places a copy of the text unless it is empty; FALSE when the
    // clipboard cannot be opened or emptied or takes no data, or the copy cannot be allocated.
    static BOOL SetText(LPCSTR pszText, HWND hWndOwner);
};
