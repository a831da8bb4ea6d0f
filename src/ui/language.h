#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>

#include "core/host/language.h"

// The window's language: as designed (its captions mixed English and
// Japanese), or wholly English or wholly Japanese from the catalogues built
// into the program.
namespace kestrel::ui {

using host::Language;

// "en", "ja" or "design", in any case.
std::optional<Language> languageNamed(const QString& name);

// The first of the desktop's languages, in its order of preference
// (QLocale::uiLanguages: LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), that the
// program has; the design when it has none of them.
Language desktopLanguage(const QStringList& uiLanguages);

// What the user asked for, else the desktop's language.
Language chooseLanguage(std::optional<Language> asked, const QStringList& uiLanguages);

// The catalogues of a language: the program's and Qt's own (the standard
// buttons, the file dialog, the names of keys). The design has none.
class Translation {
public:
    explicit Translation(Language language);

    [[nodiscard]] Language language() const { return language_; }
    // Puts the catalogues into the application, which must exist.
    void install();
    // A text before the application exists, as the command line needs.
    [[nodiscard]] QString text(const char* context, const char* source) const;

private:
    Language language_;
    QTranslator program_;
    QTranslator qt_;
    bool loaded_ = false;
};

}  // namespace kestrel::ui
