#include "app/window_text.h"

namespace tallowick {

std::string WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

DialogText::DialogText(HWND dialog) : dialog_(dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children_.push_back(child);
}

std::string DialogText::Caption() const {
    return WindowTextOf(dialog_);
}

void DialogText::SetCaption(const std::string& text) {
    SetWindowTextA(dialog_, text.c_str());
}

int DialogText::ChildCount() const {
    return static_cast<int>(children_.size());
}

int DialogText::ChildId(int index) const {
    return GetDlgCtrlID(children_[static_cast<std::size_t>(index)]);
}

std::string DialogText::ChildText(int index) const {
    return WindowTextOf(children_[static_cast<std::size_t>(index)]);
}

void DialogText::SetChildText(int index, const std::string& text) {
    SetWindowTextA(children_[static_cast<std::size_t>(index)], text.c_str());
}

}  // namespace tallowick
