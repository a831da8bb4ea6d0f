#include "ui/light_palette.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "core/form/design.h"

namespace kestrel::ui {
namespace {

QColor qtColour(design::Colour colour) {
    return {colour.red, colour.green, colour.blue};
}

bool lighter(const QPalette& palette, QPalette::ColorRole background, QPalette::ColorRole text) {
    return palette.color(background).lightness() > palette.color(text).lightness();
}

// Reapplies the form's palette when the desktop's changes.
class PaletteKeeper : public QObject {
public:
    explicit PaletteKeeper(QWidget* window) : QObject(window), window_(window) { apply(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::ApplicationPaletteChange) {
            apply();
        }
        return false;
    }

private:
    void apply() { window_->setPalette(formPalette(QApplication::palette())); }

    QWidget* window_;
};

}  // namespace

bool isLight(const QPalette& palette) {
    return lighter(palette, QPalette::Window, QPalette::WindowText) &&
           lighter(palette, QPalette::Base, QPalette::Text) &&
           lighter(palette, QPalette::Button, QPalette::ButtonText);
}

QPalette formPalette(const QPalette& desktop) {
    if (isLight(desktop)) {
        return desktop;
    }
    // Light and dark shades for the bevels, white boxes, black text.
    return {qtColour(design::kWindowBackground), qtColour(design::kWindowBackground)};
}

void keepFormPalette(QWidget* window) {
    window->installEventFilter(new PaletteKeeper(window));
}

}  // namespace kestrel::ui
