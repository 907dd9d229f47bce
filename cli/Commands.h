#pragma once
// The command table of tarnwick-cli. Each command names its arguments, says whether it
// needs the GUI side of Qt (fonts, images, painting; offscreen in any case) and runs with
// its positional arguments. A command reports failure by throwing; main() turns that into
// the message on standard error and exit code 1.
#include <QStringList>
#include <span>

namespace tarnwick::cli {

struct TCommand {
  const char* Name;
  const char* Usage;  // the arguments after the name, for the usage text
  int MinArgs;
  int MaxArgs;
  bool NeedsGui;
  void (*Run)(const QStringList& Args);
};

// Every command, in the order the usage text lists them.
std::span<const TCommand> Commands();
const TCommand* FindCommand(const QString& Name);

// The stream converters.
void RunTextToBinary(const QStringList& Args);
void RunBinaryToText(const QStringList& Args);

// Commands on diagram documents.
void RunResave(const QStringList& Args);
void RunExport(const QStringList& Args);
void RunLayout(const QStringList& Args);
void RunInfo(const QStringList& Args);

}  // namespace tarnwick::cli
