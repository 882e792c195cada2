// The program's entry: with arguments, one command-line job and nothing else; without, the
// windowed reader, one instance at a time.
#include "CmdLine.h"
#include "Engines.h"
#include "LexiconDialog.h"
#include "WindowMain.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    engines::RegisterEngines(); // before any speech component, for both ways of running
    engines::SetLexiconDialog(ShowLexiconDialog);
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        int code;
        {
            TKoCmdLine cmd(app.arguments());
            code = cmd.Execute();
        }
        engines::ExitProgram(code);
    }
    engines::ExitProgram(RunWindowedReader(argc, argv));
}
