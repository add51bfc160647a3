// Time of reading a card file's name lists: the other-file list ("|" after each name) and the
// card names of the code information (line feeds between them). Each must stay linear in the
// list length (doubling the list about doubles the time), also with GBK names.
#include <cstdio>
#include <initializer_list>

#include "bench/BenchClock.h"
#include "core/CappObj.h"
#include "core/CardCodeItem.h"

int main()
{
    for (int nNames : {40 * 1000, 80 * 1000, 160 * 1000}) {
        CString strOther;
        CString strCards;
        for (int i = 0; i < nNames; ++i) {
            strOther += (i % 2 == 0) ? "\xC1\xE3|" : "a|";
            strCards += (i % 2 == 0) ? "\xBF\xA8\n" : "b\n";
        }
        double dStart = BenchSeconds();
        CStringArray arr;
        CCappObj::LoadStringToArray(strOther, arr);
        std::printf("%-32s %8d names  %8d read  %.3f s\n", "LoadStringToArray", nNames, static_cast<int>(arr.GetSize()),
                    BenchSeconds() - dStart);
        dStart = BenchSeconds();
        CCardCodeItem item;
        item.LoadFromString("1.0<,>C<,>1<,>" + strCards + "<,>");
        std::printf("%-32s %8d names  %8d read  %.3f s\n", "CCardCodeItem::LoadFromString", nNames,
                    static_cast<int>(item.m_arrCardName.GetSize()), BenchSeconds() - dStart);
    }
    return 0;
}
