#include "option_help.h"

#include <QStringList>
#include <algorithm>
#include <string>

#include "core/dump/display_width.h"
#include "core/picture/text_wrap.h"

namespace kestrel::app {
namespace {

constexpr int kLastColumn = 79;
constexpr int kIndent = 2;
// Between the names and what the option does, beyond the widest names.
constexpr int kGap = 2;

int columns(const QString& text) {
    return displayWidth(text.toStdString());
}

QString namesOf(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names()) {
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) {
        text += QStringLiteral(" <%1>").arg(option.valueName());
    }
    return text;
}

QString spaces(int count) {
    return QString(std::max(count, 0), QLatin1Char(' '));
}

}  // namespace

QString optionHelp(const QList<QCommandLineOption>& options) {
    int namesWidth = 0;
    for (const QCommandLineOption& option : options) {
        namesWidth = std::max(namesWidth, columns(namesOf(option)));
    }
    const int descriptionColumn = kIndent + namesWidth + kGap;
    const auto measure = [](std::string_view text) { return static_cast<double>(displayWidth(text)); };
    QString text;
    for (const QCommandLineOption& option : options) {
        const QString names = namesOf(option);
        const std::string wrapped =
            picture::wrapText(option.description().toStdString(), kLastColumn - descriptionColumn, measure);
        QString indent = spaces(kIndent) + names + spaces(descriptionColumn - kIndent - columns(names));
        for (const QString& line : QString::fromStdString(wrapped).split(QLatin1Char('\n'))) {
            text += indent + line + QLatin1Char('\n');
            indent = spaces(descriptionColumn);
        }
    }
    return text;
}

}  // namespace kestrel::app
