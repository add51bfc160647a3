// Checks a dialog's picture as the user sees it, for the tests that write dialog pictures.
#pragma once

class CTestDlg;

// Writes the picture under the name, reads it back and checks that every visible picture and
// every control holding text shows ink in it: a control left undrawn or a bitmap that failed to
// load shows none.
void ExpectPictureShowsItsControls(CTestDlg& d, const char* pszName);
