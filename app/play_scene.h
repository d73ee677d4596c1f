// The scene that the play frame and the dying frame draw: the terrain, every
// actor's update and drawing, and the heads-up display.
#pragma once

// Into the cleared back surface, ready to present. Missiles fly only in the
// play frame; the dying frame runs the scene without them.
void RunPlayScene(int with_missiles);
