// The real program, started under Wine and driven from outside with window messages, the
// way a user's clicks reach it. Each test runs the program from a fresh copy of its
// program folder; screenshots of the main window are kept in build/windows/screenshots.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/tweak_catalogue.h"
#include "tools/drive/drive.h"

namespace tallowick {
namespace {

namespace dv = drive;

constexpr int kTree = 1004;
constexpr int kApply = 1016;
constexpr int kList = 1007;
constexpr int kMainCheck = 1013;
constexpr int kPreview = 1201, kUndo = 1202, kSearch = 1203;

std::string Folder(const std::string& path) {
    return path.substr(0, path.find_last_of('\\'));
}

std::string BuildFolder() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return Folder(exe);
}

// Copies (`to` given) or removes a folder with everything in it, without asking.
bool ShellFiles(UINT operation, const std::string& from, const std::string& to = "") {
    const std::string fromList = from + '\0', toList = to + '\0';
    SHFILEOPSTRUCTA op{};
    op.wFunc = operation;
    op.pFrom = fromList.c_str();
    op.pTo = to.empty() ? nullptr : toList.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI | FOF_SILENT;
    return SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
}

std::string ReadFileText(const std::string& path) {
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SetDword(HKEY root, const char* path, const char* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

std::optional<DWORD> GetDword(HKEY root, const char* path, const char* name) {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueA(root, path, name, RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

// Today as the modification-date file writes it: M/D/YYYY, in UTC.
std::string Today() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return std::to_string(now.wMonth) + "/" + std::to_string(now.wDay) + "/" +
           std::to_string(now.wYear);
}

// The page dialogs among the main window's children: the visible ones, or all made so far.
std::vector<HWND> VisiblePages(HWND main, bool visibleOnly = true) {
    std::vector<HWND> pages;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (dv::ClassName(child) == "#32770" && (dv::Visible(child) || !visibleOnly))
            pages.push_back(child);
    }
    return pages;
}

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        static int run = 0;
        folder_ = std::string(temp) + "tallowick-test-" + std::to_string(GetCurrentProcessId()) +
                  "-" + std::to_string(++run);
        ShellFiles(FO_DELETE, folder_);
        ASSERT_TRUE(ShellFiles(FO_COPY, BuildFolder() + "\\program", folder_));
        // As built: a run of the build's own copy may have left its date file there.
        DeleteFileA((folder_ + "\\DateFile.txt").c_str());
        ASSERT_TRUE(FileExists(Exe())) << "no program in " << BuildFolder() << "\\program";
    }

    void TearDown() override {
        for (auto& [process, window] : started_) {
            if (process.Running()) {
                EXPECT_TRUE(dv::CloseAndWait(process, window)) << "WM_CLOSE did not end it";
            }
        }
        started_.clear();
        ShellFiles(FO_DELETE, folder_);
    }

    std::string Exe() const { return folder_ + "\\tallowick.exe"; }

    // Starts the program and waits for its main window; the test fails without one.
    HWND StartMain() {
        dv::Process process = dv::Process::Start(Exe());
        EXPECT_TRUE(process) << "cannot start: error " << process.error();
        HWND main = dv::WaitShownAndIdle(process, "#32770", 20000, "Tallowick");
        EXPECT_NE(main, nullptr) << "no main window";
        pid_ = process.pid();
        started_.emplace_back(std::move(process), main);
        return main;
    }

    void Shot(HWND main, const std::string& name) {
        const std::string dir = BuildFolder() + "\\screenshots";
        CreateDirectoryA(dir.c_str(), nullptr);
        EXPECT_TRUE(dv::SaveWindowPng(main, dir + "\\" + name + ".png", 300)) << name;
    }

    // Selects the tree item of `id` and waits for the program to have handled it.
    void Select(HWND tree, TweakId id) {
        const auto items = dv::TreeItems(tree);
        ASSERT_TRUE(items);
        const int index = dv::FindTreeItem(*items, static_cast<LPARAM>(id));
        ASSERT_GE(index, 0) << "no item for " << id;
        ASSERT_EQ(dv::SelectTreeItem(tree, (*items)[static_cast<std::size_t>(index)].handle),
                  dv::SendOutcome::kHandled);
    }

    std::string folder_;
    DWORD pid_ = 0;
    std::vector<std::pair<dv::Process, HWND>> started_;
};

TEST_F(ProgramTest, StartsWithTheWholeTreeAndNothingSelected) {
    HWND main = StartMain();
    ASSERT_TRUE(main);
    HWND tree = GetDlgItem(main, kTree);
    ASSERT_TRUE(tree);
    EXPECT_EQ(dv::ClassName(tree), "SysTreeView32");
    HWND apply = GetDlgItem(main, kApply);
    ASSERT_TRUE(apply);
    EXPECT_FALSE(dv::Visible(apply));

    const auto items = dv::TreeItems(tree);
    ASSERT_TRUE(items);
    const std::vector<TreeNode>& nodes = TreeNodes();
    ASSERT_EQ(items->size(), nodes.size());
    const TweakCatalogue catalogue = BuildCatalogue();
    // Each node's item: label, data, boldness, image, and under the right parent.
    std::map<TweakId, std::vector<TweakId>> expectedChildren, shownChildren;
    for (const TreeNode& node : nodes) {
        const int index = dv::FindTreeItem(*items, static_cast<LPARAM>(node.id));
        ASSERT_GE(index, 0) << node.label;
        const dv::TreeItem& item = (*items)[static_cast<std::size_t>(index)];
        EXPECT_EQ(item.text, node.label);
        EXPECT_EQ(item.Bold(), node.kind != NodeKind::Tweak) << node.label;
        EXPECT_EQ(item.image, static_cast<int>(catalogue[node.id].image)) << node.label;
        EXPECT_EQ(item.selectedImage, item.image) << node.label;
        const TweakId parent = node.parent < 0 ? kTweakCount : nodes[node.parent].id;
        expectedChildren[parent].push_back(node.id);
    }
    for (const dv::TreeItem& item : *items) {
        const TweakId parent =
            item.parent < 0
                ? kTweakCount
                : static_cast<TweakId>((*items)[static_cast<std::size_t>(item.parent)].param);
        shownChildren[parent].push_back(static_cast<TweakId>(item.param));
    }
    EXPECT_EQ(shownChildren, expectedChildren);

    EXPECT_EQ(dv::SelectedTreeItem(tree), nullptr);
    // The first category's list, without a selection; no other page is made before a node
    // needs it.
    ASSERT_EQ(VisiblePages(main).size(), 1u);
    EXPECT_EQ(VisiblePages(main, false).size(), 1u);
    HWND list = dv::FindControl(main, kList);
    ASSERT_TRUE(list);
    EXPECT_EQ(dv::ListRowCount(list), static_cast<int>(FindGroupList(0)->rows.size()));
    Shot(main, "start-accessories");
}

TEST_F(ProgramTest, ComboPagesShowTheirChoicesAndApplyTheOneChosen) {
    const char* policies = "Software\\Policies\\Microsoft\\Windows\\Installer";
    SetDword(HKEY_LOCAL_MACHINE, policies, "DisableMSI", 0);
    HWND main = StartMain();
    ASSERT_TRUE(main);
    HWND tree = GetDlgItem(main, kTree);

    Select(tree, 39);  // Disable Windows Installer
    HWND combo = dv::FindControl(main, 1021, true, "ComboBox");
    ASSERT_TRUE(combo);
    const auto choices = dv::ComboItems(combo);
    ASSERT_TRUE(choices);
    EXPECT_EQ(*choices, (std::vector<std::string>{"Never disable Windows Installer",
                                                  "Disable for non-managed applications only",
                                                  "Always disable Windows Installer"}));
    EXPECT_EQ(dv::ComboSelection(combo), 0);
    ASSERT_EQ(dv::SelectComboItem(combo, 2), dv::SendOutcome::kHandled);
    ASSERT_EQ(dv::Click(GetDlgItem(main, kApply)), dv::SendOutcome::kHandled);
    EXPECT_EQ(GetDword(HKEY_LOCAL_MACHINE, policies, "DisableMSI"), 2u);

    Select(tree, 8);  // Enable Command Completion: two combos
    Shot(main, "tweak-command-completion");
    Select(tree, 21);  // Specify the Dr Watson Log Directory: edits and browse buttons
    EXPECT_TRUE(dv::FindControl(main, 1015, true, "Edit"));
    Shot(main, "tweak-watson-log-directory");
}

TEST_F(ProgramTest, DrivePageKeepsTicksFromTheRegistryOnceShownAndWritesOnItsOwnButton) {
    const char* policies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
    const std::optional<DWORD> before = GetDword(HKEY_CURRENT_USER, policies, "NoDrives");
    // C: hidden, and A: and a bit past Z:, which the page does not list.
    SetDword(HKEY_CURRENT_USER, policies, "NoDrives", 0x80000005);
    HWND main = StartMain();
    ASSERT_TRUE(main);
    Select(GetDlgItem(main, kTree), 311);
    HWND drives = dv::FindControl(main, 1078, true, "SysTreeView32");
    ASSERT_TRUE(drives);
    EXPECT_FALSE(dv::Visible(GetDlgItem(main, kApply)));
    // Painted once shown: a tree with check boxes from its template would clear the tick.
    InvalidateRect(drives, nullptr, TRUE);
    Shot(main, "drive-page");
    ASSERT_TRUE(dv::Answers(main));
    EXPECT_EQ(SendMessageA(drives, TVM_GETITEMHEIGHT, 0, 0), 32);
    EXPECT_NE(SendMessageA(drives, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), 0);
    const auto items = dv::TreeItems(drives);
    ASSERT_TRUE(items);
    int ticked = 0;
    for (const dv::TreeItem& item : *items) {
        const bool on = (item.state & TVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
        EXPECT_EQ(on, item.text.rfind("C:\\ [ ", 0) == 0) << item.text;
        ticked += on;
    }
    EXPECT_EQ(ticked, 1) << "Wine's C: is a fixed drive";
    ASSERT_EQ(dv::Click(dv::FindControl(main, 1079)), dv::SendOutcome::kHandled);
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, policies, "NoDrives"), 0x80000005u);
    if (before)
        SetDword(HKEY_CURRENT_USER, policies, "NoDrives", *before);
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, policies, "NoDrives");
}

