// Any bytes given to the demo reader: a demo or one message, never a crash, and what it reads
// writes back to text that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "demo/demo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::optional<demo::Demo> d = demo::ParseDemo(text, &error);
    if (!d) {
        if (error.empty() || error.size() > 400) std::abort();
        return 0;
    }
    const std::optional<demo::Demo> again = demo::ParseDemo(demo::DemoText(*d), &error);
    if (!again || !(*again == *d)) std::abort();
    return 0;
}
