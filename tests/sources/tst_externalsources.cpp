#include "ModalWatcher.h"
#include "ParameterControl.h"
#include "RecordingHost.h"
#include "StoreSeed.h"
#include "SrcExtAuxVel.h"
#include "SrcExtVelocity.h"
#include "SrcTrqVKlammerung.h"
#include "SrcVelOverride.h"

#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

constexpr int livingSpace = 1;
const QStringList diagramNames = {"NoAI", "AI1AI2", "AI3", "AI1AI2AI3"};

struct Family
{
    const char *address;
    std::function<ExternalSourcePage *()> create;
};

const QList<Family> &family()
{
    static const QList<Family> pages = {
        {"G811", [] { return new SrcExtVelocity; }},
        {"G812", [] { return new SrcExtAuxVel; }},
        {"G813", [] { return new SrcVelOverride; }},
        {"G814", [] { return new SrcTrqVKlammerung; }},
    };
    return pages;
}

QString hrefOf(const QLabel *label)
{
    return QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).match(label->text()).captured(1);
}

} // namespace

class TestExternalSources : public QObject
{
    Q_OBJECT
private slots:
    void diagram_data();
    void diagram();
    void overrideForm_data();
    void overrideForm();
    void indirect_data();
    void indirect();
    void indirectFollowsAddress();
    void links_data();
    void links();

private:
    // A page of the family on a host with the given device and drive parameters.
    std::unique_ptr<ExternalSourcePage> open(const Family &page, eDeviceType device,
        const QList<SeedParameter> &parameters, bool show = true)
    {
        m_host = std::make_unique<RecordingHost>();
        m_host->setDeviceType(device);
        seed(m_host->store(), parameters);
        std::unique_ptr<ExternalSourcePage> created(page.create());
        m_host->attach(created.get());
        if (show)
            created->show();
        return created;
    }
    static int diagramOf(const QWidget *page)
    {
        return page->findChild<QStackedWidget *>("stackedWidget")->currentIndex();
    }
    // The parameter the shown diagram page's indirect row is bound to, as
    // "coordinate.element@livingSpace", "" when hidden; every diagram page must agree.
    static QString indirectRow(const QWidget *page, const QString &address)
    {
        QStringList seen;
        for (const QString &name : diagramNames) {
            auto *label = page->findChild<QWidget *>("ParaLabel_" + address + "_indirect_" + name);
            auto *edit = page->findChild<QWidget *>("ParaTextEdit_" + address + "_indirect_" + name);
            if (!label || !edit)
                return "missing row on " + name;
            const auto *control = dynamic_cast<ParameterControl *>(edit);
            const QString row = edit->isHidden() ? QString()
                                                 : QStringLiteral("%1.%2@%3").arg(control->coordinate()).arg(control->index()).arg(int(control->livingSpace()));
            if (label->isHidden() != edit->isHidden())
                return "label and editor disagree on " + name;
            seen << row;
        }
        seen.removeDuplicates();
        return seen.size() == 1 ? seen.first() : "rows disagree: " + seen.join(',');
    }

    std::unique_ptr<RecordingHost> m_host;
};

void TestExternalSources::diagram_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("module");
    QTest::addColumn<int>("expected");
    QTest::newRow("KM2 QW4") << int(eDeviceTypeKM2) << "QW4A" << 1;
    QTest::newRow("KM2 QY4") << int(eDeviceTypeKM2) << "QY4B" << 1;
    QTest::newRow("KM2 QW4 before QX4") << int(eDeviceTypeKM2) << "QX4A/QW4A" << 1;
    QTest::newRow("KM2 QX4") << int(eDeviceTypeKM2) << "QX4A" << 3;
    QTest::newRow("KM2 other module") << int(eDeviceTypeKM2) << "QV4A" << 0;
    QTest::newRow("KM2 case matters") << int(eDeviceTypeKM2) << "qx4a" << 0;
    QTest::newRow("KM2 no E57") << int(eDeviceTypeKM2) << QString() << 0;
    QTest::newRow("KQ2 QZ4") << int(eDeviceTypeKQ2) << "QZ4A" << 3;
    QTest::newRow("KQ2 other") << int(eDeviceTypeKQ2) << "QX4A" << 2;
    QTest::newRow("KQ2 no E57") << int(eDeviceTypeKQ2) << QString() << 2;
    QTest::newRow("KN2") << int(eDeviceTypeKN2) << "QX4A" << 0;
    // Devices the diagrams do not know keep the page the form starts with.
    QTest::newRow("KT2") << int(eDeviceTypeKT2) << "QX4A" << 0;
    QTest::newRow("unknown") << int(eDeviceTypeUnknown) << "QX4A" << 0;
}

