#pragma once

#include "ParameterProvider.h"
#include "WizardPage.h"

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QSharedPointer>

#include <functional>
#include <optional>

class KeyboardAccess;
class ParameterControl;
class QDialog;
class QFrame;
class QStackedWidget;
class SvgWidget;

// What every page of the plug-in shares: name from the registry, parameter access that
// looks parameters up afresh for each use, live values that follow the page's visibility,
// jumps through the host with its two messages, and link labels. And the rules a host or a
// user can break on any page: a live language switch, a project that turns read-only while
// the page is shown, a page deleted while one of its boxes waits, a wheel over a control.
class BrevanePage : public WizardPage
{
    Q_OBJECT
public:
    explicit BrevanePage(QWidget *parent = nullptr);
    // A page destroyed while shown gets no hideEvent: switches off what is still on.
    ~BrevanePage() override;

    // identifier() and every other string handed to the host own their characters
    // (QString::fromLatin1, not QStringLiteral): the host may keep them after unloading us.
    Text name() const override;

    // A copy of the text that owns its characters. Text from QStringLiteral points into the
    // plug-in's read-only data; a host that keeps what it was handed (a navigation history, a
    // set of hidden pages, a coordinate) would read freed memory once the plug-in is unloaded.
    // Every string the pages hand to the host or its provider goes through this once.
    static QString ownedText(const QString &text);

    // Whether a parameter with the given element count has the element to read or write: element 0
    // of every parameter the provider has (a host may report no elements for a plain parameter),
    // the elements beyond it only inside the array.
    static bool holdsElement(unsigned short elementCount, unsigned short element)
    {
        return element == 0 || element < elementCount;
    }
    // Binds a parameter control at run time to the element of its parameter, or of the coordinate
    // when one is given, and initializes it.
    static void bindControl(ParameterControl *control, ParameterProvider *provider, eLivingSpace livingSpace,
                            unsigned int index, const QString &coordinate = QString());

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
    // The form, built once from the constructor; a language switch later retranslates it and
    // then calls retranslatePage(), in which the page sets again what it sets from code.
    template<class Form>
    void setupForm(Form &form)
    {
        form.setupUi(this);
        m_retranslateForm = [this, &form] { form.retranslateUi(this); };
    }
    virtual void retranslatePage() {}
    void changeEvent(QEvent *event) override;

    // Parameter access; a parameter the drive lacks, or an element beyond element 0 and its
    // element count, reads as an empty text (0 as a number) and is not written. Numbers are
    // read in 64 bits (base 10); text that is no number or lies outside that range reads as 0.
    // Nothing is written while the host is read-only.
    ParameterProvider *provider() const;
    QSharedPointer<ParameterInformation> parameterInformation(const QString &coordinate) const;
    QSharedPointer<ParameterObject> parameterObject(const QString &coordinate) const;
    QString readText(const QString &coordinate, unsigned short element = 0) const;
    QString readDisplayText(const QString &coordinate, unsigned short element = 0) const;
    QString readRawText(const QString &coordinate, unsigned short element = 0) const;
    qint64 readInt(const QString &coordinate, unsigned short element = 0) const;
    bool writeText(const QString &coordinate, unsigned short element, const QString &text) const;
    bool writeInt(const QString &coordinate, unsigned short element, qint64 value) const;
    // Element count of a parameter; 0 when the drive lacks it.
    int elementCount(const QString &coordinate) const;
    bool hasParameter(const QString &coordinate) const;
    bool hasElement(const QString &coordinate, unsigned short element) const;
    // Connects the parameter's "valueChanged(ParameterAddress)" to a slot given with SLOT();
    // false when the drive lacks the parameter. Repeating it does not connect twice.
    bool observe(const QString &coordinate, const char *slot);

    eLivingSpace livingSpace() const;
    bool isReadOnly() const;
    bool isOnline() const;
    int deviceType() const;
    int fieldbusType() const;

    // The host's page tree and parameter input. What they hand the host owns its characters.
    bool pageInTree(const QString &identifier) const;
    bool pageVisibleInTree(const QString &identifier) const;
    void showInTree(const QString &identifier) const;
    void hideInTree(const QString &identifier) const;
    void requestParameterInput(const QString &prompt) const;
    // bindControl() with the host's provider and living space.
    void bindControl(ParameterControl *control, unsigned int index, const QString &coordinate = QString()) const;

