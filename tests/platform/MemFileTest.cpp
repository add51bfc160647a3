#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/base/Archive.h"
#include "platform/base/DWordArray.h"
#include "platform/base/MemFile.h"
#include "platform/base/MemoryException.h"

namespace
{
// -1 when nothing was thrown.
template <class Fn> int ThrownKind(Fn fn)
{
    try {
        fn();
    } catch (CMemoryException* e) {
        e->Delete();
        return 1;
    } catch (CException* e) {
        e->Delete();
        return 2;
    }
    return -1;
}

TEST(MemFileTest, GrowsAndReadsBack)
{
    CMemFile file(100);
    std::vector<BYTE> data(5000);
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<BYTE>(i * 7);
    }
    file.Write(data.data(), 3000);
    file.Write(data.data() + 3000, 2000);
    EXPECT_EQ(5000u, file.GetLength());
    EXPECT_EQ(5000u, file.GetPosition());

    std::vector<BYTE> back(6000);
    file.SeekToBegin();
    EXPECT_EQ(5000u, file.Read(back.data(), 6000));
    EXPECT_EQ(0, memcmp(data.data(), back.data(), 5000));
    EXPECT_EQ(0u, file.Read(back.data(), 10));

    // A write past the end leaves a gap of zeros.
    file.Seek(10, CFile::end);
    file.Write("x", 1);
    EXPECT_EQ(5011u, file.GetLength());
    file.Seek(5000, CFile::begin);
    BYTE gap[11] = {};
    ASSERT_EQ(11u, file.Read(gap, 11));
    EXPECT_EQ(0, gap[0]);
    EXPECT_EQ(0, gap[9]);
    EXPECT_EQ('x', gap[10]);

    file.SetLength(10);
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_EQ(10u, file.GetPosition());
    EXPECT_EQ(2, ThrownKind([&] { file.Seek(-11, CFile::current); }));

    BYTE* pBuffer = file.Detach();
    ASSERT_NE(nullptr, pBuffer);
    EXPECT_EQ(data[9], pBuffer[9]);
    free(pBuffer);
    EXPECT_EQ(0u, file.GetLength());
}

TEST(MemFileTest, FixedBufferIsTheWholeFileAndNeverGrows)
{
    BYTE buffer[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    CMemFile file(buffer, sizeof(buffer));
    EXPECT_EQ(8u, file.GetLength());
    char text[4] = {};
    ASSERT_EQ(3u, file.Read(text, 3));
    EXPECT_STREQ("abc", text);

    file.Write("XY", 2);
    EXPECT_EQ('X', buffer[3]);
    EXPECT_EQ(1, ThrownKind([&] { file.Write("0123", 4); }));
    EXPECT_EQ(8u, file.GetLength());
    EXPECT_EQ(1, ThrownKind([&] { file.SetLength(9); }));

    // The caller keeps the buffer.
    EXPECT_EQ(buffer, file.Detach());
}

TEST(MemFileTest, CallerBufferWithGrowthStartsEmpty)
{
    BYTE buffer[4] = {9, 9, 9, 9};
    CMemFile file;
    file.Attach(buffer, sizeof(buffer), 16);
    EXPECT_EQ(0u, file.GetLength());
    file.Write("ab", 2);
    EXPECT_EQ(2u, file.GetLength());
    EXPECT_EQ('a', buffer[0]);
    EXPECT_EQ(1, ThrownKind([&] { file.Write("cde", 3); }));
}

// Memory runs out where strings, memory files and arrays grow; all raise the same framework exception,
// so the catch (CException*) of every load and save path sees each of them.
TEST(MemFileTest, OutOfMemoryIsOneFrameworkExceptionFromStringsArraysAndMemoryFiles)
{
    struct OomCase
    {
        const char* szName;
        void (*pfnRun)();
    };
    const OomCase cases[] = {
        {"memory file on a full caller's buffer",
         [] {
             BYTE buffer[4] = {};
             CMemFile file(buffer, sizeof(buffer));
             file.Write("12345", 5);
         }},
        {"memory file past what it may address",
         [] {
             CMemFile file(1024);
             file.SetLength(static_cast<SIZE_T>(-1));
         }},
        {"array larger than memory",
         [] {
             CDWordArray array;
             array.SetSize(static_cast<INT_PTR>(1) << 60);
         }},
        // The first 1 GiB is only reserved, never touched; doubling it passes what a string can count.
        {"string longer than a length can count",
         [] {
             CString str;
             str.GetBufferSetLength(1 << 30);
             str += str;
         }},
    };
    for (const OomCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(1, ThrownKind(c.pfnRun));
    }
}

// An archive over a fixed block: a sheet too large for it fails instead of overrunning.
TEST(MemFileTest, ArchiveOverFullFixedBufferThrows)
{
    std::vector<BYTE> block(64);
    CMemFile file(block.data(), static_cast<UINT>(block.size()));
    EXPECT_EQ(1, ThrownKind([&] {
                  CArchive ar(&file, CArchive::store);
                  ar << CString('q', 100);
                  ar.Close();
              }));
}
} // namespace
