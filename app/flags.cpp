#include "app/flags.h"

namespace app {

namespace {
ProgramFlags flags;
}

ProgramFlags& Flags() {
    return flags;
}

void ResetFlags() {
    flags = ProgramFlags{};
}

}  // namespace app
