#include "graphics/Transparency.h"

namespace tarnwick {

std::uint8_t TransparencyToAlpha(int ATransparency) noexcept {
  const int T = ATransparency < 0 ? 0 : (ATransparency > 100 ? 100 : ATransparency);
  // Exact integer arithmetic: 2.55 has no exact double, and (100 - 50) * 2.55 comes out a
  // hair below 127.5, which would round to 127 instead of the tie's even 128.
  const int Scaled = (100 - T) * 255;  // alpha in hundredths
  int Alpha = Scaled / 100;
  const int Rest = Scaled % 100;
  if (Rest > 50 || (Rest == 50 && Alpha % 2 != 0)) ++Alpha;
  return static_cast<std::uint8_t>(Alpha);
}

}  // namespace tarnwick
