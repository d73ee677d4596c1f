// The bar that fills over the play scene while the pad's back is held, up
// to the moment play goes back to the menu.
#pragma once

// Draws it into the back surface while the pad's back is held; nothing
// otherwise.
void DrawBackHoldBar();
