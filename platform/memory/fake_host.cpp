#include "platform/memory/fake_host.h"

#include <algorithm>

namespace tallowick {

namespace {

char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

template <typename T>
T TakeFront(std::deque<T>& queue, T fallback) {
    if (queue.empty())
        return fallback;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

}  // namespace

bool PathLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
    });
}

FakeHost::FakeHost() {
    drives['C'] = Drive{drive::Fixed, ""};
    specialFolders[csidl::AppData] = "C:\\Documents and Settings\\Owner\\Application Data";
}

int FakeHost::ShowMessageBox(std::uintptr_t owner, const std::string& text,
                             const std::string& caption, std::uint32_t style) {
    messageBoxes.push_back({owner, text, caption, style});
    return TakeFront(messageBoxAnswers, mb::IdOk);
}

std::optional<std::string> FakeHost::BrowseForFolder(std::uintptr_t owner) {
    pickerCalls.push_back({Picker::Folder, owner, "", 0});
    return TakeFront<std::optional<std::string>>(folderAnswers, std::nullopt);
}

std::optional<std::string> FakeHost::OpenFileDialog(std::uintptr_t owner, const std::string& filter,
                                                    std::uint32_t flags) {
    pickerCalls.push_back({Picker::File, owner, filter, flags});
    return TakeFront<std::optional<std::string>>(fileAnswers, std::nullopt);
}

std::uint32_t FakeHost::LogicalDrives() {
    std::uint32_t mask = 0;
    for (const auto& [letter, drive] : drives) {
        if (letter >= 'A' && letter <= 'Z')
            mask |= 1u << (letter - 'A');
    }
    return mask;
}

const FakeHost::Drive* FakeHost::FindDrive(const std::string& root) const {
    // Only "X:\" names a drive root; "X:" alone or anything longer does not.
    if (root.size() != 3 || root[1] != ':' || root[2] != '\\')
        return nullptr;
    auto it = drives.find(FoldCase(root[0]));
    return it == drives.end() ? nullptr : &it->second;
}

std::uint32_t FakeHost::DriveType(const std::string& root) {
    const Drive* found = FindDrive(root);
    return found ? found->type : drive::NoRootDir;
}

std::optional<std::string> FakeHost::VolumeName(const std::string& root) {
    const Drive* found = FindDrive(root);
    if (!found)
        return std::nullopt;
    return found->volumeName;
}

std::optional<std::string> FakeHost::SpecialFolderPath(int csidl) {
    auto it = specialFolders.find(csidl);
    if (it == specialFolders.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string> FakeHost::ReadWholeFile(const std::string& path) {
    if (failReads.contains(path))
        return std::nullopt;
    auto it = files.find(path);
    if (it == files.end())
        return std::nullopt;
    return it->second;
}

bool FakeHost::WriteWholeFile(const std::string& path, const std::string& bytes) {
    if (failWrites.contains(path))
        return false;
    // Keep the spelling the file was created with, as a Windows directory does.
    auto it = files.find(path);
    if (it != files.end()) {
        it->second = bytes;
    } else {
        files.emplace(path, bytes);
    }
    return true;
}

bool FakeHost::AppendToFile(const std::string& path, const std::string& bytes) {
    if (failWrites.contains(path))
        return false;
    auto it = files.find(path);
    if (it == files.end())
        return WriteWholeFile(path, bytes);
    it->second += bytes;
    return true;
}

DateTime FakeHost::NowUtc() {
    const int s = secondsToday++ % 86400;
    return DateTime{today, s / 3600, s / 60 % 60, s % 60};
}

bool FakeHost::RemoveFile(const std::string& path) {
    if (failRemoves.contains(path))
        return false;
    attributes.erase(path);
    return files.erase(path) == 1;
}

bool FakeHost::RenameOver(const std::string& from, const std::string& to) {
    if (failRenames.contains(from) || failRenames.contains(to))
        return false;
    auto source = files.find(from);
    if (source == files.end())
        return false;
    std::string bytes = std::move(source->second);
    files.erase(source);
    // The target takes the new name's spelling, since the renamed file replaces it.
    files.erase(to);
    files.emplace(to, std::move(bytes));
    const auto moved = attributes.find(from);
    const std::optional<std::uint32_t> kept =
        moved == attributes.end() ? std::nullopt : std::optional<std::uint32_t>(moved->second);
    attributes.erase(from);
    attributes.erase(to);
    if (kept)
        attributes.emplace(to, *kept);
    return true;
}

std::optional<std::uint32_t> FakeHost::AttributesOf(const std::string& path) {
    if (!files.contains(path))
        return std::nullopt;
    const auto it = attributes.find(path);
    return it == attributes.end() ? fileattr::Archive : it->second;
}

bool FakeHost::ChangeAttributes(const std::string& path, std::uint32_t newAttributes) {
    if (!files.contains(path))
        return false;
    attributes.erase(path);
    attributes.emplace(path, newAttributes);
    return true;
}

bool FakeHost::AcquireSingleInstance(const std::string& mutexName) {
    return heldMutexes.insert(mutexName).second;
}

}  // namespace tallowick
