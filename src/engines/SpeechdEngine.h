// SPDX-License-Identifier: GPL-3.0-or-later
// The speech-dispatcher engine: the voices of the desktop's speech service (every output module
// it has, and their voices) for reading aloud. The service plays the sound itself and gives no
// samples back, so its voices never speak into a file.
//
// Nothing reaches the service before its voices are asked for: the list comes in the background
// (a service that is not running is started the way its clients start it), and a voice is
// connected when it is selected.
#pragma once

#include "EngineFamily.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace engines {

std::shared_ptr<TEngineFamily> CreateSpeechdFamily();

// The parts a block is handed to the service in: byte ranges one after another, cut after a
// sentence (the first part after its first one, so that it is heard at once) or at a blank
// line, never inside a word or a tag. Exposed for tests.
std::vector<std::pair<std::uint32_t, std::uint32_t>> SpeechdParts(std::string_view block,
                                                                  bool tagged);

// The text of a part (the bytes at offset `base` of a block) as the service reads it: SSML with
// a mark before each word (named by the word's byte offset in the block), pauses as breaks,
// other tags left out; from the word at offset `from` on. Exposed for tests.
std::string SpeechdMarkup(std::string_view part, bool tagged, std::uint32_t base = 0,
                          std::uint32_t from = 0);

} // namespace engines
