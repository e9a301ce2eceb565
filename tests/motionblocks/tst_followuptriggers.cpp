#include "motionblocks/DbmFahrsatzSchaltwerk.h"
#include "motionblocks/DbmSrcIndirectTriggerFollowMb.h"
#include "motionblocks/DbmSrcIndirectTriggerFollowMbV2.h"
#include "motionblocks/SrcCtrlFollowMotionBlock.h"
#include "LedWidget.h"
#include "ModalWatcher.h"
#include "ParameterControl.h"
#include "OpenPage.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>

#include <memory>

namespace {

using Written = ParameterStore::WrittenValue;
const QString perBlockPage = QStringLiteral("DbmSrcIndirectTriggerFollowMb");
const QString commonPage = QStringLiteral("DbmSrcIndirectTriggerFollowMbV2");

template <class Widget>
Widget *child(QObject *parent, const QString &name)
{
    auto *widget = parent->findChild<Widget *>(name);
    if (!widget)
        qFatal("no child %s", qPrintable(name));
    return widget;
}

QStringList writes(const ParameterStore &store)
{
    QStringList written;
    for (const Written &write : store.writtenValues())
        written << QStringLiteral("%1.%2=%3").arg(write.coordinate).arg(write.element).arg(write.text);
    return written;
}

bool pairShown(QWidget *page, const QString &name)
{
    auto *label = dynamic_cast<ParameterControl *>(child<QWidget>(page, QStringLiteral("paraLbl_") + name));
    auto *editor = dynamic_cast<ParameterControl *>(child<QWidget>(page, QStringLiteral("paraTextEdit_") + name));
    return !label->isHiddenForced() && !editor->isHiddenForced();
}

} // namespace

class TestFollowUpTriggers : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lamps_data();
    void lamps();
    void setSourcesToValue_data();
    void setSourcesToValue();
    void indirectTriggerLink_data();
    void indirectTriggerLink();
    void triggerCheckBoxes_data();
    void triggerCheckBoxes();
    void indirectPairs_data();
    void indirectPairs();
    void inversionDiagram_data();
    void inversionDiagram();
    void switchingElements();

private:
    template <class Page>
    Page *attach()
    {
        return openPage<Page>(*m_host, m_page);
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<QWidget> m_page;
};

void TestFollowUpTriggers::init()
{
    m_host = std::make_unique<RecordingHost>();
}

void TestFollowUpTriggers::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestFollowUpTriggers::lamps_data()
{
    QTest::addColumn<QString>("word"); // empty: the drive lacks "J451"
    QTest::addColumn<QList<bool>>("on");

    QTest::newRow("0") << "0" << QList<bool>{false, false, false, false, false};
    QTest::newRow("5") << "5" << QList<bool>{true, false, true, false, false};
    QTest::newRow("31") << "31" << QList<bool>{true, true, true, true, true};
    QTest::newRow("bit 5 only") << "32" << QList<bool>{false, false, false, false, false};
    QTest::newRow("missing") << "" << QList<bool>{false, false, false, false, false};
}

void TestFollowUpTriggers::lamps()
{
    QFETCH(QString, word);
    QFETCH(QList<bool>, on);

    if (!word.isEmpty())
        seed(m_host->store(), {{"J451", "31", 1, ParameterDataType::UInt8}});
    auto *page = attach<SrcCtrlFollowMotionBlock>();
    // Set after showing: the lamps follow the value change.
    if (!word.isEmpty())
        QVERIFY(m_host->store().setValue(QStringLiteral("J451"), 1, 0, word));
    for (int trigger = 0; trigger < 5; ++trigger)
        QCOMPARE(child<LedWidget>(page, QStringLiteral("LedWidgetJ451_%1").arg(trigger))->isOn(), on.at(trigger));
}

void TestFollowUpTriggers::setSourcesToValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QStringList>("expected");

    const auto all = [](const QString &value) {
        QStringList texts;
        for (int trigger = 0; trigger < 5; ++trigger)
            texts << QStringLiteral("J450.%1=%2").arg(trigger).arg(value);
        return texts;
    };
    QTest::newRow("parameter") << 2 << true << false << all("2");
    QTest::newRow("inactive") << 0 << true << false << all("0");
    QTest::newRow("largest") << 28 << true << false << all("28");
    QTest::newRow("above") << 29 << true << false << QStringList{};
    QTest::newRow("negative") << -1 << true << false << QStringList{};
    QTest::newRow("missing J450") << 2 << false << false << QStringList{};
    QTest::newRow("read-only") << 2 << true << true << QStringList{};
}

void TestFollowUpTriggers::setSourcesToValue()
{
    QFETCH(int, value);
    QFETCH(bool, present);
    QFETCH(bool, readOnly);
    QFETCH(QStringList, expected);

    if (present)
        seed(m_host->store(), {{"J450", "5", 5, ParameterDataType::UInt8}});
    m_host->setReadOnly(readOnly);
    auto *page = attach<SrcCtrlFollowMotionBlock>();
    m_host->store().setRecordingWrites(true);
    page->setSourcesToValue(value);
    QCOMPARE(writes(m_host->store()), expected);
}

