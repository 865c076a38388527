#include "script/ScriptArgs.h"
#include "script/ScriptLibrary.h"
#include "text/TextComponent.h"

#include <array>

namespace
{
using A = ScriptArgs;

TextComponent* TextAt(lua_State* lua)
{
    return A::Find<TextComponent>(lua, 1, ComponentType::TextComponent);
}

int SetObjText(lua_State* lua)
{
    TextComponent* text = TextAt(lua);
    if (!text)
        return 0;
    // A missing textOnly reads as false: the size and the offsets change as well.
    if (!A::Boolean(lua, 3))
    {
        const float size = A::Number(lua, 4);
        text->SetSize(size, size);
        text->SetOffset(A::Number(lua, 5), A::Number(lua, 6));
    }
    text->SetText(A::String(lua, 2));
    return 0;
}

int SetObjTextVisible(lua_State* lua)
{
    if (TextComponent* text = TextAt(lua))
        text->SetVisible(A::Boolean(lua, 2));
    return 0;
}

constexpr std::array kFunctions{
    ScriptFunction{"SetObjText", SetObjText},
    ScriptFunction{"SetObjTextVisible", SetObjTextVisible},
};
} // namespace

std::span<const ScriptFunction> TextFunctions()
{
    return kFunctions;
}
