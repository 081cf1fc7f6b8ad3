#pragma once
// The core's messages in the reader's language: the catalogue's rendering of the source text,
// with the arguments put in afterwards (so a translation may move them).
#include <QString>
#include <exception>
#include <string>

#include "image/errors.h"

namespace pixmo {

QString CoreText(const TMessage& message);
// An exception's message: a core message translated, any other as it stands.
QString ErrorText(const std::exception& e);

// The same as UTF-8 for a stream, the arguments byte for byte (a file name need not be UTF-8).
std::string CoreTextBytes(const TMessage& message);
std::string ErrorTextBytes(const std::exception& e);

}  // namespace pixmo
