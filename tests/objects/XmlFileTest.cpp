#include "objects/XmlFile.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{
XmlElement* Parse(XmlFile& file)
{
    EXPECT_TRUE(file.IsLoaded());
    return file.GetRoot();
}
} // namespace

TEST(XmlFile, FloatsAreWrittenWithSixSignificantDigits)
{
    EXPECT_EQ(XmlFile::FormatFloat(0.1f), "0.1");
    EXPECT_EQ(XmlFile::FormatFloat(1.0f), "1");
    EXPECT_EQ(XmlFile::FormatFloat(0.5f), "0.5");
    EXPECT_EQ(XmlFile::FormatFloat(1234567.0f), "1.23457e+06");
    EXPECT_EQ(XmlFile::FormatFloat(3.14159265f), "3.14159");
}

TEST(XmlFile, ScalarFieldsRoundTripWithNameBeforeValue)
{
    XmlFile out;
    XmlElement* root = out.CreateRoot("Component");
    out.WriteValue(root, 2.5f, "mass");
    out.WriteValue(root, true, "gravityOn");
    out.WriteValue(root, -7, "count");
    out.WriteValue(root, 4000000000u, "id");
    out.WriteValue(root, std::string("CameraObj"), "Tag");

    const XmlElement* mass = XmlFile::FindChildElement(root, "float", "mass");
    ASSERT_NE(mass, nullptr);
    EXPECT_STREQ(mass->FirstAttribute()->Name(), "name");
    EXPECT_STREQ(mass->Attribute("value"), "2.5");
    EXPECT_STREQ(XmlFile::FindChildElement(root, "bool", "gravityOn")->Attribute("value"), "1");
    EXPECT_STREQ(XmlFile::FindChildElement(root, "uint", "id")->Attribute("value"), "-294967296");

    float m = 0;
    bool g = false;
    int c = 0;
    unsigned id = 0;
    std::string tag;
    XmlFile::ReadValue(m, mass);
    XmlFile::ReadValue(g, XmlFile::FindChildElement(root, "bool", "gravityOn"));
    XmlFile::ReadValue(c, XmlFile::FindChildElement(root, "int", "count"));
    XmlFile::ReadValue(id, XmlFile::FindChildElement(root, "uint", "id"));
    XmlFile::ReadValue(tag, XmlFile::FindChildElement(root, "string", "Tag"));
    EXPECT_EQ(m, 2.5f);
    EXPECT_TRUE(g);
    EXPECT_EQ(c, -7);
    EXPECT_EQ(id, 4000000000u);
    EXPECT_EQ(tag, "CameraObj");
}

TEST(XmlFile, FindChildElementComparesTheFirstAttributeOnly)
{
    XmlFile file =
        XmlFile::FromText(R"(<r><float value="1" name="mass"/><float name="mass" value="2"/></r>)");
    const XmlElement* found = XmlFile::FindChildElement(Parse(file), "float", "mass");
    ASSERT_NE(found, nullptr);
    EXPECT_STREQ(found->Attribute("value"), "2");
    EXPECT_EQ(XmlFile::FindChildElement(file.GetRoot(), "Float", "mass"), nullptr);
    EXPECT_EQ(XmlFile::FindChildElement(nullptr, "float"), nullptr);
}

TEST(XmlFile, BoolReaderAcceptsWordsInAnyCaseAndKeepsValueOnGarbage)
{
    XmlFile file =
        XmlFile::FromText(R"(<r><b value="TRUE"/><b value="yes"/><b value="No"/><b value="2"/><b/></r>)");
    const XmlElement* e = Parse(file)->FirstChildElement();
    bool v = false;
    XmlFile::ReadValue(v, e);
    EXPECT_TRUE(v);
    v = false;
    XmlFile::ReadValue(v, e = e->NextSiblingElement());
    EXPECT_TRUE(v);
    XmlFile::ReadValue(v, e = e->NextSiblingElement());
    EXPECT_FALSE(v);
    v = true;
    XmlFile::ReadValue(v, e = e->NextSiblingElement());
    EXPECT_TRUE(v) << "unparseable text leaves the destination";
    XmlFile::ReadValue(v, e->NextSiblingElement());
    EXPECT_TRUE(v) << "a missing attribute leaves the destination";
}

TEST(XmlFile, NumbersThatDoNotParseOrAreNotFiniteLeaveTheDestination)
{
    XmlFile file =
        XmlFile::FromText(R"(<r><f value="abc"/><f value="nan"/><f value="inf"/><i value="x"/></r>)");
    const XmlElement* e = Parse(file)->FirstChildElement();
    float f = 4.0f;
    XmlFile::ReadValue(f, e);
    XmlFile::ReadValue(f, e->NextSiblingElement());
    XmlFile::ReadValue(f, e->NextSiblingElement()->NextSiblingElement());
    EXPECT_EQ(f, 4.0f);
    int i = 9;
    XmlFile::ReadValue(i, file.GetRoot()->LastChildElement());
    EXPECT_EQ(i, 9);
}

