#include "drive.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <memory>
#include <type_traits>
#include <unordered_map>

#include "png.h"

namespace tallowick::drive {

namespace {

// Reads that wait longer than this count as "the program stopped answering".
constexpr DWORD kReadTimeoutMs = 5000;
// Room for one text in remote memory at first; texts that fill it are read again with
// more room.
constexpr std::size_t kFirstTextCapacity = 512;
constexpr std::size_t kMaxTextCapacity = 1 << 20;

// SendMessageTimeoutA; nullopt if the window did not answer in time.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            DWORD timeoutMs = kReadTimeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

// SendMessageTimeoutW, for the few messages Wine copies wrongly in their A form.
std::optional<LRESULT> SendWide(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReadTimeoutMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

// UTF-16 to the ANSI code page, as the A functions would give it.
std::string Narrow(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int needed =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(needed > 0 ? needed : 0, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), needed, nullptr, nullptr);
    return text;
}

// An integer answer, or `failed` if there was none.
int SendForInt(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, int failed = -1) {
    const auto result = Send(window, message, wParam, lParam);
    return result ? static_cast<int>(*result) : failed;
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string FullPath(const std::string& path) {
    const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::string full(needed, '\0');
    const DWORD length = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed)
        return path;
    full.resize(length);
    return full;
}

// Reads a text through `fetch(memory, capacity)`, which asks the control to copy at most
// `capacity` bytes (NUL included) into `memory` just after its `structSize`-byte
// structure, and says whether it answered. A text that fills the room may have been cut,
// so it is read again with more.
template <typename Fetch>
std::optional<std::string> ReadGrowing(HWND window, std::size_t structSize, Fetch fetch) {
    for (std::size_t capacity = kFirstTextCapacity; capacity <= kMaxTextCapacity; capacity *= 8) {
        const auto memory = RemoteMemory::ForWindow(window, structSize + capacity);
        const char nothing = '\0';
        if (!memory || !memory.Write(structSize, &nothing, 1) || !fetch(memory, capacity))
            return std::nullopt;
        std::string text = memory.ReadString(structSize, capacity);
        if (text.size() + 1 < capacity)
            return text;
    }
    return std::nullopt;
}

// Results of SendMessageCallbackA calls by call number, filled in by OnSent while this
// thread pumps messages. A call given up on (a modal window opened) lands here later,
// harmlessly; a number, unlike a pointer to the waiter's stack, cannot dangle.
thread_local std::unordered_map<ULONG_PTR, LRESULT> t_sentResults;
thread_local ULONG_PTR t_lastCall = 0;

VOID CALLBACK OnSent(HWND, UINT, ULONG_PTR call, LRESULT result) {
    t_sentResults[call] = result;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The first descendant of `root`, parents before their children, that `accept` takes.
HWND FindDescendant(HWND root, const std::function<bool(HWND)>& accept) {
    struct Search {
        const std::function<bool(HWND)>* accept;
        HWND found;
    } search{&accept, nullptr};
    EnumChildWindows(
        root,
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (!(*s.accept)(window))
                return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool HasClass(HWND window, const std::string& className) {
    return lstrcmpiA(ClassName(window).c_str(), className.c_str()) == 0;
}

bool Contains(const std::vector<HWND>& windows, HWND window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// Closes what GetDC, CreateCompatibleDC and CreateDIBSection gave.
struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct GdiObjectDelete {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete>;
using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, GdiObjectDelete>;

// Puts an object back out of a DC before either is deleted.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, old_); }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// Sets the state bits `mask` of `row` (-1: every row) to `state` through
// LVM_SETITEMSTATE, whose LVITEMA must be in the list's process.
SendOutcome SetListItemState(HWND list, int row, UINT state, UINT mask, DWORD timeoutMs) {
    const auto memory = RemoteMemory::ForWindow(list, sizeof(LVITEMA));
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    if (!memory || !memory.Write(0, &item, sizeof item))
        return SendOutcome::kFailed;
    return SendWatched(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), memory.Param(), timeoutMs);
}

}  // namespace

// ---------------------------------------------------------------- waiting and timing

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= deadline)
            return done();
        Sleep(pollMs);
    }
    return true;
}

void Stopwatch::Restart() {
    QueryPerformanceCounter(&start_);
}

double Stopwatch::ElapsedMs() const {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

// ---------------------------------------------------------------- processes

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
        if (handle_)
            CloseHandle(handle_);
        handle_ = other.Release();
    }
    return *this;
}

UniqueHandle::~UniqueHandle() {
    if (handle_)
        CloseHandle(handle_);
}

HANDLE UniqueHandle::Release() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
}

