#include "platform/print/PrintPageSetup.h"

#include <stddef.h>

#include <algorithm>

namespace
{
struct StandardPaper
{
    short nPaper;
    short nWidth; // tenths of a millimetre, portrait
    short nLength;
};

// The papers the page-size page offers that have a device paper number.
const StandardPaper kPapers[] = {
    {DMPAPER_A4, 2100, 2970},        {DMPAPER_A3, 2970, 4200},     {DMPAPER_A5, 1480, 2100},
    {DMPAPER_A6, 1050, 1480},        {DMPAPER_B4, 2570, 3640},     {DMPAPER_B5, 1820, 2570},
    {DMPAPER_LETTER, 2159, 2794},    {DMPAPER_LEGAL, 2159, 3556},  {DMPAPER_TABLOID, 2794, 4318},
    {DMPAPER_STATEMENT, 1397, 2159}, {DMPAPER_QUARTO, 2150, 2750},
};

// A millimetre either way: sizes typed in millimetres with one decimal, or inches converted.
const int kPaperTolerance = 10;

short ToShort(int n)
{
    return static_cast<short>(std::clamp(n, 0, 0x7FFF));
}
} // namespace

CPrintPageSetup::CPrintPageSetup() : m_nOrientation(0), m_nPaperSize(0), m_nPaperWidth(0), m_nPaperLength(0)
{
}

CPrintPageSetup CPrintPageSetup::FromPageSize(int cxTenthMm, int cyTenthMm)
{
    CPrintPageSetup setup;
    if (cxTenthMm <= 0 || cyTenthMm <= 0) {
        return setup;
    }
    setup.m_nOrientation = static_cast<short>(cxTenthMm > cyTenthMm ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
    const int nShort = std::min(cxTenthMm, cyTenthMm);
    const int nLong = std::max(cxTenthMm, cyTenthMm);
    setup.m_nPaperWidth = ToShort(nShort);
    setup.m_nPaperLength = ToShort(nLong);
    for (const StandardPaper& paper : kPapers) {
        if (abs(paper.nWidth - nShort) <= kPaperTolerance && abs(paper.nLength - nLong) <= kPaperTolerance) {
            setup.m_nPaperSize = paper.nPaper;
            setup.m_nPaperWidth = paper.nWidth;
            setup.m_nPaperLength = paper.nLength;
            break;
        }
    }
    return setup;
}

void CPrintPageSetup::ApplyTo(DEVMODEA* pMode) const
{
    if (pMode == nullptr || IsEmpty()) {
        return;
    }
    pMode->dmOrientation = m_nOrientation;
    pMode->dmFields |= DM_ORIENTATION;
    if (m_nPaperSize != 0) {
        // A standard paper is named alone: a driver gives an explicit size precedence.
        pMode->dmPaperSize = m_nPaperSize;
        pMode->dmFields |= DM_PAPERSIZE;
        pMode->dmFields &= ~static_cast<DWORD>(DM_PAPERLENGTH | DM_PAPERWIDTH);
    } else {
        pMode->dmPaperSize = DMPAPER_USER;
        pMode->dmPaperWidth = m_nPaperWidth;
        pMode->dmPaperLength = m_nPaperLength;
        pMode->dmFields |= DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH;
    }
}

HGLOBAL CPrintPageSetup::CopyDevMode(HGLOBAL hDevMode) const
{
    if (hDevMode == nullptr) {
        return nullptr;
    }
    const SIZE_T cbBlock = ::GlobalSize(hDevMode);
    const auto* pSource = static_cast<const DEVMODEA*>(::GlobalLock(hDevMode));
    if (pSource == nullptr) {
        return nullptr;
    }
    // The fields we write must lie inside the block, and so must the driver's own part.
    const SIZE_T cbMode = static_cast<SIZE_T>(pSource->dmSize) + pSource->dmDriverExtra;
    HGLOBAL hCopy = nullptr;
    if (cbBlock >= offsetof(DEVMODEA, dmPaperWidth) + sizeof(short) &&
        pSource->dmSize >= offsetof(DEVMODEA, dmPaperWidth) + sizeof(short) && cbMode <= cbBlock) {
        hCopy = ::GlobalAlloc(GMEM_MOVEABLE, cbBlock);
    }
    if (hCopy != nullptr) {
        auto* pCopy = static_cast<DEVMODEA*>(::GlobalLock(hCopy));
        if (pCopy != nullptr) {
            memcpy(pCopy, pSource, cbBlock);
            ApplyTo(pCopy);
            ::GlobalUnlock(hCopy);
        } else {
            ::GlobalFree(hCopy);
            hCopy = nullptr;
        }
    }
    ::GlobalUnlock(hDevMode);
    return hCopy;
}

bool CPrintPageSetup::operator==(const CPrintPageSetup& other) const
{
    return m_nOrientation == other.m_nOrientation && m_nPaperSize == other.m_nPaperSize &&
           m_nPaperWidth == other.m_nPaperWidth && m_nPaperLength == other.m_nPaperLength;
}
