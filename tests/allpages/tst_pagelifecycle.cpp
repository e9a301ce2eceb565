// Every page the plug-in creates goes through the host's whole lifecycle in every device
// type, fieldbus, online/offline and read-only/editable state: created, set up, shown,
// hidden, shown again, switched through the three languages, hidden and deleted.
// A Qt warning on the way (a connection to a missing slot, a picture that cannot be
// opened, a painter or layout complaint) fails the page.
// Each page also goes through once under each host behaviour (HostVariants.h), in one of the
// states, which rotate over the behaviours; the page-deleting host is left to the random run,
// as the sweep makes no call the host could delete the page from.

#include "PageHarness.h"
#include "WizardPage.h"

#include <QPointer>
#include <QTest>

class TestPageLifecycle : public PageSuite
{
    Q_OBJECT
private slots:
    void lifecycle_data();
    void lifecycle();
};

void TestPageLifecycle::lifecycle_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("round");
    QTest::addColumn<HostBehaviour>("behaviour");
    for (const QString &identifier : std::as_const(m_identifiers)) {
        for (int round = 0; round < PageVariants::rounds(); ++round)
            QTest::addRow("%s/%s", qPrintable(identifier), qPrintable(variantOf(identifier, round).name()))
                << identifier << round << HostBehaviour::StandIn;
    }
    const QList<HostBehaviour> behaviours = HostBehaviours::all();
    for (int index = 1; index < behaviours.size(); ++index) {
        const HostBehaviour behaviour = behaviours.at(index);
        if (behaviour == HostBehaviour::DeletesPage)
            continue;
        for (const QString &identifier : pagesFor(behaviour)) {
            const int round = int(index + m_identifiers.indexOf(identifier)) % PageVariants::rounds();
            PageVariant variant = variantOf(identifier, round);
            variant.behaviour = behaviour;
            QTest::addRow("%s/%s", qPrintable(identifier), qPrintable(variant.name())) << identifier << round << behaviour;
        }
    }
}

void TestPageLifecycle::lifecycle()
{
    QFETCH(QString, identifier);
    QFETCH(int, round);
    QFETCH(HostBehaviour, behaviour);
    PageVariant variant = variantOf(identifier, round);
    variant.behaviour = behaviour;
    variant.hostSeed = quint64(round);
    QVERIFY(reset(variant));
    m_warnings->take();
    QPointer<WizardPage> page = showPage(identifier);
    QVERIFY(page);
    QCOMPARE(page->identifier(), identifier);
    QVERIFY(QTest::qWaitForWindowExposed(page));
    // Painted once in full, so that every picture and painter of the page is used.
    page->grab();
    page->hide();
    page->show();
    for (int language : {Text::English, Text::French, Text::German}) {
        m_session.setLanguage(language);
        QCoreApplication::processEvents();
        QVERIFY(page);
    }
    page->hide();
    // What the page switched on while shown is off once it is hidden.
    QCOMPARE(m_session.store()->cyclicUpdates(), QStringList());
    delete page.data();
    flushDeletes();
    QCOMPARE(m_session.store()->cyclicUpdates(), QStringList());
    // A host's provider need not forgive a read beyond an array as the store does.
    QCOMPARE(m_session.store()->elementOverruns(), QStringList());
    // A page opens no box by merely being shown, except to tell that it does not know the
    // drive's device type.
    const QList<eDeviceType> devices = PageVariants::deviceTypes(); // the last one is unknown
    const bool knownDevice = devices.indexOf(variant.device) < devices.size() - 1;
    QStringList unexpected;
    for (const ModalWatcher::Seen &box : m_watcher.seen()) {
        // The note may come once the page is shown, in whichever language is current then.
        const bool unknownDeviceNote = !knownDevice && box.kind == QLatin1String("critical");
        if (!box.expected && !unknownDeviceNote)
            unexpected << box.title + QLatin1String(": ") + box.text;
    }
    QVERIFY2(unexpected.isEmpty(), qPrintable(QStringLiteral("unexpected boxes: ") + unexpected.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestPageLifecycle)
#include "tst_pagelifecycle.moc"
