// The screen: a visible 8-bit front surface, a back surface of the same
// size, and the 256-colour palette through which the front is shown.
#pragma once
#include <cstdint>

struct PlatformSurface;

constexpr int PLATFORM_PALETTE_SIZE = 256;

struct PlatformColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Makes the front and back surfaces, cleared to index 0, and opens the
// picture: full screen when asked and granted, otherwise in the window.
// 1 on success.
int PlatformStartVideo(int width, int height, int full_screen);
// The player's choice: 1 full screen, 0 a window, -1 (the start) as the
// game asks. Made before the video starts, it overrides what the game asks
// of PlatformStartVideo; made while it runs, the picture switches at once.
void PlatformChooseFullScreen(int full_screen);
// Called with the new state (1 full screen, 0 a window) whenever the player
// switches between them with the backend's own keys; null for no one.
void PlatformOnFullScreenSwitch(void (*listener)(int full_screen));
void PlatformStopVideo();
PlatformSurface* PlatformFrontSurface();
PlatformSurface* PlatformBackSurface();
// Installs the palette and shows the front image in it at once.
void PlatformSetDisplayPalette(const PlatformColour* colours);
// Shows the front surface as it stands now. 1 when shown, or when the
// screen shows that picture already.
int PlatformShowFront();
// Whether showing waits for the display's next refresh, so that no picture
// is torn, where the driver can wait; elsewhere, and when off, it shows at
// once. On until switched; a switch takes effect at once.
void PlatformSetVsync(int on);

// How the picture fills the screen; both keep its 4:3 shape, centred with
// black bars. Sharp enlarges it by the largest whole factor that fits, so
// every pixel is an equal square. Fill makes it as large as the screen
// allows: enlarged by a whole factor with nearest sampling, then smoothly
// down to that size, so each edge between pixels blends over at most one
// pixel of the screen.
constexpr int PLATFORM_SCALING_SHARP = 0;
constexpr int PLATFORM_SCALING_FILL = 1;
// Sharp until switched; a switch shows the picture again at once.
void PlatformSetScaling(int mode);

// Backend half: the common part keeps the two surfaces, the backend opens
// and closes the picture that shows the front one.
int PlatformOpenPicture(int width, int height, int full_screen);
void PlatformClosePicture();
// Switches the open picture to full screen (1) or the window (0).
void PlatformSwitchPicture(int full_screen);
// The backend tells of a switch the player made.
void PlatformFullScreenSwitched(int full_screen);
