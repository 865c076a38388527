// The sound manifest (res/audio/bank.xml): read, then every event looked up by its path. Each
// event must be found under its own path, with a volume the mixer can take.
#include "sound/SoundBank.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SoundBank bank;
    if (!bank.LoadText(std::string(reinterpret_cast<const char*>(data), size), "res/audio/"))
        return 0;
    for (size_t i = 0; i < bank.Events().size(); ++i)
    {
        const SoundEvent& event = bank.Events()[i];
        if (bank.Find(event.path) != static_cast<int>(i) || !(event.volume >= 0.0f && event.volume <= 1.0f) ||
            event.files.empty())
        {
            std::printf("event %zu '%s' read wrongly\n", i, event.path.c_str());
            std::abort();
        }
    }
    return 0;
}
