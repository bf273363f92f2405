#include "app/main_dialog.h"

#include <cstdlib>
#include <exception>
#include <optional>
#include <vector>

#include "app/about_box.h"
#include "app/change_history.h"
#include "app/color_combo.h"
#include "app/html_help.h"
#include "app/picture.h"
#include "app/resource.h"
#include "app/window_text.h"
#include "app/window_util.h"
#include "platform/page_layouts.h"
#include "platform/win32/page_dialogs.h"
#include "tweaks/categories.h"

namespace tallowick {

namespace {

constexpr int kHeadingWidth = 500;
constexpr COLORREF kImageMask = RGB(255, 0, 0);

// The skin class of a page control, by its kind; edits, combos and lists keep their look.
const char* SkinClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Static:
            return "Label";
        case ControlKind::CheckBox:
            return "CheckBox";
        case ControlKind::PushButton:
            return "Button";
        case ControlKind::RadioButton:
            return "Radio Button";
        default:
            return nullptr;
    }
}

}  // namespace

MainDialog::MainDialog(Registry& registry, Host& host) : core_(registry, host, pages_) {}

MainDialog::~MainDialog() {
    if (window_)
        DestroyWindow(window_);
    if (images_)
        ImageList_Destroy(images_);
    if (smallIcon_)
        DestroyIcon(smallIcon_);
    if (missBrush_)
        DeleteObject(missBrush_);
}

void MainDialog::Run() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    icon_ = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAIN));
    smallIcon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    if (!CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, DialogProc,
                            reinterpret_cast<LPARAM>(this)))
        return;
    MSG message;
    while (!closed_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslate(message))
            continue;
        if (!window_ || !IsDialogMessageA(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

bool MainDialog::PreTranslate(MSG& message) {
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    if (message.message == WM_RBUTTONDOWN) {
        message.message = WM_NULL;  // no right-click anywhere
        return false;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_APPS) {
        message.wParam = 0;
        return false;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
        message.wParam = 0;
        SendMessageA(window_, WM_SHOW_HELP, 0, 0);
        return true;
    }
    // F3 and Ctrl+F anywhere, and Enter in the search box: to the box and the next match.
    const bool find =
        message.message == WM_KEYDOWN &&
        (message.wParam == VK_F3 || (message.wParam == 'F' && GetKeyState(VK_CONTROL) < 0) ||
         (message.wParam == VK_RETURN && message.hwnd == search_));
    if (find && search_) {
        SetFocus(search_);
        SendMessageA(search_, EM_SETSEL, 0, -1);
        SearchNext();
        return true;
    }
    return false;
}

INT_PTR CALLBACK MainDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<MainDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window_ = window;
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<MainDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return self ? self->Handle(message, wParam, lParam) : FALSE;
}

template <typename Event>
void MainDialog::Guarded(Event event) {
    try {
        event();
    } catch (const std::exception& e) {
        MessageBoxA(window_, e.what(), ResourceString(IDS_APP_NAME).c_str(), MB_OK | MB_ICONHAND);
    }
}

BOOL MainDialog::OnInitDialog() {
    AddAboutToSystemMenu();
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

    const std::string folder = core_.ProgramFolder();
    PictureLoader background(folder + "\\Skin\\BG.jpg");
    splash_.Load(folder + "\\Skin\\Splash.spl");
    splash_.Show();

    skin_.OnElementClicked([this](const std::string& name) {
        if (lstrcmpiA(name.c_str(), "Help") == 0)
            SendMessageA(window_, WM_SHOW_HELP, 0, 0);
    });
    if (!skin_.LoadSkin(folder + "\\Skin\\skin.skn") || !skin_.ApplySkin(window_))
        return SkinFailed();

    core_.SetMainWindow(reinterpret_cast<std::uintptr_t>(window_));
    Guarded([this] { core_.LoadData(); });

    tree_.Attach(GetDlgItem(window_, IDC_TREE));
    images_ =
        ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, IDB_TREE_LAST - IDB_TREE_FIRST + 1, 1);
    LoadTreeImages();
    CreateSplitter();
    SetUpTree();
    BuildTree();

    DialogText text(window_);
    core_.Lang().TranslateDialog(text, IDD_MAIN);

    // Pages are made when first needed: a combo box costs a window of its own for its list,
    // and most pages are never looked at in a run.
    pages_.SetWindows({}, window_);
    pages_.SetPageFactory([this](PageId id) { return CreatePage(id); });
    Guarded([this] { core_.OpenPages(RegisterAllCategories); });
    CreateChangeControls();
    if (HBITMAP picture = background.Take())
        tree_.SetBackground(picture);
    CenterOnScreen();
    // No focus to the tree: a tree view selects its first item when it gets the focus, and
    // nothing is selected until the user chooses. Activation, when the window is shown,
    // gives the dialog itself the focus (WM_ACTIVATE).
    return FALSE;
}

