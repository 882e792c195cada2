// SPDX-License-Identifier: GPL-3.0-or-later
// The tag reader and the word tracker: the pieces every engine shares.
#include "ControlTags.h"
#include "WordPositions.h"

#include <QtTest>

using namespace engines;

namespace {
// "T:text" for text runs, "G:name=value" for tags.
QStringList Items(std::string_view src, bool tags = true) {
    QStringList out;
    ControlTagReader r(src, tags);
    TagItem i;
    while (r.Next(i)) {
        if (i.type == TagItem::Type::Text)
            out << "T:" + QString::fromUtf8(i.text.data(), qsizetype(i.text.size()));
        else
            out << "G:" + QString::fromUtf8(i.name.data(), 3) +
                       (i.hasValue
                            ? "=" + QString::fromUtf8(i.value.data(), qsizetype(i.value.size()))
                            : QString());
    }
    return out;
}
} // namespace

class TestControlTags : public QObject {
    Q_OBJECT
private slots:
    void splitsTextAndTags() {
        QCOMPARE(Items("Hello \\Pau=500\\world\\Rst\\"),
                 QStringList({"T:Hello ", "G:Pau=500", "T:world", "G:Rst"}));
        QCOMPARE(Items("\\spd=300\\\\PIT=80\\x"), QStringList({"G:spd=300", "G:PIT=80", "T:x"}));
        // An escaped backslash is one backslash of text, also right before a tag.
        QCOMPARE(Items("a\\\\b\\\\\\Vol=1\\"),
                 QStringList({"T:a", "T:\\", "T:b", "T:\\", "G:Vol=1"}));
        QCOMPARE(Items("\\Chr=\"Whisper\"\\"), QStringList({"G:Chr=\"Whisper\""}));
        // With tags off the text is taken as it stands.
        QCOMPARE(Items("a\\Pau=1\\b", false), QStringList({"T:a\\Pau=1\\b"}));
    }

    void lookalikesAreText() {
        // Paths, lone backslashes, long names, unclosed tags and tags across lines are spoken.
        for (const char* s : {"C:\\Windows\\System32", "a \\ b", "\\Pause\\", "\\Pau=1", "\\Pa\\",
                              "\\Pau=1\nx\\", "end\\", "\\", "\\1ab\\"}) {
            QStringList items = Items(s);
            QString joined;
            for (const QString& i : items) {
                QVERIFY2(i.startsWith("T:"), s);
                joined += i.mid(2);
            }
            QCOMPARE(joined, QString(s));
        }
        // A value longer than any real tag is not a tag either.
        std::string longValue = "\\Mrk=" + std::string(300, 'x') + "\\";
        QCOMPARE(Items(longValue).size(), 1);
        QVERIFY(Items(longValue)[0].startsWith("T:"));
    }

    void interpretsValues() {
        auto tag = [](std::string_view s) {
            ControlTagReader r(s);
            TagItem i;
            r.Next(i);
            return InterpretTag(i);
        };
        QCOMPARE(tag("\\Pau=1000\\")->kind, TagKind::Pause);
        QCOMPARE(tag("\\pau= 250 \\")->number, 250u);
        // Pauses have a ceiling of a minute (the manual says so).
        QCOMPARE(tag("\\Pau=60000\\")->number, 60000u);
        QCOMPARE(tag("\\Pau=60001\\")->number, kMaxPauseMs);
        QCOMPARE(tag("\\Pau=4294967295\\")->number, 60000u);
        QCOMPARE(tag("\\SPD=4294967295\\")->number, 4294967295u);
        QVERIFY(!tag("\\Spd=4294967296\\")); // does not fit: skipped
        QVERIFY(!tag("\\Spd=-5\\"));
        QVERIFY(!tag("\\Vol\\"));
        QCOMPARE(tag("\\Chr=\"monotone\"\\")->character, VoiceCharacter::Monotone);
        QCOMPARE(tag("\\Chr=Whisper\\")->character, VoiceCharacter::Whisper);
        QVERIFY(!tag("\\Chr=\"Shout\"\\"));
        QCOMPARE(tag("\\emp\\")->kind, TagKind::Emphasis);
        QCOMPARE(tag("\\Rst\\")->kind, TagKind::Reset);
        QCOMPARE(tag("\\Mrk=7\\")->kind, TagKind::Unknown);
    }

    void wordTrackerReportsEveryWordOnce() {
        TextPiece piece;
        piece.Append("Café  in the 3,500 garden.\n", 10);
        std::vector<std::pair<std::uint64_t, std::uint32_t>> got;
        WordTracker t(piece, 1000, [&](std::uint64_t s, std::uint32_t o) {
            got.push_back({s, o});
        });
        QCOMPARE(t.WordCount(), std::size_t(5));
        t.OnWordEvent(1, 4, 100);  // Café
        t.OnWordEvent(13, 0, 150); // a bogus clause-end event: dropped
        t.OnWordEvent(10, 3, 300); // "the": "in" had no event of its own
        t.OnWordEvent(14, 1, 400); // numbers give several events
        t.OnWordEvent(16, 3, 420);
        t.OnWordEvent(3, 1, 450); // backwards: dropped
        t.Finish(900);            // "garden." never got an event
        std::vector<std::uint32_t> offsets;
        std::vector<std::uint64_t> samples;
        for (auto& [s, o] : got) {
            offsets.push_back(o);
            samples.push_back(s);
        }
        // Source offsets of the word starts (the é takes two bytes).
        QCOMPARE(offsets, std::vector<std::uint32_t>({10, 17, 20, 24, 30}));
        QVERIFY(std::is_sorted(samples.begin(), samples.end()));
        QCOMPARE(samples.front(), std::uint64_t(1100));
        QVERIFY(samples[1] > 1100 && samples[1] < 1300); // filled in between its neighbours
        QVERIFY(samples.back() >= 1400 && samples.back() <= 1900);
    }

    void escapesMapToTheirSource() {
        TextPiece piece;
        piece.Append("a ", 0);
        piece.AppendAt("\\", 2); // "\\" at source offsets 2..3
        piece.Append(" b", 4);
        std::vector<std::uint32_t> offsets;
        WordTracker t(piece, 0, [&](std::uint64_t, std::uint32_t o) { offsets.push_back(o); });
        t.Finish(10);
        QCOMPARE(offsets, std::vector<std::uint32_t>({0, 2, 5}));
    }
};

QTEST_GUILESS_MAIN(TestControlTags)
#include "tst_ControlTags.moc"
