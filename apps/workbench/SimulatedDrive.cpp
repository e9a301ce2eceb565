#include "SimulatedDrive.h"

SimulatedDrive::SimulatedDrive(QObject *parent) : QObject(parent) {}

QString SimulatedDrive::defaultDescriptionPath()
{
    return QStringLiteral(":/workbench/default-drive.json");
}

bool SimulatedDrive::loadDefault(QString *error)
{
    return loadFile(defaultDescriptionPath(), error);
}

bool SimulatedDrive::loadFile(const QString &path, QString *error)
{
    if (!m_store.loadFile(path, error))
        return false;
    m_source = path;
    return true;
}

int SimulatedDrive::motionBlockCount() const
{
    const auto information = m_store.information(ParameterCoordinate(QStringLiteral("J10"))).toStrongRef();
    return information ? information->elementCount() : 0;
}
