#include "replays/frame_hooks.h"

#include "replays/attract.h"
#include "replays/playback.h"
#include "replays/recorder.h"

void ReplaysBeforeFrame()
{
    AttractBeforeFrame();
    PlaybackBeforeFrame();
    RecorderBeforeFrame();
}

void ReplaysAfterFrame(int handler_ran)
{
    RecorderAfterFrame(handler_ran);
    PlaybackAfterFrame(handler_ran);
}
