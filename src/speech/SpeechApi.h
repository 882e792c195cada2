// SPDX-License-Identifier: GPL-3.0-or-later
// The speech engine contract: the interfaces an engine implements and the component drives.
//
// The shapes follow the classic text-to-speech platform interfaces (enumerator, central,
// attributes, dialogs, audio destinations, notification sinks) so that the speech component
// can be written once against them. Objects are reference counted with std::shared_ptr, every
// call returns a 32-bit result code (0 = success).
//
// Threads: an engine works on a thread of its own and may call the sinks from any thread.
// The component's sinks carry every notification over to the thread that owns the component.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace speech {

using HRESULT = std::int32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using QWORD = std::uint64_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = HRESULT(0x80004002u);
inline constexpr HRESULT E_POINTER = HRESULT(0x80004003u);
inline constexpr HRESULT E_ABORT = HRESULT(0x80004004u);
inline constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
// Engine and audio specific failures.
inline constexpr HRESULT TTSERR_NOTSUPPORTED = HRESULT(0x80040201u);
inline constexpr HRESULT TTSERR_INVALIDMODE = HRESULT(0x80040202u);
inline constexpr HRESULT TTSERR_ENGINEBUSY = HRESULT(0x80040203u);
inline constexpr HRESULT TTSERR_QUEUEFULL = HRESULT(0x80040204u);
inline constexpr HRESULT AUDERR_NODRIVER = HRESULT(0x80040211u);
inline constexpr HRESULT AUDERR_DEVICELOST = HRESULT(0x80040212u);
inline constexpr HRESULT AUDERR_CANTOPENFILE = HRESULT(0x80040213u);
inline constexpr HRESULT AUDERR_WRITEFAILED = HRESULT(0x80040214u);

inline bool Succeeded(HRESULT hr) {
    return hr >= 0;
}
inline bool Failed(HRESULT hr) {
    return hr < 0;
}

// A human text for the result codes this contract defines; empty for any other code.
std::string ResultText(HRESULT hr);

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::array<std::uint8_t, 8> Data4{};

    friend bool operator==(const GUID&, const GUID&) = default;
};

// "{D67C0280-C743-11CD-80E5-00AA003E4B50}": braces, upper-case hexadecimal.
std::string GuidToString(const GUID& g);
// Accepts the braced or bare form; false when the text is not a GUID.
bool GuidFromString(const std::string& text, GUID& out);

// Class identifiers of the three objects the platform creates.
extern const GUID CLSID_TTSEnumerator;
extern const GUID CLSID_MMAudioDest;
extern const GUID CLSID_AudioDestFile;

// Interface identifiers.
extern const GUID IID_ITTSEnumA;
extern const GUID IID_ITTSEnumLater;
extern const GUID IID_ITTSCentralA;
extern const GUID IID_ITTSAttributesA;
extern const GUID IID_ITTSDialogsA;
extern const GUID IID_ITTSNotifySinkA;
extern const GUID IID_ITTSNotifySink2A;
extern const GUID IID_ITTSBufNotifySink;
extern const GUID IID_IAudioFile;
extern const GUID IID_IAudioMultiMediaDevice;

inline constexpr int TTSI_NAMELEN = 262;
inline constexpr int TTSI_STYLELEN = 262;
inline constexpr int LANG_LEN = 64;

inline constexpr WORD GENDER_NEUTRAL = 0;
inline constexpr WORD GENDER_FEMALE = 1;
inline constexpr WORD GENDER_MALE = 2;

// Feature flags of a mode.
inline constexpr DWORD TTSFEATURE_ANYWORD = 0x0001;
inline constexpr DWORD TTSFEATURE_VOLUME = 0x0002;
inline constexpr DWORD TTSFEATURE_SPEED = 0x0004;
inline constexpr DWORD TTSFEATURE_PITCH = 0x0008;
inline constexpr DWORD TTSFEATURE_TAGGED = 0x0010;
inline constexpr DWORD TTSFEATURE_WORDPOSITION = 0x0400;
inline constexpr DWORD TTSFEATURE_PCOPTIMIZED = 0x0800;
// The mode plays on a sound output of its own (a speech service's): it cannot speak into a
// file, and Select refuses a file destination for it.
inline constexpr DWORD TTSFEATURE_FIXEDAUDIO = 0x1000;
// Interface flags of a mode.
inline constexpr DWORD TTSI_ITTSCENTRAL = 0x0001;
inline constexpr DWORD TTSI_ITTSATTRIBUTES = 0x0002;
inline constexpr DWORD TTSI_ITTSDIALOGS = 0x0004;

