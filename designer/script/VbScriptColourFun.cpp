#include "designer/script/VbScriptColourFun.h"

#include <cstring>
#include <string>

#include "designer/script/CodeCharFun.h"

namespace
{
const char kKeywords[] =
    " Call Const Dim Do Loop Erase Exit For To Step Next Each Function If Then Else On Error Resume "
    "Option Explicit Private Public Randomize ReDim Rem Select Case Set Sub End While Wend And "
    "Eqv Imp Is Mod Not Or Xor ";

const std::string& LowerKeywords()
{
    static const std::string strLower = [] {
        std::string str(kKeywords);
        for (char& ch : str) {
            if (ch >= 'A' && ch <= 'Z') {
                ch = static_cast<char>(ch - 'A' + 'a');
            }
        }
        return str;
    }();
    return strLower;
}

// Identifier characters: a full stop joins "obj.Name" into one word.
bool IsIdentByte(char ch)
{
    return CCodeCharFun::IsWordByte(ch) || ch == '.';
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

bool IsHexDigit(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int ClassOfState(DWORD dwState)
{
    if ((dwState & (PS_LINECOMMENT | PS_BLOCKCOMMENT)) != 0) {
        return COLOUR_COMMENT;
    }
    if ((dwState & (PS_STRING | PS_CHAR)) != 0) {
        return COLOUR_STRING;
    }
    if ((dwState & PS_DIRECTIVE) != 0) {
        return COLOUR_PREPROCESSOR;
    }
    return COLOUR_NORMALTEXT;
}

class CBlockList
{
public:
    CBlockList(CodeTextBlock* pBlocks, int& nBlocks) : m_pBlocks(pBlocks), m_nBlocks(nBlocks) {}

    // Positions never fall: a block before the last one is dropped.
    void Define(int nPos, int nClass)
    {
        if (m_pBlocks == nullptr) {
            return;
        }
        if (m_nBlocks == 0 || m_pBlocks[m_nBlocks - 1].nCharPos <= nPos) {
            m_pBlocks[m_nBlocks].nCharPos = nPos;
            m_pBlocks[m_nBlocks].nColourClass = nClass;
            ++m_nBlocks;
        }
    }

private:
    CodeTextBlock* m_pBlocks;
    int& m_nBlocks;
};
} // namespace

LPCSTR CVbScriptColourFun::KeywordList()
{
    return kKeywords;
}

bool CVbScriptColourFun::MatchKeyword(char* pchWord, int nLength)
{
    // The longest keyword is far shorter: a longer word cannot match.
    if (pchWord == nullptr || nLength <= 0 || nLength > 32) {
        return false;
    }
    std::string strWord = " ";
    strWord.append(pchWord, static_cast<size_t>(nLength));
    strWord += ' ';
    for (char& ch : strWord) {
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    const size_t nAt = LowerKeywords().find(strWord);
    if (nAt == std::string::npos) {
        return false;
    }
    memcpy(pchWord, kKeywords + nAt + 1, static_cast<size_t>(nLength));
    return true;
}

bool CVbScriptColourFun::MatchNumber(LPCSTR pchWord, int nLength)
{
    if (pchWord == nullptr || nLength <= 0) {
        return false;
    }
    if (nLength >= 3 && pchWord[0] == '0' && (pchWord[1] == 'x' || pchWord[1] == 'X')) {
        for (int i = 2; i < nLength; ++i) {
            if (!IsHexDigit(pchWord[i])) {
                return false;
            }
        }
        return true;
    }
    if (pchWord[0] < '0' || pchWord[0] > '9') {
        return false;
    }
    for (int i = 1; i < nLength; ++i) {
        const char ch = pchWord[i];
        if (!(ch >= '0' && ch <= '9') && ch != '+' && ch != '-' && ch != '.' && ch != 'e' && ch != 'E') {
            return false;
        }
    }
    return true;
}

DWORD CVbScriptColourFun::ColourLine(DWORD dwState, char* pszLine, int nLength, CodeTextBlock* pBlocks, int& nBlocks)
{
    if (pBlocks != nullptr) {
        nBlocks = 0;
    }
    if (nLength <= 0 || pszLine == nullptr) {
        return dwState & PS_BLOCKCOMMENT;
    }
    CBlockList blocks(pBlocks, nBlocks);
    bool bLineStart = (dwState & ~static_cast<DWORD>(PS_BLOCKCOMMENT)) == 0;
    int nIdentStart = -1;
    int nBlockAt = 0; // where the next block begins; -1 once begun
    auto closeIdent = [&](int nEnd) {
        if (nIdentStart < 0) {
            return;
        }
        if (MatchKeyword(pszLine + nIdentStart, nEnd - nIdentStart)) {
            blocks.Define(nIdentStart, COLOUR_KEYWORD);
        } else if (MatchNumber(pszLine + nIdentStart, nEnd - nIdentStart)) {
            blocks.Define(nIdentStart, COLOUR_NUMBER);
        }
        nIdentStart = -1;
    };

    int nPrev = -1;
    for (int i = 0; i < nLength; nPrev = i, i = CCodeCharFun::NextChar(pszLine, nLength, i)) {
        if (nBlockAt >= 0 && nBlockAt <= i) {
            blocks.Define(nBlockAt, ClassOfState(dwState));
            nBlockAt = -1;
        }
        const char ch = pszLine[i];
        const bool bDouble = CCodeCharFun::IsLeadByte(ch) && i + 1 < nLength;
        const char chPrev = nPrev >= 0 && !CCodeCharFun::IsLeadByte(pszLine[nPrev]) ? pszLine[nPrev] : '\0';
        if ((dwState & PS_LINECOMMENT) != 0) {
            break;
        }
        if ((dwState & PS_STRING) != 0) {
            if (!bDouble && ch == '"' && chPrev != '\\') {
                dwState &= ~static_cast<DWORD>(PS_STRING);
                nBlockAt = i + 1;
            }
            continue;
        }
        if ((dwState & PS_BLOCKCOMMENT) != 0) {
            if (!bDouble && ch == '/' && chPrev == '*') {
                dwState &= ~static_cast<DWORD>(PS_BLOCKCOMMENT);
                nBlockAt = i + 1;
            }
            continue;
        }
        if (!bDouble && ch == '\'') {
            closeIdent(i);
            blocks.Define(i, COLOUR_COMMENT);
            dwState |= PS_LINECOMMENT;
            break;
        }
        // Rem comments only as a whole word: "Remove" is an identifier.
        if (!bDouble && ch == 'R' && i + 2 < nLength && pszLine[i + 1] == 'e' && pszLine[i + 2] == 'm' &&
            (i + 3 == nLength || !IsIdentByte(pszLine[i + 3])) && !(chPrev != '\0' && IsIdentByte(chPrev))) {
            closeIdent(i);
            blocks.Define(i, COLOUR_COMMENT);
            dwState |= PS_LINECOMMENT;
            break;
        }
        if (!bDouble && ch == '"') {
            closeIdent(i);
            blocks.Define(i, COLOUR_STRING);
            dwState |= PS_STRING;
            bLineStart = false;
            continue;
        }
        if (!bDouble && ch == '*' && chPrev == '/') {
            closeIdent(i);
            blocks.Define(nPrev, COLOUR_COMMENT);
            dwState |= PS_BLOCKCOMMENT;
            bLineStart = false;
            continue;
        }
        if (bLineStart) {
            if (!bDouble && ch == '#') {
                blocks.Define(i, COLOUR_PREPROCESSOR);
                dwState |= PS_DIRECTIVE;
                bLineStart = false;
                continue;
            }
            if (bDouble || !IsBlank(ch)) {
                bLineStart = false;
            }
        }
        if (pBlocks == nullptr) {
            continue;
        }
        if (!bDouble && IsIdentByte(ch)) {
            if (nIdentStart < 0) {
                nIdentStart = i;
            }
            continue;
        }
        if (nIdentStart >= 0) {
            closeIdent(i);
            blocks.Define(i, ClassOfState(dwState));
        }
    }
    if (pBlocks != nullptr) {
        closeIdent(nLength);
    }
    // A line that ends in a backslash (a whole single byte, not a trail byte) carries everything on.
    const int nLast = CCodeCharFun::PrevChar(pszLine, nLength, nLength);
    if (nLast == nLength - 1 && pszLine[nLast] == '\\') {
        return dwState;
    }
    return dwState & PS_BLOCKCOMMENT;
}
