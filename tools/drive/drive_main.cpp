// tallowick_drive.exe: screenshots and start-up timings of a Win32 program.
//
//   tallowick_drive shot <exe> <png> [class [caption]]
//   tallowick_drive time <runs> <exe> <class> [<exe> <class> ...]
//   tallowick_drive answer <exe> [arguments]
//   tallowick_drive select <runs> <exe> <node>[=<name>] ...

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "drive.h"

namespace drive = tallowick::drive;

namespace {

// How long a program gets to show its window, and to end after WM_CLOSE.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kCloseTimeoutMs = 10000;
// Time to paint before the screenshot.
constexpr DWORD kPaintMs = 500;
// The timing polls more often than the default: the poll interval is part of the error.
constexpr DWORD kTimingPollMs = 1;
// The main window's tree.
constexpr int kTreeId = 1004;

int Usage() {
    std::fputs(
        "usage:\n"
        "  tallowick_drive shot <exe> <png> [class [caption]]\n"
        "      start <exe>, wait until its window is shown and idle, save a PNG of it,\n"
        "      close it. Default window: class #32770, caption Tallowick; with a class\n"
        "      alone, any caption.\n"
        "  tallowick_drive time <runs> <exe> <class> [<exe> <class> ...]\n"
        "      start each program <runs> times, in turn, and time start -> shown and idle;\n"
        "      the ratios are those of the first program's median to each other's.\n"
        "  tallowick_drive answer <exe> [arguments]\n"
        "      start <exe>, wait for the message box it shows, print its text, press OK,\n"
        "      wait until the program ends and print its exit code.\n"
        "  tallowick_drive select <runs> <exe> <node>[=<name>] ...\n"
        "      start the program <runs> times; each time select the tree item of each node\n"
        "      in turn, then each again, and time each selection until handled and painted.\n",
        stderr);
    return 2;
}

// "error N: <system text>" for a GetLastError() code.
std::string ErrorText(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = "error " + std::to_string(code);
    if (length > 0 && text) {
        std::string system(text, length);
        while (!system.empty() && (system.back() == '\n' || system.back() == '\r'))
            system.pop_back();
        message += ": " + system;
    }
    LocalFree(text);
    return message;
}

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "tallowick_drive: %s: %s\n", what, detail.c_str());
}

// Closes the program and says if it had to be terminated.
void Close(const drive::Process& process, HWND window, const std::string& exe) {
    if (!drive::CloseAndWait(process, window, kCloseTimeoutMs))
        Fail("did not end after WM_CLOSE; terminated", exe);
}

int Shot(const std::vector<std::string>& args) {
    if (args.size() < 2 || args.size() > 4)
        return Usage();
    const std::string& exe = args[0];
    const std::string& png = args[1];
    const std::string className = args.size() > 2 ? args[2] : "#32770";
    const std::string caption = args.size() > 3 ? args[3] : args.size() > 2 ? "" : "Tallowick";

    const drive::Process process = drive::Process::Start(exe);
    if (!process) {
        Fail("cannot start", exe + " (" + ErrorText(process.error()) + ")");
        return 1;
    }
    const HWND window = drive::WaitShownAndIdle(process, className, kStartTimeoutMs, caption);
    if (!window) {
        Fail(process.Running() ? "no window shown and idle within 30 s" : "ended before showing",
             exe + " (class " + className + (caption.empty() ? "" : ", caption " + caption) + ")");
        process.Terminate();
        return 1;
    }
    const bool saved = drive::SaveWindowPng(window, png, kPaintMs);
    if (!saved)
        Fail("cannot capture or save", png);
    Close(process, window, exe);
    if (saved)
        std::printf("saved %s\n", png.c_str());
    return saved ? 0 : 1;
}

