#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/form/design.h"

// One line of a run's script, the text form of the events that reach the
// form. The replay tool reads scripts, the session writes them, and a
// front-end replays a saved one into its window.
//
//   type BOX TEXT     BOX's text becomes TEXT (everything after the space)
//   click BUTTON      Command1, Command2 or Command3 is clicked
//   tick TIMER [N]    N ticks of Timer1..Timer4; each runs only while enabled
//   dump              the whole state, for whoever reads the script's output
//   picture FILE      the window as it would be painted now, as SVG in FILE
//
// Blank lines and lines starting with "#" say nothing.
namespace kestrel::script {

struct Skip {};
struct Type {
    const design::TextBoxDesign* box;
    std::string text;
};
struct Click {
    const design::ButtonDesign* button;
};
struct Tick {
    const design::TimerDesign* timer;
    long count;
};
struct Dump {};
struct Picture {
    std::string path;
};
// A line that is none of these, with what is wrong with it: a text marked
// for translation (context "script").
struct Bad {
    std::string problem;
};

using Line = std::variant<Skip, Type, Click, Tick, Dump, Picture, Bad>;

// Reads one line as asWritten() gives it: without its line break, so a
// carriage return still in it is a part of the line.
Line parseLine(std::string_view line);

// The line as a person wrote it: without a UTF-8 byte-order mark before the
// first line, which some editors add, and a carriage return at its end.
std::string_view asWritten(std::string_view line, int lineNumber);

// The lines for events, as parseLine reads them back.
std::string typeLine(const design::TextBoxDesign& box, std::string_view text);
std::string clickLine(const design::ButtonDesign& button);
std::string tickLine(const design::TimerDesign& timer, long count);

}  // namespace kestrel::script
