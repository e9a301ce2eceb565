// The workbench's built-in drive and page tree, and the parameter inspector that lets a
// person play the drive's part.

#include "PageRegistry.h"
#include "PageTree.h"
#include "ParameterModel.h"
#include "SimulatedDrive.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

QString value(const SimulatedDrive &drive, const char *coordinate, unsigned short element = 0)
{
    return drive.store()->value(QLatin1String(coordinate), 1, element);
}

QStringList selectionTexts(const SimulatedDrive &drive, const char *coordinate)
{
    QStringList texts;
    const ParameterDefinitionData *definition = drive.store()->definition(QLatin1String(coordinate));
    if (definition) {
        for (auto it = definition->selection.cbegin(); it != definition->selection.cend(); ++it)
            texts << QStringLiteral("%1=%2").arg(it.key()).arg(it.value().text(Text::German));
    }
    return texts;
}

} // namespace

class TestWorkbenchDrive : public QObject
{
    Q_OBJECT
private slots:
    void defaultDriveHasSixteenMotionBlocks();
    void defaultDriveMeansWhatThePagesExpect();

    void builtInTreeHoldsEveryPluginPage();
    void malformedTree_data();
    void malformedTree();

    void inspectorWritesThroughTheStore();
    void inspectorFilter();
};

void TestWorkbenchDrive::defaultDriveHasSixteenMotionBlocks()
{
    SimulatedDrive drive;
    QString error;
    QVERIFY2(drive.loadDefault(&error), qPrintable(error));
    QCOMPARE(drive.motionBlockCount(), 16);
    // Every J-group array of the drive is per block, apart from the few fixed-size ones.
    QStringList fixedSize;
    for (const char *coordinate : {"J04", "J437", "J438", "J439", "J450", "J455", "J456", "J457"})
        fixedSize << ParameterCoordinate(QLatin1String(coordinate)).toText();
    for (const QString &coordinate : drive.store()->coordinates()) {
        const ParameterDefinitionData *definition = drive.store()->definition(coordinate);
        if (coordinate.startsWith(QLatin1Char('J')) && definition->elementCount > 1 && !fixedSize.contains(coordinate))
            QVERIFY2(definition->elementCount == 16, qPrintable(coordinate));
        // The inspector names every parameter in German and English.
        QVERIFY2(!definition->name.text(Text::German).isEmpty() && !definition->name.text(Text::English).isEmpty(),
                 qPrintable(coordinate));
    }
}

void TestWorkbenchDrive::defaultDriveMeansWhatThePagesExpect()
{
    SimulatedDrive drive;
    QString error;
    QVERIFY2(drive.loadDefault(&error), qPrintable(error));

    QCOMPARE(selectionTexts(drive, "K08"), (QStringList{"0=Keine", "1=Fahrsatz", "2=Geschwindigkeit, Drehmoment/Kraft",
                                                       "3=Kommando"}));
    QCOMPARE(value(drive, "K08"), QStringLiteral("1"));
    QCOMPARE(value(drive, "E57"), QStringLiteral("QX4A"));
    QCOMPARE(value(drive, "E76", 1), QStringLiteral("7300003"));
    QCOMPARE(selectionTexts(drive, "J11").size(), 15);
    // The command page takes the command number from the start of each J50 text.
    const QRegularExpression numbered(QStringLiteral("^(\\d\\d?)=\\1: "));
    for (const QString &text : selectionTexts(drive, "J50"))
        QVERIFY2(numbered.match(text).hasMatch(), qPrintable(text));
    // M513 would overrule K08 and hide every operating-mode page.
    QVERIFY(!drive.store()->contains(QStringLiteral("M513")));
    // The panels need their control words, and the drive must not lock them.
    for (const char *coordinate : {"K911", "K912", "K913", "K914"})
        QVERIFY2(drive.store()->contains(QLatin1String(coordinate)), coordinate);
    QCOMPARE(value(drive, "A900"), QStringLiteral("0"));
    QCOMPARE(value(drive, "A918"), QStringLiteral("0"));
    // Follow-up blocks start as "none".
    QCOMPARE(value(drive, "J286", 15), QStringLiteral("-1"));
}

