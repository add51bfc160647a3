#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "OleTestCtl.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxVariant.h"
#include "platform/ole/OleDispatchDriver.h"

namespace
{
class OleDispatchTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pDisp.Attach(CreateTestCtlDispatch());
        ASSERT_NE(nullptr, static_cast<IDispatch*>(m_pDisp));
    }

    // Invoke with the arguments in the caller's order; the raw HRESULT.
    HRESULT Call(DISPID dispid, WORD wFlags, std::initializer_list<VARIANT> args, VARIANT* pResult,
                 UINT* puArgErr = nullptr)
    {
        std::vector<VARIANT> reversed(args.begin(), args.end());
        std::reverse(reversed.begin(), reversed.end());
        DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()),
                             0};
        UINT uArgErr = 0;
        HRESULT hr = m_pDisp->Invoke(dispid, IID_NULL, 0, wFlags, &params, pResult, nullptr, &uArgErr);
        if (puArgErr != nullptr) {
            *puArgErr = uArgErr;
        }
        return hr;
    }

    CFxComPtr<IDispatch> m_pDisp;
};

VARIANT I2(short n)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I2;
    v.iVal = n;
    return v;
}

VARIANT I4(long n)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

VARIANT Str(const wchar_t* psz)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(psz);
    return v;
}
} // namespace

TEST_F(OleDispatchTest, NamesMapToTableOrderWithoutRegardToCase)
{
    struct NameCase
    {
        const wchar_t* pszName;
        DISPID dispid;
    };
    const NameCase cases[] = {
        {L"Caption", dispidCaption}, {L"caption", dispidCaption}, {L"ADD", dispidAdd},
        {L"getData", dispidGetData}, {L"Size", dispidSize},
    };
    for (const NameCase& c : cases) {
        LPOLESTR names[1] = {const_cast<LPOLESTR>(c.pszName)};
        DISPID dispid = 0;
        EXPECT_EQ(S_OK, m_pDisp->GetIDsOfNames(IID_NULL, names, 1, 0, &dispid)) << c.dispid;
        EXPECT_EQ(c.dispid, dispid);
    }
    LPOLESTR unknown[1] = {const_cast<LPOLESTR>(L"NoSuchMember")};
    DISPID dispid = 0;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, m_pDisp->GetIDsOfNames(IID_NULL, unknown, 1, 0, &dispid));
    EXPECT_EQ(DISPID_UNKNOWN, dispid);
}

TEST_F(OleDispatchTest, EachArgumentTypeIsCoercedToTheHandlersType)
{
    CFxVariant result;

    // I2 and I4, given as text and as a double: coerced.
    CFxVariant a(Str(L"40"));
    EXPECT_EQ(S_OK, Call(dispidAdd, DISPATCH_METHOD, {a, I4(2)}, &result));
    EXPECT_EQ(VT_I4, result.vt);
    EXPECT_EQ(42, result.lVal);

    // Text: BSTR in, GBK for the handler, BSTR out.
    CFxVariant s(Str(L"中文"));
    EXPECT_EQ(S_OK, Call(dispidEcho, DISPATCH_METHOD, {s}, &result));
    ASSERT_EQ(VT_BSTR, result.vt);
    EXPECT_STREQ(L"<中文>", result.bstrVal);
    result.Clear();

    // BOOL.
    VARIANT b;
    VariantInit(&b);
    b.vt = VT_BOOL;
    b.boolVal = VARIANT_FALSE;
    EXPECT_EQ(S_OK, Call(dispidNegate, DISPATCH_METHOD, {b}, &result));
    EXPECT_EQ(VT_BOOL, result.vt);
    EXPECT_EQ(VARIANT_TRUE, result.boolVal);

    // VARIANT passes as it is, read through a reference.
    VARIANT inner = I2(5);
    VARIANT byRef;
    VariantInit(&byRef);
    byRef.vt = VT_BYREF | VT_VARIANT;
    byRef.pvarVal = &inner;
    EXPECT_EQ(S_OK, Call(dispidKindOf, DISPATCH_METHOD, {byRef}, &result));
    EXPECT_EQ(VT_I2, result.vt);
    EXPECT_EQ(VT_I2, result.iVal);

    // IDispatch in and out.
    VARIANT self = I4(1);
    self.vt = VT_BOOL;
    self.boolVal = VARIANT_TRUE;
    EXPECT_EQ(S_OK, Call(dispidGetSelf, DISPATCH_METHOD, {self}, &result));
    ASSERT_EQ(VT_DISPATCH, result.vt);
    EXPECT_EQ(static_cast<IDispatch*>(m_pDisp), result.pdispVal);
    VARIANT count = I4(17);
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&count, &put, 1, 1};
    ASSERT_EQ(S_OK,
              m_pDisp->Invoke(dispidCount, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr));
    VARIANT other;
    VariantInit(&other);
    other.vt = VT_DISPATCH;
    other.pdispVal = result.pdispVal;
    VARIANT counted;
    VariantInit(&counted);
    EXPECT_EQ(S_OK, Call(dispidCountOf, DISPATCH_METHOD, {other}, &counted));
    EXPECT_EQ(17, counted.lVal);
}

