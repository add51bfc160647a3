// The shared colours' DWORD-array archive helper: one block each way, and a short block refused.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "framework/FwSystemColors.h"
#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/MemFile.h"

TEST(FwSystemColorsTest, DWordArrayIsOneBlockAndATruncatedOneThrows)
{
    DWORD values[3] = {0x11223344, 0, 0xFFFFFFFF};
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        FwSerializeDWordArray(ar, values, 3);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    // No count in front: 12 bytes, little-endian.
    ASSERT_EQ(12u, bytes.size());
    EXPECT_EQ(0x44, bytes[0]);
    EXPECT_EQ(0x11, bytes[3]);
    EXPECT_EQ(0xFF, bytes[11]);

    for (size_t n = 0; n <= bytes.size(); ++n) {
        SCOPED_TRACE(n);
        DWORD read[3] = {7, 7, 7};
        CMemFile in(bytes.data(), static_cast<UINT>(n));
        CArchive ar(&in, CArchive::load);
        bool bThrown = false;
        try {
            FwSerializeDWordArray(ar, read, 3);
        } catch (CArchiveException* e) {
            bThrown = true;
            EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
            e->Delete();
        }
        EXPECT_EQ(n < bytes.size(), bThrown);
        if (!bThrown) {
            EXPECT_EQ(0, memcmp(values, read, sizeof(values)));
        }
    }
}
