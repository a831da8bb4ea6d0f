#include "ui/classroom_panel.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/controls/bias_enter.h"
#include "core/controls/bias_slider.h"
#include "ui/classroom_actions.h"
#include "ui/core_texts.h"

namespace kestrel::ui {
namespace {

// Large enough for a finger: 44 pixels at the least, in larger letters.
constexpr int kSmallestTarget = 44;
constexpr double kLetterScale = 1.25;
constexpr double kStatusScale = 1.6;
constexpr int kSliderPageStep = 10;

// A tap or a click on the slider's groove puts the handle there, as a
// finger on a whiteboard expects, instead of stepping toward it.
class TapToPlaceStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_Slider_AbsoluteSetButtons) {
            return Qt::LeftButton;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

QFont scaled(QFont font, double scale) {
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

}  // namespace

ClassroomPanel::ClassroomPanel(const ClassroomActions& actions, QWidget* parent) : QWidget(parent) {
    setFont(scaled(font(), kLetterScale));
    setAutoFillBackground(true);

    status_ = new QLabel(this);
    status_->setFont(scaled(font(), kStatusScale / kLetterScale));
    status_->setAlignment(Qt::AlignCenter);

    auto* biasCaption = new QLabel(boxName(design::kTextBoxes[kBiasBox].caption), this);
    slider_ = new QSlider(Qt::Horizontal, this);
    auto* style = new TapToPlaceStyle;
    style->setParent(slider_);
    slider_->setStyle(style);
    slider_->setRange(kSliderLowest, kSliderHighest);
    slider_->setPageStep(kSliderPageStep);
    slider_->setMinimumHeight(kSmallestTarget);
    slider_->setAccessibleName(biasCaption->text());
    biasCaption->setBuddy(slider_);
    biasValue_ = new QLabel(this);
    biasValue_->setMinimumWidth(biasValue_->fontMetrics().horizontalAdvance(QStringLiteral("-0.70 V ")));
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        showSliderBias(value);
        if (!slider_->isSliderDown()) {
            choose();  // moved by a key, the wheel or a click beside the handle
        }
    });
    connect(slider_, &QSlider::sliderReleased, this, &ClassroomPanel::choose);
    auto* biasRow = new QHBoxLayout;
    biasRow->addWidget(biasCaption);
    biasRow->addWidget(slider_, 1);
    biasRow->addWidget(biasValue_);

    auto* buttons = new QGridLayout;
    for (std::size_t i = 0; i < host::kPanelActions.size(); ++i) {
        const int n = static_cast<int>(i);
        buttons->addWidget(
            actionButton(*actions[host::kPanelActions[i]], host::actionDesign(host::kPanelActions[i])),
            n / host::kPanelColumns, n % host::kPanelColumns);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addLayout(biasRow);
    layout->addLayout(buttons);
    showSliderBias(slider_->value());
}

// A large button for `action`, with the table's short caption; a toggle's
// shows what pressing it does now ("Pause" or "Carry on") and whether it is on.
QPushButton* ClassroomPanel::actionButton(QAction& action, const host::ActionDesign& design) {
    auto* button = new QPushButton(this);
    button->setMinimumSize(kSmallestTarget, kSmallestTarget);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setCheckable(action.isCheckable());
    button->setToolTip(action.toolTip());
    const auto follow = [button, &action, &design] {
        button->setText(design.captionWhenOn ? action.text() : actionText(design.panelCaption));
        button->setChecked(action.isChecked());
        button->setEnabled(action.isEnabled());
    };
    follow();
    connect(&action, &QAction::changed, button, follow);
    connect(button, &QPushButton::clicked, &action, [&action] { action.trigger(); });
    return button;
}

void ClassroomPanel::followBias(const QString& biasText) {
    if (!slider_->isSliderDown()) {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(sliderPosition(biasText.toStdString()));
        showSliderBias(slider_->value());
    }
}

void ClassroomPanel::showStatus(const QString& line) {
    if (status_->text() != line) {
        status_->setText(line);
    }
}

void ClassroomPanel::showSliderBias(int hundredths) {
    biasValue_->setText(tr("%1 V").arg(QString::fromStdString(sliderBiasText(hundredths))));
}

void ClassroomPanel::choose() {
    emit biasChosen(QString::fromStdString(sliderBiasText(slider_->value())));
}

}  // namespace kestrel::ui
