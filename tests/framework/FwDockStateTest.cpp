#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/FwControlBarInfo.h"
#include "framework/FwControlBarInfoEx.h"
#include "framework/FwControlBarManager.h"
#include "framework/FwDockState.h"
#include "framework/FwPersistentTreeNode.h"
#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/ByteArray.h"
#include "platform/base/FxRegKey.h"
#include "platform/base/MemFile.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"

namespace
{
const UINT kOutputBar = 0xE900;
const UINT kWorkspaceBar = 0xE901;

// An extension record that keeps one number, so its hooks show in every form.
class CTestInfoEx : public FwControlBarInfoEx
{
public:
    using FwControlBarInfoEx::Serialize;
    void Serialize(CArchive& ar, FwDockState*) override
    {
        if (ar.IsStoring()) {
            ar << m_dwValue;
        } else {
            ar >> m_dwValue;
        }
    }
    BOOL LoadFromNode(FwPersistentTreeNode* pNode) override
    {
        int n = 0;
        pNode->GetInt("TestValue", n, 0);
        m_dwValue = static_cast<DWORD>(n);
        return TRUE;
    }
    BOOL LoadState(LPCSTR lpszSection, FwDockState*) override
    {
        m_dwValue = FxGetApp()->GetProfileInt(lpszSection, "TestValue", 0);
        return TRUE;
    }
    BOOL SaveToNode(FwPersistentNodeOwner*, FwPersistentTreeNode* pNode) override
    {
        pNode->SetInt("TestValue", static_cast<int>(m_dwValue), TRUE);
        return TRUE;
    }
    BOOL SaveState(LPCSTR lpszSection) override
    {
        return FxGetApp()->WriteProfileInt(lpszSection, "TestValue", static_cast<int>(m_dwValue));
    }

