#include "config/platform_paths.h"
#include "config/settings_file.h"
#include "scripted_dialogs.h"
#include "session/settings_messages.h"
#include "settings_folder.h"

#include <QtTest>

namespace {

const QString kMissingMessage = QStringLiteral(
    "Hata kodu:53    C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt isimli dosya bulunamadı. Yeni bir dosya oluşturulacak.");
const QString kShortFileMessage = QStringLiteral(
    "Hata kodu:62   Hatalı formatta dosya. C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt isimli dosyayı harddiskten silip "
    "tekrar deneyiniz");

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();  // after the last line end
    for (QByteArray &line : lines)
        line.chop(1);  // the CR
    return lines;
}

QByteArray joinLines(const QList<QByteArray> &lines, const QByteArray &end = "\r\n")
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + end;
    return out;
}

// Line numbers as the file counts them, from 1.
constexpr int kPortLine = 5;
constexpr int kFirstLimitLine = 8;
constexpr int kClockChipLine = 42;
constexpr int kFirstEnableLine = 45;
constexpr int kFirstStartLine = 79;
constexpr int kGroupBlockStride = 34;  // empty line, comment, 32 values
constexpr int kFirstGroupTableLine = 248;
constexpr int kFirstCountTableLine = 2424;

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void missingFileIsCreatedWithDefaults();
    void defaultFileLayout_data();
    void defaultFileLayout();
    void roundTripGivesSameBytes();
    void readerAcceptsOddButReadableFiles_data();
    void readerAcceptsOddButReadableFiles();
    void shortFileEndsApplication_data();
    void shortFileEndsApplication();
    void valueBeyond16BitsStopsReading_data();
    void valueBeyond16BitsStopsReading();
    void unreadableFileKeepsModel();
};

void TestSettingsFile::missingFileIsCreatedWithDefaults()
{
    SettingsFolder folder;
    ScriptedDialogs dialogs;
    Tanimlamalar model;
    QCOMPARE(dosyadan_oku(model, dialogs), StartDecision::Continue);
    QCOMPARE(dialogs.shown, QStringList{kMissingMessage});
    const QByteArray bytes = folder.fileBytes();
    QCOMPARE(bytes.size(), 24942);
    QCOMPARE(linesOf(bytes).size(), 4599);
}

void TestSettingsFile::defaultFileLayout_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("company") << 1 << QByteArray("Zemra Ruvozivira Ltd");
    QTest::newRow("version") << 2 << QByteArray("ZEMRA Bilvex Polynet Ver 3.04");
    QTest::newRow("empty third line") << 3 << QByteArray();
    QTest::newRow("port comment in Windows-1254") << 4 << QByteArray("Haberle\xfeme Comport no:");
    QTest::newRow("port number") << kPortLine << QByteArray("1");
    QTest::newRow("limit comment") << 7 << QByteArray("Limit Var-Yok:");
    QTest::newRow("first limit") << kFirstLimitLine << QByteArray(" 0");
    QTest::newRow("clock comment") << 41 << QByteArray("Saat \xc7ipi Se\xe7imi: (1=PCF8583, 0=DS1307)");
    QTest::newRow("enable comment") << 44
                                    << QByteArray("Gruplar i\xe7in Enable-Disable bilgisi. 100=Enabled, 0=Disabled");
    QTest::newRow("start comment keeps its spelling")
        << 78 << QByteArray("Gruplar i\xe7in Baslang\xfd\xe7 Say\xfds\xfd bilgileri");
    QTest::newRow("end comment") << 112 << QByteArray("Gruplar i\xe7in Biti\xfe Say\xfds\xfd bilgileri");
    QTest::newRow("last called comment") << 146
                                         << QByteArray("Gruplar i\xe7in Son \xc7"
                                                       "a\xf0\xfdr\xfdlan Numara bilgileri");
    QTest::newRow("last issued comment") << 180
                                         << QByteArray("Gruplar i\xe7in Son Verilen Bilet Numaras\xfd bilgileri");
    QTest::newRow("layout comment") << 214 << QByteArray("Gruplar i\xe7in Bilet Layout Data Numaras\xfd bilgileri");
    QTest::newRow("empty before the tables") << 247 << QByteArray();
    QTest::newRow("first terminal header")
        << kFirstGroupTableLine << QByteArray(" 1. Terminal i\xe7in s\xfdras\xfdyla \xf6ncelikli grup numalar\xfd");
    QTest::newRow("last terminal header, first table")
        << kFirstGroupTableLine + 34 * 63
        << QByteArray(" 64. Terminal i\xe7in s\xfdras\xfdyla \xf6ncelikli grup numalar\xfd");
    QTest::newRow("empty line after first block") << 281 << QByteArray();
    QTest::newRow("first count header")
        << kFirstCountTableLine << QByteArray(" 1. Terminal i\xe7in s\xfdras\xfdyla \xf6nceliklendirme say\xfdlar\xfd");
    QTest::newRow("last count header")
        << kFirstCountTableLine + 34 * 63
        << QByteArray(" 64. Terminal i\xe7in s\xfdras\xfdyla \xf6nceliklendirme say\xfdlar\xfd");
    QTest::newRow("last value") << 4598 << QByteArray(" 0");
    QTest::newRow("last line is empty") << 4599 << QByteArray();
}

