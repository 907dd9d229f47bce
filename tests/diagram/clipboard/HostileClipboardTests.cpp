// Clipboard data from elsewhere is not trusted: every bad kind fails before anything
// changes, records nothing, and never reaches beyond the pasted controls.
#include <gtest/gtest.h>

#include "ClipboardFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// A document with two blocks and a copy of the first on the clipboard, and the state to
// compare against after a paste that must change nothing.
struct THostileFixture : TClipboardFixture {
  THostileFixture() {
    First = NewBlock(10, 10, 50, 40);
    NewBlock(100, 10, 50, 40);
    Text = Diagram->SerializeObjectToString(First);
    Diagram->ClearUndoStack();
    Before = Bytes(*Diagram);
  }
  void ExpectPasteFailsAndChangesNothing() {
    EXPECT_ANY_THROW(Diagram->PasteFromClipboard());
    EXPECT_EQ(Bytes(*Diagram), Before);
    EXPECT_EQ(Diagram->GetUndoStack().Count(), 1);
    EXPECT_EQ(Diagram->NextUndoAction(), "");
    EXPECT_EQ(Form->GetComponentCount(), 3);  // the two blocks and the diagram
  }
  TDiagramControl* First = nullptr;
  QString Text;
  std::string Before;
};

}  // namespace

TEST(HostileClipboard, MalformedBytesAreRefused) {
  THostileFixture f;
  QByteArray data = TDiagramClipboard::EncodeClipboardData(f.Text);

  f.PutRaw(data.left(data.size() - 1));  // odd length
  f.ExpectPasteFailsAndChangesNothing();
  f.PutRaw(data.left(data.size() - 2));  // no terminating zero
  f.ExpectPasteFailsAndChangesNothing();
  f.PutRaw(QByteArray(TDiagramClipboard::MaxDataSize + 2, 'a'));  // too large
  f.ExpectPasteFailsAndChangesNothing();
  f.PutText(f.Text + QChar(0x263A));  // a character the text form cannot carry
  f.ExpectPasteFailsAndChangesNothing();
  f.PutText("this is not an object stream");
  f.ExpectPasteFailsAndChangesNothing();

  // Text after the terminator is not part of the data.
  f.PutRaw(data + QByteArray("\x41\x00", 2));
  f.Diagram->PasteFromClipboard();
  EXPECT_EQ(f.Diagram->BlockCount(), 3);
}

TEST(HostileClipboard, APasteFailingHalfWayLeavesTheDocumentByteIdentical) {
  THostileFixture f;
  // The second control's record is damaged after the first one was read completely.
  QString text = f.Text;
  const qsizetype end = text.lastIndexOf("end");
  text.insert(end, "  object ___clip___Broken: TDiagramBlock\r\n    Left = 'x'\r\n  end\r\n");
  f.PutText(text);
  f.ExpectPasteFailsAndChangesNothing();

  // A class nobody registered fails the same way.
  text = f.Text;
  text.insert(text.lastIndexOf("end"), "  object ___clip___Odd: TNoSuchBlock\r\n  end\r\n");
  f.PutText(text);
  f.ExpectPasteFailsAndChangesNothing();
}

TEST(HostileClipboard, TheStreamsDiagramSettingsNeverReachTheDiagram) {
  THostileFixture f;
  QString text = f.Text;
  text.replace("Zoom = 100", "Zoom = 300");
  ASSERT_TRUE(text.contains("Zoom = 300"));
  f.PutText(text);
  f.Diagram->PasteFromClipboard();
  EXPECT_EQ(f.Diagram->GetZoom(), 100);
  EXPECT_EQ(f.Diagram->BlockCount(), 3);
}

TEST(HostileClipboard, APastedGroupCannotCaptureAnExistingControl) {
  THostileFixture f;
  QString text = f.Text;
  text.insert(text.lastIndexOf("end"),
              "  object ___clip___Thief: TGroupBlock\r\n"
              "    Members = <\r\n"
              "      item\r\n"
              "        DControl = __DSOwner___.DiagramBlock2\r\n"
              "      end\r\n"
              "      item\r\n"
              "        DControl = __DSOwner___.___clip___DiagramBlock1\r\n"
              "      end>\r\n"
              "  end\r\n");
  f.PutText(text);
  f.Diagram->PasteFromClipboard();
  TDiagramControl* existing = f.Diagram->FindDControl("DiagramBlock2");
  ASSERT_TRUE(existing);
  EXPECT_EQ(existing->GetGroupBlock(), nullptr);
  auto* thief = dynamic_cast<TGroupBlock*>(f.Diagram->FindDControl("Thief"));
  ASSERT_TRUE(thief);
  ASSERT_EQ(thief->GetMemberCount(), 1);
  EXPECT_EQ(thief->GetMember(0)->GetName(), "DiagramBlock3");
}

TEST(HostileClipboard, NamesAreStrippedOnlyOfALeadingPrefix) {
  THostileFixture f;
  QString text = f.Text;
  text.replace("___clip___DiagramBlock1", "Mid___clip___Name");
  f.PutText(text);
  f.Diagram->PasteFromClipboard();
  EXPECT_TRUE(f.Diagram->FindDControl("Mid___clip___Name"));
}
