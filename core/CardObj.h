// The card that owns a sheet. So far it holds only what drawing a sheet asks of it: which parts
// of the page a print run draws.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CCardObj : public CObject
{
public:
    // m_nPrintSelect; 0 prints everything.
    enum {
        printStatic = 0x1,   // head cells of content kind 1
        printImage = 0x2,    // head cells of content kind 4
        printVariable = 0x4, // head cells of content kind 2
        printPageCell = 0x8, // page cells
        printMidData = 0x10, // detail areas
        printTable = 0x100,  // background, table lines, free objects and figures
    };

    CCardObj() = default;
    CCardObj(const CCardObj&) = delete;
    CCardObj& operator=(const CCardObj&) = delete;

    int m_nPrintSelect = 0;
};
