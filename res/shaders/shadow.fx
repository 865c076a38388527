// The soft shadow under a ball: "floorquad.tbm" laid on the ground below it, darkened by the
// alpha of "tex0" (ball_shadow) times gColor.a, which fades as the ball rises. Drawn after the
// scene, blended, without writing depth, so the ball itself still hides the part beneath it.
#pass depthTest on
#pass depthWrite off
#pass blend alpha
#pass cull none
#pass fill solid
#include "matrix.fx"

uniform sampler2D tex0;
uniform vec4 gColor;

#ifdef VERTEX
layout(location = 0) in vec4 inPosition;
layout(location = 2) in vec4 inTexCoord;
out vec2 vTexCoord;
out float vViewDistance;

void main()
{
    vec4 viewPosition = viewMat * worldMat * vec4(inPosition.xyz, 1.0);
    gl_Position = projMat * viewPosition;
    vTexCoord = inTexCoord.xy;
    vViewDistance = length(viewPosition.xyz);
}
#endif

#ifdef FRAGMENT
in vec2 vTexCoord;
in float vViewDistance;
out vec4 fragColour;

void main()
{
    vec4 blob = texture(tex0, vTexCoord);
    // Far away the fog swallows the boards, and the shadow with them.
    float fog = 1.0 - exp(-pow(vViewDistance * kFogDensity, 2.0));
    fragColour = vec4(blob.rgb, blob.a * gColor.a * (1.0 - min(fog, 0.85)));
}
#endif
