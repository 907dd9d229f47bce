// The control base: defaults, permissions, selection, hints and fonts, engine choice,
// cell navigation and the custom stream properties.
#include <gtest/gtest.h>

#include "graphics/EngineFactory.h"
#include "platform/core/Exception.h"

#include <map>

#include <QImage>
#include <QPainter>

#include "TestControls.h"
#include "geometry/Squares.h"
#include "platform/gui/Canvas.h"
#include "platform/core/Filer.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// Records what a DefineProperties hook declares, without any stream.
class TRecordingFiler : public TFiler {
 public:
  std::map<QString, bool> HasData;
  QStringList Order;
  void DefineProperty(const QString& Name, TReaderProc, TWriterProc, bool Data) override {
    HasData[Name] = Data;
    Order << Name;
  }
  void DefineBinaryProperty(const QString& Name, TStreamProc, TStreamProc, bool Data) override {
    HasData[Name] = Data;
    Order << Name;
  }
};

}  // namespace

TEST(ControlDefaults, AConstructedControlCarriesTheDocumentedDefaults) {
  auto* c = Create<TTestBlock>(nullptr);
  EXPECT_EQ(c->GetDiagram(), nullptr);
  EXPECT_FALSE(c->GetSelected());
  EXPECT_TRUE(c->GetVisible());
  EXPECT_FALSE(c->IsVisible()) << "no diagram, nothing shows";
  EXPECT_EQ(c->GetLinkPointStyle(), ptCross);
  EXPECT_EQ(c->GetLinkPointPen()->GetColor(), clBlue);
  EXPECT_EQ(c->GetLinkPointPen()->GetStyle(), psSolid);
  EXPECT_EQ(c->GetLinkPointBrush()->GetColor(), clBlack);
  EXPECT_EQ(c->GetLinkPointBrush()->GetStyle(), bsSolid);
  EXPECT_EQ(c->GetOriginalRect(), (TSquare{0, 0, 100, 100}));
  EXPECT_EQ(c->GetTempDrawer()->GetOriginalRect(), (TSquare{0, 0, 100, 100}));
  EXPECT_EQ(c->GetInsertStyle(), isInsert);
  EXPECT_EQ(c->GetAngle(), 0);
  EXPECT_TRUE(c->GetDiagramFont());
  EXPECT_TRUE(c->GetParentShowHint());
  EXPECT_FALSE(c->GetShowHint());
  EXPECT_EQ(c->GetLayer(), 0);
  EXPECT_EQ(c->GetTransparency(), 0);
  EXPECT_EQ(c->GetCursor(), crDefault);
  EXPECT_EQ(c->GetDControlID(), "TTestBlock");
  EXPECT_EQ(&c->LinkPointClass(), &TLinkPoint::StaticClassInfo());
  EXPECT_EQ(c->GetGraphicLib(), dglGDIPlus) << "the platform has no Direct2D";
  EXPECT_FALSE(c->GetCustomGraphicLib());
  EXPECT_TRUE(IsDrawerOf(c->GetDgrDrawer(), dglGDIPlus)) << "a GDI+ drawer with its scratch path";
  EXPECT_NE(c->GetTempPath(), nullptr);
  c->Free();

  SetDirect2DSupported(true);
  auto* d = Create<TTestBlock>(nullptr);
  EXPECT_EQ(d->GetGraphicLib(), dglDirect2D);
  d->Free();
  SetDirect2DSupported(false);
}

TEST(ControlStreaming, DControlIdIsWrittenOnlyWhenItDiffersAndCollapsedAlways) {
  struct Case {
    const char* id;
    bool written;
  };
  const Case cases[] = {{"", false}, {"TTestBlock", false}, {"Flowchart.Decision", true}, {"ttestblock", true}};
  for (const auto& k : cases) {
    auto* c = Create<TTestBlock>(nullptr);
    c->SetDControlID(k.id);
    TRecordingFiler filer;
    c->DefineProperties(&filer);
    EXPECT_EQ(filer.Order, (QStringList{"DControlID", "Collapsed"})) << k.id;
    EXPECT_EQ(filer.HasData["DControlID"], k.written) << k.id;
    EXPECT_TRUE(filer.HasData["Collapsed"]);
    c->Free();
  }
}

