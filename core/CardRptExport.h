// A card page as plain text records that another program lays out again: the fixed part of a
// template (frame, ruled lines, static texts) as a group block, the filled part of a page
// (variable texts and pictures) as a page block.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class CCappSheet;

class VORNCARD_API CCardRptExport
{
public:
    CCardRptExport() = delete;

    static void CappSheetToRPTBlock(CCappSheet*& pSheet, const CString& strGroupName, CString& strOut);
    static void SaveRPTPage(CCappSheet*& pSheet, CString& strOut);
    // A text as a field: a space follows every "$@" and "$*", so that neither the field
    // separator "$@$" nor the record end "$*$" can appear in or run into it; a line break (CR LF,
    // CR or LF) becomes one space, so that it cannot split the record.
    static CString EscapeField(const CString& strText);
};
