// An edit control that takes only the characters of a decimal number with optional exponent.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/String.h"
#include "platform/win/Edit.h"

class KVCOMM_API CKvNumEdit : public CEdit
{
    FX_DECLARE_DYNAMIC(CKvNumEdit)

public:
    // "%G" of the value.
    void SetValue(double dValue);
    // The leading number of the text, 0 when there is none.
    double GetValue() const;

    // Whether the character typed with the caret at nCaret may go into strText.
    static BOOL IsCharAccepted(const CString& strText, int nCaret, UINT nChar);

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
};
