// The content checker against a tree with a mistake of every kind planted, against small trees
// built for one rule each, and as a program.
#include "check/CheckList.h"
#include "check/ContentTree.h"
#include "check/DescribedFields.h"
#include "check/FieldCheck.h"
#include "check/LuaGlobals.h"
#include "check/NameSuggestion.h"
#include "check/ProblemReport.h"
#include "check/RaceScene.h"
#include "objects/FieldList.h"
#include "support/ProgramRun.h"
#include "support/TestSupport.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <lua.hpp>

namespace
{
ProblemReport CheckTree(const std::string& root, std::vector<std::string> tracks = {})
{
    ProblemReport report;
    CaptureStdout(
        [&]
        {
            const ContentTree tree(root, std::move(tracks));
            RunChecks(tree, DescribedFields(), report);
        });
    return report;
}

// The findings whose file ends with `file`, at `line`, that contain `text`.
int CountFindings(const ProblemReport& report, Severity severity, const std::string& file, int line,
                  const std::string& text)
{
    int count = 0;
    for (const Finding& finding : report.Findings())
        count += finding.severity == severity && finding.file.ends_with(file) && finding.line == line &&
                 finding.text.find(text) != std::string::npos;
    return count;
}

std::string All(const ProblemReport& report)
{
    std::string text;
    for (const Finding& finding : report.Findings())
        text += finding.Format() + "\n";
    return text;
}

bool Mentions(const ProblemReport& report, const std::string& text)
{
    return All(report).find(text) != std::string::npos;
}

// Runs the program; its exit status, and what it printed in `output`.
int RunCheck(const std::string& args, std::string* output = nullptr)
{
    return RunProgram(std::string(VANTORA_CHECK_PATH) + " " + args, output);
}

const char* const kArchetypeHead = "<?xml version=\"1.0\"?>\n";

// A scene object of `archetype` at (x, 0, z) with extra overrides.
std::string Entry(const std::string& archetype, int id, float x, float z, const std::string& more = "")
{
    char position[160];
    std::snprintf(position, sizeof position,
                  "<Transform><Vector4 name=\"position\"><float value=\"%g\"/><float value=\"0\"/><float "
                  "value=\"%g\"/><float value=\"1\"/></Vector4></Transform>",
                  static_cast<double>(x), static_cast<double>(z));
    return "<Object archetype=\"" + archetype + "\"><uint name=\"objID\" value=\"" + std::to_string(id) +
           "\"/><Overrides>" + position + more + "</Overrides></Object>\n";
}
} // namespace

