// Numbered layers (the active-layer mask) and named layer objects.
#include <gtest/gtest.h>

#include "TestControls.h"

using namespace tarnwick;
using namespace tarnwick::test;

TEST(NumberedLayers, OnlyLayerZeroIsActiveInANewDiagramAndTheMaskSwitchesTheOthers) {
  TDiagramFixture f;
  EXPECT_EQ(f.Diagram->GetActiveLayers(), 0);
  auto* b = f.AddBlock(0, 0, 10, 10);
  b->SetLayer(5);
  EXPECT_TRUE(f.Diagram->LayerActive(0));
  EXPECT_FALSE(b->IsVisible());
  f.Diagram->ActivateLayer(5);
  EXPECT_EQ(f.Diagram->GetActiveLayers(), int64_t{1} << 5);
  EXPECT_TRUE(b->IsVisible());
  f.Diagram->ActivateLayer(63);
  EXPECT_TRUE(f.Diagram->LayerActive(63));
  EXPECT_LT(f.Diagram->GetActiveLayers(), 0) << "bit 63 is the sign bit of the mask";
}

TEST(NumberedLayers, NumbersOutsideTheMaskAreNeverActiveAndChangeNothing) {
  TDiagramFixture f;
  f.Diagram->SetActiveLayers(-1);
  for (int n : {64, 65, 1000, -1}) {
    EXPECT_FALSE(f.Diagram->LayerActive(n)) << n;
    f.Diagram->ActivateLayer(n);
    f.Diagram->DeactivateLayer(n);
    EXPECT_EQ(f.Diagram->GetActiveLayers(), -1) << n;
  }
}

TEST(NumberedLayers, DeactivatingUnselectsAtOnceButWritingTheMaskDoesNot) {
  TDiagramFixture f;
  f.Diagram->ActivateLayer(2);
  auto* b = f.AddBlock(0, 0, 10, 10);
  b->SetLayer(2);
  b->SetSelected(true);
  f.Diagram->SetActiveLayers(0);
  EXPECT_FALSE(b->IsVisible());
  EXPECT_TRUE(b->GetSelected()) << "the mask alone leaves the selection";
  f.Diagram->DeactivateLayer(2);
  EXPECT_FALSE(b->GetSelected());
  EXPECT_EQ(f.Diagram->SelectedCount(), 0);
}

TEST(NumberedLayers, WritingTheMaskRepaintsOnlyWhenItChanges) {
  TDiagramFixture f;
  f.Diagram->Invalidations = 0;
  f.Diagram->SetActiveLayers(0);
  EXPECT_EQ(f.Diagram->Invalidations, 0);
  f.Diagram->SetActiveLayers(6);
  EXPECT_EQ(f.Diagram->Invalidations, 1);
}

TEST(LayerObjects, AddNamesNewLayersWithTheFirstFreeNumberIgnoringCase) {
  TDiagramFixture f;
  TDiagramLayers* layers = f.Diagram->GetLayers();
  layers->Add("Layer1");
  layers->Add("layer2");
  EXPECT_EQ(layers->Add()->GetLayerName(), "Layer3");
  layers->Add("LAYER5");
  EXPECT_EQ(layers->Add()->GetLayerName(), "Layer4");
  EXPECT_EQ(layers->Add()->GetLayerName(), "Layer6");
  EXPECT_EQ(layers->FindByName("LAYER1"), layers->GetItems(0));
  EXPECT_EQ(layers->FindByName(""), nullptr);
  EXPECT_EQ(layers->FindByName("Layer9"), nullptr);
  EXPECT_EQ(layers->GetItems(0)->GetDiagram(), f.Diagram);
}

TEST(LayerObjects, AControlReachesItsLayerByNameAndAMissingNameReadsEmpty) {
  TDiagramFixture f;
  TDiagramLayer* back = f.Diagram->GetLayers()->Add("Background");
  auto* b = f.AddBlock(0, 0, 10, 10);
  b->SetLayerName("BACKGROUND");
  EXPECT_EQ(b->GetLayerObj(), back);
  EXPECT_EQ(b->GetLayerName(), "Background");
  b->SetLayerName("Nowhere");
  EXPECT_EQ(b->GetLayerObj(), nullptr);
  EXPECT_EQ(b->GetLayerName(), "");
}

TEST(LayerObjects, ALayerOfAnotherDiagramIsRefused) {
  TDiagramFixture f, g;
  TDiagramLayer* foreign = g.Diagram->GetLayers()->Add("Foreign");
  auto* b = f.AddBlock(0, 0, 10, 10);
  b->SetLayerObj(foreign);
  EXPECT_EQ(b->GetLayerObj(), nullptr);
  auto* loose = Create<TTestBlock>(nullptr);
  loose->SetLayerObj(foreign);
  EXPECT_EQ(loose->GetLayerObj(), nullptr) << "a control outside any diagram has no layer";
  loose->Free();
}

