// The program's entry: start-up in its fixed order, the play loop (one iteration per frame on the
// game thread, until Escape is held) and shutdown.
#pragma once

namespace app {

// Runs the whole program and returns its exit status.
int RunGame(int argc, char** argv);

}  // namespace app