Process Process::Start(const std::string& exe, const std::string& arguments) {
    Process process;
    const std::string path = FullPath(exe);
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    const std::string folder = FolderOf(path);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // CreateProcessA may write into the command line, so it gets its own copy.
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        process.error_ = GetLastError();
        return process;
    }
    CloseHandle(info.hThread);
    process.handle_ = UniqueHandle(info.hProcess);
    process.pid_ = info.dwProcessId;
    return process;
}

bool Process::Wait(DWORD timeoutMs, DWORD* exitCode) const {
    if (!handle_ || WaitForSingleObject(handle_.get(), timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(handle_.get(), exitCode);
    return true;
}

bool Process::Terminate(UINT exitCode) const {
    return handle_ && TerminateProcess(handle_.get(), exitCode) && Wait(5000);
}

// ---------------------------------------------------------------- windows

std::vector<HWND> TopLevelWindows(DWORD pid, const WindowQuery& query) {
    struct Search {
        DWORD pid;
        const WindowQuery* query;
        std::vector<HWND> found;
    } search{pid, &query, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (ProcessOf(window) != s.pid)
                return TRUE;
            if (s.query->visibleOnly && !IsWindowVisible(window))
                return TRUE;
            if (!s.query->className.empty() && !HasClass(window, s.query->className))
                return TRUE;
            if (!s.query->caption.empty()) {
                // A top-level window's caption is read from the system without a message,
                // so a busy program cannot stall the search.
                char caption[512] = {};
                GetWindowTextA(window, caption, sizeof caption);
                if (s.query->caption != caption)
                    return TRUE;
            }
            s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitTopLevelWindow(DWORD pid, const WindowQuery& query, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const auto windows = TopLevelWindows(pid, query);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

bool Answers(HWND window, DWORD timeoutMs) {
    return Send(window, WM_NULL, 0, 0, timeoutMs).has_value();
}

bool PaintNow(HWND root) {
    return RedrawWindow(root, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN) != FALSE;
}

HWND WaitShownAndIdle(const Process& process, const std::string& className, DWORD timeoutMs,
                      const std::string& caption, DWORD pollMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    const WindowQuery query{className, caption, true};
    for (;;) {
        for (HWND window : TopLevelWindows(process.pid(), query)) {
            const ULONGLONG now = GetTickCount64();
            const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 1;
            if (Answers(window, left))
                return window;
        }
        if (GetTickCount64() >= deadline || !process.Running())
            return nullptr;
        Sleep(pollMs);
    }
}

std::optional<std::string> Text(HWND window, DWORD timeoutMs) {
    const auto length = Send(window, WM_GETTEXTLENGTH, 0, 0, timeoutMs);
    if (!length)
        return std::nullopt;
    // WM_GETTEXTLENGTH may overstate (it can count a double-byte conversion), never
    // understate; the copy says how much it really wrote.
    std::string text(static_cast<std::size_t>(*length) + 1, '\0');
    const auto copied =
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), timeoutMs);
    if (!copied)
        return std::nullopt;
    text.resize(std::min<std::size_t>(static_cast<std::size_t>(*copied), text.size() - 1));
    return text;
}

bool SetText(HWND window, const std::string& text, DWORD timeoutMs) {
    const auto result =
        Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), timeoutMs);
    return result && *result == TRUE;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

bool Visible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

HWND FindControl(HWND root, int id, bool visibleOnly, const std::string& className) {
    return FindDescendant(root, [&](HWND window) {
        return GetDlgCtrlID(window) == id && (!visibleOnly || IsWindowVisible(window)) &&
               (className.empty() || HasClass(window, className));
    });
}

HWND FindControlOfClass(HWND root, const std::string& className, bool visibleOnly) {
    return FindDescendant(root, [&](HWND window) {
        return HasClass(window, className) && (!visibleOnly || IsWindowVisible(window));
    });
}

// ---------------------------------------------------------------- actions

const char* ToString(SendOutcome outcome) {
    switch (outcome) {
        case SendOutcome::kHandled:
            return "handled";
        case SendOutcome::kModal:
            return "a modal window opened";
        case SendOutcome::kTimedOut:
            return "timed out";
        case SendOutcome::kFailed:
            return "could not be sent";
    }
    return "?";
}

SendOutcome SendWatched(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs,
                        LRESULT* result) {
    const HWND top = GetAncestor(window, GA_ROOT);
    const bool topWasEnabled = top && IsWindowEnabled(top);
    const DWORD pid = ProcessOf(window);
    const WindowQuery dialogs{"#32770", {}, true};
    const std::vector<HWND> dialogsBefore = TopLevelWindows(pid, dialogs);

    // SendMessageCallbackA returns at once and reports the result through OnSent when this
    // thread next pumps messages, so the wait can watch for a modal window meanwhile.
    const ULONG_PTR call = ++t_lastCall;
    if (!SendMessageCallbackA(window, message, wParam, lParam, OnSent, call))
        return SendOutcome::kFailed;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpMessages();
        if (const auto done = t_sentResults.find(call); done != t_sentResults.end()) {
            if (result)
                *result = done->second;
            t_sentResults.erase(done);
            return SendOutcome::kHandled;
        }
        if (topWasEnabled && IsWindow(top) && !IsWindowEnabled(top))
            return SendOutcome::kModal;
        for (HWND dialog : TopLevelWindows(pid, dialogs))
            if (!Contains(dialogsBefore, dialog))
                return SendOutcome::kModal;
        if (GetTickCount64() >= deadline)
            return SendOutcome::kTimedOut;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
    }
}

SendOutcome Click(HWND button, DWORD timeoutMs) {
    return SendWatched(button, BM_CLICK, 0, 0, timeoutMs);
}

int CheckState(HWND button, DWORD timeoutMs) {
    const auto state = Send(button, BM_GETCHECK, 0, 0, timeoutMs);
    return state ? static_cast<int>(*state) : -1;
}

// ---------------------------------------------------------------- message boxes

HWND WaitMessageBox(DWORD pid, HWND except, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(pid, {"#32770", {}, true}))
                if (window != except) {
                    found = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

std::string MessageBoxText(HWND box) {
    std::string joined;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!HasClass(child, "Static"))
            continue;
        const auto text = Text(child);
        if (!text || text->empty())
            continue;
        if (!joined.empty())
            joined += '\n';
        joined += *text;
    }
    return joined;
}

