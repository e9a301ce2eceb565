#include "ActionWidget.h"
#include "BrevanePage.h"
#include "LedWidget.h"
#include "ModalWatcher.h"
#include "PageRegistry.h"
#include "RecordingHost.h"
#include "StoreSeed.h"
#include "WizardPage.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTest>

#include <memory>

// The pages that show control and status words as LEDs, and the jog overview.
class TestStatusPages : public QObject
{
    Q_OBJECT
private slots:
    void clicks_data();
    void clicks();
    void display_data();
    void display();
    void links_data();
    void links();
    void jogOverview_data();
    void jogOverview();

private:
    std::unique_ptr<WizardPage> open(RecordingHost &host, const QString &identifier)
    {
        std::unique_ptr<WizardPage> page(PageRegistry::createPage(identifier));
        host.attach(page.get());
        page->show();
        return page;
    }
    static LedWidget *led(const WizardPage *page, const QString &word, int bit)
    {
        return page->findChild<LedWidget *>(QStringLiteral("LedWidget%1_%2").arg(word).arg(bit));
    }
};

void TestStatusPages::clicks_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("written");
    QTest::newRow("set bit 3 of I210") << "DbmSteuerStatus" << "I210" << "0" << 3 << false << "8";
    QTest::newRow("clear bit 0 of I210") << "DbmSteuerStatus" << "I210" << "65535" << 0 << false << "65534";
    QTest::newRow("clear drops bits above 15") << "DbmSteuerStatus" << "I210" << "65537" << 0 << false << "0";
    QTest::newRow("set bit 15") << "DbmSteuerStatus" << "I210" << "1" << 15 << false << "32769";
    QTest::newRow("read-only I210") << "DbmSteuerStatus" << "I210" << "0" << 3 << true << "0";
    QTest::newRow("clear bit 7 of J01") << "SteuerStatusFahrsatz" << "J01" << "255" << 7 << false << "127";
    QTest::newRow("set bit 0 of J01") << "SteuerStatusFahrsatz" << "J01" << "2" << 0 << false << "3";
    QTest::newRow("read-only J01") << "SteuerStatusFahrsatz" << "J01" << "255" << 7 << true << "255";
    QTest::newRow("set bit 1 of J37") << "SteuerStatusKommandobetrieb" << "J37" << "0" << 1 << false << "2";
}

void TestStatusPages::clicks()
{
    QFETCH(QString, page);
    QFETCH(QString, word);
    QFETCH(QString, value);
    QFETCH(int, bit);
    QFETCH(bool, readOnly);
    QFETCH(QString, written);
    RecordingHost host;
    seed(host.store(), {{word, value}});
    host.setReadOnly(readOnly);
    auto shown = open(host, page);
    LedWidget *target = led(shown.get(), word, bit);
    QVERIFY(target);
    const bool wasOn = target->isOn();
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(host.store().value(word), written);
    QCOMPARE(target->isOn(), readOnly ? wasOn : !wasOn);
}

void TestStatusPages::display_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("online");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("lit");
    QTest::addColumn<QString>("then"); // the host goes "online" or "offline" after the value came
    QTest::newRow("I210 offline") << "DbmSteuerStatus" << false << false << "I210" << "5" << "0 2" << QString();
    QTest::newRow("I200 online") << "DbmSteuerStatus" << true << false << "I200" << "32769" << "0 15" << QString();
    QTest::newRow("I200 offline") << "DbmSteuerStatus" << false << false << "I200" << "32769" << "" << QString();
    QTest::newRow("I200 offline read-only") << "DbmSteuerStatus" << false << true << "I200" << "3" << "0 1" << QString();
    QTest::newRow("I212 offline") << "DbmSteuerStatus" << false << false << "I212" << "255" << "" << QString();
    QTest::newRow("I212 online") << "DbmSteuerStatus" << true << false << "I212" << "132" << "2 7" << QString();
    QTest::newRow("J01 offline") << "SteuerStatusFahrsatz" << false << false << "J01" << "129" << "0 7" << QString();
    QTest::newRow("J302 offline") << "SteuerStatusFahrsatz" << false << false << "J302" << "129" << "" << QString();
    QTest::newRow("J302 online") << "SteuerStatusFahrsatz" << true << false << "J302" << "6" << "1 2" << QString();
    QTest::newRow("J39 offline") << "SteuerStatusKommandobetrieb" << false << false << "J39" << "3" << "0 1" << QString();
    QTest::newRow("not a number") << "SteuerStatusKommandobetrieb" << true << false << "J37" << "x" << "" << QString();
    QTest::newRow("I200 goes offline") << "DbmSteuerStatus" << true << false << "I200" << "3" << "" << "offline";
    QTest::newRow("J302 comes online") << "SteuerStatusFahrsatz" << false << false << "J302" << "6" << "1 2" << "online";
    QTest::newRow("J39 stays offline") << "SteuerStatusKommandobetrieb" << true << false << "J39" << "3" << "0 1" << "offline";
}

