// The card report control as a container meets it: registered in the test prefix, created by its
// class identifier, its templates persisted as "Sheet%d" blobs, and its drawing before the card's
// data are initialised.
#include <gtest/gtest.h>

#include <math.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "control/ViewPrintPreview.h"
#include "control/VornCtlCtrl.h"
#include "control/VornCtlIds.h"
#include "control/ZoomOleControl.h"
#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappSheet.h"
#include "platform/base/FxCoTaskMem.h"
#include "platform/base/FxVariant.h"
#include "platform/win/MsgBox.h"
#include "platform/base/Archive.h"
#include "platform/base/Firewall.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxRegKey.h"
#include "platform/base/MemFile.h"
#include "platform/doc/PreviewView.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "platform/print/FxResource.h"
#include "platform/print/PreviewBar.h"
#include "platform/print/PrintInfo.h"
#include "platform/res/resource.h"
#include "platform/ole/OleControlSite.h"
#include "platform/ole/OleControlWnd.h"
#include "platform/ole/OleDispatchDriver.h"
#include "support/DibCanvas.h"
#include "support/MessagePump.h"
#include "support/MetafileRecorder.h"
#include "support/PngFile.h"
#include "support/PrinterLikeDC.h"
#include "support/PrintTestPrinter.h"
#include "support/ProcAddress.h"
#include "support/TestCom.h"
#include "support/TestPageSite.h"
#include "support/TestPropertyBag.h"
#include "support/SysDlgDriver.h"
#include "support/TempFolder.h"
#include "support/UiDriver.h"

// After the windows headers, which they need.
#include <ocidl.h>
#include <oleauto.h>
#include <olectl.h>
#include <dlgs.h>

namespace
{
typedef std::vector<BYTE> Bytes;

// Frame edges of the two test templates and the frame's width, in tenths of a millimetre.
const int kLeftT1 = 200;
const int kLeftT2 = 700;
const int kFrameWidth = 10;

CString ControlPath()
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    char* pSlash = strrchr(szPath, '\\');
    if (pSlash != nullptr) {
        pSlash[1] = '\0';
    }
    return CString(szPath) + "VornCtl.dll";
}

// Registers the control through its own entry point, once per process.
HRESULT RegisterControl()
{
    static HRESULT hrRegistered = E_PENDING;
    if (hrRegistered != E_PENDING) {
        return hrRegistered;
    }
    HMODULE hCtl = LoadLibraryA(ControlPath());
    if (hCtl == nullptr) {
        return hrRegistered = HRESULT_FROM_WIN32(GetLastError());
    }
    typedef HRESULT(STDAPICALLTYPE * PFNREGISTER)();
    auto pfnRegister = TestProcAddress<PFNREGISTER>(hCtl, "DllRegisterServer");
    hrRegistered = pfnRegister != nullptr ? pfnRegister() : E_NOINTERFACE;
    return hrRegistered;
}

IUnknown* CreateControl()
{
    if (FAILED(RegisterControl())) {
        return nullptr;
    }
    IUnknown* pUnk = nullptr;
    if (FAILED(CoCreateInstance(CLSID_VornCtl, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&pUnk)))) {
        return nullptr;
    }
    return pUnk;
}

// Ruled rows under a title cell that shows the template's name, so that pictures show where the
// page lies and at what size.
void RuleTemplate(CCappSheet& sheet)
{
    CCappLine* pTitle = sheet.AddCellLineBySpace(1, -1, 300, 0, 10000, 0);
    for (int nPos = 450; nPos < 2800; nPos += 150) {
        sheet.AddCellLineBySpace(1, -1, nPos, 0, 10000, 0);
    }
    if (pTitle == nullptr) {
        return;
    }
    auto* pCell = new CCappCell;
    pCell->m_nCellID = sheet.GetNewCellID();
    pCell->m_nTopLineID = 0;
    pCell->m_nLeftLineID = 0;
    pCell->m_nRightLineID = 10000; // the frame's right line
    pCell->m_nBottomLineID = pTitle->m_nID;
    pCell->m_strText = "工艺卡 " + sheet.m_strName;
    pCell->m_nTextFormat = 0x20 | 0x01 | 0x04;
    pCell->m_nFontHeight = -80;
    sheet.m_HeadCellList.AddTail(pCell);
}

// A template whose frame's left edge lies nLeft tenths of a millimetre in; nCells cells of long
// text make its archive as large as needed.
Bytes SheetArchive(const char* pszName, int nLeft, int nCells = 0)
{
    CCappSheet sheet;
    sheet.NewSheetDef(2100, 2970, kFrameWidth, 100, nLeft, 100, 100, "A4");
    sheet.m_strName = pszName;
    RuleTemplate(sheet);
    for (int i = 0; i < nCells; ++i) {
        auto* pCell = new CCappCell;
        pCell->m_nCellID = sheet.GetNewCellID();
        pCell->m_strText = CString('x', 200);
        sheet.m_HeadCellList.AddTail(pCell);
    }
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        sheet.Serialize(ar);
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// A "Sheet%d" blob: the archive's length, then the archive.
Bytes SheetBlob(const Bytes& archive)
{
    const DWORD cb = static_cast<DWORD>(archive.size());
    Bytes blob(sizeof(DWORD) + archive.size());
    memcpy(blob.data(), &cb, sizeof(DWORD));
    std::copy(archive.begin(), archive.end(), blob.begin() + sizeof(DWORD));
    return blob;
}

CString ZntFileNameOf(IUnknown* pCtl)
{
    COleDispatchDriver driver;
    driver.AttachDispatch(Query<IDispatch>(pCtl, IID_IDispatch));
    CString strText;
    driver.GetProperty(dispidZntFileName, &strText);
    return strText;
}

HRESULT LoadFromBag(IUnknown* pCtl, CTestPropertyBag& bag)
{
    CFxComPtr<IPersistPropertyBag> pPersist(Query<IPersistPropertyBag>(pCtl, IID_IPersistPropertyBag));
    return pPersist->Load(&bag, nullptr);
}

HRESULT SaveToBag(IUnknown* pCtl, CTestPropertyBag& bag)
{
    CFxComPtr<IPersistPropertyBag> pPersist(Query<IPersistPropertyBag>(pCtl, IID_IPersistPropertyBag));
    return pPersist->Save(&bag, TRUE, TRUE);
}

HRESULT DrawControl(IUnknown* pCtl, HDC hdc, const RECT& rc)
{
    CFxComPtr<IViewObject> pView(Query<IViewObject>(pCtl, IID_IViewObject));
    RECTL rcl = {rc.left, rc.top, rc.right, rc.bottom};
    return pView->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, hdc, &rcl, nullptr, nullptr, 0);
}

// The first dark pixel of a row from the left; -1 when the row is white.
int FirstDarkX(const CTestDib& dib, int y)
{
    for (int x = 0; x < dib.Width(); ++x) {
        const COLORREF cr = dib.Pixel(x, y);
        if (GetRValue(cr) < 128 && GetGValue(cr) < 128 && GetBValue(cr) < 128) {
            return x;
        }
    }
    return -1;
}

// The frame's left line lies outside its edge, within the frame width, at dPixels per unit.
::testing::AssertionResult FrameLeftAt(int nLeft, double dPixels, int x)
{
    const double dFrom = (nLeft - kFrameWidth) * dPixels - 2;
    const double dTo = nLeft * dPixels + 2;
    if (x >= dFrom && x <= dTo) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "frame at x " << x << ", expected " << dFrom << " to " << dTo;
}

void PutTwoTemplates(CTestPropertyBag& bag)
{
    bag.PutShort(L"SheetCount", 2);
    bag.PutBytes(L"Sheet0", SheetBlob(SheetArchive("T1", kLeftT1)));
    bag.PutBytes(L"Sheet1", SheetBlob(SheetArchive("T2", kLeftT2)));
}
} // namespace

TEST(VornCtlTest, RegistersItsClassesAndTypeLibrary)
{
    ASSERT_EQ(S_OK, RegisterControl());
    CLSID clsid = {};
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"VORNCTL.VornCtlCtrl.1", &clsid));
    EXPECT_TRUE(IsEqualCLSID(CLSID_VornCtl, clsid));
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"VORNCTL.VornCtlPropPage.1", &clsid));
    EXPECT_TRUE(IsEqualCLSID(CLSID_VornCtlPropPage, clsid));

    CFxComPtr<ITypeLib> pLib;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_VornCtl, 1, 0, 0, pLib.Receive()));
    CFxComPtr<ITypeInfo> pInfo;
    ASSERT_EQ(S_OK, pLib->GetTypeInfoOfGuid(DIID_DVornCtl, pInfo.Receive()));
    struct
    {
        LPCWSTR pszName;
        DISPID dispid;
    } names[] = {{L"ZntFileName", dispidZntFileName},
                 {L"DrawFrameOnPrint", dispidDrawFrameOnPrint},
                 {L"dStyleEx", dispidStyleEx},
                 {L"ScriptTimeLimit", dispidScriptTimeLimit},
                 {L"RunTemplateScripts", dispidRunTemplateScripts},
                 {L"DownloadLimit", dispidDownloadLimit}};
    for (const auto& name : names) {
        LPOLESTR psz = const_cast<LPOLESTR>(name.pszName);
        DISPID dispid = DISPID_UNKNOWN;
        EXPECT_EQ(S_OK, pInfo->GetIDsOfNames(&psz, 1, &dispid));
        EXPECT_EQ(name.dispid, dispid);
    }
    CFxComPtr<ITypeInfo> pEvents;
    EXPECT_EQ(S_OK, pLib->GetTypeInfoOfGuid(DIID_DVornCtlEvents, pEvents.Receive()));

    // The control answers the same names, and the container learns its misc status.
    CFxComPtr<IUnknown> pCtl(CreateControl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pCtl));
    CFxComPtr<IDispatch> pDisp(Query<IDispatch>(pCtl, IID_IDispatch));
    for (const auto& name : names) {
        LPOLESTR psz = const_cast<LPOLESTR>(name.pszName);
        DISPID dispid = DISPID_UNKNOWN;
        EXPECT_EQ(S_OK, pDisp->GetIDsOfNames(IID_NULL, &psz, 1, 0, &dispid));
        EXPECT_EQ(name.dispid, dispid);
    }
    CFxComPtr<IOleObject> pOle(Query<IOleObject>(pCtl, IID_IOleObject));
    DWORD dwStatus = 0;
    ASSERT_EQ(S_OK, pOle->GetMiscStatus(DVASPECT_CONTENT, &dwStatus));
    EXPECT_EQ(0x30191u, dwStatus);
}

