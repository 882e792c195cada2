// SPDX-License-Identifier: GPL-3.0-or-later
// The espeak-ng engine behind the speech contract.
//
// espeak-ng keeps all its state in globals, so one worker thread owns it for the whole
// process: every synthesis, voice change and voice listing runs there, one job at a time.
// Every espeak-ng voice is offered as two modes, a male and a female one.
#pragma once

#include "SpeechApi.h"

#include <optional>
#include <string>
#include <vector>

namespace engines {

struct EspeakMode {
    speech::TTSMODEINFOA Info;
    std::string Voice;    // the name espeak-ng is given: identifier plus variant
    std::string Language; // language tag, e.g. "en-us"
    int BasePitchHz = 68; // pitch 0 of espeak-ng's scale, in hertz
};

// The installed modes in the order engines are numbered: the user's locale first (English
// when nothing matches it), then the rest by language name, male before female. `localeName`
// is a locale such as "de_AT"; empty means the system's.
std::vector<EspeakMode> EspeakModes(const std::string& localeName = {});
// The first of those modes, found by reading only the voices of the locale's language (when
// the voices are not listed yet); nullopt when there is no voice.
std::optional<EspeakMode> EspeakFirstMode(const std::string& localeName = {});

// Creates the enumerator of the espeak-ng modes.
speech::HRESULT CreateEspeakEnum(std::shared_ptr<speech::IUnknown>& out);

} // namespace engines
