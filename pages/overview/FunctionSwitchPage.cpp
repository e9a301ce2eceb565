#include "FunctionSwitchPage.h"

#include <QCheckBox>

void FunctionSwitchPage::addSwitch(QCheckBox *box, const QString &coordinate, unsigned short element)
{
    m_switches.append({box, coordinate, element});
}

void FunctionSwitchPage::writeSwitch(QCheckBox *box)
{
    for (const Switch &entry : std::as_const(m_switches)) {
        if (entry.box != box)
            continue;
        writeText(entry.coordinate, entry.element,
                  box->checkState() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0"));
        showSwitch(entry);
        return;
    }
}

void FunctionSwitchPage::showSwitches(const QString &coordinate, int element)
{
    for (const Switch &entry : std::as_const(m_switches)) {
        if (entry.coordinate == coordinate && (element < 0 || entry.element == element))
            showSwitch(entry);
    }
}

QList<QWidget *> FunctionSwitchPage::switchBoxes() const
{
    QList<QWidget *> boxes;
    for (const Switch &entry : m_switches)
        boxes.append(entry.box);
    return boxes;
}

void FunctionSwitchPage::showSwitch(const Switch &entry) const
{
    const bool on = hasParameter(entry.coordinate) && readInt(entry.coordinate, entry.element) == 1;
    entry.box->setChecked(on);
}
