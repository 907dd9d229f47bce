// tarnwick_generate_boxes N out.dgr: writes a document of N labelled boxes on a square grid,
// each joined to the next by an arrow anchored to both boxes, as the input of the export
// race. The sizes match the peer's test diagram at 100 % zoom: boxes 80 x 40 with a 2-pixel
// border, a pitch of 120 x 80, the first box at (20, 20), ceil(sqrt(N)) columns; an arrow
// runs right side to left side within a row and bottom to top where a row wraps.
#include <QApplication>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "diagram/Registration.h"
#include "diagram/lines/LineArrow.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "platform/gui/Pen.h"
#include "platform/core/Colors.h"
#include "platform/core/Exception.h"
#include "platform/core/Strings.h"

using namespace tarnwick;

namespace {

constexpr double BoxWidth = 80, BoxHeight = 40, PitchX = 120, PitchY = 80, Margin = 20;

// The link points every box gets, in percent of its sides; the arrows use these indexes.
enum TSide { sTop, sRight, sBottom, sLeft };

TDiagramBlock* NewBox(TComponent* AForm, TdvDiagram* ADiagram, int AIndex, int AColumns) {
  auto* box = Create<TDiagramBlock>(AForm);
  box->SetName(QStringLiteral("Box%1").arg(AIndex));
  const double left = Margin + (AIndex % AColumns) * PitchX, top = Margin + (AIndex / AColumns) * PitchY;
  box->SetBoundsRect(TSquare{left, top, left + BoxWidth, top + BoxHeight});
  box->GetLinkPoints()->Add(50, 0, aoUp);
  box->GetLinkPoints()->Add(100, 50, aoRight);
  box->GetLinkPoints()->Add(50, 100, aoDown);
  box->GetLinkPoints()->Add(0, 50, aoLeft);
  // The same cycle of fill colours as the peer's diagram: the red part steps by 40.
  box->SetColor(RGB((AIndex * 40) % 200 + 55, 0xD0, 0xF0));
  box->GetPen()->SetWidth(2);
  box->GetStrings()->SetText(QStringLiteral("Box %1").arg(AIndex));
  box->SetVertAlign(vaCenter);
  box->SetDiagram(ADiagram);
  return box;
}

// Inserted the way the mouse inserts a line between two link points, so it is anchored to
// both and follows the boxes.
void NewArrow(TComponent* AForm, TdvDiagram* ADiagram, int AIndex, TLinkPoint* AFrom, TLinkPoint* ATo) {
  auto* line = Create<TDiagramLine>(AForm);
  line->SetName(QStringLiteral("Arrow%1").arg(AIndex));
  line->SetDiagram(ADiagram);
  TControlInsertInfo info;
  info.Action = iaInserted;
  info.P1 = AFrom->DiagramPoint();
  info.P2 = ATo->DiagramPoint();
  info.AnchorPoint1 = AFrom;
  info.AnchorPoint2 = ATo;
  line->UpdateInsert(info);
  line->GetTargetArrow()->SetShape(asSolidArrow);
}

int Generate(int ACount, const QString& AFileName) {
  RegisterAllClasses();
  // Never freed: the process ends right after saving, and freeing anchored controls one
  // by one costs more than building them.
  auto* form = Create<TComponent>(nullptr);
  form->SetName(QStringLiteral("Form1"));
  auto* diagram = Create<TdvDiagram>(form);
  diagram->SetName(QStringLiteral("Diagram"));
  const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(ACount)))));
  TDiagramBlock* previous = nullptr;
  for (int i = 0; i < ACount; ++i) {
    TDiagramBlock* box = NewBox(form, diagram, i, columns);
    if (previous) {
      const bool sameRow = i % columns != 0;
      TLinkPoints* from = previous->GetLinkPoints();
      TLinkPoints* to = box->GetLinkPoints();
      NewArrow(form, diagram, i - 1, from->GetItems(sameRow ? sRight : sBottom),
               to->GetItems(sameRow ? sLeft : sTop));
    }
    previous = box;
  }
  diagram->SaveToFile(AFileName);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: tarnwick_generate_boxes N out.dgr\n");
    return 1;
  }
  char* end = nullptr;
  const long count = std::strtol(argv[1], &end, 10);
  if (!end || *end || count < 1 || count > 10000000) {
    std::fprintf(stderr, "N must be a whole number from 1 to 10000000, not '%s'\n", argv[1]);
    return 1;
  }
  // Fonts and text need the GUI side of Qt, but never a display.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!getenv("XDG_RUNTIME_DIR")) {
    const std::string dir = "/tmp/tarnwick-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  }
  QApplication app(argc, argv);
  try {
    return Generate(static_cast<int>(count), QString::fromLocal8Bit(argv[2]));
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
  }
  return 1;
}
