// Time of the delimited-list walks over long lists, against a baseline that splits the same text
// the simplest direct way. The product's list loops (one pass over the text) must grow linearly;
// the element-by-element loops they replaced (popping the first element, or asking for element i
// for every i) are timed beside them on smaller lists to show the cost they carried.
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "bench/BenchStats.h"
#include "common/KvStringMgr.h"
#include "core/CappCardData.h"
#include "core/PageMaker.h"
#include "work/PageSortInfo.h"

namespace
{

const int kRuns = 5;

CString MakeList(int nElements)
{
    const char* const items[] = {"L", "12.5", "\xB3\xA4\xB6\xC8", "", "Ra3.2"};
    CString strList;
    for (int i = 0; i < nElements; ++i) {
        CKvStringMgr::AddElementItem(strList, items[i % 5], ",");
    }
    return strList;
}

// The baseline: every element between single-byte delimiters, straight from the bytes. The
// lists here hold no GBK byte equal to the delimiter, so this is the same split.
std::vector<CString> DirectSplit(const CString& strList, char chDelimiter)
{
    std::vector<CString> items;
    const char* p = strList.GetString();
    const char* pEnd = p + strList.GetLength();
    while (p < pEnd) {
        const char* pFound = static_cast<const char*>(std::memchr(p, chDelimiter, static_cast<size_t>(pEnd - p)));
        const char* pStop = pFound != nullptr ? pFound : pEnd;
        items.emplace_back(p, static_cast<int>(pStop - p));
        p = pFound != nullptr ? pFound + 1 : pEnd;
    }
    return items;
}

bool SameItems(const CStringArray& arr, const std::vector<CString>& items)
{
    if (static_cast<size_t>(arr.GetSize()) != items.size()) {
        return false;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        if (arr[static_cast<INT_PTR>(i)] != items[i]) {
            return false;
        }
    }
    return true;
}

// One line per measure and size, with the growth from the previous size of the same measure.
class Row
{
public:
    explicit Row(const char* szWhat) : m_szWhat(szWhat) {}

    void Print(int nSize, const BenchTimes& t)
    {
        BenchPrintTimes(m_szWhat, nSize, t);
        if (m_nPrevSize > 0) {
            std::printf("%-28s          growth %.2f\n", "", BenchGrowth(m_nPrevSize, m_dPrevMedian, nSize, t.dMedian));
        }
        m_nPrevSize = nSize;
        m_dPrevMedian = t.dMedian;
    }

private:
    const char* m_szWhat;
    int m_nPrevSize = 0;
    double m_dPrevMedian = 0.0;
};

// A page order text of n pages and a page numbering text of n entries.
CString MakePageOrderText(int nPages)
{
    CString strText;
    for (int i = 0; i < nPages; ++i) {
        strText.AppendFormat("%d\n\xB9\xA4\xD0\xF2\xBF\xA8%d\n%d\n", i + 1, i, i % 3);
    }
    return strText;
}

CString MakePageNumberingText(int nEntries)
{
    CString strText;
    for (int i = 0; i < nEntries; ++i) {
        strText.AppendFormat("Card%d,%d;", i, 1 + 5 * i);
    }
    return strText;
}

bool LastPageCheck(CPageSortInfo& info, int nPages)
{
    int nFirst = 0;
    CString strName;
    int nSecond = 0;
    return info.GetPageCount() == nPages && info.GetItemInfoByPageOrder(nPages, nFirst, strName, nSecond) &&
           nFirst == nPages && nSecond == (nPages - 1) % 3;
}

} // namespace

