// The program's entry: with arguments, one command-line job and nothing else; without, the
// windowed reader, one instance at a time.
#include "CmdLine.h"
#include "Engines.h"
#include "KoUtils.h"
#include "WindowMain.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        engines::RegisterEngines();
        TKoCmdLine cmd(app.arguments());
        return cmd.Execute();
    }
    return RunWindowedReader(argc, argv);
}
