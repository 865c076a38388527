#include "input/XboxInputManager.h"

XboxInputManager& XboxInputManager::Instance()
{
    static XboxInputManager instance;
    return instance;
}
