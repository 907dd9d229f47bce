#pragma once
// The documents the user opened or saved last, most recent first, kept in the program's
// settings so every window and every later run shows the same list. Paths are stored
// absolute and canonical, so one document reached by two paths takes one entry.
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QMenu;
class QSettings;

namespace tarnwick {

class TRecentFiles : public QObject {
 public:
  static constexpr int MaxFiles = 8;
  static const QString SettingsKey;

  // ASettings is borrowed and must outlive this object; null uses the program's default
  // settings (organisation and application name).
  explicit TRecentFiles(QSettings* ASettings = nullptr, QObject* AParent = nullptr);
  ~TRecentFiles() override;

  // Puts APath first (moving it there when listed already) and drops the oldest beyond
  // MaxFiles.
  void Add(const QString& APath);
  void Remove(const QString& APath);
  void Clear();
  QStringList Files() const;

  // "Open &Recent": one entry per file, then "Clear Menu"; disabled while the list is
  // empty. Files that no longer exist are dropped each time the menu is built (on every
  // change and before it opens). The menu belongs to this object.
  QMenu* Menu();

  // Called with the chosen entry's path. It runs from a menu click, so it must not throw;
  // when the file cannot be opened, the caller removes it with Remove.
  std::function<void(const QString&)> OnOpen;

  // The form a path is stored in: canonical when the file exists, otherwise absolute and
  // cleaned.
  static QString Normalized(const QString& APath);

 private:
  void Store(const QStringList& AFiles);
  void Rebuild();

  QSettings* FSettings;
  std::unique_ptr<QSettings> FOwnSettings;
  std::unique_ptr<QMenu> FMenu;
};

}  // namespace tarnwick
