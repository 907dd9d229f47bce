// What a block costs in memory and what painting it again costs in allocations. The counter
// (benchmarks/AllocationCounter.cpp, linked into this test program only) sees every heap
// block of the process, Qt's included; the figures are deterministic. An address-sanitizer
// build brings its own allocator, so there this program is not built at all (CMake option
// TARNWICK_SANITIZE), and the guard below keeps a stray build from reporting nonsense.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "benchmarks/AllocationCounter.h"
#include "benchmarks/BlockFill.h"
#include "diagram/Registration.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/Gradient.h"
#include "diagram/view/Diagram.h"
#include "graphics/EngineFactory.h"
#include "graphics/NativeObjectCounts.h"
#include "platform/gui/Canvas.h"

#if defined(__SANITIZE_ADDRESS__)
#define TARNWICK_COUNTS_ALLOCATIONS 0
#else
#define TARNWICK_COUNTS_ALLOCATIONS 1
#endif

using namespace tarnwick;

namespace {

// The budget of one block with its text and four link points, its share of the diagram's
// lists included, as the block benchmark measures it.
constexpr double BlockBudgetBytes = 4000;

struct TMemoryDiagram {
  TOwned<TComponent> Form{Create<TComponent>(nullptr)};
  TdvDiagram* Diagram = Create<TdvDiagram>(Form.get());
};

class BlockMemory : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterAllClasses();
    SetDirect2DSupported(true);
  }
  void SetUp() override {
    if (!TARNWICK_COUNTS_ALLOCATIONS) GTEST_SKIP() << "the sanitizer's allocator is not counted";
  }
};

// A frame of the whole diagram into an image, as a bitmap export paints it.
void PaintFrame(TdvDiagram* ADiagram, QImage& AImage) {
  QPainter painter(&AImage);
  TCanvas canvas(&painter);
  ADiagram->PaintAs(canvas, psBitmap, TDot{0, 0});
}

// What one repaint costs once every block was painted before.
struct TRepaintCost {
  int64_t Allocations = 0;
  int64_t NativeObjects = 0;
};

TRepaintCost Repaint(TDgrGraphicLib ALib, int ACount) {
  TMemoryDiagram d;
  d.Diagram->SetBounds(0, 0, 800, 600);
  d.Diagram->SetGraphicLib(ALib);
  for (int i = 0; i < ACount; ++i) {
    auto* b = Create<TDiagramBlock>(d.Form.get());
    const double x = 20.0 + (i % 10) * 120, y = 20.0 + (i / 10) * 80;
    b->SetBoundsRect(TSquare{x, y, x + 100, y + 50});
    b->SetShape(i % 2 ? bsEllipse : bsRoundRect);
    TDiagramGradient* g = b->GetGradient();
    g->SetEndColor(static_cast<TColor>(0x00C08040 + i * 8));
    g->SetVisible(i % 3 == 0);
    b->DefaultTextCell()->SetText(QStringLiteral("Block %1").arg(i + 1));
    b->SetDiagram(d.Diagram);
  }
  d.Diagram->SetZoom(50);
  QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
  PaintFrame(d.Diagram, image);
  const int64_t allocations = bench::AllocationCount();
  const auto natives = static_cast<int64_t>(NativeObjectCounts().Total());
  PaintFrame(d.Diagram, image);
  return {bench::AllocationCount() - allocations, static_cast<int64_t>(NativeObjectCounts().Total()) - natives};
}

TEST_F(BlockMemory, BytesPerBlockStayWithinBudget) {
  constexpr int Count = 10000;
  TMemoryDiagram d;
  const int64_t before = bench::CurrentBytes();
  bench::FillBlocks(d.Form.get(), d.Diagram, Count);
  const double perBlock = static_cast<double>(bench::CurrentBytes() - before) / Count;
  EXPECT_LE(perBlock, BlockBudgetBytes) << "bytes per block";
  RecordProperty("bytes_per_block", static_cast<int>(perBlock));
  // Building and loading make no engine state; every block made its drawer on first use.
  auto* first = dynamic_cast<TDiagramBlock*>(d.Form->FindComponent(QStringLiteral("Block1")));
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(first->DgrDrawerMade());
}

