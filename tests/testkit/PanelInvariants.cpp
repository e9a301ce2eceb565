#include "PanelInvariants.h"

#include "ControlPanelPage.h"
#include "PageInput.h"
#include "RecordingHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>

PanelInvariants::PanelInvariants(RecordingHost &host, QObject *parent) : QObject(parent), m_host(host)
{
    // The host outlives no test; the hook stays with it and goes quiet with the checker.
    m_host.addPanelCallHook([self = QPointer<PanelInvariants>(this)](const QString &call, bool entering) {
        if (self)
            self->onPanelCall(call, entering);
    });
    qApp->installEventFilter(this);
}

PanelInvariants::~PanelInvariants()
{
    qApp->removeEventFilter(this);
}

void PanelInvariants::watch(WizardPage *page)
{
    m_page = page;
    m_panel = qobject_cast<ControlPanelPage *>(page);
    m_writes = m_host.store().writtenValues().size();
    m_readOnly = m_host.isReadOnly();
    auto *switchOn = page->findChild<QAbstractButton *>(QStringLiteral("ToolButtonSteuertafelEin"));
    if (!switchOn)
        return;
    // A click is released, then clicked; the page's own slot on clicked was connected first,
    // so the user switches on from the release until that slot has returned.
    connect(switchOn, &QAbstractButton::pressed, this, [this] { m_switchingOn = false; });
    connect(switchOn, &QAbstractButton::released, this, [this] { m_switchingOn = true; });
    connect(switchOn, &QAbstractButton::clicked, this, [this] { m_switchingOn = false; });
}

void PanelInvariants::beginStep(const QString &name)
{
    m_step = name;
    m_callsInStep = 0;
    m_writes = m_host.store().writtenValues().size();
    m_readOnly = m_host.isReadOnly();
}

void PanelInvariants::endStep()
{
    checkEnableBit(QStringLiteral("after the step"));
    const bool active = m_host.controlPanelActive();
    if (!m_page) {
        if (active)
            violation(QStringLiteral("the axis is held after the page was deleted"));
        return;
    }
    if (!m_page->isVisible() && active)
        violation(QStringLiteral("the axis is held while the page is hidden"));
    if (m_panel) {
        const int handle = m_panel->controlPanelHandle();
        const bool checked = child<QAbstractButton>(m_panel, QStringLiteral("ToolButtonSteuertafelEin"))->isChecked();
        if (checked != (handle != 0))
            violation(QStringLiteral("the switch-on button shows %1 with handle %2").arg(checked ? "on" : "off").arg(handle));
        if (active != (handle != 0))
            violation(QStringLiteral("the host %1 a panel, the page has handle %2").arg(active ? "holds" : "holds no").arg(handle));
    }
    const QList<ParameterStore::WrittenValue> written = m_host.store().writtenValues();
    if (m_readOnly && m_host.isReadOnly() && written.size() > m_writes)
        violation(QStringLiteral("wrote %1 while read-only").arg(written.at(m_writes).coordinate));
}

void PanelInvariants::checkEnableBit(const QString &when)
{
    const bool enabled = m_host.controlPanelWord() & (1u << 31);
    const bool freigabe = !m_panel || child<QAbstractButton>(m_panel, QStringLiteral("ToolButtonFreigabe"))->isChecked();
    if (enabled && (!m_host.controlPanelActive() || !freigabe))
        violation(QStringLiteral("bit 31 set without an active, enabled panel ") + when);
}

void PanelInvariants::onPanelCall(const QString &call, bool entering)
{
    if (!entering)
        return;
    // As the page left the word, unless this call clears the bit (a page cannot write from
    // inside a host call, so the bit may follow Freigabe one call late).
    if (call != QLatin1String("setControlPanelBit(31,false)"))
        checkEnableBit(QStringLiteral("before ") + call);
    if (m_host.panelCallDepth() > 1)
        violation(call + QStringLiteral(" entered from inside another control-panel call"));
    if (++m_callsInStep > maxCallsPerStep && !m_runaway) {
        m_runaway = true;
        violation(QStringLiteral("more than %1 control-panel calls: evaluation without end").arg(maxCallsPerStep));
    }
    if (!call.startsWith(QLatin1String("startControlPanel(")))
        return;
    if (!m_switchingOn)
        violation(QStringLiteral("the axis taken while the user does not switch the panel on"));
    const QString word = call.section(QLatin1Char('('), 1).chopped(1);
    if (!m_host.isOnline() || m_host.store().value(QStringLiteral("A918")) != QLatin1String("0")
        || !m_host.store().contains(word))
        violation(QStringLiteral("the axis taken although unavailable"));
}

bool PanelInvariants::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            if (m_host.panelCallDepth() > 0)
                violation(QStringLiteral("a box opened from inside a control-panel call: ") + box->text().left(40));
            const auto widgets = QApplication::topLevelWidgets();
            const auto others = std::count_if(widgets.cbegin(), widgets.cend(), [box](QWidget *widget) {
                return widget != box && widget->isVisible() && qobject_cast<QMessageBox *>(widget);
            });
            if (others > 0)
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
