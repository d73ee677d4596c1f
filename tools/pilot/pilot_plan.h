// The pilot's play: keys taken from a plan checked ahead on a copy of the
// game, with a new plan searched for whenever the last one runs out.
#pragma once

// The keys (pilot_steer.h bits) for the next play frame.
unsigned NextPlayKeys();
// Forgets the plan; called whenever the game is not in play, since a plan
// holds only for the life it was made in.
void DropPlan();
// Searches made because the pilot's first choice would not have survived.
long HardSearches();