TEST_F(OleDispatchTest, WrongArgumentsGiveTheComErrorAndNeverReadPastTheArray)
{
    struct ArgCase
    {
        const char* szName;
        DISPID dispid;
        std::vector<VARIANT> args;
        HRESULT hr;
        UINT uArgErr;
    };
    CFxVariant word(Str(L"word"));
    const ArgCase cases[] = {
        {"too few for Add", dispidAdd, {I2(1)}, DISP_E_BADPARAMCOUNT, 0},
        {"none for Add", dispidAdd, {}, DISP_E_BADPARAMCOUNT, 0},
        {"too many for Negate", dispidNegate, {I4(1), I4(2)}, DISP_E_BADPARAMCOUNT, 0},
        {"arguments to GetData", dispidGetData, {I4(1)}, DISP_E_BADPARAMCOUNT, 0},
        // The second argument (index 0, as arguments arrive last first) is no number.
        {"text for a long", dispidAdd, {I2(1), word}, DISP_E_TYPEMISMATCH, 0},
        {"text for a short", dispidAdd, {word, I4(1)}, DISP_E_TYPEMISMATCH, 1},
        {"overflowing short", dispidAdd, {I4(70000), I4(1)}, DISP_E_OVERFLOW, 1},
        {"number for an object", dispidCountOf, {I4(3)}, DISP_E_TYPEMISMATCH, 0},
        {"no such dispid", 99, {}, DISP_E_MEMBERNOTFOUND, 0},
        {"dispid zero", 0, {}, DISP_E_MEMBERNOTFOUND, 0},
    };
    for (const ArgCase& c : cases) {
        SCOPED_TRACE(c.szName);
        std::vector<VARIANT> reversed(c.args.rbegin(), c.args.rend());
        DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()),
                             0};
        VARIANT result;
        VariantInit(&result);
        UINT uArgErr = 12345;
        EXPECT_EQ(c.hr, m_pDisp->Invoke(c.dispid, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, &uArgErr));
        if (c.hr == DISP_E_TYPEMISMATCH || c.hr == DISP_E_OVERFLOW) {
            EXPECT_EQ(c.uArgErr, uArgErr);
        }
        EXPECT_EQ(VT_EMPTY, result.vt);
    }

    // A count larger than the array given: rejected before any argument is read.
    DISPPARAMS lying = {nullptr, nullptr, 2, 0};
    EXPECT_EQ(E_INVALIDARG,
              m_pDisp->Invoke(dispidAdd, IID_NULL, 0, DISPATCH_METHOD, &lying, nullptr, nullptr, nullptr));
    EXPECT_EQ(E_INVALIDARG,
              m_pDisp->Invoke(dispidAdd, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr));
    // Named arguments to a method.
    VARIANT args[2] = {I4(1), I2(2)};
    DISPID named[2] = {0, 1};
    DISPPARAMS withNames = {args, named, 2, 2};
    EXPECT_EQ(DISP_E_NONAMEDARGS,
              m_pDisp->Invoke(dispidAdd, IID_NULL, 0, DISPATCH_METHOD, &withNames, nullptr, nullptr, nullptr));
}

