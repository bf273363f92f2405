#include "platform/memory/memory_registry.h"

#include "platform/registry_conformance.h"
#include "support/registry_test_support.h"

namespace tallowick {

std::vector<RegistryTarget> RegistryTargets() {
    return {RegistryTarget{"Memory", [] { return std::make_unique<MemoryRegistry>(); }, true}};
}

}  // namespace tallowick

namespace tallowick {
namespace {

constexpr const char* kFixture = R"(Windows Registry Editor Version 5.00

; comments and blank lines are ignored
[HKEY_CURRENT_USER\Software\Fixture]
@="default text"
"Quoted"="say \"hi\" C:\\path"
"Number"=dword:0000002a
"Bytes"=hex:00,01,ff
"Expand"=hex(2):25,00,53,00,25,00,00,00
"Unterminated"=hex(1):61,00,62,00
"Long"=hex:01,02,\
  03,04

[HKEY_LOCAL_MACHINE\SOFTWARE\Fixture\Child]
"Empty"=""
)";

std::string ExportText(MemoryRegistry& reg, const char* path) {
    return reg.ExportRegText(hive::CurrentUser, path);
}

TEST(MemoryRegistryText, LoadsEveryValueFormWithItsExactBytes) {
    MemoryRegistry reg;
    std::string error;
    ASSERT_TRUE(reg.LoadRegText(kFixture, &error)) << error;
    const std::string key = "Software\\Fixture";
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, key, nullptr), SzValue("default text"));
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, key, "Quoted"), SzValue("say \"hi\" C:\\path"));
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, key, "Number"), DwordValue(42));
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, key, "Bytes"),
              (RegValue{regtype::Binary, {0, 1, 255}}));
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, key, "Expand"), SzValue("%S%", regtype::ExpandSz));
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, key, "Unterminated"),
              (RegValue{regtype::Sz, {'a', 'b'}}));
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, key, "Long"),
              (RegValue{regtype::Binary, {1, 2, 3, 4}}));
    EXPECT_EQ(ReadValue(reg, hive::LocalMachine, "Software\\Fixture\\Child", "Empty"), SzValue(""));

    // The old format keeps texts as their ANSI bytes.
    ASSERT_TRUE(reg.LoadRegText("REGEDIT4\n[HKCU\\X]\n\"e\"=hex(2):41,42,00\n"));
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, "X", "e"), SzValue("AB", regtype::ExpandSz));
}

TEST(MemoryRegistryText, SavedTextLoadsBackToTheSameRegistry) {
    MemoryRegistry first;
    ASSERT_TRUE(first.LoadRegText(kFixture));
    const std::string saved = first.SaveRegText();
    MemoryRegistry second;
    std::string error;
    ASSERT_TRUE(second.LoadRegText(saved, &error)) << error << "\n" << saved;
    EXPECT_EQ(second.SaveRegText(), saved);
    // Values come out in the registry's sorted order, strings quoted where they can be.
    EXPECT_NE(saved.find("[HKEY_CURRENT_USER\\Software\\Fixture]\n@=\"default text\"\n"
                         "\"Bytes\"=hex:00,01,ff\n"),
              std::string::npos)
        << saved;
}

TEST(MemoryRegistryText, DeletionLinesRemoveKeysAndValues) {
    MemoryRegistry reg;
    ASSERT_TRUE(reg.LoadRegText(kFixture));
    ASSERT_TRUE(
        reg.LoadRegText("Windows Registry Editor Version 5.00\n"
                        "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Fixture]\n"
                        "[HKEY_CURRENT_USER\\Software\\Fixture]\n\"Number\"=-\n"));
    EXPECT_FALSE(KeyExists(reg, hive::LocalMachine, "SOFTWARE\\Fixture"));
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, "Software\\Fixture", "Number"), std::nullopt);
    EXPECT_EQ(ExportText(reg, "Software\\Fixture").find("Number"), std::string::npos);
}

// Keys listed right below the one before them are made from its handle; every other
// listing, and any key after a deletion, still lands where its whole path says.
TEST(MemoryRegistryText, KeysLandWhereTheirPathsSayWhateverTheOrder) {
    MemoryRegistry reg;
    std::string error;
    ASSERT_TRUE(
        reg.LoadRegText("REGEDIT4\n"
                        "[HKCU\\A]\n[HKCU\\A\\B]\n[HKCU\\A\\BC]\n[HKCU\\A\\BC\\\\C]\n"
                        "[HKCU\\A\\BC\\C\\D]\n\"v\"=dword:1\n[-HKCU\\A\\B]\n[HKCU\\A\\B\\E]\n"
                        "[HKLM\\A\\B\\F]\n[HKCR\\.x]\n[HKCR\\.x\\Sub]\n",
                        &error))
        << error;
    for (const char* path : {"A\\B\\E", "A\\BC\\C\\D"})
        EXPECT_TRUE(KeyExists(reg, hive::CurrentUser, path)) << path;
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, "A\\BC\\C\\D", "v"), DwordValue(1));
    EXPECT_FALSE(KeyExists(reg, hive::CurrentUser, "A\\B\\F"));
    EXPECT_TRUE(KeyExists(reg, hive::LocalMachine, "A\\B\\F"));
    EXPECT_TRUE(KeyExists(reg, hive::LocalMachine, "SOFTWARE\\Classes\\.x\\Sub"));
    EXPECT_FALSE(KeyExists(reg, hive::CurrentUser, "Software\\Classes\\.x"));
}

