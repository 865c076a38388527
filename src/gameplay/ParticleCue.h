#pragma once

#include <functional>
#include <string>

class GameObject;

/// Starts a one-off particle effect (a jump's puff) on an object. The particles live above
/// gameplay, so the composition root fills in who plays it; with nobody set nothing is shown.
class ParticleCue
{
  public:
    /// Plays effect `effect` on `object`'s particle component, if it has one.
    using Player = std::function<void(GameObject& object, const std::string& effect)>;

    /// Sets who plays the cues.
    static void SetPlayer(Player player) { s_player = std::move(player); }
    /// Plays `effect` on `object`; nothing for a null object or without a player.
    static void Play(GameObject* object, const std::string& effect)
    {
        if (object && s_player)
            s_player(*object, effect);
    }

  private:
    static inline Player s_player;
};
