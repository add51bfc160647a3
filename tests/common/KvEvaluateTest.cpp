#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/KvEvaluate.h"

namespace
{
// Marks the one-NUL-character result of an unknown name or a leading "=".
const char kNul[] = "<NUL>";

enum class Act {
    Calc,     // Calc(expr) gives expect
    Computer, // Computer(expr) gives TRUE and expect, or FALSE (expect nullptr) with the result untouched
    Status,   // Status() gives expect
    Reset,    // Reset() gives "Reset"
    Check,    // CheckExpress(expr) gives TRUE (expect non-null) or FALSE
};

struct EvalStep
{
    const char* szName;
    Act act;
    const char* szExpr;
    const char* szExpect;
    const char* szError = nullptr; // GetErrorInfo() after the step, when given
};

// clang-format off
// Run in order on one object: variables, user functions, modes and fixed decimals carry over.
const EvalStep evalSteps[] = {
    { "new object status",             Act::Status, "", "FIX = -1    RAD    DEC" },

    // Precedence: "*" and "/" bind tighter, the rest share one level applied from the right.
    { "mul before add",                Act::Calc, "2+3*4", "14" },
    { "mul first then add",            Act::Calc, "2*3+4", "10" },
    { "two products",                  Act::Calc, "2*3+4*5", "26" },
    { "sub of product",                Act::Calc, "2-3*4", "-10" },
    { "sub runs left to right",        Act::Calc, "8-3-2", "3" },
    { "sub then add",                  Act::Calc, "8-3+2", "7" },
    { "long add-sub run",              Act::Calc, "2-3+4-5", "-2" },
    { "div runs left to right",        Act::Calc, "10/2/5", "1" },
    { "div then mul",                  Act::Calc, "8/2*2", "8" },
    { "comparison shares the level",   Act::Calc, "1+2<3", "2" },
    { "less",                          Act::Calc, "3<5", "1" },
    { "equal",                         Act::Calc, "3==3", "1" },
    { "remainder shares the level",    Act::Calc, "7%3+1", "3" },
    { "and",                           Act::Calc, "6&3", "2" },
    { "or",                            Act::Calc, "6|3", "7" },
    { "xor",                           Act::Calc, "6^3", "5" },
    { "complement",                    Act::Calc, "~5", "-6" },
    { "not",                           Act::Calc, "!0", "1" },
    { "unary minus of number",         Act::Calc, "-2+3", "1" },
    { "group times",                   Act::Calc, "(2+3)*4", "20" },
    { "times group",                   Act::Calc, "2*(3+4)", "14" },
    { "minus group",                   Act::Calc, "-(2+3)", "-5" },
    { "blanks are removed",            Act::Calc, " 2 + 3 ", "5" },
    { "hex and binary numbers",        Act::Calc, "0x1f+101b", "36" },
    { "exponent number",               Act::Calc, "1e-3*1000", "1" },
    { "number read as far as decimal", Act::Calc, "12af", "12" },
    { "character code",                Act::Calc, "'A", "65" },
    { "pi",                            Act::Calc, "pi", "3.141592653589793" },
    { "decimal number",                Act::Calc, "12.5", "12.5" },
    { "hex digits in either case",     Act::Calc, "0x1F", "31" },
    { "binary counts only ones",       Act::Calc, "121b", "5" },
    { "exponent with plus",            Act::Calc, "1e+3", "1000" },
    { "double-quoted character",       Act::Calc, "\"a+1", "98" },
    { "GBK character code negative",   Act::Calc, "'\xD6\xD0", "-42" },
    { "statements, last one counts",   Act::Calc, "2+1;4", "4" },
    { "greater",                       Act::Calc, "5>3", "1" },
    { "greater false",                 Act::Calc, "3>5", "0" },
    { "not equal",                     Act::Calc, "3!=4", "1" },
    { "less or equal",                 Act::Calc, "3<=3", "1" },
    { "greater or equal",              Act::Calc, "4>=5", "0" },
    { "equal false",                   Act::Calc, "3==4", "0" },
    { "single colon does nothing",     Act::Calc, "2:3", "3" },
    { "not of non-zero",               Act::Calc, "!7", "0" },

    // Built-in functions, any case.
    { "pow",                           Act::Calc, "pow(2,3)", "8" },
    { "sqr",                           Act::Calc, "sqr(3)", "9" },
    { "cube",                          Act::Calc, "cube(2)", "8" },
    { "int truncates",                 Act::Calc, "int(-2.5)", "-2" },
    { "fract",                         Act::Calc, "fract(2.75)", "0.75" },
    { "fract negative",                Act::Calc, "fract(-2.75)", "-0.75" },
    { "upper-case name",               Act::Calc, "SQRT(16)+1", "5" },
    { "fak 0",                         Act::Calc, "fak(0)", "1" },
    { "fak negative",                  Act::Calc, "fak(-2)", "1" },
    { "fak 1",                         Act::Calc, "fak(1)", "1" },
    { "fak fraction",                  Act::Calc, "fak(2.5)", "1.875" },
    { "fak 5",                         Act::Calc, "fak(5)", "120" },
    { "abs",                           Act::Calc, "abs(-3)", "3" },
    { "log10",                         Act::Calc, "log10(1000)", "3" },
    { "tan",                           Act::Calc, "tan(0)", "0" },
    { "arc cosine in radians",         Act::Calc, "acos(-1)", "3.141592653589793" },
    { "arc tangent",                   Act::Calc, "atan(0)", "0" },
    { "exp",                           Act::Calc, "exp(0)", "1" },
    { "natural log",                   Act::Calc, "log(e)", "1" },
    { "mixed-case name",               Act::Calc, "Sqr(4)", "16" },

    // Angle modes stay for later evaluations.
    { "degrees",                       Act::Calc, "deg;sin(90)", "1" },
    { "degrees kept",                  Act::Calc, "cos(0)", "1" },
    { "gon arc sine",                  Act::Calc, "gon;asin(1)", "100" },
    { "gon sine",                      Act::Calc, "sin(100)", "1" },
    { "degrees arc tangent",           Act::Calc, "deg;atan(1)", "45" },
    { "degrees arc cosine",            Act::Calc, "acos(0)", "90" },
    { "mode statement gives 0",        Act::Calc, "gon", "0" },
    { "status shows gon",              Act::Status, "", "FIX = -1    GON    DEC" },
    { "back to radians",               Act::Calc, "rad", "0" },

    // Variables and assignments.
    { "assign then use",               Act::Calc, "a=5;a*2", "10" },
    { "add-assign",                    Act::Calc, "a+=2", "7" },
    { "sub-assign",                    Act::Calc, "a-=1", "6" },
    { "mul-assign",                    Act::Calc, "a*=2", "12" },
    { "div-assign",                    Act::Calc, "a/=4", "3" },
    { "compound on new variable",      Act::Calc, "n+=4", "4" },
    { "chained assignment",            Act::Calc, "b=c=2", "2" },
    { "chained target set",            Act::Calc, "c", "2" },
    { "assignment takes the whole sum", Act::Calc, "d=2*3+1", "7" },
    { "assigned whole sum",            Act::Calc, "d", "7" },

    // User functions.
    { "define",                        Act::Calc, "f:=x*2", "f := x*2" },
    { "call",                          Act::Calc, "f(3)", "6" },
    { "call in an expression",         Act::Calc, "1+f(1+2)*2", "13" },
    { "call of negative argument",     Act::Calc, "f(-4)", "-8" },
    { "any x makes a body",            Act::Calc, "k:=exp(1)", "k := exp(1)" },
    { "redefinition replaces",         Act::Calc, "k:=x+1;k(1)", "2" },
    { "body without x refused",        Act::Calc, "g:=5", "Syntax Error: fn(x) = ..x..", "Syntax Error: fn(x) = ..x.." },
    { "calls a user function",         Act::Calc, "q:=f(x)+1", "q := f(x)+1" },
    { "nested user calls",             Act::Calc, "q(5)", "11" },
    { "x restored after the call",     Act::Calc, "x", kNul, "Syntax Error: var x" },
    { "x kept when it existed",        Act::Calc, "x=9;f(1);x", "9" },
    { "assignment drops a function",   Act::Calc, "q=4", "4" },
    { "dropped function is a variable", Act::Calc, "q+1", "5" },
    { "error inside a body is kept",   Act::Calc, "u:=x*nosuch;u(2)", kNul, "Syntax Error: var nosuch" },

    // Fixed decimals shape results and function values; "fix=" and negative arguments.
    { "fixed decimals",                Act::Calc, "fix(2);1/3", "0.33" },
    { "body value is rounded",         Act::Calc, "h:=x/3;h(1)*3", "0.99" },
    { "mode statement keeps the value", Act::Calc, "7;fix(4)", "0.0000" },
    { "value before a mode statement", Act::Calc, "7,fix(1)", "7.0" },
    { "fix by assignment",             Act::Calc, "fix=3", "0.000" },
    { "status shows fix",              Act::Status, "", "FIX = 3    RAD    DEC" },
    { "negative fix is none",          Act::Calc, "fix(-5);1/4", "0.25" },
    { "fix capped",                    Act::Calc, "fix(1e20);hex", "0x0" },
    { "status shows the cap",          Act::Status, "", "FIX = 340    RAD    HEX" },
    { "fix off again",                 Act::Calc, "dec;fix(-1)", "0" },

    // Number modes.
    { "hex result",                    Act::Calc, "hex(255)", "0xff" },
    { "hex negative two's complement", Act::Calc, "-1", "0xffffffff" },
    { "hex mode function value",       Act::Calc, "f(8)", "0x10" },
    { "hex result out of range",       Act::Calc, "1e10", "Syntax Error: int", "Syntax Error: int" },
    { "binary result",                 Act::Calc, "bin(5)", "101" },
    { "binary negative",               Act::Calc, "-1", "11111111111111111111111111111111" },
    { "binary zero",                   Act::Calc, "0", "0" },
    { "character result",              Act::Calc, "chr(65)", "A\t0x41\t 65" },
    { "character pads hex and decimal", Act::Calc, "48", "0\t0x30\t 48" },
    { "character negative",            Act::Calc, "-56", "\xC8\t0xffffffc8\t-56" },
    { "back to decimal",               Act::Calc, "dec;2.5", "2.5" },

    // Errors: texts shown to users and stored in cards.
    { "leading equals",                Act::Calc, "=1", kNul, "Syntax Error: '='" },
    { "unknown variable",              Act::Calc, "foo+1", kNul, "Syntax Error: var foo" },
    { "blank removal joins a name",    Act::Calc, "sin 0", kNul, "Syntax Error: var sin0" },
    { "stray character",               Act::Calc, "2@3", kNul, "Syntax Error: var @" },
    { "other white space stays",       Act::Calc, "2\t+3", kNul, "Syntax Error: var \t" },
    { "leading equals after blanks",   Act::Calc, " =1", kNul, "Syntax Error: '='" },

    // An operand missing anywhere, also at the end, is an error, and stacks start empty.
    { "missing right operand",         Act::Calc, "2+", "Syntax Error: value", "Syntax Error: value" },
    { "missing after comparison",      Act::Calc, "3>", "Syntax Error: value" },
    { "missing after product",         Act::Calc, "0*", "Syntax Error: value" },
    { "missing left operand",          Act::Calc, "*5", "Syntax Error: value" },
    { "lone minus",                    Act::Calc, "-", "Syntax Error: value" },
    { "empty call",                    Act::Calc, "f()", "Syntax Error: value" },
    { "values left over",              Act::Calc, "5,7", "7" },
    { "nothing carried over",          Act::Calc, "+1", "Syntax Error: value" },
    { "empty text",                    Act::Calc, "", "0" },
    { "assignment without target",     Act::Calc, "5=3", "Syntax Error: var", "Syntax Error: var" },
    { "huge literal is a number",      Act::Calc, "1.7976931348623157e308", "1.797693134862316e+308" },

    // Integer operations outside the 32-bit range and remainders by zero.
    { "remainder by zero",             Act::Calc, "7%0", "Syntax Error: mod 0", "Syntax Error: mod 0" },
    { "remainder of huge value",       Act::Calc, "3e10%7", "Syntax Error: int", "Syntax Error: int" },
    { "remainder by minus one",        Act::Calc, "-2147483648%-1", "0" },
    { "remainder sign of the left",    Act::Calc, "-7%3", "-1" },
    { "and with 32 bits",              Act::Calc, "0xffffffff&255", "255" },
    { "and out of range",              Act::Calc, "1e10&1", "Syntax Error: int" },
    { "or of not a number",            Act::Calc, "sqrt(-1)|1", "Syntax Error: int" },
    { "complement out of range",       Act::Calc, "~1e10", "Syntax Error: int" },
    { "int past 32 bits",              Act::Calc, "int(1e10+0.5)", "10000000000" },
    { "fak of huge value ends",        Act::Calc, "fak(1e300)", "inf" },
    { "fak past double range",         Act::Calc, "fak(200)", "inf" },

    // A user function that calls itself stops at a fixed depth.
    { "recursive definition",          Act::Calc, "r:=x*r(x)", "r := x*r(x)" },
    { "recursion stops",               Act::Calc, "r(2)", "Syntax Error: fn depth", "Syntax Error: fn depth" },
    { "object still usable",           Act::Calc, "f(2)", "4" },

    // Ordinary arithmetic where the group structure, unary minus or comparisons decide.
    { "set a",                         Act::Calc, "a=2", "2" },
    { "minus binds to a name",         Act::Calc, "-a+3", "1" },
    { "minus binds to a number",       Act::Calc, "2+-3*4", "-10" },
    { "group closed by a product",     Act::Calc, "2*(8-2*3-1)", "2" },
    { "minus inside a group",          Act::Calc, "2*(-3+1)", "-4" },
    { "minus of group times",          Act::Calc, "-(2+3)*2", "-10" },
    { "minus of a function",           Act::Calc, "-sqrt(4)+1", "-1" },
    { "group then minus",              Act::Calc, "(5)-1", "4" },
    { "function then minus",           Act::Calc, "sqrt(9)-1", "2" },
    { "argument completed by comma",   Act::Calc, "pow(1+2,3)", "27" },
    { "product inside a function",     Act::Calc, "sqr(2*3+1)", "49" },
    { "name before less-equal",        Act::Calc, "a<=1", "0" },
    { "name before greater-equal",     Act::Calc, "a>=2", "1" },
    { "name before equal-equal",       Act::Calc, "a==2", "1" },
    { "name before not-equal",         Act::Calc, "a!=2", "0" },
    { "compare does not assign",       Act::Calc, "a", "2" },
    { "complement of a group",         Act::Calc, "~(5)+1", "-5" },
    { "complement of the rest",        Act::Calc, "~5+1", "-7" },
    { "not of a group",                Act::Calc, "!(2-2)*3", "3" },
    { "not of the rest",               Act::Calc, "!0+1", "0" },
    { "definition without a name",     Act::Calc, ":=x+1", "Syntax Error: var", "Syntax Error: var" },
    { "built-in name is no target",    Act::Calc, "sin:=x", "Syntax Error: var" },

    // Computer accepts plain decimal numbers only.
    { "computer pi",                   Act::Computer, "pi", "3.141592653589793" },
    { "computer exponent text",        Act::Computer, "1e20", nullptr },
    { "computer error",                Act::Computer, "foo", nullptr },
    { "computer infinite",             Act::Computer, "1/0", nullptr },
    { "computer binary digits",        Act::Computer, "bin(5)", nullptr },
    { "computer hex",                  Act::Computer, "hex(255)", nullptr },
    { "computer decimal again",        Act::Computer, "dec;5", "5" },
    { "computer checks",               Act::Check, "2*3", "1" },
    { "computer checks a failure",     Act::Check, "2+", nullptr },

    // Reset drops variables and functions, restores modes, keeps fixed decimals.
    { "fix before reset",              Act::Calc, "fix(2);deg;hex", "0x0" },
    { "reset",                         Act::Reset, "", "Reset" },
    { "status after reset",            Act::Status, "", "FIX = 2    RAD    DEC" },
    { "fixed decimals survive",        Act::Calc, "1/3", "0.33" },
    { "variables dropped",             Act::Calc, "a", kNul, "Syntax Error: var a" },
    { "functions dropped",             Act::Calc, "f(3)", kNul, "Syntax Error: var f" },
    { "constants back",                Act::Calc, "e", "2.72" },
    { "fix off",                       Act::Calc, "fix(-1)", "0" },
};
// clang-format on

TEST(KvEvaluateTest, ModesVariablesAndFunctionsCarryOverBetweenCalls)
{
    CKvEvaluate eval;
    for (const EvalStep& s : evalSteps) {
        SCOPED_TRACE(s.szName);
        SCOPED_TRACE(s.szExpr);
        CString strActual;
        switch (s.act) {
        case Act::Calc:
            strActual = eval.Calc(s.szExpr);
            break;
        case Act::Computer: {
            CString strResult = "untouched";
            BOOL bOk = eval.Computer(s.szExpr, strResult);
            EXPECT_EQ(s.szExpect != nullptr, bOk != FALSE);
            EXPECT_EQ(CString(s.szExpect != nullptr ? s.szExpect : "untouched"), strResult);
            continue;
        }
        case Act::Check:
            EXPECT_EQ(s.szExpect != nullptr, eval.CheckExpress(s.szExpr) != FALSE);
            continue;
        case Act::Status:
            strActual = eval.Status();
            break;
        case Act::Reset:
            strActual = eval.Reset();
            break;
        }
        if (s.szExpect == kNul) {
            EXPECT_EQ(1, strActual.GetLength());
            EXPECT_EQ('\0', strActual.GetAt(0));
        } else {
            EXPECT_EQ(CString(s.szExpect), strActual);
        }
        if (s.szError != nullptr) {
            EXPECT_EQ(CString(s.szError), eval.GetErrorInfo());
        }
    }
}

TEST(KvEvaluateTest, OutsideMapStaysInUseAndIsNeverWritten)
{
    CKvValMap mapFirst;
    mapFirst.SetAt("[L]", 12.0);
    mapFirst.SetAt("x", 10.0);
    CKvEvaluate eval;
    EXPECT_EQ(CString("24"), eval.Calc("[L]*2", &mapFirst));
    EXPECT_EQ(CString("13"), eval.Calc("[L]+1")); // the map given before is still used
    EXPECT_EQ(CString("5"), eval.Calc("[L]=5"));  // writes the object's own variable
    EXPECT_EQ(CString("12"), eval.Calc("[L]"));   // the caller's map is looked at first
    double dValue = 0.0;
    ASSERT_TRUE(mapFirst.Lookup("[L]", dValue));
    EXPECT_EQ(12.0, dValue);
    // A function's argument hides an "x" of the caller's map; outside the body the map's x shows.
    EXPECT_EQ(CString("f := x*2"), eval.Calc("f:=x*2"));
    EXPECT_EQ(CString("6"), eval.Calc("f(3)"));
    EXPECT_EQ(CString("10"), eval.Calc("x"));

    CKvValMap mapSecond;
    mapSecond.SetAt("[L]", 1.0);
    EXPECT_EQ(CString("1"), eval.Calc("[L]", &mapSecond));
    EXPECT_EQ(CString("6"), eval.Calc("[W]=5;[L]+[W]"));
    // Reset drops the object's own variables but keeps the caller's map in use.
    EXPECT_EQ(CString("Reset"), eval.Reset());
    EXPECT_EQ(CString("1"), eval.Calc("[L]"));
    EXPECT_EQ(CString("\0", 1), eval.Calc("[W]"));
}

TEST(KvEvaluateTest, CardVariablesWithGbkNamesAreComputedAndChecked)
{
    CKvEvaluate eval;
    eval.AddValMap("[L]", 12);
    eval.AddValMap("[W]", 4.5f);
    eval.AddValMap("[\xB3\xA4]", 2.0); // a GBK name
    CString strResult;
    ASSERT_TRUE(eval.Computer("[L]*2+[W]/3-[\xB3\xA4]", strResult));
    EXPECT_EQ(CString("23.5"), strResult);
    EXPECT_TRUE(eval.CheckExpress("[L]>[W]"));
    // GBK trail bytes equal to "|", "^" and "[" belong to the name, not to the operators.
    eval.AddValMap("\xD5\x7C\xB0\x5E\xC1\x5B", 3.0);
    ASSERT_TRUE(eval.Computer("\xD5\x7C\xB0\x5E\xC1\x5B|4", strResult));
    EXPECT_EQ(CString("7"), strResult);
    EXPECT_FALSE(eval.CheckExpress("[H]"));
    EXPECT_EQ(CString("Syntax Error: var [H]"), eval.GetErrorInfo());
}

TEST(KvEvaluateTest, VarListShowsVariablesMapAndFunctions)
{
    CKvEvaluate eval;
    CKvValMap mapOut;
    mapOut.SetAt("w", 0.5);
    eval.Calc("a=2;g:=x+1", &mapOut);
    EXPECT_EQ(CString("[pi] = 3.14159\n[e] = 2.71828\n[a] = 2\n[w] = 0.5\n[g] = x+1\n"), eval.VarList());
    eval.Calc("fix(1)");
    EXPECT_EQ(CString("[pi] = 3.1\n[e] = 2.7\n[a] = 2.0\n[w] = 0.5\n[g] = x+1\n"), eval.VarList());
}

TEST(KvEvaluateTest, SetFunctionAndUseFunctionWorkWithoutAnExpression)
{
    CKvEvaluate eval;
    // The body arrives as the text after ":=", with the ")" that the evaluation appends.
    EXPECT_EQ(CString("sq := x*x"), eval.SetFunction("sq", "x*x)"));
    EXPECT_EQ(16.0, eval.UseFunction("sq", 4.0));
    EXPECT_EQ(0.0, eval.UseFunction("none", 4.0));
    EXPECT_EQ(CString("Syntax Error: var none"), eval.GetErrorInfo());
}
} // namespace

