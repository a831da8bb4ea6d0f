#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>
#include <variant>

#include "app_identity.h"
#include "core/host/limits.h"
#include "core/host/set_up.h"
#include "core/numbers/text_number.h"
#include "core/session/printable_text.h"
#include "option_help.h"
#include "ui/language.h"
#include "ui/run_files.h"

namespace kestrel::app {
namespace {

constexpr int kUsageError = 2;
constexpr const char* kProgram = "kestrel";
constexpr const char* kContext = "CommandLine";

// The command line's texts in the chosen language; read before the
// application exists, so straight from the catalogue.
class Texts {
public:
    explicit Texts(const ui::Translation& translation) : translation_(translation) {}
    // `source` is marked with QT_TRANSLATE_NOOP("CommandLine", ...).
    [[nodiscard]] QString operator()(const char* source) const { return translation_.text(kContext, source); }

private:
    const ui::Translation& translation_;
};

// Qt's own options, which QApplication takes from the command line: accepted
// here and left in place for it, and not shown in the help.
void acceptQtOptions(QCommandLineParser& parser) {
    const char* const valued[] = {"platform",        "platformpluginpath", "platformtheme", "plugin",
                                  "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "qmljsdebugger",
                                  "display",         "geometry",           "style",         "stylesheet",
                                  "session"};
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    const auto hidden = [&](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : valued) {
        hidden(name, QStringLiteral("value"));
    }
    for (const char* name : flags) {
        hidden(name, QString());
    }
}

// Writes text meant for stdout; the status says whether it arrived.
int print(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "%s: cannot write standard output: %s\n", kProgram, std::strerror(errno));
        return kUsageError;
    }
    return 0;
}

int usageError(const Texts& words, const QString& problem) {
    const QString program = QString::fromLatin1(kProgram);
    const QString text = QStringLiteral("%1: %2\n").arg(program, problem) +
                         words(QT_TRANSLATE_NOOP("CommandLine", "Try '%1 --help'.")).arg(program) +
                         QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return kUsageError;
}

// The help: the usage line with the program's name and the options' help,
// its heading in the language. The parser's own help would find the name
// only through an application object, which does not exist yet, and lines
// up its columns by characters, not by their width on a terminal.
QString helpText(const Texts& words, const QCommandLineParser& parser,
                 const QList<QCommandLineOption>& options) {
    return words(QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [options]")).arg(QString::fromLatin1(kProgram)) +
           QLatin1Char('\n') + parser.applicationDescription() + QStringLiteral("\n\n") +
           words(QT_TRANSLATE_NOOP("CommandLine", "Options:")) + QLatin1Char('\n') + optionHelp(options);
}

// A text from the command line as a message may show it: a control
// character would run as a command of the terminal.
QString shown(const QString& argument) {
    return QString::fromStdString(script::printable(argument.toStdString()));
}

// The first option given more than once, by its long name: its second value
// would silently replace the first.
std::optional<QString> repeatedOption(const QCommandLineParser& parser) {
    QStringList given;
    for (const QString& name : parser.optionNames()) {
        const QString option = name == QLatin1String("h") ? QStringLiteral("help") : name;
        if (given.contains(option)) {
            return option;
        }
        given << option;
    }
    return std::nullopt;
}

CommandLine endsWith(int status) {
    CommandLine ends;
    ends.exitStatus = status;
    return ends;
}

// The options that set up the window.
struct StartParser {
    explicit StartParser(const Texts& words)
        : bias(QStringLiteral("bias"),
               words(QT_TRANSLATE_NOOP("CommandLine", "Type VOLTS into the \"Bias (V)\" box.")),
               words(QT_TRANSLATE_NOOP("CommandLine", "VOLTS"))),
          start(QStringLiteral("start"),
                words(QT_TRANSLATE_NOOP("CommandLine", "Click \"Start\" once the window is up."))),
          paused(QStringLiteral("paused"),
                 words(QT_TRANSLATE_NOOP("CommandLine", "Begin paused (Alt+K resumes, Alt+L steps)."))),
          speed(QStringLiteral("speed"),
                words(QT_TRANSLATE_NOOP(
                    "CommandLine",
                    "Run at FACTOR times the normal speed: 0.25, 0.5, 1, 2 or 4 (the nearest of "
                    "these).")),
                words(QT_TRANSLATE_NOOP("CommandLine", "FACTOR"))),
          zoom(QStringLiteral("zoom"),
               words(QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "Show the window FACTOR times its size: 1, 1.25, 1.5, 2, 2.5, 3 or 4 (the nearest "
                   "of these).")),
               words(QT_TRANSLATE_NOOP("CommandLine", "FACTOR"))),
          fullScreen(
              QStringLiteral("full-screen"),
              words(QT_TRANSLATE_NOOP("CommandLine", "Fill the screen with the window, scaled to fit."))),
          script(QStringLiteral("script"),
                 words(QT_TRANSLATE_NOOP(
                     "CommandLine", "Replay a saved run from FILE first, then go on live from its end.")),
                 words(QT_TRANSLATE_NOOP("CommandLine", "FILE"))),
          record(QStringLiteral("record"),
                 words(QT_TRANSLATE_NOOP("CommandLine",
                                         "Write the whole run to FILE as a script when the program ends, "
                                         "however it ends.")),
                 words(QT_TRANSLATE_NOOP("CommandLine", "FILE"))),
          lang(QStringLiteral("lang"),
               words(QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "Show the window in LANGUAGE: en (English), ja (Japanese) or design (the captions "
                   "as designed, English and Japanese). Without it, the desktop's language when "
                   "that is English or Japanese, otherwise the design.")),
               words(QT_TRANSLATE_NOOP("CommandLine", "LANGUAGE"))) {}

    QCommandLineOption bias;
    QCommandLineOption start;
    QCommandLineOption paused;
    QCommandLineOption speed;
    QCommandLineOption zoom;
    QCommandLineOption fullScreen;
    QCommandLineOption script;
    QCommandLineOption record;
    QCommandLineOption lang;

    [[nodiscard]] QList<QCommandLineOption> all() const {
        return {bias, start, paused, speed, zoom, fullScreen, script, record, lang};
    }
};