TEST(LayerObjects, ANameReadWhileLoadingIsResolvedWhenTheControlJoins) {
  TDiagramFixture f;
  TDiagramLayer* notes = f.Diagram->GetLayers()->Add("Notes");
  auto* b = Create<TTestBlock>(f.Form);
  b->SetLoadingState();
  b->SetLayerName("notes");
  EXPECT_EQ(b->GetPendingLayerName(), "notes");
  b->SetDiagram(f.Diagram);
  b->Loaded();
  EXPECT_EQ(b->GetLayerObj(), notes);
  EXPECT_EQ(b->GetPendingLayerName(), "");
}

TEST(LayerObjects, LeavingTheDiagramForgetsTheLayer) {
  TDiagramFixture f;
  auto* b = f.AddBlock(0, 0, 10, 10);
  b->SetLayerObj(f.Diagram->GetLayers()->Add());
  b->SetDiagram(nullptr);
  EXPECT_EQ(b->GetLayerObj(), nullptr);
}

TEST(LayerObjects, DeletingALayerLeavesItsControlsOnTheDiagramAndVisible) {
  TDiagramFixture f;
  TDiagramLayers* layers = f.Diagram->GetLayers();
  TDiagramLayer* hidden = layers->Add("Hidden");
  auto* b = f.AddBlock(0, 0, 10, 10);
  b->SetLayerObj(hidden);
  hidden->SetVisible(false);
  EXPECT_FALSE(b->IsVisible());
  layers->Delete(0);
  EXPECT_EQ(b->GetLayerObj(), nullptr);
  EXPECT_TRUE(b->IsVisible());
  EXPECT_EQ(f.Diagram->DControlCount(), 1);
}

TEST(LayerObjects, LayersReplacedWhileLoadingAreFoundAgainByName) {
  TDiagramFixture f;
  TDiagramLayers* layers = f.Diagram->GetLayers();
  auto* b = f.AddBlock(0, 0, 10, 10);
  b->SetLayerObj(layers->Add("Top"));
  f.Diagram->SetLoadingState();
  layers->Clear();
  EXPECT_EQ(b->GetLayerObj(), nullptr);
  EXPECT_EQ(b->GetPendingLayerName(), "Top");
  TDiagramLayer* top = layers->Add("Top");
  f.Diagram->Loaded();
  EXPECT_EQ(b->GetLayerObj(), top);
}

TEST(LayerObjects, DeleteLayerControlsFreesExactlyTheControlsOnThatLayer) {
  TDiagramFixture f;
  TDiagramLayer* doomed = f.Diagram->GetLayers()->Add("Doomed");
  auto* keep = f.AddBlock(0, 0, 10, 10);
  for (int i = 0; i < 3; ++i) f.AddBlock(0, 0, 10, 10)->SetLayerObj(doomed);
  f.Diagram->DeleteLayerControls(doomed);
  ASSERT_EQ(f.Diagram->DControlCount(), 1);
  EXPECT_EQ(f.Diagram->GetDControls(0), keep);
}

TEST(LayerObjects, OnlyNamesAndSwitchedOffFlagsAreStreamed) {
  TDiagramFixture f;
  TDiagramLayer* layer = f.Diagram->GetLayers()->Add("");
  layer->SetLayerName("");
  const TClassInfo& info = TDiagramLayer::StaticClassInfo();
  auto written = [&](const char* name) { return !info.FindProperty(name)->IsDefaultValue(*layer); };
  EXPECT_FALSE(written("LayerName"));
  EXPECT_FALSE(written("Visible"));
  EXPECT_FALSE(written("Editable"));
  layer->SetLayerName("A");
  layer->SetVisible(false);
  layer->SetEditable(false);
  EXPECT_TRUE(written("LayerName"));
  EXPECT_TRUE(written("Visible"));
  EXPECT_TRUE(written("Editable"));
}

TEST(LayerObjects, AssigningLayersCopiesThemIntoTheDiagramsOwnCollection) {
  TDiagramFixture f;
  TDiagramLayers* own = f.Diagram->GetLayers();
  TDiagramLayers* given = Create<TDiagramLayers>(nullptr);
  given->Add("A");
  given->Add("B")->SetVisible(false);
  f.Diagram->SetLayers(given);
  given->Free();
  ASSERT_EQ(f.Diagram->GetLayers(), own);
  ASSERT_EQ(own->Count(), 2);
  EXPECT_EQ(own->GetItems(1)->GetLayerName(), "B");
  EXPECT_FALSE(own->GetItems(1)->GetVisible());
  EXPECT_EQ(own->GetItems(1)->GetDiagram(), f.Diagram);
}

TEST(LayerObjects, ReadingADocumentWithoutLayersDropsThePreviousDocumentsLayers) {
  TDiagramFixture f;
  TMemoryStream empty;
  f.Diagram->SaveToStream(empty, false);
  f.Diagram->GetLayers()->Add("Old");
  empty.SetPosition(0);
  f.Diagram->LoadFromStream(empty, false);
  EXPECT_EQ(f.Diagram->GetLayers()->Count(), 0);
}
