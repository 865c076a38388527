#include "objects/Logic.h"

#include "core/EngineGlobals.h"
#include "core/SwapRemove.h"
#include "core/VirtualKey.h"
#include "objects/GameObject.h"
#include "objects/PlayerControl.h"
#include "objects/Property.h"

namespace
{
constexpr const char* kElementNames[4] = {"fire", "water", "wind", "earth"};

int LastDisplayTrack()
{
    return static_cast<int>(displayTrackNames.size()) - 1;
}
} // namespace

Logic::Logic() : m_scriptHost(s_links.makeScriptHost ? s_links.makeScriptHost() : nullptr)
{
    for (int tag = 0; tag < kObjectTagCount; ++tag)
        m_tagIndex.emplace(ObjectTagName(static_cast<ObjectTag>(tag)), static_cast<ObjectTag>(tag));
}

Logic& Logic::Instance()
{
    static Logic instance;
    return instance;
}

Logic::~Logic() = default;

void Logic::Init()
{
    if (m_scriptHost && s_links.setUpScriptHost)
        s_links.setUpScriptHost(*m_scriptHost);
    ResetPlayerChoices();
    m_chosenTrack = 0;
    m_elementChoices.clear();
    for (int element = 0; element < 4; ++element)
        m_elementChoices.push_back({1, element, kElementNames[element]});
}

void Logic::Update()
{
    if (s_links.isKeyTriggered && s_links.isKeyTriggered(VirtualKey::kF1))
        m_debugDraw = !m_debugDraw;
    if (s_links.isKeyTriggered && s_links.isKeyTriggered(VirtualKey::kF11) && s_links.toggleFullscreen)
        s_links.toggleFullscreen();

    UpdateEach(m_grounds);
    UpdateEach(m_controllers);
    UpdateEach(m_spawners);
    UpdateEach(m_lives);
    UpdateEach(m_decorators);
    UpdateEach(m_scripts);
}

void Logic::UpdateEach(std::vector<Component*>& list)
{
    // The size is read afresh: an update may create or destroy components of the same list.
    for (size_t i = 0; i < list.size(); ++i)
        list[i]->Update();
}

PlayerChoice& Logic::GetPlayerChoice(int player)
{
    if (player < 0 || player >= static_cast<int>(m_playerChoices.size()))
    {
        // Out-of-range players read and write a scratch record, never a real player's.
        static PlayerChoice scratch;
        scratch = {};
        return scratch;
    }
    return m_playerChoices[static_cast<size_t>(player)];
}

void Logic::SetPlayerElement(int player, int element)
{
    GetPlayerChoice(player).element = element;
}

void Logic::SetPlayerIsComputer(int player, bool isComputer)
{
    GetPlayerChoice(player).isComputer = isComputer;
}

void Logic::ResetPlayerChoices()
{
    for (PlayerChoice& choice : m_playerChoices)
        choice = {0, LastDisplayTrack(), true};
}

void Logic::SetAllPlayersHuman()
{
    for (size_t i = 0; i < m_playerChoices.size() && i < m_elementChoices.size(); ++i)
    {
        m_playerChoices[i].element = m_elementChoices[i].element;
        m_playerChoices[i].isComputer = false;
    }
}

void Logic::SetAllPlayersComputer()
{
    for (size_t i = 0; i < m_playerChoices.size() && i < m_elementChoices.size(); ++i)
    {
        m_playerChoices[i].element = m_elementChoices[i].element;
        m_playerChoices[i].isComputer = true;
    }
}

bool Logic::UnregisterController(Component* c)
{
    return SwapRemove(m_controllers, c);
}
bool Logic::UnregisterGround(Component* c)
{
    return SwapRemove(m_grounds, c);
}
bool Logic::UnregisterScript(Component* c)
{
    return SwapRemove(m_scripts, c);
}
bool Logic::UnregisterSpawner(Component* c)
{
    return SwapRemove(m_spawners, c);
}
bool Logic::UnregisterLife(Component* c)
{
    return SwapRemove(m_lives, c);
}
bool Logic::UnregisterDecorator(Component* c)
{
    return SwapRemove(m_decorators, c);
}

void Logic::RegisterTagged(Property* property)
{
    if (IsValidTag(property->GetTag()))
        m_tagLists[static_cast<size_t>(property->GetTag())].push_back(property);
}

bool Logic::UnregisterTagged(Property* property)
{
    // Searched in every list: the tag may have been changed (the debug panel edits it) since the
    // property registered.
    for (auto& list : m_tagLists)
        if (SwapRemove(list, property))
            return true;
    return false;
}

GameObject* Logic::GetObjectByTag(ObjectTag tag) const
{
    if (!IsValidTag(tag))
        return nullptr;
    for (Property* property : m_tagLists[static_cast<size_t>(tag)])
        if (property->GetTag() == tag)
            return property->GetOwner();
    return nullptr;
}

std::vector<GameObject*> Logic::GetObjectsByTag(ObjectTag tag) const
{
    std::vector<GameObject*> owners;
    if (!IsValidTag(tag))
        return owners;
    for (Property* property : m_tagLists[static_cast<size_t>(tag)])
        owners.push_back(property->GetOwner());
    return owners;
}

GameObject* Logic::GetObjectByTagName(const std::string& name) const
{
    return GetObjectByTag(GetTagIndex(name));
}

GameObject* Logic::GetPlayerObject(int player) const
{
    for (Property* property : m_tagLists[static_cast<size_t>(ObjectTag::Player)])
    {
        GameObject* owner = property->GetOwner();
        const PlayerControl* controller = PlayerControl::Of(owner);
        if (controller && controller->GetPlayerIndex() == player)
            return owner;
    }
    return nullptr;
}

ObjectTag Logic::GetTagIndex(const std::string& name) const
{
    auto found = m_tagIndex.find(name);
    return found == m_tagIndex.end() ? ObjectTag::Invalid : found->second;
}