TEST(VornCtlTest, TwoTemplatesComeBackFromTheBagAndGoBackWhole)
{
    CTestPropertyBag bag;
    PutTwoTemplates(bag);
    CFxComPtr<IUnknown> pCtl(CreateControl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pCtl));
    ASSERT_EQ(S_OK, LoadFromBag(pCtl, bag));
    EXPECT_STREQ("1;T1;T2", ZntFileNameOf(pCtl));

    CTestPropertyBag saved;
    ASSERT_EQ(S_OK, SaveToBag(pCtl, saved));
    EXPECT_EQ(2, saved.m_values[L"SheetCount"].iVal);
    EXPECT_EQ(10, saved.m_values[L"StyleEx"].lVal);
    // Each block holds its archive exactly: no padding to a fixed size.
    EXPECT_EQ(bag.GetBytes(L"Sheet0"), saved.GetBytes(L"Sheet0"));
    EXPECT_EQ(bag.GetBytes(L"Sheet1"), saved.GetBytes(L"Sheet1"));

    CFxComPtr<IUnknown> pAgain(CreateControl());
    ASSERT_EQ(S_OK, LoadFromBag(pAgain, saved));
    EXPECT_STREQ("1;T1;T2", ZntFileNameOf(pAgain));

    // Blocks written zero-padded to 102400 bytes, as forms saved before hold them, still load.
    CTestPropertyBag padded;
    padded.PutShort(L"SheetCount", 2);
    for (LPCOLESTR pszName : {L"Sheet0", L"Sheet1"}) {
        Bytes block = bag.GetBytes(pszName);
        block.resize(102400, 0);
        padded.PutBytes(pszName, block);
    }
    CFxComPtr<IUnknown> pPadded(CreateControl());
    ASSERT_EQ(S_OK, LoadFromBag(pPadded, padded));
    EXPECT_STREQ("1;T1;T2", ZntFileNameOf(pPadded));

    // No templates stored: "0".
    CTestPropertyBag empty;
    CFxComPtr<IUnknown> pEmpty(CreateControl());
    ASSERT_EQ(S_OK, LoadFromBag(pEmpty, empty));
    EXPECT_STREQ("0", ZntFileNameOf(pEmpty));
}

TEST(VornCtlTest, TemplateOverTheOldFixedBlockPersistsWhole)
{
    const Bytes large = SheetArchive("大模板", kLeftT1, 600);
    ASSERT_GT(large.size(), 102396u);
    CTestPropertyBag bag;
    bag.PutShort(L"SheetCount", 1);
    bag.PutBytes(L"Sheet0", SheetBlob(large));
    CFxComPtr<IUnknown> pCtl(CreateControl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pCtl));
    ASSERT_EQ(S_OK, LoadFromBag(pCtl, bag));
    EXPECT_STREQ("1;大模板", ZntFileNameOf(pCtl));

    // Through a stream, as a form saves it, into a fresh control and out again.
    CFxComPtr<IStream> pStream;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, pStream.Receive()));
    ASSERT_EQ(
        S_OK,
        CFxComPtr<IPersistStreamInit>(Query<IPersistStreamInit>(pCtl, IID_IPersistStreamInit))->Save(pStream, TRUE));
    LARGE_INTEGER zero = {};
    pStream->Seek(zero, STREAM_SEEK_SET, nullptr);
    CFxComPtr<IUnknown> pFresh(CreateControl());
    ASSERT_EQ(S_OK,
              CFxComPtr<IPersistStreamInit>(Query<IPersistStreamInit>(pFresh, IID_IPersistStreamInit))->Load(pStream));
    EXPECT_STREQ("1;大模板", ZntFileNameOf(pFresh));
    CTestPropertyBag saved;
    ASSERT_EQ(S_OK, SaveToBag(pFresh, saved));
    EXPECT_EQ(SheetBlob(large), saved.GetBytes(L"Sheet0"));
}

TEST(VornCtlTest, DamagedOrMissingTemplateBlocksAreSkipped)
{
    const Bytes t1 = SheetArchive("T1", kLeftT1);
    const Bytes t2 = SheetBlob(SheetArchive("T2", kLeftT2));
    // A count past the blob's end, a cut archive, a block shorter than its count field.
    Bytes overCount = SheetBlob(t1);
    overCount.push_back(0);
    const DWORD cbTooMany = static_cast<DWORD>(t1.size() + 2);
    memcpy(overCount.data(), &cbTooMany, sizeof(DWORD));
    Bytes cut = SheetBlob(Bytes(t1.begin(), t1.begin() + static_cast<long>(t1.size() / 2)));
    const struct
    {
        const char* pszCase;
        Bytes first;
        bool bPutFirst;
    } cases[] = {
        {"count past the blob", overCount, true},
        {"cut archive", cut, true},
        {"short block", Bytes(3, 0), true},
        {"missing block", Bytes(), false},
    };
    for (const auto& c : cases) {
        CTestPropertyBag bag;
        bag.PutShort(L"SheetCount", 2);
        if (c.bPutFirst) {
            bag.PutBytes(L"Sheet0", c.first);
        }
        bag.PutBytes(L"Sheet1", t2);
        CFxComPtr<IUnknown> pCtl(CreateControl());
        ASSERT_NE(nullptr, static_cast<IUnknown*>(pCtl));
        ASSERT_EQ(S_OK, LoadFromBag(pCtl, bag)) << c.pszCase;
        EXPECT_STREQ("1;T2", ZntFileNameOf(pCtl)) << c.pszCase;
    }
}

TEST(VornCtlTest, DrawsWhiteThenTheShownTemplate)
{
    const CRect rc(0, 0, 400, 300);
    CFxComPtr<IUnknown> pCtl(CreateControl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pCtl));
    {
        CTestDib dib(rc.Width(), rc.Height(), RGB(0, 0, 255));
        ASSERT_EQ(S_OK, DrawControl(pCtl, dib.DC().GetSafeHdc(), rc));
        EXPECT_EQ(0, dib.CountInk(rc));
    }

    CTestPropertyBag bag;
    PutTwoTemplates(bag);
    ASSERT_EQ(S_OK, LoadFromBag(pCtl, bag));
    // One logical unit is a tenth of a millimetre at the screen's resolution.
    CTestDib first(rc.Width(), rc.Height());
    const double dPixels = first.DC().GetDeviceCaps(LOGPIXELSX) / 254.0;
    ASSERT_EQ(S_OK, DrawControl(pCtl, first.DC().GetSafeHdc(), rc));
    EXPECT_TRUE(FrameLeftAt(kLeftT1, dPixels, FirstDarkX(first, 150)));
    SavePng(TestImagePath("vornctl-template-first.png").c_str(), first.Bits(), first.Width(), first.Height());

    // The number before the first ";" picks the template shown.
    COleDispatchDriver driver;
    driver.AttachDispatch(Query<IDispatch>(pCtl, IID_IDispatch));
    ASSERT_EQ(S_OK, driver.SetProperty(dispidZntFileName, CString("1;T1;T2")));
    CTestDib second(rc.Width(), rc.Height());
    ASSERT_EQ(S_OK, DrawControl(pCtl, second.DC().GetSafeHdc(), rc));
    EXPECT_TRUE(FrameLeftAt(kLeftT2, dPixels, FirstDarkX(second, 150)));

    // An index without a template shows the first.
    ASSERT_EQ(S_OK, driver.SetProperty(dispidZntFileName, CString("5;T1;T2")));
    CTestDib fallback(rc.Width(), rc.Height());
    ASSERT_EQ(S_OK, DrawControl(pCtl, fallback.DC().GetSafeHdc(), rc));
    EXPECT_TRUE(FrameLeftAt(kLeftT1, dPixels, FirstDarkX(fallback, 150)));
}