TEST(ContentCheck, NamesEveryPlantedMistakeWithFileLineAndObjectAndNothingElse)
{
    const ProblemReport report = CheckTree(FixturePath("check"));
    struct Planted
    {
        const char* file;
        int line;
        const char* text;
    };
    const Planted planted[] = {
        {"archetype/brokenxml.xml", 5, "is not well-formed XML"},
        {"scene/harbour.xml", 102,
         "object 60 (Gtae) is left out of the scene: archetype 'Gtae' does not exist; "
         "did you mean 'Gate'?"},
        {"scene/harbour.xml", 24, "object 10 (Wall): 'Tranform' is not a component type"},
        {"scene/harbour.xml", 42, "object 22 (Gate): its archetype has no MeshRenderer"},
        {"archetype/gate.xml", 8,
         "Collider has no field 'bitType', so it is ignored; did you mean 'bit_type'?"},
        {"archetype/wall.xml", 7, "mesh 'wal.tbm' is not in"},
        {"archetype/wall.xml", 8, "texture 'brikcs' is not in"},
        {"archetype/racelogic.xml", 6, "script 'racelvl.lua' is not in"},
        {"res/models/", 0, "'cubehud.tbm' is missing"},
        {"scripts/broken.lua", 3, "does not compile: '<name>' expected near '='"},
        {"TrackList.xml", 5, "track 'harbour' has no preview picture 'harbour_preview'"},
        {"TrackList.xml", 6, "track 'ghosttrack' has no scene"},
        {"TrackList.xml", 6, "track 'ghosttrack' has no preview picture"},
        {"scene/harbour.xml", 44, "there is no gate 3, so no racer ever passes gate 4 (object 23 (Gate))"},
        {"scene/harbour.xml", 31, "the gate nearest the starting grid is gate 1 (object 20 (Gate))"},
        {"scene/harbour.xml", 93, "the race line does not close"},
        {"scene/harbour.xml", 17, "object 4 (Racer) is a racer whose Controller gives no player index"},
        {"scene/harbour.xml", 0, "no racer is player 3"},
        {"fonts/font.xml", 2, "font file 'LeagueSpartan-Bld.otf' is not in res/fonts/"},
        {"particleeffects/sparks.xml", 5, "texture 'sprak' is not in res/textures/"},
        {"particleeffects/sparks.xml", 6, "maxParticle 10000000 is out of range"},
        {"particleeffects/sparks.xml", 7, "the effect has no float setting 'spawnrate'"},
        {"particleeffects/sparks.xml", 9, "'Sparkle' is no particle behaviour"},
        {"audio/bank.xml", 4, "event path 'SFX/Gate' does not start with \"event:/\""},
        {"audio/bank.xml", 5, "event 'event:/SFX/Lap': file 'sfx/lap.wav' is not in res/audio/"},
        {"audio/bank.xml", 6, "event 'event:/SFX/WrongWay': loop 'yes' is neither"},
        {"audio/bank.xml", 7, "event 'event:/Error': volume '1.5' is not a number from 0 to 1"},
        {"audio/bank.xml", 2,
         "lacks events the game plays (they sound as \"Error\"): SFX/PlayerLand, "
         "SFX/BumpBall"},
    };
    for (const Planted& p : planted)
        EXPECT_EQ(CountFindings(report, Severity::Problem, p.file, p.line, p.text), 1)
            << p.file << ":" << p.line << " " << p.text << "\n"
            << All(report);
    EXPECT_EQ(report.ProblemCount(), static_cast<int>(std::size(planted))) << All(report);

    // Legal but worth a look: an alternative gate, and a misspelt engine function in RunScript.
    EXPECT_EQ(CountFindings(report, Severity::Warning, "scene/harbour.xml", 40, "is gate 2 like object 21"),
              1);
    EXPECT_EQ(
        CountFindings(report, Severity::Warning, "scripts/racelevel.lua", 5,
                      "'GetObjPositoin' is neither an engine function nor set by this script; calling it "
                      "stops RunScript with an error; did you mean 'GetObjPosition'?"),
        1);
    EXPECT_EQ(report.WarningCount(), 2) << All(report);
}

TEST(ContentCheck, TheProgramFailsOnProblemsOnlyAndSaysWhenThereIsNoTree)
{
    std::string output;
    EXPECT_EQ(RunCheck("--root " + std::string(VANTORA_SOURCE_DIR), &output), 0) << output;
    EXPECT_EQ(output, "vantora-check: no problems\n") << "the shipped content is clean";
    EXPECT_EQ(RunCheck("--root " + FixturePath("check"), &output), 1);
    EXPECT_TRUE(output.ends_with("\nvantora-check: 28 problems, 2 warnings\n")) << output;
    EXPECT_EQ(RunCheck("--root " + FixturePath("check") + " --colour", &output), 2);
    EXPECT_EQ(RunCheck("--root /nonexistent", &output), 2);
    EXPECT_EQ(output, "vantora-check: there is no folder res/ in '/nonexistent'\n");

    // Warnings alone pass.
    TempFolder root;
    std::filesystem::copy(std::filesystem::path(VANTORA_SOURCE_DIR) / "res", root.Path() / "res",
                          std::filesystem::copy_options::recursive);
    root.Write("res/scripts/quiet.lua", "function RunScript(me) Undefined() end\n");
    EXPECT_EQ(RunCheck("--root " + root.Path().string(), &output), 0);
    EXPECT_NE(output.find("warning: " + (root.Path() / "res/scripts/quiet.lua").string() + ":1: 'Undefined'"),
              std::string::npos)
        << output;
}

TEST(ContentCheck, NamedTracksAreTheOnlyScenesReadAndMissingOnesAreSaid)
{
    const ProblemReport report = CheckTree(FixturePath("check"), {"harbour", "lagoon"});
    EXPECT_EQ(CountFindings(report, Severity::Problem, "res/scene/", 0, "track 'lagoon' has no scene"), 1)
        << All(report);
    EXPECT_FALSE(Mentions(report, "ghosttrack"))
        << "with tracks named, the track list does not say which race";
    EXPECT_EQ(CountFindings(report, Severity::Problem, "scene/harbour.xml", 44, "there is no gate 3"), 1);
}

