// What each particle behaviour and its fields mean, for the particle section of docs/components.md.
// Same rules as the component table: one line per field the behaviour writes to files, in its
// file order, and a summary line per behaviour.
#include "docgen/FieldMeanings.h"

namespace
{
// The fields the sphere and ring spawners share.
void AddRadiusMeanings(std::vector<FieldMeaning>& meanings, const std::string& part)
{
    meanings.insert(
        meanings.end(),
        {{part, "m_MinRadius", "radius of every particle when not filled; the inner bound when filled"},
         {part, "m_MaxRadius", "outer bound when filled"},
         {part, "m_filled", "1: a random radius between the bounds instead of the minimum"},
         {part, "m_useObjScale",
          "1: the length of the owner's scale becomes the radius in use (maximum if filled, else "
          "minimum)"},
         {part, "m_useObjRotation", "1: the ring turns with the owner (no effect on a sphere)"}});
}

// The fields of the burst family.
void AddSpeedMeanings(std::vector<FieldMeaning>& meanings, const std::string& part)
{
    meanings.insert(meanings.end(),
                    {{part, "m_velocityMin", "start speed, or its lower bound with m_randStartVel"},
                     {part, "m_velocityMax", "upper bound of the start speed"},
                     {part, "m_randStartVel", "1: a random start speed between the bounds"}});
}
} // namespace

