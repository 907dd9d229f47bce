#include "editor/shell/ExportProgress.h"

#include <QChar>
#include <QFileInfo>

#include "diagram/view/Diagram.h"
#include "editor/shell/ProgressRun.h"

namespace tarnwick {

bool ExportWithProgress(QWidget* AParent, TdvDiagram& ADiagram, const QString& AFileName, TExportFormat AFormat,
                        TExportSize ASize, QString* AError) {
  const QString label = QStringLiteral("Exporting %1").arg(QFileInfo(AFileName).fileName()) + QChar(0x2026);
  switch (RunWithProgress(AParent, QStringLiteral("Export"), label,
                          [&] { ADiagram.ExportToFile(AFileName, AFormat, ASize); }, AError)) {
    case TProgressOutcome::Done:
      return true;
    case TProgressOutcome::Cancelled:
      if (AError) *AError = QStringLiteral("Export cancelled");
      return false;
    case TProgressOutcome::Failed:
      break;
  }
  return false;
}

}  // namespace tarnwick
