#pragma once

/// One corner of a glyph quad: window pixels from the top left, the atlas position in atlas
/// pixels, and the text's colour.
struct TextVertex
{
    float x, y;
    float u, v;
    float r, g, b, a;
};

static_assert(sizeof(TextVertex) == 32);