struct LANGUAGEA {
    WORD LanguageID = 0;
    char szDialect[LANG_LEN] = {};
};

// The mode record: 1424 bytes, laid out as the platform lays it out.
struct TTSMODEINFOA {
    GUID gEngineID;
    char szMfgName[TTSI_NAMELEN] = {};
    char szProductName[TTSI_NAMELEN] = {};
    GUID gModeID;
    char szModeName[TTSI_NAMELEN] = {};
    LANGUAGEA language;
    char szSpeaker[TTSI_NAMELEN] = {};
    char szStyle[TTSI_STYLELEN] = {};
    WORD wGender = GENDER_NEUTRAL;
    WORD wAge = 0;
    DWORD dwFeatures = 0;
    DWORD dwInterfaces = 0;
    DWORD dwEngineFeatures = 0;
};
static_assert(sizeof(TTSMODEINFOA) == 1424, "the mode record is 1424 bytes");

// Copies text into a fixed character field, always NUL-terminated, cut if needed (before a
// UTF-8 character that does not fit whole).
void CopyField(char* field, std::size_t size, const std::string& text);
template <std::size_t N> void CopyField(char (&field)[N], const std::string& text) {
    CopyField(field, N, text);
}

// Error record filled by the object passed with error and warning notifications.
struct TTSERRORINFO {
    std::int32_t Code = 0;
    char Text[512] = {};
};

class IUnknown {
public:
    virtual ~IUnknown() = default;
    // Fills `out` with this object seen as the interface `iid`, or returns E_NOINTERFACE.
    virtual HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) = 0;
};

template <class T>
HRESULT QueryInterface(const std::shared_ptr<IUnknown>& obj, std::shared_ptr<T>& out) {
    if (!obj)
        return E_POINTER;
    std::shared_ptr<void> p;
    HRESULT hr = obj->QueryInterface(T::IID(), p);
    if (Succeeded(hr) && p)
        out = std::static_pointer_cast<T>(p);
    else if (Succeeded(hr))
        hr = E_NOINTERFACE;
    return hr;
}

// Answers QueryInterface for the listed interfaces of an object that derives from them.
template <class Self, class... Ifaces>
HRESULT QueryInterfaceOf(const std::shared_ptr<Self>& self, const GUID& iid,
                         std::shared_ptr<void>& out) {
    bool found =
        ((iid == Ifaces::IID() &&
          (out = std::static_pointer_cast<void>(std::static_pointer_cast<Ifaces>(self)), true)) ||
         ...);
    return found ? S_OK : E_NOINTERFACE;
}

class ITTSErrorObject {
public:
    virtual ~ITTSErrorObject() = default;
    virtual HRESULT GetErrorInfo(TTSERRORINFO& info) = 0;
};

// Mouth shape passed through with visual notifications; engines may leave it empty.
struct TTSMOUTH {
    std::uint8_t bMouthHeight = 0, bMouthWidth = 0, bMouthUpturn = 0, bJawOpen = 0;
    std::uint8_t bTeethUpperVisible = 0, bTeethLowerVisible = 0, bTonguePosn = 0, bLipTension = 0;
};
using PTTSMouth = const TTSMOUTH*;

class ITTSNotifySinkA : public virtual IUnknown {
public:
    static const GUID& IID() { return IID_ITTSNotifySinkA; }
    virtual HRESULT AttribChanged(DWORD attribute) = 0;
    virtual HRESULT AudioStart(QWORD timeStamp) = 0;
    virtual HRESULT AudioStop(QWORD timeStamp) = 0;
    virtual HRESULT Visual(QWORD timeStamp, char phoneme, char enginePhoneme, DWORD hints,
                           PTTSMouth mouth) = 0;
};

