// Every category's handlers, for the program and the tests to give the application core.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

void RegisterAllCategories(HandlerTable& table);

}  // namespace tallowick