TEST(ControlStreaming, TheBaseTableIsTheComponentsAndControlsAttachToTheirStreamParent) {
  TDiagramFixture f;
  EXPECT_EQ(TDiagramControl::StaticClassInfo().Properties().size(), TComponent::StaticClassInfo().Properties().size());
  auto* c = Create<TTestBlock>(f.Form);
  EXPECT_TRUE(c->HasParent());
  c->SetParentComponent(f.Diagram);
  EXPECT_EQ(c->GetDiagram(), f.Diagram);
  EXPECT_EQ(c->GetParentComponent(), f.Diagram);
  c->SetParentComponent(f.Form);
  EXPECT_EQ(c->GetDiagram(), f.Diagram) << "a parent that is no diagram is ignored";
}

TEST(ControlPermissions, EachRestrictionDeniesItsActionOnly) {
  struct Case {
    TControlRestriction r;
    bool move, resize, rotate, edit, rotCenter, link, select, copy;
  };
  const Case cases[] = {
      {crNoMove, false, true, true, true, true, true, true, true},
      {crNoResize, true, false, true, true, true, true, true, true},
      {crNoRotation, true, true, false, true, true, true, true, true},
      {crNoEdit, true, true, true, false, true, true, true, true},
      {crNoRotCenterMove, true, true, true, true, false, true, true, true},
      {crNoLink, true, true, true, true, true, false, true, true},
      {crNoSelect, true, true, true, true, true, true, false, true},
      {crNoClipboard, true, true, true, true, true, true, true, false},
      {crKeepRatio, true, true, true, true, true, true, true, true},
  };
  TDiagramFixture f;
  for (const auto& k : cases) {
    auto* b = f.AddBlock(0, 0, 10, 10);
    b->SetRestrictions(TControlRestrictions{k.r});
    EXPECT_EQ(b->CanMove(), k.move) << k.r;
    EXPECT_EQ(b->CanResize(), k.resize) << k.r;
    EXPECT_EQ(b->CanRotate(), k.rotate) << k.r;
    EXPECT_EQ(b->CanEditText(), k.edit) << k.r;
    EXPECT_EQ(b->CanMoveRotCenter(), k.rotCenter) << k.r;
    EXPECT_EQ(b->CanLink(), k.link) << k.r;
    EXPECT_EQ(b->CanSelect(), k.select) << k.r;
    EXPECT_EQ(b->CanCopy(), k.copy) << k.r;
  }
}

TEST(ControlPermissions, ANonEditableDiagramDeniesEverythingAndALockedLayerOnlyEditing) {
  TDiagramFixture f;
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto all = [&] {
    return std::vector<bool>{b->CanMove(),        b->CanResize(), b->CanRotate(), b->CanEditText(),
                             b->CanMoveRotCenter(), b->CanLink(), b->CanSelect(), b->CanCopy()};
  };
  EXPECT_EQ(all(), std::vector<bool>(8, true));

  b->SetLayerObj(f.Diagram->GetLayers()->Add("Locked"));
  b->GetLayerObj()->SetEditable(false);
  EXPECT_FALSE(b->LayerEditable());
  EXPECT_EQ(all(), (std::vector<bool>{false, false, false, false, false, false, true, true}));
  b->GetLayerObj()->SetEditable(true);

  b->SetSelected(true);
  f.Diagram->SetDesignMode(ddmNonEditable);
  EXPECT_EQ(all(), std::vector<bool>(8, false));
  EXPECT_FALSE(b->GetSelected()) << "Selected reads False while selecting is not allowed";
  auto* c = f.AddBlock(20, 0, 30, 10);
  c->SetSelected(true);
  EXPECT_FALSE(c->GetSelected());
  EXPECT_EQ(f.Diagram->SelectedCount(), 1) << "only the earlier selection is listed";
}

