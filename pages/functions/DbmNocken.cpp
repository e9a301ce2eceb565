#include "DbmNocken.h"
#include "ui_DbmNocken.h"

#include <QCheckBox>

namespace {

const QString switchCoordinate = QStringLiteral("I59");

} // namespace

DbmNocken::DbmNocken(QWidget *parent) : BrevanePage(parent), ui(std::make_unique<Ui::DbmNocken>())
{
    setupForm(*ui);
    for (int cam = 0; cam < cams; ++cam) {
        const QString number = QString::number(cam);
        Cam &row = m_cams[cam];
        row.box = findChild<QCheckBox *>(QStringLiteral("checkBoxI59_") + number);
        row.onPosition = findChild<QWidget *>(QStringLiteral("ParaLineEdit_I60_") + number);
        row.offPosition = findChild<QWidget *>(QStringLiteral("ParaLineEdit_I61_") + number);
        connect(row.box, SIGNAL(clicked()), this,
            QByteArray("1onCheckBoxI59_" + number.toLatin1() + "Clicked()").constData());
    }
    for (const char *live : {"I60", "I61", "I64", "I59"})
        addLiveValue(QLatin1String(live));
}

DbmNocken::~DbmNocken() = default;

void DbmNocken::initialUpdate()
{
    connectParameterControls();
    onI59Changed();
}

void DbmNocken::connectParameterControls()
{
    observe(switchCoordinate, SLOT(onI59Changed()));
}

void DbmNocken::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    onI59Changed();
}

void DbmNocken::updateReadOnly()
{
    onI59Changed();
}

bool DbmNocken::hasCam(int cam) const
{
    return cam < elementCount(switchCoordinate);
}

void DbmNocken::onI59Changed()
{
    for (int cam = 0; cam < cams; ++cam) {
        m_cams[cam].box->setChecked(hasCam(cam) && readInt(switchCoordinate, static_cast<unsigned short>(cam)) != 0);
        camClicked(cam);
    }
}

void DbmNocken::camClicked(int cam)
{
    const Cam &row = m_cams[cam];
    // A cam the drive does not have (beyond I59's elements) is off and cannot be switched.
    const bool present = hasCam(cam);
    if (!present)
        row.box->setChecked(false);
    const bool on = row.box->isChecked();
    // Any value other than 0 switches a cam on and is written back as 1. Nothing is written
    // where nothing changes (no echo of our own write) or while the project may not be edited;
    // a refused write leaves the box showing what the drive holds.
    const QString text = on ? QStringLiteral("1") : QStringLiteral("0");
    const auto element = static_cast<unsigned short>(cam);
    if (present && readText(switchCoordinate, element) != text && !writeText(switchCoordinate, element, text))
        row.box->setChecked(readInt(switchCoordinate, element) != 0);
    const bool shownOn = row.box->isChecked();
    row.box->setEnabled(present && !isReadOnly());
    row.onPosition->setEnabled(shownOn);
    row.offPosition->setEnabled(shownOn);
}
