// What the page's script calls: its touch controls, taps and the screen.
#include "touch/touch_controls.h"

extern "C" {

void WavedartTouchControl(int control, int down)
{
    PressTouchControl(control, down);
}

void WavedartTap(int x, int y, int down)
{
    TapPicture(x, y, down);
}

void WavedartReleaseTouches()
{
    ReleaseTouchControls();
}

int WavedartScreenKind()
{
    return TouchScreenKind();
}

void WavedartShowTouchControls(int shown)
{
    ShowTouchControls(shown);
}
}
