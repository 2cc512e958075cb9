// The GUI manager: widget collections, the three passes and thread mode. Passes run on the owner's
// thread, or on the GUI's own thread between StartThread and StopThread.
#include "gui/gui.h"

#include <new>
#include <utility>

#include "gui/program_end.h"

namespace gui {

namespace {

// Appends a new widget and returns its number. Running out of memory here is fatal, as it is when
// the GUI is built.
template <class T, class... Args>
std::int32_t Append(WidgetCollection<T>& widgets, Args&&... args) {
    try {
        widgets.push_back(std::make_unique<T>(std::forward<Args>(args)...));
    } catch (const std::bad_alloc&) {
        FatalError(message::GuiStorage, FatalWait::HalfSecond);
    }
    return static_cast<std::int32_t>(widgets.size());
}

template <class T>
T* Numbered(const WidgetCollection<T>& widgets, std::int32_t n) {
    if (n < 1 || static_cast<std::size_t>(n) > widgets.size()) return nullptr;
    return widgets[static_cast<std::size_t>(n) - 1].get();
}

// By index, re-reading the size: a handler may add widgets to this very collection mid-pass.
template <class T>
void UpdateAll(WidgetCollection<T>& widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) widgets[i]->Update();
}
template <class T>
void DrawAll(WidgetCollection<T>& widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) widgets[i]->Draw();
}
template <class T>
void EraseAll(WidgetCollection<T>& widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) widgets[i]->Erase();
}

template <class T>
bool AnyHovered(const WidgetCollection<T>& widgets) {
    for (const auto& w : widgets) {
        if (w->Hovered == 1) return true;
    }
    return false;
}

}  // namespace

GUI::GUI() {
    try {
        Labels.reserve(1);
        CheckBoxes.reserve(1);
        TextBoxes.reserve(1);
        ScrollTextBoxes.reserve(1);
        PasswordBoxes.reserve(1);
        Buttons.reserve(1);
        RadioButtons.reserve(1);
        ElementLists.reserve(1);
        DropDowns.reserve(1);
        TextAreas.reserve(1);
    } catch (const std::bad_alloc&) {
        FatalError(message::GuiStorage, FatalWait::HalfSecond);
    }
}

GUI::~GUI() {
    StopRequested.store(1);
    if (thread_.joinable()) thread_.join();
}

// ---- Adding and getting widgets --------------------------------------------------------------

std::int32_t GUI::AddLabel(std::int32_t x, std::int32_t y, std::string_view text) {
    return Append(Labels, x, y, text);
}
std::int32_t GUI::AddCheckBox(std::int32_t x, std::int32_t y, std::string_view id,
                              gui::Event event) {
    return Append(CheckBoxes, x, y, id, std::move(event));
}
std::int32_t GUI::AddTextBox(std::int32_t x, std::int32_t y, std::int32_t maxLength,
                             std::string_view text) {
    return Append(TextBoxes, FieldKind::Text, x, y, maxLength, text);
}
std::int32_t GUI::AddScrollTextBox(std::int32_t x, std::int32_t y, std::int32_t maxLength,
                                   std::string_view text) {
    return Append(ScrollTextBoxes, FieldKind::Scroll, x, y, maxLength, text);
}
std::int32_t GUI::AddPasswordBox(std::int32_t x, std::int32_t y, std::int32_t maxLength) {
    return Append(PasswordBoxes, FieldKind::Password, x, y, maxLength);
}
std::int32_t GUI::AddButton(std::int32_t x, std::int32_t y, std::string_view upFile,
                            std::string_view downFile, std::string_view id, gui::Event event) {
    return Append(Buttons, id, std::move(event), x, y, upFile, downFile);
}
std::int32_t GUI::AddImageButton(std::int32_t x, std::int32_t y, std::string_view fileName,
                                 std::string_view id, gui::Event event) {
    return Append(Buttons, id, std::move(event), x, y, fileName);
}
std::int32_t GUI::AddTextButton(std::string_view caption, std::int32_t x, std::int32_t y,
                                std::string_view id, gui::Event event) {
    return Append(Buttons, id, std::move(event), caption, x, y);
}
std::int32_t GUI::AddRadioButton(std::string_view id, gui::Event event) {
    return Append(RadioButtons, id, std::move(event));
}
std::int32_t GUI::AddElementList(std::int32_t x, std::int32_t y, std::string_view caption,
                                 std::int32_t definedLength, gui::Event event) {
    return Append(ElementLists, x, y, caption, definedLength, std::move(event));
}
std::int32_t GUI::AddDropDown(std::int32_t x, std::int32_t y, std::string_view caption,
                              std::int32_t definedLength) {
    return Append(DropDowns, x, y, caption, definedLength);
}
std::int32_t GUI::AddTextArea(std::int32_t x, std::int32_t y, std::int32_t columns,
                              std::int32_t rows) {
    return Append(TextAreas, x, y, columns, rows);
}

