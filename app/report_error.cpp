// Starts the error window as a second process and waits for it; see report_error.h.
#include "app/report_error.h"

#include <errno.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <utility>

extern char** environ;

namespace app {

namespace {

void RunOwnExecutable(const std::vector<std::string>& arguments) {
    // The instance keeps this program's name as argument 0, so its window title matches.
    std::vector<std::string> words{program_invocation_name};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "game: could not start the error window\n");
        return;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

ErrorWindowRunner& Runner() {
    static ErrorWindowRunner runner = RunOwnExecutable;
    return runner;
}

}  // namespace

ErrorWindowRunner SetErrorWindowRunner(ErrorWindowRunner runner) {
    if (!runner) runner = RunOwnExecutable;
    return std::exchange(Runner(), std::move(runner));
}

void ReportError(std::string_view title, std::string_view message, int depth) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(message.size()), message.data());
    std::vector<std::string> arguments;
    for (int i = 1; i < depth; ++i) arguments.emplace_back("-");
    arguments.emplace_back("ERROR");
    arguments.emplace_back(title);
    arguments.emplace_back(message);
    Runner()(arguments);
}

}  // namespace app
