#include "motionblocks/MotionBlockBinSignals.h"
#include "motionblocks/MotionBlockSelect.h"
#include "motionblocks/MotionBlocks.h"
#include "motionblocks/SrcDirectMbStart.h"
#include "ModalWatcher.h"
#include "OpenPage.h"
#include "ParameterTextEdit.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

#include <memory>

namespace {

using Written = ParameterStore::WrittenValue;

template <class Widget>
Widget *child(QObject *parent, const QString &name)
{
    auto *widget = parent->findChild<Widget *>(name);
    if (!widget)
        qFatal("no child %s", qPrintable(name));
    return widget;
}

// Per-block parameters that a count change resizes and that the page shows.
const QStringList blockArrays = {"J10", "J11", "J27", "J251", "J285", "J440", "J452"};

} // namespace

class TestBlockSources : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layouts_data();
    void layouts();
    void setAllSources_data();
    void setAllSources();
    void blockCount_data();
    void blockCount();
    void blockCountWhileTyping();

private:
    int elementsOf(const QString &coordinate) const
    {
        const auto information = m_host->store().information(ParameterCoordinate(coordinate)).toStrongRef();
        return information ? information->elementCount() : -1;
    }

    template <class Page>
    Page *attach()
    {
        return openPage<Page>(*m_host, m_page);
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<QWidget> m_page;
};

void TestBlockSources::init()
{
    m_host = std::make_unique<RecordingHost>();
}

void TestBlockSources::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestBlockSources::layouts_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("coordinate");
    QTest::addColumn<QString>("value"); // empty: the drive lacks the parameter
    QTest::addColumn<int>("layout");

    QTest::newRow("J03 binary") << "select" << "J03" << "0" << 0;
    QTest::newRow("J03 parameter") << "select" << "J03" << "1" << 1;
    QTest::newRow("J03 unknown value") << "select" << "J03" << "7" << 0;
    QTest::newRow("J03 missing") << "select" << "J03" << "" << 0;
    QTest::newRow("J80 off") << "direct" << "J80" << "0" << 0;
    QTest::newRow("J80 on") << "direct" << "J80" << "1" << 1;
    QTest::newRow("J80 other") << "direct" << "J80" << "-3" << 1;
    QTest::newRow("J80 missing") << "direct" << "J80" << "" << 0;
}

void TestBlockSources::layouts()
{
    QFETCH(QString, page);
    QFETCH(QString, coordinate);
    QFETCH(QString, value);
    QFETCH(int, layout);

    if (!value.isEmpty())
        seed(m_host->store(), {{coordinate, value}});
    QWidget *shown = page == QLatin1String("select") ? static_cast<QWidget *>(attach<MotionBlockSelect>())
                                                     : static_cast<QWidget *>(attach<SrcDirectMbStart>());
    auto *stack = child<QStackedWidget>(shown, QStringLiteral("stackedWidget"));
    QCOMPARE(stack->currentIndex(), layout);
    if (value.isEmpty())
        return;
    // The layout follows later changes of the parameter.
    m_host->store().setValue(coordinate, 1, 0, layout == 1 ? QStringLiteral("0") : QStringLiteral("1"));
    QCOMPARE(stack->currentIndex(), 1 - layout);
}

void TestBlockSources::setAllSources_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QStringList>("expected"); // coordinate=value in write order

    const QStringList all = {"I100", "J06", "J07", "J917"};
    QTest::newRow("parameter") << "PushButtonQuellenAufParameter" << all << false
                               << QStringList{"I100=2", "J06=2", "J07=2", "J917=2"};
    QTest::newRow("inactive") << "PushButtonQuellenAufInaktiv" << all << false
                              << QStringList{"I100=0", "J06=0", "J07=0", "J917=0"};
    QTest::newRow("missing skipped") << "PushButtonQuellenAufParameter" << QStringList{"J06", "J917"} << false
                                     << QStringList{"J06=2", "J917=2"};
    QTest::newRow("read-only") << "PushButtonQuellenAufParameter" << all << true << QStringList{};
}

void TestBlockSources::setAllSources()
{
    QFETCH(QString, button);
    QFETCH(QStringList, present);
    QFETCH(bool, readOnly);
    QFETCH(QStringList, expected);

    for (const QString &coordinate : present)
        seed(m_host->store(), {{coordinate, QStringLiteral("1")}});
    m_host->setReadOnly(readOnly);
    auto *page = attach<MotionBlockBinSignals>();
    auto *push = child<QPushButton>(page, button);
    QCOMPARE(push->isEnabled(), !readOnly);

    m_host->store().setRecordingWrites(true);
    // A click that reaches the slot despite the disabled button must not write either.
    QMetaObject::invokeMethod(push, "clicked");
    QStringList written;
    for (const Written &write : m_host->store().writtenValues())
        written << QStringLiteral("%1=%2").arg(write.coordinate, write.text);
    QCOMPARE(written, expected);
}