SendOutcome PressDialogButton(HWND dialog, int id, DWORD timeoutMs) {
    if (HWND button = GetDlgItem(dialog, id))
        return Click(button, timeoutMs);
    return SendWatched(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0, timeoutMs);
}

// ---------------------------------------------------------------- remote memory

RemoteMemory RemoteMemory::ForWindow(HWND window, std::size_t size) {
    return ForProcess(ProcessOf(window), size);
}

RemoteMemory RemoteMemory::ForProcess(DWORD pid, std::size_t size) {
    RemoteMemory memory;
    memory.process_ = UniqueHandle(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!memory.process_ || size == 0)
        return RemoteMemory();
    memory.address_ = VirtualAllocEx(memory.process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                     PAGE_READWRITE);
    memory.size_ = memory.address_ ? size : 0;
    return memory;
}

RemoteMemory::RemoteMemory(RemoteMemory&& other) noexcept
    : process_(std::move(other.process_)), address_(other.address_), size_(other.size_) {
    other.address_ = nullptr;
    other.size_ = 0;
}

RemoteMemory& RemoteMemory::operator=(RemoteMemory&& other) noexcept {
    if (this != &other) {
        Free();
        process_ = std::move(other.process_);
        address_ = other.address_;
        size_ = other.size_;
        other.address_ = nullptr;
        other.size_ = 0;
    }
    return *this;
}

