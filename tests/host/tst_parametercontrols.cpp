#include "ParameterChoiceComboBox.h"
#include "ParameterLabel.h"
#include "ParameterTextEdit.h"
#include "StoreSeed.h"

#include <QSignalSpy>
#include <QTest>

class TestParameterControls : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void textEditFollowsAndWrites_data();
    void textEditFollowsAndWrites();
    void textEditIndexAndRebind();
    void readOnlyStates();
    void forcedStates();
    void pageVisibilityIsKept();
    void missingParameter();
    void comboBoxChoosesAndShowsForeignValue();
    void labelTexts();

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

void TestParameterControls::init()
{
    delete m_page;
    delete m_store;
    m_store = new ParameterStore;
    m_page = new QWidget;
    seed(*m_store, {{QStringLiteral("J40"), QStringLiteral("5"), 4},
                    {QStringLiteral("K08"), QStringLiteral("1"), 1, ParameterDataType::Int32,
                     {{1, QStringLiteral("Fahrsatz")}, {2, QStringLiteral("Kommando")}}},
                    {QStringLiteral("E57"), QStringLiteral("QX4A"), 1, ParameterDataType::String},
                    {QStringLiteral("J99"), QStringLiteral("0"), 1, ParameterDataType::Int32, {}, true}});
    ParameterDefinitionData limited;
    limited.coordinate = QStringLiteral("J11");
    limited.lowerLimit = 0;
    limited.upperLimit = 14;
    QVERIFY(m_store->define(limited));
}

void TestParameterControls::textEditFollowsAndWrites_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("number") << "12" << "12";
    QTest::newRow("no number") << "zwölf" << "0";
    QTest::newRow("above limit") << "15" << "0";
    QTest::newRow("at limit") << "14" << "14";
    QTest::newRow("blanks") << " 3 " << "3";
}

void TestParameterControls::textEditFollowsAndWrites()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto *edit = make<ParameterTextEdit>(QStringLiteral("J11"));
    QCOMPARE(edit->text(), QStringLiteral("0"));
    m_store->setValue(QStringLiteral("J11"), QStringLiteral("2"));
    QCOMPARE(edit->text(), QStringLiteral("2"));
    m_store->setValue(QStringLiteral("J11"), QStringLiteral("0"));

    edit->setText(typed);
    emit edit->editingFinished();
    QCOMPARE(m_store->value(QStringLiteral("J11")), shown);
    // A refused write leaves the stored value in the field, not what was typed.
    QCOMPARE(edit->text(), shown);
}

void TestParameterControls::textEditIndexAndRebind()
{
    m_store->setValue(QStringLiteral("J40"), 0, 2, QStringLiteral("22"));
    auto *edit = make<ParameterTextEdit>(QStringLiteral("J40"), 2);
    QCOMPARE(edit->text(), QStringLiteral("22"));
    edit->setText(QStringLiteral("23"));
    emit edit->editingFinished();
    QCOMPARE(m_store->value(QStringLiteral("J40"), 0, 2), QStringLiteral("23"));
    QCOMPARE(m_store->value(QStringLiteral("J40"), 0, 1), QStringLiteral("5"));

    edit->setIndex(1);
    QCOMPARE(edit->text(), QStringLiteral("5"));
    // Other elements do not disturb what the user is typing; a new element count does.
    edit->setText(QStringLiteral("typing"));
    m_store->setValue(QStringLiteral("J40"), 0, 3, QStringLiteral("33"));
    QCOMPARE(edit->text(), QStringLiteral("typing"));
    m_store->parameter(ParameterCoordinate(QStringLiteral("J40"))).toStrongRef()->setElementCount(1);
    QCOMPARE(edit->text(), QString());
    m_store->parameter(ParameterCoordinate(QStringLiteral("J40"))).toStrongRef()->setElementCount(4);
    QCOMPARE(edit->text(), QStringLiteral("5"));
    edit->setCoordinate(QStringLiteral("E57"));
    edit->setIndex(0);
    QCOMPARE(edit->text(), QStringLiteral("QX4A"));
    // The old parameter no longer reaches the control.
    m_store->setValue(QStringLiteral("J40"), 0, 0, QStringLiteral("77"));
    QCOMPARE(edit->text(), QStringLiteral("QX4A"));

    // An index beyond the elements shows nothing, cannot be edited, and reads nothing beyond the array.
    m_store->clearElementOverruns();
    edit->setCoordinate(QStringLiteral("J40"));
    edit->setIndex(9);
    QCOMPARE(edit->text(), QString());
    QVERIFY(edit->isReadOnly());
    auto *combo = make<ParameterChoiceComboBox>(QStringLiteral("K08"), 3);
    QCOMPARE(combo->count(), 0);
    QCOMPARE(m_store->elementOverruns(), QStringList());
}

