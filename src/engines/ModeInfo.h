// SPDX-License-Identifier: GPL-3.0-or-later
// What the engines share in describing their modes: a mode's identifier, which stays the same
// from run to run because it is a name-based UUID of the voice, and the voice's names in lower
// case, the way the engines' languages and voice files are compared.
#pragma once

#include "SpeechApi.h"

#include <QUuid>

#include <cctype>
#include <cstring>
#include <string>

namespace engines {

// A UUID as the speech contract holds a GUID.
inline speech::GUID ToGuid(const QUuid& u) {
    speech::GUID g;
    g.Data1 = u.data1;
    g.Data2 = u.data2;
    g.Data3 = u.data3;
    std::memcpy(g.Data4.data(), u.data4, 8);
    return g;
}

// `s` with its ASCII letters in lower case.
inline std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace engines
