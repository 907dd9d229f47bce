// Uses a little of every installed layer the way an embedding application would, and prints
// a line the test checks. It registers no class itself: the diagram must know the built-in
// blocks and lines on its own to load the document below.
#include <tarnwick/tarnwick.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
  using namespace tarnwick;
  QApplication app(argc, argv);
  auto* owner = Create<TComponent>(nullptr);
  auto* child = Create<TComponent>(owner);
  child->SetName("Block1");
  TDot mid = MidDot(Dot(0, 0), Dot(5, 3));
  std::printf("%s %d %g %g\n", qPrintable(owner->FindComponent("block1")->GetName()), Round(2.5), mid.X, mid.Y);

  auto* diagram = Create<TdvDiagram>(owner);
  TMemoryStream document(
      QByteArray("object TdvDiagram\n"
                 "  object Box: TDiagramBlock\n  end\n"
                 "  object Label: TTextBlock\n  end\n"
                 "  object Link: TDiagramBezier\n  end\n"
                 "end\n"));
  diagram->LoadFromStream(document, true);
  for (int i = 0; i < diagram->DControlCount(); ++i)
    std::printf("%s ", qPrintable(diagram->GetDControls(i)->ClassInfo().ClassName()));
  std::printf("\n");
  owner->Free();
  return 0;
}