    DWORD m_dwValue = 0;
};

// Gives an extension record to records of type 7 only.
class CTestManager : public FwControlBarManager
{
public:
    FwControlBarInfoEx* CreateBarInfo(FwControlBarInfo* pInfo) override
    {
        return pInfo->m_dwTypeID == 7 ? new CTestInfoEx : nullptr;
    }
};

// The designer's layout: output bar docked at the bottom, workspace floated as an MDI child, the
// bottom dock bar holding the output bar and an empty top dock bar that is never kept.
void FillLayout(FwDockState& state)
{
    FwControlBarInfo* pOutput = new FwControlBarInfo(state.m_pBarManager);
    pOutput->m_nBarID = kOutputBar;
    pOutput->m_pointPos = CPoint(0, 412);
    pOutput->m_bDocking = TRUE;
    pOutput->m_uMRUDockID = FX_IDW_DOCKBAR_BOTTOM;
    pOutput->m_rectMRUDockPos = CRect(0, 412, 600, 582);
    pOutput->m_szHorzDock = CSize(600, 170);
    pOutput->m_szVertDock = CSize(220, 300);
    pOutput->m_szFloat = CSize(400, 130);
    pOutput->m_fWidthFraction = 0.75f;
    pOutput->m_dwStyle = 0x2F00;
    pOutput->m_dwExStyle = 0x0612;
    pOutput->m_dwMRUDockingState = 0xF000;
    pOutput->m_dwDockStyle = 0xF000;
    pOutput->m_dwTypeID = 7;
    pOutput->m_strClassName = "FwControlBar";
    pOutput->m_strWindowName = "输出";
    pOutput->m_nResourceID = 0;
    CTestInfoEx* pEx = new CTestInfoEx;
    pEx->m_dwValue = 4711;
    pOutput->SetInfoEx(pEx);
    state.m_arrBarInfo.Add(pOutput);

    FwControlBarInfo* pWorkspace = new FwControlBarInfo(state.m_pBarManager);
    pWorkspace->m_nBarID = kWorkspaceBar;
    pWorkspace->m_bFloating = TRUE;
    pWorkspace->m_bHorz = FALSE;
    pWorkspace->m_pointPos = CPoint(40, 60);
    pWorkspace->m_szVertDock = CSize(220, 400);
    pWorkspace->m_fWidthFraction = 1.0f;
    pWorkspace->m_bPrevFloating = TRUE;
    pWorkspace->m_bMDIChild = TRUE;
    pWorkspace->m_wndPlacement.length = sizeof(WINDOWPLACEMENT);
    pWorkspace->m_wndPlacement.showCmd = SW_SHOWNORMAL;
    pWorkspace->m_wndPlacement.rcNormalPosition = RECT{10, 20, 230, 420};
    pWorkspace->m_strClassName = "FwControlBar";
    pWorkspace->m_strWindowName = "工作区";
    state.m_arrBarInfo.Add(pWorkspace);

    FwControlBarInfo* pBottom = new FwControlBarInfo(state.m_pBarManager);
    pBottom->m_nBarID = FX_IDW_DOCKBAR_BOTTOM;
    pBottom->m_bDockBar = TRUE;
    pBottom->m_arrBarID.Add(0);
    pBottom->m_arrBarID.Add(kOutputBar);
    pBottom->m_arrBarID.Add(0);
    state.m_arrBarInfo.Add(pBottom);

    FwControlBarInfo* pTop = new FwControlBarInfo(state.m_pBarManager);
    pTop->m_nBarID = FX_IDW_DOCKBAR_TOP;
    pTop->m_bDockBar = TRUE;
    pTop->m_arrBarID.Add(0);
    state.m_arrBarInfo.Add(pTop);
}

void ExpectSameRecord(const FwControlBarInfo& a, const FwControlBarInfo& b, BOOL bWithNames)
{
    EXPECT_EQ(a.m_nBarID, b.m_nBarID);
    EXPECT_EQ(a.m_bVisible, b.m_bVisible);
    EXPECT_EQ(a.m_bFloating, b.m_bFloating);
    EXPECT_EQ(a.m_bHorz, b.m_bHorz);
    EXPECT_EQ(a.m_bDockBar, b.m_bDockBar);
    EXPECT_EQ(a.m_pointPos, b.m_pointPos);
    EXPECT_EQ(a.m_bDocking, b.m_bDocking);
    EXPECT_EQ(a.m_uMRUDockID, b.m_uMRUDockID);
    EXPECT_EQ(a.m_rectMRUDockPos, b.m_rectMRUDockPos);
    EXPECT_EQ(a.m_szHorzDock, b.m_szHorzDock);
    EXPECT_EQ(a.m_szVertDock, b.m_szVertDock);
    EXPECT_EQ(a.m_szFloat, b.m_szFloat);
    EXPECT_FLOAT_EQ(a.m_fWidthFraction, b.m_fWidthFraction);
    EXPECT_EQ(a.m_dwStyle, b.m_dwStyle);
    EXPECT_EQ(a.m_dwExStyle, b.m_dwExStyle);
    EXPECT_EQ(a.m_bPrevFloating, b.m_bPrevFloating);
    EXPECT_EQ(a.m_bMDIChild, b.m_bMDIChild);
    EXPECT_EQ(a.m_dwMRUDockingState, b.m_dwMRUDockingState);
    EXPECT_EQ(a.m_dwDockStyle, b.m_dwDockStyle);
    EXPECT_EQ(a.m_dwTypeID, b.m_dwTypeID);
    ASSERT_EQ(a.m_arrBarID.GetSize(), b.m_arrBarID.GetSize());
    for (INT_PTR i = 0; i < a.m_arrBarID.GetSize(); ++i) {
        EXPECT_EQ(a.m_arrBarID[i], b.m_arrBarID[i]);
    }
    ASSERT_EQ(a.m_pInfoEx == nullptr, b.m_pInfoEx == nullptr);
    if (a.m_pInfoEx != nullptr) {
        EXPECT_EQ(static_cast<CTestInfoEx*>(a.m_pInfoEx)->m_dwValue, static_cast<CTestInfoEx*>(b.m_pInfoEx)->m_dwValue);
    }
    if (bWithNames) {
        EXPECT_EQ(0, std::memcmp(&a.m_wndPlacement, &b.m_wndPlacement, sizeof(WINDOWPLACEMENT)));
        EXPECT_EQ(a.m_strClassName, b.m_strClassName);
        EXPECT_EQ(a.m_strWindowName, b.m_strWindowName);
        EXPECT_EQ(a.m_nResourceID, b.m_nResourceID);
    }
}

// The stored records are the first three; the empty top dock bar is never kept.
void ExpectSameLayout(const FwDockState& saved, const FwDockState& loaded, BOOL bWithNames)
{
    ASSERT_EQ(3, loaded.m_arrBarInfo.GetSize());
    for (INT_PTR i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ExpectSameRecord(*saved.GetInfo(i), *loaded.GetInfo(i), bWithNames);
    }
}

// The stored forms as text, to compare byte for byte: the archive in hex, with the screen size
// (bytes 4 to 11) written as "..", and the profile as sorted "section/entry=type:hex" lines
// without the screen size.
std::vector<BYTE> ArchiveBytes(CObject& state)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        state.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// The archive exception's cause; -1 when the load went through, -2 for any other exception.
int LoadCause(CObject& state, const std::vector<BYTE>& bytes)
{
    CMemFile in(const_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    CArchive ar(&in, CArchive::load);
    try {
        state.Serialize(ar);
    } catch (CArchiveException* e) {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause;
    } catch (...) {
        return -2;
    }
    return -1;
}

std::string ArchiveHex(CObject& state)
{
    const std::vector<BYTE> bytes = ArchiveBytes(state);
    std::string strHex;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char sz[4] = {};
        std::snprintf(sz, sizeof(sz), "%02X", bytes[i]);
        strHex += i >= 4 && i < 12 ? ".." : sz;
    }
    return strHex;
}

std::string ProfileDump(LPCSTR lpszAppKey)
{
    std::vector<std::string> lines;
    CFxRegKey app;
    if (app.OpenForRead(HKEY_CURRENT_USER, lpszAppKey) != ERROR_SUCCESS) {
        return std::string();
    }
    char szSection[256] = {};
    for (DWORD k = 0; ::RegEnumKeyA(app, k, szSection, sizeof(szSection)) == ERROR_SUCCESS; ++k) {
        CFxRegKey section;
        if (section.OpenForRead(app, szSection) != ERROR_SUCCESS) {
            continue;
        }
        for (DWORD v = 0;; ++v) {
            char szName[256] = {};
            DWORD cchName = sizeof(szName);
            BYTE data[512] = {};
            DWORD cbData = sizeof(data);
            DWORD dwType = 0;
            if (::RegEnumValueA(section, v, szName, &cchName, nullptr, &dwType, data, &cbData) != ERROR_SUCCESS) {
                break;
            }
            if (std::strncmp(szName, "Screen", 6) == 0) {
                continue;
            }
            std::string strLine = std::string(szSection) + "/" + szName + "=" + std::to_string(dwType) + ":";
            for (DWORD i = 0; i < cbData; ++i) {
                char sz[4] = {};
                std::snprintf(sz, sizeof(sz), "%02X", data[i]);
                strLine += sz;
            }
            lines.push_back(strLine);
        }
    }
    std::sort(lines.begin(), lines.end());
    std::string strDump;
    for (const std::string& strLine : lines) {
        strDump += strLine + "\n";
    }
    return strDump;
}

// Written by the layouts of the test below before the framework's records were built on the
// platform's: a change of the stored forms shows here.
const std::string kGoldenFwArchive =
    "02000000................040000E90000010000000000000001000000000000009C010000FF7F0000010000001EE80000"
    "000000009C0100005802000046020000000000000000000000000000002F0000120600000000000000000000063735303030"
    "30900100008200000058020000AA000000DC0000002C01000000F0000000F000000700000067120000000001E90000010000"
    "000100000000000000280000003C000000FF7F00000000000000000000000000000100000001000000073130303030303000"
    "000000000000000000000000000000DC0000009001000000000000000000000000000000001EE80000010000000000000001"
    "000000FFFFFFFFFFFFFFFFFF7F00000000000000000000000000000000000000000000013000000000000000000000000000"
    "000000000000000000000000000000000000000000000003000000000000E90000000000001BE80000010000000000000001"
    "000000FFFFFFFFFFFFFFFFFF7F00000000000000000000000000000000000000000000013000000000000000000000000000"
    "0000000000000000000000000000000000000000000000010000000000";
const std::string kGoldenFwProfile =
    "Golden-Bar0/BarID=4:00E90000\n"
    "Golden-Bar0/ClassName=1:4677436F6E74726F6C42617200\n"
    "Golden-Bar0/Docking=4:01000000\n"
    "Golden-Bar0/DockingStyle=4:00F00000\n"
    "Golden-Bar0/ExStyle=4:12060000\n"
    "Golden-Bar0/MDIChild=4:00000000\n"
    "Golden-Bar0/MRUDockBottomPos=4:46020000\n"
    "Golden-Bar0/MRUDockID=4:1EE80000\n"
    "Golden-Bar0/MRUDockLeftPos=4:00000000\n"
    "Golden-Bar0/MRUDockRightPos=4:58020000\n"
    "Golden-Bar0/MRUDockTopPos=4:9C010000\n"
    "Golden-Bar0/MRUDockingState=4:00F00000\n"
    "Golden-Bar0/MRUFloatCX=4:90010000\n"
    "Golden-Bar0/MRUFloatCY=4:82000000\n"
    "Golden-Bar0/MRUFloatStyle=4:00000000\n"
    "Golden-Bar0/MRUFloatXPos=4:00000000\n"
    "Golden-Bar0/MRUFloatYPos=4:00000000\n"
    "Golden-Bar0/MRUHorzDockCX=4:58020000\n"
    "Golden-Bar0/MRUHorzDockCY=4:AA000000\n"
    "Golden-Bar0/MRUVertDockCX=4:DC000000\n"
    "Golden-Bar0/MRUVertDockCY=4:2C010000\n"
    "Golden-Bar0/PctWidth=1:37353030303000\n"
    "Golden-Bar0/PrevFloating=4:00000000\n"
    "Golden-Bar0/ResourceID=4:00000000\n"
    "Golden-Bar0/Style=4:002F0000\n"
    "Golden-Bar0/TestValue=4:67120000\n"
    "Golden-Bar0/TypeID=4:07000000\n"
    "Golden-Bar0/WindowName=1:CAE4B3F600\n"
    "Golden-Bar0/XPos=4:00000000\n"
    "Golden-Bar0/YPos=4:9C010000\n"
    "Golden-Bar1/BarID=4:01E90000\n"
    "Golden-Bar1/ClassName=1:4677436F6E74726F6C42617200\n"
    "Golden-Bar1/DockingStyle=4:00000000\n"
    "Golden-Bar1/ExStyle=4:00000000\n"
    "Golden-Bar1/Floating=4:01000000\n"
    "Golden-Bar1/Horz=4:00000000\n"
    "Golden-Bar1/MDIChild=4:01000000\n"
    "Golden-Bar1/"
    "MDIChildWindowPlacement=3:"
    "2C0000000000000001000000000000000000000000000000000000000A00000014000000E6000000A4010000\n"
    "Golden-Bar1/MRUDockingState=4:00000000\n"
    "Golden-Bar1/MRUFloatCX=4:00000000\n"
    "Golden-Bar1/MRUFloatCY=4:00000000\n"
    "Golden-Bar1/MRUHorzDockCX=4:00000000\n"
    "Golden-Bar1/MRUHorzDockCY=4:00000000\n"
    "Golden-Bar1/MRUVertDockCX=4:DC000000\n"
    "Golden-Bar1/MRUVertDockCY=4:90010000\n"
    "Golden-Bar1/PctWidth=1:3130303030303000\n"
    "Golden-Bar1/PrevFloating=4:01000000\n"
    "Golden-Bar1/ResourceID=4:00000000\n"
    "Golden-Bar1/Style=4:00000000\n"
    "Golden-Bar1/TypeID=4:00000000\n"
    "Golden-Bar1/WindowName=1:B9A4D7F7C7F800\n"
    "Golden-Bar1/XPos=4:28000000\n"
    "Golden-Bar1/YPos=4:3C000000\n"
    "Golden-Bar2/Bar#0=4:00000000\n"
    "Golden-Bar2/Bar#1=4:00E90000\n"
    "Golden-Bar2/Bar#2=4:00000000\n"
    "Golden-Bar2/BarID=4:1EE80000\n"
    "Golden-Bar2/Bars=4:03000000\n"
    "Golden-Bar2/ClassName=1:00\n"
    "Golden-Bar2/DockingStyle=4:00000000\n"
    "Golden-Bar2/ExStyle=4:00000000\n"
    "Golden-Bar2/MDIChild=4:00000000\n"
    "Golden-Bar2/MRUDockingState=4:00000000\n"
    "Golden-Bar2/MRUFloatCX=4:00000000\n"
    "Golden-Bar2/MRUFloatCY=4:00000000\n"
    "Golden-Bar2/MRUHorzDockCX=4:00000000\n"
    "Golden-Bar2/MRUHorzDockCY=4:00000000\n"
    "Golden-Bar2/MRUVertDockCX=4:00000000\n"
    "Golden-Bar2/MRUVertDockCY=4:00000000\n"
    "Golden-Bar2/PctWidth=1:3000\n"
    "Golden-Bar2/PrevFloating=4:00000000\n"
    "Golden-Bar2/ResourceID=4:00000000\n"
    "Golden-Bar2/Style=4:00000000\n"
    "Golden-Bar2/TypeID=4:00000000\n"
    "Golden-Bar2/WindowName=1:00\n"
    "Golden-Summary/Bars=4:03000000\n";
const std::string kGoldenArchive =
    "02000000................020000E900000000000000000000010000000C00000022000000FA000000010000001CE80000"
    "0100000002000000030000000400000000200000FBFFFFFF0600000000001FE800000100000001000000000000002C010000"
    "C8000000FF7F00000000000003000000000000E9000000000000";
const std::string kGoldenProfile = "Plain-Bar0/BarID=4:00E90000\n"
                                   "Plain-Bar0/Docking=4:01000000\n"
                                   "Plain-Bar0/MRUDockBottomPos=4:04000000\n"
                                   "Plain-Bar0/MRUDockID=4:1CE80000\n"
                                   "Plain-Bar0/MRUDockLeftPos=4:01000000\n"
                                   "Plain-Bar0/MRUDockRightPos=4:03000000\n"
                                   "Plain-Bar0/MRUDockTopPos=4:02000000\n"
                                   "Plain-Bar0/MRUFloatStyle=4:00200000\n"
                                   "Plain-Bar0/MRUFloatXPos=4:FBFFFFFF\n"
                                   "Plain-Bar0/MRUFloatYPos=4:06000000\n"
                                   "Plain-Bar0/MRUWidth=4:FA000000\n"
                                   "Plain-Bar0/Visible=4:00000000\n"
                                   "Plain-Bar0/XPos=4:0C000000\n"
                                   "Plain-Bar0/YPos=4:22000000\n"
                                   "Plain-Bar1/Bar#0=4:00000000\n"
                                   "Plain-Bar1/Bar#1=4:00E90000\n"
                                   "Plain-Bar1/Bar#2=4:00000000\n"
                                   "Plain-Bar1/BarID=4:1FE80000\n"
                                   "Plain-Bar1/Bars=4:03000000\n"
                                   "Plain-Bar1/Floating=4:01000000\n"
                                   "Plain-Bar1/Horz=4:00000000\n"
                                   "Plain-Bar1/XPos=4:2C010000\n"
                                   "Plain-Bar1/YPos=4:C8000000\n"
                                   "Plain-Summary/Bars=4:02000000\n";

class FwDockStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwDockStateTest");
        m_app.SetRegistryKey("VornFwDockStateTest");
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwDockStateTest"); }

