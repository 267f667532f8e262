#include "app/qt/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "form/program.h"
#include "numbrel_version.h"

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
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  // Qt's options are unknown here: those errors are QApplication's to judge.
  parser.parse(QCoreApplication::arguments());

  if (parser.isSet(help)) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("numbrel (%s) %s\n", kProgramName, NUMBREL_VERSION);
    return 0;
  }
  return std::nullopt;
}
