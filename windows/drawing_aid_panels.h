#pragma once
// The option window's panels of the drawing aids: the inks "Sfumatura" and "Retino" and the
// mirror images for every tool that draws with the pen, "Pixel perfetto" for the tool that
// asks for it. The check boxes change the main window's settings and announce it.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLayout>
#include <QWidget>

namespace pixmo {

class TAppContext;
class TMouseTool;

class TDrawingAidPanels {
    Q_DECLARE_TR_FUNCTIONS(pixmo::TDrawingAidPanels)

public:
    TDrawingAidPanels(TAppContext& app, QWidget* form, QLayout* layout);

    QWidget* PNInk = nullptr;
    QWidget* PNMirror = nullptr;
    QWidget* PNPixelPerfect = nullptr;
    QCheckBox* CBShade = nullptr;
    QCheckBox* CBDither = nullptr;
    QCheckBox* CBMirrorHorizontal = nullptr;
    QCheckBox* CBMirrorVertical = nullptr;
    QCheckBox* CBPixelPerfect = nullptr;

    // Shows the panels that apply to tool (null: none); answers how many are shown.
    int Show(const TMouseTool* tool);
    // The check boxes from the settings.
    void Load();

private:
    TAppContext& FApp;
};

}  // namespace pixmo
