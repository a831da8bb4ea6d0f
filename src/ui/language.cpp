#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kestrel::ui {
namespace {

// The catalogues' language code.
QString codeOf(Language language) {
    return language == Language::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
}

}  // namespace

std::optional<Language> languageNamed(const QString& name) {
    const QString lower = name.toLower();
    if (lower == QLatin1String("en")) {
        return Language::English;
    }
    if (lower == QLatin1String("ja")) {
        return Language::Japanese;
    }
    if (lower == QLatin1String("design")) {
        return Language::Design;
    }
    return std::nullopt;
}

Language desktopLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        const QString code = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("en")) {
            return Language::English;
        }
        if (code == QLatin1String("ja")) {
            return Language::Japanese;
        }
    }
    return Language::Design;
}

Language chooseLanguage(std::optional<Language> asked, const QStringList& uiLanguages) {
    return asked ? *asked : desktopLanguage(uiLanguages);
}

Translation::Translation(Language language) : language_(language) {
    if (language == Language::Design) {
        return;
    }
    const QString code = codeOf(language);
    loaded_ = program_.load(QStringLiteral(":/i18n/kestrel_%1.qm").arg(code));
    // Qt's own texts are a part of Qt's installation, there or not.
    (void)qt_.load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translation::install() {
    if (!qt_.isEmpty()) {
        QCoreApplication::installTranslator(&qt_);
    }
    if (loaded_) {
        QCoreApplication::installTranslator(&program_);
    }
}

QString Translation::text(const char* context, const char* source) const {
    const QString translated = loaded_ ? program_.translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

}  // namespace kestrel::ui
