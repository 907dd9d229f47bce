#include "platform/core/ErrorOf.h"

#include <exception>

#include "platform/core/Exception.h"

namespace tarnwick {

std::optional<QString> ErrorOf(const std::function<void()>& AWork) {
  try {
    AWork();
    return std::nullopt;
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  }
}

}  // namespace tarnwick
