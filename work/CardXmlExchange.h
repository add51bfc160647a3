#pragma once

#include "platform/base/String.h"
#include "work/VornWorkExport.h"

// Text helpers for the XML requests sent to the host: names and values come from
// the card, so they are escaped before they reach the XML or a SQL condition.
class VORNWORK_API CCardXml
{
public:
    // Escapes &, <, > and both quotes, so the result is safe in text and in attributes.
    static CString EscapeXml(const CString& text);
    // Wraps text in CDATA, splitting any "]]>" so the section cannot end early.
    static CString CData(const CString& text);
    // A SQL string literal: quoted, inner quotes doubled.
    static CString SqlLiteral(const CString& value);
};