// A drag of the splitter bar to client x `to` (pixels from the bar's left edge), sent
// as the mouse messages themselves.
void Drag(HWND bar, int to) {
    const int y = 10;
    DWORD_PTR ignored = 0;
    for (auto [message, x] :
         {std::pair{WM_LBUTTONDOWN, 2}, {WM_MOUSEMOVE, to}, {WM_LBUTTONUP, to}}) {
        SendMessageTimeoutA(bar, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                            MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), y), SMTO_NORMAL,
                            10000, &ignored);
    }
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

TEST_F(ProgramTest, SplitterMovesTreeAndPagesWithinItsRange) {
    HWND main = StartMain();
    ASSERT_TRUE(main);
    HWND tree = GetDlgItem(main, kTree);
    HWND bar = FindWindowExA(main, nullptr, "TallowickSplitterBar", nullptr);
    ASSERT_TRUE(bar);
    ASSERT_EQ(VisiblePages(main).size(), 1u);
    HWND page = VisiblePages(main)[0];
    const RECT tree0 = ScreenRect(tree), page0 = ScreenRect(page);

    Drag(bar, -300);  // far left: stops 40 pixels left of where the bar began
    EXPECT_EQ(ScreenRect(tree).right, tree0.right - 40);
    EXPECT_EQ(ScreenRect(page).left, page0.left - 40);
    EXPECT_EQ(ScreenRect(page).right, page0.right);

    Drag(bar, 300);  // far right: 10 pixels right of the first position at most
    EXPECT_EQ(ScreenRect(tree).right, tree0.right + 10);
    EXPECT_EQ(ScreenRect(page).left, page0.left + 10);
    EXPECT_TRUE(dv::Answers(main));

    // A page made after the drags stands where they left the others.
    Select(tree, 11);
    ASSERT_EQ(VisiblePages(main).size(), 1u);
    HWND later = VisiblePages(main)[0];
    ASSERT_NE(later, page);
    EXPECT_EQ(ScreenRect(later).left, page0.left + 10);
    // Pages lie under the buttons that share their area, made before them or after, and
    // leave them out of their painting.
    EXPECT_EQ(VisiblePages(main, false), (std::vector<HWND>{page, later}));
    for (HWND made : {page, later})
        EXPECT_TRUE(GetWindowLongPtrA(made, GWL_STYLE) & WS_CLIPSIBLINGS);
    for (int id : {kApply, kPreview, kUndo}) {
        HWND button = GetDlgItem(main, id);
        ASSERT_TRUE(IsWindowVisible(button)) << id;
        const RECT r = ScreenRect(button);
        POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ScreenToClient(main, &centre);
        EXPECT_EQ(ChildWindowFromPointEx(main, centre, CWP_SKIPINVISIBLE), button) << id;
    }
}

