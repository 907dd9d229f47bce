// What the program keeps for its user between runs: recent files, the layout, and the
// autosaved copy a crash leaves behind, offered back at the next start.
#include <QMenu>
#include <QSettings>

#include "EditorFixture.h"
#include "editor/shell/Autosave.h"
#include "editor/shell/RecentFiles.h"
#include "editor/window/ProgramState.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct ProgramState : TEditorFixture {
  ProgramState() : Settings(Dir.filePath("settings.ini"), QSettings::IniFormat) {}
  QString Folder() const { return Dir.filePath("recovery"); }
  QSettings Settings;
};

}  // namespace

TEST_F(ProgramState, SavedAndOpenedDocumentsBecomeRecentFilesThatOpenFromTheFileMenu) {
  TProgramState state(Window, &Settings, Folder());
  QMenu* recent = state.Recent().Menu();
  EXPECT_TRUE(Window.FileMenu()->actions().contains(recent->menuAction()));
  AddBlock(10, 10);
  Questions.SaveFile = Path("one.dgr");
  Act("acSaveDiagramAs")->trigger();
  Questions.Answers = {TAnswer::Yes};
  Act("acNewDiagram")->trigger();
  ASSERT_EQ(D()->DControlCount(), 0);
  ASSERT_EQ(state.Recent().Files().size(), 1);
  recent->actions().first()->trigger();
  EXPECT_EQ(D()->DControlCount(), 1);
  EXPECT_EQ(M().GetCurrentDiagramFileName(), Path("one.dgr"));
  // A recent file that has gone is dropped when it fails to open.
  QFile::remove(Path("one.dgr"));
  state.Recent().OnOpen(Path("one.dgr"));
  EXPECT_TRUE(state.Recent().Files().isEmpty());
}

TEST_F(ProgramState, AnAutosavedDocumentOfAKilledRunIsOfferedAndRestoredModified) {
  {
    // A run that ended without a normal close: its copy stays behind.
    TAutosave crashed([] { return QByteArray(); }, Folder());
    TfmDiagramEditor other;
    auto* block = Create<TDiagramBlock>(other.Diagram()->GetOwner());
    block->SetName("Kept");
    block->SetDiagram(other.Diagram());
    TAutosave copy(
        [&other] {
          TMemoryStream stream;
          other.Diagram()->SaveToStream(stream, true);
          return stream.Bytes();
        },
        Folder());
    copy.SetDocumentFileName(Path("plan.dgr"));
    ASSERT_TRUE(copy.WriteNow());
  }
  TProgramState state(Window, &Settings, Folder());
  Questions.Answers = {TAnswer::Yes};
  EXPECT_TRUE(state.OfferRecovery());
  ASSERT_EQ(Questions.Asked.size(), 1);
  EXPECT_TRUE(Questions.Asked[0].contains("plan.dgr"));
  ASSERT_EQ(D()->DControlCount(), 1);
  EXPECT_EQ(D()->GetDControls(0)->GetName(), "Kept");
  // It belongs to its own file and still has to be saved there.
  EXPECT_EQ(M().GetCurrentDiagramFileName(), Path("plan.dgr"));
  EXPECT_TRUE(M().GetModified());
  // Offered once: the next start finds nothing of that run.
  Questions.Asked.clear();
  EXPECT_FALSE(state.OfferRecovery());
  EXPECT_TRUE(Questions.Asked.isEmpty());
}

TEST_F(ProgramState, ADeclinedRecoveryIsRemovedAndANormalCloseLeavesNothingBehind) {
  {
    TAutosave crashed([] { return QByteArray("object TdvDiagram\nend\n"); }, Folder());
    ASSERT_TRUE(crashed.WriteNow());
  }
  TProgramState state(Window, &Settings, Folder());
  Questions.Answers = {TAnswer::No};
  EXPECT_FALSE(state.OfferRecovery());
  EXPECT_TRUE(TAutosave::Pending(Folder()).isEmpty());
  // This run's own copy: written while modified, gone after closing normally.
  AddBlock(10, 10);
  D()->Modified();
  ASSERT_TRUE(state.Autosave().WriteNow());
  Questions.Answers = {TAnswer::No};
  EXPECT_TRUE(Window.close());
  EXPECT_FALSE(QFile::exists(state.Autosave().DocumentPath()));
  // The layout was kept for the next run.
  EXPECT_TRUE(Settings.allKeys().size() > 0);
}
