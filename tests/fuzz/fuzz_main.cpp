// The libFuzzer entry of one target, chosen when it is built (TALLOWICK_FUZZ_TARGET).
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tallowick::fuzz::TALLOWICK_FUZZ_TARGET({reinterpret_cast<const char*>(data), size});
    return 0;
}
