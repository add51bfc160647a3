// The groups of the special-character palette and the INI file they are kept in.
#pragma once

#include "platform/base/ObList.h"
#include "symbols/GlyphworkExport.h"

class CSymbolGroup;

class GLYPHWORK_API CSymbolData : public CObject
{
public:
    CSymbolData() = default;
    ~CSymbolData() override;
    CSymbolData(const CSymbolData&) = delete;
    CSymbolData& operator=(const CSymbolData&) = delete;

    CObList m_listGroup; // CSymbolGroup*, owned, in file order
    CString m_strFileName;

    // 1 when the file exists and names at least one group; the groups are replaced either way.
    int LoadData(CString strPath);
    // Drops the blank items of every group and writes the groups into the file; FALSE when the
    // file cannot be written.
    int SaveData();
    // The first group of that name (byte comparison); null when none.
    POSITION FindSymbolGroup(CString strName);
    CSymbolGroup* GetSymbolGroup(CString strName);
    void DetachList();

    // A profile value whole, however long; blanks trimmed on both sides.
    static CString ReadProfileText(LPCSTR pszSection, LPCSTR pszKey, LPCSTR pszPath);
};
