#include "ParameterPickerDialog.h"

#include "ParameterModel.h"
#include "ParameterStore.h"
#include "ui_ParameterPickerDialog.h"

#include <QPushButton>

ParameterPickerDialog::ParameterPickerDialog(const QString &prompt, const ParameterStore *store, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ParameterPickerDialog>())
{
    m_ui->setupUi(this);
    m_ui->promptLabel->setText(prompt);
    for (const QString &coordinate : store->coordinates()) {
        const ParameterDefinitionData *definition = store->definition(coordinate);
        if (!definition)
            continue;
        auto *item = new QTreeWidgetItem(m_ui->parameterList);
        item->setText(0, ParameterModel::displayCoordinate(coordinate));
        item->setText(1, ParameterDataType::name(definition->dataType));
        item->setText(2, definition->name.text());
    }
    m_ui->parameterList->resizeColumnToContents(0);
    m_ui->parameterList->resizeColumnToContents(1);

    QPushButton *ok = m_ui->buttonBox->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(m_ui->parameterList, &QTreeWidget::currentItemChanged, ok,
            [ok](QTreeWidgetItem *current) { ok->setEnabled(current && !current->isHidden()); });
    connect(m_ui->parameterList, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_ui->filterEdit, &QLineEdit::textChanged, this, &ParameterPickerDialog::setFilter);
}

ParameterPickerDialog::~ParameterPickerDialog() = default;

QString ParameterPickerDialog::chosenCoordinate() const
{
    const QTreeWidgetItem *item = m_ui->parameterList->currentItem();
    return item && !item->isHidden() ? item->text(0) : QString();
}

void ParameterPickerDialog::setFilter(const QString &text)
{
    const QString filter = text.trimmed();
    for (int row = 0; row < m_ui->parameterList->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_ui->parameterList->topLevelItem(row);
        const bool shown = filter.isEmpty() || item->text(0).startsWith(filter, Qt::CaseInsensitive)
            || item->text(2).contains(filter, Qt::CaseInsensitive);
        item->setHidden(!shown);
    }
    if (m_ui->filterEdit->text() != text)
        m_ui->filterEdit->setText(text);
}

int ParameterPickerDialog::shownCount() const
{
    int count = 0;
    for (int row = 0; row < m_ui->parameterList->topLevelItemCount(); ++row)
        count += m_ui->parameterList->topLevelItem(row)->isHidden() ? 0 : 1;
    return count;
}
