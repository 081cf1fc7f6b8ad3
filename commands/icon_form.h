#pragma once
// TIconForm: the panel beside the file list of "Salva come Icona...": the icon options and
// two previews, the icon about to be written and the first image of the icon file chosen in
// the list. TIconSaveDialog puts it beside an embedded file dialog.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "formats/icon_file.h"

namespace pixmo {

// An icon drawn as the system draws one: the background ANDed with the mask, then ORed
// with the colour image. With `checker` (the squares' side) the background is a checkerboard.
QImage IconPreview(const TDIIcon& icon, QColor background, int checker = 0);

class TIconForm : public QWidget {
    Q_OBJECT
public:
    // `showTransparency`: the previews show the mask's pixels over a checkerboard.
    TIconForm(const TDib& source, const TIconOptions& options, QWidget* parent = nullptr, bool showTransparency = true);

    QButtonGroup* SaveColors = nullptr;  // "16 Colori", "256 Colori"
    QCheckBox* Dither = nullptr;         // shown only on screens of at most 8 bits
    QButtonGroup* MaskColor = nullptr;   // "Visibile", "Trasparente"
    QLabel* SavePreview = nullptr;
    QLabel* FilePreview = nullptr;

    // The options the controls show.
    TIconOptions Options() const;
    const TDIIcon& SaveIcon() const { return FSaveIcon; }
    void RecreateSaveIcon();
    // Loads the first image of an icon file into the second preview (cleared when it fails).
    void ShowFile(const QString& fileName);

private:
    const TDib& FSource;
    TIconOptions FOptions;
    TDIIcon FSaveIcon;
    bool FShowTransparency;
};

class TIconSaveDialog : public QDialog {
    Q_OBJECT
public:
    TIconSaveDialog(const TDib& source, const TIconOptions& options, const QString& initialName,
                    QWidget* parent = nullptr, bool showTransparency = true);

    QFileDialog* Files = nullptr;
    TIconForm* Panel = nullptr;
    // The chooser's own name field and buttons, which save and cancel.
    QLineEdit* FileNameEdit = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // The file chosen when the dialog was accepted.
    QString FileName() const { return FFileName; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString FFileName;
};

}  // namespace pixmo