    CWinApp m_app{"FwDockStateTest"};
    CTestManager m_manager;
};
} // namespace

TEST_F(FwDockStateTest, TheProfileFormKeepsTheAddedStateUnderTheDesignersKeys)
{
    FwDockState state(&m_manager);
    FillLayout(state);
    state.SaveState("DesignBarState");

    EXPECT_EQ(3U, m_app.GetProfileInt("DesignBarState-Summary", "Bars", 0));
    EXPECT_EQ(static_cast<UINT>(::GetSystemMetrics(SM_CXSCREEN)),
              m_app.GetProfileInt("DesignBarState-Summary", "ScreenCX", 0));
    EXPECT_EQ(CString("750000"), m_app.GetProfileString("DesignBarState-Bar0", "PctWidth", ""));
    EXPECT_EQ(CString("1000000"), m_app.GetProfileString("DesignBarState-Bar1", "PctWidth", ""));
    EXPECT_EQ(170U, m_app.GetProfileInt("DesignBarState-Bar0", "MRUHorzDockCY", 0));
    EXPECT_EQ(7U, m_app.GetProfileInt("DesignBarState-Bar0", "TypeID", 0));
    EXPECT_EQ(4711U, m_app.GetProfileInt("DesignBarState-Bar0", "TestValue", 0));
    EXPECT_EQ(CString("输出"), m_app.GetProfileString("DesignBarState-Bar0", "WindowName", ""));
    CByteArray placement;
    EXPECT_FALSE(m_app.GetProfileBinary("DesignBarState-Bar0", "MDIChildWindowPlacement", placement));
    ASSERT_TRUE(m_app.GetProfileBinary("DesignBarState-Bar1", "MDIChildWindowPlacement", placement));
    EXPECT_EQ(44, placement.GetSize());
    EXPECT_EQ(static_cast<UINT>(FX_IDW_DOCKBAR_BOTTOM), m_app.GetProfileInt("DesignBarState-Bar2", "BarID", 0));
    EXPECT_EQ(0U, m_app.GetProfileInt("DesignBarState-Bar3", "BarID", 0));

    FwDockState loaded(&m_manager);
    loaded.LoadState("DesignBarState");
    ExpectSameLayout(state, loaded, TRUE);
}

