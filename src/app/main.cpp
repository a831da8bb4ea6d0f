// kestrel: the p-n junction teaching animation.

#include <QApplication>
#include <QIcon>

#include "app_identity.h"
#include "command_line.h"
#include "core/form/design.h"
#include "ui/form_window.h"

namespace {

// The program icon at every size it is drawn in.
QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/kestrel.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto status = kestrel::app::readCommandLine(argc, argv).exitStatus) {
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kestrel::app::kInternalName));
    QApplication::setApplicationVersion(QString::fromUtf8(kestrel::app::kVersion));
    // Qt adds the display name to every window title that does not end with
    // it; the window's caption begins with the program's display name and is
    // shown as the display name, so the caption stays exactly as designed.
    QApplication::setApplicationDisplayName(QString::fromUtf8(kestrel::design::kWindowCaption));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kestrel::app::kAppId));
    QApplication::setWindowIcon(programIcon());

    kestrel::ui::FormWindow window;
    window.show();
    return QApplication::exec();
}
