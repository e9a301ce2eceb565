#include "WorkbenchHost.h"

#include "ParameterStore.h"

#include <QDynamicPropertyChangeEvent>
#include <QTimer>

namespace {

QString onOff(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

int nameRole(int language)
{
    switch (language) {
    case Text::English: return PageTreeRole::NameEnglish;
    case Text::French: return PageTreeRole::NameFrench;
    default: return PageTreeRole::NameGerman;
    }
}

// The item's name in a language, falling back to German and then to the identifier.
QString itemName(const QStandardItem *item, int language)
{
    QString name = item->data(nameRole(language)).toString();
    if (name.isEmpty())
        name = item->data(PageTreeRole::NameGerman).toString();
    if (name.isEmpty())
        name = item->data(PageTreeRole::Identifier).toString();
    return name;
}

template <typename Visit>
void visitItems(QStandardItem *parent, const Visit &visit)
{
    for (int row = 0; row < parent->rowCount(); ++row) {
        QStandardItem *item = parent->child(row);
        visit(item);
        visitItems(item, visit);
    }
}

} // namespace

WorkbenchHost::WorkbenchHost(ParameterStore *store, QObject *parent)
    : WizardPageHost(parent), m_store(store)
{
    setProperty(MotionBlockProperty, -1);
    m_store->setOnline(m_online);
    m_store->setReadOnly(m_readOnly);
}

WorkbenchHost::~WorkbenchHost() = default;

// ---- tree

void WorkbenchHost::setTree(const PageTreeDefinition &definition)
{
    m_model.clear();
    m_pages.clear();
    m_order.clear();
    m_current.clear();
    addNodes(definition.nodes(), m_model.invisibleRootItem());
    updatePresence();
    updateFolders(m_model.invisibleRootItem());
}

bool WorkbenchHost::updateFolders(QStandardItem *parent)
{
    bool anyVisible = false;
    for (int row = 0; row < parent->rowCount(); ++row) {
        QStandardItem *item = parent->child(row);
        const QString identifier = item->data(PageTreeRole::Identifier).toString();
        bool visible = false;
        if (identifier.isEmpty()) {
            visible = updateFolders(item);
            if (item->data(PageTreeRole::Hidden).isNull() || item->data(PageTreeRole::Hidden).toBool() == visible)
                item->setData(!visible, PageTreeRole::Hidden);
        } else {
            visible = isPageVisible(identifier);
        }
        anyVisible = anyVisible || visible;
    }
    return anyVisible;
}

void WorkbenchHost::addNodes(const QList<PageTreeNode> &nodes, QStandardItem *parent)
{
    for (const PageTreeNode &node : nodes) {
        auto *item = new QStandardItem;
        item->setEditable(false);
        if (node.isFolder()) {
            item->setData(QString(), PageTreeRole::Identifier);
            setItemName(item, node.name);
            parent->appendRow(item);
            addNodes(node.children, item);
            continue;
        }
        item->setData(node.identifier, PageTreeRole::Identifier);
        item->setData(node.hidden, PageTreeRole::Hidden);
        item->setData(true, PageTreeRole::Present);
        item->setData(true, PageTreeRole::Available);
        item->setToolTip(node.identifier);
        setItemName(item, node.name);
        parent->appendRow(item);
        m_pages.insert(node.identifier, PageEntry{item, node.fieldbuses});
        m_order << node.identifier;
    }
}

void WorkbenchHost::setItemName(QStandardItem *item, const Text &name)
{
    item->setData(name.text(Text::German), PageTreeRole::NameGerman);
    item->setData(name.text(Text::English), PageTreeRole::NameEnglish);
    item->setData(name.text(Text::French), PageTreeRole::NameFrench);
    item->setText(itemName(item, m_language));
}

void WorkbenchHost::setStaticPages(const QStringList &identifiers)
{
    m_staticPages = QSet<QString>(identifiers.cbegin(), identifiers.cend());
}

void WorkbenchHost::setPageName(const QString &identifier, const Text &name)
{
    const auto it = m_pages.constFind(identifier);
    if (it == m_pages.constEnd() || name.isEmpty())
        return;
    // The tree definition's own names win, so it can mend a language the plug-in leaves untranslated.
    Text merged = name;
    for (int language : {Text::German, Text::English, Text::French}) {
        const QString own = it->item->data(nameRole(language)).toString();
        if (!own.isEmpty())
            merged.setText(language, own);
    }
    setItemName(it->item, merged);
}

void WorkbenchHost::setPageAvailable(const QString &identifier, bool available)
{
    const auto it = m_pages.constFind(identifier);
    if (it == m_pages.constEnd())
        return;
    it->item->setData(available, PageTreeRole::Available);
    QFont font = it->item->font();
    font.setItalic(!available);
    it->item->setFont(font);
}

QModelIndex WorkbenchHost::indexOf(const QString &identifier) const
{
    const auto it = m_pages.constFind(identifier);
    return it == m_pages.constEnd() ? QModelIndex() : it->item->index();
}

QStringList WorkbenchHost::treePages() const
{
    return m_order;
}

QString WorkbenchHost::pageName(const QString &identifier) const
{
    const auto it = m_pages.constFind(identifier);
    return it == m_pages.constEnd() ? identifier : itemName(it->item, m_language);
}

bool WorkbenchHost::isPageHidden(const QString &identifier) const
{
    const auto it = m_pages.constFind(identifier);
    return it != m_pages.constEnd() && it->item->data(PageTreeRole::Hidden).toBool();
}

bool WorkbenchHost::selectPage(const QString &identifier)
{
    if (!isPageVisible(identifier))
        return false;
    makeCurrent(identifier, QString());
    return true;
}

QString WorkbenchHost::firstVisiblePage() const
{
    for (const QString &identifier : m_order) {
        if (isPageVisible(identifier))
            return identifier;
    }
    return QString();
}

void WorkbenchHost::setHidden(const QString &identifier, bool hidden, const char *operation)
{
    const auto it = m_pages.constFind(identifier);
    if (it == m_pages.constEnd()) {
        // Pages the host keeps outside the tree are never shown there; nothing to say.
        if (!m_staticPages.contains(identifier))
            note(QStringLiteral("%1(%2): not in the tree").arg(QLatin1String(operation), identifier));
        return;
    }
    if (it->item->data(PageTreeRole::Hidden).toBool() == hidden)
        return;
    it->item->setData(hidden, PageTreeRole::Hidden);
    updateFolders(m_model.invisibleRootItem());
    note(QStringLiteral("%1(%2)").arg(QLatin1String(operation), identifier));
    emit pageVisibilityChanged(identifier, isPageVisible(identifier));
    if (hidden && identifier == m_current)
        scheduleLeaveHiddenPage();
}

void WorkbenchHost::updatePresence()
{
    for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
        const bool present = it->fieldbuses.isEmpty() || it->fieldbuses.contains(m_fieldbusType);
        if (it->item->data(PageTreeRole::Present).toBool() == present)
            continue;
        it->item->setData(present, PageTreeRole::Present);
        updateFolders(m_model.invisibleRootItem());
        emit pageVisibilityChanged(it.key(), isPageVisible(it.key()));
        if (!present && it.key() == m_current)
            scheduleLeaveHiddenPage();
    }
}

