// The behaviours as effect files know them: type numbers and names, the exact field names,
// defaults and panel labels, and the "Decorator" element read, written and read again.
#include "particles/ParticleDecoratorTable.h"
#include "core/TweakBar.h"
#include "objects/XmlFile.h"
#include "particles/Color.h"
#include "particles/ParticleEmitter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <tinyxml2.h>

namespace
{
/// name=default|label per field, in file order (panel-only fields marked with "*").
std::string FieldSummary(const FieldDescription& fields)
{
    std::string text;
    for (const FieldInfo& info : fields.Describe())
        text += (info.read == FieldRead::Never ? "*" : "") + info.name + "=" + info.defaultText + "|" +
                info.label + "; ";
    return text;
}

const std::map<std::string, std::string>& ExpectedFields()
{
    static const std::string radius =
        "m_MinRadius=1|min radius; m_MaxRadius=1|max radius; m_filled=0|filled; "
        "m_useObjScale=0|Obj Scale; m_useObjRotation=0|Obj Rot; ";
    static const std::string burst =
        "m_velocityMin=1|VelMin; m_velocityMax=1|VelMax; m_randStartVel=0|RandomVel; ";
    static const std::map<std::string, std::string> expected = {
        {"SphereSpawner", radius},
        {"RingXYSpawner", radius},
        {"RingXZSpawner", radius},
        {"LineSpawner",
         "m_dir=(1, 0, 0, 0)|dir; m_length=1|length; m_radius=1|radius; m_useFacing=0|Use Facing; "
         "m_useObjScale=0|Obj Scale; m_useObjRotation=0|Obj Rotation; "},
        {"MushroomSpawner", "m_yStart=1|Start Hieght; m_yEnd=1|End Hieght; m_radiusStart=1|Start Radius; "
                            "m_radiusMiddle=1|Middle Radius; m_radiusEnd=1|End Radius; "},
        {"Elipse", "m_a=1|Axis1; m_b=2|Axis2; m_filled=0|Filled; m_useObjScale=0|UseObjScale; "},
        {"Arch", "*a=0.5|a; *b=1|b; *useXaxis=0|Use Xaxis; "},
        {"PointExplosion", burst},
        {"OutwardBurst", burst},
        {"UpwardBurst", burst},
        {"DirectionalVel", burst + "m_useObjOrient=0|Use Obj Rotation; m_dir=(0, 0, 0, 0)|Dir; "},
        {"BlackHole", "*m_Duration=1|m_Duration; "},
        {"SpiralY", "m_xzStepMin=1|XZ_StepMin; m_xzStepMax=5|XZ_StepMax; m_yStart=0|HeightStart; "
                    "m_yEnd=5|HeightEnd; m_radiusStart=1|RadiusStart; m_radiusEnd=1|RadiusEnd; "
                    "m_randRadiusStart=0|Random_RadiusStart; m_randXZstep=0|Random_XZStep; "
                    "m_randYstart=0|Random_YStep; "},
        {"OscillatorY", "m_waveTime=1|Wave Time; m_amplitude=1|Amplitude; m_strideLength=1|Stride; "},
        {"Scaler", "m_scaleStart=1|scaleStart; m_scaleEnd=1|scaleEnd; randStartScale=0|RandomScale; "
                   "lerpScale=0|LerpScale; "},
        {"Color",
         "m_startColor=(1, 1, 1, 1)|Start; m_middleColor=(1, 1, 1, 1)|Middle; m_endColor=(1, 1, 1, 1)|End; "
         "m_timeToChange=1|Time to Change; m_useLifeTime=1|Use LifeTime; m_randStartColor=0|Random Start; "
         "m_lerpColor=0|LerpToMiddle; m_middleLerp=0|LerpToEnd; "},
        {"LifeTime", "m_lifeMin=1|LifeMin; m_lifeMax=1|LifeMax; m_randStartLife=0|RandomLife; "},
        {"Rotation", "m_rotationStepX=1|xStep; m_rotationStepY=0|yStep; m_rotationStepZ=0|zStep; "
                     "m_RangeMin=0|Range Min; m_RangeMax=1|Range Max; timeBetweenChange=1|Change After; "
                     "timeToChange=1|Change Duration; m_changeOverTime=0|Change; m_changeX=1|changeX; "
                     "m_changeY=0|changeY; m_changeZ=0|changeZ; "},
    };
    return expected;
}

/// Gives every field element under `element` (all but the "name") a value no default has.
void ChangeEveryValue(XmlElement* element)
{
    float next = 2.5f;
    for (XmlElement* field = element->FirstChildElement(); field; field = field->NextSiblingElement())
    {
        const std::string kind = field->Name();
        if (kind == "bool")
            field->SetAttribute("value", field->BoolAttribute("value") ? "0" : "1");
        else if (kind == "float")
            field->SetAttribute("value", next += 1.0f);
        else if (kind == "Vector4")
            for (XmlElement* value = field->FirstChildElement(); value; value = value->NextSiblingElement())
                value->SetAttribute("value", next += 0.25f);
    }
}

std::string Printed(const XmlElement* element)
{
    tinyxml2::XMLPrinter printer;
    element->Accept(&printer);
    return printer.CStr();
}
} // namespace

