// The speech-dispatcher engine: the voices of the desktop's speech service (every output module
// it has, and their voices) for reading aloud. The service plays the sound itself and gives no
// samples back, so its voices never speak into a file.
//
// Nothing reaches the service before its voices are asked for: the list comes in the background
// (a service that is not running is started the way its clients start it), and a voice is
// connected when it is selected.
#pragma once

#include "EngineFamily.h"

#include <string>

namespace engines {

std::shared_ptr<TEngineFamily> CreateSpeechdFamily();

// The text of a block as the service reads it: SSML with a mark before each word (named by the
// word's byte offset in the block), pauses as breaks, other tags left out. Exposed for tests.
std::string SpeechdMarkup(const std::string& block, bool tagged);

} // namespace engines
