#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// KESTREL_TEXT(context, text) marks a text that a user reads, so that the
// translation tools gather it into the front-ends' catalogues under
// `context`; it is the text itself. A front-end looks the text up under the
// same context: "design" for the window's captions, "boxes" for the names
// of the text boxes and the chart, "errors" for run-time
// errors, "script" for a saved script's problems, "diagram" for the band
// diagram in words, "explain" for the page that explains the picture.
#define KESTREL_TEXT(context, text) text

namespace kestrel::texts {

// A marked text in the user's language, looked up under its context; gives
// the text back when it has no translation. Each front-end passes its own
// (the desktop's installed catalogues, the page's built-in ones); none reads
// as designed.
using Translate = std::function<std::string(std::string_view context, std::string_view text)>;

// `text` of `context` through `translate`, or as designed without one.
std::string inLanguage(const Translate& translate, std::string_view context, std::string_view text);

// `pattern` with %1, %2, ... replaced by the values in that order, in one
// pass: a value holding "%1" is kept as it is. A number with no value stays.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace kestrel::texts
