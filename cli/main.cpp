#include <QCoreApplication>
#include <QLocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/convert_tool.h"
#include "formats/install_formats.h"
#include "settings/main_keys.h"
#include "translations/language.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    QCoreApplication app(argc, argv);
    // The reader's language, as the program picks it on "Automatica".
    pixmo::InstallCatalogue(app, pixmo::ChooseLanguage(pixmo::kLanguageAuto, QLocale::system().uiLanguages()));
    pixmo::InstallFormats();
    return pixmo::RunConvert(args, std::cout, std::cerr);
}
