// Saves through the real main window when the settings file cannot be written: the
// operator gets the message, the model keeps the edit, a send still goes out, and what
// stands in the file's place is left as it was.
#include "byte_sequence.h"
#include "run_until.h"
#include "window_with_unit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <array>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

constexpr int kTransferWaitMs = 60000;
// The unit answers the first 30 bytes only: enough to see group 3's first number go out.
constexpr int kAnsweredBytes = 30;

const QString kInUse = QStringLiteral(
    "Hata kodu:70    C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt isimli dosya zaten açık durumda. Tekrar deneyiniz.");
const QString kFullDevice = QStringLiteral("/dev/full");
const QString kReadOnlyFile = QStringLiteral("/proc/version");
const QString kReadOnlyNewFile = QStringLiteral("/proc/bilvex-settings");
const QByteArray kNotAFolder("not a folder\n");

QString missingFolder(const SettingsFolder &folder)
{
    return folder.folder() + QStringLiteral("/missing");
}

enum class Fault { FileIsFolder, FolderIsFile, DiskFull, ReadOnlyFile, ReadOnlyFolder, MissingFolder };

QString saveFailure(int code)
{
    return QStringLiteral("Dosyaya kaydetme fonksiyonu. Hata Kodu:  %1").arg(code);
}

bool isFullDevice(const QString &path)
{
    struct stat info {};
    return ::stat(path.toLocal8Bit().constData(), &info) == 0 && S_ISCHR(info.st_mode) && major(info.st_rdev) == 1 &&
           minor(info.st_rdev) == 7;
}

// Puts the fault in the settings file's place once the window has loaded.
bool breakSettingsPlace(Fault fault, const SettingsFolder &folder)
{
    const QString path = folder.settingsFile();
    switch (fault) {
    case Fault::FileIsFolder:
        return QFile::remove(path) && QDir().mkpath(path);
    case Fault::FolderIsFile: {
        // The port is open already; its link may go with the folder.
        if (!QDir().rename(folder.folder(), folder.folder() + QStringLiteral(".moved")))
            return false;
        QFile blocker(folder.folder());
        return blocker.open(QIODevice::WriteOnly) && blocker.write(kNotAFolder) == kNotAFolder.size();
    }
    case Fault::DiskFull:
        return QFile::remove(path) && QFile::link(kFullDevice, path);
    case Fault::ReadOnlyFile:
        return QFile::remove(path) && QFile::link(kReadOnlyFile, path);
    case Fault::ReadOnlyFolder:
        return QFile::remove(path) && QFile::link(kReadOnlyNewFile, path);
    case Fault::MissingFolder:
        return QFile::remove(path) && QFile::link(missingFolder(folder) + QStringLiteral("/settings.txt"), path);
    }
    return false;
}

// What stood in the file's place is still there, unchanged.
bool placeLeftAsItWas(Fault fault, const SettingsFolder &folder, const QByteArray &readOnlyText)
{
    const QString path = folder.settingsFile();
    const QFileInfo info(path);
    switch (fault) {
    case Fault::FileIsFolder:
        return info.isDir() && QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    case Fault::FolderIsFile: {
        QFile blocker(folder.folder());
        return blocker.open(QIODevice::ReadOnly) && blocker.readAll() == kNotAFolder;
    }
    case Fault::DiskFull:
        return info.isSymLink() && info.symLinkTarget() == kFullDevice && isFullDevice(kFullDevice);
    case Fault::ReadOnlyFile: {
        QFile file(kReadOnlyFile);
        return info.isSymLink() && file.open(QIODevice::ReadOnly) && file.readAll() == readOnlyText;
    }
    case Fault::ReadOnlyFolder:
        return info.isSymLink() && !QFileInfo::exists(kReadOnlyNewFile);
    case Fault::MissingFolder:
        return info.isSymLink() && !QFileInfo::exists(missingFolder(folder));
    }
    return false;
}