RemoteMemory::~RemoteMemory() {
    Free();
}

void RemoteMemory::Free() {
    if (address_)
        VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
    address_ = nullptr;
    size_ = 0;
}

void* RemoteMemory::Address(std::size_t offset) const {
    return static_cast<char*>(address_) + offset;
}

bool RemoteMemory::Write(std::size_t offset, const void* data, std::size_t size) const {
    SIZE_T written = 0;
    return address_ && offset <= size_ && size <= size_ - offset &&
           WriteProcessMemory(process_.get(), Address(offset), data, size, &written) &&
           written == size;
}

bool RemoteMemory::Read(std::size_t offset, void* data, std::size_t size) const {
    SIZE_T read = 0;
    return address_ && offset <= size_ && size <= size_ - offset &&
           ReadProcessMemory(process_.get(), Address(offset), data, size, &read) && read == size;
}

std::string RemoteMemory::ReadString(std::size_t offset, std::size_t capacity) const {
    std::string text(capacity, '\0');
    if (capacity == 0 || !Read(offset, text.data(), capacity))
        return {};
    text.resize(std::strlen(text.c_str()));
    return text;
}

// ---------------------------------------------------------------- tree-view

namespace {

HTREEITEM NextTreeItem(HWND tree, UINT relation, HTREEITEM item) {
    const auto next =
        Send(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item), kReadTimeoutMs);
    return next ? reinterpret_cast<HTREEITEM>(*next) : nullptr;
}

// Adds `first` and its following siblings, each followed by its own subtree.
bool AddTreeItems(HWND tree, HTREEITEM first, int parent, int depth, std::vector<TreeItem>& items) {
    for (HTREEITEM item = first; item; item = NextTreeItem(tree, TVGN_NEXT, item)) {
        auto read = ReadTreeItem(tree, item);
        if (!read)
            return false;
        read->parent = parent;
        read->depth = depth;
        items.push_back(std::move(*read));
        const int index = static_cast<int>(items.size()) - 1;
        if (HTREEITEM child = NextTreeItem(tree, TVGN_CHILD, item))
            if (!AddTreeItems(tree, child, index, depth + 1, items))
                return false;
    }
    return true;
}

}  // namespace

std::optional<TreeItem> ReadTreeItem(HWND tree, HTREEITEM handle) {
    TVITEMA item{};
    const auto text =
        ReadGrowing(tree, sizeof item, [&](const RemoteMemory& memory, std::size_t capacity) {
            item = TVITEMA{};
            item.mask =
                TVIF_HANDLE | TVIF_TEXT | TVIF_PARAM | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
            item.hItem = handle;
            item.stateMask = ~0u;
            item.pszText = static_cast<LPSTR>(memory.Address(sizeof item));
            item.cchTextMax = static_cast<int>(capacity);
            if (!memory.Write(0, &item, sizeof item))
                return false;
            const auto ok = Send(tree, TVM_GETITEMA, 0, memory.Param());
            return ok && *ok && memory.Read(0, &item, sizeof item);
        });
    if (!text)
        return std::nullopt;
    TreeItem read;
    read.handle = handle;
    read.text = *text;
    read.param = item.lParam;
    read.state = item.state;
    read.image = item.iImage;
    read.selectedImage = item.iSelectedImage;
    return read;
}

std::optional<std::vector<TreeItem>> TreeItems(HWND tree) {
    std::vector<TreeItem> items;
    if (!Answers(tree, kReadTimeoutMs))
        return std::nullopt;
    if (!AddTreeItems(tree, NextTreeItem(tree, TVGN_ROOT, nullptr), -1, 0, items))
        return std::nullopt;
    return items;
}

int FindTreeItem(const std::vector<TreeItem>& items, LPARAM param) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].param == param)
            return static_cast<int>(i);
    return -1;
}

HTREEITEM SelectedTreeItem(HWND tree) {
    return NextTreeItem(tree, TVGN_CARET, nullptr);
}

