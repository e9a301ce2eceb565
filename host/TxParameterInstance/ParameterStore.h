#pragma once

#include "ParameterProvider.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QSharedPointer>
#include <QStringList>
#include <QVariant>

// Everything the store needs to know about one parameter.
struct ParameterDefinitionData
{
    QString coordinate;                        // "J40"
    Text name;                                 // German, English, French
    Text unit;                                 // "mm/s"; a German text alone stands for every language
    unsigned short dataType = ParameterDataType::Int32;
    unsigned short elementCount = 1;
    QStringList defaults;                      // per element; the last one repeats; empty: 0 or ""
    QVariant lowerLimit;                       // invalid: the data type's range
    QVariant upperLimit;
    QMap<qint64, Text> selection;              // value -> text of a selection parameter
    bool hidden = false;
    bool global = false;                       // one value for every living space
    bool newDefinition = true;
};

class StoredParameter;

// An in-memory parameter provider: definitions, values per living space and element,
// validated writes and a record of switched-on live values. The workbench's simulated
// drive and the tests both run on it.
class ParameterStore : public ParameterProvider
{
    Q_OBJECT
public:
    struct WrittenValue
    {
        QString coordinate;
        int livingSpace;
        unsigned short element;
        QString text;
        bool operator==(const WrittenValue &o) const
        {
            return coordinate == o.coordinate && livingSpace == o.livingSpace
                && element == o.element && text == o.text;
        }
    };

    // The largest array a drive holds: its motion blocks. Values are kept per living space
    // and element, so larger counts (a drive file asking for 65535) are refused.
    static constexpr unsigned short MaximumElementCount = 16380;
    // All parameters together: room for 512 full block tables (a drive has about 130 arrays).
    // A drive file that asks for more is refused instead of taking gigabytes.
    static constexpr qsizetype MaximumElementTotal = qsizetype(1) << 23;

    // A data type's range of values; REAL32 is the finite float range, texts have none (0 .. 0).
    struct Range
    {
        double lower;
        double upper;
    };
    static Range typeRange(unsigned short type);

    explicit ParameterStore(QObject *parent = nullptr);
    ~ParameterStore() override;

    QWeakPointer<ParameterInformation> information(const ParameterCoordinate &coordinate) const override;
    QWeakPointer<ParameterObject> parameter(const ParameterCoordinate &coordinate) const override;
    bool isOnline() const override { return m_online; }
    bool isReadOnly() const override { return m_readOnly; }

    void setOnline(bool online);
    void setReadOnly(bool readOnly);

    // Adds a parameter or replaces one with the same coordinate (old handles expire).
    // Refuses an invalid coordinate or a default that the data type or the limits reject.
    bool define(const ParameterDefinitionData &definition, QString *error = nullptr);
    void remove(const QString &coordinate);
    void clear();
    bool contains(const QString &coordinate) const;
    // Coordinates in the order of definition.
    QStringList coordinates() const;
    const ParameterDefinitionData *definition(const QString &coordinate) const;

    // Which axis the living space eLivingSpaceCurrent stands for (1 = the first axis).
    int currentLivingSpace() const { return m_currentLivingSpace; }
    void setCurrentLivingSpace(int livingSpace);
    int resolveLivingSpace(int livingSpace) const;

    // Convenience access by coordinate text; same rules as ParameterObject.
    QString value(const QString &coordinate, int livingSpace = 0, unsigned short element = 0) const;
    bool setValue(const QString &coordinate, int livingSpace, unsigned short element, const QString &text);
    bool setValue(const QString &coordinate, const QString &text) { return setValue(coordinate, 0, 0, text); }
    // Why the last refused write was refused; empty after an accepted one.
    QString lastWriteError() const { return m_lastWriteError; }

    // Loads a drive description (JSON). On any error the store is left as it was and
    // error names the file, the position and the field, in the language of the installed
    // catalogues.
    bool loadJson(const QByteArray &json, const QString &fileName, QString *error);
    bool loadFile(const QString &path, QString *error);

    // Live values currently switched on, as "J40@1.0" (coordinate@livingSpace.element), sorted.
    QStringList cyclicUpdates() const;
    bool isCyclicUpdateOn(const QString &coordinate, int livingSpace, unsigned short element) const;

    // Reads and writes of an element beyond element 0 and a parameter's element count, as
    // "J40.5", sorted.
    // The store forgives them with an empty text; a host's provider need not, so tests check
    // that pages ask for none.
    QStringList elementOverruns() const;
    void clearElementOverruns() { m_overruns.clear(); }

    // Every accepted write in order, while recording is on (tests use it).
    void setRecordingWrites(bool on);
    QList<WrittenValue> writtenValues() const { return m_written; }
    void clearWrittenValues() { m_written.clear(); }

private:
    friend class StoredParameter;
    void noteCyclicUpdate(const QString &key, bool on);
    void noteWrite(const QString &coordinate, int livingSpace, unsigned short element, const QString &text);
    void noteWriteError(const QString &error) { m_lastWriteError = error; }
    void noteOverrun(const QString &coordinate, unsigned short element)
    {
        m_overruns.insert(QStringLiteral("%1.%2").arg(coordinate).arg(element));
    }

    QHash<ParameterCoordinate, QSharedPointer<StoredParameter>> m_parameters;
    qsizetype m_elementTotal = 0;  // the element counts of m_parameters added up
    QStringList m_order;
    QSet<QString> m_cyclic;
    QSet<QString> m_overruns;
    QList<WrittenValue> m_written;
    QString m_lastWriteError;
    int m_currentLivingSpace = 1;
    bool m_online = false;
    bool m_readOnly = false;
    bool m_recordWrites = false;
};
