#include "app/shell.h"
#include "tools/replay/demo_run.h"

int main(int argc, char** argv) {
    return app::RunGame(argc, argv, replay::SolutionDemo);
}