void WorkbenchHost::makeCurrent(const QString &identifier, const QString &elementName)
{
    m_current = identifier;
    emit currentPageChanged(identifier, elementName);
}

void WorkbenchHost::scheduleLeaveHiddenPage()
{
    // Pages hide others while they react to a value change; switching the page area in the
    // middle of that would send show and hide events into the running slot.
    if (m_leaveScheduled)
        return;
    m_leaveScheduled = true;
    QTimer::singleShot(0, this, &WorkbenchHost::leaveHiddenPage);
}

void WorkbenchHost::leaveHiddenPage()
{
    m_leaveScheduled = false;
    if (m_current.isEmpty() || isPageVisible(m_current))
        return;
    const QString next = firstVisiblePage();
    note(QStringLiteral("the shown page %1 left the tree; showing %2 instead")
            .arg(m_current, next.isEmpty() ? QStringLiteral("nothing") : next));
    makeCurrent(next, QString());
}

void WorkbenchHost::setLanguage(int language)
{
    if (language < Text::German || language > Text::French)
        return;
    m_language = language;
    visitItems(m_model.invisibleRootItem(), [language](QStandardItem *item) {
        item->setText(itemName(item, language));
    });
}

// ---- drive state

void WorkbenchHost::setOnline(bool online)
{
    if (m_online == online)
        return;
    m_online = online;
    note(online ? QStringLiteral("online") : QStringLiteral("offline"));
    if (!online && m_panelHandle != 0) {
        // Without a connection the host cannot keep control of the axis.
        note(QStringLiteral("  the connection is gone: control panel of %1 ended").arg(m_panelCoordinate));
        endControlPanel();
    }
    m_store->setOnline(online);
    emit onlineChanged(online);
}

void WorkbenchHost::setReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    note(readOnly ? QStringLiteral("read-only") : QStringLiteral("editable"));
    m_store->setReadOnly(readOnly);
    emit readOnlyChanged(readOnly);
}

void WorkbenchHost::setDeviceType(eDeviceType type)
{
    if (m_deviceType == type)
        return;
    m_deviceType = type;
    note(QStringLiteral("device type %1").arg(int(type)));
    emit deviceTypeChanged(type);
}

void WorkbenchHost::setFieldbusType(eFieldbusType type)
{
    if (m_fieldbusType == type)
        return;
    m_fieldbusType = type;
    note(QStringLiteral("fieldbus type %1").arg(int(type)));
    updatePresence();
    emit fieldbusTypeChanged(type);
}

int WorkbenchHost::motionBlockNumber() const
{
    bool ok = false;
    const int number = property(MotionBlockProperty).toInt(&ok);
    return ok ? number : -1;
}