SendOutcome SelectTreeItem(HWND tree, HTREEITEM item, DWORD timeoutMs) {
    return SendWatched(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item), timeoutMs);
}

bool ExpandTreeItem(HWND tree, HTREEITEM item, DWORD timeoutMs) {
    const auto result =
        Send(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item), timeoutMs);
    return result && *result;
}

// ---------------------------------------------------------------- list view (report)

int ListRowCount(HWND list) {
    return SendForInt(list, LVM_GETITEMCOUNT);
}

int ListColumnCount(HWND list) {
    const auto header = Send(list, LVM_GETHEADER, 0, 0);
    if (!header || !*header)
        return -1;
    return SendForInt(reinterpret_cast<HWND>(*header), HDM_GETITEMCOUNT);
}

std::optional<std::vector<ListColumn>> ListColumns(HWND list) {
    const int count = ListColumnCount(list);
    if (count < 0)
        return std::nullopt;
    std::vector<ListColumn> columns;
    for (int index = 0; index < count; ++index) {
        LVCOLUMNA column{};
        const auto text =
            ReadGrowing(list, sizeof column, [&](const RemoteMemory& memory, std::size_t capacity) {
                column = LVCOLUMNA{};
                column.mask = LVCF_TEXT | LVCF_WIDTH;
                column.pszText = static_cast<LPSTR>(memory.Address(sizeof column));
                column.cchTextMax = static_cast<int>(capacity);
                if (!memory.Write(0, &column, sizeof column))
                    return false;
                const auto ok = Send(list, LVM_GETCOLUMNA, index, memory.Param());
                return ok && *ok && memory.Read(0, &column, sizeof column);
            });
        if (!text)
            return std::nullopt;
        columns.push_back({*text, column.cx});
    }
    return columns;
}

std::optional<std::string> ListCellText(HWND list, int row, int column) {
    const auto fetch = [&](const RemoteMemory& memory, std::size_t capacity) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = static_cast<LPSTR>(memory.Address(sizeof item));
        item.cchTextMax = static_cast<int>(capacity);
        // LVM_GETITEMTEXT answers with the length copied; an empty cell says 0 too, so only
        // a missing answer counts as failure.
        return memory.Write(0, &item, sizeof item) &&
               Send(list, LVM_GETITEMTEXTA, row, memory.Param()).has_value();
    };
    return ReadGrowing(list, sizeof(LVITEMA), fetch);
}

std::optional<std::vector<std::vector<std::string>>> ListCells(HWND list) {
    const int rows = ListRowCount(list);
    const int columns = ListColumnCount(list);
    if (rows < 0 || columns < 0)
        return std::nullopt;
    std::vector<std::vector<std::string>> cells(rows);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            auto text = ListCellText(list, row, column);
            if (!text)
                return std::nullopt;
            cells[row].push_back(std::move(*text));
        }
    return cells;
}

