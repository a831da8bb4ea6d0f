// kestrel: the p-n junction teaching animation.

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include "app_identity.h"
#include "command_line.h"
#include "core/form/design.h"
#include "run_recorder.h"
#include "ui/core_texts.h"
#include "ui/form_window.h"
#include "ui/language.h"

namespace {

constexpr int kBiasBox = 4;      // Text4, "Bias (V)"
constexpr int kStartButton = 1;  // Command1, "Start"

// The program icon at every size it is drawn in.
QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/kestrel.png").arg(size), QSize(size, size));
    }
    return icon;
}

// Sets the window up as the command line asks: the speed and the pause
// first, which an opened run keeps, so a run opened paused stands exactly at
// its last line; then the saved run, the bias typed and the size; "Start" is
// clicked once the window is up.
void applyStartOptions(kestrel::ui::FormWindow& window, const kestrel::app::StartOptions& start) {
    if (start.speed) {
        window.setSpeed(*start.speed);
    }
    if (start.paused) {
        window.setPaused(true);
    }
    if (start.scriptPath) {
        window.replayScript(QByteArray::fromStdString(start.script),
                            QString::fromStdString(*start.scriptPath));
    }
    if (start.bias) {
        window.typeText(kBiasBox, QString::fromStdString(*start.bias));
    }
    if (start.zoom) {
        window.setZoom(*start.zoom);
    }
    if (start.fullScreen) {
        window.setFullScreen(true);
    }
    if (start.start) {
        QTimer::singleShot(0, window.button(kStartButton), &QPushButton::click);
    }
}

// The classroom panel shows as the teacher last left it.
void rememberPanel(kestrel::ui::FormWindow& window) {
    const QString key = QStringLiteral("classroom/panel");
    window.setPanelShown(QSettings().value(key, false).toBool());
    QObject::connect(&window, &kestrel::ui::FormWindow::panelToggled,
                     [key](bool shown) { QSettings().setValue(key, shown); });
}

}  // namespace

int main(int argc, char** argv) {
    using kestrel::ui::chooseLanguage;
    kestrel::ui::Translation translation(
        chooseLanguage(kestrel::app::languageAsked(argc, argv), QLocale::system().uiLanguages()));
    const kestrel::app::CommandLine commandLine = kestrel::app::readCommandLine(argc, argv, translation);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    QApplication app(argc, argv);
    translation.install();
    QApplication::setApplicationName(QString::fromUtf8(kestrel::app::kInternalName));
    QApplication::setOrganizationName(QString::fromUtf8(kestrel::app::kInternalName));
    QApplication::setApplicationVersion(QString::fromUtf8(kestrel::app::kVersion));
    // Qt adds the display name to every window title that does not end with
    // it; the window's caption begins with the program's display name and is
    // shown as the display name, so the caption stays exactly as designed.
    QApplication::setApplicationDisplayName(kestrel::ui::designText(kestrel::design::kWindowCaption));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kestrel::app::kAppId));
    QApplication::setWindowIcon(programIcon());

    kestrel::ui::FormWindow window;
    rememberPanel(window);
    if (commandLine.start.recordPath) {
        new kestrel::app::RunRecorder(QString::fromStdString(*commandLine.start.recordPath), window, &app);
    }
    window.show();
    applyStartOptions(window, commandLine.start);
    return QApplication::exec();
}
