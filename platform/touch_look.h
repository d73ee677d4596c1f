// How large and how opaque a touch screen's controls are drawn, in percent
// of their usual size and of full opacity. Only the page has such controls;
// elsewhere this is kept and shows nowhere.
#pragma once

void PlatformSetTouchControlSize(int percent);
void PlatformSetTouchControlOpacity(int percent);
