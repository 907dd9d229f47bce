// tarnwick: the diagram editor. Start-up prepares the block libraries (the ones shipped
// with the program and the user's own), then opens the editor window; closing the window
// ends the program. A document named on the command line (as a file manager hands it
// over) is opened.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>

#include "blocks/BlockSets.h"
#include "diagram/Registration.h"
#include "diagram/libraries/LibraryFolderFiler.h"
#include "diagram/libraries/LibraryFolders.h"
#include "diagram/libraries/LibraryManager.h"
#include "diagram/view/Diagram.h"
#include "editor/printing/PrintCommands.h"
#include "editor/window/DiagramEditor.h"
#include "editor/window/EditorActions.h"
#include "editor/window/EditorSetUp.h"
#include "editor/window/EditorWindow.h"
#include "editor/window/ProgramState.h"
#include "platform/core/Exception.h"
#include "platform/widgets/WinControl.h"

int main(int argc, char** argv) {
  using namespace tarnwick;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarnwick"));
  QApplication::setDesktopFileName(QStringLiteral("tarnwick"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnwick.svg")));
  RegisterAllClasses();
  RegisterBlockSets();
  // The machine's printers (through the platform's print system), and a PDF file.
  InstallPrinting();

  // The libraries register their items before the window lists the palette. A damaged
  // item is skipped and reported; the rest load.
  TOwned<TComponent> libraries = MakeOwned<TComponent>(nullptr);
  auto* filer = Create<TDgrLibraryFolderFiler>(libraries.get());
  ApplyLibraryFolders(*filer, DefaultLibraryFolders());
  auto* manager = Create<TDgrLibraryManager>(libraries.get());
  manager->SetAutoLoad(false);
  manager->SetFiler(filer);
  try {
    manager->LoadLibraries();
  } catch (const Exception& e) {
    std::fprintf(stderr, "tarnwick: %s\n", qPrintable(e.Message()));
  }
  for (const QString& error : manager->GetLoadErrors()) std::fprintf(stderr, "tarnwick: %s\n", qPrintable(error));

  TDiagramEditor editor;
  editor.Title = QStringLiteral("Tarnwick");
  editor.DialogMode = dmNormal;
  editor.SetLibManager(manager);
  TProgramState* state = nullptr;
  editor.OnCreateDesigner = [&state](TfmDiagramEditor& AForm) {
    PrepareEditorWindow(AForm);
    // Recent files, the layout of the last run, autosave.
    state = new TProgramState(AForm);
  };
  editor.OnCloseDesigner = [](TfmDiagramEditor&) { QApplication::quit(); };
  editor.Execute();
  TfmDiagramEditor* window = editor.Form();
  // Errors inside event handlers end in a message box; the program stays usable.
  SetApplicationExceptionHandler([window](const Exception& e) {
    QMessageBox::critical(window, QStringLiteral("Tarnwick"), e.Message());
  });
  const QStringList args = QApplication::arguments();
  // A document named by the file manager opens; otherwise work a crash left behind is
  // offered back (it waits for a start without a named document).
  if (args.size() > 1)
    window->Actions()->OpenFile(args[1]);
  else
    state->OfferRecovery();
  return QApplication::exec();
}
