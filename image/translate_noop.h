#pragma once
// Marks texts of the Qt-free core for the catalogues. lupdate reads both spellings as
// QT_TRANSLATE_NOOP(context, text); the window that shows the text translates it there.
//   PIXMO_TRANSLATE_NOOP(context, text)  the text alone, for tables that keep their context apart;
//   PIXMO_MSG(context, text)             a TSourceText carrying both, for messages (image/errors.h).
#define PIXMO_TRANSLATE_NOOP(context, text) text
#define PIXMO_MSG(context, text) ::pixmo::TSourceText{context, text}

namespace pixmo {

struct TSourceText {
    const char* Context;
    const char* Text;
};

}  // namespace pixmo
