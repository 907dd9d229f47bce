// Export progress: raster exports report per band, vector exports per control; the reports
// climb to the total; a cancelled export (of every format) leaves the file that was there
// before untouched and no temporary file beside it, and the diagram back in its screen
// state.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "../blocks/BlockFixture.h"
#include "platform/gui/Progress.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

using TReports = std::vector<std::pair<qint64, qint64>>;

class ExportProgress : public ::testing::Test, public TBlockFixture {
 protected:
  ExportProgress() {
    Diagram->SetBounds(0, 0, 320, 240);
    // A column tall enough for several bands, and enough controls for a vector export to
    // report more than its start and end.
    for (int i = 0; i < 150; ++i) NewBlock(20 + (i % 4) * 30, 80 * i, 100, 60)->SetColor(0x00A000 + i);
  }

  QString File(const QString& AName) const { return Dir.filePath(AName); }
  void WriteOld(const QString& AName) {
    QFile f(File(AName));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old contents");
  }
  QByteArray Contents(const QString& AName) const {
    QFile f(File(AName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QStringList Entries() const { return QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

  TReports Export(const QString& AName) {
    TReports reports;
    TProgressScope scope([&](qint64 d, qint64 t) {
      reports.emplace_back(d, t);
      return true;
    });
    Diagram->ExportToFile(File(AName), efAuto, esNetto);
    return reports;
  }

  QTemporaryDir Dir;
};

TEST_F(ExportProgress, ReportsClimbToTheTotalInEveryFormat) {
  for (const char* name : {"p.png", "p.bmp", "p.svg", "p.pdf"}) {
    const TReports reports = Export(name);
    ASSERT_GE(reports.size(), 4u) << name;
    const qint64 total = reports.front().second;
    EXPECT_GT(total, 0) << name;
    EXPECT_EQ(reports.front().first, 0) << name;
    EXPECT_EQ(reports.back(), std::make_pair(total, total)) << name;
    for (size_t i = 1; i < reports.size(); ++i) {
      EXPECT_GE(reports[i].first, reports[i - 1].first) << name;
      EXPECT_EQ(reports[i].second, total) << name;
    }
  }
}

TEST_F(ExportProgress, ACancelledExportKeepsTheOldFileAndLeavesNoTemporary) {
  for (const char* name : {"c.png", "c.bmp", "c.svg", "c.pdf"}) {
    WriteOld(name);
    const QStringList before = Entries();
    int reports = 0;
    {
      // Stops at the first report after the start: after the first band or the first
      // hundredth of the controls.
      TProgressScope scope([&](qint64, qint64) { return ++reports < 2; });
      EXPECT_THROW(Diagram->ExportToFile(File(name), efAuto, esNetto), EOperationCancelled) << name;
    }
    EXPECT_EQ(reports, 2) << name;
    EXPECT_EQ(Contents(name), QByteArray("old contents")) << name;
    EXPECT_EQ(Entries(), before) << name;
    EXPECT_EQ(Diagram->GetPaintStyle(), psScreen) << name;
  }
}

TEST_F(ExportProgress, ACancelledFirstExportLeavesNoFileAtAll) {
  TProgressScope scope([](qint64 d, qint64) { return d == 0; });
  for (const char* name : {"n.png", "n.svg"})
    EXPECT_THROW(Diagram->ExportToFile(File(name), efAuto, esNetto), EOperationCancelled);
  EXPECT_TRUE(Entries().isEmpty()) << Entries().join(QLatin1Char(' ')).toStdString();
}

TEST_F(ExportProgress, AnObservedExportWritesTheSameImage) {
  Diagram->ExportToFile(File("plain.png"), efAuto, esNetto);
  Export("observed.png");
  EXPECT_EQ(Contents("plain.png"), Contents("observed.png"));
}

}  // namespace
