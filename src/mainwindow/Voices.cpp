// The voice list, the volume and speed sliders, the control-tag commands and key-to-speech.
#include "Converter.h"

// Empty by design until the voice controls land; creation calls FillEngineList in its place.
void TFormCvt::FillEngineList() {}
void TFormCvt::ComboBoxExEnginesChange() {}
void TFormCvt::TrackBarVolChange() {}
void TFormCvt::TrackBarSpdChange() {}
void TFormCvt::InsertControlTag(const QString&) {}
void TFormCvt::ActionToolsShortPauseExecute() {}
void TFormCvt::ActionToolsLongPauseExecute() {}
void TFormCvt::ActionToolsWhisperExecute() {}
void TFormCvt::ActionToolsMonotoneExecute() {}
void TFormCvt::ActionToolsNormalExecute() {}
void TFormCvt::ActionToolsEmpExecute() {}
void TFormCvt::ActionToolsVolExecute() {}
void TFormCvt::ActionToolsSpdExecute() {}
void TFormCvt::ActionToolsPitExecute() {}
void TFormCvt::Memo1KeyPress(QKeyEvent*) {}
