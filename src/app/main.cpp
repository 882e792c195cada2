// The program's entry: with arguments, one command-line job and nothing else; without, the
// windowed reader, one instance at a time.
#include "CmdLine.h"
#include "Engines.h"
#include "KoUtils.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        engines::RegisterEngines();
        TKoCmdLine cmd(app.arguments());
        return cmd.Execute();
    }
    if (KoUtils::IsAlreadyRunning())
        return 0;
    std::fputs("The reader's window is not available yet; run it with /? for the command line.\n",
               stderr);
    return 1;
}
