#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <string>
#include <vector>

namespace kestrel::ui {
namespace {

// The catalogues' language code.
QString codeOf(Language language) {
    return QString::fromLatin1(host::catalogueCode(language));
}

}  // namespace

std::optional<Language> languageNamed(const QString& name) {
    return host::languageNamed(name.toStdString());
}

Language desktopLanguage(const QStringList& uiLanguages) {
    std::vector<std::string> tags;
    for (const QString& tag : uiLanguages) {
        tags.push_back(tag.toStdString());
    }
    return host::preferredLanguage({tags.begin(), tags.end()});
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