QByteArray readOnlyFileText()
{
    QFile file(kReadOnlyFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The values the settings file holds; a failed save must leave every one as it was.
bool sameSettings(const Tanimlamalar &a, const Tanimlamalar &b)
{
    return a.GroupEnable == b.GroupEnable && a.GroupEnableCopy == b.GroupEnableCopy && a.GroupStart == b.GroupStart &&
           a.GroupEnd == b.GroupEnd && a.GroupLastCalled == b.GroupLastCalled &&
           a.GroupLastIssued == b.GroupLastIssued && a.GroupLayout == b.GroupLayout && a.GroupLimit == b.GroupLimit &&
           a.PriorityGroup == b.PriorityGroup && a.PriorityCount == b.PriorityCount && a.ClockChip == b.ClockChip &&
           a.Text4 == b.Text4;
}

}  // namespace

class TestFaultSettingsSave : public QObject {
    Q_OBJECT

private slots:
    void failedSaveKeepsTheEdit_data();
    void failedSaveKeepsTheEdit();
    void fullDeviceIsStillTheDevice();
};

void TestFaultSettingsSave::failedSaveKeepsTheEdit_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("command");

    struct Row {
        const char *name;
        Fault fault;
        QString message;
    };
    const std::array<Row, 6> faults{{
        {"a folder where the file should be", Fault::FileIsFolder, kInUse},
        {"a regular file where the folder should be", Fault::FolderIsFile, saveFailure(76)},
        {"the disk full (/dev/full behind the file)", Fault::DiskFull, saveFailure(61)},
        {"an existing file in a read-only place", Fault::ReadOnlyFile, kInUse},
        {"a new file in a read-only folder", Fault::ReadOnlyFolder, kInUse},
        {"a link into a folder that does not exist", Fault::MissingFolder, saveFailure(76)},
    }};
    for (const auto &row : faults) {
        for (const char *command : {"cmdKaydet", "Buton_Gonder"}) {
            QTest::addRow("%s, %s", row.name, command) << row.fault << row.message << QString::fromLatin1(command);
        }
    }
}

void TestFaultSettingsSave::failedSaveKeepsTheEdit()
{
    QFETCH(Fault, fault);
    QFETCH(QString, message);
    QFETCH(QString, command);
    WindowWithUnit w;
    MainMenuFixture &f = w.fixture;
    Tanimlamalar file;
    file.GroupEnable[2] = file.GroupEnableCopy[2] = kEnabled;
    file.GroupStart[2] = 299;
    QVERIFY(w.start(file, {QStringLiteral("--silent-after"), QString::number(kAnsweredBytes)}));
    choose(f.combo("Buton_No_Combo"), 2);
    click(f.button("Baslangic_Arti"));
    const Tanimlamalar edited = f.model;
    const QByteArray readOnlyText = readOnlyFileText();
    QVERIFY(breakSettingsPlace(fault, f.folder));

    click(f.button(command));

    QCOMPARE(f.dialogs.shown, QStringList{message});
    QVERIFY(sameSettings(f.model, edited));
    QCOMPARE(f.model.GroupStart[2], int16_t(300));
    QCOMPARE(f.box("txtBaslangic")->text(), QStringLiteral("300"));
    QVERIFY(placeLeftAsItWas(fault, f.folder, readOnlyText));
    if (command == QLatin1String("Buton_Gonder")) {
        // The send goes out all the same, with the edit the file could not take.
        QVERIFY(runUntil([&] { return w.unit->received().size() == 1 + kAnsweredBytes + 1; }, kTransferWaitMs));
        QCOMPARE(w.unit->received().mid(1 + 20, 10),
                 bytes({0xAA, 0x2C, 0x10, 0x04, 0xA0, 0xAA, 0x01, 0x10, 0x05, 0xA0}));
        QCOMPARE(f.dialogs.shown.size(), 1);
    } else {
        QVERIFY(w.unit->received().isEmpty());
    }
}

// Every save to the link writes to the device itself; it must never put a file in its place.
void TestFaultSettingsSave::fullDeviceIsStillTheDevice()
{
    QVERIFY(isFullDevice(kFullDevice));
}

QTEST_MAIN(TestFaultSettingsSave)
#include "tst_fault_settings_save.moc"
