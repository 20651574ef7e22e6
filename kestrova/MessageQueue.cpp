#include "kestrova/MessageQueue.h"

#include "kestrova/Platform.h"

#include <deque>

namespace {
std::deque<MSG_> queue;
}

void POSTGLMESSAGE(HWND window, std::uint32_t message, std::int32_t wParam, std::int32_t lParam) {
    MSG_ msg;
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = platform::tickCount();
    msg.pt = POINT_{LOWORD(lParam), HIWORD(lParam)};
    // Moves follow each other faster than one message a frame is taken: only
    // the latest position of a run of moves waits, as a desktop queue keeps it.
    if (message == WM_MOUSEMOVE && !queue.empty() && queue.back().message == WM_MOUSEMOVE) {
        queue.back() = msg;
        return;
    }
    queue.push_back(msg);
}

bool PEEKGLMESSAGE(MSG_& msg) {
    if (queue.empty()) return false;
    msg = queue.front();
    return true;
}

bool GETGLMESSAGE(MSG_& msg) {
    if (!PEEKGLMESSAGE(msg)) return false;
    queue.pop_front();
    return true;
}

std::size_t GLMESSAGECOUNT() { return queue.size(); }

void CLEARGLMESSAGES() { queue.clear(); }