TEST_F(ProgramTest, SecondStartSaysSoAndEnds) {
    HWND main = StartMain();
    ASSERT_TRUE(main);
    dv::Process second = dv::Process::Start(Exe());
    ASSERT_TRUE(second);
    HWND box = dv::WaitMessageBox(second.pid(), nullptr);
    ASSERT_TRUE(box);
    EXPECT_EQ(dv::Text(box), "Tallowick");
    EXPECT_NE(dv::MessageBoxText(box).find("The applecation already running"), std::string::npos);
    EXPECT_EQ(dv::TopLevelWindows(second.pid(), {"#32770", "Tallowick", false}).size(), 1u)
        << "only the message box, no main window";
    dv::PressOk(box);
    DWORD code = 1;
    EXPECT_TRUE(second.Wait(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(dv::Answers(main)) << "the first instance goes on";
}

// A damaged skin takes the same way out; its parser's refusals are tested natively.
TEST_F(ProgramTest, MissingSkinEndsBeforeAnyDataIsTouched) {
    DeleteFileA((folder_ + "\\Skin\\skin.skn").c_str());
    dv::Process process = dv::Process::Start(Exe());
    ASSERT_TRUE(process);
    HWND box = dv::WaitMessageBox(process.pid(), nullptr, 20000);
    ASSERT_TRUE(box);
    EXPECT_EQ(dv::Text(box), "Tallowick");
    EXPECT_NE(dv::MessageBoxText(box).find("Could load or apply the skin."), std::string::npos);
    dv::PressOk(box);
    EXPECT_TRUE(process.Wait(10000)) << "the program goes on without its skin";
    EXPECT_FALSE(FileExists(folder_ + "\\DateFile.txt"));
}

TEST_F(ProgramTest, F1AndTheSkinsHelpElementOpenTheHelpFile) {
    HWND main = StartMain();
    ASSERT_TRUE(main);
    auto waitForHelp = [this] {
        return dv::WaitTopLevelWindow(pid_, {"HH Parent", "", true}, 20000);
    };
    auto closeHelp = [](HWND help) {
        PostMessageA(help, WM_CLOSE, 0, 0);
        EXPECT_TRUE(dv::WaitUntil([help] { return !IsWindow(help); }, 10000));
    };

    // Posted to a control, as a key press is: the window's filter turns it into help.
    PostMessageA(GetDlgItem(main, kTree), WM_KEYDOWN, VK_F1, 0);
    HWND help = waitForHelp();
    ASSERT_TRUE(help) << "no help window";
    EXPECT_NE(dv::Text(help).value_or("").find("Tallowick"), std::string::npos)
        << "the viewer shows another file: " << dv::Text(help).value_or("");
    closeHelp(help);

    // The skin's "Help" element on the main window, clicked.
    HWND element = nullptr;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (dv::ClassName(child) == "Static" && dv::Text(child) == "Help" && dv::Visible(child))
            element = child;
    }
    ASSERT_TRUE(element) << "no Help element on the main window";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(element, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2), SMTO_NORMAL, 10000,
                        &ignored);
    SendMessageTimeoutA(element, WM_LBUTTONUP, 0, MAKELPARAM(2, 2), SMTO_NORMAL, 10000, &ignored);
    help = waitForHelp();
    ASSERT_TRUE(help) << "the Help element opened nothing";
    closeHelp(help);
}

