#include <gtest/gtest.h>

#include "platform/base/FxBstr.h"
#include "platform/base/FxClipboard.h"
#include "platform/base/FxCoTaskMem.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxCursor.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/base/FxIcon.h"
#include "platform/base/FxInternetHandle.h"
#include "platform/base/FxLocalMem.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxRegKey.h"
#include "platform/base/FxVariant.h"
#include "platform/gdi/Bitmap.h"
#include "tests/support/TempFolder.h"

namespace
{
// An interface whose references the test can count.
class CountedUnknown : public IUnknown
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override
    {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_nRefs; }

    ULONG m_nRefs = 1;
};

// Whether a kernel handle value still names an open object in this process.
bool IsOpenHandle(HANDLE hHandle)
{
    DWORD dwFlags = 0;
    return GetHandleInformation(hHandle, &dwFlags) != FALSE;
}

// Whether an icon or cursor handle still names a live image.
bool IsLiveImage(HICON hImage)
{
    ICONINFO info = {};
    if (!GetIconInfo(hImage, &info)) {
        return false;
    }
    // The bitmaps GetIconInfo made are ours.
    CBitmap mask;
    CBitmap color;
    mask.Attach(info.hbmMask);
    color.Attach(info.hbmColor);
    return true;
}

TEST(HandleOwnerTest, KernelHandleClosesInItsDestructorWithTheMatchingCall)
{
    CTestTempFolder folder;
    struct HandleCase
    {
        const char* szName;
        HANDLE hHandle;
        CFxHandle::Kind kind;
    };
    const HandleCase cases[] = {
        {"event", CreateEventA(nullptr, TRUE, FALSE, nullptr), CFxHandle::kernelObject},
        {"file", CreateFileA(folder.PathOf("a.txt"), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr),
         CFxHandle::kernelObject},
        {"change notification", FindFirstChangeNotificationA(folder.GetPath(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME),
         CFxHandle::changeNotification},
    };
    for (const HandleCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ASSERT_TRUE(IsOpenHandle(c.hHandle));
        {
            CFxHandle owner(c.hHandle, c.kind);
            EXPECT_TRUE(owner.IsValid());
            EXPECT_EQ(c.hHandle, static_cast<HANDLE>(owner));
        }
        EXPECT_FALSE(IsOpenHandle(c.hHandle));
    }
}

TEST(HandleOwnerTest, KernelHandleDetachHandsTheOpenHandleOut)
{
    CFxHandle owner(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    HANDLE hEvent = owner.Detach();
    EXPECT_FALSE(owner.IsValid());
    EXPECT_TRUE(owner.Close());
    ASSERT_TRUE(IsOpenHandle(hEvent));
    CFxHandle other;
    other.Attach(hEvent);
    // Attaching another handle closes the one held before.
    other.Attach(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    EXPECT_FALSE(IsOpenHandle(hEvent));
    EXPECT_TRUE(other.Close());
    EXPECT_FALSE(other.IsValid());
}

TEST(HandleOwnerTest, KernelHandleTakesEitherFailureValueAsNoHandle)
{
    for (HANDLE hNone : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE}) {
        CFxHandle owner(hNone);
        EXPECT_FALSE(owner.IsValid());
        EXPECT_TRUE(owner.Close());
        EXPECT_EQ(nullptr, static_cast<HANDLE>(owner));
    }
}

TEST(HandleOwnerTest, FindHandleWalksTheMatchesAndDetachKeepsTheSearchOpen)
{
    CTestTempFolder folder;
    for (const char* pszName : {"a.znt", "b.znt"}) {
        CFxHandle file(CreateFileA(folder.PathOf(pszName), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file.IsValid());
    }
    WIN32_FIND_DATAA fd = {};
    CFxFindHandle find;
    EXPECT_FALSE(find.FindFirst(folder.PathOf("*.none"), fd));
    EXPECT_FALSE(find.IsValid());
    EXPECT_FALSE(find.FindNext(fd));
    ASSERT_TRUE(find.FindFirst(folder.PathOf("*.znt"), fd));
    HANDLE hFind = find.Detach();
    EXPECT_FALSE(find.IsValid());
    // The search handed out goes on where it was.
    EXPECT_TRUE(FindNextFileA(hFind, &fd));
    EXPECT_FALSE(FindNextFileA(hFind, &fd));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_FILES), GetLastError());
    find.Attach(hFind);
    EXPECT_TRUE(find.Close());
    EXPECT_FALSE(find.IsValid());
}

// A key of its own under HKLM for one test, removed afterwards.
class RegKeyOwnerTest : public testing::Test
{
protected:
    void TearDown() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_pszPath); }
    const char* const m_pszPath = "SOFTWARE\\VornTest\\HandleOwner";
};

