#pragma once
// The help pages' pictures: "glyph:MIDrawDot" is the tool box's button of that Mouse menu
// item, "glyph:SBSame" the palette window's tool bar button of that name, each drawn by the
// code that draws the window, so the guide always shows what the program shows.
#include <QImage>
#include <QString>

namespace pixmo {

QImage HelpPicture(const QString& name);
// Makes HelpPicture the help window's picture source.
void InstallHelpPictures();

}  // namespace pixmo
