// Subclasses kept in the program's own table: the order they run in, passing messages on,
// taking one out, and a window destroyed with its subclasses still on.
#include "platform/win32/subclass.h"

#include <gtest/gtest.h>

#include <string>

namespace tallowick {
namespace {

constexpr UINT kProbe = WM_APP + 1;

// Each subclass adds its mark to the text it is handed and passes it on.
LRESULT Mark(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* data) {
    if (message == kProbe)
        reinterpret_cast<std::string*>(lParam)->append(static_cast<const char*>(data));
    return CallNextSubclass(window, message, wParam, lParam);
}

LRESULT Other(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* data) {
    return Mark(window, message, wParam, lParam, data);
}

std::string Probe(HWND window) {
    std::string trail;
    SendMessageW(window, kProbe, 0, reinterpret_cast<LPARAM>(&trail));
    return trail;
}

TEST(Subclass, RunsLastAddedFirstPassesOnAndComesOff) {
    HWND window = CreateWindowExA(0, "STATIC", "text", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(window);
    const LONG_PTR own = GetWindowLongPtrW(window, GWLP_WNDPROC);
    ASSERT_TRUE(AddSubclass(window, Mark, const_cast<char*>("a")));
    ASSERT_TRUE(AddSubclass(window, Other, const_cast<char*>("b")));
    EXPECT_EQ(Probe(window), "ba");
    // The window's own procedure still answers behind them.
    char text[16] = {};
    EXPECT_EQ(GetWindowTextA(window, text, sizeof text), 4);
    EXPECT_STREQ(text, "text");

    ASSERT_TRUE(AddSubclass(window, Mark, const_cast<char*>("c")));  // new data, same place
    EXPECT_EQ(Probe(window), "bc");
    RemoveSubclass(window, Other);
    EXPECT_EQ(Probe(window), "c");
    RemoveSubclass(window, Mark);
    EXPECT_EQ(Probe(window), "");
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), own);

    // Destroyed with a subclass on: the subclass goes with the window, and a later window
    // that happens to get the same handle starts without it.
    ASSERT_TRUE(AddSubclass(window, Mark, const_cast<char*>("d")));
    EXPECT_TRUE(DestroyWindow(window));
    RemoveSubclass(window, Mark);  // harmless on a window that is gone
    EXPECT_FALSE(AddSubclass(window, Mark, const_cast<char*>("e")));
}

}  // namespace
}  // namespace tallowick
