// The component that opens the editor window for a program: the settings it hands over,
// the events around the window's life, and a modal run that returns once the window closed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>

#include "blocks/BlockSets.h"
#include "diagram/libraries/LibraryFolderFiler.h"
#include "diagram/libraries/LibraryManager.h"
#include "diagram/view/Diagram.h"
#include "editor/window/DiagramEditor.h"
#include "editor/window/EditorActions.h"
#include "editor/window/EditorWindow.h"

using namespace tarnwick;

TEST(DiagramEditor, OpensOneWindowWithItsSettingsAndReportsItsClose) {
  RegisterBlockSets();
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  auto* manager = Create<TDgrLibraryManager>(owner.get());
  QTemporaryDir folder;
  auto* filer = Create<TDgrLibraryFolderFiler>(owner.get());
  filer->SetBaseFolder(folder.path());
  manager->SetFiler(filer);
  TDiagramEditor editor;
  editor.Title = "Plans";
  editor.DialogMode = dmNormal;
  editor.SetLibManager(manager);
  int created = 0, shown = 0, closed = 0;
  editor.OnCreateDesigner = [&](TfmDiagramEditor&) { ++created; };
  editor.OnShowDesigner = [&](TfmDiagramEditor&) { ++shown; };
  editor.OnCloseDesigner = [&](TfmDiagramEditor&) { ++closed; };
  editor.Execute();
  TfmDiagramEditor* form = editor.Form();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "Plans[*]");
  EXPECT_EQ(form->GetLibManager(), manager);
  EXPECT_EQ(created, 1);
  EXPECT_EQ(shown, 1);
  // A second Execute shows the same window.
  editor.Execute();
  EXPECT_EQ(editor.Form(), form);
  // A library manager that goes is forgotten by the component and the window.
  owner.reset();
  EXPECT_EQ(editor.GetLibManager(), nullptr);
  EXPECT_EQ(form->GetLibManager(), nullptr);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(closed, 1);
  // The window frees itself once closed.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(editor.Form(), nullptr);
}

TEST(DiagramEditor, AModalRunReturnsWhenTheWindowClosesAndEditsTheCallersDiagram) {
  RegisterBlockSets();
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  auto* diagram = Create<TdvDiagram>(owner.get());
  TDiagramEditor editor;
  editor.Diagram = diagram;
  editor.OnShowDesigner = [&](TfmDiagramEditor& AForm) {
    EXPECT_EQ(AForm.Diagram(), diagram);
    QTimer::singleShot(0, &AForm, [&AForm] { AForm.close(); });
  };
  editor.Execute();
  EXPECT_EQ(editor.Form(), nullptr);
  // The caller's diagram outlives the window and still works.
  EXPECT_FALSE(diagram->IsDestroying());
  diagram->SetZoom(150);
  diagram->Invalidate();
  EXPECT_EQ(diagram->GetZoom(), 150);
}
