// tarnwick-cli: headless tools over documents and object streams.
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>
#include <exception>
#include <memory>

#include "blocks/BlockSets.h"
#include "cli/Commands.h"
#include "diagram/Registration.h"
#include "platform/core/Exception.h"

namespace {

void PrintUsage(FILE* out) {
  std::fprintf(out, "usage: tarnwick-cli COMMAND ARGS...\n\ncommands:\n");
  for (const auto& c : tarnwick::cli::Commands()) std::fprintf(out, "  %s %s\n", c.Name, c.Usage);
}

int Fail(const QString& message) {
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // A command runs once and exits. Large buffers (a document's text, its binary form, the
  // export's bands) come and go; taken from the heap and kept there instead of being
  // mapped and unmapped each time, they are not faulted in again page by page, which
  // was a tenth of a large export's time.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  // Never needs a display: whatever the command, Qt runs on its offscreen platform.
  // Commands on documents get a full application object, since a diagram is a widget
  // (it creates no window here, but fonts and pictures need the GUI side).
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt wants a private runtime folder even offscreen; give it one quietly when the
  // session has none (as under cron, CI or ssh).
  if (!getenv("XDG_RUNTIME_DIR")) {
    std::string dir = "/tmp/tarnwick-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  }
  if (argc < 2) {
    PrintUsage(stderr);
    return 1;
  }
  QString name = QString::fromLocal8Bit(argv[1]);
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(stdout);
    return 0;
  }
  const tarnwick::cli::TCommand* command = tarnwick::cli::FindCommand(name);
  if (!command) {
    PrintUsage(stderr);
    return Fail(QStringLiteral("Unknown command: %1").arg(name));
  }
  int count = argc - 2;
  if (count < command->MinArgs || count > command->MaxArgs)
    return Fail(QStringLiteral("usage: tarnwick-cli %1 %2").arg(command->Name, command->Usage));

  std::unique_ptr<QCoreApplication> app;
  if (command->NeedsGui)
    app = std::make_unique<QApplication>(argc, argv);
  else
    app = std::make_unique<QCoreApplication>(argc, argv);

  tarnwick::RegisterAllClasses();
  tarnwick::RegisterBlockSets();
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  try {
    command->Run(args);
  } catch (const tarnwick::Exception& e) {
    return Fail(e.Message());
  } catch (const std::exception& e) {
    return Fail(QString::fromLocal8Bit(e.what()));
  }
  return 0;
}
