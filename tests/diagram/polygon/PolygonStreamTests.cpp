// Polygons and joins in documents: what their records hold, and documents that read back
// to the same bytes in text and binary form, at 0 degrees and turned.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../DocumentText.h"
#include "PolygonFixture.h"
#include "platform/core/Strings.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QByteArray SaveBytes(TdvDiagram* D, bool AText) {
  TMemoryStream s;
  D->SaveToStream(s, AText);
  return s.Bytes();
}

void LoadBytes(TdvDiagram* D, const QByteArray& ABytes, bool AText) {
  TMemoryStream s;
  s.Write(ABytes.constData(), ABytes.size());
  s.SetPosition(0);
  D->LoadFromStream(s, AText);
}

// A polygon at each angle, one with text, a join anchored to a block and a free one.
void BuildDocument(TPolygonFixture& f) {
  f.Draw({{100, 100}, {200, 100}, {150, 180}})->SetName("Flat");
  auto* turned = f.Draw({{300, 100}, {420, 140}, {380, 220}, {310, 190}}, 30);
  turned->SetName("Turned");
  turned->SetPointColor(0x0000FF);
  turned->GetStrings()->SetText("inside");
  auto* block = f.NewBlock(100, 250, 60, 40);
  block->SetName("Anchor");
  block->GetLinkPoints()->Add(50, 50, aoNone);
  auto* join = Create<TDiagramLineJoin>(f.Form);
  join->SetName("Join");
  join->SetBoundsRect(TSquare{200, 250, 220, 270});
  join->SetDiagram(f.Diagram);
  join->SetAnchor(block);
  join->SetAnchorIndex(0);
  join->SetOrientation(aoUp);
}

}  // namespace

TEST(PolygonStream, APolygonRecordHoldsItsVerticesAndNoShapeVisibilityOrLayerNumber) {
  TPolygonFixture f;
  auto* p = f.Draw({{100, 100}, {200, 100}, {150, 180}});
  p->SetName("P");
  p->SetVisible(false);
  const QString text = SaveText(f.Diagram);
  // The block's own lines are indented by four spaces.
  EXPECT_TRUE(text.contains("\n    Polygon = <")) << text.toStdString();
  EXPECT_FALSE(text.contains("\n    Shape =")) << text.toStdString();
  EXPECT_FALSE(text.contains("\n    Visible =")) << text.toStdString();
  EXPECT_FALSE(text.contains("\n    Layer =")) << text.toStdString();
  EXPECT_TRUE(text.contains("\n    LayerName =") || !text.contains("LayerName"));
  EXPECT_FALSE(text.contains("PointColor =")) << "written only when not green";

  TPolygonFixture g;
  LoadText(g.Diagram, text);
  ASSERT_EQ(g.Diagram->BlockCount(), 1);
  auto* q = dynamic_cast<TPolygonBlock*>(g.Diagram->GetBlocks(0));
  ASSERT_NE(q, nullptr);
  EXPECT_TRUE(q->GetVisible()) << "a polygon saved hidden is read back visible";
  EXPECT_EQ(TPolygonFixture::Vertices(q), (TDotArray{{100, 100}, {200, 100}, {150, 180}}));
  EXPECT_EQ(q->GetOriginalRect(), (TSquare{100, 100, 200, 180}));
  EXPECT_NE(TPolygonFixture::VertexHandle(q, 2), nullptr);
}

TEST(PolygonStream, AJoinRecordHoldsItsAnchoringButNotItsLinkPoint) {
  TPolygonFixture f;
  BuildDocument(f);
  const QString text = SaveText(f.Diagram);
  const qsizetype at = text.indexOf(": TDiagramLineJoin");
  ASSERT_GE(at, 0);
  const QString join = text.mid(at, text.indexOf("\n  end", at) - at);
  EXPECT_TRUE(join.contains("Anchor = __DSOwner___.Anchor")) << join.toStdString();
  EXPECT_TRUE(join.contains("AnchorIndex = 0"));
  EXPECT_TRUE(join.contains("Orientation = aoUp"));
  EXPECT_FALSE(join.contains("LinkPoints")) << join.toStdString();
  EXPECT_FALSE(join.contains("Restrictions"));
}

// A document is loaded once first: a diagram that has been shown and one that was read
// differ in view settings of their own (ruler sizes), which have nothing to do with the
// controls.
TEST(PolygonStream, DocumentsReadBackToTheSameBytesInBothForms) {
  for (const bool text : {true, false}) {
    SCOPED_TRACE(text ? "text" : "binary");
    TPolygonFixture f, g, h;
    BuildDocument(f);
    LoadBytes(g.Diagram, SaveBytes(f.Diagram, text), text);
    const QByteArray first = SaveBytes(g.Diagram, text);
    LoadBytes(h.Diagram, first, text);
    const QByteArray second = SaveBytes(h.Diagram, text);
    EXPECT_EQ(first, second) << FirstDifference(QString::fromUtf8(first), QString::fromUtf8(second)).toStdString();
    auto* join = dynamic_cast<TDiagramLineJoin*>(h.Diagram->FindDControl("Join"));
    ASSERT_NE(join, nullptr);
    EXPECT_EQ(join->GetAnchor(), h.Diagram->FindDControl("Anchor"));
    auto* turned = dynamic_cast<TPolygonBlock*>(h.Diagram->FindDControl("Turned"));
    ASSERT_NE(turned, nullptr);
    EXPECT_EQ(turned->GetAngle(), 30);
    EXPECT_EQ(turned->GetPointColor(), TColor(0x0000FF));
    EXPECT_EQ(TPolygonFixture::Vertices(turned),
              TPolygonFixture::Vertices(dynamic_cast<TPolygonBlock*>(f.Diagram->FindDControl("Turned"))));
  }
}

TEST(PolygonStream, ADgrFileSavedLoadedAndSavedAgainIsUnchanged) {
  QTemporaryDir dir;
  TPolygonFixture f, g, h;
  BuildDocument(f);
  const QString a = dir.filePath("a.dgr"), b = dir.filePath("b.dgr"), c = dir.filePath("c.dgr");
  f.Diagram->SaveToFile(a);
  g.Diagram->LoadFromFile(a);
  g.Diagram->SaveToFile(b);
  h.Diagram->LoadFromFile(b);
  h.Diagram->SaveToFile(c);
  QFile fb(b), fc(c);
  ASSERT_TRUE(fb.open(QIODevice::ReadOnly));
  ASSERT_TRUE(fc.open(QIODevice::ReadOnly));
  EXPECT_EQ(fb.readAll(), fc.readAll());
  auto* turned = dynamic_cast<TPolygonBlock*>(h.Diagram->FindDControl("Turned"));
  ASSERT_NE(turned, nullptr);
  EXPECT_EQ(turned->GetPolygon()->Count(), 4);
  EXPECT_EQ(turned->GetBoundsRect(), PolygonBounds(*turned->GetPolygon()));
}

TEST(PolygonStream, APolygonRecordWithoutVerticesLoadsAndPaintsNothing) {
  TPolygonFixture f;
  LoadText(f.Diagram,
           "object TdvDiagram\n  object P: TPolygonBlock\n    Left = 10.0\n    Top = 10.0\n"
           "    Width = 100.0\n    Height = 100.0\n  end\nend\n");
  ASSERT_EQ(f.Diagram->BlockCount(), 1);
  auto* p = dynamic_cast<TPolygonBlock*>(f.Diagram->GetBlocks(0));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->GetPolygon()->Count(), 0);
  EXPECT_FALSE(p->PointInControl(TPoint{60, 60}));
  f.W()->repaint();
}
