#pragma once
// The editor window with the selector tool bars placed on it, and the ways a user works
// them: the arrow of a selector, then an item of its panel; text typed into a box.
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "EditorFixture.h"
#include "diagram/view/DiagramUndoStack.h"
#include "editor/selectors/ComboSelectors.h"
#include "editor/selectors/CustomSelector.h"
#include "editor/selectors/SelectorBars.h"
#include "editor/selectors/SelectorPanel.h"
#include "platform/core/Stream.h"

namespace tarnwick::test {

struct TSelectorFixture : TEditorFixture {
  TSelectorFixture() {
    Bars = MakeSelectorBars(&Window, D());
    Window.addToolBarBreak();
    Window.addToolBar(Bars.Row2);
    Window.addToolBar(Bars.Fonts);
    Window.addToolBar(Bars.Layer);
    Bars.Idle->stop();  // the tests say when the program is idle
    QApplication::processEvents();
  }

  // Opens the panel by its arrow (the whole button without one) and clicks item AIndex.
  static void PickItem(TDgrCustomSelector& ASelector, int AIndex) {
    QTest::mouseClick(ASelector.GetDropDownButton() ? ASelector.ArrowButton() : ASelector.MainButton(), Qt::LeftButton);
    ASSERT_TRUE(ASelector.PanelOpen());
    QToolButton* item = ASelector.Panel()->ItemButton(AIndex);
    ASSERT_TRUE(item) << AIndex;
    QTest::mouseClick(item, Qt::LeftButton);
    EXPECT_FALSE(ASelector.PanelOpen());
  }
  static void TypeAndEnter(TDgrBaseComboBox& ABox, const QString& AText) {
    ABox.lineEdit()->selectAll();
    QTest::keyClicks(ABox.lineEdit(), AText);
    QTest::keyClick(ABox.lineEdit(), Qt::Key_Return);
  }

  int Steps() const { return D()->GetUndoStack().Current(); }
  QByteArray Document() const {
    TMemoryStream stream;
    D()->SaveToStream(stream, true);
    return stream.Bytes();
  }

  TSelectorBars Bars;
};

}  // namespace tarnwick::test