TEST(ControlSelection, AControlThatMayNotBeSelectedOrIsHiddenStaysUnselectedSilently) {
  TDiagramFixture f;
  int events = 0;
  f.Diagram->OnSelectDControl = [&](TObject*, TDiagramControl*) { ++events; };
  f.Diagram->OnSelectionChanged = [&](TObject*) { ++events; };
  auto* locked = f.AddBlock(0, 0, 10, 10);
  locked->SetRestrictions(TControlRestrictions{crNoSelect});
  locked->SetSelected(true);
  auto* hidden = f.AddBlock(0, 0, 10, 10);
  hidden->SetVisible(false);
  hidden->SetSelected(true);
  auto* onLayer = f.AddBlock(0, 0, 10, 10);
  onLayer->SetLayer(3);
  onLayer->SetSelected(true);
  EXPECT_FALSE(locked->GetSelected());
  EXPECT_FALSE(hidden->GetSelected());
  EXPECT_FALSE(onLayer->GetSelected());
  EXPECT_EQ(events, 0);
  EXPECT_EQ(f.Diagram->SelectedCount(), 0);
}

TEST(ControlSelection, HidingASelectedControlUnselectsIt) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* c = f.AddBlock(0, 0, 10, 10);
  for (auto* x : {a, b, c}) x->SetSelected(true);
  a->SetVisible(false);
  b->SetLayer(7);
  c->SetLayerObj(f.Diagram->GetLayers()->Add("Hidden"));
  EXPECT_TRUE(c->GetSelected());
  c->GetLayerObj()->SetVisible(false);
  EXPECT_FALSE(a->GetSelected());
  EXPECT_FALSE(b->GetSelected());
  EXPECT_FALSE(c->GetSelected());
  EXPECT_FALSE(c->IsVisible());
}

TEST(ControlHints, ShowHintStopsFollowingTheDiagramWhichOtherwiseDecides) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  b->SetShowHint(false);
  EXPECT_FALSE(b->GetParentShowHint());
  EXPECT_TRUE(b->IsShowHintStored());
  EXPECT_FALSE(a->IsShowHintStored());
  f.Diagram->SetShowHint(true);
  EXPECT_TRUE(a->GetShowHint());
  EXPECT_FALSE(b->GetShowHint());
  b->SetParentShowHint(true);
  EXPECT_TRUE(b->GetShowHint()) << "going back to the parent copies its value";
}

TEST(ControlFonts, ChangingTheFontLeavesTheDiagramFontAndCellsFollowTheControl) {
  TDiagramFixture f;
  f.Diagram->GetFont()->SetName("Courier New");
  auto* b = f.AddBlock(0, 0, 10, 10);
  TTextCell* follows = b->DefaultTextCell();
  TTextCell* own = b->GetTextCells()->Add();
  own->GetFont()->SetName("Times");
  EXPECT_FALSE(own->GetDControlFont());
  EXPECT_EQ(b->GetFont()->GetName(), "Courier New") << "joining copies the diagram's font";
  EXPECT_TRUE(b->GetDiagramFont());
  EXPECT_FALSE(b->IsFontStored());

  b->GetFont()->SetHeight(-20);
  EXPECT_FALSE(b->GetDiagramFont());
  EXPECT_TRUE(b->IsFontStored());
  EXPECT_EQ(follows->GetFont()->GetHeight(), -20);
  EXPECT_TRUE(follows->GetDControlFont());
  EXPECT_NE(own->GetFont()->GetHeight(), -20);

  f.Diagram->GetFont()->SetName("Arial");
  EXPECT_EQ(b->GetFont()->GetName(), "Courier New") << "a control with its own font keeps it";
  b->SetDiagramFont(true);
  EXPECT_EQ(b->GetFont()->GetName(), "Arial");
  EXPECT_TRUE(b->GetDiagramFont());
}

