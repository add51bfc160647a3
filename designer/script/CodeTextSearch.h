// Finding text in the lines of a script, and the search that F3 repeats. Positions are (character,
// line) with the character a byte index into the line; a match starts and ends only at character
// starts, so it never pairs with half a double-byte character.
#pragma once

#include <windows.h>

#include "platform/base/Point.h"
#include "platform/base/String.h"

class CCodeTextBuffer;

// Search flags.
#define FIND_MATCH_CASE 0x0001
#define FIND_WHOLE_WORD 0x0002
#define FIND_DIRECTION_UP 0x0010

class CCodeTextSearch
{
public:
    // Downwards the first match starting at or after ptStart, upwards the last one ending at or
    // before it; with bWrap the search goes on from the other end of the text back to ptStart.
    // Case is folded for ASCII letters only. FALSE without a buffer, text or match.
    static BOOL Find(const CCodeTextBuffer* pBuffer, LPCSTR pszText, CPoint ptStart, DWORD dwFlags, BOOL bWrap,
                     CPoint& ptFound);

    // The search F3 repeats; empty text: none.
    void SetLast(LPCSTR pszText, DWORD dwFlags);
    void ForgetLast() { m_bLast = FALSE; }
    BOOL HasLast() const { return m_bLast; }
    const CString& GetLastText() const { return m_strLast; }
    DWORD GetLastFlags() const { return m_dwLastFlags; }

private:
    BOOL m_bLast = FALSE;
    DWORD m_dwLastFlags = 0;
    CString m_strLast;
};