bool WorkbenchHost::event(QEvent *event)
{
    if (event->type() == QEvent::DynamicPropertyChange
        && static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName() == MotionBlockProperty) {
        const int number = motionBlockNumber();
        note(QStringLiteral("%1 = %2").arg(QLatin1String(MotionBlockProperty)).arg(number));
        emit motionBlockNumberChanged(number);
    }
    return WizardPageHost::event(event);
}

// ---- WizardPageHost

ParameterProvider *WorkbenchHost::parameterProvider() const
{
    return m_store;
}

bool WorkbenchHost::containsPage(const QString &identifier) const
{
    const auto it = m_pages.constFind(identifier);
    return it != m_pages.constEnd() && it->item->data(PageTreeRole::Present).toBool();
}

bool WorkbenchHost::isPageVisible(const QString &identifier) const
{
    return containsPage(identifier) && !isPageHidden(identifier);
}

void WorkbenchHost::jumpToPage(const QString &identifier, const QString &elementName)
{
    const QString call = elementName.isEmpty() ? QStringLiteral("jumpToPage(%1)").arg(identifier)
                                               : QStringLiteral("jumpToPage(%1, %2)").arg(identifier, elementName);
    // Pages check before they jump; the motion-block hand-over jumps without checking, so
    // the host refuses what the tree cannot show.
    if (!containsPage(identifier)) {
        note(call + QStringLiteral(": not in the tree"));
        emit statusMessage(tr("Page \"%1\" is not in the tree").arg(identifier));
        return;
    }
    if (isPageHidden(identifier)) {
        note(call + QStringLiteral(": the page is hidden"));
        emit statusMessage(tr("Page \"%1\" is hidden").arg(pageName(identifier)));
        return;
    }
    note(call);
    makeCurrent(identifier, elementName);
}

void WorkbenchHost::showPage(const QString &identifier)
{
    setHidden(identifier, false, "showPage");
}

void WorkbenchHost::hidePage(const QString &identifier)
{
    setHidden(identifier, true, "hidePage");
}

void WorkbenchHost::requestParameterInput(const QString &prompt)
{
    note(QStringLiteral("requestParameterInput(\"%1\")").arg(prompt));
    emit parameterInputRequested(prompt);
}

int WorkbenchHost::startControlPanel(const QString &coordinate)
{
    note(QStringLiteral("startControlPanel(%1)").arg(coordinate));
    if (!m_online) {
        note(QStringLiteral("  refused: the drive is offline"));
        return 0;
    }
    if (!m_store->contains(coordinate)) {
        note(QStringLiteral("  refused: the drive has no %1").arg(coordinate));
        return 0;
    }
    if (m_panelHandle != 0) {
        if (coordinate == m_panelCoordinate)
            return m_panelHandle;
        // One panel at a time: taking the axis from a panel the user is watching would be a surprise.
        note(QStringLiteral("  refused: the control panel of %1 is active").arg(m_panelCoordinate));
        return 0;
    }
    if (++m_lastPanelHandle <= 0)
        m_lastPanelHandle = 1;
    m_panelHandle = m_lastPanelHandle;
    m_panelCoordinate = coordinate;
    m_panelWord = 0;
    m_panelFlag = true;
    writePanelWord();
    note(QStringLiteral("  handle %1").arg(m_panelHandle));
    emit controlPanelChanged();
    return m_panelHandle;
}

void WorkbenchHost::stopControlPanel()
{
    note(QStringLiteral("stopControlPanel()"));
    endControlPanel();
}

void WorkbenchHost::endControlPanel()
{
    if (m_panelHandle == 0)
        return;
    m_panelWord = 0;
    writePanelWord();
    m_panelHandle = 0;
    m_panelCoordinate.clear();
    m_panelFlag = false;
    emit controlPanelChanged();
}

void WorkbenchHost::setControlPanelFlag(bool on)
{
    note(QStringLiteral("setControlPanelFlag(%1)").arg(onOff(on)));
    if (m_panelFlag == on)
        return;
    m_panelFlag = on;
    emit controlPanelChanged();
}

void WorkbenchHost::setControlPanelBit(int bit, bool on)
{
    note(QStringLiteral("setControlPanelBit(%1, %2)").arg(bit).arg(onOff(on)));
    if (bit < 0 || bit > 31) {
        note(QStringLiteral("  ignored: the word has bits 0 to 31"));
        return;
    }
    if (m_panelHandle == 0) {
        note(QStringLiteral("  ignored: no control panel is active"));
        return;
    }
    const quint32 mask = quint32(1) << bit;
    const quint32 word = on ? (m_panelWord | mask) : (m_panelWord & ~mask);
    if (word == m_panelWord)
        return;
    m_panelWord = word;
    writePanelWord();
    emit controlPanelChanged();
}

void WorkbenchHost::writePanelWord()
{
    if (m_panelCoordinate.isEmpty())
        return;
    if (!m_store->setValue(m_panelCoordinate, livingSpace(), 0, QString::number(m_panelWord)))
        note(QStringLiteral("  writing %1 refused: %2").arg(m_panelCoordinate, m_store->lastWriteError()));
}

void WorkbenchHost::note(const QString &line)
{
    emit logged(line);
}