TEST(ContentCheck, RaceValuesAreTheArchetypesClonedWithTheOverridesOnTop)
{
    TempFolder root;
    root.Write("res/archetype/node.xml", std::string(kArchetypeHead) +
                                             "<A name=\"Node\"><Components><Transform/>"
                                             "<RaceNode><int name=\"ID\" value=\"4\"/></RaceNode>"
                                             "</Components></A>");
    root.Write("res/archetype/gate.xml", std::string(kArchetypeHead) +
                                             "<A name=\"Gate\"><Components><Transform/>"
                                             "<CheckPoint><int name=\"cpNum\" value=\"7\"/></CheckPoint>"
                                             "</Components></A>");
    root.Write("res/scene/t.xml",
               "<Scene>" + Entry("Node", 1, 1, 2) +
                   Entry("Node", 2, 0, 0, "<RaceNode><int name=\"ID\" value=\"9\"/></RaceNode>") +
                   Entry("Gate", 3, 5, 6) +
                   Entry("Gate", 4, 0, 0,
                         "<CheckPoint><int name=\"cpNum\" value=\"2\"/></CheckPoint>"
                         "<CheckPoint><int name=\"cpNum\" value=\"3\"/></CheckPoint>") +
                   "</Scene>");
    CaptureStdout(
        [&]
        {
            const ContentTree tree(root.Path().string(), {"t"});
            const RaceScene race(tree, *tree.FindScene("t"));
            ASSERT_EQ(race.Nodes().size(), 2u);
            EXPECT_EQ(race.Nodes()[0].id, 5)
                << "a cloned node is numbered after its archetype, as in the game";
            EXPECT_EQ(race.Nodes()[1].id, 9);
            ASSERT_EQ(race.Gates().size(), 2u);
            EXPECT_EQ(race.Gates()[0].number, 7);
            EXPECT_EQ(race.Gates()[0].position, (Vector4{5, 0, 6, 1}));
            EXPECT_EQ(race.Gates()[1].number, 3) << "overrides are read in document order";
            EXPECT_FALSE(race.Gates()[0].hasCollider);
        });
}

TEST(ContentCheck, GatesRepeatedOnlyWarnAndAGateThatCannotBePassedIsAProblem)
{
    TempFolder root;
    root.Write("res/archetype/gate.xml",
               std::string(kArchetypeHead) +
                   "<A name=\"Gate\"><Components><Transform/><Collider/><CheckPoint><int name=\"cpNum\" "
                   "value=\"1\"/><Vector4 name=\"facing\"><float value=\"0\"/><float value=\"0\"/><float "
                   "value=\"1\"/><float value=\"0\"/></Vector4></CheckPoint></Components></A>");
    const std::string zeroFacing =
        "<CheckPoint><int name=\"cpNum\" value=\"2\"/><Vector4 name=\"facing\"><float "
        "value=\"0\"/><float value=\"0\"/><float value=\"0\"/><float value=\"0\"/>"
        "</Vector4></CheckPoint>";
    root.Write("res/scene/t.xml",
               "<Scene>" + Entry("Gate", 1, 0, 100) +
                   Entry("Gate", 2, 0, 110, "<CheckPoint><int name=\"cpNum\" value=\"2\"/></CheckPoint>") +
                   Entry("Gate", 3, 0, 120, zeroFacing) + "</Scene>");
    const ProblemReport report = CheckTree(root.Path().string(), {"t"});
    EXPECT_EQ(CountFindings(report, Severity::Warning, "t.xml", 3, "object 3 (Gate) is gate 2 like object 2"),
              1)
        << All(report);
    EXPECT_EQ(CountFindings(report, Severity::Problem, "t.xml", 3, "object 3 (Gate) (gate 2) faces nowhere"),
              1)
        << All(report);
    EXPECT_FALSE(Mentions(report, "there is no gate"));
}

