#include "motionblocks/AnzahlFahrsaetzeAendern.h"
#include "motionblocks/Fahrsatzbetrieb.h"
#include "ModalWatcher.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QStringList resizedCoordinates = {
    "J10",  "J11",  "J13",  "J14",  "J15",  "J16",  "J17",  "J18",  "J19",  "J20",  "J21",  "J22",  "J24",
    "J25",  "J26",  "J27",  "J28",  "J30",  "J31",  "J33",  "J55",  "J57",  "J58",  "J59",  "J60",  "J62",  "J63",  "J64",  "J65",
    "J67",  "J68",  "J69",  "J70",  "J72",  "J73",  "J74",  "J75",  "J251", "J252", "J253", "J254", "J255",
    "J261", "J262", "J263", "J264", "J265", "J271", "J272", "J273", "J274", "J275", "J281", "J282", "J283",
    "J284", "J285", "J286", "J440", "J441", "J442", "J443", "J444", "J452"};

const QStringList resetCoordinates = {
    "J10",  "J11",  "J13",  "J14",  "J15",  "J16",  "J17",  "J18",  "J19",  "J20",  "J24",  "J25",
    "J26",  "J27",  "J28",  "J30",  "J57",  "J58",  "J59",  "J60",  "J62",  "J63",  "J64",  "J65",
    "J67",  "J68",  "J69",  "J70",  "J72",  "J73",  "J74",  "J75",  "J251", "J252", "J253", "J254",
    "J255", "J261", "J262", "J263", "J264", "J265", "J271", "J272", "J273", "J274", "J275", "J281",
    "J282", "J283", "J284", "J285", "J440", "J441", "J442", "J443", "J444"};

template <class Widget>
Widget *child(QObject *parent, const char *name)
{
    auto *widget = parent->findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

// How a test ends the dialog after typing into the field.
enum class Ending { OkButton, CancelButton, ReturnKey, EscapeKey, CloseButton, FieldLeftForInc };

} // namespace

class TestBlockCount : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stepping_data();
    void stepping();
    void dialogOutcome_data();
    void dialogOutcome();
    void countChange_data();
    void countChange();
    void reset_data();
    void reset();

private:
    void attach();

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<Fahrsatzbetrieb> m_page;
};

void TestBlockCount::init()
{
    m_host = std::make_unique<RecordingHost>();
    m_host->setOnline(false);
    QList<SeedParameter> parameters;
    QStringList coordinates = resizedCoordinates + resetCoordinates;
    coordinates.removeDuplicates();
    for (const QString &coordinate : coordinates)
        parameters.append({coordinate, QStringLiteral("5"), 3});
    seed(m_host->store(), parameters);
}

void TestBlockCount::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestBlockCount::attach()
{
    m_page = std::make_unique<Fahrsatzbetrieb>();
    m_host->attach(m_page.get());
}

void TestBlockCount::stepping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("increment");
    QTest::addColumn<QString>("expected");

    QTest::newRow("down from 5") << "5" << false << "4";
    QTest::newRow("down from 1") << "1" << false << "1";
    QTest::newRow("down from empty") << "" << false << "1";
    QTest::newRow("down from text") << "abc" << false << "1";
    QTest::newRow("up from empty") << "" << true << "2";
    QTest::newRow("up from text") << "abc" << true << "1";
    QTest::newRow("up from 16379") << "16379" << true << "16380";
    QTest::newRow("up from 16380") << "16380" << true << "16380";
    QTest::newRow("up from the largest int") << "2147483647" << true << "16380";
    QTest::newRow("down from the smallest int") << "-2147483648" << false << "1";
}

void TestBlockCount::stepping()
{
    QFETCH(QString, text);
    QFETCH(bool, increment);
    QFETCH(QString, expected);

    AnzahlFahrsaetzeAendern dialog(7);
    auto *field = child<QLineEdit>(&dialog, "lineEditAnzahlFahrsaetze");
    QCOMPARE(field->text(), QStringLiteral("7"));
    field->setText(text);
    child<QToolButton>(&dialog, increment ? "toolButtonInc" : "toolButtonDec")->click();
    QCOMPARE(field->text(), expected);
}

void TestBlockCount::dialogOutcome_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("result");

    QTest::newRow("ok") << "20" << Ending::OkButton << 20;
    QTest::newRow("return") << "16380" << Ending::ReturnKey << 16380;
    QTest::newRow("field left") << "12" << Ending::FieldLeftForInc << 12;
    QTest::newRow("not a number") << "zwoelf" << Ending::OkButton << -1;
    QTest::newRow("0") << "0" << Ending::OkButton << -1;
    QTest::newRow("negative") << "-5" << Ending::OkButton << -5;
    QTest::newRow("cancel after typing") << "20" << Ending::CancelButton << -1;
    QTest::newRow("escape after typing") << "20" << Ending::EscapeKey << -1;
    QTest::newRow("closed after typing") << "20" << Ending::CloseButton << -1;
}

