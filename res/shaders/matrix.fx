// Shared by the effects: the engine's matrices and the look of the world (light, sky, fog).
// Not an effect of its own; effects pull it in with #include "matrix.fx".
//
// Matrices arrive in the engine's order (vectors are columns), so positions are transformed as
// projMat * viewMat * worldMat * p.
uniform mat4 projMat;
uniform mat4 viewMat;
uniform mat4 worldMat;

// Vertex attributes of models (VertexType 1): position, normal, texture coordinate, tangent,
// binormal, second texture coordinate at locations 0 to 5.

// The sky colours the light and the fog are taken from, matching harbour_sky.png.
const vec3 kSkyLight = vec3(0.62, 0.74, 0.92);
const vec3 kGroundLight = vec3(0.36, 0.33, 0.28);
const vec3 kSunLight = vec3(1.05, 0.98, 0.88);
const vec3 kFogColour = vec3(0.74, 0.85, 0.93);
const float kFogDensity = 0.0042;

// Normals go to view space with the inverse transpose, so scaled pieces keep upright normals.
vec3 NormalToView(vec3 normal)
{
    mat3 modelView = mat3(viewMat * worldMat);
    return normalize(transpose(inverse(modelView)) * normal);
}

// Ambient from the sky above and the ground below, blended by how much a normal faces up.
vec3 HemisphereAmbient(vec3 viewNormal)
{
    vec3 viewUp = viewMat[1].xyz; // the world's up in view space: a column of the rotation
    return mix(kGroundLight, kSkyLight, dot(viewNormal, viewUp) * 0.5 + 0.5);
}

// Distance fog towards the horizon colour: far track fades into the sky, which reads as depth.
vec3 ApplyFog(vec3 colour, float viewDistance)
{
    float amount = 1.0 - exp(-pow(viewDistance * kFogDensity, 2.0));
    return mix(colour, kFogColour, clamp(amount, 0.0, 0.85));
}
