// Time to walk text with find-next loops, as segment reading splits ';'-separated fields: the
// loop must stay linear in the text length, also with GBK characters in it.
#include <cstdio>
#include <initializer_list>

#include "bench/BenchClock.h"
#include "platform/base/String.h"

namespace
{
// Fields of a segment: short names, numbers, Chinese text, empty fields.
CString MakeSegmentText(int nBytes)
{
    const char* const fields[] = {"L", "12.5",  "\xB3\xA4\xB6\xC8",
                                  "",  "Ra3.2", "\xB1\xED\xC3\xE6\xB4\xD6\xB2\xDA\xB6\xC8"};
    CString strText;
    for (int i = 0; strText.GetLength() < nBytes; ++i) {
        strText += fields[i % 6];
        strText += ';';
    }
    return strText;
}

template <class Fn> void Measure(const char* szWhat, const CString& strText, Fn fn)
{
    double dStart = BenchSeconds();
    int nFound = fn(strText);
    double dElapsed = BenchSeconds() - dStart;
    std::printf("%-44s %8d KB  %8d found  %.3f s\n", szWhat, strText.GetLength() / 1024, nFound, dElapsed);
}

int CountByChar(const CString& strText)
{
    int nFound = 0;
    for (int nPos = strText.Find(';'); nPos >= 0; nPos = strText.Find(';', nPos + 1)) {
        ++nFound;
    }
    return nFound;
}

int CountBySubstring(const CString& strText)
{
    int nFound = 0;
    for (int nPos = strText.Find(";"); nPos >= 0; nPos = strText.Find(";", nPos + 1)) {
        ++nFound;
    }
    return nFound;
}

// Splits into fields the way a reader does: find, cut, go on after the separator.
int SplitFields(const CString& strText)
{
    int nFields = 0;
    int nStart = 0;
    for (int nPos = strText.Find(';'); nPos >= 0; nPos = strText.Find(';', nStart)) {
        CString strField = strText.Mid(nStart, nPos - nStart);
        nFields += strField.IsEmpty() ? 0 : 1;
        nStart = nPos + 1;
    }
    return nFields;
}
} // namespace

int main()
{
    for (int nBytes : {200 * 1024, 1024 * 1024}) {
        CString strText = MakeSegmentText(nBytes);
        Measure("Find(';', next) over segment text", strText, CountByChar);
        Measure("Find(\";\", next) over segment text", strText, CountBySubstring);
        Measure("split into fields with Find and Mid", strText, SplitFields);
        CString strSemicolons(';', nBytes);
        Measure("Find(';', next) over ';' only", strSemicolons, CountByChar);
        CString strReplaced = strSemicolons;
        double dStart = BenchSeconds();
        int nReplaced = strReplaced.Replace(";", ",");
        std::printf("%-44s %8d KB  %8d found  %.3f s\n", "Replace(\";\", \",\") over ';' only", nBytes / 1024,
                    nReplaced, BenchSeconds() - dStart);
    }
    return 0;
}
