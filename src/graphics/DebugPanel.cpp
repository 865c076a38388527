#include "graphics/DebugPanel.h"

#include "core/TweakBar.h"
#include "core/WindowManager.h"
#include "objects/Factory.h"
#include "objects/GameObject.h"
#include "objects/Logic.h"

#include <SDL.h>
#include <backends/imgui_impl_opengl3.h>
#include <backends/imgui_impl_sdl.h>
#include <imgui.h>
#include <imgui_stdlib.h>

#include <cstdint>
#include <map>
#include <vector>

namespace
{
bool IsMouseEvent(uint32_t type)
{
    return type == SDL_MOUSEMOTION || type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP ||
           type == SDL_MOUSEWHEEL;
}

bool IsKeyboardEvent(uint32_t type)
{
    return type == SDL_KEYDOWN || type == SDL_KEYUP || type == SDL_TEXTINPUT;
}

// Draws the widget of one value; true when the user changed it.
bool EditValue(const char* label, TweakType type, void* value, const std::vector<std::string>& enumNames,
               std::string& text)
{
    switch (type)
    {
    case TweakType::Bool:
        return ImGui::Checkbox(label, static_cast<bool*>(value));
    case TweakType::Int:
        return ImGui::InputInt(label, static_cast<int*>(value));
    case TweakType::UInt:
        return ImGui::InputScalar(label, ImGuiDataType_U32, value);
    case TweakType::Float:
        return ImGui::DragFloat(label, static_cast<float*>(value), 0.05f);
    case TweakType::Vector3:
        return ImGui::DragFloat3(label, static_cast<float*>(value), 0.05f);
    case TweakType::Vector4:
        return ImGui::DragFloat4(label, static_cast<float*>(value), 0.05f);
    case TweakType::Color4:
        return ImGui::ColorEdit4(label, static_cast<float*>(value));
    case TweakType::String:
        text = *static_cast<std::string*>(value);
        if (!ImGui::InputText(label, &text))
            return false;
        *static_cast<std::string*>(value) = text;
        return true;
    case TweakType::Enum:
    {
        int* index = static_cast<int*>(value);
        const char* current = *index >= 0 && *index < static_cast<int>(enumNames.size())
                                  ? enumNames[static_cast<size_t>(*index)].c_str()
                                  : "";
        bool changed = false;
        if (ImGui::BeginCombo(label, current))
        {
            for (int i = 0; i < static_cast<int>(enumNames.size()); ++i)
                if (ImGui::Selectable(enumNames[static_cast<size_t>(i)].c_str(), i == *index))
                    *index = i, changed = true;
            ImGui::EndCombo();
        }
        return changed;
    }
    }
    return false;
}
} // namespace

DebugPanel::~DebugPanel()
{
    // Shutdown needs the OpenGL context; at process exit the panel is simply left behind.
}

bool DebugPanel::Init()
{
    WindowManager& window = WindowManager::Instance();
    if (m_running || !window.GetWindow() || !window.GetGlContext())
        return m_running;
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr; // no imgui.ini beside the game
    ImGui::StyleColorsDark();
    if (!ImGui_ImplSDL2_InitForOpenGL(window.GetWindow(), window.GetGlContext()) ||
        !ImGui_ImplOpenGL3_Init("#version 330 core"))
    {
        ImGui::DestroyContext();
        return false;
    }
    m_running = true;
    return true;
}

void DebugPanel::Shutdown()
{
    if (!m_running)
        return;
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
    m_running = false;
    m_visible = false;
}

bool DebugPanel::ProcessEvent(const SDL_Event& event)
{
    if (!m_running)
        return false;
    ImGui_ImplSDL2_ProcessEvent(&event);
    if (!m_visible)
        return false;
    const ImGuiIO& io = ImGui::GetIO();
    return (IsMouseEvent(event.type) && io.WantCaptureMouse) ||
           (IsKeyboardEvent(event.type) && io.WantCaptureKeyboard);
}

