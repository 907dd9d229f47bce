// Diagram documents: what a saved document holds, that it reads back the same, that
// references survive a change of window, and that neither a failed save nor a failed load
// loses anything.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../DocumentText.h"
#include "../TestControls.h"
#include "diagram/model/LinkPoints.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Properties.h"
#include "streaming/TextConvert.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// A test block whose geometry is published, with two switches that make writing or
// reading it fail, to prove the document survives such failures.
class TDocBox : public TTestBlock {
  TARNWICK_CLASS(TDocBox)

 public:
  using TTestBlock::TTestBlock;
  static inline bool FailWriting = false;

  double GetLeft() const { return Bounds.Left; }
  void SetLeft(double V) { Bounds = TSquare{V, Bounds.Top, V + GetWidth(), Bounds.Bottom}; }
  double GetTop() const { return Bounds.Top; }
  void SetTop(double V) { Bounds = TSquare{Bounds.Left, V, Bounds.Right, V + GetHeight()}; }
  double GetWidth() const { return Bounds.Right - Bounds.Left; }
  void SetWidth(double V) { Bounds.Right = Bounds.Left + V; }
  double GetHeight() const { return Bounds.Bottom - Bounds.Top; }
  void SetHeight(double V) { Bounds.Bottom = Bounds.Top + V; }
  QString GetNote() const {
    if (FailWriting) throw Exception("cannot write this box");
    return FNote;
  }
  void SetNote(const QString& V) {
    if (V == "unreadable") throw Exception("cannot read this box");
    FNote = V;
  }
  TLinkPoints* GetPoints() const { return GetLinkPoints(); }
  void SetPoints(TLinkPoints* V) { GetLinkPoints()->Assign(V); }

 private:
  QString FNote;
};

const TClassInfo& TDocBox::StaticClassInfo() {
  static const TClassInfo info(
      "TDocBox", &TTestBlock::StaticClassInfo(),
      {FloatProp("Left", ftDouble, &TDocBox::GetLeft, &TDocBox::SetLeft),
       FloatProp("Top", ftDouble, &TDocBox::GetTop, &TDocBox::SetTop),
       FloatProp("Width", ftDouble, &TDocBox::GetWidth, &TDocBox::SetWidth),
       FloatProp("Height", ftDouble, &TDocBox::GetHeight, &TDocBox::SetHeight),
       StringProp("Note", &TDocBox::GetNote, &TDocBox::SetNote),
       ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(), &TDocBox::GetPoints, &TDocBox::SetPoints)},
      [](TComponent* owner) { return Create<TDocBox>(owner); });
  return info;
}

class Documents : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterClass<TDocBox>();
    TDocBox::FailWriting = false;
  }

  TDocBox* AddBox(TDiagramFixture& f, double L, double T, const QString& note = QString()) {
    auto* box = Create<TDocBox>(f.Form);
    box->SetBounds(L, T, L + 80, T + 40);
    box->SetNote(note);
    box->SetDiagram(f.Diagram);
    return box;
  }

  static QString Text(TdvDiagram* d) {
    TMemoryStream s;
    d->SaveToStream(s, true);
    return QString::fromUtf8(s.Bytes());
  }

  static QStringList Names(TdvDiagram* d) {
    QStringList out;
    for (int i = 0; i < d->DControlCount(); ++i) out << d->GetDControls(i)->GetName();
    return out;
  }
};

}  // namespace

