// The simulator's data file (".znw"): the card's head values and the rows of one detail area,
// kept as one line of XML that the report control also loads.
#pragma once

#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "simulator/VornSimulatorExport.h"

class VORNSIM_API CSimDataFile
{
public:
    CSimDataFile();

    // Head variables and their values, in the same order.
    CStringArray m_arrHeadVars;
    CStringArray m_arrHeadVals;
    // The detail area, its column variables and its rows; each row holds one value per column.
    CString m_strMDName;
    CStringArray m_arrMDVars;

    int GetRowCount() const;
    // Empty past the row's values.
    CString GetRowValue(int nRow, int nCol) const;
    // Values past the columns are dropped, missing ones are empty.
    void AddRow(const CStringArray& arrValues);
    void RemoveAll();

    // The whole file text, one line. Names and values are escaped, so that any typed text comes
    // back as it was.
    CString BuildText() const;
    // Reads the text back: head part and detail part each parse on their own, and one that does
    // not parse is skipped. FALSE, with nothing read, when the text lacks "<HEAD", "<MD>" or "</MD>".
    BOOL LoadText(const CString& strText);

    // The file's first line; FALSE when it cannot be read.
    static BOOL ReadFileText(const CString& strPath, CString& strText);
    // Writes through a temporary file in the same folder, so a failed write leaves the old file.
    static BOOL WriteFileText(const CString& strPath, const CString& strText);

    // Escapes &, <, >, both quotes and line breaks: safe in attributes and element text, and
    // the file stays one line.
    static CString EscapeXml(const CString& strText);

private:
    BOOL LoadHeadPart(const CString& strPart);
    BOOL LoadMDPart(const CString& strPart);

    // Row-major, m_arrMDVars.GetSize() values a row.
    CStringArray m_arrMDValues;
    int m_nRows;
};
