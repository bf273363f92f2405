#include "shell/tweak_context.h"

#include "shell/date_store.h"

namespace tallowick {

void TweakContext::RecordDate() {
    dates.RecordDate(current);
}

}  // namespace tallowick
