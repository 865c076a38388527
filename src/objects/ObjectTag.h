#pragma once

#include <string>

/// The tag of a Property component; Logic indexes objects by it.
enum class ObjectTag : int
{
    Player = 0,
    Enemy,
    SkyDome,
    AudioObj,
    Ground,
    SpawnPoint,
    Respawn,
    PowerUp,
    WindPowerUp,
    EarthPowerUp,
    WaterPowerUp,
    FirePowerUp,
    ArmageddonPowerUp,
    NapalmPowerUp,
    RootsPowerUp,
    TsunamiPowerUp,
    BoostPlatform,
    GameLogic,
    TorrnadoObject,
    TsunamiSpawner,
    CameraObj,
    RS_Platform1,
    RS_Platform2,
    RS_Platform3,
    Invalid = 24,
};

/// Number of real tags (0 to 23); 24 marks an invalid tag and is never indexed.
inline constexpr int kObjectTagCount = 24;

/// "Player" ... "RS_Platform3"; "Invalid_Tag" for 24 and anything out of range.
const char* ObjectTagName(ObjectTag tag);
/// Whether `tag` is one of the 24 real tags.
inline bool IsValidTag(ObjectTag tag)
{
    return static_cast<int>(tag) >= 0 && static_cast<int>(tag) < kObjectTagCount;
}
