#include "BrevanePage.h"
#include "HostVariants.h"
#include "IndexedPage.h"
#include "IndirectPair.h"
#include "ModalWatcher.h"
#include "ParameterTextEdit.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>

// A page as small as the shared behaviour allows.
class ProbePage : public IndexedPage
{
    Q_OBJECT
public:
    explicit ProbePage(QWidget *parent = nullptr) : IndexedPage(parent)
    {
        auto *layout = new QVBoxLayout(this);
        index = new QLineEdit(this);
        dec = new QPushButton(this);
        inc = new QPushButton(this);
        edit = new ParameterTextEdit(this);
        edit->setCoordinate(QStringLiteral("J40"));
        link = new QLabel(QStringLiteral("<a href=\"Fahrsatz\">Fahrsatz</a>"), this);
        for (QWidget *widget : QList<QWidget *>{index, dec, inc, edit, link})
            layout->addWidget(widget);
        setupIndex(index, dec, inc, QStringLiteral("J40"));
        addLiveValue(QStringLiteral("E48"));
        addLiveValue(QStringLiteral("I210"), 3);
        addLiveValue(QStringLiteral("X999"));
    }
    QString identifier() const override { return QStringLiteral("Probe"); }
    void initialUpdate() override { observe(QStringLiteral("J40"), SLOT(onJ40Changed())); }
    void UpdatePage() override
    {
        ++updates;
        IndexedPage::UpdatePage();
    }
    using BrevanePage::connectLinkLabelsToHandler;
    using BrevanePage::handOverMotionBlock;
    using BrevanePage::readDisplayText;
    using BrevanePage::readInt;
    using BrevanePage::readText;
    using BrevanePage::takeHandedOverMotionBlock;
    using BrevanePage::writeText;

    QLineEdit *index;
    QPushButton *dec;
    QPushButton *inc;
    ParameterTextEdit *edit;
    QLabel *link;
    int updates = 0;
    int j40Changes = 0;

public slots:
    void onJ40Changed() { ++j40Changes; }
};

// The index field and its buttons as a user finds them: "<index> open" or "<index> locked".
QString indexState(const ProbePage *page)
{
    const QList<bool> enabled = {page->index->isEnabled(), page->inc->isEnabled(), page->dec->isEnabled()};
    return page->index->text() + (!enabled.contains(false) ? " open" : !enabled.contains(true) ? " locked" : " mixed");
}

