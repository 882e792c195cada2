// The voice list, the volume and speed sliders, the control-tag commands and key-to-speech.
#include "Converter.h"

// Empty by design until the voice controls land; creation calls it in its place.
void TFormCvt::FillEngineList() {}
