#include "ParameterDefinition.h"

#include <cmath>

namespace {

// Reads 1 to maxDigits ASCII digits at pos into a value no greater than max. Only ASCII
// digits count: the text comes from the drive and other scripts' digits are no address.
bool readNumber(QStringView text, qsizetype *pos, int maxDigits, uint max, uint *out)
{
    uint value = 0;
    int digits = 0;
    while (*pos < text.size() && digits < maxDigits) {
        const char16_t c = text.at(*pos).unicode();
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + uint(c - u'0');
        ++digits;
        ++*pos;
    }
    if (digits == 0 || value > max)
        return false;
    // More digits than allowed is no number of this kind either.
    if (*pos < text.size()) {
        const char16_t c = text.at(*pos).unicode();
        if (c >= u'0' && c <= u'9')
            return false;
    }
    *out = value;
    return true;
}

bool readGroup(QStringView text, qsizetype *pos, QChar *out)
{
    if (*pos >= text.size())
        return false;
    const QChar c = text.at(*pos);
    if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
        return false;
    *out = c;
    ++*pos;
    return true;
}

constexpr int lineDigits = 5;
constexpr int axisDigits = 3;

// Lines are written with at least two digits, as the drive documentation does: "K08", "J40".
QString lineText(unsigned short line)
{
    // Called for every parameter a page reads: no format string to parse.
    if (line >= 10)
        return QString::number(line);
    const char text[] = {'0', char('0' + line)};
    return QString::fromLatin1(text, 2);
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
    qsizetype pos = 0;
    QChar group;
    uint line = 0;
    if (readGroup(text, &pos, &group) && readNumber(text, &pos, lineDigits, 0xFFFF, &line)
        && pos == text.size()) {
        m_group = group;
        m_line = static_cast<unsigned short>(line);
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
    // [axis ":"] group line ["." element], nothing before or after; every number within its
    // type, so that no text wraps round into another valid-looking address.
    const QStringView view(text);
    qsizetype pos = 0;
    uint axis = 0;
    const bool hasAxis = view.indexOf(QLatin1Char(':')) >= 0;
    if (hasAxis) {
        if (!readNumber(view, &pos, axisDigits, 0xFF, &axis) || pos >= view.size()
            || view.at(pos) != QLatin1Char(':'))
            return;
        ++pos;
    }
    QChar group;
    uint line = 0;
    if (!readGroup(view, &pos, &group) || !readNumber(view, &pos, lineDigits, 0xFFFF, &line))
        return;
    uint element = 0;
    const bool hasElement = pos < view.size() && view.at(pos) == QLatin1Char('.');
    if (hasElement) {
        ++pos;
        if (!acceptElement || !readNumber(view, &pos, lineDigits, 0xFFFF, &element))
            return;
    }
    if (pos != view.size())
        return;
    m_group = group;
    m_line = static_cast<unsigned short>(line);
    m_element = static_cast<unsigned short>(element);
    m_axis = static_cast<unsigned char>(axis);
    m_hasAxis = hasAxis;
    m_hasElement = hasElement;
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