TEST(VornCtlTest, CreatedByClassInAContainerWindow)
{
    ASSERT_EQ(S_OK, RegisterControl());
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP, 0, 0, 420, 320, nullptr, nullptr));
    COleControlWnd host;
    ASSERT_TRUE(host.CreateControl(CLSID_VornCtl, "", WS_VISIBLE, CRect(10, 10, 410, 310), &frame, 100));
    ASSERT_NE(nullptr, host.GetControlUnknown());
    ASSERT_NE(nullptr, host.GetControlSite()->GetControlWindow());

    CFxComPtr<IPersistPropertyBag> pPersist(
        Query<IPersistPropertyBag>(host.GetControlUnknown(), IID_IPersistPropertyBag));
    CTestPropertyBag bag;
    PutTwoTemplates(bag);
    ASSERT_EQ(S_OK, pPersist->Load(&bag, nullptr));
    EXPECT_STREQ("1;T1;T2", ZntFileNameOf(host.GetControlUnknown()));

    // Drawn once, the control knows its page: an A4 sheet is wider and taller than the window.
    CTestDib dib(400, 300);
    ASSERT_EQ(S_OK, DrawControl(host.GetControlUnknown(), dib.DC().GetSafeHdc(), CRect(0, 0, 400, 300)));
    EXPECT_LT(0, dib.CountInk(CRect(0, 0, 400, 300)));

    // The style property keeps its bits.
    long lStyle = 0;
    host.GetDispatchDriver().GetProperty(dispidStyleEx, &lStyle);
    EXPECT_EQ(10, lStyle);
    host.GetDispatchDriver().SetProperty(dispidStyleEx, 2L);
    host.GetDispatchDriver().GetProperty(dispidStyleEx, &lStyle);
    EXPECT_EQ(2, lStyle);
    // Without bit 0x8 the vertical scroll bar goes; bit 0x2 keeps the horizontal one.
    const LONG lWndStyle = GetWindowLongA(host.GetControlSite()->GetControlWindow(), GWL_STYLE);
    EXPECT_EQ(0, lWndStyle & WS_VSCROLL);
    EXPECT_NE(0, lWndStyle & WS_HSCROLL);
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.UpdateWindow();
    EXPECT_TRUE(SaveWindowPicture(frame.GetSafeHwnd(), "vornctl-in-container.png"));
    host.DestroyWindow();
    frame.DestroyWindow();
}

namespace
{
// Ids of the page's bound controls.
const int kIdcStyleEx = 201;
const int kIdcZntFileName = 203;
const int kIdcHScroll = 204;
const int kIdcVScroll = 205;
const int kIdcTemplateKind = 207;
const int kIdcTemplatePath = 208;
const int kIdcDrawFrameOnPrint = 1037;
} // namespace

TEST(VornCtlTest, PropertyPageShowsAndAppliesTheThreeProperties)
{
    CFxComPtr<IUnknown> pCtl(CreateControl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pCtl));
    COleDispatchDriver driver;
    driver.AttachDispatch(Query<IDispatch>(pCtl, IID_IDispatch));
    const CString strFirst = "Z:\\t\\首页.znt";
    const CString strSecond = "Z:\\t\\继页.znt";
    driver.SetProperty(dispidZntFileName, "1;" + strFirst + ";" + strSecond);
    driver.SetProperty(dispidStyleEx, 8L);

    CFxComPtr<ISpecifyPropertyPages> pSpecify(Query<ISpecifyPropertyPages>(pCtl, IID_ISpecifyPropertyPages));
    CAUUID pages = {};
    ASSERT_EQ(S_OK, pSpecify->GetPages(&pages));
    CFxCoTaskMem<GUID> pageIds(pages.pElems);
    ASSERT_EQ(1u, pages.cElems);
    EXPECT_TRUE(IsEqualCLSID(CLSID_VornCtlPropPage, pages.pElems[0]));

    CFxComPtr<IPropertyPage> pPage;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_VornCtlPropPage, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                     pPage.ReceiveVoid()));
    PROPPAGEINFO info = {};
    ASSERT_EQ(S_OK, pPage->GetPageInfo(&info));
    CFxCoTaskMem<WCHAR> title(info.pszTitle);
    EXPECT_STREQ(L"General", info.pszTitle);
    CTestPageSite site;
    ASSERT_EQ(S_OK, pPage->SetPageSite(&site));
    IUnknown* objects[1] = {pCtl};
    ASSERT_EQ(S_OK, pPage->SetObjects(1, objects));
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "VornCtl", WS_POPUP | WS_CAPTION, 0, 0, info.size.cx + 20, info.size.cy + 40,
                               nullptr, nullptr));
    RECT rcPage = {0, 0, info.size.cx, info.size.cy};
    ASSERT_EQ(S_OK, pPage->Activate(frame.GetSafeHwnd(), &rcPage, FALSE));
    HWND hPage = ::GetWindow(frame.GetSafeHwnd(), GW_CHILD);
    ASSERT_NE(nullptr, hPage);
    // Position 1 picks the continuation-page template and shows its path.
    EXPECT_EQ(1, SendDlgItemMessageA(hPage, kIdcTemplateKind, CB_GETCURSEL, 0, 0));
    EXPECT_STREQ(strSecond, ItemText(hPage, kIdcTemplatePath));
    EXPECT_STREQ("8", ItemText(hPage, kIdcStyleEx));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(hPage, kIdcHScroll));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(hPage, kIdcVScroll));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(hPage, kIdcDrawFrameOnPrint));
    EXPECT_EQ(S_FALSE, pPage->IsPageDirty());

    // Ticking the horizontal scroll bar while the style is 8 gives 10.
    SendDlgItemMessageA(hPage, kIdcHScroll, BM_CLICK, 0, 0);
    EXPECT_STREQ("10", ItemText(hPage, kIdcStyleEx));
    SendDlgItemMessageA(hPage, kIdcDrawFrameOnPrint, BM_CLICK, 0, 0);

    // Back to the first-page template, then a new path for it: the list text follows.
    SendDlgItemMessageA(hPage, kIdcTemplateKind, CB_SETCURSEL, 0, 0);
    SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(kIdcTemplateKind, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(hPage, kIdcTemplateKind)));
    EXPECT_STREQ(strFirst, ItemText(hPage, kIdcTemplatePath));
    EXPECT_STREQ("0;" + strFirst + ";" + strSecond, ItemText(hPage, kIdcZntFileName));
    SetDlgItemTextA(hPage, kIdcTemplatePath, "Z:\\t\\新.znt");
    const CString strExpected = "0;Z:\\t\\新.znt;" + strSecond;
    EXPECT_STREQ(strExpected, ItemText(hPage, kIdcZntFileName));
    EXPECT_EQ(S_OK, pPage->IsPageDirty());
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.UpdateWindow();
    EXPECT_TRUE(SaveWindowPicture(frame.GetSafeHwnd(), "vornctl-property-page.png"));
    ASSERT_EQ(S_OK, pPage->Apply());
    long lStyle = 0;
    BOOL bFrame = FALSE;
    driver.GetProperty(dispidStyleEx, &lStyle);
    driver.GetProperty(dispidDrawFrameOnPrint, &bFrame);
    EXPECT_EQ(10, lStyle);
    EXPECT_TRUE(bFrame);
    EXPECT_STREQ(strExpected, ZntFileNameOf(pCtl));

    EXPECT_EQ(S_OK, pPage->Deactivate());
    pPage->SetObjects(0, nullptr);
    pPage->SetPageSite(nullptr);
    frame.DestroyWindow();
}

namespace
{
// Frame edges of the templates a four-page card draws, page n with template n.
const int kPageLefts[] = {kLeftT1, kLeftT2, 450, 950};

// The control object behind a control this process created.
CVornCtlCtrl* ControlOf(IUnknown* pUnk)
{
    CFxComPtr<IDispatch> pDisp(Query<IDispatch>(pUnk, IID_IDispatch));
    return static_cast<CVornCtlCtrl*>(static_cast<COleControl*>(static_cast<IDispatch*>(pDisp)));
}

CCappSheet* NewTemplate(const char* pszName, int nLeft)
{
    auto* pSheet = new CCappSheet;
    pSheet->NewSheetDef(2100, 2970, kFrameWidth, 100, nLeft, 100, 100, "A4");
    pSheet->m_strName = pszName;
    RuleTemplate(*pSheet);
    return pSheet;
}

// The control in a container window, holding templates T1 and T2 from its properties; Start makes
// its card four pages long, page n drawn by template Tn, as a started card is.
class CCardHost
{
public:
    BOOL Create(const CRect& rcControl)
    {
        if (FAILED(RegisterControl()) ||
            !m_frame.CreateEx(0, nullptr, "VornCtl", WS_POPUP, 0, 0, rcControl.right + 10, rcControl.bottom + 10,
                              nullptr, nullptr) ||
            !m_host.CreateControl(CLSID_VornCtl, "", WS_VISIBLE, rcControl, &m_frame, 100)) {
            return FALSE;
        }
        CTestPropertyBag bag;
        PutTwoTemplates(bag);
        if (FAILED(LoadFromBag(m_host.GetControlUnknown(), bag))) {
            return FALSE;
        }
        m_pCtl = ControlOf(m_host.GetControlUnknown());
        return TRUE;
    }
    void Start()
    {
        CCardObj& card = m_pCtl->GetCappObj().m_CardObj;
        card.m_listSheet.AddTail(NewTemplate("T3", kPageLefts[2]));
        card.m_listSheet.AddTail(NewTemplate("T4", kPageLefts[3]));
        card.m_CardData.m_strMasterName = "T1";
        card.m_CardData.PageMake(2, 2, "T2");
        card.m_CardData.PageMake(3, 3, "T3");
        card.m_CardData.PageMake(4, 4, "T4");
        card.InitSheet(m_pCtl);
        card.m_CardData.m_nPageCount = 4;
        card.SetCurPage(1);
        m_pCtl->GetCappObj().m_nState = 2;
        m_pCtl->SetDataInitialised(TRUE);
    }
    ~CCardHost()
    {
        m_host.DestroyWindow();
        m_frame.DestroyWindow();
    }
    // What the control draws into a white bitmap of its size.
    void Draw(CTestDib& dib)
    {
        DrawControl(m_host.GetControlUnknown(), dib.DC().GetSafeHdc(), CRect(0, 0, dib.Width(), dib.Height()));
    }
    HWND ControlHwnd() const { return m_host.GetControlSite()->GetControlWindow(); }

