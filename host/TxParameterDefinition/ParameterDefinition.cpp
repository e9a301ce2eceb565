#include "ParameterDefinition.h"

#include <cmath>

#include <QRegularExpression>

namespace {

// Parses 1 to 5 decimal digits into 0..65535.
bool parseNumber16(QStringView digits, unsigned short *out)
{
    bool ok = false;
    const uint value = digits.toUInt(&ok, 10);
    if (!ok || value > 0xFFFF)
        return false;
    *out = static_cast<unsigned short>(value);
    return true;
}

// Lines are written with at least two digits, as the drive documentation does: "K08", "J40".
QString lineText(unsigned short line)
{
    return QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
}

const QRegularExpression &coordinatePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Z])(\\d{1,5})$"));
    return pattern;
}

const QRegularExpression &addressPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:(\\d):)?([A-Z])(\\d{1,5})(?:\\.(\\d{1,5}))?$"));
    return pattern;
}

struct TypeName
{
    ParameterDataType::Code code;
    const char *name;
};

constexpr TypeName typeNames[] = {
    {ParameterDataType::Int8, "INT8"},     {ParameterDataType::Int16, "INT16"},
    {ParameterDataType::Int32, "INT32"},   {ParameterDataType::UInt8, "UINT8"},
    {ParameterDataType::UInt16, "UINT16"}, {ParameterDataType::UInt32, "UINT32"},
    {ParameterDataType::Real32, "REAL32"}, {ParameterDataType::String, "STRING"},
    {ParameterDataType::Address, "ADDRESS"},
};

} // namespace

bool ParameterDataType::isInteger(unsigned short code)
{
    return code == Int8 || code == Int16 || code == Int32 || code == UInt8 || code == UInt16
        || code == UInt32;
}

bool ParameterDataType::isNumeric(unsigned short code)
{
    return isInteger(code) || code == Real32;
}

ParameterDataType::Code ParameterDataType::fromName(const QString &name)
{
    for (const TypeName &entry : typeNames) {
        if (name == QLatin1String(entry.name))
            return entry.code;
    }
    return Unknown;
}

QString ParameterDataType::name(unsigned short code)
{
    for (const TypeName &entry : typeNames) {
        if (entry.code == code)
            return QLatin1String(entry.name);
    }
    return QString();
}

ParameterCoordinate::ParameterCoordinate(const QString &text) : m_text(text)
{
    const QRegularExpressionMatch match = coordinatePattern().match(text);
    if (match.hasMatch() && parseNumber16(match.capturedView(2), &m_line)) {
        m_group = text.at(0);
        m_valid = true;
    }
}

ParameterCoordinate::ParameterCoordinate(QChar group, unsigned short line)
    : m_group(group), m_line(line), m_valid(group >= QLatin1Char('A') && group <= QLatin1Char('Z'))
{
}

QString ParameterCoordinate::toText() const
{
    if (!m_valid)
        return m_text;
    return m_group + lineText(m_line);
}

bool ParameterCoordinate::operator==(const ParameterCoordinate &other) const
{
    if (m_valid != other.m_valid)
        return false;
    if (!m_valid)
        return m_text == other.m_text;
    return m_group == other.m_group && m_line == other.m_line;
}

size_t qHash(const ParameterCoordinate &coordinate, size_t seed) noexcept
{
    if (!coordinate.isValid())
        return qHash(coordinate.toText(), seed);
    return qHashMulti(seed, coordinate.group(), coordinate.line());
}

ParameterAddress::ParameterAddress(const QString &text, bool acceptElement)
{
    const QRegularExpressionMatch match = addressPattern().match(text);
    if (!match.hasMatch())
        return;
    m_hasElement = match.hasCaptured(4);
    if (m_hasElement && !acceptElement)
        return;
    if (!parseNumber16(match.capturedView(3), &m_line))
        return;
    if (m_hasElement && !parseNumber16(match.capturedView(4), &m_element))
        return;
    m_hasAxis = match.hasCaptured(1);
    if (m_hasAxis)
        m_axis = static_cast<unsigned char>(match.capturedView(1).at(0).digitValue());
    m_group = match.capturedView(2).at(0);
    m_valid = true;
}

ParameterAddress::ParameterAddress(unsigned char axis, QChar group, unsigned short line,
                                   unsigned short element)
    : m_group(group), m_line(line), m_element(element), m_axis(axis), m_hasAxis(true),
      m_hasElement(true), m_valid(group >= QLatin1Char('A') && group <= QLatin1Char('Z'))
{
}

ParameterAddress ParameterAddress::fromText(const QString &text, bool acceptElement)
{
    return ParameterAddress(text, acceptElement);
}

quint64 ParameterAddress::toNumber() const
{
    if (!m_valid)
        return 0;
    const quint64 group = static_cast<quint64>(m_group.unicode() - u'A' + 1);
    return (quint64(m_axis) << 40) | (group << 32) | (quint64(m_line) << 16) | m_element;
}

ParameterCoordinate ParameterAddress::coordinate() const
{
    if (!m_valid)
        return ParameterCoordinate();
    return ParameterCoordinate(m_group, m_line);
}

QString ParameterAddress::toText() const
{
    if (!m_valid)
        return QString();
    QString text;
    if (m_hasAxis)
        text = QString::number(m_axis) + QLatin1Char(':');
    text += m_group + lineText(m_line);
    if (m_hasElement)
        text += QLatin1Char('.') + QString::number(m_element);
    return text;
}

bool ParameterAddress::operator==(const ParameterAddress &other) const
{
    return m_valid == other.m_valid && toNumber() == other.toNumber();
}

qint32 ParameterProperty::asInt32() const
{
    // Through double, which holds every 32-bit value exactly: a limit beyond the range (a
    // REAL32 maximum of 3.4e38) saturates, a fraction is cut towards zero, no number gives 0.
    bool ok = false;
    const double value = m_value.toDouble(&ok);
    if (!ok || std::isnan(value))
        return 0;
    return static_cast<qint32>(qBound(double(INT32_MIN), value, double(INT32_MAX)));
}

double ParameterProperty::asDouble() const
{
    return m_value.toDouble();
}

QString ParameterProperty::asString() const
{
    return m_value.toString();
}
