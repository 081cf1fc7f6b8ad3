// Tool buttons: a left press clicks at once and runs the bound item, one button of the
// process-wide group is down, Ctrl asks for the item's key, other buttons do nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QWidget>

#include "uikit/app_button.h"

namespace pixmo::test {

TEST(AppButton, LeftPressClicksRightPressDoesNothingCtrlEditsTheKey) {
    QWidget host;
    QAction item("&Linea", &host), other("Cerchio", &host), window("Matita", &host);
    item.setObjectName("MIDrawLine");
    int runs = 0, windows = 0;
    QObject::connect(&item, &QAction::triggered, [&] { ++runs; });
    QObject::connect(&window, &QAction::triggered, [&] { ++windows; });
    TAppButton a("SBDrawLine", "Linea", &host), b("SBDrawEllipse", "Cerchio", &host);
    a.SetMenuItem(&item);
    a.SetDblMenuItem(&window);
    b.SetMenuItem(&other);
    std::vector<std::string> edited;
    a.SetOnEditShortcut([&](const std::string& name) { edited.push_back(name); });
    EXPECT_EQ(a.toolTip(), "Linea");

    QTest::mousePress(&a, Qt::RightButton);
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(a.IsDown());

    b.SetDown(true);
    QTest::mousePress(&a, Qt::LeftButton);  // on the press, not the release
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(a.IsDown());
    EXPECT_FALSE(b.IsDown());
    QTest::mouseRelease(&a, Qt::LeftButton);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(edited.empty());

    QTest::mousePress(&a, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(edited, (std::vector<std::string>{"MIDrawLine"}));

    QTest::mouseDClick(&a, Qt::LeftButton);
    EXPECT_EQ(windows, 1);

    // All may be up.
    a.SetDown(false);
    EXPECT_FALSE(a.IsDown() || b.IsDown());
}

}  // namespace pixmo::test
