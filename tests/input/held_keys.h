// The key codes a keyboard snapshot holds, to compare with a case's.
#pragma once

#include <set>

inline std::set<int> HeldKeys(const unsigned char* keys)
{
    std::set<int> held;
    for (int key = 0; key < 256; ++key) {
        if (keys[key]) held.insert(key);
    }
    return held;
}
