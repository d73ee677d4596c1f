// The program's entry, its message loop and its start-up and shut-down.
#pragma once

// 1 once the window is open; messages are posted to it.
extern int main_window;
extern int app_instance;

// Opens the window, starts everything, runs the message loop until the quit
// message and shuts everything down. Returns the quit message's code, or 1
// when the display cannot start, after one line on standard error saying so.
int WinMain();
int MainWindowProc(int message, int wparam);
// Quitting begins: every sound stops, the next frame fades out, and the
// quit message follows.
void BeginQuit();
int AppStartUp();
int AppFrame();
int AppShutDown();
