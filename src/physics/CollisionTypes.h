#pragma once

/// The shape of a collider; the numbers index the collision table.
enum class VolumeType : int
{
    Aabb = 0,
    Sphere = 1,
    Obb = 2,
};

/// Number of volume types.
inline constexpr int kVolumeTypeCount = 3;

/// A collider's category; category c owns mask bit (c - 1) mod 32, so None owns bit 31.
enum class CollisionCategory : int
{
    None = 0,
    P1,
    P2,
    P3,
    P4,
    FirePowerUp,
    WaterPowerUp,
    WindPowerUp,
    EarthPowerUp,
    ArmageddonPowerUp,
    NapalmPowerUp,
    CheckPoint,
    RaceNode,
    All,
};

/// Number of categories that have a name in files and scripts ("None" to "All").
inline constexpr int kCollisionCategoryCount = 14;
