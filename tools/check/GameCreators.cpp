#include "check/GameCreators.h"

#include "app/CompositionRoot.h"
#include "app/GameComponents.h"
#include "objects/Factory.h"

void RegisterGameCreators()
{
    CompositionRoot::Compose();
    // Registering again replaces each creator with an equal one, so repeated calls are harmless.
    GameComponents().RegisterCreators(Factory::Instance());
}
