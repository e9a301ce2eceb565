#pragma once

#include "ParameterProvider.h"
#include "WizardPageHost.h"

#include <QEnableSharedFromThis>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QSharedPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>

class QWidget;

// What a host may do where the pages' contract leaves it open. Each behaviour wraps any
// WizardPageHost and its ParameterProvider, so the every-page tests run the pages against
// hosts that behave differently from the workbench.
enum class HostBehaviour {
    StandIn,          // forwards every call as it is
    ReportsInCalls,   // value changes of everything watched, from inside each host call and while a box is open
    ReportsReleased,  // the same, only from calls made while no panel holds the axis
    PlainCountZero,   // a parameter of one element answers elementCount() 0
    DeliversTwice,    // every value change arrives twice
    OtherLivingSpace, // hands out a living space the stand-in never uses
    RefusesStart,     // startControlPanel always answers 0
    RefusesAtRandom,  // startControlPanel answers 0 at random (seeded)
    DeletesPage,      // deletes the page on entry of a call it gets while the user acts on it
    MarksFlags,       // a text read with the flag set carries a mark (the stand-in ignores the flag)
    LocksInStart,     // the drive locks the panels (A918) as it hands the axis over, unreported until the stop
};

namespace HostBehaviours {
// The living space of the host that hands out another one: axis 5 of a host with more axes.
constexpr eLivingSpace otherLivingSpace = eLivingSpace(5);

QList<HostBehaviour> all();
QByteArray name(HostBehaviour behaviour);

// While one of these lives, the test says the user is switching a control panel on (a click on
// the switch-on button, an answer to a warning box); a page may start a panel only then, and
// only while the host sees its switch-on button clicked.
class UserSwitchesPanelOn
{
public:
    explicit UserSwitchesPanelOn(bool active = true);
    ~UserSwitchesPanelOn();
    UserSwitchesPanelOn(const UserSwitchesPanelOn &) = delete;
    UserSwitchesPanelOn &operator=(const UserSwitchesPanelOn &) = delete;

private:
    bool m_active;
};
bool userSwitchesPanelOn();
} // namespace HostBehaviours

class VariantHost;

// One parameter as the variant's provider hands it out: forwards to the wrapped provider's
// objects, with the behaviour's element count, living space and value-change delivery.
class VariantParameter : public ParameterInformation, public ParameterObject, public QEnableSharedFromThis<VariantParameter>
{
    Q_OBJECT
public:
    VariantParameter(VariantHost *host, const QSharedPointer<ParameterInformation> &information,
                     const QSharedPointer<ParameterObject> &object);

    bool wraps(const ParameterInformation *information, const ParameterObject *object) const;
    // Emits valueChanged for element 0, when anything listens and the parameter still exists.
    void report();

    bool isGlobal() const override;
    bool isNewDefinition() const override;
    unsigned short elementCount() const override;
    bool hasProperty(unsigned short element, int propertyId) const override;
    bool isInLivingSpace(eLivingSpace livingSpace) const override;
    QString displayText(eLivingSpace livingSpace, unsigned short element, bool flag) const override;
    QString rawValueText(eLivingSpace livingSpace, unsigned short element, bool flag) const override;
    QString valueText(eLivingSpace livingSpace, unsigned short element, bool flag) const override;
    bool isHidden(eLivingSpace livingSpace, unsigned short element) const override;
    bool isVisible(eLivingSpace livingSpace, unsigned short element) const override;
    unsigned short dataType(unsigned short element) const override;
    QHash<qint64, QString> selectionTexts(eLivingSpace livingSpace, unsigned short element) const override;
    void setCyclicUpdate(eLivingSpace livingSpace, unsigned short element, bool on) override;
    Text name() const override;
    ParameterCoordinate coordinate() const override;

    ParameterProperty property(unsigned short element, int propertyId) const override;
    QString defaultValueText(eLivingSpace livingSpace, unsigned short element, bool flag) const override;
    void setElementCount(unsigned short count) override;
    void setValue(eLivingSpace livingSpace, unsigned short element, const QString &text) override;
    void setValueText(eLivingSpace livingSpace, unsigned short element, const QString &text) override;
    void setElementValue(eLivingSpace livingSpace, unsigned short element, const QString &text) override;

private:
    void relay(const ParameterAddress &address);
    void write(void (ParameterObject::*operation)(eLivingSpace, unsigned short, const QString &), const char *name,
               eLivingSpace space, unsigned short element, const QString &text);
    eLivingSpace inner(eLivingSpace livingSpace) const;

    VariantHost *m_host;
    QWeakPointer<ParameterInformation> m_information;
    QWeakPointer<ParameterObject> m_object;
    const ParameterInformation *m_informationKey;
    const ParameterObject *m_objectKey;
    ParameterCoordinate m_coordinate;
};

class VariantProvider : public ParameterProvider
{
    Q_OBJECT
public:
    VariantProvider(VariantHost *host, ParameterProvider *inner);

    QWeakPointer<ParameterInformation> information(const ParameterCoordinate &coordinate) const override;
    QWeakPointer<ParameterObject> parameter(const ParameterCoordinate &coordinate) const override;
    bool isOnline() const override { return m_inner->isOnline(); }
    bool isReadOnly() const override { return m_inner->isReadOnly(); }

