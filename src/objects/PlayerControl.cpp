#include "objects/PlayerControl.h"

#include "objects/GameObject.h"

const PlayerControl* PlayerControl::Of(const GameObject* object)
{
    const Component* controller = object ? object->GetComponent(ComponentType::Controller) : nullptr;
    return dynamic_cast<const PlayerControl*>(controller);
}
