#include "app/change_history.h"

#include <commctrl.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "app/resource.h"
#include "app/window_text.h"
#include "app/window_util.h"
#include "model/language.h"

namespace tallowick {

namespace {

struct PreviewContext {
    AppCore& core;
    const AppCore::PreviewResult& preview;
};

std::string PreviewText(AppCore& core, const AppCore::PreviewResult& preview) {
    std::string text;
    for (const std::string& line : preview.changes)
        text += line + "\r\n";
    if (preview.changes.empty())
        text = core.Lang().LocalisedString(kStringNothingWouldChange) + "\r\n";
    for (const std::string& message : preview.messages)
        text += "\r\n" + ResourceString(IDS_WOULD_SHOW) + "\r\n" + message + "\r\n";
    return text;
}

INT_PTR CALLBACK PreviewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* context = reinterpret_cast<PreviewContext*>(lParam);
            DialogText text(dialog);
            context->core.Lang().TranslateDialog(text, IDD_PREVIEW);
            SetDlgItemTextA(dialog, IDC_PREVIEW_TEXT,
                            PreviewText(context->core, context->preview).c_str());
            SetFocus(GetDlgItem(dialog, IDOK));
            return FALSE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

// The history dialog's state lives in the core's journal; the dialog keeps only which row
// shows which entry (rows newest first).
std::size_t EntryOfRow(AppCore& core, int row) {
    return core.Journal().Entries().size() - 1 - static_cast<std::size_t>(row);
}

void FillHistory(HWND dialog, AppCore& core) {
    HWND list = GetDlgItem(dialog, IDC_HISTORY_LIST);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<JournalEntry>& entries = core.Journal().Entries();
    for (std::size_t i = entries.size(); i-- > 0;) {
        const JournalEntry& entry = entries[i];
        std::string what;
        for (const std::string& line : entry.changes)
            what += (what.empty() ? "" : "; ") + line;
        const std::string time = FormatTime(entry.time);
        const std::string tweak = (entry.undo ? "Undo: " : "") + entry.recordName;
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(entries.size() - 1 - i);
        item.pszText = const_cast<char*>(time.c_str());
        const int row = static_cast<int>(
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        const std::string* texts[] = {&tweak, &what};
        for (int column = 1; column <= 2; ++column) {
            LVITEMA sub{};
            sub.iSubItem = column;
            sub.pszText = const_cast<char*>(texts[column - 1]->c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&sub));
        }
    }
}

void SetUpHistory(HWND dialog, AppCore& core) {
    HWND list = GetDlgItem(dialog, IDC_HISTORY_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const struct {
        UINT text;
        int width;
    } columns[] = {{IDS_HISTORY_TIME, 115}, {IDS_HISTORY_TWEAK, 190}, {IDS_HISTORY_CHANGES, 480}};
    int index = 0;
    for (const auto& c : columns) {
        const std::string title = ResourceString(c.text);
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = c.width;
        column.pszText = const_cast<char*>(title.c_str());
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&column));
    }
    DialogText text(dialog);
    core.Lang().TranslateDialog(text, IDD_HISTORY);
    FillHistory(dialog, core);
}

std::vector<std::size_t> SelectedEntries(HWND dialog, AppCore& core) {
    HWND list = GetDlgItem(dialog, IDC_HISTORY_LIST);
    std::vector<std::size_t> chosen;
    for (int row = -1;
         (row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                              LVNI_SELECTED))) >= 0;) {
        chosen.push_back(EntryOfRow(core, row));
    }
    return chosen;
}

void Export(HWND dialog, AppCore& core) {
    char path[MAX_PATH] = "Tallowick changes.reg";
    std::string filter = ResourceString(IDS_EXPORT_FILTER);
    for (char& c : filter) {
        if (c == '|')
            c = '\0';
    }
    OPENFILENAMEA file{};
    file.lStructSize = sizeof file;
    file.hwndOwner = dialog;
    file.lpstrFilter = filter.c_str();
    file.lpstrFile = path;
    file.nMaxFile = sizeof path;
    file.lpstrDefExt = "reg";
    file.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (GetSaveFileNameA(&file))
        core.ExportEntries(SelectedEntries(dialog, core), path);
}

INT_PTR CALLBACK HistoryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetUpHistory(dialog, *reinterpret_cast<AppCore*>(lParam));
        return TRUE;
    }
    auto* core = reinterpret_cast<AppCore*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!core || message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
        case IDC_HISTORY_UNDO: {
            const std::vector<std::size_t> chosen = SelectedEntries(dialog, *core);
            if (!chosen.empty()) {
                core->UndoEntry(chosen.front());
                FillHistory(dialog, *core);
            }
            return TRUE;
        }
        case IDC_HISTORY_EXPORT:
            Export(dialog, *core);
            return TRUE;
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void RunPreviewDialog(HWND owner, AppCore& core, const AppCore::PreviewResult& preview) {
    PreviewContext context{core, preview};
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PREVIEW), owner, PreviewProc,
                    reinterpret_cast<LPARAM>(&context));
}

void RunHistoryDialog(HWND owner, AppCore& core) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_HISTORY), owner, HistoryProc,
                    reinterpret_cast<LPARAM>(&core));
}

}  // namespace tallowick
