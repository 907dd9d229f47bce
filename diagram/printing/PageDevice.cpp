#include "diagram/printing/PageDevice.h"

namespace tarnwick {

const TEnumTypeInfo& DiagramPageOrientationType() {
  static const TEnumTypeInfo t("TDiagramPageOrientation", {"dpoPortrait", "dpoLandscape"});
  return t;
}

TPoint EffectiveDPI(const TPageDevice* Device) noexcept {
  TPoint dpi{TPageDevice::FallbackDPI, TPageDevice::FallbackDPI};
  if (Device) {
    if (Device->DPI.X > 0) dpi.X = Device->DPI.X;
    if (Device->DPI.Y > 0) dpi.Y = Device->DPI.Y;
  }
  return dpi;
}

const std::vector<TPaperSize>& PaperList(const TPageDevice* Device) {
  return Device ? Device->Papers : BuiltInPapers();
}

}  // namespace tarnwick
