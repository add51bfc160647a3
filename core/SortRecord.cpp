#include "core/SortRecord.h"

#include <cstdlib>
#include <cstring>
#include <climits>
#include <new>
#include <utility>

#include "platform/base/StringArray.h"

FX_IMPLEMENT_DYNCREATE(CSortRecord, CCmdTarget)

namespace
{

BOOL IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

BOOL IsNumberChar(char ch)
{
    return IsDigit(ch) || ch == '.';
}

// The number around nPos: the run of digits and points, or in a run with two or more points
// (a version such as 1.2.10) only the digits, so that its parts compare one by one. GBK trail
// bytes are never digits or points, so the scan cannot land inside a character.
BOOL FindNumber(LPCSTR psz, size_t nPos, size_t& nEnd, double& dValue)
{
    if (!IsNumberChar(psz[nPos])) {
        return FALSE;
    }
    size_t nStart = nPos;
    while (nStart > 0 && IsNumberChar(psz[nStart - 1])) {
        --nStart;
    }
    nEnd = nPos;
    while (IsNumberChar(psz[nEnd])) {
        ++nEnd;
    }
    int nPoints = 0;
    for (size_t i = nStart; i < nEnd; ++i) {
        nPoints += psz[i] == '.' ? 1 : 0;
    }
    if (nPoints >= 2) {
        if (!IsDigit(psz[nPos])) {
            return FALSE;
        }
        nStart = nPos;
        while (nStart > 0 && IsDigit(psz[nStart - 1])) {
            --nStart;
        }
        nEnd = nPos;
        while (IsDigit(psz[nEnd])) {
            ++nEnd;
        }
    } else if (nPoints == static_cast<int>(nEnd - nStart)) {
        return FALSE; // points without a digit
    }
    dValue = std::atof(CString(psz + nStart, static_cast<int>(nEnd - nStart)));
    return TRUE;
}

// Natural order, negated like the other comparisons of a row sort: numbers inside the texts
// compare by value, everything else byte by byte.
int CompareNatural(LPCSTR pszA, LPCSTR pszB)
{
    size_t nA = 0;
    size_t nB = 0;
    for (;;) {
        while (pszA[nA] != '\0' && pszA[nA] == pszB[nB]) {
            ++nA;
            ++nB;
        }
        if (pszA[nA] == '\0' && pszB[nB] == '\0') {
            return 0;
        }
        size_t nEndA = 0;
        size_t nEndB = 0;
        double dA = 0.0;
        double dB = 0.0;
        if (FindNumber(pszA, nA, nEndA, dA) && FindNumber(pszB, nB, nEndB, dB)) {
            if (dA != dB) {
                return dA > dB ? -1 : 1;
            }
            nA = nEndA;
            nB = nEndB;
            continue;
        }
        return -(static_cast<BYTE>(pszA[nA]) - static_cast<BYTE>(pszB[nB]));
    }
}

LPCSTR GetValue(const CPtrArray& arrTable, int nRow, UINT nColumn)
{
    const auto* pRow = static_cast<const CStringArray*>(arrTable[nRow]);
    if (pRow == nullptr || static_cast<INT_PTR>(nColumn) >= pRow->GetSize()) {
        return "";
    }
    return pRow->GetAt(static_cast<INT_PTR>(nColumn));
}

} // namespace

CSortRecord::CSortRecord() : m_pTable(nullptr), m_pOrder(nullptr), m_nRangeSize(-1), m_nSpare1(0), m_nSpare2(0)
{
}

BOOL CSortRecord::SetSortKeys(const CUIntArray& arrKeys, const CUIntArray& arrDirections, const CUIntArray& arrTypes)
{
    const INT_PTR nKeys = arrKeys.GetSize();
    if (nKeys == 0) {
        return FALSE;
    }
    m_arrKey.SetSize(nKeys);
    m_arrDirection.SetSize(nKeys);
    m_arrType.SetSize(nKeys);
    for (INT_PTR i = 0; i < nKeys; ++i) {
        m_arrKey[i] = arrKeys[i];
        m_arrDirection[i] = i < arrDirections.GetSize() ? arrDirections[i] : 1;
        m_arrType[i] = i < arrTypes.GetSize() ? arrTypes[i] : static_cast<UINT>(typeText);
    }
    return !m_arrKey.IsEmpty() && !m_arrDirection.IsEmpty() && !m_arrType.IsEmpty();
}

