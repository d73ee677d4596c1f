#include "session/verify.h"

#include <cstdio>

#include "app/extensions.h"
#include "app/shell.h"
#include "platform/clock.h"
#include "platform/unseen.h"
#include "replays/playback.h"

int VerifyReplay(const Demo& demo, const std::string& name)
{
    PlatformRunUnseen();
    // A demo of version 1 is seeded by the clock's first reading.
    if (demo.version == 1) PlatformUseVirtualClock(demo.start_tick);
    std::string unused;
    StartPlayback(demo, PlaybackMode::VERIFY, &unused);
    app_extensions.before_frame = PlaybackBeforeFrame;
    app_extensions.after_frame = PlaybackAfterFrame;
    if (WinMain() != 0) return 2;
    const DemoResult played = PlaybackResult();
    std::printf("%s\n", FormatDemoResult(played).c_str());
    std::fflush(stdout);
    if (!demo.has_result) {
        std::fprintf(stderr, "wavedart: %s does not say what it scored\n", name.c_str());
        return 1;
    }
    if (played == demo.result) return 0;
    std::fprintf(stderr, "wavedart: %s says it ends with: %s\n", name.c_str(), FormatDemoResult(demo.result).c_str());
    return 1;
}
