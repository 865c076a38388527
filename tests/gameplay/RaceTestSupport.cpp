#include "RaceTestSupport.h"

#include "core/System.h"
#include "objects/XmlFile.h"

#include <map>

RaceWorld::RaceWorld()
{
    CaptureStdout(
        [&]
        {
            m_engine = std::make_unique<Engine>(std::map<std::string, System*>{});
            Factory::Instance().Init();
        });
    m_engine->SetDeltaTime(1.0f / 60.0f);
}

RaceWorld::~RaceWorld()
{
    Factory::Instance().DestroyAll();
}

GameObject* RaceWorld::Spawn(const std::string& components)
{
    const std::string name = "Test" + std::to_string(m_archetypes++);
    XmlFile file = XmlFile::FromText("<Components>" + components + "</Components>");
    auto archetype = std::make_unique<GameObject>(name);
    archetype->LoadComponents(file, file.GetRoot());
    Factory::Instance().AddArchetype(std::move(archetype));
    return Factory::Instance().CreateObject(name);
}

std::string RaceWorld::VectorXml(const char* name, const Vector4& v)
{
    return std::string("<Vector4 name=\"") + name + "\"><float value=\"" + XmlFile::FormatFloat(v.x) +
           "\"/><float value=\"" + XmlFile::FormatFloat(v.y) + "\"/><float value=\"" +
           XmlFile::FormatFloat(v.z) + "\"/><float value=\"" + XmlFile::FormatFloat(v.w) + "\"/></Vector4>";
}

std::string RaceWorld::TransformXml(const Vector4& position, const Vector4& scale)
{
    return "<Transform>" + VectorXml("position", position) + VectorXml("scale", scale) +
           VectorXml("rotation", {0, 0, 0, 1}) + "</Transform>";
}

std::string RaceWorld::BodyXml(float mass, bool gravity, float capXZ, float capY, bool isStatic)
{
    std::string xml = "<RigidBody>" + VectorXml("position", {0, 0, 0, 1}) + VectorXml("velocity", {}) +
                      VectorXml("accumulateForce", {}) + VectorXml("orientation", {0, 0, 0, 1}) +
                      VectorXml("angularVelocity", {}) + VectorXml("accumalatedTorque", {});
    xml += "<float name=\"mass\" value=\"" + XmlFile::FormatFloat(mass) + "\"/>";
    xml += "<Matrix4 name=\"inverseInetriaTensor\">";
    for (int i = 0; i < 16; ++i)
        xml += "<float value=\"0\"/>";
    xml += "</Matrix4>";
    xml += std::string("<bool name=\"gravityOn\" value=\"") + (gravity ? "1" : "0") + "\"/>";
    xml += std::string("<bool name=\"isStatic\" value=\"") + (isStatic ? "1" : "0") + "\"/>";
    xml += "<float name=\"velCapXZ\" value=\"" + XmlFile::FormatFloat(capXZ) + "\"/>";
    xml += "<float name=\"velCapY\" value=\"" + XmlFile::FormatFloat(capY) + "\"/>";
    return xml + "</RigidBody>";
}

std::string RaceWorld::ColliderXml(const char* volume, bool dynamic, const char* category, int mask)
{
    return std::string("<Collider><string name=\"bv_type\" value=\"") + volume + "\"/>" +
           VectorXml("center", {0, 0, 0, 1}) + VectorXml("halfWidth", {0.5f, 0.5f, 0.5f, 0}) +
           "<bool name=\"isDynamics\" value=\"" + (dynamic ? "1" : "0") +
           "\"/><string name=\"bit_type\" value=\"" + category + "\"/><int name=\"bit_field\" value=\"" +
           std::to_string(mask) + "\"/></Collider>";
}

std::string RaceWorld::ControllerXml(int player)
{
    return "<Controller><int name=\"ID\" value=\"" + std::to_string(player) +
           "\"/><int name=\"ControllerType\" value=\"1\"/><Mover>" + VectorXml("springOffset", {0, 2, 0, 0}) +
           "<float name=\"springStiffness\" value=\"75\"/><float name=\"springDamping\" value=\"6\"/>"
           "<float name=\"springMass\" value=\"500\"/></Mover></Controller>";
}