void TestFollowUpTriggers::indirectTriggerLink_data()
{
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QString>("target"); // empty: the "not available" box

    QTest::newRow("both") << QStringList{perBlockPage, commonPage} << QStringList{} << commonPage;
    QTest::newRow("per-block only") << QStringList{perBlockPage} << QStringList{} << perBlockPage;
    QTest::newRow("common only") << QStringList{commonPage} << QStringList{} << commonPage;
    QTest::newRow("common hidden") << QStringList{perBlockPage} << QStringList{commonPage} << perBlockPage;
    QTest::newRow("neither") << QStringList{} << QStringList{} << QString();
}

void TestFollowUpTriggers::indirectTriggerLink()
{
    QFETCH(QStringList, visible);
    QFETCH(QStringList, hidden);
    QFETCH(QString, target);

    m_host->addPages(visible, true);
    m_host->addPages(hidden, false);
    auto *page = attach<SrcCtrlFollowMotionBlock>();
    QCOMPARE(page->indirectTriggerPage(), target);

    ModalWatcher watcher;
    if (target.isEmpty())
        watcher.answer(QMessageBox::Ok);
    m_host->clearCalls();
    emit child<QLabel>(page, QStringLiteral("labelIndirectTrigger"))->linkActivated(QStringLiteral("IndirectTrigger"));
    const QStringList jumps = m_host->calls({QStringLiteral("jumpToPage")});
    if (target.isEmpty()) {
        QVERIFY(jumps.isEmpty());
        QCOMPARE(watcher.seen().size(), 1);
    } else {
        QCOMPARE(jumps, QStringList{QStringLiteral("jumpToPage(%1)").arg(target)});
        QCOMPARE(watcher.seen().size(), 0);
    }
}

void TestFollowUpTriggers::triggerCheckBoxes_data()
{
    QTest::addColumn<bool>("perBlock");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("addressEditor");

    QTest::newRow("per block") << true << true << "paraTextEdit_J442";
    QTest::newRow("common") << false << true << "paraTextEdit_J439_2";
    QTest::newRow("per block, no J437") << true << false << "paraTextEdit_J442";
    QTest::newRow("common, no J437") << false << false << "paraTextEdit_J439_2";
}

void TestFollowUpTriggers::triggerCheckBoxes()
{
    QFETCH(bool, perBlock);
    QFETCH(bool, present);
    QFETCH(QString, addressEditor);

    QList<SeedParameter> parameters = {{"J439", "", 5, ParameterDataType::Address},
                                       {"J440", "", 4, ParameterDataType::Address},
                                       {"J441", "", 4, ParameterDataType::Address},
                                       {"J442", "", 4, ParameterDataType::Address},
                                       {"J443", "", 4, ParameterDataType::Address},
                                       {"J444", "", 4, ParameterDataType::Address}};
    if (present)
        parameters.append({"J437", "1", 5, ParameterDataType::UInt8});
    seed(m_host->store(), parameters);
    QWidget *page = perBlock ? static_cast<QWidget *>(attach<DbmSrcIndirectTriggerFollowMb>())
                             : static_cast<QWidget *>(attach<DbmSrcIndirectTriggerFollowMbV2>());
    auto *box = child<QCheckBox>(page, QStringLiteral("checkBox_J437_2"));
    auto *editor = child<QWidget>(page, addressEditor);
    QCOMPARE(box->isChecked(), present);
    QCOMPARE(editor->isEnabled(), present);

    m_host->store().setRecordingWrites(true);
    box->click(); // unchecks a set flag, checks a missing one
    if (present) {
        QCOMPARE(writes(m_host->store()), QStringList{QStringLiteral("J437.2=0")});
        QVERIFY(!editor->isEnabled());
        box->click();
        QCOMPARE(writes(m_host->store()).last(), QStringLiteral("J437.2=1"));
        QVERIFY(editor->isEnabled());
    } else {
        QVERIFY(writes(m_host->store()).isEmpty());
        QVERIFY(!editor->isEnabled());
        QVERIFY(!box->isChecked());
    }
}

void TestFollowUpTriggers::indirectPairs_data()
{
    QTest::addColumn<bool>("perBlock");
    QTest::addColumn<QString>("address"); // "-" : the address parameter is missing
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("coordinate");
    QTest::addColumn<int>("element");

    for (const bool perBlock : {true, false}) {
        const char *page = perBlock ? "per block, " : "common, ";
        QTest::newRow(QByteArray(page).append("plain").constData()) << perBlock << "I441" << true << "I441" << 0;
        QTest::newRow(QByteArray(page).append("element").constData()) << perBlock << "J40.3" << true << "J40" << 3;
        QTest::newRow(QByteArray(page).append("axis").constData()) << perBlock << "1:J40.2" << true << "J40" << 2;
        QTest::newRow(QByteArray(page).append("empty").constData()) << perBlock << "" << false << "" << 0;
        QTest::newRow(QByteArray(page).append("no address").constData()) << perBlock << "J4x0" << false << "" << 0;
        QTest::newRow(QByteArray(page).append("missing").constData()) << perBlock << "-" << false << "" << 0;
        QTest::newRow(QByteArray(page).append("beyond the array").constData()) << perBlock << "J40.9" << false << "" << 0;
        QTest::newRow(QByteArray(page).append("unknown parameter").constData()) << perBlock << "Z999" << false << "" << 0;
    }
}