    CWnd m_frame;
    COleControlWnd m_host;
    CVornCtlCtrl* m_pCtl = nullptr;
};

} // namespace

TEST(VornCtlTest, PageListsGivePagesInTheirOrder)
{
    const struct
    {
        const char* pszName;
        const char* pszList;
        std::vector<int> pages;
    } cases[] = {
        {"ranges and repeats in order", "1, 3-4,2", {1, 3, 4, 2}},
        {"a range backwards is empty", "3-1", {}},
        {"empty text", "", {}},
        {"blanks around a range", " 5 - 6 ", {5, 6}},
        {"one page range", "2-2,2", {2, 2}},
        {"a leading minus is a number", "-5,1", {-5, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CFxArray<int, int> arrPages;
        CVornCtlCtrl::ParsePageList(c.pszList, arrPages);
        std::vector<int> pages;
        for (INT_PTR i = 0; i < arrPages.GetSize(); ++i) {
            pages.push_back(arrPages[i]);
        }
        EXPECT_EQ(c.pages, pages);
    }
}

TEST(VornCtlTest, DrawsTheCardsCurrentSheetOnceTheDataAreInitialised)
{
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    CTestDib before(400, 300);
    host.Draw(before);
    const double dPixels = before.DC().GetDeviceCaps(LOGPIXELSX) / 254.0;
    EXPECT_TRUE(FrameLeftAt(kLeftT1, dPixels, FirstDarkX(before, 150)));

    host.Start();
    host.m_pCtl->GetCappObj().m_CardObj.SetCurPage(3);
    CTestDib third(400, 300);
    host.Draw(third);
    // The frame's line lies outside the edge; the page mapping rounds once more.
    EXPECT_NEAR((kPageLefts[2] - kFrameWidth) * dPixels, FirstDarkX(third, 150), 3);
    SavePng(TestImagePath("vornctl-card-page3.png").c_str(), third.Bits(), third.Width(), third.Height());

    // A reset card that nothing was started or opened in draws nothing.
    host.m_pCtl->GetCappObj().m_nState = 1;
    CTestDib reset(400, 300, RGB(0, 0, 255));
    host.Draw(reset);
    EXPECT_EQ(0, reset.CountInk(CRect(0, 0, 400, 300)));
}

// The whole page asked for is drawn whole: in the window, in a container's drawing of another size,
// and before the first paint; another zoom ends it.
TEST(VornCtlTest, ViewAllDrawsTheWholePageInEveryDrawing)
{
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    host.m_pCtl->ZoomViewAll();
    EXPECT_TRUE(host.m_pCtl->IsViewAll());
    const struct
    {
        const char* pszName;
        int cx;
        int cy;
        const char* pszPicture;
    } cases[] = {
        {"the window's size", 400, 300, "vornctl-viewall-window-size.png"},
        {"a small thumbnail", 160, 120, "vornctl-viewall-thumbnail.png"},
        {"a tall drawing", 300, 600, "vornctl-viewall-tall.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTestDib dib(c.cx, c.cy);
        host.Draw(dib);
        const CRect rcInk = dib.InkBounds(CRect(0, 0, c.cx, c.cy));
        // The frame lies inside the drawing with room to spare, and the page fills one direction.
        EXPECT_GT(rcInk.left, 0);
        EXPECT_GT(rcInk.top, 0);
        EXPECT_LT(rcInk.right, c.cx);
        EXPECT_LT(rcInk.bottom, c.cy);
        EXPECT_TRUE(rcInk.Width() > c.cx * 8 / 10 || rcInk.Height() > c.cy * 8 / 10)
            << rcInk.Width() << "x" << rcInk.Height();
        SavePng(TestImagePath(c.pszPicture).c_str(), dib.Bits(), dib.Width(), dib.Height());
    }

    // On screen: what the window shows.
    const HWND hCtl = host.ControlHwnd();
    ASSERT_TRUE(SaveWindowPicture(host.m_frame.GetSafeHwnd(), "vornctl-viewall-screen.png"));
    CRect rcClient;
    ::GetClientRect(hCtl, &rcClient);
    CTestDib screen(rcClient.Width(), rcClient.Height());
    {
        CClientDC dcWindow(hCtl);
        ::BitBlt(screen.DC().GetSafeHdc(), 0, 0, rcClient.Width(), rcClient.Height(), dcWindow.GetSafeHdc(), 0, 0,
                 SRCCOPY);
    }
    const CRect rcScreenInk = screen.InkBounds(rcClient);
    EXPECT_GT(rcScreenInk.left, 0);
    EXPECT_GT(rcScreenInk.top, 0);
    EXPECT_LT(rcScreenInk.right, rcClient.Width());
    EXPECT_LT(rcScreenInk.bottom, rcClient.Height());

    // Real size again: the page runs past the drawing.
    host.m_pCtl->Zoom100();
    EXPECT_FALSE(host.m_pCtl->IsViewAll());
    CTestDib real(400, 300);
    host.Draw(real);
    const CRect rcRealInk = real.InkBounds(CRect(0, 0, 400, 300));
    EXPECT_TRUE(rcRealInk.right == 400 || rcRealInk.bottom == 300) << rcRealInk.right << "," << rcRealInk.bottom;
}

TEST(VornCtlTest, DispatchMethodsByIdAndByName)
{
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    COleDispatchDriver driver;
    driver.AttachDispatch(Query<IDispatch>(host.m_host.GetControlUnknown(), IID_IDispatch));

    // The simulator calls by dispid: the names must sit at their places, in any case.
    const struct
    {
        const char* pszName;
        DISPID dispid;
    } names[] = {
        {"InitVornData", 4}, {"printpreview", 5}, {"SetVarData", 6},  {"ReSetPageCount", 7}, {"UpdateCurPageData", 8},
        {"DelRow", 9},       {"EmptyRow", 10},    {"IsEmptyRow", 11}, {"GETPAGECOUNT", 12},  {"GetCurPage", 13},
        {"DelAllRow", 14},   {"DelPage", 15},     {"InsertPage", 16},
    };
    for (const auto& n : names) {
        SCOPED_TRACE(n.pszName);
        EXPECT_EQ(n.dispid, driver.GetIDOfName(n.pszName));
    }

    host.Start();
    int bInit = FALSE;
    EXPECT_EQ(S_OK, driver.InvokeHelper(4, DISPATCH_METHOD, &bInit));
    EXPECT_TRUE(bInit);
    // A second start keeps the card.
    EXPECT_EQ(S_OK, driver.InvokeHelper(4, DISPATCH_METHOD, &bInit));
    EXPECT_TRUE(bInit);
    EXPECT_TRUE(host.m_pCtl->IsDataInitialised());

    long nPages = 0;
    EXPECT_EQ(S_OK, driver.InvokeHelper(12, DISPATCH_METHOD, &nPages));
    EXPECT_EQ(4, nPages);
    long nCur = 0;
    EXPECT_EQ(S_OK, driver.InvokeHelper(13, DISPATCH_METHOD, &nCur));
    EXPECT_EQ(1, nCur);

    // No data holds the name: -1, and nothing else happens.
    long nSet = 0;
    EXPECT_EQ(S_OK, driver.InvokeHelper(6, DISPATCH_METHOD, &nSet, CString("NoSuchVar"), 0L, CString("__A16(C4E3)")));
    EXPECT_EQ(-1, nSet);
    // An empty area name is never an area.
    int bEmpty = TRUE;
    EXPECT_EQ(S_OK, driver.InvokeHelper(11, DISPATCH_METHOD, &bEmpty, CString(""), 1L));
    EXPECT_FALSE(bEmpty);

    // Pages out of range give 0 and leave the current page; a page in range gives its number.
    const struct
    {
        short nPage;
        long nResult;
        long nCurAfter;
    } pages[] = {{0, 0, 1}, {5, 0, 1}, {3, 3, 3}, {3, 3, 3}, {4, 4, 4}, {1, 1, 1}};
    for (const auto& p : pages) {
        SCOPED_TRACE(p.nPage);
        long nResult = -9;
        EXPECT_EQ(S_OK, driver.InvokeHelper(19, DISPATCH_METHOD, &nResult, p.nPage));
        EXPECT_EQ(p.nResult, nResult);
        EXPECT_EQ(p.nCurAfter, host.m_pCtl->GetCappObj().m_CardObj.m_nCurPage);
    }

    // About names the product.
    static CString s_strShown;
    FX_MSGBOX_HOOK pfnOld = FxSetMessageBoxHook([](HWND, LPCSTR pszText, LPCSTR, UINT) {
        s_strShown = pszText;
        return IDOK;
    });
    EXPECT_EQ(S_OK, driver.InvokeHelper(17, DISPATCH_METHOD, nullptr));
    FxSetMessageBoxHook(pfnOld);
    EXPECT_STREQ("Vorn Report 2.63", s_strShown);
}

namespace
{
// Counts the limit notices.
class CLimitCtl : public CZoomOleControl
{
public:
    void OnZoomLimit() override { ++m_nNotices; }
    int m_nNotices = 0;
};
} // namespace

// Limits only announce: the factor is taken on either side of them.
TEST(VornCtlTest, ZoomLimitsAnnounceAFactorOutsideThemAndStillTakeIt)
{
    const struct
    {
        float fMin;
        float fMax;
        double dZoom;
        int nNotices;
    } cases[] = {
        {-1.0f, -1.0f, 50.0, 0}, {0.5f, 2.0f, 1.0, 0},   {0.5f, 2.0f, 2.0, 0},   {0.5f, 2.0f, 2.5, 1},
        {0.5f, 2.0f, 0.25, 1},   {-1.0f, 2.0f, 0.01, 0}, {0.5f, -1.0f, 40.0, 0}, {0.5f, -1.0f, 0.4, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fMin << ".." << c.fMax << " zoom " << c.dZoom);
        CLimitCtl ctl;
        ctl.SetPageSize(MM_ANISOTROPIC, CSize(2100, 2970));
        ctl.m_fMinZoom = c.fMin;
        ctl.m_fMaxZoom = c.fMax;
        ctl.SetZoom(c.dZoom);
        EXPECT_EQ(c.nNotices, ctl.m_nNotices);
        EXPECT_DOUBLE_EQ(c.dZoom, ctl.GetZoomFactor());
    }
    CLimitCtl ctl;
    EXPECT_FLOAT_EQ(-1.0f, ctl.m_fMinZoom);
    EXPECT_FLOAT_EQ(-1.0f, ctl.m_fMaxZoom);
}

TEST(VornCtlTest, ZoomCommandsToolsAndScrollBars)
{
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    CVornCtlCtrl* pCtl = host.m_pCtl;
    // The tools wait for the card.
    EXPECT_FALSE(pCtl->ZoomMove());
    EXPECT_FALSE(pCtl->ZoomRange());
    host.Start();
    host.m_frame.ShowWindow(SW_SHOWNOACTIVATE);
    host.m_frame.UpdateWindow();
    const double dReal = ::GetDeviceCaps(CClientDC(nullptr).GetSafeHdc(), LOGPIXELSX) / 254.0;
    EXPECT_DOUBLE_EQ(dReal, pCtl->GetZoomFactor());
    EXPECT_TRUE(SaveWindowPicture(host.m_frame.GetSafeHwnd(), "vornctl-zoom-100.png"));

    // ZoomIn shrinks the picture: the factor is divided, and ZoomOut multiplies it back.
    for (int i = 0; i < 4; ++i) {
        pCtl->ZoomIn();
    }
    EXPECT_NEAR(dReal / pow(1.25, 4), pCtl->GetZoomFactor(), 1e-12);
    EXPECT_EQ(static_cast<int>(floor(2100 * pCtl->GetZoomFactor())), pCtl->GetScaledSize().cx);
    host.m_frame.UpdateWindow();
    EXPECT_TRUE(SaveWindowPicture(host.m_frame.GetSafeHwnd(), "vornctl-zoom-41.png"));
    // The page is narrower than the window now: centred, without a horizontal bar.
    EXPECT_EQ(0, GetWindowLongA(host.ControlHwnd(), GWL_STYLE) & WS_HSCROLL);
    CTestDib small(400, 300);
    host.Draw(small);
    CRect rcSmall;
    ::GetClientRect(host.ControlHwnd(), &rcSmall);
    const double dLeft = (rcSmall.Width() - pCtl->GetScaledSize().cx) / 2 + kLeftT1 * pCtl->GetZoomFactor();
    EXPECT_NEAR(dLeft, FirstDarkX(small, 150), kFrameWidth * pCtl->GetZoomFactor() + 2);
    for (int i = 0; i < 4; ++i) {
        pCtl->ZoomOut();
    }
    EXPECT_NEAR(dReal, pCtl->GetZoomFactor(), 1e-12);

    // Far past any sensible zoom either way, the picture stays within GDI's coordinates and the
    // way back restores the factor.
    for (int i = 0; i < 60; ++i) {
        pCtl->ZoomOut();
    }
    EXPECT_GE(1 << 27, pCtl->GetScaledSize().cx);
    EXPECT_LT(0, pCtl->GetScaledSize().cx);
    for (int i = 0; i < 120; ++i) {
        pCtl->ZoomIn();
    }
    EXPECT_EQ(CSize(1, 1), pCtl->GetScaledSize());
    for (int i = 0; i < 60; ++i) {
        pCtl->ZoomOut();
    }
    EXPECT_NEAR(dReal, pCtl->GetZoomFactor(), 1e-9);
    CTestDib again(400, 300);
    host.Draw(again);
    EXPECT_LT(0, again.CountInk(CRect(0, 0, 400, 300)));

    // Tools: each command toggles its own and replaces the other.
    const struct
    {
        const char* pszName;
        BOOL (CVornCtlCtrl::*pfnCommand)();
        short nState;
    } steps[] = {
        {"pan on", &CVornCtlCtrl::ZoomMove, 4},
        {"pan off", &CVornCtlCtrl::ZoomMove, 0},
        {"zoom rectangle on", &CVornCtlCtrl::ZoomRange, 3},
        {"pan replaces it", &CVornCtlCtrl::ZoomMove, 4},
        {"zoom rectangle replaces pan", &CVornCtlCtrl::ZoomRange, 3},
        {"zoom rectangle off", &CVornCtlCtrl::ZoomRange, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszName);
        EXPECT_TRUE((pCtl->*step.pfnCommand)());
        EXPECT_EQ(step.nState, pCtl->GetZoomState());
    }

    // A dragged rectangle zooms to it and leaves the tool.
    pCtl->ZoomRange();
    const HWND hCtl = host.ControlHwnd();
    ::SendMessageA(hCtl, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::SendMessageA(hCtl, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(110, 60));
    ::SendMessageA(hCtl, WM_LBUTTONUP, 0, MAKELPARAM(110, 60));
    EXPECT_EQ(0, pCtl->GetZoomState());
    CRect rcClient;
    ::GetClientRect(hCtl, &rcClient);
    EXPECT_NEAR(dReal * (rcClient.Width() + 1) / 100, pCtl->GetZoomFactor(), dReal * 0.03);
    pCtl->Zoom100();
    EXPECT_DOUBLE_EQ(dReal, pCtl->GetZoomFactor());

    // Panning drags the page with the mouse.
    pCtl->ScrollTo(CPoint(0, 0));
    pCtl->ZoomMove();
    ::SendMessageA(hCtl, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 200));
    ::SendMessageA(hCtl, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 120));
    EXPECT_EQ(CPoint(50, 80), pCtl->GetScrollPosition());
    ::SendMessageA(hCtl, WM_LBUTTONUP, 0, MAKELPARAM(150, 120));
    // The right button leaves the pan tool.
    ::SendMessageA(hCtl, WM_RBUTTONUP, 0, MAKELPARAM(150, 120));
    EXPECT_EQ(0, pCtl->GetZoomState());

    // The cursors follow the tool.
    const HMODULE hCtlModule = ::GetModuleHandleA("VornCtl.dll");
    const struct
    {
        const char* pszName;
        BOOL (CVornCtlCtrl::*pfnCommand)();
        UINT nCursor;
    } cursors[] = {
        {"zoom rectangle", &CVornCtlCtrl::ZoomRange, 149},
        {"pan", &CVornCtlCtrl::ZoomMove, 130},
    };
    for (const auto& c : cursors) {
        SCOPED_TRACE(c.pszName);
        (pCtl->*c.pfnCommand)();
        ::SendMessageA(hCtl, WM_SETCURSOR, reinterpret_cast<WPARAM>(hCtl), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::LoadCursorA(hCtlModule, MAKEINTRESOURCEA(c.nCursor)), ::GetCursor());
        (pCtl->*c.pfnCommand)();
    }

    // The click tools zoom once about the window's centre, then leave.
    const struct
    {
        const char* pszName;
        int nTool;
        double dFactor;
    } clicks[] = {
        {"click to enlarge", CZoomOleControl::toolZoomIn, 1.25},
        {"click to reduce", CZoomOleControl::toolZoomOut, 1 / 1.25},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.pszName);
        const double dBefore = pCtl->GetZoomFactor();
        pCtl->SetTool(c.nTool);
        ::SendMessageA(hCtl, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        ::SendMessageA(hCtl, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
        EXPECT_NEAR(dBefore * c.dFactor, pCtl->GetZoomFactor(), 1e-12);
        EXPECT_EQ(0, pCtl->GetZoomState());
    }

    // The whole sheet with a margin fits the window.
    ::GetClientRect(hCtl, &rcClient);
    pCtl->ZoomViewAll();
    EXPECT_NEAR(std::min((rcClient.Width() + 1) / 2120.0, (rcClient.Height() + 1) / 2990.0), pCtl->GetZoomFactor(),
                1e-9);
    pCtl->Zoom100();

    // Fit mode refits the page whenever the window is resized.
    pCtl->SetZoomMode(CZoomOleControl::zoomFit);
    ::MoveWindow(host.m_host.GetSafeHwnd(), 0, 0, 300, 200, TRUE);
    ::GetClientRect(hCtl, &rcClient);
    EXPECT_NEAR(std::min(rcClient.Width() / 2100.0, rcClient.Height() / 2970.0), pCtl->GetZoomFactor(), 1e-9);
    EXPECT_EQ(0, GetWindowLongA(hCtl, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
    pCtl->SetZoomMode(CZoomOleControl::zoomFree);
    ::MoveWindow(host.m_host.GetSafeHwnd(), 0, 0, 400, 300, TRUE);
    pCtl->Zoom100();

    // Dropping bit 0x8 hides the vertical bar and scrolls to the top.
    pCtl->ScrollTo(CPoint(50, 80));
    EXPECT_NE(0, GetWindowLongA(hCtl, GWL_STYLE) & WS_VSCROLL);
    host.m_host.GetDispatchDriver().SetProperty(dispidStyleEx, 2L);
    EXPECT_EQ(0, GetWindowLongA(hCtl, GWL_STYLE) & WS_VSCROLL);
    EXPECT_NE(0, GetWindowLongA(hCtl, GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(0, pCtl->GetScrollPosition().y);
    EXPECT_EQ(50, pCtl->GetScrollPosition().x);
    // The bar that is not allowed does not move.
    ::SendMessageA(hCtl, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(0, pCtl->GetScrollPosition().y);
    ::SendMessageA(hCtl, WM_HSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(pCtl->GetScrollLimit().x, pCtl->GetScrollPosition().x);
}

TEST(VornCtlTest, PrintStyleBits)
{
    CFxComPtr<IUnknown> pUnk(CreateControl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pUnk));
    CVornCtlCtrl* pCtl = ControlOf(pUnk);
    const struct
    {
        const char* pszName;
        int nZoomPrint; // -1: ModifyPrintStyle instead
        long lRemove;
        long lAdd;
        DWORD dwStyle;
    } steps[] = {
        {"fit and offset", 1, 0, 0, 0x5},
        {"centre added", -1, 0, 0x2, 0x7},
        {"negative numbers change nothing", -1, -1, -1, 0x7},
        {"real size keeps the centre", 0, 0, 0, 0x2},
        {"removed", -1, 0x2, 0, 0x0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszName);
        if (step.nZoomPrint >= 0) {
            pCtl->SetZoomPrint(static_cast<short>(step.nZoomPrint));
        } else {
            EXPECT_TRUE(pCtl->ModifyPrintStyle(step.lRemove, step.lAdd));
        }
        EXPECT_EQ(step.dwStyle, pCtl->GetPrintStyle());
    }
}

// The left edge of each printed page's frame, in printer pixels: the first line drawn after the
// page's white background.
std::vector<int> PrintedFrameLefts(const std::string& strPs)
{
    std::vector<int> lefts;
    for (size_t nAt = strPs.find("%%Page: "); nAt != std::string::npos; nAt = strPs.find("%%Page: ", nAt + 1)) {
        const size_t nBackground = strPs.find("0 0 moveto\n", nAt);
        const size_t nLine = nBackground != std::string::npos ? strPs.find(" moveto\n", nBackground + 11) : nBackground;
        if (nLine == std::string::npos) {
            lefts.push_back(-1);
            continue;
        }
        const size_t nStart = strPs.rfind('\n', nLine) + 1;
        lefts.push_back(atoi(strPs.substr(nStart, nLine - nStart).c_str()));
    }
    return lefts;
}

TEST(VornCtlTest, PrintsPageListsOnThePostScriptPrinter)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    host.m_pCtl->GetCappObj().m_CardObj.SetCurPage(2);
    const struct
    {
        const char* pszName;
        const char* pszList;
        std::vector<int> pages;
    } cases[] = {
        {"ranges and single pages in the order listed", "1, 3-4,2", {1, 3, 4, 2}},
        {"a range backwards prints nothing", "3-1", {}},
        {"an empty list prints every page", "", {1, 2, 3, 4}},
        {"a page past the card ends the job", "2,9,3", {2}},
        {"a repeated page prints twice", "4,4", {4, 4}},
    };
    CTestTempFolder temp;
    int nJob = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CString strName;
        strName.Format("job%d.ps", ++nJob);
        host.m_pCtl->m_strPrintOutput = temp.PathOf(strName);
        ASSERT_TRUE(host.m_pCtl->PrintPage(c.pszList));
        // The printer is 300 dpi; the frame's line lies within its width outside the edge.
        std::vector<int> pages;
        for (const int nLeft : PrintedFrameLefts(ReadWholeFile(host.m_pCtl->m_strPrintOutput))) {
            int nPage = 0;
            for (int i = 0; i < 4; ++i) {
                const double dEdge = kPageLefts[i] * 300.0 / 254;
                if (nLeft >= dEdge - kFrameWidth * 300.0 / 254 - 2 && nLeft <= dEdge + 2) {
                    nPage = i + 1;
                }
            }
            pages.push_back(nPage);
        }
        EXPECT_EQ(c.pages, pages);
        // The page shown before printing is shown again.
        EXPECT_EQ(2, host.m_pCtl->GetCappObj().m_CardObj.m_nCurPage);
    }
    const std::string strKept = TestImagePath("vornctl-print-1342.ps");
    ::CopyFileA(temp.PathOf("job1.ps"), strKept.c_str(), FALSE);
    RenderPostScript(strKept.c_str(), TestImagePath("vornctl-print-1342-%d.png").c_str());
}

TEST(VornCtlTest, PrintDialogOffersTheCardsPages)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    CString strFromPage;
    CString strToPage;
    CTestSysDialogs dialogs;
    dialogs.OnDialog([&](CTestSysDlg& d) {
        // The page range edits of the print dialog (edt1, edt2).
        strFromPage = d.GetText(0x480);
        strToPage = d.GetText(0x481);
        d.Cancel();
    });
    // Cancelled: nothing printed.
    EXPECT_FALSE(host.m_pCtl->PrintData());
    EXPECT_STREQ("1", strFromPage);
    EXPECT_STREQ("4", strToPage);
}

namespace
{
// Makes the template of that page A4 landscape.
void TurnTemplate(CCardObj& card, int nPage)
{
    CCappSheet* pSheet = card.GetSheetByPage(nPage, 0);
    ASSERT_NE(nullptr, pSheet);
    pSheet->m_nPageWidth = 2970;
    pSheet->m_nPageHeight = 2100;
}
} // namespace

// The printer is set up for A4 portrait; page 2's template is A4 landscape. Each page prints in
// its template's orientation, printed directly or through the print dialog accepted as offered.
TEST(VornCtlTest, EachTemplatePrintsInItsOwnOrientation)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    CCardObj& card = host.m_pCtl->GetCappObj().m_CardObj;
    TurnTemplate(card, 2);
    CTestTempFolder temp;
    const std::vector<std::string> expected = {"Portrait", "Landscape", "Portrait"};

    host.m_pCtl->m_strPrintOutput = temp.PathOf("direct.ps");
    ASSERT_TRUE(host.m_pCtl->PrintPage("1-3"));
    EXPECT_EQ(expected, PostScriptPageOrientations(ReadWholeFile(host.m_pCtl->m_strPrintOutput)));

    // The dialog starts from the page shown, the landscape one.
    card.SetCurPage(2);
    host.m_pCtl->m_strPrintOutput = temp.PathOf("dialog.ps");
    CTestSysDialogs dialogs;
    dialogs.OnDialog([](CTestSysDlg& d) {
        // From page 1 to page 3.
        d.Click(rad3);
        d.SetText(edt2, "3");
        d.Ok();
    });
    EXPECT_TRUE(host.m_pCtl->PrintData());
    EXPECT_EQ(expected, PostScriptPageOrientations(ReadWholeFile(host.m_pCtl->m_strPrintOutput)));
}

namespace
{
// The control window's own visibility bit: WM_SETREDRAW FALSE clears it until redrawing is on again.
BOOL RedrawsItself(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Marks every template's view rectangle, which printing and the preview must leave as it is.
std::vector<CRect> MarkViewRects(CCardObj& card)
{
    std::vector<CRect> rects;
    int nMark = 1;
    for (POSITION pos = card.m_listSheet.GetHeadPosition(); pos != nullptr; ++nMark) {
        auto* pSheet = static_cast<CCappSheet*>(card.m_listSheet.GetNext(pos));
        pSheet->m_rcView.SetRect(nMark, nMark, nMark + 7, nMark + 5);
        rects.push_back(pSheet->m_rcView);
    }
    return rects;
}

std::vector<CRect> ViewRects(CCardObj& card)
{
    std::vector<CRect> rects;
    for (POSITION pos = card.m_listSheet.GetHeadPosition(); pos != nullptr;) {
        rects.push_back(static_cast<CCappSheet*>(card.m_listSheet.GetNext(pos))->m_rcView);
    }
    return rects;
}

// A card of four pages in the control, on the test printer, with a folder for the print files.
class VornCtlPrintJobTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CString strError;
        ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
        ASSERT_TRUE(m_host.Create(CRect(0, 0, 400, 300)));
        m_host.Start();
    }

    CCardObj& Card() { return m_host.m_pCtl->GetCappObj().m_CardObj; }

    CTestTempFolder m_temp;
    CCardHost m_host;
};
} // namespace

// Each page is drawn into the printer's page, not into the control's view rectangle: the
// templates keep theirs, printed and previewed.
TEST_F(VornCtlPrintJobTest, PrintingAndPreviewLeaveTheTemplatesViewRectangles)
{
    CTestUi ui;
    const std::vector<CRect> marked = MarkViewRects(Card());

    m_host.m_pCtl->m_strPrintOutput = m_temp.PathOf("rects.ps");
    ASSERT_TRUE(m_host.m_pCtl->PrintPage("1-4"));
    EXPECT_EQ(4u, PrintedFrameLefts(ReadWholeFile(m_host.m_pCtl->m_strPrintOutput)).size());
    EXPECT_TRUE(marked == ViewRects(Card()));

    CViewPrintPreview view;
    view.m_pCtrl = m_host.m_pCtl;
    CPrintInfo info;
    for (UINT nPage = 1; nPage <= 4; ++nPage) {
        SCOPED_TRACE(nPage);
        info.m_nCurPage = nPage;
        CTestMetafile emf;
        CPrinterLikeDC printer(emf.DC().m_hDC);
        view.OnPrint(&printer, &info);
        EXPECT_FALSE(emf.Find(EMR_FILLRGN).empty()) << emf.Dump();
        EXPECT_TRUE(marked == ViewRects(Card()));
    }
    EXPECT_TRUE(ui.GetBoxes().empty());
}

// A job the printer cannot take is reported once and reported as failed; the control draws
// itself again and shows the page it showed.
TEST_F(VornCtlPrintJobTest, AJobThatFailsIsReportedAndTheControlRedrawsAgain)
{
    Card().SetCurPage(3);
    const struct
    {
        const char* pszName;
        CString strOutput;
    } cases[] = {
        {"a folder that does not exist", m_temp.PathOf("missing\\out.ps")},
        {"a device that is full", "Z:\\dev\\full"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTestUi ui;
        m_host.m_pCtl->m_strPrintOutput = c.strOutput;
        EXPECT_FALSE(m_host.m_pCtl->PrintPage("1-4"));
        ASSERT_EQ(1u, ui.GetBoxes().size());
        EXPECT_STREQ(FxLoadFxString(FX_IDS_PRINT_FAILED), ui.GetBoxes()[0].strText);
        EXPECT_TRUE(RedrawsItself(m_host.ControlHwnd()));
        EXPECT_EQ(3, Card().m_nCurPage);
    }
}

// The status dialog names the job and the printer; its Cancel ends the job after the page in
// hand, without a message and without a finished document.
TEST_F(VornCtlPrintJobTest, CancelInThePrintingDialogStopsTheJobQuietly)
{
    Card().SetCurPage(2);
    m_host.m_pCtl->m_strPrintOutput = m_temp.PathOf("cancelled.ps");
    CTestUi ui;
    HWND hWndStatus = nullptr;
    ui.OnDialog(IDD_FX_PRINTING, [&](CTestDlg& dlg) {
        hWndStatus = dlg.GetHwnd();
        EXPECT_EQ("DocName", dlg.GetText(IDC_FX_PRINT_DOCNAME));
        EXPECT_EQ(FX_TEST_PRINTER, dlg.GetText(IDC_FX_PRINT_PRINTERNAME));
        dlg.Cancel();
    });

    EXPECT_FALSE(m_host.m_pCtl->PrintPage("1-4"));
    EXPECT_NE(nullptr, hWndStatus);
    EXPECT_FALSE(::IsWindow(hWndStatus));
    EXPECT_TRUE(ui.GetBoxes().empty());
    const std::string strPs = ReadWholeFile(m_host.m_pCtl->m_strPrintOutput);
    EXPECT_EQ(std::string::npos, strPs.find("%%EOF"));
    EXPECT_GE(1u, PrintedFrameLefts(strPs).size());
    EXPECT_TRUE(RedrawsItself(m_host.ControlHwnd()));
    EXPECT_EQ(2, Card().m_nCurPage);
}

// The preview shows the first page's template as it prints: landscape.
TEST(VornCtlTest, PreviewOfALandscapeTemplateIsLandscape)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    CWinApp app("VornCtlTests");
    ASSERT_TRUE(SelectTestPrinter(&app));
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    TurnTemplate(host.m_pCtl->GetCappObj().m_CardObj, 1);
    app.m_pMainWnd = &host.m_frame;
    CVornCtlCtrl* pCtl = host.m_pCtl;
    pCtl->PrintPreview();
    ASSERT_TRUE(pCtl->IsPreviewOpen());
    auto* pPreview = dynamic_cast<CPreviewView*>(pCtl->GetPreviewFrame()->GetActiveView());
    ASSERT_NE(nullptr, pPreview);
    CDC* pPrinterDC = pPreview->GetPrinterDC();
    EXPECT_GT(pPrinterDC->GetDeviceCaps(HORZRES), pPrinterDC->GetDeviceCaps(VERTRES));
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_CLOSE);
    PumpTestMessages();
    EXPECT_FALSE(pCtl->IsPreviewOpen());
    EXPECT_EQ(&host.m_frame, app.m_pMainWnd);
    app.m_pMainWnd = nullptr;
}

TEST(VornCtlTest, PrintPreviewOpensPagesAndGivesTheContainerBack)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    CWinApp app("VornCtlTests");
    ASSERT_TRUE(SelectTestPrinter(&app));
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    host.m_frame.ShowWindow(SW_SHOWNOACTIVATE);
    app.m_pMainWnd = &host.m_frame;
    CTestUi ui;

    CVornCtlCtrl* pCtl = host.m_pCtl;
    pCtl->PrintPreview();
    ASSERT_TRUE(pCtl->IsPreviewOpen());
    CFrameWnd* pFrame = pCtl->GetPreviewFrame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(pFrame, app.m_pMainWnd);
    EXPECT_TRUE(::IsZoomed(pFrame->GetSafeHwnd()));
    CString strTitle;
    pFrame->GetWindowText(strTitle);
    EXPECT_STREQ("T1", strTitle);
    CView* pView = pFrame->GetActiveView();
    ASSERT_NE(nullptr, pView);
    ASSERT_TRUE(pView->IsKindOf(FX_RUNTIME_CLASS(CPreviewView)));
    auto* pPreview = static_cast<CPreviewView*>(pView);
    EXPECT_EQ(1u, pPreview->GetCurrentPage());
    // A maximised frame overhangs the screen by its borders, which a screen capture cannot read.
    ::ShowWindow(pFrame->GetSafeHwnd(), SW_RESTORE);
    ::MoveWindow(pFrame->GetSafeHwnd(), 0, 0, 900, 700, TRUE);
    PumpTestMessages();
    EXPECT_TRUE(SaveWindowPicture(pFrame->GetSafeHwnd(), "vornctl-preview-page1.png"));

    // A second request leaves the one preview as it is.
    pCtl->PrintPreview();
    EXPECT_EQ(pFrame, pCtl->GetPreviewFrame());

    // Paging through the card: the last page stops the next button.
    const HWND hBar = ::GetDlgItem(pFrame->GetSafeHwnd(), FX_IDW_PREVIEW_BAR);
    ASSERT_NE(nullptr, hBar);
    for (UINT nPage = 2; nPage <= 4; ++nPage) {
        pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_NEXT);
        EXPECT_EQ(nPage, pPreview->GetCurrentPage());
    }
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hBar, FX_ID_PREVIEW_NEXT)));
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_NEXT);
    EXPECT_EQ(4u, pPreview->GetCurrentPage());
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_NUMPAGE);
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_PREV);
    PumpTestMessages();
    EXPECT_TRUE(SaveWindowPicture(pFrame->GetSafeHwnd(), "vornctl-preview-pages.png"));

    // The print button prints every page, and the preview stays.
    CTestTempFolder temp;
    pCtl->m_strPrintOutput = temp.PathOf("preview.ps");
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_PRINT);
    std::vector<int> lefts = PrintedFrameLefts(ReadWholeFile(pCtl->m_strPrintOutput));
    EXPECT_EQ(4u, lefts.size());
    EXPECT_TRUE(pCtl->IsPreviewOpen());

    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_CLOSE);
    PumpTestMessages();
    EXPECT_FALSE(pCtl->IsPreviewOpen());
    EXPECT_EQ(nullptr, pCtl->GetPreviewFrame());
    EXPECT_EQ(&host.m_frame, app.m_pMainWnd);
    EXPECT_TRUE(host.m_frame.IsWindowVisible());
    EXPECT_TRUE(ui.GetBoxes().empty());
    app.m_pMainWnd = nullptr;
}