TEST(ContentCheck, ARaceLineThatLeavesTheTrackIsSaidWhereItJumps)
{
    TempFolder root;
    root.Write("res/archetype/node.xml",
               std::string(kArchetypeHead) +
                   "<A name=\"Node\"><Components><Transform/><RaceNode/></Components></A>");
    // Eight nodes round a ring 40 across, the fifth put far away.
    std::string scene = "<Scene>\n";
    for (int i = 0; i < 8; ++i)
    {
        const float angle = 0.785398f * static_cast<float>(i);
        scene += Entry("Node", 10 + i, i == 4 ? 500.0f : 20.0f * std::cos(angle), 20.0f * std::sin(angle),
                       "<RaceNode><int name=\"ID\" value=\"" + std::to_string(i) + "\"/></RaceNode>");
    }
    root.Write("res/scene/t.xml", scene + "</Scene>");
    const ProblemReport report = CheckTree(root.Path().string(), {"t"});
    EXPECT_EQ(
        CountFindings(report, Severity::Problem, "t.xml", 6,
                      "the race line jumps 514 units from node ID 3 (object 13 (Node)) to node ID 4 (object "
                      "14 (Node)) while nodes are about 15 apart"),
        1)
        << All(report);
    EXPECT_EQ(CountFindings(report, Severity::Problem, "t.xml", 7,
                            "from node ID 4 (object 14 (Node)) to node ID 5"),
              1);
    EXPECT_FALSE(Mentions(report, "does not close")) << "the ring itself closes";
}

TEST(ContentCheck, FieldNamesComeFromAPluggableSource)
{
    class OnlyMass final : public KnownFields
    {
      public:
        std::optional<std::set<std::string>> FieldsOf(const std::string& component) const override
        {
            return component == "RigidBody" ? std::optional(std::set<std::string>{"mass"}) : std::nullopt;
        }
    };
    TempFolder root;
    root.Write("res/archetype/box.xml",
               std::string(kArchetypeHead) +
                   "<A name=\"Box\"><Components>\n"
                   "<RigidBody><float name=\"mass\" value=\"1\"/><float name=\"masss\" "
                   "value=\"2\"/></RigidBody>\n"
                   "<Transform><Vector4 name=\"postion\"/></Transform>\n"
                   "<Collider><float value=\"1\" name=\"bit_field\"/></Collider>\n"
                   "</Components></A>");
    ProblemReport report;
    CaptureStdout(
        [&]
        {
            const ContentTree tree(root.Path().string(), {"none"});
            FieldCheck(OnlyMass()).Run(tree, report);
        });
    ASSERT_EQ(report.ProblemCount(), 1) << "components the source does not know are skipped: " << All(report);
    EXPECT_EQ(CountFindings(report, Severity::Problem, "box.xml", 3, "RigidBody has no field 'masss'"), 1);

    ProblemReport table;
    CaptureStdout(
        [&]
        {
            const ContentTree tree(root.Path().string(), {"none"});
            FieldCheck(DescribedFields()).Run(tree, table);
        });
    EXPECT_EQ(CountFindings(table, Severity::Problem, "box.xml", 4, "Transform has no field 'postion'"), 1);
    EXPECT_EQ(CountFindings(table, Severity::Warning, "box.xml", 5, "put the \"name\" attribute first"), 1)
        << All(table);
}

TEST(ContentCheck, AFieldIsKnownAsSoonAsItsComponentDescribesIt)
{
    struct Kart
    {
        float grip = 1.0f;
        float heat = 0.0f;
        static const FieldList<Kart>& Fields()
        {
            static const FieldList<Kart> fields = []
            {
                FieldList<Kart> list("Kart");
                list.Add("grip", &Kart::grip);
                list.Add("heat", &Kart::heat).NotInFiles();
                return list;
            }();
            return fields;
        }
    };
    EXPECT_EQ(DescribedFields({&Kart::Fields()}).FieldsOf("Kart"), (std::set<std::string>{"grip"}))
        << "state that only Clone or the panel knows is no field of a file";
}

