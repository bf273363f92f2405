// Every input the fuzz targets were seeded with or crashed on, replayed through the same
// targets, so a fixed crash stays fixed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "fuzz/fuzz_targets.h"

namespace tallowick::fuzz {
namespace {

TEST(FuzzInputs, SavedInputsRunCleanly) {
    namespace fs = std::filesystem;
    int replayed = 0;
    for (const Target& target : kTargets) {
        for (const char* kind : {"crashes", "seeds"}) {
            const fs::path folder = fs::path(TALLOWICK_FUZZ_INPUTS) / kind / target.name;
            if (!fs::is_directory(folder))
                continue;
            for (const fs::directory_entry& input : fs::directory_iterator(folder)) {
                std::ifstream in(input.path(), std::ios::binary);
                std::ostringstream bytes;
                bytes << in.rdbuf();
                try {
                    target.run(bytes.str());
                } catch (const std::exception& e) {
                    ADD_FAILURE() << input.path() << ": " << e.what();
                }
                ++replayed;
            }
        }
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace tallowick::fuzz
