// vantora-docgen [--check FILE]: writes the component reference (docs/components.md) to standard
// output, or says whether FILE is still what the components describe.
#include "check/GameCreators.h"
#include "docgen/ComponentReference.h"
#include "docgen/ReferenceExample.h"
#include "objects/ComponentDescriptions.h"
#include "objects/FieldSet.h"
#include "particles/ParticleDecoratorTable.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace
{
constexpr int kMismatch = 1;
constexpr int kUsageError = 2;

std::string ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The page, or empty with `error` set.
std::string Generate(std::string& error)
{
    RegisterGameCreators();
    FieldMeanings meanings = FieldMeanings::Shipped();
    std::vector<ComponentReference::Entry> entries;
    std::vector<std::string> unbuilt;
    const auto descriptions = ComponentDescriptions::All();
    for (int number = 0; number < kComponentTypeCount; ++number)
    {
        const auto type = static_cast<ComponentType>(number);
        const auto found = descriptions.find(type);
        if (found == descriptions.end())
            unbuilt.emplace_back(ComponentTypeName(type));
        else
            entries.push_back({found->second, ReferenceExample(type, meanings)});
    }
    std::vector<ComponentReference::Entry> behaviours;
    int type = 0;
    for (const ParticleDecoratorTable::Entry& behaviour : ParticleDecoratorTable::All())
        behaviours.push_back({behaviour.fields, BehaviourExample(type++), behaviour.name});
    return ComponentReference(std::move(meanings)).Write(entries, unbuilt, error, behaviours);
}
} // namespace

int main(int argc, char** argv)
{
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 1 && !check)
    {
        std::printf("usage: vantora-docgen [--check FILE]\n");
        return kUsageError;
    }
    std::string error;
    const std::string page = Generate(error);
    if (!error.empty())
    {
        std::printf("vantora-docgen: %s\n", error.c_str());
        return kMismatch;
    }
    if (!check)
    {
        std::fputs(page.c_str(), stdout);
        return 0;
    }
    if (ReadFile(argv[2]) == page)
        return 0;
    std::printf("vantora-docgen: %s is not what the components describe; regenerate it with "
                "vantora-docgen > %s\n",
                argv[2], argv[2]);
    return kMismatch;
}