bool MainDialog::SkinFailed() {
    MessageBoxA(window_, ResourceString(IDS_SKIN_FAILURE).c_str(),
                ResourceString(IDS_APP_NAME).c_str(), MB_OK);
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return FALSE;
}

void MainDialog::CenterOnScreen() {
    RECT frame, work;
    GetWindowRect(window_, &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - (frame.right - frame.left)) / 2;
    const int y = work.top + ((work.bottom - work.top) - (frame.bottom - frame.top)) / 2;
    SetWindowPos(window_, nullptr, x > 0 ? x : 0, y > 0 ? y : 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainDialog::AddAboutToSystemMenu() {
    HMENU menu = GetSystemMenu(window_, FALSE);
    if (!menu)
        return;
    const std::string text = ResourceString(IDS_ABOUTBOX);
    if (!text.empty()) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
    }
    const std::string history = ResourceString(IDS_HISTORY);
    if (!history.empty())
        AppendMenuA(menu, MF_STRING, IDM_HISTORY, history.c_str());
}

void MainDialog::LoadTreeImages() {
    // The images are laid side by side in one strip, straight from their resources, and
    // added in one call: under Wine a bitmap made and added for each image cost 30 ms.
    constexpr int kSize = 16, kCount = IDB_TREE_LAST - IDB_TREE_FIRST + 1;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HDC screen = GetDC(nullptr);
    HDC strip = CreateCompatibleDC(screen);
    HBITMAP stripBitmap = CreateCompatibleBitmap(screen, kSize * kCount, kSize);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldStrip = SelectObject(strip, stripBitmap);
    RECT all{0, 0, kSize * kCount, kSize};
    HBRUSH mask = CreateSolidBrush(kImageMask);
    FillRect(strip, &all, mask);  // a missing image stays empty
    DeleteObject(mask);
    for (int n = 0; n < kCount; ++n) {
        HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(IDB_TREE_FIRST + n), RT_BITMAP);
        HGLOBAL resource = found ? LoadResource(instance, found) : nullptr;
        const void* data = resource ? LockResource(resource) : nullptr;
        const DWORD size = found ? SizeofResource(instance, found) : 0;
        if (!data || size < sizeof(BITMAPINFOHEADER))
            continue;
        const auto* info = static_cast<const BITMAPINFO*>(data);
        const BITMAPINFOHEADER& header = info->bmiHeader;
        if (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS)
            continue;
        DWORD colours = header.biClrUsed;
        if (!colours && header.biBitCount <= 8)
            colours = 1u << header.biBitCount;
        const DWORD masks =
            header.biCompression == BI_BITFIELDS && header.biSize == sizeof header ? 3 : 0;
        const DWORD offset = header.biSize + (colours + masks) * sizeof(RGBQUAD);
        const DWORD stride = ((header.biWidth * header.biBitCount + 31) / 32) * 4;
        const DWORD rows = static_cast<DWORD>(std::abs(header.biHeight));
        if (offset > size || stride * rows > size - offset)
            continue;
        SetDIBitsToDevice(strip, n * kSize, 0, kSize, kSize, 0, 0, 0, kSize,
                          static_cast<const BYTE*>(data) + offset, info, DIB_RGB_COLORS);
    }
    SelectObject(strip, oldStrip);
    DeleteDC(strip);
    ImageList_AddMasked(images_, stripBitmap, kImageMask);
    DeleteObject(stripBitmap);
}

