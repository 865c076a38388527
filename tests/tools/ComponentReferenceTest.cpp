// The component reference: tables made from field descriptions, meanings that must match the
// fields one to one, examples that read back, and the program that keeps docs/components.md current.
#include "docgen/ComponentReference.h"
#include "check/GameCreators.h"
#include "docgen/ReferenceExample.h"
#include "objects/ComponentDescriptions.h"
#include "objects/Factory.h"
#include "objects/FieldList.h"
#include "particles/ParticleDecorator.h"
#include "particles/ParticleDecoratorTable.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace
{
struct Wheel
{
    float grip = 0.8f;

    static const FieldSet<Wheel>& Fields()
    {
        static const FieldList<Wheel> fields = []
        {
            FieldList<Wheel> list("Wheel");
            list.Add("grip", &Wheel::grip).ByPosition();
            return list.Group("");
        }();
        return fields;
    }
};

// A component with one field of each way of being read.
struct Kart
{
    int number = 3;
    Vector4 facing{0, 0, -1, 0};
    float boost = 2.0f;
    int lane = 0;
    float heat = 0.0f;
    std::vector<std::string> crew;
    Wheel wheel;

    static const FieldList<Kart>& Fields()
    {
        static const FieldList<Kart> fields = []
        {
            FieldList<Kart> list("Kart");
            list.Add("number", &Kart::number).ByPosition();
            list.Add("facing", &Kart::facing).ByPosition().Written(FieldScope::ArchetypeOnly);
            list.Add("boost", &Kart::boost).NotCloned();
            list.Add("lane", &Kart::lane).AfterPrevious();
            list.Add("heat", &Kart::heat).NotInFiles();
            list.AddList<std::string>(
                    "member", [](const Kart& k) { return k.crew; },
                    [](Kart& k, const std::string& m) { k.crew.push_back(m); })
                .Container("Crew");
            list.AddNested(&Kart::wheel, Wheel::Fields()).NotCloned();
            list.AddButton("Honk", [](Kart&) {});
            return list;
        }();
        return fields;
    }
};

std::vector<FieldMeaning> KartMeanings()
{
    return {{"Kart", "", "A test kart."},
            {"Kart", "number", "start number"},
            {"Kart", "facing", "where it points"},
            {"Kart", "boost", "push"},
            {"Kart", "lane", "lane"},
            {"Kart", "member", "crew", "Ann"},
            {"Kart", "Wheel", "its wheel"},
            {"Wheel", "", "A wheel."},
            {"Wheel", "grip", "grip"}};
}

std::string KartPage(std::vector<FieldMeaning> meanings, std::string& error)
{
    return ComponentReference(FieldMeanings(std::move(meanings)))
        .Write({{&Kart::Fields(), "<Kart/>\n"}}, {"Boat"}, error);
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

int RunProgram(const std::string& command, std::string& output)
{
    output.clear();
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, read);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

TEST(ComponentReference, TablesSayWhereEachFieldIsReadAndWhetherAClonedObjectGetsIt)
{
    std::string error;
    const std::string page = KartPage(KartMeanings(), error);
    ASSERT_EQ(error, "");
    EXPECT_TRUE(Has(page, "| `number` | `int` | int | `3` | child 1 | always | yes | start number |"))
        << page;
    EXPECT_TRUE(
        Has(page, "| `facing` | `Vector4` | Vector4 | `(0, 0, -1, 0)` | child 2 | archetype | yes |"));
    EXPECT_TRUE(Has(page, "| `boost` | `float` | float | `2` | by name | always | no | push |"));
    EXPECT_TRUE(Has(page, "| `lane` | `int` | int | `0` | after `boost` | always | yes |"));
    EXPECT_TRUE(Has(page, "| `member` | `string` | list of string | empty | children of `Crew` |"));
    EXPECT_TRUE(Has(page, "| `Wheel` | `Wheel` | part | see Wheel | element `Wheel` | always | no |"));
    EXPECT_TRUE(Has(page, "#### Wheel (in Kart)\n\nA wheel.\n"));
    EXPECT_TRUE(Has(page, "| `grip` | `float` | float | `0.8` | child 1 | always | no | grip |"))
        << "a part the clone does not copy leaves every field of it at the default";
    EXPECT_FALSE(Has(page, "heat") || Has(page, "Honk")) << "state and buttons are not in files";
    EXPECT_TRUE(Has(page, "no creator for Boat yet"));
    EXPECT_TRUE(Has(page, "```xml\n<Kart/>\n```"));
}

TEST(ComponentReference, AFieldWithoutAMeaningOrAMeaningWithoutAFieldStopsTheGenerator)
{
    std::vector<FieldMeaning> meanings = KartMeanings();
    meanings.erase(meanings.begin() + 4); // "lane"
    meanings.emplace_back("Kart", "speed", "gone");
    std::string error;
    EXPECT_EQ(KartPage(meanings, error), "");
    EXPECT_EQ(error, "no meaning for Kart/lane; a meaning for no field: Kart/speed (the meanings are in "
                     "tools/docgen/FieldMeaningsTable.cpp)");

    meanings = KartMeanings();
    meanings.erase(meanings.begin() + 7); // the wheel's summary
    KartPage(meanings, error);
    EXPECT_EQ(error, "no meaning for Wheel (what it is for) (the meanings are in "
                     "tools/docgen/FieldMeaningsTable.cpp)");
}

TEST(ComponentReference, FieldsSharingANameTakeTheirMeaningsInOrder)
{
    FieldMeanings meanings({{"Camera", "offset", "first"}, {"Camera", "offset", "second"}});
    EXPECT_EQ(meanings.Claim("Camera", "offset")->text, "first");
    EXPECT_EQ(meanings.Claim("Camera", "offset")->text, "second");
    EXPECT_EQ(meanings.Claim("Camera", "offset"), nullptr);
    EXPECT_TRUE(meanings.Unclaimed().empty());
}

TEST(ComponentReference, EveryShippedExampleReadsBackToItself)
{
    RegisterGameCreators();
    const FieldMeanings meanings = FieldMeanings::Shipped();
    // The Script example attaches a shipped script when it is read.
    ScopedWorkingDirectory cwd(VANTORA_SOURCE_DIR);
    for (const auto& [type, fields] : ComponentDescriptions::All())
    {
        SCOPED_TRACE(ComponentTypeName(type));
        const std::string example = ReferenceExample(type, meanings);
        XmlFile file = XmlFile::FromText("<Components>" + example + "</Components>");
        ASSERT_TRUE(file.IsLoaded()) << example;
        std::unique_ptr<Component> component = Factory::Instance().CreateComponent(ComponentTypeName(type));
        XmlFile written;
        const std::string output = CaptureStdout(
            [&]
            {
                component->Deserialize(file, file.GetRoot()->FirstChildElement());
                component->Serialize(written, written.CreateRoot("Components"), false);
            });
        EXPECT_EQ(output, "") << "an example is read without a complaint";
        tinyxml2::XMLPrinter first(nullptr, true), second(nullptr, true);
        file.GetRoot()->FirstChildElement()->Accept(&first);
        written.GetRoot()->FirstChildElement()->Accept(&second);
        EXPECT_STREQ(first.CStr(), second.CStr());
    }
}

TEST(ComponentReference, BehavioursShareAnElementButAreTitledAndExplainedByTheirOwnNames)
{
    std::vector<FieldMeaning> meanings = KartMeanings();
    meanings.insert(meanings.end(), {{"Spinner", "", "A spinning wheel."}, {"Spinner", "grip", "spin grip"}});
    std::string error;
    const std::string page = ComponentReference(FieldMeanings(std::move(meanings)))
                                 .Write({{&Kart::Fields(), "<Kart/>\n"}}, {}, error,
                                        {{&Wheel::Fields(), "<Wheel/>\n", "Spinner"}});
    ASSERT_EQ(error, "");
    EXPECT_TRUE(Has(page, "## Particle effects"));
    EXPECT_TRUE(Has(page, "### Spinner\n\nA spinning wheel.\n"));
    EXPECT_TRUE(Has(page, "| `grip` | `float` | float | `0.8` | child 1 | always | yes | spin grip |"))
        << page;
}

TEST(ComponentReference, EveryShippedBehaviourExampleReadsBackToItself)
{
    for (int type = 0; type < ParticleDecoratorTable::kCount; ++type)
    {
        const std::string example = BehaviourExample(type);
        XmlFile file = XmlFile::FromText(example);
        ASSERT_TRUE(file.IsLoaded()) << example;
        auto decorator = ParticleDecoratorTable::CreateDecorator(type);
        decorator->Deserialize(file.GetRoot());
        XmlFile written;
        decorator->Serialize(written, written.CreateRoot("Effect"));
        tinyxml2::XMLPrinter first(nullptr, true), second(nullptr, true);
        file.GetRoot()->Accept(&first);
        written.GetRoot()->FirstChildElement()->Accept(&second);
        EXPECT_STREQ(first.CStr(), second.CStr());
    }
    EXPECT_EQ(BehaviourExample(ParticleDecoratorTable::kCount), "");
}

TEST(ComponentReference, TheProgramSaysWhenTheCheckedInPageIsStale)
{
    TempFolder folder;
    std::string page;
    ASSERT_EQ(RunProgram(std::string(VANTORA_DOCGEN_PATH), page), 0);
    EXPECT_TRUE(page.starts_with("# Component reference\n")) << "nothing but the page on standard output";
    folder.Write("components.md", page);
    const std::string path = (folder.Path() / "components.md").string();
    std::string output;
    EXPECT_EQ(RunProgram(std::string(VANTORA_DOCGEN_PATH) + " --check " + path, output), 0);
    EXPECT_EQ(output, "");

    folder.Write("components.md", page + "a hand edit\n");
    EXPECT_EQ(RunProgram(std::string(VANTORA_DOCGEN_PATH) + " --check " + path, output), 1);
    EXPECT_EQ(output, "vantora-docgen: " + path +
                          " is not what the components describe; regenerate it with "
                          "vantora-docgen > " +
                          path + "\n");
}