void TestParameterControls::readOnlyStates()
{
    auto *edit = make<ParameterTextEdit>(QStringLiteral("J40"));
    auto *combo = make<ParameterChoiceComboBox>(QStringLiteral("K08"));
    QVERIFY(!edit->isReadOnly());
    QVERIFY(combo->isEnabled());

    m_store->setReadOnly(true);
    QVERIFY(edit->isReadOnly());
    QVERIFY(!combo->isEnabled());
    edit->setText(QStringLiteral("8"));
    emit edit->editingFinished();
    QCOMPARE(m_store->value(QStringLiteral("J40")), QStringLiteral("5"));

    m_store->setReadOnly(false);
    QVERIFY(!edit->isReadOnly());
    QVERIFY(combo->isEnabled());

    // A control the page disabled stays disabled when the host becomes editable again.
    combo->setEnabled(false);
    m_store->setReadOnly(true);
    m_store->setReadOnly(false);
    QVERIFY(!combo->isEnabled());
}

void TestParameterControls::forcedStates()
{
    auto *edit = new ParameterTextEdit(m_page);
    edit->setCoordinate(QStringLiteral("J40"));
    edit->setProperty("forceReadonly", true);
    edit->setProperty("forceHidden", false);
    edit->initialize(m_store, eLivingSpaceCurrent);
    QVERIFY(edit->isReadonlyForced());
    QVERIFY(edit->isReadOnly());
    edit->setReadonlyForced(false);
    QVERIFY(!edit->isReadOnly());

    m_page->show();
    edit->setHiddenForced(true);
    QVERIFY(edit->isHidden());
    edit->setVisibleForced(true);
    QVERIFY(!edit->isHidden());
    edit->setVisibleForced(false);
    QVERIFY(edit->isHidden());
    edit->setHiddenForced(false);
    QVERIFY(!edit->isHidden());

    // A hidden parameter hides its control unless it is forced visible.
    auto *hidden = make<ParameterTextEdit>(QStringLiteral("J99"));
    QVERIFY(hidden->isHidden());
    hidden->setVisibleForced(true);
    QVERIFY(!hidden->isHidden());
}

void TestParameterControls::pageVisibilityIsKept()
{
    m_page->show();
    auto *edit = make<ParameterTextEdit>(QStringLiteral("J40"));
    edit->hide();
    m_store->setValue(QStringLiteral("J40"), QStringLiteral("6"));
    QVERIFY(edit->isHidden());
    edit->show();
    m_store->setValue(QStringLiteral("J40"), QStringLiteral("7"));
    QVERIFY(!edit->isHidden());
}

void TestParameterControls::missingParameter()
{
    auto *edit = make<ParameterTextEdit>(QStringLiteral("X1"));
    auto *combo = make<ParameterChoiceComboBox>(QStringLiteral("X2"));
    auto *label = make<ParameterLabel>(QStringLiteral("X3"));
    QCOMPARE(edit->text(), QString());
    QVERIFY(edit->isReadOnly());
    QCOMPARE(combo->count(), 0);
    QCOMPARE(label->text(), QStringLiteral("X3"));
    edit->setText(QStringLiteral("1"));
    emit edit->editingFinished();
    QCOMPARE(edit->text(), QString());
    // An uninitialized control does nothing at all.
    ParameterTextEdit loose;
    loose.setCoordinate(QStringLiteral("J40"));
    loose.setText(QStringLiteral("1"));
    emit loose.editingFinished();
    QCOMPARE(m_store->value(QStringLiteral("J40")), QStringLiteral("5"));
}

void TestParameterControls::comboBoxChoosesAndShowsForeignValue()
{
    auto *combo = make<ParameterChoiceComboBox>(QStringLiteral("K08"));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("Fahrsatz"));
    QSignalSpy changes(m_store->information(ParameterCoordinate(QStringLiteral("K08"))).toStrongRef().data(),
                       &ParameterInformation::valueChanged);
    emit combo->activated(1);
    QCOMPARE(m_store->value(QStringLiteral("K08")), QStringLiteral("2"));
    QCOMPARE(combo->currentText(), QStringLiteral("Kommando"));
    QCOMPARE(changes.count(), 1);

    m_store->setValue(QStringLiteral("K08"), QStringLiteral("7"));
    QCOMPARE(combo->currentText(), QStringLiteral("7"));
    QCOMPARE(combo->count(), 3);
    m_store->setValue(QStringLiteral("K08"), QStringLiteral("1"));
    QCOMPARE(combo->count(), 2);
}

void TestParameterControls::labelTexts()
{
    auto *label = make<ParameterLabel>(QStringLiteral("J40"), 3);
    QCOMPARE(label->text(), QStringLiteral("J40 J40"));
    label->setShowIndex(true);
    label->setShowName(false);
    QCOMPARE(label->text(), QStringLiteral("J40.3"));
    label->setShowLivingSpace(true);
    QCOMPARE(label->text(), QStringLiteral("0:J40.3"));
}

QTEST_MAIN(TestParameterControls)
#include "tst_parametercontrols.moc"
