#include <gtest/gtest.h>

#include <memory>

#include "TestItems.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/MemFile.h"
#include "platform/base/ObList.h"

namespace
{
TEST(ObjectTest, RuntimeClassDescribesTheClassAndItsBases)
{
    const CRuntimeClass* pClass = FX_RUNTIME_CLASS(CTestItemC);
    EXPECT_STREQ("CTestItemC", pClass->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(CTestItemC)), pClass->m_nObjectSize);
    EXPECT_EQ(3u, pClass->m_wSchema);
    EXPECT_EQ(FX_RUNTIME_CLASS(CTestItemA), pClass->m_pBaseClass);
    EXPECT_TRUE(pClass->IsDerivedFrom(FX_RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(FX_RUNTIME_CLASS(CTestItemA)->IsDerivedFrom(pClass));

    CTestItemC c;
    const CObject& ob = c;
    EXPECT_EQ(pClass, ob.GetRuntimeClass());
    EXPECT_TRUE(ob.IsKindOf(FX_RUNTIME_CLASS(CTestItemA)));
    EXPECT_FALSE(ob.IsKindOf(FX_RUNTIME_CLASS(CTestItemB)));
    EXPECT_TRUE(ob.IsSerializable());
    EXPECT_FALSE(CTestShape().IsSerializable());

    CArchiveException e(CArchiveException::badClass);
    EXPECT_TRUE(e.IsKindOf(FX_RUNTIME_CLASS(CException)));
    EXPECT_FALSE(e.IsSerializable());
    CMemFile file;
    EXPECT_TRUE(file.IsKindOf(FX_RUNTIME_CLASS(CFile)));
}

TEST(ObjectTest, ClassesOfEveryModuleAreFoundAndCreatedByName)
{
    struct NameCase
    {
        const char* szName;
        const char* szClass;
        const CRuntimeClass* pExpected;
        bool bCreatable;
    };
    const NameCase cases[] = {
        {"class of the test program", "CTestItemA", FX_RUNTIME_CLASS(CTestItemA), true},
        {"derived class of the test program", "CTestItemC", FX_RUNTIME_CLASS(CTestItemC), true},
        {"class of VornFx", "CObList", FX_RUNTIME_CLASS(CObList), true},
        {"dynamic-only class", "CTestShape", FX_RUNTIME_CLASS(CTestShape), false},
        {"abstract framework class", "CException", FX_RUNTIME_CLASS(CException), false},
        {"unknown name", "CNoSuchClass", nullptr, false},
        {"case matters", "ctestitema", nullptr, false},
        {"empty name", "", nullptr, false},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.pExpected, CRuntimeClass::FromName(c.szClass));
        std::unique_ptr<CObject> pOb(CRuntimeClass::CreateObject(c.szClass));
        EXPECT_EQ(c.bCreatable, pOb != nullptr);
        if (pOb) {
            EXPECT_EQ(c.pExpected, pOb->GetRuntimeClass());
        }
    }
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(nullptr));

    std::unique_ptr<CObject> pOb(FX_RUNTIME_CLASS(CTestItemB)->CreateObject());
    ASSERT_NE(nullptr, pOb);
    EXPECT_TRUE(pOb->IsKindOf(FX_RUNTIME_CLASS(CTestItemB)));
    EXPECT_EQ(nullptr, FX_RUNTIME_CLASS(CTestShape)->CreateObject());
}
} // namespace