void TestExternalSources::diagram()
{
    QFETCH(int, device);
    QFETCH(QString, module);
    QFETCH(int, expected);
    for (const Family &page : family()) {
        QList<SeedParameter> parameters;
        if (!module.isNull())
            parameters << SeedParameter{"E57", module, 1, ParameterDataType::String};
        const auto opened = open(page, eDeviceType(device), parameters);
        QVERIFY2(diagramOf(opened.get()) == expected, page.address);
    }
}

void TestExternalSources::overrideForm_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("g468");   // "old", "new" or "none"
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("inner");
    QTest::newRow("old definition limits") << int(eDeviceTypeKM2) << "old" << 3 << 0;
    QTest::newRow("new definition scales") << int(eDeviceTypeKM2) << "new" << 3 << 1;
    QTest::newRow("no G468 scales") << int(eDeviceTypeKQ2) << "none" << 2 << 1;
    QTest::newRow("old definition without inputs") << int(eDeviceTypeKN2) << "old" << 0 << 0;
}

void TestExternalSources::overrideForm()
{
    QFETCH(int, device);
    QFETCH(QString, g468);
    QFETCH(int, outer);
    QFETCH(int, inner);
    QList<SeedParameter> parameters = {{"E57", "QX4A", 1, ParameterDataType::String}};
    if (g468 != "none")
        parameters << SeedParameter{"G468", "100", 1, ParameterDataType::Real32, {}, false, g468 == "new"};
    const auto page = open(family().at(2), eDeviceType(device), parameters);
    QCOMPARE(diagramOf(page.get()), outer);
    QCOMPARE(page->findChild<QStackedWidget *>("stackedWidget" + diagramNames.at(outer))->currentIndex(), inner);
}

void TestExternalSources::indirect_data()
{
    QTest::addColumn<QString>("address");   // null: the drive lacks the address parameter
    QTest::addColumn<QString>("expected");
    QTest::newRow("named parameter") << "G270" << "G270.0@0";
    QTest::newRow("short line is padded") << "E5" << "E05.0@0";
    QTest::newRow("element within the array") << "E19.3" << "E19.3@0";
    // An axis prefix counts axes from 0, living spaces of axes from 1.
    QTest::newRow("axis prefix") << "0:G271" << "G271.0@1";
    QTest::newRow("second axis") << "1:E19.2" << "E19.2@2";
    QTest::newRow("element beyond the array") << "E19.8" << "";
    QTest::newRow("parameter the drive lacks") << "Z12" << "";
    QTest::newRow("empty address") << "" << "";
    QTest::newRow("no address parameter") << QString() << "";
}

void TestExternalSources::indirect()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);
    for (const Family &page : family()) {
        QList<SeedParameter> parameters = {{"G270", "1.5", 1, ParameterDataType::Real32},
            {"G271", "0", 1, ParameterDataType::Real32}, {"E05", "0"}, {"E19", "0", 8}};
        if (!address.isNull())
            parameters << SeedParameter{page.address, address, 1, ParameterDataType::Address};
        const auto opened = open(page, eDeviceTypeKM2, parameters);
        QVERIFY2(indirectRow(opened.get(), page.address) == expected, page.address);
        QVERIFY(m_host->store().elementOverruns().isEmpty());
    }
}

