// Time of loading XML card data whose VARS lists hold tens of thousands of names: it must stay
// linear in the list length (doubling the names about doubles the time).
#include <cstdio>
#include <initializer_list>
#include <string>

#include "bench/BenchClock.h"
#include "core/CardADMLLoader.h"
#include "core/CardObj.h"

int main()
{
    for (int nNames : {20 * 1000, 40 * 1000, 80 * 1000}) {
        std::string xml = "<X><HEAD VARS=\"";
        for (int i = 0; i < nNames; ++i) {
            xml += "\xB1\xE4\xC1\xBF" + std::to_string(i) + ";"; // GBK "变量" and a number
        }
        xml += "\"><VAL>1</VAL></HEAD></X>";
        CCardObj card;
        const double dStart = BenchSeconds();
        const BOOL bLoaded = CCardADMLLoader::LoadADMLText(&card, CString(xml.c_str()), 0);
        std::printf("VARS of %6d names  loaded %d  %.3f s\n", nNames, bLoaded, BenchSeconds() - dStart);
    }
    return 0;
}