void TestBlockCount::dialogOutcome()
{
    QFETCH(QString, typed);
    QFETCH(Ending, ending);
    QFETCH(int, result);

    AnzahlFahrsaetzeAendern dialog(3);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Anzahl ändern"));
    ModalWatcher watcher;
    watcher.handleDialog([&](QDialog *shown) {
        auto *field = child<QLineEdit>(shown, "lineEditAnzahlFahrsaetze");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, typed);
        switch (ending) {
        case Ending::OkButton: QTest::mouseClick(child<QPushButton>(shown, "pushButtonOk"), Qt::LeftButton); break;
        case Ending::CancelButton: {
            // A dialog closed by the press never sees the release.
            auto *cancel = child<QPushButton>(shown, "pushButtonCancel");
            QTest::mousePress(cancel, Qt::LeftButton);
            if (shown->isVisible())
                QTest::mouseRelease(cancel, Qt::LeftButton);
            break;
        }
        case Ending::ReturnKey: QTest::keyClick(field, Qt::Key_Return); break;
        case Ending::EscapeKey: QTest::keyClick(field, Qt::Key_Escape); break;
        case Ending::CloseButton: shown->close(); break;
        case Ending::FieldLeftForInc: child<QToolButton>(shown, "toolButtonInc")->setFocus(); break;
        }
    });
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(watcher.unexpectedCount(), 0);
}

void TestBlockCount::countChange_data()
{
    QTest::addColumn<QString>("typed");   // empty: cancel
    QTest::addColumn<bool>("readOnly");   // turned read-only while the dialog is open
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("message");

    QTest::newRow("20") << "20" << false << 20 << false;
    QTest::newRow("16380") << "16380" << false << 16380 << false;
    QTest::newRow("16381") << "16381" << false << 3 << true;
    QTest::newRow("20000") << "20000" << false << 3 << true;
    QTest::newRow("-5") << "-5" << false << 3 << true;
    QTest::newRow("0") << "0" << false << 3 << false;
    QTest::newRow("cancel") << "" << false << 3 << false;
    QTest::newRow("read-only meanwhile") << "20" << true << 3 << false;
}

void TestBlockCount::countChange()
{
    QFETCH(QString, typed);
    QFETCH(bool, readOnly);
    QFETCH(int, count);
    QFETCH(bool, message);

    m_host->store().remove("J55"); // a parameter the drive lacks is skipped
    attach();
    ModalWatcher watcher;
    QString offered;
    watcher.handleDialog([&](QDialog *shown) {
        auto *field = child<QLineEdit>(shown, "lineEditAnzahlFahrsaetze");
        offered = field->text();
        if (typed.isEmpty()) {
            child<QPushButton>(shown, "pushButtonCancel")->click();
            return;
        }
        field->setText(typed);
        m_host->setReadOnly(readOnly);
        child<QPushButton>(shown, "pushButtonOk")->click();
    });
    if (message)
        watcher.answer(QMessageBox::Ok);
    m_page->AnzahlAendernClicked();

    QCOMPARE(offered, QStringLiteral("3"));
    QCOMPARE(watcher.unexpectedCount(), 0);
    QCOMPARE(watcher.pendingAnswers(), 0);
    QCOMPARE(watcher.titles().mid(1), message ? QStringList{"Fehler!"} : QStringList());
    QCOMPARE(watcher.texts().mid(1), message ? QStringList{"Ungültige Fahrsatzanzahl"} : QStringList());
    for (const QString &coordinate : resizedCoordinates) {
        if (coordinate != QLatin1String("J55"))
            QCOMPARE(m_host->store().definition(coordinate)->elementCount, count);
    }
    // The table follows at once.
    QCOMPARE(m_page->findChild<QAbstractItemView *>("tWFahrsaetze")->model()->rowCount(), count);
    QCOMPARE(m_page->findChild<QLabel *>("LblValueAnzahlFahrsaetze")->text(), QString::number(count));
}

void TestBlockCount::reset_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<bool>("readOnly");   // turned read-only while the question is open
    QTest::addColumn<int>("blocks");      // blocks written

    QTest::newRow("yes") << QMessageBox::Yes << "" << false << 3;
    QTest::newRow("no") << QMessageBox::No << "" << false << 0;
    QTest::newRow("J19 missing") << QMessageBox::Yes << "J19" << false << 3;
    QTest::newRow("J10 missing: one block") << QMessageBox::Yes << "J10" << false << 1;
    QTest::newRow("read-only meanwhile") << QMessageBox::Yes << "" << true << 0;
}

void TestBlockCount::reset()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, missing);
    QFETCH(bool, readOnly);
    QFETCH(int, blocks);

    ParameterStore &store = m_host->store();
    if (!missing.isEmpty())
        store.remove(missing);
    store.setValue("J13", 1, 1, "9");
    store.setValue("J444", 1, 2, "9");
    attach();
    store.setRecordingWrites(true);
    ModalWatcher watcher;
    watcher.actOnNext([&] {
        m_host->setReadOnly(readOnly);
        qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->button(answer)->click();
    });
    m_page->ResetFahrsaetzeClicked();

    QCOMPARE(watcher.titles(), QStringList{"Fahrsätze Reset"});
    QCOMPARE(watcher.texts(), QStringList{"Alle Fahrsätze auf Defaultwerte zurücksetzen?"});
    QList<ParameterStore::WrittenValue> expected;
    for (int block = 0; block < blocks; ++block) {
        for (const QString &coordinate : resetCoordinates) {
            if (coordinate != missing)
                expected.append({coordinate, 1, static_cast<unsigned short>(block), QStringLiteral("5")});
        }
    }
    QCOMPARE(store.writtenValues().size(), expected.size());
    QVERIFY(store.writtenValues() == expected);
    if (blocks == 3) {
        QCOMPARE(store.value("J13", 1, 1), QStringLiteral("5"));
        QCOMPARE(store.value("J444", 1, 2), QStringLiteral("5"));
    }
}

QTEST_MAIN(TestBlockCount)
#include "tst_blockcount.moc"
