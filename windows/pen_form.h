#pragma once
// TPenForm ("Dimensioni Matita"): the fourteen pen widths as a 7 x 2 grid. A left click
// picks the primary width, a right click the secondary one while the right button draws,
// a double click asks for a new width for the cell.
#include <QWidget>

#include "view/dib_form.h"

namespace pixmo {

class TPenForm;

// The grid control GDBrush.
class TPenGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCols = 7, kRows = 2;
    explicit TPenGrid(TPenForm& form, QWidget* parent);
    QRect CellRect(int index) const;
    int CellAt(QPoint p) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    TPenForm& FForm;
};

class TPenForm : public TDibForm {
    Q_OBJECT
public:
    explicit TPenForm(TAppContext& app, QWidget* parent = nullptr);
    ~TPenForm() override;

    TPenGrid* Grid() const { return FGrid; }
    // Cell clicks and double clicks as the grid reports them.
    void CellClick(int index, bool right);
    void CellDoubleClick(int index, bool right);
    void HandleMessage(TNotice notice) override;

private:
    TPenGrid* FGrid;
};

}  // namespace pixmo