TEST_F(ProgramTest, AboutBoxOpensAndClosesTwice) {
    HWND main = StartMain();
    ASSERT_TRUE(main);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        PostMessageA(main, WM_SYSCOMMAND, 16, 0);
        HWND about = dv::WaitTopLevelWindow(pid_, {"#32770", "About Tallowick", true});
        ASSERT_TRUE(about);
        EXPECT_EQ(dv::Text(GetDlgItem(about, 1064)),
                  "The Tallowick is the best utility for modifying system settings in the "
                  "Microsoft Windows operating systems.");
        if (round == 0)
            Shot(about, "about");
        EXPECT_EQ(dv::PressOk(about), dv::SendOutcome::kHandled);
        EXPECT_TRUE(dv::WaitUntil([&] { return !IsWindow(about); }, 5000));
    }
    EXPECT_TRUE(dv::Answers(main));
}

// ---- Preview, Undo, the change history and search --------------------------------------

// Clicks a button whose handler opens a modal dialog: posted, since a sent click would
// not return until the dialog closed. Returns the dialog of that caption.
HWND ClickForDialog(DWORD pid, HWND button, const std::string& caption) {
    PostMessageA(button, BM_CLICK, 0, 0);
    return dv::WaitTopLevelWindow(pid, {"#32770", caption, true});
}

