#pragma once

#include "objects/Component.h"

/// A view into the world. The graphics system draws one viewport per player camera.
class Camera : public Component
{
public:
    Camera() : Component(ComponentType::Camera) {}
};
