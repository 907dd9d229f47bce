#include "graphics/QtPathPaintEngine.h"

namespace tarnwick {

namespace {

// Per smoothing mode: the fast settings draw aliased, the others smooth.
constexpr bool SmoothAntialias[] = {
    true,   // smAntiAlias
    false,  // smInactive
    false,  // smHighSpeed
    true,   // smHighQuality
};

// Per text rendering mode: whether glyphs are smoothed.
constexpr bool TextAntialias[] = {
    true,   // tmAntiAlias
    true,   // tmAntiAliasHint
    true,   // tmDefault: the desktop's default smooths text
    false,  // tmNormal
    false,  // tmNormalHint
    true,   // tmClearType
};

template <size_t N>
bool Lookup(const bool (&ATable)[N], int AMode, bool AUnknown) {
  return AMode >= 0 && AMode < int(N) ? ATable[AMode] : AUnknown;
}

}  // namespace

void TQtPathPaintEngine::ApplySmoothMode() {
  FSurface.SetAntialias(Lookup(SmoothAntialias, GetSmoothMode(), FUnknownModesSmooth));
}

void TQtPathPaintEngine::ApplyTextRenderingMode() {
  FSurface.SetTextAntialias(Lookup(TextAntialias, GetTextRenderingMode(), FUnknownModesSmooth));
}

}  // namespace tarnwick