TEST_F(RegKeyOwnerTest, ReadOnlyOpenRefusesWritesAndTheDestructorClosesTheKey)
{
    HKEY hKey = nullptr;
    {
        CFxRegKey key;
        ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, m_pszPath, KEY_READ | KEY_WRITE));
        DWORD dwValue = 7;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(key, "n", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue)));
        ASSERT_EQ(ERROR_SUCCESS, key.OpenForRead(HKEY_LOCAL_MACHINE, m_pszPath));
        DWORD cbData = sizeof(dwValue);
        dwValue = 0;
        EXPECT_EQ(ERROR_SUCCESS,
                  RegQueryValueExA(key, "n", nullptr, nullptr, reinterpret_cast<LPBYTE>(&dwValue), &cbData));
        EXPECT_EQ(7u, dwValue);
        EXPECT_EQ(ERROR_ACCESS_DENIED,
                  RegSetValueExA(key, "n", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue)));
        hKey = key;
    }
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegQueryValueExA(hKey, "n", nullptr, nullptr, nullptr, nullptr));
}

TEST_F(RegKeyOwnerTest, FailedOpenLeavesNoKeyAndDetachHandsTheKeyOut)
{
    CFxRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, m_pszPath, KEY_READ));
    // The held key may be the parent of the one opened: it closes only afterwards.
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.OpenForRead(key, "missing"));
    EXPECT_FALSE(key.IsValid());
    EXPECT_EQ(ERROR_SUCCESS, key.Close());

    ASSERT_EQ(ERROR_SUCCESS, key.OpenForRead(HKEY_LOCAL_MACHINE, "SOFTWARE"));
    ASSERT_EQ(ERROR_SUCCESS, key.OpenForRead(key, "VornTest"));
    HKEY hKey = key.Detach();
    EXPECT_FALSE(key.IsValid());
    EXPECT_EQ(ERROR_SUCCESS, RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                              nullptr, nullptr, nullptr, nullptr));
    key.Attach(hKey);
    EXPECT_EQ(ERROR_SUCCESS, key.Close());
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                     nullptr, nullptr, nullptr, nullptr, nullptr));
}

TEST(HandleOwnerTest, GlobalMemoryIsFreedUnlessDetached)
{
    HGLOBAL hMem = nullptr;
    {
        CFxGlobalMem mem;
        ASSERT_TRUE(mem.Alloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16));
        hMem = mem;
        EXPECT_EQ(16u, GlobalSize(hMem));
    }
    EXPECT_EQ(0u, GlobalSize(hMem));

    CFxGlobalMem mem;
    ASSERT_TRUE(mem.Alloc(GMEM_MOVEABLE, 8));
    hMem = mem.Detach();
    EXPECT_EQ(nullptr, static_cast<HGLOBAL>(mem));
    EXPECT_EQ(8u, GlobalSize(hMem));
    mem.Attach(hMem);
    mem.Free();
    EXPECT_EQ(0u, GlobalSize(hMem));
}

