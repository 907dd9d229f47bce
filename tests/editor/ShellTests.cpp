// The program's own state around a document: the recent files list and its menu, the
// window layout kept between runs, and autosave with recovery after a crash.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMainWindow>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <stdexcept>

#include "editor/shell/Autosave.h"
#include "editor/shell/RecentFiles.h"
#include "editor/shell/WindowLayout.h"

using namespace tarnwick;

namespace {

QByteArray ReadAll(const QString& APath) {
  QFile file(APath);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& APath, const QByteArray& AData) {
  QFile file(APath);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(AData);
}

struct TScratch {
  TScratch() : Settings(Dir.filePath("settings.ini"), QSettings::IniFormat) {}
  QString Touch(const QString& AName) {
    const QString path = Dir.filePath(AName);
    WriteAll(path, "object TdvDiagram\nend\n");
    return path;
  }
  QTemporaryDir Dir;
  QSettings Settings;
};

QStringList Texts(const QMenu& AMenu) {
  QStringList texts;
  for (const QAction* action : AMenu.actions()) texts.append(action->isSeparator() ? "-" : action->text());
  return texts;
}

}  // namespace

TEST(RecentFiles, KeepsTheLatestEightMostRecentFirstWithoutDuplicates) {
  TScratch s;
  TRecentFiles recent(&s.Settings);
  QStringList paths;
  for (int i = 0; i < 10; ++i) paths.append(s.Touch(QString("d%1.dgr").arg(i)));
  for (const QString& path : paths) recent.Add(path);

  QStringList expected;
  for (int i = 9; i >= 2; --i) expected.append(QFileInfo(paths[i]).canonicalFilePath());
  EXPECT_EQ(recent.Files(), expected);

  // The same document through another spelling of its path moves to the front.
  recent.Add(s.Dir.path() + "/./sub/../d5.dgr");
  EXPECT_EQ(recent.Files().size(), 8);
  EXPECT_EQ(recent.Files().front(), QFileInfo(paths[5]).canonicalFilePath());
  EXPECT_EQ(recent.Files().count(QFileInfo(paths[5]).canonicalFilePath()), 1);

  recent.Remove(paths[9]);
  EXPECT_FALSE(recent.Files().contains(QFileInfo(paths[9]).canonicalFilePath()));
  EXPECT_EQ(recent.Files().size(), 7);

  // Another window, or the next run, reads the same list.
  TRecentFiles other(&s.Settings);
  EXPECT_EQ(other.Files(), recent.Files());
}

TEST(RecentFiles, MenuNumbersEntriesDropsMissingFilesAndOpensTheChosenOne) {
  TScratch s;
  TRecentFiles recent(&s.Settings);
  QMenu* menu = recent.Menu();
  EXPECT_FALSE(menu->isEnabled());
  EXPECT_EQ(menu->title(), "Open &Recent");

  const QString gone = s.Touch("gone.dgr");
  const QString kept = s.Touch("kept.dgr");
  const QString amp = s.Touch("R&D.dgr");
  recent.Add(gone);
  recent.Add(kept);
  recent.Add(amp);
  ASSERT_TRUE(QFile::remove(gone));
  emit menu->aboutToShow();

  EXPECT_TRUE(menu->isEnabled());
  EXPECT_EQ(Texts(*menu), QStringList({"&1 R&&D.dgr", "&2 kept.dgr", "-", "Clear Menu"}));
  EXPECT_EQ(menu->actions()[1]->statusTip(), QFileInfo(kept).canonicalFilePath());
  EXPECT_EQ(recent.Files().size(), 2);  // the missing file left the stored list too

  QStringList opened;
  recent.OnOpen = [&](const QString& APath) {
    opened.append(APath);
    recent.Add(APath);  // as the window does: rebuilds the menu from inside the click
  };
  menu->actions()[1]->trigger();
  EXPECT_EQ(opened, QStringList({QFileInfo(kept).canonicalFilePath()}));
  EXPECT_EQ(Texts(*menu).first(), "&1 kept.dgr");

  menu->actions().last()->trigger();  // Clear Menu
  EXPECT_TRUE(recent.Files().isEmpty());
  EXPECT_FALSE(menu->isEnabled());
  EXPECT_EQ(Texts(*menu), QStringList({"-", "Clear Menu"}));
}

namespace {

struct TLayoutWindow : QMainWindow {
  TLayoutWindow() {
    Dock = new QDockWidget("Palette", this);
    Dock->setObjectName("PaletteDock");
    Dock->setWidget(new QWidget);
    addDockWidget(Qt::LeftDockWidgetArea, Dock);
    Bar = addToolBar("Lines");
    Bar->setObjectName("LinesBar");
    setCentralWidget(new QWidget);
  }
  QDockWidget* Dock;
  QToolBar* Bar;
};

}  // namespace

