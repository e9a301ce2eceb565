#pragma once

#include "IndirectPair.h"
#include "SwitchableElementPage.h"

#include <QHash>
#include <QList>
#include <QStringList>

class QStackedWidget;
class QToolButton;

// One bank of comparators: which parameters it has and what each operation shows.
struct ComparatorBank
{
    struct Operation
    {
        int value;
        // Coordinates of the three variable rows; an empty one hides its row.
        QStringList variables;
        // Diagram page, without and with the optional parameter (a bank without one leaves the
        // second out).
        int diagram;
        int diagramWithOptional {};
    };

    QString enable;
    QString operation;
    QString address;
    // Data type code the watched parameter must have.
    unsigned short dataType;
    // Prompt of the warning button, translated in the page's context.
    const char *prompt;
    // Rows (named after their coordinate) shown with every listed operation; the address row among them.
    QStringList rows;
    // Rows enabled while the comparator is on.
    QStringList furtherRows;
    // A parameter that some drives lack; a variable row bound to it is hidden on them.
    QString optional;
    QList<Operation> operations;
    // What the form binds the three variable rows to, before an operation binds them anew.
    QStringList variablesAsCreated;
};

// A comparator page: the number selector, the switch, the operation with its rows and
// diagram, and below the address the watched parameter, provided it has the bank's data
// type (otherwise a warning button asks for another parameter).
class ComparatorPage : public SwitchableElementPage
{
    Q_OBJECT
public:
    ComparatorPage(const ComparatorBank &bank, QWidget *parent = nullptr);

    void initialUpdate() override;

public slots:
    void UpdatePage() override;
    void onToolButtonClicked();

protected:
    // Resolves the form's widgets; call once from the constructor after the form is built.
    void setupBank(QLineEdit *numberEdit);
    void onEnableClicked() { writeSwitch(); }
    void onAddressChanged();

private:
    const ComparatorBank::Operation *shownOperation() const;
    bool lacksElement(const ParameterControl *control) const;
    void bindToElement(ParameterControl *control) const;
    QString coordinateOf(const ParameterControl *control) const;

    const ComparatorBank &m_bank;
    QList<ParameterControl *> m_operationRow;
    QList<ParameterControl *> m_rows;
    QList<ParameterControl *> m_furtherRows;
    QList<QList<ParameterControl *>> m_variables;
    // The page rebinds the variable rows; every other control keeps its form's coordinate.
    QHash<const ParameterControl *, QString> m_variableCoordinates;
    IndirectPair m_indirect;
    QToolButton *m_warning = nullptr;
    QStackedWidget *m_diagrams = nullptr;
};
