// Fills a card from ADML XML text (head values and detail rows) through the MSXML DOM.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class CCardObj;
struct IXMLDOMElement;

class VORNCARD_API CCardADMLLoader
{
public:
    CCardADMLLoader() = delete;

    // Reports nothing: a text that does not parse leaves the card as it was. The second
    // argument is not used.
    static void LoadADMLDataToObj(CCardObj* pCardObj, const CString& strXml, long nReserved);
    // The same; FALSE when the text could not be parsed as XML (nothing was loaded).
    static BOOL LoadADMLText(CCardObj* pCardObj, const CString& strXml, long nReserved);
    // Reads "HEAD" and "MD" children of the document element into the card's data, then sorts
    // and merges detail data as their areas on the master sheet ask. FALSE when the DOM failed
    // part way; what was read until then stays.
    static BOOL ParseADMLData(CCardObj* pCardObj, IXMLDOMElement* pRoot);
};
