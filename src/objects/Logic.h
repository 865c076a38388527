#pragma once

#include "core/System.h"
#include "objects/LogicLinks.h"
#include "objects/ObjectTag.h"

#include <array>
#include <cassert>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class Component;
class GameObject;
class Property;
class ScriptHost;

/// What one player picked on the select screens.
struct PlayerChoice
{
    int element = 0; ///< 0 fire, 1 water, 2 wind, 3 earth
    int chosenLevel = 0;
    bool isComputer = true;
};

/// One element on offer on the character select screen.
struct ElementChoice
{
    unsigned available = 1;
    int element = 0;
    std::string name;
};

/// Drives the per-object components (grounds, controllers, spawners, lives, decorators, scripts)
/// each frame, indexes objects by tag, and keeps the players' choices.
class Logic final : public System
{
  public:
    static Logic& Instance();
    ~Logic() override;
    /// What Logic needs from the higher layers; set by the composition root before first use.
    static void SetLinks(LogicLinks links) { s_links = std::move(links); }

    /// Sets up the script host (library and start-up states), then the player choices.
    void Init() override;
    void PreUpdate() override {}
    void Update() override;
    void PostUpdate() override {}

    PlayerChoice& GetPlayerChoice(int player);
    void SetPlayerElement(int player, int element);
    void SetPlayerIsComputer(int player, bool isComputer);
    /// Every record becomes {fire, last display track, computer}.
    void ResetPlayerChoices();
    /// Record i takes element choice i and is played by a person.
    void SetAllPlayersHuman();
    /// Record i takes element choice i and is played by the computer.
    void SetAllPlayersComputer();
    int& ChosenTrackIndex() { return m_chosenTrack; }
    std::vector<ElementChoice>& ElementChoices() { return m_elementChoices; }

    void RegisterController(Component* c) { m_controllers.push_back(c); }
    bool UnregisterController(Component* c);
    void RegisterGround(Component* c) { m_grounds.push_back(c); }
    bool UnregisterGround(Component* c);
    void RegisterScript(Component* c) { m_scripts.push_back(c); }
    bool UnregisterScript(Component* c);
    void RegisterSpawner(Component* c) { m_spawners.push_back(c); }
    bool UnregisterSpawner(Component* c);
    void RegisterLife(Component* c) { m_lives.push_back(c); }
    bool UnregisterLife(Component* c);
    void RegisterDecorator(Component* c) { m_decorators.push_back(c); }
    bool UnregisterDecorator(Component* c);
    /// Joins the list of the property's tag; an invalid tag is not indexed.
    void RegisterTagged(Property* property);
    bool UnregisterTagged(Property* property);

    /// The owner of the first registered Property whose tag still equals `tag`, or null.
    GameObject* GetObjectByTag(ObjectTag tag) const;
    /// The owners of every Property in the tag's list, in list order.
    std::vector<GameObject*> GetObjectsByTag(ObjectTag tag) const;
    GameObject* GetObjectByTagName(const std::string& name) const;
    /// The first object of the "Player" tag list whose Controller has that player index, or null.
    GameObject* GetPlayerObject(int player) const;
    /// The tag with that name; ObjectTag::Invalid (24) for a name that is not a tag.
    ObjectTag GetTagIndex(const std::string& name) const;
    /// Copy of the ground list.
    std::vector<Component*> GetGrounds() const { return m_grounds; }
    const std::vector<Component*>& Controllers() const { return m_controllers; }
    bool IsDebugDraw() const { return m_debugDraw; }
    /// The Lua host: function library, script files and start-up states.
    ScriptHost& GetScriptHost()
    {
        assert(m_scriptHost && "the composition root gives Logic its script host");
        return *m_scriptHost;
    }
    void SetDebugDraw(bool on) { m_debugDraw = on; }

  private:
    Logic();
    static void UpdateEach(std::vector<Component*>& list);

    std::array<PlayerChoice, 4> m_playerChoices{};
    int m_chosenTrack = 0;
    std::vector<ElementChoice> m_elementChoices;
    bool m_debugDraw = false;
    std::array<std::vector<Property*>, kObjectTagCount> m_tagLists;
    std::vector<Component*> m_controllers;
    std::vector<Component*> m_grounds;
    std::vector<Component*> m_scripts;
    std::vector<Component*> m_spawners;
    std::vector<Component*> m_lives;
    std::vector<Component*> m_decorators;
    std::unordered_map<std::string, ObjectTag> m_tagIndex;
    // Shared only so that Logic can own a class of the scripting layer without seeing it.
    std::shared_ptr<ScriptHost> m_scriptHost;
    static inline LogicLinks s_links;
};
