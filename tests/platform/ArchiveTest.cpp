#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "TestItems.h"
#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/MemFile.h"
#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"

namespace
{
using Bytes = std::vector<BYTE>;

// Builds expected archives by hand, little-endian.
struct ByteBuilder
{
    Bytes v;
    ByteBuilder& b(BYTE by)
    {
        v.push_back(by);
        return *this;
    }
    ByteBuilder& w(WORD wd) { return b(LOBYTE(wd)).b(HIBYTE(wd)); }
    ByteBuilder& d(DWORD dw) { return w(LOWORD(dw)).w(HIWORD(dw)); }
    ByteBuilder& raw(const char* psz)
    {
        v.insert(v.end(), psz, psz + strlen(psz));
        return *this;
    }
    ByteBuilder& newClass(const char* pszName, WORD wSchema = 0)
    {
        return w(0xFFFF).w(wSchema).w(static_cast<WORD>(strlen(pszName))).raw(pszName);
    }
};

template <class Fn> Bytes StoreBytes(Fn fn, int nBufSize = 4096)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, nBufSize);
    fn(ar);
    ar.Close();
    Bytes v(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(v.data(), static_cast<UINT>(v.size()));
    return v;
}

template <class Fn> void LoadBytes(Bytes v, Fn fn, int nBufSize = 4096)
{
    CMemFile file(v.data(), static_cast<UINT>(v.size()));
    CArchive ar(&file, CArchive::load, nBufSize);
    fn(ar);
    ar.Close();
}

