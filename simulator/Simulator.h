// The simulator's entry: a modal dialog that shows a template through the report control, filled
// from a data file the user edits. Callers load the library and find it by the name "Simulator".
#pragma once

#include <windows.h>

#include "simulator/VornSimulatorExport.h"

extern "C" VORNSIM_API void Simulator(LPCSTR pszZntFile, LPCSTR pszDataFile);

// The entry's type, for GetProcAddress.
typedef void (*PFN_VORN_SIMULATOR)(LPCSTR pszZntFile, LPCSTR pszDataFile);
