#include "common/KvEvaluate.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "common/KvNumText.h"
#include "common/KvStringMgr.h"

namespace
{
constexpr double kPi = std::numbers::pi;
const double kE = 2.718281828459045;
// User functions may call user functions; one that calls itself stops here instead of
// overflowing the stack.
const int kMaxCallDepth = 64;
// Characters one evaluation may scan, user-function bodies included: functions that call each
// other twice per level stay well inside the depth limit yet double the work at every level.
const int kMaxSteps = 1 << 18;
// Enough decimals to reach the 17th significant digit of the smallest normal double.
const int kMaxFix = 340;

// clang-format off
enum OpCode
{
    opMark, // opens a group that a ")" closes
    // binary operators
    opAdd, opSub, opMul, opDiv, opMod, opAnd, opOr, opXor,
    opLt, opGt, opEq, opNe, opLe, opGe,
    opAssign, opAddAssign, opSubAssign, opMulAssign, opDivAssign,
    // one operand or none
    opNeg, opCompl, opNot, opColon,
    opCall, // user function
    // built-in functions
    fnSin, fnCos, fnTan, fnAcos, fnAsin, fnAtan, fnDec, fnHex, fnBin, fnChr, fnRad, fnDeg, fnGon,
    fnPow, fnSqr, fnSqrt, fnExp, fnLog, fnLog10, fnCube, fnAbs, fnInt, fnFract, fnFak, fnFix,
};

struct FuncName
{
    const char* szName;
    int nOp;
};

const FuncName funcNames[] = {
    { "sin", fnSin },   { "cos", fnCos },     { "tan", fnTan },   { "acos", fnAcos }, { "asin", fnAsin },
    { "atan", fnAtan }, { "dec", fnDec },     { "hex", fnHex },   { "bin", fnBin },   { "chr", fnChr },
    { "rad", fnRad },   { "deg", fnDeg },     { "gon", fnGon },   { "pow", fnPow },   { "sqr", fnSqr },
    { "sqrt", fnSqrt }, { "exp", fnExp },     { "log", fnLog },   { "log10", fnLog10 }, { "cube", fnCube },
    { "abs", fnAbs },   { "int", fnInt },     { "fract", fnFract }, { "fak", fnFak }, { "fix", fnFix },
};
// clang-format on

bool IsBinOp(int nOp)
{
    return nOp >= opAdd && nOp <= opDivAssign;
}

bool IsAssignOp(int nOp)
{
    return nOp >= opAssign && nOp <= opDivAssign;
}

bool IsFunctionOp(int nOp)
{
    return nOp >= opCall;
}

bool IsPrefixOp(int nOp)
{
    return nOp == opNeg || nOp == opCompl || nOp == opNot;
}

int HexDigit(char ch)
{
    if (KvIsDigit(ch)) {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

bool IsValidVarChar(char ch)
{
    BYTE b = static_cast<BYTE>(ch);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || KvIsDigit(ch) || b >= 0x80 || b == '[' || b == ']';
}

// Index of the last character of the number that starts at nStart.
int NumberEnd(const CString& strText, int nStart)
{
    int nEnd = nStart;
    while (nEnd + 1 < strText.GetLength()) {
        char ch = strText[nEnd];
        char chNext = strText[nEnd + 1];
        if (HexDigit(chNext) >= 0 || chNext == '.' || (chNext == 'x' && ch == '0') ||
            ((chNext == '+' || chNext == '-') && (ch == 'e' || ch == 'E'))) {
            ++nEnd;
        } else {
            break;
        }
    }
    return nEnd;
}

// "0x1f" hexadecimal, "101b" binary, anything else decimal as far as it goes ("12af" is 12).
double Dec(const CString& strNumber)
{
    int nLength = strNumber.GetLength();
    double dValue = 0.0;
    if (nLength > 2 && strNumber[0] == '0' && strNumber[1] == 'x') {
        for (int i = 2; i < nLength && HexDigit(strNumber[i]) >= 0; ++i) {
            dValue = dValue * 16.0 + HexDigit(strNumber[i]);
        }
        return dValue;
    }
    if (nLength > 0 && strNumber[nLength - 1] == 'b') {
        for (int i = 0; i < nLength - 1; ++i) {
            dValue = dValue * 2.0 + (strNumber[i] == '1' ? 1.0 : 0.0);
        }
        return dValue;
    }
    return KvReadDecimal(strNumber);
}

// The integer part of a value for "%": truncated toward zero, inside the 32-bit range.
bool ToInt32(double dValue, int& nValue)
{
    double dTrunc = std::trunc(dValue);
    if (!(dTrunc >= INT_MIN && dTrunc <= INT_MAX)) {
        return false;
    }
    nValue = static_cast<int>(dTrunc);
    return true;
}

// The 32 bits of a value for the bit operators and the HEX, BIN and CHR results: negative
// values down to INT_MIN give their two's complement, positive ones up to UINT_MAX their bits.
bool ToBits32(double dValue, UINT& uBits)
{
    double dTrunc = std::trunc(dValue);
    if (!(dTrunc >= INT_MIN && dTrunc <= UINT_MAX)) {
        return false;
    }
    uBits = dTrunc < 0 ? static_cast<UINT>(static_cast<int>(dTrunc)) : static_cast<UINT>(dTrunc);
    return true;
}

double FromBits32(UINT uBits)
{
    return static_cast<double>(static_cast<int>(uBits));
}

CString Hex(UINT uValue, int nWidth)
{
    CString strDigits;
    strDigits.Format("%x", uValue);
    if (nWidth > strDigits.GetLength()) {
        strDigits = CString('0', nWidth - strDigits.GetLength()) + strDigits;
    }
    return strDigits;
}

CString Bin(UINT uValue, int nWidth)
{
    CString strDigits;
    do {
        strDigits += (uValue & 1) != 0 ? '1' : '0';
        uValue >>= 1;
    } while (uValue != 0);
    strDigits.MakeReverse();
    if (nWidth > strDigits.GetLength()) {
        strDigits = CString('0', nWidth - strDigits.GetLength()) + strDigits;
    }
    return strDigits;
}

// Stops as soon as the product is infinite: a large argument would otherwise count down for ages.
double Fak(double dValue)
{
    if (std::isnan(dValue)) {
        return dValue;
    }
    if (dValue <= 0) {
        return 1.0;
    }
    double dProduct = 1.0;
    for (double dFactor = dValue; dFactor > 0 && !std::isinf(dProduct); dFactor -= 1.0) {
        dProduct *= dFactor;
    }
    return dProduct;
}

// Operator characters and their codes, at the same index.
const char szOpChars[] = "!%&*+/<>:^|~";
const int opOfChar[] = {opNot, opMod, opAnd, opMul, opAdd, opDiv, opLt, opGt, opColon, opXor, opOr, opCompl};

bool IsOneOf(char ch, LPCSTR pszSet)
{
    return ch != '\0' && std::strchr(pszSet, ch) != nullptr;
}

char CharAt(const CString& strText, int nIndex)
{
    return nIndex >= 0 && nIndex < strText.GetLength() ? strText[nIndex] : '\0';
}
} // namespace

struct CKvEvaluate::Result
{
    CString strText; // the result text, or what Calc returns for the error
    double dValue = 0.0;
    bool bFailed = false;
    CString strError;
    bool bNulResult = false;
};

// The stacks of one evaluation. Popping an empty stack fails the evaluation with the stack's
// error detail; nothing of one evaluation is left for the next.
struct CKvEvaluate::Frame
{
    std::vector<int> ops;
    std::vector<double> vals;
    std::vector<CString> names;
    CString strError;
    bool bNulResult = false; // these errors make Calc return one NUL character
    int nDepth = 0;
    bool bBody = false; // evaluating a user function's body

    bool Failed() const { return !strError.IsEmpty(); }
    void Fail(const CString& strDetail, bool bNul = false) { Adopt("Syntax Error: " + strDetail, bNul); }
    void Adopt(const CString& strText, bool bNul)
    {
        if (!Failed()) {
            strError = strText;
            bNulResult = bNul;
        }
    }
    void Push(double dValue) { vals.push_back(dValue); }
    double Pop()
    {
        if (vals.empty()) {
            Fail("value");
            return 0.0;
        }
        double dValue = vals.back();
        vals.pop_back();
        return dValue;
    }
    // The operator on top; a group mark stands for the empty stack.
    int TopOp() const { return ops.empty() ? opMark : ops.back(); }
    int PopOp()
    {
        if (ops.empty()) {
            Fail("op");
            return opMark;
        }
        int nOp = ops.back();
        ops.pop_back();
        return nOp;
    }
    CString PopName()
    {
        if (names.empty()) {
            Fail("var");
            return CString();
        }
        CString strName = names.back();
        names.pop_back();
        return strName;
    }
};

CKvEvaluate::CKvEvaluate()
    : m_nFix(-1), m_pOutVars(nullptr), m_dLastResult(0.0), m_nNumMode(numDec), m_nAngleMode(angleRad),
      m_nStepsLeft(kMaxSteps)
{
    Reset();
}

CKvEvaluate::~CKvEvaluate() = default;

CString CKvEvaluate::Calc(const CString& strExpress, const CKvValMap* pOutVars)
{
    if (pOutVars != nullptr) {
        m_pOutVars = pOutVars;
    }
    m_nStepsLeft = kMaxSteps;
    return Evaluate(strExpress, 0, false).strText;
}

BOOL CKvEvaluate::Computer(const CString& strExpress, CString& strResult)
{
    CString strText = Calc(strExpress);
    // Binary digits pass as a decimal text, but "101" standing for 5 is no number for a caller.
    if (m_nNumMode != numDec || !CKvStringMgr::IsNumberVal(strText)) {
        return FALSE;
    }
    strResult = strText;
    return TRUE;
}

BOOL CKvEvaluate::CheckExpress(const CString& strExpress)
{
    CString strScratch;
    return Computer(strExpress, strScratch);
}

void CKvEvaluate::AddValMap(const CString& strName, float fValue)
{
    m_mapVar.SetAt(strName, static_cast<double>(fValue));
}

void CKvEvaluate::AddValMap(const CString& strName, int nValue)
{
    m_mapVar.SetAt(strName, static_cast<double>(nValue));
}

void CKvEvaluate::AddValMap(const CString& strName, double dValue)
{
    m_mapVar.SetAt(strName, dValue);
}

CString CKvEvaluate::Reset()
{
    m_arrFuncName.RemoveAll();
    m_arrFuncBody.RemoveAll();
    m_mapVar.RemoveAll();
    m_mapVar.SetAt("pi", kPi);
    m_mapVar.SetAt("e", kE);
    m_nNumMode = numDec;
    m_nAngleMode = angleRad;
    return "Reset";
}

CString CKvEvaluate::Status() const
{
    static const char* const angleNames[] = {"RAD", "DEG", "GON"};
    static const char* const numNames[] = {"DEC", "HEX", "BIN", "CHR"};
    CString strStatus;
    strStatus.Format("FIX = %d    %s    %s", m_nFix, angleNames[m_nAngleMode], numNames[m_nNumMode]);
    return strStatus;
}

CString CKvEvaluate::SetFunction(const CString& strName, const CString& strBody)
{
    CString strStored = strBody.Left(strBody.GetLength() - 1);
    if (strStored.Find('x') < 0) {
        m_strError = "Syntax Error: fn(x) = ..x..";
        return m_strError;
    }
    int nIndex = FindFunction(strName);
    if (nIndex >= 0) {
        m_arrFuncBody[nIndex] = strStored;
    } else {
        m_arrFuncName.Add(strName);
        m_arrFuncBody.Add(strStored);
    }
    return strName + " := " + strStored;
}

double CKvEvaluate::UseFunction(const CString& strName, double dArg)
{
    m_nStepsLeft = kMaxSteps;
    Result result = CallFunction(strName, dArg, 1);
    return result.bFailed ? 0.0 : result.dValue;
}

CString CKvEvaluate::VarList() const
{
    CString strList;
    CString strValue;
    CString strName;
    double dValue = 0.0;
    const CKvValMap* maps[] = {&m_mapVar, m_pOutVars};
    for (const CKvValMap* pMap : maps) {
        if (pMap == nullptr) {
            continue;
        }
        for (POSITION pos = pMap->GetStartPosition(); pos != nullptr;) {
            pMap->GetNextAssoc(pos, strName, dValue);
            if (m_nFix < 0) {
                strValue.Format("%g", dValue);
            } else {
                strValue.Format("%.*f", m_nFix, dValue);
            }
            strList += "[" + strName + "] = " + strValue + "\n";
        }
    }
    for (INT_PTR i = 0; i < m_arrFuncName.GetSize(); ++i) {
        strList += "[" + m_arrFuncName[i] + "] = " + m_arrFuncBody[i] + "\n";
    }
    return strList;
}

int CKvEvaluate::FindFunction(const CString& strName) const
{
    for (INT_PTR i = 0; i < m_arrFuncName.GetSize(); ++i) {
        if (m_arrFuncName[i] == strName) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

double CKvEvaluate::ToRad(double dValue) const
{
    switch (m_nAngleMode) {
    case angleDeg:
        return dValue * kPi / 180.0;
    case angleGon:
        return dValue * kPi / 200.0;
    default:
        return dValue;
    }
}

double CKvEvaluate::ToMod(double dValue) const
{
    switch (m_nAngleMode) {
    case angleDeg:
        return dValue * 180.0 / kPi;
    case angleGon:
        return dValue * 200.0 / kPi;
    default:
        return dValue;
    }
}

CKvEvaluate::Result CKvEvaluate::Failure(const CString& strError, bool bNulResult)
{
    m_strError = strError;
    Result result;
    // An unknown name and a leading "=" give one NUL character, which reads as empty.
    result.strText = bNulResult ? CString("", 1) : strError;
    result.bFailed = true;
    result.strError = strError;
    result.bNulResult = bNulResult;
    return result;
}

CKvEvaluate::Result CKvEvaluate::Evaluate(const CString& strExpress, int nDepth, bool bBody)
{
    CString strText = strExpress;
    strText.Remove(' ');
    strText += ')';
    // Statements before a ";" act only through what they change in the object.
    for (int nPos = strText.Find(';'); nPos > 0; nPos = strText.Find(';')) {
        Evaluate(strText.Left(nPos), nDepth, bBody);
        strText = strText.Mid(nPos + 1);
    }
    return Scan(strText, nDepth, bBody);
}

CKvEvaluate::Result CKvEvaluate::Scan(const CString& strText, int nDepth, bool bBody)
{
    Frame f;
    f.nDepth = nDepth;
    f.bBody = bBody;
    f.ops.push_back(opMark);
    const int nLength = strText.GetLength();
    bool bPrevOperand = false;  // the step before ended an operand: a "-" now subtracts
    bool bPrevCallName = false; // the step before read a function's name, which opened its group
    for (int i = 0; i < nLength && !f.Failed(); ++i) {
        bool bOperand = false;
        bool bCallName = false;
        if (--m_nStepsLeft < 0) {
            f.Fail("too long");
            break;
        }
        const char ch = strText[i];
        if (KvIsDigit(ch)) {
            int nEnd = NumberEnd(strText, i);
            f.Push(Dec(strText.Mid(i, nEnd - i + 1)));
            i = nEnd;
            ApplyNeg(f);
            bOperand = true;
        } else if ((ch == '"' || ch == '\'') && i + 1 < nLength) {
            // The character's code; a byte of 0x80 and above counts as negative. A double-byte
            // character is stepped over whole, so that its trail byte is not read as a name.
            f.Push(static_cast<signed char>(strText[i + 1]));
            i += CString::CharLength(strText.GetString() + i + 1);
            ApplyNeg(f);
            bOperand = true;
        } else if (ch == '(') {
            // Only the "(" right after a function's name belongs to the group the name opened;
            // any later one, as in "sqrt((2+2)*4)" or "pow(2,(1+2)*2)", opens a group of its own.
            if (!bPrevCallName) {
                f.ops.push_back(opMark);
            }
        } else if (ch == ')') {
            CloseGroup(f);
            bOperand = true;
        } else if (ch == ',') {
            // The argument before the comma is complete.
            ApplyPending(f, false);
        } else if (ch == '-') {
            f.ops.push_back(bPrevOperand ? opSub : opNeg);
        } else if (IsOneOf(ch, szOpChars)) {
            f.ops.push_back(opOfChar[std::strchr(szOpChars, ch) - szOpChars]);
        } else if (ch == '=') {
            if (i == 0) {
                f.Fail("'='", true);
                break;
            }
            // clang-format off
            switch (strText[i - 1]) {
            case '+': f.PopOp(); f.ops.push_back(opAddAssign); break;
            case '-': f.PopOp(); f.ops.push_back(opSubAssign); break;
            case '*': f.PopOp(); f.ops.push_back(opMulAssign); break;
            case '/': f.PopOp(); f.ops.push_back(opDivAssign); break;
            case '=': f.PopOp(); f.ops.push_back(opEq); break;
            case '!': f.PopOp(); f.ops.push_back(opNe); break;
            case '<': f.PopOp(); f.ops.push_back(opLe); break;
            case '>': f.PopOp(); f.ops.push_back(opGe); break;
            // clang-format on
            case ':': {
                // A definition ends the evaluation: the rest of the text is the body.
                f.PopOp();
                CString strName = f.PopName();
                if (f.Failed()) {
                    break;
                }
                CString strDefined = SetFunction(strName, strText.Mid(i + 1));
                if (strDefined.Find("Syntax Error: ") == 0) {
                    return Failure(strDefined, false);
                }
                Result result;
                result.strText = strDefined;
                return result;
            }
            default:
                // "fix=3" sets three decimals.
                if (f.TopOp() == fnFix) {
                    break;
                }
                f.ops.push_back(opAssign);
                // Assigning to a user function's name turns the name into a plain variable.
                if (CharAt(strText, i + 1) != '=' && !f.names.empty()) {
                    int nIndex = FindFunction(f.names.back());
                    if (nIndex >= 0) {
                        m_arrFuncName.RemoveAt(nIndex);
                        m_arrFuncBody.RemoveAt(nIndex);
                    }
                }
                break;
            }
        } else {
            const size_t nOps = f.ops.size();
            i = ScanName(f, strText, i, bOperand);
            bCallName = f.ops.size() > nOps && IsFunctionOp(f.TopOp());
        }
        if (f.Failed()) {
            break;
        }
        // Precedence: "*" and "/" bind tighter than every other binary operator, so a lower
        // operator first applies what waits in its group, from the "*" or "/" on top down.
        int nTop = f.TopOp();
        if (!bOperand && IsBinOp(nTop) && nTop != opMul && nTop != opDiv) {
            f.ops.pop_back();
            if (f.TopOp() == opMul || f.TopOp() == opDiv) {
                ApplyPending(f, true);
            }
            f.ops.push_back(nTop);
        }
        bPrevOperand = bOperand;
        bPrevCallName = bCallName;
    }

    Result result;
    if (!f.Failed()) {
        result.dValue = f.vals.empty() ? 0.0 : f.vals.back();
        m_dLastResult = result.dValue;
        if (FormatResult(result.dValue, result.strText)) {
            return result;
        }
        f.Fail("int");
    }
    return Failure(f.strError, f.bNulResult);
}

int CKvEvaluate::ScanName(Frame& f, const CString& strText, int nStart, bool& bOperand)
{
    const int nLength = strText.GetLength();
    int nEnd = nStart;
    while (nEnd < nLength && IsValidVarChar(strText[nEnd])) {
        nEnd += CString::CharLength(strText.GetString() + nEnd);
    }
    if (nEnd == nStart) {
        // A character that starts nothing is reported as an unknown name of its own.
        nEnd += CString::CharLength(strText.GetString() + nStart);
    }
    CString strName = strText.Mid(nStart, nEnd - nStart);
    const char chNext = CharAt(strText, nEnd);
    const char chAfter = CharAt(strText, nEnd + 1);

    CString strLower = strName;
    strLower.MakeLower();
    for (const FuncName& fn : funcNames) {
        if (strLower == fn.szName) {
            f.ops.push_back(opMark);
            f.ops.push_back(fn.nOp);
            return nEnd - 1;
        }
    }
    // "a=", "a+=", "a:=" make a target; "a==", "a<=", "a>=", "a!=" compare the value of a.
    if ((chNext == '=' && chAfter != '=') || (IsOneOf(chNext, "+-*/:") && chAfter == '=')) {
        f.names.push_back(strName);
        return nEnd - 1;
    }
    if (FindFunction(strName) >= 0) {
        f.names.push_back(strName);
        f.ops.push_back(opMark);
        f.ops.push_back(opCall);
        return nEnd - 1;
    }
    double dValue = 0.0;
    // Inside a user function its argument "x" hides an "x" of the caller's map.
    bool bFound = (f.bBody && strName == "x" && m_mapVar.Lookup(strName, dValue)) ||
                  (m_pOutVars != nullptr && m_pOutVars->Lookup(strName, dValue)) || m_mapVar.Lookup(strName, dValue);
    if (!bFound) {
        f.Fail("var " + strName, true);
        return nEnd - 1;
    }
    f.Push(dValue);
    ApplyNeg(f);
    bOperand = true;
    return nEnd - 1;
}

void CKvEvaluate::ApplyNeg(Frame& f)
{
    // A unary minus binds to its operand alone: "-a+3" is (-a)+3.
    while (f.TopOp() == opNeg) {
        f.ops.pop_back();
        f.Push(-f.Pop());
    }
}

void CKvEvaluate::ApplyPending(Frame& f, bool bStopAtAssign)
{
    // Never past the group's mark or its function; the precedence rule also leaves an
    // assignment waiting, so that "a=2*3+1" stores the whole value.
    while (!f.ops.empty() && !f.Failed()) {
        int nTop = f.ops.back();
        if (nTop == opMark || IsFunctionOp(nTop) || (bStopAtAssign && IsAssignOp(nTop))) {
            break;
        }
        f.ops.pop_back();
        Apply(f, nTop);
    }
}

void CKvEvaluate::CloseGroup(Frame& f)
{
    int nLast = opMark;
    while (!f.ops.empty() && !f.Failed()) {
        int nOp = f.ops.back();
        f.ops.pop_back();
        if (nOp == opMark) {
            break;
        }
        Apply(f, nOp);
        nLast = nOp;
    }
    // "~(5)", "!(0)" and "-(2+3)" take the group as their operand; after a function's own
    // group only a unary minus does ("~sqrt(4)+1" complements the sum, as "~5+1" does).
    if (IsFunctionOp(nLast)) {
        ApplyNeg(f);
        return;
    }
    while (IsPrefixOp(f.TopOp()) && !f.Failed()) {
        int nOp = f.ops.back();
        f.ops.pop_back();
        Apply(f, nOp);
    }
}

void CKvEvaluate::Apply(Frame& f, int nOp)
{
    if (IsAssignOp(nOp)) {
        ApplyAssign(f, nOp);
    } else if (IsBinOp(nOp)) {
        ApplyBinary(f, nOp);
    } else if (nOp >= fnSin) {
        ApplyFunction(f, nOp);
    } else if (nOp == opCall) {
        double dArg = f.Pop();
        CString strName = f.PopName();
        if (f.Failed()) {
            return;
        }
        Result result = CallFunction(strName, dArg, f.nDepth + 1);
        if (result.bFailed) {
            // An error inside the body is the caller's error, not a value of 0.
            f.Adopt(result.strError, result.bNulResult);
            return;
        }
        f.Push(result.dValue);
    } else if (nOp == opNeg) {
        f.Push(-f.Pop());
    } else if (nOp == opNot) {
        f.Push(f.Pop() == 0.0 ? 1.0 : 0.0);
    } else if (nOp == opCompl) {
        UINT uBits = 0;
        if (!ToBits32(f.Pop(), uBits)) {
            f.Fail("int");
            return;
        }
        f.Push(FromBits32(~uBits));
    }
    // A group mark or a single ":" does nothing.
}

void CKvEvaluate::ApplyBinary(Frame& f, int nOp)
{
    double dRight = f.Pop();
    double dLeft = f.Pop();
    if (f.Failed()) {
        return;
    }
    // The operators of one group are applied from the right; the operator beneath compensates
    // so that "8-3-2" is 8-(3+2) and "10/2/5" is 10/(2*5).
    const int nBeneath = f.TopOp();
    double dResult = 0.0;
    switch (nOp) {
    case opAdd:
        dResult = nBeneath == opSub ? dLeft - dRight : dLeft + dRight;
        break;
    case opSub:
        dResult = nBeneath == opSub ? dLeft + dRight : dLeft - dRight;
        break;
    case opMul:
        dResult = nBeneath == opDiv ? dLeft / dRight : dLeft * dRight;
        break;
    case opDiv:
        dResult = nBeneath == opDiv ? dLeft * dRight : dLeft / dRight;
        break;
    case opMod: {
        int nLeft = 0;
        int nRight = 0;
        if (!ToInt32(dLeft, nLeft) || !ToInt32(dRight, nRight)) {
            f.Fail("int");
            return;
        }
        if (nRight == 0) {
            f.Fail("mod 0");
            return;
        }
        // INT_MIN % -1 traps on x86.
        dResult = nRight == -1 ? 0.0 : static_cast<double>(nLeft % nRight);
        break;
    }
    case opAnd:
    case opOr:
    case opXor: {
        UINT uLeft = 0;
        UINT uRight = 0;
        if (!ToBits32(dLeft, uLeft) || !ToBits32(dRight, uRight)) {
            f.Fail("int");
            return;
        }
        UINT uResult = nOp == opAnd ? (uLeft & uRight) : nOp == opOr ? (uLeft | uRight) : (uLeft ^ uRight);
        dResult = FromBits32(uResult);
        break;
    }
    case opLt:
        dResult = dLeft < dRight ? 1.0 : 0.0;
        break;
    case opGt:
        dResult = dLeft > dRight ? 1.0 : 0.0;
        break;
    case opEq:
        dResult = dLeft == dRight ? 1.0 : 0.0;
        break;
    case opNe:
        dResult = dLeft != dRight ? 1.0 : 0.0;
        break;
    case opLe:
        dResult = dLeft <= dRight ? 1.0 : 0.0;
        break;
    case opGe:
        dResult = dLeft >= dRight ? 1.0 : 0.0;
        break;
    default:
        break;
    }
    f.Push(dResult);
}

void CKvEvaluate::ApplyAssign(Frame& f, int nOp)
{
    double dValue = f.Pop();
    CString strName = f.PopName();
    if (f.Failed()) {
        return;
    }
    if (nOp != opAssign) {
        // Only the object's own variables are written; a missing one starts at 0.
        double dCurrent = 0.0;
        m_mapVar.Lookup(strName, dCurrent);
        switch (nOp) {
        case opAddAssign:
            dValue = dCurrent + dValue;
            break;
        case opSubAssign:
            dValue = dCurrent - dValue;
            break;
        case opMulAssign:
            dValue = dCurrent * dValue;
            break;
        default:
            dValue = dCurrent / dValue;
            break;
        }
    }
    m_mapVar.SetAt(strName, dValue);
    f.Push(dValue);
}

void CKvEvaluate::ApplyFunction(Frame& f, int nOp)
{
    // clang-format off
    switch (nOp) {
    case fnDec: m_nNumMode = numDec; return;
    case fnHex: m_nNumMode = numHex; return;
    case fnBin: m_nNumMode = numBin; return;
    case fnChr: m_nNumMode = numChr; return;
    case fnRad: m_nAngleMode = angleRad; return;
    case fnDeg: m_nAngleMode = angleDeg; return;
    case fnGon: m_nAngleMode = angleGon; return;
    default: break;
    }
    if (nOp == fnPow) {
        double dExponent = f.Pop();
        double dBase = f.Pop();
        if (!f.Failed()) {
            f.Push(std::pow(dBase, dExponent));
        }
        return;
    }
    double dArg = f.Pop();
    if (f.Failed()) {
        return;
    }
    double dResult = 0.0;
    switch (nOp) {
    case fnSin: dResult = std::sin(ToRad(dArg)); break;
    case fnCos: dResult = std::cos(ToRad(dArg)); break;
    case fnTan: dResult = std::tan(ToRad(dArg)); break;
    case fnAsin: dResult = ToMod(std::asin(dArg)); break;
    case fnAcos: dResult = ToMod(std::acos(dArg)); break;
    case fnAtan: dResult = ToMod(std::atan(dArg)); break;
    case fnSqr: dResult = dArg * dArg; break;
    case fnSqrt: dResult = std::sqrt(dArg); break;
    case fnCube: dResult = dArg * dArg * dArg; break;
    case fnExp: dResult = std::exp(dArg); break;
    case fnLog: dResult = std::log(dArg); break;
    case fnLog10: dResult = std::log10(dArg); break;
    case fnAbs: dResult = std::fabs(dArg); break;
    // Truncated as a double, so values past the 32-bit range keep their integer part.
    case fnInt: dResult = std::trunc(dArg); break;
    case fnFract: dResult = dArg - std::trunc(dArg); break;
    case fnFak: dResult = Fak(dArg); break;
    case fnFix: {
        double dFix = std::trunc(dArg);
        m_nFix = !(dFix >= 0) ? -1 : dFix > kMaxFix ? kMaxFix : static_cast<int>(dFix);
        return; // the argument is consumed, nothing is pushed
    }
    default: return;
    }
    // clang-format on
    f.Push(dResult);
}

BOOL CKvEvaluate::FormatResult(double dValue, CString& strText) const
{
    if (m_nNumMode == numDec) {
        if (m_nFix < 0) {
            strText.Format("%.16lg", dValue);
        } else {
            strText.Format("%.*lf", m_nFix, dValue);
        }
        return TRUE;
    }
    UINT uBits = 0;
    if (!ToBits32(dValue, uBits)) {
        return FALSE;
    }
    switch (m_nNumMode) {
    case numHex:
        strText = "0x" + Hex(uBits, -1);
        break;
    case numBin:
        strText = Bin(uBits, -1);
        break;
    default:
        strText.Format("%c\t0x%2x\t%3d", static_cast<char>(uBits & 0xFF), uBits, static_cast<int>(uBits));
        break;
    }
    return TRUE;
}

CKvEvaluate::Result CKvEvaluate::CallFunction(const CString& strName, double dArg, int nDepth)
{
    int nIndex = FindFunction(strName);
    if (nIndex < 0) {
        return Failure("Syntax Error: var " + strName, true);
    }
    if (nDepth > kMaxCallDepth) {
        return Failure("Syntax Error: fn depth", false);
    }
    Result result;
    double dOldX = 0.0;
    BOOL bHadX = m_mapVar.Lookup("x", dOldX);
    m_mapVar.SetAt("x", dArg);
    result = Evaluate(m_arrFuncBody[nIndex], nDepth, true);
    if (bHadX) {
        m_mapVar.SetAt("x", dOldX);
    } else {
        m_mapVar.RemoveKey("x");
    }
    if (result.bFailed || !std::isfinite(result.dValue)) {
        return result;
    }
    // The body's value as its result text shows it: rounded to the fixed decimals in DEC, the
    // integer a HEX, BIN or CHR text stands for otherwise.
    result.dValue = m_nNumMode == numDec ? KvReadDecimal(result.strText) : std::trunc(result.dValue);
    return result;
}
