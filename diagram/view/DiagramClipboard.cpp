// The diagram's clipboard. Copying renames the chosen controls with the clipboard prefix
// for the length of one write, so the document stream carries exactly them; pasting reads
// such a stream into a scratch diagram and moves the result over.
#include "diagram/view/DiagramClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <exception>
#include <map>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/BaseGroupBlock.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramMemo.h"
#include "diagram/view/DiagramMimeData.h"
#include "diagram/view/SnapGrid.h"
#include "platform/core/Events.h"
#include "platform/core/Exception.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Bitmap.h"
#include "streaming/ObjectStream.h"
#include "streaming/TextConvert.h"

namespace tarnwick {

const QString TDiagramClipboard::MimeType = QStringLiteral("application/x-tarnwick");

namespace {

const QString OwnerMarker = QStringLiteral("__DSOwner___");

// Null when no GUI application runs (a headless tool): there is no clipboard then.
QClipboard* AppClipboard() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

QClipboard& RequireClipboard() {
  QClipboard* clipboard = AppClipboard();
  if (!clipboard) throw EInvalidOperation(QStringLiteral("The clipboard is not available"));
  return *clipboard;
}

bool IsIdent(const QString& AName) {
  if (AName.isEmpty() || !(AName[0].isLetter() || AName[0] == u'_')) return false;
  return std::all_of(AName.begin(), AName.end(), [](QChar c) { return c.isLetterOrNumber() || c == u'_'; });
}

void AddMembers(TDiagramControl* AControl, std::vector<TDiagramControl*>& AList);

// Gives the controls marked for one write the prefix in front of their names, and their
// own names back when the scope ends, however it ends. Only what was marked here is
// renamed back, to exactly the name it had.
class TClipboardMarks {
 public:
  explicit TClipboardMarks(const QString& APrefix) : FPrefix(APrefix) {}
  const QSet<const TDiagramControl*>& Marked() const { return FSeen; }
  ~TClipboardMarks() {
    for (auto it = FMarked.rbegin(); it != FMarked.rend(); ++it) {
      try {
        it->first->SetName(it->second);
      } catch (...) {
        // The name was the control's own a moment ago and nothing took it meanwhile.
      }
    }
  }
  TClipboardMarks(const TClipboardMarks&) = delete;
  TClipboardMarks& operator=(const TClipboardMarks&) = delete;

  void Mark(TDiagramControl* AControl) {
    if (!AControl || FSeen.contains(AControl)) return;
    FSeen.insert(AControl);
    const QString name = AControl->GetName();
    AControl->SetName(FPrefix + name);
    FMarked.emplace_back(AControl, name);
  }
  // A group travels with its members, at any depth.
  void MarkTree(TDiagramControl* AControl) {
    Mark(AControl);
    std::vector<TDiagramControl*> members;
    AddMembers(AControl, members);
    for (TDiagramControl* m : members) Mark(m);
  }

 private:
  QString FPrefix;
  QSet<const TDiagramControl*> FSeen;
  std::vector<std::pair<TDiagramControl*, QString>> FMarked;
};

// Moves components to another owner without telling the old owner's other components:
// they are not leaving for good, so nothing may drop its references to them.
void Rehome(TComponent* AComponent, TComponent* AFrom, TComponent* ATo) {
  AFrom->RemoveDestroyedComponent(AComponent);
  ATo->InsertComponent(AComponent);
}

// Lends controls of the target diagram to the scratch owner while the text is read, so
// references in the text can find them and nothing else of the window.
class TBorrowedControls {
 public:
  TBorrowedControls(TComponent* AFrom, TComponent* ATo) : FFrom(AFrom), FTo(ATo) {}
  ~TBorrowedControls() {
    for (auto it = FBorrowed.rbegin(); it != FBorrowed.rend(); ++it) {
      try {
        Rehome(*it, FTo, FFrom);
      } catch (...) {
        // The name was free in its owner when it left; nothing can have taken it.
      }
    }
  }
  TBorrowedControls(const TBorrowedControls&) = delete;
  TBorrowedControls& operator=(const TBorrowedControls&) = delete;

