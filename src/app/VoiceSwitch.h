// SPDX-License-Identifier: GPL-3.0-or-later
// "-v VOICE": a voice by name or language, as espeak-ng's own command line takes it: a voice's
// name ("English (Great Britain) Female", "english_(great_britain)"), a language or dialect
// ("en-gb", "fr"), a voice file ("gmw/en-GB"), and "+f..." or "+m..." after any of them for a
// female or a male voice.
#pragma once

#include "mSpeech.h"

#include <QString>

// The engine number of the voice `name` names (a voice name, a language or +f, +m), or -1 with
// `error` saying there is none.
int VoiceNumber(speech::TMSpeech& speech, const QString& name, QString& error);