// The start options, or the status of a usage error already reported.
std::variant<StartOptions, int> startOptions(const Texts& words, const QCommandLineParser& parser,
                                             const StartParser& options) {
    StartOptions start;
    start.start = parser.isSet(options.start);
    start.paused = parser.isSet(options.paused);
    start.fullScreen = parser.isSet(options.fullScreen);
    if (parser.isSet(options.bias)) {
        const QString bias = parser.value(options.bias);
        if (!parseNumber(bias.toStdString())) {
            return usageError(
                words, words(QT_TRANSLATE_NOOP("CommandLine", "--bias needs a number of volts, not '%1'"))
                           .arg(shown(bias)));
        }
        start.bias = bias.toStdString();
    }
    for (const auto& [option, value] :
         {std::pair{&options.speed, &start.speed}, {&options.zoom, &start.zoom}}) {
        if (parser.isSet(*option)) {
            *value = host::positiveFactor(parser.value(*option).toStdString());
            if (!*value) {
                return usageError(
                    words, words(QT_TRANSLATE_NOOP("CommandLine", "--%1 needs a positive number, not '%2'"))
                               .arg(option->names().first(), shown(parser.value(*option))));
            }
        }
    }
    if (parser.isSet(options.script)) {
        const QString path = parser.value(options.script);
        QByteArray script;
        if (const auto problem = ui::readWholeFile(path, script, host::kMostScriptBytes)) {
            return usageError(words, words(QT_TRANSLATE_NOOP("CommandLine", "cannot read the script %1: %2"))
                                         .arg(shown(path), *problem));
        }
        start.script = script.toStdString();
        start.scriptPath = path.toStdString();
    }
    if (parser.isSet(options.record)) {
        const QString path = parser.value(options.record);
        if (const auto problem = ui::cannotWrite(path)) {
            return usageError(words,
                              words(QT_TRANSLATE_NOOP("CommandLine", "cannot record the run in %1: %2"))
                                  .arg(shown(path), *problem));
        }
        start.recordPath = path.toStdString();
    }
    if (parser.isSet(options.lang) && !ui::languageNamed(parser.value(options.lang))) {
        return usageError(words,
                          words(QT_TRANSLATE_NOOP("CommandLine", "--lang needs en, ja or design, not '%1'"))
                              .arg(shown(parser.value(options.lang))));
    }
    return start;
}

// The parser with every option, its texts in the language.
struct Parser {
    Parser(const Texts& words, int argc, char** argv)
        : help({QStringLiteral("h"), QStringLiteral("help")},
               words(QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit."))),
          version(QStringLiteral("version"),
                  words(QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit."))),
          start(words) {
        // Qt's options are single-dash words, as in "-platform offscreen".
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(words(QT_TRANSLATE_NOOP(
            "CommandLine", "Kestrel Sim: an animation of a p-n junction's band diagram and carriers.")));
        parser.addOptions(shown());
        acceptQtOptions(parser);
        for (int i = 0; i < argc; ++i) {
            arguments << QString::fromLocal8Bit(argv[i]);
        }
        parsed = parser.parse(arguments);
    }

    // The options the help lists, in its order.
    [[nodiscard]] QList<QCommandLineOption> shown() const { return QList{help, version} + start.all(); }

    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    StartParser start;
    QStringList arguments;
    bool parsed;
};

}  // namespace

std::optional<ui::Language> languageAsked(int argc, char** argv) {
    const ui::Translation untranslated(ui::Language::Design);
    const Texts words(untranslated);
    const Parser read(words, argc, argv);
    if (!read.parsed || !read.parser.isSet(read.start.lang)) {
        return std::nullopt;
    }
    return ui::languageNamed(read.parser.value(read.start.lang));
}

CommandLine readCommandLine(int argc, char** argv, const ui::Translation& translation) {
    const Texts words(translation);
    const Parser read(words, argc, argv);
    const QCommandLineParser& parser = read.parser;
    if (!read.parsed) {
        return endsWith(usageError(words, shown(parser.errorText())));
    }
    if (const auto repeated = repeatedOption(parser)) {
        return endsWith(usageError(
            words, words(QT_TRANSLATE_NOOP("CommandLine", "--%1 may be given only once")).arg(*repeated)));
    }
    if (parser.isSet(read.help)) {
        return endsWith(print(helpText(words, parser, read.shown())));
    }
    if (parser.isSet(read.version)) {
        return endsWith(
            print(QStringLiteral("%1 %2\n").arg(QString::fromLatin1(kProgram), QString::fromUtf8(kVersion))));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return endsWith(usageError(words, words(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"))
                                              .arg(shown(parser.positionalArguments().first()))));
    }
    auto start = startOptions(words, parser, read.start);
    if (const int* status = std::get_if<int>(&start)) {
        return endsWith(*status);
    }
    CommandLine opens;
    opens.start = std::get<StartOptions>(std::move(start));
    return opens;
}

}  // namespace kestrel::app
