#include "byte_sequence.h"
#include "fake_unit_link.h"
#include "scripted_dialogs.h"
#include "ui/editor/editor.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

class TstEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsItsControls();
    void openingShowsAndLoadsTheLayout();
    void openingNothingChangesNothing_data();
    void openingNothingChangesNothing();
    void backButtonHidesAndKeepsContent();
    void closingDiscardsTheEditor();
    void sendAsksThenStarts_data();
    void sendAsksThenStarts();
    void wholeTransferAs16thTicket();
    void closingDuringTransferLetsItFinish();

private:
    Editor *openEditor();
    void click(const char *button);
    void writeLayout(const QByteArray &content);
    void runTransfer(int answers = -1);

    Tanimlamalar model_;
    std::unique_ptr<FakeUnitLink> link_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<UnitSession> session_;
    std::unique_ptr<QWidget> mainWindow_;
    QPointer<Editor> editor_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString layoutPath_;
};

void TstEditor::init()
{
    model_ = Tanimlamalar{};
    model_.ImagesBuilt = true;
    link_ = std::make_unique<FakeUnitLink>();
    dialogs_ = ScriptedDialogs{};
    session_ = std::make_unique<UnitSession>(model_, dialogs_, *link_);
    session_->engine().setReadDelay(std::chrono::milliseconds(0));
    mainWindow_ = std::make_unique<QWidget>();
    mainWindow_->show();
    dir_ = std::make_unique<QTemporaryDir>();
    layoutPath_ = dir_->filePath(QStringLiteral("bilet.txt"));
    writeLayout("'AB',13\r\n");
    dialogs_.fileToOpen = layoutPath_;
}

void TstEditor::cleanup()
{
    delete editor_;
    mainWindow_.reset();
    session_.reset();
    link_.reset();
}

Editor *TstEditor::openEditor()
{
    Editor *editor = Editor::showInsteadOf(editor_, model_, *session_, dialogs_, mainWindow_.get());
    return editor;
}

