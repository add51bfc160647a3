// The PostScript printer the printing tests use: Wine's PostScript driver with a small A4 PPD at
// 300 dpi, on the port FILE:, made the default printer of the prefix (and of the test app).
#pragma once

#include <string>

#include <vector>

#include "platform/base/String.h"
#include "tests/support/SysDlgDriver.h"

class CWinApp;

// The printer's name.
#define FX_TEST_PRINTER "Vorn Test PS"

// The orientation a device mode block names; 0 for no block.
short DevModeOrientation(HGLOBAL hDevMode);

// Installs the driver and printer once per prefix and makes it the default; FALSE (with the
// reason in strError) when Wine refuses.
BOOL EnsureTestPrinter(CString& strError);
// Makes the test printer pApp's selected printer.
BOOL SelectTestPrinter(CWinApp* pApp);
// The whole text of a file ("" when it cannot be read).
std::string ReadWholeFile(LPCSTR pszPath);
// Renders a PostScript file to PNGs (one per page, pszPngPattern with %d) with ghostscript and
// waits for it; FALSE when ghostscript cannot be run from the test or wrote no first page.
BOOL RenderPostScript(LPCSTR pszPsPath, LPCSTR pszPngPattern);
// "Portrait" or "Landscape" for each page of a PostScript file of Wine's driver (a landscape page
// is rotated in its page set-up).
std::vector<std::string> PostScriptPageOrientations(const std::string& strPs);
// The test printer's port is FILE:: a job started without an output file asks for one in Wine's
// print-to-file prompt. This handler names strPath there and accepts.
TestSysDlgHandler AnswerPrintToFile(const CString& strPath);
