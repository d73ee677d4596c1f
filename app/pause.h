// Pausing play: on a press of P, when the window loses the focus and when a
// pad is unplugged. A paused frame runs no part of the game: the last
// picture stays on screen with PAUSED and the presses that go on over it,
// and the sound device holds still.
#pragma once

constexpr int PAUSE_NONE = 0;
constexpr int PAUSE_BY_KEY = 1;
constexpr int PAUSE_BY_FOCUS = 2;
constexpr int PAUSE_BY_UNPLUG = 3;

// PAUSE_NONE while play runs; otherwise why it stopped.
extern int play_paused;
// 0 from the moment the window loses the focus until it has it back.
extern int window_focused;
// 1 (the start): play pauses when the window loses the focus; 0: it plays on.
extern int pause_on_focus_loss;

// Runs at the start of every frame, before the state's handler. Only in play
// does it read the keyboard: P pauses, and so does a pad unplugged, and a
// window without the focus unless pause_on_focus_loss is 0. A key pause ends
// at the next P press, the others at the next P or arrow press (Start or the
// d-pad on a pad) with the focus back. Returns 1 when the frame is paused and
// the handler must not run.
int RunPause();