std::vector<FieldMeaning> FieldMeanings::ParticleBehaviours()
{
    std::vector<FieldMeaning> meanings;
    meanings.emplace_back("SphereSpawner", "",
                          "New particles on a sphere round the owner, or inside it when filled.");
    AddRadiusMeanings(meanings, "SphereSpawner");
    meanings.emplace_back("RingXYSpawner", "",
                          "New particles on a ring in the x-y plane (standing, facing z).");
    AddRadiusMeanings(meanings, "RingXYSpawner");
    meanings.emplace_back("RingXZSpawner", "",
                          "New particles on a ring in the x-z plane (lying flat), turned by the effect's "
                          "orientation.");
    AddRadiusMeanings(meanings, "RingXZSpawner");
    meanings.insert(
        meanings.end(),
        {
            {"LineSpawner", "",
             "New particles along a line through the owner, half each way, scattered sideways by a radius."},
            {"LineSpawner", "m_dir", "direction of the line"},
            {"LineSpawner", "m_length", "how far along the line, each way, a particle may appear"},
            {"LineSpawner", "m_radius", "how far off the line a particle appears"},
            {"LineSpawner", "m_useFacing", "1: the line follows a racer owner's facing instead of m_dir"},
            {"LineSpawner", "m_useObjScale",
             "1: at start, length = half the owner's scale length, radius = half its y scale"},
            {"LineSpawner", "m_useObjRotation", "1: the line turns with the owner"},

            {"MushroomSpawner", "",
             "New particles on a ring that rises and widens to a middle radius, then narrows: a mushroom "
             "cloud."},
            {"MushroomSpawner", "m_yStart", "height at spawn"},
            {"MushroomSpawner", "m_yEnd", "height at the end of life"},
            {"MushroomSpawner", "m_radiusStart", "ring radius at spawn"},
            {"MushroomSpawner", "m_radiusMiddle", "ring radius at half life"},
            {"MushroomSpawner", "m_radiusEnd", "ring radius at the end of life"},

            {"Elipse", "", "New particles on an ellipse in the x-z plane, or inside it when filled."},
            {"Elipse", "m_a", "half-axis along x"},
            {"Elipse", "m_b", "half-axis along z"},
            {"Elipse", "m_filled", "1: inside the ellipse, not only on its outline"},
            {"Elipse", "m_useObjScale", "1: at start, the half-axes become half the owner's x and z scale"},

            {"Arch", "",
             "New particles on an arch over the owner's longer horizontal side, as high as the owner; the "
             "effect's offset is lowered by half the owner's height. It reads nothing from the file."},
        });
    meanings.emplace_back("PointExplosion", "", "Sends each new particle off in a random direction.");
    AddSpeedMeanings(meanings, "PointExplosion");
    meanings.emplace_back("OutwardBurst", "",
                          "Pushes each new particle away from the centre, along its spawn position (put it "
                          "after a spawner).");
    AddSpeedMeanings(meanings, "OutwardBurst");
    meanings.emplace_back("UpwardBurst", "", "Sends each new particle upwards.");
    AddSpeedMeanings(meanings, "UpwardBurst");
    meanings.emplace_back("DirectionalVel", "", "Sends each new particle along one direction.");
    AddSpeedMeanings(meanings, "DirectionalVel");
    meanings.insert(
        meanings.end(),
        {{"DirectionalVel", "m_useObjOrient",
          "1: at start, the direction becomes the owner's forward (+z turned)"},
         {"DirectionalVel", "m_dir", "direction; its length multiplies the speed"},

         {"BlackHole", "",
          "Draws each particle from where it appeared into the owner (plus offset) over its life. It reads "
          "nothing from the file."},

         {"SpiralY", "", "Particles circle the owner's vertical axis while they climb to an end height."},
         {"SpiralY", "m_xzStepMin", "degrees turned each frame, and the start angle"},
         {"SpiralY", "m_xzStepMax", "upper bound of a random step"},
         {"SpiralY", "m_yStart", "start height, or its lower bound with m_randYstart"},
         {"SpiralY", "m_yEnd", "height at the end of life"},
         {"SpiralY", "m_radiusStart", "circle radius, or its lower bound with m_randRadiusStart"},
         {"SpiralY", "m_radiusEnd", "upper bound of a random radius"},
         {"SpiralY", "m_randRadiusStart", "1: a random radius per particle"},
         {"SpiralY", "m_randXZstep", "1: a random step every frame"},
         {"SpiralY", "m_randYstart", "1: a random start height per particle"},

         {"OscillatorY", "", "Particles bob up and down on a sine wave."},
         {"OscillatorY", "m_waveTime", "seconds the wave's timer runs before it starts again"},
         {"OscillatorY", "m_amplitude", "height of the wave"},
         {"OscillatorY", "m_strideLength", "waves per wave time"},

         {"Scaler", "", "The size of new particles, and how it changes over their life."},
         {"Scaler", "m_scaleStart", "size at spawn, or its lower bound with randStartScale"},
         {"Scaler", "m_scaleEnd", "size at the end of life with lerpScale; upper bound with randStartScale"},
         {"Scaler", "randStartScale", "1: a random start size between the two"},
         {"Scaler", "lerpScale",
          "1: the size goes from the start size to m_scaleEnd over the particle's life"},

         {"Color", "",
          "The colour of new particles (r, g, b, a from 0 to 1) and its blend through a middle to an end "
          "colour. Scripts can change the three colours."},
         {"Color", "m_startColor", "colour at spawn; with m_randStartColor the lower bound"},
         {"Color", "m_middleColor", "colour halfway through the change"},
         {"Color", "m_endColor", "colour at the end of the change; with m_randStartColor the upper bound"},
         {"Color", "m_timeToChange",
          "seconds the change takes when m_useLifeTime is 0; then the colour stays"},
         {"Color", "m_useLifeTime", "1: the change takes the particle's whole life"},
         {"Color", "m_randStartColor", "1: each component of the start colour drawn between start and end"},
         {"Color", "m_lerpColor", "1: blend to the middle colour over the first half of the change"},
         {"Color", "m_middleLerp",
          "1: blend on to the end colour over the second half (alone: from start to end over the whole)"},

         {"LifeTime", "", "How long new particles live; without it they live 1 second."},
         {"LifeTime", "m_lifeMin", "seconds, or the lower bound with m_randStartLife; 0 never ends"},
         {"LifeTime", "m_lifeMax", "upper bound of a random life"},
         {"LifeTime", "m_randStartLife", "1: a random life between the bounds (the minimum if they cross)"},

         {"Rotation", "",
          "Turns each particle's position about the effect every frame (use with localPos); the steps can "
          "drift "
          "to new random values."},
         {"Rotation", "m_rotationStepX", "degrees about x each frame"},
         {"Rotation", "m_rotationStepY", "degrees about y each frame"},
         {"Rotation", "m_rotationStepZ", "degrees about z each frame"},
         {"Rotation", "m_RangeMin", "lowest new step when the steps change"},
         {"Rotation", "m_RangeMax", "highest new step"},
         {"Rotation", "timeBetweenChange", "seconds between changes"},
         {"Rotation", "timeToChange", "seconds a change takes to reach the new steps"},
         {"Rotation", "m_changeOverTime", "1: the steps change from time to time"},
         {"Rotation", "m_changeX", "1: the x step takes part in changes"},
         {"Rotation", "m_changeY", "1: the y step takes part in changes"},
         {"Rotation", "m_changeZ", "1: the z step takes part in changes"}});
    return meanings;
}