void TstEditor::click(const char *button)
{
    QTest::mouseClick(editor_->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

void TstEditor::writeLayout(const QByteArray &content)
{
    QFile file(layoutPath_);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Lets the fake unit answer until the transfer ends, or only the given number of times.
void TstEditor::runTransfer(int answers)
{
    for (int i = 0; session_->engine().isRunning() && i != answers; ++i)
        session_->engine().MSComm1_OnComm();
}

void TstEditor::showsItsControls()
{
    Editor *editor = openEditor();
    QCOMPARE(editor->windowTitle(), QStringLiteral("Bilet Yükleme Editörü Ver 3.04  ZEMRA Ruvozivira Ltd"));
    QCOMPARE(editor->findChild<QLabel *>("Label5")->text(), QStringLiteral("BİLET YÜKLEME"));
    QCOMPARE(editor->findChild<QPushButton *>("Ticket_Open")->text(), QStringLiteral("Dosya Aç"));
    QCOMPARE(editor->findChild<QPushButton *>("Config")->text(), QStringLiteral("GERİ DÖN"));
    QCOMPARE(editor->findChild<QLabel *>("Label1")->text(), QStringLiteral("% 0"));
    QCOMPARE(editor->findChild<QPushButton *>("Send_Control")->text(), QStringLiteral("Ana Kumanda Ünitesine gönder"));
    auto *ticket = editor->findChild<QTextEdit *>("Ticket");
    QVERIFY(ticket->isReadOnly());
    QCOMPARE(ticket->toPlainText(), QString());
    auto *combo = editor->findChild<QComboBox *>("Bilet_No_Combo");
    QCOMPARE(combo->placeholderText(), QStringLiteral("Bilet Data Numarası"));
    QCOMPARE(combo->count(), 16);
    QCOMPARE(combo->itemText(0), QStringLiteral("1st Ticket"));
    QCOMPARE(combo->itemText(15), QStringLiteral("16th Ticket"));
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(editor->isVisible());
    QVERIFY(!mainWindow_->isVisible());
}

void TstEditor::openingShowsAndLoadsTheLayout()
{
    openEditor();
    click("Ticket_Open");
    QCOMPARE(editor_->findChild<QTextEdit *>("Ticket")->toPlainText(), QStringLiteral("AB\n"));
    QCOMPARE(model_.TicketImage.size(), 1280);
    QCOMPARE(model_.TicketImage.left(20),
             QByteArray("\xAF\x41\x00\x00\xA5\xAF\x42\x01\x00\xA5\xAF\x0D\x02\x00\xA5\xAF\x00\x03\x00\xA5", 20));
}

void TstEditor::openingNothingChangesNothing_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::newRow("dialog closed without a choice") << QString();
    QTest::newRow("file gone between dialog and reading") << QStringLiteral("gone.txt");
    QTest::newRow("folder chosen as a file") << QStringLiteral("folder");
}

void TstEditor::openingNothingChangesNothing()
{
    QFETCH(QString, chosen);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder")));
    openEditor();
    click("Ticket_Open");
    const QByteArray imageBefore = model_.TicketImage;

    dialogs_.fileToOpen = chosen.isEmpty() ? QString() : dir_->filePath(chosen);
    click("Ticket_Open");
    QCOMPARE(model_.TicketImage, imageBefore);
    QCOMPARE(editor_->findChild<QTextEdit *>("Ticket")->toPlainText(), QStringLiteral("AB\n"));
    QVERIFY(dialogs_.shown.isEmpty());
}

void TstEditor::backButtonHidesAndKeepsContent()
{
    Editor *first = openEditor();
    click("Ticket_Open");
    first->findChild<QComboBox *>("Bilet_No_Combo")->setCurrentIndex(4);
    click("Config");
    QVERIFY(!first->isVisible());
    QVERIFY(mainWindow_->isVisible());

    QCOMPARE(openEditor(), first);
    QVERIFY(first->isVisible());
    QVERIFY(!mainWindow_->isVisible());
    QCOMPARE(first->findChild<QTextEdit *>("Ticket")->toPlainText(), QStringLiteral("AB\n"));
    QCOMPARE(first->findChild<QComboBox *>("Bilet_No_Combo")->currentIndex(), 4);
}

void TstEditor::closingDiscardsTheEditor()
{
    Editor *first = openEditor();
    click("Ticket_Open");
    first->findChild<QComboBox *>("Bilet_No_Combo")->setCurrentIndex(4);
    QVERIFY(first->close());
    QVERIFY(mainWindow_->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(editor_.isNull());

    Editor *second = openEditor();
    QCOMPARE(second->findChild<QTextEdit *>("Ticket")->toPlainText(), QString());
    QCOMPARE(second->findChild<QComboBox *>("Bilet_No_Combo")->currentIndex(), 0);
    // the image outlives the window
    QCOMPARE(model_.TicketImage.left(10), QByteArray("\xAF"
                                                     "A"
                                                     "\x00\x00\xA5"
                                                     "\xAF"
                                                     "B"
                                                     "\x01\x00\xA5",
                                                     10));
}

void TstEditor::sendAsksThenStarts_data()
{
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("imagesBuilt");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<int>("ticket");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QByteArray>("sent");

    const QStringList noBox;
    QTest::newRow("Yes starts with the start byte")
        << true << true << true << 2 << QStringList{"Do you want send as 3rd TICKET?"} << QByteArray("\xAA");
    QTest::newRow("No sends nothing") << true << true << false << 2 << QStringList{"Do you want send as 3rd TICKET?"}
                                      << QByteArray();
    QTest::newRow("no layout opened is refused")
        << false << true << true << 0 << QStringList{"Önce bir bilet dosyası açınız."} << QByteArray();
    QTest::newRow("images not built is silent") << true << false << true << 0 << noBox << QByteArray();
}

void TstEditor::sendAsksThenStarts()
{
    QFETCH(bool, opened);
    QFETCH(bool, imagesBuilt);
    QFETCH(bool, answerYes);
    QFETCH(int, ticket);
    QFETCH(QStringList, shown);
    QFETCH(QByteArray, sent);
    model_.ImagesBuilt = imagesBuilt;
    dialogs_.answerYes = answerYes;
    openEditor();
    if (opened)
        click("Ticket_Open");
    editor_->findChild<QComboBox *>("Bilet_No_Combo")->setCurrentIndex(ticket);
    click("Send_Control");
    QCOMPARE(dialogs_.shown, shown);
    QCOMPARE(link_->sent, sent);
    if (answerYes && !sent.isEmpty())
        QCOMPARE(dialogs_.titles, QStringList{"Ticket Number"});
}

void TstEditor::wholeTransferAs16thTicket()
{
    openEditor();
    click("Ticket_Open");
    editor_->findChild<QComboBox *>("Bilet_No_Combo")->setCurrentIndex(15);
    click("Send_Control");
    runTransfer();
    QCOMPARE(link_->sent.size(), 1 + 1280);
    QCOMPARE(link_->sent.at(0), '\xAA');
    QCOMPARE(ticketNumbersOf(link_->sent.mid(1)), QByteArray(256, '\x0F'));
    QCOMPARE(link_->sent.mid(1, 15), QByteArray("\xAF\x41\x00\x0F\xA5\xAF\x42\x01\x0F\xA5\xAF\x0D\x02\x0F\xA5", 15));
    QCOMPARE(editor_->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("%  100"));
    QVERIFY(dialogs_.shown == QStringList{"Do you want send as 16th TICKET?"});
}

void TstEditor::closingDuringTransferLetsItFinish()
{
    openEditor();
    click("Ticket_Open");
    click("Send_Control");
    runTransfer(100);
    QVERIFY(editor_->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(editor_.isNull());
    runTransfer();
    QCOMPARE(link_->sent.size(), 1 + 1280);
    QVERIFY(mainWindow_->isVisible());
}

QTEST_MAIN(TstEditor)
#include "tst_editor.moc"
