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
    QList<QWidget *> boxes;
    for (const Cam &cam : m_cams)
        boxes << cam.box;
    enableUnlessReadOnly(boxes);
}

void DbmNocken::onI59Changed()
{
    if (!hasParameter(switchCoordinate))
        return;
    for (int cam = 0; cam < cams; ++cam) {
        m_cams[cam].box->setChecked(readInt(switchCoordinate, static_cast<unsigned short>(cam)) != 0);
        camClicked(cam);
    }
}

void DbmNocken::camClicked(int cam)
{
    if (!hasParameter(switchCoordinate))
        return;
    const Cam &row = m_cams[cam];
    const bool on = row.box->isChecked();
    // Any value other than 0 switches a cam on and is written back as 1. Nothing is written
    // where nothing changes (no echo of our own write) or while the project may not be edited.
    const QString text = on ? QStringLiteral("1") : QStringLiteral("0");
    const auto element = static_cast<unsigned short>(cam);
    if (!isReadOnly() && readText(switchCoordinate, element) != text)
        writeText(switchCoordinate, element, text);
    row.onPosition->setEnabled(on);
    row.offPosition->setEnabled(on);
}