TEST_F(FwDockStateTest, DamagedProfileValuesLoadAsFarAsTheyAreValid)
{
    struct ValueCase
    {
        const char* szName;
        int nPlacementBytes; // length of the stored placement
        const char* szPct;
        int nFloatCX;
        float fFraction;    // expected
        int nFloatCXLoaded; // expected
        BOOL bPlacementTaken;
    };
    const ValueCase cases[] = {
        {"whole placement", 44, "250000", 10, 0.25f, 10, TRUE},
        {"short placement", 43, "-5", -3, 0.0f, 0, FALSE},
        {"long placement", 45, "abc", -1, 0.0f, 0, FALSE},
        {"empty placement", 0, "", 0, 0.0f, 0, FALSE},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwDockStateTest");
        m_app.WriteProfileInt("S-Summary", "Bars", 1);
        m_app.WriteProfileInt("S-Bar0", "BarID", static_cast<int>(kWorkspaceBar));
        m_app.WriteProfileInt("S-Bar0", "MDIChild", 1);
        std::vector<BYTE> bytes(static_cast<size_t>(c.nPlacementBytes) + 1, 0x5A);
        m_app.WriteProfileBinary("S-Bar0", "MDIChildWindowPlacement", bytes.data(),
                                 static_cast<UINT>(c.nPlacementBytes));
        m_app.WriteProfileString("S-Bar0", "PctWidth", c.szPct);
        m_app.WriteProfileInt("S-Bar0", "MRUFloatCX", c.nFloatCX);
        FwDockState state;
        state.LoadState("S");
        ASSERT_EQ(1, state.m_arrBarInfo.GetSize());
        const FwControlBarInfo* pInfo = state.GetInfo(0);
        EXPECT_FLOAT_EQ(c.fFraction, pInfo->m_fWidthFraction);
        EXPECT_EQ(c.nFloatCXLoaded, pInfo->m_szFloat.cx);
        EXPECT_EQ(c.bPlacementTaken ? 0x5A5A5A5AU : 0U, pInfo->m_wndPlacement.length);
    }

    // Counts beyond what is there: every counted record is kept, a missing or broken section as
    // a record that names no bar; absurd totals are ignored.
    struct CountCase
    {
        const char* szName;
        int nBars;
        int nSectionBars; // "Bars" of section 0
        int nExpected;
        UINT nFirstID; // expected id of the first record
    };
    const CountCase counts[] = {
        {"more records than sections", 5, 2, 5, FX_IDW_DOCKBAR_TOP},
        {"absurd summary count", 0x7FFFFFFF, 2, 0, 0},
        {"negative summary count", -1, 2, 0, 0},
        {"absurd id count", 1, 0x40000000, 1, 0},
        {"negative id count", 1, -4, 1, 0},
    };
    for (const CountCase& c : counts) {
        SCOPED_TRACE(c.szName);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwDockStateTest");
        m_app.WriteProfileInt("T-Summary", "Bars", c.nBars);
        m_app.WriteProfileInt("T-Bar0", "BarID", FX_IDW_DOCKBAR_TOP);
        m_app.WriteProfileInt("T-Bar0", "Bars", c.nSectionBars);
        m_app.WriteProfileInt("T-Bar0", "Bar#0", static_cast<int>(kOutputBar));
        FwDockState state(&m_manager);
        state.LoadState("T");
        ASSERT_EQ(c.nExpected, state.m_arrBarInfo.GetSize());
        for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
            EXPECT_EQ(i == 0 ? c.nFirstID : 0U, state.GetInfo(i)->m_nBarID) << i;
        }
    }
}

