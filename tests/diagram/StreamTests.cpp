// A diagram and its controls through the object stream: the published table, the
// controls' custom properties, and controls joining the diagram they are read into.
#include <gtest/gtest.h>

#include "TestControls.h"
#include "platform/core/Stream.h"
#include "streaming/ObjectStream.h"

using namespace tarnwick;
using namespace tarnwick::test;

TEST(DiagramStream, ControlsReadIntoADiagramJoinItWithTheirNamesAndCustomValues) {
  TDiagramFixture source;
  source.Diagram->SetZoom(150);
  source.Diagram->ActivateLayer(3);
  source.Diagram->GetLayers()->Add("Notes");
  auto* a = source.AddBlock(0, 0, 10, 10);
  a->SetDControlID("Flow.Box");
  a->SetCollapsed(true);
  source.AddLine({0, 0}, {5, 5});
  source.Diagram->SetInternalStreaming(true);
  TMemoryStream stream;
  WriteComponent(stream, source.Diagram);
  source.Diagram->SetInternalStreaming(false);

  TDiagramFixture target;
  int inserted = 0;
  target.Diagram->OnInsertDControl = [&](TObject*, TDiagramControl*) { ++inserted; };
  stream.Seek(0, soBeginning);
  ReadComponent(stream, target.Diagram);
  TdvDiagram* d = target.Diagram;
  EXPECT_EQ(d->GetZoom(), 150);
  EXPECT_EQ(d->GetActiveLayers(), int64_t{1} << 3);
  ASSERT_EQ(d->GetLayers()->Count(), 1);
  EXPECT_EQ(d->GetLayers()->GetItems(0)->GetLayerName(), "Notes");
  ASSERT_EQ(d->DControlCount(), 2);
  EXPECT_EQ(d->BlockCount(), 1);
  EXPECT_EQ(d->LinkCount(), 1);
  EXPECT_EQ(d->GetDControls(0)->GetName(), "TestBlock1");
  EXPECT_EQ(d->GetDControls(0)->GetOwner(), target.Form);
  EXPECT_EQ(d->GetDControls(0)->GetDControlID(), "Flow.Box");
  EXPECT_TRUE(d->GetDControls(0)->GetCollapsed());
  EXPECT_EQ(d->GetDControls(1)->GetDControlID(), "TTestLine");
  EXPECT_EQ(inserted, 0) << "loading is silent";
  EXPECT_FALSE(d->IsLoading());
}
