// The keyboard on SDL, told when a message-loop turn begins.
#pragma once

// Forgets the presses of the turn before: a press counts for the frame of
// the turn that took it in.
void SdlKeyboardNewTurn();