  void Borrow(TComponent* AComponent) {
    Rehome(AComponent, FFrom, FTo);
    FBorrowed.push_back(AComponent);
  }

 private:
  TComponent* FFrom;
  TComponent* FTo;
  std::vector<TComponent*> FBorrowed;
};

// While the scratch is read, the owner marker names the scratch owner and nothing else.
class TScratchLookup {
 public:
  explicit TScratchLookup(TComponent* AOwner) {
    FHandle = RegisterFindGlobalComponentProc([AOwner](const QString& Name) -> TComponent* {
      if (Name == OwnerMarker || Name.endsWith(QLatin1String(".Owner"))) return AOwner;
      return nullptr;
    });
  }
  ~TScratchLookup() { UnregisterFindGlobalComponentProc(FHandle); }
  TScratchLookup(const TScratchLookup&) = delete;
  TScratchLookup& operator=(const TScratchLookup&) = delete;

 private:
  int FHandle = 0;
};

// Every member of a group at any depth, each once (a damaged tree cannot loop).
void AddMembers(TDiagramControl* AControl, std::vector<TDiagramControl*>& AList) {
  std::vector<TDiagramControl*> pending{AControl};
  for (size_t k = 0; k < pending.size(); ++k) {
    auto* group = dynamic_cast<TBaseGroupBlock*>(pending[k]);
    const TGroupMemberList* members = group ? group->GetMembers() : nullptr;
    for (int i = 0; members && i < members->Count(); ++i) {
      TDiagramControl* c = members->GetItems(i)->GetDControl();
      if (!c || c == AControl || std::find(AList.begin(), AList.end(), c) != AList.end()) continue;
      AList.push_back(c);
      pending.push_back(c);
    }
  }
}

std::vector<TDiagramControl*> ControlsOf(const TdvDiagram& ADiagram) {
  std::vector<TDiagramControl*> result;
  result.reserve(static_cast<size_t>(ADiagram.DControlCount()));
  for (int i = 0; i < ADiagram.DControlCount(); ++i) result.push_back(ADiagram.GetDControls(i));
  return result;
}

// Names the text refers to through the owner marker but does not define itself: the
// controls of the target diagram a pasted line may stay anchored to.
QSet<QString> OutsideReferences(const QString& AText) {
  static const QRegularExpression reference(QStringLiteral("__DSOwner___\\.([A-Za-z_][A-Za-z0-9_]*)"));
  static const QRegularExpression definition(
      QStringLiteral("(?:object|inherited|inline)\\s+([A-Za-z_][A-Za-z0-9_]*)\\s*:"),
      QRegularExpression::CaseInsensitiveOption);
  QSet<QString> referenced;
  for (auto it = reference.globalMatch(AText); it.hasNext();) referenced.insert(it.next().captured(1).toCaseFolded());
  for (auto it = definition.globalMatch(AText); it.hasNext();) referenced.remove(it.next().captured(1).toCaseFolded());
  return referenced;
}

}  // namespace

// A clipboard text read into an invisible diagram of its own, under an owner of its own.
struct TPasteScratch {
  TOwned<TComponent> Owner;
  TdvDiagram* Diagram = nullptr;

