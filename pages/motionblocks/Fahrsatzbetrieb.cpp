#include "Fahrsatzbetrieb.h"

#include "AnzahlFahrsaetzeAendern.h"
#include "BlockCount.h"
#include "MotionBlockTable.h"
#include "ui_Fahrsatzbetrieb.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {

using Information = QSharedPointer<ParameterInformation>;
using Link = MotionBlockTableModel::Link;

// Every change of these refills the table.
const char *const watchedCoordinates[] = {
    "J10",  "J11",  "J13",  "J14",  "J15",  "J16",  "J17",  "J25",  "J30",  "J32",  "J251",
    "J261", "J271", "J281", "J252", "J262", "J272", "J282", "J253", "J263", "J273", "J283",
    "J254", "J264", "J274", "J284", "J255", "J265", "J275", "J285", "J286", "I30"};

// The follow-up entries of a row: interrupt, block end, buffered.
const char *const followUpCoordinates[MotionBlockTableModel::FollowUpCount] = {
    "J271", "J272", "J273", "J274", "J275", "J281", "J282", "J283", "J284", "J285", "J286"};

// Set back to their defaults by a reset, block by block in this order.
const char *const resetCoordinates[] = {
    "J10",  "J11",  "J13",  "J14",  "J15",  "J16",  "J17",  "J18",  "J19",  "J20",  "J24",  "J25",
    "J26",  "J27",  "J28",  "J30",  "J57",  "J58",  "J59",  "J60",  "J62",  "J63",  "J64",  "J65",
    "J67",  "J68",  "J69",  "J70",  "J72",  "J73",  "J74",  "J75",  "J251", "J252", "J253", "J254",
    "J255", "J261", "J262", "J263", "J264", "J265", "J271", "J272", "J273", "J274", "J275", "J281",
    "J282", "J283", "J284", "J285", "J440", "J441", "J442", "J443", "J444"};

const char *const headerTexts[MotionBlockTableModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("Fahrsatzbetrieb", "Nummer"),
    QT_TRANSLATE_NOOP("Fahrsatzbetrieb", "Name"),
    QT_TRANSLATE_NOOP("Fahrsatzbetrieb", "Kommando"),
    QT_TRANSLATE_NOOP("Fahrsatzbetrieb", "Sollwert"),
    QT_TRANSLATE_NOOP("Fahrsatzbetrieb", "Folgefahrsatz-Interrupt"),
    QT_TRANSLATE_NOOP("Fahrsatzbetrieb", "Folgefahrsatz-Fahrsatzende"),
    QT_TRANSLATE_NOOP("Fahrsatzbetrieb", "Gepufferter Folgefahrsatz")};

// Reads the rows of one fill. The parameters are looked up once per fill, not once per
// cell: at 16380 blocks that is half a million lookups less.
class RowReader
{
public:
    template <class Lookup>
    RowReader(Lookup lookup, eLivingSpace space)
        : m_space(space), m_names(lookup("J10")), m_commands(lookup("J11")), m_j13(lookup("J13")),
          m_j14(lookup("J14")), m_j16(lookup("J16")), m_j26(lookup("J26")), m_j30(lookup("J30")),
          m_j32(lookup("J32"))
    {
        for (int k = 0; k < MotionBlockTableModel::FollowUpCount; ++k)
            m_followUps[k] = lookup(followUpCoordinates[k]);
        // Element 0 of these holds for every block.
        const Information i30 = lookup("I30");
        m_i30Text = QStringLiteral("I30: ") + display(i30, 0);
        m_j32Text = value(m_j32, 0);
    }

    MotionBlockTableModel::Row read(unsigned short block) const
    {
        MotionBlockTableModel::Row row;
        row.name = value(m_names, block);
        row.command = display(m_commands, block);
        row.setpoint = setpoint(value(m_commands, block).toInt(nullptr, 10), block, &row.link);
        for (int k = 0; k < MotionBlockTableModel::FollowUpCount; ++k) {
            const Information &information = m_followUps[k];
            const QString text = value(information, block);
            row.followUps[k] = !holds(information, block) || text == QLatin1String("-1") ? dash() : text;
        }
        return row;
    }

private:
    static const QString &dash()
    {
        static const QString text = QStringLiteral("-");
        return text;
    }

