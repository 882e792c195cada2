// The reading and conversion controller: reading aloud, into WAV and into MP3.
#include "Converter.h"

// Empty by design until the reading controller lands; creation calls them in their places.
void TFormCvt::StartReading(const QString&) {}
void TFormCvt::UpdateStatus() {}
void TFormCvt::UpdateModeCaptions() {}
void TFormCvt::SpeakGreeting() {}
void TFormCvt::ActionTTSExecute() {}
void TFormCvt::ActionTTWExecute() {}
void TFormCvt::ActionTTMExecute() {}
void TFormCvt::ActionReadClipboardExecute() {}
void TFormCvt::ActionTTXCursorExecute() {}
void TFormCvt::ActionTTXSelectedExecute() {}
void TFormCvt::ActionPauseExecute() {}
void TFormCvt::ActionStopExecute() {}
void TFormCvt::MSpeech1Start(speech::TMSpeech*) {}
void TFormCvt::MSpeech1Stop(speech::TMSpeech*) {}
void TFormCvt::TimerWordPositionTimer() {}
void TFormCvt::Playback1Click() {}
void TFormCvt::PopupMenuMemoPopup() {}
