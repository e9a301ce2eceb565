#pragma once

#include "ParameterDefinition.h"

#include <QList>
#include <QString>

#include <optional>

class ParameterControl;
class ParameterProvider;
class QWidget;

// Where an address text from the drive points: the coordinate, the element and the living
// space to bind a control with.
struct ParameterTarget
{
    QString coordinate;
    unsigned short element = 0;
    eLivingSpace livingSpace{};
};

// Decodes the text form of a parameter address ("J40", "J40.3", "1:J40.3"). A text with an
// axis prefix lives in axis + 1, a text without one in the current living space (0). Any
// text gives a defined answer: nullopt for everything that is no address.
std::optional<ParameterTarget> decodeParameterAddress(const QString &text);

// A parameter label and editor bound at run time to the parameter whose address another
// parameter (the address parameter) holds. The pair is shown and hidden through the
// controls' forced-hidden state, so that a parameter the drive hides stays hidden; forms
// should therefore not hide the pair's widgets themselves.
class IndirectPair
{
public:
    IndirectPair() = default;
    IndirectPair(const QString &addressCoordinate, ParameterControl *label, ParameterControl *editor);

    QString addressCoordinate() const { return m_address; }
    // Whether the widget is the label or editor of a pair.
    static bool isPairControl(const QWidget *widget);

    // The decoded address held by the address parameter's element; nullopt when the
    // address parameter or that element is missing, or its text is no address.
    std::optional<ParameterTarget> target(
        ParameterProvider *provider, eLivingSpace livingSpace, unsigned short element) const;
    // Binds both controls to the target and shows them.
    void show(ParameterProvider *provider, const ParameterTarget &target) const;
    void hide() const;
    // Shows the parameter the address parameter's element names, or hides the pair when the
    // text is no address or names a parameter or element the provider does not have.
    // Returns whether the pair is shown.
    bool update(ParameterProvider *provider, eLivingSpace livingSpace, unsigned short element) const;

private:
    QString m_address;
    QList<ParameterControl *> m_controls;
};