TEST_F(Documents, AnEmptyDiagramSavesItsOwnPropertiesAndNoControls) {
  TDiagramFixture f;
  QString text = Text(f.Diagram);
  EXPECT_TRUE(text.startsWith("object TTestDiagram\r\n") || text.startsWith("object TdvDiagram"))
      << text.left(40).toStdString();
  EXPECT_TRUE(text.contains("  Zoom = 100\r\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("  Layers = <>\r\n"));
  EXPECT_FALSE(text.contains("  object ")) << "no child records";
  EXPECT_EQ(f.Diagram->GetName(), "Diagram") << "the blanked name is given back";
  EXPECT_EQ(f.Form->GetName(), "Form1") << "the owner marker is taken off again";
  TMemoryStream s;
  f.Diagram->SaveToStream(s, true);
  s.SetPosition(0);
  TDiagramFixture g;
  g.Diagram->LoadFromStream(s, true);
  EXPECT_EQ(g.Diagram->DControlCount(), 0);
}

TEST_F(Documents, ControlsAndTheirAnchorsReadBackIntoAnotherWindow) {
  TDiagramFixture f;
  TDocBox* a = AddBox(f, 100, 80, "first");
  TDocBox* b = AddBox(f, 300, 80);
  b->GetLinkPoints()->GetItems(3)->SetAnchor(a);
  b->GetLinkPoints()->GetItems(3)->SetAnchorIndex(1);
  f.Diagram->SetZoom(150);
  QString text = Text(f.Diagram);
  EXPECT_TRUE(text.contains("Anchor = __DSOwner___.DocBox1")) << text.toStdString();

  TDiagramFixture g;
  g.Form->SetName("SomeOtherWindow");
  TMemoryStream s;
  f.Diagram->SaveToStream(s, false);
  s.SetPosition(0);
  g.Diagram->LoadFromStream(s, false);
  ASSERT_EQ(Names(g.Diagram), (QStringList{"DocBox1", "DocBox2"}));
  auto* a2 = static_cast<TDocBox*>(g.Diagram->GetDControls(0));
  auto* b2 = static_cast<TDocBox*>(g.Diagram->GetDControls(1));
  EXPECT_EQ(a2->GetOwner(), g.Form);
  EXPECT_EQ(a2->GetNote(), "first");
  EXPECT_EQ(a2->ControlRect().Left, 100);
  EXPECT_EQ(b2->GetLinkPoints()->GetItems(3)->GetAnchor(), a2) << "resolved against the new window";
  EXPECT_EQ(g.Diagram->GetZoom(), 150);
  EXPECT_EQ(Text(g.Diagram), text) << "a loaded document saves to the same text";
}

TEST_F(Documents, AFailedReadLeavesTheDocumentAsItWas) {
  TDiagramFixture source;
  AddBox(source, 10, 10, "fine");
  AddBox(source, 20, 20, "readable");
  const QString good = Text(source.Diagram);
  struct Case {
    const char* name;
    QByteArray bytes;
    bool text;
    const char* message;
  };
  TMemoryStream binary;
  source.Diagram->SaveToStream(binary, false);
  const Case cases[] = {
      {"a setter refuses a value", QString(good).replace("'readable'", "'unreadable'").toUtf8(), true,
       "Error reading DocBox2.Note: cannot read this box"},
      {"an unknown property", QString(good).replace("    Note = 'readable'", "    Colour = 1").toUtf8(), true,
       "Error reading DocBox2.Colour: Property Colour does not exist"},
      {"a truncated file", good.left(good.size() - 30).toUtf8(), true, nullptr},
      {"binary given as text", binary.Bytes(), true, nullptr},
      {"text given as binary", good.toUtf8(), false, "Invalid stream format"},
      {"an unknown class", QString(good).replace("TDocBox", "TNoSuchBox").toUtf8(), true,
       "Class TNoSuchBox not found"},
  };
  for (const Case& c : cases) {
    TDiagramFixture target;
    TDocBox* mine = AddBox(target, 5, 5, "mine");
    mine->SetName("Mine");
    target.Diagram->SetZoom(200);
    const QString before = Text(target.Diagram);
    int modified = 0;
    target.Diagram->OnModified = [&](TObject*) { ++modified; };
    TMemoryStream in(c.bytes);
    try {
      target.Diagram->LoadFromStream(in, c.text);
      ADD_FAILURE() << c.name << ": loaded";
    } catch (const Exception& e) {
      if (c.message) {
        EXPECT_EQ(e.Message(), c.message) << c.name;
      }
    }
    EXPECT_EQ(Text(target.Diagram), before) << c.name;
    EXPECT_EQ(Names(target.Diagram), QStringList{"Mine"}) << c.name;
    EXPECT_EQ(target.Diagram->GetName(), "Diagram") << c.name;
    EXPECT_EQ(modified, 0) << c.name << ": a failed load is no modification";
  }
}

TEST_F(Documents, AFailedSaveKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("doc.dgr");
  TDiagramFixture f;
  AddBox(f, 10, 10, "kept");
  f.Diagram->SaveToFile(path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray saved = file.readAll();
  file.close();
  EXPECT_TRUE(saved.startsWith("object ")) << "documents are text";

  AddBox(f, 50, 50, "lost in the failure");
  TDocBox::FailWriting = true;
  EXPECT_THROW(f.Diagram->SaveToFile(path), Exception);
  TDocBox::FailWriting = false;
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), saved);
  file.close();
  EXPECT_EQ(f.Form->GetName(), "Form1") << "the owner's name comes back after a failure too";
  EXPECT_EQ(f.Diagram->GetName(), "Diagram");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"doc.dgr"}) << "no temporary file left behind";

  EXPECT_THROW(f.Diagram->SaveToFile(dir.filePath("no/such/folder/x.dgr")), Exception);

  TDiagramFixture g;
  g.Diagram->LoadFromFile(path);
  ASSERT_EQ(g.Diagram->DControlCount(), 1);
  EXPECT_EQ(static_cast<TDocBox*>(g.Diagram->GetDControls(0))->GetNote(), "kept");
  try {
    g.Diagram->LoadFromFile(dir.filePath("missing.dgr"));
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_TRUE(e.Message().startsWith("Cannot open file")) << e.Message().toStdString();
  }
  EXPECT_EQ(g.Diagram->DControlCount(), 1);
}

