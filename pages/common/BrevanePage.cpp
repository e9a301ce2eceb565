#include "BrevanePage.h"

#include "ActionWidget.h"
#include "KeyboardAccess.h"
#include "LedWidget.h"
#include "PageRegistry.h"
#include "ParameterControl.h"
#include "SvgWidget.h"
#include "WizardGlobal.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTextDocumentFragment>

#include <algorithm>
#include <optional>

namespace {

// Texts of the jump procedure, shared by every page.
const char *const sharedContext = "BrevanePage";
const char *const hiddenText = QT_TRANSLATE_NOOP("BrevanePage", "Assistentenseite ist aktuell ausgeblendet.");
const char *const hiddenNoInputsText = QT_TRANSLATE_NOOP(
    "BrevanePage", "Assistentenseite ist aktuell ausgeblendet.<br>Möglicherweise sind keine Analogeingänge projektiert.");
const char *const missingTitle = QT_TRANSLATE_NOOP("BrevanePage", "Seite nicht eingebunden.");
const char *const missingText = QT_TRANSLATE_NOOP("BrevanePage", "Assistentenseite fehlt in der Baum-Definition.");

const char *const motionBlockProperty = "FahrsatzNummer";
const QString linkFrameHoverStyle = QStringLiteral("QFrame:hover {background-color: rgba(255,255,0, 30%)}");

// A wheel over a choice or spin box without focus belongs to the page's scroll area: a
// notch while scrolling must not change a drive parameter. Ignored and consumed here, the
// event goes on to the box's parents.
class WheelGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && !widget->hasFocus()) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// Qt polishes a widget and its children again for every style sheet set, the same one too;
// pages set a link frame's look on every update.
void setStyleSheetIfChanged(QWidget *widget, const QString &styleSheet)
{
    if (widget->styleSheet() != styleSheet)
        widget->setStyleSheet(styleSheet);
}

// The accessible name this core gave a control, to tell it from one a form gave.
const char *const givenNameProperty = "brevaneGivenAccessibleName";

QString plainText(const QString &text)
{
    return (Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text).simplified();
}

bool needsName(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return QString(button->text()).remove(QLatin1Char('&')).trimmed().isEmpty();
    const QWidget *parent = widget->parentWidget();
    // The line edit inside a box belongs to the box.
    if (qobject_cast<const QComboBox *>(parent) || qobject_cast<const QAbstractSpinBox *>(parent))
        return false;
    return qobject_cast<const ActionWidget *>(widget) || qobject_cast<const LedWidget *>(widget)
        || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget);
}

// The layout that holds the widget itself, below the given one.
const QLayout *holder(const QLayout *layout, const QWidget *widget)
{
    for (int index = 0; layout && index < layout->count(); ++index) {
        QLayoutItem *item = layout->itemAt(index);
        if (item->widget() == widget)
            return layout;
        if (const QLayout *found = holder(item->layout(), widget))
            return found;
    }
    return nullptr;
}

// The page's labels for one naming pass. Which parameter a label shows is a property looked up
// by name, too slow to ask of every label for every control: read once, when a control asks.
struct PageLabels
{
    struct Shown
    {
        QLabel *label;
        QString coordinate;
        QVariant index;
    };
    QList<QLabel *> all;
    std::optional<QList<Shown>> parameters;
    // A label's plain text: rich text is parsed once per pass, not once per control beside it.
    QHash<const QLabel *, QString> plainTexts;

    const QString &plainTextOf(const QLabel *label)
    {
        auto found = plainTexts.constFind(label);
        if (found == plainTexts.constEnd())
            found = plainTexts.insert(label, plainText(label->text()));
        return found.value();
    }

    QString joinedTexts(const QList<QLabel *> &labels)
    {
        QStringList texts;
        for (const QLabel *label : labels) {
            const QString &text = plainTextOf(label);
            if (!text.isEmpty())
                texts << text;
        }
        return texts.join(QLatin1Char(' '));
    }

    const QList<Shown> &showingParameters()
    {
        if (!parameters) {
            parameters.emplace();
            for (QLabel *label : std::as_const(all)) {
                QString coordinate = label->property("coordinate").toString();
                if (!coordinate.isEmpty())
                    parameters->append({label, std::move(coordinate), label->property("index")});
            }
        }
        return *parameters;
    }
};

