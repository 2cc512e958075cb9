#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/shell.h"

int main(int argc, char** argv) {
    if (const int status = app::ApplyCommandLine(argc, argv); status >= 0) return status;
    app::EnterDataFolder();
    return app::RunGame(argc, argv);
}
