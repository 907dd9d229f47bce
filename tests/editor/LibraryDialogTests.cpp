// The library windows: the item dialog's checks and what it writes into an item, adding a
// diagram object to a library, and the manager window's commands with their questions.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <deque>

#include "../diagram/libraries/LibraryFixture.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/view/Diagram.h"
#include "editor/library/LibItemEditor.h"
#include "editor/library/LibraryItemCreation.h"
#include "editor/library/LibraryManagerEditor.h"
#include "editor/library/LibraryQuestions.h"
#include "platform/core/Exception.h"
#include "platform/gui/Picture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TScriptedLibraryQuestions : ILibraryQuestions {
  std::deque<std::optional<QString>> Texts;  // empty: cancel
  std::deque<bool> Confirms;                 // empty: No
  QStringList Asked, Errors;
  std::optional<QString> AskText(const QString&, const QString& APrompt, const QString& AInitial) override {
    Asked << APrompt + "|" + AInitial;
    if (Texts.empty()) return std::nullopt;
    auto answer = Texts.front();
    Texts.pop_front();
    return answer;
  }
  bool Confirm(const QString& AText) override {
    Asked << AText;
    if (Confirms.empty()) return false;
    const bool answer = Confirms.front();
    Confirms.pop_front();
    return answer;
  }
  void ShowError(const QString& AMessage) override { Errors << AMessage; }
  std::optional<QString> ChooseIconFile() override { return std::nullopt; }
};

struct LibraryDialogs : ::testing::Test, TLibraryFixture {
  LibraryDialogs() {
    SetDefaultLibraryQuestions(&Questions);
    Diagram = Create<TdvDiagram>(Owner.get());
    Block = Create<TDiagramBlock>(Owner.get());
    Block->SetDiagram(Diagram);
    Block->SetBoundsRect(TSquare{10, 10, 110, 60});
  }
  ~LibraryDialogs() override { SetDefaultLibraryQuestions(nullptr); }

  // Adds the block to the library as an item with the caption and category.
  TDgrLibraryItem* AddItem(const QString& ACaption, const QString& ACategory, TDgrLibrary* ALibrary) {
    return CreateItemDlg(*Manager, Block, [&](TDgrLibraryItem* AItem, TDgrLibraryManager*, TDgrLibrary*& ATarget) {
      AItem->SetCaption(ACaption);
      AItem->SetCategory(ACategory);
      ATarget = ALibrary;
      return true;
    });
  }
  static int Files(const QString& AFolder) { return QDir(AFolder).entryList(QDir::Files).size(); }
  QStringList Rows(const TDgrLibraryManagerEditor& AEditor) const {
    QStringList rows;
    for (int i = 0; i < AEditor.ObjectList->topLevelItemCount(); ++i)
      rows << AEditor.ObjectList->topLevelItem(i)->text(0);
    return rows;
  }

  TScriptedLibraryQuestions Questions;
  TdvDiagram* Diagram = nullptr;
  TDiagramBlock* Block = nullptr;
};

TEST_F(LibraryDialogs, AddingAnObjectMakesADefaultLibraryAndSavesAndRegistersTheItem) {
  EXPECT_EQ(CreateItemDlg(*Manager, Block, [](auto*, auto*, TDgrLibrary*&) { return false; }), nullptr);
  ASSERT_EQ(Manager->LibraryCount(), 1) << "the default library stays after a cancel";
  TDgrLibrary* library = Manager->GetLibrary(0);
  EXPECT_EQ(library->GetLibraryName(), "Default");
  EXPECT_EQ(library->Count(), 0);

  TDgrLibraryItem* item = AddItem("Box", "Shapes", library);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->GetOwnerLibrary(), library);
  EXPECT_TRUE(Registered(item->RegistryID()));
  EXPECT_EQ(Files(Path("dlib_Default")), 1);
  EXPECT_FALSE(item->GetData().isEmpty());
}

TEST_F(LibraryDialogs, TheItemDialogNeedsALoadedLibraryACaptionAndACategory) {
  TOwned<TDgrLibraryItem> item = MakeOwned<TDgrLibraryItem>(nullptr);
  item->SetData(Diagram->SerializeObjectToString(Block));
  Manager->CreateLibrary("Shapes");
  TDgrLibrary* chosen = nullptr;
  bool stayedOpen = false;
  QTimer::singleShot(0, [&] {
    auto* d = dynamic_cast<TfmLibItemEditor*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->imIcon->pixmap().isNull()) << "a preview of the object";
    QTest::mouseClick(d->OkButton, Qt::LeftButton);  // no library chosen
    QTest::keyClick(d->cbLibrary, Qt::Key_Down);     // "Shapes"
    QTest::keyClicks(d->edCaption, "   ");
    QTest::mouseClick(d->OkButton, Qt::LeftButton);
    d->edCaption->clear();
    QTest::keyClicks(d->edCaption, " Box ");
    QTest::mouseClick(d->OkButton, Qt::LeftButton);  // no category
    stayedOpen = d->isVisible();
    QTest::keyClicks(d->cbCategory->lineEdit(), "Basic");
    QTest::mouseClick(d->OkButton, Qt::LeftButton);
  });
  EXPECT_TRUE(TfmLibItemEditor::EditLibraryItem(item.get(), Manager, chosen));
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(Questions.Errors, (QStringList{"Library field cannot be empty.", "Caption field cannot not be empty.",
                                           "Category field cannot be empty."}));
  EXPECT_EQ(chosen, Manager->LibraryByName("Shapes"));
  EXPECT_EQ(item->GetCaption(), " Box ") << "stored as typed";
  EXPECT_EQ(item->GetCategory(), "Basic");
  EXPECT_FALSE(item->GetGlyph()->GetEmpty());
}

