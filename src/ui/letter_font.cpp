#include "ui/letter_font.h"

#include <QStringList>

#include "ui/form_layout.h"

namespace kestrel::ui {

QFont letterFont() {
    const QString family = QString::fromUtf8(kLetterFontFamily);
    if (QFont::substitutes(family).isEmpty()) {
        QFont::insertSubstitutions(family, {"IPAPGothic", "Noto Sans CJK JP"});
    }
    QFont font(family);
    font.setPointSizeF(kLetterFontPoints);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace kestrel::ui
