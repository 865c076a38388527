// Normal-mapped models with a specular glint: "diffuseTexture", "normalTexture" (tangent space,
// x along the tangent, y along the binormal) and "specular" (strength in red).
#pass depthTest on
#pass depthWrite on
#pass blend none
#pass cull back
#pass fill solid
#include "matrix.fx"

uniform float tileAmountX;
uniform float tileAmountY;
uniform vec4 lightDir;
uniform sampler2D diffuseTexture;
uniform sampler2D normalTexture;
uniform sampler2D specular;

#ifdef VERTEX
layout(location = 0) in vec4 inPosition;
layout(location = 1) in vec4 inNormal;
layout(location = 2) in vec4 inTexCoord;
layout(location = 3) in vec4 inTangent;
layout(location = 4) in vec4 inBinormal;
out vec3 vNormal;
out vec3 vTangent;
out vec3 vBinormal;
out vec2 vTexCoord;
out vec3 vViewPosition;

void main()
{
    vec4 viewPosition = viewMat * worldMat * vec4(inPosition.xyz, 1.0);
    gl_Position = projMat * viewPosition;
    mat3 modelView = mat3(viewMat * worldMat);
    vNormal = NormalToView(inNormal.xyz);
    vTangent = normalize(modelView * inTangent.xyz);
    vBinormal = normalize(modelView * inBinormal.xyz);
    vTexCoord = inTexCoord.xy * vec2(tileAmountX, tileAmountY);
    vViewPosition = viewPosition.xyz;
}
#endif

#ifdef FRAGMENT
in vec3 vNormal;
in vec3 vTangent;
in vec3 vBinormal;
in vec2 vTexCoord;
in vec3 vViewPosition;
out vec4 fragColour;

void main()
{
    vec3 bump = texture(normalTexture, vTexCoord).xyz * 2.0 - 1.0;
    vec3 normal = normalize(vTangent * bump.x + vBinormal * bump.y + normalize(vNormal) * bump.z);
    vec4 albedo = texture(diffuseTexture, vTexCoord);
    float sun = max(dot(normal, lightDir.xyz), 0.0);
    // Blinn-Phong in view space, where the eye sits at the origin.
    vec3 toEye = normalize(-vViewPosition);
    float glint = pow(max(dot(normal, normalize(lightDir.xyz + toEye)), 0.0), 48.0);
    float shine = texture(specular, vTexCoord).r;
    // A rim of sky light keeps the balls readable against the dark water.
    float rim = pow(1.0 - max(dot(normalize(vNormal), toEye), 0.0), 3.0);
    vec3 colour = albedo.rgb * (HemisphereAmbient(normal) * 0.75 + kSunLight * sun * 0.85) +
                  kSunLight * glint * shine * 1.5 + kSkyLight * rim * 0.5;
    fragColour = vec4(ApplyFog(colour, length(vViewPosition)), albedo.a);
}
#endif
