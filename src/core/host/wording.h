#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/form/form1.h"
#include "core/numbers/run_time_error.h"

// Every text the host gives a user, worded through one catalogue lookup that
// the front-end passes in: the desktop's is Qt's installed catalogues, the
// page's the same catalogues built into it. Without a lookup the texts read
// as designed.
namespace kestrel::host {

using texts::Translate;

class Wording {
public:
    explicit Wording(Translate translate = nullptr);

    [[nodiscard]] std::string text(std::string_view context, std::string_view text) const;
    [[nodiscard]] const Translate& translate() const { return translate_; }

    // An input error's message, its box named in the language.
    [[nodiscard]] std::string error(const RunTimeError& error) const;
    // A fatal error's message: the program ends after it.
    [[nodiscard]] std::string fatal(const RunTimeError& error) const;
    // Why a saved run could not be opened: `source` names the file, `line`
    // is 1-based, `problem` is worded already, `quoted` the line quoted as
    // printable_text.h quotes it.
    [[nodiscard]] std::string runNotOpened(std::string_view source, int line, std::string_view problem,
                                           std::string_view quoted) const;
    // The band diagram in words, for screen readers.
    [[nodiscard]] std::string description(const Form1& form) const;
    [[nodiscard]] std::string diagramName() const;
    // What a new readout of the current box says.
    [[nodiscard]] std::string readout(std::string_view value) const;

private:
    Translate translate_;
};

}  // namespace kestrel::host
