#include "ui/core_texts.h"

#include <QByteArray>
#include <QCoreApplication>
#include <array>

#include "core/numbers/run_time_error.h"
#include "core/picture/diagram_description.h"

namespace kestrel::ui {
namespace {

QString translated(const char* context, std::string_view source) {
    const QByteArray text(source.data(), static_cast<qsizetype>(source.size()));
    return QCoreApplication::translate(context, text.constData());
}

QString fillIn(const QString& pattern, const std::initializer_list<std::string_view> values) {
    return QString::fromStdString(texts::fillIn(pattern.toStdString(), values));
}

}  // namespace

QString designText(std::string_view caption) {
    return translated("design", caption);
}

QString boxName(std::string_view caption) {
    return translated("boxes", caption);
}

QString errorMessage(const RunTimeError& error) {
    const ErrorWording& wording = error.wording();
    if (!wording.pattern) {
        return QString::fromUtf8(error.what());
    }
    return fillIn(translated("errors", wording.pattern),
                  {boxName(wording.caption).toStdString(), wording.text});
}

QString scriptProblem(const std::string& problem) {
    return translated("script", problem);
}

QString diagramName() {
    return translated("diagram", picture::kDiagramName);
}

QString diagramDescription(const Form1& form) {
    const picture::DiagramWords& words = picture::kDiagramWords;
    std::array<std::string, 6> texts;
    std::size_t n = 0;
    for (const std::string_view word :
         {words.notSetUp, words.unbiased, words.forward, words.reverse, words.carriers, words.readout}) {
        texts.at(n++) = translated("diagram", word).toStdString();
    }
    const picture::DiagramWords local{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
    return QString::fromStdString(picture::describeDiagram(picture::diagramFacts(form), local));
}

QString readoutText(const std::string& readout) {
    return fillIn(translated("diagram", picture::kDiagramWords.readout), {readout});
}

}  // namespace kestrel::ui
