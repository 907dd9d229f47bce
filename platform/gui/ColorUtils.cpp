#include "platform/gui/ColorUtils.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace tarnwick {

namespace {

struct TSysColorRole {
  QPalette::ColorGroup Group;
  QPalette::ColorRole Role;
};

// One row per system colour index (0..30). The desktop palette has fewer roles than there
// are system colours, so several indexes share the role that looks closest.
constexpr std::array<TSysColorRole, 31> SysColorRoles = {{
    {QPalette::Active, QPalette::Button},           // 0 scroll bar
    {QPalette::Active, QPalette::Dark},             // 1 desktop background
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Inactive, QPalette::Mid},            // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Button},           // 10 active border
    {QPalette::Inactive, QPalette::Button},         // 11 inactive border
    {QPalette::Active, QPalette::Mid},              // 12 application work space
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlight text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Dark},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Inactive, QPalette::WindowText},     // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 info background
    {QPalette::Active, QPalette::Window},           // 25 (no system colour; kept neutral)
    {QPalette::Active, QPalette::Link},             // 26 hot light
    {QPalette::Active, QPalette::Highlight},        // 27 gradient active caption
    {QPalette::Inactive, QPalette::Mid},            // 28 gradient inactive caption
    {QPalette::Active, QPalette::Highlight},        // 29 menu highlight
    {QPalette::Active, QPalette::Window},           // 30 menu bar
}};

QPalette CurrentPalette() {
  // Without an application object (static initialisation, tools) a palette generated from
  // a light grey button colour stands in for the desktop's.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return QGuiApplication::palette();
  return QPalette(QColor(0xF0, 0xF0, 0xF0));
}

TColor FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

}  // namespace

TColor ColorToRGB(TColor Color) {
  if (IsSystemColor(Color)) {
    uint32_t index = static_cast<uint32_t>(Color) & 0x00FFFFFFu;
    if (index >= SysColorRoles.size()) return clBlack;
    const TSysColorRole& r = SysColorRoles[index];
    return FromQColor(CurrentPalette().color(r.Group, r.Role));
  }
  if (Color == clNone || Color == clDefault) return Color;
  return static_cast<TColor>(static_cast<uint32_t>(Color) & 0x00FFFFFFu);
}

QColor ColorToQColor(TColor Color) {
  if (Color == clNone) return QColor(Qt::transparent);
  TColor rgb = ColorToRGB(Color == clDefault ? clWindow : Color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor QColorToColor(const QColor& Color) { return FromQColor(Color.toRgb()); }

}  // namespace tarnwick
