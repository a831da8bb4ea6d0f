#pragma once

#include <QWidget>

#include "core/host/actions.h"

class QAction;
class QLabel;
class QPushButton;
class QSlider;

namespace kestrel::ui {

class ClassroomActions;

// The classroom panel under the form: large buttons for the classroom
// actions a class uses most (the same QActions as the keys and the menu),
// a bias slider and the run's status, for a teacher at a whiteboard or a
// student at a touch screen. The slider goes from the lowest bias the form
// keeps to the highest in hundredths of a volt; letting go of it (or moving
// it by a key) chooses the bias, and the window applies it as a user would.
class ClassroomPanel : public QWidget {
    Q_OBJECT

public:
    ClassroomPanel(const ClassroomActions& actions, QWidget* parent);

    [[nodiscard]] QSlider* slider() const { return slider_; }
    // The bias box's text, as the slider's place (while no one holds it).
    void followBias(const QString& biasText);
    void showStatus(const QString& line);

signals:
    // The bias the slider was let go at, written as the bias box takes it.
    void biasChosen(const QString& text);

private:
    QPushButton* actionButton(QAction& action, const host::ActionDesign& design);
    void showSliderBias(int hundredths);
    void choose();

    QLabel* status_ = nullptr;
    QLabel* biasValue_ = nullptr;
    QSlider* slider_ = nullptr;
};

}  // namespace kestrel::ui
