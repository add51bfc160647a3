// Conversions between VARIANT and the types dispatch maps and dispatch drivers carry: I2 (short),
// I4 (long), BOOL (int), R8 (double), text (GBK CString / LPCSTR, BSTR on the wire), VARIANT and
// IDispatch*. Coercion goes through VariantChangeType after a by-reference argument is read through.
#pragma once

#include "platform/base/String.h"

// After the windows headers, which they need.
#include <oleauto.h>

class FX_API COleVariantFun
{
public:
    // Into an uninitialised VARIANT; the VARIANT owns what it gets (a new BSTR, a reference).
    static void ToVariant(VARIANT& v, short n);
    static void ToVariant(VARIANT& v, long n);
    // BOOL is int: an int travels as VT_BOOL.
    static void ToVariant(VARIANT& v, int b);
    static void ToVariant(VARIANT& v, double d);
    static void ToVariant(VARIANT& v, LPCSTR psz);
    static void ToVariant(VARIANT& v, const CString& str);
    static void ToVariant(VARIANT& v, const VARIANT& src);
    // Adds a reference.
    static void ToVariant(VARIANT& v, IDispatch* pDisp);

    // Coerces src (read through VT_BYREF) into a fresh VARIANT of type vt; the COM error otherwise
    // (DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW). vt VT_VARIANT copies the value as it is.
    static HRESULT Coerce(VARIANT& dest, const VARIANT& src, VARTYPE vt);

    // From any VARIANT, coerced; the output is left alone on failure.
    static HRESULT FromVariant(const VARIANT& v, short* pn);
    static HRESULT FromVariant(const VARIANT& v, long* pn);
    static HRESULT FromVariant(const VARIANT& v, int* pb);
    static HRESULT FromVariant(const VARIANT& v, double* pd);
    static HRESULT FromVariant(const VARIANT& v, CString* pstr);
    // pDest must be initialised; it is cleared first.
    static HRESULT FromVariant(const VARIANT& v, VARIANT* pDest);
    // The caller owns the reference it gets.
    static HRESULT FromVariant(const VARIANT& v, IDispatch** ppDisp);

    // A BSTR's text as GBK; null is empty.
    static CString FromBstr(BSTR bstr);
};
