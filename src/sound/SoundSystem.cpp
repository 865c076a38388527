#include "sound/SoundSystem.h"

SoundSystem& SoundSystem::Instance()
{
    static SoundSystem instance;
    return instance;
}
