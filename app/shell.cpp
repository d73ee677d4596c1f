#include "app/shell.h"

#include <cstdio>

#include "app/extensions.h"
#include "app/frame_clock.h"
#include "app/game_state.h"
#include "app/hud.h"
#include "app/menu_screens.h"
#include "app/pause.h"
#include "game/bridge.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "game/terrain.h"
#include "graphics/display.h"
#include "input/keyboard.h"
#include "platform/error.h"
#include "platform/random.h"
#include "platform/window.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"

int main_window = 0;
int app_instance = 0;

namespace {

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;

// Indexed by game_state; the numbers without a state have no handler.
constexpr void (*STATE_HANDLERS[STATE_COUNT])() = {
    RunMainMenu,       // 0
    RunNewGameMenu,    // 1
    RunInstructions,   // 2
    nullptr,           // 3
    RunGameFinished,   // 4
    RunPlaying,        // 5
    StartLife,         // 6
    RunQuit,           // 7
    nullptr,           // 8: closing, the quit message is on its way
    RunDying,          // 9
    StartNewGame,      // 10
    RunGameOver,       // 11
    RunLevelComplete,  // 12
};

// The handler of a state number, the game's own or an added screen's; null
// when the number has none.
void (*StateHandler(int state))()
{
    if (state >= 0 && state < STATE_COUNT) return STATE_HANDLERS[state];
    if (state >= STATE_EXTRA_FIRST && state < STATE_EXTRA_FIRST + STATE_EXTRA_COUNT) {
        return app_extensions.screens[state - STATE_EXTRA_FIRST];
    }
    return nullptr;
}

void ReportNoDisplay(const char* reason)
{
    std::fprintf(stderr,
                 "wavedart: cannot start the display (%s); run it in a desktop session, "
                 "or check DISPLAY or WAYLAND_DISPLAY\n",
                 reason);
}

}  // namespace

int MainWindowProc(int message, int)
{
    switch (message) {
    case WM_DESTROY:
        PlatformPostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        // Closing the window or a termination signal quits as Escape on the
        // main menu does.
        if (game_state != STATE_QUIT && game_state != STATE_CLOSING) BeginQuit();
        return 0;
    case WM_SETFOCUS:
        window_focused = 1;
        return 0;
    case WM_KILLFOCUS:
        window_focused = 0;
        return 0;
    default:
        return 0;
    }
}

void BeginQuit()
{
    game_state = STATE_QUIT;
    // Silent from here: the fade must not carry the engine or the fuel alarm,
    // and a pause ended by the quit must not bring them back.
    StopAllSounds();
    PlatformPostMessage(WM_DESTROY, 0);
}

int AppStartUp()
{
    wavedart::srand(MarkFrameStart());
    StartDisplay(SCREEN_WIDTH, SCREEN_HEIGHT, 8, 0);
    if (!OpenSoundDevice()) {
        std::fprintf(stderr, "wavedart: no sound (%s); playing on without it\n",
                     PlatformLastError());
    }
    OpenInput();
    OpenKeyboard();
    LoadMenuScreens();
    LoadGameSounds();
    LoadTerrain();
    LoadCraft();
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) LoadEnemies(kind);
    LoadExplosions();
    LoadMissiles();
    LoadFuelDepots();
    LoadBridge();
    LoadHud();
    const DisplayRect screen{0, 0, screen_width, screen_height};
    back_clipper = AttachClipper(back_surface, 1, &screen);
    PlatformShowCursor(0);
    return 1;
}

int AppFrame()
{
    MarkFrameStart();
    if (app_extensions.before_frame) app_extensions.before_frame();
    const int paused = RunPause();
    if (!paused) {
        if (void (*handler)() = StateHandler(game_state)) handler();
    }
    if (app_extensions.after_frame) app_extensions.after_frame(!paused);
    WaitSinceMark(FRAME_PERIOD_MS);
    return 1;
}

int AppShutDown()
{
    UnloadMenuScreens();
    DestroyTerrain();
    DestroyCraft();
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) DestroyEnemies(kind);
    DestroyExplosions();
    DestroyMissiles();
    DestroyFuelDepots();
    DestroyBridge();
    UnloadHud();
    StopDisplay();
    DeleteAllSounds();
    CloseSoundDevice();
    CloseKeyboard();
    return 1;
}

int WinMain()
{
    if (!PlatformOpenWindow("Wavedart", SCREEN_WIDTH, SCREEN_HEIGHT)) {
        ReportNoDisplay(PlatformLastError());
        return 1;
    }
    main_window = 1;
    app_instance = 1;
    AppStartUp();
    // Without a display nothing could be seen or read: stop rather than run
    // blind. Later start-up steps may have replaced the backend's own reason.
    if (!primary_surface) {
        ReportNoDisplay("no picture could be made in the window");
        AppShutDown();
        PlatformCloseWindow();
        return 1;
    }
    PlatformMessage msg{0, 0};
    for (;;) {
        if (PlatformPeekMessage(&msg)) {
            if (msg.message == WM_QUIT) break;
            MainWindowProc(msg.message, msg.wparam);
        }
        AppFrame();
    }
    AppShutDown();
    PlatformCloseWindow();
    return msg.wparam;
}
