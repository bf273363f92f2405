// `.reg` text for the in-memory registry, so test fixtures can be read, written and
// compared as plain text; the text itself is platform/reg_text's.
#include <string>
#include <vector>

#include "platform/memory/memory_registry.h"
#include "platform/reg_text.h"

namespace tallowick {

class MemoryRegistry::Unobserved {
  public:
    explicit Unobserved(MemoryRegistry& registry)
        : registry_(registry), faults_(std::move(registry.faults_)), wasQuiet_(registry.quiet_) {
        registry.faults_.clear();
        registry.quiet_ = true;
    }
    ~Unobserved() {
        registry_.faults_ = std::move(faults_);
        registry_.quiet_ = wasQuiet_;
    }

  private:
    MemoryRegistry& registry_;
    std::vector<Fault> faults_;
    bool wasQuiet_;
};

bool MemoryRegistry::LoadRegText(std::string_view text, std::string* error) {
    Unobserved quiet(*this);
    RegTextDocument document;
    if (!ParseRegText(text, &document, error))
        return false;
    return ApplyRegText(*this, document, error) == err::Success;
}

std::string MemoryRegistry::ExportRegText(RegKey hiveKey, std::string_view path) {
    Unobserved quiet(*this);
    RegTextDocument document;
    document.format = RegTextFormat::Regedit5;
    ReadRegTree(*this, hiveKey, path, &document.keys);
    return WriteRegText(document);
}

std::string MemoryRegistry::SaveRegText() {
    Unobserved quiet(*this);
    RegTextDocument document;
    document.format = RegTextFormat::Regedit5;
    ReadRegTree(*this, hive::LocalMachine, "", &document.keys);
    ReadRegTree(*this, hive::CurrentUser, "", &document.keys);
    ReadRegTree(*this, hive::Users, ".DEFAULT", &document.keys);
    return WriteRegText(document);
}

}  // namespace tallowick
