#include <gtest/gtest.h>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/FxTempMap.h"
#include "platform/gdi/Pen.h"
#include "support/DibCanvas.h"

namespace
{
HGDIOBJ Current(CDC& dc, UINT nType)
{
    return ::GetCurrentObject(dc.m_hDC, nType);
}

// One scope with a guard over pObject: selected inside, the previous object back after.
template <class T> void CheckGuardScope(CDC& dc, T* pObject, UINT nType)
{
    HGDIOBJ hBefore = Current(dc, nType);
    ASSERT_NE(pObject->m_hObject, hBefore);
    {
        CFxSelectGuard guard(&dc, pObject);
        EXPECT_TRUE(guard.IsSelected());
        EXPECT_EQ(pObject->m_hObject, Current(dc, nType));
    }
    EXPECT_EQ(hBefore, Current(dc, nType));
}

TEST(FxSelectGuardTest, EachKindIsSelectedForTheScopeOnly)
{
    CTestDib dib(8, 8);
    CDC& dc = dib.DC();
    CPen pen(PS_SOLID, 2, RGB(255, 0, 0));
    CBrush brush(RGB(0, 255, 0));
    CFont font;
    ASSERT_TRUE(font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体"));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 4, 4));
    {
        SCOPED_TRACE("pen");
        CheckGuardScope(dc, &pen, OBJ_PEN);
    }
    {
        SCOPED_TRACE("brush");
        CheckGuardScope(dc, &brush, OBJ_BRUSH);
    }
    {
        SCOPED_TRACE("font");
        CheckGuardScope(dc, &font, OBJ_FONT);
    }
    {
        SCOPED_TRACE("bitmap");
        CheckGuardScope(dc, &bitmap, OBJ_BITMAP);
    }
}

TEST(FxSelectGuardTest, RestoresAfterTheTemporaryWrappersWereFreedInItsScope)
{
    CTestDib dib(8, 8);
    CDC& dc = dib.DC();
    CPen pen(PS_SOLID, 2, RGB(255, 0, 0));
    CPen penOther(PS_SOLID, 3, RGB(0, 0, 255));
    HGDIOBJ hBefore = Current(dc, OBJ_PEN);
    {
        CFxSelectGuard guard(&dc, &pen);
        ASSERT_TRUE(guard.IsSelected());
        // The wrapper of the replaced pen goes; its memory likely serves the next one.
        FxDeleteTempMaps();
        CPen::FromHandle(penOther);
    }
    EXPECT_EQ(hBefore, Current(dc, OBJ_PEN));
    FxDeleteTempMaps();
}

TEST(FxSelectGuardTest, ObjectDeclaredFirstIsDeletedAfterTheGuardRestores)
{
    CTestDib dib(8, 8);
    CDC& dc = dib.DC();
    HGDIOBJ hPenBefore = Current(dc, OBJ_PEN);
    HGDIOBJ hPen = nullptr;
    {
        CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
        hPen = pen.m_hObject;
        CFxSelectGuard guard(&dc, &pen);
        EXPECT_EQ(hPen, Current(dc, OBJ_PEN));
        dc.MoveTo(1, 1);
        dc.LineTo(6, 1);
    }
    EXPECT_EQ(hPenBefore, Current(dc, OBJ_PEN));
    // A pen still selected would survive its DeleteObject.
    EXPECT_EQ(0u, ::GetObjectType(hPen)) << "the pen was deleted, so it was no longer selected";
    EXPECT_EQ(RGB(0, 0, 255), dib.Pixel(3, 1));
}

TEST(FxSelectGuardTest, NestedGuardsUnwindInOrder)
{
    CTestDib dib(8, 8);
    CDC& dc = dib.DC();
    HGDIOBJ hBefore = Current(dc, OBJ_BRUSH);
    CBrush brushA(RGB(1, 1, 1));
    CBrush brushB(RGB(2, 2, 2));
    {
        CFxSelectGuard guardA(&dc, &brushA);
        {
            CFxSelectGuard guardB(&dc, &brushB);
            EXPECT_EQ(brushB.m_hObject, Current(dc, OBJ_BRUSH));
        }
        EXPECT_EQ(brushA.m_hObject, Current(dc, OBJ_BRUSH));
        CFxSelectGuard guardStock(&dc, NULL_BRUSH);
        EXPECT_EQ(::GetStockObject(NULL_BRUSH), Current(dc, OBJ_BRUSH));
    }
    EXPECT_EQ(hBefore, Current(dc, OBJ_BRUSH));
}

TEST(FxSelectGuardTest, NothingToSelectRestoresNothing)
{
    CTestDib dib(8, 8);
    CDC& dc = dib.DC();
    HGDIOBJ hBefore = Current(dc, OBJ_PEN);
    CPen penEmpty; // no handle
    CDC dcEmpty;   // no handle
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    struct Case
    {
        const char* szName;
        CDC* pDC;
        CPen* pPen;
    };
    const Case cases[] = {
        {"null DC", nullptr, &pen},
        {"DC without a handle", &dcEmpty, &pen},
        {"null pen", &dc, nullptr},
        {"pen without a handle", &dc, &penEmpty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        {
            CFxSelectGuard guard(c.pDC, c.pPen);
            EXPECT_FALSE(guard.IsSelected());
            EXPECT_EQ(hBefore, Current(dc, OBJ_PEN));
        }
        EXPECT_EQ(hBefore, Current(dc, OBJ_PEN));
    }
}
} // namespace