// The caption of a control, looked for where forms put it: the labels it is made of.
QList<QLabel *> caption(const QWidget *control, PageLabels &pageLabels)
{
    const QList<QLabel *> &labels = pageLabels.all;
    // A parameter's field: the label of the same parameter (and element), nearest first.
    const QString coordinate = control->property("coordinate").toString();
    if (!coordinate.isEmpty()) {
        QLabel *found = nullptr;
        const QVariant index = control->property("index");
        for (const PageLabels::Shown &shown : pageLabels.showingParameters()) {
            if (shown.coordinate == coordinate && shown.index == index
                && (!found || shown.label->parentWidget() == control->parentWidget()))
                found = shown.label;
        }
        if (found)
            return {found};
    }
    const QWidget *parent = control->parentWidget();
    QList<QLabel *> siblings;
    for (QLabel *label : labels) {
        if (label->parentWidget() == parent && !label->isHidden())
            siblings << label;
    }
    const QLayout *layout = holder(parent ? parent->layout() : nullptr, control);
    QList<QLabel *> beside;
    if (!layout) {
        // A clickable area laid over a diagram: the captions it covers.
        for (QLabel *label : siblings) {
            if (label->geometry().intersects(control->geometry()))
                beside << label;
        }
    } else if (auto *grid = qobject_cast<const QGridLayout *>(layout)) {
        // A row of a grid: the labels in it.
        // One walk over the grid, not a search of it for every label.
        int row = 0, labelRow = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(control), &row, &column, &rows, &columns);
        QList<const QWidget *> inRow;
        for (int index = 0; index < grid->count(); ++index) {
            grid->getItemPosition(index, &labelRow, &column, &rows, &columns);
            if (labelRow == row)
                inRow << grid->itemAt(index)->widget();
        }
        for (QLabel *label : siblings) {
            if (inRow.contains(label))
                beside << label;
        }
    } else if (auto *box = qobject_cast<const QBoxLayout *>(layout)) {
        // A row: the labels in it; a column: the label above.
        const bool row = box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft;
        const int at = box->indexOf(control);
        for (int index = row ? 0 : at - 1; index >= 0 && index < (row ? box->count() : at); ++index) {
            auto *label = qobject_cast<QLabel *>(box->itemAt(index)->widget());
            if (label && siblings.contains(label))
                beside << label;
        }
    }
    if (!beside.isEmpty())
        return beside;
    // A frame of its own with the control and one label.
    if (siblings.size() == 1) {
        const QList<QWidget *> children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        const auto isControl = [](const QWidget *child) { return needsName(child) || qobject_cast<const QAbstractButton *>(child); };
        if (std::count_if(children.cbegin(), children.cend(), isControl) == 1)
            return siblings;
    }
    return {};
}

} // namespace

BrevanePage::BrevanePage(QWidget *parent)
    : WizardPage(parent), m_wheelGuard(new WheelGuard(this)), m_keyboardAccess(new KeyboardAccess(this))
{
}

BrevanePage::~BrevanePage()
{
    switchOffLiveValues();
}

Text BrevanePage::name() const
{
    return PageRegistry::pageName(identifier());
}

QString BrevanePage::ownedText(const QString &text)
{
    QString copy(text);
    // A literal has no heap block of its own: detaching makes one. Text that has one is shared.
    if (!copy.isNull() && !copy.data_ptr().isMutable())
        copy.detach();
    return copy;
}

void BrevanePage::bindControl(ParameterControl *control, ParameterProvider *provider, eLivingSpace livingSpace,
                              unsigned int index, const QString &coordinate)
{
    if (!control)
        return;
    if (!coordinate.isNull()) {
        // A bound control reads again as soon as its coordinate changes, still with the element
        // it showed before, which may lie beyond the end of the new parameter.
        control->setIndex(0);
        control->setCoordinate(ownedText(coordinate));
    }
    control->setIndex(index);
    if (provider)
        control->initialize(provider, livingSpace);
}

void BrevanePage::bindControl(ParameterControl *control, unsigned int index, const QString &coordinate) const
{
    bindControl(control, provider(), livingSpace(), index, coordinate);
}

QStringList BrevanePage::liveValuesOn() const
{
    QStringList list;
    for (const SwitchedOn &value : m_switchedOn)
        list << QStringLiteral("%1@%2.%3").arg(value.coordinate).arg(int(value.livingSpace)).arg(value.element);
    return list;
}

ParameterProvider *BrevanePage::provider() const
{
    WizardPageHost *host = pageHost();
    return host ? host->parameterProvider() : nullptr;
}

QSharedPointer<ParameterInformation> BrevanePage::parameterInformation(const QString &coordinate) const
{
    ParameterProvider *parameters = provider();
    return parameters ? parameters->information(ParameterCoordinate(ownedText(coordinate))).toStrongRef() : nullptr;
}