TEST_F(LibraryDialogs, ManagerCreatesLibrariesAndRefusesEmptyTakenAndUnsafeNames) {
  Manager->CreateLibrary("Shapes");
  TDgrLibraryManagerEditor editor;
  editor.SetLibraryManager(Manager);
  EXPECT_EQ(editor.LibraryBox->count(), 1);
  Questions.Texts = {"  ", "shapes", "../Up", " Mine "};
  editor.acCreateLibrary->trigger();
  EXPECT_EQ(Questions.Errors, (QStringList{"Library name cannot be empty.", "Library \"shapes\" already exists.",
                                           "Library name \"../Up\" cannot be used: the name starts with a dot."}));
  EXPECT_EQ(Questions.Asked.at(1), "Enter library name:|  ") << "asked again with the last input";
  ASSERT_NE(Manager->LibraryByName("Mine"), nullptr);
  EXPECT_EQ(editor.GetSelectedLibrary(), Manager->LibraryByName("Mine"));
  EXPECT_TRUE(QDir(Path("dlib_Mine")).exists());
  EXPECT_FALSE(QDir(Path("dlib_../Up")).exists());

  // Cancel: nothing.
  editor.acCreateLibrary->trigger();
  EXPECT_EQ(Manager->LibraryCount(), 2);
}

TEST_F(LibraryDialogs, ManagerRemovesALibraryWithItsEntries) {
  TDgrLibraryItem* item = AddItem("Box", "Basic", Manager->CreateLibrary("Shapes"));
  const QString id = item->RegistryID();
  TDgrLibraryManagerEditor editor;
  editor.SetLibraryManager(Manager);
  editor.acRemoveLibrary->trigger();  // answered No
  EXPECT_EQ(Questions.Asked.last(), "Remove library \"Shapes\"?");
  EXPECT_EQ(Manager->LibraryCount(), 1);
  Questions.Confirms = {true};
  editor.acRemoveLibrary->trigger();
  EXPECT_EQ(Manager->LibraryCount(), 0);
  EXPECT_FALSE(Registered(id));
  EXPECT_FALSE(QDir(Path("dlib_Shapes")).exists());
  EXPECT_EQ(editor.LibraryBox->count(), 0);
  EXPECT_FALSE(editor.acRemoveLibrary->isEnabled());
}

TEST_F(LibraryDialogs, ManagerEditsSortsAndDeletesObjects) {
  TDgrLibrary* library = Manager->CreateLibrary("Shapes");
  AddItem("b", "Z", library);
  AddItem("B", "A", library);
  AddItem("a", "M", library);
  TDgrLibraryManagerEditor editor;
  editor.SetLibraryManager(Manager);  // loads the libraries again
  library = Manager->LibraryByName("Shapes");
  EXPECT_EQ(Rows(editor), (QStringList{"B", "a", "b"})) << "ordinal order of the captions";

  // Edit: the dialog's answer is saved and shown.
  editor.SetItemEditor([](TDgrLibraryItem* AItem, TDgrLibraryManager*, TDgrLibrary*&) {
    AItem->SetCaption("c");
    return true;
  });
  editor.ObjectList->setCurrentItem(editor.ObjectList->topLevelItem(1));  // "a"
  QTest::keyClick(editor.ObjectList, Qt::Key_F2);
  EXPECT_EQ(Rows(editor), (QStringList{"B", "b", "c"}));
  EXPECT_EQ(editor.GetSelectedItem()->GetCaption(), "c") << "the edited object stays selected";
  Manager->LoadLibraries();
  library = Manager->LibraryByName("Shapes");
  bool stored = false;
  for (int i = 0; i < library->Count(); ++i) stored = stored || library->GetItem(i)->GetCaption() == "c";
  EXPECT_TRUE(stored) << "the edit was saved";
  editor.RefreshLibraries();

  // Delete: asked, file and registry entry gone, no row selected.
  library = Manager->LibraryByName("Shapes");
  TDgrLibraryItem* victim = editor.GetSelectedItem();
  ASSERT_NE(victim, nullptr);
  const QString caption = victim->GetCaption(), id = victim->RegistryID();
  QTest::keyClick(editor.ObjectList, Qt::Key_Delete);  // No
  EXPECT_EQ(Questions.Asked.last(), QStringLiteral("Delete object \"%1\"?").arg(caption));
  EXPECT_EQ(Files(Path("dlib_Shapes")), 3);
  Questions.Confirms = {true};
  QTest::keyClick(editor.ObjectList, Qt::Key_Delete);
  EXPECT_EQ(Files(Path("dlib_Shapes")), 2);
  EXPECT_FALSE(Registered(id));
  EXPECT_EQ(editor.ObjectList->topLevelItemCount(), 2);
  EXPECT_EQ(editor.GetSelectedItem(), nullptr);
}

TEST_F(LibraryDialogs, ExecuteNeedsAManager) {
  TDgrLibraryManagerEditor editor;
  EXPECT_THROW(editor.Execute(), Exception);
}

}  // namespace
