#include "windows/pen_form.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include "settings/main_keys.h"
#include "uikit/number_input_dialog.h"
#include "view/app_context.h"

namespace pixmo {

namespace {
constexpr int kClientWidth = 225, kClientHeight = 65;
constexpr int kBigPen = 27;
}  // namespace

TPenGrid::TPenGrid(TPenForm& form, QWidget* parent) : QWidget(parent), FForm(form) {
    setObjectName("GDBrush");
    setFixedSize(kClientWidth, kClientHeight);
}

QRect TPenGrid::CellRect(int index) const {
    const int w = width() / kCols, h = height() / kRows;
    return QRect((index % kCols) * w, (index / kCols) * h, w, h);
}

int TPenGrid::CellAt(QPoint p) const {
    for (int i = 0; i < kPenWidthCount; ++i)
        if (CellRect(i).contains(p)) return i;
    return -1;
}

// Grey frame, then the pen itself at the centre: a dot of its width, or for wide pens a
// 16-pixel dot with the number below. Selected cells are highlighted.
void TPenGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const TMainSettings& s = FForm.App().Settings();
    for (int i = 0; i < kPenWidthCount; ++i) {
        const QRect r = CellRect(i);
        const bool selected = i == s.NPen1 || (s.RDraw && i == s.NPen2);
        if (selected) painter.fillRect(r, QColor(0xC0, 0xD8, 0xFF));
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
        painter.setBrush(Qt::NoBrush);  // the previous cell left a black brush behind
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        const int width = s.PenWidths[static_cast<size_t>(i)];
        const QPoint c(r.left() + r.width() / 2, r.top() + r.height() / 2);
        painter.setBrush(Qt::black);
        painter.setPen(Qt::NoPen);
        if (width > kBigPen) {
            painter.drawEllipse(QPoint(c.x(), c.y() - 5), 8, 8);
            painter.setPen(Qt::black);
            painter.drawText(QRect(r.left(), c.y() + 4, r.width(), r.height()), Qt::AlignHCenter | Qt::AlignTop,
                             QString::number(width));
        } else if (width <= 1) {
            painter.fillRect(QRect(c, QSize(1, 1)), Qt::black);
        } else {
            painter.drawEllipse(QRectF(c.x() - width / 2.0, c.y() - width / 2.0, width, width));
        }
    }
}

void TPenGrid::mousePressEvent(QMouseEvent* event) {
    const int i = CellAt(event->position().toPoint());
    if (i >= 0) FForm.CellClick(i, event->button() == Qt::RightButton);
}

void TPenGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int i = CellAt(event->position().toPoint());
    if (i >= 0) FForm.CellDoubleClick(i, event->button() == Qt::RightButton);
}

bool TPenGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int i = CellAt(help->pos());
        if (i >= 0)
            QToolTip::showText(help->globalPos(), QString::number(FForm.App().Settings().PenWidths[static_cast<size_t>(i)]), this);
        return true;
    }
    return QWidget::event(event);
}

TPenForm::TPenForm(TAppContext& app, QWidget* parent) : TDibForm(app, "PenForm", false, parent, Qt::Tool) {
    setWindowTitle(tr("Dimensioni Matita"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FGrid = new TPenGrid(*this, this);
    layout->addWidget(FGrid);
    SetSizeable(false);
    SetDesignedSize(QSize(kClientWidth, kClientHeight));
    AfterConstruction();
}

TPenForm::~TPenForm() { BeforeDestruction(); }

void TPenForm::CellClick(int index, bool right) {
    TMainSettings& s = App().Settings();
    if (index < 0 || index >= kPenWidthCount) return;
    if (right) {
        if (!s.RDraw) return;
        s.NPen2 = index;
        FGrid->update();
        App().Broadcast(TNotice::Pen2Changed);
    } else {
        s.NPen1 = index;
        FGrid->update();
        App().Broadcast(TNotice::Pen1Changed);
    }
}

void TPenForm::CellDoubleClick(int index, bool right) {
    TMainSettings& s = App().Settings();
    if (index < 0 || index >= kPenWidthCount || (right && !s.RDraw)) return;
    const auto width = TNumberInputDialog::Ask(this, tr("ペンの太さ"), 1, 100,
                                               s.PenWidths[static_cast<size_t>(index)]);
    if (!width) return;
    s.PenWidths[static_cast<size_t>(index)] = *width;
    FGrid->update();
    App().Broadcast(right ? TNotice::Pen2Changed : TNotice::Pen1Changed);
}

void TPenForm::HandleMessage(TNotice notice) {
    if (notice == TNotice::RightDraws) FGrid->update();
}

}  // namespace pixmo
