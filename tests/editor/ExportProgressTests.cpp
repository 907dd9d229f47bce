// Exporting under the progress dialog as the program does: a quick export shows no dialog
// and succeeds; a slow one shows the dialog, and pressing its Cancel button stops the
// export and keeps the file that was there; a failure comes back as its message; the
// diagram's window is not painted while the export runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "diagram/model/DiagramBlock.h"
#include "diagram/view/Diagram.h"
#include "editor/window/EditorWindow.h"
#include "editor/shell/ExportProgress.h"

using namespace tarnwick;

namespace {

class ExportWithDialog : public ::testing::Test {
 protected:
  ExportWithDialog() {
    Window.resize(800, 600);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
    // Tall enough for several export bands.
    for (int i = 0; i < 60; ++i) {
      auto* b = Create<TDiagramBlock>(Diagram().GetOwner());
      b->SetBoundsRect(TSquare{20.0 + (i % 3) * 40, 200.0 * i, 160.0 + (i % 3) * 40, 200.0 * i + 150});
      b->SetDiagram(&Diagram());
    }
  }
  TdvDiagram& Diagram() { return *Window.Diagram(); }
  QString File(const char* AName) const { return Dir.filePath(QString::fromLatin1(AName)); }
  QByteArray Contents(const char* AName) const {
    QFile f(File(AName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  TfmDiagramEditor Window;
  QTemporaryDir Dir;
};

TEST_F(ExportWithDialog, AQuickExportSucceedsWithoutShowingTheDialog) {
  bool sawDialog = false;
  Diagram().OnBeforePaint = [&](TObject*, TCanvas*) {
    sawDialog = sawDialog || qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
  };
  QString error = QStringLiteral("stale");
  EXPECT_TRUE(ExportWithProgress(&Window, Diagram(), File("quick.png"), efAuto, esNetto, &error));
  EXPECT_TRUE(error.isEmpty());
  EXPECT_TRUE(Contents("quick.png").startsWith("\x89PNG"));
  EXPECT_FALSE(sawDialog);
}

TEST_F(ExportWithDialog, PressingCancelStopsASlowExportAndKeepsTheOldFile) {
  {
    QFile f(File("slow.png"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  const QStringList before = QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden);
  int bands = 0;
  QString label;
  Diagram().OnBeforePaint = [&](TObject*, TCanvas*) {
    ++bands;
    // The first band is slow, so the dialog shows after it; in the second the user
    // presses Cancel.
    if (bands == 1) QThread::msleep(500);
    if (bands == 2) {
      auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_TRUE(dialog->isVisible());
      label = dialog->labelText();
      QPushButton* cancel = dialog->findChild<QPushButton*>();
      ASSERT_NE(cancel, nullptr);
      QTest::mouseClick(cancel, Qt::LeftButton);
    }
  };
  QString error;
  EXPECT_FALSE(ExportWithProgress(&Window, Diagram(), File("slow.png"), efAuto, esNetto, &error));
  EXPECT_EQ(error, QStringLiteral("Export cancelled"));
  EXPECT_EQ(bands, 2);
  EXPECT_EQ(label, QStringLiteral("Exporting slow.png") + QChar(0x2026));
  EXPECT_EQ(Contents("slow.png"), QByteArray("old"));
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), before);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ExportWithDialog, AFailureReturnsItsMessage) {
  QString error;
  // A folder that does not exist cannot take the file.
  EXPECT_FALSE(ExportWithProgress(&Window, Diagram(), File("missing/x.png"), efAuto, esNetto, &error));
  EXPECT_TRUE(error.contains(QStringLiteral("Cannot create file")));
  EXPECT_FALSE(QFile::exists(File("missing/x.png")));
}

TEST_F(ExportWithDialog, TheDiagramWindowIsNotPaintedDuringTheExport) {
  int exportBands = 0, screenPaints = 0;
  Diagram().OnBeforePaint = [&](TObject*, TCanvas*) {
    if (Diagram().GetPaintStyle() != psBitmap) {
      ++screenPaints;
      return;
    }
    // Slow bands show the dialog, which runs the event loop; a pending repaint of the
    // diagram must wait for the end of the export.
    if (++exportBands == 1) QThread::msleep(500);
    Diagram().Invalidate();
  };
  QString error;
  EXPECT_TRUE(ExportWithProgress(&Window, Diagram(), File("held.svg"), efAuto, esNetto, &error)) << error.toStdString();
  EXPECT_EQ(screenPaints, 0);
}

}  // namespace
