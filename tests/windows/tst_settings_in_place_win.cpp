#include "settings_file.h"

#include <QtTest>

// A standard user on Windows may not create files in C:\, yet may write the settings file an
// administrator put there: the save rewrites it in place. The standard-user flow runs this
// as an unprivileged user under Wine, with C:\ closed to him.
class TestSettingsInPlaceWin : public QObject {
    Q_OBJECT
private slots:
    void saveRewritesTheFileInPlace();
};

void TestSettingsInPlaceWin::saveRewritesTheFileInPlace()
{
    if (qEnvironmentVariableIsEmpty("BILVEX_STANDARD_USER"))
        QSKIP("needs a user who may not write to C:\\ (the standard-user flow)");
    QFile probe(QStringLiteral("C:\\bilvex-probe.txt"));
    QVERIFY2(!probe.open(QIODevice::WriteOnly), "this user may create files in C:\\");
    QVERIFY(QFileInfo::exists(settingsFilePath()));

    Tanimlamalar model;
    model.GroupStart[0] = 123;
    model.Text4 = QStringLiteral("ş");
    QCOMPARE(saveSettingsFile(model), SettingsError::None);
    QFile file(settingsFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), settingsFileBytes(model));
}

QTEST_GUILESS_MAIN(TestSettingsInPlaceWin)
#include "tst_settings_in_place_win.moc"