class ITTSNotifySink2A : public ITTSNotifySinkA {
public:
    static const GUID& IID() { return IID_ITTSNotifySink2A; }
    virtual HRESULT Error(const std::shared_ptr<ITTSErrorObject>& error) = 0;
    virtual HRESULT Warning(const std::shared_ptr<ITTSErrorObject>& warning) = 0;
    virtual HRESULT VisualFuture(DWORD milliseconds, QWORD timeStamp, char phoneme,
                                 char enginePhoneme, DWORD hints, PTTSMouth mouth) = 0;
};

class ITTSBufNotifySink : public virtual IUnknown {
public:
    static const GUID& IID() { return IID_ITTSBufNotifySink; }
    virtual HRESULT TextDataDone(QWORD timeStamp, DWORD flags) = 0;
    virtual HRESULT TextDataStarted(QWORD timeStamp) = 0;
    virtual HRESULT BookMark(QWORD timeStamp, DWORD markNum) = 0;
    // `byteOffset`: offset in the text block of the word now being heard (or written);
    // `timeStamp`: the sample frame, counted from the binding's first, where its sound starts.
    virtual HRESULT WordPosition(QWORD timeStamp, DWORD byteOffset) = 0;
};

class ITTSAttributesA : public virtual IUnknown {
public:
    static const GUID& IID() { return IID_ITTSAttributesA; }
    // Pitch in hertz, speed in words per minute. Values beyond the mode's range are clamped,
    // so a read after a set gives the limit.
    virtual HRESULT PitchGet(WORD& pitch) = 0;
    virtual HRESULT PitchSet(WORD pitch) = 0;
    virtual HRESULT RealTimeGet(DWORD& realTime) = 0;
    virtual HRESULT RealTimeSet(DWORD realTime) = 0;
    virtual HRESULT SpeedGet(DWORD& speed) = 0;
    virtual HRESULT SpeedSet(DWORD speed) = 0;
    virtual HRESULT VolumeGet(DWORD& volume) = 0;
    virtual HRESULT VolumeSet(DWORD volume) = 0;
};

// Window handle for the engine's own dialogs: opaque here (a QWidget* in the window build).
using HWND = void*;

class ITTSDialogsA : public virtual IUnknown {
public:
    static const GUID& IID() { return IID_ITTSDialogsA; }
    virtual HRESULT AboutDlg(HWND parent, const char* title) = 0;
    virtual HRESULT GeneralDlg(HWND parent, const char* title) = 0;
    virtual HRESULT LexiconDlg(HWND parent, const char* title) = 0;
    virtual HRESULT TranslateDlg(HWND parent, const char* title) = 0;
};

// Character sets of TextData.
inline constexpr DWORD CHARSET_TEXT = 0;
// Flags of TextData.
inline constexpr DWORD TTSDATAFLAG_TAGGED = 1;

class ITTSCentralA : public virtual IUnknown {
public:
    static const GUID& IID() { return IID_ITTSCentralA; }
    virtual HRESULT Register(const std::shared_ptr<IUnknown>& sink, const GUID& iid,
                             DWORD& key) = 0;
    virtual HRESULT UnRegister(DWORD key) = 0;
    // `text` holds `length` bytes including the terminating NUL (UTF-8 on this platform).
    virtual HRESULT TextData(DWORD charSet, DWORD flags, const char* text, DWORD length,
                             const std::shared_ptr<IUnknown>& bufSink, const GUID& bufIid) = 0;
    virtual HRESULT Inject(const char* tag) = 0;
    virtual HRESULT AudioPause() = 0;
    virtual HRESULT AudioResume() = 0;
    virtual HRESULT AudioReset() = 0;
};

// What an engine writes into: the audio destinations implement this besides their own
// interface. Calls come from the engine's thread, except Pause/Resume/Reset, which the
// central forwards from the owner's thread.
struct AudioFormat {
    int SampleRate = 22050;
    int Channels = 1; // samples are signed 16-bit
};

