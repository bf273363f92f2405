// What a handler changed, read from the in-memory registry's call log: one line per
// create, set or delete, in call order, so a test can compare order and targets at once.
#pragma once

#include <string>
#include <vector>

#include "platform/memory/memory_registry.h"

namespace tallowick {

// "Set HKEY_CURRENT_USER\Console : QuickEdit", with " -> <code>" when the call failed.
inline std::vector<std::string> Changes(const MemoryRegistry& registry) {
    std::vector<std::string> lines;
    for (const RegCall& call : registry.Calls()) {
        switch (call.op) {
            case RegOp::Create:
            case RegOp::Set:
            case RegOp::DeleteValue:
            case RegOp::DeleteKey:
            case RegOp::DeleteTree:
            case RegOp::DeleteValueAt:
                break;
            default:
                continue;
        }
        std::string line = std::string(RegOpName(call.op)) + " " + HiveName(call.hive);
        if (!call.path.empty())
            line += "\\" + call.path;
        if (call.op != RegOp::Create && call.op != RegOp::DeleteKey && call.op != RegOp::DeleteTree)
            line += " : " + call.name;
        if (call.result != err::Success)
            line += " -> " + std::to_string(call.result);
        lines.push_back(line);
    }
    return lines;
}

}  // namespace tallowick