TEST(HandleOwnerTest, LocalMemoryIsFreedUnlessDetached)
{
    // Moveable, so the handle stays a handle that LocalSize can still ask about after the free.
    HLOCAL hMem = LocalAlloc(LMEM_MOVEABLE, 24);
    ASSERT_NE(nullptr, hMem);
    {
        CFxLocalMem mem(hMem);
        EXPECT_EQ(24u, LocalSize(hMem));
    }
    EXPECT_EQ(0u, LocalSize(hMem));

    hMem = LocalAlloc(LMEM_MOVEABLE, 8);
    {
        CFxLocalMem mem(hMem);
        EXPECT_EQ(hMem, mem.Detach());
    }
    EXPECT_EQ(8u, LocalSize(hMem));
    CFxLocalMem owner(hMem);
}

TEST(HandleOwnerTest, InterfacePointerReleasesItsOneReferenceOnce)
{
    CountedUnknown first;
    CountedUnknown second;
    {
        CFxComPtr<IUnknown> owner(&first);
        EXPECT_EQ(&first, owner.operator->());
        // Filling the slot again gives up the reference held before.
        *owner.Receive() = &second;
        EXPECT_EQ(0u, first.m_nRefs);
        EXPECT_EQ(1u, second.m_nRefs);
    }
    EXPECT_EQ(0u, second.m_nRefs);

    CountedUnknown kept;
    CFxComPtr<IUnknown> owner(&kept);
    IUnknown* pKept = owner.Detach();
    EXPECT_FALSE(owner.IsValid());
    EXPECT_EQ(0u, owner.Close());
    EXPECT_EQ(&kept, pKept);
    EXPECT_EQ(1u, kept.m_nRefs);
}

TEST(HandleOwnerTest, BstrDetachHandsTheStringOut)
{
    CFxBstr owner(SysAllocString(L"ab"));
    ASSERT_TRUE(owner.IsValid());
    EXPECT_EQ(2u, SysStringLen(owner));
    BSTR bstr = owner.Detach();
    EXPECT_FALSE(owner.IsValid());
    EXPECT_EQ(2u, SysStringLen(bstr));
    owner.Attach(bstr);
    owner.Close();
    EXPECT_EQ(nullptr, static_cast<BSTR>(owner));
}
TEST(HandleOwnerTest, GlobalLockHoldsTheBlockLockedForItsScopeOnly)
{
    CFxGlobalMem mem;
    ASSERT_TRUE(mem.Alloc(GMEM_MOVEABLE, 4));
    {
        CFxGlobalLock lock(mem);
        ASSERT_NE(nullptr, lock.GetData());
        *lock.GetAs<BYTE>() = 0x5A;
        // The lock count of a moveable block is in its flags.
        EXPECT_EQ(1u, GlobalFlags(mem) & GMEM_LOCKCOUNT);
        {
            CFxGlobalLock inner(mem);
            EXPECT_EQ(lock.GetData(), inner.GetData());
            EXPECT_EQ(2u, GlobalFlags(mem) & GMEM_LOCKCOUNT);
        }
        EXPECT_EQ(1u, GlobalFlags(mem) & GMEM_LOCKCOUNT);
    }
    EXPECT_EQ(0u, GlobalFlags(mem) & GMEM_LOCKCOUNT);
    CFxGlobalLock none(nullptr);
    EXPECT_EQ(nullptr, none.GetData());
}

TEST(HandleOwnerTest, ClipboardIsClosedAtTheEndOfTheScopeAndASecondOpenWaits)
{
    HWND hWnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    {
        CFxClipboard clipboard(hWnd);
        ASSERT_TRUE(clipboard.IsOpen());
        EXPECT_EQ(hWnd, GetOpenClipboardWindow());
        // Open already in this thread for another window: the second scope does not own it.
        CFxClipboard second(nullptr);
        EXPECT_FALSE(second.IsOpen());
        EXPECT_EQ(hWnd, GetOpenClipboardWindow());
    }
    EXPECT_EQ(nullptr, GetOpenClipboardWindow());
    DestroyWindow(hWnd);
}

