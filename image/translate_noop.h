#pragma once
// Marks a text of the Qt-free core for the catalogues under its context; the window that shows
// it translates it there (QCoreApplication::translate(context, text)). lupdate reads it as
// QT_TRANSLATE_NOOP.
#define PIXMO_TRANSLATE_NOOP(context, text) text
