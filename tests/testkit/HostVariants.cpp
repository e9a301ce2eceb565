#include "HostVariants.h"

#include "ParameterStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QMessageBox>
#include <QMetaMethod>
#include <QSignalBlocker>
#include <QWidget>

#include <algorithm>

// ---- behaviours

QList<HostBehaviour> HostBehaviours::all()
{
    return {HostBehaviour::StandIn,         HostBehaviour::ReportsInCalls,   HostBehaviour::ReportsReleased,
            HostBehaviour::PlainCountZero,  HostBehaviour::DeliversTwice,    HostBehaviour::OtherLivingSpace,
            HostBehaviour::RefusesStart,    HostBehaviour::RefusesAtRandom,  HostBehaviour::DeletesPage,
            HostBehaviour::LocksInStart};
}

QByteArray HostBehaviours::name(HostBehaviour behaviour)
{
    switch (behaviour) {
    case HostBehaviour::StandIn: return "stand-in";
    case HostBehaviour::ReportsInCalls: return "reports-in-calls";
    case HostBehaviour::ReportsReleased: return "reports-released";
    case HostBehaviour::PlainCountZero: return "plain-count-0";
    case HostBehaviour::DeliversTwice: return "delivers-twice";
    case HostBehaviour::OtherLivingSpace: return "other-living-space";
    case HostBehaviour::RefusesStart: return "refuses-start";
    case HostBehaviour::RefusesAtRandom: return "refuses-at-random";
    case HostBehaviour::DeletesPage: return "deletes-page";
    case HostBehaviour::MarksFlags: return "marks-flags";
    case HostBehaviour::LocksInStart: return "locks-in-start";
    }
    return "unknown";
}

namespace {
int g_switchingOn = 0;

QAbstractButton *button(const QWidget *page, const char *name)
{
    return page ? page->findChild<QAbstractButton *>(QLatin1String(name)) : nullptr;
}
} // namespace

HostBehaviours::UserSwitchesPanelOn::UserSwitchesPanelOn(bool active) : m_active(active)
{
    g_switchingOn += m_active ? 1 : 0;
}

HostBehaviours::UserSwitchesPanelOn::~UserSwitchesPanelOn()
{
    g_switchingOn -= m_active ? 1 : 0;
}

bool HostBehaviours::userSwitchesPanelOn()
{
    return g_switchingOn > 0;
}

// ---- parameters

VariantParameter::VariantParameter(VariantHost *host, const QSharedPointer<ParameterInformation> &information,
                                   const QSharedPointer<ParameterObject> &object)
    : m_host(host), m_information(information), m_object(object), m_informationKey(information.get()),
      m_objectKey(object.get()), m_coordinate(information ? information->coordinate() : ParameterCoordinate())
{
    if (information) {
        connect(information.get(), &ParameterInformation::valueChanged, this, &VariantParameter::relay);
        connect(information.get(), &ParameterInformation::visibilityChanged, this, &ParameterInformation::visibilityChanged);
    }
}

bool VariantParameter::wraps(const ParameterInformation *information, const ParameterObject *object) const
{
    return information == m_informationKey && object == m_objectKey && !m_information.isNull();
}

void VariantParameter::relay(const ParameterAddress &address)
{
    // A slot may look the parameter up again; this object must outlive its own signal.
    const QSharedPointer<VariantParameter> self = sharedFromThis();
    emit valueChanged(address);
    if (m_host->behaviour() == HostBehaviour::DeliversTwice)
        emit valueChanged(address);
}

void VariantParameter::report()
{
    const auto information = m_information.toStrongRef();
    if (!information || !isSignalConnected(QMetaMethod::fromSignal(&ParameterInformation::valueChanged)))
        return;
    const QSharedPointer<VariantParameter> self = sharedFromThis();
    emit valueChanged(ParameterAddress(0, m_coordinate.group(), m_coordinate.line(), 0));
}

eLivingSpace VariantParameter::inner(eLivingSpace livingSpace) const
{
    return m_host->innerLivingSpace(livingSpace);
}

#define FORWARD(pointer, fallback, call)                                                                           \
    if (const auto target = pointer.toStrongRef())                                                                 \
        return target->call;                                                                                       \
    return fallback;

#define FORWARD_TEXT(pointer, call)                                                                                \
    const auto target = pointer.toStrongRef();                                                                     \
    const QString text = target ? target->call : QString();                                                        \
    return flag && !text.isEmpty() && m_host->behaviour() == HostBehaviour::MarksFlags ? text + QStringLiteral(" [flag]") : text;