bool ListRowChecked(HWND list, int row) {
    const auto state = Send(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
    // State image 1 is the empty box, 2 the ticked one.
    return state && ((*state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

int SelectedListRow(HWND list) {
    return SendForInt(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
}

SendOutcome SelectListRow(HWND list, int row, DWORD timeoutMs) {
    // Row -1 means every row: clear them all first so `row` ends up alone.
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    const SendOutcome cleared = SetListItemState(list, -1, 0, LVIS_SELECTED, timeoutMs);
    if (cleared != SendOutcome::kHandled)
        return cleared;
    const SendOutcome outcome = SetListItemState(list, row, both, both, timeoutMs);
    if (outcome == SendOutcome::kHandled)
        Send(list, LVM_ENSUREVISIBLE, row, FALSE);
    return outcome;
}

SendOutcome SetListRowChecked(HWND list, int row, bool checked, DWORD timeoutMs) {
    return SetListItemState(list, row, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK,
                            timeoutMs);
}

// ---------------------------------------------------------------- combo box

int ComboCount(HWND combo) {
    return SendForInt(combo, CB_GETCOUNT);
}

std::optional<std::string> ComboItemText(HWND combo, int index) {
    // Wine 8 copies CB_GETLBTEXT between processes without the ANSI conversion: the A
    // message gets the UTF-16 text, twice the bytes it has room for. The W message is
    // copied right, on Windows too, so ask in UTF-16 and convert here.
    const auto length = SendWide(combo, CB_GETLBTEXTLEN, index, 0);
    if (!length || *length == CB_ERR)
        return std::nullopt;
    std::wstring text(static_cast<std::size_t>(*length) + 1, L'\0');
    const auto copied = SendWide(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    if (!copied || *copied == CB_ERR)
        return std::nullopt;
    text.resize(std::wcslen(text.c_str()));
    return Narrow(text);
}

std::optional<std::vector<std::string>> ComboItems(HWND combo) {
    const int count = ComboCount(combo);
    if (count < 0)
        return std::nullopt;
    std::vector<std::string> items;
    for (int index = 0; index < count; ++index) {
        auto text = ComboItemText(combo, index);
        if (!text)
            return std::nullopt;
        items.push_back(std::move(*text));
    }
    return items;
}

int ComboSelection(HWND combo) {
    return SendForInt(combo, CB_GETCURSEL);
}

SendOutcome SelectComboItem(HWND combo, int index, DWORD timeoutMs) {
    const auto selected = Send(combo, CB_SETCURSEL, index, 0, timeoutMs);
    if (!selected || *selected != index)
        return SendOutcome::kFailed;
    const HWND parent = GetParent(combo);
    const int id = GetDlgCtrlID(combo);
    return SendWatched(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo), timeoutMs);
}

// ---------------------------------------------------------------- screenshots

std::optional<Image> CaptureWindow(HWND window, DWORD settleMs) {
    if (!IsWindow(window))
        return std::nullopt;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The repaint happens in the program's own thread: let it get there and finish.
    Answers(window, kReadTimeoutMs);
    Sleep(settleMs);
    Answers(window, kReadTimeoutMs);

    RECT rect;
    if (!GetWindowRect(window, &rect))
        return std::nullopt;
    Image image;
    image.width = rect.right - rect.left;
    image.height = rect.bottom - rect.top;
    if (image.width <= 0 || image.height <= 0)
        return std::nullopt;

    const ScreenDc screen(GetDC(nullptr));
    const MemoryDc memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // negative: top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const GdiObject bitmap(
        CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screen || !memory || !bitmap || !bits)
        return std::nullopt;
    {
        const Selection selection(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), rect.left,
                    rect.top, SRCCOPY | CAPTUREBLT))
            return std::nullopt;
        GdiFlush();
    }

    // DIB rows are padded to four bytes and hold blue, green, red.
    const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) & ~std::size_t{3};
    const auto* source = static_cast<const std::uint8_t*>(bits);
    image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    std::uint8_t* out = image.rgb.data();
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* pixel = source + y * stride;
        for (int x = 0; x < image.width; ++x, pixel += 3) {
            *out++ = pixel[2];
            *out++ = pixel[1];
            *out++ = pixel[0];
        }
    }
    return image;
}

bool SavePng(const Image& image, const std::string& path) {
    const auto bytes = EncodePng(image.rgb.data(), static_cast<std::uint32_t>(image.width),
                                 static_cast<std::uint32_t>(image.height));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

bool SaveWindowPng(HWND window, const std::string& path, DWORD settleMs) {
    const auto image = CaptureWindow(window, settleMs);
    return image && SavePng(*image, path);
}

// ---------------------------------------------------------------- start-up timing

TimedStart StartShownAndIdle(const std::string& exe, const std::string& className, DWORD timeoutMs,
                             const std::string& caption, DWORD pollMs) {
    TimedStart run;
    const Stopwatch stopwatch;
    run.process = Process::Start(exe);
    if (!run.process)
        return run;
    run.window = WaitShownAndIdle(run.process, className, timeoutMs, caption, pollMs);
    run.ms = stopwatch.ElapsedMs();
    return run;
}

bool CloseAndWait(const Process& process, HWND window, DWORD timeoutMs) {
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (process.Wait(timeoutMs))
        return true;
    process.Terminate();
    return false;
}

}  // namespace tallowick::drive
