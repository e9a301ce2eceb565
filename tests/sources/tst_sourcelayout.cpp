// The captions and clickable areas laid over the source pages' diagrams, in every diagram
// variant and language: inside their diagram, clear of each other, and with room for their
// whole translated text.
#include "ActionWidget.h"
#include "DbmSrcBinSignals.h"
#include "ParameterControl.h"
#include "RecordingHost.h"
#include "SrcDirection.h"
#include "SrcExtAuxVel.h"
#include "SrcExtVelocity.h"
#include "SrcTrqForce.h"
#include "SrcTrqVKlammerung.h"
#include "SrcVelOverride.h"
#include "StoreSeed.h"
#include "SvgWidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

using Factory = std::function<WizardPage *()>;

const QList<QPair<const char *, Factory>> &pages()
{
    static const QList<QPair<const char *, Factory>> all = {
        {"SrcExtVelocity", [] { return new SrcExtVelocity; }},
        {"SrcExtAuxVel", [] { return new SrcExtAuxVel; }},
        {"SrcVelOverride", [] { return new SrcVelOverride; }},
        {"SrcTrqVKlammerung", [] { return new SrcTrqVKlammerung; }},
        {"SrcTrqForce", [] { return new SrcTrqForce; }},
        {"SrcDirection", [] { return new SrcDirection; }},
        {"DbmSrcBinSignals", [] { return new DbmSrcBinSignals; }},
    };
    return all;
}

// The room a caption has: its own rectangle, or inside a clickable area what the area's
// layout leaves.
QSize roomOf(const QLabel *label)
{
    const auto *area = qobject_cast<const ActionWidget *>(label->parentWidget());
    if (!area || !area->layout())
        return label->size();
    const QMargins margins = area->layout()->contentsMargins();
    return area->size().shrunkBy(margins);
}

QString describe(const QWidget *widget)
{
    const QRect r = widget->geometry();
    return QStringLiteral("%1 (%2,%3 %4x%5)").arg(widget->objectName()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestSourceLayout : public QObject
{
    Q_OBJECT
private slots:
    void diagramCaptions_data();
    void diagramCaptions();
    void rowsFollowDiagram_data();
    void rowsFollowDiagram();

private:
    std::unique_ptr<WizardPage> open(const Factory &create)
    {
        m_host = std::make_unique<RecordingHost>();
        m_host->setDeviceType(eDeviceTypeKM2);
        std::unique_ptr<WizardPage> page(create());
        // Every parameter the form shows is known, so that every row takes its place.
        for (QWidget *widget : page->findChildren<QWidget *>())
            if (const auto *control = dynamic_cast<ParameterControl *>(widget))
                if (!m_host->store().contains(control->coordinate()))
                    seed(m_host->store(), {{control->coordinate()}});
        m_host->attach(page.get());
        return page;
    }
    std::unique_ptr<RecordingHost> m_host;
};

void TestSourceLayout::diagramCaptions_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("language");
    for (int i = 0; i < pages().size(); ++i)
        for (const char *language : {"de", "en", "fr"})
            QTest::addRow("%s %s", pages().at(i).first, language) << i << QString::fromLatin1(language);
}

// Every diagram of the page is checked, shown or not: each device type shows another one.
void TestSourceLayout::diagramCaptions()
{
    QFETCH(int, page);
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translation/Brevane_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    const auto created = open(pages().at(page).second);
    QCoreApplication::removeTranslator(&translator);

    const auto diagrams = created->findChildren<SvgWidget *>();
    QVERIFY(!diagrams.isEmpty());
    for (const SvgWidget *diagram : diagrams) {
        QList<QWidget *> overlays;
        for (QWidget *child : diagram->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (qobject_cast<QLabel *>(child) || qobject_cast<ActionWidget *>(child))
                overlays << child;
        for (int i = 0; i < overlays.size(); ++i) {
            const QWidget *overlay = overlays.at(i);
            QVERIFY2(diagram->rect().contains(overlay->geometry()), qPrintable(describe(overlay)));
            for (int j = i + 1; j < overlays.size(); ++j)
                QVERIFY2(!overlay->geometry().intersects(overlays.at(j)->geometry()),
                    qPrintable(describe(overlay) + QStringLiteral(" overlaps ") + describe(overlays.at(j))));
        }
        for (const QLabel *label : diagram->findChildren<QLabel *>()) {
            const QSize room = roomOf(label);
            const QSize needed = label->wordWrap() ? QSize(room.width(), label->heightForWidth(room.width()))
                                                   : label->sizeHint();
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                qPrintable(QStringLiteral("%1 needs %2x%3 for \"%4\", has %5x%6")
                    .arg(label->objectName()).arg(needed.width()).arg(needed.height()).arg(label->text())
                    .arg(room.width()).arg(room.height())));
        }
    }
}

void TestSourceLayout::rowsFollowDiagram_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("diagram");
    for (int i = 0; i < 4; ++i)
        for (int diagram = 0; diagram < 4; ++diagram)
            QTest::addRow("%s %d", pages().at(i).first, diagram) << i << diagram;
}

// However tall the page, the parameter rows of the shown diagram page start right under it.
void TestSourceLayout::rowsFollowDiagram()
{
    QFETCH(int, page);
    QFETCH(int, diagram);
    const auto created = open(pages().at(page).second);
    auto *stack = created->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    QVERIFY(stack);
    stack->setCurrentIndex(diagram);
    created->resize(1000, 1400);
    created->show();
    QVERIFY(QTest::qWaitForWindowExposed(created.get()));

    QWidget *current = stack->currentWidget();
    const auto *rows = current->findChild<QGridLayout *>();
    QVERIFY(rows);
    // Top and bottom of each row with a visible widget, top to bottom.
    QList<QPair<int, int>> spans;
    for (int row = 0; row < rows->rowCount(); ++row) {
        for (int column = 0; column < rows->columnCount(); ++column) {
            const QLayoutItem *item = rows->itemAtPosition(row, column);
            const QWidget *widget = item ? item->widget() : nullptr;
            if (widget && widget->isVisibleTo(current)) {
                const int top = widget->mapTo(created.get(), QPoint(0, 0)).y();
                spans << qMakePair(top, top + widget->height());
                break;
            }
        }
    }
    QVERIFY(!spans.isEmpty());
    int bottom = 0;
    for (const SvgWidget *svg : current->findChildren<SvgWidget *>())
        if (svg->isVisibleTo(current))
            bottom = qMax(bottom, svg->mapTo(created.get(), QPoint(0, svg->height())).y());
    for (const auto &span : std::as_const(spans)) {
        QVERIFY2(span.first >= bottom && span.first - bottom <= 24 && span.second - span.first <= 40,
            qPrintable(QStringLiteral("a row spans %1 to %2, %3 below what is above it")
                .arg(span.first).arg(span.second).arg(span.first - bottom)));
        bottom = span.second;
    }
}

QTEST_MAIN(TestSourceLayout)
#include "tst_sourcelayout.moc"
