#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kestrel {
class Form1;
}

// The core's texts in the window's language: each is looked up in the
// installed catalogues under the context the core marked it with; with no
// catalogue installed it reads as designed.
namespace kestrel::ui {

// The lookup the core's host words its messages with.
std::string translateCoreText(std::string_view context, std::string_view text);

// A caption of the design ("design").
QString designText(std::string_view caption);
// The name of a text box or the chart ("boxes").
QString boxName(std::string_view caption);

// The band diagram's name and its state in words, as the core words them.
QString diagramName();
QString diagramDescription(const Form1& form);

}  // namespace kestrel::ui
