// Times the work done after every click (capture and build of both images), the
// settings file's save and load, the site report of a whole site, and the overview window of
// it: opened, and following one edit.
#include "config/settings_file.h"
#include "panels/update_data.h"
#include "report/site_report.h"
#include "scripted_dialogs.h"
#include "session/site_document.h"
#include "settings_folder.h"
#include "ui/overview/overview_window.h"

#include <QtTest>

class CoreBench : public QObject {
    Q_OBJECT
private slots:
    void captureAndBuild();
    void settingsSave();
    void settingsLoad();
    void siteReport();
    void overviewOpen();
    void overviewFollowsEdit();
};

namespace {

// Every value drawn at random, each slot naming a group: no cell of the report is empty.
Tanimlamalar randomSite()
{
    QRandomGenerator random(1254);
    Tanimlamalar model;
    for (int g = 0; g < kGroupCount; ++g) {
        model.GroupEnable[g] = random.bounded(2) ? kEnabled : 0;
        for (GroupArray *values : {&model.GroupStart, &model.GroupEnd, &model.GroupLastCalled, &model.GroupLastIssued})
            (*values)[g] = int16_t(random.bounded(1000));
        model.GroupLayout[g] = int16_t(random.bounded(kLayoutCount));
        model.GroupLimit[g] = int16_t(random.bounded(2));
    }
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s) {
            model.PriorityGroup[t][s] = int16_t(1 + random.bounded(kSelectableGroups));
            model.PriorityCount[t][s] = int16_t(random.bounded(kMaxCount + 1));
        }
    }
    model.ClockChip = int16_t(random.bounded(2));
    model.Text4 = QString::number(1 + random.bounded(16));
    return model;
}

}  // namespace

void CoreBench::captureAndBuild()
{
    Tanimlamalar model;
    PanelState panels;
    panels.slotCount.fill(QStringLiteral("12"));
    panels.start = panels.end = panels.lastCalled = panels.lastIssued = QStringLiteral("500");
    QBENCHMARK {
        Update_data(model, panels);
    }
    QVERIFY(!model.ButtonImageRefusal && !model.TerminalImageRefusal);
}

void CoreBench::settingsSave()
{
    SettingsFolder folder;
    Tanimlamalar model;
    int code = SettingsError::None;
    QBENCHMARK {
        code = saveSettingsFile(model);
    }
    QCOMPARE(code, SettingsError::None);
}

void CoreBench::settingsLoad()
{
    SettingsFolder folder;
    Tanimlamalar model;
    QCOMPARE(saveSettingsFile(model), SettingsError::None);
    int code = SettingsError::None;
    QBENCHMARK {
        code = loadSettingsFile(model);
    }
    QCOMPARE(code, SettingsError::None);
}

void CoreBench::siteReport()
{
    const Tanimlamalar model = randomSite();
    const ReportFacts facts{QDateTime::currentDateTime(), QStringLiteral("ayarlar.txt"), {}};
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("rapor.pdf"));
    QString failure;
    QBENCHMARK {
        failure = writeSiteReport(pdf, model, facts);
    }
    QCOMPARE(failure, QString());
}

// Made, filled, checked and shown, as "Genel Bakış" does on its first click.
void CoreBench::overviewOpen()
{
    Tanimlamalar model = randomSite();
    ScriptedDialogs dialogs;
    SiteDocument document(model, dialogs);
    QBENCHMARK {
        OverviewWindow window(model, document, dialogs);
        window.show();
        QCoreApplication::processEvents();
    }
}

void CoreBench::overviewFollowsEdit()
{
    Tanimlamalar model = randomSite();
    ScriptedDialogs dialogs;
    SiteDocument document(model, dialogs);
    OverviewWindow window(model, document, dialogs);
    window.show();
    QCoreApplication::processEvents();
    QBENCHMARK {
        document.change(QStringLiteral("bench"), [](Tanimlamalar &site) {
            ++site.GroupStart[0];
            return true;
        });
        QCoreApplication::processEvents();
    }
}

// The report lays out text and the overview is a window: a QApplication (offscreen without
// a display).
QTEST_MAIN(CoreBench)
#include "core_bench.moc"
