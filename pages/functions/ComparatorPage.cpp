#include "ComparatorPage.h"

#include "FormCoordinate.h"
#include "ParameterControl.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>

namespace {

constexpr int variableRows = 3;

void setControlsEnabled(const QList<ParameterControl *> &controls, bool enabled)
{
    for (ParameterControl *control : controls) {
        if (auto *widget = dynamic_cast<QWidget *>(control))
            widget->setEnabled(enabled);
    }
}

} // namespace

ComparatorPage::ComparatorPage(const ComparatorBank &bank, QWidget *parent)
    : SwitchableElementPage(parent), m_bank(bank)
{ }

void ComparatorPage::setupBank(QLineEdit *numberEdit)
{
    setupSwitch(numberEdit, findChild<QAbstractButton *>(QStringLiteral("toolButtonLeft")),
        findChild<QAbstractButton *>(QStringLiteral("toolButtonRight")),
        findChild<QCheckBox *>(QStringLiteral("checkBox") + m_bank.enable), m_bank.enable, m_bank.operation);
    m_operationRow = rowControls(m_bank.operation);
    for (const QString &row : m_bank.rows)
        m_rows << rowControls(row);
    for (const QString &row : m_bank.furtherRows)
        m_furtherRows << rowControls(row);
    for (int row = 1; row <= variableRows; ++row) {
        m_variables << rowControls(QStringLiteral("Cvar%1").arg(row));
        for (const ParameterControl *control : std::as_const(m_variables.last()))
            m_variableCoordinates.insert(control, m_bank.variablesAsCreated.value(row - 1));
    }
    const QString indirect = m_bank.address + QStringLiteral("_indirect");
    m_indirect = IndirectPair(m_bank.address,
        dynamic_cast<ParameterControl *>(findChild<QWidget *>(QStringLiteral("ParaLbl_") + indirect)),
        dynamic_cast<ParameterControl *>(findChild<QWidget *>(QStringLiteral("ParaLineEdit_") + indirect)));
    m_warning = findChild<QToolButton *>(QStringLiteral("toolButton"));
    m_diagrams = findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    Q_ASSERT(m_operationRow.size() == 2 && m_variables.size() == variableRows && m_warning && m_diagrams);
    m_warning->hide();
}

void ComparatorPage::initialUpdate()
{
    observe(m_bank.operation, slotSignature(QStringLiteral("on%1Changed()").arg(m_bank.operation)));
    observe(m_bank.address, slotSignature(QStringLiteral("onPara%1Changed()").arg(m_bank.address)));
    connect(m_warning, SIGNAL(clicked()), this, SLOT(onToolButtonClicked()), Qt::UniqueConnection);
    UpdatePage();
}

const ComparatorBank::Operation *ComparatorPage::shownOperation() const
{
    if (!isSwitchedOn())
        return nullptr;
    const qint64 value = readInt(m_bank.operation, element());
    for (const ComparatorBank::Operation &operation : m_bank.operations) {
        if (operation.value == value)
            return &operation;
    }
    return nullptr;
}

// A parameter the drive lacks reads nothing; one without the comparator's element would.
bool ComparatorPage::lacksElement(const ParameterControl *control) const
{
    const QString coordinate = coordinateOf(control);
    return hasParameter(coordinate) && !hasElement(coordinate, element());
}

QString ComparatorPage::coordinateOf(const ParameterControl *control) const
{
    return m_variableCoordinates.value(control, formCoordinate(control));
}

// Binds a control to the comparator, or to element 0 where its parameter has no such element
// (a bank whose arrays differ in length); such a row is hidden at the end of UpdatePage().
void ComparatorPage::bindToElement(ParameterControl *control) const
{
    const unsigned short shown = element();
    const bool lacks = lacksElement(control);
    // An array without any element has nothing to show at all.
    if (!lacks || elementCount(coordinateOf(control)) > 0)
        bindControl(control, !lacks ? shown : 0);
    else
        control->setIndex(0);
}

void ComparatorPage::UpdatePage()
{
    m_warning->hide();
    const QList<QList<ParameterControl *>> rows
        = QList<QList<ParameterControl *>>{m_operationRow, m_rows, m_furtherRows} + m_variables;
    if (provider()) {
        const auto widgets = findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            auto *control = dynamic_cast<ParameterControl *>(widget);
            if (control && !IndirectPair::isPairControl(widget))
                bindToElement(control);
        }
    }
    const bool on = isSwitchedOn();
    const ComparatorBank::Operation *operation = shownOperation();
    switchBox()->setChecked(on);
    setControlsEnabled(m_operationRow, on);
    setControlsEnabled(m_furtherRows, on);

    const bool optionalKnown = !m_bank.optional.isEmpty() && hasParameter(m_bank.optional);
    int diagram = 0;
    if (on)
        diagram = !operation ? 1 : optionalKnown ? operation->diagramWithOptional : operation->diagram;
    setStackPage(m_diagrams, diagram);
    setControlsHidden(m_rows, !operation);

    for (int row = 0; row < variableRows; ++row) {
        QString coordinate = operation ? operation->variables.value(row) : QString();
        if ((coordinate == m_bank.optional && !optionalKnown)
            || (hasParameter(coordinate) && elementCount(coordinate) == 0))
            coordinate.clear();
        const QList<ParameterControl *> &controls = m_variables.at(row);
        if (coordinate.isEmpty()) {
            setControlsHidden(controls, true);
            continue;
        }
        for (ParameterControl *control : controls) {
            control->setHiddenForced(false);
            // The element it showed may lie beyond the end of the new parameter.
            control->setIndex(0);
            control->setCoordinate(ownedText(coordinate));
            m_variableCoordinates.insert(control, coordinate);
            bindToElement(control);
        }
    }
    for (const QList<ParameterControl *> &row : rows) {
        for (ParameterControl *control : row) {
            if (lacksElement(control))
                control->setHiddenForced(true);
        }
    }
    onAddressChanged();
}

void ComparatorPage::onAddressChanged()
{
    m_warning->hide();
    m_indirect.hide();
    // The watched parameter belongs to the address row: it shows only with that row, not
    // for a comparator that is off or whose operation watches nothing.
    if (!shownOperation())
        return;
    const auto target = m_indirect.target(provider(), livingSpace(), element());
    if (!target)
        return;
    const auto information = parameterInformation(target->coordinate);
    const unsigned short dataType = information ? information->dataType(0) : 0;
    if (dataType != m_bank.dataType)
        m_warning->show();
    else if (holdsElement(information->elementCount(), target->element))
        m_indirect.show(provider(), *target);
    // A parameter of the right type without that element: nothing to show, nothing to warn of.
}

void ComparatorPage::onToolButtonClicked()
{
    requestParameterInput(QCoreApplication::translate(metaObject()->className(), m_bank.prompt));
}
