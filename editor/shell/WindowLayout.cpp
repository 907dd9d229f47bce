#include "editor/shell/WindowLayout.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

namespace tarnwick {

namespace {

const QString GeometryKey = QStringLiteral("Window/Geometry");
const QString RectKey = QStringLiteral("Window/Rect");
const QString StateKey = QStringLiteral("Window/State");
const QString VersionKey = QStringLiteral("Window/LayoutVersion");

// How much of the window must show on some screen for the user to reach its title bar.
constexpr int MinimumVisible = 48;

bool ReachableOnSomeScreen(const QRect& ARect) {
  if (!ARect.isValid()) return false;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect shown = ARect.intersected(screen->availableGeometry());
    if (shown.width() >= qMin(MinimumVisible, ARect.width()) && shown.height() >= qMin(MinimumVisible, ARect.height()))
      return true;
  }
  return false;
}

}  // namespace

void SaveWindowLayout(QMainWindow& AWindow, QSettings& ASettings, int AVersion) {
  ASettings.setValue(GeometryKey, AWindow.saveGeometry());
  // Qt's geometry blob is opaque; the plain rectangle beside it lets a restore tell
  // whether the window would land on a screen at all. A maximised window is judged by the
  // place it returns to.
  const bool normal = !(AWindow.isMaximized() || AWindow.isFullScreen()) || !AWindow.normalGeometry().isValid();
  ASettings.setValue(RectKey, normal ? AWindow.geometry() : AWindow.normalGeometry());
  ASettings.setValue(StateKey, AWindow.saveState(AVersion));
  ASettings.setValue(VersionKey, AVersion);
}

bool RestoreWindowLayout(QMainWindow& AWindow, QSettings& ASettings, int AVersion) {
  bool restored = false;
  const QByteArray geometry = ASettings.value(GeometryKey).toByteArray();
  if (!geometry.isEmpty() && ReachableOnSomeScreen(ASettings.value(RectKey).toRect()))
    restored = AWindow.restoreGeometry(geometry);
  // restoreState checks the version stored inside the blob as well; the separate key keeps
  // a blob from an older layout out of its hands altogether.
  const QByteArray state = ASettings.value(StateKey).toByteArray();
  if (!state.isEmpty() && ASettings.value(VersionKey, -1).toInt() == AVersion)
    restored = AWindow.restoreState(state, AVersion) || restored;
  return restored;
}

}  // namespace tarnwick