TEST(XmlFile, ShortVectorPrintsOnceAndKeepsOrZeroesTheRest)
{
    XmlFile file = XmlFile::FromText(
        R"(<r><Vector4 name="p"><float value="1"/><float value="2"/><float value="3"/></Vector4></r>)");
    const XmlElement* e = Parse(file)->FirstChildElement();
    float values[4] = {9, 9, 9, 9};
    const std::string printed = CaptureStdout([&] { XmlFile::ReadVector4(values, e); });
    EXPECT_EQ(printed, "Error Reading Vector4 from Node: Vector4\n");
    EXPECT_EQ(values[2], 3.0f);
    EXPECT_EQ(values[3], 9.0f) << "a float array keeps what it had";

    Vector4 v{9, 9, 9, 9};
    CaptureStdout([&] { XmlFile::ReadValue(v, e); });
    EXPECT_EQ(v, (Vector4{1, 2, 3, 0})) << "a vector object is copied whole from a zeroed temporary";
}

TEST(XmlFile, VectorChildrenAreReadByPositionWhateverTheirNames)
{
    XmlFile file = XmlFile::FromText(
        R"(<r><Vector4 name="p"><x value="1"/><y value="2"/><z value="3"/><w value="4"/><extra value="5"/></Vector4>
           <Vector4 name="empty"/></r>)");
    Vector4 v;
    XmlFile::ReadValue(v, Parse(file)->FirstChildElement());
    EXPECT_EQ(v, (Vector4{1, 2, 3, 4}));

    float untouched[4] = {7, 7, 7, 7};
    const std::string printed =
        CaptureStdout([&] { XmlFile::ReadVector4(untouched, file.GetRoot()->LastChildElement()); });
    EXPECT_EQ(printed, "Error Reading Vector4 from Node: Vector4\n");
    EXPECT_EQ(untouched[0], 7.0f);
}

TEST(XmlFile, MatrixRoundTripsRowByRowAndReportsShortLists)
{
    Matrix4 m;
    for (int i = 0; i < 16; ++i)
        m.m[i] = static_cast<float>(i) * 0.5f;
    XmlFile out;
    out.WriteValue(out.CreateRoot("c"), m, "world");
    Matrix4 back;
    XmlFile::ReadValue(back, XmlFile::FindChildElement(out.GetRoot(), "Matrix4", "world"));
    EXPECT_EQ(back, m);

    XmlFile shortFile = XmlFile::FromText(R"(<r><Matrix4 name="m"><float value="1"/></Matrix4></r>)");
    const std::string printed =
        CaptureStdout([&] { XmlFile::ReadValue(back, shortFile.GetRoot()->FirstChildElement()); });
    EXPECT_EQ(printed, "Error Reading Matrix4 from Node: Matrix4\n");
    EXPECT_EQ(back.m[0], 1.0f);
}

TEST(XmlFile, FailedLoadsPrintOneLineAndFindNothing)
{
    TempFolder folder;
    folder.Write("bad.xml", "<root><open></root>");
    const std::string missing = (folder.Path() / "missing.xml").string();
    std::string printed = CaptureStdout(
        [&]
        {
            XmlFile file(missing);
            EXPECT_FALSE(file.IsLoaded());
            EXPECT_EQ(file.GetRoot(), nullptr);
            EXPECT_EQ(file.FindChildElement("anything"), nullptr);
        });
    EXPECT_EQ(printed, "Could not load file '" + missing + "'. Error = 'Failed to open file'\n");

    const std::string bad = (folder.Path() / "bad.xml").string();
    printed = CaptureStdout([&] { EXPECT_FALSE(XmlFile(bad).IsLoaded()); });
    EXPECT_EQ(printed.rfind("Could not load file '" + bad + "'. Error = '", 0), 0u) << printed;
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
}

TEST(XmlFile, FirstAttributeValueDefaultsToNone)
{
    XmlFile file = XmlFile::FromText(R"(<r><a/><b x="1" y="2"/></r>)");
    EXPECT_EQ(XmlFile::FirstAttributeValue(Parse(file)->FirstChildElement()), "None");
    EXPECT_EQ(XmlFile::FirstAttributeValue(file.GetRoot()->LastChildElement()), "1");
    EXPECT_EQ(XmlFile::FirstAttributeValue(nullptr), "None");
}
