// A save killed (SIGKILL) at random moments: the settings file on disk is always one of the
// two complete files being saved, never a file cut short.
#include "settings_folder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr int kKills = 40;
constexpr int kMaxDelayUs = 40000;
constexpr int kProcessWaitMs = 10000;
constexpr int kLineCount = 4599;
constexpr int kZeroFileSize = 24942;
constexpr int kStartLine = 79;  // group 1's first number

QList<QByteArray> linesOf(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    lines.removeLast();  // after the last line's end
    return lines;
}

QByteArray withLine(const QByteArray &file, int lineNumber, const QByteArray &text)
{
    QList<QByteArray> lines = linesOf(file);
    lines[lineNumber - 1] = text + '\r';
    return lines.join('\n') + '\n';
}

// The file the loop writes first: every value 0, port "1".
QByteArray zerosFile(const SettingsFolder &folder)
{
    QProcess once;
    once.start(QStringLiteral(BILVEX_SAVE_LOOP), {QStringLiteral("--once")});
    if (!once.waitForFinished(kProcessWaitMs) || once.exitCode() != 0)
        return {};
    return folder.fileBytes();
}

}  // namespace

class TestFaultKilledSave : public QObject {
    Q_OBJECT

private slots:
    void killedSaveLeavesAWholeFile();
};

void TestFaultKilledSave::killedSaveLeavesAWholeFile()
{
    SettingsFolder folder;
    const QByteArray zeros = zerosFile(folder);
    // Every value line " 0", every line ended by CR LF: the size of a first start's file.
    QCOMPARE(zeros.size(), kZeroFileSize);
    QCOMPARE(linesOf(zeros).size(), kLineCount);
    QCOMPARE(linesOf(zeros).value(kStartLine - 1), QByteArray(" 0\r"));
    const QByteArray changed = withLine(zeros, kStartLine, " 999");
    const QString wholeFiles = QStringLiteral("%1 or %2 bytes").arg(zeros.size()).arg(changed.size());

    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("random delays from seed %u", seed);
    QRandomGenerator delays(seed);
    QSet<QByteArray> seen;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess loop;
        loop.start(QStringLiteral(BILVEX_SAVE_LOOP), {});
        QVERIFY(loop.waitForReadyRead(kProcessWaitMs));
        QThread::usleep(delays.bounded(kMaxDelayUs));
        loop.kill();
        QVERIFY(loop.waitForFinished(kProcessWaitMs));
        QCOMPARE(loop.exitStatus(), QProcess::CrashExit);

        const QByteArray onDisk = folder.fileBytes();
        QVERIFY2(
            onDisk == zeros || onDisk == changed,
            qPrintable(QStringLiteral("kill %1 left %2 bytes, not %3").arg(kill).arg(onDisk.size()).arg(wholeFiles)));
        seen.insert(onDisk);
    }
    // Both files were on disk at some kill, so the kills fell between saves of either kind.
    QCOMPARE(seen.size(), 2);
}

QTEST_GUILESS_MAIN(TestFaultKilledSave)
#include "tst_fault_killed_save.moc"
