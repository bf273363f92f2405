#include "shell/write_failure_tracker.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_registry.h"
#include "support/registry_test_support.h"

namespace tallowick {
namespace {

class WriteFailureTrackerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            inner_.LoadRegText("REGEDIT4\n[HKLM\\SOFTWARE\\Policies\\Kept]\n"
                               "\"v\"=dword:00000001\n[HKCU\\Software\\Mine]\n"));
    }
    MemoryRegistry inner_;
    WriteFailureTracker tracker_{inner_};
};

// A change through an opened key names that key, built from the names it was opened by;
// a later refusal does not replace the first. (The core's alert shows a refused open.)
TEST_F(WriteFailureTrackerTest, NamesTheFirstKeyWhoseChangeWasRefused) {
    KeyHandle parent(tracker_);
    ASSERT_EQ(tracker_.OpenKey(hive::CurrentUser, "Software", access::AllAccess, parent.out()),
              err::Success);
    KeyHandle leaf(tracker_);
    ASSERT_EQ(tracker_.CreateKey(parent.get(), "Mine\\Leaf", leaf.out()), err::Success);
    inner_.FailOn(RegOp::Set, hive::CurrentUser, "Software\\Mine", err::AccessDenied);
    inner_.FailOn(RegOp::Open, hive::LocalMachine, "SOFTWARE\\Policies", err::AccessDenied);
    const std::uint8_t one[] = {1, 0, 0, 0};
    EXPECT_EQ(tracker_.SetValue(leaf.get(), "v", regtype::Dword, one, 4), err::AccessDenied);
    KeyHandle key(tracker_);
    EXPECT_EQ(tracker_.OpenKey(hive::LocalMachine, "SOFTWARE\\Policies\\Kept", access::AllAccess,
                               key.out()),
              err::AccessDenied);
    EXPECT_EQ(tracker_.FirstFailure(), "HKEY_CURRENT_USER\\Software\\Mine\\Leaf");
}

TEST_F(WriteFailureTrackerTest, AbsentKeysAndValuesAndRefusedReadsAreNotFailures) {
    KeyHandle key(tracker_);
    EXPECT_EQ(
        tracker_.OpenKey(hive::CurrentUser, "Software\\Nowhere", access::AllAccess, key.out()),
        err::FileNotFound);
    EXPECT_EQ(tracker_.DeleteValueAt(hive::CurrentUser, "Software\\Mine", "absent"),
              err::FileNotFound);
    EXPECT_EQ(tracker_.DeleteTree(hive::CurrentUser, "Software\\Nowhere"), err::FileNotFound);
    inner_.FailOn(RegOp::Open, hive::LocalMachine, "", err::AccessDenied);
    EXPECT_EQ(tracker_.OpenKey(hive::LocalMachine, "SOFTWARE", access::Read, key.out()),
              err::AccessDenied);
    EXPECT_FALSE(tracker_.FirstFailure());
    // The calls did reach the registry underneath.
    EXPECT_EQ(inner_.Calls().size(), 6u);
}

}  // namespace
}  // namespace tallowick
