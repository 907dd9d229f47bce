// Every command of the editor window, in one table: its name, caption, hint ("tool tip|
// status text"), keys, icon, category, undo label and what makes it. The diagram commands
// are the reusable action family; the editor's own commands run functions of the actions
// module. Keys after the first are the desktop's usual ones where the command has a key
// of its own (Open, Redo), or where it has none (Save as, Print, Quit, text style).
#include <QKeySequence>

#include "diagram/view/BlockAlignment.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/actions/DiagramAlign.h"
#include "diagram/view/actions/DiagramEditActions.h"
#include "diagram/view/actions/DiagramFillActions.h"
#include "diagram/view/actions/DiagramStyleActions.h"
#include "diagram/view/actions/DiagramViewActions.h"
#include "editor/window/EditorActions.h"
#include "platform/gui/Font.h"

namespace tarnwick {

using M = TdmDgrEditorActions;

struct TEditorCommandTable {
  struct Row;
  using Maker = QAction* (*)(M&, const Row&);
  struct Row {
    const char* Name;
    const char* Caption;
    const char* Hint;
    const char* Keys;  // ";"-separated, portable text
    const char* Icon;
    const char* Undo;  // the undo label of a module command that changes the document
    Maker Make;
    int Arg = 0;
    bool Checkable = false;
    const char* Category = "";
  };

  // A module command; AUpdate may be null (always enabled).
  static QAction* Command(M& AModule, std::function<void()> AExecute, std::function<void(QAction&)> AUpdate = {}) {
    auto* action = new TEditorCommand(&AModule);
    action->OnExecute = std::move(AExecute);
    action->OnUpdate = std::move(AUpdate);
    return action;
  }
  // A command whose work the program hands in; disabled without it.
  static QAction* Hooked(M& AModule, std::function<void()> M::*AHook) {
    return Command(
        AModule, [&AModule, AHook] { if (AModule.*AHook) (AModule.*AHook)(); },
        [&AModule, AHook](QAction& a) { a.setEnabled(bool(AModule.*AHook)); });
  }
  template <class T>
  static QAction* Family(M& AModule, const Row&) {
    return new T(&AModule);
  }

  static QString Label(const Row& ARow) { return QString::fromLatin1(ARow.Undo); }
  static QAction* Zoom(M& AModule, int APercent) {
    auto* action = new TDiagramSetZoom(&AModule);
    action->SetZoom(APercent);
    return action;
  }
  // Arg: the arrow shape, with SourceEnd for the source end.
  static QAction* ZoomRow(M& AModule, const Row& ARow) { return Zoom(AModule, ARow.Arg); }
  static constexpr int SourceEnd = 0x100;
  static QAction* Arrow(M& AModule, const Row& ARow) {
    auto* action = new TDiagramArrowShape(&AModule);
    action->SetShape(TArrowShape(ARow.Arg & 0xFF));
    action->SetSource((ARow.Arg & SourceEnd) != 0);
    return action;
  }
  static QAction* Align(M& AModule, const Row& ARow) {
    auto* action = new TDiagramAlign(&AModule);
    action->SetBlockAlignment(TBlocksAlignment(ARow.Arg));
    return action;
  }
  static QAction* Style(M& AModule, const Row& ARow) {
    const int style = ARow.Arg;
    const QString label = Label(ARow);
    return Command(
        AModule, [&AModule, style, label] { AModule.ToggleFontStyle(style, label); },
        [&AModule, style](QAction& a) { AModule.UpdateFontStyle(a, style); });
  }
  static QAction* Alignment(M& AModule, const Row& ARow) {
    const int alignment = ARow.Arg;
    const QString label = Label(ARow);
    return Command(
        AModule, [&AModule, alignment, label] { AModule.SetTextAlignment(alignment, label); },
        [&AModule, alignment](QAction& a) { AModule.UpdateTextAlignment(a, alignment); });
  }
  static QAction* VertAlign(M& AModule, const Row& ARow) {
    const int align = ARow.Arg;
    const QString label = Label(ARow);
    return Command(
        AModule, [&AModule, align, label] { AModule.SetTextVertAlign(align, label); },
        [&AModule, align](QAction& a) { AModule.UpdateTextVertAlign(a, align); });
  }

