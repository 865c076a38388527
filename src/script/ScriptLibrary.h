#pragma once

#include "script/ScriptHost.h"

#include <span>

// The families of the script function library. A family is a table of functions; the host adds
// each with one line in ScriptHost::RegisterFunctions.

/// Random numbers, vectors, frame time, null tests and other states' globals.
std::span<const ScriptFunction> UtilityFunctions();
/// Actions, gamepad buttons and keys.
std::span<const ScriptFunction> InputFunctions();
/// Position, scale and rotation.
std::span<const ScriptFunction> TransformFunctions();
/// Rigid bodies, collider categories and what an object touched this frame.
std::span<const ScriptFunction> PhysicsFunctions();
/// Objects by id and tag, tags, ids, destruction and remaining life.
std::span<const ScriptFunction> ObjectFunctions();
/// Racers' controllers, laps, places and the end of the race.
std::span<const ScriptFunction> RaceFunctions();
/// Spawners, their spawned objects and spawned objects' scripts.
std::span<const ScriptFunction> SpawnerFunctions();
/// Camera snap and shake, screen texts, boxes and HUD quads, window size.
std::span<const ScriptFunction> CameraFunctions();
/// The current game screen and switching it.
std::span<const ScriptFunction> GameStateFunctions();
/// Mesh renderers: visibility and texture names.
std::span<const ScriptFunction> MeshFunctions();
/// Object labels: their text, size, offset and visibility.
std::span<const ScriptFunction> TextFunctions();
/// Particle effects: switching them on and off, bursts and colours.
std::span<const ScriptFunction> ParticleFunctions();
/// Sound events: playing one by path, stopping every effect.
std::span<const ScriptFunction> SoundFunctions();
