// The registry conformance suite runs the same cases on every registry implementation:
// natively on the in-memory one, under Wine on the real one.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tallowick {

struct RegistryTarget {
    std::string name;
    std::function<std::unique_ptr<Registry>()> make;
    // Windows shows HKCU\Software\Classes merged over HKLM's through HKEY_CLASSES_ROOT.
    // Wine (8.0) does not: its HKEY_CLASSES_ROOT is HKLM\Software\Classes alone.
    bool mergesClassesRoot = true;
};

inline void PrintTo(const RegistryTarget& target, std::ostream* os) {
    *os << target.name;
}

class RegistryConformance : public ::testing::TestWithParam<RegistryTarget> {};

// The implementations this build checks: defined once per build tree.
std::vector<RegistryTarget> RegistryTargets();

}  // namespace tallowick