TEST(ContentCheck, TheGamesComponentsNameTheirFieldsAsTheirWriterWritesThem)
{
    const DescribedFields fields;
    using Names = std::set<std::string>;
    EXPECT_EQ(fields.FieldsOf("Camera"),
              (Names{"offset", "m_updateCamPos", "followStiffness", "followDamping"}))
        << "all three camera vectors are written \"offset\"";
    EXPECT_EQ(fields.FieldsOf("Controller/Mover"), (Names{"springOffset", "springStiffness", "springDamping",
                                                          "springMass", "springMassForce", "facing"}));
    EXPECT_EQ(fields.FieldsOf("DecoratorComp"), (Names{"DT_Scale", "DT_Life"}));
    EXPECT_EQ(fields.FieldsOf("DecoratorComp/DT_Life"), (Names{"lifeMin", "lifeMax"}));
    EXPECT_TRUE(fields.FieldsOf("Spawner")->contains("SpawnList"));
    EXPECT_FALSE(fields.FieldsOf("Spawner/SpawnList"))
        << "every child of the list is an item, whatever its name";
    EXPECT_FALSE(fields.FieldsOf("Script"));
    EXPECT_FALSE(fields.FieldsOf("Ground"));
    EXPECT_EQ(fields.FieldsOf("Spin"), Names{}) << "its angle is not kept in files";
    EXPECT_FALSE(fields.FieldsOf("RigidBody")->contains("inverseMass"));
    EXPECT_EQ(fields.FieldsOf("TextComponent"),
              (Names{"Text", "Width", "Height", "xOffset", "yOffset", "Color", "visible"}));
    EXPECT_FALSE(fields.FieldsOf("ParticleComponent")) << "each child names an effect, whatever its tag";

    TempFolder root;
    root.Write("res/archetype/racer.xml",
               std::string(kArchetypeHead) + "<A name=\"Racer\"><Components>\n"
                                             "<Camera><float name=\"followStifness\" value=\"1\"/></Camera>\n"
                                             "<DecoratorComp><DT_Life value=\"1\"/><DT_Size value=\"0\"/>"
                                             "</DecoratorComp>\n"
                                             "</Components></A>");
    ProblemReport report;
    CaptureStdout(
        [&]
        {
            const ContentTree tree(root.Path().string(), {"none"});
            FieldCheck(fields).Run(tree, report);
        });
    EXPECT_EQ(CountFindings(report, Severity::Problem, "racer.xml", 3,
                            "Camera has no field 'followStifness', so it is ignored; did you mean "
                            "'followStiffness'?"),
              1)
        << All(report);
    EXPECT_EQ(
        CountFindings(report, Severity::Problem, "racer.xml", 4, "DecoratorComp has no field 'DT_Size'"), 1)
        << All(report);
    EXPECT_EQ(report.ProblemCount(), 2) << All(report);
}

TEST(ContentCheck, GlobalsOfACompiledChunkComeWithTheirLines)
{
    lua_State* lua = luaL_newstate();
    const char* source = "count = 0\n"
                         "local function helper() return Missing() end\n"
                         "function RunScript(me)\n"
                         "  local t = {}\n"
                         "  t.field = GetDeltaTime()\n"
                         "  count = count + helper()\n"
                         "end\n";
    ASSERT_EQ(luaL_loadbuffer(lua, source, std::strlen(source), "chunk"), 0);
    const std::optional<std::vector<GlobalUse>> uses = ListGlobals(lua);
    ASSERT_TRUE(uses.has_value());
    std::vector<std::string> listed;
    for (const GlobalUse& use : *uses)
        listed.push_back(use.name + (use.assigned ? "=" : "") + "@" + std::to_string(use.line));
    EXPECT_EQ(listed, (std::vector<std::string>{"count=@1", "RunScript=@3", "Missing@2", "GetDeltaTime@5",
                                                "count@6", "count=@6"}));
    EXPECT_EQ(lua_gettop(lua), 1) << "the chunk stays where it was";
    lua_close(lua);
}

TEST(ContentCheck, SuggestionsPreferADifferenceOfCaseAndNeverGuessWildly)
{
    EXPECT_EQ(DidYouMean("gate", {"Gates", "Gate"}), "; did you mean 'Gate'?");
    EXPECT_EQ(DidYouMean("Gtae", {"Wall", "Gate"}), "; did you mean 'Gate'?");
    EXPECT_EQ(DidYouMean("Lighthouse", {"Wall", "Gate"}), "");
    EXPECT_EQ(DidYouMean("Gate", {"Gate"}), "") << "a name that exists needs no suggestion";
}

