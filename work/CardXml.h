// Escaping and the request texts of the XML exchange between a card and its host.
#pragma once

#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "work/VornWorkExport.h"

class CCappCell;
class CCappMDData;

// Text helpers and writers for the XML requests sent to the host: names and values come from
// the card, so they are escaped before they reach the XML or a SQL condition.
class VORNWORK_API CCardXml
{
public:
    // Request forms: every related resource with a WHERE condition, the first one as SQL, the
    // first one as SQL with its connection string.
    enum { formRes = 0, formOtherTable = 1, formOtherDb = 2 };
    // A card variable's current value, asked for each "[name]" of a condition.
    typedef CString (*VarLookup)(void* pContext, const CString& strName);

    // Escapes &, <, > and both quotes, so the result is safe in text and in attributes.
    static CString EscapeXml(const CString& text);
    // Escapes &, < and > only: element text, where quotes are plain characters.
    static CString EscapeText(const CString& text);
    // Wraps text in CDATA, splitting any "]]>" so the section cannot end early.
    static CString CData(const CString& text);
    // A SQL string literal: quoted, inner quotes doubled.
    static CString SqlLiteral(const CString& value);
    // Every "[name]" becomes the variable's value as SQL text: inside a quoted string of the
    // condition only its quotes are doubled, elsewhere it becomes a whole quoted literal. A "["
    // without a later "]" stays as it is.
    static CString SqlCondition(const CString& strCondition, VarLookup pfnLookup, void* pContext);

    // The request text of a cell's related resources; empty when the cell has none.
    static CString ResRequest(const CCappCell* pCell, int nForm, VarLookup pfnLookup, void* pContext);
    // One row of the row format: the n-th value under the n-th name.
    static CString RowText(const CStringArray& arrNames, const CStringArray& arrValues);
    // Rows nFirst to nLast of the detail data; nFirst > nLast gives an empty body.
    static CString RowsText(const CCappMDData* pMDData, int nFirst, int nLast);
    static CString BodyText(const CString& strRows);

    // Answers. Cuts "/*...*/" comments out while the first "*/" follows the first "/*"; an
    // unclosed "/*" stays.
    static CString StripComments(const CString& strValue);
    // Whether the format names the row format ("FDataML", any case).
    static BOOL IsDataMLFormat(const CString& strFormat);
    // An answer with a document type is refused before it is parsed: the row format needs none,
    // and entities could expand without bound or reach files.
    static BOOL HasDocType(const CString& strAnswer);

    // Cell attributes of the exchange. Fill mode 0 pastes a value from outside at the caret,
    // any other replaces the editor's text; resource kinds: 1 knowledge base, 2 product data,
    // 3 process dictionary, 4 and 5 related resource.
    static int GetFillMode(const CCappCell* pCell);
    static int GetResKind(const CCappCell* pCell);
};
