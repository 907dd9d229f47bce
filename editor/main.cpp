// tarnwick: edits a diagram document in a window (the one given on the command line, or an
// untitled copy of the sample shipped with the program).
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "blocks/BlockSets.h"
#include "diagram/Registration.h"
#include "editor/ViewerWindow.h"
#include "platform/core/Exception.h"
#include "platform/widgets/WinControl.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarnwick"));
  tarnwick::RegisterAllClasses();
  tarnwick::RegisterBlockSets();
  tarnwick::TViewerWindow window;
  // Errors inside event handlers end in a message box; the program stays usable.
  tarnwick::SetApplicationExceptionHandler([&window](const tarnwick::Exception& e) {
    QMessageBox::critical(&window, QStringLiteral("Tarnwick"), e.Message());
  });
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    window.OpenFile(args[1]);
  } else {
    const QString sample = QStringLiteral(TARNWICK_SAMPLE_DIR "/welcome.dgr");
    if (QFileInfo::exists(sample)) window.OpenFile(sample, true);
  }
  window.show();
  return QApplication::exec();
}
