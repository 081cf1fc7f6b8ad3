// The fast nearest stretch and rotation give the very pictures of the block copy and of the
// per-pixel rotation as written, for growing, shrinking and every kind of angle.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <type_traits>

#include "edit/pixel_ops.h"
#include "edit/transform.h"
#include "image/color_match.h"
#include "image/dib_canvas.h"
#include "image/raster_primitives.h"

namespace pixmo {
namespace {

std::unique_ptr<TDib> RandomPiece(int w, int h, std::mt19937& rng) {
    auto dib = TDib::Create(w, h, 256);
    for (int i = 0; i < 256; ++i) dib->SetColor(i, RGB(i, (i * 7) & 0xFF, (i * 13) & 0xFF));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) dib->SetPixel(x, y, static_cast<uint8_t>(rng()));
    return dib;
}

// All selected, or a ragged mask of several values.
std::unique_ptr<TMaskDib> Mask(const TDib& image, bool ragged, std::mt19937& rng) {
    auto mask = TMaskDib::CreateSize(image.GetSize());
    FillAll(*mask, 1);
    if (ragged)
        for (int y = 0; y < mask->Height(); ++y)
            for (int x = 0; x < mask->Width(); ++x) mask->ScanLine(y)[x] = static_cast<uint8_t>(rng() % 3);
    return mask;
}

void ExpectSamePixels(const TDib* got, const TDib* want) {
    ASSERT_EQ(got == nullptr, want == nullptr);
    if (!got) return;
    ASSERT_EQ(got->GetSize(), want->GetSize());
    for (int y = 0; y < got->Height(); ++y)
        ASSERT_EQ(std::memcmp(got->ScanLine(y), want->ScanLine(y), got->Width()), 0) << "row " << y;
}

template <class T>
std::unique_ptr<T> BlockStretch(const T& source, TPoint size) {
    std::unique_ptr<T> target;
    if constexpr (std::is_same_v<T, TMaskDib>) target = TMaskDib::Create(size.X, size.Y);
    else target = TDib::Create(size.X, size.Y, source.Colors());
    for (int i = 0; i < source.Colors(); ++i) target->SetColor(i, source.GetColor(i));
    target->Canvas().CopyMode = TCopyMode::SrcCopy;
    StretchBlock(target->Canvas(), TPoint{0, 0}, size, const_cast<T&>(source).Canvas(), source.GetRect());
    return target;
}

// The rotation as written: corners rounded half away from zero, every target pixel through
// the inverse rotation rounded half to even, the result trimmed to its mask.
TTransformResult WrittenRotation(const TDib& source, const TMaskDib& mask, int angle, uint8_t background) {
    const double theta = angle * 0.017453292519943295769;
    const float s = static_cast<float>(std::sin(theta)), c = static_cast<float>(std::cos(theta));
    const int w = source.Width(), h = source.Height();
    const TPoint p1{int(std::lround((w - 1) * double(c))), int(std::lround((w - 1) * double(s)))};
    const TPoint p2{int(std::lround(-(h - 1) * double(s))), int(std::lround((h - 1) * double(c)))};
    TRect b{0, 0, 1, 1};
    for (const TPoint& p : {p1, p2, TPoint{p1.X + p2.X, p1.Y + p2.Y}}) {
        if (p.X < b.Left) b.Left = p.X;
        else if (p.X >= b.Right - 1) b.Right = p.X + 1;
        if (p.Y < b.Top) b.Top = p.Y;
        else if (p.Y >= b.Bottom - 1) b.Bottom = p.Y + 1;
    }
    auto image = TDib::Create(b.Width(), b.Height(), source.Colors());
    for (int i = 0; i < source.Colors(); ++i) image->SetColor(i, source.GetColor(i));
    FillAll(*image, background);
    auto newMask = TMaskDib::Create(b.Width(), b.Height());
    const float is = static_cast<float>(std::sin(-theta)), ic = static_cast<float>(std::cos(-theta));
    for (int j = 0; j < b.Height(); ++j)
        for (int i = 0; i < b.Width(); ++i) {
            const double X = b.Left + i, Y = b.Top + j;
            const long sx = std::lrint(X * ic - Y * is), sy = std::lrint(X * is + Y * ic);
            if (sx < 0 || sx >= w || sy < 0 || sy >= h) continue;
            image->ScanLine(j)[i] = source.ScanLine(int(sy))[sx];
            newMask->ScanLine(j)[i] = mask.ScanLine(int(sy))[sx];
        }
    const TRect kept = newMask->Bounds();
    if (kept.IsEmpty()) return {true, nullptr, nullptr};
    return {true, TDib::CreateFromRect(*image, kept), TMaskDib::CreateFromRect(*newMask, kept)};
}

TEST(NearestTransform, StretchIsTheBlockCopysPicture) {
    std::mt19937 rng(5);
    TNoProgress none;
    for (const TPoint from : {TPoint{300, 40}, TPoint{37, 23}, TPoint{1, 1}}) {
        const auto source = RandomPiece(from.X, from.Y, rng);
        const auto mask = Mask(*source, true, rng);
        for (const TPoint to : {TPoint{451, 61}, TPoint{200, 30}, TPoint{3000, 3}, TPoint{17, 90}, TPoint{1, 1}}) {
            SCOPED_TRACE(testing::Message() << from.X << "x" << from.Y << " to " << to.X << "x" << to.Y);
            const TTransformResult got = StretchPiece(*source, *mask, false, to, none);
            ExpectSamePixels(got.Image.get(), BlockStretch(*source, to).get());
            ExpectSamePixels(got.Mask.get(), BlockStretch(*mask, to).get());
        }
    }
}

TEST(NearestTransform, RotationIsThePerPixelPicture) {
    std::mt19937 rng(9);
    TNoProgress none;
    for (const TPoint size : {TPoint{61, 47}, TPoint{200, 3}, TPoint{1, 9}}) {
        const auto source = RandomPiece(size.X, size.Y, rng);
        for (bool ragged : {false, true}) {
            const auto mask = Mask(*source, ragged, rng);
            for (int angle = -359; angle < 360; angle += ragged ? 13 : 1) {
                SCOPED_TRACE(testing::Message() << size.X << "x" << size.Y << " ragged " << ragged << " angle " << angle);
                if (angle == 0) continue;
                const TTransformResult got = RotatePiece(*source, *mask, angle, false, source->GetColor(3), none);
                const uint8_t background = static_cast<uint8_t>(NearestTableIndex(source->UsedColorTable(), source->ColorTable()[3]));
                const TTransformResult want = WrittenRotation(*source, *mask, angle, background);
                ExpectSamePixels(got.Image.get(), want.Image.get());
                ExpectSamePixels(got.Mask.get(), want.Mask.get());
            }
        }
    }
}

}  // namespace
}  // namespace pixmo
