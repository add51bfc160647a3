// Runs what waits in the test thread's queue (posted closes, delayed layouts, paints, timers), as
// the message loop would between two inputs.
#pragma once

// Translates and dispatches as the framework's loop does (GBK, the A forms). Bounded, so that a
// window that keeps posting to itself cannot hang a test.
void PumpTestMessages();
// The same as a UTF-16 loop (the W forms), the way Wine's modal dialog loop hands messages on.
void PumpTestMessagesW();
