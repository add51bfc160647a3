// Records drawing into an enhanced metafile in memory and lists its records afterwards.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/DC.h"

struct EmfRecord
{
    DWORD iType;
    std::vector<BYTE> data; // the whole record, header included
};

// One EMR_EXTTEXTOUTW with the drawing state in force when it was recorded.
struct EmfTextCall
{
    POINT ptReference; // logical units
    RECT rcClip;       // the text call's own rectangle, logical units
    UINT fOptions;
    std::wstring text;
    LOGFONTW font; // the selected font (zeroed when none was selected)
    COLORREF crText;
    int nBkMode;
};

class CTestMetafile
{
public:
    // hdcRef: the reference device (null: the screen).
    explicit CTestMetafile(HDC hdcRef = nullptr);
    ~CTestMetafile();
    CTestMetafile(const CTestMetafile&) = delete;
    CTestMetafile& operator=(const CTestMetafile&) = delete;

    CDC& DC() { return m_dc; }
    // Ends recording (once) and returns the records.
    const std::vector<EmfRecord>& Records();
    std::vector<EmfTextCall> TextCalls();
    // Record names ("EXTTEXTOUTW", "SETWINDOWEXTEX"...), one per line, to show in a failure.
    std::string Dump();
    // Records of one type.
    std::vector<const EmfRecord*> Find(DWORD iType);

private:
    void Close();

    CDC m_dc;
    HENHMETAFILE m_hEmf = nullptr;
    std::vector<EmfRecord> m_records;
};
