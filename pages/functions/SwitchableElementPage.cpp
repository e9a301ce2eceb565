#include "SwitchableElementPage.h"

#include "ParameterControl.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>

SwitchableElementPage::SwitchableElementPage(QWidget *parent) : IndexedPage(parent)
{ }

void SwitchableElementPage::setupSwitch(QLineEdit *numberEdit, QAbstractButton *decButton,
    QAbstractButton *incButton, QCheckBox *switchBox, const QString &switchCoordinate,
    const QString &referenceCoordinate)
{
    setupIndex(numberEdit, decButton, incButton, referenceCoordinate);
    m_switchBox = switchBox;
    m_switch = switchCoordinate;
    if (m_switchBox)
        connect(m_switchBox, SIGNAL(clicked()), this,
            slotSignature(QStringLiteral("onCheckBox%1Clicked()").arg(m_switch)));
}

unsigned short SwitchableElementPage::element() const
{
    // A number typed beyond the last element (not yet taken) shows the last one: no control is
    // bound to an element the drive does not have.
    const int last = qMax(elementCount(referenceCoordinate()) - 1, 0);
    return static_cast<unsigned short>(qBound(0, currentIndex(), qMin(last, 0xFFFF)));
}

bool SwitchableElementPage::isSwitchedOn() const
{
    return readInt(m_switch, element()) != 0;
}

void SwitchableElementPage::writeSwitch()
{
    if (m_switchBox)
        writeText(m_switch, element(), m_switchBox->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    UpdatePage();
}

void SwitchableElementPage::showEvent(QShowEvent *event)
{
    IndexedPage::showEvent(event);
    setIndexAndUpdate(0);
    enableUnlessReadOnly({m_switchBox});
}

void SwitchableElementPage::setControlsHidden(const QList<ParameterControl *> &controls, bool hidden)
{
    for (ParameterControl *control : controls) {
        if (control)
            control->setHiddenForced(hidden);
    }
}

QList<ParameterControl *> SwitchableElementPage::rowControls(const QString &name) const
{
    QList<ParameterControl *> controls;
    for (const QString &prefix :
        {QStringLiteral("ParaLbl_"), QStringLiteral("ParaLineEdit_"), QStringLiteral("ParaCombo_")}) {
        if (auto *control = dynamic_cast<ParameterControl *>(findChild<QWidget *>(prefix + name)))
            controls << control;
    }
    return controls;
}

QByteArray SwitchableElementPage::slotSignature(const QString &name)
{
    // What SLOT() makes of a name.
    return QByteArray::number(QSLOT_CODE) + name.toLatin1();
}
