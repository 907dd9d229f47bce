#include "editor/shell/Autosave.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <climits>
#include <exception>

namespace tarnwick {

namespace {

const QString DocumentSuffix = QStringLiteral(".dgr");
const QString SideSuffix = QStringLiteral(".json");
const QString LockSuffix = QStringLiteral(".lock");

int IntervalFromEnvironment() {
  bool ok = false;
  const int seconds = qEnvironmentVariableIntValue(TAutosave::IntervalVariable, &ok);
  return ok && seconds > 0 && seconds <= INT_MAX / 1000 ? seconds * 1000 : 0;
}

// Unique per run and per object: a program may hold several documents.
QString NewSessionId() {
  static std::atomic<int> sequence{0};
  return QStringLiteral("%1-%2-%3")
      .arg(QCoreApplication::applicationPid())
      .arg(QDateTime::currentMSecsSinceEpoch())
      .arg(sequence++);
}

// Only the pid, the program's name and the host decide whether a lock is stale, never
// its age: a program left open for days still owns its session.
std::unique_ptr<QLockFile> MakeLock(const QString& APath) {
  auto lock = std::make_unique<QLockFile>(APath);
  lock->setStaleLockTime(0);
  return lock;
}

bool WriteAtomically(const QString& APath, const QByteArray& AData, QString& AError) {
  QSaveFile file(APath);
  if (file.open(QIODevice::WriteOnly) && file.write(AData) == AData.size() && file.commit()) return true;
  AError = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(APath), file.errorString());
  file.cancelWriting();
  return false;
}

}  // namespace

QString TAutosave::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

TAutosave::TAutosave(std::function<QByteArray()> ASnapshot, const QString& AFolder, QObject* AParent)
    : QObject(AParent),
      FSnapshot(std::move(ASnapshot)),
      FFolder(AFolder),
      FId(NewSessionId()),
      FTimer(new QTimer(this)) {
  // A timer callback must not let an exception into the event loop; Tick reports its own
  // failures, so only a throwing OnError could get here.
  connect(FTimer, &QTimer::timeout, this, [this] {
    try {
      Tick();
    } catch (...) {
    }
  });
  FTimer->start(Interval());
}

TAutosave::~TAutosave() {
  if (FLock) FLock->unlock();
}

void TAutosave::SetInterval(int AMilliseconds) {
  FRequestedInterval = qMax(1, AMilliseconds);
  FTimer->start(Interval());
}

int TAutosave::Interval() const {
  const int fromEnvironment = IntervalFromEnvironment();
  return fromEnvironment > 0 ? fromEnvironment : FRequestedInterval;
}

void TAutosave::SetModified(bool AValue) { FModified = AValue; }

void TAutosave::SetDocumentFileName(const QString& AFileName) {
  if (AFileName == FFileName) return;
  FFileName = AFileName;
  FNameChanged = true;
}

QString TAutosave::DocumentPath() const { return FFolder + QLatin1Char('/') + FId + DocumentSuffix; }

void TAutosave::Tick() {
  if (!FModified || FPaused) return;
  // The snapshot is taken to learn whether anything changed: the window reports only
  // whether the document is modified, not each edit.
  QByteArray data;
  if (!TakeSnapshot(data)) return;
  if (!FNameChanged && QCryptographicHash::hash(data, QCryptographicHash::Sha1) == FWrittenHash) return;
  Write(data);
}

bool TAutosave::WriteNow() {
  QByteArray data;
  return TakeSnapshot(data) && Write(data);
}

bool TAutosave::TakeSnapshot(QByteArray& AData) {
  try {
    AData = FSnapshot();
    return true;
  } catch (const std::exception& e) {
    Fail(tr("The document could not be saved for recovery: %1").arg(QString::fromUtf8(e.what())));
  } catch (...) {
    Fail(tr("The document could not be saved for recovery."));
  }
  return false;
}

bool TAutosave::Write(const QByteArray& AData) {
  if (!Lock()) return false;
  QString error;
  // The document first: a crash between the two writes leaves a document whose side file
  // is older or missing, which still recovers.
  if (!WriteAtomically(DocumentPath(), AData, error)) {
    Fail(error);
    return false;
  }
  const QJsonObject side{{QStringLiteral("fileName"), FFileName},
                         {QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)}};
  if (!WriteAtomically(FFolder + QLatin1Char('/') + FId + SideSuffix, QJsonDocument(side).toJson(), error)) {
    Fail(error);
    return false;
  }
  FWrittenHash = QCryptographicHash::hash(AData, QCryptographicHash::Sha1);
  FNameChanged = false;
  FErrorReported = false;
  return true;
}

bool TAutosave::Lock() {
  if (FLock) return true;
  const bool created = !QFileInfo::exists(FFolder);
  if (!QDir().mkpath(FFolder)) {
    Fail(tr("Cannot create the recovery folder %1.").arg(QDir::toNativeSeparators(FFolder)));
    return false;
  }
  // Recovered documents are the user's work: a folder made for them is private. One that
  // existed before is left as its owner set it.
  if (created) QFile::setPermissions(FFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  auto lock = MakeLock(FFolder + QLatin1Char('/') + FId + LockSuffix);
  if (!lock->tryLock(0)) {
    Fail(tr("Cannot lock the recovery session in %1.").arg(QDir::toNativeSeparators(FFolder)));
    return false;
  }
  FLock = std::move(lock);
  return true;
}

void TAutosave::Fail(const QString& AMessage) {
  if (FErrorReported) return;
  FErrorReported = true;
  if (OnError) OnError(AMessage);
}

void TAutosave::Discard() {
  QFile::remove(DocumentPath());
  QFile::remove(FFolder + QLatin1Char('/') + FId + SideSuffix);
  FWrittenHash.clear();
}

QList<TRecoveryFile> TAutosave::Pending(const QString& AFolder) {
  QList<TRecoveryFile> result;
  const QDir folder(AFolder);
  for (const QFileInfo& document : folder.entryInfoList({QLatin1Char('*') + DocumentSuffix}, QDir::Files)) {
    const QString base = folder.filePath(document.completeBaseName());
    // Taking the lock proves its owner is gone; it is given back at once, which removes
    // it, so a later Pending does not mistake this check for a live session.
    const auto lock = MakeLock(base + LockSuffix);
    if (!lock->tryLock(0)) continue;
    lock->unlock();

    TRecoveryFile file{document.absoluteFilePath(), QString(), document.lastModified()};
    QFile side(base + SideSuffix);
    if (side.open(QIODevice::ReadOnly)) {
      const QJsonObject json = QJsonDocument::fromJson(side.readAll()).object();
      file.FileName = json.value(QStringLiteral("fileName")).toString();
      const QDateTime time = QDateTime::fromString(json.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
      if (time.isValid()) file.Time = time;
    }
    result.append(file);
  }
  std::stable_sort(result.begin(), result.end(),
                   [](const TRecoveryFile& A, const TRecoveryFile& B) { return A.Time > B.Time; });
  return result;
}

void TAutosave::Forget(const TRecoveryFile& AFile) {
  const QFileInfo document(AFile.Path);
  const QString base = document.absoluteDir().filePath(document.completeBaseName());
  // Never pull a document from under a session that is still running.
  const auto lock = MakeLock(base + LockSuffix);
  if (!lock->tryLock(0)) return;
  QFile::remove(AFile.Path);
  QFile::remove(base + SideSuffix);
  lock->unlock();
}

}  // namespace tarnwick
