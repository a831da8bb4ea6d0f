#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app_identity.h"

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
    acceptQtOptions(parser);

    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (!parser.parse(arguments)) {
        return {usageError(parser.errorText())};
    }
    if (parser.isSet(help)) {
        return {print(helpText(parser))};
    }
    if (parser.isSet(version)) {
        return {
            print(QStringLiteral("%1 %2\n").arg(QString::fromLatin1(kProgram), QString::fromUtf8(kVersion)))};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {
            usageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()))};
    }
    return {};
}

}  // namespace kestrel::app
