#include "config/settings_file.h"

#include <QtTest>

// A standard user on Windows may not create files in C:\, and a file there that an elevated
// process made may be closed to him too. The standard-user flow runs these as an
// unprivileged user under Wine, with C:\ closed to him and the file there as each case
// names; the flow chooses the case by the test's name.
class TestSettingsInPlaceWin : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void writableFileIsRewrittenInPlace();
    void virtualStoreCopyIsTheFile();
    void firstStartCreatesTheVirtualStoreCopy();

private:
    QString virtualStoreCopy_;
};

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

Tanimlamalar modelWithStart(int start)
{
    Tanimlamalar model;
    model.GroupStart[0] = qint16(start);
    model.Text4 = QStringLiteral("ş");
    return model;
}

}  // namespace

void TestSettingsInPlaceWin::init()
{
    if (qEnvironmentVariableIsEmpty("BILVEX_STANDARD_USER"))
        QSKIP("needs a user who may not write to C:\\ (the standard-user flow)");
    QFile probe(QStringLiteral("C:\\bilvex-probe.txt"));
    QVERIFY2(!probe.open(QIODevice::WriteOnly), "this user may create files in C:\\");
    virtualStoreCopy_ = qEnvironmentVariable("LOCALAPPDATA") + QStringLiteral("\\VirtualStore\\") +
                        QFileInfo(kShownSettingsPath).fileName();
    QCOMPARE(saveRoute(kShownSettingsPath).targets, (QStringList{kShownSettingsPath, virtualStoreCopy_}));
}

void TestSettingsInPlaceWin::cleanup()
{
    QFile::remove(virtualStoreCopy_);
}

// The administrator gave the users the right to change the file: it stays where it is.
void TestSettingsInPlaceWin::writableFileIsRewrittenInPlace()
{
    QVERIFY(QFileInfo::exists(kShownSettingsPath));
    const Tanimlamalar model = modelWithStart(123);
    QCOMPARE(saveSettingsFile(model), SettingsError::None);
    QCOMPARE(contentOf(kShownSettingsPath), settingsFileBytes(model));
    QVERIFY(!QFileInfo::exists(virtualStoreCopy_));
}

// The replaced program's saves went to the copy: it is read and written, C:\ left alone.
void TestSettingsInPlaceWin::virtualStoreCopyIsTheFile()
{
    const QByteArray administrators = contentOf(kShownSettingsPath);
    QVERIFY(administrators != "missing");
    QVERIFY(QDir().mkpath(QFileInfo(virtualStoreCopy_).absolutePath()));
    QFile copy(virtualStoreCopy_);
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write(settingsFileBytes(modelWithStart(456)));
    copy.close();

    Tanimlamalar read;
    QCOMPARE(loadSettingsFile(read), SettingsError::None);
    QCOMPARE(read.GroupStart[0], qint16(456));
    const Tanimlamalar changed = modelWithStart(789);
    QCOMPARE(saveSettingsFile(changed), SettingsError::None);
    QCOMPARE(contentOf(virtualStoreCopy_), settingsFileBytes(changed));
    QCOMPARE(contentOf(kShownSettingsPath), administrators);
}

// No file anywhere: not found (53), and the new file is made where this user may make it.
void TestSettingsInPlaceWin::firstStartCreatesTheVirtualStoreCopy()
{
    QVERIFY(!QFileInfo::exists(kShownSettingsPath));
    Tanimlamalar model;
    QCOMPARE(loadSettingsFile(model), SettingsError::FileNotFound);
    QCOMPARE(saveSettingsFile(model), SettingsError::None);
    QCOMPARE(contentOf(virtualStoreCopy_), settingsFileBytes(model));
    QCOMPARE(settingsFilePath(), virtualStoreCopy_);
    QVERIFY(!QFileInfo::exists(kShownSettingsPath));
}

QTEST_GUILESS_MAIN(TestSettingsInPlaceWin)
#include "tst_settings_in_place_win.moc"
