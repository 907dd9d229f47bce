// resave, export, layout and info: commands that load a file as a diagram document.
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cstdio>
#include <cstring>
#include <vector>

#include "cli/Commands.h"
#include "cli/ProcessMemory.h"
#include "diagram/model/Layers.h"
#include "diagram/model/TextCells.h"
#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "layout/AutoLayout.h"
#include "platform/core/Stream.h"

namespace tarnwick::cli {

namespace {

// A diagram the way the editor holds one: owned by a window-like component, so control
// references are written with the owner marker, and freed with everything it holds.
struct TLoadedDiagram {
  TOwned<TComponent> Owner{Create<TComponent>(nullptr)};
  TdvDiagram* Diagram = Create<TdvDiagram>(Owner.get());

  explicit TLoadedDiagram(const QString& FileName) {
    // The objects, the binary form and the bands take about four times the text.
    ReserveHeap(QFileInfo(FileName).size() * 4);
    // A command runs once and never undoes. Read inside an internal update, the document
    // starts no undo history, whose first state would be the whole document written out
    // once more; the scroll ranges this leaves unsettled are settled afterwards.
    {
      TDiagramUpdate internal(*Diagram, ukInternal);
      Load(FileName);
    }
    Diagram->UpdateScrollRanges();
    Diagram->UpdateScrollBars();
  }

  void Load(const QString& FileName) {
    // Documents are text; a binary stream (a snapshot, or text2bin's output) is taken too.
    char signature[4] = {};
    {
      TFileStream probe(FileName, fmOpenRead);
      probe.Read(signature, sizeof signature);
    }
    if (std::memcmp(signature, "TPF0", sizeof signature) != 0) {
      Diagram->LoadFromFile(FileName);
      return;
    }
    TMemoryStream content;
    content.LoadFromFile(FileName);
    content.SetPosition(0);
    Diagram->LoadFromStream(content, false);
    Diagram->SetDocumentFileName(FileName);
  }

  ~TLoadedDiagram() {
    // The command is over and the process ends next.
    if (!FreesBeforeExit()) (void)Owner.release();
  }