void TestWorkbenchDrive::builtInTreeHoldsEveryPluginPage()
{
    PageTreeDefinition tree;
    QString error;
    QVERIFY2(tree.loadFile(PageTreeDefinition::builtInPath(), &error), qPrintable(error));
    const QStringList pages = tree.pageIdentifiers();

    QCOMPARE(pages.mid(0, 2), (QStringList{"AppSatDriveBased", "DbmUebersicht"}));
    for (const QString &identifier : PageRegistry::identifiers()) {
        const bool isStatic = PageRegistry::staticIdentifiers().contains(identifier);
        QVERIFY2(pages.contains(identifier) != isStatic, qPrintable(identifier));
    }
    // Jumps to other plug-ins' pages need somewhere to land.
    for (const char *foreign : {"EtherCatStartseite", "SkalierungAEs", "EinAusgaenge", "Referenzfahrt"})
        QVERIFY2(pages.contains(QLatin1String(foreign)), foreign);
    std::function<void(const QList<PageTreeNode> &)> checkNames = [&](const QList<PageTreeNode> &nodes) {
        for (const PageTreeNode &node : nodes) {
            const bool ownPage = PageRegistry::identifiers().contains(node.identifier);
            if (!ownPage)
                QVERIFY2(!node.name.text(Text::German).isEmpty() && !node.name.text(Text::English).isEmpty(),
                         qPrintable(node.identifier.isEmpty() ? QStringLiteral("folder") : node.identifier));
            checkNames(node.children);
        }
    };
    checkNames(tree.nodes());
}

void TestWorkbenchDrive::malformedTree_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("mention");

    QTest::newRow("page twice") << QByteArray(R"({"tree":[{"page":"A"},{"folder":"F","children":[{"page":"A"}]}]})")
                                << "page \"A\" stands twice";
    QTest::newRow("folder without name") << QByteArray(R"({"tree":[{"folder":{},"children":[]}]})")
                                         << "tree[0]: field \"folder\"";
    QTest::newRow("unknown field") << QByteArray(R"({"tree":[{"page":"A","colour":"red"}]})") << "field \"colour\"";
    QTest::newRow("unknown fieldbus") << QByteArray(R"({"tree":[{"folder":"F","children":[{"page":"A","fieldbus":["modbus"]}]}]})")
                                      << "tree[0].children[0]: field \"fieldbus\"";
    QTest::newRow("page and folder") << QByteArray(R"({"tree":[{"page":"A","folder":"F"}]})") << "tree[0]";
    QTest::newRow("no JSON") << QByteArray("tree") << "offset";
}

void TestWorkbenchDrive::malformedTree()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, mention);

    PageTreeDefinition tree;
    QString error;
    QVERIFY(!tree.parse(json, QStringLiteral("tree.json"), &error));
    QVERIFY2(error.startsWith(QLatin1String("tree.json: ")), qPrintable(error));
    QVERIFY2(error.contains(mention), qPrintable(error));
    QVERIFY(tree.nodes().isEmpty());
}

void TestWorkbenchDrive::inspectorWritesThroughTheStore()
{
    SimulatedDrive drive;
    QString error;
    QVERIFY2(drive.loadDefault(&error), qPrintable(error));
    ParameterModel model(drive.store(), eLivingSpace(1));
    QSignalSpy refused(&model, &ParameterModel::writeRefused);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    const QModelIndex mode = model.indexOf(QStringLiteral("K08"));
    QCOMPARE(mode.data().toString(), QStringLiteral("1 – Fahrsatz"));
    QVERIFY(model.setData(mode, QStringLiteral("2")));
    QCOMPARE(value(drive, "K08"), QStringLiteral("2"));
    QTRY_VERIFY(!changed.isEmpty());

    // The drive refuses a value beyond the limit, and the inspector says why.
    QVERIFY(!model.setData(mode, QStringLiteral("9")));
    QCOMPARE(value(drive, "K08"), QStringLiteral("2"));
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(0).toString(), drive.store()->lastWriteError());

    // One element of an array.
    const QModelIndex block3 = model.indexOf(QStringLiteral("J11"), 3);
    QVERIFY(model.setData(block3, QStringLiteral("9")));
    QCOMPARE(value(drive, "J11", 3), QStringLiteral("9"));
    QCOMPARE(block3.data().toString(), QStringLiteral("9 – 9: Drehmoment/Kraft"));
    // The parameter row of an array is a summary, not a value.
    QVERIFY(!(model.flags(model.indexOf(QStringLiteral("J11"))) & Qt::ItemIsEditable));
}

void TestWorkbenchDrive::inspectorFilter()
{
    SimulatedDrive drive;
    QString error;
    QVERIFY2(drive.loadDefault(&error), qPrintable(error));
    ParameterModel model(drive.store(), eLivingSpace(1));

    // Coordinates match as the documents write them and as the store does.
    model.setFilter(QStringLiteral("C03"));
    QCOMPARE(model.parameterCount(), 1);
    QCOMPARE(model.index(0, ParameterModel::CoordinateColumn).data().toString(), QStringLiteral("C03"));
    model.setFilter(QStringLiteral("Betriebsart"));
    QVERIFY(model.indexOf(QStringLiteral("K08")).isValid());
    QVERIFY(!model.indexOf(QStringLiteral("J10")).isValid());
    model.setFilter(QString());
    QCOMPARE(model.parameterCount(), drive.store()->coordinates().size());
}

QTEST_MAIN(TestWorkbenchDrive)
#include "tst_workbenchdrive.moc"
