// SPDX-License-Identifier: GPL-3.0-or-later
// The file formats on their own: the INI reader and writer, the escape, numbers, encodings and
// the playlist lines.
#include "IniFile.h"
#include "PlaylistFile.h"

#include <QtTest>

using namespace settings;

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void readsLinesAsTheFormatSays() {
        // Mixed line ends, blanks, comments, lines before any section, letter case, a repeated
        // section and a repeated key.
        TIniFile ini(QStringLiteral("orphan=1\n; comment=x\r\n  [ Auto ]  \r"
                                    "  MainWidth =  700  \nmainwidth=1\r\n"
                                    "no equals sign here\n\n"
                                    "[UI]\r\nName = a = b\r\n[AUTO]\nLater=2\n"));
        QCOMPARE(ini.Sections(), QStringList({"Auto", "UI"}));
        QCOMPARE(ini.Value("auto", "MAINWIDTH"), QString("700"));
        QCOMPARE(ini.Value("UI", "name"), QString("a = b"));
        QCOMPARE(ini.Value("Auto", "Later"), QString("2"));
        QCOMPARE(ini.Value("Auto", "orphan"), std::nullopt);
        QCOMPARE(ini.SectionLines("Auto"),
                 QStringList({"MainWidth=700", "mainwidth=1", "no equals sign here", "Later=2"}));
    }

    void writesInPlaceAndKeepsTheUnknown() {
        TIniFile ini(QStringLiteral("[A]\nx=1\nkept line\ny=2\n[Other]\nz=3\n"));
        ini.WriteInteger("a", "Y", -5);
        ini.WriteBool("A", "New", true);
        ini.WriteString("Fresh", "k", "v");
        QCOMPARE(ini.Text(), QStringLiteral("[A]\r\nx=1\r\nkept line\r\nY=-5\r\nNew=1\r\n\r\n"
                                            "[Other]\r\nz=3\r\n\r\n[Fresh]\r\nk=v\r\n\r\n"));
        ini.WriteListSection("A", {"q=1"});
        QCOMPARE(ini.Sections(), QStringList({"Other", "Fresh", "A"}));
        ini.WriteListSection("Other", {});
        QVERIFY(!ini.SectionExists("Other"));
    }

    void integers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -999 stands for "no number"
        const int none = -999;
        QTest::newRow("decimal") << "42" << 42;
        QTest::newRow("signs") << "-17" << -17;
        QTest::newRow("plus") << "+17" << 17;
        QTest::newRow("blanks before") << "  8" << 8;
        QTest::newRow("0x") << "0x300" << 768;
        QTest::newRow("0X") << "0X300" << 768;
        QTest::newRow("dollar") << "$1f0" << 496;
        QTest::newRow("negative hex") << "-$10" << -16;
        QTest::newRow("hex bit pattern") << "$FFFFFFFF" << -1;
        QTest::newRow("max") << "2147483647" << 2147483647;
        QTest::newRow("min") << "-2147483648" << int(-2147483648LL);
        QTest::newRow("leading zeros") << "000000000000000000012" << 12;
        QTest::newRow("too big") << "2147483648" << none;
        QTest::newRow("too small") << "-2147483649" << none;
        QTest::newRow("hex too big") << "0x100000000" << none;
        QTest::newRow("huge") << "99999999999999999999999999" << none;
        QTest::newRow("garbage after") << "12abc" << none;
        QTest::newRow("blank inside") << "1 2" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("sign only") << "-" << none;
        QTest::newRow("prefix only") << "0x" << none;
        QTest::newRow("dollar only") << "$" << none;
        QTest::newRow("hex without prefix") << "ff" << none;
        QTest::newRow("other digits") << QString::fromUtf8("\u0663") << none;
    }
    void integers() {
        QFETCH(QString, text);
        QFETCH(int, value);
        std::optional<std::int32_t> parsed = ParseIniInteger(text);
        if (value == -999)
            QCOMPARE(parsed, std::nullopt);
        else
            QCOMPARE(parsed, std::optional<std::int32_t>(value));
    }

    void textValuesSurviveTheFile() {
        const QStringList awkward = {"",
                                     "plain text",
                                     "a\r\nb",
                                     "\r",
                                     "\nx",
                                     "  blanks around  ",
                                     "\ttab",
                                     "\"quoted\"",
                                     "\"",
                                     "\"\"",
                                     "back\\slash\\n",
                                     "ends with \\",
                                     "a=b",
                                     ";like a comment",
                                     "[Like a section]",
                                     "line\n[Auto]\nMainLeft=5\n; c"};
        TIniFile ini;
        for (int i = 0; i < awkward.size(); ++i)
            ini.WriteString("S", QString::number(i), awkward[i]);
        ini.WriteInteger("S", "after", 7);
        TIniFile back(ini.Text());
        QCOMPARE(back.Sections(), QStringList({"S"}));
        for (int i = 0; i < awkward.size(); ++i)
            QCOMPARE(back.ReadString("S", QString::number(i), "default"), awkward[i]);
        QCOMPARE(back.ReadInteger("S", "after", 0), 7);
        // Texts the file keeps anyway are stored as they are.
        for (const char* plain : {"plain text", "a=b", ";like a comment", "\"", "C:\\dir\\"}) {
            ini.WriteString("S", "p", plain);
            QCOMPARE(ini.Value("S", "p"), QString(plain));
        }
    }

    void listSectionsKeepEveryLine() {
        const QStringList lines = {
            "24.12.2026 08:30:00=Buy milk",
            "24.12.2026 08:30:00=a second reminder for the same moment",
            "24.12.2026 09:00:00=  two lines\r\n[UI]\nTabPos=3  ",
            "25.12.2026 09:00:00=",
            "26.12.2026 09:00:00=message = with = signs",
            "27.12.2026 09:00:00=\"quoted\"",
            "not a reminder",
            "",
            "  blanks  ",
            "[Looks like a section]",
            ";looks like a comment",
            "\"quoted line\"",
            " key with blanks = message ",
            "[key=value]",
            ";key=value",
            "line\nbreak in key=message",
            "=empty key",
            "not a reminder",
        };
        TIniFile ini(QStringLiteral("[Before]\nk=v\n"));
        ini.WriteListSection("ReminderList", lines);
        ini.WriteString("After", "k", "v");
        TIniFile back(ini.Text());
        QCOMPARE(back.Sections(), QStringList({"Before", "ReminderList", "After"}));
        QCOMPARE(back.ReadListSection("ReminderList"), lines);
        // Lines that need no escape look as they always did; the second line of a key is
        // stored whole, so the file still has one value per key.
        QCOMPARE(back.SectionLines("ReminderList").first(), lines.first());
        QCOMPARE(back.SectionLines("ReminderList").at(1),
                 QString("\"24.12.2026 08:30:00\\x3Da second reminder for the same moment\""));
        QCOMPARE(back.Value("ReminderList", "24.12.2026 08:30:00"), QString("Buy milk"));
        QVERIFY(back.SectionLines("ReminderList").contains("not a reminder"));
    }

    void encodings() {
        TextEncoding used;
        const QByteArray cp1252("caf\xE9 \x80 \x81 \x9F");
        QString text = DecodeText(cp1252, &used);
        QCOMPARE(used, TextEncoding::Windows1252);
        QCOMPARE(text, QString::fromUtf8("caf\u00E9 \u20AC \u0081 \u0178"));
        QCOMPARE(EncodeText(text, used), cp1252);
        // A character Windows-1252 lacks: the file becomes UTF-8 rather than lose it.
        QCOMPARE(EncodeText(text + QChar(0x416), used), (text + QChar(0x416)).toUtf8());
        // Nor when its bytes would read back as UTF-8 ("\u00C3\u00A9" is C3 A9 in the code page).
        QCOMPARE(EncodeText(QString::fromUtf8("\u00C3\u00A9"), used),
                 QByteArray("\xC3\x83\xC2\xA9"));
        // Nor when they begin like a UTF-8 byte-order mark ("\u00EF\u00BB\u00BF" is EF BB BF),
        // which the reader would drop.
        const QString markLike = QString::fromUtf8("\u00EF\u00BB\u00BF\u00CA");
        QCOMPARE(EncodeText(markLike, used), markLike.toUtf8());
        QCOMPARE(DecodeText(EncodeText(markLike, used)), markLike);
        // Nor when they begin like a UTF-16 mark ("\u00FF\u00FE" is FF FE), which the document
        // reader would take for UTF-16.
        for (const char* utf16Like : {"\u00FF\u00FEcaf\u00E9", "\u00FE\u00FFcaf\u00E9"}) {
            const QString t = QString::fromUtf8(utf16Like);
            QCOMPARE(EncodeText(t, used), t.toUtf8());
            QCOMPARE(DecodeText(EncodeText(t, used), nullptr, true), t);
        }

        QCOMPARE(DecodeText("\xEF\xBB\xBF[A]", &used), QString("[A]"));
        QCOMPARE(used, TextEncoding::Utf8Bom);
        QCOMPARE(EncodeText("[A]", used), QByteArray("\xEF\xBB\xBF[A]"));
        QCOMPARE(DecodeText(QByteArray("\xFF\xFE[\0A\0", 6), &used, true), QString("[A"));
        QCOMPARE(used, TextEncoding::Utf16LE);
        QCOMPARE(EncodeText("[A", used), QByteArray("\xFF\xFE[\0A\0", 6));
        QCOMPARE(DecodeText(QByteArray("\xFE\xFF\0[", 4), &used, true), QString("["));
        QCOMPARE(used, TextEncoding::Utf16BE);
        // Only the first U+FEFF is a mark; one after it is text and is written back.
        const QString feff = QChar(0xFEFF) + QStringLiteral("[");
        QCOMPARE(DecodeText("\xEF\xBB\xBF\xEF\xBB\xBF[", &used), feff);
        QCOMPARE(DecodeText(EncodeText(feff, TextEncoding::Utf8)), feff);
        QCOMPARE(DecodeText(EncodeText(feff, TextEncoding::Utf8Bom)), feff);
        QCOMPARE(DecodeText(QByteArray("\xFF\xFE\xFF\xFE[\0", 6), &used, true), feff);
        QCOMPARE(DecodeText(EncodeText(feff, TextEncoding::Utf16BE), nullptr, true), feff);
        QCOMPARE(DecodeText("\xC3\xA9", &used), QString(QChar(0xE9)));
        QCOMPARE(used, TextEncoding::Utf8);
        DecodeText("\xED\xA0\x80", &used); // an encoded surrogate is not UTF-8
        QCOMPARE(used, TextEncoding::Windows1252);
    }

    void playlistLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("no line end") << QByteArray("a") << QStringList{"a"};
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("empty lines") << QByteArray("\r\n\n\r") << QStringList{"", "", ""};
        QTest::newRow("LF CR is two") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("NUL ends") << QByteArray("a\nb\0c\nd", 7) << QStringList{"a", "b"};
        QTest::newRow("blanks kept") << QByteArray(" /x y \n") << QStringList{" /x y "};
    }
    void playlistLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(ParsePlaylist(bytes), entries);
        QByteArray written = FormatPlaylist(entries);
        QCOMPARE(written,
                 entries.isEmpty() ? QByteArray() : entries.join("\r\n").toUtf8() + "\r\n");
        QCOMPARE(ParsePlaylist(written), entries);
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_IniFile.moc"