  // A group of the text may name a control that is not pasted; it must not take it in,
  // nor take it along when it goes.
  void DropForeignMembers() {
    if (!Diagram) return;
    const std::vector<TDiagramControl*> controls = ControlsOf(*Diagram);
    const QSet<TDiagramControl*> own(controls.begin(), controls.end());
    for (TDiagramControl* c : controls) {
      auto* group = dynamic_cast<TBaseGroupBlock*>(c);
      TGroupMemberList* members = group ? group->GetMembers() : nullptr;
      for (int i = members ? members->Count() - 1 : -1; i >= 0; --i)
        if (!own.contains(members->GetItems(i)->GetDControl())) members->Delete(i);
    }
  }
  ~TPasteScratch() { DropForeignMembers(); }
};

namespace {

std::unique_ptr<TPasteScratch> ReadScratch(TdvDiagram& ATarget, const QString& AText) {
  // The text form is single-byte; a character beyond that range has no byte and would
  // silently become another character.
  for (QChar c : AText)
    if (c.unicode() > 0xFF)
      throw EParserError(QStringLiteral("The clipboard text holds a character the object stream cannot carry (U+%1)")
                             .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                             .toUpper());
  TMemoryStream text;
  const QByteArray bytes = AText.toLatin1();
  text.Write(bytes.constData(), bytes.size());
  text.SetPosition(0);
  TMemoryStream binary;
  ConvertTextToBinary(text, binary);
  binary.SetPosition(0);

  auto scratch = std::make_unique<TPasteScratch>();
  scratch->Owner = MakeOwned<TComponent>(nullptr);
  scratch->Diagram = Create<TdvDiagram>(scratch->Owner.get());

  TComponent* home = ATarget.GetChildOwner() ? ATarget.GetChildOwner() : &ATarget;
  {
    TBorrowedControls borrowed(home, scratch->Owner.get());
    for (const QString& name : OutsideReferences(AText))
      if (TDiagramControl* c = ATarget.FindDControl(name); c && c->GetOwner() == home) borrowed.Borrow(c);
    TScratchLookup lookup(scratch->Owner.get());
    ReadComponent(binary, scratch->Diagram);
  }
  scratch->DropForeignMembers();
  // Line ends whose anchor named nothing the paste can see become free ends.
  for (TDiagramControl* c : ControlsOf(*scratch->Diagram)) {
    TLinkPoints* points = c->GetLinkPoints();
    bool dropped = false;
    for (int i = 0; points && i < points->Count(); ++i) dropped |= points->GetItems(i)->DropPendingAnchor();
    if (auto* line = dynamic_cast<TCustomDiagramLine*>(c); line && dropped) line->UpdateFromAnchors();
  }
  return scratch;
}

// Moves a read scratch's controls onto the target, renamed where their names are taken.
std::vector<TDiagramControl*> MoveOver(TdvDiagram& ATarget, TPasteScratch& AScratch) {
  const std::vector<TDiagramControl*> controls = ControlsOf(*AScratch.Diagram);
  TComponent* home = ATarget.GetChildOwner() ? ATarget.GetChildOwner() : &ATarget;
  const QString& prefix = ATarget.GetClipboardNamePrefix();

  // What leaving the scratch diagram would lose: anchors between pasted controls and
  // the layer each control is on (found again by name on the target).
  std::vector<std::pair<TLinkPoint*, TLinkPoint*>> anchors;
  std::vector<QString> layers;
  for (TDiagramControl* c : controls) {
    layers.push_back(c->GetLayerName());
    TLinkPoints* points = c->GetLinkPoints();
    for (int i = 0; points && i < points->Count(); ++i)
      if (TLinkPoint* link = points->GetItems(i)->GetAnchorLink()) anchors.emplace_back(points->GetItems(i), link);
  }

  for (TDiagramControl* c : controls) {
    QString name = c->GetName();
    if (!prefix.isEmpty() && name.startsWith(prefix)) name = name.mid(prefix.size());
    TComponent* holder = AScratch.Owner->FindComponent(name);
    const bool taken = !IsIdent(name) || ATarget.FindDControl(name) || home->FindComponent(name) ||
                       ATarget.FindComponent(name) || (holder && holder != c);
    c->SetName(taken ? ATarget.FindCompName(c, QString()) : name);
    Rehome(c, AScratch.Owner.get(), home);
  }

  {
    // The pasted controls arrive quietly and where they were; paste reports them once
    // they are named, placed and selected.
    TScopedValue<TDControlEvent> insertControl(ATarget.OnInsertDControl, nullptr);
    TScopedValue<TBlockEvent> insertBlock(ATarget.OnInsertBlock, nullptr);
    TScopedValue<TLinkEvent> insertLink(ATarget.OnInsertLink, nullptr);
    TSnapGrid* grid = ATarget.GetSnapGrid();
    const bool force = grid->GetForce();
    grid->SetForce(false);
    TScopeExit restoreForce([grid, force] { grid->SetForce(force); });
    TDiagramUpdate positions(ATarget, ukPosition);
    for (TDiagramControl* c : controls)
      if (c->GetDiagram() != &ATarget) c->SetDiagram(&ATarget);
  }
  for (auto& [point, link] : anchors)
    if (point->GetAnchorLink() != link) point->SetAnchorLink(link);
  for (size_t i = 0; i < controls.size(); ++i)
    if (!layers[i].isEmpty()) controls[i]->SetLayerName(layers[i]);
  return controls;
}

}  // namespace

TDiagramClipboard::~TDiagramClipboard() { QObject::disconnect(FClipboardWatch); }

QString TDiagramClipboard::DecodeClipboardData(const QByteArray& AData) {
  if (AData.size() > MaxDataSize) throw EReadError(QStringLiteral("The clipboard data is too large"));
  if (AData.size() % 2 != 0) throw EReadError(QStringLiteral("The clipboard data is not a UTF-16 text"));
  const qsizetype units = AData.size() / 2;
  const auto* bytes = reinterpret_cast<const unsigned char*>(AData.constData());
  QString text;
  for (qsizetype i = 0; i < units; ++i) {
    const char16_t unit = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    if (unit == 0) {
      text.resize(i);
      for (qsizetype j = 0; j < i; ++j)
        text[j] = QChar(static_cast<char16_t>(bytes[2 * j] | (bytes[2 * j + 1] << 8)));
      return text;
    }
  }
  throw EReadError(QStringLiteral("The clipboard text has no terminating zero"));
}

QByteArray TDiagramClipboard::EncodeClipboardData(const QString& AText) {
  QByteArray data;
  data.reserve((AText.size() + 1) * 2);
  for (QChar c : AText) {
    data.append(static_cast<char>(c.unicode() & 0xFF));
    data.append(static_cast<char>(c.unicode() >> 8));
  }
  data.append('\0');
  data.append('\0');
  return data;
}

QString TDiagramClipboard::SerializeControls(const std::vector<TDiagramControl*>& AControls) {
  TClipboardMarks marks(FDiagram.GetClipboardNamePrefix());
  for (TDiagramControl* c : AControls) marks.MarkTree(c);
  FMarked = &marks.Marked();
  FDiagram.SetClipboardStreaming(true);
  TScopeExit clearFlag([this] {
    FDiagram.SetClipboardStreaming(false);
    FMarked = nullptr;
  });
  TMemoryStream text;
  FDiagram.SaveToStream(text, true);
  return QString::fromLatin1(text.Bytes());
}

QString TDiagramClipboard::SerializeObjectToString(TDiagramControl* ADControl) {
  std::vector<TDiagramControl*> controls;
  if (ADControl) controls.push_back(ADControl);
  return SerializeControls(controls);
}

void TDiagramClipboard::CopyToClipboard() {
  if (FDiagram.EditingText()) {
    if (TDiagramMemo* memo = FDiagram.GetInplaceMemo()) memo->copy();
    return;
  }
  std::vector<TDiagramControl*> chosen;
  if (FDiagram.GetDesignMode() != ddmNonEditable) {
    for (int i = 0; i < FDiagram.SelectedCount(); ++i) {
      TDiagramControl* c = FDiagram.GetSelecteds(i);
      if (c->GetRestrictions().Contains(crNoClipboard)) continue;
      // A member of a selected group goes with its group.
      bool withGroup = false;
      for (TDiagramControl* g = c->GetGroupBlock(); g && !withGroup; g = g->GetGroupBlock()) withGroup = g->GetSelected();
      if (!withGroup) chosen.push_back(c);
    }
  }
  const QString text = SerializeControls(chosen);
  QClipboard& clipboard = RequireClipboard();
  clipboard.setMimeData(new TDiagramMimeData(text, !chosen.empty()));
}

void TDiagramClipboard::CutToClipboard() {
  if (FDiagram.EditingText()) {
    if (TDiagramMemo* memo = FDiagram.GetInplaceMemo()) memo->cut();
    return;
  }
  CopyToClipboard();
  FDiagram.DeleteSelectedsExcept(TControlRestrictions{crNoDelete, crNoClipboard});
  FDiagram.RequestRedraw();
}

std::vector<TDiagramControl*> TDiagramClipboard::Merge(const QString& AText) {
  std::unique_ptr<TPasteScratch> scratch = ReadScratch(FDiagram, AText);
  return MoveOver(FDiagram, *scratch);
}

std::vector<TDiagramControl*> TDiagramClipboard::LoadDiagramText(const QString& AText) {
  std::unique_ptr<TPasteScratch> scratch = ReadScratch(FDiagram, AText);
  TDiagramUpdate internal(FDiagram, ukInternal);
  return MoveOver(FDiagram, *scratch);
}

void TDiagramClipboard::SelectPasted(const std::vector<TDiagramControl*>& APasted) {
  TDiagramUpdate selection(FDiagram, ukSelection);
  FDiagram.UnselectAll();
  const int dx = FDiagram.GetPasteOffsetX();
  const int dy = FDiagram.GetPasteOffsetY();
  // How many top-level visible blocks stand at each position: a pasted block is shifted
  // while another one stands exactly where it is. Counting once and following each shift
  // keeps a paste of many blocks into a large drawing from comparing every pair.
  using TSpot = std::pair<double, double>;
  std::map<TSpot, int> standing;
  auto spotOf = [](TCustomDiagramBlock* b) { return TSpot{b->GetLeft(), b->GetTop()}; };
  auto counts = [](TCustomDiagramBlock* b) { return b->GetVisible() && !b->IsMember(); };
  if (dx != 0 || dy != 0)
    for (int i = 0; i < FDiagram.BlockCount(); ++i)
      if (auto* b = dynamic_cast<TCustomDiagramBlock*>(FDiagram.GetBlocks(i)); b && counts(b)) ++standing[spotOf(b)];

  for (TDiagramControl* c : APasted) {
    if (c->IsMember()) continue;
    c->SetSelected(true);
    auto* block = dynamic_cast<TCustomDiagramBlock*>(c);
    if (!block || (dx == 0 && dy == 0)) continue;
    const bool self = counts(block);
    auto covered = [&] {
      auto it = standing.find(spotOf(block));
      return it != standing.end() && it->second > (self ? 1 : 0);
    };
    // Each shift lands on a new spot; a spot is covered by at most every other block, so
    // that many shifts always find a free one.
    for (int n = 0; n <= FDiagram.BlockCount() && covered(); ++n) {
      if (self && --standing[spotOf(block)] == 0) standing.erase(spotOf(block));
      block->MoveBy(dx, dy);
      if (self) ++standing[spotOf(block)];
    }
  }
}

void TDiagramClipboard::PasteFromClipboard() {
  if (FDiagram.EditingText()) {
    if (TDiagramMemo* memo = FDiagram.GetInplaceMemo()) memo->paste();
    FDiagram.Modified();
    return;
  }
  QString text;
  if (QClipboard* clipboard = AppClipboard()) {
    const QMimeData* mime = clipboard->mimeData();
    if (mime && mime->hasFormat(MimeType)) text = DecodeClipboardData(mime->data(MimeType));
  }
  // Read before the operation opens: a text that fails changes nothing and records nothing.
  std::unique_ptr<TPasteScratch> scratch;
  if (!text.isEmpty()) scratch = ReadScratch(FDiagram, text);

  TDiagramUpdate operation(FDiagram, QStringLiteral("paste"));
  std::vector<TDiagramControl*> pasted;
  if (scratch) pasted = MoveOver(FDiagram, *scratch);
  scratch.reset();
  SelectPasted(pasted);
  FDiagram.UpdateScrollRanges();
  const bool loading = FDiagram.IsLoading();
  for (TDiagramControl* c : FDiagram.SelectedControls()) {
    c->NotifyAnchoreds(acPosition);
    if (loading) continue;
    Fire(FDiagram.OnInsertDControl, &FDiagram, c);
    if (c->IsLine()) Fire(FDiagram.OnInsertLink, &FDiagram, c);
    if (dynamic_cast<TCustomDiagramBlock*>(c)) Fire(FDiagram.OnInsertBlock, &FDiagram, c);
  }
  FDiagram.Modified();
}

QImage TDiagramClipboard::PictureOfText(const QString& AText) {
  try {
    // A diagram of its own, so the picture shows the copied controls and nothing else,
    // whether or not the diagram they came from still exists.
    TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
    TdvDiagram* host = Create<TdvDiagram>(owner.get());
    std::unique_ptr<TPasteScratch> scratch = ReadScratch(*host, AText);
    if (scratch->Diagram->DControlCount() == 0) return {};
    TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
    scratch->Diagram->PaintToBitmap(bitmap.get(), esNetto);
    return bitmap->GetImage();
  } catch (const std::exception&) {
    // A picture is an extra: a text that cannot be drawn (too large an image, say) still
    // pastes into a diagram.
    return {};
  }
}

QByteArray TDiagramClipboard::MetafileOfText(const QString& AText) {
  try {
    TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
    TdvDiagram* host = Create<TdvDiagram>(owner.get());
    std::unique_ptr<TPasteScratch> scratch = ReadScratch(*host, AText);
    if (scratch->Diagram->DControlCount() == 0) return {};
    TMemoryStream stream;
    scratch->Diagram->ExportAsWMFStream(stream, esNetto);
    return stream.Bytes();
  } catch (const std::exception&) {
    return {};
  }
}

TDiagramControl* TDiagramClipboard::CreateDControlFromData(const QString& AText, const QString& ADControlID) {
  std::unique_ptr<TPasteScratch> scratch = ReadScratch(FDiagram, AText);
  if (scratch->Diagram->DControlCount() == 0) return nullptr;
  TDiagramControl* result = scratch->Diagram->GetDControls(0);
  if (TDiagramControl* master = result->GetMasterGroup()) result = master;
  std::vector<TDiagramControl*> tree{result};
  AddMembers(result, tree);
  TComponent* home = FDiagram.GetChildOwner() ? FDiagram.GetChildOwner() : &FDiagram;
  // Detached from the scratch first: a group takes its members along.
  result->SetDiagram(nullptr);
  for (TDiagramControl* c : tree) {
    c->SetDiagram(nullptr);
    c->SetName(QString());
    Rehome(c, scratch->Owner.get(), home);
  }
  result->SetDControlID(ADControlID);
  return result;
}

bool TDiagramClipboard::Writes(const TDiagramControl* AControl) const {
  return !FMarked || FMarked->contains(AControl);
}

bool TDiagramClipboard::CanCopy() const {
  return FDiagram.SelectedCount() > 0 && FDiagram.GetMouseState() == msBrowsing;
}

void TDiagramClipboard::WatchClipboard() {
  if (FClipboardWatch) return;
  QClipboard* clipboard = AppClipboard();
  if (!clipboard) return;
  FClipboardWatch = QObject::connect(clipboard, &QClipboard::dataChanged, [this] {
    FHasFormat.reset();
    FHasText.reset();
  });
}

bool TDiagramClipboard::CanPaste() {
  WatchClipboard();
  QClipboard* clipboard = AppClipboard();
  if (!clipboard) return false;
  // Asked once per change of the clipboard, not on every menu update.
  if (!FHasFormat || !FHasText) {
    const QMimeData* mime = clipboard->mimeData();
    FHasFormat = mime && mime->hasFormat(MimeType);
    FHasText = mime && mime->hasText();
  }
  if (FDiagram.EditingText()) return *FHasText;
  return FDiagram.GetMouseState() == msBrowsing && *FHasFormat;
}

// ---- The diagram's clipboard operations ----

void TdvDiagram::CopyToClipboard() { FClipboard->CopyToClipboard(); }
void TdvDiagram::CutToClipboard() { FClipboard->CutToClipboard(); }
void TdvDiagram::PasteFromClipboard() { FClipboard->PasteFromClipboard(); }
bool TdvDiagram::CanCopy() const { return FClipboard->CanCopy(); }
bool TdvDiagram::CanPaste() { return FClipboard->CanPaste(); }
QString TdvDiagram::SerializeObjectToString(TDiagramControl* ADControl) {
  return FClipboard->SerializeObjectToString(ADControl);
}
std::vector<TDiagramControl*> TdvDiagram::LoadDiagramText(const QString& AText) {
  return FClipboard->LoadDiagramText(AText);
}
TDiagramControl* TdvDiagram::CreateDControlFromData(const QString& AText, const QString& ADControlID) {
  return FClipboard->CreateDControlFromData(AText, ADControlID);
}

}  // namespace tarnwick
