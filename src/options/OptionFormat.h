// SPDX-License-Identifier: GPL-3.0-or-later
// The options' choice of what a conversion writes beside the MP3 quality: the format of the
// compressed conversion (MP3, Ogg Opus, Ogg Vorbis, FLAC), timed subtitles beside it, and a
// document's chapters (a file each, or marks in one file). The controls write the settings at
// once, as the dialog's others do.
#pragma once

class QGroupBox;
class QWidget;

namespace options {

// A group box with "ComboBoxFormat", "CheckBoxSubtitles", "ComboBoxSubtitles",
// "ComboBoxChapters" and "SpinEditChapterMinutes", showing the settings as they are.
QGroupBox* CreateFormatGroup(QWidget* parent);

} // namespace options
