#include "framework/FwMnemonic.h"

#include <cctype>

char FwMnemonicOf(const CString& strText)
{
    LPCSTR psz = strText;
    for (int i = 0; psz[i] != '\0'; ++i) {
        const unsigned char ch = static_cast<unsigned char>(psz[i]);
        // A GBK lead byte takes its trail byte with it.
        if (ch >= 0x81 && ch <= 0xFE && psz[i + 1] != '\0') {
            ++i;
            continue;
        }
        if (ch == '&' && psz[i + 1] != '\0' && psz[i + 1] != '&') {
            return static_cast<char>(std::tolower(static_cast<unsigned char>(psz[i + 1])));
        }
        if (ch == '&') {
            ++i;
        }
    }
    return 0;
}
