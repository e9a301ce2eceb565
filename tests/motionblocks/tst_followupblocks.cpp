#include "motionblocks/Fahrsatz.h"
#include "motionblocks/Folgefahrsatz.h"
#include "ClickableLabel.h"
#include "ModalWatcher.h"
#include "ParameterLabel.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QStringList followUps = {"J271", "J272", "J273", "J274", "J275", "J281",
                               "J282", "J283", "J284", "J285", "J286"};
constexpr int livingSpace = 1;

} // namespace

class TestFollowUpBlocks : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void comboContents();
    void comboWrites_data();
    void comboWrites();
    void valueFollow();
    void arrayWideChange();
    void jumps_data();
    void jumps();
    void jumpChain();
    void triggers_data();
    void triggers();
    void triggerLink_data();
    void triggerLink();
    void bufferedRowAndReadOnly_data();
    void bufferedRowAndReadOnly();
    void blockNumber_data();
    void blockNumber();

private:
    // Blocks named "Satz 0", ...; every follow-up number -1, every trigger source and value 0.
    void open(int blocks, int handOver = -1, const QStringList &without = {});
    void set(const QString &coordinate, int element, const QString &value)
    {
        QVERIFY2(m_host->store().setValue(coordinate, livingSpace, static_cast<unsigned short>(element), value),
                 qPrintable(m_host->store().lastWriteError()));
    }
    QString value(const QString &coordinate, int element) const
    {
        return m_host->store().value(coordinate, livingSpace, static_cast<unsigned short>(element));
    }
    QComboBox *combo(const QString &coordinate) const
    {
        return m_page->findChild<QComboBox *>("comboBox_" + coordinate);
    }
    QString field() const { return m_page->findChild<QLineEdit *>("lineEditFahrsatznummer")->text(); }
    void reshow(QWidget *page)
    {
        page->hide();
        page->show();
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<Folgefahrsatz> m_page;
};

void TestFollowUpBlocks::open(int blocks, int handOver, const QStringList &without)
{
    if (!m_host)
        m_host = std::make_unique<RecordingHost>();
    const auto count = static_cast<unsigned short>(blocks);
    QList<SeedParameter> parameters = {{"J10", "Satz", count, ParameterDataType::String}};
    for (const QString &coordinate : followUps)
        parameters << SeedParameter{coordinate, "-1", count};
    for (int slot = 1; slot <= 5; ++slot)
        parameters << SeedParameter{QStringLiteral("J25%1").arg(slot), "0", count}
                   << SeedParameter{QStringLiteral("J26%1").arg(slot), "0", count};
    for (const QString &coordinate : without)
        parameters.removeIf([&](const SeedParameter &parameter) { return parameter.coordinate == coordinate; });
    seed(m_host->store(), parameters);
    for (int block = 0; block < blocks; ++block)
        set("J10", block, QStringLiteral("Satz %1").arg(block));
    m_host->setProperty("FahrsatzNummer", handOver);
    m_page = std::make_unique<Folgefahrsatz>();
    m_host->attach(m_page.get());
    m_page->resize(1000, 700);
    m_page->show();
}

void TestFollowUpBlocks::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestFollowUpBlocks::comboContents()
{
    m_host = std::make_unique<RecordingHost>();
    m_host->store().setRecordingWrites(true);
    open(3, 1);
    set("J271", 1, "2");
    set("J286", 1, "0");
    set("J282", 0, "1");
    reshow(m_page.get());
    m_host->store().clearWrittenValues();
    for (const QString &coordinate : followUps) {
        QStringList entries;
        for (int index = 0; index < combo(coordinate)->count(); ++index)
            entries << combo(coordinate)->itemText(index);
        QCOMPARE(entries, (QStringList{"-1: inaktiv", "0: Satz 0", "1: Satz 1", "2: Satz 2"}));
        QCOMPARE(combo(coordinate)->currentIndex(), coordinate == "J271" ? 3 : coordinate == "J286" ? 1 : 0);
    }
    // Another block: the lists are filled again and show that block's numbers, writing nothing.
    set("J10", 0, "Anfang");
    m_host->store().clearWrittenValues();
    m_page->decIndex();
    QCOMPARE(combo("J271")->currentIndex(), 0);
    QCOMPARE(combo("J282")->currentIndex(), 2);
    QCOMPARE(combo("J282")->itemText(1), QStringLiteral("0: Anfang"));
    QVERIFY(m_host->store().writtenValues().isEmpty());
}

