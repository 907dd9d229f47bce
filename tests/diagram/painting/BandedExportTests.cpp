// A drawing taller than one export band: each band paints only the controls that reach into
// it, and the picture is the same as when every band paints every control, whatever crosses
// the band boundaries (overlapping blocks in z-order, lines with arrow heads, a line through
// every band, a group); the diagram's control list is whole again afterwards, also after a
// failure, and the drawing caches the export made are gone.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <vector>

#include "../lines/LineFixture.h"
#include "diagram/lines/LineArrow.h"
#include "platform/core/Exception.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class BandedExport : public ::testing::Test, public TLineFixture {
 protected:
  BandedExport() {
    Diagram->SetBounds(0, 0, 320, 240);
    // A column of blocks 60 apart and 100 high, so each overlaps the next: the later one
    // must stay on top wherever a band boundary cuts them.
    TDiagramBlock* previous = nullptr;
    for (int i = 0; i < 100; ++i) {
      TDiagramBlock* b = NewBlock(20 + (i % 3) * 15, 20 + 60 * i, 120, 100);
      b->SetColor(i % 2 ? 0x2020E0 : 0x20E020);
      if (previous) NewLine({}, {}, previous->GetLinkPoints()->GetItems(1), b->GetLinkPoints()->GetItems(1))
                        ->GetTargetArrow()
                        ->SetShape(asSolidArrow);
      previous = b;
    }
    // A line through every band, and a group of two blocks far apart.
    NewLine(TDot{5, 5}, TDot{190, 6100});
    AddGroup({NewBlock(160, 100, 30, 30), NewBlock(160, 5900, 30, 30)});
  }

  QImage Exported(const QString& AName) {
    Diagram->ExportToFile(Dir.filePath(AName), efAuto, esNetto);
    return QImage(Dir.filePath(AName)).convertToFormat(QImage::Format_RGB32);
  }

  std::vector<TDiagramControl*> Controls() const {
    std::vector<TDiagramControl*> out;
    for (int i = 0; i < Diagram->DControlCount(); ++i) out.push_back(Diagram->GetDControls(i));
    return out;
  }

  QTemporaryDir Dir;
};

// Crossing hops make every band paint the whole list (a line hops over lines below it
// wherever they are); these lines are straight and never hop, so the picture must be the
// same to the last pixel either way.
TEST_F(BandedExport, PaintingOnlyTheBandsControlsChangesNoPixel) {
  const std::vector<TDiagramControl*> before = Controls();
  for (const QString& ext : {QStringLiteral("png"), QStringLiteral("bmp")}) {
    const QImage indexed = Exported(QStringLiteral("indexed.") + ext);
    ASSERT_GT(indexed.height(), 4096) << "the drawing must need more than one band";
    EXPECT_EQ(Controls(), before) << ext.toStdString();
    Diagram->SetShowCrossIndicators(true);
    const QImage everyControl = Exported(QStringLiteral("all.") + ext);
    Diagram->SetShowCrossIndicators(false);
    EXPECT_TRUE(indexed == everyControl) << ext.toStdString();
  }
}

TEST_F(BandedExport, DropsTheDrawingCachesItMadeAndKeepsTheWindows) {
  // The window painted the first block already; the export paints every control.
  TDiagramControl* painted = Diagram->GetDControls(0);
  ASSERT_NE(painted->GetDgrDrawer(), nullptr);
  for (const QString& ext : {QStringLiteral("png"), QStringLiteral("bmp")}) {
    Exported(QStringLiteral("caches.") + ext);
    EXPECT_TRUE(painted->DgrDrawerMade()) << ext.toStdString();
    for (TDiagramControl* c : Controls()) {
      if (c == painted) continue;
      EXPECT_FALSE(c->DgrDrawerMade()) << c->GetName().toStdString() << " " << ext.toStdString();
    }
  }
}

TEST_F(BandedExport, AFailingBandPutsTheControlListBack) {
  const std::vector<TDiagramControl*> before = Controls();
  int bands = 0;
  Diagram->OnBeforePaint = [&bands](TObject*, TCanvas*) {
    if (++bands == 2) throw Exception(QStringLiteral("boom"));
  };
  EXPECT_THROW(Diagram->ExportAsPNG(Dir.filePath("failed.png"), esNetto), Exception);
  EXPECT_EQ(bands, 2);
  EXPECT_EQ(Controls(), before);
  EXPECT_EQ(Diagram->GetPaintStyle(), psScreen);
}

}  // namespace
