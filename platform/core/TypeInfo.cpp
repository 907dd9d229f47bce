#include "platform/core/TypeInfo.h"

#include "platform/core/Colors.h"

namespace tarnwick {

TEnumTypeInfo::TEnumTypeInfo(QString typeName, std::initializer_list<const char*> names)
    : FTypeName(std::move(typeName)) {
  FNames.reserve(names.size());
  for (const char* n : names) {
    FNames.push_back(QString::fromLatin1(n));
    FUtf8Names.emplace_back(n);
  }
}

std::string_view TEnumTypeInfo::Utf8NameOf(int64_t ordinal) const {
  if (ordinal < 0 || ordinal >= static_cast<int64_t>(FUtf8Names.size())) return {};
  return FUtf8Names[static_cast<size_t>(ordinal)];
}

QString TEnumTypeInfo::NameOf(int64_t ordinal) const {
  if (ordinal < 0 || ordinal >= static_cast<int64_t>(FNames.size())) return {};
  return FNames[static_cast<size_t>(ordinal)];
}

int TEnumTypeInfo::ValueOf(const QString& name) const {
  for (size_t i = 0; i < FNames.size(); ++i)
    if (FNames[i].compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return -1;
}

const TEnumTypeInfo& BooleanTypeInfo() {
  static const TEnumTypeInfo info("Boolean", {"False", "True"});
  return info;
}

TIdentMap::TIdentMap(QString typeName, std::initializer_list<TIdentMapEntry> rows)
    : FTypeName(std::move(typeName)), FRows(rows) {}

const char* TIdentMap::NameOf(int32_t value) const {
  for (const auto& r : FRows)
    if (r.Value == value) return r.Name;
  return nullptr;
}

bool TIdentMap::IntToIdent(int32_t value, QString& ident) const {
  for (const auto& r : FRows)
    if (r.Value == value) {
      ident = QString::fromLatin1(r.Name);
      return true;
    }
  return false;
}

bool TIdentMap::IdentToInt(const QString& ident, int32_t& value) const {
  for (const auto& r : FRows)
    if (ident.compare(QLatin1String(r.Name), Qt::CaseInsensitive) == 0) {
      value = r.Value;
      return true;
    }
  return false;
}

const TIdentMap& ColorIdents() {
  // Row order matters: lookups by value take the first row.
  static const TIdentMap map(
      "TColor", {{clBlack, "clBlack"},
                 {clMaroon, "clMaroon"},
                 {clGreen, "clGreen"},
                 {clOlive, "clOlive"},
                 {clNavy, "clNavy"},
                 {clPurple, "clPurple"},
                 {clTeal, "clTeal"},
                 {clGray, "clGray"},
                 {clSilver, "clSilver"},
                 {clRed, "clRed"},
                 {clLime, "clLime"},
                 {clYellow, "clYellow"},
                 {clBlue, "clBlue"},
                 {clFuchsia, "clFuchsia"},
                 {clAqua, "clAqua"},
                 {clWhite, "clWhite"},
                 {clMoneyGreen, "clMoneyGreen"},
                 {clSkyBlue, "clSkyBlue"},
                 {clCream, "clCream"},
                 {clMedGray, "clMedGray"},
                 {clActiveBorder, "clActiveBorder"},
                 {clActiveCaption, "clActiveCaption"},
                 {clAppWorkSpace, "clAppWorkSpace"},
                 {clBackground, "clBackground"},
                 {clBtnFace, "clBtnFace"},
                 {clBtnHighlight, "clBtnHighlight"},
                 {clBtnShadow, "clBtnShadow"},
                 {clBtnText, "clBtnText"},
                 {clCaptionText, "clCaptionText"},
                 {clDefault, "clDefault"},
                 {clGradientActiveCaption, "clGradientActiveCaption"},
                 {clGradientInactiveCaption, "clGradientInactiveCaption"},
                 {clGrayText, "clGrayText"},
                 {clHighlight, "clHighlight"},
                 {clHighlightText, "clHighlightText"},
                 {clHotLight, "clHotLight"},
                 {clInactiveBorder, "clInactiveBorder"},
                 {clInactiveCaption, "clInactiveCaption"},
                 {clInactiveCaptionText, "clInactiveCaptionText"},
                 {clInfoBk, "clInfoBk"},
                 {clInfoText, "clInfoText"},
                 {clMenu, "clMenu"},
                 {clMenuBar, "clMenuBar"},
                 {clMenuHighlight, "clMenuHighlight"},
                 {clMenuText, "clMenuText"},
                 {clNone, "clNone"},
                 {clScrollBar, "clScrollBar"},
                 {cl3DDkShadow, "cl3DDkShadow"},
                 {cl3DLight, "cl3DLight"},
                 {clWindow, "clWindow"},
                 {clWindowFrame, "clWindowFrame"},
                 {clWindowText, "clWindowText"}});
  return map;
}

const TIdentMap& CursorIdents() {
  static const TIdentMap map("TCursor", {{crDefault, "crDefault"},   {crArrow, "crArrow"},
                                         {crCross, "crCross"},       {crIBeam, "crIBeam"},
                                         {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"},
                                         {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
                                         {crUpArrow, "crUpArrow"},   {crHourGlass, "crHourGlass"},
                                         {crDrag, "crDrag"},         {crNoDrop, "crNoDrop"},
                                         {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},
                                         {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},
                                         {crNo, "crNo"},             {crAppStart, "crAppStart"},
                                         {crHelp, "crHelp"},         {crHandPoint, "crHandPoint"},
                                         {crSizeAll, "crSizeAll"},   {crSize, "crSize"}});
  return map;
}

const TIdentMap& CharsetIdents() {
  static const TIdentMap map(
      "TFontCharset", {{ANSI_CHARSET, "ANSI_CHARSET"},         {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
                       {SYMBOL_CHARSET, "SYMBOL_CHARSET"},     {MAC_CHARSET, "MAC_CHARSET"},
                       {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"}, {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
                       {JOHAB_CHARSET, "JOHAB_CHARSET"},       {GB2312_CHARSET, "GB2312_CHARSET"},
                       {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"}, {GREEK_CHARSET, "GREEK_CHARSET"},
                       {TURKISH_CHARSET, "TURKISH_CHARSET"},   {HEBREW_CHARSET, "HEBREW_CHARSET"},
                       {ARABIC_CHARSET, "ARABIC_CHARSET"},     {BALTIC_CHARSET, "BALTIC_CHARSET"},
                       {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},   {THAI_CHARSET, "THAI_CHARSET"},
                       {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"}, {OEM_CHARSET, "OEM_CHARSET"}});
  return map;
}

}  // namespace tarnwick
