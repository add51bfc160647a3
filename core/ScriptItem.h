// One named VBScript script stored with a template.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CScriptItem : public CObject
{
    FX_DECLARE_SERIAL(CScriptItem)
public:
    CScriptItem();
    CScriptItem(const CScriptItem& src);
    CScriptItem& operator=(const CScriptItem& src);

    // Version (1), kind, name, script text.
    void Serialize(CArchive& ar) override;

    int m_nVersion;
    // 1: a script of user functions.
    int m_nKind;
    CString m_strName;
    CString m_strScript;
};
