#include "graphics/HudPass.h"

#include "graphics/ResourceTables.h"

namespace
{
constexpr float kLimitSelector = -0.0001f;
constexpr float kHudDepth = -100.0f;
} // namespace

HudPass::HudPass(RenderDevice& device, ResourceTables& resources) : m_device(device), m_resources(resources)
{
    m_texture.SetName(EffectParam::Tex0);
}

Matrix4 HudPass::SpriteWorld(const HudSprite& sprite)
{
    const Matrix4 scale = Matrix4::Scale({2.0f * sprite.w, 2.0f * sprite.h, 0.0f, 0.0f});
    const Matrix4 move =
        Matrix4::Translation({(sprite.x - 0.5f) * 2.0f, (sprite.y - 0.5f) * -2.0f, kHudDepth, 0.0f});
    return move * scale;
}

std::pair<float, float> HudPass::SpriteLimits(const HudSprite& sprite)
{
    if (sprite.extra.x < kLimitSelector)
        return {sprite.extra.y, sprite.extra.z};
    return {1.0f, 1.0f};
}

void HudPass::Draw(const std::vector<HudSprite>& sprites, const std::string& materialName)
{
    if (sprites.empty())
        return;
    Material* textured = m_resources.GetMaterial(materialName);
    if (!textured)
        return;
    for (const HudSprite& sprite : sprites)
        DrawSprite(sprite, *textured);
}

void HudPass::DrawSprite(const HudSprite& sprite, Material& textured)
{
    const bool flat = sprite.texture.empty();
    Material* material = flat ? m_resources.GetMaterial("debug_cam") : &textured;
    const Effect* effect = material ? material->GetEffect() : nullptr;
    const Mesh* quad = m_resources.GetMesh("cubehud.tbm");
    if (!effect || !quad)
        return;
    if (!flat)
    {
        m_texture.SetTexture(m_resources.GetTexture(sprite.texture));
        material->AddProperty(&m_texture);
    }
    material->Begin();
    const auto [uLimit, vLimit] = SpriteLimits(sprite);
    effect->SetFloat(EffectParam::ULimit, uLimit);
    effect->SetFloat(EffectParam::VLimit, vLimit);
    effect->SetMatrix(EffectParam::WorldMat, SpriteWorld(sprite));
    if (flat)
        effect->SetVector(EffectParam::GColor, sprite.extra);
    quad->Draw(m_device);
    material->End();
}
