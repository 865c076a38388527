#include "support/FuzzWorld.h"

#include "app/CompositionRoot.h"
#include "core/Engine.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "script/ScriptHost.h"

#include <fstream>
#include <map>
#include <unistd.h>

FuzzWorld& FuzzWorld::Get()
{
    static FuzzWorld world;
    return world;
}

FuzzWorld::FuzzWorld()
{
    CompositionRoot::Compose();
    // A copy per process: harnesses write their inputs into the tree, and several may run at once.
    m_root = std::filesystem::temp_directory_path() / ("vantora-fuzz-" + std::to_string(getpid()));
    std::filesystem::remove_all(m_root);
    std::filesystem::create_directories(m_root);
    std::filesystem::copy(VANTORA_FUZZ_WORLD, m_root / "res", std::filesystem::copy_options::recursive);
    std::filesystem::current_path(m_root);

    m_engine = std::make_unique<Engine>(std::map<std::string, System*>{});
    Logic::Instance().GetScriptHost().SetLimits({kInstructions, kMemory});
    Logic::Instance().Init();
    Factory::Instance().Init();
    m_engine->SetDeltaTime(kFrameTime);
}

FuzzWorld::~FuzzWorld()
{
    Factory::Instance().DestroyAll();
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(m_root, ignored);
}

void FuzzWorld::Write(const std::string& relative, const uint8_t* data, size_t size) const
{
    const std::filesystem::path path = m_root / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void FuzzWorld::LoadScene() const
{
    Factory::Instance().LoadScene("scripted");
    m_engine->SetDeltaTime(kFrameTime);
}

void FuzzWorld::RunFrame() const
{
    Logic::Instance().Update();
    Factory::Instance().PostUpdate();
}

void FuzzWorld::Clear() const
{
    Factory::Instance().PostUpdate();
    for (int list = 0; list < Factory::kListCount; ++list)
        Factory::Instance().DestroyList(list);
    m_engine->SetDeltaTime(kFrameTime);
}
