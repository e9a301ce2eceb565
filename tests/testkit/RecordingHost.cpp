#include "RecordingHost.h"

#include "WizardPage.h"

RecordingHost::RecordingHost(QObject *parent) : WizardPageHost(parent)
{
    m_store.setOnline(m_online);
    setProperty("FahrsatzNummer", -1);
}

void RecordingHost::addPages(const QStringList &identifiers, bool visible)
{
    for (const QString &identifier : identifiers)
        m_pages.insert(identifier, visible);
}

void RecordingHost::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_store.setReadOnly(readOnly);
}

void RecordingHost::setOnline(bool online)
{
    m_online = online;
    m_store.setOnline(online);
}

QStringList RecordingHost::calls(const QStringList &prefixes) const
{
    QStringList selected;
    for (const QString &call : m_calls) {
        const auto starts = [&call](const QString &prefix) { return call.startsWith(prefix); };
        if (std::any_of(prefixes.cbegin(), prefixes.cend(), starts))
            selected << call;
    }
    return selected;
}

int RecordingHost::fahrsatzNummer() const
{
    bool ok = false;
    const int number = property("FahrsatzNummer").toInt(&ok);
    return ok ? number : -1;
}

void RecordingHost::attach(WizardPage *page, WizardPageHost *as)
{
    page->setPageHost(as ? as : this);
    page->initializeParameterControls();
    page->initialUpdate();
}

bool RecordingHost::containsPage(const QString &identifier) const
{
    record(QStringLiteral("containsPage(%1)").arg(identifier));
    return m_pages.contains(identifier);
}

void RecordingHost::jumpToPage(const QString &identifier, const QString &elementName)
{
    record(elementName.isNull() ? QStringLiteral("jumpToPage(%1)").arg(identifier)
                                : QStringLiteral("jumpToPage(%1,%2)").arg(identifier, elementName));
}

bool RecordingHost::isPageVisible(const QString &identifier) const
{
    record(QStringLiteral("isPageVisible(%1)").arg(identifier));
    return m_pages.value(identifier, false);
}

void RecordingHost::showPage(const QString &identifier)
{
    record(QStringLiteral("showPage(%1)").arg(identifier));
    if (m_pages.contains(identifier))
        m_pages[identifier] = true;
}

void RecordingHost::hidePage(const QString &identifier)
{
    record(QStringLiteral("hidePage(%1)").arg(identifier));
    if (m_pages.contains(identifier))
        m_pages[identifier] = false;
}

void RecordingHost::requestParameterInput(const QString &prompt)
{
    record(QStringLiteral("requestParameterInput(%1)").arg(prompt));
}

int RecordingHost::startControlPanel(const QString &coordinate)
{
    m_panelActive = m_panelHandle != 0;
    observed(QStringLiteral("startControlPanel(%1)").arg(coordinate));
    return m_panelHandle;
}

void RecordingHost::stopControlPanel()
{
    m_panelActive = false;
    if (!m_keepsWordOnStop)
        m_panelWord = 0;
    observed(QStringLiteral("stopControlPanel()"));
}

void RecordingHost::setControlPanelFlag(bool on)
{
    observed(QStringLiteral("setControlPanelFlag(%1)").arg(on ? u"true" : u"false"));
}

void RecordingHost::setControlPanelBit(int bit, bool on)
{
    if (bit >= 0 && bit < 32) {
        const quint32 mask = quint32(1) << bit;
        m_panelWord = on ? (m_panelWord | mask) : (m_panelWord & ~mask);
    }
    observed(QStringLiteral("setControlPanelBit(%1,%2)").arg(bit).arg(on ? u"true" : u"false"));
}
