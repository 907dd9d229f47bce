#pragma once
// The geometry kernel in one include: value types, conversions, rectangles, predicates,
// vectors, angles, curve flattening and the rotated drawing frame.
#include "geometry/Angles.h"
#include "geometry/BlockDrawer.h"
#include "geometry/Conversions.h"
#include "geometry/Curves.h"
#include "geometry/Dot.h"
#include "geometry/Predicates.h"
#include "geometry/Squares.h"
#include "geometry/Vectors.h"
