#include "cli/Commands.h"

namespace tarnwick::cli {

namespace {

const TCommand Table[] = {
    {"text2bin", "IN OUT", 2, 2, false, RunTextToBinary},
    {"bin2text", "IN OUT", 2, 2, false, RunBinaryToText},
    {"resave", "IN OUT [--binary]", 2, 3, true, RunResave},
    {"export", "IN OUT [--size standard|centered|netto|page] [--format auto|bmp|png|wmf|emf|svg|pdf]", 2, 6, true,
     RunExport},
    {"layout", "IN OUT [--algorithm layered|force|circular] [--direction top-to-bottom|left-to-right] [--spacing N]",
     2, 8, true, RunLayout},
    {"info", "IN", 1, 1, true, RunInfo},
};

}  // namespace

std::span<const TCommand> Commands() { return Table; }

const TCommand* FindCommand(const QString& Name) {
  for (const TCommand& c : Table)
    if (Name == QLatin1String(c.Name)) return &c;
  return nullptr;
}

}  // namespace tarnwick::cli