QSharedPointer<ParameterObject> BrevanePage::parameterObject(const QString &coordinate) const
{
    ParameterProvider *parameters = provider();
    return parameters ? parameters->parameter(ParameterCoordinate(ownedText(coordinate))).toStrongRef() : nullptr;
}

// A host's provider need not forgive an element beyond the array, so none is asked for.
QString BrevanePage::readText(const QString &coordinate, unsigned short element) const
{
    const auto parameter = parameterObject(coordinate);
    if (!parameter || !holdsElement(parameter->elementCount(), element))
        return QString();
    return parameter->valueText(livingSpace(), element, false);
}

QString BrevanePage::readDisplayText(const QString &coordinate, unsigned short element) const
{
    const auto information = parameterInformation(coordinate);
    if (!information || !holdsElement(information->elementCount(), element))
        return QString();
    return information->displayText(livingSpace(), element, false);
}

QString BrevanePage::readRawText(const QString &coordinate, unsigned short element) const
{
    const auto information = parameterInformation(coordinate);
    if (!information || !holdsElement(information->elementCount(), element))
        return QString();
    return information->rawValueText(livingSpace(), element, false);
}

qint64 BrevanePage::readInt(const QString &coordinate, unsigned short element) const
{
    // Unsigned 32-bit words (status words with bit 31) need more than an int.
    return readText(coordinate, element).toLongLong(nullptr, 10);
}

bool BrevanePage::writeText(const QString &coordinate, unsigned short element, const QString &text) const
{
    if (isReadOnly())
        return false;
    const auto parameter = parameterObject(coordinate);
    if (!parameter || !holdsElement(parameter->elementCount(), element))
        return false;
    parameter->setValueText(livingSpace(), element, text);
    return true;
}

bool BrevanePage::writeInt(const QString &coordinate, unsigned short element, qint64 value) const
{
    return writeText(coordinate, element, QString::number(value));
}

int BrevanePage::elementCount(const QString &coordinate) const
{
    const auto information = parameterInformation(coordinate);
    return information ? information->elementCount() : 0;
}

bool BrevanePage::hasParameter(const QString &coordinate) const
{
    return !parameterInformation(coordinate).isNull();
}

bool BrevanePage::hasElement(const QString &coordinate, unsigned short element) const
{
    const auto information = parameterInformation(coordinate);
    return information && holdsElement(information->elementCount(), element);
}

bool BrevanePage::observe(const QString &coordinate, const char *slot)
{
    followHost();
    const auto information = parameterInformation(coordinate);
    if (!information)
        return false;
    connect(information.data(), SIGNAL(valueChanged(ParameterAddress)), this, slot, Qt::UniqueConnection);
    return true;
}

eLivingSpace BrevanePage::livingSpace() const
{
    return pageHost() ? pageHost()->livingSpace() : eLivingSpace{};
}

bool BrevanePage::isReadOnly() const
{
    return pageHost() && pageHost()->isReadOnly();
}

bool BrevanePage::isOnline() const
{
    return pageHost() && pageHost()->isOnline();
}

int BrevanePage::deviceType() const
{
    return WizardGlobal().getDeviceType(pageHost());
}

int BrevanePage::fieldbusType() const
{
    return WizardGlobal().getFieldbusType(pageHost());
}

bool BrevanePage::pageInTree(const QString &identifier) const
{
    WizardPageHost *host = pageHost();
    return host && host->containsPage(ownedText(identifier));
}

bool BrevanePage::pageVisibleInTree(const QString &identifier) const
{
    WizardPageHost *host = pageHost();
    return host && host->isPageVisible(ownedText(identifier));
}

void BrevanePage::showInTree(const QString &identifier) const
{
    if (WizardPageHost *host = pageHost())
        host->showPage(ownedText(identifier));
}

void BrevanePage::hideInTree(const QString &identifier) const
{
    if (WizardPageHost *host = pageHost())
        host->hidePage(ownedText(identifier));
}

void BrevanePage::requestParameterInput(const QString &prompt) const
{
    if (WizardPageHost *host = pageHost())
        host->requestParameterInput(ownedText(prompt));
}

void BrevanePage::followHost()
{
    ParameterProvider *parameters = provider();
    if (!parameters)
        return;
    connect(parameters, &ParameterProvider::readOnlyChanged, this, &BrevanePage::onHostReadOnlyChanged,
            Qt::UniqueConnection);
    connect(parameters, &ParameterProvider::onlineChanged, this, &BrevanePage::onHostOnlineChanged,
            Qt::UniqueConnection);
}

