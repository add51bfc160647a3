#include "symedit/CappDrawCache.h"

#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"

namespace
{

thread_local CCappDrawCache* t_pCurrent = nullptr;

// The record with nothing after the face name's end: what follows it names no other font.
LOGFONTA Normalized(const LOGFONTA& lf)
{
    LOGFONTA lfKey = lf;
    const size_t nFace = strnlen(lf.lfFaceName, LF_FACESIZE);
    std::memset(lfKey.lfFaceName + nFace, 0, LF_FACESIZE - nFace);
    return lfKey;
}

struct FontHash
{
    size_t operator()(const LOGFONTA& lf) const
    {
        return std::hash<std::string_view>()(std::string_view(reinterpret_cast<const char*>(&lf), sizeof(lf)));
    }
};

struct FontEqual
{
    bool operator()(const LOGFONTA& a, const LOGFONTA& b) const { return std::memcmp(&a, &b, sizeof(a)) == 0; }
};

} // namespace

struct CCappDrawCache::Impl
{
    // A DC handle the cache selected into, with the font it had before.
    struct Held
    {
        HDC hDC;
        HGDIOBJ hOwn;
    };

    std::unordered_map<LOGFONTA, std::unique_ptr<CFont>, FontHash, FontEqual> fonts;
    // Keyed by the attribute handle, the font record and the text.
    std::unordered_map<std::string, CSize> extents;
    std::vector<Held> held;
    int nMade = 0;

    bool IsOurs(HGDIOBJ hFont) const
    {
        for (const auto& entry : fonts) {
            if (entry.second != nullptr && entry.second->GetSafeHandle() == hFont) {
                return true;
            }
        }
        return false;
    }

    void Select(HDC hDC, HFONT hFont)
    {
        if (hDC == nullptr || ::GetCurrentObject(hDC, OBJ_FONT) == hFont) {
            return;
        }
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        if (hOld == nullptr) {
            return;
        }
        for (const Held& h : held) {
            if (h.hDC == hDC) {
                return;
            }
        }
        held.push_back({hDC, hOld});
    }
};

CCappDrawCache::CCappDrawCache() : m_pImpl(std::make_unique<Impl>())
{
}

CCappDrawCache::~CCappDrawCache()
{
    // Only where one of ours is still current: a DC restored by someone else keeps what it has.
    for (auto it = m_pImpl->held.rbegin(); it != m_pImpl->held.rend(); ++it) {
        if (m_pImpl->IsOurs(::GetCurrentObject(it->hDC, OBJ_FONT))) {
            ::SelectObject(it->hDC, it->hOwn);
        }
    }
}

CCappDrawCache* CCappDrawCache::GetCurrent()
{
    return t_pCurrent;
}

void CCappDrawCache::SetCurrent(CCappDrawCache* pCache)
{
    t_pCurrent = pCache;
}

CFont* CCappDrawCache::GetFont(const LOGFONTA& lf)
{
    std::unique_ptr<CFont>& pFont = m_pImpl->fonts[Normalized(lf)];
    if (pFont == nullptr) {
        auto pNew = std::make_unique<CFont>();
        if (!pNew->CreateFontIndirect(&lf)) {
            return nullptr;
        }
        pFont = std::move(pNew);
        ++m_pImpl->nMade;
    }
    return pFont.get();
}

BOOL CCappDrawCache::SelectFont(CDC* pDC, const LOGFONTA& lf)
{
    CFont* pFont = GetFont(lf);
    if (pFont == nullptr || pDC == nullptr) {
        return FALSE;
    }
    m_pImpl->Select(pDC->m_hDC, *pFont);
    if (pDC->m_hAttribDC != pDC->m_hDC) {
        m_pImpl->Select(pDC->m_hAttribDC, *pFont);
    }
    return TRUE;
}

CSize CCappDrawCache::GetTextExtent(CDC* pDC, const LOGFONTA& lf, const CString& strText)
{
    if (pDC == nullptr) {
        return CSize(0, 0);
    }
    const LOGFONTA lfKey = Normalized(lf);
    std::string key(reinterpret_cast<const char*>(&pDC->m_hAttribDC), sizeof(HDC));
    key.append(reinterpret_cast<const char*>(&lfKey), sizeof(lfKey));
    key.append(strText.GetString(), static_cast<size_t>(strText.GetLength()));
    const auto it = m_pImpl->extents.find(key);
    if (it != m_pImpl->extents.end()) {
        return it->second;
    }
    if (!SelectFont(pDC, lf)) {
        return CSize(0, 0);
    }
    const CSize size = pDC->GetTextExtent(strText);
    m_pImpl->extents.emplace(std::move(key), size);
    return size;
}

int CCappDrawCache::GetFontCount() const
{
    return m_pImpl->nMade;
}
