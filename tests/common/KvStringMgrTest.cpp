#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include "common/KvStringMgr.h"

namespace
{
enum class Op {
    Pop,            // list -> item, rest, result
    PopPair,        // list -> "name|value", rest, result
    Split,          // list -> "[a][b]", count
    Join,           // arg: elements separated by "|" -> text
    Count,          // list -> count
    Add,            // list + arg -> list
    AddPair,        // list + arg, arg2 -> list
    Del,            // list - arg -> list
    Exist,          // list, arg -> result
    ExistPair,      // list, arg, arg2 -> result
    Index,          // list, arg -> index
    ByIndex,        // list, n -> item (or "untouched"), result
    Set,            // list, n, arg -> list
    Insert,         // list, arg at n -> list
    RemoveRange,    // list, n .. n2 -> list
    RemoveSub,      // list - every arg -> list
    RemoveChar,     // list - every arg[0] -> list
    RemoveAllSub,   // list - every arg, by RemoveAll -> list
    RemoveCharOnly, // list - every arg[0], by Remove -> list
    Repeat,         // arg x n -> text
    RepeatChar,     // arg[0] x n -> text
    CutEnd,         // list less n bytes -> list
    GetPrompt,      // list, name arg, default arg2 -> text
    SetPrompt,      // list, name arg, value arg2 -> list, result
    PrecText,       // arg, n decimals, n2 optimise -> text
    PrecDouble,     // atof(arg), n digits, n2 general -> text
    Optimize,       // list -> list
    IsInteger,      // arg -> result
    IsNumber,       // arg -> result
};

struct StrCase
{
    const char* szName;
    Op op;
    const char* szList;
    const char* szArg;
    const char* szArg2;
    int n;
    int n2;
    const char* szExpectList; // the list or text after the call; nullptr: not checked
    const char* szExpectOut;  // the text result or out value; nullptr: not checked
    int nExpect;              // BOOL or int result; -99: not checked
    const char* szDelimiter = ",";
};

const int kAny = -99;

// clang-format off
const StrCase strCases[] = {
    // Popping and counting: a trailing delimiter makes no element, empty ones between count.
    { "pop single element",            Op::Pop, "a", "", "", 0, 0, "", "a", TRUE },
    { "pop empty list fails, item kept", Op::Pop, "", "", "", 0, 0, "", "untouched", FALSE },
    { "pop leaves the rest",           Op::Pop, "a,,b", "", "", 0, 0, ",b", "a", TRUE },
    { "pop leading empty element",     Op::Pop, ",a", "", "", 0, 0, "a", "", TRUE },
    { "pop trailing delimiter empties", Op::Pop, "a,", "", "", 0, 0, "", "a", TRUE },
    { "pop empty between delimiters",  Op::Pop, ",b", "", "", 0, 0, "b", "", TRUE },
    { "pop multi-char delimiter",      Op::Pop, "a\r\nb", "", "", 0, 0, "b", "a", TRUE, "\r\n" },
    { "pop steps over GBK trail 0x7C", Op::Pop, "\xD5\x7C|x", "", "", 0, 0, "x", "\xD5\x7C", TRUE, "|" },
    { "pop steps over GBK trail 0x5C", Op::Pop, "\xB1\x5C\\y", "", "", 0, 0, "y", "\xB1\x5C", TRUE, "\\" },
    { "pop empty delimiter takes all", Op::Pop, "abc", "", "", 0, 0, "", "abc", TRUE, "" },
    { "pair without delimiter fails",  Op::PopPair, "a", "", "", 0, 0, "a", "untouched", FALSE },
    { "pair trimmed, rest kept",       Op::PopPair, " x , 1 ,y", "", "", 0, 0, "y", "x|1", TRUE },
    { "pair value is the whole rest",  Op::PopPair, "n=v", "", "", 0, 0, "", "n|v", TRUE, "=" },
    { "pair on empty list fails",      Op::PopPair, "", "", "", 0, 0, "", "untouched", FALSE },
    { "pair with empty value",         Op::PopPair, "a,", "", "", 0, 0, "", "a|", TRUE },
    { "split keeps inner empty",       Op::Split, "a,,b,", "", "", 0, 0, nullptr, "[a][][b]", 3 },
    { "split empty text",              Op::Split, "", "", "", 0, 0, nullptr, "", 0 },
    { "count empty",                   Op::Count, "", "", "", 0, 0, nullptr, nullptr, 0 },
    { "count one",                     Op::Count, "a", "", "", 0, 0, nullptr, nullptr, 1 },
    { "count trailing delimiter",      Op::Count, "a,", "", "", 0, 0, nullptr, nullptr, 1 },
    { "count leading delimiter",       Op::Count, ",a", "", "", 0, 0, nullptr, nullptr, 2 },
    { "count inner empty",             Op::Count, "a,,b", "", "", 0, 0, nullptr, nullptr, 3 },
    { "count GBK text, newline lists", Op::Count, "\xD6\xD0\n\xCE\xC4\n", "", "", 0, 0, nullptr, nullptr, 2, "\n" },

    // Joining drops empty elements that precede all others.
    { "join leading empties vanish",   Op::Join, nullptr, "||c", "", 0, 0, nullptr, "c", kAny },
    { "join one leading empty",        Op::Join, nullptr, "|b", "", 0, 0, nullptr, "b", kAny },
    { "join inner empty kept",         Op::Join, nullptr, "a||b", "", 0, 0, nullptr, "a,,b", kAny },
    { "join trailing empty kept",      Op::Join, nullptr, "a|", "", 0, 0, nullptr, "a,", kAny },

    // Adding.
    { "add to empty list",             Op::Add, "", "b", "", 0, 0, "b", nullptr, kAny },
    { "add empty item",                Op::Add, "a", "", "", 0, 0, "a,", nullptr, kAny },
    { "add pair to empty list",        Op::AddPair, "", "n", "v", 0, 0, "n=v", nullptr, kAny, "=" },
    { "add pair to a list",            Op::AddPair, "a=1", "n", "v", 0, 0, "a=1=n=v", nullptr, kAny, "=" },

    // Deleting, with the rewrite of a list that lacks the item.
    { "del middle",                    Op::Del, "a,b,c", "b", "", 0, 0, "a,c", nullptr, kAny },
    { "del first",                     Op::Del, "b,c", "b", "", 0, 0, "c", nullptr, kAny },
    { "del last leaves delimiter",     Op::Del, "a,b", "b", "", 0, 0, "a,", nullptr, kAny },
    { "del absent rewrites the list",  Op::Del, ",a,b", "x", "", 0, 0, "a,b", nullptr, kAny },
    { "del empty item changes nothing", Op::Del, ",a,b", "", "", 0, 0, ",a,b", nullptr, kAny },
    { "del only the first match",      Op::Del, "a,b,a", "a", "", 0, 0, "b,a", nullptr, kAny },

    // Searching.
    { "exist yes",                     Op::Exist, "a,b,c", "b", "", 0, 0, nullptr, nullptr, TRUE },
    { "exist is case-sensitive",       Op::Exist, "a,b,c", "B", "", 0, 0, nullptr, nullptr, FALSE },
    { "exist pair by name",            Op::ExistPair, "a,1,b,2", "b", "", 0, 0, nullptr, nullptr, TRUE },
    { "exist pair by value",           Op::ExistPair, "a,1,b,2", "", "2", 0, 0, nullptr, nullptr, TRUE },
    { "exist pair mismatch",           Op::ExistPair, "a,1,b,2", "a", "2", 0, 0, nullptr, nullptr, FALSE },
    { "exist pair trims",              Op::ExistPair, " a , 1 ", "a", "1", 0, 0, nullptr, nullptr, TRUE },
    { "exist pair any name and value", Op::ExistPair, "a,1", "", "", 0, 0, nullptr, nullptr, TRUE },
    { "exist pair odd element unpaired", Op::ExistPair, "a,1,b", "b", "", 0, 0, nullptr, nullptr, FALSE },
    { "exist in empty list",           Op::Exist, "", "", "", 0, 0, nullptr, nullptr, FALSE },
    { "index of last",                 Op::Index, "a,b,c", "c", "", 0, 0, nullptr, nullptr, 2 },
    { "index of absent",               Op::Index, "a,b,c", "d", "", 0, 0, nullptr, nullptr, -1 },
    { "index of empty element",        Op::Index, "a,,c", "", "", 0, 0, nullptr, nullptr, 1 },
    { "by index found",                Op::ByIndex, "a,b,c", "", "", 1, 0, nullptr, "b", TRUE },
    { "by index past end",             Op::ByIndex, "a,b,c", "", "", 3, 0, nullptr, "untouched", FALSE },
    { "by negative index",             Op::ByIndex, "a,b,c", "", "", -1, 0, nullptr, "untouched", FALSE },

    // Setting.
    { "set middle",                    Op::Set, "a,b,c", "x", "", 1, 0, "a,x,c", nullptr, kAny },
    { "set first",                     Op::Set, "a,b,c", "x", "", 0, 0, "x,b,c", nullptr, kAny },
    { "set negative index",            Op::Set, "a,b,c", "x", "", -1, 0, "a,b,c", nullptr, kAny },
    { "set last keeps delimiter",      Op::Set, "a,b,c", "x", "", 2, 0, "a,b,x,", nullptr, kAny },
    { "set past end pads",             Op::Set, "a,b", "x", "", 3, 0, "a,b,,x", nullptr, kAny },
    { "set at count appends",          Op::Set, "a,b,", "x", "", 2, 0, "a,b,x", nullptr, kAny },
    { "set in empty list",             Op::Set, "", "x", "", 1, 0, ",x", nullptr, kAny },
    { "set past end, long delimiter",  Op::Set, "a", "x", "", 3, 0, "a<><><>x", nullptr, kAny, "<>" },
    { "set at the largest index refused", Op::Set, "a,b", "x", "", INT_MAX, 0, "a,b", nullptr, kAny },
    { "set in empty list at the largest index refused", Op::Set, "", "x", "", INT_MAX, 0, "", nullptr, kAny },

    // Text edits.
    { "insert past end ignored",       Op::Insert, "abc", "xy", "", 5, 0, "abc", nullptr, kAny },
    { "insert at end",                 Op::Insert, "abc", "xy", "", 3, 0, "abcxy", nullptr, kAny },
    { "insert negative ignored",       Op::Insert, "abc", "xy", "", -1, 0, "abc", nullptr, kAny },
    { "remove range",                  Op::RemoveRange, "abcdef", "", "", 1, 3, "adef", nullptr, kAny },
    { "remove to negative end",        Op::RemoveRange, "abcdef", "", "", 1, -1, "abcdef", nullptr, kAny },
    { "remove negative start",         Op::RemoveRange, "abcdef", "", "", -1, 3, "abcdef", nullptr, kAny },
    { "remove end before start",       Op::RemoveRange, "abcdef", "", "", 3, 1, "abcdef", nullptr, kAny },
    { "remove end past length",        Op::RemoveRange, "abcdef", "", "", 4, 99, "abcd", nullptr, kAny },
    { "remove joined occurrences",     Op::RemoveSub, "aabb", "ab", "", 0, 0, "", nullptr, kAny },
    { "remove substring everywhere",   Op::RemoveSub, "xaxbx", "x", "", 0, 0, "ab", nullptr, kAny },
    { "remove range from start",       Op::RemoveRange, "abcdef", "", "", 0, 2, "cdef", nullptr, kAny },
    { "remove range start past end",   Op::RemoveRange, "abc", "", "", 5, 6, "abc", nullptr, kAny },
    { "remove missing substring",      Op::RemoveSub, "abc", "x", "", 0, 0, "abc", nullptr, kAny },
    { "remove-all joined occurrences", Op::RemoveAllSub, "aabb", "ab", "", 0, 0, "", nullptr, kAny },
    { "remove nested occurrences",     Op::RemoveSub, "aaabbb", "ab", "", 0, 0, "", nullptr, kAny },
    { "remove a match ending in a lead byte", Op::RemoveSub, "a\xD5\x7C", "a\xD5", "", 0, 0, "\x7C", nullptr, kAny },
    { "remove no match from a trail byte", Op::RemoveSub, "\xD5\x7C" "ab", "\x7C" "a", "", 0, 0, "\xD5\x7C" "ab", nullptr, kAny },
    { "remove char joins a lone lead byte", Op::RemoveCharOnly, "\x81;\x81;", ";", "", 0, 0, "\x81\x81", nullptr, kAny },
    { "remove plain char",             Op::RemoveCharOnly, "a|b|", "|", "", 0, 0, "ab", nullptr, kAny },
    { "remove char not a trail byte",  Op::RemoveChar, "\xD5\x7C|a|", "|", "", 0, 0, "\xD5\x7C" "a", nullptr, kAny },
    { "repeat text",                   Op::Repeat, "", "ab", "", 3, 0, nullptr, "ababab", kAny },
    { "repeat zero",                   Op::Repeat, "", "ab", "", 0, 0, nullptr, "", kAny },
    { "repeat char",                   Op::RepeatChar, "", "x", "", 3, 0, nullptr, "xxx", kAny },
    { "repeat char negative",          Op::RepeatChar, "", "x", "", -2, 0, nullptr, "", kAny },
    { "cut end",                       Op::CutEnd, "abc", "", "", 1, 0, "ab", nullptr, kAny },
    { "cut more than length",          Op::CutEnd, "abc", "", "", 5, 0, "", nullptr, kAny },
    { "cut nothing",                   Op::CutEnd, "abc", "", "", 0, 0, "abc", nullptr, kAny },
    { "cut negative count",            Op::CutEnd, "abc", "", "", -1, 0, "abc", nullptr, kAny },
    { "cut whole length",              Op::CutEnd, "abc", "", "", 3, 0, "", nullptr, kAny },

    // Prompt text.
    { "set prompt replaces",           Op::SetPrompt, "a = 1;b = 2;c = 3", "b", "9", 0, 0, "a = 1;b = 9;c = 3", nullptr, TRUE },
    { "set prompt trimmed name",       Op::SetPrompt, " b=2", "b", "9", 0, 0, "b = 9;", nullptr, TRUE },
    { "set prompt no match",           Op::SetPrompt, "a = 1;;b = 2", "z", "9", 0, 0, "a = 1;b = 2;", nullptr, FALSE },
    { "get prompt value",              Op::GetPrompt, "a = 1;b = 9;c = 3", "b", "dflt", 0, 0, nullptr, "9", kAny },
    { "get prompt default",            Op::GetPrompt, "a = 1;b = 9;c = 3", "d", "dflt", 0, 0, nullptr, "dflt", kAny },
    { "get prompt item without =",     Op::GetPrompt, "flag;a=1", "flag", "dflt", 0, 0, nullptr, "", kAny },
    { "get prompt name not trimmed",   Op::GetPrompt, "a=1", " a", "dflt", 0, 0, nullptr, "dflt", kAny },
    { "get prompt splits at first =",  Op::GetPrompt, "a = b=c", "a", "dflt", 0, 0, nullptr, "b=c", kAny },
    { "get prompt first match wins",   Op::GetPrompt, ";a=1;a=2", "a", "dflt", 0, 0, nullptr, "1", kAny },
    { "set prompt last item",          Op::SetPrompt, "a = 1;b = 2", "b", "9", 0, 0, "a = 1;b = 9;", nullptr, TRUE },
    { "set prompt first match only",   Op::SetPrompt, "a=1;;a=2", "a", "9", 0, 0, "a = 9;;a=2", nullptr, TRUE },
    { "set prompt empty text",         Op::SetPrompt, "", "a", "9", 0, 0, ";", nullptr, FALSE },

    // Number text.
    { "precision two decimals",        Op::PrecText, "", "3.14159", "", 2, 0, nullptr, "3.14", kAny },
    { "precision optimised",           Op::PrecText, "", "2.5", "", 3, 1, nullptr, "2.5", kAny },
    { "precision not optimised",       Op::PrecText, "", "2.5", "", 3, 0, nullptr, "2.500", kAny },
    { "precision of no number",        Op::PrecText, "", "abc", "", 1, 0, nullptr, "0.0", kAny },
    { "precision reads number prefix", Op::PrecText, "", "12.5kg", "", 0, 0, nullptr, "12", kAny },
    { "precision ignores hex",         Op::PrecText, "", "0x10", "", 0, 0, nullptr, "0", kAny },
    { "precision negative decimals",   Op::PrecText, "", "2.5", "", -1, 0, nullptr, "2.500000", kAny },
    { "precision of double fixed",     Op::PrecDouble, "", "2.5", "", 1, 0, nullptr, "2.5", kAny },
    { "precision of double general",   Op::PrecDouble, "", "2.56", "", 2, 1, nullptr, "2.6", kAny },
    { "precision keeps zeros",         Op::PrecDouble, "", "2", "", 2, 0, nullptr, "2.00", kAny },
    { "damaged huge precision capped", Op::PrecText, "", "1.5", "", 2000000000, 1, nullptr, "1.5", kAny },
    { "damaged huge digits capped",    Op::PrecDouble, "", "2.5", "", 2000000000, 1, nullptr, "2.5", kAny },
    { "optimize zeros",                Op::Optimize, "1.500", "", "", 0, 0, "1.5", nullptr, kAny },
    { "optimize to integer",           Op::Optimize, "2.000", "", "", 0, 0, "2", nullptr, kAny },
    { "optimize no point",             Op::Optimize, "10", "", "", 0, 0, "10", nullptr, kAny },
    { "optimize leading point",        Op::Optimize, ".50", "", "", 0, 0, ".50", nullptr, kAny },
    { "optimize negative",             Op::Optimize, "-0.50", "", "", 0, 0, "-0.5", nullptr, kAny },
    { "optimize zero fraction",        Op::Optimize, "0.000", "", "", 0, 0, "0", nullptr, kAny },
    { "is integer",                    Op::IsInteger, "", "12", "", 0, 0, nullptr, nullptr, TRUE },
    { "is integer negative",           Op::IsInteger, "", "-3", "", 0, 0, nullptr, nullptr, TRUE },
    { "integer plus sign",             Op::IsInteger, "", "+3", "", 0, 0, nullptr, nullptr, FALSE },
    { "integer leading zero",          Op::IsInteger, "", "03", "", 0, 0, nullptr, nullptr, FALSE },
    { "integer leading blank",         Op::IsInteger, "", " 3", "", 0, 0, nullptr, nullptr, FALSE },
    { "integer minus zero",            Op::IsInteger, "", "-0", "", 0, 0, nullptr, nullptr, FALSE },
    { "integer with point",            Op::IsInteger, "", "1.0", "", 0, 0, nullptr, nullptr, FALSE },
    { "integer empty",                 Op::IsInteger, "", "", "", 0, 0, nullptr, nullptr, FALSE },
    { "integer past 32 bits",          Op::IsInteger, "", "2147483648", "", 0, 0, nullptr, nullptr, FALSE },
    { "integer 32-bit maximum",        Op::IsInteger, "", "2147483647", "", 0, 0, nullptr, nullptr, TRUE },
    { "number negative",               Op::IsNumber, "", "-5", "", 0, 0, nullptr, nullptr, TRUE },
    { "number fraction",               Op::IsNumber, "", "0.5", "", 0, 0, nullptr, nullptr, TRUE },
    { "number leading point",          Op::IsNumber, "", ".5", "", 0, 0, nullptr, nullptr, TRUE },
    { "number zeros before point",     Op::IsNumber, "", "00.5", "", 0, 0, nullptr, nullptr, TRUE },
    { "number lone minus",             Op::IsNumber, "", "-", "", 0, 0, nullptr, nullptr, TRUE },
    { "number zero",                   Op::IsNumber, "", "0", "", 0, 0, nullptr, nullptr, TRUE },
    { "number leading zero",           Op::IsNumber, "", "012", "", 0, 0, nullptr, nullptr, FALSE },
    { "number double zero",            Op::IsNumber, "", "00", "", 0, 0, nullptr, nullptr, FALSE },
    { "number trailing point",         Op::IsNumber, "", "5.", "", 0, 0, nullptr, nullptr, FALSE },
    { "number exponent",               Op::IsNumber, "", "1e3", "", 0, 0, nullptr, nullptr, FALSE },
    { "number plus sign",              Op::IsNumber, "", "+5", "", 0, 0, nullptr, nullptr, FALSE },
    { "number thousands",              Op::IsNumber, "", "1,000", "", 0, 0, nullptr, nullptr, FALSE },
    { "number two points",             Op::IsNumber, "", "1.2.3", "", 0, 0, nullptr, nullptr, FALSE },
    { "number inner minus",            Op::IsNumber, "", "1-2", "", 0, 0, nullptr, nullptr, FALSE },
    { "number empty",                  Op::IsNumber, "", "", "", 0, 0, nullptr, nullptr, FALSE },
    { "number minus zero",             Op::IsNumber, "", "-0", "", 0, 0, nullptr, nullptr, TRUE },
    { "number minus leading point",    Op::IsNumber, "", "-.5", "", 0, 0, nullptr, nullptr, TRUE },
    { "number blank",                  Op::IsNumber, "", " 5", "", 0, 0, nullptr, nullptr, FALSE },
};
// clang-format on

TEST(KvStringMgrTest, EachOperationGivesItsTabledListAndResult)
{
    for (const StrCase& c : strCases) {
        SCOPED_TRACE(c.szName);
        CString strList = c.szList != nullptr ? c.szList : "";
        CString strOut = "untouched";
        int nResult = kAny;
        const CString strDelim = c.szDelimiter;
        switch (c.op) {
        case Op::Pop:
            nResult = CKvStringMgr::GetElementItem(strList, strOut, strDelim);
            break;
        case Op::PopPair: {
            CString strName = "untouched";
            CString strValue = "untouched";
            nResult = CKvStringMgr::GetElementItem(strList, strName, strValue, strDelim);
            strOut = nResult ? strName + "|" + strValue : strName;
            break;
        }
        case Op::Split: {
            CStringArray arr;
            arr.Add("stale");
            CKvStringMgr::StringToArray(strList, arr, strDelim);
            strOut.Empty();
            for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
                strOut += "[" + arr[i] + "]";
            }
            nResult = static_cast<int>(arr.GetSize());
            break;
        }
        case Op::Join: {
            CStringArray arr;
            CKvStringMgr::StringToArray(c.szArg, arr, "|");
            if (CString(c.szArg).Right(1) == "|") {
                arr.Add(""); // a trailing "|" in the table stands for a trailing empty element
            }
            CKvStringMgr::ArrayToString(arr, strOut, strDelim);
            break;
        }
        case Op::Count:
            nResult = CKvStringMgr::GetElementCount(strList, strDelim);
            break;
        case Op::Add:
            CKvStringMgr::AddElementItem(strList, c.szArg, strDelim);
            break;
        case Op::AddPair:
            CKvStringMgr::AddElementItem(strList, c.szArg, c.szArg2, strDelim);
            break;
        case Op::Del:
            CKvStringMgr::DelElementItem(strList, c.szArg, strDelim);
            break;
        case Op::Exist:
            nResult = CKvStringMgr::ExistElementItem(strList, c.szArg, strDelim);
            break;
        case Op::ExistPair:
            nResult = CKvStringMgr::ExistElementItem(strList, c.szArg, c.szArg2, strDelim);
            break;
        case Op::Index:
            nResult = CKvStringMgr::GetElementIndex(strList, c.szArg, strDelim);
            break;
        case Op::ByIndex:
            nResult = CKvStringMgr::GetElementItemByIndex(strList, c.n, strOut, strDelim);
            break;
        case Op::Set:
            CKvStringMgr::SetElement(strList, c.n, c.szArg, strDelim);
            break;
        case Op::Insert:
            CKvStringMgr::Insert(strList, c.szArg, c.n);
            break;
        case Op::RemoveRange:
            CKvStringMgr::Remove(strList, c.n, c.n2);
            break;
        case Op::RemoveSub:
            CKvStringMgr::Remove(strList, CString(c.szArg));
            break;
        case Op::RemoveChar:
            CKvStringMgr::RemoveAll(strList, c.szArg[0]);
            break;
        case Op::RemoveAllSub:
            CKvStringMgr::RemoveAll(strList, CString(c.szArg));
            break;
        case Op::RemoveCharOnly:
            CKvStringMgr::Remove(strList, c.szArg[0]);
            break;
        case Op::Repeat:
            strOut = CKvStringMgr::Repeat(CString(c.szArg), c.n);
            break;
        case Op::RepeatChar:
            strOut = CKvStringMgr::Repeat(c.szArg[0], c.n);
            break;
        case Op::CutEnd:
            CKvStringMgr::CutEndChar(strList, c.n);
            break;
        case Op::GetPrompt:
            strOut = CKvStringMgr::GetPormpt(strList, c.szArg, c.szArg2);
            break;
        case Op::SetPrompt:
            nResult = CKvStringMgr::SetPormpt(strList, c.szArg, c.szArg2);
            break;
        case Op::PrecText:
            strOut = CKvStringMgr::PrecisionByNum(CString(c.szArg), c.n, c.n2);
            break;
        case Op::PrecDouble:
            strOut = CKvStringMgr::PrecisionByNum(std::atof(c.szArg), c.n, c.n2);
            break;
        case Op::Optimize:
            CKvStringMgr::OptimizeByNum(strList);
            break;
        case Op::IsInteger:
            nResult = CKvStringMgr::IsInteger(c.szArg);
            break;
        case Op::IsNumber:
            nResult = CKvStringMgr::IsNumberVal(c.szArg);
            break;
        }
        if (c.szExpectList != nullptr) {
            EXPECT_EQ(CString(c.szExpectList), strList);
        }
        if (c.szExpectOut != nullptr) {
            EXPECT_EQ(CString(c.szExpectOut), strOut);
        }
        if (c.nExpect != kAny) {
            EXPECT_EQ(c.nExpect, nResult);
        }
    }
}

