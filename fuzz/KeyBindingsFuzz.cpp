// keyBindings.txt as a player edits it.
#include "input/KeyBindings.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    KeyBindings::Parse(text, "fuzzed");
    return 0;
}
