#pragma once
// Qt's own dialogs and buttons (file dialogs, Sì/No/Annulla, colour and font choosers) in
// Italian like the rest of the program, from Qt's Italian catalogue.
class QCoreApplication;

namespace pixmo {

// Loads and installs the catalogue once; false when it is not on this machine (Debian
// package qt6-translations-l10n), where Qt's dialogs stay in English.
bool InstallQtItalian(QCoreApplication& app);

}  // namespace pixmo
