#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kestrel {
class Form1;
class RunTimeError;
}  // namespace kestrel

// The core's texts in the window's language: each is looked up in the
// installed catalogues under the context the core marked it with; with no
// catalogue installed it reads as designed.
namespace kestrel::ui {

// A caption of the design ("design").
QString designText(std::string_view caption);
// The name of a text box or the chart ("boxes").
QString boxName(std::string_view caption);
// A run-time error's message ("errors"), its box named as boxName does.
QString errorMessage(const RunTimeError& error);
// What is wrong with a line of a saved script ("script").
QString scriptProblem(const std::string& problem);

// The band diagram's name and its state in words ("diagram").
QString diagramName();
QString diagramDescription(const Form1& form);
// What a new readout of the current box says.
QString readoutText(const std::string& readout);

}  // namespace kestrel::ui