void TestStatusPages::display()
{
    QFETCH(QString, page);
    QFETCH(bool, online);
    QFETCH(bool, readOnly);
    QFETCH(QString, word);
    QFETCH(QString, value);
    QFETCH(QString, lit);
    QFETCH(QString, then);
    RecordingHost host;
    host.setOnline(online);
    host.setReadOnly(readOnly);
    seed(host.store(), {{word, "0", 1, ParameterDataType::String}});
    auto shown = open(host, page);
    // A host refreshes only live values: the shown word is one.
    QCOMPARE(dynamic_cast<BrevanePage *>(shown.get())->liveValuesOn(), QStringList{word + "@1.0"});
    host.store().setValue(word, value);
    if (!then.isEmpty())
        host.setOnline(then == "online");
    QStringList actual;
    for (int bit = 0; bit < 16; ++bit) {
        if (LedWidget *widget = led(shown.get(), word, bit); widget && widget->isOn())
            actual << QString::number(bit);
    }
    QCOMPARE(actual.join(' '), lit);
}

void TestStatusPages::links_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("target");
    QTest::newRow("positive jog") << "DbmSteuerStatus" << "LblI210Text5" << "DbmSrcBinSignals";
    QTest::newRow("MC_Halt") << "SteuerStatusFahrsatz" << "ClickLabelStop" << "DbmMotionBlockBinSignals";
    QTest::newRow("Continue") << "SteuerStatusFahrsatz" << "ClickLabelContinue" << "DbmMotionBlockBinSignals";
    QTest::newRow("command Continue") << "SteuerStatusKommandobetrieb" << "ClickLabelContinue" << "SrcCommandBinSignals";
}

void TestStatusPages::links()
{
    QFETCH(QString, page);
    QFETCH(QString, label);
    QFETCH(QString, target);
    RecordingHost host;
    host.addPage(target);
    auto shown = open(host, page);
    auto *link = shown->findChild<QLabel *>(label);
    QVERIFY(link);
    const auto activate = [link, &target] {
        if (link->text().contains("href"))
            emit link->linkActivated(target);
        else
            QTest::mouseClick(link, Qt::LeftButton);
        QCoreApplication::processEvents();
    };
    activate();
    QCOMPARE(host.calls({"jumpToPage"}), QStringList{QStringLiteral("jumpToPage(%1)").arg(target)});

    // A hidden target says so, with the same text as title and message.
    host.hidePage(target);
    ModalWatcher watcher;
    watcher.answer(QMessageBox::Ok);
    activate();
    QCOMPARE(watcher.titles(), QStringList{"Assistentenseite ist aktuell ausgeblendet."});
    QCOMPARE(watcher.texts(), QStringList{"Assistentenseite ist aktuell ausgeblendet."});
}

void TestStatusPages::jogOverview_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<int>("page");
    // Where a user clicks on the diagram (its own coordinates) and the page that opens.
    QTest::addColumn<QStringList>("clicks");
    const QStringList threeSources = {"105,36 DbmSrcBinSignals", "105,90 AntriebsreglerBedienteil",
                                      "105,147 SteuertafelTippen", "568,105 AntriebBeobPosiKern1"};
    QTest::newRow("KM2") << 3 << 0 << threeSources;
    QTest::newRow("KQ2") << 8 << 0 << threeSources;
    QTest::newRow("other") << 5 << 1
                           << QStringList{"105,36 DbmSrcBinSignals", "105,90 SteuertafelTippen", "565,63 AntriebBeobPosiKern1"};
}

void TestStatusPages::jogOverview()
{
    QFETCH(int, deviceType);
    QFETCH(int, page);
    QFETCH(QStringList, clicks);
    RecordingHost host;
    host.setDeviceType(eDeviceType(deviceType));
    host.addPages({"DbmSrcBinSignals", "AntriebsreglerBedienteil", "SteuertafelTippen", "AntriebBeobPosiKern1"});
    auto shown = open(host, "DbmTipbetrieb");
    auto *stack = shown->findChild<QStackedWidget *>("stackedWidget");
    QCOMPARE(stack->currentIndex(), page);
    QVERIFY(stack->currentWidget()->findChild<QLabel *>("LblLokalbetriebpage") || page == 1);
    for (const QString &click : clicks) {
        const QStringList parts = click.split(' ');
        const QStringList xy = parts.at(0).split(',');
        QWidget *target = stack->currentWidget()->childAt(QPoint(xy.at(0).toInt(), xy.at(1).toInt()));
        while (target && !qobject_cast<ActionWidget *>(target))
            target = target->parentWidget();
        QVERIFY2(target, qPrintable(click));
        host.clearCalls();
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(host.calls({"jumpToPage"}), QStringList{"jumpToPage(" + parts.at(1) + ")"});
    }
}

QTEST_MAIN(TestStatusPages)
#include "tst_statuspages.moc"
