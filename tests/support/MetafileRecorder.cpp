#include "MetafileRecorder.h"

#include <cstring>
#include <map>

namespace
{
const char* RecordName(DWORD iType)
{
    static const std::map<DWORD, const char*> names = {
        {EMR_HEADER, "HEADER"},
        {EMR_EOF, "EOF"},
        {EMR_SETMAPMODE, "SETMAPMODE"},
        {EMR_SETWINDOWEXTEX, "SETWINDOWEXTEX"},
        {EMR_SETWINDOWORGEX, "SETWINDOWORGEX"},
        {EMR_SETVIEWPORTEXTEX, "SETVIEWPORTEXTEX"},
        {EMR_SETVIEWPORTORGEX, "SETVIEWPORTORGEX"},
        {EMR_SAVEDC, "SAVEDC"},
        {EMR_RESTOREDC, "RESTOREDC"},
        {EMR_SELECTOBJECT, "SELECTOBJECT"},
        {EMR_DELETEOBJECT, "DELETEOBJECT"},
        {EMR_CREATEPEN, "CREATEPEN"},
        {EMR_CREATEBRUSHINDIRECT, "CREATEBRUSHINDIRECT"},
        {EMR_EXTCREATEFONTINDIRECTW, "EXTCREATEFONTINDIRECTW"},
        {EMR_SETTEXTCOLOR, "SETTEXTCOLOR"},
        {EMR_SETBKCOLOR, "SETBKCOLOR"},
        {EMR_SETBKMODE, "SETBKMODE"},
        {EMR_SETTEXTALIGN, "SETTEXTALIGN"},
        {EMR_MOVETOEX, "MOVETOEX"},
        {EMR_LINETO, "LINETO"},
        {EMR_RECTANGLE, "RECTANGLE"},
        {EMR_ELLIPSE, "ELLIPSE"},
        {EMR_EXTTEXTOUTW, "EXTTEXTOUTW"},
        {EMR_EXTTEXTOUTA, "EXTTEXTOUTA"},
        {EMR_INTERSECTCLIPRECT, "INTERSECTCLIPRECT"},
        {EMR_EXTSELECTCLIPRGN, "EXTSELECTCLIPRGN"},
    };
    auto it = names.find(iType);
    return it == names.end() ? nullptr : it->second;
}

template <class T> const T* As(const EmfRecord& rec)
{
    return rec.data.size() >= sizeof(T) ? reinterpret_cast<const T*>(rec.data.data()) : nullptr;
}
} // namespace

CTestMetafile::CTestMetafile(HDC hdcRef)
{
    m_dc.Attach(::CreateEnhMetaFileA(hdcRef, nullptr, nullptr, nullptr));
}

CTestMetafile::~CTestMetafile()
{
    Close();
    if (m_hEmf != nullptr) {
        ::DeleteEnhMetaFile(m_hEmf);
    }
}

void CTestMetafile::Close()
{
    if (m_dc.m_hDC == nullptr) {
        return;
    }
    // A metafile DC ends with CloseEnhMetaFile, never DeleteDC.
    m_hEmf = ::CloseEnhMetaFile(m_dc.Detach());
    if (m_hEmf == nullptr) {
        return;
    }
    UINT nSize = ::GetEnhMetaFileBits(m_hEmf, 0, nullptr);
    std::vector<BYTE> bytes(nSize);
    ::GetEnhMetaFileBits(m_hEmf, nSize, bytes.data());
    for (size_t nPos = 0; nPos + sizeof(EMR) <= bytes.size();) {
        EMR emr;
        std::memcpy(&emr, bytes.data() + nPos, sizeof(EMR));
        if (emr.nSize < sizeof(EMR) || nPos + emr.nSize > bytes.size()) {
            break;
        }
        m_records.push_back({emr.iType, std::vector<BYTE>(bytes.begin() + static_cast<ptrdiff_t>(nPos),
                                                          bytes.begin() + static_cast<ptrdiff_t>(nPos + emr.nSize))});
        nPos += emr.nSize;
    }
}

const std::vector<EmfRecord>& CTestMetafile::Records()
{
    Close();
    return m_records;
}

std::vector<const EmfRecord*> CTestMetafile::Find(DWORD iType)
{
    std::vector<const EmfRecord*> found;
    for (const EmfRecord& rec : Records()) {
        if (rec.iType == iType) {
            found.push_back(&rec);
        }
    }
    return found;
}

std::string CTestMetafile::Dump()
{
    std::string s;
    for (const EmfRecord& rec : Records()) {
        const char* pszName = RecordName(rec.iType);
        s += pszName ? pszName : ("type " + std::to_string(rec.iType));
        s += "\n";
    }
    return s;
}

std::vector<EmfTextCall> CTestMetafile::TextCalls()
{
    std::vector<EmfTextCall> calls;
    std::map<DWORD, LOGFONTW> fonts; // by metafile object index
    LOGFONTW lfCurrent = {};
    COLORREF crText = RGB(0, 0, 0);
    int nBkMode = OPAQUE;
    for (const EmfRecord& rec : Records()) {
        switch (rec.iType) {
        case EMR_EXTCREATEFONTINDIRECTW:
            if (const auto* p = As<EMREXTCREATEFONTINDIRECTW>(rec)) {
                fonts[p->ihFont] = p->elfw.elfLogFont;
            }
            break;
        case EMR_SELECTOBJECT:
            if (const auto* p = As<EMRSELECTOBJECT>(rec)) {
                auto it = fonts.find(p->ihObject);
                if (it != fonts.end()) {
                    lfCurrent = it->second;
                } else if (p->ihObject & 0x80000000) {
                    // A stock object: a stock font resets what we know of the font.
                    DWORD nStock = p->ihObject & 0x7FFFFFFF;
                    if (nStock >= OEM_FIXED_FONT && nStock <= DEFAULT_GUI_FONT && nStock != DEFAULT_PALETTE) {
                        lfCurrent = LOGFONTW{};
                    }
                }
            }
            break;
        case EMR_DELETEOBJECT:
            if (const auto* p = As<EMRDELETEOBJECT>(rec)) {
                fonts.erase(p->ihObject);
            }
            break;
        case EMR_SETTEXTCOLOR:
            if (const auto* p = As<EMRSETTEXTCOLOR>(rec)) {
                crText = p->crColor;
            }
            break;
        case EMR_SETBKMODE:
            if (const auto* p = As<EMRSETBKMODE>(rec)) {
                nBkMode = static_cast<int>(p->iMode);
            }
            break;
        case EMR_EXTTEXTOUTW:
            if (const auto* p = As<EMREXTTEXTOUTW>(rec)) {
                EmfTextCall call = {};
                call.ptReference = {p->emrtext.ptlReference.x, p->emrtext.ptlReference.y};
                call.rcClip = {p->emrtext.rcl.left, p->emrtext.rcl.top, p->emrtext.rcl.right, p->emrtext.rcl.bottom};
                call.fOptions = p->emrtext.fOptions;
                size_t nOff = p->emrtext.offString;
                size_t nChars = p->emrtext.nChars;
                if (nOff + nChars * sizeof(WCHAR) <= rec.data.size()) {
                    call.text.resize(nChars);
                    std::memcpy(call.text.data(), rec.data.data() + nOff, nChars * sizeof(WCHAR));
                }
                call.font = lfCurrent;
                call.crText = crText;
                call.nBkMode = nBkMode;
                calls.push_back(call);
            }
            break;
        default:
            break;
        }
    }
    return calls;
}
