// An answer of the host in the row format ("ROW" elements of "COLITEM" columns named by "NAME"),
// read whole before anything is stored, then stored into a card's head, page or detail data.
#pragma once

#include <utility>
#include <vector>

#include "platform/base/FxComPtr.h"
#include "platform/base/String.h"
#include "work/VornWorkExport.h"

class CCappMidData;
class CCardObj;
class CFxXmlReader;
class CWnd;
struct IXMLDOMElement;

class VORNWORK_API CCardDataMlReader
{
public:
    CCardDataMlReader();
    ~CCardDataMlReader();
    CCardDataMlReader(const CCardDataMlReader&) = delete;
    CCardDataMlReader& operator=(const CCardDataMlReader&) = delete;

    // Loads the answer into the document and gives its root; FALSE when the text is empty, no
    // XML or holds a document type. COM stays initialised around the call and the root's use.
    static BOOL LoadDocument(const CString& strAnswer, CFxXmlReader& doc, CFxComPtr<IXMLDOMElement>& pRoot);

    // The "ROW" children of the root, only the first with bFirstOnly. FALSE, with no rows kept,
    // when the DOM fails, a column has no name or there is no row.
    BOOL Read(IXMLDOMElement* pRoot, BOOL bFirstOnly);
    // The same from the answer's text.
    BOOL Read(const CString& strAnswer, BOOL bFirstOnly);

    int GetRowCount() const;
    int GetColumnCount(int nRow) const;
    CString GetColumnName(int nRow, int nCol) const;
    CString GetColumnValue(int nRow, int nCol) const;

    // Every row read goes into the head (kind 0), the pages from nStartRow (1) or the area's rows
    // from nStartRow (2), rows made as needed; the data decides what it takes, an unknown name
    // stores nothing. A detail row's line count is measured on pMeasureWnd when it is a window.
    void Store(CCardObj& card, int nKind, CCappMidData* pArea, int nStartRow, CWnd* pMeasureWnd) const;

private:
    // Each row's columns, name and value, in document order.
    std::vector<std::vector<std::pair<CString, CString>>> m_rows;
};