void MainDialog::CreateSplitter() {
    HWND placeholder = GetDlgItem(window_, IDC_SPLITTER);
    if (placeholder)
        splitter_.Create(window_, RectInParent(placeholder), IDC_SPLITTER);
}

void MainDialog::SetUpTree() {
    // The tree's look (lines, buttons, selection shown without the focus) is in its template.
    tree_.SetNotifyMessage(WM_TREE_SELECT);
    tree_.SetImageList(images_);
    tree_.AddHeading(" ", kHeadingWidth);
}

void MainDialog::BuildTree() {
    SendMessageA(tree_.Window(), WM_SETREDRAW, FALSE, 0);
    tree_.DeleteAllItems();
    std::vector<HTREEITEM>& inserted = treeItems_;
    inserted.clear();
    for (const TreeItem& item : core_.TreeItems()) {
        const std::uintptr_t parent =
            item.parent < 0
                ? TreeList::kRoot
                : reinterpret_cast<std::uintptr_t>(inserted[static_cast<std::size_t>(item.parent)]);
        inserted.push_back(tree_.InsertItem(item.label, parent, TreeList::kLast, item.data,
                                            item.bold, static_cast<int>(item.image)));
    }
    SendMessageA(tree_.Window(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_.Window(), nullptr, TRUE);
}

HWND MainDialog::CreatePage(PageId id) {
    HWND page = CreatePageDialog(id, window_, PageProc, reinterpret_cast<LPARAM>(this));
    if (!page)
        return nullptr;
    pageWindows_[id] = page;
    for (int delta : splitterMoves_)
        MovePage(page, delta);
    if (!SkinPage(page, id)) {
        // The page stays, unusable, so the program goes on without it.
        MessageBoxA(page, ResourceString(IDS_SKIN_FAILURE).c_str(), "", MB_OK);
        EnableWindow(page, FALSE);
    }
    return page;
}

bool MainDialog::SkinPage(HWND page, PageId id) {
    if (!skin_.ApplySkinElement(page, "SubMain"))
        return false;
    for (const PageSpec& layout : PageLayouts()) {
        if (layout.page != id)
            continue;
        for (const ControlSpec& control : layout.controls) {
            const char* skinClass = SkinClassOf(control.kind);
            if (skinClass && !skin_.ApplySkinElement(GetDlgItem(page, control.id), skinClass))
                return false;
        }
    }
    return true;
}

INT_PTR CALLBACK MainDialog::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Item heights are asked for while the page's controls are created, before WM_INITDIALOG.
    if (message == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_COMBOBOX)
            return FALSE;
        MeasureColourItem(*measure);
        return TRUE;
    }
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return FALSE;
    }
    auto* self = reinterpret_cast<MainDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return self ? self->HandlePage(window, message, wParam, lParam) : FALSE;
}

INT_PTR MainDialog::HandlePage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (draw->CtlType != ODT_COMBOBOX)
                return FALSE;
            DrawColourItem(*draw);
            return TRUE;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                for (const auto& [id, window] : pageWindows_) {
                    if (window == page) {
                        const int control = LOWORD(wParam);
                        Guarded([this, id, control] { core_.OnPageButton(id, control); });
                        return TRUE;
                    }
                }
            }
            break;
        default:
            break;
    }
    return FALSE;
}

