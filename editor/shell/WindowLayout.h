#pragma once
// The main window's size, place, docks and tool bars, kept in the program's settings
// between runs.
class QMainWindow;
class QSettings;

namespace tarnwick {

// Raise this whenever the window's set of docks or tool bars changes: a state saved for
// another set is ignored rather than restored into the wrong places.
inline constexpr int WindowLayoutVersion = 1;

void SaveWindowLayout(QMainWindow& AWindow, QSettings& ASettings, int AVersion = WindowLayoutVersion);

// Restores what SaveWindowLayout kept. The geometry is skipped when it lies off every
// screen now attached (a monitor since removed), leaving the window where the system puts
// it; the dock and tool bar state is skipped when it was saved under another version.
// Returns whether anything was restored.
bool RestoreWindowLayout(QMainWindow& AWindow, QSettings& ASettings, int AVersion = WindowLayoutVersion);

}  // namespace tarnwick
