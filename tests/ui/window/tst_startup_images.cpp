// The images a front end without panels builds from a settings file (buildStartupImages)
// are those the window's start-up builds from it, also where the panels change or refuse
// a stored value.
#include "config/settings_file.h"
#include "main_menu_fixture.h"
#include "panels/startup_images.h"

#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<void(Tanimlamalar &)>)

namespace {

using Edit = std::function<void(Tanimlamalar &)>;

QString refusalText(const std::optional<BuildRefusal> &refusal)
{
    return refusal ? refusal->message() : QStringLiteral("<built>");
}

}  // namespace

class TestStartupImages : public QObject {
    Q_OBJECT

private slots:
    void imagesAreTheWindowsStartUpImages_data();
    void imagesAreTheWindowsStartUpImages();
};

void TestStartupImages::imagesAreTheWindowsStartUpImages_data()
{
    QTest::addColumn<Edit>("file");

    QTest::newRow("enable 7 in group 1 and group 2") << Edit([](Tanimlamalar &m) {
        m.GroupEnable[0] = m.GroupEnableCopy[0] = 7;
        m.GroupEnable[1] = m.GroupEnableCopy[1] = 7;
    });
    QTest::newRow("limit 2, enabled") << Edit([](Tanimlamalar &m) {
        m.GroupLimit[0] = 2;
        m.GroupEnable[0] = m.GroupEnableCopy[0] = kEnabled;
    });
    QTest::newRow("count 300 in terminal 1, 300 in terminal 2") << Edit([](Tanimlamalar &m) {
        m.PriorityCount[0][0] = 300;
        m.PriorityCount[1][0] = 300;
    });
    QTest::newRow("layout 20 in group 1") << Edit([](Tanimlamalar &m) { m.GroupLayout[0] = 20; });
    QTest::newRow("MAX and group 16 in terminal 1") << Edit([](Tanimlamalar &m) {
        m.PriorityGroup[0][1] = 16;
        m.PriorityCount[0][1] = kMaxCount;
        m.PriorityGroup[0][20] = 9;
    });
    QTest::newRow("group 40 in a priority slot") << Edit([](Tanimlamalar &m) { m.PriorityGroup[0][4] = 40; });
    QTest::newRow("start 1200, end -3") << Edit([](Tanimlamalar &m) {
        m.GroupStart[0] = 1200;
        m.GroupEnd[0] = -3;
    });
}

void TestStartupImages::imagesAreTheWindowsStartUpImages()
{
    QFETCH(Edit, file);
    Tanimlamalar fileModel;
    file(fileModel);
    MainMenuFixture f;
    f.writeSettings(fileModel);
    QCOMPARE(f.start(), StartDecision::Continue);

    Tanimlamalar model;
    QCOMPARE(loadSettingsFile(model, f.folder.settingsFile()), SettingsError::None);
    buildStartupImages(model);

    QVERIFY(model.ImagesBuilt);
    QCOMPARE(refusalText(model.ButtonImageRefusal), refusalText(f.model.ButtonImageRefusal));
    QCOMPARE(refusalText(model.TerminalImageRefusal), refusalText(f.model.TerminalImageRefusal));
    QVERIFY(model.ButtonImage == f.model.ButtonImage);
    QVERIFY(model.TerminalImage == f.model.TerminalImage);
}

QTEST_MAIN(TestStartupImages)
#include "tst_startup_images.moc"
