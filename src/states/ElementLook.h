#pragma once

class GameObject;

/// How a racer's ball shows its element: its three textures and its particle effects.
class ElementLook
{
  public:
    /// Elements 0 fire, 1 water, 2 wind, 3 earth; any other number counts as fire.
    static constexpr int kElementCount = 4;

    /// Gives `ball` the textures of `element`, stops its running effects and starts the element's.
    static void Apply(GameObject& ball, int element);
};
