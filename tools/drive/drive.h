// Drives a running Win32 program from another process: starts it, finds its windows,
// reads and works its controls, takes screenshots. Used by the outside tests of
// tallowick.exe under Wine and by tallowick_drive.exe.
//
// Common-control messages carry pointers that Windows does not translate between
// processes, so their structures and text buffers are placed in the other process's
// memory (RemoteMemory). That memory is laid out for this build: the driven program must
// have the same bitness as the driver (both 64-bit here).
//
// Window handles, tree items and everything else read here belong to the other process
// and may go stale whenever it changes its windows; nothing here keeps them alive.
#pragma once

// <windows.h> must come first: <commctrl.h> relies on its types.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallowick::drive {

// How long the helpers wait for the program by default, and how often they look.
inline constexpr DWORD kDefaultTimeoutMs = 10000;
inline constexpr DWORD kPollMs = 5;

// ---------------------------------------------------------------- waiting and timing

// Calls `done` every `pollMs` until it returns true or `timeoutMs` have passed. True if
// it returned true (it is called one last time at the deadline).
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs = kPollMs);

// Elapsed time by QueryPerformanceCounter, from construction or the last Restart().
class Stopwatch {
  public:
    Stopwatch() { Restart(); }
    void Restart();
    double ElapsedMs() const;

  private:
    LARGE_INTEGER start_{};
};

// ---------------------------------------------------------------- processes

// Owns a kernel handle (null when empty); closes it when destroyed.
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept;
    ~UniqueHandle();
    HANDLE get() const { return handle_; }
    HANDLE Release();
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    HANDLE handle_ = nullptr;
};

// A program started by Start(). Destroying the object closes the handle only: the
// program keeps running unless Terminate() or the caller ends it.
class Process {
  public:
    // Starts `exe` (full or relative path; quoted for you) with `arguments`, in the
    // folder that holds `exe`. On failure the object is empty and error() holds the
    // GetLastError() code.
    static Process Start(const std::string& exe, const std::string& arguments = {});

    Process() = default;
    explicit operator bool() const { return static_cast<bool>(handle_); }
    HANDLE handle() const { return handle_.get(); }
    DWORD pid() const { return pid_; }
    DWORD error() const { return error_; }

