// What the shared pages do beyond holding controls: their one-time set-up, the reset
// that runs before every selection, the description text, the browse buttons and the
// checkboxes that switch other controls.
#pragma once

#include <cstdint>
#include <string>

#include "engine/tweak_context.h"
#include "model/tweak_catalogue.h"
#include "platform/pages.h"

namespace tallowick {

class Host;

// What a page needs once, right after it is created: it is left as the page reset leaves
// it (its template shows controls that only some nodes show), then the colour combo of
// ComboCheckPage gets the named colours and CheckComboPage's combo 1021 the numbers "0" to
// "10000".
void InitialisePage(Pages& pages, PageId page);

// Runs before every ShowHandler: hides every page that exists, the optional controls a
// previous handler may have shown, and "Apply Changes"; enables again what handlers
// disable. Texts, items and rows stay as they were. Pages not created yet are left alone:
// InitialisePage does the same for each when it comes.
void ResetPages(Pages& pages);

// Empties a list of every row and every column, whoever filled it last: the ListPage's
// list is shared by the group lists and by tweaks with columns of their own.
void ClearList(Pages& pages, PageId page, int id);

// The description static 1006 of `page`: the record's name, ":\n", its description.
void ShowDescription(Pages& pages, PageId page, const TweakRecord& record);

// The browse buttons' picker. A file comes back in double quotes, a folder without; a
// cancelled picker gives "". `owner` is the main window.
std::string Browse(Host& host, std::uintptr_t owner, BrowseKind kind);

// BN_CLICKED from a page control while the node with `current` handlers is selected
// (nullptr for none): browse buttons fill the edit of their own row with the tweak's
// kind of pick; a checkbox the tweak declares as enabling others switches them. Other
// clicks are ignored.
void OnPageButtonClicked(Pages& pages, Host& host, std::uintptr_t owner,
                         const TweakHandlers* current, PageId page, int id);

}  // namespace tallowick