namespace
{
// Typed cell entries can be anything: the evaluator must answer every text, never crash or hang.
TEST(KvEvaluateTest, RandomTextAlwaysGivesAResult)
{
    const char chars[] = "0123456789+-*/%&|^~!<>=:(),;'\"abxfe. [\xB3\xA4]pisqrtfakhexbindecfix";
    unsigned int nSeed = 12345;
    CKvEvaluate eval;
    for (int n = 0; n < 20000; ++n) {
        CString strExpress;
        nSeed = nSeed * 1103515245u + 12345u;
        int nLength = static_cast<int>((nSeed >> 16) % 24);
        for (int i = 0; i < nLength; ++i) {
            nSeed = nSeed * 1103515245u + 12345u;
            strExpress += chars[(nSeed >> 16) % (sizeof(chars) - 1)];
        }
        CString strResult = eval.Calc(strExpress);
        ASSERT_GT(strResult.GetLength(), 0) << strExpress.GetString();
    }
}
} // namespace

namespace
{
// The value of a result text, or NaN when the text is no number.
double ValueOf(const CString& strText)
{
    char* pEnd = nullptr;
    double dValue = std::strtod(strText, &pEnd);
    return strText.IsEmpty() || *pEnd != '\0' ? std::nan("") : dValue;
}

bool CloseTo(double dExpected, double dActual, double dScale)
{
    return std::fabs(dExpected - dActual) <= 1e-9 * std::max({1.0, std::fabs(dExpected), dScale});
}

TEST(KvEvaluateTest, ParenthesisedArgumentsGiveOrdinaryArithmetic)
{
    struct ArgCase
    {
        const char* szName;
        const char* szExpr;
        double dExpected;
    };
    // clang-format off
    const ArgCase cases[] = {
        { "group opens a one-value argument",   "sqrt((2+2)*4)",            std::sqrt((2.0 + 2.0) * 4.0) },
        { "group opens the first of two",       "pow((1+2),3)",             std::pow(1.0 + 2.0, 3.0) },
        { "group opens the second of two",      "pow(2,(1+2)*2)",           std::pow(2.0, (1.0 + 2.0) * 2.0) },
        { "group opens both",                   "pow((2),(1+1)*2)",         std::pow(2.0, (1.0 + 1.0) * 2.0) },
        { "user function argument",             "f((2+1)*2)",               ((2.0 + 1.0) * 2.0) * ((2.0 + 1.0) * 2.0) },
        { "groups nested in the argument",      "sqrt(((16)))",             std::sqrt(16.0) },
        { "two groups in the argument",         "sqr((1+1)*(1+2))",         std::pow((1.0 + 1.0) * (1.0 + 2.0), 2.0) },
        { "argument group then subtraction",    "abs((1-4)*2)-1",           std::fabs((1.0 - 4.0) * 2.0) - 1.0 },
        { "call inside a sum",                  "1+sqrt((3+1)*(2+2))*2",    1.0 + std::sqrt((3.0 + 1.0) * (2.0 + 2.0)) * 2.0 },
        { "calls nested with groups",           "pow(pow((1+1),2),(1+1))",  std::pow(std::pow(1.0 + 1.0, 2.0), 1.0 + 1.0) },
        { "negated call of a group",            "-sqrt((2+2)*4)+1",         -std::sqrt((2.0 + 2.0) * 4.0) + 1.0 },
        { "user function of a built-in call",   "f(sqrt((2+2)*4))",         16.0 },
        { "built-in of a user function",        "sqrt(f((1+1)*2))",         4.0 },
        { "group after a unary minus",          "int(-(7+2)/2)",            std::trunc(-(7.0 + 2.0) / 2.0) },
        { "fraction of a group",                "fract((1+2)/2)",           0.5 },
    };
    // clang-format on
    CKvEvaluate eval;
    ASSERT_EQ(CString("f := x*x"), eval.Calc("f:=x*x"));
    for (const ArgCase& c : cases) {
        SCOPED_TRACE(c.szName);
        SCOPED_TRACE(c.szExpr);
        EXPECT_DOUBLE_EQ(c.dExpected, ValueOf(eval.Calc(c.szExpr)));
        EXPECT_TRUE(eval.CheckExpress(c.szExpr));
    }
}

// An ordinary calculator, independent of the evaluator: "+" "-" below "*" "/", a unary minus
// binding to its operand, groups, and the functions the generator below writes.
class RefCalc
{
public:
    RefCalc(const std::string& str) : m_str(str) {}
    double Value()
    {
        double d = Sum();
        return m_nPos == m_str.size() ? d : std::nan("");
    }
    double Largest() const { return m_dLargest; }

private:
    double Note(double d)
    {
        m_dLargest = std::max(m_dLargest, std::fabs(d));
        return d;
    }
    bool Take(char ch)
    {
        if (m_nPos < m_str.size() && m_str[m_nPos] == ch) {
            ++m_nPos;
            return true;
        }
        return false;
    }
    bool TakeName(const char* szName)
    {
        size_t nLength = std::strlen(szName);
        if (m_str.compare(m_nPos, nLength, szName) == 0 && m_str[m_nPos + nLength] == '(') {
            m_nPos += nLength + 1;
            return true;
        }
        return false;
    }
    double Sum()
    {
        double d = Product();
        for (;;) {
            if (Take('+')) {
                d = Note(d + Product());
            } else if (Take('-')) {
                d = Note(d - Product());
            } else {
                return d;
            }
        }
    }
    double Product()
    {
        double d = Unary();
        for (;;) {
            if (Take('*')) {
                d = Note(d * Unary());
            } else if (Take('/')) {
                d = Note(d / Unary());
            } else {
                return d;
            }
        }
    }
    double Unary() { return Take('-') ? -Unary() : Primary(); }
    double Closed(double d) { return Take(')') ? Note(d) : std::nan(""); }
    double Primary()
    {
        if (Take('(')) {
            return Closed(Sum());
        }
        if (TakeName("sqrt")) {
            return Closed(std::sqrt(Sum()));
        }
        if (TakeName("abs")) {
            return Closed(std::fabs(Sum()));
        }
        if (TakeName("sqr")) {
            double d = Sum();
            return Closed(d * d);
        }
        if (TakeName("f")) {
            double d = Sum();
            return Closed(d * d - 1.0);
        }
        if (TakeName("pow")) {
            double dBase = Sum();
            if (!Take(',')) {
                return std::nan("");
            }
            return Closed(std::pow(dBase, Sum()));
        }
        size_t nStart = m_nPos;
        while (m_nPos < m_str.size() && std::strchr("0123456789.", m_str[m_nPos]) != nullptr) {
            ++m_nPos;
        }
        return m_nPos > nStart ? std::stod(m_str.substr(nStart, m_nPos - nStart)) : std::nan("");
    }