void CloseDialog(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0);
    EXPECT_TRUE(dv::WaitUntil([dialog] { return !IsWindow(dialog); }, 10000));
}

// The Linux path of a file or folder of this prefix, from Wine's own mapping; "" when
// not under Wine.
std::string UnixPath(const std::string& path) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return {};
    const std::wstring wide(path.begin(), path.end());  // the test's paths are ASCII
    char* unix = toUnix(wide.c_str());
    if (!unix)
        return {};
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

// The same file as every Wine prefix names it: drive Z: is the Linux root.
std::string ThroughDriveZ(std::string unix) {
    for (char& c : unix) {
        if (c == '/')
            c = '\\';
    }
    return "Z:" + unix;
}

// Runs Wine's regedit of this prefix with `arguments` and waits for it.
bool RunRegedit(const std::string& arguments) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    dv::Process regedit = dv::Process::Start(std::string(windows) + "\\regedit.exe", arguments);
    return regedit && regedit.Wait(30000);
}

// Imports `regFile` with Wine's own regedit into a new prefix made under the build folder
// (never the one the program runs in), and writes that prefix's `key` to `dump` with
// regedit /e. Only a Wine started with another WINEPREFIX sees another registry, so the
// Linux shell does it (Wine starts Linux programs too), told to forget this prefix's
// server; it says it is done in a file, since Wine does not wait for Linux processes.
bool ImportIntoFreshPrefix(const std::string& folder, const std::string& regFile,
                           const std::string& key, const std::string& dump) {
    const std::string prefix = UnixPath(BuildFolder()) + "/wine-import-prefix";
    const std::string script = folder + "\\import.sh", done = folder + "\\import.done";
    const std::string text =
        "PATH=/usr/bin:/bin\n"
        "unset WINESERVERSOCKET WINELOADERNOEXEC\n"
        "export WINEPREFIX='" +
        prefix +
        "' WINEARCH=win64 WINEDEBUG=-all "
        "WINEDLLOVERRIDES='mscoree,mshtml='\n"
        "rm -rf \"$WINEPREFIX\" && mkdir -p \"$WINEPREFIX\" && wineboot -i >/dev/null 2>&1 &&\n"
        "  wine regedit /s '" +
        ThroughDriveZ(UnixPath(regFile)) +
        "' &&\n"
        "  wine regedit /e '" +
        ThroughDriveZ(UnixPath(folder)) + "\\" + dump.substr(dump.find_last_of('\\') + 1) + "' '" +
        key +
        "'\n"
        "status=$?\n"
        "wineserver -w\n"
        "rm -rf \"$WINEPREFIX\"\n"
        "echo $status >'" +
        UnixPath(folder) + "/import.done'\n";
    HANDLE file = CreateFileA(script.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool saved =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!saved || prefix.size() < 2)
        return false;
    std::string command = "/bin/sh \"" + UnixPath(script) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION shell{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &shell)) {
        return false;
    }
    CloseHandle(shell.hThread);
    CloseHandle(shell.hProcess);
    // A new prefix takes half a minute or more on a busy machine.
    return dv::WaitUntil([&] { return FileExists(done); }, 300000) &&
           ReadFileText(done).rfind("0", 0) == 0;
}

