#include "diagram/model/DiagramControlTypes.h"

namespace tarnwick {

const TEnumTypeInfo& ControlRestrictionType() {
  static const TEnumTypeInfo t("TControlRestriction",
                               {"crNoMove", "crNoResize", "crNoRotation", "crNoEdit", "crNoDelete", "crKeepRatio",
                                "crNoClipboard", "crNoSelect", "crNoRotCenterMove", "crNoLink"});
  return t;
}

const TEnumTypeInfo& AnchorOrientationType() {
  static const TEnumTypeInfo t("TAnchorOrientation",
                               {"aoNone", "aoHorz", "aoVert", "aoUp", "aoDown", "aoLeft", "aoRight"});
  return t;
}

const TEnumTypeInfo& LinkConstraintType() {
  static const TEnumTypeInfo t("TLinkConstraint", {"lcAll", "lcSourceOnly", "lcTargetOnly", "lcNone"});
  return t;
}

const TEnumTypeInfo& LinkPointStyleType() {
  static const TEnumTypeInfo t("TLinkPointStyle",
                               {"ptNone", "ptEllipse", "ptRectangle", "ptDiamond", "ptCross", "ptImplicit"});
  return t;
}

const TEnumTypeInfo& HandleStyleType() {
  static const TEnumTypeInfo t("THandleStyle", {"hsSize", "hsRotate", "hsRotCenter", "hsCustom"});
  return t;
}

const TEnumTypeInfo& DiagramHandlesStyleType() {
  static const TEnumTypeInfo t("TDiagramHandlesStyle", {"hsClassic", "hsVisio"});
  return t;
}

const TEnumTypeInfo& DiagramDesignModeType() {
  static const TEnumTypeInfo t("TDiagramDesignMode", {"ddmEditable", "ddmNonEditable"});
  return t;
}

const TEnumTypeInfo& AlignmentType() {
  static const TEnumTypeInfo t("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return t;
}

const TEnumTypeInfo& VertAlignType() {
  static const TEnumTypeInfo t("TVertAlign", {"vaTop", "vaBottom", "vaCenter"});
  return t;
}

const TEnumTypeInfo& InsertStyleType() {
  static const TEnumTypeInfo t("TInsertStyle", {"isInsert", "isDraw"});
  return t;
}

}  // namespace tarnwick