    std::string m_str;
    size_t m_nPos = 0;
    double m_dLargest = 0.0;
};

// Nested expressions over "+", "-", "*", "/", unary minus, groups and function calls, with
// groups often opening an argument.
class ExprGen
{
public:
    explicit ExprGen(unsigned int nSeed) : m_nSeed(nSeed) {}
    std::string Expr(int nDepth)
    {
        if (nDepth == 0) {
            return Number();
        }
        switch (Next(9)) {
        case 0:
            return Number();
        case 1:
            return "(" + Expr(nDepth - 1) + ")";
        case 2:
            return "-" + Expr(nDepth - 1);
        case 3:
        case 4: {
            static const char* const ops[] = {"+", "-", "*", "/"};
            return Expr(nDepth - 1) + ops[Next(4)] + Expr(nDepth - 1);
        }
        case 5: {
            static const char* const names[] = {"sqrt(abs(", "abs(", "sqr(", "f("};
            unsigned int n = Next(4);
            return std::string(names[n]) + Arg(nDepth - 1) + (n == 0 ? "))" : ")");
        }
        case 6:
            return "pow(" + Arg(nDepth - 1) + "," + Arg(nDepth > 2 ? 1 : 0) + ")";
        default:
            return "(" + Expr(nDepth - 1) + ")" + (Next(2) == 0 ? "*" : "-") + Expr(nDepth - 1);
        }
    }

private:
    unsigned int Next(unsigned int nRange)
    {
        m_nSeed = m_nSeed * 1103515245u + 12345u;
        return (m_nSeed >> 16) % nRange;
    }
    std::string Number() { return std::to_string(1 + Next(9)) + (Next(4) == 0 ? ".5" : ""); }
    // Half of all arguments open with a group.
    std::string Arg(int nDepth)
    {
        return Next(2) == 0 ? "(" + Expr(nDepth) + ")" + (Next(2) == 0 ? "*2" : "+1") : Expr(nDepth);
    }