BOOL CSortRecord::SortRecords(const CPtrArray& arrTable, CUIntArray& arrOrder)
{
    const INT_PTR nRows = arrTable.GetSize();
    if (nRows == 0 || m_arrKey.IsEmpty() || nRows > INT_MAX) {
        return FALSE;
    }
    m_pOrder = new (std::nothrow) int[static_cast<size_t>(nRows)];
    if (m_pOrder == nullptr) {
        return FALSE;
    }
    m_pTable = &arrTable;
    m_nRangeSize = static_cast<int>(nRows);
    for (int i = 0; i < m_nRangeSize; ++i) {
        m_pOrder[i] = i;
    }
    SortRange(0, m_nRangeSize, 0);
    arrOrder.SetSize(nRows);
    for (int i = 0; i < m_nRangeSize; ++i) {
        arrOrder[i] = static_cast<UINT>(m_pOrder[i]);
    }
    delete[] m_pOrder;
    m_pOrder = nullptr;
    m_pTable = nullptr;
    m_nRangeSize = -1;
    return TRUE;
}

// The key's comparison times its direction's sign, as -1, 0 or 1.
int CSortRecord::Compare(int nRowA, int nRowB, INT_PTR nKey) const
{
    LPCSTR pszA = GetValue(*m_pTable, nRowA, m_arrKey[nKey]);
    LPCSTR pszB = GetValue(*m_pTable, nRowB, m_arrKey[nKey]);
    int nResult = 0;
    switch (m_arrType[nKey]) {
    case typeInteger: {
        const long nA = std::atol(pszA);
        const long nB = std::atol(pszB);
        nResult = (nA > nB) - (nA < nB);
        break;
    }
    case typeReal: {
        const double dA = std::atof(pszA);
        const double dB = std::atof(pszB);
        nResult = (dA > dB) - (dA < dB);
        break;
    }
    case typeText:
        // Byte order of GBK text is its multibyte character order: lead bytes lie above every
        // single-byte character.
        nResult = std::strcmp(pszB, pszA);
        break;
    default:
        nResult = CompareNatural(pszA, pszB);
        break;
    }
    nResult = (nResult > 0) - (nResult < 0);
    return m_arrDirection[nKey] != 0 ? nResult : -nResult;
}

// The heap of a range: position 0 has the one child 1, position k > 0 the children 2k and
// 2k + 1; no parent compares greater than a child.
void CSortRecord::SiftDown(int nFirst, int nPos, int nSize, INT_PTR nKey)
{
    for (;;) {
        const int nLeft = nPos == 0 ? 1 : 2 * nPos;
        if (nLeft >= nSize) {
            return;
        }
        int nChild = nLeft;
        const int nRight = nLeft + 1;
        if (nPos != 0 && nRight < nSize && Compare(m_pOrder[nFirst + nRight], m_pOrder[nFirst + nLeft], nKey) < 0) {
            nChild = nRight;
        }
        if (Compare(m_pOrder[nFirst + nChild], m_pOrder[nFirst + nPos], nKey) >= 0) {
            return;
        }
        std::swap(m_pOrder[nFirst + nChild], m_pOrder[nFirst + nPos]);
        nPos = nChild;
    }
}

// Heap-sorts [nFirst, nEnd) so that it descends under the key's comparison, then sorts every
// run of rows equal on this key by the next key.
void CSortRecord::SortRange(int nFirst, int nEnd, INT_PTR nKey)
{
    const int nSize = nEnd - nFirst;
    for (int nPos = nSize - 1; nPos >= 0; --nPos) {
        SiftDown(nFirst, nPos, nSize, nKey);
    }
    for (int nLast = nSize - 1; nLast > 0; --nLast) {
        std::swap(m_pOrder[nFirst], m_pOrder[nFirst + nLast]);
        SiftDown(nFirst, 0, nLast, nKey);
    }
    if (nKey + 1 >= m_arrKey.GetSize()) {
        return;
    }
    int nRun = nFirst;
    while (nRun < nEnd) {
        int nNext = nRun + 1;
        while (nNext < nEnd && Compare(m_pOrder[nRun], m_pOrder[nNext], nKey) == 0) {
            ++nNext;
        }
        if (nNext - nRun >= 2) {
            SortRange(nRun, nNext, nKey + 1);
        }
        nRun = nNext;
    }
}
