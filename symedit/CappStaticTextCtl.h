// Plain text of static-text cells, laid out horizontally (one narrowed line per text line) or
// vertically (one character or word per line).
#pragma once

#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "platform/win/Edit.h"
#include "symedit/MarkwellExport.h"

class CDC;

// An edit control with no handling of its own: all of its work is in the static members.
class MARKWELL_API CCappStaticTextCtl : public CEdit
{
public:
    // Layout mode 2: vertical; any other mode: horizontal.
    static const int modeVertical = 2;

    // format: DrawText flags; DT_VCENTER and DT_BOTTOM place the block of lines in rect.
    static void DrawData(CDC* pDC, CRect rect, CString strText, int nMode, int nFormat, LOGFONT font, COLORREF crColor);

    static void DeleteEnter(CString& strText);
    // One token per line: each double-byte character alone, each word with its trailing blank.
    static void AddEnter(CString& strText);
    // Every run of carriage returns and line feeds becomes one line feed.
    static void DeleteLine(CString& strText);
    // A final line feed adds no line; an empty line between two lines counts.
    static int GetRowCount(CString strText);
    static void FormatTextToArray(CString strText, CStringArray& arrLines);
    // Width of the text in the font, in the DC's logical units, measured on its attribute DC.
    static int GetWidth(CDC* pDC, LOGFONT font, CString strText);
    // Narrows the character width until the text fits the rectangle's width; the height stays.
    static void GetTextAutoSize(CDC* pDC, CRect rect, CString strText, LOGFONT& font);
};
