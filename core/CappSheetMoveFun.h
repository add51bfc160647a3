// Moves what loading a sheet read from one sheet into another, so that a load can be tried on a
// scratch sheet and kept without reading the archive a second time.
#pragma once

#include "core/VornCardExport.h"

class CCappSheet;

class VORNCARD_API CCappSheetMoveFun
{
public:
    // dst drops its lists, undo history and temporary detail areas, as a load does, and takes
    // src's stored fields, lists and their objects; src is left with empty lists.
    static void TakeLoaded(CCappSheet& dst, CCappSheet& src);
};
