#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text that came from outside (a script's line, a typed text, a file name,
// a command-line argument), made safe to show in a message: on a terminal a
// control character would run as a command of the terminal, and in a
// dialog it would hide or reorder what follows. Every front-end quotes such
// text through these functions.
namespace kestrel::script {

// A quoted text is cut after this many shown characters; an escape counts
// as the characters it is written with.
inline constexpr std::size_t kMostQuotedCharacters = 100;

// `text` with every byte that would not show as itself written "\xNN": the
// control characters (C0, DEL and C1), the characters that change the
// direction of what follows or break its line, and bytes that are not
// valid UTF-8 (a NUL, or a script saved as UTF-16, among them). A backslash
// is written "\\", so an escape cannot be mistaken for the text itself.
std::string printable(std::string_view text);

// True when `text` holds nothing that printable() writes as "\xNN".
bool printsAsItself(std::string_view text);

// `text` printable, in double quotes. A text longer than
// kMostQuotedCharacters shown characters is cut there with "..." and its
// whole length in bytes follows the quotes: "tick Timer1 xxxx..." (2000000
// bytes).
std::string quotedText(std::string_view text);

}  // namespace kestrel::script
