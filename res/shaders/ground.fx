// The boards of a track (the track tool's NAME_ground.tbm): planks laid across the track ("tex0"),
// red and white kerbs along both edges, plank ends where it breaks off for a gap. The mesh gives
// world units: u across from the centre line and v along it on top (u along and v down on the
// end faces), and the half width of the track as the second coordinate's x.
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
layout(location = 5) in vec4 inTexCoord1;
out vec3 vNormal;
out vec2 vUv;
out float vTop;
out vec3 vViewPosition;
out float vHalfWidth;

void main()
{
    vec4 viewPosition = viewMat * worldMat * vec4(inPosition.xyz, 1.0);
    gl_Position = projMat * viewPosition;
    vNormal = NormalToView(inNormal.xyz);
    vUv = inTexCoord.xy;
    vTop = inNormal.y > 0.5 ? 1.0 : 0.0;
    vViewPosition = viewPosition.xyz;
    vHalfWidth = inTexCoord1.x;
}
#endif

#ifdef FRAGMENT
in vec3 vNormal;
in vec2 vUv;
in float vTop;
in vec3 vViewPosition;
in float vHalfWidth;
out vec4 fragColour;

const float kPlankLength = 6.0;  // world units the texture's width covers (planks across)
const float kTileDepth = 2.4;    // world units its height covers (four planks)
const float kKerbWidth = 1.1;
const float kStripeLength = 1.5;

vec3 Kerb(vec3 boards, float fromEdge, float along)
{
    float stripe = mod(floor(along / kStripeLength), 2.0);
    vec3 paint = mix(vec3(0.86, 0.16, 0.1), vec3(0.95, 0.94, 0.9), stripe);
    float line = smoothstep(kKerbWidth, kKerbWidth - 0.06, fromEdge) - smoothstep(kKerbWidth - 0.12, kKerbWidth - 0.18, fromEdge);
    vec3 kerb = mix(paint, vec3(0.08), line);
    return mix(boards, kerb, smoothstep(kKerbWidth, kKerbWidth - 0.03, fromEdge));
}

void main()
{
    vec2 tiles = vec2(kPlankLength / max(tileAmountX, 0.01), kTileDepth / max(tileAmountY, 0.01));
    vec3 albedo = texture(tex0, vUv / tiles).rgb;
    if (vTop > 0.5)
        albedo = Kerb(albedo, vHalfWidth - abs(vUv.x), vUv.y);
    else
        albedo *= 0.7; // the sides are in the boardwalk's own shade
    vec3 normal = normalize(vNormal);
    float sun = max(dot(normal, lightDir.xyz), 0.0);
    vec3 colour = albedo * (HemisphereAmbient(normal) * 0.6 + kSunLight * sun * 0.7);
    fragColour = vec4(ApplyFog(colour, length(vViewPosition)), 1.0);
}
#endif