void DebugPanel::Draw(TweakBar& bar)
{
    const bool inspect = Logic::Instance().IsDebugDraw();
    if (!inspect && m_selectedId != 0)
    {
        bar.Clear();
        m_selectedId = 0;
    }
    FillFromSelection(bar);
    m_visible = m_running && (inspect || !bar.Entries().empty());
    if (!m_visible)
        return;
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    if (inspect)
        DrawInspector();
    if (!bar.Entries().empty())
        DrawBar(bar);
    ImGui::Render();
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
}

void DebugPanel::DrawBar(TweakBar& bar)
{
    ImGui::SetNextWindowPos({10, 10}, ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowSize({340, 420}, ImGuiCond_FirstUseEver);
    ImGui::Begin(bar.Title().c_str());
    // Entries keep the order they were added in, under the group headers they name.
    std::map<std::string, std::vector<size_t>> groups;
    std::vector<std::string> order;
    for (size_t i = 0; i < bar.Entries().size(); ++i)
    {
        const std::string group = bar.Entries()[i].Group();
        if (!groups.contains(group))
            order.push_back(group);
        groups[group].push_back(i);
    }
    for (const std::string& group : order)
    {
        if (!group.empty() && !ImGui::CollapsingHeader(group.c_str(), ImGuiTreeNodeFlags_DefaultOpen))
            continue;
        for (size_t index : groups[group])
        {
            // A button above may have removed this group while the panel draws.
            if (bar.Entries()[index].removed)
                continue;
            ImGui::PushID(static_cast<int>(index));
            DrawEntry(bar.Entries()[index]);
            ImGui::PopID();
        }
    }
    ImGui::End();
}

void DebugPanel::DrawEntry(const TweakEntry& entry)
{
    const char* label = entry.name.c_str();
    switch (entry.access)
    {
    case TweakAccess::Separator:
        ImGui::Separator();
        ImGui::TextUnformatted(label);
        return;
    case TweakAccess::Button:
        if (ImGui::Button(label) && entry.onClick)
            entry.onClick();
        return;
    case TweakAccess::ReadOnly:
        ImGui::BeginDisabled();
        EditValue(label, entry.type, entry.data, entry.enumNames, m_editText);
        ImGui::EndDisabled();
        return;
    case TweakAccess::ReadWrite:
        EditValue(label, entry.type, entry.data, entry.enumNames, m_editText);
        return;
    case TweakAccess::Callback:
        break;
    }
    // Callback values go through a scratch copy: read with the getter, written with the setter.
    alignas(16) unsigned char scratch[64] = {};
    std::string text;
    void* value = entry.type == TweakType::String ? static_cast<void*>(&text) : scratch;
    if (entry.getter)
        entry.getter(value);
    if (EditValue(label, entry.type, value, entry.enumNames, m_editText) && entry.setter)
        entry.setter(value);
}

void DebugPanel::DrawInspector()
{
    ImGui::SetNextWindowPos({10, 440}, ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowSize({340, 260}, ImGuiCond_FirstUseEver);
    ImGui::Begin("Objects");
    for (const auto& [id, object] : Factory::Instance().GetObjectList(0))
    {
        const std::string label = std::to_string(id) + "  " + object->GetName();
        if (ImGui::Selectable(label.c_str(), id == m_selectedId))
            m_selectedId = id;
    }
    ImGui::End();
}

void DebugPanel::FillFromSelection(TweakBar& bar)
{
    if (m_selectedId == 0)
        return;
    // The bar points into the picked object's components, so it is refilled every frame and
    // never outlives them.
    bar.Clear();
    const GameObject* object = Factory::Instance().FindObject(m_selectedId);
    if (!object)
    {
        m_selectedId = 0;
        return;
    }
    for (int type = 0; type < kComponentTypeCount; ++type)
        if (Component* component = object->GetComponent(static_cast<ComponentType>(type)))
            component->AddToTweakBar(bar, true);
}
