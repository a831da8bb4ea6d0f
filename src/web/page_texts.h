#pragma once

#include <array>

#include "core/form/texts.h"

// The page's own texts (its bar, its dialogs, the end of a run), in the
// same catalogues as the window's, so the page speaks English or Japanese
// as the window does. The page finds each by its English text.
namespace kestrel::web {

inline constexpr std::array kPageTexts{
    KESTREL_TEXT("page", "Menu"),
    KESTREL_TEXT("page", "OK"),
    KESTREL_TEXT("page", "Keys"),
    KESTREL_TEXT("page", "Key"),
    KESTREL_TEXT("page", "What it does"),
    KESTREL_TEXT("page", "Kestrel Sim has ended."),
    KESTREL_TEXT("page", "Save this run"),
    KESTREL_TEXT("page", "Run it again"),
    KESTREL_TEXT("page", "End this run?"),
    KESTREL_TEXT("page", "This run has readouts. Save it before it ends, to open it again later?"),
    KESTREL_TEXT("page", "Save the run and end"),
    KESTREL_TEXT("page", "End without saving"),
    KESTREL_TEXT("page", "Go on with the run"),
    KESTREL_TEXT("page", "A link to this set-up is copied:"),
};

}  // namespace kestrel::web
