// The cost of scripts: a RunScript call, and an engine function called from Lua with object
// references checked (packed handles) and unchecked (raw addresses, as a plain pointer bridge).
#include "core/Engine.h"
#include "core/System.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "script/Script.h"
#include "script/ScriptRefs.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <map>

namespace
{
constexpr int kObjects = 1000;
constexpr int kCallsPerLoop = 1000;

const char* kTransform = "<Transform><Vector4 name=\"position\"><float value=\"1\"/><float value=\"2\"/>"
                         "<float value=\"3\"/><float value=\"1\"/></Vector4></Transform>";

const std::map<std::string, std::string> kScripts = {
    {"empty.lua", "function RunScript(me) end\n"},
    // The small per-object behaviour: five engine calls a frame.
    {"small.lua", "function RunScript(me)\n"
                  "    local x, y, z = GetObjPosition(me)\n"
                  "    SetObjPosition(me, x, y + 0.001, z)\n"
                  "    local sx = GetObjScale(me)\n"
                  "    if IsNullPointer(me) then return end\n"
                  "    local id = GetObjectID(me)\n"
                  "end\n"},
    // One engine call many times over, and the same loop around a C function that does nothing.
    {"calls.lua", "function RunScript(me)\n"
                  "    for i = 1, 1000 do GetObjPosition(me) end\n"
                  "end\n"},
    {"floor.lua", "function RunScript(me)\n"
                  "    for i = 1, 1000 do LuaPrint(me) end\n"
                  "end\n"},
};

/// A resource tree with the scripts and one archetype per script, and the engine on it.
class ScriptBenchWorld
{
  public:
    ScriptBenchWorld()
        : m_root(std::filesystem::temp_directory_path() / "vantora-script-bench"),
          m_previous(std::filesystem::current_path())
    {
        WriteTree();
        std::filesystem::current_path(m_root);
        m_engine = std::make_unique<Engine>(std::map<std::string, System*>{});
        m_engine->SetDeltaTime(1.0f / 60.0f);
        Logic::Instance().Init();
        Factory::Instance().Init();
    }

    ~ScriptBenchWorld()
    {
        Factory::Instance().DestroyAll();
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_root);
    }

    void Populate(const std::string& script, int count)
    {
        Factory::Instance().DestroyList(0);
        for (int i = 0; i < count; ++i)
            Factory::Instance().CreateObject(script);
    }

  private:
    void WriteTree() const
    {
        std::filesystem::create_directories(m_root / "res/scripts");
        std::filesystem::create_directories(m_root / "res/archetype");
        for (const auto& [file, text] : kScripts)
        {
            std::ofstream(m_root / "res/scripts" / file) << text;
            const std::string stem = file.substr(0, file.size() - 4);
            std::ofstream(m_root / "res/archetype" / (stem + ".xml"))
                << "<Archetype name=\"" << stem << "\"><Components>" << kTransform
                << "<Script><string name=\"script\" value=\"" << file
                << "\"/></Script></Components></Archetype>";
        }
    }

    std::filesystem::path m_root;
    std::filesystem::path m_previous;
    std::unique_ptr<Engine> m_engine;
};

ScriptBenchWorld& World()
{
    static ScriptBenchWorld world;
    return world;
}

/// Runs Logic's script pass over `objects` objects of `script`; the counter is the time per
/// RunScript call (or per engine call, with `callsPerRun`).
void RunScripts(benchmark::State& state, const std::string& script, int objects, bool checked,
                int callsPerRun)
{
    ScriptRefs::SetChecking(checked);
    World().Populate(script, objects);
    for (auto _ : state)
        Logic::Instance().Update();
    const double calls = static_cast<double>(state.iterations()) * objects * callsPerRun;
    // Seconds per call, shown with an SI prefix ("38n" is 38 nanoseconds).
    state.counters["per_call"] =
        benchmark::Counter(calls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    ScriptRefs::SetChecking(true);
}

void BM_EmptyRunScript(benchmark::State& state)
{
    RunScripts(state, "empty", kObjects, true, 1);
}

void BM_SmallScript(benchmark::State& state)
{
    RunScripts(state, "small", kObjects, state.range(0) != 0, 1);
}

void BM_EngineCall(benchmark::State& state)
{
    RunScripts(state, "calls", 1, state.range(0) != 0, kCallsPerLoop);
}

void BM_CallFloor(benchmark::State& state)
{
    RunScripts(state, "floor", 1, true, kCallsPerLoop);
}
} // namespace

BENCHMARK(BM_EmptyRunScript);
// Argument 1: references checked; 0: raw addresses.
BENCHMARK(BM_SmallScript)->Arg(1)->Arg(0);
BENCHMARK(BM_EngineCall)->Arg(1)->Arg(0);
BENCHMARK(BM_CallFloor);