TEST(ContentCheck, TheTrackListPairsShownNamesWithScenesAndLeavesTheRandomEntryOut)
{
    TempFolder root;
    root.Write("res/TrackList.xml",
               "<TrackList>\n"
               "<RealTrackNames><T n=\"bay\"/><T n=\"spare\"/><T n=\"extra\"/></RealTrackNames>\n"
               "<DisplayTrackNames><T n=\"Bay\"/><T n=\"Random\"/></DisplayTrackNames>\n"
               "</TrackList>");
    root.Write("res/scene/bay.xml", "<Scene/>");
    root.Write("res/textures/bay_preview.png", "");
    const ProblemReport report = CheckTree(root.Path().string());
    EXPECT_EQ(CountFindings(report, Severity::Warning, "TrackList.xml", 2, "track 'spare' has no name"), 1)
        << All(report);
    EXPECT_EQ(CountFindings(report, Severity::Warning, "TrackList.xml", 2, "track 'extra' has no name"), 1);
    EXPECT_FALSE(Mentions(report, "track 'bay'")) << "scene and preview are there";
    EXPECT_FALSE(Mentions(report, "spare_preview")) << "a track never offered needs no preview";

    root.Write("res/TrackList.xml", "<TrackList>\n<RealTrackNames/>\n"
                                    "<DisplayTrackNames><T n=\"Bay\"/><T n=\"Random\"/></DisplayTrackNames>\n"
                                    "</TrackList>");
    const ProblemReport unpaired = CheckTree(root.Path().string());
    EXPECT_EQ(CountFindings(unpaired, Severity::Problem, "TrackList.xml", 3,
                            "track 'Bay' has no scene: \"RealTrackNames\" has no entry 1"),
              1)
        << All(unpaired);
    EXPECT_FALSE(Mentions(unpaired, "'Random'"));
}

TEST(ContentCheck, ArchetypeNamesMustBeUniqueAndEverySpawnedNameMustExist)
{
    TempFolder root;
    root.Write("res/archetype/a.xml", std::string(kArchetypeHead) + "<A name=\"Crate\"><Components/></A>");
    root.Write("res/archetype/b.xml", std::string(kArchetypeHead) + "<A name=\"Crate\"><Components/></A>");
    root.Write("res/archetype/spawner.xml", std::string(kArchetypeHead) +
                                                "<A name=\"Dropper\"><Components><Spawner>\n"
                                                "<SpawnList><string name=\"archetype\" value=\"Crate\"/>\n"
                                                "<string name=\"archetype\" value=\"crate\"/></SpawnList>\n"
                                                "</Spawner></Components></A>");
    const ProblemReport report = CheckTree(root.Path().string(), {"none"});
    EXPECT_EQ(CountFindings(report, Severity::Problem, "", 2, "archetype 'Crate' is also defined in"), 1)
        << All(report);
    EXPECT_EQ(
        CountFindings(report, Severity::Problem, "spawner.xml", 4,
                      "archetype 'Dropper': its Spawner can never spawn 'crate': archetype 'crate' does not "
                      "exist; did you mean 'Crate'?"),
        1)
        << All(report);
}

TEST(ContentCheck, TheFontMustBeAFontFileAndItsFaceNameTheFilesOwn)
{
    TempFolder root;
    std::filesystem::create_directories(root.Path() / "res/fonts");
    std::filesystem::copy_file(std::filesystem::path(VANTORA_SOURCE_DIR) / "res/fonts/LeagueSpartan-Bold.otf",
                               root.Path() / "res/fonts/Spartan.otf");
    root.Write("res/fonts/font.xml", "<Font face=\"Spartan Heavy\" file=\"Spartan.otf\"/>");
    ProblemReport report = CheckTree(root.Path().string());
    EXPECT_EQ(CountFindings(report, Severity::Warning, "fonts/font.xml", 1,
                            "face \"Spartan Heavy\" is not the file's own name, \"League Spartan Bold\""),
              1)
        << All(report);
    EXPECT_FALSE(Mentions(report, "no glyph")); // the shipped face has every ASCII character

    root.Write("res/fonts/font.xml", "<Font face=\"Junk\" file=\"junk.ttf\"/>");
    root.Write("res/fonts/junk.ttf", "not a font at all");
    report = CheckTree(root.Path().string());
    EXPECT_EQ(CountFindings(report, Severity::Problem, "fonts/font.xml", 1, "is not a scalable font"), 1)
        << All(report);
}

TEST(ContentCheck, ASoundBankThatIsNotXmlIsOneProblemAndNoBankIsNone)
{
    TempFolder root;
    EXPECT_FALSE(Mentions(CheckTree(root.Path().string()), "bank.xml"));
    root.Write("res/audio/bank.xml", "<Bank>\n<Event path=\"event:/Error\" file=\"e.ogg\">\n</Bank>");
    const ProblemReport report = CheckTree(root.Path().string());
    int bankFindings = 0;
    for (const Finding& finding : report.Findings())
        bankFindings += finding.file.ends_with("audio/bank.xml");
    EXPECT_EQ(bankFindings, 1) << All(report);
    EXPECT_TRUE(Mentions(report, "is not well-formed XML")) << All(report);
}
