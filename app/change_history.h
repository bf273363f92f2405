// The preview of an Apply and the change history: two modal dialogs over the
// application core's journal.
#pragma once

#include <windows.h>

#include "shell/app_core.h"

namespace tallowick {

// Shows what Apply would change: one line each, then the messages it would show.
void RunPreviewDialog(HWND owner, AppCore& core, const AppCore::PreviewResult& preview);

// The journal, newest first, with Undo for the selected entry and Export... for the
// selected entries, or all of them when none is selected.
void RunHistoryDialog(HWND owner, AppCore& core);

}  // namespace tallowick
