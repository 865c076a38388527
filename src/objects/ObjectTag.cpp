#include "objects/ObjectTag.h"

namespace
{
constexpr const char* kNames[kObjectTagCount + 1] = {
    "Player",         "Enemy",         "SkyDome",           "AudioObj",       "Ground",
    "SpawnPoint",     "Respawn",       "PowerUp",           "WindPowerUp",    "EarthPowerUp",
    "WaterPowerUp",   "FirePowerUp",   "ArmageddonPowerUp", "NapalmPowerUp",  "RootsPowerUp",
    "TsunamiPowerUp", "BoostPlatform", "GameLogic",         "TorrnadoObject", "TsunamiSpawner",
    "CameraObj",      "RS_Platform1",  "RS_Platform2",      "RS_Platform3",   "Invalid_Tag",
};
} // namespace

const char* ObjectTagName(ObjectTag tag)
{
    if (!IsValidTag(tag))
        return kNames[kObjectTagCount];
    return kNames[static_cast<int>(tag)];
}
