// Flat shapes on the screen: screen boxes and untextured HUD quads, in "gColor". "worldMat"
// places the model directly in normalised device coordinates.
#pass depthTest off
#pass depthWrite off
#pass blend alpha
#pass cull none
#pass fill solid
#include "matrix.fx"

uniform vec4 gColor;
uniform int mode;
uniform int ZenableMode;

#ifdef VERTEX
layout(location = 0) in vec4 inPosition;

void main()
{
    gl_Position = vec4((worldMat * vec4(inPosition.xyz, 1.0)).xy, 0.0, 1.0);
}
#endif

#ifdef FRAGMENT
out vec4 fragColour;

void main()
{
    fragColour = gColor;
}
#endif
