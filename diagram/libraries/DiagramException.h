#pragma once
// The diagram library's own error: raised with a fixed English message for misuse the
// caller can correct (a missing base folder or filer, a name that cannot become a file).
#include "platform/core/Exception.h"

namespace tarnwick {

TARNWICK_EXCEPTION(EDiagramException, Exception);

}  // namespace tarnwick
