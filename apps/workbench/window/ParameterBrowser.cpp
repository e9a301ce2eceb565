#include "ParameterBrowser.h"

#include "ParameterModel.h"
#include "ParameterStore.h"
#include "WorkbenchHost.h"
#include "ui_ParameterBrowser.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QToolButton>

#include <algorithm>

namespace {

// Selection parameters are edited with their choices, everything else as text.
class ValueDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const auto *model = qobject_cast<const ParameterModel *>(index.model());
        const QMap<qint64, Text> selection = model ? model->selectionAt(index) : QMap<qint64, Text>();
        if (selection.isEmpty())
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto *box = new QComboBox(parent);
        for (auto it = selection.cbegin(); it != selection.cend(); ++it)
            box->addItem(QStringLiteral("%1 – %2").arg(it.key()).arg(it.value().text()), QString::number(it.key()));
        return box;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *box = qobject_cast<QComboBox *>(editor)) {
            const int row = box->findData(index.data(Qt::EditRole).toString());
            box->setCurrentIndex(row);
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *box = qobject_cast<QComboBox *>(editor)) {
            if (box->currentIndex() >= 0)
                model->setData(index, box->currentData(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

} // namespace

ParameterBrowser::ParameterBrowser(QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::ParameterBrowser>())
{
    m_ui->setupUi(this);
    m_ui->parameterView->setItemDelegateForColumn(ParameterModel::ValueColumn, new ValueDelegate(m_ui->parameterView));
    m_ui->parameterView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_ui->parameterView->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *copy = new QAction(tr("&Copy"), m_ui->parameterView);
    copy->setObjectName(QStringLiteral("actionCopyParameters"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(selectedText()); });
    m_ui->parameterView->addAction(copy);
}

QString ParameterBrowser::selectedText() const
{
    if (!m_model)
        return QString();
    QModelIndexList rows = m_ui->parameterView->selectionModel()->selectedRows();
    // In the order of the list, elements below their parameter.
    const auto place = [](const QModelIndex &index) {
        return index.parent().isValid() ? std::pair(index.parent().row(), index.row()) : std::pair(index.row(), -1);
    };
    std::sort(rows.begin(), rows.end(), [&](const QModelIndex &a, const QModelIndex &b) { return place(a) < place(b); });
    QStringList lines;
    for (const QModelIndex &row : std::as_const(rows)) {
        // An element row shows neither coordinate nor name: they are its parameter's.
        const QModelIndex top = row.parent().isValid() ? row.parent() : row;
        lines << QStringList{top.siblingAtColumn(ParameterModel::CoordinateColumn).data().toString(),
                             row.siblingAtColumn(ParameterModel::ElementColumn).data().toString(),
                             top.siblingAtColumn(ParameterModel::NameColumn).data().toString(),
                             row.siblingAtColumn(ParameterModel::ValueColumn).data().toString()}
                     .join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

ParameterBrowser::~ParameterBrowser() = default;

void ParameterBrowser::setDrive(ParameterStore *store, WorkbenchHost *host)
{
    delete m_model;
    m_model = new ParameterModel(store, host->livingSpace(), this);
    m_model->setEditable(!host->isReadOnly());
    m_model->setFilter(m_ui->filterEdit->text());
    m_ui->parameterView->setModel(m_model);
    QHeaderView *header = m_ui->parameterView->header();
    header->setSectionResizeMode(ParameterModel::CoordinateColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(ParameterModel::ElementColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(ParameterModel::NameColumn, QHeaderView::Interactive);
    header->resizeSection(ParameterModel::NameColumn, 180);
    header->setStretchLastSection(true);

    connect(m_ui->filterEdit, &QLineEdit::textChanged, m_model, [this](const QString &text) {
        m_model->setFilter(text);
        updateCount();
    });
    connect(m_model, &ParameterModel::writeRefused, this, &ParameterBrowser::writeRefused);
    connect(host, &WorkbenchHost::readOnlyChanged, m_model, [this](bool readOnly) { m_model->setEditable(!readOnly); });
    updateCount();
}

QTreeView *ParameterBrowser::view() const
{
    return m_ui->parameterView;
}

void ParameterBrowser::addTool(QAction *action)
{
    auto *button = new QToolButton(this);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    button->setDefaultAction(action);
    // Tools share the row of the count, which keeps the dock low on a small screen.
    m_ui->bottomRow->insertWidget(m_ui->bottomRow->count() - 2, button);
    m_ui->parameterView->addAction(action);
}

void ParameterBrowser::updateCount()
{
    m_ui->countLabel->setText(tr("%n parameter(s)", nullptr, m_model ? m_model->parameterCount() : 0));
}

void ParameterBrowser::refreshNames()
{
    if (m_model)
        m_model->refreshNames();
}

void ParameterBrowser::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        if (auto *copy = m_ui->parameterView->findChild<QAction *>(QStringLiteral("actionCopyParameters")))
            copy->setText(tr("&Copy"));
        updateCount();
    }
    QWidget::changeEvent(event);
}
