// Every test program starts like the game: the layers wired by the composition root first.
#include "app/CompositionRoot.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    CompositionRoot::Compose();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