void TestFollowUpTriggers::indirectPairs()
{
    QFETCH(bool, perBlock);
    QFETCH(QString, address);
    QFETCH(bool, shown);
    QFETCH(QString, coordinate);
    QFETCH(int, element);

    seed(m_host->store(), {{"J437", "1", 5, ParameterDataType::UInt8}, {"J40", "7", 4}, {"I441", "3"}});
    const QString addressCoordinate = perBlock ? QStringLiteral("J441") : QStringLiteral("J439");
    if (address != QLatin1String("-"))
        seed(m_host->store(), {{addressCoordinate, "", 5, ParameterDataType::Address}});
    if (perBlock)
        seed(m_host->store(), {{"J440", "", 5, ParameterDataType::Address}});
    // Block 1 on the per-block page, trigger 1 on the common one: element 1 either way.
    m_host->setProperty("FahrsatzNummer", 1);
    QWidget *page = perBlock ? static_cast<QWidget *>(attach<DbmSrcIndirectTriggerFollowMb>())
                             : static_cast<QWidget *>(attach<DbmSrcIndirectTriggerFollowMbV2>());
    const QString pair = perBlock ? QStringLiteral("J441_Indirekt") : QStringLiteral("J439_1_Indirekt");
    QVERIFY(!pairShown(page, pair));
    // The store may refuse text that is no address; the pair stays hidden either way.
    // A pair to be shown shows a later element of another parameter first, so that the
    // change of address also moves a control that is already bound.
    if (shown)
        m_host->store().setValue(addressCoordinate, 1, 1, QStringLiteral("J40.3"));
    if (address != QLatin1String("-"))
        m_host->store().setValue(addressCoordinate, 1, 1, address);
    QCOMPARE(pairShown(page, pair), shown);
    if (shown) {
        auto *editor = dynamic_cast<ParameterControl *>(child<QWidget>(page, QStringLiteral("paraTextEdit_") + pair));
        QCOMPARE(editor->coordinate(), coordinate);
        QCOMPARE(int(editor->index()), element);
    }
    QCOMPARE(m_host->store().elementOverruns(), QStringList());
}

void TestFollowUpTriggers::inversionDiagram_data()
{
    QTest::addColumn<bool>("inversion");
    QTest::newRow("with J438") << true;
    QTest::newRow("without J438") << false;
}

void TestFollowUpTriggers::inversionDiagram()
{
    QFETCH(bool, inversion);
    if (inversion)
        seed(m_host->store(), {{"J438", "0", 5, ParameterDataType::UInt8}});
    auto *page = attach<DbmSrcIndirectTriggerFollowMbV2>();
    QCOMPARE(child<QFrame>(page, QStringLiteral("FrameJ438"))->isVisible(), inversion);
    QCOMPARE(child<QStackedWidget>(page, QStringLiteral("stackedWidgetJ438Inverting"))->currentIndex(),
             inversion ? 1 : 0);
}

void TestFollowUpTriggers::switchingElements()
{
    seed(m_host->store(), {{"J455", "0", 5}, {"J456", "0", 5, ParameterDataType::UInt8}, {"J457", "0", 5}});
    auto *page = attach<DbmFahrsatzSchaltwerk>();
    m_host->store().setRecordingWrites(true);
    // A value the drive reports enables its element's editor without being written back.
    QVERIFY(m_host->store().setValue(QStringLiteral("J456"), 1, 3, QStringLiteral("1")));
    m_host->store().clearWrittenValues();
    QVERIFY(child<QCheckBox>(page, QStringLiteral("checkBoxJ456_3"))->isChecked());
    QVERIFY(child<QWidget>(page, QStringLiteral("ParaLineEdit_J455_3"))->isEnabled());
    QVERIFY(!child<QWidget>(page, QStringLiteral("ParaLineEdit_J455_1"))->isEnabled());
    QVERIFY(writes(m_host->store()).isEmpty());

    child<QCheckBox>(page, QStringLiteral("checkBoxJ456_1"))->click();
    QCOMPARE(writes(m_host->store()), QStringList{QStringLiteral("J456.1=1")});
    QVERIFY(child<QWidget>(page, QStringLiteral("ParaLineEdit_J455_1"))->isEnabled());
}

QTEST_MAIN(TestFollowUpTriggers)
#include "tst_followuptriggers.moc"