TEST(HandleOwnerTest, VariantReleasesWhatItHoldsWhenClearedRefilledOrGone)
{
    CountedUnknown first;
    CountedUnknown second;
    {
        CFxVariant v;
        EXPECT_EQ(VT_EMPTY, v.vt);
        v.vt = VT_UNKNOWN;
        v.punkVal = &first;
        // Filling it again through Receive gives up the interface held before.
        VARIANT* pSlot = v.Receive();
        EXPECT_EQ(0u, first.m_nRefs);
        EXPECT_EQ(VT_EMPTY, pSlot->vt);
        pSlot->vt = VT_UNKNOWN;
        pSlot->punkVal = &second;
    }
    EXPECT_EQ(0u, second.m_nRefs);

    CountedUnknown kept;
    CFxVariant v;
    v.vt = VT_UNKNOWN;
    v.punkVal = &kept;
    {
        CFxVariant out;
        *out.Receive() = v.Detach();
        EXPECT_EQ(VT_EMPTY, v.vt);
        EXPECT_TRUE(SUCCEEDED(v.Clear()));
        EXPECT_EQ(1u, kept.m_nRefs);
        EXPECT_EQ(&kept, out.punkVal);
    }
    EXPECT_EQ(0u, kept.m_nRefs);
}

TEST(HandleOwnerTest, IconAndCursorAreDestroyedOnceUnlessDetached)
{
    const BYTE andMask[32 * 32 / 8] = {};
    const BYTE xorMask[32 * 32 / 8] = {};
    struct ImageCase
    {
        const char* szName;
        bool bIcon;
    };
    const ImageCase cases[] = {{"icon", true}, {"cursor", false}};
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.szName);
        auto make = [&] {
            return c.bIcon ? CreateIcon(nullptr, 32, 32, 1, 1, andMask, xorMask)
                           : CreateCursor(nullptr, 0, 0, 32, 32, andMask, xorMask);
        };
        HICON hImage = make();
        ASSERT_NE(nullptr, hImage);
        {
            CFxIcon icon(c.bIcon ? hImage : nullptr);
            CFxCursor cursor(c.bIcon ? nullptr : hImage);
            EXPECT_TRUE(icon.IsValid() || cursor.IsValid());
            EXPECT_TRUE(IsLiveImage(hImage));
        }
        EXPECT_FALSE(IsLiveImage(hImage));

        hImage = make();
        CFxIcon icon(hImage);
        EXPECT_EQ(hImage, icon.Detach());
        EXPECT_TRUE(icon.Close());
        EXPECT_TRUE(IsLiveImage(hImage));
        icon.Attach(hImage);
        EXPECT_TRUE(icon.Close());
        EXPECT_FALSE(IsLiveImage(hImage));
    }
}

TEST(HandleOwnerTest, TaskMemoryFilledThroughReceiveIsFreedWithTheTaskAllocator)
{
    CFxCoTaskMem<WCHAR> name;
    EXPECT_FALSE(name.IsValid());
    *name.Receive() = static_cast<WCHAR*>(CoTaskMemAlloc(8 * sizeof(WCHAR)));
    ASSERT_TRUE(name.IsValid());
    // The allocator knows the block until the owner frees it, and then no more.
    void* pBlock = name;
    IMalloc* pMalloc = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoGetMalloc(1, &pMalloc)));
    CFxComPtr<IMalloc> malloc(pMalloc);
    EXPECT_EQ(1, malloc->DidAlloc(pBlock));
    EXPECT_EQ(8 * sizeof(WCHAR), malloc->GetSize(pBlock));
    name.Close();
    EXPECT_FALSE(name.IsValid());
}

TEST(HandleOwnerTest, InternetHandleIsClosedInItsDestructor)
{
    HINTERNET hSession = nullptr;
    {
        CFxInternetHandle session(InternetOpenA("VornTest", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
        ASSERT_TRUE(session.IsValid());
        hSession = session;
        DWORD dwTimeout = 0;
        DWORD cbTimeout = sizeof(dwTimeout);
        EXPECT_TRUE(InternetQueryOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &dwTimeout, &cbTimeout));
    }
    DWORD dwTimeout = 0;
    DWORD cbTimeout = sizeof(dwTimeout);
    EXPECT_FALSE(InternetQueryOptionA(hSession, INTERNET_OPTION_CONNECT_TIMEOUT, &dwTimeout, &cbTimeout));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}
} // namespace
