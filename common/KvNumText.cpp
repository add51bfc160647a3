#include "common/KvNumText.h"

#include <cstdlib>
#include <string>

namespace
{
bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}
} // namespace

double KvReadDecimal(LPCSTR psz)
{
    if (psz == nullptr) {
        return 0.0;
    }
    LPCSTR p = psz;
    while (IsSpace(*p)) {
        ++p;
    }
    LPCSTR pStart = p;
    if (*p == '+' || *p == '-') {
        ++p;
    }
    int nDigits = 0;
    for (; KvIsDigit(*p); ++p) {
        ++nDigits;
    }
    if (*p == '.') {
        ++p;
        for (; KvIsDigit(*p); ++p) {
            ++nDigits;
        }
    }
    if (nDigits == 0) {
        return 0.0;
    }
    // An exponent counts only when at least one digit follows it: "1e" and "1e+" read as 1.
    if (*p == 'e' || *p == 'E') {
        LPCSTR q = p + 1;
        if (*q == '+' || *q == '-') {
            ++q;
        }
        if (KvIsDigit(*q)) {
            while (KvIsDigit(*q)) {
                ++q;
            }
            p = q;
        }
    }
    std::string strNumber(pStart, static_cast<size_t>(p - pStart));
    return std::strtod(strNumber.c_str(), nullptr);
}
