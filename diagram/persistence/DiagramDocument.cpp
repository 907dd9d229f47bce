// Diagram documents: the whole diagram as one object stream (binary for snapshots, its
// text form for .dgr files), and the load and save operations on streams and files.
//
// Two promises shape this file. A save never damages the file it replaces: the document
// is serialised into memory first and the file is swapped in atomically. A load that
// fails leaves the open document exactly as it was: the stream is converted before the
// diagram is touched, and a read that fails half-way is rolled back from a snapshot.
#include <QFileInfo>
#include <QSaveFile>
#include <exception>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/DiagramUndoStack.h"
#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/ScopeGuard.h"
#include "streaming/ObjectStream.h"
#include "streaming/TextConvert.h"

namespace tarnwick {

namespace {

// The name the diagram's owner carries while the diagram writes its controls, so that
// references between controls read "__DSOwner___.<name>" whatever window held them.
const QString OwnerMarker = QStringLiteral("__DSOwner___");

// Renames a component for the length of a scope and gives the old name back, also
// when the scope is left by an error.
class TTemporaryName {
 public:
  TTemporaryName(TComponent* AComponent, const QString& AName)
      : FComponent(AComponent), FUncaught(std::uncaught_exceptions()) {
    if (!FComponent) return;
    FSaved = FComponent->GetName();
    FComponent->SetName(AName);
    FActive = true;
  }
  ~TTemporaryName() noexcept(false) {
    // The old name was valid a moment ago; nothing can have taken it meanwhile.
    if (FActive) CloseScope(FUncaught, [this] { FComponent->SetName(FSaved); });
  }
  TTemporaryName(const TTemporaryName&) = delete;
  TTemporaryName& operator=(const TTemporaryName&) = delete;

 private:
  TComponent* FComponent = nullptr;
  QString FSaved;
  int FUncaught;
  bool FActive = false;
};

// While a stream is read into a diagram, "__DSOwner___" (and any "<name>.Owner") names
// the diagram's owner, so the second round of reference fix-ups finds the controls.
class TOwnerLookup {
 public:
  explicit TOwnerLookup(TComponent* AOwner) {
    FHandle = RegisterFindGlobalComponentProc([AOwner](const QString& Name) -> TComponent* {
      if (Name == OwnerMarker || Name.endsWith(QLatin1String(".Owner"))) return AOwner;
      return nullptr;
    });
  }
  ~TOwnerLookup() { UnregisterFindGlobalComponentProc(FHandle); }
  TOwnerLookup(const TOwnerLookup&) = delete;
  TOwnerLookup& operator=(const TOwnerLookup&) = delete;

