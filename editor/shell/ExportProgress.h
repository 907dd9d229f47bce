#pragma once
// Exporting the diagram as an image with a progress dialog the user can cancel. A large
// drawing takes seconds to render; the dialog appears only when the export looks like it
// will take longer than a moment.
#include <QString>

#include "diagram/view/DiagramTypes.h"

class QWidget;

namespace tarnwick {

class TdvDiagram;

// Runs ADiagram.ExportToFile under a modal progress dialog over AParent. Returns true when
// the file was written; false when the user cancelled (AError = "Export cancelled") or the
// export failed (AError = the error's message). Either way a file that was at that path
// before is left as it was.
//
// While the export runs nothing but the dialog paints: the event loop that keeps the
// dialog alive must not let a window paint the diagram in the middle of an export.
bool ExportWithProgress(QWidget* AParent, TdvDiagram& ADiagram, const QString& AFileName, TExportFormat AFormat,
                        TExportSize ASize, QString* AError);

}  // namespace tarnwick
