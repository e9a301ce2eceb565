#include "DbmKompInt8.h"
#include "ui_DbmKompInt8.h"

#include "HostCodes.h"

namespace {

const ComparatorBank kompInt8Bank {
    QStringLiteral("C142"),
    QStringLiteral("C143"),
    QStringLiteral("C144"),
    HostCode::DataTypeInt8,
    QT_TRANSLATE_NOOP("DbmKompInt8", "Bitte geben Sie einen INT8-Parameter ein"),
    {QStringLiteral("C144")},
    {QStringLiteral("C149")},
    QString(),
    {
        {3, {QStringLiteral("C145"), QStringLiteral("C148")}, 2},
        {5, {QStringLiteral("C145"), QStringLiteral("C148")}, 3},
        {7, {QStringLiteral("C145"), QStringLiteral("C148")}, 4},
        {9, {QStringLiteral("C147"), QStringLiteral("C146"), QStringLiteral("C148")}, 5},
    },
    {QStringLiteral("C147"), QStringLiteral("C146"), QStringLiteral("C148")},
};

} // namespace

DbmKompInt8::DbmKompInt8(QWidget *parent)
    : ComparatorPage(kompInt8Bank, parent), ui(std::make_unique<Ui::DbmKompInt8>())
{
    setupForm(*ui);
    setupBank(ui->lineEditCompI8Number);
}

DbmKompInt8::~DbmKompInt8() = default;
