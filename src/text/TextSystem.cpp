#include "text/TextSystem.h"

TextSystem& TextSystem::Instance()
{
    static TextSystem instance;
    return instance;
}
