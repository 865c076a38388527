#include "physics/EulerIntegrator.h"

#include "physics/RigidBody.h"

void EulerIntegrator::Integrate(RigidBody& body, float dt) const
{
    const Vector4 acceleration = body.GetForce() * body.GetInverseMass();
    // Through AddVelocity so that the caps hold for every change the simulation makes.
    body.AddVelocity(acceleration * dt);
    body.SetVelocity(body.GetVelocity());
    body.SetPosition(body.GetPosition() + body.GetVelocity() * dt);
    body.ClearForces();
}
