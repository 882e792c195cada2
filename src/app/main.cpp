// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: with arguments, one command-line job and nothing else; without, or with
// files to open, the windowed reader, one instance at a time.
#include "CmdLine.h"
#include "Engines.h"
#include "KoUtils.h"
#include "LexiconDialog.h"
#include "Translations.h"
#include "WindowMain.h"
#include "platform/unix/BrokenPipes.h"

#include <QCoreApplication>

#include <fcntl.h>

int main(int argc, char** argv) {
    // A closed standard input is told as such: the first file the program opens would take
    // its number and be read as the text.
    const bool inputClosed = ::fcntl(0, F_GETFD) < 0;
    if (inputClosed)
        ::open("/dev/null", O_RDONLY); // becomes descriptor 0
    // A peer that went away (a second start that gave up, an encoder that ended) is an error
    // where it is written to, never the end of the program.
    platform::SurviveBrokenPipes();
    engines::RegisterEngines(); // before any speech component, for both ways of running
    engines::SetLexiconDialog(ShowLexiconDialog);
    // The arguments byte for byte: file names need not be UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << KoUtils::DecodeFileName(QByteArray(argv[i]));
    // Qt's own options first (-platform, -style, ...) are the window's.
    const QStringList rest = cmdline::WithoutQtOptions(arguments);
    if (rest.size() > 1 && rest[1] == QLatin1String("--action"))
        engines::ExitProgram(RunDesktopAction(argc, argv, rest));
    const QStringList documents = TKoCmdLine::Documents(rest);
    if (rest.size() > 1 && documents.isEmpty()) {
        QCoreApplication app(argc, argv);
        KoUtils::InstallTranslations();
        int code;
        {
            TKoCmdLine cmd(rest);
            cmd.StandardInputClosed = inputClosed;
            code = cmd.Execute();
        }
        engines::ExitProgram(code);
    }
    engines::ExitProgram(RunWindowedReader(argc, argv, documents));
}
