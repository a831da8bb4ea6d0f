#include "core/host/wording.h"

#include <array>

#include "core/picture/diagram_description.h"
#include "core/session/printable_text.h"

namespace kestrel::host {
namespace {

constexpr const char* kFatal = KESTREL_TEXT("host", "Run-time error: %1. The program ends.");
constexpr const char* kRunNotOpened =
    KESTREL_TEXT("host", "%1, line %2: %3: %4. The run was not opened; the class's run goes on as it was.");

}  // namespace

Wording::Wording(Translate translate) : translate_(std::move(translate)) {}

std::string Wording::text(std::string_view context, std::string_view text) const {
    return texts::inLanguage(translate_, context, text);
}

std::string Wording::error(const RunTimeError& error) const {
    const ErrorWording& wording = error.wording();
    if (!wording.pattern) {
        return error.what();
    }
    return texts::fillIn(text("errors", wording.pattern),
                         {text("boxes", wording.caption), script::printable(wording.text)});
}

std::string Wording::fatal(const RunTimeError& error) const {
    return texts::fillIn(text("host", kFatal), {this->error(error)});
}

std::string Wording::runNotOpened(std::string_view source, int line, std::string_view problem,
                                  std::string_view quoted) const {
    return texts::fillIn(text("host", kRunNotOpened),
                         {script::printable(source), std::to_string(line), problem, quoted});
}

std::string Wording::description(const Form1& form) const {
    const picture::DiagramWords& words = picture::kDiagramWords;
    std::array<std::string, 6> local;
    std::size_t n = 0;
    for (const std::string_view word :
         {words.notSetUp, words.unbiased, words.forward, words.reverse, words.carriers, words.readout}) {
        local.at(n++) = text("diagram", word);
    }
    return picture::describeDiagram(picture::diagramFacts(form),
                                    {local[0], local[1], local[2], local[3], local[4], local[5]});
}

std::string Wording::diagramName() const {
    return text("diagram", picture::kDiagramName);
}

std::string Wording::readout(std::string_view value) const {
    return texts::fillIn(text("diagram", picture::kDiagramWords.readout), {value});
}

}  // namespace kestrel::host
