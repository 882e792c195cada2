// The program's entry: with arguments, one command-line job and nothing else; without, or with
// files to open, the windowed reader, one instance at a time.
#include "CmdLine.h"
#include "Engines.h"
#include "KoUtils.h"
#include "LexiconDialog.h"
#include "WindowMain.h"
#include "platform/unix/BrokenPipes.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    // A peer that went away (a second start that gave up, an encoder that ended) is an error
    // where it is written to, never the end of the program.
    platform::SurviveBrokenPipes();
    engines::RegisterEngines(); // before any speech component, for both ways of running
    engines::SetLexiconDialog(ShowLexiconDialog);
    // The arguments byte for byte: file names need not be UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << KoUtils::DecodeFileName(QByteArray(argv[i]));
    const QStringList documents = TKoCmdLine::Documents(arguments);
    if (argc > 1 && documents.isEmpty()) {
        QCoreApplication app(argc, argv);
        int code;
        {
            TKoCmdLine cmd(arguments);
            code = cmd.Execute();
        }
        engines::ExitProgram(code);
    }
    engines::ExitProgram(RunWindowedReader(argc, argv, documents));
}
