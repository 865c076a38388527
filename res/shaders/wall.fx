// Low quay walls (the track tool's NAME_walls.tbm): stone courses ("tex0") on the faces, a pale
// coping stone on top. The mesh gives world units (u along the track and v down the faces; across
// and along on top), so blocks keep their size all round.
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
out vec2 vUv;
out float vTop;
out vec3 vViewPosition;

void main()
{
    vec4 viewPosition = viewMat * worldMat * vec4(inPosition.xyz, 1.0);
    gl_Position = projMat * viewPosition;
    vNormal = NormalToView(inNormal.xyz);
    vUv = inTexCoord.xy;
    vTop = inNormal.y > 0.5 ? 1.0 : 0.0;
    vViewPosition = viewPosition.xyz;
}
#endif

#ifdef FRAGMENT
in vec3 vNormal;
in vec2 vUv;
in float vTop;
in vec3 vViewPosition;
out vec4 fragColour;

const float kTileSize = 4.0; // world units per texture repeat: two blocks long, four courses high

void main()
{
    vec2 uv = vUv / (kTileSize / vec2(max(tileAmountX, 0.01), max(tileAmountY, 0.01)));
    vec3 albedo = texture(tex0, uv).rgb;
    if (vTop > 0.5)
        albedo = mix(albedo, vec3(0.86, 0.84, 0.78), 0.65);
    vec3 normal = normalize(vNormal);
    float sun = max(dot(normal, lightDir.xyz), 0.0);
    vec3 colour = albedo * (HemisphereAmbient(normal) * 0.65 + kSunLight * sun * 0.7);
    fragColour = vec4(ApplyFog(colour, length(vViewPosition)), 1.0);
}
#endif
