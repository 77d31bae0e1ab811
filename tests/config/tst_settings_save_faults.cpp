#include "config/platform_paths.h"
#include "config/settings_file.h"
#include "scripted_dialogs.h"
#include "session/settings_messages.h"
#include "settings_folder.h"

#include <QtTest>

#include <csignal>
#include <cstdio>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Saves that the system refuses part-way or in part: a folder where the file should be, a
// full disk, a size limit, a folder the saving user may not create files in.
namespace {

const QString kInUseMessage = QStringLiteral(
    "Hata kodu:70    C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt isimli dosya zaten açık durumda. Tekrar deneyiniz.");

constexpr uid_t kNobody = 65534;
// Exit status of the saving child when it is not kept out of the settings folder.
constexpr int kFolderStillWritable = 2;

// Run in a child process: saves as a user who may not create files in the settings folder
// (root drops to nobody, as root may write anywhere).
int saveWithoutFolderRights(const Tanimlamalar &model, const QString &folder)
{
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
        return kFolderStillWritable;
    if (access(QFile::encodeName(folder).constData(), W_OK) == 0)
        return kFolderStillWritable;
    ScriptedDialogs dialogs;
    const bool saved = dosyaya_kaydet(model, dialogs);
    for (const QString &text : dialogs.shown)
        std::fprintf(stderr, "%s\n", qPrintable(text));
    return saved && dialogs.shown.isEmpty() ? 0 : 1;
}

// Run in a child process: a save over a file this user may not read.
int saveOverUnreadableFile(const Tanimlamalar &model, const QString &path)
{
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
        return kFolderStillWritable;
    if (access(QFile::encodeName(path).constData(), R_OK) == 0)
        return kFolderStillWritable;
    ScriptedDialogs dialogs;
    const bool saved = dosyaya_kaydet(model, dialogs);
    const QString box = dialogs.shown.value(0);
    const bool told =
        dialogs.shown.size() == 1 &&
        box.startsWith(QStringLiteral("C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt okunamadığı için yedeklenemedi: ")) &&
        box.endsWith(QStringLiteral("\nDosyanın üzerine yazılmadı."));
    std::fprintf(stderr, "%s\n", qPrintable(box));
    return !saved && told ? 0 : 1;
}

}  // namespace

class TestSettingsSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void saveCutShortKeepsOldFile();
    void saveRewritesWritableFileInLockedFolder();
    void pipeAtTheSettingsPathIsRefusedAtOnce();
    void unreadableFileIsNeitherCopiedEmptyNorReplaced();
};

void TestSettingsSaveFaults::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expectedMessage");
    QTest::newRow("a folder where the file should be") << "folder" << kInUseMessage;
    QTest::newRow("settings folder is a regular file")
        << "file-as-folder" << QStringLiteral("Dosyaya kaydetme fonksiyonu. Hata Kodu:  76");
    QTest::newRow("disk full") << "full" << QStringLiteral("Dosyaya kaydetme fonksiyonu. Hata Kodu:  61");
}

void TestSettingsSaveFaults::failedSaveKeepsOldFile()
{
    QFETCH(QString, how);
    QFETCH(QString, expectedMessage);
    SettingsFolder folder;
    const QString path = folder.settingsFile();
    if (how == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (how == "file-as-folder") {
        QFile blocker(folder.folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(folder.folder()));
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), path));
    }
    ScriptedDialogs dialogs;
    Tanimlamalar model;
    model.GroupStart[0] = 12;
    QVERIFY(!dosyaya_kaydet(model, dialogs));
    QCOMPARE(dialogs.shown, QStringList{expectedMessage});
    QCOMPARE(model.GroupStart[0], int16_t(12));
    if (how == "full")
        QVERIFY(QFileInfo(path).isSymLink());  // the device link is left as it was
}