TEST(ControlEngine, AControlFollowsTheDiagramsEngineUntilItChoosesItsOwn) {
  TDiagramFixture f;
  auto* b = f.AddBlock(0, 0, 10, 10);
  f.Diagram->SetGraphicLib(dglGDI);
  EXPECT_EQ(b->EffectiveGraphicLib(), dglGDI);
  EXPECT_FALSE(b->UsesEngine());
  b->SetGraphicLib(dglGDI);
  EXPECT_FALSE(b->GetCustomGraphicLib()) << "choosing the engine already in effect changes nothing";
  try {
    b->SetGraphicLib(dglDirect2D);
    ADD_FAILURE() << "Direct2D is not supported here";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Direct2D not supported.");
  }
  EXPECT_FALSE(b->GetCustomGraphicLib()) << "a refused choice changes nothing";
  SetDirect2DSupported(true);
  b->SetGraphicLib(dglDirect2D);
  EXPECT_TRUE(b->GetCustomGraphicLib());
  EXPECT_TRUE(IsDrawerOf(b->GetDgrDrawer(), dglDirect2D));
  f.Diagram->SetGraphicLib(dglGDIPlus);
  EXPECT_EQ(b->EffectiveGraphicLib(), dglDirect2D);
  EXPECT_TRUE(b->UsesEngine());
  SetDirect2DSupported(false);
  EXPECT_TRUE(f.Diagram->GetUseGdiPlus());
  f.Diagram->SetUseGdiPlus(false);
  EXPECT_EQ(f.Diagram->GetGraphicLib(), dglGDI);
  EXPECT_FALSE(f.Diagram->GetPathDrawingMode());
}

TEST(ControlCells, TabNavigationVisitsEditableCellsAndWraps) {
  auto* b = Create<TTestBlock>(nullptr);
  TTextCells* cells = b->GetTextCells();
  EXPECT_EQ(b->SelectNextCell(nullptr, true), nullptr) << "no cells";
  TTextCell* only = b->DefaultTextCell();
  EXPECT_EQ(b->SelectNextCell(only, true), only);
  EXPECT_EQ(b->SelectNextCell(only, false), only);
  only->SetReadOnly(true);
  EXPECT_EQ(b->SelectNextCell(only, true), nullptr);
  only->SetReadOnly(false);
  TTextCell* hidden = cells->Add();
  hidden->SetVisible(false);
  TTextCell* last = cells->Add();
  EXPECT_EQ(b->SelectNextCell(only, true), last) << "hidden cells are skipped";
  EXPECT_EQ(b->SelectNextCell(last, true), only) << "wraps forward";
  EXPECT_EQ(b->SelectNextCell(only, false), last) << "wraps backward";
  EXPECT_EQ(b->SelectNextCell(hidden, true), only) << "a cell outside the list starts before the first";
  EXPECT_EQ(b->SelectNextCell(hidden, false), last);
  b->Free();
}

TEST(ControlCells, GroupMembersNavigateThroughAllCellsOfTheirMasterGroup) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* c = f.AddBlock(0, 0, 10, 10);
  TTextCell* ca = a->DefaultTextCell();
  TTextCell* cb = b->DefaultTextCell();
  TTextCell* cc = c->DefaultTextCell();
  auto* inner = f.AddGroup({b, c});
  f.AddGroup({a, inner});
  EXPECT_EQ(a->SelectNextCell(ca, true), cb);
  EXPECT_EQ(b->SelectNextCell(cb, true), cc);
  EXPECT_EQ(c->SelectNextCell(cc, true), ca);
}

