#pragma once

#include <QFont>
#include <QWidget>
#include <array>
#include <functional>

#include "core/picture/painted_items.h"
#include "ui/dot_sprite.h"

class QLineEdit;
class QPushButton;

namespace kestrel {
class Form1;
}

namespace kestrel::ui {

class ChartView;

// The form's own surface: the band diagram painted from the form's items,
// with the text boxes, buttons and strip chart as real widgets at their
// design places. At a zoom every place, line, dot, font and control is that
// many times its design size; at zoom 1 it is the designed window. A control
// that lies wholly outside the surface's visible part is hidden and out of
// the Tab order until the window grows to show it.
class FormSurface : public QWidget {
    Q_OBJECT

public:
    FormSurface(const Form1& form, QWidget* parent);

    QLineEdit* textBox(int number) const { return textBoxes_.at(static_cast<std::size_t>(number - 1)); }
    QPushButton* button(int number) const { return buttons_.at(static_cast<std::size_t>(number - 1)); }
    ChartView* picture() const { return picture_; }

    [[nodiscard]] const Form1& form() const { return *form_; }
    // A new form takes the old one's place; everything is painted afresh.
    void setForm(const Form1& form);

    [[nodiscard]] double zoom() const { return zoom_; }
    void setZoom(double zoom);
    // The client area's size at the zoom.
    [[nodiscard]] QSize formSize() const;

    // Repaints what the form changed since it was last painted: the moved
    // lines and dots, and the strip chart.
    void showChanges();

    // Runs once, when the surface is first painted.
    void onFirstPaint(std::function<void()> firstPaint) { firstPaint_ = std::move(firstPaint); }

signals:
    // A right click on the surface itself, not on a control; or the menu
    // key.
    void menuWanted(const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createTextBoxes();
    void createButtons();
    void chainTabOrder();
    void layOut();
    void showWhatIsInView();

    const Form1* form_;
    QFont designFont_;
    QFont letterFont_;
    double zoom_ = 1;
    std::array<QLineEdit*, 7> textBoxes_{};
    std::array<QPushButton*, 3> buttons_{};
    ChartView* picture_ = nullptr;
    picture::PaintedItems painted_;
    DotSprites dotSprites_;
    std::function<void()> firstPaint_;
};

}  // namespace kestrel::ui
