#include "ui/letter_font.h"

#include <QStringList>

#include "core/form/design.h"

namespace kestrel::ui {

QFont letterFont() {
    const design::Font& letters = design::kLetterFont;
    const QString family = QString::fromUtf8(letters.family);
    if (QFont::substitutes(family).isEmpty()) {
        QStringList fallbacks;
        for (const char* fallback : letters.fallbacks) {
            fallbacks << QString::fromUtf8(fallback);
        }
        QFont::insertSubstitutions(family, fallbacks);
    }
    QFont font(family);
    font.setPointSizeF(letters.points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace kestrel::ui
