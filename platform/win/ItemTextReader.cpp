#include "platform/win/ItemTextReader.h"

CString FxReadItemText(const std::function<int(LPSTR pszBuffer, int cchBuffer)>& fnRead)
{
    CString str;
    for (int cch = 256; cch <= 65536; cch *= 4) {
        LPSTR pszBuffer = str.GetBuffer(cch);
        pszBuffer[0] = '\0';
        int nLength = fnRead(pszBuffer, cch);
        if (nLength < 0) {
            str.ReleaseBuffer(0);
            break;
        }
        str.ReleaseBuffer(nLength < cch ? nLength : 0);
        if (nLength < cch - 1) {
            break;
        }
    }
    return str;
}