// The cause of the CArchiveException loading throws; -1 when nothing is thrown.
template <class Fn> int LoadCause(const Bytes& v, Fn fn)
{
    try {
        LoadBytes(v, fn);
    } catch (CArchiveException* e) {
        int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

void DeleteContents(CObList& list)
{
    std::set<CObject*> unique;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        unique.insert(list.GetNext(pos));
    }
    for (CObject* pOb : unique) {
        delete pOb;
    }
    list.RemoveAll();
}

TEST(ArchiveTest, ScalarsAreLittleEndian)
{
    Bytes v = StoreBytes([](CArchive& ar) {
        ar << BYTE(0x01) << WORD(0x0203) << -2 << DWORD(0x04050607) << LONGLONG(0x08090A0B0C0D0E0F) << true << 1.0
           << 1.0f << short(-1) << LONG(5) << 'x';
    });
    Bytes expected = ByteBuilder()
                         .b(0x01)
                         .w(0x0203)
                         .d(0xFFFFFFFE)
                         .d(0x04050607)
                         .d(0x0C0D0E0F)
                         .d(0x08090A0B)
                         .b(1)
                         .d(0x00000000)
                         .d(0x3FF00000)
                         .d(0x3F800000)
                         .w(0xFFFF)
                         .d(5)
                         .b('x')
                         .v;
    EXPECT_EQ(expected, v);

    LoadBytes(v, [](CArchive& ar) {
        BYTE by = 0;
        WORD w = 0;
        int n = 0;
        DWORD dw = 0;
        LONGLONG ll = 0;
        bool b = false;
        double d = 0;
        float f = 0;
        short sh = 0;
        LONG l = 0;
        char ch = 0;
        ar >> by >> w >> n >> dw >> ll >> b >> d >> f >> sh >> l >> ch;
        EXPECT_EQ(0x01, by);
        EXPECT_EQ(0x0203, w);
        EXPECT_EQ(-2, n);
        EXPECT_EQ(0x04050607u, dw);
        EXPECT_EQ(0x08090A0B0C0D0E0FLL, ll);
        EXPECT_TRUE(b);
        EXPECT_EQ(1.0, d);
        EXPECT_EQ(1.0f, f);
        EXPECT_EQ(-1, sh);
        EXPECT_EQ(5, l);
        EXPECT_EQ('x', ch);
    });
}

TEST(ArchiveTest, StringPrefixesAndRoundTrip)
{
    struct StringCase
    {
        const char* szName;
        int nLength;
        Bytes prefix;
    };
    const StringCase cases[] = {
        {"empty", 0, {0x00}},
        {"longest one-byte prefix", 254, {0xFE}},
        {"255 takes the word form", 255, {0xFF, 0xFF, 0x00}},
        {"300 bytes", 300, {0xFF, 0x2C, 0x01}},
        {"longest word prefix", 0xFFFD, {0xFF, 0xFD, 0xFF}},
        {"0xFFFE takes the dword form", 0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {"70000 bytes", 70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const StringCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CString str;
        for (int i = 0; i < c.nLength; ++i) {
            str += static_cast<char>('a' + i % 26);
        }
        // A small buffer makes long strings cross many refills.
        for (int nBufSize : {4096, 16}) {
            Bytes v = StoreBytes([&](CArchive& ar) { ar << str; }, nBufSize);
            ASSERT_EQ(c.prefix.size() + static_cast<size_t>(c.nLength), v.size());
            EXPECT_EQ(c.prefix, Bytes(v.begin(), v.begin() + static_cast<ptrdiff_t>(c.prefix.size())));
            CString strRead("junk");
            LoadBytes(
                v, [&](CArchive& ar) { ar >> strRead; }, nBufSize);
            EXPECT_TRUE(strRead == str);
        }
    }
}

TEST(ArchiveTest, StringsAreWrittenAsGbkBytes)
{
    Bytes v = StoreBytes([](CArchive& ar) { ar << CString("提示") << "4.2"; });
    EXPECT_EQ((Bytes{0x04, 0xCC, 0xE1, 0xCA, 0xBE, 0x03, '4', '.', '2'}), v);
}

TEST(ArchiveTest, CountsTakeAWordOrTheEscapedDword)
{
    struct CountCase
    {
        const char* szName;
        DWORD_PTR nCount;
        Bytes bytes;
    };
    const CountCase cases[] = {
        {"zero", 0, {0x00, 0x00}},
        {"largest word", 0xFFFE, {0xFE, 0xFF}},
        {"0xFFFF is escaped", 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {"large", 0x12345, {0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bytes, StoreBytes([&](CArchive& ar) { ar.WriteCount(c.nCount); }));
        // Reading checks the count against the bytes left: give it that many.
        Bytes v = c.bytes;
        v.resize(v.size() + c.nCount);
        DWORD_PTR nRead = 1;
        LoadBytes(v, [&](CArchive& ar) { nRead = ar.ReadCount(); });
        EXPECT_EQ(c.nCount, nRead);
        // One byte short, the count itself is refused before any element is read.
        if (c.nCount > 0) {
            v.pop_back();
            EXPECT_EQ(CArchiveException::endOfFile, LoadCause(v, [](CArchive& ar) { ar.ReadCount(); }));
        }
    }
}

// Two objects of one class and one of another: the class tag once, then references that count
// classes and objects with one counter. The same object twice is its index.
TEST(ArchiveTest, ObjectListPinsClassTagsAndSharedIndexes)
{
    CTestItemA a1(1);
    CTestItemA a2(2);
    CTestItemB b1(3);
    CTestItemB b2(4);
    CObList list;
    list.AddTail(&a1);
    list.AddTail(&a2);
    list.AddTail(&b1);
    list.AddTail(&b2);
    list.AddTail(&a1);
    list.AddTail(static_cast<CObject*>(nullptr));

    Bytes v = StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
    Bytes expected = ByteBuilder()
                         .w(6)
                         .newClass("CTestItemA") // class index 1
                         .d(1)                   // object index 2
                         .w(0x8001)
                         .d(2)                   // object index 3
                         .newClass("CTestItemB") // class index 4
                         .d(3)                   // object index 5
                         .w(0x8004)
                         .d(4)      // object index 6
                         .w(0x0002) // a1 again
                         .w(0x0000) // null
                         .v;
    EXPECT_EQ(expected, v);
    list.RemoveAll();

    CObList loaded;
    LoadBytes(v, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(6, loaded.GetCount());
    POSITION pos = loaded.GetHeadPosition();
    CObject* p[6] = {};
    for (CObject*& pOb : p) {
        pOb = loaded.GetNext(pos);
    }
    ASSERT_TRUE(p[0]->IsKindOf(FX_RUNTIME_CLASS(CTestItemA)));
    EXPECT_EQ(1, static_cast<CTestItemA*>(p[0])->m_n);
    EXPECT_EQ(2, static_cast<CTestItemA*>(p[1])->m_n);
    ASSERT_TRUE(p[2]->IsKindOf(FX_RUNTIME_CLASS(CTestItemB)));
    EXPECT_EQ(3, static_cast<CTestItemB*>(p[2])->m_n);
    EXPECT_EQ(4, static_cast<CTestItemB*>(p[3])->m_n);
    EXPECT_EQ(p[0], p[4]);
    EXPECT_EQ(nullptr, p[5]);
    DeleteContents(loaded);
}

// Indexes from 0x7FFF on take the escape word and a dword; a class's with its top bit set.
TEST(ArchiveTest, BigIndexesTakeTheEscapedDword)
{
    std::vector<CTestItemA> items(0x7FFE); // class 1, objects 2..0x7FFF
    CTestItemB b1;
    CTestItemB b2;
    CObList list;
    for (CTestItemA& item : items) {
        list.AddTail(&item);
    }
    list.AddTail(&b1); // class 0x8000, object 0x8001
    list.AddTail(&b2); // object 0x8002
    list.AddTail(&items.back());
    list.AddTail(&items.front());

    Bytes v = StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
    Bytes tail =
        ByteBuilder().newClass("CTestItemB").d(0).w(0x7FFF).d(0x80008000).d(0).w(0x7FFF).d(0x00007FFF).w(0x0002).v;
    ASSERT_GT(v.size(), tail.size());
    EXPECT_EQ(tail, Bytes(v.end() - static_cast<ptrdiff_t>(tail.size()), v.end()));
    EXPECT_EQ((Bytes{0x02, 0x80}), Bytes(v.begin(), v.begin() + 2));
    list.RemoveAll();

    CObList loaded;
    LoadBytes(v, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(0x8002, loaded.GetCount());
    CObject* pLastA = loaded.GetAt(loaded.FindIndex(0x7FFD));
    CObject* pFirstA = loaded.GetHead();
    EXPECT_EQ(pLastA, loaded.GetAt(loaded.FindIndex(0x8000)));
    EXPECT_EQ(pFirstA, loaded.GetTail());
    EXPECT_TRUE(loaded.GetAt(loaded.FindIndex(0x7FFF))->IsKindOf(FX_RUNTIME_CLASS(CTestItemB)));
    DeleteContents(loaded);
}

TEST(ArchiveTest, ObjectReferringToItselfReadsBackAsOnePointer)
{
    CTestItemC c;
    c.m_n = 7;
    c.m_str = "self";
    c.m_pRef = &c;
    Bytes v = StoreBytes([&](CArchive& ar) { ar << &c; });
    // Derived class: the base's field first, then its own; the reference is object index 2.
    EXPECT_EQ(ByteBuilder().newClass("CTestItemC", 3).d(7).b(4).raw("self").w(0x0002).v, v);

    CTestItemC* pRead = nullptr;
    LoadBytes(v, [&](CArchive& ar) { ar >> pRead; });
    ASSERT_NE(nullptr, pRead);
    EXPECT_EQ(pRead, pRead->m_pRef);
    EXPECT_EQ(7, pRead->m_n);
    EXPECT_EQ(3u, pRead->m_nSchemaRead);
    delete pRead;
}

TEST(ArchiveTest, DamagedInputThrowsArchiveException)
{
    struct DamageCase
    {
        const char* szName;
        Bytes bytes;
        int nCause;
    };
    const DamageCase cases[] = {
        {"schema differs", ByteBuilder().w(1).newClass("CTestItemA", 1).d(1).v, CArchiveException::badSchema},
        {"unknown class name", ByteBuilder().w(1).newClass("CTestItemZ").d(1).v, CArchiveException::badClass},
        {"class name with a control byte", ByteBuilder().w(1).newClass("CTest\x01ItemA").d(1).v,
         CArchiveException::badClass},
        {"class name of length 0", ByteBuilder().w(1).w(0xFFFF).w(0).w(0).d(1).v, CArchiveException::badClass},
        {"class name far too long", ByteBuilder().w(1).w(0xFFFF).w(0).w(0x4000).raw("CTestItemA").v,
         CArchiveException::badClass},
        {"class name cut short", ByteBuilder().w(1).w(0xFFFF).w(0).w(40).raw("CTestItemA").v,
         CArchiveException::endOfFile},
        {"class not serialisable", ByteBuilder().w(1).newClass("CTestShape", 0xFFFF).v, CArchiveException::badClass},
        {"count far beyond the data", ByteBuilder().w(0xFFFF).d(0x7FFFFFFF).newClass("CTestItemA").d(1).v,
         CArchiveException::endOfFile},
        {"word count beyond the data", ByteBuilder().w(0x1000).newClass("CTestItemA").d(1).v,
         CArchiveException::endOfFile},
        {"reference to an unread object", ByteBuilder().w(1).w(0x0009).v, CArchiveException::badIndex},
        {"big reference to an unread object", ByteBuilder().w(1).w(0x7FFF).d(0x7FFFFFF0).v,
         CArchiveException::badIndex},
        {"reference to an unknown class", ByteBuilder().w(1).w(0x8005).v, CArchiveException::badIndex},
        {"big reference to an unknown class", ByteBuilder().w(1).w(0x7FFF).d(0xFFFFFFF0).v,
         CArchiveException::badIndex},
        {"object index used as a class", ByteBuilder().w(2).newClass("CTestItemA").d(1).w(0x8002).d(2).v,
         CArchiveException::badIndex},
        {"class index used as an object", ByteBuilder().w(2).newClass("CTestItemA").d(1).w(0x0001).v,
         CArchiveException::badIndex},
        {"object cut inside its fields", ByteBuilder().w(1).newClass("CTestItemA").w(1).v,
         CArchiveException::endOfFile},
    };
    int nLiveBefore = CTestItemA::s_nLive;
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CObList list;
        EXPECT_EQ(c.nCause, LoadCause(c.bytes, [&](CArchive& ar) { list.Serialize(ar); }));
        DeleteContents(list);
        // A half-read object is freed, never leaked.
        EXPECT_EQ(nLiveBefore, CTestItemA::s_nLive);
    }
}
TEST(ArchiveTest, DamagedStringsThrowWithoutAllocatingTheirLength)
{
    struct StringDamageCase
    {
        const char* szName;
        Bytes bytes;
    };
    const StringDamageCase cases[] = {
        {"byte length beyond the data", ByteBuilder().b(20).raw("short").v},
        {"word length beyond the data", ByteBuilder().b(0xFF).w(0xFFF0).raw("short").v},
        {"dword length far beyond the data", ByteBuilder().b(0xFF).w(0xFFFF).d(0x7FFFFFF0).raw("short").v},
        {"largest dword length", ByteBuilder().b(0xFF).w(0xFFFF).d(0xFFFFFFFF).raw("short").v},
        {"UTF-16 marker", ByteBuilder().b(0xFF).w(0xFFFE).b(2).w('a').w('b').v},
        {"prefix cut short", ByteBuilder().b(0xFF).b(0x01).v},
    };
    for (const StringDamageCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CString str("keep");
        EXPECT_NE(-1, LoadCause(c.bytes, [&](CArchive& ar) { ar >> str; }));
    }

    CStringArray array;
    Bytes hugeCount = ByteBuilder().w(0xFFFF).d(0x40000000).b(1).raw("a").v;
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause(hugeCount, [&](CArchive& ar) { array.Serialize(ar); }));
}

// A chain of objects each holding the next: a sane depth loads, a damaged file nesting without
// end is refused before the stack runs out.
TEST(ArchiveTest, NestingDepthIsBounded)
{
    auto chain = [](int nDepth) {
        ByteBuilder bytes;
        bytes.newClass("CTestItemC", 3).d(0).b(0);
        for (int i = 1; i < nDepth; ++i) {
            bytes.w(0x8001).d(static_cast<DWORD>(i)).b(0);
        }
        return bytes.w(0x0000).v;
    };
    CTestItemC* pRead = nullptr;
    LoadBytes(chain(200), [&](CArchive& ar) { ar >> pRead; });
    int nDepth = 0;
    for (CObject* p = pRead; p != nullptr; ++nDepth) {
        CObject* pNext = static_cast<CTestItemC*>(p)->m_pRef;
        delete p;
        p = pNext;
    }
    EXPECT_EQ(200, nDepth);

    int nLiveBefore = CTestItemA::s_nLive;
    EXPECT_EQ(CArchiveException::genericException, LoadCause(chain(100000), [&](CArchive& ar) { ar >> pRead; }));
    EXPECT_EQ(nLiveBefore, CTestItemA::s_nLive);
}

// Every cut of a valid archive throws; nothing crashes and no half-read object is left.
TEST(ArchiveTest, EveryTruncationThrows)
{
    CTestItemA a1(1);
    CTestItemB b1(2);
    CTestItemC c1;
    c1.m_str = CString('x', 300);
    c1.m_pRef = &b1;
    CObList list;
    list.AddTail(&a1);
    list.AddTail(&b1);
    list.AddTail(&c1);
    list.AddTail(&a1);
    Bytes v = StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
    list.RemoveAll();

    int nLiveBefore = CTestItemA::s_nLive;
    for (size_t nCut = 0; nCut < v.size(); ++nCut) {
        SCOPED_TRACE(nCut);
        CObList loaded;
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause(Bytes(v.begin(), v.begin() + static_cast<ptrdiff_t>(nCut)),
                                                          [&](CArchive& ar) { loaded.Serialize(ar); }));
        DeleteContents(loaded);
        EXPECT_EQ(nLiveBefore, CTestItemA::s_nLive);
    }
}

// The archive code lives in VornFx.dll; the exception crosses into this program by pointer.
TEST(ArchiveTest, ExceptionFromVornFxIsCaughtInTheExe)
{
    Bytes truncated = ByteBuilder().w(3).newClass("CTestItemA").v;
    BOOL bCaught = FALSE;
    try {
        CObList list;
        LoadBytes(truncated, [&](CArchive& ar) { list.Serialize(ar); });
    } catch (CException* e) {
        bCaught = TRUE;
        ASSERT_TRUE(e->IsKindOf(FX_RUNTIME_CLASS(CArchiveException)));
        EXPECT_EQ(CArchiveException::endOfFile, static_cast<CArchiveException*>(e)->m_cause);
        char szMessage[256] = {};
        EXPECT_TRUE(e->GetErrorMessage(szMessage, sizeof(szMessage)));
        EXPECT_NE('\0', szMessage[0]);
        e->Delete();
    }
    EXPECT_TRUE(bCaught);
}

TEST(ArchiveTest, TypedReadRejectsAnotherClass)
{
    CTestItemB b(5);
    Bytes v = StoreBytes([&](CArchive& ar) { ar << &b << &b; });
    CTestItemA* pA = nullptr;
    EXPECT_EQ(CArchiveException::badClass, LoadCause(v, [&](CArchive& ar) { ar >> pA; }));
    EXPECT_EQ(nullptr, pA);

    // A reference to an object of another class is refused the same way.
    CTestItemB* pB = nullptr;
    EXPECT_EQ(CArchiveException::badClass, LoadCause(v, [&](CArchive& ar) {
                  ar >> pB;
                  std::unique_ptr<CTestItemB> owner(pB);
                  ar >> pA;
              }));
}

TEST(ArchiveTest, WrongDirectionAndUnserialisableClassThrow)
{
    CTestShape shape;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        int n = 0;
        EXPECT_EQ(CArchiveException::writeOnly, [&] {
            try {
                ar >> n;
            } catch (CArchiveException* e) {
                int nCause = e->m_cause;
                e->Delete();
                return nCause;
            }
            return -1;
        }());
        EXPECT_EQ(CArchiveException::badClass, [&] {
            try {
                ar << &shape;
            } catch (CArchiveException* e) {
                int nCause = e->m_cause;
                e->Delete();
                return nCause;
            }
            return -1;
        }());
    }
    EXPECT_EQ(CArchiveException::readOnly, LoadCause(Bytes{1, 2, 3, 4}, [](CArchive& ar) { ar << 1; }));
}

// Closing a loading archive hands the file back just behind what was consumed, whatever was
// read ahead into the buffer.
TEST(ArchiveTest, CloseLeavesTheFileBehindTheConsumedBytes)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, 16);
        ar << CString("abc") << 7 << CString(CString('z', 40));
        ar.Close();
    }
    EXPECT_EQ(8u + 1 + 40, file.GetLength());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CString str;
    int n = 0;
    ar >> str >> n;
    ar.Close();
    EXPECT_EQ(8u, file.GetPosition());
    EXPECT_EQ(nullptr, ar.GetFile());
}

TEST(ArchiveTest, StringArrayWritesCountThenStrings)
{
    CStringArray array;
    array.Add("a");
    array.Add("");
    array.Add("提示");
    Bytes v = StoreBytes([&](CArchive& ar) { array.Serialize(ar); });
    EXPECT_EQ((Bytes{0x03, 0x00, 0x01, 'a', 0x00, 0x04, 0xCC, 0xE1, 0xCA, 0xBE}), v);

    CStringArray loaded;
    loaded.Add("old");
    LoadBytes(v, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(3, loaded.GetSize());
    EXPECT_TRUE(loaded[0] == "a");
    EXPECT_TRUE(loaded[1].IsEmpty());
    EXPECT_TRUE(loaded[2] == "提示");
}
} // namespace
