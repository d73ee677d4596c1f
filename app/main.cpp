// The game's binary: the real backend, with what the program sets up around
// the game from its command line.
#include "session/session.h"

int main(int argc, char** argv)
{
    return RunSession(argc, argv);
}
