#pragma once
// The object stream's text form: a line-oriented rendering of the binary stream that
// documents, library items and the clipboard carry. The converters know no class; they
// map value tags to text and back.
#include "platform/core/Stream.h"

namespace tarnwick {

// Reads a binary object stream (signature first) from Input's position and appends its
// text form to Output. Damaged input raises the binary reader's errors; nothing is
// written then.
void ConvertBinaryToText(TStream& Input, TStream& Output);

// Parses the text form from Input's position and appends a binary object stream to
// Output. Errors are EParserError "<text> on line <n>"; what was written before the
// error stays in Output.
void ConvertTextToBinary(TStream& Input, TStream& Output);

}  // namespace tarnwick
