#include "diagram/lines/LineTypes.h"

namespace tarnwick {

const TEnumTypeInfo& TextCellsModeType() {
  static const TEnumTypeInfo t("TTextCellsMode", {"tmSegments", "tmSingle", "tmManual", "tmSpecific"});
  return t;
}

const TEnumTypeInfo& DiagramLineStyleType() {
  static const TEnumTypeInfo t("TDiagramLineStyle",
                               {"lsLine", "lsSideLine", "lsParabolicArc", "lsCircularArc", "lsBezier"});
  return t;
}

const TEnumTypeInfo& ArcTypeType() {
  static const TEnumTypeInfo t("TArcType", {"atParabolic", "atCircular"});
  return t;
}

const TEnumTypeInfo& ArrowShapeType() {
  static const TEnumTypeInfo t("TArrowShape", {"asNone", "asSolidArrow", "asLineArrow", "asDiamond", "asRectangle",
                                               "asEllipse", "asHalfLine", "asAngledDiamond"});
  return t;
}

}  // namespace tarnwick
