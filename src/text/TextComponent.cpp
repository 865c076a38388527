#include "text/TextComponent.h"

#include "core/TweakBar.h"
#include "graphics/GraphicsSystem.h"
#include "objects/FieldList.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "text/TextSystem.h"

#include <cmath>

TextComponent::~TextComponent()
{
    if (m_registered)
        TextSystem::Instance().RemoveTextComponent(this);
}

void TextComponent::Initialize()
{
    TextSystem::Instance().AddTextComponent(this);
    m_registered = true;
}

bool TextComponent::Update()
{
    const auto* transform = GetOwner() ? GetOwner()->Get<Transform>(ComponentType::Transform) : nullptr;
    if (!transform)
        return false;
    Vector4 point = transform->GetPosition();
    point.x += m_xOffset;
    point.y += m_yOffset;
    const GraphicsSystem& graphics = GraphicsSystem::Instance();
    const Vector4 clip = graphics.GetMatrix(GraphicsSystem::kProjectionMatrix) *
                         (graphics.GetMatrix(GraphicsSystem::kViewMatrix) * point);
    // Behind the camera, off the edges, or not a point at all (a NaN fails every comparison).
    if (!(clip.z > 0.0f))
        return false;
    const float nx = clip.x / clip.w;
    const float ny = clip.y / clip.w;
    if (!(nx >= -1.0f && nx <= 1.0f && ny >= -1.0f && ny <= 1.0f))
        return false;
    const Vector4& view = graphics.GetViewportRect();
    const int left = static_cast<int>(view.x);
    const int top = static_cast<int>(view.y);
    const int viewWidth = static_cast<int>(view.z) - left;
    const int viewHeight = static_cast<int>(view.w) - top;
    const auto width = static_cast<int>(graphics.GetWindowWidth());
    const auto height = static_cast<int>(graphics.GetWindowHeight());
    // Projected onto the whole window first, then squeezed into the viewport, as the text was
    // always placed.
    const int px =
        static_cast<int>((nx + 1.0f) * 0.5f * static_cast<float>(width)) * viewWidth / width + left;
    const int py =
        static_cast<int>((1.0f - ny) * 0.5f * static_cast<float>(height)) * viewHeight / height + top;
    m_screenX = nx;
    m_screenY = ny;
    m_rect = {px - viewWidth / 2, py - viewHeight / 2, px + viewWidth / 2, py + viewHeight / 2};
    return true;
}

void TextComponent::SetSize(float width, float height)
{
    // Clamped before truncating: the conversion of a huge float is undefined.
    if (std::isfinite(width))
        m_width = static_cast<int>(std::clamp(width, -1e6f, 1e6f));
    if (std::isfinite(height))
        m_height = static_cast<int>(std::clamp(height, -1e6f, 1e6f));
}

void TextComponent::SetOffset(float x, float y)
{
    if (std::isfinite(x))
        m_xOffset = x;
    if (std::isfinite(y))
        m_yOffset = y;
}

const ComponentFields* TextComponent::Fields() const
{
    static const ComponentFieldList<TextComponent> fields = []
    {
        ComponentFieldList<TextComponent> list(ComponentType::TextComponent);
        // The text is whatever the first child holds, whatever it is called; it is written as "Text".
        list.Add("Text", &TextComponent::m_text).ByPosition().Panel("text", TweakType::String);
        list.Add("Width", &TextComponent::m_width).Panel("x_scale", TweakType::Int);
        list.Add("Height", &TextComponent::m_height).Panel("y_scale", TweakType::Int);
        list.Add("xOffset", &TextComponent::m_xOffset).Panel("x_Offset");
        list.Add("yOffset", &TextComponent::m_yOffset).Panel("y_Offset");
        list.Add("Color", &TextComponent::m_color).Panel("t_color", TweakType::Color4);
        list.Add("visible", &TextComponent::m_visible).Panel("t_visible");
        list.PanelOrder({"text", "t_visible", "x_Offset", "y_Offset", "x_scale", "y_scale", "t_color"});
        return list;
    }();
    return &fields;
}