bool VariantParameter::isGlobal() const { FORWARD(m_information, false, isGlobal()) }
bool VariantParameter::isNewDefinition() const { FORWARD(m_information, false, isNewDefinition()) }

unsigned short VariantParameter::elementCount() const
{
    const auto information = m_information.toStrongRef();
    const unsigned short count = information ? information->elementCount() : 0;
    return count == 1 && m_host->behaviour() == HostBehaviour::PlainCountZero ? 0 : count;
}

bool VariantParameter::hasProperty(unsigned short element, int id) const { FORWARD(m_information, false, hasProperty(element, id)) }
bool VariantParameter::isInLivingSpace(eLivingSpace space) const { FORWARD(m_information, false, isInLivingSpace(inner(space))) }
QString VariantParameter::displayText(eLivingSpace space, unsigned short element, bool flag) const
{
    FORWARD_TEXT(m_information, displayText(inner(space), element, flag))
}
QString VariantParameter::rawValueText(eLivingSpace space, unsigned short element, bool flag) const
{
    FORWARD_TEXT(m_information, rawValueText(inner(space), element, flag))
}
QString VariantParameter::valueText(eLivingSpace space, unsigned short element, bool flag) const
{
    FORWARD_TEXT(m_information, valueText(inner(space), element, flag))
}
bool VariantParameter::isHidden(eLivingSpace space, unsigned short element) const
{
    FORWARD(m_information, false, isHidden(inner(space), element))
}
bool VariantParameter::isVisible(eLivingSpace space, unsigned short element) const
{
    FORWARD(m_information, false, isVisible(inner(space), element))
}
unsigned short VariantParameter::dataType(unsigned short element) const { FORWARD(m_information, 0, dataType(element)) }
QHash<qint64, QString> VariantParameter::selectionTexts(eLivingSpace space, unsigned short element) const
{
    FORWARD(m_information, (QHash<qint64, QString>()), selectionTexts(inner(space), element))
}
Text VariantParameter::name() const { FORWARD(m_information, Text(), name()) }
ParameterCoordinate VariantParameter::coordinate() const { return m_coordinate; }
ParameterProperty VariantParameter::property(unsigned short element, int id) const
{
    FORWARD(m_object, ParameterProperty(), property(element, id))
}
QString VariantParameter::defaultValueText(eLivingSpace space, unsigned short element, bool flag) const
{
    FORWARD_TEXT(m_object, defaultValueText(inner(space), element, flag))
}

#undef FORWARD
#undef FORWARD_TEXT

void VariantParameter::setCyclicUpdate(eLivingSpace space, unsigned short element, bool on)
{
    if (const auto information = m_information.toStrongRef())
        information->setCyclicUpdate(inner(space), element, on);
}

// A write as a page makes it: none while read-only; one the stand-in's store refused is kept for
// the journal, as another host might have taken it.
void VariantParameter::write(void (ParameterObject::*operation)(eLivingSpace, unsigned short, const QString &),
                             const char *name, eLivingSpace space, unsigned short element, const QString &text)
{
    const QString call = QStringLiteral("%1(%2.%3, \"%4\")").arg(QLatin1String(name), m_coordinate.toText()).arg(element).arg(text);
    if (m_host->isReadOnly())
        m_host->breach(call + QStringLiteral(" while the host is read-only"));
    const auto object = m_object.toStrongRef();
    if (object)
        (object.data()->*operation)(inner(space), element, text);
    const auto *store = qobject_cast<const ParameterStore *>(m_host->innerProvider());
    if (object && store && !store->lastWriteError().isEmpty())
        m_host->noteRefusedWrite(call);
}

void VariantParameter::setElementCount(unsigned short count)
{
    if (m_host->isReadOnly())
        m_host->breach(QStringLiteral("setElementCount(%1, %2) while the host is read-only").arg(m_coordinate.toText()).arg(count));
    if (const auto object = m_object.toStrongRef())
        object->setElementCount(count);
}

void VariantParameter::setValue(eLivingSpace space, unsigned short element, const QString &text)
{
    write(&ParameterObject::setValue, "setValue", space, element, text);
}

void VariantParameter::setValueText(eLivingSpace space, unsigned short element, const QString &text)
{
    write(&ParameterObject::setValueText, "setValueText", space, element, text);
}

void VariantParameter::setElementValue(eLivingSpace space, unsigned short element, const QString &text)
{
    write(&ParameterObject::setElementValue, "setElementValue", space, element, text);
}

// ---- provider

VariantProvider::VariantProvider(VariantHost *host, ParameterProvider *inner) : m_host(host), m_inner(inner)
{
    connect(inner, &ParameterProvider::onlineChanged, this, &ParameterProvider::onlineChanged);
    connect(inner, &ParameterProvider::readOnlyChanged, this, &ParameterProvider::readOnlyChanged);
}

