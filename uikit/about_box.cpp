#include "uikit/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pixmo {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle(tr("Informazioni su Pixmo3"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(Text(), this);
    label->setObjectName("AboutText");
    label->setTextFormat(Qt::RichText);
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString TAboutBox::Text() {
    return "<h2>Pixmo3</h2><p>" + tr("Versione %1").arg("0.1") + "</p><p>" +
           tr("Un programma di disegno per immagini a colori indicizzati:<br>pixel art, icone e piccole animazioni.") +
           "</p><p>" + tr("File BMP e PNG, 2, 16 e 256 colori.") + "</p>";
}

}  // namespace pixmo
