#pragma once

#include <array>
#include <string>

class GameObject;

/// The scenes of the screens that show the racers outside a race (select and results): loaded in
/// place of every object, seen through their own camera, one ball per player.
class ShowScene
{
  public:
    /// Unloads every object, loads res/scene/<name>.xml, and views it through the camera of its
    /// first "CameraObj" object in one full-window view. A missing scene or camera leaves the
    /// screen without objects or without a view; the screen's texts and pictures still work.
    static void Load(const std::string& name);
    /// The balls of the loaded scene by player index (their Controller's ID); null where a
    /// player has none.
    static std::array<GameObject*, 4> Balls();
    /// Shows or hides a ball: its mesh, and its particles when hidden.
    static void SetShown(GameObject* ball, bool shown);
};