    // Every parameter a page watches reports a value change (its value as it is).
    void reportWatched();
    // Every coordinate looked up, sorted, so that a seed picks the same one in every run.
    QStringList coordinatesRead() const;

private:
    QSharedPointer<VariantParameter> wrap(const ParameterCoordinate &coordinate) const;

    VariantHost *m_host;
    ParameterProvider *m_inner;
    mutable QHash<ParameterCoordinate, QSharedPointer<VariantParameter>> m_parameters;
    mutable QSet<QString> m_read;
};

// The host as the behaviour has it, and the checks that hold for every host: no panel operation
// entered from inside another; the axis taken only while the user switches the panel on (from the
// release of its switch-on button until the page's click slot has returned, the answer to its
// warning included), online, with A918 = 0 and the control word present; bit 31 of the word set
// only while a panel is active and its Freigabe checked; no axis held once its page is hidden or
// gone, offline or locked; no write while read-only; no box from inside a panel operation and
// one box at a time. A breach is kept until the test takes it.
class VariantHost : public WizardPageHost
{
    Q_OBJECT
public:
    VariantHost(WizardPageHost *inner, HostBehaviour behaviour, quint64 seed, QObject *parent = nullptr);
    ~VariantHost() override;

    HostBehaviour behaviour() const { return m_behaviour; }
    // Maps the living space handed out to the wrapped host's.
    eLivingSpace innerLivingSpace(eLivingSpace livingSpace) const;

    // The page the host serves: its hiding and deletion are watched.
    void adopt(QWidget *page);
    // While set, the user (or the drive) acts on the adopted page; a page-deleting host deletes
    // it from inside the next call it gets then.
    void setUserActing(bool acting) { m_userActing = acting; }
    int pagesDeleted() const { return m_pagesDeleted; }
    // A box or dialog opened; the host reports from inside it.
    void boxOpened(QWidget *box);
    // The test is between two steps: the switch-on button shows whether the page holds a
    // handle, the host holds a panel exactly then, and bit 31 is set only with an enabled panel.
    void settled();
    // What the page really reads, so that a random run writes into it.
    QStringList coordinatesRead() const { return m_provider->coordinatesRead(); }

    void breach(const QString &what);
    QStringList takeBreaches();
    // The pages the page asked the tree about since the last take, in order.
    QStringList takePagesAsked() { return std::exchange(m_pagesAsked, {}); }
    // The writes the drive refused since the last take, in order.
    void noteRefusedWrite(const QString &write) { m_refusedWrites << write; }
    QStringList takeRefusedWrites() { return std::exchange(m_refusedWrites, {}); }
    ParameterProvider *innerProvider() const { return m_inner->parameterProvider(); }

    bool isReadOnly() const override { return m_inner->isReadOnly(); }
    bool isOnline() const override { return m_inner->isOnline(); }
    eLivingSpace livingSpace() const override;
    ParameterProvider *parameterProvider() const override { return m_provider.get(); }
    bool containsPage(const QString &identifier) const override
    {
        m_pagesAsked << identifier;
        return m_inner->containsPage(identifier);
    }
    void jumpToPage(const QString &identifier, const QString &elementName) override;
    bool isPageVisible(const QString &identifier) const override { return m_inner->isPageVisible(identifier); }
    void showPage(const QString &identifier) override;
    void hidePage(const QString &identifier) override;
    void requestParameterInput(const QString &prompt) override;
    int startControlPanel(const QString &coordinate) override;
    void stopControlPanel() override;
    void setControlPanelFlag(bool on) override;
    void setControlPanelBit(int bit, bool on) override;
    eDeviceType deviceType() const override { return m_inner->deviceType(); }
    eFieldbusType fieldbusType() const override { return m_inner->fieldbusType(); }
    void showParameterHelp(const QString &coordinate) override { m_inner->showParameterHelp(coordinate); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Entry and exit of every call that changes something; false: the page is gone, do nothing.
    bool enter(const QString &call, bool panelOperation);
    void leave(bool panelOperation);
    // The call between the two.
    void run(const QString &call, bool panelOperation, const std::function<void()> &forward);
    void checkReleased(const char *when);
    void checkEnableBit(const QString &when);
    bool axisAvailable(const QString &controlWord) const; // a drive without A918 has no lock
    // Reports the watched parameters' values when the behaviour does at this point.
    void report();
    void lockPanels(bool locked);

    WizardPageHost *m_inner;
    HostBehaviour m_behaviour;
    QRandomGenerator m_random;
    std::unique_ptr<VariantProvider> m_provider;
    QPointer<QWidget> m_page;
    QStringList m_breaches;
    QString m_panelCall; // the panel operation running, empty outside one
    bool m_userActing = false;
    int m_visibilityChanges = 0;
    int m_reporting = 0;
    int m_pagesDeleted = 0;
    bool m_panelHeld = false;
    bool m_switchingOn = false;
    bool m_locked = false; // the host locked the panels as it handed the axis over
    int m_callDepth = 0;                // host calls under way
    const char *m_releaseDue = nullptr; // the page went inside one: the axis is checked after it
    quint32 m_word = 0; // the control-panel word as the page's bits left it
    mutable QStringList m_pagesAsked;
    QStringList m_refusedWrites;
};