 private:
  int FHandle = 0;
};

void ReadDiagram(TStream& AStream, TdvDiagram* ADiagram) {
  TOwnerLookup lookup(ADiagram->GetOwner());
  ReadComponent(AStream, ADiagram);
}

}  // namespace

void TdvDiagram::SaveToStream(TStream& AStream, bool TextFormat) {
  if (TextFormat) {
    TMemoryStream binary;
    SaveToStream(binary, false);
    binary.SetPosition(0);
    ConvertBinaryToText(binary, AStream);
    return;
  }
  const TScopedValue<bool> streaming(FInternalStreaming, true);
  TTemporaryName blank(this, QString());
  TComponent* owner = GetOwner();
  const bool markOwner = owner && !IsDesigning() && owner->GetName() != OwnerMarker;
  TTemporaryName marker(markOwner ? owner : nullptr, OwnerMarker);
  // Every completed operation writes the whole document for its undo step; a large one is
  // written on two threads, half of the controls each.
  constexpr size_t SplitControls = 1000;
  WriteComponent(AStream, this, SplitControls);
}

void TdvDiagram::DropUnresolvedAnchors() {
  // A line end whose anchor named no control of the document would wait for it for ever
  // and never follow its other end again; it becomes a free end where it was stored.
  const std::vector<TDiagramControl*> controls = FControls->FDControls.Vector();
  for (TDiagramControl* c : controls) {
    TLinkPoints* points = c->GetLinkPoints();
    bool dropped = false;
    for (int i = 0; points && i < points->Count(); ++i) dropped |= points->GetItems(i)->DropPendingAnchor();
    if (auto* line = dynamic_cast<TCustomDiagramLine*>(c); line && dropped) line->UpdateFromAnchors();
  }
}

namespace {

// Clears the diagram and reads ASource into it; a read that fails half-way through the
// controls is rolled back by reading ARollbackState, and the error goes on. AAfterRead
// settles what the read left (anchors naming no control).
void ReadOrRollBack(TdvDiagram& D, TStream& ASource, const std::function<QByteArray()>& ARollbackState,
                    const std::function<void()>& AAfterRead) {
  {
    TDiagramUpdate internal(D, ukInternal);
    try {
      {
        D.Clear(true);
        TTemporaryName blank(&D, QString());
        ReadDiagram(ASource, &D);
      }
      AAfterRead();
    } catch (...) {
      try {
        TMemoryStream state(ARollbackState());
        D.Clear(true);
        TTemporaryName blank(&D, QString());
        ReadDiagram(state, &D);
      } catch (...) {
        // The state was written by this diagram and reads back; should it not, the caller
        // still hears of the original error below.
      }
      throw;
    }
  }
  // The scroll ranges follow the loaded extent, with or without a window: every export
  // framing depends on them.
  D.UpdateScrollRanges();
  D.UpdateScrollBars();
}

}  // namespace

void TdvDiagram::LoadFromStream(TStream& AStream, bool TextFormat) {
  // Convert first: a stream that is not a document fails here, before anything changes.
  TMemoryStream converted;
  TStream* source = &AStream;
  if (TextFormat) {
    ConvertTextToBinary(AStream, converted);
    converted.SetPosition(0);
    source = &converted;
  }
  // A document read by a program starts a new history; a step of the history itself is
  // read inside an internal update.
  const bool newHistory = !FUpdates->Inside(ukInternal);
  // The state to roll back to, taken before the diagram is touched.
  TMemoryStream snapshot;
  SaveToStream(snapshot, false);
  ReadOrRollBack(*this, *source, [&snapshot] { return snapshot.Bytes(); }, [this] { DropUnresolvedAnchors(); });
  if (newHistory) ClearUndoStack();
}

void TDiagramUndoStack::ReadState(TStream& AStream, int ARollbackIndex) {
  // The state being left is already in the history, so unlike a document read nothing
  // needs writing out first; it is fetched from there only if the read fails. Inside an
  // internal update the read leaves the history alone.
  TdvDiagram& d = FDiagram;
  TDiagramUpdate internal(d, ukInternal);
  ReadOrRollBack(
      d, AStream,
      [this, ARollbackIndex] {
        return ARollbackIndex >= 0 && ARollbackIndex < Count() ? FItems[ARollbackIndex]->State() : QByteArray();
      },
      [&d] { d.DropUnresolvedAnchors(); });
}

void TdvDiagram::SaveToFile(const QString& AFileName) {
  TMemoryStream text;
  SaveToStream(text, true);

  QSaveFile file(AFileName);
  if (!file.open(QIODevice::WriteOnly)) throw EFCreateError(msg::FCreateError, AFileName, file.errorString());
  const QByteArray& bytes = text.Bytes();
  if (file.write(bytes) != bytes.size()) {
    QString reason = file.errorString();
    file.cancelWriting();
    throw EWriteError(msg::FCreateError, AFileName, reason);
  }
  if (!file.commit()) throw EWriteError(msg::FCreateError, AFileName, file.errorString());
  FDocumentFileName = AFileName;
}

void TdvDiagram::LoadFromFile(const QString& AFileName) {
  TMemoryStream binary;
  {
    // The text is about twice the size of its binary form: it is let go before the
    // objects are built, which is when a large document needs the most memory.
    TMemoryStream content;
    content.LoadFromFile(AFileName);
    content.SetPosition(0);
    ConvertTextToBinary(content, binary);
  }
  binary.SetPosition(0);
  LoadFromStream(binary, false);
  FDocumentFileName = AFileName;
}

void TdvDiagram::Clear(bool RestoreDefaults) {
  {
    TDiagramUpdate positions(*this, ukPosition);
    ClearDControls();
  }
  if (RestoreDefaults) {
    ResetToDefaults();
    // The scroll positions are stored with the document, and only when away from the
    // origin: a document read into a scrolled diagram would otherwise keep the old view
    // and be saved back with it.
    GetHorzScrollBar()->SetPosition(0);
    GetVertScrollBar()->SetPosition(0);
  }
  CancelInsertingBlock();
}

void TdvDiagram::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdvDiagram*>(Source);
  if (!source) {
    TWinControl::Assign(Source);
    return;
  }
  if (source == this) return;
  // Written without a streaming flag, the source's stream carries its own properties
  // and none of its controls, so this diagram keeps its controls.
  TMemoryStream stream;
  {
    TTemporaryName blankSource(source, QString());
    WriteComponent(stream, source);
  }
  stream.SetPosition(0);
  TTemporaryName blank(this, QString());
  ReadDiagram(stream, this);
}

}  // namespace tarnwick