    // Reads that depend on the connection or on the project's lock (a word shown only online,
    // say): done again when the host goes online or offline, turns read-only or editable, and
    // when the page is shown.
    virtual void updateConnectionDependent() {}

    // Enables the widgets exactly when the host is not read-only, now and whenever the host
    // turns read-only or editable while the page is shown.
    void enableUnlessReadOnly(const QList<QWidget *> &widgets);
    // The host turned read-only or editable while the page is shown. The default applies the
    // new state to the widgets enableUnlessReadOnly() was given; a page whose controls follow
    // more than the read-only state evaluates them again here.
    virtual void updateReadOnly();

    // Boxes and dialogs of the page. They live on the heap with the page as parent: the host may
    // delete the page while one waits for its answer (its event loop runs the host's events),
    // and the box then goes with the page. Empty when the page is gone; the caller must then
    // touch nothing of the page any more.
    std::optional<int> runDialog(QDialog *dialog);
    std::optional<QMessageBox::StandardButton> showMessage(
        QMessageBox::Icon icon, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton, Qt::TextFormat format = Qt::AutoText);

    // Live values: listed once, switched on in showEvent and exactly those off in hideEvent.
    void addLiveValue(const QString &coordinate, unsigned short element = 0);
    void showEvent(QShowEvent *event) override;
    // Tab follows the reading order also to widgets the page showed after it was shown itself.
    bool focusNextPrevChild(bool next) override;
    void hideEvent(QHideEvent *event) override;

    // The jump procedure. The analog-input variant mentions, when the page is hidden,
    // that analog inputs may not be configured.
    // Returns whether the host was asked to show the page (false: a message was shown instead).
    enum class HiddenReason { Hidden, NoAnalogInputs };
    bool jumpTo(const QString &identifier, HiddenReason reason = HiddenReason::Hidden);

    // Connects every label with a link ("href") to jumpToWizardPage, once. Labels whose text
    // contains exceptText (when given) are left for the page to connect.
    void connectLinkLabelsToHandler(const QString &exceptText = QString());

    // Motion-block hand-over through the host's "FahrsatzNummer" property: the sender stores
    // the block and jumps; the receiver takes the block when shown (-1: none requested).
    // A jump that does not happen sets the property back, so no later visit takes the block.
    void handOverMotionBlock(int block, const QString &identifier);
    int takeHandedOverMotionBlock() const;

    // A page's translation of a text shared by all pages: the page's own context first,
    // then the common one.
    QString sharedText(const char *sourceText) const;

private slots:
    void onHostReadOnlyChanged();
    void onHostOnlineChanged();

private:
    // Follows the provider's online and read-only signals, once.
    void followHost();
    // Controls that show no text of their own (icon buttons, clickable diagram areas, LEDs,
    // value fields) get an accessible name for screen readers: the caption that belongs to
    // them, else their tooltip, else their object name. A name set in a form stays. Given the
    // page's widgets, as the caller has them at hand.
    void nameControls(const QList<QWidget *> &widgets);
    void switchOffLiveValues();
    // Page-owned choice and spin boxes take the wheel only with focus; otherwise it scrolls the page.
    void guardWheel(const QList<QWidget *> &widgets);

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
    QList<QPointer<QWidget>> m_readOnlyFollowers;
    std::function<void()> m_retranslateForm;
    QObject *m_wheelGuard = nullptr;
    KeyboardAccess *m_keyboardAccess = nullptr;

protected:
    // Jumps to the first page of the list that the host's tree contains (shown or hidden);
    // with none, runs the jump procedure on the first, which reports it missing.
    bool jumpToFirstInTree(const QStringList &identifiers);

    // A click on the LED of bit 0 to 15 of a 16-bit word in the project: the LED shows the new
    // state at once, then the word is written with the bit set or cleared; clearing also drops
    // anything above bit 15. Nothing while read-only; without the parameter only the LED changes.
    void writeWordBit(QStackedWidget *led, const QString &coordinate, int bit, bool set);

public:
    // An LED (a two-page stack) that a click switches: the pointing hand and the link frames'
    // hover light tell a mouse user so, whatever widgets the host puts on its pages.
    static void markClickableLed(QStackedWidget *led);
};
