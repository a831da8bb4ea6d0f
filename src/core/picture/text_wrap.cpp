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

// Japanese script and the full-width forms, between which a line may break.
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

// The pieces a line is made of: each ends where a line may break, its
// trailing spaces kept apart so that they can hang.
struct Piece {
    std::string text;
    std::string spaces;
};

std::vector<Piece> piecesOf(std::string_view text) {
    std::vector<Piece> pieces(1);
    const std::vector<Character> all = characters(text);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Character& c = all[i];
        if (isSpace(c)) {
            pieces.back().spaces += c.bytes;
            continue;
        }
        const Character* before = i > 0 ? &all[i - 1] : nullptr;
        const bool breakBefore =
            !pieces.back().spaces.empty() ||
            (before && (isWide(c.code) || isWide(before->code)) && !closes(c.code) && !opens(before->code));
        if (breakBefore && !pieces.back().text.empty()) {
            pieces.emplace_back();
        }
        pieces.back().text += c.bytes;
    }
    return pieces;
}

}  // namespace

std::string wrapText(std::string_view text, double width, const TextWidth& measure) {
    std::string wrapped;
    std::string line;     // the current line without its hanging spaces
    std::string hanging;  // the spaces after it
    for (const Piece& piece : piecesOf(text)) {
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
