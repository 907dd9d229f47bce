// tarnwick: edits a diagram document in a window (the one given on the command line, or an
// untitled copy of the sample shipped with the program).
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>

#include "blocks/BlockSets.h"
#include "diagram/Registration.h"
#include "diagram/libraries/LibraryFolderFiler.h"
#include "diagram/libraries/LibraryFolders.h"
#include "diagram/libraries/LibraryManager.h"
#include "editor/ViewerWindow.h"
#include "platform/core/Exception.h"
#include "platform/widgets/WinControl.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarnwick"));
  tarnwick::RegisterAllClasses();
  tarnwick::RegisterBlockSets();
  // The block libraries (shipped ones and the user's own) register their items before the
  // window lists the palette. A damaged item is skipped and reported; the rest load.
  tarnwick::TOwned<tarnwick::TComponent> libraries = tarnwick::MakeOwned<tarnwick::TComponent>(nullptr);
  auto* filer = tarnwick::Create<tarnwick::TDgrLibraryFolderFiler>(libraries.get());
  tarnwick::ApplyLibraryFolders(*filer, tarnwick::DefaultLibraryFolders());
  auto* manager = tarnwick::Create<tarnwick::TDgrLibraryManager>(libraries.get());
  manager->SetFiler(filer);
  try {
    manager->LoadLibraries();
  } catch (const tarnwick::Exception& e) {
    std::fprintf(stderr, "tarnwick: %s\n", qPrintable(e.Message()));
  }
  for (const QString& error : manager->GetLoadErrors()) std::fprintf(stderr, "tarnwick: %s\n", qPrintable(error));
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
