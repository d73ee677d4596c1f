#include "session/session.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/extensions.h"
#include "app/shell.h"
#include "command_line/options.h"
#include "options/controls_screen.h"
#include "options/options_screen.h"
#include "options/player_settings.h"
#include "platform/console.h"
#include "platform/data_folder.h"
#include "platform/durable_files.h"
#include "platform/window.h"
#include "replays/attract.h"
#include "replays/frame_hooks.h"
#include "replays/playback.h"
#include "replays/recorder.h"
#include "session/session_files.h"
#include "session/session_profile.h"
#include "session/verify.h"

namespace {

// Status for a command line that cannot be followed.
constexpr int EXIT_USAGE = 2;

// For the page's tests, which have no keys of their own that keep time with
// the frames: the replay of one game in the file this names is played as
// if the player pressed its keys (PlaybackMode::AS_PLAYER). Not an option,
// so that no player comes upon it.
constexpr const char* AS_PLAYER_ENV = "WAVEDART_TEST_PLAY_AS_PLAYER";

// Reads the replay AS_PLAYER_ENV names, if any; one that does not read is
// said in one line, and the game starts as usual.
bool ReadAsPlayerReplay(Demo* demo)
{
    const std::filesystem::path file = PlatformEnvironmentPath(AS_PLAYER_ENV);
    return !file.empty() && ReadReplayFile(file, demo);
}

void OnTerminationSignal(int)
{
    PlatformRequestClose();
}

// Every file is read relative to the working directory.
void EnterDataFolder()
{
    if (!PlatformEnterDataFolder("PALDATA2.PAL", nullptr)) {
        std::fprintf(stderr,
                     "wavedart: game files not found here, in ../share/wavedart or in data/ "
                     "beside the program; playing without them\n");
    }
}

int PlayGame(const CommandLine& line)
{
    // Named before the working directory changes to the data folder.
    const std::filesystem::path record = SessionPath(line.record);
    const std::filesystem::path play = SessionPath(line.play);
    const std::filesystem::path profile = SessionPath(line.profile);
    Demo demo;
    if (!play.empty() && !ReadReplayFile(play, &demo)) return EXIT_USAGE;
    Demo players;
    const bool as_player = play.empty() && ReadAsPlayerReplay(&players);
    if (!record.empty() && !CanRecordInto(record)) return EXIT_USAGE;

    EnterDataFolder();
    std::signal(SIGINT, OnTerminationSignal);
    std::signal(SIGTERM, OnTerminationSignal);
    OpenSessionProfile(profile);
    LoadPlayerSettings(&SessionProfile());
    for (const SettingForRun& run : line.settings) ChooseSettingForRun(run.setting, run.value);
    InstallOptions();
    InstallControls();
    ConnectHighScores();
    app_extensions.before_frame = ReplaysBeforeFrame;
    app_extensions.after_frame = ReplaysAfterFrame;
    SetAttractSource(LoadAttractReplay);
    if (!record.empty()) StartSessionRecording();
    std::string error;
    if (!play.empty()) StartPlayback(demo, PlaybackMode::COMMAND_LINE, &error);
    if (as_player && !StartPlayback(players, PlaybackMode::AS_PLAYER, &error)) {
        std::fprintf(stderr, "wavedart: %s: %s\n", AS_PLAYER_ENV, error.c_str());
    }
    const int status = WinMain();
    UninstallControls();
    UninstallOptions();
    ForgetPlayerSettings();
    CloseSessionProfile();
    if (!record.empty() && !SaveSessionRecording(record)) return 1;
    return status;
}

}  // namespace

int RunSession(int argc, char** argv)
{
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(PlatformArguments(argc, argv), &line, &error)) {
        PlatformAttachConsole();
        std::fprintf(stderr, "wavedart: %s\n%s", error.c_str(), UsageText().c_str());
        return EXIT_USAGE;
    }
    if (line.help || line.version) {
        PlatformAttachConsole();
        std::fputs(line.help ? UsageText().c_str() : (VersionText() + "\n").c_str(), stdout);
        return 0;
    }
    if (!line.verify.empty()) {
        PlatformAttachConsole();
        const std::filesystem::path file = SessionPath(line.verify);
        Demo demo;
        if (!ReadReplayFile(file, &demo)) return EXIT_USAGE;
        EnterDataFolder();
        return VerifyReplay(demo, line.verify);
    }
    return PlayGame(line);
}
