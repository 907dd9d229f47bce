// Feeds arbitrary bytes to paste, as the platform clipboard would hand them over from
// another program: once as the raw clipboard entry and once as a text (each byte one
// character) in that entry, so the text seeds reach deep into the reader. A paste either
// adds controls or fails leaving the document exactly as it was.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "diagram/Registration.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramClipboard.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

using namespace tarnwick;

namespace {

QByteArray Document(TdvDiagram& ADiagram) {
  TMemoryStream s;
  ADiagram.SaveToStream(s, false);
  return s.Bytes();
}

void PasteOnce(const QByteArray& AEntry) {
  TOwned<TComponent> form = MakeOwned<TComponent>(nullptr);
  auto* diagram = Create<TdvDiagram>(form.get());
  auto* block = Create<TDiagramBlock>(form.get());
  block->SetBoundsRect(TSquare{10, 10, 60, 50});
  block->SetDiagram(diagram);

  auto* mime = new QMimeData;
  mime->setData(TDiagramClipboard::MimeType, AEntry);
  QGuiApplication::clipboard()->setMimeData(mime);

  const QByteArray before = Document(*diagram);
  const int components = form->GetComponentCount();
  try {
    diagram->PasteFromClipboard();
  } catch (const Exception&) {
    if (Document(*diagram) != before || form->GetComponentCount() != components) {
      std::fprintf(stderr, "a failed paste changed the document\n");
      std::abort();
    }
  }
  // Whatever was pasted must be a document that saves and reads back.
  TMemoryStream saved;
  diagram->SaveToStream(saved, true);
  saved.SetPosition(0);
  diagram->LoadFromStream(saved, true);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(*argc, *argv);
  RegisterAllClasses();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  PasteOnce(bytes);
  PasteOnce(TDiagramClipboard::EncodeClipboardData(QString::fromLatin1(bytes)));
  return 0;
}