class IAudioDest {
public:
    virtual ~IAudioDest() = default;
    // Tells whether the destination can take a stream now (a sound output that has no device
    // says so here), so that a caller learns of it before anything is queued.
    virtual HRESULT Open() { return S_OK; }
    // A new stream of audio begins: everything written until StreamEnd belongs to it. Sample
    // positions count from 0 at StreamStart.
    virtual HRESULT StreamStart(const AudioFormat& format) = 0;
    // Writes samples; may block to keep a pace or to limit what is queued. Returns E_ABORT
    // once Reset has discarded the stream, an error code when the output failed.
    virtual HRESULT StreamWrite(const std::int16_t* samples, std::size_t count) = 0;
    // `reached` runs once every sample before `position` has been played (or written).
    virtual HRESULT StreamMark(QWORD position, std::function<void()> reached) = 0;
    // `started` runs when the first sample is played (or written); may come before any write.
    virtual HRESULT StreamOnStarted(std::function<void()> started) = 0;
    // Ends the stream; `done` runs once the last sample has been played (or written),
    // with S_OK or the failure that ended the output.
    virtual HRESULT StreamEnd(std::function<void(HRESULT)> done) = 0;
    // Output control, from the owner's thread.
    virtual HRESULT Pause() = 0;
    virtual HRESULT Resume() = 0;
    // Discards everything queued; pending marks and the stream's `done` never run; a blocked
    // StreamWrite returns E_ABORT.
    virtual HRESULT Reset() = 0;
};

class IAudioFile : public virtual IUnknown {
public:
    static const GUID& IID() { return IID_IAudioFile; }
    // Opens (creates or truncates) the WAV file. `flags` 1: write. UTF-16 name, as received.
    virtual HRESULT Set(const std::u16string& fileName, DWORD flags) = 0;
    // Caps the writing speed at speed/256 times real time (256 = real time). 0 means no cap:
    // as fast as the engine can.
    virtual HRESULT RealTimeSet(WORD speed) = 0;
    // Completes the WAV header and closes the file.
    virtual HRESULT Flush() = 0;
};

class IAudioMultiMediaDevice : public virtual IUnknown {
public:
    static const GUID& IID() { return IID_IAudioMultiMediaDevice; }
    // Device volume 0..65535 for each channel: low word left, high word right.
    virtual HRESULT VolumeGet(DWORD& volume) = 0;
    virtual HRESULT VolumeSet(DWORD volume) = 0;
};

class ITTSEnumA : public virtual IUnknown {
public:
    static const GUID& IID() { return IID_ITTSEnumA; }
    virtual HRESULT Reset() = 0;
    virtual HRESULT Skip(DWORD count) = 0;
    // Fetches up to `count` records; `fetched` tells how many. S_FALSE when fewer than asked.
    virtual HRESULT Next(DWORD count, TTSMODEINFOA* records, DWORD& fetched) = 0;
    // Binds a mode speaking to `destination` (an object implementing IAudioDest).
    virtual HRESULT Select(const GUID& modeId, std::shared_ptr<ITTSCentralA>& central,
                           const std::shared_ptr<IUnknown>& destination) = 0;
};

// Offered by an enumerator some of whose engines list their modes in the background (a speech
// service in another process) or cannot be used here: Next gives what is listed so far.
class ITTSEnumLater : public virtual IUnknown {
public:
    static const GUID& IID() { return IID_ITTSEnumLater; }
    // True once every engine has listed its modes or given up; waits at most `ms` for that,
    // starting the listing (0 only tells, and starts nothing).
    virtual bool WaitListed(DWORD ms) = 0;
    // Starts the listing in the background if it is not done; `listed` runs once, on any
    // thread, when it is (at once when it already is).
    virtual HRESULT OnListed(std::function<void()> listed) = 0;
    // One line for each engine that offers no voice here (or fewer than it could), saying why.
    virtual std::string Problems() = 0;
};

// Creates the platform's objects by class identifier: the enumerator, the sound-output
// destination and the file destination. The engines' library installs its factories at start;
// tests may install their own.
class SpeechPlatform {
public:
    using Creator = std::function<HRESULT(std::shared_ptr<IUnknown>&)>;
    static void RegisterClass(const GUID& clsid, Creator creator);
    static void UnregisterAll();
    static HRESULT CreateInstance(const GUID& clsid, std::shared_ptr<IUnknown>& out);

    template <class T> static HRESULT CreateInstance(const GUID& clsid, std::shared_ptr<T>& out) {
        std::shared_ptr<IUnknown> obj;
        HRESULT hr = CreateInstance(clsid, obj);
        if (Failed(hr))
            return hr;
        return speech::QueryInterface(obj, out);
    }
};

} // namespace speech
