#pragma once
// The core's messages in the reader's language: the catalogue's rendering of the source text,
// with the arguments put in afterwards (so a translation may move them).
#include <QString>
#include <exception>

#include "image/errors.h"

namespace pixmo {

QString CoreText(const TMessage& message);
// An exception's message: a core message translated, any other as it stands.
QString ErrorText(const std::exception& e);

}  // namespace pixmo
