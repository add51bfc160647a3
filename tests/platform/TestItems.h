// Small persistent classes that live in the test program, not in VornFx: the archive code in
// VornFx must find them by name.
#pragma once

#include "platform/base/Object.h"

// Counts live instances, so tests see what a failed load leaves behind.
class CTestItemA : public CObject
{
    FX_DECLARE_SERIAL(CTestItemA)
public:
    CTestItemA();
    explicit CTestItemA(int n);
    ~CTestItemA() override;
    void Serialize(CArchive& ar) override;

    int m_n;
    static int s_nLive;
};

class CTestItemB : public CObject
{
    FX_DECLARE_SERIAL(CTestItemB)
public:
    CTestItemB() = default;
    explicit CTestItemB(int n) : m_n(n) {}
    void Serialize(CArchive& ar) override;

    int m_n = 0;
};

// Derives from A; holds a string, a reference to another object, and the schema it was read with.
class CTestItemC : public CTestItemA
{
    FX_DECLARE_SERIAL(CTestItemC)
public:
    void Serialize(CArchive& ar) override;

    CString m_str;
    CObject* m_pRef = nullptr;
    UINT m_nSchemaRead = 0;
};

// Dynamic only: not creatable, not serialisable.
class CTestShape : public CObject
{
    FX_DECLARE_DYNAMIC(CTestShape)
};
