// The line sample document: blocks joined by anchored lines of every style with a range of
// arrow heads, saved by the real writer. It must read back to the same text, and the
// lines must come back anchored where they were.
#include <gtest/gtest.h>

#include <QFile>

#include "../DocumentText.h"
#include "LineFixture.h"
#include "platform/core/Stream.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr int SampleBlocks = 4;
constexpr int SampleLines = 8;

// Four blocks in a square, joined by a line of each style, with heads of every shape; the
// two side lines cross between the blocks, so the upper one hops.
void BuildSample(TLineFixture& F) {
  TDiagramBlock* blocks[SampleBlocks] = {F.NewBlock(40, 40, 120, 60), F.NewBlock(520, 40, 120, 60),
                                         F.NewBlock(40, 380, 120, 60), F.NewBlock(520, 380, 120, 60)};
  for (int i = 0; i < SampleBlocks; ++i) {
    blocks[i]->SetName(QString("Block%1").arg(i + 1));
    blocks[i]->DefaultTextCell()->SetText(QString("Block %1").arg(i + 1));
  }
  auto lp = [&](int ABlock, int APoint) { return blocks[ABlock]->GetLinkPoints()->GetItems(APoint); };
  auto head = [](TLineArrow* A, TArrowShape AShape, TColor AColor) {
    A->SetShape(AShape);
    A->GetBrush()->SetColor(AColor);
    A->GetPen()->SetColor(AColor);
  };

  auto* straight = F.NewLine<TDiagramLine>({}, {}, lp(2, 1), lp(3, 3));
  head(straight->GetTargetArrow(), asSolidArrow, clBlack);
  straight->GetTextCells()->GetItems(0)->SetText("straight");

  auto* poly = F.NewLine<TDiagramPolyLine>({}, {}, lp(0, 3), lp(2, 3));
  poly->GetHandles()->Add(0, 240, crSizeNWSE, 0, hsSize)->SetIndex(1);
  head(poly->GetTargetArrow(), asLineArrow, 0x008000);
  head(poly->GetSourceArrow(), asDiamond, 0x008000);
  poly->GetPen()->SetColor(0x008000);

  auto* side = F.NewLine<TDiagramSideLine>({}, {}, lp(0, 1), lp(3, 3));
  head(side->GetTargetArrow(), asRectangle, 0x0000C0);
  side->GetTargetArrow()->SetShowGuide(true);
  side->GetPen()->SetWidth(2);

  // A second side line crossing the first, so the sample shows a hop.
  auto* crossing = F.NewLine<TDiagramSideLine>({}, {}, lp(0, 2), lp(1, 2));
  head(crossing->GetTargetArrow(), asHalfLine, clBlack);

  auto* parabolic = F.NewLine<TDiagramArc>({}, {}, lp(2, 0), lp(3, 0));
  head(parabolic->GetTargetArrow(), asEllipse, 0xC00000);

  auto* circular = F.NewLine<TDiagramArc>({}, {}, lp(3, 2), lp(2, 2));
  circular->SetArcType(atCircular);
  head(circular->GetSourceArrow(), asAngledDiamond, 0x800080);
  circular->GetPen()->SetStyle(psDash);

  auto* bezier = F.NewLine<TDiagramBezier>({}, {}, lp(1, 1), lp(3, 1));
  head(bezier->GetTargetArrow(), asSolidArrow, 0x0080FF);
  bezier->GetTargetArrow()->SetWidth(14);
  bezier->GetTargetArrow()->SetHeight(18);
  bezier->GetTextCells()->GetItems(0)->SetText("curve");

  auto* free = F.NewLine<TDiagramLine>({700, 40}, {800, 120});  // no anchors
  free->SetTransparency(40);
  F.Diagram->SetShowCrossIndicators(true);
}

class LineSample : public ::testing::Test, public TLineFixture {};

TEST_F(LineSample, ADocumentWithLinesOfEveryStyleIsAFixpoint) {
  BuildSample(*this);
  const QString text = SaveText(Diagram);
  // TARNWICK_WRITE_SAMPLES=1 refreshes the sample document after a deliberate format change.
  if (qEnvironmentVariableIsSet("TARNWICK_WRITE_SAMPLES")) {
    QFile out(TARNWICK_TEST_DATA_DIR "/lines.dgr");
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text.toUtf8());
  }
  TLineFixture other;
  LoadText(other.Diagram, text);
  EXPECT_EQ(other.Diagram->BlockCount(), SampleBlocks);
  EXPECT_EQ(other.Diagram->LinkCount(), SampleLines);
  EXPECT_EQ(SaveText(other.Diagram), text);
}

TEST_F(LineSample, TheSampleDocumentReadsBackAnchoredAndUnchanged) {
  QFile file(TARNWICK_TEST_DATA_DIR "/lines.dgr");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  LoadText(Diagram, text);
  ASSERT_EQ(Diagram->LinkCount(), SampleLines);
  EXPECT_EQ(SaveText(Diagram), text);
  int anchoredEnds = 0;
  for (int i = 0; i < Diagram->LinkCount(); ++i) {
    auto* l = dynamic_cast<TCustomDiagramLine*>(Diagram->GetLinks(i));
    ASSERT_NE(l, nullptr);
    for (TLinkPoint* end : {l->GetSourceLinkPoint(), l->GetTargetLinkPoint()})
      if (TLinkPoint* anchor = end->GetAnchorLink()) {
        ++anchoredEnds;
        EXPECT_EQ(l->GetLinkPointPoint(end), anchor->DiagramPoint()) << l->GetName().toStdString();
      }
  }
  EXPECT_EQ(anchoredEnds, 2 * (SampleLines - 1)) << "every line but the free one is anchored at both ends";
}

}  // namespace
