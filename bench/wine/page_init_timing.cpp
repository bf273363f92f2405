// Times the pages' one-time initialisation on real controls (the 10001 numbers of the
// CheckComboPage and the 140 named colours), which runs inside the program's start-up.
// Not a test: prints milliseconds per run and the median.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/page_behaviour.h"
#include "platform/page_layouts.h"
#include "platform/win32/page_dialogs.h"
#include "platform/win32/win32_pages.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        tallowick::PageDialogs dialogs;
        tallowick::Win32Pages pages(dialogs.Pages(), dialogs.Main());
        const double start = Now();
        tallowick::InitialisePages(pages);
        times.push_back(Now() - start);
        std::printf("page initialisation run %d: %.1f ms\n", i + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("page initialisation median: %.1f ms\n", times[times.size() / 2]);
    return 0;
}
