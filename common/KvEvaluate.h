// Expression evaluator for cell entries and variable formats, with variables and user functions.
#pragma once

#include "common/KvCommLibExport.h"
#include "common/KvValMap.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"

// One object keeps its variables, user functions, modes and fixed decimals from one evaluation to
// the next; each evaluation starts on empty stacks. Results and errors are texts: every error is
// "Syntax Error: " and a detail, and GetErrorInfo keeps the last one. An evaluation that would
// scan too many characters, user-function bodies included, ends with "Syntax Error: too long".
class KVCOMM_API CKvEvaluate
{
public:
    CKvEvaluate();
    ~CKvEvaluate();
    CKvEvaluate(const CKvEvaluate&) = delete;
    CKvEvaluate& operator=(const CKvEvaluate&) = delete;

    // The result text. A map given here stays in use for later calls that give none; the caller
    // keeps it alive meanwhile. It is read, never written.
    CString Calc(const CString& strExpress, const CKvValMap* pOutVars = nullptr);
    // TRUE, and the result set, only when the result text is a plain decimal number written in
    // the DEC number mode.
    BOOL Computer(const CString& strExpress, CString& strResult);
    BOOL CheckExpress(const CString& strExpress);

    void AddValMap(const CString& strName, float fValue);
    void AddValMap(const CString& strName, int nValue);
    void AddValMap(const CString& strName, double dValue);

    CString GetErrorInfo() const { return m_strError; }
    // Drops variables and user functions and restores the modes; keeps the fixed decimals and
    // the outside variables. Returns "Reset".
    CString Reset();
    // "FIX = -1    RAD    DEC" and the like.
    CString Status() const;
    // The body comes as the text after ":=", which ends with the ")" that Calc appends: its last
    // character is dropped. A body without an "x" is refused.
    CString SetFunction(const CString& strName, const CString& strBody);
    double UseFunction(const CString& strName, double dArg);
    CString VarList() const;

private:
    enum NumMode { numDec, numHex, numBin, numChr };
    enum AngleMode { angleRad, angleDeg, angleGon };
    struct Frame;
    struct Result;

    Result Failure(const CString& strError, bool bNulResult);
    Result Evaluate(const CString& strExpress, int nDepth, bool bBody);
    Result Scan(const CString& strText, int nDepth, bool bBody);
    int ScanName(Frame& f, const CString& strText, int nStart, bool& bOperand);
    void ApplyNeg(Frame& f);
    void ApplyPending(Frame& f, bool bStopAtAssign);
    void CloseGroup(Frame& f);
    void Apply(Frame& f, int nOp);
    void ApplyBinary(Frame& f, int nOp);
    void ApplyAssign(Frame& f, int nOp);
    void ApplyFunction(Frame& f, int nOp);
    Result CallFunction(const CString& strName, double dArg, int nDepth);
    BOOL FormatResult(double dValue, CString& strText) const;
    int FindFunction(const CString& strName) const;
    double ToRad(double dValue) const;
    double ToMod(double dValue) const;

    int m_nFix;                 // fixed decimals, -1 for none
    CStringArray m_arrFuncName; // user functions: names and bodies at the same index
    CStringArray m_arrFuncBody;
    CKvValMap m_mapVar;
    const CKvValMap* m_pOutVars; // not owned
    CString m_strError;
    double m_dLastResult;
    NumMode m_nNumMode;
    AngleMode m_nAngleMode;
    int m_nStepsLeft; // what the current evaluation may still scan
};