TEST(MemoryRegistryText, MalformedTextIsRefusedWithTheLine) {
    MemoryRegistry reg;
    std::string error;
    EXPECT_FALSE(reg.LoadRegText("[HKEY_CURRENT_USER\\X]\n", &error));
    EXPECT_FALSE(reg.LoadRegText("REGEDIT4\n\n[HKEY_NOWHERE\\X]\n", &error));
    EXPECT_EQ(error, "line 3: unknown hive");
    EXPECT_FALSE(reg.LoadRegText("REGEDIT4\n[HKCU\\X]\n\"v\"=dword:123456789\n", &error));
    EXPECT_EQ(error, "line 3: bad value data");
    EXPECT_FALSE(reg.LoadRegText("REGEDIT4\n[HKCU\\X]\n\"v\"=hex:01,,02\n", &error));
    // A type past 32 bits, long or short enough to wrap into REG_SZ, is refused.
    for (const char* type : {"100000001", "2DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD", "-1"}) {
        EXPECT_FALSE(reg.LoadRegText(
            std::string("REGEDIT4\n[HKCU\\X]\n\"v\"=hex(") + type + "):00\n", &error));
        EXPECT_EQ(error, "line 3: bad value data");
    }
    EXPECT_FALSE(KeyExists(reg, hive::CurrentUser, "X")) << "nothing applied";
}

// ---- Fault injection and the call log --------------------------------------------------

// A rule fails its operation on its key and those below it, in its hive only, and the
// failing call changes nothing.
TEST(MemoryRegistryFaults, ARuleFailsItsCallsBelowItsPathAndChangesNothing) {
    MemoryRegistry reg;
    ASSERT_TRUE(reg.LoadRegText(kFixture));
    reg.FailOn(RegOp::Set, hive::CurrentUser, "software\\fixture", err::AccessDenied);
    reg.FailOn(RegOp::Create, hive::LocalMachine, "SOFTWARE\\Policies", err::AccessDenied);
    EXPECT_EQ(WriteValue(reg, hive::CurrentUser, "Software\\Fixture", "Number", DwordValue(1)),
              err::AccessDenied);
    EXPECT_EQ(ReadValue(reg, hive::CurrentUser, "Software\\Fixture", "Number"), DwordValue(42));
    RegKey key = 0;
    EXPECT_EQ(reg.CreateKey(hive::LocalMachine, "Software\\Policies\\Deep\\Key", &key),
              err::AccessDenied);
    EXPECT_FALSE(KeyExists(reg, hive::LocalMachine, "Software\\Policies"));

    // Other hives, other keys and a name that only begins the same go on.
    EXPECT_EQ(WriteValue(reg, hive::LocalMachine, "Software\\Fixture", "Number", DwordValue(1)),
              err::Success);
    EXPECT_EQ(WriteValue(reg, hive::CurrentUser, "Software\\Other", "Number", DwordValue(1)),
              err::Success);
    EXPECT_EQ(reg.CreateKey(hive::LocalMachine, "Software\\PoliciesElsewhere", &key), err::Success);
    reg.CloseKey(key);

    // An empty path covers the whole hive; a failed open gives no handle.
    reg.FailOn(RegOp::Open, hive::LocalMachine, "", err::AccessDenied);
    EXPECT_EQ(reg.OpenKey(hive::LocalMachine, "Software", access::Read, &key), err::AccessDenied);
    EXPECT_EQ(key, 0u);
    reg.ClearFaults();
    EXPECT_EQ(WriteValue(reg, hive::CurrentUser, "Software\\Fixture", "Number", DwordValue(1)),
              err::Success);
}

TEST(MemoryRegistryCalls, TheLogShowsWhatWasOpenedCreatedAndWritten) {
    MemoryRegistry reg;
    ASSERT_TRUE(reg.LoadRegText(kFixture));
    EXPECT_TRUE(reg.Calls().empty());  // loading is not logged
    RegKey key = 0;
    ASSERT_EQ(reg.OpenKey(hive::CurrentUser, "software\\fixture", access::Read, &key),
              err::Success);
    ASSERT_EQ(reg.CloseKey(key), err::Success);
    EXPECT_EQ(reg.OpenKey(hive::CurrentUser, "Software\\Nope", access::Read, &key),
              err::FileNotFound);
    ASSERT_EQ(reg.CreateKey(hive::LocalMachine, "Software\\New", &key), err::Success);
    EXPECT_EQ(reg.OpenHandleCount(), 1u);
    ASSERT_EQ(reg.CloseKey(key), err::Success);
    EXPECT_EQ(reg.OpenHandleCount(), 0u);

    ASSERT_EQ(reg.Calls().size(), 3u);
    EXPECT_EQ(reg.Calls()[0].op, RegOp::Open);
    EXPECT_EQ(reg.Calls()[0].path, "Software\\Fixture");  // in the stored case
    EXPECT_EQ(reg.Calls()[1].result, err::FileNotFound);
    EXPECT_EQ(reg.Calls()[2].op, RegOp::Create);
    EXPECT_EQ(reg.Calls()[2].hive, hive::LocalMachine);
    EXPECT_EQ(reg.Calls()[2].path, "SOFTWARE\\New");
}

}  // namespace
}  // namespace tallowick
