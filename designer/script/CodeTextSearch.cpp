#include "designer/script/CodeTextSearch.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "designer/script/CodeCharFun.h"
#include "designer/script/CodeTextBuffer.h"

namespace
{
const int kMaxLine = 0x7FFFFFFF;

// One search's pattern and flags, matched line by line.
class CLineMatcher
{
public:
    CLineMatcher(const CCodeTextBuffer& buffer, LPCSTR pszText, int nWhat, DWORD dwFlags)
        : m_buffer(buffer), m_strWhat(pszText, static_cast<size_t>(nWhat)), m_nWhat(nWhat),
          m_bCase((dwFlags & FIND_MATCH_CASE) != 0), m_bWhole((dwFlags & FIND_WHOLE_WORD) != 0),
          m_bUp((dwFlags & FIND_DIRECTION_UP) != 0)
    {
        if (!m_bCase) {
            CCodeCharFun::FoldAscii(m_strWhat.data(), m_nWhat);
        }
    }

    // A match on line nLine starting in [nFrom, nTo]: the first one going down, the last going
    // up.
    bool SearchLine(int nLine, int nFrom, int nTo, int& nAt) const
    {
        const LPCSTR pszOrig = m_buffer.LineText(nLine);
        const int nLength = m_buffer.LineLength(nLine);
        std::string strLine(pszOrig, static_cast<size_t>(nLength));
        if (!m_bCase) {
            CCodeCharFun::FoldAscii(strLine.data(), nLength);
        }
        bool bFound = false;
        for (int i = 0; i < nLength; i = CCodeCharFun::NextChar(pszOrig, nLength, i)) {
            if (i < nFrom || i > nTo) {
                continue;
            }
            if (MatchAt(strLine, pszOrig, nLength, i)) {
                nAt = i;
                bFound = true;
                if (!m_bUp) {
                    return true;
                }
            }
        }
        return bFound;
    }

private:
    bool MatchAt(const std::string& strLine, LPCSTR pszOrig, int nLength, int i) const
    {
        if (i + m_nWhat > nLength || memcmp(strLine.data() + i, m_strWhat.data(), static_cast<size_t>(m_nWhat)) != 0) {
            return false;
        }
        if (i + m_nWhat < nLength && CCodeCharFun::CharStart(pszOrig, nLength, i + m_nWhat) != i + m_nWhat) {
            return false;
        }
        if (m_bWhole) {
            if (i > 0 && CCodeCharFun::IsWordCharAt(pszOrig, nLength, CCodeCharFun::PrevChar(pszOrig, nLength, i))) {
                return false;
            }
            if (CCodeCharFun::IsWordCharAt(pszOrig, nLength, i + m_nWhat)) {
                return false;
            }
        }
        return true;
    }

    const CCodeTextBuffer& m_buffer;
    std::string m_strWhat;
    int m_nWhat;
    bool m_bCase;
    bool m_bWhole;
    bool m_bUp;
};
} // namespace

BOOL CCodeTextSearch::Find(const CCodeTextBuffer* pBuffer, LPCSTR pszText, CPoint ptStart, DWORD dwFlags, BOOL bWrap,
                           CPoint& ptFound)
{
    const int nLines = pBuffer != nullptr ? pBuffer->LineCount() : 0;
    const int nWhat = pszText != nullptr ? static_cast<int>(strlen(pszText)) : 0;
    if (nLines == 0 || nWhat == 0) {
        return FALSE;
    }
    const CLineMatcher matcher(*pBuffer, pszText, nWhat, dwFlags);
    ptStart.y = std::clamp<int>(ptStart.y, 0, nLines - 1);
    ptStart.x = std::clamp<LONG>(ptStart.x, 0, pBuffer->LineLength(ptStart.y));
    int nAt = 0;
    if ((dwFlags & FIND_DIRECTION_UP) == 0) {
        for (int nLine = ptStart.y; nLine < nLines; ++nLine) {
            if (matcher.SearchLine(nLine, nLine == ptStart.y ? ptStart.x : 0, kMaxLine, nAt)) {
                ptFound = CPoint(nAt, nLine);
                return TRUE;
            }
        }
        if (bWrap) {
            for (int nLine = 0; nLine <= ptStart.y; ++nLine) {
                if (matcher.SearchLine(nLine, 0, nLine == ptStart.y ? ptStart.x - 1 : kMaxLine, nAt)) {
                    ptFound = CPoint(nAt, nLine);
                    return TRUE;
                }
            }
        }
        return FALSE;
    }
    for (int nLine = ptStart.y; nLine >= 0; --nLine) {
        if (matcher.SearchLine(nLine, 0, nLine == ptStart.y ? ptStart.x - nWhat : kMaxLine, nAt)) {
            ptFound = CPoint(nAt, nLine);
            return TRUE;
        }
    }
    if (bWrap) {
        for (int nLine = nLines - 1; nLine >= ptStart.y; --nLine) {
            if (matcher.SearchLine(nLine, nLine == ptStart.y ? ptStart.x - nWhat + 1 : 0, kMaxLine, nAt)) {
                ptFound = CPoint(nAt, nLine);
                return TRUE;
            }
        }
    }
    return FALSE;
}

void CCodeTextSearch::SetLast(LPCSTR pszText, DWORD dwFlags)
{
    m_strLast = pszText != nullptr ? pszText : "";
    m_dwLastFlags = dwFlags;
    m_bLast = !m_strLast.IsEmpty();
}