TEST_F(ProgramTest, PreviewApplyUndoAndAnExportThatWinesRegeditImportsElsewhere) {
    // The key holds only what the test puts there, so it can be compared whole.
    RegDeleteTreeA(HKEY_CURRENT_USER, "Console");
    SetDword(HKEY_CURRENT_USER, "Console", "QuickEdit", 0);
    HWND main = StartMain();
    ASSERT_TRUE(main);
    HWND preview = GetDlgItem(main, kPreview), undo = GetDlgItem(main, kUndo);
    ASSERT_TRUE(preview && undo);
    EXPECT_FALSE(dv::Visible(preview)) << "shown with Apply only";
    Select(GetDlgItem(main, kTree), 11);  // Quick Edit the Command Prompt
    EXPECT_TRUE(dv::Visible(preview));
    EXPECT_TRUE(dv::Visible(undo));
    EXPECT_FALSE(IsWindowEnabled(undo)) << "nothing to undo yet";
    ASSERT_EQ(dv::Click(dv::FindControl(main, kMainCheck)), dv::SendOutcome::kHandled);

    // The preview lists the change and changes nothing, not even the date.
    const std::string dates = ReadFileText(folder_ + "\\DateFile.txt");
    HWND box = ClickForDialog(pid_, preview, "Preview Changes");
    ASSERT_TRUE(box);
    EXPECT_NE(
        dv::Text(GetDlgItem(box, 1204))
            .value_or("")
            .find("HKEY_CURRENT_USER\\Console \"QuickEdit\": dword:00000000 -> dword:00000001"),
        std::string::npos)
        << dv::Text(GetDlgItem(box, 1204)).value_or("");
    Shot(box, "preview-changes");
    CloseDialog(box, IDOK);
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, "Console", "QuickEdit"), 0u);
    EXPECT_EQ(ReadFileText(folder_ + "\\DateFile.txt"), dates);

    // Apply, Undo back to 0, Apply again.
    ASSERT_EQ(dv::Click(GetDlgItem(main, kApply)), dv::SendOutcome::kHandled);
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, "Console", "QuickEdit"), 1u);
    EXPECT_NE(ReadFileText(folder_ + "\\DateFile.txt")
                  .find("quenby(\"Quick Edit the Command Prompt\"," + Today() + ")\r\n"),
              std::string::npos);
    ASSERT_TRUE(IsWindowEnabled(undo));
    ASSERT_EQ(dv::Click(undo), dv::SendOutcome::kHandled);
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, "Console", "QuickEdit"), 0u);
    EXPECT_EQ(dv::CheckState(dv::FindControl(main, kMainCheck)), BST_UNCHECKED)
        << "the page shows the registry again";
    ASSERT_EQ(dv::Click(dv::FindControl(main, kMainCheck)), dv::SendOutcome::kHandled);
    ASSERT_EQ(dv::Click(GetDlgItem(main, kApply)), dv::SendOutcome::kHandled);
    Shot(main, "undo-last-change");

    // The history, newest first; all of it exported.
    PostMessageA(main, WM_SYSCOMMAND, 32, 0);
    HWND history = dv::WaitTopLevelWindow(pid_, {"#32770", "Change History", true});
    ASSERT_TRUE(history);
    const auto rows = dv::ListCells(GetDlgItem(history, 1211));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[0][1], "Quick Edit the Command Prompt");
    EXPECT_EQ((*rows)[1][1], "Undo: Quick Edit the Command Prompt");
    Shot(history, "change-history");
    HWND save = ClickForDialog(pid_, GetDlgItem(history, 1213), "Save As");
    ASSERT_TRUE(save);
    const std::string exported = folder_ + "\\exported.reg";
    ASSERT_TRUE(dv::SetText(dv::FindControlOfClass(save, "Edit"), exported));
    PostMessageA(save, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(dv::WaitUntil([&] { return FileExists(exported); }, 10000));
    CloseDialog(history, IDCANCEL);
    const std::string text = ReadFileText(exported);
    EXPECT_EQ(text.rfind("REGEDIT4\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Console]\r\n\"QuickEdit\"=dword:00000001\r\n"),
              std::string::npos)
        << text;

    // Wine's own regedit, in a prefix of its own, imports it to the key this prefix holds,
    // both written out whole by regedit /e.
    const std::string here = folder_ + "\\here.reg", there = folder_ + "\\there.reg";
    ASSERT_TRUE(RunRegedit("/e \"" + here + "\" \"HKEY_CURRENT_USER\\Console\""));
    SetDword(HKEY_CURRENT_USER, "Console", "QuickEdit", 0);
    ASSERT_TRUE(ImportIntoFreshPrefix(folder_, exported, "HKEY_CURRENT_USER\\Console", there));
    EXPECT_NE(ReadFileText(here), "");
    EXPECT_EQ(ReadFileText(there), ReadFileText(here));
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, "Console", "QuickEdit"), 0u)
        << "the import went to the program's prefix";
}

// The window that has the keyboard focus in the thread that owns `window`.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                              : nullptr;
}