  static const Row Rows[];
  static void Build(M& AModule);
};

namespace {
using T = TEditorCommandTable;
bool HasDiagram(const M& m) { return m.GetDiagram() != nullptr; }
bool LineSelected(const M& m) { return HasDiagram(m) && m.GetDiagram()->SelectedLinkCount() > 0; }
}  // namespace

// clang-format off
const T::Row T::Rows[] = {
  // ---- File ----
  {"acNewDiagram", "&New diagram...", "New diagram|Creates a new diagram", "Ctrl+N", "new", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.NewDiagram(); }); }},
  {"acOpenDiagram", "&Open diagram...", "Open diagram|Open an existing diagram", "Ctrl+F11;Ctrl+O", "open", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.OpenDiagram(); }); }},
  {"acSaveDiagram", "&Save diagram", "Save diagram|Save current diagram", "Ctrl+S", "save", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.SaveDiagram(); },
                                          [&m](QAction& a) { a.setEnabled(m.GetModified() || m.IsNewDiagram()); }); }},
  {"acSaveDiagramAs", "&Save as...", "Save diagram|Save current diagram as...", "Ctrl+Shift+S", "save-as", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.SaveDiagramAs(); }); }},
  {"acExport", "&Export...", "Export|Export the diagram as an image (PNG, SVG, PDF, EMF, WMF or BMP)", "Ctrl+E", "copy-image", nullptr,
   [](M& m, const Row&) { return Hooked(m, &M::OnExport); }},
  {"acPageSetup", "Page Setup...", "Page Setup|Setup page settings for current diagram", "", "page-setup", nullptr,
   [](M& m, const Row&) { return Hooked(m, &M::OnPageSetup); }},
  {"acPreviewDiagram", "Print Pre&view...", "Print preview|Print preview of current diagram", "", "print-preview", nullptr,
   [](M& m, const Row&) { return Hooked(m, &M::OnPreview); }},
  {"acPrintDiagram", "&Print...", "Print diagram|Print current diagram", "Ctrl+P", "print", nullptr,
   [](M& m, const Row&) { return Hooked(m, &M::OnPrint); }},
  {"acQuit", "&Quit", "Quit|Close the window and end the program", "Ctrl+Q", "", nullptr,
   [](M& m, const Row&) { return Hooked(m, &M::OnQuit); }},
  // ---- Edit ----
  {"DiagramUndoAction1", "Undo", "", "Ctrl+Z", "undo", nullptr,
   &Family<TDiagramUndoAction>},
  {"DiagramRedoAction1", "Redo", "", "Ctrl+Shift+Z;Ctrl+Y", "redo", nullptr,
   &Family<TDiagramRedoAction>},
  {"DiagramCut1", "Cu&t", "Cut|Cut to clipboard", "Ctrl+X", "cut", nullptr,
   &Family<TDiagramCut>},
  {"DiagramCopy1", "&Copy", "Copy|Copy to clipboard", "Ctrl+C", "copy", nullptr,
   &Family<TDiagramCopy>},
  {"DiagramPaste1", "&Paste", "Paste|Paste from clipboard", "Ctrl+V", "paste", nullptr,
   &Family<TDiagramPaste>},
  {"DiagramDelete1", "&Delete", "Delete objects|Delete selected objects", "Ctrl+Del;Del", "delete", nullptr,
   &Family<TDiagramDelete>},
  {"DiagramSelectAll1", "Se&lect all", "Select all|Select all objects", "Ctrl+A", "select-all", nullptr,
   &Family<TDiagramSelectAll>},
  {"acBackgroundLoad", "Load picture...", "", "", "background", "background",
   [](M& m, const Row& r) { return Command(m, [&m, l = Label(r)] { m.LoadBackground(l); },
                                          [&m](QAction& a) { a.setEnabled(HasDiagram(m)); }); }},
  {"acBackgroundClear", "Clear", "", "", "", "background",
   [](M& m, const Row& r) { return Command(m, [&m, l = Label(r)] { m.ClearBackground(l); },
                                          [&m](QAction& a) { a.setEnabled(m.HasBackground()); }); }},
  {"acCopyAsImage", "Copy as image", "", "", "copy-image", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.CopyAsImage(); },
                                          [&m](QAction& a) { a.setEnabled(HasDiagram(m)); }); }},
  // ---- View ----
  {"DiagramViewLeftRuler1", "&Left ruler", "Show/hide left ruler", "", "left-ruler", nullptr, &Family<TDiagramViewLeftRuler>, 0, true},
  {"DiagramViewTopRuler1", "&Top ruler", "Show/hide top ruler", "", "top-ruler", nullptr, &Family<TDiagramViewTopRuler>, 0, true},
  {"DiagramGrid1", "Grid", "Show/hide grid", "", "grid", nullptr, &Family<TDiagramGrid>, 0, true},
  {"DiagramSetZoom1", "300%", "", "", "", nullptr, &ZoomRow, 300},
  {"DiagramSetZoom2", "150%", "", "", "", nullptr, &ZoomRow, 150},
  {"DiagramSetZoom3", "100%", "", "Ctrl+0", "zoom", nullptr, &ZoomRow, 100},
  {"DiagramSetZoom4", "75%", "", "", "", nullptr, &ZoomRow, 75},
  {"DiagramSetZoom5", "50%", "", "", "", nullptr, &ZoomRow, 50},
  {"DiagramSetZoom6", "25%", "", "", "", nullptr, &ZoomRow, 25},
  {"DiagramSetZoom7", "10%", "", "", "", nullptr, &ZoomRow, 10},
  {"acZoomIn", "Zoom &in", "Zoom in", "Ctrl++;Ctrl+=", "", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.ZoomBy(1); }, [&m](QAction& a) { a.setEnabled(HasDiagram(m)); }); }},
  {"acZoomOut", "Zoom &out", "Zoom out", "Ctrl+-", "", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.ZoomBy(-1); }, [&m](QAction& a) { a.setEnabled(HasDiagram(m)); }); }},
  {"acAutomaticNodes", "&Automatic nodes", "", "", "automatic-nodes", "automatic nodes",
   [](M& m, const Row& r) { return Command(m, [&m, l = Label(r)] { m.ToggleAutomaticNodes(l); },
                                          [&m](QAction& a) { a.setEnabled(HasDiagram(m)); a.setChecked(HasDiagram(m) && m.GetDiagram()->GetAutomaticNodes()); }); },
   0, true},
  // ---- Object ----
  {"DiagramShapeColor1", "Shape color...", "Shape color", "", "shape-color", nullptr, &Family<TDiagramShapeColor>},
  {"DiagramLineColor1", "Line color...", "Line color", "", "line-color", nullptr, &Family<TDiagramLineColor>},
  {"DiagramGradientSetting1", "Gradient setting ...", "Select gradient", "", "gradient", nullptr,
   &Family<TDiagramGradientSetting>},
  {"DiagramShadow1", "Shadow settings ...", "Shadow settings", "", "shadow", nullptr,
   &Family<TDiagramShadow>},
  {"DiagramBlockPicture1", "Picture...", "Block picture", "", "picture", nullptr, &Family<TDiagramBlockPicture>},
  {"acHasSourceArrow", "Source arrow", "", "", "", nullptr,
   [](M& m, const Row&) { return Command(m, {}, [&m](QAction& a) { a.setEnabled(LineSelected(m)); }); }},
  {"acHasTargetArrow", "Target arrow", "", "", "", nullptr,
   [](M& m, const Row&) { return Command(m, {}, [&m](QAction& a) { a.setEnabled(LineSelected(m)); }); }},
  {"DiagramArrowShape1", "None", "", "", "", nullptr, &Arrow, asNone | SourceEnd, true},
  {"DiagramArrowShape2", "Solid arrow", "", "", "", nullptr, &Arrow, asSolidArrow | SourceEnd, true},
  {"DiagramArrowShape3", "Line arrow", "", "", "", nullptr, &Arrow, asLineArrow | SourceEnd, true},
  {"DiagramArrowShape4", "Ellipse", "", "", "", nullptr, &Arrow, asEllipse | SourceEnd, true},
  {"DiagramArrowShape5", "Rectangle", "", "", "", nullptr, &Arrow, asRectangle | SourceEnd, true},
  {"DiagramArrowShape6", "Diamond", "", "", "", nullptr, &Arrow, asDiamond | SourceEnd, true},
  {"DiagramArrowShape7", "None", "", "", "", nullptr, &Arrow, asNone, true},
  {"DiagramArrowShape8", "Solid arrow", "", "", "", nullptr, &Arrow, asSolidArrow, true},
  {"DiagramArrowShape9", "Line arrow", "", "", "", nullptr, &Arrow, asLineArrow, true},
  {"DiagramArrowShape10", "Ellipse", "", "", "", nullptr, &Arrow, asEllipse, true},
  {"DiagramArrowShape11", "Rectangle", "", "", "", nullptr, &Arrow, asRectangle, true},
  {"DiagramArrowShape12", "Diamond", "", "", "", nullptr, &Arrow, asDiamond, true},
  {"DiagramBringToFront1", "Bring to front", "Bring to front", "", "bring-to-front", nullptr, &Family<TDiagramBringToFront>},
  {"DiagramSendToBack1", "Send to back", "Send to back", "", "send-to-back", nullptr, &Family<TDiagramSendToBack>},
  {"DiagramControlFont1", "Font...", "Change text font", "Ctrl+F", "font", nullptr, &Family<TDiagramControlFont>},
  {"DiagramEditText1", "Edit &text", "Edit text", "F2", "edit-text", nullptr, &Family<TDiagramEditText>},
  {"acGroup", "Group", "Group", "", "group", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.GetDiagram()->GroupSelectedBlocks(); },
                                          [&m](QAction& a) { a.setEnabled(HasDiagram(m) && m.GetDiagram()->SelectedCount(cfIgnoreMembers) > 1); }); }},
  {"acUngroup", "Ungroup", "Ungroup", "", "ungroup", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.GetDiagram()->UngroupSelectedBlocks(); },
                                          [&m](QAction& a) { a.setEnabled(m.CanUngroup()); }); }},
  {"acLayout", "&Layout...", "Layout|Arrange the blocks automatically along their lines", "", "", "layout",
   [](M& m, const Row& r) { return Command(m, [&m, l = Label(r)] { m.LayoutDiagram(l); },
                                          [&m](QAction& a) { a.setEnabled(m.CanLayout()); }); }},
  {"acAddLibrary", "Add to Library...", "", "", "add-to-library", nullptr,
   [](M& m, const Row&) { return Command(m, [&m] { m.AddToLibrary(); },
                                          [&m](QAction& a) { a.setEnabled(m.CanAddToLibrary()); }); }},
  // ---- Text style ----
  {"acBold", "Bold", "Bold", "Ctrl+B", "bold", "font style", &Style, fsBold, true, "Font"},
  {"acItalic", "Italic", "Italic", "Ctrl+I", "italic", "font style", &Style, fsItalic, true, "Font"},
  {"acUnderline", "Underline", "Underline", "Ctrl+U", "underline", "font style", &Style, fsUnderline, true, "Font"},
  {"acAlignLeft", "Align Left", "Align Left", "", "text-left", "text alignment", &Alignment, taLeftJustify, true, "Font"},
  {"acAlignCenter", "Align Center", "Align Center", "", "text-center", "text alignment", &Alignment, taCenter, true, "Font"},
  {"acAlignRight", "Align Right", "Align Right", "", "text-right", "text alignment", &Alignment, taRightJustify, true, "Font"},
  {"acVertAlignTop", "Align Top", "Align Top", "", "text-top", "text alignment", &VertAlign, vaTop, true, "Font"},
  {"acVertAlignMiddle", "Align Middle", "Align Middle", "", "text-middle", "text alignment", &VertAlign, vaCenter, true, "Font"},
  {"acVertAlignBottom", "Align Bottom", "Align Bottom", "", "text-bottom", "text alignment", &VertAlign, vaBottom, true, "Font"},
  // ---- Block alignment (caption and hint come from the alignment) ----
  {"DiagramAlign1", "", "", "", "align-left", nullptr, &Align, baLeft},
  {"DiagramAlign2", "", "", "", "align-right", nullptr, &Align, baRight},
  {"DiagramAlign3", "", "", "", "align-hcenter", nullptr, &Align, baHorzCenter},
  {"DiagramAlign4", "", "", "", "align-top", nullptr, &Align, baTop},
  {"DiagramAlign5", "", "", "", "align-bottom", nullptr, &Align, baBottom},
  {"DiagramAlign6", "", "", "", "align-vcenter", nullptr, &Align, baVertCenter},
  {"DiagramAlign7", "", "", "", "same-width", nullptr, &Align, baSameWidth},
  {"DiagramAlign8", "", "", "", "same-height", nullptr, &Align, baSameHeight},
  {"DiagramAlign9", "", "", "", "same-size", nullptr, &Align, baSameSize},
  {"DiagramAlign10", "", "", "", "space-equal-h", nullptr, &Align, baSameSpaceHorz},
  {"DiagramAlign11", "", "", "", "space-inc-h", nullptr, &Align, baIncHorzSpace},
  {"DiagramAlign12", "", "", "", "space-dec-h", nullptr, &Align, baDecHorzSpace},
  {"DiagramAlign13", "", "", "", "space-equal-v", nullptr, &Align, baSameSpaceVert},
  {"DiagramAlign14", "", "", "", "space-inc-v", nullptr, &Align, baIncrVertSpace},
  {"DiagramAlign15", "", "", "", "space-dec-v", nullptr, &Align, baDecVertSpace},
};
// clang-format on

void T::Build(M& AModule) {
  for (const Row& row : Rows) {
    QAction* action = row.Make(AModule, row);
    if (*row.Caption) action->setText(QString::fromUtf8(row.Caption));
    if (*row.Hint) static_cast<TDiagramAction*>(action)->SetHint(QString::fromUtf8(row.Hint));
    QList<QKeySequence> keys;
    for (const QString& key : QString::fromLatin1(row.Keys).split(u';', Qt::SkipEmptyParts))
      keys << QKeySequence::fromString(key, QKeySequence::PortableText);
    action->setShortcuts(keys);
    if (row.Checkable) action->setCheckable(true);
    action->setProperty("iconName", QString::fromLatin1(row.Icon));
    action->setProperty("category", QString::fromLatin1(*row.Category ? row.Category : "Diagram"));
    AModule.Add(action, QString::fromLatin1(row.Name));
  }
}

void TdmDgrEditorActions::Build() { TEditorCommandTable::Build(*this); }

}  // namespace tarnwick
