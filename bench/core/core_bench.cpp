// Times the work done after every click (capture and build of both images) and the
// settings file's save and load.
#include "image_builder.h"
#include "settings_file.h"
#include "settings_folder.h"

#include <QtTest>

class CoreBench : public QObject {
    Q_OBJECT
private slots:
    void captureAndBuild();
    void settingsSave();
    void settingsLoad();
};

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

QTEST_GUILESS_MAIN(CoreBench)
#include "core_bench.moc"
