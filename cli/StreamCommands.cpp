// text2bin and bin2text: the stream converters alone, no diagram.
#include "cli/Commands.h"
#include "platform/core/Stream.h"
#include "streaming/TextConvert.h"

namespace tarnwick::cli {

namespace {

// Converts the whole of IN in memory and writes OUT only once the conversion succeeded,
// so a failed run leaves no half-written file behind.
void Convert(const QStringList& Args, void (*Converter)(TStream&, TStream&)) {
  TMemoryStream input;
  input.LoadFromFile(Args[0]);
  TMemoryStream output;
  Converter(input, output);
  output.SaveToFile(Args[1]);
}

}  // namespace

void RunTextToBinary(const QStringList& Args) { Convert(Args, ConvertTextToBinary); }

void RunBinaryToText(const QStringList& Args) { Convert(Args, ConvertBinaryToText); }

}  // namespace tarnwick::cli