class TestPageCommon : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_host = new RecordingHost;
        seedTokens(m_host->store(), "J40=0*16 E48 I210=0*4");
        m_page = new ProbePage;
        m_host->attach(m_page);
    }

    void cleanup()
    {
        delete m_page;
        delete m_host;
    }

    void jumpProcedure_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("box"); // "title: text" of the information box

        // The German catalogue installed; the other cases are in every page's journal.
        const QString missing = QString::fromUtf8("Assistent ist nicht verfügbar");
        const QStringList asked = {"containsPage(Fahrsatz)", "isPageVisible(Fahrsatz)"};
        QTest::newRow("hidden") << true << asked << QStringLiteral("Assistent ist ausgeblendet: Assistent ist ausgeblendet");
        QTest::newRow("missing") << false << asked.mid(0, 1) << missing + ": " + missing;
    }

    void jumpProcedure()
    {
        QFETCH(bool, present);
        QFETCH(QStringList, calls);
        QFETCH(QString, box);

        if (present)
            m_host->addPage(QStringLiteral("Fahrsatz"), false);
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(":/Translation/Brevane_de.qm")));
        QCoreApplication::installTranslator(&catalogue);
        ModalWatcher watcher;
        watcher.answer(QMessageBox::Ok);
        // The plain jump is the one that hands over a motion block; a refused jump must not leave
        // the block for a later visit from the tree.
        m_page->handOverMotionBlock(5, QStringLiteral("Fahrsatz"));
        QCoreApplication::removeTranslator(&catalogue);
        QCOMPARE(m_host->fahrsatzNummer(), -1);
        QCOMPARE(m_page->takeHandedOverMotionBlock(), -1);
        QCOMPARE(m_host->calls(), calls);
        QCOMPARE(watcher.unexpectedCount(), 0);
        QStringList boxes;
        for (const ModalWatcher::Seen &seen : watcher.seen())
            boxes << seen.kind + QLatin1Char(' ') + seen.title + QLatin1String(": ") + seen.text;
        QCOMPARE(boxes, QStringList{QLatin1String("information ") + box});
    }

    // Tab walks the links of a label with several of them; Space and Return follow the one chosen,
    // once, though the page connected its labels twice.
    void linksByKeyboard()
    {
        m_host->addPage(QStringLiteral("Fahrsatz"));
        m_host->addPage(QStringLiteral("Folgefahrsatz"));
        m_page->link->setText(QStringLiteral("<a href=\"Fahrsatz\">Fahrsatz</a> <a href=\"Folgefahrsatz\">Folge</a>"));
        m_page->connectLinkLabelsToHandler();
        m_page->connectLinkLabelsToHandler();
        m_page->show();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page));
        m_page->link->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return})
            QTest::keyClick(m_page->link, key);
        QCoreApplication::processEvents();
        QCOMPARE(m_host->calls({"jumpToPage"}), (QStringList{"jumpToPage(Fahrsatz)", "jumpToPage(Folgefahrsatz)"}));
    }

    // A field the page shows later takes its place in the reading order: Tab from the one above it.
    void tabReachesFieldsShownLater()
    {
        auto *later = new QLineEdit(m_page);
        static_cast<QVBoxLayout *>(m_page->layout())->insertWidget(4, later);
        later->hide();
        m_page->show();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page));
        later->show();
        QCoreApplication::processEvents();
        m_page->edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(m_page->edit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), later);
    }

    void indexStepping_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("result");
        // The reference has 16 elements: "start action result".
        const QString rows = QStringLiteral(
            "15 inc 15|3 inc 4|0 dec 0|abc dec 0|99 take 15|-3 take 0|9223372036854775807 inc 15|"
            "-9223372036854775808 dec 0|99999999999 dec 2147483647|99999999999999999999 take 15");
        for (const QString &row : rows.split(QLatin1Char('|'))) {
            const QStringList parts = row.split(QLatin1Char(' '));
            QTest::newRow(qPrintable(row)) << parts.at(0) << parts.at(1) << parts.at(2);
        }
    }

    // The step shows the index and binds the page's controls to its element.
    void indexStepping()
    {
        QFETCH(QString, start);
        QFETCH(QString, action);
        QFETCH(QString, result);
        const uint index = result.toUInt();
        if (index < 16)
            m_host->store().setValue(QStringLiteral("J40"), 0, index, QString::number(index + 100));
        m_page->index->setText(start);
        const int updates = m_page->updates;
        if (action == QLatin1String("inc"))
            m_page->inc->click();
        else if (action == QLatin1String("dec"))
            m_page->dec->click();
        else
            emit m_page->index->editingFinished();
        QCOMPARE(m_page->index->text(), result);
        QCOMPARE(m_page->updates, updates + 1);
        QCOMPARE(m_page->edit->index(), index);
        if (index < 16)
            QCOMPARE(m_page->edit->text(), QString::number(index + 100));
    }

    void indexWithoutElements()
    {
        // Without the reference a step locks the index at 0.
        m_host->store().remove(QStringLiteral("J40"));
        m_page->index->setText(QStringLiteral("5"));
        m_page->inc->click();
        QCOMPARE(indexState(m_page), QStringLiteral("0 locked"));
        // Elements again: the next step opens it.
        seedTokens(m_host->store(), "J40=0*4");
        emit m_page->index->editingFinished();
        QCOMPARE(indexState(m_page), QStringLiteral("0 open"));
    }

    void indexFollowsElementCount()
    {
        const auto count = [this](int elements) {
            m_host->store().parameter(ParameterCoordinate(QStringLiteral("J40"))).toStrongRef()->setElementCount(ushort(elements));
        };
        m_page->show();
        m_page->index->setText(QStringLiteral("10"));
        emit m_page->index->editingFinished();
        count(0);
        QCOMPARE(indexState(m_page), QStringLiteral("0 locked"));
        // Elements come back while the page stays shown: no step is needed to unlock it.
        const int updates = m_page->updates;
        count(8);
        QCOMPARE(indexState(m_page), QStringLiteral("0 open"));
        QCOMPARE(m_page->updates, updates + 1);
        // A value change that leaves the count alone does not re-bind.
        m_host->store().setValue(QStringLiteral("J40"), 0, 1, QStringLiteral("5"));
        QCOMPARE(m_page->updates, updates + 1);
        // While hidden nothing happens; showing the page catches up.
        m_page->hide();
        count(0);
        QCOMPARE(indexState(m_page), QStringLiteral("0 open"));
        m_page->show();
        QCOMPARE(indexState(m_page), QStringLiteral("0 locked"));
    }

    // Hidden, a page switches off what it switched on, and only that (deleted while shown, every
    // page is checked for it by the every-page rules).
    void liveValuesFollowVisibility()
    {
        m_page->show();
        const QStringList on = {QStringLiteral("E48@1.0"), QStringLiteral("I210@1.3")};
        QCOMPARE(m_host->store().cyclicUpdates(), on);
        QCOMPARE(m_page->liveValuesOn(), on);
        // A value another page switched on stays on.
        m_host->store().information(ParameterCoordinate("J40")).toStrongRef()->setCyclicUpdate(eLivingSpace(1), 0, true);
        m_page->hide();
        QVERIFY(m_page->liveValuesOn().isEmpty());
        QCOMPARE(m_host->store().cyclicUpdates(), QStringList{QStringLiteral("J40@1.0")});
    }

    void readIntIn64Bits_data()
    {
        QTest::addColumn<unsigned short>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        using T = ParameterDataType::Code;
        const QMap<QString, ushort> types = {{"u32", T::UInt32}, {"i32", T::Int32}, {"real", T::Real32}, {"text", T::String}};
        // "type text value": the bit 31 of a status word, all 32 bits, the lowest INT32, the largest and
        // beyond 64 bits, no decimal number, a fraction, nothing.
        const QString rows = QStringLiteral(
            "u32 2147483648 2147483648|u32 4294967295 4294967295|i32 -2147483648 -2147483648|"
            "text 9223372036854775807 9223372036854775807|text 9223372036854775808 0|text -9223372036854775809 0|"
            "text 0x10 0|text 010 10|text abc 0|real 1.5 0|text  0");
        for (const QString &row : rows.split(QLatin1Char('|'))) {
            const QStringList parts = row.split(QLatin1Char(' '));
            QTest::newRow(qPrintable(row)) << types.value(parts.at(0)) << parts.at(1) << parts.at(2).toLongLong();
        }
    }

    void readIntIn64Bits()
    {
        QFETCH(unsigned short, type);
        QFETCH(QString, text);
        QFETCH(qint64, value);
        seed(m_host->store(), {{QStringLiteral("E10"), text, 1, type}});
        QCOMPARE(m_page->readInt(QStringLiteral("E10")), value);
        QCOMPARE(m_page->readInt(QStringLiteral("X1")), Q_INT64_C(0));
    }

    void elementsBeyondTheArray()
    {
        seed(m_host->store(), {{"G806", "7", 2, ParameterDataType::Int32, {{7, "sieben"}, {8, "acht"}}}});
        m_host->store().setRecordingWrites(true);
        for (const unsigned short element : {ushort(2), ushort(4), ushort(65535)}) {
            QCOMPARE(m_page->readText(QStringLiteral("G806"), element), QString());
            QCOMPARE(m_page->readDisplayText(QStringLiteral("G806"), element), QString());
            QCOMPARE(m_page->readInt(QStringLiteral("G806"), element), Q_INT64_C(0));
            QVERIFY(!m_page->writeText(QStringLiteral("G806"), element, QStringLiteral("1")));
        }
        QVERIFY(m_page->writeText(QStringLiteral("G806"), 1, QStringLiteral("1")));
        m_host->setReadOnly(true);
        QVERIFY(!m_page->writeText(QStringLiteral("G806"), 1, QStringLiteral("2")));
        QCOMPARE(m_host->store().writtenValues().size(), 1);
        // The provider was never asked for an element it does not have.
        QCOMPARE(m_host->store().elementOverruns(), QStringList());
        QVERIFY(!m_page->writeText(QStringLiteral("X1"), 0, QStringLiteral("1")));
    }

    // Element 0 of a parameter the host has is read and written also where the host reports no
    // elements for a plain parameter; nothing beyond it is asked for.
    void plainParameters()
    {
        RecordingHost recording;
        VariantHost host(&recording, HostBehaviour::PlainCountZero, 1);
        seed(recording.store(), {{"E10", "7", 1, ParameterDataType::Int32, {{7, "sieben"}, {8, "acht"}}},
                                 {"E11", "E10", 1, ParameterDataType::Address}});
        ProbePage page;
        page.setPageHost(&host);
        page.initializeParameterControls();
        page.initialUpdate();
        recording.store().setRecordingWrites(true);
        QCOMPARE(page.readInt(QStringLiteral("E10")), Q_INT64_C(7));
        QCOMPARE(page.readDisplayText(QStringLiteral("E10")), QStringLiteral("sieben"));
        QVERIFY(page.writeText(QStringLiteral("E10"), 0, QStringLiteral("8")));
        QCOMPARE(recording.store().value(QStringLiteral("E10")), QStringLiteral("8"));
        QCOMPARE(page.readText(QStringLiteral("E10"), 1), QString());
        QVERIFY(!page.writeText(QStringLiteral("E10"), 1, QStringLiteral("7")));
        // An address in a plain parameter naming a plain parameter shows it.
        ParameterTextEdit label, editor;
        const IndirectPair pair(QStringLiteral("E11"), &label, &editor);
        QVERIFY(pair.update(host.parameterProvider(), host.livingSpace(), 0));
        QCOMPARE(editor.coordinate(), QStringLiteral("E10"));
        QCOMPARE(recording.store().writtenValues().size(), 1);
        QCOMPARE(recording.store().elementOverruns(), QStringList());
    }

    void observeConnectsOnce()
    {
        m_page->initialUpdate();
        m_host->store().setValue(QStringLiteral("J40"), QStringLiteral("1"));
        QCOMPARE(m_page->j40Changes, 1);
    }

private:
    RecordingHost *m_host = nullptr;
    ProbePage *m_page = nullptr;
};

QTEST_MAIN(TestPageCommon)
#include "tst_pagecommon.moc"