// The pixels of `window` on the screen that have the colour `rgb`.
int PixelsOfColour(HWND window, COLORREF rgb) {
    const auto image = dv::CaptureWindow(window);
    int count = 0;
    for (std::size_t i = 0; image && i + 2 < image->rgb.size(); i += 3) {
        count += image->rgb[i] == GetRValue(rgb) && image->rgb[i + 1] == GetGValue(rgb) &&
                 image->rgb[i + 2] == GetBValue(rgb);
    }
    return count;
}

TEST_F(ProgramTest, TheSearchBoxSelectsMatchesInTreeOrderAndWraps) {
    HWND main = StartMain();
    ASSERT_TRUE(main);
    HWND tree = GetDlgItem(main, kTree), search = GetDlgItem(main, kSearch);
    ASSERT_TRUE(search);
    const auto items = dv::TreeItems(tree);
    ASSERT_TRUE(items);
    auto selected = [&] {
        const auto item = dv::ReadTreeItem(tree, dv::SelectedTreeItem(tree));
        return item ? static_cast<TweakId>(item->param) : kTweakCount;
    };
    auto waitSelected = [&](TweakId id) {
        return dv::WaitUntil([&] { return selected() == id; }, 5000);
    };
    auto focusOn = [&](HWND window) {
        return dv::WaitUntil([&] { return FocusOf(main) == window; }, 5000);
    };

    // The cue the empty box shows, read from the box itself.
    dv::RemoteMemory cue = dv::RemoteMemory::ForWindow(search, 256);
    ASSERT_TRUE(cue);
    DWORD_PTR answered = 0;
    ASSERT_TRUE(SendMessageTimeoutA(search, EM_GETCUEBANNER, cue.Param(), 128, SMTO_ABORTIFHUNG,
                                    5000, &answered));
    wchar_t shown[128] = {};
    ASSERT_TRUE(cue.Read(0, shown, sizeof shown - sizeof(wchar_t)));
    EXPECT_EQ(std::wstring(shown), L"Search settings");

    ASSERT_TRUE(dv::SetText(search, "quick edit the command"));
    EXPECT_TRUE(waitSelected(11)) << selected();
    EXPECT_TRUE(dv::FindControl(main, kMainCheck)) << "its page shows";
    Shot(main, "search");

    // F3, pressed in the tree, takes the focus to the box and goes on to the next match,
    // coming round to the first again.
    ASSERT_TRUE(dv::SetText(search, "command prompt"));
    const TweakId first = selected();
    std::vector<TweakId> seen{first};
    PostMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tree), TRUE);
    ASSERT_TRUE(focusOn(tree));
    for (int i = 0; i < 40 && (seen.size() == 1 || seen.back() != first); ++i) {
        PostMessageA(i == 0 ? tree : search, WM_KEYDOWN, VK_F3, 0);
        ASSERT_TRUE(dv::WaitUntil([&] { return selected() != seen.back(); }, 5000));
        seen.push_back(selected());
    }
    EXPECT_TRUE(focusOn(search));
    EXPECT_GT(seen.size(), 2u);
    EXPECT_EQ(seen.back(), first) << "F3 wraps round";

    // Ctrl+F, typed on the keyboard while the tree has the focus, does the same.
    PostMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tree), TRUE);
    ASSERT_TRUE(focusOn(tree));
    SetForegroundWindow(main);
    INPUT keys[4] = {};
    const WORD typed[4] = {VK_CONTROL, 'F', 'F', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = typed[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
    EXPECT_TRUE(focusOn(search));
    EXPECT_TRUE(waitSelected(seen[1])) << selected();

    // No match leaves the selection where it was, colours the box, and the tree keeps its
    // items; a match takes the colour away again.
    const COLORREF missed = RGB(255, 200, 200);
    EXPECT_EQ(PixelsOfColour(search, missed), 0);
    const TweakId before = selected();
    ASSERT_TRUE(dv::SetText(search, "no node says this"));
    EXPECT_TRUE(dv::Answers(main));
    EXPECT_EQ(selected(), before);
    EXPECT_GT(PixelsOfColour(search, missed), 0);
    Shot(main, "search-no-match");
    EXPECT_EQ(dv::TreeItems(tree)->size(), items->size());
    ASSERT_TRUE(dv::SetText(search, "quick edit"));
    EXPECT_TRUE(waitSelected(11));
    EXPECT_EQ(PixelsOfColour(search, missed), 0);
}

}  // namespace
}  // namespace tallowick
