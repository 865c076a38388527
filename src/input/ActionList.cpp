#include "input/ActionList.h"

ActionList& ActionList::Instance()
{
    static ActionList instance;
    return instance;
}
