#include "BrevanePage.h"

#include "PageRegistry.h"
#include "SvgWidget.h"
#include "WizardGlobal.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QStackedWidget>

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

} // namespace

BrevanePage::BrevanePage(QWidget *parent) : WizardPage(parent), m_wheelGuard(new WheelGuard(this)) {}

BrevanePage::~BrevanePage()
{
    switchOffLiveValues();
}

Text BrevanePage::name() const
{
    return PageRegistry::pageName(identifier());
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
    return parameters ? parameters->information(ParameterCoordinate(coordinate)).toStrongRef() : nullptr;
}

QSharedPointer<ParameterObject> BrevanePage::parameterObject(const QString &coordinate) const
{
    ParameterProvider *parameters = provider();
    return parameters ? parameters->parameter(ParameterCoordinate(coordinate)).toStrongRef() : nullptr;
}

// A host's provider need not forgive an element beyond the array, so none is asked for.
QString BrevanePage::readText(const QString &coordinate, unsigned short element) const
{
    const auto parameter = parameterObject(coordinate);
    if (!parameter || element >= parameter->elementCount())
        return QString();
    return parameter->valueText(livingSpace(), element, false);
}

QString BrevanePage::readDisplayText(const QString &coordinate, unsigned short element) const
{
    const auto information = parameterInformation(coordinate);
    if (!information || element >= information->elementCount())
        return QString();
    return information->displayText(livingSpace(), element, false);
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
    if (!parameter || element >= parameter->elementCount())
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

bool BrevanePage::observe(const QString &coordinate, const char *slot)
{
    const auto information = parameterInformation(coordinate);
    if (!information)
        return false;
    connect(information.data(), SIGNAL(valueChanged(ParameterAddress)), this, slot, Qt::UniqueConnection);
    return true;
}

eLivingSpace BrevanePage::livingSpace() const
{
    return pageHost() ? pageHost()->livingSpace() : eLivingSpaceCurrent;
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
    }
    WizardPage::changeEvent(event);
}

void BrevanePage::guardWheel()
{
    const auto guard = [this](QWidget *widget) {
        if (widget->focusPolicy() == Qt::WheelFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
        widget->installEventFilter(m_wheelGuard);
    };
    for (QComboBox *box : findChildren<QComboBox *>())
        guard(box);
    for (QAbstractSpinBox *box : findChildren<QAbstractSpinBox *>())
        guard(box);
}

void BrevanePage::addLiveValue(const QString &coordinate, unsigned short element)
{
    m_liveValues.append({coordinate, element});
}

void BrevanePage::showEvent(QShowEvent *event)
{
    WizardPage::showEvent(event);
    guardWheel();
    if (ParameterProvider *parameters = provider())
        connect(parameters, &ParameterProvider::readOnlyChanged, this, &BrevanePage::onHostReadOnlyChanged,
                Qt::UniqueConnection);
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
    if (host->containsPage(identifier)) {
        if (host->isPageVisible(identifier)) {
            host->jumpToPage(identifier, QString());
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
        frame->setStyleSheet(active ? linkFrameHoverStyle : QString());
}