void TestExternalSources::indirectFollowsAddress()
{
    for (const Family &page : family()) {
        const auto opened = open(page, eDeviceTypeKM2,
            {{"G270", "0", 1, ParameterDataType::Real32}, {"G272", "0", 1, ParameterDataType::Real32},
                {page.address, "G270", 1, ParameterDataType::Address}});
        QCOMPARE(indirectRow(opened.get(), page.address), QString("G270.0@0"));
        QVERIFY(m_host->store().setValue(page.address, livingSpace, 0, "G272"));
        QCOMPARE(indirectRow(opened.get(), page.address), QString("G272.0@0"));
        QVERIFY(m_host->store().setValue(page.address, livingSpace, 0, "G999"));
        QCOMPARE(indirectRow(opened.get(), page.address), QString());
    }
}

void TestExternalSources::links_data()
{
    QTest::addColumn<QString>("application");   // element 1 of E76; null: no E76
    QTest::addColumn<QString>("applicationPage");
    QTest::newRow("drive based") << "7300003" << "AppSatDriveBased";
    QTest::newRow("synchronous") << "7300006" << "AppSynchron";
    QTest::newRow("winder") << "7300011" << "AppWinder";
    QTest::newRow("unknown application") << "7300004" << "";
    QTest::newRow("no number") << "Drive Based" << "";
    QTest::newRow("no E76") << QString() << "";
}

// Every link of every diagram page: the anchors name their page, the application link the
// overview of the drive's application, or nothing, which the missing-page message reports.
void TestExternalSources::links()
{
    QFETCH(QString, application);
    QFETCH(QString, applicationPage);
    const QStringList targets = {"AE1Skalierung", "AE2Skalierung", "AE3Skalierung", "VAccRBegrenzung", "MBegrenzung",
        "AppSatDriveBased", "AppSynchron", "AppWinder"};
    for (const Family &page : family()) {
        QList<SeedParameter> parameters;
        if (!application.isNull())
            parameters << SeedParameter{"E76", application, 2, ParameterDataType::String};
        const auto opened = open(page, eDeviceTypeKM2, parameters, false);
        m_host->addPages(targets);
        ModalWatcher watcher;
        QStringList expected;
        int messages = 0;
        const auto labels = opened->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            const QString href = hrefOf(label);
            if (href.isEmpty())
                continue;
            const QString target = href == "Application" ? applicationPage : href;
            if (target.isEmpty()) {
                watcher.answer(QMessageBox::Ok);
                ++messages;
            } else {
                expected << "jumpToPage(" + target + ")";
            }
            m_host->clearCalls();
            emit label->linkActivated(href);
            const QStringList jumps = m_host->calls({"jumpToPage"});
            QVERIFY2(jumps == (target.isEmpty() ? QStringList() : QStringList{"jumpToPage(" + target + ")"}),
                qPrintable(label->objectName() + ": " + jumps.join(',')));
        }
        QCOMPARE(watcher.unexpectedCount(), 0);
        QCOMPARE(watcher.seen().size(), messages);
        // Each diagram links the application, its limit and the inputs it draws; the override
        // page has two diagrams per variant.
        const int diagrams = QString(page.address) == "G813" ? 8 : 4;
        QCOMPARE(applicationPage.isEmpty() ? messages : int(expected.count("jumpToPage(" + applicationPage + ")")), diagrams);
        QCOMPARE(expected.count("jumpToPage(VAccRBegrenzung)"), diagrams);
        for (const QString input : {"AE1", "AE2", "AE3"})
            QCOMPARE(expected.count("jumpToPage(" + input + "Skalierung)"), diagrams / 2);
        QCOMPARE(expected.count("jumpToPage(MBegrenzung)"), QString(page.address) == "G814" ? 8 : 0);
    }
}

QTEST_MAIN(TestExternalSources)
#include "tst_externalsources.moc"