void BrevanePage::enableUnlessReadOnly(const QList<QWidget *> &widgets)
{
    const bool enabled = !isReadOnly();
    for (QWidget *widget : widgets) {
        if (!widget)
            continue;
        widget->setEnabled(enabled);
        if (!m_readOnlyFollowers.contains(widget))
            m_readOnlyFollowers.append(widget);
    }
}

void BrevanePage::updateReadOnly()
{
    const bool enabled = !isReadOnly();
    for (const QPointer<QWidget> &widget : std::as_const(m_readOnlyFollowers)) {
        if (widget)
            widget->setEnabled(enabled);
    }
}

void BrevanePage::onHostReadOnlyChanged()
{
    // A hidden page evaluates its controls when it is shown again.
    if (isVisible())
        updateReadOnly();
    updateConnectionDependent();
}

void BrevanePage::onHostOnlineChanged()
{
    updateConnectionDependent();
}

std::optional<int> BrevanePage::runDialog(QDialog *dialog)
{
    const QPointer<BrevanePage> page(this);
    const QPointer<QDialog> guarded(dialog);
    const int result = dialog->exec();
    if (!page)
        return std::nullopt;
    delete guarded.data();
    return result;
}

std::optional<QMessageBox::StandardButton> BrevanePage::showMessage(
    QMessageBox::Icon icon, const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton, Qt::TextFormat format)
{
    auto *box = new QMessageBox(icon, title, text, buttons, this);
    box->setTextFormat(format);
    if (defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(defaultButton);
    const auto result = runDialog(box);
    if (!result)
        return std::nullopt;
    return QMessageBox::StandardButton(*result);
}

void BrevanePage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        if (m_retranslateForm)
            m_retranslateForm();
        retranslatePage();
        // The captions retranslate on their own, in any order with the page.
        if (isVisible())
            QMetaObject::invokeMethod(this, [this] { nameControls(findChildren<QWidget *>()); }, Qt::QueuedConnection);
    }
    WizardPage::changeEvent(event);
}

void BrevanePage::guardWheel(const QList<QWidget *> &widgets)
{
    for (QWidget *widget : widgets) {
        if (!qobject_cast<QComboBox *>(widget) && !qobject_cast<QAbstractSpinBox *>(widget))
            continue;
        if (widget->focusPolicy() == Qt::WheelFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
        widget->installEventFilter(m_wheelGuard);
    }
}

void BrevanePage::nameControls(const QList<QWidget *> &widgets)
{
    PageLabels labels;
    for (QWidget *widget : widgets) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            labels.all << label;
    }
    for (QWidget *widget : widgets) {
        if (!needsName(widget))
            continue;
        const QString current = widget->accessibleName();
        if (!current.isEmpty() && current != widget->property(givenNameProperty).toString())
            continue;
        const QList<QLabel *> captions = caption(widget, labels);
        QString name = labels.joinedTexts(captions);
        // Where Qt names a box by its current entry (on Linux), its label tells what it is for.
        QLabel *single = captions.size() == 1 ? captions.constFirst() : nullptr;
        if (qobject_cast<QComboBox *>(widget) && single && !single->buddy() && !single->text().contains(QLatin1Char('&')))
            single->setBuddy(widget);
        if (name.isEmpty())
            name = plainText(widget->toolTip());
        if (name.isEmpty())
            name = widget->objectName();
        // A name given before and still right is left alone: setting it again would tell
        // assistive technology of a change that is none.
        if (name == current && !current.isEmpty())
            continue;
        widget->setAccessibleName(name);
        widget->setProperty(givenNameProperty, name);
    }
}

void BrevanePage::addLiveValue(const QString &coordinate, unsigned short element)
{
    m_liveValues.append({coordinate, element});
}

bool BrevanePage::focusNextPrevChild(bool next)
{
    // A widget that was hidden when the page was shown had no place on the page to sort by.
    KeyboardAccess::orderTabs(this);
    return WizardPage::focusNextPrevChild(next);
}

void BrevanePage::showEvent(QShowEvent *event)
{
    WizardPage::showEvent(event);
    // One walk over the page's widgets serves these rules.
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    guardWheel(widgets);
    m_keyboardAccess->adopt(widgets);
    KeyboardAccess::orderTabs(this);
    nameControls(widgets);
    followHost();
    updateConnectionDependent();
    if (!m_switchedOn.isEmpty())
        return;
    const eLivingSpace space = livingSpace();
    for (const LiveValue &value : std::as_const(m_liveValues)) {
        if (const auto information = parameterInformation(value.coordinate)) {
            information->setCyclicUpdate(space, value.element, true);
            m_switchedOn.append({value.coordinate, space, value.element});
        }
    }
}

