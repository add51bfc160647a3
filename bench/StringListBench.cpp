// Time of the delimited-list walks and removals over long lists: each must stay linear in the
// list length (doubling the list about doubles the time), also with GBK text in the elements.
#include <cstdio>
#include <initializer_list>

#include "bench/BenchClock.h"
#include "common/KvStringMgr.h"

namespace
{
CString MakeList(int nElements)
{
    const char* const items[] = {"L", "12.5", "\xB3\xA4\xB6\xC8", "", "Ra3.2"};
    CString strList;
    for (int i = 0; i < nElements; ++i) {
        CKvStringMgr::AddElementItem(strList, items[i % 5], ",");
    }
    return strList;
}

template <class Fn> void Measure(const char* szWhat, int nElements, Fn fn)
{
    double dStart = BenchSeconds();
    int nResult = fn();
    std::printf("%-40s %8d elements  %8d result  %.3f s\n", szWhat, nElements, nResult, BenchSeconds() - dStart);
}
} // namespace

int main()
{
    for (int nElements : {50 * 1000, 100 * 1000, 200 * 1000}) {
        const CString strList = MakeList(nElements);
        Measure("StringToArray", nElements, [&] {
            CStringArray arr;
            CKvStringMgr::StringToArray(strList, arr, ",");
            return static_cast<int>(arr.GetSize());
        });
        Measure("GetElementCount", nElements, [&] { return CKvStringMgr::GetElementCount(strList, ","); });
        Measure("GetElementIndex of a missing item", nElements,
                [&] { return CKvStringMgr::GetElementIndex(strList, "none", ","); });
        Measure("SetElement of the last element", nElements, [&] {
            CString strCopy = strList;
            CKvStringMgr::SetElement(strCopy, nElements - 1, "x", ",");
            return strCopy.GetLength();
        });
        Measure("DelElementItem of a missing item", nElements, [&] {
            CString strCopy = strList;
            CKvStringMgr::DelElementItem(strCopy, "none", ",");
            return strCopy.GetLength();
        });
        Measure("Remove(\",\") of every delimiter", nElements, [&] {
            CString strCopy = strList;
            CKvStringMgr::Remove(strCopy, CString(","));
            return strCopy.GetLength();
        });
        Measure("Remove(',') of every delimiter", nElements, [&] {
            CString strCopy = strList;
            CKvStringMgr::Remove(strCopy, ',');
            return strCopy.GetLength();
        });
    }
    return 0;
}
