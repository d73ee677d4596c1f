// The craft's tank: refuelling over a depot, burning with speed, and the
// fuel sounds that go with them.
#pragma once

// Refuels from the first standing depot under the craft; 1 when there was one.
int RefuelCraft();
// Burns one unit per pixel of forward speed, and sounds the low-fuel alarm.
void BurnFuel();