TEST(WindowLayout, RoundTripsGeometryDocksAndToolBarsOfTheSameVersion) {
  TScratch s;
  {
    TLayoutWindow w;
    w.setGeometry(120, 90, 640, 420);
    w.addDockWidget(Qt::RightDockWidgetArea, w.Dock);
    w.addToolBar(Qt::BottomToolBarArea, w.Bar);
    w.show();
    SaveWindowLayout(w, s.Settings);
  }
  TLayoutWindow w;
  EXPECT_TRUE(RestoreWindowLayout(w, s.Settings));
  EXPECT_EQ(w.dockWidgetArea(w.Dock), Qt::RightDockWidgetArea);
  EXPECT_EQ(w.toolBarArea(w.Bar), Qt::BottomToolBarArea);
  EXPECT_EQ(w.geometry().size(), QSize(640, 420));

  // A window whose docks changed since keeps its own arrangement.
  TLayoutWindow changed;
  RestoreWindowLayout(changed, s.Settings, WindowLayoutVersion + 1);
  EXPECT_EQ(changed.dockWidgetArea(changed.Dock), Qt::LeftDockWidgetArea);
  EXPECT_EQ(changed.toolBarArea(changed.Bar), Qt::TopToolBarArea);
}

TEST(WindowLayout, GeometryOffEveryScreenKeepsTheDefaultPlacement) {
  TScratch s;
  {
    TLayoutWindow w;
    w.setGeometry(50000, 50000, 640, 420);
    SaveWindowLayout(w, s.Settings, 3);
  }
  TLayoutWindow w;
  const QRect before = w.geometry();
  EXPECT_FALSE(RestoreWindowLayout(w, s.Settings, 4));  // nothing usable
  EXPECT_EQ(w.geometry(), before);
  EXPECT_FALSE(RestoreWindowLayout(w, s.Settings, 4));

  QSettings empty(s.Dir.filePath("empty.ini"), QSettings::IniFormat);
  EXPECT_FALSE(RestoreWindowLayout(w, empty));
}

namespace {

struct TAutosaveFixture : ::testing::Test {
  QString Folder() const { return Dir.filePath("recovery"); }
  QString SidePath(const TAutosave& A) const { return Folder() + "/" + A.SessionId() + ".json"; }
  QJsonObject Side(const TAutosave& A) const { return QJsonDocument::fromJson(ReadAll(SidePath(A))).object(); }

  // Lays out a session as a program that crashed leaves it: its document, its side file
  // and a lock in the lock file format naming a process that no longer exists.
  void CrashedSession(const QString& AId, const QString& AFileName, const QString& ATime) {
    QDir().mkpath(Folder());
    const QString base = Folder() + "/" + AId;
    WriteAll(base + ".dgr", "object TdvDiagram\nend\n");
    WriteAll(base + ".json", QJsonDocument(QJsonObject{{"fileName", AFileName}, {"time", ATime}}).toJson());

    QByteArray content;
    {
      QLockFile sample(Dir.filePath("sample.lock"));
      ASSERT_TRUE(sample.tryLock(0));
      content = ReadAll(Dir.filePath("sample.lock"));
    }
    QProcess gone;
    gone.start("/bin/true");
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    content = QByteArray::number(pid) + content.mid(content.indexOf('\n'));
    WriteAll(base + ".lock", content);
  }

  QTemporaryDir Dir;
  QByteArray Document = "object TdvDiagram\n  Width = 100\nend\n";
};

}  // namespace

TEST_F(TAutosaveFixture, WritesOnlyWhileModifiedAndOnlyWhatChanged) {
  TAutosave autosave([this] { return Document; }, Folder());
  autosave.Tick();
  EXPECT_FALSE(QFile::exists(autosave.DocumentPath()));

  autosave.SetModified(true);
  autosave.Tick();
  EXPECT_EQ(ReadAll(autosave.DocumentPath()), Document);
  EXPECT_EQ(Side(autosave).value("fileName").toString(), "");
  EXPECT_TRUE(QDateTime::fromString(Side(autosave).value("time").toString(), Qt::ISODateWithMs).isValid());

  // Nothing changed: the file is left alone (a marker shows it was not rewritten).
  WriteAll(autosave.DocumentPath(), "marker");
  autosave.Tick();
  EXPECT_EQ(ReadAll(autosave.DocumentPath()), "marker");

  // A new name alone is a change: the side file must say where the document belongs.
  autosave.SetDocumentFileName("/home/u/plan.dgr");
  autosave.Tick();
  EXPECT_EQ(Side(autosave).value("fileName").toString(), "/home/u/plan.dgr");

  Document += "x";
  autosave.Tick();
  EXPECT_EQ(ReadAll(autosave.DocumentPath()), Document);

  autosave.SetModified(false);
  Document += "y";
  autosave.Tick();
  EXPECT_NE(ReadAll(autosave.DocumentPath()), Document);
  EXPECT_TRUE(autosave.WriteNow());
  EXPECT_EQ(ReadAll(autosave.DocumentPath()), Document);

  // After a discard the same document is written again once modified.
  autosave.Discard();
  EXPECT_FALSE(QFile::exists(autosave.DocumentPath()));
  EXPECT_FALSE(QFile::exists(SidePath(autosave)));
  autosave.SetModified(true);
  autosave.Tick();
  EXPECT_EQ(ReadAll(autosave.DocumentPath()), Document);
}

