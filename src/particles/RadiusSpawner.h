#pragma once

#include "particles/ParticleDecorator.h"
#include "particles/ParticleFieldList.h"

/// The fields and radius rule shared by the sphere and ring spawners.
class RadiusSpawner : public ParticleDecorator
{
  protected:
    /// The radius of a new particle: between the two radii when filled, else the smaller one.
    /// With "m_useObjScale" the owner's scale length first replaces the radius in use.
    float DrawRadius(const ParticleEmitter& emitter);
    /// `v` turned by the owner's rotation when "m_useObjRotation" is set.
    Vector4 WithOwnerRotation(const Vector4& v, const ParticleEmitter& emitter) const;

    /// Adds "m_MinRadius", "m_MaxRadius", "m_filled", "m_useObjScale", "m_useObjRotation".
    template <typename T> static void AddRadiusFields(ParticleFieldList<T>& list)
    {
        list.Add("m_MinRadius", static_cast<float T::*>(&RadiusSpawner::m_minRadius)).Panel("min radius");
        list.Add("m_MaxRadius", static_cast<float T::*>(&RadiusSpawner::m_maxRadius)).Panel("max radius");
        list.Add("m_filled", static_cast<bool T::*>(&RadiusSpawner::m_filled)).Panel("filled");
        list.Add("m_useObjScale", static_cast<bool T::*>(&RadiusSpawner::m_useObjScale)).Panel("Obj Scale");
        list.Add("m_useObjRotation", static_cast<bool T::*>(&RadiusSpawner::m_useObjRotation))
            .Panel("Obj Rot");
    }

    float m_minRadius = 1.0f;
    float m_maxRadius = 1.0f;
    bool m_filled = false;
    bool m_useObjScale = false;
    bool m_useObjRotation = false;
};