void BrevanePage::hideEvent(QHideEvent *event)
{
    switchOffLiveValues();
    WizardPage::hideEvent(event);
}

void BrevanePage::switchOffLiveValues()
{
    for (const SwitchedOn &value : std::as_const(m_switchedOn)) {
        if (const auto information = parameterInformation(value.coordinate))
            information->setCyclicUpdate(value.livingSpace, value.element, false);
    }
    m_switchedOn.clear();
}

void BrevanePage::jumpToWizardPage(const QString &identifier)
{
    jumpTo(identifier);
}

bool BrevanePage::jumpTo(const QString &identifier, HiddenReason reason)
{
    WizardPageHost *host = pageHost();
    if (!host)
        return false;
    if (pageInTree(identifier)) {
        if (pageVisibleInTree(identifier)) {
            host->jumpToPage(ownedText(identifier), QString());
            return true;
        }
        const QString title = sharedText(hiddenText);
        const QString text = sharedText(reason == HiddenReason::NoAnalogInputs ? hiddenNoInputsText : hiddenText);
        showMessage(QMessageBox::Information, title, text);
        return false;
    }
    showMessage(QMessageBox::Information, sharedText(missingTitle), sharedText(missingText));
    return false;
}

void BrevanePage::connectLinkLabelsToHandler(const QString &exceptText)
{
    const auto labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const QString text = label->text();
        if (!text.contains(QLatin1String("href")))
            continue;
        if (!exceptText.isEmpty() && text.contains(exceptText))
            continue;
        label->setOpenExternalLinks(false);
        connect(label, &QLabel::linkActivated, this, &BrevanePage::jumpToWizardPage, Qt::UniqueConnection);
    }
}

void BrevanePage::handOverMotionBlock(int block, const QString &identifier)
{
    WizardPageHost *host = pageHost();
    if (host)
        host->setProperty(motionBlockProperty, block);
    if (!jumpTo(identifier) && host)
        host->setProperty(motionBlockProperty, -1);
}

int BrevanePage::takeHandedOverMotionBlock() const
{
    WizardPageHost *host = pageHost();
    if (!host)
        return -1;
    bool ok = false;
    const int block = host->property(motionBlockProperty).toInt(&ok);
    host->setProperty(motionBlockProperty, -1);
    return ok ? block : -1;
}

QString BrevanePage::sharedText(const char *sourceText) const
{
    const QString own = QCoreApplication::translate(metaObject()->className(), sourceText);
    if (own != QString::fromUtf8(sourceText))
        return own;
    return QCoreApplication::translate(sharedContext, sourceText);
}

QString BrevanePage::resourcePath(const QString &name)
{
    return QStringLiteral(":/Brevane/Resources/") + name;
}

void BrevanePage::setDiagram(SvgWidget *widget, const QString &name)
{
    if (widget)
        widget->setFileName(resourcePath(name));
}

void BrevanePage::setStackPage(QStackedWidget *stack, int index)
{
    if (stack && index >= 0 && index < stack->count())
        stack->setCurrentIndex(index);
}

void BrevanePage::setLinkFrameActive(QFrame *frame, bool active)
{
    if (frame)
        setStyleSheetIfChanged(frame, active ? linkFrameHoverStyle : QString());
}

bool BrevanePage::jumpToFirstInTree(const QStringList &identifiers)
{
    for (const QString &identifier : identifiers) {
        if (pageInTree(identifier))
            return jumpTo(identifier);
    }
    return jumpTo(identifiers.value(0));
}

void BrevanePage::writeWordBit(QStackedWidget *led, const QString &coordinate, int bit, bool set)
{
    if (isReadOnly() || bit < 0 || bit > 15)
        return;
    setStackPage(led, set ? 1 : 0);
    if (!hasParameter(coordinate))
        return;
    const quint64 value = readText(coordinate).toULongLong(nullptr, 10);
    const quint64 mask = quint64(1) << bit;
    writeText(coordinate, 0, QString::number(set ? (value | mask) : (value & (0xFFFFU & ~mask))));
}

void BrevanePage::markClickableLed(QStackedWidget *led)
{
    if (!led)
        return;
    led->setCursor(Qt::PointingHandCursor);
    led->setAttribute(Qt::WA_Hover);
    // The LED's own name keeps the light off the pictures inside it.
    setStyleSheetIfChanged(led, QStringLiteral("#%1:hover {background-color: rgba(255,255,0, 30%)}").arg(led->objectName()));
}
