#include "core/WindowManager.h"

WindowManager& WindowManager::Instance()
{
    static WindowManager instance;
    return instance;
}