TEST_F(FwDockStateTest, TheArchiveFormRoundTripsAndEveryTruncationThrows)
{
    FwDockState state(&m_manager);
    FillLayout(state);
    // The archive keeps every record, the empty dock bar too.
    delete state.GetInfo(3);
    state.m_arrBarInfo.RemoveAt(3);
    std::vector<BYTE> bytes = ArchiveBytes(state);
    // Version 2 with the screen, then a WORD count.
    ASSERT_GE(bytes.size(), 14U);
    EXPECT_EQ(2, bytes[0]);
    EXPECT_EQ(3, bytes[12]);

    FwDockState loaded(&m_manager);
    {
        CMemFile in(bytes.data(), static_cast<UINT>(bytes.size()));
        CArchive ar(&in, CArchive::load);
        loaded.Serialize(ar);
    }
    ExpectSameLayout(state, loaded, FALSE);
    // Placement and names are not part of this form.
    EXPECT_EQ(0U, loaded.GetInfo(1)->m_wndPlacement.length);
    EXPECT_EQ(CString(""), loaded.GetInfo(1)->m_strClassName);

    for (size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        FwDockState partial(&m_manager);
        CMemFile in(bytes.data(), static_cast<UINT>(n));
        CArchive ar(&in, CArchive::load);
        bool bThrown = false;
        try {
            partial.Serialize(ar);
        } catch (CArchiveException* e) {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown);
        EXPECT_LT(partial.m_arrBarInfo.GetSize(), 3);
    }
}

