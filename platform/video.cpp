// The two surfaces of the screen, shared by both backends.
#include "platform/video.h"

#include "platform/surface.h"

namespace {

PlatformSurface* front = nullptr;
PlatformSurface* back = nullptr;
int chosen_full_screen = -1;
void (*full_screen_listener)(int full_screen) = nullptr;

}  // namespace

void PlatformChooseFullScreen(int full_screen)
{
    chosen_full_screen = full_screen;
    if (front && full_screen >= 0) PlatformSwitchPicture(full_screen);
}

void PlatformOnFullScreenSwitch(void (*listener)(int full_screen))
{
    full_screen_listener = listener;
}

void PlatformFullScreenSwitched(int full_screen)
{
    if (full_screen_listener) full_screen_listener(full_screen);
}

int PlatformStartVideo(int width, int height, int full_screen)
{
    if (chosen_full_screen >= 0) full_screen = chosen_full_screen;
    PlatformStopVideo();
    front = PlatformCreateSurface(width, height);
    back = PlatformCreateSurface(width, height);
    if (!front || !back || !PlatformOpenPicture(width, height, full_screen)) {
        PlatformStopVideo();
        return 0;
    }
    return 1;
}

void PlatformStopVideo()
{
    PlatformClosePicture();
    PlatformDestroySurface(front);
    PlatformDestroySurface(back);
    front = nullptr;
    back = nullptr;
}

PlatformSurface* PlatformFrontSurface()
{
    return front;
}

PlatformSurface* PlatformBackSurface()
{
    return back;
}