INT_PTR MainDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
                RunAboutBox(window_, skin_, core_.Lang());
                return TRUE;
            }
            if ((wParam & 0xFFF0) == IDM_HISTORY) {
                Guarded([this] { RunHistoryDialog(window_, core_); });
                SyncChangeButtons();
                return TRUE;
            }
            return FALSE;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) == search_ && searchMissed_ && missBrush_) {
                SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 200, 200));
                return reinterpret_cast<INT_PTR>(missBrush_);
            }
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_APPLY && HIWORD(wParam) == BN_CLICKED) {
                // Enter reaches the default button even while it is hidden.
                if (IsWindowVisible(GetDlgItem(window_, IDC_APPLY)))
                    Guarded([this] { core_.OnApply(); });
                SyncChangeButtons();
                return TRUE;
            }
            if (LOWORD(wParam) == IDC_PREVIEW && HIWORD(wParam) == BN_CLICKED) {
                Guarded([this] { RunPreviewDialog(window_, core_, core_.OnPreview()); });
                return TRUE;
            }
            if (LOWORD(wParam) == IDC_UNDO && HIWORD(wParam) == BN_CLICKED) {
                Guarded([this] { core_.OnUndoLast(); });
                SyncChangeButtons();
                return TRUE;
            }
            if (LOWORD(wParam) == IDC_SEARCH && HIWORD(wParam) == EN_CHANGE) {
                OnSearchChanged();
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                PostMessageA(window_, WM_CLOSE, 0, 0);
                return TRUE;
            }
            return FALSE;
        case WM_TREE_SELECT:
            OnSelect();
            SetWindowLongPtrA(window_, DWLP_MSGRESULT, 0);
            return TRUE;
        case WM_SHOW_HELP:
            ShowHelp();
            SetWindowLongPtrA(window_, DWLP_MSGRESULT, 0);
            return TRUE;
        case WM_HELP:
            return TRUE;  // no context help
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == IDC_SPLITTER && header->code == kSplitterMoved) {
                OnSplitterMoved(reinterpret_cast<const SplitterNotify*>(lParam)->delta);
                return TRUE;
            }
            LRESULT result = 0;
            if (tree_.OnNotify(*header, result)) {
                SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
                return TRUE;
            }
            return FALSE;
        }
        case WM_ACTIVATE:
            // The focus goes back where it was, never to the tree by default (see
            // OnInitDialog).
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                focus_ = focus && IsChild(window_, focus) ? focus : nullptr;
            } else if (focus_ && IsWindow(focus_) && IsWindowVisible(focus_)) {
                SetFocus(focus_);
            } else {
                SetFocus(window_);
            }
            return TRUE;
        case WM_SETFOCUS:
            // The dialog keeps the focus itself instead of handing it to its first control.
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(window_);
            return TRUE;
        case WM_DESTROY:
            skin_.Release();
            return FALSE;
        case WM_NCDESTROY:
            closed_ = true;
            window_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

void MainDialog::OnSelect() {
    HTREEITEM item = tree_.GetSelectedItem();
    std::optional<std::uint32_t> data;
    if (item)
        data = tree_.GetItemData(item);
    Guarded([this, data] { core_.OnSelect(data); });
    SyncChangeButtons();
}

