#pragma once
// The choice of graphics engine and the engine settings a diagram hands to every paint
// pass; declared with the engines in the graphics layer.
#include "graphics/DgrTypes.h"
