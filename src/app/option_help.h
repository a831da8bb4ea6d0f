#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace kestrel::app {

// The options of the help, one to a line: the names ("-h, --help",
// "--bias <VOLTS>") in a column as wide as the widest, then what the option
// does, broken into lines that end by the 79th column. Widths are counted
// in a terminal's columns, so Japanese (two columns a character) lines up
// and breaks only between its phrases, as the window's texts do.
QString optionHelp(const QList<QCommandLineOption>& options);

}  // namespace kestrel::app
