#include <gtest/gtest.h>

#include <random>

#include "profile/replays.h"
#include "profile/scores.h"
#include "profile/settings_file.h"
#include "tests/profile/profile_fixture.h"

namespace fs = std::filesystem;

namespace {

// A file of the profile, read and saved through the profile.
struct FileKind {
    const char* name;
    const char* noun;
    std::string good, newer;
    std::function<int(Profile&)> load;  // records read
    std::function<bool(Profile&)> save;
};

std::vector<FileKind> Kinds()
{
    return {
        {"scores.txt", "score",
         "wavedart-scores 1\neasy ABC 41250 4 no 2024-05-01 a.demo\neasy Q7Z 8800 1 no 2024-05-02 -\n"
         "medium JMB 500 1 no 2024-05-03 -\nhard XYZ 96400 10 yes 2024-05-04 -\nend\n",
         "wavedart-scores 2\nseason spring\neasy ABC 41250 4 no 2024-05-01 - 88\nend\n",
         [](Profile& profile) {
             int count = 0;
             for (const auto& table : LoadScores(profile)) count += static_cast<int>(table.size());
             return count;
         },
         [](Profile& profile) {
             return AddScore(profile, 1, {"NEW", 7, 2, false, "2024-06-01", ""}).saved;
         }},
        {"settings.txt", "setting", "wavedart-settings 1\nfullscreen = no\nvolume = 8\nkeys = arrows\nend\n",
         "wavedart-settings 2\n[audio]\nvolume = 3\nend\n",
         [](Profile& profile) { return static_cast<int>(LoadSettings(profile).size()); },
         [](Profile& profile) {
             return SaveSettings(profile, {{"fullscreen", "yes"}});
         }},
    };
}

std::string RandomBytes()
{
    std::mt19937 generator(21);
    std::string bytes(300, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator());
    return bytes;
}

}  // namespace

// Each file missing, empty, halved, random, too large or newer: what could be
// read is kept, a bad file is set aside whole with one line, a newer one is
// copied aside before this version first saves over it, and saving works.
TEST(DamagedFiles, AreSetAsideWithOneLineAndNothingIsLost)
{
    struct Case {
        const char* name;
        std::function<std::string(const FileKind&)> content;  // null: no file
        const char* said;  // after "wavedart: <file> ", a shell pattern
        int kept;          // -1: some but not all
    };
    const Case cases[] = {
        {"missing", nullptr, nullptr, 0},
        {"empty", [](const FileKind&) { return std::string(); }, "is empty", 0},
        {"halved", [](const FileKind& kind) { return kind.good.substr(0, kind.good.size() / 2); },
         "was cut short", -1},
        {"random", [](const FileKind&) { return RandomBytes(); }, "is not a wavedart-* file", 0},
        {"too large", [](const FileKind& kind) { return kind.good + std::string(64 * 1024, '#'); },
         "is larger than 64 KiB", 0},
        {"newer", [](const FileKind& kind) { return kind.newer; }, nullptr, 1},
    };
    for (const FileKind& kind : Kinds()) {
        for (const Case& test : cases) {
            SCOPED_TRACE(std::string(kind.name) + ", " + test.name);
            ScratchFolder scratch;
            Profile profile;
            OpenProfile(scratch.path, &profile);
            const std::string bad = test.content ? test.content(kind) : "";
            if (test.content) WriteText(scratch.path / kind.name, bad);
            int kept = 0;
            const std::string said = Said([&] { kept = kind.load(profile); });
            const std::string aside = kind.name + std::string(test.said ? ".bad-" : ".newer-") + STAMP;
            if (test.said) {
                const std::string going_on = test.kept ? "[1-9] " + std::string(kind.noun) + "*"
                                                       : "no " + std::string(kind.noun) + "s";
                EXPECT_TRUE(Matches(said, "wavedart: " + std::string(kind.name) + " " + test.said +
                                              "; set aside as " + aside + ", going on with " + going_on +
                                              "\n"))
                    << said;
            } else {
                EXPECT_EQ(said, "");
            }
            EXPECT_TRUE(test.kept < 0 ? kept > 0 && kept < 4 : kept == test.kept) << kept;
            const std::string saved = Said([&] { EXPECT_TRUE(kind.save(profile)); });
            std::vector<std::string> kept_aside =
                FilesStartingWith(scratch.path, kind.name + std::string("."));
            ASSERT_EQ(kept_aside.size(), test.content ? 1u : 0u);
            if (test.content) {
                EXPECT_TRUE(Matches(kept_aside[0], aside)) << kept_aside[0];
                EXPECT_EQ(ReadText(scratch.path / kept_aside[0]), bad);
            }
            const std::string newer = "wavedart: " + std::string(kind.name) +
                                      " is from a newer version of Wavedart; a copy is kept as " +
                                      (kept_aside.empty() ? "" : kept_aside[0]) +
                                      " before this version saves over it\n";
            EXPECT_EQ(saved, std::string(test.name) == "newer" ? newer : "");
            EXPECT_EQ(Said([&] { EXPECT_GT(kind.load(profile), 0); }), "");
        }
    }
}

// Replays: what they hold is the replay reader's to judge, so the profile
// sets one aside when told, and refuses the missing and the oversized.
TEST(DamagedFiles, ReplaysAreRefusedWithOneLineAndSetAsideUnderNewNames)
{
    ScratchFolder scratch;
    Profile profile;
    OpenProfile(scratch.path, &profile);
    const fs::path replays = scratch.path / "replays";
    WriteText(replays / "limit.demo", std::string(REPLAY_MAX_BYTES, '-'));
    WriteText(replays / "large.demo", std::string(REPLAY_MAX_BYTES + 1, '-'));
    std::string text;
    EXPECT_EQ(Said([&] { EXPECT_TRUE(ReadReplay(profile, "limit.demo", &text)); }), "");
    EXPECT_EQ(text.size(), REPLAY_MAX_BYTES);
    EXPECT_EQ(Said([&] { EXPECT_FALSE(ReadReplay(profile, "none.demo", &text)); }),
              "wavedart: replays/none.demo is missing\n");
    EXPECT_EQ(Said([&] { EXPECT_FALSE(ReadReplay(profile, "../scores.txt", &text)); }),
              "wavedart: no replay can be named \"../scores.txt\"\n");
    EXPECT_TRUE(
        Matches(Said([&] { EXPECT_FALSE(ReadReplay(profile, "large.demo", &text)); }),
                "wavedart: replays/large.demo is larger than 16 MiB; set aside as replays/large.demo.bad-" +
                    STAMP + "\n"));
    EXPECT_TRUE(text.empty());
    // Three set aside within a second each get a name of their own, and each
    // keeps its bytes.
    std::string said, expected, kept;
    for (const char* version : {"7", "8", "9"}) {
        WriteText(replays / "v.demo", std::string("wavedart-demo ") + version);
        said += Said([&] { SetReplayAside(profile, "v.demo", "names another version"); });
    }
    const std::vector<std::string> aside = FilesStartingWith(replays, "v.demo.bad-");
    ASSERT_EQ(aside.size(), 3u);
    for (const std::string& name : aside) {
        expected += "wavedart: replays/v.demo names another version; set aside as replays/" + name + "\n";
        kept += ReadText(replays / name).back();
    }
    EXPECT_EQ(said, expected);
    EXPECT_EQ(kept, "789");
    EXPECT_FALSE(fs::exists(replays / "v.demo"));
}
