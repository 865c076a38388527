// Every benchmark program starts like the game: the layers wired by the composition root first.
#include "app/CompositionRoot.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    CompositionRoot::Compose();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
