#pragma once

#include <QChar>
#include <QHashFunctions>
#include <QMetaType>
#include <QString>
#include <QVariant>

// Where a value lives. The plug-in treats it as opaque and passes on what the host gives it.
// 0 is the host's current axis; n > 0 is axis n - 1.
enum eLivingSpace : int {
    // stand-in extra {
    eLivingSpaceCurrent = 0
    // } stand-in extra
};

// stand-in extra {
// Data type codes as parameter information reports them.
namespace ParameterDataType {
enum Code : unsigned short {
    Unknown = 0,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    UInt8 = 5,
    UInt16 = 6,
    UInt32 = 7,
    Real32 = 8,
    String = 9,
    Address = 10, // text holding a parameter address, such as "1:J40.3"
};
bool isInteger(unsigned short code);
bool isNumeric(unsigned short code);
// Name as written in drive descriptions ("INT32", "REAL32", ...); Unknown for other text.
Code fromName(const QString &name);
QString name(unsigned short code);
} // namespace ParameterDataType

// Property identifiers used with ParameterObject::property and ParameterInformation::hasProperty.
namespace ParameterPropertyId {
enum Id : int { LowerLimit = 8, UpperLimit = 9, SelectionTexts = 17 };
}
// } stand-in extra

// A parameter's coordinate: group letter and line number, "J40".
class ParameterCoordinate
{
public:
    // stand-in extra {
    ParameterCoordinate() = default;
    // } stand-in extra
    explicit ParameterCoordinate(const QString &text);
    // The canonical text ("J40"); an invalid coordinate gives back the text it was made from.
    QString toText() const;

    // stand-in extra {
    ParameterCoordinate(QChar group, unsigned short line);

    bool isValid() const { return m_valid; }
    QChar group() const { return m_group; }
    unsigned short line() const { return m_line; }

    bool operator==(const ParameterCoordinate &other) const;
    bool operator!=(const ParameterCoordinate &other) const { return !(*this == other); }
    // } stand-in extra

private:
    QString m_text;
    QChar m_group;
    unsigned short m_line = 0;
    bool m_valid = false;
};

// stand-in extra {
size_t qHash(const ParameterCoordinate &coordinate, size_t seed = 0) noexcept;
// } stand-in extra

// A full parameter address: optional axis, group letter, line, optional element.
// Text form: [axis ":"] group line ["." element], for example "J40", "J40.3", "1:J40.3".
// The axis is 0..255 (up to three digits, as toText() writes it); group is an upper-case
// letter; line and element are 0..65535 (up to five digits). Only ASCII digits count, and a
// text with anything more (blanks, a line break, a second address) is invalid.
class ParameterAddress
{
public:
    ParameterAddress() = default;
    // acceptElement: whether the text may carry an element (".3"); if not, such a text is invalid.
    ParameterAddress(const QString &text, bool acceptElement);
    ParameterAddress(unsigned char axis, QChar group, unsigned short line, unsigned short element);

    static ParameterAddress fromText(const QString &text, bool acceptElement);

    bool isValid() const { return m_valid; }
    unsigned char axis() const { return m_axis; }
    QChar groupAsLetter() const { return m_group; }
    unsigned short line() const { return m_line; }
    unsigned short element() const { return m_element; }
    // A number that identifies the address: axis, group, line and element packed in that order.
    quint64 toNumber() const;
    ParameterCoordinate coordinate() const;

    // stand-in extra {
    bool hasAxis() const { return m_hasAxis; }
    QString toText() const;

    bool operator==(const ParameterAddress &other) const;
    bool operator!=(const ParameterAddress &other) const { return !(*this == other); }
    // } stand-in extra

private:
    QChar m_group;
    unsigned short m_line = 0;
    unsigned short m_element = 0;
    unsigned char m_axis = 0;
    bool m_hasAxis = false;
    bool m_hasElement = false;
    bool m_valid = false;
};

// One property value of a parameter (limits, selection texts).
class ParameterProperty
{
public:
    qint32 asInt32() const;

    // stand-in extra {
    ParameterProperty() = default;
    explicit ParameterProperty(const QVariant &value) : m_value(value) {}

    bool isValid() const { return m_value.isValid(); }
    double asDouble() const;
    QString asString() const;
    QVariant value() const { return m_value; }
    // } stand-in extra

private:
    QVariant m_value;
};

Q_DECLARE_METATYPE(ParameterAddress)
