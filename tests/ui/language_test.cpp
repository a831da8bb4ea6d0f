#include "ui/language.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <vector>

#include "core/form/design.h"
#include "ui/classroom_actions.h"
#include "ui/core_texts.h"
#include "ui/form_surface.h"
#include "ui/form_window.h"
#include "ui/letter_font.h"
#include "ui/twips.h"

// The window in the two languages beside its design, from the catalogues
// built into the program. Screenshots land in the build's
// tests/ui/artifacts.
namespace kestrel::ui {
namespace {

TEST(Language, TheAskedLanguageElseTheDesktopsIfItIsOneOfOurs) {
    EXPECT_EQ(languageNamed("ja"), Language::Japanese);
    EXPECT_EQ(languageNamed("EN"), Language::English);
    EXPECT_EQ(languageNamed("design"), Language::Design);
    EXPECT_EQ(languageNamed("fr"), std::nullopt);

    EXPECT_EQ(desktopLanguage({"ja-JP", "ja-Jpan-JP", "ja"}), Language::Japanese);
    EXPECT_EQ(desktopLanguage({"en_GB"}), Language::English);
    EXPECT_EQ(desktopLanguage({"C"}), Language::Design);
    EXPECT_EQ(desktopLanguage({"de-DE", "de"}), Language::Design);
    EXPECT_EQ(desktopLanguage({"fr", "fr-FR", "en-GB", "ja"}), Language::English);  // LANGUAGE=fr:en_GB:ja
    EXPECT_EQ(desktopLanguage({}), Language::Design);

    EXPECT_EQ(chooseLanguage(Language::Design, {"ja-JP"}), Language::Design);
    EXPECT_EQ(chooseLanguage(std::nullopt, {"ja-JP"}), Language::Japanese);
}

struct Case {
    Language language;
    const char* name;
};

// The language's catalogues, installed before the window is made.
struct Installed {
    explicit Installed(Language language) : translation(language) { translation.install(); }
    Translation translation;
};

class InLanguage : public ::testing::TestWithParam<Case> {
protected:
    InLanguage() {
        window.setPaused(true);
        window.setPaused(false);
    }

    // The window as the user sees it, and enlarged to what lies below.
    void saveScreenshots() {
        const QString folder = QStringLiteral(KESTREL_UI_ARTIFACTS);
        QDir().mkpath(folder);
        const QString name = QString::fromLatin1(GetParam().name);
        window.typeText(4, "0.3");
        window.button(1)->click();
        for (int n = 0; n < 30; ++n) {
            window.tickTimer(1);
        }
        window.tickTimer(2);
        window.grab().save(folder + QStringLiteral("/window-%1.png").arg(name));
        window.resize(605, 610);
        window.grab().save(folder + QStringLiteral("/window-%1-enlarged.png").arg(name));
    }

    std::vector<QString> messages;
    Installed installed_{GetParam().language};
    FormWindow window{[this](QWidget*, const QString& text, bool) { messages.push_back(text); }};
};

// Each label wraps within its box and each button's caption fits its face,
// in the fonts the window draws them with. The diagram's letters are the
// design's own in every language.
TEST_P(InLanguage, EveryCaptionFitsItsBox) {
    const QFont designFont = window.surface()->font();
    for (const design::LabelDesign& label : design::kLabels) {
        if (QString::fromUtf8(label.caption).size() == 1) {
            continue;
        }
        const QRect box = pixels(label.box);
        const QFontMetrics metrics(label.font.family ? letterFont() : designFont);
        const QString caption = designText(label.caption);
        const QRect used =
            metrics.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
        EXPECT_LE(used.width(), box.width()) << label.name << ' ' << caption.toStdString();
        EXPECT_LE(used.height(), box.height()) << label.name << ' ' << caption.toStdString();
    }
    for (int number = 1; number <= 3; ++number) {
        const QPushButton* button = window.button(number);
        const int margins = 8;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - margins)
            << button->text().toStdString();
    }
    saveScreenshots();
}

// Nothing of the design's own captions is left on the window, its boxes'
// names, messages and menus, and the diagram speaks the language too.
TEST_P(InLanguage, TheWholeWindowSpeaksTheLanguage) {
    for (const design::ButtonDesign& button : design::kButtons) {
        const QString caption = designText(button.caption);
        EXPECT_FALSE(caption.isEmpty());
        if (GetParam().language == Language::Japanese) {
            EXPECT_NE(caption, QString::fromUtf8(button.caption));
        }
    }
    // No English word left in Japanese, no Japanese left in English.
    const QRegularExpression other(GetParam().language == Language::Japanese
                                       ? QStringLiteral("[A-Za-z]{3}")
                                       : QStringLiteral("[\\x{3040}-\\x{9fff}]"));
    for (const design::LabelDesign& label : design::kLabels) {
        const QString caption = designText(label.caption);
        EXPECT_FALSE(caption.contains(other)) << label.name << ' ' << caption.toStdString();
    }
    window.typeText(1, "hot");
    window.button(1)->click();
    ASSERT_EQ(messages.size(), 1U);
    const QAccessibleInterface* diagram = QAccessible::queryAccessibleInterface(window.surface());
    const QString name = diagram->text(QAccessible::Name);
    const QString pause = window.actions()[host::Action::Pause]->text();
    if (GetParam().language == Language::Japanese) {
        EXPECT_EQ(messages[0],
                  QString::fromUtf8("\u6e29\u5ea6 (K)\uff1a\u300chot\u300d\u306f\u6570\u5024\u3067\u306f"
                                    "\u3042\u308a\u307e\u305b\u3093\u3002"));
        EXPECT_EQ(name, QString::fromUtf8("p-n \u63a5\u5408\u306e\u30d0\u30f3\u30c9\u56f3"));
        EXPECT_EQ(pause, QString::fromUtf8("\u4e00\u6642\u505c\u6b62"));
    } else {
        EXPECT_EQ(messages[0], "Temperature (K): \"hot\" is not a number.");
        EXPECT_EQ(name, "Band diagram of the p-n junction");
        EXPECT_EQ(pause, "Pause");
    }
    EXPECT_EQ(window.textBox(1)->accessibleName(), boxName(design::kTextBoxes[0].caption));
}

INSTANTIATE_TEST_SUITE_P(Catalogues, InLanguage,
                         ::testing::Values(Case{Language::English, "en"}, Case{Language::Japanese, "ja"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestrel::ui
