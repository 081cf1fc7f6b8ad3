#pragma once
// The edit view's process-wide drawing objects: the back buffer every paint goes through,
// the two view-sized masks of the selection outline, the stripe row the outline's pattern
// is cut from, and the pen image. One owner holds them; a test builds its own set.
#include <QImage>
#include <QSize>
#include <cstdint>
#include <memory>
#include <vector>

#include "image/dib.h"

namespace pixmo {

// The shape of a pen: a square mask of the pen width, white, with one black dot of that
// width at its centre. Built on demand and dropped when the pen changes.
class TPenImage {
public:
    // The mask for a width (at least 1 pixel square); cached until Drop or another width.
    const TDib& Get(int width);
    bool HasCache() const { return FImage != nullptr; }
    void Drop() { FImage.reset(); }

private:
    std::unique_ptr<TDib> FImage;
    int FWidth = 0;
};

class TViewObjects {
public:
    // The back buffer starts at the screen's size (or `initial` when given).
    explicit TViewObjects(QSize initial = QSize());

    // 32-bit, the view's size.
    QImage& BackBuffer() { return FBackBuffer; }
    void ResizeBackBuffer(QSize size);

    // The outline and pattern masks at the view's size; made on demand, re-made when the
    // size changes (the back buffer follows).
    TMaskDib& OutlineMask(QSize size);
    TMaskDib& PatternMask(QSize size);
    bool HasOutlineMasks() const { return FOutline != nullptr; }
    void DropOutlineMasks();

    // In each group of 8 bytes four 1 then four 0; at least `width` + 8 bytes.
    const std::vector<uint8_t>& StripeRow(int width);

    TPenImage& PenImage() { return FPenImage; }

private:
    void EnsureMasks(QSize size);

    QImage FBackBuffer;
    std::unique_ptr<TMaskDib> FOutline;
    std::unique_ptr<TMaskDib> FPattern;
    std::vector<uint8_t> FStripeRow;
    TPenImage FPenImage;
};

}  // namespace pixmo