void TestFollowUpBlocks::comboWrites_data()
{
    QTest::addColumn<QString>("coordinate");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("written");
    QTest::newRow("interrupt: block 2") << "J271" << 3 << "2";
    QTest::newRow("end: inactive") << "J285" << 0 << "-1";
    QTest::newRow("buffered: block 0") << "J286" << 1 << "0";
}

void TestFollowUpBlocks::comboWrites()
{
    QFETCH(QString, coordinate);
    QFETCH(int, entry);
    QFETCH(QString, written);
    open(3, 1);
    set(coordinate, 1, "1");
    QCOMPARE(combo(coordinate)->currentIndex(), 2);
    m_host->store().setRecordingWrites(true);
    combo(coordinate)->setCurrentIndex(entry);
    const QList<ParameterStore::WrittenValue> expected = {{coordinate, livingSpace, 1, written}};
    QCOMPARE(m_host->store().writtenValues(), expected);
    QCOMPARE(value(coordinate, 0), QStringLiteral("-1"));
}

void TestFollowUpBlocks::valueFollow()
{
    open(3, 1);
    m_host->store().setRecordingWrites(true);
    set("J272", 1, "0");
    QCOMPARE(combo("J272")->currentIndex(), 1);
    set("J272", 2, "2");   // another block
    QCOMPARE(combo("J272")->currentIndex(), 1);
    // A number that names no block selects nothing and is not overwritten.
    set("J272", 1, "7");
    QCOMPARE(combo("J272")->currentIndex(), -1);
    QCOMPARE(value("J272", 1), QStringLiteral("7"));
    QCOMPARE(m_host->store().writtenValues().size(), 3);
}

void TestFollowUpBlocks::arrayWideChange()
{
    open(4, 3);
    set("J272", 3, "1");
    set("J251", 3, "4");
    QCOMPARE(combo("J272")->currentIndex(), 2);
    QWidget *frame = m_page->findChild<QWidget *>("FrameClicklabelTriggersignal1");
    QVERIFY(frame->isVisible());
    // A resize brings element 3 back to its default and reports the array through element 0.
    for (const char *coordinate : {"J272", "J251"}) {
        const auto parameter = m_host->store().parameter(ParameterCoordinate(QLatin1String(coordinate))).toStrongRef();
        parameter->setElementCount(2);
        parameter->setElementCount(4);
    }
    QCOMPARE(value("J272", 3), QStringLiteral("-1"));
    QCOMPARE(combo("J272")->currentIndex(), 0);
    QVERIFY(!frame->isVisible());
}

void TestFollowUpBlocks::jumps_data()
{
    QTest::addColumn<QString>("coordinate");
    QTest::addColumn<QString>("number");
    QTest::newRow("inactive") << "J273" << "-1";
    QTest::newRow("interrupt") << "J273" << "2";
    QTest::newRow("end") << "J284" << "0";
    QTest::newRow("buffered") << "J286" << "1";
}

void TestFollowUpBlocks::jumps()
{
    QFETCH(QString, coordinate);
    QFETCH(QString, number);
    open(3, 1);
    m_host->addPage("Fahrsatz");
    set(coordinate, 1, number);
    m_host->clearCalls();
    m_page->findChild<QToolButton *>("toolButton_" + coordinate)->click();
    const bool jumps = number != "-1";
    QCOMPARE(m_host->fahrsatzNummer(), jumps ? number.toInt() : -1);
    QCOMPARE(m_host->calls({"jumpToPage"}), jumps ? QStringList{"jumpToPage(Fahrsatz)"} : QStringList());
}

// Follow-up page -> editor of the follow-up block -> its follow-up page, through the host property.
void TestFollowUpBlocks::jumpChain()
{
    open(4, 0);
    m_host->addPages({"Fahrsatz", "Folgefahrsatz"});
    set("J281", 0, "3");
    Fahrsatz editor;
    m_host->attach(&editor);
    m_page->findChild<QToolButton *>("toolButton_J281")->click();
    m_page->hide();
    editor.show();
    QCOMPARE(editor.findChild<QLineEdit *>("lineEditFahrsatznummer")->text(), QStringLiteral("3"));
    emit editor.findChild<ClickableLabel *>("ClickLabelFolgefahrsatz_a")->clicked();
    QCoreApplication::processEvents();
    editor.hide();
    m_page->show();
    QCOMPARE(field(), QStringLiteral("3"));
    QCOMPARE(m_page->findChild<ParameterLabel *>("paraLbl_J281")->index(), 3u);
    QCOMPARE(m_host->fahrsatzNummer(), -1);
}

void TestFollowUpBlocks::triggers_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("value");
    for (int slot = 1; slot <= 5; ++slot) {
        QTest::addRow("slot %d unset", slot) << slot << "0" << "0";
        QTest::addRow("slot %d set", slot) << slot << "3" << "250";
    }
}

