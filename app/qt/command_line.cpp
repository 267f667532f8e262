#include "app/qt/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "form/program.h"
#include "numbrel_version.h"

namespace {

// The options QGuiApplication and QApplication take, as Qt documents them,
// known here so that only the others are refused. Those that take a value.
const char* const kQtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "fontengine",    "dialogs", "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void AddQtOptions(QCommandLineParser& parser) {
  for (const char* name : kQtOptionsWithValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kQtFlags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// An unknown option named as it was given, as numbrel-cli names it; any other
// error in Qt's words.
QString UsageError(const QCommandLineParser& parser) {
  if (parser.unknownOptionNames().isEmpty()) return parser.errorText();
  const QString name = parser.unknownOptionNames().front();
  for (const QString& arg : QCoreApplication::arguments()) {
    QString word = arg;
    while (word.startsWith(QLatin1Char('-'))) word.remove(0, 1);
    if (word != arg && word.section(QLatin1Char('='), 0, 0) == name) {
      return QStringLiteral("unknown option '%1'").arg(arg);
    }
  }
  return QStringLiteral("unknown option '%1'").arg(name);
}

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<int> AnswerOnTerminal(int argc, char** argv) {
  // A QCoreApplication needs no display, so the help shows over SSH too.
  const QCoreApplication terminal(argc, argv);
  QCoreApplication::setApplicationVersion(QStringLiteral(NUMBREL_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Ezo's Numbrel: a calculator for whole numbers with exact answers. Opens the calculator's\n"
      "window: binary to decimal as you type, long division with the repeating block marked,\n"
      "GCF and LCM, prime factors, all factors, and 2 to the power n written out in full.\n"
      "Qt's own options (-platform, -style, ...) are accepted too."));
  // Qt's options are single-dash words ("-platform offscreen").
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  AddQtOptions(parser);
  if (!parser.parse(QCoreApplication::arguments())) {
    std::fprintf(stderr, "numbrel: %s (try 'numbrel --help')\n", qPrintable(UsageError(parser)));
    return 2;
  }

  if (parser.isSet(help)) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("numbrel (%s) %s\n", kProgramName, NUMBREL_VERSION);
    return 0;
  }
  // Without a display Qt's platform plugin would abort with advice that does
  // not apply; a platform chosen by name (offscreen, vnc, ...) needs none.
  if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("QT_QPA_PLATFORM") &&
      !parser.isSet(QStringLiteral("platform"))) {
    std::fputs(
        "numbrel: there is no display to open the window on; numbrel-cli is the same "
        "calculator on a terminal\n",
        stderr);
    return 1;
  }
  return std::nullopt;
}
