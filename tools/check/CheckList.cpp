#include "check/CheckList.h"

#include "check/ArchetypeCheck.h"
#include "check/ComponentCheck.h"
#include "check/EngineFilesCheck.h"
#include "check/FieldCheck.h"
#include "check/FileReferenceCheck.h"
#include "check/FontCheck.h"
#include "check/GateCheck.h"
#include "check/ParticleEffectCheck.h"
#include "check/RaceNodeCheck.h"
#include "check/RacerCheck.h"
#include "check/ScriptCompileCheck.h"
#include "check/SoundBankCheck.h"
#include "check/TrackListCheck.h"
#include "check/XmlFileCheck.h"

std::vector<std::unique_ptr<Check>> MakeChecks(const KnownFields& fields)
{
    std::vector<std::unique_ptr<Check>> checks;
    checks.push_back(std::make_unique<XmlFileCheck>());
    checks.push_back(std::make_unique<ArchetypeCheck>());
    checks.push_back(std::make_unique<ComponentCheck>());
    checks.push_back(std::make_unique<FieldCheck>(fields));
    checks.push_back(std::make_unique<FileReferenceCheck>());
    checks.push_back(std::make_unique<EngineFilesCheck>());
    checks.push_back(std::make_unique<ScriptCompileCheck>());
    checks.push_back(std::make_unique<TrackListCheck>());
    checks.push_back(std::make_unique<GateCheck>());
    checks.push_back(std::make_unique<RaceNodeCheck>());
    checks.push_back(std::make_unique<RacerCheck>());
    checks.push_back(std::make_unique<FontCheck>());
    checks.push_back(std::make_unique<ParticleEffectCheck>());
    checks.push_back(std::make_unique<SoundBankCheck>());
    return checks;
}

void RunChecks(const ContentTree& tree, const KnownFields& fields, ProblemReport& report)
{
    for (const std::unique_ptr<Check>& check : MakeChecks(fields))
        check->Run(tree, report);
}
