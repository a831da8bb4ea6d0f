#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>
#include <variant>

#include "app_identity.h"
#include "core/numbers/text_number.h"

namespace kestrel::app {
namespace {

constexpr int kUsageError = 2;
constexpr const char* kProgram = "kestrel";

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

int usageError(const QString& problem) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", kProgram, problem.toLocal8Bit().constData(), kProgram);
    return kUsageError;
}

// The parser's help with the program's name in the usage line: the parser
// finds the name only through an application object, which does not exist yet.
QString helpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
    return QStringLiteral("Usage: %1 [options]\n").arg(QString::fromLatin1(kProgram)) + text;
}

CommandLine endsWith(int status) {
    CommandLine ends;
    ends.exitStatus = status;
    return ends;
}

// The options that set up the window.
struct StartParser {
    QCommandLineOption bias{QStringLiteral("bias"), QStringLiteral("Type VOLTS into the \"Bias (V)\" box."),
                            QStringLiteral("VOLTS")};
    QCommandLineOption start{QStringLiteral("start"),
                             QStringLiteral("Click \"Start\" once the window is up.")};
    QCommandLineOption paused{QStringLiteral("paused"),
                              QStringLiteral("Begin paused (Alt+K resumes, Alt+L steps).")};
    QCommandLineOption speed{QStringLiteral("speed"),
                             QStringLiteral("Run at FACTOR times the normal speed: 0.25, 0.5, 1, 2 or 4 (the "
                                            "nearest of these)."),
                             QStringLiteral("FACTOR")};
    QCommandLineOption zoom{
        QStringLiteral("zoom"),
        QStringLiteral("Show the window FACTOR times its size: 1, 1.25, 1.5, 2, 2.5, 3 or 4 "
                       "(the nearest of these)."),
        QStringLiteral("FACTOR")};
    QCommandLineOption fullScreen{QStringLiteral("full-screen"),
                                  QStringLiteral("Fill the screen with the window, scaled to fit.")};
    QCommandLineOption script{
        QStringLiteral("script"),
        QStringLiteral("Replay a saved run from FILE first, then go on live from its end."),
        QStringLiteral("FILE")};

    void addTo(QCommandLineParser& parser) {
        parser.addOptions({bias, start, paused, speed, zoom, fullScreen, script});
    }
};

// A factor that is a positive number.
std::optional<double> factor(const QString& text) {
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value) || value <= 0) {
        return std::nullopt;
    }
    return value;
}

// The start options, or the status of a usage error already reported.
std::variant<StartOptions, int> startOptions(const QCommandLineParser& parser, const StartParser& options) {
    StartOptions start;
    start.start = parser.isSet(options.start);
    start.paused = parser.isSet(options.paused);
    start.fullScreen = parser.isSet(options.fullScreen);
    if (parser.isSet(options.bias)) {
        const QString bias = parser.value(options.bias);
        if (!parseNumber(bias.toStdString())) {
            return usageError(QStringLiteral("--bias needs a number of volts, not '%1'").arg(bias));
        }
        start.bias = bias.toStdString();
    }
    for (const auto& [option, value] :
         {std::pair{&options.speed, &start.speed}, {&options.zoom, &start.zoom}}) {
        if (parser.isSet(*option)) {
            *value = factor(parser.value(*option));
            if (!*value) {
                return usageError(QStringLiteral("--%1 needs a positive number, not '%2'")
                                      .arg(option->names().first(), parser.value(*option)));
            }
        }
    }
    if (parser.isSet(options.script)) {
        const QString path = parser.value(options.script);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return usageError(QStringLiteral("cannot read the script %1: %2").arg(path, file.errorString()));
        }
        start.script = file.readAll().toStdString();
        start.scriptPath = path.toStdString();
    }
    return start;
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
    QCommandLineParser parser;
    // Qt's options are single-dash words, as in "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Kestrel Sim: an animation of a p-n junction's band diagram and carriers."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    StartParser startParser;
    startParser.addTo(parser);
    acceptQtOptions(parser);

    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (!parser.parse(arguments)) {
        return endsWith(usageError(parser.errorText()));
    }
    if (parser.isSet(help)) {
        return endsWith(print(helpText(parser)));
    }
    if (parser.isSet(version)) {
        return endsWith(
            print(QStringLiteral("%1 %2\n").arg(QString::fromLatin1(kProgram), QString::fromUtf8(kVersion))));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return endsWith(
            usageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first())));
    }
    auto start = startOptions(parser, startParser);
    if (const int* status = std::get_if<int>(&start)) {
        return endsWith(*status);
    }
    CommandLine opens;
    opens.start = std::get<StartOptions>(std::move(start));
    return opens;
}

}  // namespace kestrel::app