TEST(ControlCells, PointInTextCellsUsesTheCellRectanglesWithTolerance) {
  auto* b = Create<TTestBlock>(nullptr);
  b->DefaultTextCell()->SetBounds(10, 10, 20, 20);
  EXPECT_TRUE(b->PointInTextCells(TPoint{5, 5}));
  EXPECT_TRUE(b->PointInTextCells(TPoint{34, 34}));
  EXPECT_FALSE(b->PointInTextCells(TPoint{35, 20})) << "right edge excluded";
  EXPECT_FALSE(b->PointInTextCells(TPoint{4, 15}));
  b->Free();
}

TEST(ControlAngle, CellsThatFollowTheControlTakeItsAngle) {
  auto* b = Create<TTestBlock>(nullptr);
  TTextCell* follows = b->DefaultTextCell();
  TTextCell* own = b->GetTextCells()->Add();
  own->SetAngle(15);
  EXPECT_FALSE(own->GetDControlAngle());
  b->SetAngle(90);
  EXPECT_EQ(follows->GetAngle(), 90);
  EXPECT_EQ(own->GetAngle(), 15);
  own->SetDControlAngle(true);
  EXPECT_EQ(own->GetAngle(), 90) << "following again copies the control's angle";
  b->Free();
}

TEST(ControlLifetime, FreeingAControlTakesItOutOfItsGroupAndEveryDiagramList) {
  TDiagramFixture f;
  auto* a = f.AddBlock(0, 0, 10, 10);
  auto* b = f.AddBlock(0, 0, 10, 10);
  auto* line = f.AddLine({0, 0}, {5, 5});
  auto* g = f.AddGroup({a, b});
  a->SetSelected(true);
  line->SetSelected(true);
  const QString nameA = a->GetName();
  a->Free();
  line->Free();
  EXPECT_EQ(g->GetMemberCount(), 1);
  EXPECT_EQ(f.Diagram->DControlCount(), 2);
  EXPECT_EQ(f.Diagram->BlockCount(), 2);
  EXPECT_EQ(f.Diagram->LinkCount(), 0);
  EXPECT_EQ(f.Diagram->SelectedCount(), 0);
  EXPECT_EQ(f.Diagram->FindDControl(nameA), nullptr);
}

namespace {

// All a plain control has to state: where it is and how it moves.
class TPlainControl : public TDiagramControl {
 public:
  using TDiagramControl::TDiagramControl;
  TSquare Bounds{10, 10, 110, 60};
  TSquare ControlRect() override { return Bounds; }
  void MoveBy(double ADeltaX, double ADeltaY) override { Bounds = OffsetSquare(Bounds, ADeltaX, ADeltaY); }
};

}  // namespace

TEST(ControlDefaults, APlainControlIsHitInItsRectangleAndPaintsItsCells) {
  auto* c = Create<TPlainControl>(nullptr);
  EXPECT_TRUE(c->PointInControl(TPoint{60, 30}));
  EXPECT_FALSE(c->PointInControl(TPoint{60, 70}));
  EXPECT_FALSE(c->PointInControl(TPoint{110, 30})) << "the right edge is outside";
  EXPECT_EQ(c->SurroundRect().Right, 110);

  TTextCell* cell = c->DefaultTextCell();
  cell->SetBoundsRect(TSquare{0, 100, 100, 140});
  EXPECT_FALSE(c->PointInControl(TPoint{50, 120}));
  c->SetSelectableTextCells(true);
  EXPECT_TRUE(c->PointInControl(TPoint{50, 120})) << "a selectable cell outside the rectangle is hit";

  cell->SetText(QStringLiteral("Hello"));
  QImage image(200, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    TCanvas canvas(&painter);
    TDiagramDrawInfo info;
    info.Canvas = &canvas;
    c->Draw(info);
  }
  bool ink = false;
  for (int y = 100; y < 140 && !ink; ++y)
    for (int x = 0; x < 100 && !ink; ++x) ink = image.pixel(x, y) != qRgb(255, 255, 255);
  EXPECT_TRUE(ink) << "the cell's text is painted";
  c->Free();
}
