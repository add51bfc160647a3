#include "tests/support/MessagePump.h"

#include <windows.h>

namespace
{
const int kMaxMessages = 1000;

template <class Peek, class Dispatch> void Pump(Peek peek, Dispatch dispatch)
{
    MSG msg = {};
    for (int i = 0; i < kMaxMessages && peek(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        ::TranslateMessage(&msg);
        dispatch(&msg);
    }
}
} // namespace

void PumpTestMessages()
{
    Pump(&::PeekMessageA, &::DispatchMessageA);
}

void PumpTestMessagesW()
{
    Pump(&::PeekMessageW, &::DispatchMessageW);
}
