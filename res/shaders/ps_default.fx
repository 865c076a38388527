// Particles as point sprites, blended over the scene by their alpha (smoke, water, dust): each
// particle record is one point, its sprite "albedo" tinted by its colour, "size" world units across.
#pass depthTest on
#pass depthWrite off
#pass blend alpha
#pass cull none
#pass fill solid
#include "matrix.fx"

uniform sampler2D albedo;
uniform int viewportHeight;

#ifdef VERTEX
layout(location = 0) in vec4 inPosition;
layout(location = 4) in vec4 inColour;
layout(location = 5) in float inSize;
out vec4 vColour;

void main()
{
    gl_Position = projMat * viewMat * worldMat * vec4(inPosition.xyz, 1.0);
    // Half the view's height covers projMat[1][1] units at distance 1.
    float pixels = inSize * projMat[1][1] * 0.5 * float(viewportHeight) / max(gl_Position.w, 0.05);
    gl_PointSize = clamp(pixels, 1.0, 256.0);
    vColour = inColour;
}
#endif

#ifdef FRAGMENT
in vec4 vColour;
out vec4 fragColour;

void main()
{
    fragColour = texture(albedo, gl_PointCoord) * vColour;
    if (fragColour.a < 0.004)
        discard;
}
#endif