TEST(ParticleDecoratorTable, NamesAndTypeNumbersMatchBothWays)
{
    const std::vector<std::string> names = {
        "SphereSpawner", "RingXYSpawner",  "RingXZSpawner", "LineSpawner", "MushroomSpawner", "Elipse",
        "Arch",          "PointExplosion", "OutwardBurst",  "UpwardBurst", "DirectionalVel",  "BlackHole",
        "SpiralY",       "OscillatorY",    "Scaler",        "Color",       "LifeTime",        "Rotation"};
    ASSERT_EQ(names.size(), size_t(ParticleDecoratorTable::kCount));
    for (int type = 0; type < ParticleDecoratorTable::kCount; ++type)
    {
        const std::string& name = names[size_t(type)];
        EXPECT_EQ(ParticleDecoratorTable::TypeOf(name), type);
        EXPECT_EQ(ParticleDecoratorTable::NameOf(type), name);
        EXPECT_EQ(ParticleDecoratorTable::CreateDecorator(type)->Type(), uint32_t(type));
        EXPECT_EQ(ParticleDecoratorTable::CreateDecorator(type)->Clone()->Type(), uint32_t(type));
    }
    for (const char* unknown : {"", "scaler", "Scaler ", "Oscillator", "Ellipse", "ParticleDecorator"})
        EXPECT_EQ(ParticleDecoratorTable::TypeOf(unknown), -1) << unknown;
    EXPECT_EQ(ParticleDecoratorTable::CreateDecorator(-1), nullptr);
    EXPECT_EQ(ParticleDecoratorTable::CreateDecorator(18), nullptr);
    EXPECT_EQ(ParticleDecoratorTable::NameOf(18), "");
}

TEST(ParticleDecoratorTable, EveryBehaviourHasExactlyItsFieldsDefaultsAndLabels)
{
    const auto all = ParticleDecoratorTable::All();
    ASSERT_EQ(all.size(), ExpectedFields().size());
    for (const auto& entry : all)
    {
        EXPECT_EQ(entry.fields->ElementName(), "Decorator");
        EXPECT_EQ(FieldSummary(*entry.fields), ExpectedFields().at(entry.name)) << entry.name;
    }
}

TEST(ParticleDecoratorTable, EveryBehaviourReadsBackWhatItWrites)
{
    for (int type = 0; type < ParticleDecoratorTable::kCount; ++type)
    {
        const std::string name = ParticleDecoratorTable::NameOf(type);
        XmlFile file;
        XmlElement* root = file.CreateRoot("Effect");
        ParticleDecoratorTable::CreateDecorator(type)->Serialize(file, root);
        XmlElement* element = root->FirstChildElement("Decorator");
        ASSERT_NE(element, nullptr) << name;
        const XmlElement* first = element->FirstChildElement();
        ASSERT_NE(first, nullptr) << name;
        EXPECT_STREQ(first->Name(), "string");
        EXPECT_STREQ(first->Attribute("name"), "name");
        EXPECT_EQ(first->Attribute("value"), name);

        ChangeEveryValue(element);
        auto read = ParticleDecoratorTable::CreateDecorator(type);
        read->Deserialize(element);
        read->Clone()->Serialize(file, root);
        EXPECT_EQ(Printed(root->LastChildElement()), Printed(element)) << name;
    }
}

TEST(ParticleDecoratorTable, ArchAndBlackHoleReadNothingFromTheFile)
{
    for (const char* name : {"Arch", "BlackHole"})
    {
        XmlFile file;
        XmlElement* root = file.CreateRoot("Effect");
        auto decorator = ParticleDecoratorTable::CreateDecorator(ParticleDecoratorTable::TypeOf(name));
        decorator->Serialize(file, root);
        const XmlElement* element = root->FirstChildElement();
        EXPECT_EQ(element->FirstChildElement(), element->LastChildElement()) << name << ": only the name";

        // Even an element that names their panel fields changes nothing.
        tinyxml2::XMLDocument document;
        document.Parse(
            R"(<Decorator><float name="a" value="9"/><float name="m_Duration" value="9"/></Decorator>)");
        const std::string before = decorator->Fields().Text(*decorator);
        decorator->Deserialize(document.RootElement());
        EXPECT_EQ(decorator->Fields().Text(*decorator), before) << name;
    }
}

TEST(ParticleDecoratorTable, PanelShowsTheFieldsInTheEffectsGroup)
{
    Color color;
    TweakBar bar;
    color.AddToTweakBar(bar, "fire");
    const TweakEntry* start = bar.Find("Start");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->type, TweakType::Color4);
    EXPECT_NE(start->definition.find("fire"), std::string::npos) << start->definition;
    EXPECT_NE(bar.Find("LerpToEnd"), nullptr);
}

TEST(ParticleDecoratorTable, NoOwnerAndEndlessParticlesLeaveEveryValueFinite)
{
    // A bare emitter has no owner object; a particle with lifetime 0 never dies and its normalised
    // age (age / 0) is infinite, or not a number at age 0.
    ParticleEmitter bare;
    bare.SetFrameTime(0.016f);
    for (float normalisedAge : {std::numeric_limits<float>::infinity(), std::nanf("")})
        for (int type = 0; type < ParticleDecoratorTable::kCount; ++type)
        {
            auto decorator = ParticleDecoratorTable::CreateDecorator(type);
            decorator->Initialize(bare);
            Particle particle;
            particle.lifetime = 0.0f;
            decorator->Spawn(particle, bare);
            particle.normalisedAge = normalisedAge;
            for (int frame = 0; frame < 3; ++frame)
                decorator->Update(particle, bare);
            const std::string name = ParticleDecoratorTable::NameOf(type);
            for (const Vector4* v :
                 {&particle.position, &particle.localPosition, &particle.velocity, &particle.colour})
                EXPECT_TRUE(v->IsFinite()) << name;
            EXPECT_TRUE(std::isfinite(particle.size)) << name;
        }
}
