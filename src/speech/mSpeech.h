// SPDX-License-Identifier: GPL-3.0-or-later
// TMSpeech: the one component through which the program speaks.
//
// It enumerates the installed engine modes, binds one by name, speaks a text to the sound
// output or into a WAV file, injects control tags, and turns the engine's notifications into
// events. Events run on the thread that owns the component, from its event loop.
#pragma once

#include "SpeechApi.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

namespace speech {

struct SinkLink;

enum TSpeechOutput { soFile = 0, soGeneral = 1 };

struct TMSpeechEngineInfo {
    QString Name;
    QString Language;
    QString Manufacturer;
    QString Product;
    QString ModeID;
    QString EngineID;
    QString Speaker;
    QString Style;
    QString Gender;
    std::int32_t Age = 0;
    std::int32_t Features = 0;
    std::int32_t Interfaces = 0;
    std::uint16_t MaxPitch = 0;
    std::uint16_t MinPitch = 0;
    std::uint32_t MaxRealTime = 0;
    std::uint32_t MinRealTime = 0;
    std::uint32_t MaxSpeed = 0;
    std::uint32_t MinSpeed = 0;
    std::uint32_t MaxVolume = 0;
    std::uint32_t MinVolume = 0;
};

class EMSpeechException : public std::runtime_error {
public:
    explicit EMSpeechException(const QString& message)
        : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};

// A refused engine call: carries the result code; the message is the code's text, or
// "OLE error XXXXXXXX" when there is none.
class EOleSysError : public std::runtime_error {
public:
    explicit EOleSysError(HRESULT code);
    HRESULT ErrorCode() const { return FCode; }

private:
    HRESULT FCode;
};

class TMSpeech : public QObject {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(TMSpeech* sender)>;
    using TMSAChangedEvent = std::function<void(TMSpeech* sender, std::uint32_t attribute)>;
    using TMSErrorEvent =
        std::function<void(TMSpeech* sender, std::int32_t code, const QString& message)>;
    using TMSVisualEvent =
        std::function<void(TMSpeech* sender, std::uint32_t hints, PTTSMouth mouth)>;

    explicit TMSpeech(QObject* owner = nullptr);
    ~TMSpeech() override;

    void SelectEngine(const QString& name);
    void Speak();
    void SpeakText(const QString& text);
    void Pause();
    void Resume();
    void Stop();
    void SetPitch(std::uint16_t value);
    void SetSpeed(std::uint32_t value);
    void ShowEngineDialog(std::uint8_t kind, HWND parent, const char* title);
    bool GetEngineInfo(const QString& name, TMSpeechEngineInfo& info);
    // 0: audio destination of the current Output, 1: central, 2: attributes, 3: dialogs.
    void GetInterface(int kind, std::shared_ptr<IUnknown>& out);

    // Speaks a text that comes in pieces, for texts of any size: `next` gives the following
    // piece, or nullopt when there is no more. It is asked on the owner's thread while the
    // engine speaks, a few pieces ahead, so memory stays flat and the first sound does not
    // wait for the whole text. Same output as Speak, one stop at the end; an exception from
    // `next` ends the text there and is reported through OnError. Word offsets count in the
    // piece being spoken.
    using TPieceSource = std::function<std::optional<QString>()>;
    void SpeakPieces(TPieceSource next);

    // File output: `record` hears every word as it is written, on the engine's thread, with the
    // sample frame of the file where its sound starts and the word as the text writes it. Set
    // before Speak.
    using TWordTimeEvent = std::function<void(std::uint64_t frame, const QString& word)>;
    void RecordWordTimes(TWordTimeEvent record) { FWordTimes = std::move(record); }

    void SetText(const QStringList& lines) { FText = lines; }
    const QStringList& Text() const { return FText; }
    QString Version() const;
    void SetVersion(const QString&) {} // read-only banner; writes are ignored

    // Published state.
    bool Enabled = true;
    QString Filename;
    TSpeechOutput Output = soGeneral;

