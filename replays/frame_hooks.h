// The replays' parts of every frame in their order, for the program's
// extensions (app/extensions.h): attract mode may start a playback, the
// playback gives the frame its keys, the recorder sees what the game's
// screens read.
#pragma once

void ReplaysBeforeFrame();
void ReplaysAfterFrame(int handler_ran);