TEST(VornCtlTest, PrintPreviewWithoutAPrinterReportsAndLeavesNothingOpen)
{
    // No application object: no printer settings to preview with.
    ASSERT_EQ(nullptr, FxGetApp());
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    CTestUi ui;
    host.m_pCtl->PrintPreview();
    PumpTestMessages();
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_STREQ(FxLoadFxString(FX_IDS_COMMAND_FAILED), ui.GetBoxes()[0].strText);
    EXPECT_FALSE(host.m_pCtl->IsPreviewOpen());
    EXPECT_EQ(nullptr, host.m_pCtl->GetPreviewFrame());
}

TEST(VornCtlTest, DrawFrameOnPrintReachesEveryTemplate)
{
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    host.m_host.GetDispatchDriver().SetProperty(dispidDrawFrameOnPrint, TRUE);
    const CObList& sheets = host.m_pCtl->GetCappObj().m_CardObj.m_listSheet;
    ASSERT_EQ(4, sheets.GetCount());
    for (POSITION pos = sheets.GetHeadPosition(); pos != nullptr;) {
        EXPECT_TRUE(static_cast<CCappSheet*>(sheets.GetNext(pos))->m_bDrawFrameOnPrint);
    }
    host.m_host.GetDispatchDriver().SetProperty(dispidDrawFrameOnPrint, FALSE);
    EXPECT_FALSE(static_cast<CCappSheet*>(sheets.GetHead())->m_bDrawFrameOnPrint);
}

