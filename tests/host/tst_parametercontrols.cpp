#include "ParameterChoiceComboBox.h"
#include "ParameterLabel.h"
#include "ParameterTextEdit.h"
#include "StoreSeed.h"

#include <QTest>

namespace {

// As a user finishes typing into the field.
void enter(ParameterTextEdit *edit, const QString &text)
{
    edit->setText(text);
    emit edit->editingFinished();
}

} // namespace

class TestParameterControls : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_store = new ParameterStore;
        m_page = new QWidget;
        seed(*m_store, {{"K08", "1", 1, ParameterDataType::Int32, {{1, "Fahrsatz"}, {2, "Kommando"}}},
                        {"J99", "0", 1, ParameterDataType::Int32, {}, true}});
        seedTokens(*m_store, "J40=5*4 J11=0[0:14]");
    }

    void cleanup()
    {
        delete m_page;
        delete m_store;
    }

    void textEditWrites_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no number") << "zwölf" << "0";
        QTest::newRow("above limit") << "15" << "0";
    }

    void textEditWrites()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto *edit = make<ParameterTextEdit>("J11");
        enter(edit, typed);
        // A refused write leaves the stored value in the field, not what was typed.
        QCOMPARE(m_store->value("J11") + ' ' + edit->text(), shown + ' ' + shown);
    }

    void textEditIndexAndRebind()
    {
        auto *edit = make<ParameterTextEdit>("J40", 1);
        // Other elements do not disturb what the user is typing; a new element count does.
        edit->setText("typing");
        m_store->setValue("J40", 0, 3, "33");
        QCOMPARE(edit->text(), QStringLiteral("typing"));
        const auto j40 = m_store->parameter(ParameterCoordinate(QStringLiteral("J40"))).toStrongRef();
        j40->setElementCount(1);
        QCOMPARE(edit->text(), QString());
        j40->setElementCount(4);
        QCOMPARE(edit->text(), QStringLiteral("5"));
        // An index beyond the elements shows nothing, cannot be edited, and reads nothing beyond the array.
        m_store->clearElementOverruns();
        edit->setIndex(9);
        QCOMPARE(edit->text(), QString());
        QVERIFY(edit->isReadOnly());
        QCOMPARE(make<ParameterChoiceComboBox>("K08", 3)->count(), 0);
        QCOMPARE(m_store->elementOverruns(), QStringList());
    }

    void readOnlyStates()
    {
        auto *edit = make<ParameterTextEdit>("J40");
        auto *combo = make<ParameterChoiceComboBox>("K08");
        m_store->setReadOnly(true);
        QVERIFY(edit->isReadOnly() && !combo->isEnabled());
        enter(edit, "8");
        QCOMPARE(m_store->value("J40"), QStringLiteral("5"));

        m_store->setReadOnly(false);
        QVERIFY(!edit->isReadOnly() && combo->isEnabled());

        // A control the page disabled stays disabled when the host becomes editable again.
        combo->setEnabled(false);
        m_store->setReadOnly(true);
        m_store->setReadOnly(false);
        QVERIFY(!combo->isEnabled());
    }

    void forcedStates()
    {
        auto *edit = new ParameterTextEdit(m_page);
        edit->setCoordinate("J40");
        edit->setProperty("forceReadonly", true);
        edit->setProperty("forceHidden", false);
        edit->initialize(m_store, eLivingSpaceCurrent);
        QVERIFY(edit->isReadonlyForced() && edit->isReadOnly());
        edit->setReadonlyForced(false);
        QVERIFY(!edit->isReadOnly());

        // Hidden while forced hidden or not forced visible by the page, or hidden by the page
        // itself; a value change does not undo what the page did.
        m_page->show();
        auto *hidden = make<ParameterTextEdit>("J99");
        QString seen;
        const auto look = [&] { seen += QString::number(edit->isHidden()) + QString::number(hidden->isHidden()); };
        look();
        edit->setHiddenForced(true);
        hidden->setVisibleForced(true);
        look();
        edit->setVisibleForced(true);
        look();
        edit->setVisibleForced(false);
        look();
        edit->setHiddenForced(false);
        edit->hide();
        m_store->setValue("J40", "6");
        look();
        edit->show();
        m_store->setValue("J40", "7");
        look();
        QCOMPARE(seen, QStringLiteral("011000101000"));
    }

    void missingParameter()
    {
        auto *edit = make<ParameterTextEdit>("X1");
        QCOMPARE(edit->text(), QString());
        QVERIFY(edit->isReadOnly());
        QCOMPARE(make<ParameterChoiceComboBox>("X2")->count(), 0);
        QCOMPARE(make<ParameterLabel>("X3")->text(), QStringLiteral("X3"));
        enter(edit, "1");
        QCOMPARE(edit->text(), QString());
        // An uninitialized control does nothing at all.
        ParameterTextEdit loose;
        loose.setCoordinate("J40");
        enter(&loose, "1");
        QCOMPARE(m_store->value("J40"), QStringLiteral("5"));
    }

private:
    ParameterStore *m_store = nullptr;
    QWidget *m_page = nullptr;

    template <class Control>
    Control *make(const QString &coordinate, unsigned index = 0)
    {
        auto *control = new Control(m_page);
        control->setCoordinate(coordinate);
        control->setIndex(index);
        control->initialize(m_store, eLivingSpaceCurrent);
        return control;
    }
};

QTEST_MAIN(TestParameterControls)
#include "tst_parametercontrols.moc"