  TLoadedDiagram(const TLoadedDiagram&) = delete;
  TLoadedDiagram& operator=(const TLoadedDiagram&) = delete;
};

QJsonArray DotJson(TDot D) { return QJsonArray{D.X, D.Y}; }

QJsonValue AnchorName(TLinkPoint* P) {
  TDiagramControl* anchor = P ? P->GetAnchor() : nullptr;
  return anchor ? QJsonValue(anchor->GetName()) : QJsonValue(QJsonValue::Null);
}

QJsonObject ControlJson(TDiagramControl* C, bool IsBlock, bool IsLine) {
  // A block reports its stored bounds: its control rectangle may take in its text cells.
  auto* block = dynamic_cast<TCustomDiagramBlock*>(C);
  TSquare r = block ? block->GetBoundsRect() : C->ControlRect();
  QJsonObject o{{"class", C->ClassName()},
                {"name", C->GetName()},
                {"left", r.Left},
                {"top", r.Top},
                {"width", r.Right - r.Left},
                {"height", r.Bottom - r.Top},
                {"angle", C->GetAngle()},
                {"selected", C->GetSelected()},
                {"visible", C->GetVisible()},
                {"layer", C->GetLayer()}};
  // The texts the control shows, cell by cell; left out when it shows none.
  QJsonArray texts;
  for (int i = 0; C->GetTextCells() && i < C->GetTextCells()->Count(); ++i)
    if (const QString& text = C->GetTextCells()->GetItems(i)->GetText(); !text.isEmpty()) texts.append(text);
  if (!texts.isEmpty()) o.insert("texts", texts);
  if (const QString layer = C->GetLayerName(); !layer.isEmpty()) o.insert("layerName", layer);
  TLinkPoints* points = C->GetLinkPoints();
  const int n = points ? points->GetCount() : 0;
  if (IsBlock) {
    QJsonArray linkPoints;
    for (int i = 0; i < n; ++i) linkPoints.append(DotJson(C->GetLinkPointPoint(points->GetItems(i))));
    o.insert("linkPoints", linkPoints);
  }
  if (auto* line = IsLine ? dynamic_cast<TCustomDiagramLine*>(C) : nullptr) {
    // What the line draws: routed corners, flattened curves.
    QJsonArray drawn;
    for (const TDot& p : line->GetPoints()) drawn.append(DotJson(p));
    o.insert("points", drawn);
    QJsonArray handles;
    TStretchHandles* h = line->GetHandles();
    for (int i = 0; h && i < h->Count(); ++i) handles.append(DotJson(h->GetItems(i)->GetOrPoint()));
    o.insert("handles", handles);
    QJsonArray ends;
    for (int i = 0; i < n; ++i) ends.append(DotJson(C->GetLinkPointPoint(points->GetItems(i))));
    o.insert("linkPoints", ends);
    o.insert("source", AnchorName(n > 0 ? points->GetItems(0) : nullptr));
    o.insert("target", AnchorName(n > 1 ? points->GetItems(n - 1) : nullptr));
  }
  return o;
}

}  // namespace

void RunResave(const QStringList& Args) {
  if (Args.size() == 3 && Args[2] != QLatin1String("--binary"))
    throw Exception(QStringLiteral("Unknown option: %1").arg(Args[2]));
  TLoadedDiagram loaded(Args[0]);
  if (Args.size() == 3) {
    TMemoryStream out;
    loaded.Diagram->SaveToStream(out, false);
    out.SaveToFile(Args[1]);
  } else {
    loaded.Diagram->SaveToFile(Args[1]);
  }
}

namespace {

// The value of "--name value" options, checked against a table of allowed values.
template <class E, size_t N>
E OptionValue(const QString& AName, const QString& AValue, const std::pair<const char*, E> (&ATable)[N]) {
  for (const auto& [text, value] : ATable)
    if (AValue == QLatin1String(text)) return value;
  throw Exception(QStringLiteral("Unknown value for %1: %2").arg(AName, AValue));
}

}  // namespace

void RunExport(const QStringList& Args) {
  static const std::pair<const char*, TExportSize> sizes[] = {
      {"standard", esStandard}, {"centered", esCentered}, {"netto", esNetto}, {"page", esPage}};
  static const std::pair<const char*, TExportFormat> formats[] = {{"auto", efAuto}, {"bmp", efBMP}, {"png", efPNG},
                                                                  {"wmf", efWMF},   {"emf", efWMF}, {"svg", efSVG},
                                                                  {"pdf", efPDF}};
  TExportSize size = esStandard;
  TExportFormat format = efAuto;
  for (int i = 2; i < Args.size(); i += 2) {
    if (i + 1 >= Args.size()) throw Exception(QStringLiteral("Missing value for %1").arg(Args[i]));
    if (Args[i] == QLatin1String("--size")) size = OptionValue(Args[i], Args[i + 1], sizes);
    else if (Args[i] == QLatin1String("--format")) format = OptionValue(Args[i], Args[i + 1], formats);
    else throw Exception(QStringLiteral("Unknown option: %1").arg(Args[i]));
  }
  TLoadedDiagram loaded(Args[0]);
  loaded.Diagram->ExportToFile(Args[1], format, size);
}

void RunLayout(const QStringList& Args) {
  TLayoutOptions options;
  for (int i = 2; i < Args.size(); i += 2) {
    if (i + 1 >= Args.size()) throw Exception(QStringLiteral("Missing value for %1").arg(Args[i]));
    const QString& value = Args[i + 1];
    const auto unknown = [&] { return Exception(QStringLiteral("Unknown value for %1: %2").arg(Args[i], value)); };
    if (Args[i] == QLatin1String("--algorithm")) {
      const auto algorithm = AlgorithmFromName(value);
      if (!algorithm) throw unknown();
      options.Algorithm = *algorithm;
    } else if (Args[i] == QLatin1String("--direction")) {
      const auto direction = DirectionFromName(value);
      if (!direction) throw unknown();
      options.Direction = *direction;
    } else if (Args[i] == QLatin1String("--spacing")) {
      bool ok = false;
      options.Spacing = value.toInt(&ok);
      if (!ok || options.Spacing < TLayoutOptions::MinSpacing || options.Spacing > TLayoutOptions::MaxSpacing)
        throw Exception(QStringLiteral("The spacing must be a whole number from %1 to %2: %3")
                            .arg(TLayoutOptions::MinSpacing)
                            .arg(TLayoutOptions::MaxSpacing)
                            .arg(value));
    } else {
      throw Exception(QStringLiteral("Unknown option: %1").arg(Args[i]));
    }
  }
  TLoadedDiagram loaded(Args[0]);
  LayoutDiagram(*loaded.Diagram, options);
  loaded.Diagram->SaveToFile(Args[1]);
}

void RunInfo(const QStringList& Args) {
  TLoadedDiagram loaded(Args[0]);
  TdvDiagram* d = loaded.Diagram;
  QSet<TDiagramControl*> blocks, lines;
  for (int i = 0; i < d->BlockCount(); ++i) blocks.insert(d->GetBlocks(i));
  for (int i = 0; i < d->LinkCount(); ++i) lines.insert(d->GetLinks(i));
  QJsonArray controls;
  for (int i = 0; i < d->DControlCount(); ++i) {
    TDiagramControl* c = d->GetDControls(i);
    controls.append(ControlJson(c, blocks.contains(c), lines.contains(c)));
  }
  QJsonObject info{{"zoom", d->GetZoom()},
                   {"controlCount", d->DControlCount()},
                   {"blockCount", d->BlockCount()},
                   {"lineCount", d->LinkCount()},
                   {"controls", controls}};
  // The layers in order, each with whether its controls are shown and may be edited.
  QJsonArray layers;
  for (int i = 0; i < d->GetLayers()->Count(); ++i) {
    const TDiagramLayer* layer = d->GetLayers()->GetItems(i);
    layers.append(QJsonObject{
        {"name", layer->GetLayerName()}, {"visible", layer->GetVisible()}, {"editable", layer->GetEditable()}});
  }
  if (!layers.isEmpty()) info.insert("layers", layers);
  QByteArray json = QJsonDocument(info).toJson(QJsonDocument::Indented);
  std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
}

}  // namespace tarnwick::cli