    // True if the program has ended within `timeoutMs`; its exit code then goes to
    // `*exitCode` when that is given.
    bool Wait(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    bool Running() const { return handle_ && !Wait(0); }
    // Ends the program with `exitCode` and waits (up to 5 s) until it is gone.
    bool Terminate(UINT exitCode = 1) const;

  private:
    UniqueHandle handle_;
    DWORD pid_ = 0;
    DWORD error_ = 0;
};

// ---------------------------------------------------------------- windows

// Which top-level windows to look for. Empty strings match anything; a caption must
// match exactly, a class name without regard to case (as Windows compares them).
struct WindowQuery {
    std::string className;
    std::string caption;
    bool visibleOnly = false;
};

// The top-level windows of process `pid` that match, in Z order (topmost first).
std::vector<HWND> TopLevelWindows(DWORD pid, const WindowQuery& query = {});

// The first matching top-level window of `pid`, polling until one exists or `timeoutMs`
// pass; null if none came.
HWND WaitTopLevelWindow(DWORD pid, const WindowQuery& query, DWORD timeoutMs = kDefaultTimeoutMs);

// True if the thread that owns `window` takes a sent WM_NULL within `timeoutMs`: it is
// running its message loop, not busy or hung.
bool Answers(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);

// Has `root` and its descendants paint now whatever they have waiting, as the thread that
// owns them would when its queue empties (RedrawWindow with RDW_UPDATENOW, which sends the
// WM_PAINT messages to that thread); returns once they are painted.
bool PaintNow(HWND root);

// Waits until `process` has a visible top-level window of `className` (and `caption`,
// unless empty) whose thread answers; returns it. Null after `timeoutMs`, or at once if
// the process ends.
HWND WaitShownAndIdle(const Process& process, const std::string& className,
                      DWORD timeoutMs = kDefaultTimeoutMs, const std::string& caption = {},
                      DWORD pollMs = kPollMs);

// Text of any window through WM_GETTEXTLENGTH and WM_GETTEXT, which Windows copies
// between processes. Nullopt if the window did not answer.
std::optional<std::string> Text(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);
// Sets it through WM_SETTEXT (also copied between processes). An edit control tells its
// parent with EN_CHANGE, as when the user types.
bool SetText(HWND window, const std::string& text, DWORD timeoutMs = kDefaultTimeoutMs);
// Window class name, e.g. "#32770", "SysTreeView32".
std::string ClassName(HWND window);
bool Visible(HWND window);

// The first descendant of `root` (at any depth: pages are child dialogs) with control
// id `id`, and with class `className` unless that is empty. Hidden windows are skipped
// when `visibleOnly`, so the visible page's control wins over a hidden page's.
HWND FindControl(HWND root, int id, bool visibleOnly = true, const std::string& className = {});
// The first descendant of `root` of class `className`, whatever its id.
HWND FindControlOfClass(HWND root, const std::string& className, bool visibleOnly = true);

// ---------------------------------------------------------------- actions

// What happened to a message sent by SendWatched().
enum class SendOutcome {
    kHandled,   // the window procedure returned
    kModal,     // still running, and the program opened a modal window meanwhile
    kTimedOut,  // still running after the timeout
    kFailed,    // could not be sent (bad window, or a message that needs marshalling)
};
const char* ToString(SendOutcome outcome);

// Sends a message whose handling may open a modal window (a click that shows a message
// box): returns when the window procedure returns, or as soon as a modal window is up -
// the window's top-level window was disabled, or a new visible #32770 window of its
// process appeared - or after `timeoutMs`. `*result` gets the result when kHandled.
// Only for messages whose parameters are plain values or point to remote memory.
// Messages sent this thread by other windows are dispatched while it waits.
SendOutcome SendWatched(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        DWORD timeoutMs = kDefaultTimeoutMs, LRESULT* result = nullptr);

// BM_CLICK: the button behaves as if clicked with the mouse and tells its parent.
SendOutcome Click(HWND button, DWORD timeoutMs = kDefaultTimeoutMs);
// BM_GETCHECK: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE; -1 if no answer.
int CheckState(HWND button, DWORD timeoutMs = kDefaultTimeoutMs);

// ---------------------------------------------------------------- message boxes

// A visible #32770 window of process `pid` other than `except` (normally the program's
// main window), polling up to `timeoutMs` (0: look once). Null if none came.
HWND WaitMessageBox(DWORD pid, HWND except, DWORD timeoutMs = kDefaultTimeoutMs);
// The texts of the box's static controls that have one, joined by '\n'.
std::string MessageBoxText(HWND box);
// Presses dialog button `id`: BM_CLICK on it if the dialog has it, otherwise
// WM_COMMAND(id) to the dialog, as the keyboard's Enter or Esc would.
SendOutcome PressDialogButton(HWND dialog, int id, DWORD timeoutMs = kDefaultTimeoutMs);
inline SendOutcome PressOk(HWND box, DWORD timeoutMs = kDefaultTimeoutMs) {
    return PressDialogButton(box, IDOK, timeoutMs);
}

// ---------------------------------------------------------------- remote memory

// Read/write memory committed in another process, freed when destroyed.
class RemoteMemory {
  public:
    // `size` bytes in the process that owns `window`. Empty (false) on failure.
    static RemoteMemory ForWindow(HWND window, std::size_t size);
    static RemoteMemory ForProcess(DWORD pid, std::size_t size);

    RemoteMemory() = default;
    RemoteMemory(RemoteMemory&& other) noexcept;
    RemoteMemory& operator=(RemoteMemory&& other) noexcept;
    ~RemoteMemory();

    explicit operator bool() const { return address_ != nullptr; }
    std::size_t size() const { return size_; }
    // The address in the other process, `offset` bytes in; only that process may use it.
    void* Address(std::size_t offset = 0) const;
    LPARAM Param(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(Address(offset)); }

    // Copies `size` bytes between here and `offset` bytes into the block; false if that
    // leaves the block or the copy fails.
    bool Write(std::size_t offset, const void* data, std::size_t size) const;
    bool Read(std::size_t offset, void* data, std::size_t size) const;
    // A NUL-terminated string of at most `capacity` bytes stored at `offset`.
    std::string ReadString(std::size_t offset, std::size_t capacity) const;