struct Program {
    std::string exe;
    std::string className;
    std::vector<double> ms;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int Time(const std::vector<std::string>& args) {
    if (args.size() < 3 || args.size() % 2 == 0)
        return Usage();
    const int runs = std::atoi(args[0].c_str());
    if (runs <= 0)
        return Usage();
    std::vector<Program> programs;
    for (std::size_t i = 1; i + 1 < args.size(); i += 2)
        programs.push_back({args[i], args[i + 1], {}});

    // Runs alternate between the programs so that a drift in the machine's load spreads
    // over all of them.
    for (int run = 1; run <= runs; ++run)
        for (Program& program : programs) {
            auto timed = drive::StartShownAndIdle(program.exe, program.className, kStartTimeoutMs,
                                                  {}, kTimingPollMs);
            if (!timed.process) {
                Fail("cannot start", program.exe + " (" + ErrorText(timed.process.error()) + ")");
                return 1;
            }
            if (!timed.window) {
                Fail("no window shown and idle within 30 s", program.exe);
                timed.process.Terminate();
                return 1;
            }
            program.ms.push_back(timed.ms);
            const drive::Stopwatch closing;
            Close(timed.process, timed.window, program.exe);
            std::printf("run %d  %-40s %9.1f ms   (closed in %.0f ms)\n", run, program.exe.c_str(),
                        timed.ms, closing.ElapsedMs());
            std::fflush(stdout);
        }

    std::printf("\n%-40s %9s %9s %9s\n", "program", "median", "min", "max");
    for (const Program& program : programs) {
        const auto [low, high] = std::minmax_element(program.ms.begin(), program.ms.end());
        std::printf("%-40s %9.1f %9.1f %9.1f\n", program.exe.c_str(), Median(program.ms), *low,
                    *high);
    }
    const double first = Median(programs.front().ms);
    for (std::size_t i = 1; i < programs.size(); ++i)
        std::printf("median ratio %s / %s: %.2f\n", programs.front().exe.c_str(),
                    programs[i].exe.c_str(), first / Median(programs[i].ms));
    return 0;
}

// For a program whose only window of interest is a message box, such as an installer
// that refuses to run.
int Answer(const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2)
        return Usage();
    const std::string& exe = args[0];
    const drive::Process process = drive::Process::Start(exe, args.size() > 1 ? args[1] : "");
    if (!process) {
        Fail("cannot start", exe + " (" + ErrorText(process.error()) + ")");
        return 1;
    }
    const HWND box = drive::WaitMessageBox(process.pid(), nullptr, kStartTimeoutMs);
    if (!box) {
        Fail(process.Running() ? "no message box within 30 s" : "ended without a message box", exe);
        process.Terminate();
        return 1;
    }
    std::printf("%s\n", drive::MessageBoxText(box).c_str());
    drive::PressOk(box);
    DWORD exitCode = 0;
    if (!process.Wait(kCloseTimeoutMs, &exitCode)) {
        Fail("did not end after OK; terminated", exe);
        process.Terminate();
        return 1;
    }
    std::printf("exit code %lu\n", static_cast<unsigned long>(exitCode));
    return 0;
}

struct Node {
    LPARAM id = 0;
    std::string name;
    std::vector<double> first, again;
};

// Selects `item` as a click does and times it until the window has handled the selection
// and painted what it shows; negative on failure.
double TimeSelection(HWND main, HWND tree, HTREEITEM item) {
    const drive::Stopwatch stopwatch;
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item),
                             SMTO_NORMAL, kStartTimeoutMs, &ignored) ||
        !drive::PaintNow(main))
        return -1;
    return stopwatch.ElapsedMs();
}

// The items' parents open, as a user opens them before the click, and everything painted.
bool Reveal(HWND main, HWND tree, const std::vector<drive::TreeItem>& items, int index) {
    for (int parent = items[static_cast<std::size_t>(index)].parent; parent >= 0;
         parent = items[static_cast<std::size_t>(parent)].parent)
        drive::ExpandTreeItem(tree, items[static_cast<std::size_t>(parent)].handle);
    return drive::PaintNow(main);
}

int Select(const std::vector<std::string>& args) {
    if (args.size() < 3)
        return Usage();
    const int runs = std::atoi(args[0].c_str());
    if (runs <= 0)
        return Usage();
    const std::string& exe = args[1];
    std::vector<Node> nodes;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::size_t equals = args[i].find('=');
        nodes.push_back({std::atoi(args[i].c_str()),
                         equals == std::string::npos ? args[i] : args[i].substr(equals + 1),
                         {},
                         {}});
    }

    for (int run = 1; run <= runs; ++run) {
        const drive::Process process = drive::Process::Start(exe);
        const HWND main =
            drive::WaitShownAndIdle(process, "#32770", kStartTimeoutMs, "Tallowick", kTimingPollMs);
        const HWND tree = main ? GetDlgItem(main, kTreeId) : nullptr;
        const auto items = tree ? drive::TreeItems(tree) : std::nullopt;
        if (!items) {
            Fail("no main window with its tree", exe);
            process.Terminate();
            return 1;
        }
        for (int pass = 0; pass < 2; ++pass)
            for (Node& node : nodes) {
                const int index = drive::FindTreeItem(*items, node.id);
                if (index < 0 || !Reveal(main, tree, *items, index)) {
                    Fail("cannot reveal the tree item of node", node.name);
                    process.Terminate();
                    return 1;
                }
                const double ms =
                    TimeSelection(main, tree, (*items)[static_cast<std::size_t>(index)].handle);
                if (ms < 0) {
                    Fail("the selection was not handled and painted within 30 s", node.name);
                    process.Terminate();
                    return 1;
                }
                (pass == 0 ? node.first : node.again).push_back(ms);
            }
        Close(process, main, exe);
        std::printf("run %d done\n", run);
        std::fflush(stdout);
    }

    std::printf("\n%-28s %14s %14s %12s\n", "node", "first median", "again median", "first max");
    for (const Node& node : nodes) {
        std::printf("%-28s %11.1f ms %11.1f ms %9.1f ms\n", node.name.c_str(), Median(node.first),
                    Median(node.again), *std::max_element(node.first.begin(), node.first.end()));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "shot")
        return Shot(args);
    if (command == "time")
        return Time(args);
    if (command == "answer")
        return Answer(args);
    if (command == "select")
        return Select(args);
    return Usage();
}
