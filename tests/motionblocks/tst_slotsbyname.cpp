#include "ModalWatcher.h"
#include "PageRegistry.h"
#include "PageScript.h"
#include "RecordingHost.h"
#include "StoreSeed.h"
#include "WizardPage.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// Three blocks without follow-up blocks or trigger sources.
QString threeBlocks()
{
    QString drive = QStringLiteral("J10=a,b,c J286=-1*3");
    for (int slot = 1; slot <= 5; ++slot)
        drive += QStringLiteral(" J25%1=0*3 J26%1=0*3 J27%1=-1*3 J28%1=-1*3").arg(slot);
    return drive;
}

} // namespace

// A host or a string-based connection reaches the motion-block pages' slots by their names.
class TestSlotsByName : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void followUps_data();
    void followUps();
    void triggers_data();
    void triggers();
    void tableButtons_data();
    void tableButtons();

private:
    WizardPage *open(const QString &page, const QString &script);
    void invoke(const QString &slot)
    {
        QVERIFY2(QMetaObject::invokeMethod(m_page.get(), qPrintable(slot)), qPrintable(slot));
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<ModalWatcher> m_watcher;
    std::unique_ptr<PageScript> m_script;
    std::unique_ptr<WizardPage> m_page;
};

void TestSlotsByName::init()
{
    m_host = std::make_unique<RecordingHost>();
    m_watcher = std::make_unique<ModalWatcher>();
    m_script = std::make_unique<PageScript>(*m_host, *m_watcher);
    m_host->addPages({"Fahrsatz", "Folgefahrsatz"});
    seedTokens(m_host->store(), threeBlocks());
}

void TestSlotsByName::cleanup()
{
    m_page.reset();
    m_script.reset();
    m_watcher.reset();
    m_host.reset();
}

WizardPage *TestSlotsByName::open(const QString &page, const QString &script)
{
    m_page.reset(PageRegistry::createPage(page));
    m_script->setPage(m_page.get());
    m_host->attach(m_page.get());
    m_script->run(script);
    return m_page.get();
}

void TestSlotsByName::followUps_data()
{
    QTest::addColumn<QString>("coordinate");
    for (const char *coordinate : {"J271", "J272", "J273", "J274", "J275", "J281", "J282", "J283", "J284", "J285", "J286"})
        QTest::newRow(coordinate) << QString::fromLatin1(coordinate);
}

// On block 1: the choice of block 2 is written, the list follows the drive's number, and the
// jump opens the editor on the follow-up block.
void TestSlotsByName::followUps()
{
    QFETCH(QString, coordinate);
    open("Folgefahrsatz", "hand:1 show");
    QVERIFY(QMetaObject::invokeMethod(m_page.get(), qPrintable("Combo_" + coordinate + "_Changed"), Q_ARG(int, 3)));
    QCOMPARE(m_script->states("$" + coordinate + ".1=2"), "$" + coordinate + ".1=2");
    auto *combo = m_page->findChild<QComboBox *>("comboBox_" + coordinate);
    {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(0);
    }
    invoke("Value_" + coordinate + "_Changed");
    QCOMPARE(combo->currentIndex(), 3);
    invoke("JumpDependingOn" + coordinate);
    QCOMPARE(m_script->states("jumps=Fahrsatz block=2"), "jumps=Fahrsatz block=2");
}

void TestSlotsByName::triggers_data()
{
    QTest::addColumn<int>("slot");
    for (int slot = 1; slot <= 5; ++slot)
        QTest::newRow(qPrintable(QString::number(slot))) << slot;
}

// The link to the sources shows while a source is set, the range note while the value is 0.
void TestSlotsByName::triggers()
{
    QFETCH(int, slot);
    const QString number = QString::number(slot);
    open("Folgefahrsatz", "hand:1 show J25" + number + ".1=3");
    QWidget *frame = m_page->findChild<QWidget *>("FrameClicklabelTriggersignal" + number);
    QWidget *range = m_page->findChild<QWidget *>("LblFenster" + number);
    frame->hide();
    range->hide();
    invoke("ParaJ25" + number + "_Changed");
    QVERIFY(frame->isVisible());
    invoke("ParaJ26" + number + "_Changed");
    QVERIFY(range->isVisible());
}

void TestSlotsByName::tableButtons_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("jump");
    QTest::newRow("block number") << "2" << "" << "JumpToClickedMotionBlock" << "jumps=Fahrsatz block=2";
    QTest::newRow("no block, row 1") << "-" << "Button_1_3" << "JumpToClickedMotionBlock"
                                     << "jumps=Folgefahrsatz block=1";
    QTest::newRow("follow-up of row 2") << "0" << "Button_2_11" << "JumpToClickedFollowMotionBlock"
                                        << "jumps=Folgefahrsatz block=2";
    QTest::newRow("follow-up, no row") << "1" << "Button" << "JumpToClickedFollowMotionBlock"
                                       << "jumps=Folgefahrsatz block=0";
}

// A host's own buttons connected by name open the editor or the follow-up page as the table does.
void TestSlotsByName::tableButtons()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(QString, slot);
    QFETCH(QString, jump);
    open("Fahrsatzbetrieb", "show");
    QToolButton button;
    button.setText(text);
    button.setObjectName(name);
    QVERIFY(QObject::connect(&button, SIGNAL(clicked()), m_page.get(), qPrintable("1" + slot + "()")));
    button.click();
    QCOMPARE(m_script->states(jump), jump);
}

QTEST_MAIN(TestSlotsByName)
#include "tst_slotsbyname.moc"
