#include "particles/ParticleComponent.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <array>

namespace
{
using A = ScriptArgs;

ParticleComponent* ParticlesAt(lua_State* lua)
{
    return A::Find<ParticleComponent>(lua, 1, ComponentType::ParticleComponent);
}

int ChangeParticleEffectColor(lua_State* lua)
{
    if (ParticleComponent* particles = ParticlesAt(lua))
        particles->ChangeEffectColor(A::String(lua, 2), A::Four(lua, 3), A::Four(lua, 7), A::Four(lua, 11));
    return 0;
}

int SetParticleEffectActive(lua_State* lua)
{
    if (ParticleComponent* particles = ParticlesAt(lua))
        particles->SetEffectActive(A::String(lua, 2), A::Boolean(lua, 3));
    return 0;
}

int SpawnParticleEffectNow(lua_State* lua)
{
    if (ParticleComponent* particles = ParticlesAt(lua))
        particles->SpawnEffectNow(A::String(lua, 2));
    return 0;
}

constexpr std::array kFunctions{
    ScriptFunction{"ChangeParticleEffectColor", ChangeParticleEffectColor},
    ScriptFunction{"SetParticleEffectActive", SetParticleEffectActive},
    ScriptFunction{"SpawnParticleEffectNow", SpawnParticleEffectNow},
};
} // namespace

std::span<const ScriptFunction> ParticleFunctions()
{
    return kFunctions;
}
