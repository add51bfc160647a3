#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "OleTestCtl.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/base/FxVariant.h"
#include "platform/ole/OleDispatchDriver.h"
#include "platform/ole/PropExchange.h"
#include "platform/ole/StreamPropExchange.h"
#include "support/TestCom.h"
#include "support/TestPropertyBag.h"

// After the windows headers, which it needs.
#include <ocidl.h>

namespace
{
void SetSample(IUnknown* pCtl)
{
    COleDispatchDriver driver;
    driver.AttachDispatch(Query<IDispatch>(pCtl, IID_IDispatch));
    driver.SetProperty(dispidCaption, CString("工序卡"));
    driver.SetProperty(dispidCount, 12345L);
    driver.SetProperty(dispidFlag, TRUE);
    driver.SetProperty(dispidSize, static_cast<short>(-3));
    driver.InvokeHelper(dispidSetData, DISPATCH_METHOD, nullptr, "blob\x01\x02");
}

void ExpectSample(IUnknown* pCtl)
{
    COleDispatchDriver driver;
    driver.AttachDispatch(Query<IDispatch>(pCtl, IID_IDispatch));
    CString strCaption;
    long lCount = 0;
    BOOL bFlag = FALSE;
    short nSize = 0;
    CString strData;
    driver.GetProperty(dispidCaption, &strCaption);
    driver.GetProperty(dispidCount, &lCount);
    driver.GetProperty(dispidFlag, &bFlag);
    driver.GetProperty(dispidSize, &nSize);
    driver.InvokeHelper(dispidGetData, DISPATCH_METHOD, &strData);
    EXPECT_STREQ("工序卡", strCaption);
    EXPECT_EQ(12345, lCount);
    EXPECT_TRUE(bFlag);
    EXPECT_EQ(-3, nSize);
    EXPECT_STREQ("blob\x01\x02", strData);
}

CString CaptionOf(IUnknown* pCtl)
{
    COleDispatchDriver driver;
    driver.AttachDispatch(Query<IDispatch>(pCtl, IID_IDispatch));
    CString strCaption;
    driver.GetProperty(dispidCaption, &strCaption);
    return strCaption;
}

} // namespace

TEST(OlePersistTest, StreamRoundTripIntoAFreshInstance)
{
    CFxComPtr<IUnknown> pCtl(CreateTestCtl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pCtl));
    CFxComPtr<IPersistStreamInit> pPersist(Query<IPersistStreamInit>(pCtl, IID_IPersistStreamInit));
    EXPECT_EQ(S_FALSE, pPersist->IsDirty());
    SetSample(pCtl);
    EXPECT_EQ(S_OK, pPersist->IsDirty());

    CFxComPtr<IStream> pStream;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, pStream.Receive()));
    ASSERT_EQ(S_OK, pPersist->Save(pStream, TRUE));
    EXPECT_EQ(S_FALSE, pPersist->IsDirty());

    CFxComPtr<IUnknown> pFresh(CreateTestCtl());
    CFxComPtr<IPersistStreamInit> pFreshPersist(Query<IPersistStreamInit>(pFresh, IID_IPersistStreamInit));
    LARGE_INTEGER zero = {};
    pStream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ASSERT_EQ(S_OK, pFreshPersist->Load(pStream));
    ExpectSample(pFresh);
}

TEST(OlePersistTest, PropertyBagAndStorageRoundTrips)
{
    CFxComPtr<IUnknown> pCtl(CreateTestCtl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pCtl));
    SetSample(pCtl);

    CTestPropertyBag bag;
    ASSERT_EQ(S_OK, CFxComPtr<IPersistPropertyBag>(Query<IPersistPropertyBag>(pCtl, IID_IPersistPropertyBag))
                        ->Save(&bag, TRUE, TRUE));
    ASSERT_EQ(VT_BSTR, bag.m_values[L"Caption"].vt);
    EXPECT_STREQ(L"工序卡", bag.m_values[L"Caption"].bstrVal);
    EXPECT_EQ(VT_I4, bag.m_values[L"Count"].vt);
    EXPECT_EQ(VT_BOOL, bag.m_values[L"Flag"].vt);
    EXPECT_EQ(VT_I2, bag.m_values[L"Size"].vt);
    EXPECT_EQ(VT_ARRAY | VT_UI1, bag.m_values[L"Data"].vt);
    EXPECT_EQ(0x10000, bag.m_values[L"_Version"].lVal);
    CFxComPtr<IUnknown> pFromBag(CreateTestCtl());
    ASSERT_EQ(S_OK, CFxComPtr<IPersistPropertyBag>(Query<IPersistPropertyBag>(pFromBag, IID_IPersistPropertyBag))
                        ->Load(&bag, nullptr));
    ExpectSample(pFromBag);

    // A bag that lacks a value, or holds text for a number, gives the defaults.
    CTestPropertyBag sparse;
    CFxVariant text;
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"not a number");
    sparse.Write(L"Count", &text);
    text.Clear();
    CFxComPtr<IUnknown> pSparse(CreateTestCtl());
    ASSERT_EQ(S_OK, CFxComPtr<IPersistPropertyBag>(Query<IPersistPropertyBag>(pSparse, IID_IPersistPropertyBag))
                        ->Load(&sparse, nullptr));
    EXPECT_STREQ("测试控件", CaptionOf(pSparse));

    CFxComPtr<ILockBytes> pBytes;
    ASSERT_EQ(S_OK, CreateILockBytesOnHGlobal(nullptr, TRUE, pBytes.Receive()));
    CFxComPtr<IStorage> pStorage;
    ASSERT_EQ(S_OK, StgCreateDocfileOnILockBytes(pBytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                                 pStorage.Receive()));
    ASSERT_EQ(S_OK,
              CFxComPtr<IPersistStorage>(Query<IPersistStorage>(pCtl, IID_IPersistStorage))->Save(pStorage, TRUE));
    CFxComPtr<IUnknown> pFromStorage(CreateTestCtl());
    ASSERT_EQ(S_OK,
              CFxComPtr<IPersistStorage>(Query<IPersistStorage>(pFromStorage, IID_IPersistStorage))->Load(pStorage));
    ExpectSample(pFromStorage);
}