TEST_F(FwDockStateTest, TheTreeFormRoundTripsAndSkipsMissingBars)
{
    FwDockState state(&m_manager);
    FillLayout(state);
    FwPersistentTreeNode root;
    ASSERT_EQ(FwPtrOk, root.Initialize("Root", nullptr));
    EXPECT_FALSE(state.SaveToNode(&root.GetNodeOwner(), nullptr));
    ASSERT_TRUE(state.SaveToNode(&root.GetNodeOwner(), &root));
    // A second save finds "DockState" taken and writes nothing.
    EXPECT_FALSE(state.SaveToNode(&root.GetNodeOwner(), &root));

    FwPersistentTreeNode* pNode = root.FindChild("DockState");
    ASSERT_NE(nullptr, pNode);
    int nBars = 0;
    pNode->GetInt("Bars", nBars, 0);
    EXPECT_EQ(3, nBars);
    ASSERT_NE(nullptr, pNode->FindChild("Bar-1"));
    EXPECT_EQ(nullptr, pNode->FindChild("Bar-3"));
    CString strPct;
    pNode->FindChild("Bar-0")->GetString("PctWidth", strPct, "");
    EXPECT_EQ(CString("750000"), strPct);
    // A docked bar keeps no floating keys.
    EXPECT_EQ(nullptr, pNode->FindChild("Bar-0")->FindValue("Floating"));

    FwDockState loaded(&m_manager);
    EXPECT_FALSE(loaded.LoadFromNode(nullptr));
    ASSERT_TRUE(loaded.LoadFromNode(&root));
    ExpectSameLayout(state, loaded, TRUE);

    // A missing bar node is skipped; the others still load.
    FwPersistentTreeNode* pBar1 = pNode->FindChild("Bar-1");
    pNode->GetNodeOwner().DeleteNode(pBar1);
    FwDockState fewer(&m_manager);
    ASSERT_TRUE(fewer.LoadFromNode(&root));
    ASSERT_EQ(2, fewer.m_arrBarInfo.GetSize());
    EXPECT_EQ(kOutputBar, fewer.GetInfo(0)->m_nBarID);
    EXPECT_EQ(static_cast<UINT>(FX_IDW_DOCKBAR_BOTTOM), fewer.GetInfo(1)->m_nBarID);

    FwPersistentTreeNode empty;
    ASSERT_EQ(FwPtrOk, empty.Initialize("Empty", nullptr));
    FwDockState none;
    EXPECT_FALSE(none.LoadFromNode(&empty));
}