Label* GUI::GetLabel(std::int32_t n) const {
    return Numbered(Labels, n);
}
CheckBox* GUI::GetCheckBox(std::int32_t n) const {
    return Numbered(CheckBoxes, n);
}
TextBox* GUI::GetTextBox(std::int32_t n) const {
    return Numbered(TextBoxes, n);
}
ScrollTextBox* GUI::GetScrollTextBox(std::int32_t n) const {
    return Numbered(ScrollTextBoxes, n);
}
PasswordBox* GUI::GetPasswordBox(std::int32_t n) const {
    return Numbered(PasswordBoxes, n);
}
Button* GUI::GetButton(std::int32_t n) const {
    return Numbered(Buttons, n);
}
RadioButton* GUI::GetRadioButton(std::int32_t n) const {
    return Numbered(RadioButtons, n);
}
ElementList* GUI::GetElementList(std::int32_t n) const {
    return Numbered(ElementLists, n);
}
DropDown* GUI::GetDropDown(std::int32_t n) const {
    return Numbered(DropDowns, n);
}
TextArea* GUI::GetTextArea(std::int32_t n) const {
    return Numbered(TextAreas, n);
}

// ---- Passes ----------------------------------------------------------------------------------

void GUI::Update() {
    UpdateAll(CheckBoxes);
    UpdateAll(TextBoxes);
    UpdateAll(ScrollTextBoxes);
    UpdateAll(PasswordBoxes);
    UpdateAll(Buttons);
    UpdateAll(RadioButtons);
    UpdateAll(ElementLists);
    UpdateAll(DropDowns);
    UpdateAll(TextAreas);
    UpdateTextCursor();
    TextCursor.Update();
}

void GUI::Draw() {
    DrawAll(Labels);
    DrawAll(CheckBoxes);
    DrawAll(TextBoxes);
    DrawAll(ScrollTextBoxes);
    DrawAll(PasswordBoxes);
    DrawAll(Buttons);
    DrawAll(RadioButtons);
    DrawAll(ElementLists);
    DrawAll(DropDowns);
    DrawAll(TextAreas);
    TextCursor.Draw();
}

void GUI::Erase() {
    EraseAll(Labels);
    EraseAll(CheckBoxes);
    EraseAll(TextBoxes);
    EraseAll(ScrollTextBoxes);
    EraseAll(PasswordBoxes);
    EraseAll(Buttons);
    EraseAll(RadioButtons);
    EraseAll(ElementLists);
    EraseAll(DropDowns);
    EraseAll(TextAreas);
    TextCursor.Erase();
}

void GUI::UpdateTextCursor() {
    const bool overText = AnyHovered(TextBoxes) || AnyHovered(ScrollTextBoxes) ||
                          AnyHovered(PasswordBoxes) || AnyHovered(TextAreas);
    if (overText) {
        TextCursor.Show();
    } else {
        TextCursor.Hide();
    }
}

// ---- Thread mode -----------------------------------------------------------------------------

void GUI::StartThread() {
    if (thread_.joinable()) {
        if (StopRequested.load() == 0) return;  // still running: one GUI thread at a time
        thread_.join();                         // a stopped thread ends within one iteration
    }
    Pacer.SetRate(20);
    thread_ = std::thread([this] { RunThread(); });
}

void GUI::StopThread() {
    StopRequested.store(1);
}

void GUI::RunThread() {
    while (StopRequested.load() == 0) {
        Update();
        Erase();
        Draw();
        Pacer.Wait();
    }
}

}  // namespace gui
