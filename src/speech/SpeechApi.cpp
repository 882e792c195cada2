// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechApi.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

namespace speech {

namespace {
constexpr GUID MakeGuid(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3,
                        std::array<std::uint8_t, 8> d4) {
    return GUID{d1, d2, d3, d4};
}
} // namespace

const GUID CLSID_TTSEnumerator =
    MakeGuid(0xD67C0280, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50});
const GUID CLSID_MMAudioDest =
    MakeGuid(0xCB96B400, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50});
const GUID CLSID_AudioDestFile =
    MakeGuid(0xD4623720, 0xE4B9, 0x11CF, {0x8D, 0x56, 0x00, 0xA0, 0xC9, 0x03, 0x4A, 0x7E});

const GUID IID_ITTSEnumA =
    MakeGuid(0x05EB6C6D, 0xDBAB, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F});
const GUID IID_ITTSEnumLater =
    MakeGuid(0x3A5C9E10, 0x7B2D, 0x4F61, {0x9C, 0x08, 0x51, 0xE2, 0x6D, 0x4A, 0x13, 0xB7});
const GUID IID_ITTSCentralA =
    MakeGuid(0x05EB6C6A, 0xDBAB, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F});
const GUID IID_ITTSAttributesA =
    MakeGuid(0x0FD6E2A1, 0xE77D, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F});
const GUID IID_ITTSDialogsA =
    MakeGuid(0x05EB6C6B, 0xDBAB, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F});
const GUID IID_ITTSNotifySinkA =
    MakeGuid(0x05EB6C6F, 0xDBAB, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F});
const GUID IID_ITTSNotifySink2A =
    MakeGuid(0x599F77E2, 0xE42E, 0x11D1, {0xBE, 0xD8, 0x00, 0x60, 0x08, 0x31, 0x7C, 0xE8});
const GUID IID_ITTSBufNotifySink =
    MakeGuid(0xE4963D40, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50});
const GUID IID_IAudioFile =
    MakeGuid(0xFD7C2320, 0x3D6D, 0x11CF, {0x81, 0x0E, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50});
const GUID IID_IAudioMultiMediaDevice =
    MakeGuid(0xB68AD320, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50});

std::string ResultText(HRESULT hr) {
    switch (hr) {
    case S_OK:
        return QCoreApplication::translate("SpeechApi", "The operation completed successfully.")
            .toStdString();
    case E_NOTIMPL:
        return QCoreApplication::translate("SpeechApi", "Not implemented.").toStdString();
    case E_NOINTERFACE:
        return QCoreApplication::translate("SpeechApi", "No such interface supported.")
            .toStdString();
    case E_POINTER:
        return QCoreApplication::translate("SpeechApi", "Invalid pointer.").toStdString();
    case E_ABORT:
        return QCoreApplication::translate("SpeechApi", "Operation aborted.").toStdString();
    case E_FAIL:
        return QCoreApplication::translate("SpeechApi", "Unspecified error.").toStdString();
    case E_OUTOFMEMORY:
        return QCoreApplication::translate("SpeechApi", "Not enough memory.").toStdString();
    case E_INVALIDARG:
        return QCoreApplication::translate("SpeechApi", "One or more arguments are invalid.")
            .toStdString();
    case TTSERR_NOTSUPPORTED:
        return QCoreApplication::translate("SpeechApi", "The speech engine does not offer this.")
            .toStdString();
    case TTSERR_INVALIDMODE:
        return QCoreApplication::translate("SpeechApi", "The speech engine mode is not installed.")
            .toStdString();
    case TTSERR_ENGINEBUSY:
        return QCoreApplication::translate("SpeechApi", "The speech engine is busy.").toStdString();
    case TTSERR_QUEUEFULL:
        return QCoreApplication::translate("SpeechApi", "The speech engine's queue is full.")
            .toStdString();
    case AUDERR_NODRIVER:
        return QCoreApplication::translate("SpeechApi", "No sound output device is available.")
            .toStdString();
    case AUDERR_DEVICELOST:
        return QCoreApplication::translate("SpeechApi", "The sound output device went away.")
            .toStdString();
    case AUDERR_CANTOPENFILE:
        return QCoreApplication::translate("SpeechApi", "Can not open file.").toStdString();
    case AUDERR_WRITEFAILED:
        return QCoreApplication::translate("SpeechApi", "Can not write the audio file.")
            .toStdString();
    default:
        return {};
    }
}

std::string GuidToString(const GUID& g) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  unsigned(g.Data1), unsigned(g.Data2), unsigned(g.Data3), g.Data4[0], g.Data4[1],
                  g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return buf;
}

bool GuidFromString(const std::string& text, GUID& out) {
    std::string s = text;
    if (s.size() == 38 && s.front() == '{' && s.back() == '}')
        s = s.substr(1, 36);
    if (s.size() != 36)
        return false;
    unsigned d[11];
    char tail;
    int n = std::sscanf(s.c_str(), "%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x%c", &d[0], &d[1], &d[2],
                        &d[3], &d[4], &d[5], &d[6], &d[7], &d[8], &d[9], &d[10], &tail);
    if (n != 11)
        return false;
    out.Data1 = d[0];
    out.Data2 = std::uint16_t(d[1]);
    out.Data3 = std::uint16_t(d[2]);
    for (int i = 0; i < 8; ++i)
        out.Data4[i] = std::uint8_t(d[3 + i]);
    return true;
}

void CopyField(char* field, std::size_t size, const std::string& text) {
    if (size == 0)
        return;
    std::size_t n = std::min(size - 1, text.size());
    // A cut text ends with a whole UTF-8 character, never with the first bytes of one.
    if (n < text.size())
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, size - n);
}

namespace {
struct GuidLess {
    bool operator()(const GUID& a, const GUID& b) const {
        return std::memcmp(&a, &b, sizeof(GUID)) < 0;
    }
};
std::mutex registryMutex;
std::map<GUID, SpeechPlatform::Creator, GuidLess>& Registry() {
    static std::map<GUID, SpeechPlatform::Creator, GuidLess> r;
    return r;
}
} // namespace

void SpeechPlatform::RegisterClass(const GUID& clsid, Creator creator) {
    std::lock_guard lock(registryMutex);
    Registry()[clsid] = std::move(creator);
}

void SpeechPlatform::UnregisterAll() {
    std::lock_guard lock(registryMutex);
    Registry().clear();
}

HRESULT SpeechPlatform::CreateInstance(const GUID& clsid, std::shared_ptr<IUnknown>& out) {
    Creator creator;
    {
        std::lock_guard lock(registryMutex);
        auto it = Registry().find(clsid);
        if (it == Registry().end())
            return HRESULT(0x80040154u); // class not registered
        creator = it->second;
    }
    return creator(out);
}

} // namespace speech