TEST_F(FwDockStateTest, CleaningDropsStalePlaceholdersAndRepeatedIds)
{
    const DWORD kA = 0xE810;
    const DWORD kB = 0xE811;
    const DWORD kHiddenA = kA + 0x10000;
    struct CleanCase
    {
        const char* szName;
        UINT uMRUDockOfA;           // where bar A last docked
        std::vector<DWORD> ids;     // the top dock bar's row
        std::vector<DWORD> cleaned; // after cleaning
    };
    const CleanCase cases[] = {
        {"placeholder in its own dock bar stays", FX_IDW_DOCKBAR_TOP, {0, kHiddenA, kB, 0}, {0, kHiddenA, kB, 0}},
        {"placeholder elsewhere goes", FX_IDW_DOCKBAR_LEFT, {0, kHiddenA, kB, 0}, {0, 0, kB, 0}},
        {"repeated id goes", FX_IDW_DOCKBAR_TOP, {0, kB, 0, kB, 0}, {0, kB, 0}},
        {"trailing zeros fold into one", FX_IDW_DOCKBAR_TOP, {kB, 0, 0, 0}, {kB, 0}},
        {"an all-zero row empties", FX_IDW_DOCKBAR_TOP, {0, 0}, {}},
        {"the last entry is never cleared", FX_IDW_DOCKBAR_LEFT, {kB, kHiddenA}, {kB, kHiddenA, 0}},
    };
    for (const CleanCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FwDockState state;
        FwControlBarInfo* pA = new FwControlBarInfo;
        pA->m_nBarID = kA;
        pA->m_uMRUDockID = c.uMRUDockOfA;
        state.m_arrBarInfo.Add(pA);
        FwControlBarInfo* pTop = new FwControlBarInfo;
        pTop->m_nBarID = FX_IDW_DOCKBAR_TOP;
        pTop->m_bDockBar = TRUE;
        for (DWORD id : c.ids) {
            pTop->m_arrBarID.Add(id);
        }
        state.m_arrBarInfo.Add(pTop);
        state.CleanBarIDArrays();
        std::vector<DWORD> got;
        for (INT_PTR i = 0; i < pTop->m_arrBarID.GetSize(); ++i) {
            got.push_back(pTop->m_arrBarID[i]);
        }
        EXPECT_EQ(c.cleaned, got);
    }
}

TEST_F(FwDockStateTest, TheStoredFormsStayByteForByte)
{
    const char* const szAppKey = "Software\\VornFwDockStateTest\\FwDockStateTest";
    FwDockState state(&m_manager);
    FillLayout(state);
    EXPECT_EQ(kGoldenFwArchive, ArchiveHex(state));
    state.SaveState("Golden");
    EXPECT_EQ(kGoldenFwProfile, ProfileDump(szAppKey));

    // The platform's records alone, as a frame of the platform keeps them.
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwDockStateTest");
    CDockState plain;
    CControlBarInfo* pBar = new CControlBarInfo;
    pBar->m_nBarID = kOutputBar;
    pBar->m_bVisible = FALSE;
    pBar->m_pointPos = CPoint(12, 34);
    pBar->m_nMRUWidth = 250;
    pBar->m_bDocking = TRUE;
    pBar->m_uMRUDockID = FX_IDW_DOCKBAR_LEFT;
    pBar->m_rectMRUDockPos = CRect(1, 2, 3, 4);
    pBar->m_dwMRUFloatStyle = 0x2000;
    pBar->m_ptMRUFloatPos = CPoint(-5, 6);
    plain.m_arrBarInfo.Add(pBar);
    CControlBarInfo* pFloat = new CControlBarInfo;
    pFloat->m_nBarID = FX_IDW_DOCKBAR_FLOAT;
    pFloat->m_bDockBar = TRUE;
    pFloat->m_bFloating = TRUE;
    pFloat->m_bHorz = FALSE;
    pFloat->m_pointPos = CPoint(300, 200);
    pFloat->m_arrBarID.Add(0);
    pFloat->m_arrBarID.Add(kOutputBar);
    pFloat->m_arrBarID.Add(0);
    plain.m_arrBarInfo.Add(pFloat);
    EXPECT_EQ(kGoldenArchive, ArchiveHex(plain));
    plain.SaveState("Plain");
    EXPECT_EQ(kGoldenProfile, ProfileDump(szAppKey));
}