    unsigned int m_nSeed;
};

TEST(KvEvaluateTest, RandomNestedExpressionsAgreeWithAnOrdinaryCalculator)
{
    ExprGen gen(20240611u);
    CKvEvaluate eval;
    ASSERT_EQ(CString("f := x*x-1"), eval.Calc("f:=x*x-1"));
    int nCompared = 0;
    const int nTotal = 3000;
    for (int n = 0; n < nTotal; ++n) {
        std::string strExpr = gen.Expr(1 + n % 5);
        RefCalc ref(strExpr);
        double dExpected = ref.Value();
        // Values a calculator shows in exponent form or not at all are not compared.
        if (!std::isfinite(dExpected) || ref.Largest() > 1e12) {
            continue;
        }
        ++nCompared;
        CString strActual = eval.Calc(strExpr.c_str());
        ASSERT_TRUE(CloseTo(dExpected, ValueOf(strActual), ref.Largest()))
            << strExpr << " gives " << strActual.GetString() << ", a calculator " << dExpected;
    }
    EXPECT_GT(nCompared, nTotal / 2);
}
} // namespace

namespace
{
TEST(KvEvaluateTest, FunctionsCallingEachOtherTwicePerLevelEndAtABoundedWork)
{
    // g0 adds 1; every further level calls the one below twice, so gN(1) is 2^(N+1) and needs
    // 2^(N+1) - 1 calls, while the depth stays at N + 1.
    CKvEvaluate eval;
    ASSERT_EQ(CString("g0 := x+1"), eval.Calc("g0:=x+1"));
    for (int n = 1; n <= 20; ++n) {
        CString strDefine;
        strDefine.Format("g%d:=g%d(x)+g%d(x)", n, n - 1, n - 1);
        ASSERT_EQ(0, eval.Calc(strDefine).Find("g")) << strDefine.GetString();
    }
    struct WorkCase
    {
        const char* szName;
        const char* szExpr;
        const char* szResult;
    };
    const WorkCase cases[] = {
        {"ten levels are computed", "g10(1)", "2048"},
        {"eighteen levels end", "g18(1)", "Syntax Error: too long"},
        {"twenty levels end", "g20(1)", "Syntax Error: too long"},
        {"the next evaluation has its own bound", "g10(1)+1", "2049"},
        {"a statement before shares the bound", "g18(1);5", "Syntax Error: too long"},
    };
    for (const WorkCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(CString(c.szResult), eval.Calc(c.szExpr));
    }
    EXPECT_EQ(CString("Syntax Error: too long"), eval.GetErrorInfo());
    // The argument variable is taken away again after the failed calls.
    EXPECT_EQ(CString("\0", 1), eval.Calc("x"));
    EXPECT_EQ(0.0, eval.UseFunction("g20", 1.0));
    EXPECT_EQ(2048.0, eval.UseFunction("g10", 1.0));
}
} // namespace
