// Lit, textured models: the diffuse texture "tex0" under sun and sky light, with distance fog.
#pass depthTest on
#pass depthWrite on
#pass blend none
#pass cull back
#pass fill solid
#include "matrix.fx"

uniform float tileAmountX;
uniform float tileAmountY;
uniform vec4 lightDir;
uniform sampler2D tex0;

#ifdef VERTEX
layout(location = 0) in vec4 inPosition;
layout(location = 1) in vec4 inNormal;
layout(location = 2) in vec4 inTexCoord;
out vec3 vNormal;
out vec2 vTexCoord;
out vec3 vViewPosition;

void main()
{
    vec4 viewPosition = viewMat * worldMat * vec4(inPosition.xyz, 1.0);
    gl_Position = projMat * viewPosition;
    vNormal = NormalToView(inNormal.xyz);
    vTexCoord = inTexCoord.xy * vec2(tileAmountX, tileAmountY);
    vViewPosition = viewPosition.xyz;
}
#endif

#ifdef FRAGMENT
in vec3 vNormal;
in vec2 vTexCoord;
in vec3 vViewPosition;
out vec4 fragColour;

void main()
{
    vec4 albedo = texture(tex0, vTexCoord);
    vec3 normal = normalize(vNormal);
    float sun = max(dot(normal, lightDir.xyz), 0.0);
    vec3 colour = albedo.rgb * (HemisphereAmbient(normal) * 0.6 + kSunLight * sun * 0.75);
    fragColour = vec4(ApplyFog(colour, length(vViewPosition)), albedo.a);
}
#endif
