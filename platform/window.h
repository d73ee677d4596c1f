// The game's window and its message queue.
#pragma once

// Message numbers, as the old window system numbered them.
constexpr int WM_CREATE = 0x0001;
constexpr int WM_DESTROY = 0x0002;
constexpr int WM_SETFOCUS = 0x0007;
constexpr int WM_KILLFOCUS = 0x0008;
constexpr int WM_PAINT = 0x000F;
constexpr int WM_CLOSE = 0x0010;
constexpr int WM_QUIT = 0x0012;
// Anything else the backend reports (resize, key events) that the game
// itself has no use for; the window procedure passes it on untouched.
constexpr int WM_OTHER = 0x7FFF;

struct PlatformMessage {
    int message;
    int wparam;
};

// Opens the one window of the program. 1 on success, 0 on failure.
int PlatformOpenWindow(const char* title, int width, int height);
void PlatformCloseWindow();

// Takes at most one message and never blocks. 1 when a message was taken.
int PlatformPeekMessage(PlatformMessage* msg);
void PlatformPostMessage(int message, int wparam);
void PlatformPostQuitMessage(int exit_code);
void PlatformShowCursor(int show);

// Safe to call from a signal handler: the next peek reports WM_CLOSE,
// the same message as closing the window.
void PlatformRequestClose();

// Backend half of the queue. PlatformBeginTurn runs first in every peek,
// that is once per message-loop turn, and may hand out a message that comes
// before the queue (1 when it did); the poll takes one event, if any.
int PlatformBeginTurn(PlatformMessage* msg);
int PlatformPollBackendMessage(PlatformMessage* msg);
