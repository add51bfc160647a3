// Hands XML text held as bytes to the MSXML DOM in the encoding the text itself names: a UTF-8
// byte-order mark first, else the declaration's encoding, else GBK (the suite's own text).
// Narrow text cannot hold UTF-16: its byte-order mark is not taken (the text then fails to parse,
// and the callers' checks on the bytes, such as a refused document type, still see ASCII).
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

struct IXMLDOMDocument;

class VORNCARD_API CCardXmlText
{
public:
    CCardXmlText() = delete;

    // The code page the bytes are read with; 0 for an encoding this reader does not know.
    // nSkip receives the length of a byte-order mark to skip.
    static UINT GetCodePage(const CString& strXml, int& nSkip);
    // loadXML of the text decoded by its own encoding, without its byte-order mark and XML
    // declaration (MSXML must not switch encodings again on text that is UTF-16 by then).
    // FALSE for an unknown encoding or text that does not parse.
    static BOOL LoadXml(IXMLDOMDocument* pDoc, const CString& strXml);
};
