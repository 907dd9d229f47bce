#include "editor/shell/RecentFiles.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace tarnwick {

const QString TRecentFiles::SettingsKey = QStringLiteral("RecentFiles");

TRecentFiles::TRecentFiles(QSettings* ASettings, QObject* AParent) : QObject(AParent), FSettings(ASettings) {
  if (!FSettings) {
    FOwnSettings = std::make_unique<QSettings>();
    FSettings = FOwnSettings.get();
  }
}

TRecentFiles::~TRecentFiles() = default;

QString TRecentFiles::Normalized(const QString& APath) {
  const QFileInfo info(APath);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? QFileInfo(info.absoluteFilePath()).absoluteFilePath() : canonical;
}

QStringList TRecentFiles::Files() const { return FSettings->value(SettingsKey).toStringList(); }

void TRecentFiles::Store(const QStringList& AFiles) {
  if (AFiles.isEmpty())
    FSettings->remove(SettingsKey);
  else
    FSettings->setValue(SettingsKey, AFiles);
  if (FMenu) Rebuild();
}

void TRecentFiles::Add(const QString& APath) {
  if (APath.isEmpty()) return;
  const QString path = Normalized(APath);
  QStringList files = Files();
  files.removeAll(path);
  files.prepend(path);
  while (files.size() > MaxFiles) files.removeLast();
  Store(files);
}

void TRecentFiles::Remove(const QString& APath) {
  QStringList files = Files();
  // The stored form may predate a rename or removal that changes the canonical form, so
  // the path as given counts as well.
  const qsizetype removed = files.removeAll(APath) + files.removeAll(Normalized(APath));
  if (removed > 0) Store(files);
}

void TRecentFiles::Clear() { Store({}); }

QMenu* TRecentFiles::Menu() {
  if (!FMenu) {
    FMenu = std::make_unique<QMenu>(tr("Open &Recent"));
    connect(FMenu.get(), &QMenu::aboutToShow, this, [this] { Rebuild(); });
    Rebuild();
  }
  return FMenu.get();
}

void TRecentFiles::Rebuild() {
  const QStringList stored = Files();
  QStringList files;
  for (const QString& path : stored)
    if (QFileInfo::exists(path)) files.append(path);
  if (files != stored) {
    // Store rebuilds the menu again with the shorter list.
    Store(files);
    return;
  }

  // The entries are retired later, not deleted: the menu is rebuilt from inside an entry's
  // own click (Clear Menu, or OnOpen adding the file it opened).
  for (QAction* action : FMenu->actions()) {
    FMenu->removeAction(action);
    action->deleteLater();
  }
  int number = 0;
  for (const QString& path : files) {
    // A '&' in a file name would otherwise become a mnemonic and vanish from the text.
    QString name = QFileInfo(path).fileName();
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    QAction* action = FMenu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(name));
    action->setStatusTip(path);
    action->setToolTip(path);
    connect(action, &QAction::triggered, this, [this, path] {
      if (OnOpen) OnOpen(path);
    });
  }
  FMenu->addSeparator();
  FMenu->addAction(tr("Clear Menu"), this, [this] { Clear(); });
  FMenu->setEnabled(!files.isEmpty());
}

}  // namespace tarnwick
