#include "gui/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

#include "gui/language.h"

namespace zorv {

namespace {

constexpr char kProgram[] = "zorv";

// The parser names the program after argv[0], a full path when started from a menu or a build
// folder; help and manual pages show the plain name.
std::string helpText(const QCommandLineParser& parser) {
  QString text = parser.helpText();
  const qsizetype end = text.indexOf('\n');
  text.replace(0, end, QStringLiteral("Usage: %1 [options]").arg(QLatin1String(kProgram)));
  return text.toStdString();
}

CommandLine usageError(const QCommandLineParser& parser, const QString& message) {
  CommandLine result;
  result.exitCode = kUsageExitCode;
  result.err = std::string(kProgram) + ": " + message.toStdString() + "\n" + helpText(parser);
  return result;
}

// "Embedding" and "Automation", the options a component runtime starts a program with, in any
// of the spellings it or a user might use (-Embedding, /Embedding, --embedding, any case). They
// change nothing here: the automation socket is offered on every start.
bool isAutomationStart(const QString& argument) {
  static const QRegularExpression pattern(QStringLiteral("^(-{1,2}|/)(embedding|automation)$"),
                                          QRegularExpression::CaseInsensitiveOption);
  return pattern.match(argument).hasMatch();
}

}  // namespace

CommandLine parseCommandLine(const QStringList& given) {
  QStringList arguments;
  for (qsizetype i = 0; i < given.size(); ++i)
    if (i == 0 || !isAutomationStart(given[i])) arguments << given[i];
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Sets up and tunes the Corvex flight controller over a serial link: reads every\n"
                     "setting into one window, writes each change back at once, uploads firmware\n"
                     "and shows live values."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the version and exit."));
  const QCommandLineOption port(
      QStringLiteral("port"),
      QStringLiteral("Open port COM<N> (1 to 20) at start instead of the one used last time."), QStringLiteral("N"));
  const QCommandLineOption demo(QStringLiteral("demo"),
                                QStringLiteral("Bind COM3 to a simulated controller inside the program, to try Zorv "
                                               "without a board. Every other number stays a real port."));
  const QCommandLineOption trace(QStringLiteral("trace"),
                                 QStringLiteral("Write every byte sent and received to FILE as it happens, one line "
                                                "each (the traffic log's lines), to send with a fault report."),
                                 QStringLiteral("FILE"));
  const QCommandLineOption language(
      QStringLiteral("language"),
      QStringLiteral("Show the window in this language for this start: original (the tool's own texts, the "
                     "default), en, ru or zh. The window's background menu changes it and remembers it."),
      QStringLiteral("L"));
  parser.addOptions({help, version, port, demo, trace, language});

  if (!parser.parse(arguments)) return usageError(parser, parser.errorText());
  if (!parser.positionalArguments().isEmpty()) {
    return usageError(parser,
                      QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
  }

  CommandLine result;
  if (parser.isSet(help)) {
    result.exitCode = 0;
    result.out = helpText(parser);
    return result;
  }
  if (parser.isSet(version)) {
    result.exitCode = 0;
    result.out = std::string(kProgram) + " " + ZORV_VERSION + "\n";
    return result;
  }
  if (parser.isSet(port)) {
    const QString value = parser.value(port);
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < 1 || n > kPortNumberCount) {
      return usageError(parser, QStringLiteral("--port takes a port number from 1 to %1 (COM1 to COM%1), not '%2'.")
                                    .arg(kPortNumberCount)
                                    .arg(value));
    }
    result.options.port = n;
  }
  result.options.demo = parser.isSet(demo);
  if (parser.isSet(trace)) {
    result.options.trace = parser.value(trace).toStdString();
    if (result.options.trace.empty()) return usageError(parser, QStringLiteral("--trace takes the name of a file."));
  }
  if (parser.isSet(language)) {
    const QString value = parser.value(language);
    if (!languageFromKey(value.toStdString())) {
      return usageError(parser, QStringLiteral("--language takes original, en, ru or zh, not '%1'.").arg(value));
    }
    result.options.language = value.toStdString();
  }
  return result;
}

}  // namespace zorv