TEST_F(Documents, OlderFilesMayCarryWindowValuesThatChangeNothing) {
  TDiagramFixture f;
  QString text = Text(f.Diagram);
  const QString head = text.left(text.indexOf("\r\n") + 2);
  text.insert(head.size(),
              "  OriginalPPI = 120\r\n  ExplicitLeft = 0\r\n  ExplicitTop = 0\r\n  ExplicitWidth = 200\r\n"
              "  ExplicitHeight = 200\r\n  DesignSize = (\r\n    200\r\n    200)\r\n  IsControl = True\r\n");
  TMemoryStream in(text.toUtf8());
  TDiagramFixture g;
  g.Diagram->LoadFromStream(in, true);
  EXPECT_EQ(Text(g.Diagram), Text(f.Diagram));
}

TEST_F(Documents, WindowPropertiesOfADesignedFormLoadChangeNothingAndAreNotWrittenBack) {
  TDiagramFixture f;
  AddBox(f, 10, 20);
  const QString plain = Text(f.Diagram);
  const QString head = plain.left(plain.indexOf("\r\n") + 2);
  QString designed = plain;
  designed.insert(head.size(),
                  "  Left = 8\r\n  Top = 8\r\n  Width = 640\r\n  Height = 480\r\n  Align = alClient\r\n"
                  "  Anchors = [akLeft, akTop, akRight, akBottom]\r\n  BevelEdges = [beLeft]\r\n"
                  "  BevelKind = bkFlat\r\n  BevelWidth = 2\r\n  BiDiMode = bdRightToLeft\r\n"
                  "  Constraints.MinWidth = 100\r\n  Constraints.MaxHeight = 900\r\n  DockSite = True\r\n"
                  "  DragCursor = crHandPoint\r\n  DragKind = dkDock\r\n  DragMode = dmAutomatic\r\n"
                  "  Enabled = False\r\n  Ctl3D = True\r\n  ParentBiDiMode = False\r\n"
                  "  ParentBackground = False\r\n  ParentShowHint = False\r\n  PopupMenu = PopupMenu1\r\n"
                  "  ShowHint = True\r\n  TabOrder = 3\r\n  TabStop = True\r\n  Visible = False\r\n"
                  "  OnClick = DiagramClick\r\n  OnMouseWheel = DiagramMouseWheel\r\n");
  TMemoryStream in(designed.toUtf8());
  TDiagramFixture g;
  g.Diagram->SetBounds(0, 0, 300, 200);
  ASSERT_NO_THROW(g.Diagram->LoadFromStream(in, true));
  // The running program's window keeps its geometry and state.
  EXPECT_EQ(g.Diagram->GetWidth(), 300);
  EXPECT_EQ(g.Diagram->GetHeight(), 200);
  EXPECT_TRUE(g.Diagram->GetVisible());
  EXPECT_EQ(g.Diagram->DControlCount(), 1);
  EXPECT_EQ(g.Diagram->BorderWidth(), 0) << "a 3-D border is the platform's, not ours";
  g.Diagram->GetWindowLayout().Ctl3D = false;
  g.Diagram->SetShowHint(false);
  EXPECT_EQ(Text(g.Diagram), plain) << FirstDifference(Text(g.Diagram), plain).toStdString();
}

