// kestrel: the p-n junction teaching animation.

#include <QApplication>

#include "ui/form_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kestrel");
    QApplication::setApplicationDisplayName("Kestrel Sim");

    kestrel::ui::FormWindow window;
    window.show();
    return QApplication::exec();
}
