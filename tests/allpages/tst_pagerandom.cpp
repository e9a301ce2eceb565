// Seeded random input on every page the plug-in creates: drive values that are out of
// range, overflow or are no number at all, vanishing parameters, element counts from 0 to
// 16380, host state switches, and clicks and typing into whatever the page offers, with
// modal boxes answered at random. A failure names the seed; the same seed plays the same
// actions again.
//
//   BREVANE_RANDOM_SEED     base seed (default 20261206); each page mixes in its identifier
//   BREVANE_RANDOM_ACTIONS  actions per page (default 150; a long run takes 10000)
//   BREVANE_RANDOM_VERBOSE  1: prints every action as it is played
//   BREVANE_RANDOM_HOST_ACTIONS  actions per page under each other host behaviour (default 60)
//
// Every page also meets each host behaviour (HostVariants.h) in a shorter run: what a
// behaviour changes shows within a few dozen value changes and clicks.

#include "PageHarness.h"
#include "RandomInput.h"
#include "WizardPage.h"

#include <QPointer>
#include <QScopeGuard>
#include <QTest>

class TestPageRandom : public PageSuite
{
    Q_OBJECT
private slots:
    void randomInput_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<HostBehaviour>("behaviour");
        for (HostBehaviour behaviour : HostBehaviours::all()) {
            const QByteArray suffix = behaviour == HostBehaviour::StandIn ? QByteArray() : " " + HostBehaviours::name(behaviour);
            for (const QString &identifier : pagesFor(behaviour))
                QTest::newRow((identifier.toLatin1() + suffix).constData()) << identifier << behaviour;
        }
    }
    void randomInput();

private:
    const quint64 m_baseSeed = environmentNumber("BREVANE_RANDOM_SEED", 20261206);
    const int m_actions = int(environmentNumber("BREVANE_RANDOM_ACTIONS", 150));
    const int m_hostActions = int(environmentNumber("BREVANE_RANDOM_HOST_ACTIONS", 60));
    const bool m_verbose = qEnvironmentVariableIntValue("BREVANE_RANDOM_VERBOSE") == 1;
};

void TestPageRandom::randomInput()
{
    QFETCH(QString, identifier);
    QFETCH(HostBehaviour, behaviour);
    const quint64 seed = m_baseSeed ^ identifierHash(identifier) ^ quint64(behaviour);
    PageVariant variant = variantOf(identifier, int(seed % quint64(PageVariants::rounds())));
    variant.behaviour = behaviour;
    variant.hostSeed = seed;
    const int actions = behaviour == HostBehaviour::StandIn ? m_actions : m_hostActions;
    // Printed first, so that a crash can be played again too.
    qInfo("%s: BREVANE_RANDOM_SEED=%llu, %d actions, starting %s", qPrintable(identifier),
          static_cast<unsigned long long>(m_baseSeed), actions, qPrintable(variant.name()));

    QVERIFY(reset(variant));
    RandomInput input(&m_session, seed);
    answerBoxesWith([&input](QWidget *modal) { input.answerModal(modal); });
    m_warnings->take();

    const auto failure = [&](int action, const QString &what) {
        return QStringLiteral("%1 after action %2 of %3 (BREVANE_RANDOM_SEED=%4 tst_pagerandom randomInput:%5)\n"
                              "last actions:\n  %6")
            .arg(what).arg(action).arg(actions).arg(m_baseSeed).arg(QString::fromLatin1(QTest::currentDataTag()), input.recent().join(QStringLiteral("\n  ")));
    };

    QPointer<WizardPage> page = showPage(identifier);
    QVERIFY(page);
    // Also when a check fails: the page must not outlive the drive and host of its run.
    const auto deletePage = qScopeGuard([&page] {
        delete page.data();
        flushDeletes();
    });
    for (int action = 1; action <= actions; ++action) {
        const QString done = input.step(page);
        if (m_verbose)
            qInfo("%d: %s", action, qPrintable(done));
        QCoreApplication::processEvents();
        const QStringList warnings = m_warnings->take();
        QVERIFY2(warnings.isEmpty(), qPrintable(failure(action, warnings.join(QLatin1Char('\n')))));
        const QString breaches = hostBreaches();
        QVERIFY2(breaches.isEmpty(), qPrintable(failure(action, breaches)));
        if (!page && behaviour == HostBehaviour::DeletesPage) // the host did it; it creates the page anew
            page = showPage(identifier);
        QVERIFY2(page, qPrintable(failure(action, QStringLiteral("the page was deleted"))));
        // A host's provider need not forgive a read beyond an array as the store does.
        const QStringList overruns = m_session.store()->elementOverruns();
        QVERIFY2(overruns.isEmpty(), qPrintable(failure(action, QStringLiteral("read or wrote beyond an array: ")
                                                                   + overruns.join(QLatin1Char(' ')))));
        if (!page->isVisible())
            page->show();
    }
    if (behaviour == HostBehaviour::DeletesPage)
        qInfo("the host deleted the page %d times", m_session.variantHost()->pagesDeleted());
    page->hide();
    QVERIFY2(m_session.store()->cyclicUpdates().isEmpty(),
             qPrintable(failure(actions, QStringLiteral("live values stay on after hiding: ")
                                               + m_session.store()->cyclicUpdates().join(QLatin1Char(' ')))));
}

QTEST_MAIN(TestPageRandom)
#include "tst_pagerandom.moc"
