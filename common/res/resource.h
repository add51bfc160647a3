// Resource ids of KvCommLib.dll: where the system's callers use a value, it is kept.
#pragma once