TEST_F(TAutosaveFixture, AFailedWriteKeepsTheLastGoodCopyAndIsReportedOnce) {
  bool fail = false;
  TAutosave autosave(
      [&]() -> QByteArray {
        if (fail) throw std::runtime_error("out of memory");
        return Document;
      },
      Folder());
  QStringList errors;
  autosave.OnError = [&](const QString& AMessage) { errors.append(AMessage); };
  ASSERT_TRUE(autosave.WriteNow());

  fail = true;
  EXPECT_FALSE(autosave.WriteNow());
  autosave.SetModified(true);
  autosave.Tick();
  EXPECT_EQ(ReadAll(autosave.DocumentPath()), Document);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains("out of memory"));

  // Success re-arms the report for the next failure.
  fail = false;
  EXPECT_TRUE(autosave.WriteNow());
  fail = true;
  autosave.WriteNow();
  EXPECT_EQ(errors.size(), 2);
  EXPECT_TRUE(QDir(Folder()).entryList({"*.tmp", "*~"}, QDir::Files).isEmpty());  // no half files left

  // A folder that cannot exist (its parent is a file): reported, never thrown.
  WriteAll(Dir.filePath("file"), "x");
  TAutosave unwritable([this] { return Document; }, Dir.filePath("file/recovery"));
  QStringList unwritableErrors;
  unwritable.OnError = [&](const QString& AMessage) { unwritableErrors.append(AMessage); };
  EXPECT_FALSE(unwritable.WriteNow());
  EXPECT_FALSE(unwritable.WriteNow());
  EXPECT_EQ(unwritableErrors.size(), 1);
}

TEST_F(TAutosaveFixture, PendingOffersEndedSessionsOnlyNewestFirst) {
  auto* running = new TAutosave([this] { return Document; }, Folder());
  running->SetDocumentFileName("/home/u/live.dgr");
  ASSERT_TRUE(running->WriteNow());
  CrashedSession("111-1-0", "/home/u/old.dgr", "2020-01-02T03:04:05.000Z");
  CrashedSession("222-2-0", "", "2021-06-07T08:09:10.000Z");

  // The running session is another window's (or another program's) live work.
  QList<TRecoveryFile> pending = TAutosave::Pending(Folder());
  ASSERT_EQ(pending.size(), 2);
  EXPECT_EQ(pending[0].Path, QFileInfo(Folder() + "/222-2-0.dgr").absoluteFilePath());
  EXPECT_EQ(pending[0].FileName, "");
  EXPECT_EQ(pending[1].FileName, "/home/u/old.dgr");
  EXPECT_EQ(pending[1].Time, QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC));
  // Asking again does not turn the checked sessions into live ones.
  EXPECT_EQ(TAutosave::Pending(Folder()).size(), 2);

  TAutosave::Forget(pending[1]);
  EXPECT_FALSE(QFile::exists(pending[1].Path));
  EXPECT_FALSE(QFile::exists(Folder() + "/111-1-0.json"));
  EXPECT_EQ(TAutosave::Pending(Folder()).size(), 1);

  // Forgetting a live session's document does nothing.
  TAutosave::Forget({running->DocumentPath(), {}, {}});
  EXPECT_TRUE(QFile::exists(running->DocumentPath()));

  // A program that ended without discarding leaves its work for the next run.
  const QString livePath = running->DocumentPath();
  delete running;
  pending = TAutosave::Pending(Folder());
  ASSERT_EQ(pending.size(), 2);
  EXPECT_EQ(pending[0].Path, livePath);  // written just now: newest
  EXPECT_EQ(pending[0].FileName, "/home/u/live.dgr");

  // A normal close discards: nothing to offer.
  TAutosave closed([this] { return Document; }, Folder());
  ASSERT_TRUE(closed.WriteNow());
  closed.Discard();
  EXPECT_EQ(TAutosave::Pending(Folder()).size(), 2);
}

TEST_F(TAutosaveFixture, EnvironmentOverridesTheInterval) {
  const QByteArray saved = qgetenv(TAutosave::IntervalVariable);
  const bool wasSet = qEnvironmentVariableIsSet(TAutosave::IntervalVariable);
  qunsetenv(TAutosave::IntervalVariable);
  {
    TAutosave autosave([this] { return Document; }, Folder());
    EXPECT_EQ(autosave.Interval(), TAutosave::DefaultInterval);
    autosave.SetInterval(5000);
    EXPECT_EQ(autosave.Interval(), 5000);
    qputenv(TAutosave::IntervalVariable, "2");
    EXPECT_EQ(autosave.Interval(), 2000);
    for (const char* ignored : {"0", "-3", "soon", ""}) {
      qputenv(TAutosave::IntervalVariable, ignored);
      EXPECT_EQ(autosave.Interval(), 5000) << ignored;
    }
  }
  if (wasSet)
    qputenv(TAutosave::IntervalVariable, saved);
  else
    qunsetenv(TAutosave::IntervalVariable);
}
