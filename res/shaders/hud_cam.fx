// HUD sprites over the scene: the quad placed by "worldMat" in normalised device coordinates,
// textured with "tex0" and cut off beyond "u_limit" and "v_limit" (bars that fill up).
#pass depthTest off
#pass depthWrite off
#pass blend alpha
#pass cull none
#pass fill solid
#include "matrix.fx"

uniform sampler2D tex0;
uniform float u_limit;
uniform float v_limit;

#ifdef VERTEX
layout(location = 0) in vec4 inPosition;
layout(location = 2) in vec4 inTexCoord;
out vec2 vTexCoord;

void main()
{
    gl_Position = vec4((worldMat * vec4(inPosition.xyz, 1.0)).xy, 0.0, 1.0);
    vTexCoord = inTexCoord.xy;
}
#endif

#ifdef FRAGMENT
in vec2 vTexCoord;
out vec4 fragColour;

void main()
{
    if (vTexCoord.x > u_limit || vTexCoord.y > v_limit)
        discard;
    fragColour = texture(tex0, vTexCoord);
}
#endif