TEST_F(OleDispatchTest, PropertiesGetAndPutAndRefusePutWithoutItsName)
{
    COleDispatchDriver driver(m_pDisp, FALSE);
    EXPECT_EQ(S_OK, driver.SetProperty(dispidCaption, CString("标题")));
    CString strCaption;
    EXPECT_EQ(S_OK, driver.GetProperty(dispidCaption, &strCaption));
    EXPECT_STREQ("标题", strCaption);
    EXPECT_EQ(S_OK, driver.SetProperty(dispidSize, static_cast<short>(7)));
    short nSize = 0;
    EXPECT_EQ(S_OK, driver.GetProperty(dispidSize, &nSize));
    EXPECT_EQ(7, nSize);

    // A put must name its value DISPID_PROPERTYPUT; a method has no put.
    VARIANT value = I4(3);
    DISPPARAMS unnamed = {&value, nullptr, 1, 0};
    EXPECT_EQ(DISP_E_PARAMNOTOPTIONAL,
              m_pDisp->Invoke(dispidCount, IID_NULL, 0, DISPATCH_PROPERTYPUT, &unnamed, nullptr, nullptr, nullptr));
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS named = {&value, &put, 1, 1};
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND,
              m_pDisp->Invoke(dispidAdd, IID_NULL, 0, DISPATCH_PROPERTYPUT, &named, nullptr, nullptr, nullptr));
}

TEST_F(OleDispatchTest, DriverCallsByDispidAndByNameWithTypedResults)
{
    COleDispatchDriver driver;
    ASSERT_TRUE(driver.CreateDispatch(TESTCTL_PROGID));

    long lSum = 0;
    EXPECT_EQ(S_OK, driver.InvokeHelper(dispidAdd, DISPATCH_METHOD, &lSum, static_cast<short>(2), 40L));
    EXPECT_EQ(42, lSum);
    CString strEcho;
    EXPECT_EQ(S_OK, driver.InvokeHelper(driver.GetIDOfName("echo"), DISPATCH_METHOD, &strEcho, "零件"));
    EXPECT_STREQ("<零件>", strEcho);
    BOOL bNegated = TRUE;
    EXPECT_EQ(S_OK, driver.InvokeHelper(dispidNegate, DISPATCH_METHOD, &bNegated, TRUE));
    EXPECT_FALSE(bNegated);
    EXPECT_EQ(S_OK, driver.InvokeHelper(dispidSetData, DISPATCH_METHOD, nullptr, "blob"));
    short nKind = 0;
    CFxVariant v(Str(L"x"));
    EXPECT_EQ(S_OK, driver.InvokeHelper(dispidKindOf, DISPATCH_METHOD, &nKind, static_cast<const VARIANT&>(v)));
    EXPECT_EQ(VT_BSTR, nKind);
    IDispatch* pSelf = nullptr;
    EXPECT_EQ(S_OK, driver.InvokeHelper(dispidGetSelf, DISPATCH_METHOD, &pSelf, TRUE));
    ASSERT_NE(nullptr, pSelf);
    CFxComPtr<IDispatch> self(pSelf);

    EXPECT_EQ(DISP_E_BADPARAMCOUNT, driver.InvokeHelper(dispidAdd, DISPATCH_METHOD, &lSum, 1L));
    EXPECT_EQ(DISPID_UNKNOWN, driver.GetIDOfName("Nothing"));
    COleDispatchDriver empty;
    EXPECT_EQ(E_POINTER, empty.InvokeHelper(dispidAdd, DISPATCH_METHOD, &lSum, static_cast<short>(1), 1L));
}
