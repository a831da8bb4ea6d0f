#include "ui/light_palette.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include "ui/form_window.h"

namespace kestrel::ui {
namespace {

QPalette darkPalette() {
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, Qt::white);
    }
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    return dark;
}

// The application's palette for the test's length.
class DesktopPalette {
public:
    explicit DesktopPalette(const QPalette& palette) : saved_(QApplication::palette()) { set(palette); }
    ~DesktopPalette() { set(saved_); }
    DesktopPalette(const DesktopPalette&) = delete;
    DesktopPalette& operator=(const DesktopPalette&) = delete;

private:
    static void set(const QPalette& palette) {
        QApplication::setPalette(palette);
        QApplication::sendPostedEvents();
    }

    QPalette saved_;
};

QImage render(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Black band lines on light grey, dark text in white boxes.
void expectDesignedColours(FormWindow& window) {
    const QImage image = render(window);
    EXPECT_EQ(image.pixel(150, 128), qRgb(0, 0, 0));  // the n-side conduction edge
    EXPECT_GT(qGray(image.pixel(20, 20)), 200);       // beside the diagram
    const QRect bias = window.textBox(4)->geometry();
    EXPECT_EQ(image.pixel(bias.right() - 3, bias.center().y()), qRgb(255, 255, 255));
    EXPECT_EQ(window.textBox(4)->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(window.button(1)->palette().color(QPalette::ButtonText), QColor(Qt::black));
}

TEST(FormPalette, KeepsALightDesktopsPaletteAndLightensADarkOne) {
    const QPalette light = QApplication::palette();
    ASSERT_TRUE(isLight(light));
    EXPECT_EQ(formPalette(light), light);
    EXPECT_FALSE(isLight(darkPalette()));
    EXPECT_TRUE(isLight(formPalette(darkPalette())));
}

TEST(FormPalette, TheDiagramKeepsItsColoursOnADarkDesktop) {
    const DesktopPalette dark(darkPalette());
    FormWindow window([](QWidget*, const QString&, bool) {});
    expectDesignedColours(window);
}

TEST(FormPalette, TheWindowFollowsTheDesktopTurningDarkAndLightAgain) {
    FormWindow window([](QWidget*, const QString&, bool) {});
    const QImage designed = render(window);
    {
        const DesktopPalette dark(darkPalette());
        expectDesignedColours(window);
    }
    EXPECT_EQ(render(window), designed);
}

}  // namespace
}  // namespace kestrel::ui
