#include "app/qt/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "commands/command_words.h"
#include "form/program.h"
#include "numbrel_version.h"

namespace {

// The options QGuiApplication and QApplication take, as Qt documents them,
// known here so that only the others are refused. Those that take a value.
constexpr std::array kQtOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "fontengine",    "dialogs", "qmljsdebugger"};
constexpr std::array kQtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

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

QString HelpText(const QCommandLineParser& parser) {
  QString commands = QStringLiteral("\nCommands (the words of numbrel-cli):\n");
  for (const Command& command : kCommandTable) {
    if (!IsScriptable(command)) continue;
    const QString usage = QString::fromStdString(CommandUsage(command));
    commands +=
        QStringLiteral("  %1  %2\n").arg(usage, -24).arg(QString::fromLatin1(command.description));
  }
  return parser.helpText() + commands;
}

// An unknown option named as it was given, as numbrel-cli names it; any other
// error in Qt's words.
QString OptionError(const QCommandLineParser& parser) {
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

int UsageError(const QString& message) {
  std::cerr << "numbrel: " << message.toStdString() << " (try 'numbrel --help')\n";
  return 2;
}

bool HasDisplay(const QCommandLineParser& parser) {
  // A platform chosen by name (offscreen, vnc, ...) needs no display.
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         parser.isSet(QStringLiteral("platform"));
}

}  // namespace

std::variant<int, WindowLaunch> ReadCommandLine(int argc, char** argv) {
  // A QCoreApplication needs no display, so the help shows over SSH too.
  const QCoreApplication terminal(argc, argv);
  QCoreApplication::setApplicationVersion(QStringLiteral(NUMBREL_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Ezo's Numbrel: a calculator for whole numbers with exact answers. Opens the calculator's\n"
      "window: binary to decimal as you type, long division with the repeating block marked,\n"
      "GCF and LCM, prime factors, all factors, and 2 to the power n written out in full.\n"
      "With a command, the window opens with its fields filled in and its button pressed:\n"
      "  numbrel divide 1 97\n"
      "Qt's own options (-platform, -style, ...) are accepted too, before the command."));
  // Qt's options are single-dash words ("-platform offscreen"); after the
  // command every word is a field's text, "-7" included.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  parser.addPositionalArgument(
      QStringLiteral("COMMAND"),
      QStringLiteral("a command below, then a text for each of its fields"),
      QStringLiteral("[COMMAND FIELD...]"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  AddQtOptions(parser);
  if (!parser.parse(QCoreApplication::arguments())) return UsageError(OptionError(parser));

  if (parser.isSet(help)) {
    std::cout << HelpText(parser).toStdString();
    return 0;
  }
  if (parser.isSet(version)) {
    std::cout << "numbrel (" << kProgramName << ") " << NUMBREL_VERSION << "\n";
    return 0;
  }

  const QStringList positional = parser.positionalArguments();
  const QStringList arguments = QCoreApplication::arguments();
  WindowLaunch launch{static_cast<int>(arguments.size() - positional.size()), std::nullopt};
  if (launch.qtArgc > 1 && arguments[launch.qtArgc - 1] == QStringLiteral("--")) --launch.qtArgc;
  if (!positional.isEmpty()) {
    std::vector<std::string> words;
    bool textsMarked = false;
    for (const QString& word : positional) {
      // As numbrel-cli takes it: "--" after the command lets a text begin with "-".
      if (!textsMarked && words.size() == 1 && word == QStringLiteral("--")) {
        textsMarked = true;
        continue;
      }
      words.push_back(word.toStdString());
    }
    auto call = ReadCommandCall(words);
    if (const auto* error = std::get_if<std::string>(&call)) {
      return UsageError(QString::fromStdString(*error));
    }
    launch.call = std::get<CommandCall>(std::move(call));
  }
  // Without a display Qt's platform plugin would abort with advice that does
  // not apply.
  if (!HasDisplay(parser)) {
    std::cerr << "numbrel: there is no display to open the window on; numbrel-cli is the same "
                 "calculator on a terminal\n";
    return 1;
  }
  return launch;
}
