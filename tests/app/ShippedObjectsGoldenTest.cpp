#include "core/TweakBar.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "support/TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

// Every archetype and scene object under the shipped res/ is written back (both forms of
// Serialize) and shown on a panel (both forms of AddToTweakBar, with the values the entries
// read), and the result is compared with a digest recorded before the field descriptions
// replaced the hand-written lists. After a deliberate change of res/, record the digest again
// with VANTORA_GOLDEN_WRITE=1; VANTORA_GOLDEN_DUMP=FILE writes the full texts for a diff.

namespace
{
std::string GoldenPath(const std::string& name)
{
    return std::string(VANTORA_FIXTURES_DIR) + "/golden/" + name;
}

std::string FloatsText(const void* data, int count)
{
    std::string text;
    const auto* floats = static_cast<const float*>(data);
    for (int i = 0; i < count; ++i)
    {
        char number[32];
        std::snprintf(number, sizeof number, "%s%.9g", i ? "," : "", static_cast<double>(floats[i]));
        text += number;
    }
    return text;
}

std::string ValueText(TweakType type, const void* value)
{
    switch (type)
    {
    case TweakType::Bool:
        return *static_cast<const bool*>(value) ? "true" : "false";
    case TweakType::Int:
    case TweakType::Enum:
        return std::to_string(*static_cast<const int*>(value));
    case TweakType::UInt:
        return std::to_string(*static_cast<const unsigned*>(value));
    case TweakType::Float:
        return FloatsText(value, 1);
    case TweakType::Vector3:
        return FloatsText(value, 3);
    case TweakType::Vector4:
    case TweakType::Color4:
        return FloatsText(value, 4);
    case TweakType::String:
        return *static_cast<const std::string*>(value);
    }
    return "?";
}

// What one panel entry shows: how it is bound and the value it reads now.
std::string EntryText(const TweakEntry& entry)
{
    std::string text = entry.name + "|" + std::to_string(static_cast<int>(entry.access)) + "|" +
                       std::to_string(static_cast<int>(entry.type)) + "|" + entry.definition + "|";
    for (const std::string& name : entry.enumNames)
        text += name + ";";
    if (entry.access == TweakAccess::ReadWrite || entry.access == TweakAccess::ReadOnly)
        text += "=" + ValueText(entry.type, entry.data);
    else if (entry.access == TweakAccess::Callback && entry.getter)
    {
        alignas(16) unsigned char scratch[64] = {};
        std::string textValue;
        void* value = entry.type == TweakType::String ? static_cast<void*>(&textValue) : scratch;
        entry.getter(value);
        text += "=" + ValueText(entry.type, value);
    }
    return text + "\n";
}

std::string ObjectText(const GameObject& object, bool instanceOnly)
{
    XmlFile file;
    XmlElement* root = file.CreateRoot("Components");
    TweakBar bar;
    for (int type = 0; type < kComponentTypeCount; ++type)
        if (Component* component = object.GetComponent(static_cast<ComponentType>(type)))
        {
            component->Serialize(file, root, instanceOnly);
            component->AddToTweakBar(bar, instanceOnly);
        }
    tinyxml2::XMLPrinter printer;
    file.GetDocument().Print(&printer);
    std::string text = printer.CStr();
    for (const TweakEntry& entry : bar.Entries())
        text += EntryText(entry);
    return text;
}

unsigned long long Fnv1a(const std::string& text)
{
    unsigned long long hash = 14695981039346656037ull;
    for (unsigned char c : text)
        hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

// One line per object and form ("where name form hash"); the full texts go to `dump`. Scene
// objects are told apart by their ids; archetypes by name, since their ids follow the order in
// which the folder happens to list the files.
void Digest(const std::string& where, const GameObject& object, std::string& digest, std::string& dump)
{
    for (bool instanceOnly : {false, true})
    {
        const std::string text = ObjectText(object, instanceOnly);
        const std::string key =
            where + " " + object.GetName() + (instanceOnly ? " instance " : " archetype ");
        char hash[24];
        std::snprintf(hash, sizeof hash, "%016llx", Fnv1a(text));
        digest += key + hash + "\n";
        dump += "== " + key + "\n" + text + "\n";
    }
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << text;
}

// Loads every archetype and the named scenes of the tree at `root`; the digest of every object,
// followed by what loading printed.
std::string DigestTree(const std::filesystem::path& root, std::initializer_list<const char*> scenes,
                       const std::string& goldenName)
{
    ScopedWorkingDirectory cwd(root);
    std::string digest, dump;
    const std::string printed = CaptureStdout(
        [&]
        {
            Logic::Instance().Init();
            Factory& factory = Factory::Instance();
            factory.DestroyAll(); // in case an earlier case of this process filled it
            factory.Init();
            for (const auto& [name, archetype] : factory.Archetypes())
                Digest("archetypes", *archetype, digest, dump);
            for (const char* scene : scenes)
            {
                factory.LoadScene(scene);
                for (const auto& [id, object] : factory.GetObjectList(0))
                    Digest(std::string(scene) + "#" + std::to_string(id), *object, digest, dump);
                factory.DestroyList(0);
            }
        });
    digest += "printed:\n" + printed;
    if (const char* dumpPath = std::getenv("VANTORA_GOLDEN_DUMP"))
        WriteText(std::string(dumpPath) + "." + goldenName, dump);
    if (std::getenv("VANTORA_GOLDEN_WRITE"))
        WriteText(GoldenPath(goldenName), digest);
    return digest;
}
} // namespace

TEST(ShippedObjects, WriteBackAndPanelsMatchTheRecordedDigest)
{
    const std::string digest =
        DigestTree(VANTORA_SOURCE_DIR, {"loading", "watertrack"}, "shipped-objects.txt");
    EXPECT_EQ(digest, ReadText(GoldenPath("shipped-objects.txt")))
        << "VANTORA_GOLDEN_DUMP=FILE writes the full texts";
}

TEST(ShippedObjects, EveryComponentTypeAndTheFormatsQuirksMatchTheRecordedDigest)
{
    const std::string digest = DigestTree(FixturePath("fields"), {"fields"}, "fields-fixture.txt");
    EXPECT_EQ(digest, ReadText(GoldenPath("fields-fixture.txt")))
        << "VANTORA_GOLDEN_DUMP=FILE writes the full texts";
}
