#pragma once
// A diagram with real blocks and lines, and the application's clipboard (in-process under
// the offscreen platform).
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "../lines/LineFixture.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/view/DiagramClipboard.h"
#include "diagram/view/DiagramUndoStack.h"
#include "platform/core/Stream.h"

namespace tarnwick::test {

struct TClipboardFixture : TLineFixture {
  static void ClearClipboard() { QGuiApplication::clipboard()->clear(); }

  // The document's text form: a difference shows as readable lines.
  static std::string Bytes(TdvDiagram& D) {
    TMemoryStream s;
    D.SaveToStream(s, true);
    return s.Bytes().toStdString();
  }
  void Only(TDiagramControl* C) {
    Diagram->UnselectAll();
    C->SetSelected(true);
  }
  static void PutRaw(const QByteArray& AData) {
    auto* mime = new QMimeData;
    mime->setData(TDiagramClipboard::MimeType, AData);
    QGuiApplication::clipboard()->setMimeData(mime);
  }
  static void PutText(const QString& AText) { PutRaw(TDiagramClipboard::EncodeClipboardData(AText)); }
};

}  // namespace tarnwick::test