TEST_F(BlockMemory, RepaintKeepsWhatTheFirstPaintMade) {
  // A repaint builds no engine drawer, pen, brush or path again: those are made by the
  // first paint and kept. What a repainted block still allocates is the painter's saved
  // states and clips around each primitive, its outline path and its text shaping; the
  // ceilings hold that where it is now (the ten blocks' share, the pass's own, cancels out).
  struct TCase {
    TDgrGraphicLib Lib;
    double MaxPerBlock;
  };
  for (const TCase& c : {TCase{dglGDI, 32}, TCase{dglGDIPlus, 26}, TCase{dglDirect2D, 22}}) {
    const TRepaintCost few = Repaint(c.Lib, 10), many = Repaint(c.Lib, 60);
    EXPECT_EQ(many.NativeObjects, 0) << "library " << c.Lib;
    EXPECT_EQ(few.NativeObjects, 0) << "library " << c.Lib;
    const double perBlock = static_cast<double>(many.Allocations - few.Allocations) / 50;
    EXPECT_LE(perBlock, c.MaxPerBlock) << "library " << c.Lib << ": allocations per repainted block";
  }
}

// The engine state a block keeps: made by the first paint or hit test that needs it, for
// the engine then in force, and dropped when the engine or the diagram changes.
class BlockEngineState : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterAllClasses();
    SetDirect2DSupported(true);
  }
  TDiagramBlock* AddBlock() {
    auto* b = Create<TDiagramBlock>(d.Form.get());
    b->SetBoundsRect(TSquare{100, 100, 200, 160});
    b->SetShape(bsEllipse);
    b->SetDiagram(d.Diagram);
    return b;
  }
  TMemoryDiagram d;
  QImage image{400, 300, QImage::Format_ARGB32_Premultiplied};
};

TEST_F(BlockEngineState, MadeByTheFirstPaintForTheEngineInForce) {
  d.Diagram->SetGraphicLib(dglGDIPlus);
  TDiagramBlock* b = AddBlock();
  EXPECT_FALSE(b->DgrDrawerMade()) << "joining a diagram makes no engine state";
  EXPECT_TRUE(b->HasDgrDrawer()) << "but the block does paint with an engine";
  PaintFrame(d.Diagram, image);
  EXPECT_TRUE(IsDrawerOf(b->GetDgrDrawer(), dglGDIPlus));
  TDgrBlockDrawer* drawer = b->GetDgrDrawer();
  PaintFrame(d.Diagram, image);
  EXPECT_EQ(b->GetDgrDrawer(), drawer) << "kept across repaints";

  d.Diagram->SetGraphicLib(dglDirect2D);
  EXPECT_FALSE(b->DgrDrawerMade()) << "a change of engine drops the drawer of the old one";
  PaintFrame(d.Diagram, image);
  EXPECT_TRUE(IsDrawerOf(b->GetDgrDrawer(), dglDirect2D));

  d.Diagram->SetGraphicLib(dglGDI);
  PaintFrame(d.Diagram, image);
  EXPECT_FALSE(b->DgrDrawerMade()) << "the legacy canvas needs no engine drawer";
  EXPECT_FALSE(b->HasDgrDrawer());
  EXPECT_EQ(b->GetTempPath(), nullptr);
}

TEST_F(BlockEngineState, FirstHitTestFindsTheOutlineWithoutAPaint) {
  // An engine-drawn ellipse hit-tests its engine outline: a corner of its rectangle lies
  // outside it, the centre inside, whether or not it was ever painted.
  d.Diagram->SetGraphicLib(dglGDIPlus);
  TDiagramBlock* b = AddBlock();
  EXPECT_FALSE(b->PointInControl(TPoint{102, 102}));
  EXPECT_TRUE(b->PointInControl(TPoint{150, 130}));
  EXPECT_TRUE(b->DgrDrawerMade());
  // A turned and resized block is found where it is now, not where the drawer was made.
  b->SetBoundsRect(TSquare{300, 100, 340, 200});
  EXPECT_FALSE(b->PointInControl(TPoint{150, 130}));
  EXPECT_TRUE(b->PointInControl(TPoint{320, 150}));
}

TEST_F(BlockEngineState, LeavingTheDiagramDropsIt) {
  d.Diagram->SetGraphicLib(dglDirect2D);
  TDiagramBlock* b = AddBlock();
  PaintFrame(d.Diagram, image);
  ASSERT_TRUE(b->DgrDrawerMade());
  b->SetDiagram(nullptr);
  EXPECT_FALSE(b->DgrDrawerMade());
  EXPECT_TRUE(IsDrawerOf(b->GetDgrDrawer(), DefaultGraphicLib())) << "its own engine outside a diagram";
}

}  // namespace
