// Debug shapes in the world: lines in their vertex colour ("mode" 0), solid shapes outlined in
// "gColor" ("mode" 1). "ZenableMode" 0 draws a shape through whatever is in front of it.
#pass depthTest on
#pass depthWrite on
#pass blend alpha
#pass cull none
#pass fill wireframe
#include "matrix.fx"

uniform vec4 gColor;
uniform int mode;
uniform int ZenableMode;

#ifdef VERTEX
layout(location = 0) in vec4 inPosition;
layout(location = 1) in vec4 inColour; // the colour of a line vertex (a normal for meshes)
out vec4 vColour;

void main()
{
    gl_Position = projMat * viewMat * worldMat * vec4(inPosition.xyz, 1.0);
    vColour = mode == 1 ? gColor : inColour;
}
#endif

#ifdef FRAGMENT
in vec4 vColour;
out vec4 fragColour;

void main()
{
    fragColour = vColour;
    gl_FragDepth = ZenableMode == 0 ? 0.0 : gl_FragCoord.z;
}
#endif
