// The runner's --input scripts: parsed, then every event applied to the input system, the pads
// and the window's focus as the runner applies them frame by frame.
#include "app/CompositionRoot.h"
#include "input/InputScript.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CompositionRoot::Compose();
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    const InputScript script = InputScript::Parse(text, "fuzzed");
    for (const InputScript::Event& event : script.Events())
        InputScript::Apply(event);
    return 0;
}
