// SPDX-License-Identifier: GPL-3.0-or-later
// A conversion of the command line: the text through the conversion pipeline into an audio
// file (or a split book's files and their playlist), run to its end. Progress (percent, time
// spent, time left) goes to standard error when that is a terminal, and nowhere else; an
// interruption (Ctrl+C, a hang-up, kill) ends the workers and leaves no unfinished file.
#pragma once

#include "Document.h"
#include "Mp3Pipeline.h"

#include <QString>
#include <QStringList>

#include <memory>

struct TConversionRequest {
    QString Text; // the text itself, when there is no Reader
    std::shared_ptr<settings::TDocumentReader> Reader;
    qint64 Expected = 0; // characters, for the pieces' size and the progress
    QString Output;      // "-" for standard output
    QStringList WorkerSwitches;
    Lame::Options Mp3;
    Lame::TTarget Target;
    int Parallel = 1;
    QString Playlist; // where a split book's playlist goes
};

// Empty when everything was written, else why not.
QString RunConversion(TConversionRequest request);
