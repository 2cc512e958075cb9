#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/play_loop.h"
#include "gui/program_end.h"

int main(int argc, char** argv) {
    if (const int status = app::ApplyCommandLine(argc, argv); status >= 0) return status;
    app::EnterDataFolder();
    // A dialog that only waits for its button ends on the close button as the menu does.
    presentation::SetCloseHandler([] { gui::EndProgram(0); });
    return app::RunGame(argc, argv);
}
