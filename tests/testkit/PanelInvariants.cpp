#include "PanelInvariants.h"

#include "ParameterStore.h"
#include "WizardPageHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>

#include <algorithm>

namespace {

QAbstractButton *button(const QWidget *page, const char *name)
{
    return page ? page->findChild<QAbstractButton *>(QLatin1String(name)) : nullptr;
}

} // namespace

PanelInvariants::PanelInvariants(WizardPageHost &host, HostPanel panel, QObject *parent)
    : QObject(parent), m_host(host), m_panel(std::move(panel))
{
    qApp->installEventFilter(this);
}

PanelInvariants::~PanelInvariants()
{
    qApp->removeEventFilter(this);
}

void PanelInvariants::watch(QWidget *page)
{
    m_page = page;
    m_writes = writes();
    m_readOnly = m_host.isReadOnly();
    QAbstractButton *switchOn = button(page, "ToolButtonSteuertafelEin");
    if (!switchOn)
        return;
    // A click is released, then clicked; the page's own slot on clicked was connected first,
    // so the user switches on from the release until that slot has returned.
    connect(switchOn, &QAbstractButton::pressed, this, [this] { m_switchingOn = false; });
    connect(switchOn, &QAbstractButton::released, this, [this] { m_switchingOn = true; });
    connect(switchOn, &QAbstractButton::clicked, this, [this] { m_switchingOn = false; });
}

QString PanelInvariants::value(const QString &coordinate) const
{
    auto *store = qobject_cast<ParameterStore *>(m_host.parameterProvider());
    return store && store->contains(coordinate) ? store->value(coordinate) : QString();
}

qsizetype PanelInvariants::writes() const
{
    auto *store = qobject_cast<ParameterStore *>(m_host.parameterProvider());
    return store ? store->writtenValues().size() : 0;
}

void PanelInvariants::beginStep(const QString &name)
{
    m_step = name;
    m_callsInStep = 0;
    m_writes = writes();
    m_readOnly = m_host.isReadOnly();
}

void PanelInvariants::endStep()
{
    checkEnableBit(QStringLiteral("after the step"));
    const bool active = m_panel.active();
    if (!m_page) {
        if (active)
            violation(QStringLiteral("the axis is held after the page was deleted"));
        return;
    }
    if (!m_page->isVisible() && active)
        violation(QStringLiteral("the axis is held while the page is hidden"));
    const QVariant handle = m_page->property("controlPanelHandle");
    if (QAbstractButton *switchOn = button(m_page, "ToolButtonSteuertafelEin"); switchOn && handle.isValid()) {
        const bool holds = handle.toInt() != 0;
        if (switchOn->isChecked() != holds)
            violation(QStringLiteral("the switch-on button shows %1 with handle %2")
                          .arg(switchOn->isChecked() ? "on" : "off").arg(handle.toInt()));
        if (active != holds)
            violation(QStringLiteral("the host %1 a panel, the page has handle %2")
                          .arg(active ? "holds" : "holds no").arg(handle.toInt()));
    }
    if (m_readOnly && m_host.isReadOnly() && writes() > m_writes)
        violation(QStringLiteral("wrote while read-only"));
}

void PanelInvariants::checkEnableBit(const QString &when)
{
    const QAbstractButton *freigabe = button(m_page, "ToolButtonFreigabe");
    if ((m_panel.word() & (1u << 31)) && (!m_panel.active() || (freigabe && !freigabe->isChecked())))
        violation(QStringLiteral("bit 31 set without an active, enabled panel ") + when);
}

void PanelInvariants::callEntered(const QString &call)
{
    if (++m_depth > 1)
        violation(call + QStringLiteral(" entered from inside another control-panel call"));
    if (++m_callsInStep > maxCallsPerStep && !m_runaway) {
        m_runaway = true;
        violation(QStringLiteral("more than %1 control-panel calls: evaluation without end").arg(maxCallsPerStep));
    }
    // As the page left the word, unless this call clears the bit (a page cannot write from
    // inside a host call, so the bit may follow Freigabe one call late).
    if (call != QLatin1String("setControlPanelBit(31,false)"))
        checkEnableBit(QStringLiteral("before ") + call);
    if (!call.startsWith(QLatin1String("startControlPanel(")))
        return;
    if (!m_switchingOn)
        violation(QStringLiteral("the axis taken while the user does not switch the panel on"));
    const QString word = call.section(QLatin1Char('('), 1).chopped(1);
    if (!m_host.isOnline() || value(QStringLiteral("A918")) != QLatin1String("0") || value(word).isNull())
        violation(QStringLiteral("the axis taken although unavailable"));
}

void PanelInvariants::callLeft(const QString &)
{
    --m_depth;
}

bool PanelInvariants::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            if (m_depth > 0)
                violation(QStringLiteral("a box opened from inside a control-panel call: ") + box->text().left(40));
            const auto widgets = QApplication::topLevelWidgets();
            const bool another = std::any_of(widgets.cbegin(), widgets.cend(), [box](QWidget *widget) {
                return widget != box && widget->isVisible() && qobject_cast<QMessageBox *>(widget);
            });
            if (another)
                violation(QStringLiteral("a second box opened while one is open"));
        }
    }
    return QObject::eventFilter(watched, event);
}

void PanelInvariants::violation(const QString &what)
{
    // Once each: a recursing page repeats itself.
    const QString text = m_step + QStringLiteral(": ") + what;
    if (!m_violations.contains(text))
        m_violations << text;
}