void MainDialog::CreateChangeControls() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const auto font = SendMessageA(window_, WM_GETFONT, 0, 0);
    auto make = [&](const char* className, const std::string& text, DWORD style, const RECT& r,
                    int id) {
        HWND control =
            CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_TABSTOP | style, r.left,
                            r.top, r.right - r.left, r.bottom - r.top, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageA(control, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
        return control;
    };
    // Preview to the left of Apply and Undo to its right, a little wider than it.
    if (HWND apply = GetDlgItem(window_, IDC_APPLY)) {
        const RECT a = RectInParent(apply);
        const int width = (a.right - a.left) * 5 / 4, gap = (a.bottom - a.top) / 3;
        const RECT preview{a.left - gap - width, a.top, a.left - gap, a.bottom};
        const RECT undo{a.right + gap, a.top, a.right + gap + width, a.bottom};
        skin_.ApplySkinElement(
            make("Button", ResourceString(IDS_PREVIEW), BS_PUSHBUTTON, preview, IDC_PREVIEW),
            "Button");
        skin_.ApplySkinElement(
            make("Button", ResourceString(IDS_UNDO), BS_PUSHBUTTON, undo, IDC_UNDO), "Button");
    }
    // The search box takes the top of the tree's place.
    RECT area = tree_.Area();
    RECT unit{0, 0, 4, 12};
    MapDialogRect(window_, &unit);
    const RECT box{area.left, area.top, area.right, area.top + unit.bottom};
    search_ = make("Edit", "", WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, box, IDC_SEARCH);
    area.top = box.bottom + unit.right / 2;
    tree_.Place(area);
    const std::string cue = core_.Lang().LocalisedString(kStringSearchCue);
    std::wstring wide(cue.begin(), cue.end());
    SendMessageA(search_, EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    missBrush_ = CreateSolidBrush(RGB(255, 200, 200));
    SyncChangeButtons();
}

void MainDialog::SyncChangeButtons() {
    if (!window_)
        return;
    const bool shown = IsWindowVisible(GetDlgItem(window_, IDC_APPLY)) != FALSE;
    for (int id : {IDC_PREVIEW, IDC_UNDO}) {
        if (HWND button = GetDlgItem(window_, id))
            ShowWindow(button, shown ? SW_SHOWNA : SW_HIDE);
    }
    if (HWND undo = GetDlgItem(window_, IDC_UNDO))
        EnableWindow(undo, core_.CanUndo());
}

void MainDialog::SelectNode(std::size_t index) {
    if (index >= treeItems_.size())
        return;
    HWND tree = tree_.Window();
    SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(treeItems_[index]));
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(treeItems_[index]));
}

void MainDialog::OnSearchChanged() {
    const std::string text = WindowTextOf(search_);
    std::optional<std::size_t> found;
    Guarded([&] { found = core_.Search().Find(text); });
    const bool missed = !text.empty() && !found;
    if (missed != searchMissed_) {
        searchMissed_ = missed;
        InvalidateRect(search_, nullptr, TRUE);
    }
    if (found)
        SelectNode(*found);
}

void MainDialog::SearchNext() {
    const std::string text = WindowTextOf(search_);
    HTREEITEM selected = tree_.GetSelectedItem();
    std::optional<std::size_t> found;
    Guarded([&] {
        for (std::size_t i = 0; i < treeItems_.size(); ++i) {
            if (treeItems_[i] == selected) {
                found = core_.Search().FindNext(text, i);
                return;
            }
        }
        found = core_.Search().Find(text);
    });
    const bool missed = !text.empty() && !found;
    if (missed != searchMissed_) {
        searchMissed_ = missed;
        InvalidateRect(search_, nullptr, TRUE);
    }
    if (found)
        SelectNode(*found);
}

void MainDialog::ShowHelp() {
    ShowHelpFile(core_.ProgramFolder(), core_.Lang().Name());
}

void MainDialog::OnSplitterMoved(int delta) {
    RECT area = tree_.Area();
    area.right += delta;
    tree_.Place(area);
    splitterMoves_.push_back(delta);
    for (const auto& [id, page] : pageWindows_)
        MovePage(page, delta);
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
}

void MainDialog::MovePage(HWND page, int delta) {
    RECT frame = RectInParent(page);
    const int width = frame.right - frame.left;
    frame.left += delta;
    MoveWindow(page, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
               FALSE);
    if (width <= 0)
        return;
    const int shift = delta * 100 / width;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r = RectInParent(child);
        // A combo's window reaches down over its list; keep that height.
        RECT dropped;
        if (SendMessageA(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)))
            r.bottom = r.top + (dropped.bottom - dropped.top);
        MoveWindow(child, r.left + shift, r.top, r.right - r.left - shift, r.bottom - r.top, FALSE);
    }
}

}  // namespace tallowick
