// The mnemonic of a menu or title text, shared by the bitmap menu items and the menu bar's titles.
#pragma once

#include "platform/base/String.h"

// The lower-cased character after the first single "&" ("&&" is a literal ampersand, and a GBK
// character's trail byte is never taken for one); 0 when there is none.
char FwMnemonicOf(const CString& strText);