  private:
    void Free();
    UniqueHandle process_;
    void* address_ = nullptr;
    std::size_t size_ = 0;
};

// ---------------------------------------------------------------- tree-view

struct TreeItem {
    HTREEITEM handle = nullptr;
    int parent = -1;  // index of the parent in the same list; -1 for a top item
    int depth = 0;    // 0 for a top item
    std::string text;
    LPARAM param = 0;
    UINT state = 0;  // TVIS_* bits
    int image = 0;
    int selectedImage = 0;
    bool Bold() const { return (state & TVIS_BOLD) != 0; }
    bool Expanded() const { return (state & TVIS_EXPANDED) != 0; }
};

// Every item the tree holds, in display order (each item, then its children), collapsed
// branches included. Nullopt if the tree stopped answering or its memory could not be
// read.
std::optional<std::vector<TreeItem>> TreeItems(HWND tree);
// One item; nullopt on failure.
std::optional<TreeItem> ReadTreeItem(HWND tree, HTREEITEM item);
// Index in `items` of the item with lParam `param`, or -1.
int FindTreeItem(const std::vector<TreeItem>& items, LPARAM param);
// The selected item (TVGN_CARET), or null.
HTREEITEM SelectedTreeItem(HWND tree);
// TVM_SELECTITEM(TVGN_CARET): the tree tells its parent, as on a click.
SendOutcome SelectTreeItem(HWND tree, HTREEITEM item, DWORD timeoutMs = kDefaultTimeoutMs);
// TVM_EXPAND(TVE_EXPAND); the tree asks its parent first (TVN_ITEMEXPANDING).
bool ExpandTreeItem(HWND tree, HTREEITEM item, DWORD timeoutMs = kDefaultTimeoutMs);

// ---------------------------------------------------------------- list view (report)

struct ListColumn {
    std::string text;
    int width = 0;
};

// Counts; -1 if the list did not answer.
int ListRowCount(HWND list);
int ListColumnCount(HWND list);  // from the list's header control
// Columns in creation order, as LVM_GETCOLUMN numbers them.
std::optional<std::vector<ListColumn>> ListColumns(HWND list);
// The text of a cell (`column` 0 is the item itself).
std::optional<std::string> ListCellText(HWND list, int row, int column);
// All cells, row by row; every row has ListColumnCount() cells.
std::optional<std::vector<std::vector<std::string>>> ListCells(HWND list);
// True if the row's check box (state image 2) is checked.
bool ListRowChecked(HWND list, int row);
// The first selected row, or -1.
int SelectedListRow(HWND list);
// Selects and focuses `row` alone (LVM_SETITEMSTATE); the list tells its parent.
SendOutcome SelectListRow(HWND list, int row, DWORD timeoutMs = kDefaultTimeoutMs);
// Sets the row's check box; the list tells its parent (LVN_ITEMCHANGED).
SendOutcome SetListRowChecked(HWND list, int row, bool checked,
                              DWORD timeoutMs = kDefaultTimeoutMs);

// ---------------------------------------------------------------- combo box

int ComboCount(HWND combo);  // -1 if no answer
std::optional<std::string> ComboItemText(HWND combo, int index);
std::optional<std::vector<std::string>> ComboItems(HWND combo);
int ComboSelection(HWND combo);  // CB_ERR (-1) if none
// CB_SETCURSEL, then WM_COMMAND(CBN_SELCHANGE) to the parent, since a combo box tells its
// parent only about changes the user makes.
SendOutcome SelectComboItem(HWND combo, int index, DWORD timeoutMs = kDefaultTimeoutMs);

// ---------------------------------------------------------------- screenshots

// 8-bit RGB pixels, rows top first, no padding.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Brings `window` to the front, has it repaint, waits `settleMs` more, then copies its
// rectangle (frame included) from the screen. Nullopt on failure.
std::optional<Image> CaptureWindow(HWND window, DWORD settleMs = 200);
// CaptureWindow() saved as a PNG file at `path`.
bool SaveWindowPng(HWND window, const std::string& path, DWORD settleMs = 200);
bool SavePng(const Image& image, const std::string& path);

// ---------------------------------------------------------------- start-up timing

struct TimedStart {
    Process process;
    HWND window = nullptr;  // null if it never came
    double ms = 0;          // from just before CreateProcess to the first answer
};

// Starts `exe` and waits until shown and idle (see WaitShownAndIdle), timing it.
TimedStart StartShownAndIdle(const std::string& exe, const std::string& className,
                             DWORD timeoutMs = kDefaultTimeoutMs, const std::string& caption = {},
                             DWORD pollMs = kPollMs);

// Posts WM_CLOSE to `window` and waits `timeoutMs` for the program to end; terminates it
// if it does not. True if it ended by itself.
bool CloseAndWait(const Process& process, HWND window, DWORD timeoutMs = kDefaultTimeoutMs);

}  // namespace tallowick::drive
