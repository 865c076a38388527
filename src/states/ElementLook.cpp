#include "states/ElementLook.h"

#include "graphics/MeshRenderer.h"
#include "objects/GameObject.h"
#include "particles/ParticleComponent.h"

#include <array>
#include <initializer_list>

namespace
{
struct Look
{
    const char* diffuse;
    const char* normal;
    const char* specular;
    std::initializer_list<const char*> effects;
};

const std::array<Look, ElementLook::kElementCount> kLooks{{
    {"fireball_diff", "fireball_base_nrm", "fire", {"ballflame", "ballembers"}},
    {"waterball_diff", "waterball_nrm", "fire", {"ballwater", "ballsplash"}},
    {"windball_diff", "windball_nrm", "windball_spec", {"ballwind", "w1", "w2", "w3"}},
    {"earthball_diff_2", "earthball_nrm", "earthball_spec", {"ballearth", "balldust"}},
}};
} // namespace

void ElementLook::Apply(GameObject& ball, int element)
{
    const Look& look = kLooks[element >= 0 && element < kElementCount ? element : 0];
    if (auto* mesh = ball.Get<MeshRenderer>(ComponentType::MeshRenderer))
    {
        mesh->SetTextureName(look.diffuse);
        mesh->SetNormalTextureName(look.normal);
        mesh->SetSpecTextureName(look.specular);
    }
    auto* particles = ball.Get<ParticleComponent>(ComponentType::ParticleComponent);
    if (!particles)
        return;
    particles->SetAllEffectsActive(false);
    for (const char* effect : look.effects)
    {
        particles->LoadEffect(effect);
        particles->SetEffectActive(effect, true);
    }
}
