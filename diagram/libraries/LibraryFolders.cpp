#include "diagram/libraries/LibraryFolders.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "diagram/libraries/LibraryFolderFiler.h"

namespace tarnwick {

namespace {
const QString LibrariesFolderName = QStringLiteral("/Libraries");
}

TLibraryFolders DefaultLibraryFolders() {
  TLibraryFolders folders;
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (!data.isEmpty()) folders.UserFolder = data + LibrariesFolderName;
  folders.ShippedFolders << QCoreApplication::applicationDirPath() + LibrariesFolderName;
  return folders;
}

void ApplyLibraryFolders(TDgrLibraryFolderFiler& AFiler, const TLibraryFolders& AFolders) {
  AFiler.SetBaseFolder(AFolders.UserFolder);
  AFiler.SetReadOnlyFolders(AFolders.ShippedFolders);
}

}  // namespace tarnwick
