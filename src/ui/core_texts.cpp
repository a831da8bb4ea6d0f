#include "ui/core_texts.h"

#include <QByteArray>
#include <QCoreApplication>

#include "core/host/wording.h"

namespace kestrel::ui {
namespace {

QString translated(std::string_view context, std::string_view source) {
    const QByteArray contextText(context.data(), static_cast<qsizetype>(context.size()));
    const QByteArray text(source.data(), static_cast<qsizetype>(source.size()));
    return QCoreApplication::translate(contextText.constData(), text.constData());
}

host::Wording wording() {
    return host::Wording(translateCoreText);
}

}  // namespace

std::string translateCoreText(std::string_view context, std::string_view text) {
    return translated(context, text).toStdString();
}

QString designText(std::string_view caption) {
    return translated("design", caption);
}

QString boxName(std::string_view caption) {
    return translated("boxes", caption);
}

QString diagramName() {
    return QString::fromStdString(wording().diagramName());
}

QString diagramDescription(const Form1& form) {
    return QString::fromStdString(wording().description(form));
}

}  // namespace kestrel::ui
