// Scene loading and archetype cloning through the Factory, and the idle cost of the frame cap.
#include "core/FrameRateController.h"
#include "objects/Factory.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace
{
constexpr int kSceneObjects = 10000;

// Stand-in for component classes that are not in the engine yet, so every object has five
// components that each read fields from XML.
class BenchComponent final : public Component
{
  public:
    explicit BenchComponent(ComponentType type = ComponentType::Light) : Component(type) {}
    std::unique_ptr<Component> Clone() const override
    {
        auto copy = std::make_unique<BenchComponent>(GetType());
        copy->m_value = m_value;
        copy->m_vector = m_vector;
        return copy;
    }
    void Deserialize(XmlFile&, const XmlElement* element) override
    {
        XmlFile::ReadValue(m_value, XmlFile::FindChildElement(element, "float", "value"));
        XmlFile::ReadValue(m_vector, XmlFile::FindChildElement(element, "Vector4", "vector"));
    }

  private:
    float m_value = 0;
    Vector4 m_vector;
};

template <ComponentType kType> class TypedBenchComponent final : public Component
{
  public:
    TypedBenchComponent() : Component(kType) {}
    std::unique_ptr<Component> Clone() const override { return std::make_unique<TypedBenchComponent>(); }
    void Deserialize(XmlFile& file, const XmlElement* element) override
    {
        m_inner.Deserialize(file, element);
    }

  private:
    BenchComponent m_inner;
};

const char* kVector = "<float value=\"1\"/><float value=\"2\"/><float value=\"3\"/><float value=\"1\"/>";

std::string ExtraComponent(const char* name)
{
    return std::string("<") + name + "><float name=\"value\" value=\"2.5\"/><Vector4 name=\"vector\">" +
           kVector + "</Vector4></" + name + ">";
}

void WriteTree(const std::filesystem::path& root)
{
    std::filesystem::create_directories(root / "res/archetype");
    std::filesystem::create_directories(root / "res/scene");
    std::ofstream archetype(root / "res/archetype/benchobject.xml");
    archetype << "<A name=\"BenchObject\"><Components><Transform><Vector4 name=\"position\">" << kVector
              << "</Vector4><Vector4 name=\"scale\">" << kVector << "</Vector4><Vector4 name=\"rotation\">"
              << kVector
              << "</Vector4></Transform><Property><string name=\"Tag\" value=\"Ground\"/></Property>"
              << ExtraComponent("RigidBody") << ExtraComponent("Collider") << ExtraComponent("Light")
              << "</Components></A>";
    std::ofstream scene(root / "res/scene/big.xml");
    scene << "<Scene>";
    for (int i = 1; i <= kSceneObjects; ++i)
        scene << "<O a=\"BenchObject\"><uint name=\"objID\" value=\"" << i
              << "\"/><C><Transform><Vector4 name=\"p\">" << kVector << "</Vector4></Transform></C></O>";
    scene << "</Scene>";
}

// Registers stand-ins only where the engine has no class of that name yet.
template <ComponentType kType> void RegisterIfMissing(Factory& factory)
{
    if (!factory.CreateComponent(ComponentTypeName(kType)))
        factory.RegisterComponent<TypedBenchComponent<kType>>(kType);
}

Factory& PreparedFactory()
{
    static bool ready = false;
    Factory& factory = Factory::Instance();
    if (ready)
        return factory;
    const auto root = std::filesystem::temp_directory_path() / "vantora-bench-factory";
    WriteTree(root);
    std::filesystem::current_path(root);
    factory.Init();
    RegisterIfMissing<ComponentType::RigidBody>(factory);
    RegisterIfMissing<ComponentType::Collider>(factory);
    RegisterIfMissing<ComponentType::Light>(factory);
    factory.DestroyAll();
    factory.LoadAllArchetypes();
    ready = true;
    return factory;
}

void BM_LoadScene10k(benchmark::State& state)
{
    Factory& factory = PreparedFactory();
    for (auto _ : state)
    {
        factory.LoadScene("big");
        state.PauseTiming();
        if (factory.GetObjectList(0).size() != kSceneObjects)
            state.SkipWithError("scene did not load");
        factory.DestroyList(0);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kSceneObjects);
    state.counters["us_per_object"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kSceneObjects),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LoadScene10k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CloneArchetype(benchmark::State& state)
{
    Factory& factory = PreparedFactory();
    for (auto _ : state)
        benchmark::DoNotOptimize(factory.CloneArchetype("BenchObject"));
}
BENCHMARK(BM_CloneArchetype)->Unit(benchmark::kMicrosecond);

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// An idle 60 Hz loop: how much of a core the cap burns, and the shortest frame it allowed.
void BM_IdleFrameCap(benchmark::State& state)
{
    FrameRateController frames;
    frames.SetFrameRate(60);
    double cpu = 0.0;
    double wall = 0.0;
    float shortest = 1.0f;
    for (auto _ : state)
    {
        const double cpuStart = ProcessCpuSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        frames.StartFrame();
        frames.EndFrame();
        cpu += ProcessCpuSeconds() - cpuStart;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        shortest = std::min(shortest, frames.GetDeltaTime());
    }
    state.counters["core_fraction"] = cpu / wall;
    state.counters["shortest_frame_ms"] = shortest * 1000.0;
}
BENCHMARK(BM_IdleFrameCap)->Iterations(180)->UseRealTime()->Unit(benchmark::kMillisecond);
} // namespace
