// Rotation of a piece by whole degrees: each target pixel samples the source through the
// inverse rotation, nearest or bilinear, and the result is trimmed to its mask.
#include <cmath>
#include <vector>

#include "edit/edit_context.h"
#include "edit/edit_view.h"
#include "edit/nearest_transform.h"
#include "edit/pixel_ops.h"
#include "edit/selection.h"
#include "edit/transform.h"
#include "edit/undo.h"
#include "image/color_match.h"

namespace pixmo {
namespace {

constexpr double kDegree = 0.017453292519943295769;

// Sine and cosine kept in single precision: the pixel positions depend on it.
struct TRotation {
    float S, C;
    explicit TRotation(double theta) : S(static_cast<float>(std::sin(theta))), C(static_cast<float>(std::cos(theta))) {}
    double X(int x, int y) const { return double(x) * C - double(y) * S; }
    double Y(int x, int y) const { return double(x) * S + double(y) * C; }
};

// Half to even, as the sampling rounds. Adding 1.5 * 2^52 leaves no fraction bits, so the
// addition itself rounds to even; inline, unlike the library's lrint. Exact below 2^51.
inline long RoundEven(double v) {
    constexpr double kShift = 6755399441055744.0;
    return static_cast<long>((v + kShift) - kShift);
}

// The rotated corners' bounding rectangle: a 1x1 rectangle at the origin grown by each of
// p1, p2 and p3 = p1 + p2, corners rounded half away from zero.
TRect BoundingRect(const TRotation& r, int width, int height) {
    const TPoint p1{int(std::lround(r.X(width - 1, 0))), int(std::lround(r.Y(width - 1, 0)))};
    const TPoint p2{int(std::lround(r.X(0, height - 1))), int(std::lround(r.Y(0, height - 1)))};
    const TPoint p3{p1.X + p2.X, p1.Y + p2.Y};
    TRect b{0, 0, 1, 1};
    for (const TPoint& p : {p1, p2, p3}) {
        if (p.X < b.Left) b.Left = p.X;
        else if (p.X >= b.Right - 1) b.Right = p.X + 1;
        if (p.Y < b.Top) b.Top = p.Y;
        else if (p.Y >= b.Bottom - 1) b.Bottom = p.Y + 1;
    }
    return b;
}

std::vector<const uint8_t*> RowPointers(const TDib& image) {
    std::vector<const uint8_t*> rows(static_cast<size_t>(image.Height()));
    for (int y = 0; y < image.Height(); ++y) rows[static_cast<size_t>(y)] = image.ScanLine(y);
    return rows;
}

// A 24-bit pixel's blue, green, red bytes as a table word.
uint32_t PixelWord(const TTrueDib& image, int x, int y) {
    const uint8_t* p = image.GetPixel(x, y);
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16;
}

}  // namespace

TTransformResult RotatePiece(const TDib& source, const TMaskDib& mask, int angle, bool smooth,
                             TColorRef background, TProgress& progress) {
    if (angle == 0 || angle == 360 || angle == -360)
        return {true, TDib::CreateFromRect(source, source.GetRect()), TMaskDib::CreateClone(mask)};
    const double theta = angle * kDegree;
    const int w = source.Width(), h = source.Height();
    const TRect bounds = BoundingRect(TRotation(theta), w, h);

    const auto backgroundIndex = static_cast<uint8_t>(NearestTableIndex(source.UsedColorTable(), ColorRefToTableWord(background)));
    TProgressPass pass(progress, kRotateProgressCaption, bounds.Height());
    const TRotation inverse(-theta);
    if (!smooth)
        if (auto nearest = RotateNearest(source, mask, inverse.C, inverse.S, bounds, backgroundIndex, pass)) return std::move(*nearest);
    TTransformResult piece = NewRotationTarget(source, mask, TPoint{bounds.Width(), bounds.Height()}, backgroundIndex);
    TDib* image = piece.Image.get();
    TMaskDib* newMask = piece.Mask.get();
    const auto srcRows = RowPointers(source);
    const auto maskRows = RowPointers(mask);
    std::unique_ptr<TTrueDib> copy;
    std::unique_ptr<TColorMatcher> matcher;
    if (smooth) {
        copy = TTrueDib::CreateTrue(source);
        matcher = std::make_unique<TColorMatcher>(image->UsedColorTable());
    }
    for (int j = 0; j < bounds.Height(); ++j) {
        if (!pass.Step()) return {};
        const int Y = bounds.Top + j;
        uint8_t* row = image->ScanLine(j);
        uint8_t* maskRow = newMask->ScanLine(j);
        for (int i = 0; i < bounds.Width(); ++i) {
            const int X = bounds.Left + i;
            if (!smooth) {
                const long sx = RoundEven(inverse.X(X, Y)), sy = RoundEven(inverse.Y(X, Y));
                if (sx < 0 || sx >= w || sy < 0 || sy >= h) continue;
                row[i] = srcRows[size_t(sy)][sx];
                maskRow[i] = maskRows[size_t(sy)][sx];
                continue;
            }
            const float tx = static_cast<float>(inverse.X(X, Y)), ty = static_cast<float>(inverse.Y(X, Y));
            const long sx = RoundEven(tx), sy = RoundEven(ty);
            if (sx < 0 || sx >= w || sy < 0 || sy >= h) continue;
            maskRow[i] = maskRows[size_t(sy)][sx];
            const bool inside = tx >= 0 && tx < w - 1 && ty >= 0 && ty < h - 1;
            row[i] = matcher->Match(inside ? ColorRefToTableWord(copy->Sample(ty, tx))
                                           : PixelWord(*copy, int(sx), int(sy)));
        }
    }

    return TrimToMask(std::move(piece));
}

bool RotateSelection(TEditContext& context, int angle, bool smooth, TProgress& progress) {
    TDib* image = context.Dib();
    if (!image || angle == 0 || angle == 360 || angle == -360) return true;
    TSelection& selection = context.Selection();
    const auto source = selection.CopySelected();
    const auto mask = selection.CopyMask();
    const TColorRef background = image->GetColor(context.Color2Index());
    TTransformResult result = RotatePiece(*source, *mask, angle, smooth, background, progress);
    if (!result.Done) return false;
    context.Undo().AddTransform(kUndoRotateCaption);
    selection.ReplaceFloating(result.Image.get(), result.Mask.get(), selection.GetRect());
    context.View().InvalidateAll();
    return true;
}

}  // namespace pixmo