TEST_F(FwDockStateTest, DamagedArchivesAreRefusedWithAnArchiveException)
{
    // Each record is what a reader must never take: no bar, an id beyond 16 bits, a row longer
    // than any frame has.
    struct RecordCase
    {
        const char* szName;
        UINT nBarID;
        int nRowIDs;
    };
    const RecordCase records[] = {
        {"bar id 0", 0, 0},
        {"bar id beyond 16 bits", 0x10000, 0},
        {"bar id all ones", 0xFFFFFFFF, 0},
        {"row beyond the limit", FX_IDW_DOCKBAR_TOP, CDockState::kMaxBarIDs + 1},
    };
    for (const RecordCase& c : records) {
        SCOPED_TRACE(c.szName);
        FwDockState state(&m_manager);
        FillLayout(state);
        FwControlBarInfo* pBad = state.GetInfo(3);
        pBad->m_nBarID = c.nBarID;
        for (int i = 0; i < c.nRowIDs; ++i) {
            pBad->m_arrBarID.Add(kOutputBar);
        }
        const std::vector<BYTE> bytes = ArchiveBytes(state);
        FwDockState loaded(&m_manager);
        EXPECT_EQ(CArchiveException::badIndex, LoadCause(loaded, bytes));
        // The whole records before it stay.
        EXPECT_EQ(3, loaded.m_arrBarInfo.GetSize());
    }

    FwDockState state(&m_manager);
    FillLayout(state);
    const std::vector<BYTE> full = ArchiveBytes(state);
    FwDockState whole(&m_manager);
    ASSERT_EQ(-1, LoadCause(whole, full));

    // Counts the data cannot hold: the records (bytes 12-13) and the last row's ids (the WORD
    // before its one DWORD).
    struct CountCase
    {
        const char* szName;
        size_t nOffset;
    };
    const CountCase counts[] = {
        {"record count", 12},
        {"row id count", full.size() - 6},
    };
    for (const CountCase& c : counts) {
        SCOPED_TRACE(c.szName);
        std::vector<BYTE> bytes = full;
        bytes[c.nOffset] = 0xFF;
        bytes[c.nOffset + 1] = 0xFF;
        FwDockState loaded(&m_manager);
        EXPECT_EQ(CArchiveException::badIndex, LoadCause(loaded, bytes));
    }

    // Any byte changed: the load goes through with sound records or fails with the archive's
    // exception, never another way.
    for (size_t n = 0; n < full.size(); ++n) {
        for (BYTE mask : {BYTE{0x01}, BYTE{0x80}, BYTE{0xFF}}) {
            SCOPED_TRACE(testing::Message() << "byte " << n << " mask " << static_cast<int>(mask));
            std::vector<BYTE> bytes = full;
            bytes[n] = static_cast<BYTE>(bytes[n] ^ mask);
            FwDockState loaded(&m_manager);
            const int nCause = LoadCause(loaded, bytes);
            EXPECT_NE(-2, nCause);
            ASSERT_LE(loaded.m_arrBarInfo.GetSize(), static_cast<INT_PTR>(CDockState::kMaxBars));
            for (INT_PTR i = 0; i < loaded.m_arrBarInfo.GetSize(); ++i) {
                const FwControlBarInfo* pInfo = loaded.GetInfo(i);
                EXPECT_TRUE(pInfo->m_nBarID != 0 && pInfo->m_nBarID <= 0xFFFF) << pInfo->m_nBarID;
                EXPECT_LE(pInfo->m_arrBarID.GetSize(), static_cast<INT_PTR>(CDockState::kMaxBarIDs));
            }
        }
    }
}

TEST_F(FwDockStateTest, ARecordWithABadBarIDNamesNoBarInEveryForm)
{
    const UINT badIDs[] = {0, 0x10000, 0xFFFFFFFF};
    for (UINT nBadID : badIDs) {
        SCOPED_TRACE(nBadID);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwDockStateTest");
        m_app.WriteProfileInt("B-Summary", "Bars", 2);
        m_app.WriteProfileInt("B-Bar0", "BarID", static_cast<int>(nBadID));
        m_app.WriteProfileInt("B-Bar1", "BarID", static_cast<int>(kOutputBar));
        FwDockState profile(&m_manager);
        profile.LoadState("B");
        ASSERT_EQ(2, profile.m_arrBarInfo.GetSize());
        EXPECT_EQ(0U, profile.GetInfo(0)->m_nBarID);
        EXPECT_EQ(kOutputBar, profile.GetInfo(1)->m_nBarID);

        FwPersistentTreeNode root;
        ASSERT_EQ(FwPtrOk, root.Initialize("Root", nullptr));
        FwPersistentTreeNode* pNode = root.GetNodeOwner().AddChild("DockState", &root);
        ASSERT_NE(nullptr, pNode);
        pNode->SetInt("Bars", 2, TRUE);
        root.GetNodeOwner().AddChild("Bar-0", pNode)->SetInt("BarID", static_cast<int>(nBadID), TRUE);
        root.GetNodeOwner().AddChild("Bar-1", pNode)->SetInt("BarID", static_cast<int>(kOutputBar), TRUE);
        FwDockState tree(&m_manager);
        ASSERT_TRUE(tree.LoadFromNode(&root));
        ASSERT_EQ(1, tree.m_arrBarInfo.GetSize());
        EXPECT_EQ(kOutputBar, tree.GetInfo(0)->m_nBarID);
    }
}
