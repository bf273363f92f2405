// The date file: loaded at start-up, a date recorded, every date looked up. A recording
// changes only lines that hold the record's key, or appends its line; a lookup returns
// text of one line of the file.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "model/date_store.h"
#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"

namespace tallowick::fuzz {

void DateFile(std::string_view bytes) {
    static const TweakCatalogue kCatalogue = {
        {"Accessories", "", 0, 0}, {"Disable (DCOM)", "", 0, 1}, {"A, B", "", 0, 2}};
    MemoryRegistry registry;
    FakeHost host;
    RegKey user = 0, program = 0;
    registry.Connect(hive::CurrentUser, &user);
    registry.CreateKey(user, "Software\\Quenby Manager", &program);
    const std::vector<std::uint8_t> one = DwordBytes(1);
    registry.SetValue(program, "DateModefiedFlage", regtype::Dword, one.data(), 4);
    registry.CloseKey(program);
    registry.CloseKey(user);

    DateStore store(registry, host, kCatalogue, host.programFolder);
    const std::string file(bytes);
    host.files[store.FilePath()] = file;
    store.Initialise();
    Require(store.Text() == file, "the file is loaded as it is");

    const TweakRecord& record = kCatalogue[bytes.size() % kCatalogue.size()];
    const std::string key = "quenby(\"" + record.name + "\"";
    store.RecordDate(static_cast<TweakId>(&record - kCatalogue.data()));
    const std::string after = host.files[store.FilePath()];
    if (file.find(key) == std::string::npos) {
        Require(after.starts_with(file), "a missing line is appended");
    } else {
        const std::vector<std::string_view> before = Split(file, "\r\n"),
                                            now = Split(after, "\r\n");
        Require(before.size() == now.size(), "a recording keeps the lines");
        for (std::size_t i = 0; i < before.size(); ++i) {
            Require(before[i] == now[i] || now[i].find(key) != std::string_view::npos,
                    "a recording changes only the record's line");
        }
    }
    for (const TweakRecord& each : kCatalogue) {
        const std::string date = store.LookUp(each.name);
        const std::vector<std::string_view> lines = Split(store.Text(), "\r\n");
        Require(std::any_of(lines.begin(), lines.end(),
                            [&](std::string_view line) {
                                return line.find(date) != std::string_view::npos;
                            }),
                "a date is text of one line");
    }
}

}  // namespace tallowick::fuzz