TEST(OlePersistTest, EveryTruncatedStreamFailsAndLeavesTheDefaults)
{
    CFxComPtr<IUnknown> pCtl(CreateTestCtl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pCtl));
    SetSample(pCtl);
    CFxComPtr<IStream> pStream;
    CreateStreamOnHGlobal(nullptr, TRUE, pStream.Receive());
    ASSERT_EQ(
        S_OK,
        CFxComPtr<IPersistStreamInit>(Query<IPersistStreamInit>(pCtl, IID_IPersistStreamInit))->Save(pStream, TRUE));
    const std::vector<BYTE> whole = StreamBytes(pStream);
    ASSERT_GT(whole.size(), 20u);

    for (size_t cb = 0; cb < whole.size(); ++cb) {
        SCOPED_TRACE(cb);
        CFxComPtr<IUnknown> pFresh(CreateTestCtl());
        std::vector<BYTE> prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cb));
        CFxComPtr<IStream> pPrefix(StreamOf(prefix));
        EXPECT_TRUE(FAILED(
            CFxComPtr<IPersistStreamInit>(Query<IPersistStreamInit>(pFresh, IID_IPersistStreamInit))->Load(pPrefix)));
        EXPECT_STREQ("测试控件", CaptionOf(pFresh));
    }
}

TEST(OlePersistTest, CountsAreBoundedByWhatTheStreamHolds)
{
    // A text and a blob that claim far more bytes than follow.
    struct CountCase
    {
        const char* szName;
        std::vector<BYTE> bytes;
        BOOL bBlob;
    };
    const CountCase cases[] = {
        {"text of 2 GB", {0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'}, FALSE},
        {"text of 4 GB", {0xFF, 0xFF, 0xFF, 0xFF}, FALSE},
        {"blob of 2 GB", {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}, TRUE},
        {"blob count cut short", {0x10, 0x00}, TRUE},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CFxComPtr<IStream> pStream(StreamOf(c.bytes));
        CStreamPropExchange px(pStream, TRUE);
        if (c.bBlob) {
            HGLOBAL hBlob = reinterpret_cast<HGLOBAL>(1);
            EXPECT_FALSE(px.ExchangeBlob("Data", &hBlob));
            EXPECT_EQ(nullptr, hBlob);
        } else {
            CString str("old");
            EXPECT_FALSE(px.ExchangeString("Text", str, "default"));
            EXPECT_STREQ("default", str);
        }
        EXPECT_TRUE(px.IsFailed());
    }

    // A blob block whose count lies past its own end is saved only as far as the block goes.
    CFxGlobalMem lying;
    ASSERT_TRUE(lying.Alloc(GMEM_MOVEABLE, 8));
    const DWORD cbClaimed = 100000;
    {
        CFxGlobalLock lock(lying);
        BYTE* p = lock.GetAs<BYTE>();
        memcpy(p, &cbClaimed, sizeof(DWORD));
        memcpy(p + 4, "abcd", 4);
    }
    HGLOBAL hLying = lying;
    CFxComPtr<IStream> pOut;
    CreateStreamOnHGlobal(nullptr, TRUE, pOut.Receive());
    CStreamPropExchange pxOut(pOut, FALSE);
    EXPECT_TRUE(pxOut.ExchangeBlob("Data", &hLying));
    const SIZE_T cbBlock = GlobalSize(hLying);
    lying.Close();
    const std::vector<BYTE> written = StreamBytes(pOut);
    ASSERT_GE(written.size(), 4u);
    DWORD cbWritten = 0;
    memcpy(&cbWritten, written.data(), sizeof(DWORD));
    EXPECT_EQ(written.size() - 4, cbWritten);
    EXPECT_LE(cbWritten, cbBlock - 4);
}
