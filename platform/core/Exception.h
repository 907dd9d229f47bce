#pragma once
// The exception family. Every error carries a fixed English message; the user interface
// shows Message() in an error box. Exceptions never cross Qt's event loop: handlers catch
// at their boundary.
#include <QByteArray>
#include <QString>
#include <exception>

#include "platform/core/Format.h"

namespace tarnwick {

class Exception : public std::exception {
 public:
  explicit Exception(const QString& message) : FMessage(message), FUtf8(message.toUtf8()) {}
  template <class... Args>
  Exception(const QString& pattern, const Args&... args)
      requires(sizeof...(Args) > 0)
      : Exception(Format(pattern, args...)) {}

  const QString& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FUtf8.constData(); }

 private:
  QString FMessage;
  QByteArray FUtf8;
};

#define TARNWICK_EXCEPTION(Name, Base) \
  class Name : public Base {           \
   public:                             \
    using Base::Base;                  \
  }

TARNWICK_EXCEPTION(EAbort, Exception);
TARNWICK_EXCEPTION(EConvertError, Exception);
TARNWICK_EXCEPTION(EListError, Exception);
TARNWICK_EXCEPTION(EStringListError, Exception);
TARNWICK_EXCEPTION(EInvalidOperation, Exception);
TARNWICK_EXCEPTION(EComponentError, Exception);
TARNWICK_EXCEPTION(EPropertyError, Exception);
TARNWICK_EXCEPTION(EStreamError, Exception);
TARNWICK_EXCEPTION(EFOpenError, EStreamError);
TARNWICK_EXCEPTION(EFCreateError, EStreamError);
TARNWICK_EXCEPTION(EFilerError, EStreamError);
TARNWICK_EXCEPTION(EReadError, EFilerError);
TARNWICK_EXCEPTION(EWriteError, EFilerError);
TARNWICK_EXCEPTION(EClassNotFound, EFilerError);
TARNWICK_EXCEPTION(EParserError, Exception);
TARNWICK_EXCEPTION(EInvalidGraphic, Exception);
TARNWICK_EXCEPTION(EInvalidGraphicOperation, Exception);
TARNWICK_EXCEPTION(EOutOfResources, Exception);

}  // namespace tarnwick
