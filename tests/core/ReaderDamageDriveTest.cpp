// The damage driver over the card model's readers: templates, free objects, figure text and cell
// notation text, each a bounded number of inputs under a time limit. A crash or a hang ends the
// program naming the input; a slow input or one that takes too much memory fails here.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/core/ReaderDamageDrive.h"

namespace
{

// Each input's time limit: well above what any input takes, far below a hang.
constexpr DWORD kLimitMs = 2000;

struct DriveCase
{
    const char* szReader;
    CDamageDriver::Kind kind;
    int nInputs;
    size_t nMaxLength;
    std::vector<DamageSeed> (*fnSeeds)();
    void (*fnRead)(const DamageBytes&);
};

TEST(ReaderDamageDrive, EveryReaderTakesDamagedInputsWithinItsLimits)
{
    const DriveCase cases[] = {
        {"template archive", CDamageDriver::kindBinary, 240, 0, damage::TemplateSeeds, damage::ReadTemplate},
        {"free objects", CDamageDriver::kindBinary, 240, 0, damage::FreeObjectSeeds, damage::ReadTemplate},
        {"figure text", CDamageDriver::kindText, 240, 16 * 1024, damage::FigureSeeds, damage::ReadFigureText},
        {"cell notation text", CDamageDriver::kindText, 40, 4 * 1024, damage::CellTextSeeds, damage::ReadCellText},
    };
    for (const DriveCase& c : cases) {
        SCOPED_TRACE(c.szReader);
        CDamageDriver driver(c.szReader, c.kind, c.nInputs, kLimitMs);
        if (c.nMaxLength != 0) {
            driver.SetMaxLength(c.nMaxLength);
        }
        const DamageReport report = driver.Run(c.fnSeeds(), c.fnRead);
        std::printf("[ drive    ] %s: %d inputs in %.0f ms, slowest %.0f ms (%s)\n", c.szReader, report.nInputs,
                    report.dTotalMs, report.dSlowestMs, report.strSlowest.c_str());
        EXPECT_EQ(c.nInputs, report.nInputs);
        EXPECT_EQ(0, report.nOverLimit) << "slowest: " << report.strSlowest;
        EXPECT_EQ(0, report.nOverMemory);
    }
}

// One cell of 32 KB of short lines, as the designer paints it, within the time limit.
TEST(ReaderDamageDrive, ACellOfManyShortLinesDrawsWithinTheLimit)
{
    CDamageDriver driver("cell notation text", CDamageDriver::kindText, 1, kLimitMs);
    const DamageReport report = driver.Run({damage::ShortLinesSeed()}, damage::ReadCellText);
    std::printf("[ drive    ] 32 KB of short lines in one cell: %.0f ms\n", report.dTotalMs);
    EXPECT_EQ(0, report.nOverLimit);
}

} // namespace
