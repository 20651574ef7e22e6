// The window procedure and the one-message-per-pass pump.
#include "kestrova/Input.h"
#include "kestrova/MessageQueue.h"
#include "kestrova/OGLWindow.h"

#include <gtest/gtest.h>

namespace {

std::int32_t commandsSeen = 0;
std::int32_t lastCommand = 0;

std::int32_t countCommand(HWND, std::uint32_t, std::int32_t wparam, std::int32_t) {
    ++commandsSeen;
    lastCommand = wparam;
    return 42;
}

class MessagePump : public ::testing::Test {
protected:
    void SetUp() override {
        CLEARGLMESSAGES();
        SHOWMENUBAR = false;
        GETINPUTCOMMAND = nullptr;
        commandsSeen = 0;
        lastCommand = 0;
        ACTIVE = true;
        for (auto& key : SETKEY) key = 0;
    }
};

TEST_F(MessagePump, HandlesOneMessagePerPass) {
    POSTGLMESSAGE(1, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    POSTGLMESSAGE(1, WM_KEYUP, 'A', 0);
    POSTGLMESSAGE(1, WM_MOUSEMOVE, 0, MAKELPARAM(30, 5));
    SETGLMSG();
    EXPECT_EQ(SETOMX, 10);
    EXPECT_EQ(GLMESSAGECOUNT(), 2u);
    SETGLMSG();
    EXPECT_EQ(SETOMX, 10);
    EXPECT_EQ(GLMESSAGECOUNT(), 1u);
    SETGLMSG();
    EXPECT_EQ(SETOMX, 30);
    EXPECT_EQ(GLMESSAGECOUNT(), 0u);
    SETGLMSG();  // an empty queue returns at once
    EXPECT_EQ(SETOMX, 30);
}

// A pointer moved (or parked) every frame must not hold keys back behind a
// growing run of moves: only the latest move of a run waits.
TEST_F(MessagePump, ARunOfMovesWaitsAsItsLatestMove) {
    for (int x = 1; x <= 3; ++x) POSTGLMESSAGE(1, WM_MOUSEMOVE, 0, MAKELPARAM(x * 10, 5));
    EXPECT_EQ(GLMESSAGECOUNT(), 1u);
    SETGLMSG();
    EXPECT_EQ(SETOMX, 30);
}

TEST_F(MessagePump, CommandNeedsMenuBarAndCallback) {
    EXPECT_EQ(GLWNDPROC(1, WM_COMMAND, 200, 0), 0);  // no menu bar: swallowed
    GETINPUTCOMMAND = countCommand;
    EXPECT_EQ(GLWNDPROC(1, WM_COMMAND, 200, 0), 0);  // callback but no menu bar
    EXPECT_EQ(commandsSeen, 0);
    ENABLEMENUBAR();
    GETINPUTCOMMAND = nullptr;
    EXPECT_EQ(GLWNDPROC(1, WM_COMMAND, 200, 0), 0);  // menu bar but no callback
    GETINPUTCOMMAND = countCommand;
    EXPECT_EQ(GLWNDPROC(1, WM_COMMAND, 205, 0), 42);
    EXPECT_EQ(commandsSeen, 1);
    EXPECT_EQ(lastCommand, 205);
}

TEST_F(MessagePump, EscapeEndsTheLoopWithoutEnteringTheKeyTable) {
    POSTGLMESSAGE(1, WM_KEYDOWN, VK_ESCAPE, 0);
    SETGLMSG();
    EXPECT_FALSE(ACTIVE);
    EXPECT_FALSE(SETGLKEY(VK_ESCAPE));
    // The quit message is queued and consumed like any other.
    MSG_ next;
    bool sawQuit = false;
    while (GETGLMESSAGE(next)) sawQuit |= next.message == WM_QUIT;
    EXPECT_TRUE(sawQuit);
}

TEST_F(MessagePump, CloseRequestActsLikeDestroy) {
    GLWNDPROC(1, WM_CLOSE, 0, 0);
    EXPECT_FALSE(ACTIVE);
}

TEST_F(MessagePump, KeysAreHeldFromDownToUpAndTranslated) {
    POSTGLMESSAGE(1, WM_KEYDOWN, 'R', 0);
    SETGLMSG();
    EXPECT_TRUE(SETGLKEY('R'));
    // Translation queued a character message behind the key message.
    MSG_ next;
    ASSERT_TRUE(PEEKGLMESSAGE(next));
    EXPECT_EQ(next.message, WM_CHAR);
    SETGLMSG();
    GLWNDPROC(1, WM_KEYDOWN, 'R', 0);  // auto-repeat changes nothing
    EXPECT_TRUE(SETGLKEY('R'));
    GLWNDPROC(1, WM_KEYUP, 'R', 0);
    EXPECT_FALSE(SETGLKEY('R'));
}

}  // namespace
