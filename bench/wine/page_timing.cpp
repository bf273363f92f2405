// Times what the first use of each page costs on real controls: making its dialog and its
// one-time set-up (the 10001 numbers of CheckComboPage, the 140 named colours). The program
// pays it when a node first needs the page. Not a test: prints milliseconds per page, the
// median of the runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Times {
    std::vector<double> made, setUp;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace tallowick;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::map<PageId, Times> times;
    for (int run = 0; run < runs; ++run) {
        PageDialogs dialogs(nullptr, PageDialogs::Made::MainOnly);
        Win32Pages pages({}, dialogs.Main());
        pages.SetPageFactory([&](PageId page) {
            const double start = Now();
            HWND window = dialogs.AddPage(page);
            times[page].made.push_back(Now() - start);
            return window;
        });
        pages.OnPageCreated([&](PageId page) {
            const double start = Now();
            InitialisePage(pages, page);
            times[page].setUp.push_back(Now() - start);
        });
        for (const PageSpec& layout : PageLayouts()) {
            if (layout.page != PageId::MainDialog)
                pages.IsPageVisible(layout.page);  // any use makes the page
        }
    }
    std::printf("%-20s %9s %9s %9s   (medians of %d runs, ms)\n", "page", "made", "set up",
                "together", runs);
    for (const auto& [page, t] : times) {
        const double made = Median(t.made), setUp = Median(t.setUp);
        std::printf("%-14s (%d) %9.1f %9.1f %9.1f\n", tallowick::PageName(page),
                    static_cast<int>(page), made, setUp, made + setUp);
    }
    return 0;
}
