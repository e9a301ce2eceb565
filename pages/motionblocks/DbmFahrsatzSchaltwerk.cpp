#include "DbmFahrsatzSchaltwerk.h"
#include "ui_DbmFahrsatzSchaltwerk.h"

#include <QCheckBox>

namespace {
const QString switchWord = QStringLiteral("J456");
}

DbmFahrsatzSchaltwerk::DbmFahrsatzSchaltwerk(QWidget *parent)
    : BrevanePage(parent), ui(std::make_unique<Ui::DbmFahrsatzSchaltwerk>())
{
    setupForm(*ui);
    m_switches = {ui->checkBoxJ456_0, ui->checkBoxJ456_1, ui->checkBoxJ456_2, ui->checkBoxJ456_3, ui->checkBoxJ456_4};
    m_editors = {ui->ParaLineEdit_J455_0, ui->ParaLineEdit_J455_1, ui->ParaLineEdit_J455_2, ui->ParaLineEdit_J455_3,
                 ui->ParaLineEdit_J455_4};
    for (int element = 0; element < ElementCount; ++element) {
        connect(m_switches.at(element), SIGNAL(clicked()), this,
                QByteArray("1onCheckBoxJ456_") + QByteArray::number(element) + QByteArray("Clicked()"));
        for (const char *coordinate : {"J455", "J456", "J457"})
            addLiveValue(QString::fromLatin1(coordinate), static_cast<unsigned short>(element));
    }
}

DbmFahrsatzSchaltwerk::~DbmFahrsatzSchaltwerk() = default;

void DbmFahrsatzSchaltwerk::initialUpdate()
{
    connectParameterControls();
}

void DbmFahrsatzSchaltwerk::connectParameterControls()
{
    observe(switchWord, SLOT(onJ456Changed()));
    onJ456Changed();
}

void DbmFahrsatzSchaltwerk::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    enableUnlessReadOnly(QList<QWidget *>(m_switches.cbegin(), m_switches.cend()));
    onJ456Changed();
}

void DbmFahrsatzSchaltwerk::onCheckBoxClicked(int element)
{
    const auto index = static_cast<unsigned short>(element);
    const QString text = m_switches.at(element)->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    // Writing what the drive holds already would only report the change again.
    if (readText(switchWord, index) != text)
        writeText(switchWord, index, text);
    // The box and its editor show what the drive holds, also when nothing was written.
    showSwitch(element);
}

void DbmFahrsatzSchaltwerk::showSwitch(int element)
{
    const bool on = readInt(switchWord, static_cast<unsigned short>(element)) != 0;
    m_switches.at(element)->setChecked(on);
    m_editors.at(element)->setEnabled(on);
}

void DbmFahrsatzSchaltwerk::onJ456Changed()
{
    for (int element = 0; element < ElementCount; ++element)
        showSwitch(element);
}