    // A per-block parameter may be shorter than J10: its missing blocks read as missing, by the
    // core's bound rule rather than past the array's end.
    static bool holds(const Information &information, unsigned short element)
    {
        return information && BrevanePage::holdsElement(information->elementCount(), element);
    }
    QString value(const Information &information, unsigned short element) const
    {
        return holds(information, element) ? information->valueText(m_space, element, false) : QString();
    }
    QString display(const Information &information, unsigned short element) const
    {
        return holds(information, element) ? information->displayText(m_space, element, true) : QString();
    }
    QString displayOrDash(const Information &information, unsigned short element) const
    {
        return holds(information, element) ? display(information, element) : dash();
    }

    // The setpoint column by command code; setpoints kept on another page become a link.
    QString setpoint(int command, unsigned short block, Link *link) const
    {
        switch (command) {
        case 1:
        case 2:
        case 3: return displayOrDash(m_j13, block);
        case 4:
        case 8:
            if (!holds(m_j30, block))
                return dash();
            if (value(m_j30, block) == QLatin1String("0"))
                return displayOrDash(m_j14, block);
            *link = Link::G462;
            return QString();
        case 5:
        case 11: return displayOrDash(m_j16, block);
        case 6: return m_i30Text;
        case 9:
            if (!m_j32)
                return dash();
            if (m_j32Text == QLatin1String("0"))
                return displayOrDash(m_j26, block);
            *link = Link::G471;
            return QString();
        case 12:
        case 14: *link = Link::G80; return QString();
        case 13: *link = Link::I88; return QString();
        default: return dash();
        }
    }

    eLivingSpace m_space;
    Information m_names, m_commands, m_j13, m_j14, m_j16, m_j26, m_j30, m_j32;
    std::array<Information, MotionBlockTableModel::FollowUpCount> m_followUps;
    QString m_i30Text;
    QString m_j32Text;
};

} // namespace

Fahrsatzbetrieb::Fahrsatzbetrieb(QWidget *parent)
    : BrevanePage(parent), ui(std::make_unique<Ui::Fahrsatzbetrieb>()), m_refreshTimer(new QTimer(this)),
      m_model(new MotionBlockTableModel(this))
{
    setupForm(*ui);
    ui->tWFahrsaetze->setModel(m_model);
    connect(ui->tWFahrsaetze, &MotionBlockTableView::targetClicked, this, &Fahrsatzbetrieb::onTableTargetClicked);

    m_refreshTimer->setSingleShot(true);
    connect(m_refreshTimer, SIGNAL(timeout()), this, SLOT(onFahrsatzTableChanged()));
}

Fahrsatzbetrieb::~Fahrsatzbetrieb() = default;

QString Fahrsatzbetrieb::identifier() const
{
    return QString::fromLatin1("Fahrsatzbetrieb");
}

void Fahrsatzbetrieb::initialUpdate()
{
    connectParameterControls();
}

void Fahrsatzbetrieb::connectParameterControls()
{
    for (const char *coordinate : watchedCoordinates)
        observe(QString::fromLatin1(coordinate), SLOT(onCollectValueChangeSignals()));
    connect(ui->pushButtonAnzahlAendern, SIGNAL(clicked()), this, SLOT(AnzahlAendernClicked()), Qt::UniqueConnection);
    connect(ui->pushButtonResetFahrsaetze, SIGNAL(clicked()), this, SLOT(ResetFahrsaetzeClicked()),
            Qt::UniqueConnection);
    if (ParameterProvider *provider = pageHost() ? pageHost()->parameterProvider() : nullptr) {
        connect(provider, SIGNAL(onlineChanged(bool)), this, SLOT(onOnlineChanged(bool)), Qt::UniqueConnection);
        // The buttons write, so they follow the read-only state as well.
        connect(provider, SIGNAL(readOnlyChanged(bool)), this, SLOT(onOnlineChanged(bool)), Qt::UniqueConnection);
    }
    onOnlineChanged();
    onFahrsatzTableChanged();
}

