// What every class-like UML block must do: be made under its identifier and size itself
// to its text, paint inside what it reports in each drawing library (straight, turned and
// flipped), be hit inside and missed outside, and come back from a document unchanged.
#include <gtest/gtest.h>

#include <QImage>

#include "../diagram/DocumentText.h"
#include "../diagram/PassImage.h"
#include "UmlClassFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TCase {
  const char* Id;
  int Pose;  // 0 straight, 1 turned, 2 flipped
};

std::vector<TCase> Cases() {
  std::vector<TCase> cases;
  for (const char* id : UmlClassIds())
    for (int pose : {0, 1, 2}) cases.push_back({id, pose});
  return cases;
}

std::string CaseName(const ::testing::TestParamInfo<TCase>& I) {
  static const char* poses[] = {"_Straight", "_Turned", "_Flipped"};
  return std::string(I.param.Id) + poses[I.param.Pose];
}

class EveryUmlClass : public ::testing::TestWithParam<TCase>, public TBlockSetFixture {
 protected:
  EveryUmlClass() { RegisterUmlClassBlocks(); }
  QString Id() const { return GetParam().Id; }

  TUMLBaseClassBlock* Place(TComponent* AOwner, TdvDiagram* ADiagram) {
    TUMLBaseClassBlock* b = NewUmlById(Id(), AOwner);
    if (!b) return nullptr;
    b->SetLeft(120);
    b->SetTop(100);
    if (GetParam().Pose == 1) b->SetAngle(30);
    if (GetParam().Pose == 2) {
      b->SetHorizontalFlip(true);
      b->SetVerticalFlip(true);
    }
    b->GetAttributes()->Add()->SetName("count");
    b->GetOperations()->Add()->SetName("run");
    b->SetDiagram(ADiagram);
    return b;
  }
};

TEST_P(EveryUmlClass, IsMadeUnderItsIdentifierAndSizedToItsText) {
  TUMLBaseClassBlock* b = Place(Form, Diagram);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->ClassName().toLower(), Id().toLower());
  EXPECT_FALSE(b->CanResize());
  EXPECT_FALSE(b->CanRotate());
  EXPECT_EQ(b->GetLinkPoints()->Count() >= 12, true);
  // Wider than the title text alone and at least one compartment high.
  EXPECT_GT(b->GetWidth(), 20);
  EXPECT_GT(b->GetHeight(), 10);
  EXPECT_EQ(b->GetMinWidth(), Round(b->GetWidth()));
  EXPECT_EQ(b->GetMinHeight(), Round(b->GetHeight()));
  EXPECT_EQ(b->GetLeft(), 120);
  EXPECT_EQ(b->GetTop(), 100);
}

TEST_P(EveryUmlClass, PaintsInsideWhatItReportsInEveryLibrary) {
  TDirect2DOn direct2D;
  TUMLBaseClassBlock* b = Place(Form, Diagram);
  ASSERT_NE(b, nullptr);
  b->SetColor(0x0000FF);
  const TSquare r = b->SurroundRect();
  const QRect allowed =
      QRect(QPoint(int(r.Left) - 3, int(r.Top) - 3), QPoint(int(r.Right) + 3, int(r.Bottom) + 3)).adjusted(0, 0, 8, 8);
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus, dglDirect2D}) {
    Diagram->SetGraphicLib(lib);
    const QImage image = PaintPass(Diagram, 500, 400);
    int outside = 0, red = 0, dark = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (Near(p, 255, 255, 255, 2)) continue;
        if (!allowed.contains(x, y)) ++outside;
        if (Near(p, 255, 0, 0, 40)) ++red;
        if (qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100) ++dark;
      }
    EXPECT_EQ(outside, 0) << "library " << lib;
    EXPECT_GT(red, 200) << "filled, library " << lib;
    EXPECT_GT(dark, 20) << "outlined and lettered, library " << lib;
  }
}

TEST_P(EveryUmlClass, IsHitInsideAndMissedOutside) {
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus}) {
    Diagram->SetGraphicLib(lib);
    TUMLBaseClassBlock* b = Place(Form, Diagram);
    const TSquare r = b->GetBoundsRect();
    const TDot centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    EXPECT_EQ(Diagram->DControlAtPos(centre), b) << "library " << lib;
    EXPECT_EQ(Diagram->DControlAtPos(TDot{5, 5}), nullptr) << "library " << lib;
    b->Free();
  }
}

TEST_P(EveryUmlClass, ADocumentReadsBackToTheSameText) {
  TDocumentFixture one;
  TUMLBaseClassBlock* b = Place(one.Form, one.Diagram);
  ASSERT_NE(b, nullptr);
  b->SetName("Block1");
  TUMLOperation* op = b->GetOperations()->GetItem(0);
  TUMLParameter* p = op->GetParameters()->Add();
  p->SetName("a");
  p->SetParamType("Integer");
  p->SetParamKind(pkIn);
  b->GetParameters()->Add()->SetName("T");
  const QString first = SaveText(one.Diagram);
  TDocumentFixture other;
  LoadText(other.Diagram, first);
  ASSERT_EQ(other.Diagram->BlockCount(), 1);
  auto* read = dynamic_cast<TUMLBaseClassBlock*>(other.Diagram->GetBlocks(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->ClassName(), b->ClassName());
  EXPECT_EQ(read->GetBoundsRect(), b->GetBoundsRect());
  EXPECT_EQ(read->GetTextCells()->Count(), b->GetTextCells()->Count());
  EXPECT_EQ(read->TitleCell()->GetText(), b->TitleCell()->GetText());
  if (read->OperationsCell()) {
    EXPECT_EQ(read->GetOperations()->GetItem(0)->GetParameters()->Count(), 1);
    EXPECT_EQ(read->OperationsCell()->GetText(), b->OperationsCell()->GetText());
  }
  const QString second = SaveText(other.Diagram);
  EXPECT_EQ(second, first) << FirstDifference(first, second).toStdString();
}

INSTANTIATE_TEST_SUITE_P(UmlClass, EveryUmlClass, ::testing::ValuesIn(Cases()), CaseName);

}  // namespace
