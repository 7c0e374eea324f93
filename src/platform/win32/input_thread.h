// A small thread of its own for low-level input hooks: Windows removes a
// low-level hook that does not answer within its timeout, and the main
// thread can be busy (a message box, a GOTO retry).
#pragma once

// Starts or stops watching for Ctrl+Esc, which cancels a running journal
// driver.
void InputThreadWatchCancel(bool on);