void TestBlockSources::blockCount_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: no question
    QTest::addColumn<int>("count"); // element count of every block array afterwards

    QTest::newRow("offline, 5") << false << false << 3 << "5" << QMessageBox::NoButton << 5;
    QTest::newRow("offline, 16") << false << false << 3 << "16" << QMessageBox::NoButton << 16;
    QTest::newRow("offline, largest") << false << false << 3 << "16380" << QMessageBox::NoButton << 16380;
    QTest::newRow("offline, 0") << false << false << 3 << "0" << QMessageBox::NoButton << 3;
    QTest::newRow("offline, text") << false << false << 3 << "abc" << QMessageBox::NoButton << 3;
    QTest::newRow("shrink, yes") << false << false << 3 << "1" << QMessageBox::Yes << 1;
    QTest::newRow("shrink, no") << false << false << 3 << "1" << QMessageBox::No << 3;
    QTest::newRow("no blocks") << false << false << 0 << "2" << QMessageBox::NoButton << 2;
    QTest::newRow("online") << true << false << 3 << "5" << QMessageBox::NoButton << 3;
    QTest::newRow("read-only") << false << true << 3 << "5" << QMessageBox::NoButton << 3;
}

void TestBlockSources::blockCount()
{
    QFETCH(bool, online);
    QFETCH(bool, readOnly);
    QFETCH(int, blocks);
    QFETCH(QString, typed);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, count);

    QList<SeedParameter> arrays;
    for (const QString &coordinate : blockArrays)
        arrays.append({coordinate, QStringLiteral("1"), static_cast<unsigned short>(blocks)});
    seed(m_host->store(), arrays);
    m_host->setOnline(online);
    m_host->setReadOnly(readOnly);
    auto *page = attach<MotionBlocks>();
    auto *number = child<QSpinBox>(page, QStringLiteral("SpinBoxNumberOfMotionBlocks"));
    auto *block = child<QSpinBox>(page, QStringLiteral("SpinBoxMotionBlockToEdit"));
    QCOMPARE(number->value(), blocks);
    QCOMPARE(block->maximum(), qMax(blocks - 1, 0));
    QCOMPARE(number->isEnabled(), !online && !readOnly);
    // Without blocks nothing of a block is shown.
    QCOMPARE(child<ParameterTextEdit>(page, QStringLiteral("paraTextEdit_J10"))->isHiddenForced(), blocks == 0);

    // Typed and finished with Return, as a user does (the spin box takes keys only when enabled).
    ModalWatcher watcher;
    if (answer != QMessageBox::NoButton)
        watcher.answer(answer);
    number->setEnabled(true);
    number->selectAll();
    QTest::keyClicks(number, typed);
    QTest::keyClick(number, Qt::Key_Return);

    QCOMPARE(watcher.texts(), answer != QMessageBox::NoButton ? QStringList{"Fahrsätze 1 bis 2 löschen?"} : QStringList());
    QCOMPARE(watcher.pendingAnswers(), 0);
    for (const QString &coordinate : blockArrays)
        QCOMPARE(elementsOf(coordinate), count);
    QCOMPARE(number->value(), count);
    QCOMPARE(block->maximum(), count - 1);
}

void TestBlockSources::blockCountWhileTyping()
{
    QList<SeedParameter> arrays;
    for (const QString &coordinate : blockArrays)
        arrays.append({coordinate, QStringLiteral("1"), 20});
    seed(m_host->store(), arrays);
    m_host->setOnline(false);
    auto *page = attach<MotionBlocks>();
    auto *number = child<QSpinBox>(page, QStringLiteral("SpinBoxNumberOfMotionBlocks"));
    auto *block = child<QSpinBox>(page, QStringLiteral("SpinBoxMotionBlockToEdit"));
    block->setValue(12);

    // "16" passes through "1" on the way: no block may be cut meanwhile, and only 16 is asked for.
    ModalWatcher watcher;
    watcher.answer(QMessageBox::Yes);
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("1"));
    QCOMPARE(elementsOf(QStringLiteral("J10")), 20);
    QTest::keyClicks(number, QStringLiteral("6"));
    QCOMPARE(elementsOf(QStringLiteral("J10")), 20);
    QTest::keyClick(number, Qt::Key_Enter);
    for (const QString &coordinate : blockArrays)
        QCOMPARE(elementsOf(coordinate), 16);
    QCOMPARE(watcher.texts(), QStringList{"Fahrsätze 16 bis 19 löschen?"});
    QCOMPARE(block->value(), 12);
    // Stepping up applies each count it reaches.
    QTest::keyClick(number, Qt::Key_Up);
    QCOMPARE(elementsOf(QStringLiteral("J452")), 17);
}

QTEST_MAIN(TestBlockSources)
#include "tst_blocksources.moc"
