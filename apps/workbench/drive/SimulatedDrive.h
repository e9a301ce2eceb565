#pragma once

#include "ParameterStore.h"

#include <QObject>

// The drive the workbench commissions: the host's parameter store, filled from a drive
// description. The built-in description defines every parameter the pages use; a user's
// description replaces it as a whole. Drive reactions are played through by editing values.
class SimulatedDrive : public QObject
{
    Q_OBJECT
public:
    explicit SimulatedDrive(QObject *parent = nullptr);

    static QString defaultDescriptionPath();

    ParameterStore *store() { return &m_store; }
    const ParameterStore *store() const { return &m_store; }

    // Both leave the drive as it was when the description is refused; error then names the
    // file, the position and the field.
    bool loadDefault(QString *error);
    bool loadFile(const QString &path, QString *error);
    bool load(const QByteArray &json, const QString &path, QString *error);

    // The drive as a description of the same format, with the current values and element
    // counts of the current axis: loading it gives the same parameters and values.
    QByteArray description() const;
    // Writes the description; the old file stays whole when anything fails, and error then
    // names the path and the system's reason. The file becomes the source.
    bool saveFile(const QString &path, QString *error);

    // Where the parameters came from.
    QString source() const { return m_source; }
    // The number of motion blocks: the element count of the block names.
    int motionBlockCount() const;

private:
    ParameterStore m_store;
    QString m_source;
};
