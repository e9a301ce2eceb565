#pragma once

#include "ParameterProvider.h"
#include "WizardPage.h"

#include <QList>
#include <QSharedPointer>

class QFrame;
class QStackedWidget;
class SvgWidget;

// What every page of the plug-in shares: name from the registry, parameter access that
// looks parameters up afresh for each use, live values that follow the page's visibility,
// jumps through the host with its two messages, and link labels.
class BrevanePage : public WizardPage
{
    Q_OBJECT
public:
    explicit BrevanePage(QWidget *parent = nullptr);
    // A page destroyed while shown gets no hideEvent: switches off what is still on.
    ~BrevanePage() override;

    Text name() const override;

    // The live values switched on while the page is shown, as "J40@1.0" (coordinate@livingSpace.element).
    QStringList liveValuesOn() const;

    // Diagrams and variants.
    static QString resourcePath(const QString &name);
    static void setDiagram(SvgWidget *widget, const QString &name);
    static void setStackPage(QStackedWidget *stack, int index);
    static void setLinkFrameActive(QFrame *frame, bool active);

public slots:
    // Runs the jump procedure for the page named by the identifier.
    void jumpToWizardPage(const QString &identifier);

protected:
    // Parameter access; a parameter the drive lacks, or an element beyond its element count,
    // reads as an empty text (0 as a number) and is not written. Numbers are read in 64 bits
    // (base 10); text that is no number or lies outside that range reads as 0.
    ParameterProvider *provider() const;
    QSharedPointer<ParameterInformation> parameterInformation(const QString &coordinate) const;
    QSharedPointer<ParameterObject> parameterObject(const QString &coordinate) const;
    QString readText(const QString &coordinate, unsigned short element = 0) const;
    QString readDisplayText(const QString &coordinate, unsigned short element = 0) const;
    qint64 readInt(const QString &coordinate, unsigned short element = 0) const;
    bool writeText(const QString &coordinate, unsigned short element, const QString &text) const;
    bool writeInt(const QString &coordinate, unsigned short element, qint64 value) const;
    // Element count of a parameter; 0 when the drive lacks it.
    int elementCount(const QString &coordinate) const;
    bool hasParameter(const QString &coordinate) const;
    // Connects the parameter's "valueChanged(ParameterAddress)" to a slot given with SLOT();
    // false when the drive lacks the parameter. Repeating it does not connect twice.
    bool observe(const QString &coordinate, const char *slot);

    eLivingSpace livingSpace() const;
    bool isReadOnly() const;
    bool isOnline() const;
    int deviceType() const;
    int fieldbusType() const;

    // Enables the widgets exactly when the host is not read-only.
    void enableUnlessReadOnly(const QList<QWidget *> &widgets) const;

    // Live values: listed once, switched on in showEvent and exactly those off in hideEvent.
    void addLiveValue(const QString &coordinate, unsigned short element = 0);
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    // The jump procedure. The analog-input variant mentions, when the page is hidden,
    // that analog inputs may not be configured.
    enum class HiddenReason { Hidden, NoAnalogInputs };
    void jumpTo(const QString &identifier, HiddenReason reason = HiddenReason::Hidden);

    // Connects every label with a link ("href") to jumpToWizardPage, once. Labels whose text
    // contains exceptText (when given) are left for the page to connect.
    void connectLinkLabelsToHandler(const QString &exceptText = QString());

    // Motion-block hand-over through the host's "FahrsatzNummer" property: the sender stores
    // the block and jumps; the receiver takes the block when shown (-1: none requested).
    void handOverMotionBlock(int block, const QString &identifier);
    int takeHandedOverMotionBlock() const;

    // A page's translation of a text shared by all pages: the page's own context first,
    // then the common one.
    QString sharedText(const char *sourceText) const;

private:
    void switchOffLiveValues();

    struct LiveValue
    {
        QString coordinate;
        unsigned short element;
    };
    struct SwitchedOn
    {
        QString coordinate;
        eLivingSpace livingSpace;
        unsigned short element;
    };
    QList<LiveValue> m_liveValues;
    QList<SwitchedOn> m_switchedOn;
};
