// The shape every file of the profile shares: plain text, one record a line,
// a first line naming the kind and the version of its format, and a last line
// "end" that shows the file is whole:
//
//   wavedart-scores 1
//   # lines starting with '#' are comments, blank lines are allowed
//   ...
//   end
//
// Lines end in "\n" ("\r\n" is read as well). Readers ignore lines they do
// not know and the lines after "end", so that a newer game's file still reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a reader made of a file, for the one line the player is told.
struct ParseOutcome {
    enum Health { GOOD, NEWER, DAMAGED };
    Health health = GOOD;
    std::string problem;  // when damaged: "is empty", "was cut short", ...
    int kept = 0;         // the records read
};

struct VersionedText {
    int version = 0;
    std::vector<std::string_view> lines;  // between the first line and "end", trimmed,
                                          // without blank lines and comments
};

// Splits text of this kind ("wavedart-scores"). A damaged outcome for a file
// that is empty or of another kind leaves no lines; one without "end" keeps
// the lines it has. A version above current is NEWER.
ParseOutcome SplitVersionedText(std::string_view text, std::string_view kind, int current,
                                VersionedText* split);
std::string FormatVersionLine(std::string_view kind, int version);
constexpr const char* END_LINE = "end\n";

// Makes the outcome of a file with count lines that did not read damaged,
// unless it already is.
void NoteDamagedLines(int count, ParseOutcome* outcome);

std::string_view Trim(std::string_view text);
// A-Z, a-z or 0-9, whatever the locale.
bool IsAsciiAlphanumeric(char letter);
// Splits a line at runs of blanks.
std::vector<std::string_view> Words(std::string_view line);
// A whole number of digits alone, 0 to max; false for anything else.
bool ParseCount(std::string_view text, long long max, long long* value);