TEST_F(Documents, WhileDesigningTheWindowPropertiesAreWritten) {
  TDiagramFixture f;
  f.Diagram->SetDesigning(true);
  f.Diagram->SetBounds(4, 5, 640, 480);
  f.Diagram->GetWindowLayout().Align = alClient;
  f.Diagram->GetConstraints()->SetMinWidth(100);
  const QString text = Text(f.Diagram);
  for (const char* line : {"  Align = alClient\r\n", "  Left = 4\r\n", "  Top = 5\r\n", "  Width = 640\r\n",
                           "  Height = 480\r\n", "  Constraints.MinWidth = 100\r\n", "  Ctl3D = False\r\n",
                           "  ParentCtl3D = False\r\n"})
    EXPECT_TRUE(text.contains(line)) << line;
  TMemoryStream in(text.toUtf8());
  TDiagramFixture g;
  g.Diagram->SetDesigning(true);
  g.Diagram->LoadFromStream(in, true);
  EXPECT_EQ(g.Diagram->GetWidth(), 640);
  EXPECT_EQ(g.Diagram->GetLeft(), 4);
  EXPECT_EQ(g.Diagram->GetWindowLayout().Align, alClient);
  EXPECT_EQ(g.Diagram->GetConstraints()->GetMinWidth(), 100);
  EXPECT_EQ(Text(g.Diagram), text);
}

TEST_F(Documents, AssignTakesThePropertiesButNotTheControls) {
  TDiagramFixture a, b;
  a.Diagram->SetZoom(250);
  AddBox(a, 0, 0, "a's");
  AddBox(b, 0, 0, "b's");
  b.Diagram->Assign(a.Diagram);
  EXPECT_EQ(b.Diagram->GetZoom(), 250);
  ASSERT_EQ(b.Diagram->DControlCount(), 1);
  EXPECT_EQ(static_cast<TDocBox*>(b.Diagram->GetDControls(0))->GetNote(), "b's");
  EXPECT_EQ(a.Diagram->GetName(), "Diagram");
  EXPECT_EQ(b.Diagram->GetName(), "Diagram");
  EXPECT_THROW(b.Diagram->Assign(a.Form), EConvertError);
}

TEST_F(Documents, ClearRemovesControlsAndOptionallyTheSettings) {
  TDiagramFixture f;
  AddBox(f, 0, 0);
  f.Diagram->SetZoom(300);
  f.Diagram->Clear(false);
  EXPECT_EQ(f.Diagram->DControlCount(), 0);
  EXPECT_EQ(f.Diagram->GetZoom(), 300);
  f.Diagram->Clear(true);
  EXPECT_EQ(f.Diagram->GetZoom(), 100);
}

TEST_F(Documents, AFreshDiagramWritesItsHeadInTableOrder) {
  TDiagramFixture f;
  QStringList top;
  for (const QString& line : Text(f.Diagram).split("\r\n")) {
    // Top-level properties only: two spaces of indentation, no sub-object path.
    if (!line.startsWith("  ") || line.startsWith("   ") || line.startsWith("  object")) continue;
    QString name = line.mid(2).section(' ', 0, 0);
    if (!name.contains('.')) top << name;
  }
  const QStringList expected{"NettoExportOffset", "AutomaticNodes", "AutoScroll", "AutoPage",
                             "ShowLinkPoints", "Zoom", "BorderColor", "MouseWheelMode",
                             "ActiveLayers", "Layers", "LinkCursor", "PanCursor",
                             "ZoomCursor", "IgnoreScreenDPI", "ShowCrossIndicators", "KeyActions",
                             "HandlesStyle", "SmoothMode", "TextRenderingMode", "SelectionMode",
                             "CanMoveOutOfBounds", "RulerAutoUnit", "MeasUnit", "WheelZoom",
                             "WheelZoomIncrement", "WheelZoomMin", "WheelZoomMax", "BorderStyle",
                             "ParentCtl3D"};
  EXPECT_EQ(top, expected);
}

TEST_F(Documents, DuplicateNamesInAFileFailTheLoadAndKeepTheDocument) {
  TDiagramFixture source;
  AddBox(source, 10, 10);
  AddBox(source, 20, 20);
  QString text = Text(source.Diagram).replace("object DocBox2", "object DocBox1");
  TDiagramFixture target;
  AddBox(target, 1, 1, "stays");
  const QString before = Text(target.Diagram);
  TMemoryStream in(text.toUtf8());
  try {
    target.Diagram->LoadFromStream(in, true);
    FAIL() << "duplicate accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "A component named DocBox1 already exists");
  }
  EXPECT_EQ(Text(target.Diagram), before);
}
