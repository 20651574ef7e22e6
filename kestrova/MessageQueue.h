#pragma once
// The toolkit's own message queue: Win32-numbered records, first in, first out.
// Backends post what the window system reports; the pump takes one per pass.
// A move posted right after a move replaces it.
#include "kestrova/WinTypes.h"

#include <cstddef>

void POSTGLMESSAGE(HWND window, std::uint32_t message, std::int32_t wParam, std::int32_t lParam);
// True when a record waits; copies it without removing it.
bool PEEKGLMESSAGE(MSG_& msg);
// Removes the oldest record into msg; false when the queue is empty.
bool GETGLMESSAGE(MSG_& msg);
std::size_t GLMESSAGECOUNT();
void CLEARGLMESSAGES();
