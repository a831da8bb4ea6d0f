#include "core/picture/text_wrap.h"

#include <cstdint>
#include <vector>

#include "core/picture/pixels.h"

namespace kestrel::picture {
namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

// One character: its UTF-8 bytes and its code point.
struct Character {
    std::string_view bytes;
    char32_t code;
};

std::vector<Character> characters(std::string_view text) {
    std::vector<Character> result;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t n = 1; n < length && i + n < text.size(); ++n) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + n]) & 0x3F);
        }
        result.push_back({text.substr(i, length), code});
        i += length;
    }
    return result;
}

bool isSpace(const Character& c) {
    return c.bytes == " " || c.bytes == kIdeographicSpace;
}

// Japanese script and the full-width forms.
bool isWide(char32_t code) {
    return (code >= 0x3000 && code <= 0x30FF) || (code >= 0x4E00 && code <= 0x9FFF) ||
           (code >= 0xFF00 && code <= 0xFFEF);
}

// Punctuation that must not begin a line, and that must not end one.
bool closes(char32_t code) {
    return std::u32string_view(U"、。，．：；？！）」』】〕〉》ー々ぁぃぅぇぉっゃゅょァィゥェォッャュョ・")
               .find(code) != std::u32string_view::npos;
}

bool opens(char32_t code) {
    return std::u32string_view(U"（「『【〔〈《").find(code) != std::u32string_view::npos;
}

// What a Japanese character is, for where a phrase ends: a word is a run of
// kanji or of katakana, with the hiragana (endings and particles) after it.
enum class Script { Other, Kanji, Hiragana, Katakana, Punctuation };

Script scriptOf(char32_t code) {
    if ((code >= 0x4E00 && code <= 0x9FFF) || code == U'々') {
        return Script::Kanji;
    }
    if (code >= 0x3041 && code <= 0x309F) {
        return Script::Hiragana;
    }
    if ((code >= 0x30A0 && code <= 0x30FA) || code == U'ー') {
        return Script::Katakana;
    }
    if ((code >= 0x3000 && code <= 0x303F) || code == U'・' || (code >= 0xFF01 && code <= 0xFF0F) ||
        (code >= 0xFF1A && code <= 0xFF20) || (code >= 0xFF3B && code <= 0xFF40) ||
        (code >= 0xFF5B && code <= 0xFF65)) {
        return Script::Punctuation;
    }
    return Script::Other;
}

// A particle: after a kanji word, a phrase ends with it. Any other single
// hiragana between kanji is a word's ending inside a compound (取り出す).
bool isParticle(char32_t code) {
    return std::u32string_view(U"のはをがにでとへもや").find(code) != std::u32string_view::npos;
}

// Whether a line may break before all[at], with no space before it: never
// inside other text (words of Latin script break at spaces); next to
// Japanese text after punctuation, before opening punctuation, and where
// hiragana (a particle or a word's ending) meets the next word; and never
// against the rules of which punctuation may begin or end a line.
bool breaksBetween(const std::vector<Character>& all, std::size_t at) {
    const char32_t before = all[at - 1].code;
    const char32_t after = all[at].code;
    if (!isWide(before) && !isWide(after)) {
        return false;
    }
    if (closes(after) || opens(before)) {
        return false;
    }
    const Script first = scriptOf(before);
    const Script second = scriptOf(after);
    if (first == Script::Punctuation || second == Script::Punctuation) {
        return true;
    }
    const bool endingInsideCompound = at >= 2 && scriptOf(all[at - 2].code) == Script::Kanji &&
                                      second == Script::Kanji && !isParticle(before);
    return first == Script::Hiragana && second != Script::Hiragana && !endingInsideCompound;
}

// Between two characters of Japanese script, when a phrase is wider than a
// whole line.
bool breaksInsidePhrase(const std::vector<Character>& all, std::size_t at) {
    const char32_t before = all[at - 1].code;
    const char32_t after = all[at].code;
    return (isWide(before) || isWide(after)) && !closes(after) && !opens(before);
}

// The pieces a line is made of: each ends where a line may break, its
// trailing spaces kept apart so that they can hang.
struct Piece {
    std::string text;
    std::string spaces;
};

template <typename Breaks>
std::vector<Piece> piecesOf(std::string_view text, Breaks breaks) {
    std::vector<Piece> pieces(1);
    const std::vector<Character> all = characters(text);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Character& c = all[i];
        if (isSpace(c)) {
            pieces.back().spaces += c.bytes;
            continue;
        }
        const bool breakBefore = !pieces.back().spaces.empty() || (i > 0 && breaks(all, i));
        if (breakBefore && !pieces.back().text.empty()) {
            pieces.emplace_back();
        }
        pieces.back().text += c.bytes;
    }
    return pieces;
}

// The phrases of `text`, a phrase wider than `width` cut where Japanese
// script may break inside a word.
std::vector<Piece> piecesWithin(std::string_view text, double width, const TextWidth& measure) {
    std::vector<Piece> fitted;
    for (Piece& phrase : piecesOf(text, breaksBetween)) {
        if (measure(phrase.text) <= width) {
            fitted.push_back(std::move(phrase));
            continue;
        }
        std::vector<Piece> cut = piecesOf(phrase.text, breaksInsidePhrase);
        cut.back().spaces = phrase.spaces;
        fitted.insert(fitted.end(), cut.begin(), cut.end());
    }
    return fitted;
}

}  // namespace

std::vector<std::string> phrases(std::string_view text) {
    std::vector<std::string> result;
    for (const Piece& piece : piecesOf(text, breaksBetween)) {
        result.push_back(piece.text + piece.spaces);
    }
    return result;
}

std::string wrapText(std::string_view text, double width, const TextWidth& measure) {
    std::string wrapped;
    std::string line;     // the current line without its hanging spaces
    std::string hanging;  // the spaces after it
    for (const Piece& piece : piecesWithin(text, width, measure)) {
        const std::string longer = line + hanging + piece.text;
        if (!line.empty() && measure(longer) > width) {
            wrapped += line + '\n';
            line = piece.text;
        } else {
            line = longer;
        }
        hanging = piece.spaces;
    }
    return wrapped + line;
}

void drawWrapped(Canvas& canvas, const design::TwipsRect& box, std::string_view text,
                 const design::Font& font) {
    const auto measure = [&canvas, &font](std::string_view piece) { return canvas.textWidth(piece, font); };
    canvas.text(box, wrapText(text, toPixels(box.width), measure), font, TextAlign::TopLeft);
}

}  // namespace kestrel::picture
