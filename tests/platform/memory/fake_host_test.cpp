#include "platform/memory/fake_host.h"

#include <gtest/gtest.h>

#include "platform/host_conformance.h"

namespace tallowick {
namespace {

HostSubject MakeFakeSubject() {
    return {std::make_unique<FakeHost>(), "C:\\Scratch", nullptr};
}

INSTANTIATE_TEST_SUITE_P(Fake, HostConformance, ::testing::Values(&MakeFakeSubject),
                         [](const auto&) { return std::string("Seams"); });

TEST(FakeHost, InjectedFaultsFailAndChangeNothing) {
    FakeHost host;
    const std::string path = "C:\\Program Files\\Tallowick\\DateFile.txt";
    host.files[path] = "old";
    host.files["C:\\new.tmp"] = "new";

    // Listed under another spelling: the match ignores case like the files do.
    host.failWrites.insert("c:\\program files\\tallowick\\datefile.txt");
    EXPECT_FALSE(host.WriteWholeFile(path, "lost"));

    host.failRenames.insert(path);
    EXPECT_FALSE(host.RenameOver("C:\\new.tmp", path));
    EXPECT_TRUE(host.FileExists("C:\\new.tmp"));

    host.failReads.insert(path);
    EXPECT_EQ(host.ReadWholeFile(path), std::nullopt);
    EXPECT_TRUE(host.FileExists(path));
    EXPECT_EQ(host.files[path], "old");
}

}  // namespace
}  // namespace tallowick
