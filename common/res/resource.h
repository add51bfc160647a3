// Resource ids of KvCommLib.dll: where the system's callers use a value, it is kept.
#pragma once

// Common controls III: the digital clock's cells (digits 0 to 9, separator, blank).
#define IDB_KV_CLOCK_DIGIT0 100
#define IDB_KV_CLOCK_DIGIT9 109
#define IDB_KV_CLOCK_SEPARATOR 120
#define IDB_KV_CLOCK_BLANK 121