QSharedPointer<VariantParameter> VariantProvider::wrap(const ParameterCoordinate &coordinate) const
{
    if (coordinate.isValid())
        m_read.insert(coordinate.toText());
    const auto information = m_inner->information(coordinate).toStrongRef();
    const auto object = m_inner->parameter(coordinate).toStrongRef();
    auto it = m_parameters.find(coordinate);
    if (!information) {
        // Gone from the drive: so is the handle handed out for it.
        if (it != m_parameters.end())
            m_parameters.erase(it);
        return {};
    }
    if (it != m_parameters.end() && it.value()->wraps(information.get(), object.get()))
        return it.value();
    const auto wrapped = QSharedPointer<VariantParameter>::create(m_host, information, object);
    m_parameters.insert(coordinate, wrapped);
    return wrapped;
}

QWeakPointer<ParameterInformation> VariantProvider::information(const ParameterCoordinate &coordinate) const
{
    return wrap(coordinate);
}

QWeakPointer<ParameterObject> VariantProvider::parameter(const ParameterCoordinate &coordinate) const
{
    const auto wrapped = wrap(coordinate);
    // Only when the drive hands out a read/write object too.
    if (!wrapped || m_inner->parameter(coordinate).isNull())
        return {};
    return wrapped;
}

void VariantProvider::reportWatched()
{
    // The panels' inputs first, as a host refreshing the axis state would send them.
    static const QStringList first = {QStringLiteral("E48"), QStringLiteral("E49"), QStringLiteral("E81"),
                                      QStringLiteral("E82"), QStringLiteral("A900"), QStringLiteral("A918")};
    QList<QSharedPointer<VariantParameter>> order;
    for (const QString &coordinate : first) {
        if (const auto wrapped = m_parameters.value(ParameterCoordinate(coordinate)))
            order << wrapped;
    }
    for (const auto &wrapped : std::as_const(m_parameters)) {
        if (!order.contains(wrapped))
            order << wrapped;
    }
    for (const auto &wrapped : std::as_const(order))
        wrapped->report();
}

QStringList VariantProvider::coordinatesRead() const
{
    QStringList list(m_read.cbegin(), m_read.cend());
    list.sort();
    return list;
}

// ---- host

VariantHost::VariantHost(WizardPageHost *inner, HostBehaviour behaviour, quint64 seed, QObject *parent)
    : WizardPageHost(parent), m_inner(inner), m_behaviour(behaviour), m_random(seed),
      m_provider(std::make_unique<VariantProvider>(this, inner->parameterProvider()))
{
    // The motion-block hand-over property lives on the host the pages see and on the wrapped one.
    for (const QByteArray &name : inner->dynamicPropertyNames())
        setProperty(name.constData(), inner->property(name.constData()));
    // The wrapped host's properties, the page's visibility and every box that opens.
    qApp->installEventFilter(this);
}

VariantHost::~VariantHost()
{
    qApp->removeEventFilter(this);
}

eLivingSpace VariantHost::livingSpace() const
{
    return m_behaviour == HostBehaviour::OtherLivingSpace ? HostBehaviours::otherLivingSpace : m_inner->livingSpace();
}

eLivingSpace VariantHost::innerLivingSpace(eLivingSpace livingSpace) const
{
    return m_behaviour == HostBehaviour::OtherLivingSpace && livingSpace == HostBehaviours::otherLivingSpace ? m_inner->livingSpace()
                                                                                           : livingSpace;
}

void VariantHost::adopt(QWidget *page)
{
    m_page = page;
    connect(page, &QObject::destroyed, this, [this] { checkReleased("deleted"); });
    QAbstractButton *switchOn = button(page, "ToolButtonSteuertafelEin");
    if (!switchOn)
        return;
    // A click is released, then clicked; the page's own slot on clicked was connected first,
    // so the user switches on from the release until that slot has returned.
    connect(switchOn, &QAbstractButton::pressed, this, [this] { m_switchingOn = false; });
    connect(switchOn, &QAbstractButton::released, this, [this] { m_switchingOn = true; });
    connect(switchOn, &QAbstractButton::clicked, this, [this] { m_switchingOn = false; });
}

