// libFuzzer target: arbitrary key, arrow and mouse sequences typed into each text field kind on a
// memory screen. The caret stays within the text, typed texts stay within their limits, and
// nothing reads out of bounds (the sanitizers watch that part).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gui/gui.h"
#include "presentation/screen_services.h"
#include "presentation/screen_testing.h"

namespace {

namespace pt = presentation::testing;

struct Bytes {
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t At = 0;
    bool Done() const { return At >= Size; }
    std::uint8_t Next() { return At < Size ? Data[At++] : 0; }
};

void Check(bool ok) {
    if (!ok) std::abort();
}

// What typing alone can reach, unless the test wrote the field directly.
void CheckField(const gui::TextField& f, bool written) {
    if (f.Locked) return;
    // A caret the game wrote stays as written until the field takes keys again.
    if (!written || f.Focused) {
        Check(f.Caret >= 0 && static_cast<std::size_t>(f.Caret) <= f.Text.size());
    }
    if (written) return;
    if (f.Kind != gui::FieldKind::Scroll) {
        Check(f.Text.size() <= static_cast<std::size_t>(f.MaxLength));
    } else if (f.Focused && f.Text.size() >= static_cast<std::size_t>(f.MaxLength)) {
        // A focused scroll field keeps its caret inside the visible window.
        Check(static_cast<std::size_t>(f.Caret) >= f.Text.size() - f.MaxLength);
    }
}

void CheckArea(const gui::TextArea& a, bool written) {
    if (written || a.Locked) return;
    std::size_t line = 0;
    int breaks = 0;
    for (const char c : a.Text) {
        breaks += c == '\r';
        line = c == '\r' ? 0 : line + 1;
        Check(line <= static_cast<std::size_t>(a.Columns));
    }
    Check(breaks <= a.Rows - 1);
}

gui::TextField* FieldOf(gui::GUI& gui, int n) {
    switch (n % 3) {
        case 0:
            return gui.GetTextBox(1);
        case 1:
            return gui.GetScrollTextBox(1);
        default:
            return gui.GetPasswordBox(1);
    }
}

void Toggle(int scanCode) {
    if (presentation::IsKeyDown(scanCode)) {
        pt::ReleaseKey(scanCode);
    } else {
        pt::PressKey(scanCode);
    }
}

// The test writes a field the way the game may: text, caret, flags.
void Write(gui::GUI& gui, Bytes& in, bool& written) {
    const std::uint8_t what = in.Next();
    gui::TextField& f = *FieldOf(gui, what);
    switch ((what / 3) % 5) {
        case 0:
            f.Text = std::string(in.Next() % 12, static_cast<char>(in.Next()));
            break;
        case 1:
            f.Caret = static_cast<std::int8_t>(in.Next());
            break;
        case 2:
            f.Locked ^= 1;
            break;
        case 3:
            f.Hidden ^= 1;
            break;
        default:
            gui.GetTextArea(1)->SetText(std::string(in.Next() % 40, 'x'));
            break;
    }
    written = written || (what / 3) % 5 != 2;
}

void Frame(gui::GUI& gui, bool written) {
    gui.Update();
    gui.Draw();
    for (int n = 0; n < 3; ++n) CheckField(*FieldOf(gui, n), written);
    CheckArea(*gui.GetTextArea(1), written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool opened = (pt::OpenMemoryScreen(200, 140), true);
    (void)opened;
    pt::ReleaseAllKeys();
    while (!presentation::ReadKey().empty()) {
    }
    pt::SetMouse(0, 0, 0);

    gui::GUI gui;
    gui.AddTextBox(10, 10, 6);
    gui.AddScrollTextBox(10, 30, 4);
    gui.AddPasswordBox(10, 50, 5);
    gui.AddTextArea(10, 70, 6, 3);
    bool written = false;
    Bytes in{data, std::min<std::size_t>(size, 4096)};
    while (!in.Done()) {
        const std::uint8_t op = in.Next();
        switch (op % 8) {
            case 0:
                pt::TypeKey(std::string(1, static_cast<char>(in.Next())));
                break;
            case 1:
                pt::TypeKey(std::string{'\xFF', static_cast<char>(in.Next() % 128)});
                break;
            case 2:
                Toggle(presentation::scan::Left);
                break;
            case 3:
                Toggle(presentation::scan::Right);
                break;
            case 4: {
                const int x = in.Next() % 100, y = in.Next() % 110;
                pt::SetMouse(x, y, in.Next() % 4);
                break;
            }
            case 5:
                Write(gui, in, written);
                break;
            default:
                Frame(gui, written);
                break;
        }
    }
    Frame(gui, written);
    return 0;
}