void TestSettingsFile::defaultFileLayout()
{
    QFETCH(int, line);
    QFETCH(QByteArray, expected);
    const QList<QByteArray> lines = linesOf(settingsFileBytes(Tanimlamalar{}));
    QCOMPARE(lines.at(line - 1), expected);
}

void TestSettingsFile::roundTripGivesSameBytes()
{
    SettingsFolder folder;
    ScriptedDialogs dialogs;
    Tanimlamalar edited;
    edited.Text4 = QStringLiteral(" 3");
    edited.GroupStart[2] = 300;
    edited.GroupEnable[5] = edited.GroupEnableCopy[5] = 100;
    edited.GroupLastIssued[31] = -3;
    edited.ClockChip = 1;
    edited.PriorityGroup[5][20] = 7;  // slots beyond the panel's 16 are kept too
    edited.PriorityCount[63][31] = 255;
    QVERIFY(dosyaya_kaydet(edited, dialogs));
    const QByteArray written = folder.fileBytes();
    QCOMPARE(linesOf(written).at(kFirstStartLine + 2 - 1), QByteArray(" 300"));
    QCOMPARE(linesOf(written).at(kFirstStartLine + 3 * kGroupBlockStride + 31 - 1), QByteArray("-3"));

    Tanimlamalar read;
    QCOMPARE(dosyadan_oku(read, dialogs), StartDecision::Continue);
    QCOMPARE(read.Text4, QStringLiteral(" 3"));
    QCOMPARE(read.PriorityGroup[5][20], int16_t(7));
    QCOMPARE(read.PriorityCount[63][31], int16_t(255));
    QCOMPARE(read.GroupEnableCopy[5], int16_t(100));
    QVERIFY(dosyaya_kaydet(read, dialogs));
    QCOMPARE(folder.fileBytes(), written);
    QVERIFY(dialogs.shown.isEmpty());
}

void TestSettingsFile::readerAcceptsOddButReadableFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expectedStart0");

    QList<QByteArray> lines = linesOf(settingsFileBytes(Tanimlamalar{}));
    auto with = [&](int line, const QByteArray &text) {
        QList<QByteArray> copy = lines;
        copy[line - 1] = text;
        return joinLines(copy);
    };
    QTest::newRow("letters load as 0") << with(kFirstStartLine, "abc") << kFirstStartLine << QByteArray("abc") << 0;
    QTest::newRow("two and a half loads as 2") << with(kFirstStartLine, "2.5") << 0 << QByteArray() << 2;
    QTest::newRow("comments may hold anything") << with(1, "\x01\x02 not a comment") << 0 << QByteArray() << 0;
    QTest::newRow("LF-only line ends") << joinLines(linesOf(with(kFirstStartLine, " 12")), "\n") << 0 << QByteArray()
                                       << 12;
    QTest::newRow("lines after the last are ignored") << with(kFirstStartLine, " 9") + "junk\r\nmore\r\n"
                                                      << 0 << QByteArray() << 9;
    QTest::newRow("NUL bytes in a value") << with(kFirstStartLine, QByteArray("4\0005", 3)) << 0 << QByteArray() << 4;
    QTest::newRow("a 1 MB comment line") << with(1, QByteArray(1 << 20, 'x')) << 0 << QByteArray() << 0;
    QTest::newRow("1 MB of blanks before a value")
        << with(kFirstStartLine, QByteArray(1 << 20, ' ') + "123") << 0 << QByteArray() << 123;
    QTest::newRow("binary comment") << with(2, QByteArray("\xff\xfe\x80\x81", 4)) << 0 << QByteArray() << 0;
}

