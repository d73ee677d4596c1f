// The game on the headless backend over a scratch profile, as the high
// scores' tests play it, with the player's settings and the Options and
// Controls screens, read back from the settings file and the shown picture.
#pragma once

#include <cctype>
#include <string>

#include "input/bindings.h"
#include "options/controls_screen.h"
#include "options/options_screen.h"
#include "options/player_settings.h"
#include "options/settings_table.h"
#include "tests/high_scores/high_scores_fixture.h"

class OptionsTest : public HighScoresTest {
protected:
    void TearDown() override
    {
        UninstallControls();
        UninstallOptions();
        ForgetPlayerSettings();
        ResetBindings();
        HighScoresTest::TearDown();
    }

    // The settings loaded from the profile, and the screens installed.
    void Install(bool controls)
    {
        LoadPlayerSettings(&profile);
        InstallOptions();
        if (controls) InstallControls();
    }

    static void Pad(unsigned buttons)
    {
        const PlatformGamepad pad{buttons, 0, 0};
        HeadlessSetGamepad(&pad);
        Frame();
    }

    static void TapPad(unsigned button)
    {
        Pad(button);
        Pad(0);
    }

    static std::string Upper(std::string text)
    {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    }

    static bool ShowsCentred(const std::string& text, int centre_x, int y, ColourTest test)
    {
        return ShowsText(text.c_str(), centre_x - TEXT_CHAR_WIDTH * static_cast<int>(text.size()) / 2, y, test);
    }

    // The settings file written, then loaded; returns what loading said.
    std::string Load(const std::string& file)
    {
        WriteText(scratch.path / "settings.txt", file);
        return Said([this] { LoadPlayerSettings(&profile); });
    }

    std::string Kept() const { return ReadText(scratch.path / "settings.txt"); }
    bool KeptHas(const std::string& line) const { return Kept().find("\n" + line + "\n") != std::string::npos; }
};
