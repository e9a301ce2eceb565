#pragma once

#include "BrevanePage.h"
#include "IndirectPair.h"

class QStackedWidget;

// The external setpoint sources: a diagram of the analog inputs the drive has fitted, and
// on every diagram page a row that shows the parameter the source's address parameter
// names. The four variants differ only in their form and address parameter.
class ExternalSourcePage : public BrevanePage
{
    Q_OBJECT
public:
    // Diagram pages, by the analog inputs they draw.
    enum Diagram { NoAI = 0, AI1AI2 = 1, AI3 = 2, AI1AI2AI3 = 3 };

    void initialUpdate() override;

    // The application overview the "Applikation" link leads to; empty for an unknown application.
    QString getIdOfWizardPageApplication() const;

public slots:
    // Binds the indirect rows to the parameter the address parameter names, or hides them.
    void actualizeLabelAndTextEditIndirectRead();
    void jumpToApplication();

protected:
    ExternalSourcePage(const QString &addressCoordinate, QWidget *parent);

    // To be called once the form is set up.
    void setupFamily();
    void hideLabelsAndTextEditsIndirect();
    void connectLinkLabelsToHandler();
    void connectParameterControls();
    void setIndexStackedWidget();
    // Called with the diagram page chosen, or not at all when the device type names none (the
    // form's own page is shown then).
    virtual void diagramChosen(int index);

    QStackedWidget *diagrams() const { return m_diagrams; }
    void showEvent(QShowEvent *event) override;

private:
    QString m_address;
    QStackedWidget *m_diagrams = nullptr;
    int m_formDiagram = 0;
    QList<IndirectPair> m_pairs;
};
