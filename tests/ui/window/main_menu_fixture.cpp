#include "main_menu_fixture.h"

#include "config/settings_file.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

constexpr int kLinkedPorts = 9;

}  // namespace

MainMenuFixture::MainMenuFixture()
{
    QDir().mkpath(folder.folder() + QStringLiteral("/ports"));
    for (int n = 1; n <= kLinkedPorts; ++n) {
        QFile::link(folder.folder() + QStringLiteral("/no-such-device"),
                    folder.folder() + QStringLiteral("/ports/com%1").arg(n));
    }
}

void MainMenuFixture::writeSettings(const Tanimlamalar &fileModel) const
{
    folder.writeFile(settingsFileBytes(fileModel));
}

StartDecision MainMenuFixture::start()
{
    window = std::make_unique<Main_Menu>(model, dialogs, session);
    return window->Form_Load();
}

void choose(QComboBox *combo, int position)
{
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    list->setCurrentIndex(combo->model()->index(position, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void tick(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}