TEST(KvStringMgrTest, SetPromptValueIsReadBackByGetPrompt)
{
    CString strPrompt = "a = 1;b = 2;c = 3";
    ASSERT_TRUE(CKvStringMgr::SetPormpt(strPrompt, "b", "9"));
    EXPECT_EQ(CString("9"), CKvStringMgr::GetPormpt(strPrompt, "b", "x"));
    EXPECT_EQ(CString("3"), CKvStringMgr::GetPormpt(strPrompt, "c", "x"));
    EXPECT_EQ(CString("x"), CKvStringMgr::GetPormpt(strPrompt, "d", "x"));
}

TEST(KvStringMgrTest, SetElementFarPastTheEndPadsWithEmptyElements)
{
    CString strList = "a,b";
    CKvStringMgr::SetElement(strList, 10000, "x", ",");
    EXPECT_EQ(10001, CKvStringMgr::GetElementCount(strList, ","));
    CString strItem;
    ASSERT_TRUE(CKvStringMgr::GetElementItemByIndex(strList, 10000, strItem, ","));
    EXPECT_EQ(CString("x"), strItem);
    EXPECT_EQ(CString("a,b,,"), strList.Left(5));
}

TEST(KvStringMgrTest, AddedEmptyItemStillCountsOneElement)
{
    CString strList = "a";
    CKvStringMgr::AddElementItem(strList, "", ",");
    EXPECT_EQ(CString("a,"), strList);
    EXPECT_EQ(1, CKvStringMgr::GetElementCount(strList, ","));
}
} // namespace
