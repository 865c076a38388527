#include "check/ComponentFieldTable.h"

ComponentFieldTable::ComponentFieldTable()
    : m_fields{
          {"Transform", {"position", "scale", "rotation", "tweakRot"}},
          {"MeshRenderer",
           {"meshName", "shaderName", "textureName", "normalTextureName", "specTextureName", "tileX", "tileY",
            "visible"}},
          {"RigidBody",
           {"position", "velocity", "accumulateForce", "orientation", "angularVelocity", "accumalatedTorque",
            "mass", "inverseInetriaTensor", "gravityOn", "isStatic", "restitution", "velCapXZ", "velCapY"}},
          {"Collider", {"bv_type", "center", "halfWidth", "isDynamics", "bit_type", "bit_field"}},
          {"Camera", {"offset", "direction", "up", "m_updateCamPos", "followStiffness", "followDamping"}},
          {"Property", {"Tag"}},
          {"Light", {"ambient", "diffuse", "direction", "color", "shiness", "range", "offset"}},
          {"Spawner",
           {"SpawnRate", "SpawnRandom", "SpawnWalking", "spawnedObjLifeTime", "waitToSpawn", "spawnDir",
            "spawnVel", "SpawnList"}},
          {"LifeComponent", {"lifeTime"}},
          {"CheckPoint", {"cpNum", "facing"}},
          {"Spin", {}},
          {"Hud", {"offset"}},
          {"Label", {"name", "offset"}},
          {"Controller", {"ID", "ControllerType", "Mover"}},
          {"Controller/Mover",
           {"springOffset", "springStiffness", "springDamping", "springMass", "springMassForce", "facing"}},
          {"RaceNode", {"ID", "facing", "Should_Jump", "CPNode"}},
      }
{
}

std::optional<std::set<std::string>> ComponentFieldTable::FieldsOf(const std::string& component) const
{
    auto found = m_fields.find(component);
    if (found == m_fields.end())
        return std::nullopt;
    return found->second;
}