void Fahrsatzbetrieb::onCollectValueChangeSignals()
{
    m_refreshTimer->start(1000);
}

void Fahrsatzbetrieb::onFahrsatzTableChanged()
{
    // This fill shows every change collected so far.
    m_refreshTimer->stop();

    QStringList headers;
    for (const char *text : headerTexts)
        headers << tr(text);

    const Information names = parameterInformation(QStringLiteral("J10"));
    const int count = names ? names->elementCount() : 0;
    ui->LblValueAnzahlFahrsaetze->setText(QString::number(count));

    const RowReader reader([this](const char *coordinate) { return parameterInformation(QString::fromLatin1(coordinate)); },
                           livingSpace());
    QList<MotionBlockTableModel::Row> rows;
    rows.reserve(count);
    for (int block = 0; block < count; ++block)
        rows << reader.read(static_cast<unsigned short>(block));

    // The table is rebuilt, but the user stays where he was in it, the keyboard's cell included.
    MotionBlockTableView *table = ui->tWFahrsaetze;
    const int scrolled = table->verticalScrollBar()->value();
    const QModelIndex current = table->currentIndex();
    m_model->setContents(headers, std::move(rows));
    table->fitToContents();
    if (current.isValid() && count > 0) {
        table->selectionModel()->setCurrentIndex(m_model->index(qMin(current.row(), count - 1), current.column()),
                                                 QItemSelectionModel::NoUpdate);
    }
    table->verticalScrollBar()->setValue(scrolled);
    // A drive loaded anew may have gained or lost J10.
    onOnlineChanged();
}

void Fahrsatzbetrieb::onOnlineChanged(bool)
{
    // The number of blocks changes only offline; nothing that writes is enabled while read-only.
    // Without J10 the count is unknown, and confirming the dialog's 1 would cut every
    // per-block parameter down to one element.
    const bool readOnly = isReadOnly();
    ui->pushButtonAnzahlAendern->setEnabled(!isOnline() && !readOnly && hasParameter(QStringLiteral("J10")));
    ui->pushButtonResetFahrsaetze->setEnabled(!readOnly);
}

void Fahrsatzbetrieb::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    onOnlineChanged();
}

