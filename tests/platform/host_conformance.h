// The behaviour every Host must share, run against each implementation. An
// implementation's test file instantiates the suite with a factory:
//
//   INSTANTIATE_TEST_SUITE_P(Fake, HostConformance, ::testing::Values(&MakeSubject));
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/host.h"

namespace tallowick {

struct HostSubject {
    std::unique_ptr<Host> host;
    // An existing, empty folder for the case's files, without a trailing backslash.
    std::string folder;
    // Removes the folder and what the case left in it; may be empty.
    std::function<void()> tidy;
};

using HostFactory = HostSubject (*)();

class HostConformance : public ::testing::TestWithParam<HostFactory> {
  protected:
    void SetUp() override {
        subject_ = GetParam()();
        ASSERT_FALSE(subject_.folder.empty()) << "no scratch folder";
    }
    void TearDown() override {
        if (subject_.tidy)
            subject_.tidy();
    }

    Host& host() { return *subject_.host; }
    std::string PathOf(const std::string& name) const { return subject_.folder + "\\" + name; }

  private:
    HostSubject subject_;
};

}  // namespace tallowick
