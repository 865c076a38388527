#include "graphics/MeshRenderer.h"
#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace
{
using A = ScriptArgs;

MeshRenderer* RendererAt(lua_State* lua)
{
    return A::Find<MeshRenderer>(lua, 1, ComponentType::MeshRenderer);
}

int SetMeshVisible(lua_State* lua)
{
    if (MeshRenderer* renderer = RendererAt(lua))
        renderer->SetVisible(A::Boolean(lua, 2));
    return 0;
}

int ToggleMeshVisible(lua_State* lua)
{
    if (MeshRenderer* renderer = RendererAt(lua))
        renderer->ToggleVisible();
    return 0;
}

int GetMeshVisible(lua_State* lua)
{
    const MeshRenderer* renderer = RendererAt(lua);
    return renderer ? A::PushBoolean(lua, renderer->IsVisible()) : 0;
}

int ChangeTexture(lua_State* lua)
{
    MeshRenderer* renderer = RendererAt(lua);
    if (!renderer)
        return 0;
    // Texture names are kept lower case, as the texture table stores them.
    std::string name = A::String(lua, 3);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    switch (A::Integer(lua, 2))
    {
    case 1:
        renderer->SetNormalTextureName(name);
        break;
    case 2:
        renderer->SetSpecTextureName(name);
        break;
    default:
        renderer->SetTextureName(name);
        break;
    }
    return 0;
}

int GetTextureName(lua_State* lua)
{
    const MeshRenderer* renderer = RendererAt(lua);
    return renderer ? A::PushString(lua, renderer->GetTextureName()) : 0;
}

constexpr std::array kFunctions{
    ScriptFunction{"SetMeshVisible", SetMeshVisible}, ScriptFunction{"ToggleMeshVisible", ToggleMeshVisible},
    ScriptFunction{"GetMeshVisible", GetMeshVisible}, ScriptFunction{"ChangeTexture", ChangeTexture},
    ScriptFunction{"GetTextureName", GetTextureName},
};
} // namespace

std::span<const ScriptFunction> MeshFunctions()
{
    return kFunctions;
}
