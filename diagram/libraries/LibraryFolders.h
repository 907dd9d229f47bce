#pragma once
// Where the program keeps its libraries: those shipped with it, read-only, in the folder
// "Libraries" beside the executable, and the user's own under the user's application
// data folder, the only place libraries are written to. Both are loaded.
#include <QString>
#include <QStringList>

namespace tarnwick {

class TDgrLibraryFolderFiler;

struct TLibraryFolders {
  QString UserFolder;
  QStringList ShippedFolders;
};

// The folders of a running program (needs a QCoreApplication).
TLibraryFolders DefaultLibraryFolders();

// Points the filer at the folders: the user folder is its base folder.
void ApplyLibraryFolders(TDgrLibraryFolderFiler& AFiler, const TLibraryFolders& AFolders);

}  // namespace tarnwick
