#pragma once

#include <QFont>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "core/form/form1.h"
#include "ui/dot_sprite.h"
#include "ui/frame_log.h"
#include "ui/painted_items.h"

class QLineEdit;
class QPushButton;
class QTimer;

namespace kestrel::ui {

class ChartView;

// The one window. It lays out the items at their design places, paints the
// form's lines and dots, forwards the eight window events to the form and
// mirrors back what the form changed. The rules of the simulation all live in
// the form.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    // Tells the user about an error. A fatal one ends the program once the
    // message has been seen; any other leaves the program running.
    using MessageSink = std::function<void(QWidget* parent, const QString& text, bool fatal)>;

    explicit FormWindow(MessageSink showMessage = showMessageBox, QWidget* parent = nullptr);

    Form1& form() { return form_; }
    QLineEdit* textBox(int number) const { return textBoxes_.at(static_cast<std::size_t>(number - 1)); }
    QPushButton* button(int number) const { return buttons_.at(static_cast<std::size_t>(number - 1)); }
    ChartView* picture() const { return picture_; }
    QTimer* timer(int number) const { return timers_.at(static_cast<std::size_t>(number - 1)); }

    static void showMessageBox(QWidget* parent, const QString& text, bool fatal);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createTextBoxes();
    void createButtons();
    void createTimers();
    void chainTabOrder();

    // Runs one window event on the form, then shows what it changed.
    void runEvent(const std::function<void()>& procedure);
    // Runs work, timed in the frame log when there is one.
    void timed(const char* what, const std::function<void()>& work);
    void mirrorForm();
    void stopTimers();
    void endProgram(int status);

    Form1 form_;
    MessageSink showMessage_;
    QFont letterFont_;
    std::array<QLineEdit*, 7> textBoxes_{};
    std::array<TextBoxItem*, 7> textBoxItems_{};  // the form's box behind each widget
    std::array<QPushButton*, 3> buttons_{};
    std::array<QTimer*, 4> timers_{};
    ChartView* picture_ = nullptr;
    PaintedItems painted_;
    DotSprites dotSprites_;
    std::unique_ptr<FrameLog> frameLog_ = FrameLog::fromEnvironment();
};

}  // namespace kestrel::ui
