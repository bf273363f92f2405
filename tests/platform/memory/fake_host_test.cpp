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

TEST(FakeHost, MessageBoxesAreRecordedAndAnsweredInTurn) {
    FakeHost host;
    host.messageBoxAnswers = {mb::IdYes, mb::IdNo};
    EXPECT_EQ(host.ShowMessageBox(0, "first", "A L E R T", mb::YesNo | mb::IconHand), mb::IdYes);
    EXPECT_EQ(host.ShowMessageBox(7, "second", "Tallowick", mb::YesNo), mb::IdNo);
    EXPECT_EQ(host.ShowMessageBox(0, "third", "Tallowick", mb::Ok), mb::IdOk);  // queue empty

    ASSERT_EQ(host.messageBoxes.size(), 3u);
    EXPECT_EQ(host.messageBoxes[0].text, "first");
    EXPECT_EQ(host.messageBoxes[0].caption, "A L E R T");
    EXPECT_EQ(host.messageBoxes[0].style, mb::YesNo | mb::IconHand);
    EXPECT_EQ(host.messageBoxes[1].owner, 7u);
    EXPECT_EQ(host.messageBoxes[2].text, "third");
}

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

    host.failRemoves.insert(path);
    EXPECT_FALSE(host.RemoveFile(path));

    host.failReads.insert(path);
    EXPECT_EQ(host.ReadWholeFile(path), std::nullopt);
    EXPECT_TRUE(host.FileExists(path));
    EXPECT_EQ(host.files[path], "old");
}

TEST(FakeHost, DrivesAnswerFromTheTable) {
    FakeHost host;
    host.drives['D'] = {drive::CdRom, std::nullopt};
    host.drives['Z'] = {drive::Remote, "share"};

    EXPECT_EQ(host.LogicalDrives(), (1u << 2) | (1u << 3) | (1u << 25));
    EXPECT_EQ(host.DriveType("c:\\"), drive::Fixed);
    EXPECT_EQ(host.DriveType("Q:\\"), drive::NoRootDir);
    EXPECT_EQ(host.VolumeName("Z:\\"), "share");
    EXPECT_EQ(host.VolumeName("C:\\"), "");
    EXPECT_EQ(host.VolumeName("D:\\"), std::nullopt);
    EXPECT_EQ(host.SpecialFolderPath(csidl::AppData),
              "C:\\Documents and Settings\\Owner\\Application Data");
    EXPECT_EQ(host.SpecialFolderPath(0x7fff), std::nullopt);
}

TEST(FakeHost, MutexNameIsHeldOnce) {
    FakeHost host;
    EXPECT_TRUE(host.AcquireSingleInstance("Tallowick"));
    EXPECT_FALSE(host.AcquireSingleInstance("Tallowick"));
    EXPECT_TRUE(host.AcquireSingleInstance("tallowick"));  // object names are case-sensitive
}

}  // namespace
}  // namespace tallowick
