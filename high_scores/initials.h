// Three initials entered arcade style, with a pad alone or with keys.
//
// Up and down step the current letter through INITIALS_ALPHABET (up
// forwards, A to B; both wrap around), left and right move between the
// three, Enter or Space confirms the current letter and moves on, and on the
// last one ends the entry. Typing a letter or digit puts it in place and
// moves on (staying on the last); Backspace moves back one.
#pragma once

// The characters the score file keeps for initials, in the order up and
// down step through them.
constexpr char INITIALS_ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr int INITIALS_ALPHABET_SIZE = sizeof INITIALS_ALPHABET - 1;
constexpr int INITIALS_LENGTH = 3;

struct InitialsEntry {
    char letters[INITIALS_LENGTH + 1];
    int cursor;  // the letter that the keys change, 0 to INITIALS_LENGTH - 1
    int done;    // 1 once the last letter is confirmed
};

// Starts with the given initials when they are three characters of the
// alphabet (the last ones entered, say), else with AAA, on the first letter.
void StartInitials(InitialsEntry* entry, const char* previous);
// One key pressed (a DIK_ code). Returns 1 when it ended the entry.
int PressInitialsKey(InitialsEntry* entry, int key);
// The character a key types into the initials, or 0 for none.
char TypedCharacter(int key);