void Fahrsatzbetrieb::AnzahlAendernClicked()
{
    const Information names = parameterInformation(QStringLiteral("J10"));
    const auto count = runDialog(new AnzahlFahrsaetzeAendern(names ? names->elementCount() : 1, this));
    if (!count || *count == -1)
        return;
    if (!BlockCount::isValid(*count)) {
        showMessage(QMessageBox::Information, tr("Fehler!"), tr("Ungültige Fahrsatzanzahl"));
        return;
    }
    if (isReadOnly())
        return;
    // The dialog ends as soon as its field loses the focus, so the number may be one typed
    // half-way: fewer blocks are only taken after the question that names those that go.
    const auto outcome = BlockCount::change(pageHost(), elementCount(QStringLiteral("J10")), *count,
                                            [this](const QString &title, const QString &text) {
                                                return showMessage(QMessageBox::Question, title, text,
                                                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
                                            });
    if (outcome == BlockCount::Outcome::PageGone)
        return;
    onFahrsatzTableChanged();
}

void Fahrsatzbetrieb::ResetFahrsaetzeClicked()
{
    const Information names = parameterInformation(QStringLiteral("J10"));
    const int count = names ? names->elementCount() : 1;
    const auto answer = showMessage(QMessageBox::Question, tr("Fahrsätze Reset"),
                                    tr("Alle Fahrsätze auf Defaultwerte zurücksetzen?"),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer != QMessageBox::Yes)
        return;

    // Looked up once for the whole reset; a parameter the drive lacks stays null and is skipped.
    QList<QPair<QString, QSharedPointer<ParameterObject>>> parameters;
    for (const char *coordinate : resetCoordinates) {
        const QString name = QString::fromLatin1(coordinate);
        if (const auto parameter = parameterObject(name))
            parameters.append({name, parameter});
    }
    const eLivingSpace space = livingSpace();
    for (int block = 0; block < count; ++block) {
        const auto element = static_cast<unsigned short>(block);
        for (const auto &[name, parameter] : std::as_const(parameters)) {
            // A parameter shorter than J10 has no such block to reset.
            if (element < parameter->elementCount())
                writeText(name, element, parameter->defaultValueText(space, element, false));
        }
    }
    // The table follows through the value changes and the refresh timer.
}

void Fahrsatzbetrieb::JumpToClickedMotionBlock(int block)
{
    handOverMotionBlock(block, QStringLiteral("Fahrsatz"));
}

void Fahrsatzbetrieb::JumpToClickedFollowMotionBlock(int row)
{
    // The follow-up page opens on the block of the clicked row, not on the block the entry names.
    handOverMotionBlock(row, QStringLiteral("Folgefahrsatz"));
}

void Fahrsatzbetrieb::JumpToG462()
{
    jumpTo(QStringLiteral("DbmQuelleExterneGeschwindigkeit"));
}

void Fahrsatzbetrieb::JumpToG471()
{
    jumpTo(QStringLiteral("DbmQuelleDrehmKraftGeschwKlammerung"));
}

void Fahrsatzbetrieb::JumpToG80()
{
    jumpTo(QStringLiteral("SynchronBetrieb"));
}

void Fahrsatzbetrieb::JumpToAntriebsbeobBewegung()
{
    jumpTo(QStringLiteral("AntriebBeobBewegung"));
}

void Fahrsatzbetrieb::onTableTargetClicked(const QModelIndex &index, int)
{
    switch (index.column()) {
    case MotionBlockTableModel::NumberColumn: JumpToClickedMotionBlock(index.row()); break;
    case MotionBlockTableModel::SetpointColumn:
        switch (Link(index.data(MotionBlockTableModel::LinkRole).toInt())) {
        case Link::G462: JumpToG462(); break;
        case Link::G471: JumpToG471(); break;
        case Link::G80: JumpToG80(); break;
        case Link::I88: JumpToAntriebsbeobBewegung(); break;
        case Link::None: break;
        }
        break;
    default: JumpToClickedFollowMotionBlock(index.row()); break;
    }
}

namespace {

// The first run of digits in a name ("Button_12_3" gives 12); -1 without one.
int firstNumberIn(const QString &name)
{
    const QRegularExpressionMatch digits = QRegularExpression(QStringLiteral("\\d+")).match(name);
    return digits.hasMatch() ? digits.captured().toInt() : -1;
}

} // namespace

void Fahrsatzbetrieb::JumpToClickedMotionBlock()
{
    if (auto *button = qobject_cast<QAbstractButton *>(sender())) {
        bool ok = false;
        const int block = button->text().toInt(&ok, 10);
        if (ok)
            JumpToClickedMotionBlock(block);
        else
            JumpToClickedFollowMotionBlock(std::max(firstNumberIn(button->objectName()), 0));
        return;
    }
    if (const int row = ui->tWFahrsaetze->currentIndex().row(); row >= 0)
        JumpToClickedMotionBlock(row);
}

void Fahrsatzbetrieb::JumpToClickedFollowMotionBlock()
{
    const int row = sender() ? firstNumberIn(sender()->objectName()) : ui->tWFahrsaetze->currentIndex().row();
    if (sender() || row >= 0)
        JumpToClickedFollowMotionBlock(std::max(row, 0));
}
