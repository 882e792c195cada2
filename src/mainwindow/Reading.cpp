// The reading and conversion controller: reading aloud, into WAV and into MP3.
#include "Converter.h"

// Empty by design until the reading controller lands; creation calls them in their places.
void TFormCvt::UpdateModeCaptions() {}
void TFormCvt::UpdateStatus() {}
void TFormCvt::SpeakGreeting() {}
