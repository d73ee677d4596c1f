#include "high_scores/initials.h"

#include <cstring>

#include "input/key_codes.h"

namespace {

struct KeyCharacter {
    int key;
    char character;
};

constexpr KeyCharacter TYPED[] = {
    {DIK_A, 'A'}, {DIK_B, 'B'}, {DIK_C, 'C'}, {DIK_D, 'D'}, {DIK_E, 'E'}, {DIK_F, 'F'},
    {DIK_G, 'G'}, {DIK_H, 'H'}, {DIK_I, 'I'}, {DIK_J, 'J'}, {DIK_K, 'K'}, {DIK_L, 'L'},
    {DIK_M, 'M'}, {DIK_N, 'N'}, {DIK_O, 'O'}, {DIK_P, 'P'}, {DIK_Q, 'Q'}, {DIK_R, 'R'},
    {DIK_S, 'S'}, {DIK_T, 'T'}, {DIK_U, 'U'}, {DIK_V, 'V'}, {DIK_W, 'W'}, {DIK_X, 'X'},
    {DIK_Y, 'Y'}, {DIK_Z, 'Z'}, {DIK_0, '0'}, {DIK_1, '1'}, {DIK_2, '2'}, {DIK_3, '3'},
    {DIK_4, '4'}, {DIK_5, '5'}, {DIK_6, '6'}, {DIK_7, '7'}, {DIK_8, '8'}, {DIK_9, '9'},
    {DIK_NUMPAD0, '0'}, {DIK_NUMPAD1, '1'}, {DIK_NUMPAD2, '2'}, {DIK_NUMPAD3, '3'},
    {DIK_NUMPAD4, '4'}, {DIK_NUMPAD5, '5'}, {DIK_NUMPAD6, '6'}, {DIK_NUMPAD7, '7'},
    {DIK_NUMPAD8, '8'}, {DIK_NUMPAD9, '9'},
};

int AlphabetIndex(char character)
{
    const char* found = character ? std::strchr(INITIALS_ALPHABET, character) : nullptr;
    return found ? static_cast<int>(found - INITIALS_ALPHABET) : -1;
}

void StepLetter(InitialsEntry* entry, int step)
{
    char& letter = entry->letters[entry->cursor];
    const int index = (AlphabetIndex(letter) + step + INITIALS_ALPHABET_SIZE) % INITIALS_ALPHABET_SIZE;
    letter = INITIALS_ALPHABET[index];
}

void MoveCursor(InitialsEntry* entry, int step)
{
    const int cursor = entry->cursor + step;
    if (cursor >= 0 && cursor < INITIALS_LENGTH) entry->cursor = cursor;
}

}  // namespace

void StartInitials(InitialsEntry* entry, const char* previous)
{
    bool usable = previous && std::strlen(previous) == INITIALS_LENGTH;
    for (int i = 0; usable && i < INITIALS_LENGTH; ++i) usable = AlphabetIndex(previous[i]) >= 0;
    std::memcpy(entry->letters, usable ? previous : "AAA", INITIALS_LENGTH + 1);
    entry->cursor = 0;
    entry->done = 0;
}

char TypedCharacter(int key)
{
    for (const KeyCharacter& typed : TYPED) {
        if (typed.key == key) return typed.character;
    }
    return 0;
}

int PressInitialsKey(InitialsEntry* entry, int key)
{
    if (entry->done) return 0;
    switch (key) {
    case DIK_UP:
        StepLetter(entry, 1);
        return 0;
    case DIK_DOWN:
        StepLetter(entry, -1);
        return 0;
    case DIK_LEFT:
    case DIK_BACK:
        MoveCursor(entry, -1);
        return 0;
    case DIK_RIGHT:
        MoveCursor(entry, 1);
        return 0;
    case DIK_RETURN:
    case DIK_NUMPADENTER:
    case DIK_SPACE:
        if (entry->cursor == INITIALS_LENGTH - 1) {
            entry->done = 1;
            return 1;
        }
        MoveCursor(entry, 1);
        return 0;
    default:
        break;
    }
    if (const char typed = TypedCharacter(key)) {
        entry->letters[entry->cursor] = typed;
        MoveCursor(entry, 1);
    }
    return 0;
}