void TestSettingsFile::readerAcceptsOddButReadableFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(int, expectedStart0);
    SettingsFolder folder;
    folder.writeFile(file);
    ScriptedDialogs dialogs;
    Tanimlamalar model;
    QCOMPARE(dosyadan_oku(model, dialogs), StartDecision::Continue);
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.shown.join('|')));
    QCOMPARE(model.GroupStart[0], int16_t(expectedStart0));

    QVERIFY(dosyaya_kaydet(model, dialogs));
    QCOMPARE(folder.fileBytes().size(), 24942 + int(QByteArray::number(expectedStart0).size()) - 1);
}

void TestSettingsFile::shortFileEndsApplication_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray full = settingsFileBytes(Tanimlamalar{});
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("4598 lines") << joinLines(linesOf(full).mid(0, 4598));
    QTest::newRow("binary garbage without line ends") << QByteArray(5000, '\x9c');
    QByteArray manyShort;
    for (int i = 0; i < 100000; ++i)
        manyShort += '\0';
    QTest::newRow("NUL bytes, no line end") << manyShort;
}

void TestSettingsFile::shortFileEndsApplication()
{
    QFETCH(QByteArray, file);
    SettingsFolder folder;
    folder.writeFile(file);
    ScriptedDialogs dialogs;
    Tanimlamalar model;
    QCOMPARE(dosyadan_oku(model, dialogs), StartDecision::EndApplication);
    QCOMPARE(dialogs.shown, QStringList{kShortFileMessage});
    QCOMPARE(folder.fileBytes(), file);  // nothing is saved
}

void TestSettingsFile::valueBeyond16BitsStopsReading_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("40000") << QByteArray("40000");
    QTest::newRow("-40000") << QByteArray("-40000");
    QTest::newRow("1e300") << QByteArray("1e300");
    QTest::newRow("&HFFFF") << QByteArray("&HFFFF");
}

void TestSettingsFile::valueBeyond16BitsStopsReading()
{
    QFETCH(QByteArray, value);
    QList<QByteArray> lines = linesOf(settingsFileBytes(Tanimlamalar{}));
    lines[kFirstLimitLine - 1] = " 1";
    lines[kClockChipLine - 1] = " 1";
    lines[kFirstEnableLine - 1] = value;
    lines[kFirstEnableLine] = " 100";
    lines[kFirstStartLine - 1] = " 5";
    lines.append("extra line");  // 100,000 lines would load the same: reading stops first
    SettingsFolder folder;
    folder.writeFile(joinLines(lines));
    ScriptedDialogs dialogs;
    Tanimlamalar model;
    QCOMPARE(dosyadan_oku(model, dialogs), StartDecision::Continue);
    // The box names the copy of the file as it was found, kept before a save can replace it.
    QCOMPARE(dialogs.shown.size(), 1);
    const QStringList box = dialogs.shown.first().split(QLatin1Char('\n'));
    const QString copyNamed = QStringLiteral("Dosya, bulunduğu hâliyle şuraya yedeklendi: ");
    QCOMPARE(box.size(), 2);
    QCOMPARE(box.first(), QStringLiteral("Dosya okuma fonksiyonu. Hata Kodu:  6"));
    QVERIFY2(box.last().startsWith(copyNamed), qPrintable(box.last()));
    QFile copy(box.last().mid(copyNamed.size()));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), joinLines(lines));
    QCOMPARE(model.GroupLimit[0], int16_t(1));  // before the failing line: from the file
    QCOMPARE(model.ClockChip, int16_t(1));
    QCOMPARE(model.GroupEnable[0], int16_t(0));  // the failing line and after: start values
    QCOMPARE(model.GroupEnable[1], int16_t(0));
    QCOMPARE(model.GroupStart[0], int16_t(0));
}

void TestSettingsFile::unreadableFileKeepsModel()
{
    SettingsFolder folder;
    QVERIFY(QDir().mkpath(folder.settingsFile()));  // a folder where the file should be
    ScriptedDialogs dialogs;
    Tanimlamalar model;
    model.GroupStart[0] = 7;
    QCOMPARE(dosyadan_oku(model, dialogs), StartDecision::Continue);
    QCOMPARE(dialogs.shown, QStringList{QStringLiteral("Dosya okuma fonksiyonu. Hata Kodu:  70")});
    QCOMPARE(model.GroupStart[0], int16_t(7));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
