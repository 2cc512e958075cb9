// Test support for the widget toolkit (header-only, so the app tests can use it too): a memory
// screen per test, an exit handler that throws instead of ending the test process, mouse and key
// shorthands, pixel checks and a small bitmap writer.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gui/program_end.h"
#include "presentation/screen_services.h"
#include "presentation/screen_testing.h"

namespace gui::test {

namespace pt = presentation::testing;

// Thrown by the test exit handler in place of ending the process.
struct ProgramEnded {
    int Status;
};

// Every widget test runs on a fresh 640 x 480 memory screen with the pointer outside the window.
// The screen opens in the constructor, so a derived fixture may hold a GUI as a member.
class WidgetTest : public ::testing::Test {
  protected:
    WidgetTest() {
        pt::OpenMemoryScreen(640, 480);
        previous_ = SetExitHandler([](int status) { throw ProgramEnded{status}; });
    }
    ~WidgetTest() override {
        SetExitHandler(previous_);
        presentation::CloseScreen();
        for (const std::string& path : WrittenFiles()) std::filesystem::remove(path);
        WrittenFiles().clear();
    }

  public:
    // Files a test wrote; removed when it ends.
    static std::vector<std::string>& WrittenFiles() {
        static std::vector<std::string> files;
        return files;
    }

  protected:
    static presentation::Pixel At(int x, int y) { return pt::ScreenPixel(x, y) & 0xFFFFFF; }
    static void Mouse(int x, int y, int buttons = 0) { pt::SetMouse(x, y, buttons); }
    static void Press(int x, int y) { pt::SetMouse(x, y, 1); }
    static void Release(int x, int y) { pt::SetMouse(x, y, 0); }

    // Fills the whole screen with one colour, so that drawing can be told apart from nothing.
    static void Paint(presentation::Pixel colour) {
        presentation::DrawLine(presentation::Screen, 0, 0, 639, 479, colour,
                               presentation::LineKind::FilledBox);
    }
    // How many pixels of the rectangle (inclusive corners) are not the colour.
    static int CountOther(int x1, int y1, int x2, int y2, presentation::Pixel colour) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += At(x, y) != colour;
        return n;
    }

    ExitHandler previous_;
};

// Runs the statement and gives the exit status it ended the program with (-999 if it did not).
template <class F>
int EndStatus(F&& f) {
    try {
        f();
    } catch (const ProgramEnded& e) {
        return e.Status;
    }
    return -999;
}

// A 24-bit bottom-up (or top-down) bitmap of one colour, written to a temporary file.
inline std::string WriteBitmap(const std::string& name, int width, int height,
                               presentation::Pixel colour, bool topDown = false) {
    // Named after the process too: two builds' tests may run side by side on one machine.
    const std::string path =
        (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "_" + name))
            .string();
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(rowBytes * height);
    std::vector<unsigned char> b(54 + dataSize, 0);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54 + dataSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(topDown ? -height : height));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &b[54 + y * rowBytes + x * 3];
            p[0] = colour & 0xFF;
            p[1] = (colour >> 8) & 0xFF;
            p[2] = (colour >> 16) & 0xFF;
        }
    }
    WidgetTest::WrittenFiles().push_back(path);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return path;
}

}  // namespace gui::test
