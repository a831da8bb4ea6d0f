#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace kestrel::ui {
class FormWindow;
}

namespace kestrel::app {

// Writes the window's whole run to a file when the program ends, however
// it ends: "Close", a fatal error, the window closed, or a request to end
// from outside (SIGINT, SIGTERM, SIGHUP), which ends the event loop so the
// record is written too. The file is written whole or not at all.
class RunRecorder : public QObject {
    Q_OBJECT

public:
    RunRecorder(QString path, const ui::FormWindow& window, QObject* parent);
    ~RunRecorder() override;

private:
    void write();

    QString path_;
    const ui::FormWindow& window_;
    QSocketNotifier* ending_ = nullptr;
};

}  // namespace kestrel::app
