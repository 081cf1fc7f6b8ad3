// Each tool-box button's row names a picture the glyph library draws, no two alike.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>

#include "tools/tool_items.h"
#include "windows/tool_glyphs.h"

namespace pixmo::test {
namespace {

QImage Paint(const char* glyph) {
    QImage image(17, 17, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    ToolGlyph(glyph)(p, QRectF(0, 0, 17, 17));
    return image;
}

TEST(ToolGlyphs, EveryButtonRowNamesADistinctPicture) {
    const QImage blank = Paint(nullptr);
    EXPECT_EQ(Paint("NoSuchPicture"), blank);
    std::set<QByteArray> seen;
    for (const TToolEntry& row : ToolEntries()) {
        if (!row.Button.Name) continue;
        const QImage image = Paint(row.Glyph);
        EXPECT_NE(image, blank) << row.Name;
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_TRUE(seen.insert(bytes).second) << row.Name;
    }
}

}  // namespace
}  // namespace pixmo::test