void TestFollowUpBlocks::triggers()
{
    QFETCH(int, slot);
    QFETCH(QString, source);
    QFETCH(QString, value);
    open(3, 2);
    const QString number = QString::number(slot);
    QWidget *frame = m_page->findChild<QWidget *>("FrameClicklabelTriggersignal" + number);
    QWidget *range = m_page->findChild<QWidget *>("LblFenster" + number);
    set("J25" + number, 1, "4");   // another block
    set("J26" + number, 1, "9");
    QVERIFY(!frame->isVisible());
    QVERIFY(range->isVisible());
    set("J25" + number, 2, source);
    set("J26" + number, 2, value);
    QCOMPARE(frame->isVisible(), source != "0");
    QCOMPARE(range->isVisible(), value == "0");
    // Stepping to a block shows that block's state.
    m_page->decIndex();
    QVERIFY(frame->isVisible());
    QVERIFY(!range->isVisible());
}

void TestFollowUpBlocks::triggerLink_data()
{
    QTest::addColumn<bool>("visible");
    QTest::newRow("visible") << true;
    QTest::newRow("hidden") << false;
}

void TestFollowUpBlocks::triggerLink()
{
    QFETCH(bool, visible);
    open(2);
    m_host->addPage("DbmSrcCtrlFollowMotionBlock", visible);
    set("J253", 0, "1");
    ModalWatcher watcher;
    if (!visible)
        watcher.answer(QMessageBox::Ok);
    m_host->clearCalls();
    emit m_page->findChild<ClickableLabel *>("ClickLabelTriggersignal3")->clicked();
    QCoreApplication::processEvents();
    QCOMPARE(m_host->calls({"jumpToPage"}),
             visible ? QStringList{"jumpToPage(DbmSrcCtrlFollowMotionBlock)"} : QStringList());
    QCOMPARE(watcher.titles(), visible ? QStringList() : QStringList{"Assistentenseite ist aktuell ausgeblendet."});
    QCOMPARE(watcher.texts(), visible ? QStringList()
                                      : QStringList{"Assistentenseite ist aktuell ausgeblendet.<br>Möglicherweise sind "
                                                    "keine Analogeingänge projektiert."});
}

void TestFollowUpBlocks::bufferedRowAndReadOnly_data()
{
    QTest::addColumn<bool>("buffered");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("J286, editable") << true << false;
    QTest::newRow("no J286, read-only") << false << true;
}

void TestFollowUpBlocks::bufferedRowAndReadOnly()
{
    QFETCH(bool, buffered);
    QFETCH(bool, readOnly);
    m_host = std::make_unique<RecordingHost>();
    m_host->setReadOnly(readOnly);
    open(2, -1, buffered ? QStringList() : QStringList{"J286"});
    for (const char *name : {"paraLbl_J286", "comboBox_J286", "toolButton_J286"})
        QCOMPARE(m_page->findChild<QWidget *>(name)->isVisible(), buffered);
    QVERIFY(combo("J285")->isVisible());
    for (const QString &coordinate : followUps)
        QCOMPARE(combo(coordinate)->isEnabled(), !readOnly);
}

void TestFollowUpBlocks::blockNumber_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("handOver");
    QTest::addColumn<QString>("shown");
    QTest::newRow("handed over") << 5 << 3 << "3";
    QTest::newRow("beyond the count") << 5 << 9 << "4";
    QTest::newRow("no blocks") << 0 << 2 << "";
}

void TestFollowUpBlocks::blockNumber()
{
    QFETCH(int, blocks);
    QFETCH(int, handOver);
    QFETCH(QString, shown);
    open(blocks, handOver);
    QCOMPARE(field(), shown);
    QCOMPARE(m_host->fahrsatzNummer(), -1);
    const bool any = blocks > 0;
    QCOMPARE(m_page->findChild<QWidget *>("widgetFolgefahrsaetze")->isEnabled(), any);
    QCOMPARE(m_page->findChild<QWidget *>("lineEditFahrsatznummer")->isEnabled(), any);
    QCOMPARE(combo("J271")->count(), blocks + 1);
    if (any) {
        QCOMPARE(m_page->findChild<ParameterLabel *>("paraLbl_J275")->index(), shown.toUInt());
        return;
    }
    QCOMPARE(combo("J271")->currentIndex(), -1);
    m_host->store().setRecordingWrites(true);
    combo("J271")->setCurrentIndex(0);
    QVERIFY(m_host->store().writtenValues().isEmpty());
}

QTEST_MAIN(TestFollowUpBlocks)
#include "tst_followupblocks.moc"