int main()
{
    int rc = 0;
    auto check = [&rc](bool bOk, const char* szWhat, int nSize) {
        if (!bOk) {
            std::printf("%s at %d: wrong result\n", szWhat, nSize);
            rc = 1;
        }
    };

    std::printf("One pass over a list (linear) against a direct split of its bytes\n");
    Row rowArray("StringToArray");
    Row rowBase("  baseline direct split");
    Row rowCount("GetElementCount");
    Row rowIndexOf("GetElementIndex, missing");
    Row rowSet("SetElement of the last");
    Row rowDel("DelElementItem, missing");
    Row rowRemove("Remove(\",\") every one");
    Row rowRemoveChar("Remove(',') every one");
    Row rowOrder("page order text load");
    Row rowOrderBase("  baseline direct split");
    Row rowNumbering("page numbering text load");
    for (int nElements : {25 * 1000, 50 * 1000, 100 * 1000, 200 * 1000}) {
        const CString strList = MakeList(nElements);
        CStringArray arr;
        std::vector<CString> items;
        rowArray.Print(nElements, BenchRepeat(kRuns, [&] { CKvStringMgr::StringToArray(strList, arr, ","); }));
        rowBase.Print(nElements, BenchRepeat(kRuns, [&] { items = DirectSplit(strList, ','); }));
        check(SameItems(arr, items), "StringToArray", nElements);
        int nCount = 0;
        rowCount.Print(nElements, BenchRepeat(kRuns, [&] { nCount = CKvStringMgr::GetElementCount(strList, ","); }));
        check(nCount == nElements, "GetElementCount", nElements);
        int nIndex = 0;
        rowIndexOf.Print(nElements,
                         BenchRepeat(kRuns, [&] { nIndex = CKvStringMgr::GetElementIndex(strList, "none", ","); }));
        check(nIndex < 0, "GetElementIndex", nElements);
        CString strCopy;
        rowSet.Print(nElements, BenchRepeat(kRuns, [&] {
                         strCopy = strList;
                         CKvStringMgr::SetElement(strCopy, nElements - 1, "x", ",");
                     }));
        check(strCopy.Right(2) == ",x" || strCopy.Right(3) == ",x,", "SetElement", nElements);
        rowDel.Print(nElements, BenchRepeat(kRuns, [&] {
                         strCopy = strList;
                         CKvStringMgr::DelElementItem(strCopy, "none", ",");
                     }));
        check(CKvStringMgr::GetElementCount(strCopy, ",") <= nElements, "DelElementItem", nElements);
        rowRemove.Print(nElements, BenchRepeat(kRuns, [&] {
                            strCopy = strList;
                            CKvStringMgr::Remove(strCopy, CString(","));
                        }));
        check(strCopy.Find(',') < 0, "Remove(text)", nElements);
        rowRemoveChar.Print(nElements, BenchRepeat(kRuns, [&] {
                                strCopy = strList;
                                CKvStringMgr::Remove(strCopy, ',');
                            }));
        check(strCopy.Find(',') < 0, "Remove(char)", nElements);

        const int nPages = nElements / 3;
        const CString strOrder = MakePageOrderText(nPages);
        CPageSortInfo info;
        rowOrder.Print(nPages, BenchRepeat(kRuns, [&] {
                           CString strText = strOrder;
                           info.LoadDataByString(strText);
                       }));
        check(LastPageCheck(info, nPages), "page order text load", nPages);
        rowOrderBase.Print(nPages, BenchRepeat(kRuns, [&] { items = DirectSplit(strOrder, '\n'); }));
        check(items.size() == static_cast<size_t>(3 * nPages), "page order split", nPages);

        const CString strNumbering = MakePageNumberingText(nPages);
        CCappCardData data;
        rowNumbering.Print(nPages, BenchRepeat(kRuns, [&] { data.SetPageMake(strNumbering); }));
        const auto* pLast =
            data.m_listPageMaker.IsEmpty() ? nullptr : static_cast<const CPageMaker*>(data.m_listPageMaker.GetTail());
        check(data.m_listPageMaker.GetCount() == nPages && pLast != nullptr &&
                  pLast->m_nFirstPage == 1 + 5 * (nPages - 1),
              "page numbering text load", nPages);
    }

    std::printf("\nElement-by-element loops the product no longer uses (quadratic), on shorter lists\n");
    Row rowPop("pop loop (GetElementItem)");
    Row rowIndex("by-index loop");
    Row rowPass("  one pass, same lists");
    for (int nElements : {500, 1000, 2000, 4000}) {
        const CString strList = MakeList(nElements);
        int nPopped = 0;
        rowPop.Print(nElements, BenchRepeat(kRuns, [&] {
                         CString strRest = strList;
                         CString strItem;
                         nPopped = 0;
                         while (CKvStringMgr::GetElementItem(strRest, strItem, ",")) {
                             ++nPopped;
                         }
                     }));
        check(nPopped == nElements, "pop loop", nElements);
        int nFound = 0;
        rowIndex.Print(nElements, BenchRepeat(kRuns, [&] {
                           CString strItem;
                           nFound = 0;
                           while (CKvStringMgr::GetElementItemByIndex(strList, nFound, strItem, ",")) {
                               ++nFound;
                           }
                       }));
        check(nFound == nElements, "by-index loop", nElements);
        CStringArray arr;
        rowPass.Print(nElements, BenchRepeat(kRuns, [&] { CKvStringMgr::StringToArray(strList, arr, ","); }));
        check(arr.GetSize() == nElements, "one pass", nElements);
    }
    return rc;
}
