#include "app/play_loop.h"

int main(int argc, char** argv) {
    return app::RunGame(argc, argv);
}
