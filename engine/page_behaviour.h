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

// One-time set-up of a page when it is created: the colour combo of ComboCheckPage gets the
// named colours and CheckComboPage's combo 1021 the numbers "0" to "10000". Other pages
// have none here.
void InitialisePage(Pages& pages, PageId page);
// InitialisePage for every page.
void InitialisePages(Pages& pages);

// Runs before every ShowHandler: hides every page, the optional controls a previous
// handler may have shown, and "Apply Changes"; enables again what handlers disable.
// Texts, items and rows stay as they were.
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
