// What an object writes reads back the same: its stored values, applied to a fresh object
// in table order (as a reader meets them in a document), give the same stored values.
#include <gtest/gtest.h>

#include <functional>

#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "diagram/printing/PageLines.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/view/DiagramBackground.h"
#include "diagram/view/DiagramRuler.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/SnapGrid.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"
#include "tests/diagram/viewobjects/TableSupport.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

struct ReloadCase {
  const char* what;
  const TClassInfo& info;
  std::function<void(TPersistent&)> change;
};

template <class T>
std::function<void(TPersistent&)> On(std::function<void(T&)> f) {
  return [f](TPersistent& p) { f(static_cast<T&>(p)); };
}

}  // namespace

TEST(Reload, StoredValuesReadBackInTableOrder) {
  const ReloadCase cases[] = {
      {"fresh ruler", TDiagramRuler::StaticClassInfo(), On<TDiagramRuler>([](TDiagramRuler&) {})},
      {"inch ruler with its own divisions", TDiagramRuler::StaticClassInfo(), On<TDiagramRuler>([](TDiagramRuler& r) {
         r.SetUnits(unInch);
         r.SetDivisions(3);
         r.SetVisible(true);
         r.GetFont()->SetName("Courier");
         r.GetFont()->SetSize(9);
         r.SetOffset(-12.25);
         r.SetInverse(true);
         r.SetAutoFactor(false);
         r.SetSize(24);
         r.SetGridColor(clRed);
       })},
      {"pixel ruler with centimetre divisions", TDiagramRuler::StaticClassInfo(),
       On<TDiagramRuler>([](TDiagramRuler& r) {
         r.SetUnits(unPixel);
         r.SetDivisions(5);
       })},
      {"snap grid", TSnapGrid::StaticClassInfo(), On<TSnapGrid>([](TSnapGrid& g) {
         g.SetActive(true);
         g.SetForce(true);
         g.SetVisible(true);
         g.SetSizeX(0);
         g.SetSizeY(3.5);
         g.SetStyle(gsRuler);
         g.GetPen()->SetColor(clRed);
         g.SetSnapToRuler(true);
       })},
      {"scroll bar", TDiagramScrollBar::StaticClassInfo(), On<TDiagramScrollBar>([](TDiagramScrollBar& b) {
         b.SetRange(1000);
         b.Update(300);
         b.SetPosition(650);
         b.SetIncrement(16);
         b.SetMargin(4);
         b.SetColor(clRed);
         b.SetParentColor(false);
         b.SetStyle(ssFlat);
         b.SetThumbSize(20);
         b.SetTracking(true);
       })},
      {"smooth scroll bar", TDiagramScrollBar::StaticClassInfo(), On<TDiagramScrollBar>([](TDiagramScrollBar& b) {
         b.SetSmooth(true);
         b.Update(500);
         b.SetVisible(false);
       })},
      {"background", TDiagramBackground::StaticClassInfo(), On<TDiagramBackground>([](TDiagramBackground& b) {
         b.SetStyle(biFixed);
         b.SetScroll(false);
         b.SetVisible(true);
         b.SetPrintGradient(true);
         b.GetGradient()->SetDirection(grHorzInOut);
         b.GetGradient()->SetVisible(true);
       })},
      {"page settings", TDiagramPageSettings::StaticClassInfo(), On<TDiagramPageSettings>([](TDiagramPageSettings& s) {
         s.ChangePaperID(11, nullptr);
         s.SetOrientation(dpoLandscape);
         s.SetLeftMargin(12.5);
         s.SetTopMargin(0.1);
         s.SetRightMargin(-3);
         s.SetBottomMargin(1e-7);
       })},
      {"page settings without a paper name", TDiagramPageSettings::StaticClassInfo(),
       On<TDiagramPageSettings>([](TDiagramPageSettings& s) {
         s.SetPaperId(CustomPaperId);
         s.SetPaperName("");
         s.SetPaperWidth(100);
       })},
      {"page lines", TPageLines::StaticClassInfo(), On<TPageLines>([](TPageLines& p) {
         p.GetPen()->SetStyle(psSolid);
         p.GetPen()->SetWidth(2);
       })},
      {"gradient", TDiagramGradient::StaticClassInfo(), On<TDiagramGradient>([](TDiagramGradient& g) {
         g.SetDirection(grRightBottom);
         g.SetStartColor(clNavy);
         g.SetEndColor(clBtnFace);
         g.SetVisible(true);
       })},
      {"shadow", TBlockShadow::StaticClassInfo(), On<TBlockShadow>([](TBlockShadow& s) {
         s.SetVisible(true);
         s.SetColor(clRed);
         s.SetHOffset(-3);
         s.SetVOffset(0);
         s.SetTransparency(40);
       })},
  };
  for (const ReloadCase& c : cases) {
    TPersistent* source = c.info.CreateInstance(nullptr);
    TPersistent* fresh = c.info.CreateInstance(nullptr);
    ASSERT_NE(source, nullptr) << c.what;
    c.change(*source);
    const QStringList saved = StoredValues(*source);
    ApplyValues(*fresh, saved);
    EXPECT_EQ(StoredValues(*fresh), saved) << c.what;
    source->Free();
    fresh->Free();
  }
}
