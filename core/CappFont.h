// The card model's default LOGFONT: the library's face name and the Chinese character set.
#pragma once

#include "platform/base/String.h"

// Height as given, width, escapement, orientation and weight 0, plain, character set 134,
// precisions 3 and 2, quality 1, pitch and family 0x32, face from the library's string 9.
void CappInitLogFont(LOGFONTA& lf, LONG lHeight);

// Copies a face name read from an archive into the fixed field, cut on a character boundary.
void CappSetFaceName(LOGFONTA& lf, const CString& strFace);
