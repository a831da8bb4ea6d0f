#include "ui/what_you_see_page.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/host/what_you_see.h"
#include "core/picture/legend.h"
#include "core/picture/text_wrap.h"
#include "ui/core_texts.h"
#include "ui/legend_view.h"

namespace kestrel::ui {
namespace {

// The legend and the words, this much larger than the window's design.
constexpr double kZoom = 1.5;
constexpr double kTextPoints = 12;
constexpr double kHeadingPoints = 14;

QString explained(const char* text) {
    return QString::fromStdString(translateCoreText("explain", text));
}

// A text in `points`, broken by the core into lines `width` pixels wide.
QLabel* paragraph(const QString& text, double points, bool bold, int width, QWidget* parent) {
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    const QFontMetricsF metrics(font);
    const auto measure = [&metrics](std::string_view piece) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(piece.data(), static_cast<qsizetype>(piece.size())));
    };
    label->setText(QString::fromStdString(picture::wrapText(text.toStdString(), width, measure)));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

WhatYouSeePage::WhatYouSeePage(QWidget* parent) : QScrollArea(parent) {
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    auto* legend = new LegendView(kZoom, content);
    const int width = legend->sizeHint().width();
    layout->addWidget(paragraph(explained(host::kLegendHeading), kHeadingPoints, true, width, content));
    layout->addWidget(legend);
    for (const host::ExplainedSection& section : host::kWhatYouSee) {
        layout->addSpacing(layout->spacing());
        layout->addWidget(paragraph(explained(section.heading), kHeadingPoints, true, width, content));
        layout->addWidget(paragraph(explained(section.text), kTextPoints, false, width, content));
    }
    layout->addStretch();
    setWidget(content);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMinimumWidth(content->sizeHint().width() + verticalScrollBar()->sizeHint().width() + frameWidth() * 2);
}

}  // namespace kestrel::ui
