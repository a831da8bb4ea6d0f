#include "ui/screen_place.h"

#include <gtest/gtest.h>

namespace kestrel::ui {
namespace {

// The designed window: 605 by 453 at (217, 160).
const QRect kDesigned(217, 160, 605, 453);

TEST(PlaceOnScreen, KeepsTheDesignedPlaceWhereItFits) {
    EXPECT_EQ(placeOnScreen(kDesigned, QRect(0, 0, 1920, 1080)), QPoint(217, 160));
    EXPECT_EQ(placeOnScreen(kDesigned, QRect(0, 0, 822, 613)), QPoint(217, 160));  // to the last pixel
}

TEST(PlaceOnScreen, MovesTheWindowJustInsideASmallScreenOrPanels) {
    EXPECT_EQ(placeOnScreen(kDesigned, QRect(0, 0, 800, 600)), QPoint(195, 147));
    // A panel on the left and one on top.
    EXPECT_EQ(placeOnScreen(kDesigned, QRect(250, 200, 1000, 700)), QPoint(250, 200));
    // A second screen right of the first, and one above it.
    EXPECT_EQ(placeOnScreen(kDesigned, QRect(1920, 0, 1280, 1024)), QPoint(1920, 160));
    EXPECT_EQ(placeOnScreen(kDesigned, QRect(0, -1080, 1920, 1080)), QPoint(217, -453));
}

TEST(PlaceOnScreen, AWindowLargerThanTheScreenShowsItsTopLeft) {
    const QRect zoomed(217, 160, 2420, 1812);  // 400 %
    EXPECT_EQ(placeOnScreen(zoomed, QRect(0, 30, 1366, 738)), QPoint(0, 30));
    EXPECT_EQ(placeOnScreen(kDesigned, QRect(0, 0, 640, 400)), QPoint(35, 0));
}

TEST(PlaceOnScreen, NoScreenLeavesThePlace) {
    EXPECT_EQ(placeOnScreen(kDesigned, QRect()), QPoint(217, 160));
}

}  // namespace
}  // namespace kestrel::ui
