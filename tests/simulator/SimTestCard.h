// What the simulator's tests share: the report control registered in the test prefix, and small
// templates written for the case at hand.
#pragma once

#include "platform/base/String.h"

// Registers VornCtl.dll beside the test program, once per process.
HRESULT RegisterVornCtl();

struct SimTestTemplate
{
    const char* pszHeadVars; // ";"-joined head variables
    const char* pszArea;     // detail area name, null for none
    const char* pszAreaVars; // ";"-joined column variables
    const char* pszScripts;  // ";"-joined names of scripts; each script is the text given next
    const char* pszScriptText;
};

// Writes a one-sheet template: head variables in a row at the top, the detail area below with
// four rows a page.
void WriteTestTemplate(const CString& strPath, const SimTestTemplate& t);

// The template of the data examples: head A and B, area M with X and Y.
extern const SimTestTemplate kTemplateAB;
