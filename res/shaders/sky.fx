// The sky dome: its texture ("tex0") unlit, pushed to the far plane so that everything in front
// of it wins the depth test wherever it is drawn in the order.
#pass depthTest on
#pass depthWrite off
#pass blend none
#pass cull none
#pass fill solid
#include "matrix.fx"

uniform sampler2D tex0;

#ifdef VERTEX
layout(location = 0) in vec4 inPosition;
layout(location = 2) in vec4 inTexCoord;
out vec2 vTexCoord;

void main()
{
    vec4 clip = projMat * viewMat * worldMat * vec4(inPosition.xyz, 1.0);
    gl_Position = clip.xyww * vec4(1.0, 1.0, 0.99999, 1.0);
    vTexCoord = inTexCoord.xy;
}
#endif

#ifdef FRAGMENT
in vec2 vTexCoord;
out vec4 fragColour;

void main()
{
    fragColour = vec4(texture(tex0, vTexCoord).rgb, 1.0);
}
#endif