TEST(VornCtlTest, PrinterMappingFollowsThePrintStyle)
{
    CFxComPtr<IUnknown> pUnk(CreateControl());
    ASSERT_NE(nullptr, static_cast<IUnknown*>(pUnk));
    CVornCtlCtrl* pCtl = ControlOf(pUnk);
    // A 600-dpi printer whose printable area is 4761 x 6816 dots, 100 dots in from the paper.
    const struct
    {
        const char* pszName;
        CSize sizePage;
        DWORD dwStyle;
        CPoint ptOrigin; // where the page's corner lands, in printer dots
        CPoint ptEnd;    // where the page's far corner lands
    } cases[] = {
        {"real size", CSize(2100, 2970), 0, CPoint(0, 0), CPoint(4961, 7016)},
        {"real size, too large to centre", CSize(2100, 2970), 0x2, CPoint(0, 0), CPoint(4961, 7016)},
        {"real size centred", CSize(1000, 1000), 0x2, CPoint(1199, 2227), CPoint(1199 + 2362, 2227 + 2362)},
        {"real size less the offset", CSize(1000, 1000), 0x4, CPoint(-100, -100), CPoint(2262, 2262)},
        {"fitted", CSize(2100, 2970), 0x1, CPoint(0, 0), CPoint(4761, 6733)},
        {"fitted and centred", CSize(2100, 2970), 0x3, CPoint(0, 41), CPoint(4761, 41 + 6733)},
        {"fitted, centred, less the offset", CSize(2100, 2970), 0x7, CPoint(-100, -59), CPoint(4661, -59 + 6733)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTestDib dib(10, 10);
        CPrinterLikeDC dc(dib.DC().GetSafeHdc());
        dc.m_bPrinting = TRUE;
        pCtl->SetPageSize(MM_ANISOTROPIC, c.sizePage);
        pCtl->SetPrintStyle(c.dwStyle);
        pCtl->PrepareDC(&dc);
        POINT pts[2] = {{0, 0}, {c.sizePage.cx, c.sizePage.cy}};
        ::LPtoDP(dc.GetSafeHdc(), pts, 2);
        EXPECT_NEAR(c.ptOrigin.x, pts[0].x, 1);
        EXPECT_NEAR(c.ptOrigin.y, pts[0].y, 1);
        EXPECT_NEAR(c.ptEnd.x, pts[1].x, 1);
        EXPECT_NEAR(c.ptEnd.y, pts[1].y, 1);
    }
}

namespace
{
// Answers the pop-up menu that a right click opens, from inside the menu's own message loop: the
// first message the loop takes (one posted before the click) finds the menu window open; it is
// counted, pictured once, and the keys that pick an entry are posted.
const UINT kMenuProbe = WM_APP + 0x51;
HHOOK g_hMenuHook = nullptr;
HWND g_hMenuOwner = nullptr;
int g_nMenuDowns = 0;
int g_nMenuItems = -1;
const char* g_pszMenuPicture = nullptr;

LRESULT CALLBACK MenuFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    FxCallbackEntry("MenuFilterHook", FALSE, [&]() -> BOOL {
        if (nCode != MSGF_MENU || g_nMenuItems >= 0) {
            return FALSE;
        }
        const HWND hMenuWnd = ::FindWindowA("#32768", nullptr);
        const auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
        g_nMenuItems = hMenu != nullptr ? ::GetMenuItemCount(hMenu) : 0;
        if (g_pszMenuPicture != nullptr) {
            SaveWindowPicture(hMenuWnd, g_pszMenuPicture);
        }
        for (int i = 0; i < g_nMenuDowns; ++i) {
            ::PostMessageA(g_hMenuOwner, WM_KEYDOWN, VK_DOWN, 0);
        }
        // The menu chooses on the character of the Return key, which a posted key-down would only
        // give after the Esc key below.
        if (g_nMenuDowns >= 0) {
            ::PostMessageA(g_hMenuOwner, WM_CHAR, '\r', 0);
        }
        // Return on a greyed entry leaves the menu open.
        ::PostMessageA(g_hMenuOwner, WM_KEYDOWN, VK_ESCAPE, 0);
        return TRUE;
    });
    return ::CallNextHookEx(g_hMenuHook, nCode, wParam, lParam);
}

// Right-clicks the control at pt and picks the entry reached by nDowns (down keys skip
// separators; -1 closes the menu with Esc); the number of entries the menu showed, -1 when none.
int RightClickAndPick(HWND hCtl, CPoint pt, int nDowns, const char* pszPicture = nullptr)
{
    g_hMenuOwner = hCtl;
    g_nMenuDowns = nDowns;
    g_nMenuItems = -1;
    g_pszMenuPicture = pszPicture;
    g_hMenuHook = ::SetWindowsHookExA(WH_MSGFILTER, MenuFilterHook, nullptr, ::GetCurrentThreadId());
    ::PostMessageA(hCtl, kMenuProbe, 0, 0);
    ::SendMessageA(hCtl, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    ::SendMessageA(hCtl, WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    ::UnhookWindowsHookEx(g_hMenuHook);
    g_hMenuHook = nullptr;
    MSG msg;
    // The probe is still waiting when no menu opened, the Esc key when the menu had closed.
    while (::PeekMessageA(&msg, hCtl, kMenuProbe, kMenuProbe, PM_REMOVE) ||
           ::PeekMessageA(&msg, hCtl, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    return g_nMenuItems;
}
} // namespace

TEST(VornCtlTest, RightClickShowsTheHostsMenuAndRunsTheChosenCommand)
{
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    host.m_frame.ShowWindow(SW_SHOWNOACTIVATE);
    CVornCtlCtrl* pCtl = host.m_pCtl;
    CCardObj& card = pCtl->GetCappObj().m_CardObj;
    const HWND hCtl = host.ControlHwnd();
    ASSERT_NE(nullptr, hCtl);

    // Without entries the right button only leaves a tool.
    pCtl->ZoomMove();
    EXPECT_EQ(-1, RightClickAndPick(hCtl, CPoint(50, 50), 0));
    EXPECT_EQ(0, pCtl->GetZoomState());

    COleDispatchDriver disp;
    disp.AttachDispatch(pCtl->GetIDispatch(TRUE));
    const struct
    {
        short nType;
        const char* pszPrompt;
        const char* pszCommand;
    } entries[] = {
        {1, "放大", "ID_VORN_ZOOMIN"},  {0, "", ""}, {1, "下一页", "ID_VORN_NEXTPAGE"}, {1, "末页", "ID_VORN_ENDPAGE"},
        {1, "未知", "NO_SUCH_COMMAND"},
    };
    for (const auto& e : entries) {
        EXPECT_EQ(S_OK, disp.InvokeHelper(38, DISPATCH_METHOD, nullptr, e.nType, CString(e.pszPrompt),
                                          CString(e.pszCommand)));
    }

    // Down keys: the first reaches entry 1; the separator is stepped over.
    pCtl->Zoom100();
    const double dZoom = pCtl->GetZoomFactor();
    const struct
    {
        const char* pszName;
        int nDowns;
        int nPageBefore;
        int nPageAfter;
        double dZoomAfter;
    } picks[] = {
        {"zoom in", 1, 1, 1, dZoom / 1.25},
        {"next page", 2, 1, 2, dZoom},
        {"last page", 3, 2, 4, dZoom},
        {"next page on the last page is greyed", 2, 4, 4, dZoom},
        {"unknown command does nothing", 4, 3, 3, dZoom},
        {"closed without a choice", -1, 2, 2, dZoom},
    };
    for (const auto& p : picks) {
        SCOPED_TRACE(p.pszName);
        pCtl->Zoom100();
        card.SetCurPage(p.nPageBefore);
        EXPECT_EQ(5, RightClickAndPick(hCtl, CPoint(120, 80), p.nDowns));
        EXPECT_EQ(p.nPageAfter, card.m_nCurPage);
        EXPECT_NEAR(p.dZoomAfter, pCtl->GetZoomFactor(), 1e-9);
    }

    card.SetCurPage(2);
    CTestDib dib(400, 300);
    host.Draw(dib);
    EXPECT_GT(dib.CountInk(CRect(0, 0, 400, 300)), 500);
    SavePng(TestImagePath("vornctl-card-in-container.png").c_str(), dib.Bits(), dib.Width(), dib.Height());
    EXPECT_EQ(5, RightClickAndPick(hCtl, CPoint(120, 80), -1, "vornctl-popup-menu.png"));
}

TEST(VornCtlTest, PrintSetOpensThePrinterSetupDialog)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    CCardHost host;
    ASSERT_TRUE(host.Create(CRect(0, 0, 400, 300)));
    host.Start();
    COleDispatchDriver disp;
    disp.AttachDispatch(host.m_pCtl->GetIDispatch(TRUE));
    // By dispid and through the host's menu entry.
    EXPECT_EQ(S_OK, disp.InvokeHelper(38, DISPATCH_METHOD, nullptr, short(1), CString("打印设置"),
                                      CString("ID_VORN_PRINTSET")));
    // The page range edits (edt1, edt2) belong to the print dialog, not the set-up one.
    CTestSysDialogs dialogs;
    for (int i = 0; i < 2; ++i) {
        dialogs.OnDialog([](CTestSysDlg& d) {
            EXPECT_FALSE(d.HasItem(0x480));
            d.Cancel();
        });
    }
    EXPECT_EQ(S_OK, disp.InvokeHelper(21, DISPATCH_METHOD, nullptr));
    EXPECT_EQ(1, dialogs.GetDialogsOpened());
    EXPECT_EQ(1, RightClickAndPick(host.ControlHwnd(), CPoint(60, 60), 1));
    EXPECT_EQ(2, dialogs.GetDialogsOpened());
}
