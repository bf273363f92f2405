// A host whose files below one folder are real and whose everything else is a fake's, so
// that a case under Wine touches real files while the machine's version, the dialogs and
// the date file stay those of the test.
#pragma once

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "platform/forwarding_host.h"

namespace tallowick {

class FileHost final : public ForwardingHost {
  public:
    // Borrows both hosts. Paths that begin with `realPrefix` (in any letter case) go to
    // `files`, everything else to `rest`.
    FileHost(Host& files, Host& rest, std::string realPrefix)
        : ForwardingHost(rest), files_(files), prefix_(std::move(realPrefix)) {}
    std::optional<std::string> ReadWholeFile(const std::string& path) override {
        return Files(path).ReadWholeFile(path);
    }
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
        return Files(path).WriteWholeFile(path, bytes);
    }
    bool AppendToFile(const std::string& path, const std::string& bytes) override {
        return Files(path).AppendToFile(path, bytes);
    }
    bool RemoveFile(const std::string& path) override { return Files(path).RemoveFile(path); }
    bool RenameOver(const std::string& from, const std::string& to) override {
        return Files(to).RenameOver(from, to);
    }
    bool FileExists(const std::string& path) override { return Files(path).FileExists(path); }
    std::optional<std::uint32_t> AttributesOf(const std::string& path) override {
        return Files(path).AttributesOf(path);
    }
    bool ChangeAttributes(const std::string& path, std::uint32_t attributes) override {
        return Files(path).ChangeAttributes(path, attributes);
    }

  private:
    Host& Files(const std::string& path) {
        if (path.size() < prefix_.size())
            return inner_;
        for (std::size_t i = 0; i < prefix_.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(path[i])) !=
                std::tolower(static_cast<unsigned char>(prefix_[i])))
                return inner_;
        }
        return files_;
    }
    Host& files_;
    std::string prefix_;
};

}  // namespace tallowick