    // The mode names of all installed engine modes; index = engine number. Listed on first
    // call: listing can cost the engine much (reading every voice), and a job that speaks
    // with the first mode or a named one does without it. Engines that list their modes in the
    // background (a speech service) are waited for, up to kListWaitMs.
    const QStringList& Engines();
    // The modes listed so far, without waiting for those listed in the background (nor
    // starting that). ListAllEngines starts it; enginesListed() follows when it is complete,
    // and from then on both lists hold every mode.
    const QStringList& ListedEngines();
    void ListAllEngines();
    bool AllEnginesListed();
    // The description of each listed mode, as GetEngineInfo gives it, in the same order.
    const QList<TMSpeechEngineInfo>& ListedEngineInfos();
    // A line for each engine that offers no mode here, saying why.
    QStringList EngineProblems();
    // False for a mode that plays on a sound output of its own and so cannot write a file;
    // NoFilesMessage tells the user so.
    bool CanWriteFiles(const QString& name);
    static QString NoFilesMessage(const QString& name);
    // Engine `index`'s name, empty when there is none. Engine 0 is found without listing.
    QString EngineName(int index);
    static constexpr DWORD kListWaitMs = 35000;

    // Read by callers.
    bool Initialized = false;
    bool Selected = false;
    bool Paused = false;
    TMSpeechEngineInfo EngineInfo;
    // Byte offset, in the UTF-8 text last handed to the engine, of the word being spoken.
    std::uint32_t WordOffset = 0;
    // The same word as an index into that text as a QString (UTF-16 units), which is what
    // an editor needs: byte offsets and characters part after the first non-ASCII letter.
    std::int32_t WordCharOffset = 0;

    TMSAChangedEvent OnAttribChanged;
    TMSErrorEvent OnError;
    TNotifyEvent OnStart;
    TNotifyEvent OnStop;
    TMSErrorEvent OnWarning;
    TMSVisualEvent OnVisual;

signals:
    // Every engine has listed its modes (see ListAllEngines).
    void enginesListed();

private:
    class TTSNotifySink;
    class TTSBufNotifySink;
    friend class TTSNotifySink;
    friend class TTSBufNotifySink;

    void InitEngines();
    void ListEngines();
    ITTSEnumLater* Later() const;
    int IndexOfEngine(const QString& name);
    bool FetchMode(int index, TTSMODEINFOA& record);
    // The record of the mode called `name`; false when there is none.
    bool FetchNamed(const QString& name, TTSMODEINFOA& record);
    void PrepareSelect();
    void BindEngine();
    void LoadEngineInfo();
    static void FillInfo(const TTSMODEINFOA& record, TMSpeechEngineInfo& info);
    std::shared_ptr<IUnknown> CurrentDestination() const;
    // Opens Filename for file output; throws "Can not open file NAME: reason".
    void OpenFile();

    // Runs `fn` on the owner's thread if the binding `generation` is still the current one.
    void Deliver(std::uint64_t generation, std::function<void()> fn);
    void HandleAudioStop();
    // Hands pieces of FPieces to the engine until kPiecesAhead are queued or there is no more;
    // returns how many it handed over.
    int FeedPieces();
    void PieceDone();
    void HandleWordPosition(std::uint32_t byteOffset);

    std::shared_ptr<ITTSEnumA> FEnum;
    std::shared_ptr<IAudioFile> FFileDest;
    std::shared_ptr<IAudioMultiMediaDevice> FDeviceDest;
    std::shared_ptr<ITTSCentralA> FCentral;
    std::shared_ptr<ITTSAttributesA> FAttributes;
    std::shared_ptr<ITTSDialogsA> FDialogs;
    std::shared_ptr<TTSNotifySink> FNotifySink;
    std::shared_ptr<TTSBufNotifySink> FBufSink;
    std::shared_ptr<SinkLink> FLinkSlot;
    std::unique_ptr<TTSMODEINFOA> FModeInfo;
    DWORD FRegKey = 0;
    QStringList FText;
    QStringList FEngines;
    TWordTimeEvent FWordTimes;
    QList<TMSpeechEngineInfo> FEngineInfos;
    bool FListed = false;
    bool FListedAll = true; // when FEngines was made, every engine had listed
    bool FAllRequested = false;
    static constexpr int kPiecesAhead = 3;
    TPieceSource FPieces;  // null when the text has no more pieces
    int FPiecesQueued = 0; // handed to the engine and not yet done
    // Bumped by every selection: notifications of older bindings are dropped.
    std::uint64_t FGeneration = 0;
    // The text last handed to the engine, for turning byte offsets into character indexes.
    QByteArray FSpokenUtf8;
    std::uint32_t FScanByte = 0;
    std::int32_t FScanChar = 0;
};

} // namespace speech
