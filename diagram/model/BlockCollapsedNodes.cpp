// Which link points of a block are collapsed, as stored in documents.
//
// "CollapsedNodes" is an Integer with bit i set when link point i is collapsed. A 32-bit
// mask cannot tell point i from point i + 32, so it holds only the first 32 points, exactly
// as documents always had them; a point beyond those goes into "CollapsedNodesEx", the
// comma-separated list of their indices. A mask bit never collapses a point past 31, so a
// document written by a program that folded the indices modulo 32 no longer collapses
// points the user never collapsed.
#include <QStringList>
#include <algorithm>
#include <cstdint>

#include "diagram/model/CustomBlock.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace tarnwick {

namespace {
constexpr int MaskPoints = 32;
}

bool TCustomDiagramBlock::AnyCollapsed(int AFrom, int ATo) const {
  TLinkPoints* points = GetLinkPoints();
  const int n = std::min(ATo, points->Count());
  for (int i = AFrom; i < n; ++i)
    if (points->GetItems(i)->GetCollapsed()) return true;
  return false;
}

void TCustomDiagramBlock::WriteCollapsedNodes(TWriter& W) {
  TLinkPoints* points = GetLinkPoints();
  uint32_t mask = 0;
  const int n = std::min(MaskPoints, points->Count());
  for (int i = 0; i < n; ++i)
    if (points->GetItems(i)->GetCollapsed()) mask |= uint32_t{1} << i;
  W.WriteInteger(static_cast<int32_t>(mask));
}

void TCustomDiagramBlock::ReadCollapsedNodes(TReader& R) {
  const auto mask = static_cast<uint32_t>(R.ReadInteger());
  TLinkPoints* points = GetLinkPoints();
  const int n = std::min(MaskPoints, points->Count());
  for (int i = 0; i < n; ++i)
    if (mask & (uint32_t{1} << i)) points->GetItems(i)->SetCollapsed(true);
}

void TCustomDiagramBlock::WriteCollapsedNodesEx(TWriter& W) {
  TLinkPoints* points = GetLinkPoints();
  QStringList indices;
  for (int i = MaskPoints; i < points->Count(); ++i)
    if (points->GetItems(i)->GetCollapsed()) indices << QString::number(i);
  W.WriteString(indices.join(QLatin1Char(',')));
}

void TCustomDiagramBlock::ReadCollapsedNodesEx(TReader& R) {
  const QString text = R.ReadString();
  TLinkPoints* points = GetLinkPoints();
  // Indices that are not numbers or name no existing point are ignored, like a mask bit
  // without a point.
  for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int i = part.trimmed().toInt(&ok);
    if (ok && i >= 0 && i < points->Count()) points->GetItems(i)->SetCollapsed(true);
  }
}

void TCustomDiagramBlock::DefineProperties(TFiler* Filer) {
  TDiagramControl::DefineProperties(Filer);
  Filer->DefineProperty(
      QStringLiteral("CollapsedNodes"), [this](TReader& R) { ReadCollapsedNodes(R); }, [this](TWriter& W) { WriteCollapsedNodes(W); },
      AnyCollapsed(0, MaskPoints));
  Filer->DefineProperty(
      QStringLiteral("CollapsedNodesEx"), [this](TReader& R) { ReadCollapsedNodesEx(R); },
      [this](TWriter& W) { WriteCollapsedNodesEx(W); }, AnyCollapsed(MaskPoints, INT32_MAX));
}

}  // namespace tarnwick
