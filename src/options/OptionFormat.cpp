#include "OptionFormat.h"

#include "Encoder.h"
#include "Global.h"
#include "Subtitles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

using settings::Settings;

namespace options {

QGroupBox* CreateFormatGroup(QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral(" Compressed Format "), parent);
    auto* format = new QComboBox(group);
    format->setObjectName(QStringLiteral("ComboBoxFormat"));
    format->setToolTip(QStringLiteral("The format \"Read to MP3 File\" writes"));
    for (audio::TFormat f :
         {audio::TFormat::Mp3, audio::TFormat::Opus, audio::TFormat::Vorbis, audio::TFormat::Flac})
        format->addItem(audio::NameOf(f), audio::KeyOf(f));
    // A stored value that names no format is MP3, as the conversion takes it.
    format->setCurrentIndex(std::max(0, format->findData(Settings.Format.toLower())));

    auto* subtitles = new QCheckBox(QStringLiteral("Subtitles"), group);
    subtitles->setObjectName(QStringLiteral("CheckBoxSubtitles"));
    subtitles->setToolTip(QStringLiteral("Timed subtitles beside the converted file"));
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

    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(QStringLiteral("Format:"), group));
    row->addWidget(format);
    row->addSpacing(12);
    row->addWidget(subtitles);
    row->addWidget(new QLabel(QStringLiteral("Kind:"), group));
    row->addWidget(kind);
    row->addStretch();
    return group;
}

} // namespace options
