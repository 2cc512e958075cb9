// libFuzzer target: any text read as a number stays within the reader's promises, and reading it
// a character at a time (as a level file's field is read) gives the very same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "world/number_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = world::ReadNumber(text);
    if (std::isnan(value)) std::abort();
    const double rounded = world::RoundHalfEven(value);
    if (std::isfinite(value) && std::fabs(rounded - value) > 0.5) std::abort();
    if (const auto whole = world::RoundToInt32(value)) {
        if (*whole != rounded) std::abort();
        if (static_cast<std::uint8_t>(*whole) != world::RoundToLow8Bits(value)) std::abort();
    }
    (void)world::ReadInt32(text, 1);
    world::NumberText number;
    for (const char c : text) number.Add(c);
    const double byCharacter = number.Value();
    if (byCharacter != value || std::signbit(byCharacter) != std::signbit(value)) std::abort();
    return 0;
}
