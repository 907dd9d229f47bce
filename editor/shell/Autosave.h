#pragma once
// Autosave with crash recovery. Each running program owns one session in the recovery
// folder: a lock file held for as long as the session lives, the document's text form
// ("<id>.dgr") and a side file naming the document it came from ("<id>.json"). A session
// whose lock is stale belonged to a program that ended without discarding it (a crash, a
// kill, a power cut); its document is offered back at the next start.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLockFile;
class QTimer;

namespace tarnwick {

struct TRecoveryFile {
  QString Path;      // the recovered document in the recovery folder
  QString FileName;  // the document's own file; empty for an untitled one
  QDateTime Time;    // when it was written
};

class TAutosave : public QObject {
 public:
  static constexpr int DefaultInterval = 120000;  // ms
  // Seconds; a positive value overrides every interval set in code.
  static constexpr const char* IntervalVariable = "TARNWICK_AUTOSAVE_SECONDS";

  static QString DefaultFolder();

  // ASnapshot returns the document's saved form. It may throw; that write then fails and
  // the last good copy stays.
  explicit TAutosave(std::function<QByteArray()> ASnapshot, const QString& AFolder = DefaultFolder(),
                     QObject* AParent = nullptr);
  // Releases the lock but keeps the files: a program that ends without Discard may have
  // left work unsaved, and the next run offers it.
  ~TAutosave() override;

  void SetInterval(int AMilliseconds);
  int Interval() const;
  void SetModified(bool AValue);
  // While paused the timer writes nothing (the document is in the middle of other work,
  // an export say); the next tick after it catches up.
  void SetPaused(bool AValue) { FPaused = AValue; }
  bool Modified() const { return FModified; }
  void SetDocumentFileName(const QString& AFileName);

  // What the timer runs: writes while modified, and only when the document or its name
  // differs from what was written last.
  void Tick();
  // Writes now, modified or not. Returns false when the write failed (reported through
  // OnError, never thrown).
  bool WriteNow();
  // Removes this session's document and side file.
  void Discard();

  QString Folder() const { return FFolder; }
  QString SessionId() const { return FId; }
  QString DocumentPath() const;

  // Told once about a failed write, and again only after a write has succeeded since.
  std::function<void(const QString&)> OnError;

  // The documents of sessions no longer running, newest first.
  static QList<TRecoveryFile> Pending(const QString& AFolder = DefaultFolder());
  // Removes a recovered session's files.
  static void Forget(const TRecoveryFile& AFile);

 private:
  bool TakeSnapshot(QByteArray& AData);
  bool Write(const QByteArray& AData);
  bool Lock();
  void Fail(const QString& AMessage);

  std::function<QByteArray()> FSnapshot;
  QString FFolder;
  QString FId;
  QString FFileName;
  bool FModified = false;
  bool FPaused = false;
  bool FNameChanged = false;
  bool FErrorReported = false;
  QByteArray FWrittenHash;  // of the last document written; empty: none since Discard
  int FRequestedInterval = DefaultInterval;
  std::unique_ptr<QLockFile> FLock;
  QTimer* FTimer;
};

}  // namespace tarnwick
