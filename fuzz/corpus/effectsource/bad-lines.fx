#pass depthTest maybe
#pass
#pass blend
#include "missing.fx"
#include "unterminated
#include
#ifdef VERTEX
#ifdef FRAGMENT
#endif
