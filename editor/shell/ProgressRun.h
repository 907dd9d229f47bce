#pragma once
// Long work under a modal progress dialog the user can cancel: an export, a print job.
// The work reports its progress through platform/gui/Progress.h; the dialog shows only
// when the work looks like it will take longer than a moment.
#include <QString>
#include <functional>

class QWidget;

namespace tarnwick {

enum class TProgressOutcome { Done, Cancelled, Failed };

// Runs AWork under a dialog titled ATitle showing ALabel over AParent. While it runs,
// nothing but the dialog paints: the dialog's event loop runs in the middle of the work,
// and a window painting the diagram then would find it set up for the export or the
// printer. Failed: AError (when given) holds the error's message.
TProgressOutcome RunWithProgress(QWidget* AParent, const QString& ATitle, const QString& ALabel,
                                 const std::function<void()>& AWork, QString* AError = nullptr);

}  // namespace tarnwick
