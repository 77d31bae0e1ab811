#include "config/code_page_1254.h"
#include "config/settings_file.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray everyByte()
{
    QByteArray bytes(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        bytes[i] = char(i);
    return bytes;
}

QByteArray fileLine(const QByteArray &file, int number)
{
    return file.split('\n').value(number - 1).chopped(1);
}

}  // namespace

class TestCodePage : public QObject {
    Q_OBJECT
private slots:
    void everyByteReadsAsIcuReadsIt();
    void everyByteReadsAndWritesBackUnchanged();
    void turkishLettersSurviveTheSettingsFile_data();
    void turkishLettersSurviveTheSettingsFile();
};

// Debian's Qt converts the code page through ICU: the program's own table must agree.
void TestCodePage::everyByteReadsAsIcuReadsIt()
{
    QStringDecoder icu("windows-1254");
    if (!icu.isValid())
        QSKIP("this Qt has no Windows-1254 converter to compare with");
    QStringEncoder icuEncoder("windows-1254");
    const QString ours = fromWindows1254(everyByte());
    QCOMPARE(ours.size(), 256);
    for (int byte = 0; byte < 256; ++byte) {
        const QString theirs = icu.decode(QByteArray(1, char(byte)));
        QCOMPARE(QString(ours[byte]), theirs);
        QCOMPARE(QByteArray(icuEncoder.encode(theirs)), QByteArray(1, char(byte)));
    }
}

void TestCodePage::everyByteReadsAndWritesBackUnchanged()
{
    const QString text = fromWindows1254(everyByte());
    QCOMPARE(toWindows1254(text), everyByte());
    for (const char16_t undefined : {0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x9D, 0x9E})
        QCOMPARE(text[undefined].unicode(), undefined);
    QCOMPARE(toWindows1254(u"\u0416"), QByteArray("?"));  // no Cyrillic in this code page
}

void TestCodePage::turkishLettersSurviveTheSettingsFile_data()
{
    QTest::addColumn<QString>("portText");
    QTest::addColumn<QByteArray>("portLine");
    QTest::newRow("small letters") << QStringLiteral("çğıöşü") << QByteArray("\xE7\xF0\xFD\xF6\xFE\xFC");
    QTest::newRow("capital letters") << QStringLiteral("ÇĞİÖŞÜ") << QByteArray("\xC7\xD0\xDD\xD6\xDE\xDC");
}

// The COM port line is the one line that keeps what was typed; the comment lines carry
// the program's own Turkish texts.
void TestCodePage::turkishLettersSurviveTheSettingsFile()
{
    QFETCH(QString, portText);
    QFETCH(QByteArray, portLine);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.txt"));
    Tanimlamalar model;
    model.Text4 = portText;
    QCOMPARE(saveSettingsFile(model, path), SettingsError::None);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    QCOMPARE(fileLine(written, 5), portLine);
    QCOMPARE(fileLine(written, 4), QByteArray("Haberle\xFEme Comport no:"));
    QCOMPARE(fileLine(written, 41), QByteArray("Saat \xC7ipi Se\xE7imi: (1=PCF8583, 0=DS1307)"));

    Tanimlamalar readBack;
    QCOMPARE(loadSettingsFile(readBack, path), SettingsError::None);
    QCOMPARE(readBack.Text4, portText);
    QCOMPARE(settingsFileBytes(readBack), written);
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_code_page.moc"
