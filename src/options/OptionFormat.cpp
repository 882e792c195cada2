// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionFormat.h"

#include "Encoder.h"
#include "Global.h"
#include "Subtitles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using settings::Settings;

namespace options {

namespace {

// How a document's conversion takes its chapters, and parts by minutes where it has none.
QHBoxLayout* ChaptersRow(QGroupBox* group) {
    auto* chapters = new QComboBox(group);
    chapters->setObjectName(QStringLiteral("ComboBoxChapters"));
    chapters->setToolTip(QCoreApplication::translate(
        "OptionFormat", "A document converted by its chapters: its headings, or "
                        "lines such as \"Chapter 1\""));
    //: no chapters
    chapters->addItem(QCoreApplication::translate("OptionFormat", "None"), QStringLiteral("none"));
    chapters->addItem(QCoreApplication::translate("OptionFormat", "File per chapter"),
                      QStringLiteral("split"));
    chapters->addItem(QCoreApplication::translate("OptionFormat", "Chapter marks"),
                      QStringLiteral("marks"));
    chapters->setCurrentIndex(std::max(0, chapters->findData(Settings.Chapters.toLower())));
    auto* minutes = new QSpinBox(group);
    minutes->setObjectName(QStringLiteral("SpinEditChapterMinutes"));
    minutes->setToolTip(QCoreApplication::translate(
        "OptionFormat", "Parts of about this many minutes where a document has "
                        "no headings; never: one file"));
    minutes->setRange(0, 600);
    //: parts by minutes: never, the whole document is one file
    minutes->setSpecialValueText(QCoreApplication::translate("OptionFormat", "never"));
    //: unit after a number of minutes
    minutes->setSuffix(QCoreApplication::translate("OptionFormat", " min"));
    minutes->setValue(std::clamp(int(Settings.ChapterMinutes), 0, 600));
    minutes->setEnabled(chapters->currentIndex() > 0);

    QObject::connect(chapters, &QComboBox::activated, group, [chapters, minutes] {
        Settings.Chapters = chapters->currentData().toString();
        minutes->setEnabled(chapters->currentIndex() > 0);
    });
    QObject::connect(minutes, &QSpinBox::valueChanged, group,
                     [](int value) { Settings.ChapterMinutes = value; });

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("OptionFormat", "Chapters:"), group));
    row->addWidget(chapters);
    row->addSpacing(12);
    row->addWidget(
        new QLabel(QCoreApplication::translate("OptionFormat", "Without headings:"), group));
    row->addWidget(minutes);
    row->addStretch();
    return row;
}

} // namespace

QGroupBox* CreateFormatGroup(QWidget* parent) {
    auto* group =
        new QGroupBox(QCoreApplication::translate("OptionFormat", " Compressed Format "), parent);
    auto* format = new QComboBox(group);
    format->setObjectName(QStringLiteral("ComboBoxFormat"));
    format->setToolTip(
        QCoreApplication::translate("OptionFormat", "The format \"Read to MP3 File\" writes"));
    for (audio::TFormat f :
         {audio::TFormat::Mp3, audio::TFormat::Opus, audio::TFormat::Vorbis, audio::TFormat::Flac})
        format->addItem(audio::NameOf(f), audio::KeyOf(f));
    // A stored value that names no format is MP3, as the conversion takes it.
    format->setCurrentIndex(std::max(0, format->findData(Settings.Format.toLower())));

    auto* subtitles =
        new QCheckBox(QCoreApplication::translate("OptionFormat", "Subtitles"), group);
    subtitles->setObjectName(QStringLiteral("CheckBoxSubtitles"));
    subtitles->setToolTip(
        QCoreApplication::translate("OptionFormat", "Timed subtitles beside the converted file"));
    subtitles->setChecked(Settings.Subtitles);
    auto* kind = new QComboBox(group);
    kind->setObjectName(QStringLiteral("ComboBoxSubtitles"));
    for (const char* name : {"srt", "vtt", "lrc"})
        kind->addItem(QString::fromLatin1(name).toUpper(), QString::fromLatin1(name));
    kind->setCurrentIndex(std::max(0, kind->findData(Settings.SubtitleFormat.toLower())));
    kind->setEnabled(subtitles->isChecked());

    QObject::connect(format, &QComboBox::activated, group,
                     [format] { Settings.Format = format->currentData().toString(); });
    QObject::connect(subtitles, &QCheckBox::toggled, group, [kind](bool on) {
        Settings.Subtitles = on;
        kind->setEnabled(on);
    });
    QObject::connect(kind, &QComboBox::activated, group,
                     [kind] { Settings.SubtitleFormat = kind->currentData().toString(); });

    auto* rows = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("OptionFormat", "Format:"), group));
    row->addWidget(format);
    row->addSpacing(12);
    row->addWidget(subtitles);
    //: the kind of subtitle file: SRT, VTT or LRC
    row->addWidget(new QLabel(QCoreApplication::translate("OptionFormat", "Kind:"), group));
    row->addWidget(kind);
    row->addStretch();
    rows->addLayout(row);
    rows->addLayout(ChaptersRow(group));
    return group;
}

} // namespace options
