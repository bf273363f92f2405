#include "tweaks/troubleshooting/troubleshooting.h"

namespace tallowick {

void RegisterTroubleshooting(HandlerTable& /*table*/) {}

}  // namespace tallowick
