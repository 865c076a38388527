// A light's own marker: flat colour "gColor", lit by nothing.
#pass depthTest on
#pass depthWrite on
#pass blend alpha
#pass cull back
#pass fill solid
#include "matrix.fx"

uniform vec4 gColor;

#ifdef VERTEX
layout(location = 0) in vec4 inPosition;

void main()
{
    gl_Position = projMat * viewMat * worldMat * vec4(inPosition.xyz, 1.0);
}
#endif

#ifdef FRAGMENT
out vec4 fragColour;

void main()
{
    fragColour = gColor;
}
#endif
