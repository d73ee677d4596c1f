#include "session/session_profile.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "high_scores/high_scores.h"
#include "profile/replays.h"
#include "replays/playback.h"
#include "replays/recorder.h"
#include "profile/scores.h"

namespace {

// In the data folder, which is the working directory once the game runs.
constexpr const char* SHIPPED_REPLAY = "replays/attract.demo";

Profile profile;
// Replays that did not read or play in this run, not tried again.
std::set<std::string> refused;

// The entries with a replay, best score first.
std::vector<ScoreEntry> EntriesWithReplays()
{
    std::vector<ScoreEntry> entries;
    for (const std::vector<ScoreEntry>& table : LoadScores(profile)) {
        for (const ScoreEntry& entry : table) {
            if (!entry.replay.empty()) entries.push_back(entry);
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ScoreEntry& a, const ScoreEntry& b) { return a.score > b.score; });
    return entries;
}

// A replay of the profile. One that does not read is said once and set
// aside, unless it is a newer game's, which stays for that game.
bool ReadProfileReplay(const std::string& name, Demo* demo)
{
    if (refused.count(name)) return false;
    std::string text;
    DemoError error;
    if (ReadReplay(profile, name, &text) && ParseDemo(text, demo, &error)) return true;
    refused.insert(name);
    if (error.newer) {
        SayToPlayer("replays/" + name + " " + error.what);
    } else if (!error.what.empty()) {
        SetReplayAside(profile, name, error.what);
    }
    return false;
}

bool IsOneGame(const Demo& demo)
{
    return demo.version >= 2 && demo.start == DemoStart::NEW_GAME && demo.jumps.empty();
}

}  // namespace

void OpenSessionProfile(const std::filesystem::path& given)
{
    OpenProfile(given, &profile);
}

void CloseSessionProfile()
{
    UninstallHighScores();
    CloseProfile(&profile);
}

void ConnectHighScores()
{
    InstallHighScores(&profile);
    play_entry_replay = PlayEntryReplay;
    SetFinishedGameHandler([](const FinishedGame& game) {
        OfferFinishedGame(EndedGame{game.difficulty, game.result.score, game.result.level, game.result.finished,
                                    game.replay});
    });
}

Profile& SessionProfile()
{
    return profile;
}

bool LoadAttractReplay(Demo* demo)
{
    if (!profile.folder.empty()) {
        for (const ScoreEntry& entry : EntriesWithReplays()) {
            if (ReadProfileReplay(entry.replay, demo) && IsOneGame(*demo)) return true;
        }
    }
    std::string error;
    if (ReadDemo(SHIPPED_REPLAY, demo, &error)) return true;
    std::fprintf(stderr, "wavedart: no replay for attract mode: %s\n", error.c_str());
    return false;
}

int PlayEntryReplay(const std::string& name)
{
    Demo demo;
    if (!ReadProfileReplay(name, &demo)) return 0;
    std::string error;
    if (StartPlayback(demo, PlaybackMode::WATCH, &error)) return 1;
    SayToPlayer("replays/" + name + " does not play: " + error);
    return 0;
}