void VariantHost::settled()
{
    if (m_releaseDue)
        checkReleased(m_releaseDue);
    checkEnableBit(QStringLiteral("after the step"));
    const QVariant handle = m_page ? m_page->property("controlPanelHandle") : QVariant();
    const QAbstractButton *switchOn = button(m_page, "ToolButtonSteuertafelEin");
    if (!switchOn || !handle.isValid())
        return;
    const bool holds = handle.toInt() != 0;
    if (switchOn->isChecked() != holds)
        breach(QStringLiteral("the switch-on button shows %1 with handle %2").arg(switchOn->isChecked() ? "on" : "off").arg(handle.toInt()));
    if (m_panelHeld != holds)
        breach(QStringLiteral("the host %1 a panel, the page has handle %2").arg(m_panelHeld ? "holds" : "holds no").arg(handle.toInt()));
    // A control word removed goes unreported: a page sees it at the next change it watches.
    if (m_panelHeld && !axisAvailable(QString()))
        breach(QStringLiteral("the axis is still taken while offline or locked (A918)"));
}

void VariantHost::checkEnableBit(const QString &when)
{
    const QAbstractButton *freigabe = button(m_page, "ToolButtonFreigabe");
    if ((m_word & (1u << 31)) && (!m_panelHeld || (freigabe && !freigabe->isChecked())))
        breach(QStringLiteral("bit 31 set without an active, enabled panel ") + when);
}

bool VariantHost::axisAvailable(const QString &controlWord) const
{
    const auto locked = m_provider->information(ParameterCoordinate(QStringLiteral("A918"))).toStrongRef();
    return isOnline() && (!locked || locked->valueText(livingSpace(), 0, false) == QLatin1String("0"))
        && (controlWord.isEmpty() || !m_provider->information(ParameterCoordinate(controlWord)).isNull());
}

bool VariantHost::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_inner && event->type() == QEvent::DynamicPropertyChange) {
        const QByteArray name = static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName();
        if (property(name.constData()) != m_inner->property(name.constData()))
            setProperty(name.constData(), m_inner->property(name.constData()));
    }
    if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched)) {
        const auto *box = static_cast<QMessageBox *>(watched);
        if (!m_panelCall.isEmpty())
            breach(QStringLiteral("a box opened from inside %1: %2").arg(m_panelCall, box->text().left(40)));
        const auto widgets = QApplication::topLevelWidgets();
        const auto open = std::find_if(widgets.cbegin(), widgets.cend(), [box](const QWidget *widget) {
            return widget != box && widget->isVisible() && qobject_cast<const QMessageBox *>(widget);
        });
        if (open != widgets.cend())
            breach(QStringLiteral("a second box (\"%1\") opened while one is open (\"%2\")")
                       .arg(box->windowTitle(), (*open)->windowTitle()));
    }
    if (watched == m_page && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        // A widget cannot be deleted inside its own show or hide: the page is delivered the event
        // here, so that the host knows when it is inside one.
        ++m_visibilityChanges;
        const QPointer<QObject> page(watched);
        static_cast<QObject *>(watched)->event(event);
        --m_visibilityChanges;
        if (page && event->type() == QEvent::Hide)
            checkReleased("hidden");
        return true;
    }
    return WizardPageHost::eventFilter(watched, event);
}

bool VariantHost::event(QEvent *event)
{
    if (event->type() == QEvent::DynamicPropertyChange) {
        const QByteArray name = static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName();
        if (m_inner->property(name.constData()) != property(name.constData()))
            m_inner->setProperty(name.constData(), property(name.constData()));
    }
    return WizardPageHost::event(event);
}

void VariantHost::checkReleased(const char *when)
{
    // Gone from inside a host call, a page can hand the axis back only once the call returned:
    // checked before the next start and between steps.
    if (m_callDepth > 0) {
        m_releaseDue = when;
        return;
    }
    m_releaseDue = nullptr;
    if (m_panelHeld)
        breach(QStringLiteral("the axis is still taken (started, not stopped) after the page was %1").arg(QLatin1String(when)));
}

void VariantHost::breach(const QString &what)
{
    const QString line = QStringLiteral("host %1: %2").arg(QLatin1String(HostBehaviours::name(m_behaviour)), what);
    if (!m_breaches.contains(line))
        m_breaches << line;
}

QStringList VariantHost::takeBreaches()
{
    if (m_releaseDue)
        checkReleased(m_releaseDue);
    return std::exchange(m_breaches, {});
}

void VariantHost::boxOpened(QWidget *)
{
    report();
}

void VariantHost::report()
{
    const bool reports = m_behaviour == HostBehaviour::ReportsInCalls
        || (m_behaviour == HostBehaviour::ReportsReleased && !m_panelHeld);
    // Not again from the calls the pages make while they take a report in.
    if (!reports || m_reporting > 0)
        return;
    ++m_reporting;
    m_provider->reportWatched();
    --m_reporting;
}