void TestSettingsSaveFaults::saveCutShortKeepsOldFile()
{
    SettingsFolder folder;
    ScriptedDialogs dialogs;
    Tanimlamalar old;
    old.GroupStart[0] = 111;
    QVERIFY(dosyaya_kaydet(old, dialogs));
    const QByteArray before = folder.fileBytes();

    // The file size limit stops the write part-way, as a full disk or a crash would.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 10000;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    Tanimlamalar changed;
    changed.GroupStart[0] = 222;
    const bool saved2 = dosyaya_kaydet(changed, dialogs);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved2);
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY(dialogs.shown.first().startsWith(QStringLiteral("Dosyaya kaydetme fonksiyonu. Hata Kodu: ")));
    QCOMPARE(folder.fileBytes(), before);
}

// A file an administrator prepared in a folder the operator may not create files in.
void TestSettingsSaveFaults::saveRewritesWritableFileInLockedFolder()
{
    SettingsFolder folder;
    folder.writeFile(settingsFileBytes(Tanimlamalar{}));
    const QString root = QFileInfo(folder.folder()).path();
    QVERIFY(::chmod(QFile::encodeName(root).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder.settingsFile()).constData(), 0666) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder.folder()).constData(), 0555) == 0);
    Tanimlamalar model;
    model.GroupStart[0] = 123;

    const pid_t child = fork();
    if (child == 0)
        _exit(saveWithoutFolderRights(model, folder.folder()));
    int status = 0;
    const bool waited = child > 0 && waitpid(child, &status, 0) == child;
    ::chmod(QFile::encodeName(folder.folder()).constData(), 0755);  // so the folder can be removed
    QVERIFY(waited && WIFEXITED(status));
    if (WEXITSTATUS(status) == kFolderStillWritable)
        QSKIP("cannot take the right to create files in the settings folder from the saving process");
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(folder.fileBytes(), settingsFileBytes(model));
}

// Opening a pipe without a writer (or reader) waits for ever: the window would never show.
void TestSettingsSaveFaults::pipeAtTheSettingsPathIsRefusedAtOnce()
{
    SettingsFolder folder;
    QVERIFY(QDir().mkpath(folder.folder()));
    QVERIFY(::mkfifo(QFile::encodeName(folder.settingsFile()).constData(), 0600) == 0);
    ScriptedDialogs dialogs;
    Tanimlamalar model;
    QCOMPARE(dosyadan_oku(model, dialogs), StartDecision::Continue);
    QVERIFY(!dosyaya_kaydet(model, dialogs));
    QCOMPARE(dialogs.shown, (QStringList{QStringLiteral("Dosya okuma fonksiyonu. Hata Kodu:  70"), kInUseMessage}));
}

// Its bytes exist only in the file: a save over it would lose them, and an empty copy would
// pass for a backup.
void TestSettingsSaveFaults::unreadableFileIsNeitherCopiedEmptyNorReplaced()
{
    SettingsFolder folder;
    folder.writeFile("okunamayan site");
    const QString root = QFileInfo(folder.folder()).path();
    QVERIFY(::chmod(QFile::encodeName(root).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder.folder()).constData(), 0777) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder.settingsFile()).constData(), 0222) == 0);
    Tanimlamalar model;

    const pid_t child = fork();
    if (child == 0)
        _exit(saveOverUnreadableFile(model, folder.settingsFile()));
    int status = 0;
    const bool waited = child > 0 && waitpid(child, &status, 0) == child;
    ::chmod(QFile::encodeName(folder.settingsFile()).constData(), 0644);
    QVERIFY(waited && WIFEXITED(status));
    if (WEXITSTATUS(status) == kFolderStillWritable)
        QSKIP("cannot take the right to read the settings file from the saving process");
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(folder.fileBytes(), QByteArray("okunamayan site"));
    QVERIFY(!QFileInfo::exists(backupsFolder()));
}

QTEST_GUILESS_MAIN(TestSettingsSaveFaults)
#include "tst_settings_save_faults.moc"
