// The offering side of a data transfer: an IDataObject serving global memory blocks it keeps
// (CF_TEXT for dragged text), and the start of an OLE drag with it. Reference counted: made with
// new, released with Release once the maker is done (a drop target may hold it longer).
#pragma once

#include "platform/base/FxExport.h"
#include "platform/ole/OleDataObject.h"

#include <objidl.h>
#include <oleidl.h>

#include <vector>

class COleDropSource;

class FX_API COleDataSource : public IDataObject
{
public:
    COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Takes the block over; a second block of the same format replaces the first.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal);
    // The text with its terminator as CF_TEXT. FALSE when no memory could be had.
    BOOL CacheText(LPCSTR pszText, int nLength);
    void Empty();

    // Runs the OLE drag loop until the drop or cancel. The effect the target took, or
    // DROPEFFECT_NONE when it was cancelled or refused. pDropSource null: a plain COleDropSource.
    DROPEFFECT DoDragDrop(DROPEFFECT dwEffects, COleDropSource* pDropSource = nullptr);

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IDataObject
    STDMETHOD(GetData)(FORMATETC* pFormat, STGMEDIUM* pMedium) override;
    STDMETHOD(GetDataHere)(FORMATETC* pFormat, STGMEDIUM* pMedium) override;
    STDMETHOD(QueryGetData)(FORMATETC* pFormat) override;
    STDMETHOD(GetCanonicalFormatEtc)(FORMATETC* pFormatIn, FORMATETC* pFormatOut) override;
    STDMETHOD(SetData)(FORMATETC* pFormat, STGMEDIUM* pMedium, BOOL fRelease) override;
    STDMETHOD(EnumFormatEtc)(DWORD dwDirection, IEnumFORMATETC** ppEnum) override;
    STDMETHOD(DAdvise)(FORMATETC* pFormat, DWORD advf, IAdviseSink* pSink, DWORD* pdwConnection) override;
    STDMETHOD(DUnadvise)(DWORD dwConnection) override;
    STDMETHOD(EnumDAdvise)(IEnumSTATDATA** ppEnum) override;

protected:
    virtual ~COleDataSource();

private:
    struct CachedItem
    {
        CLIPFORMAT cfFormat;
        HGLOBAL hGlobal;
    };
    const CachedItem* FindItem(const FORMATETC* pFormat) const;

    LONG m_nRef;
    std::vector<CachedItem> m_items;
};