bool VariantHost::enter(const QString &call, bool panelOperation)
{
    if (m_behaviour == HostBehaviour::DeletesPage && m_userActing && m_visibilityChanges == 0 && m_page
        && m_page->isVisible()) {
        // The host ignores what a page it deleted asked of it; what the page's destructor asks
        // it still does.
        ++m_pagesDeleted;
        delete m_page.data();
        return false;
    }
    if (panelOperation) {
        // As the page left the word, unless this call clears the bit (a page cannot write from
        // inside a host call, so the bit may follow Freigabe one call late).
        if (call != QLatin1String("setControlPanelBit(31, false)"))
            checkEnableBit(QStringLiteral("before ") + call);
        if (!m_panelCall.isEmpty())
            breach(QStringLiteral("%1 entered from inside %2").arg(call, m_panelCall));
        m_panelCall = call;
    }
    ++m_callDepth;
    return true;
}

void VariantHost::leave(bool panelOperation)
{
    // Still inside the call: a page that answers a value change with another panel operation
    // enters it from inside this one.
    report();
    --m_callDepth;
    if (panelOperation)
        m_panelCall.clear();
}

void VariantHost::run(const QString &call, bool panelOperation, const std::function<void()> &forward)
{
    if (!enter(call, panelOperation))
        return;
    forward();
    leave(panelOperation);
}

void VariantHost::jumpToPage(const QString &identifier, const QString &elementName)
{
    run(QStringLiteral("jumpToPage(%1)").arg(identifier), false, [&] { m_inner->jumpToPage(identifier, elementName); });
}

void VariantHost::showPage(const QString &identifier)
{
    run(QStringLiteral("showPage(%1)").arg(identifier), false, [&] { m_inner->showPage(identifier); });
}

void VariantHost::hidePage(const QString &identifier)
{
    run(QStringLiteral("hidePage(%1)").arg(identifier), false, [&] { m_inner->hidePage(identifier); });
}

void VariantHost::requestParameterInput(const QString &prompt)
{
    run(QStringLiteral("requestParameterInput(%1)").arg(prompt), false, [&] { m_inner->requestParameterInput(prompt); });
}

int VariantHost::startControlPanel(const QString &coordinate)
{
    const QString call = QStringLiteral("startControlPanel(%1)").arg(coordinate);
    if (m_releaseDue)
        checkReleased(m_releaseDue);
    if (!m_switchingOn || !HostBehaviours::userSwitchesPanelOn())
        breach(call + QStringLiteral(" while the user switches no panel on"));
    else if (!axisAvailable(coordinate))
        breach(call + QStringLiteral(" although the axis is unavailable (offline, A918 or no control word)"));
    if (!enter(call, true))
        return 0;
    int handle = 0;
    const bool refused = m_behaviour == HostBehaviour::RefusesStart
        || (m_behaviour == HostBehaviour::RefusesAtRandom && m_random.bounded(2) == 0);
    if (!refused)
        handle = m_inner->startControlPanel(coordinate);
    m_panelHeld = m_panelHeld || handle != 0;
    if (handle != 0 && m_behaviour == HostBehaviour::LocksInStart)
        lockPanels(true);
    leave(true);
    return handle;
}

// The lock comes unreported, as from a drive the host refreshes later; its end is reported.
void VariantHost::lockPanels(bool locked)
{
    const ParameterCoordinate coordinate(QStringLiteral("A918"));
    const QSignalBlocker unreported(locked ? innerProvider()->information(coordinate).toStrongRef().get() : nullptr);
    if (const auto lock = innerProvider()->parameter(coordinate).toStrongRef())
        lock->setValue(m_inner->livingSpace(), 0, QLatin1String(locked ? "1" : "0"));
    m_locked = locked;
}

void VariantHost::stopControlPanel()
{
    run(QStringLiteral("stopControlPanel()"), true, [this] {
        m_inner->stopControlPanel();
        if (m_locked)
            lockPanels(false);
        m_panelHeld = false;
        m_word = 0; // a host may keep it; the page's bits count again once it starts
    });
}

void VariantHost::setControlPanelFlag(bool on)
{
    run(QStringLiteral("setControlPanelFlag(%1)").arg(on ? "true" : "false"), true,
        [this, on] { m_inner->setControlPanelFlag(on); });
}

void VariantHost::setControlPanelBit(int bit, bool on)
{
    run(QStringLiteral("setControlPanelBit(%1, %2)").arg(bit).arg(on ? "true" : "false"), true,
        [this, bit, on] {
            m_inner->setControlPanelBit(bit, on);
            if (bit >= 0 && bit < 32)
                m_word = on ? m_word | (1u << bit) : m_word & ~(1u << bit);
        });
}
