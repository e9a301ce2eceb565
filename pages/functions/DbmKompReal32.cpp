#include "DbmKompReal32.h"
#include "ui_DbmKompReal32.h"

#include "HostCodes.h"

namespace {

const ComparatorBank kompReal32Bank {
    QStringLiteral("C61"),
    QStringLiteral("C64"),
    QStringLiteral("C65"),
    HostCode::DataTypeReal32,
    QT_TRANSLATE_NOOP("DbmKompReal32", "Bitte geben Sie einen Real32-Parameter ein"),
    {QStringLiteral("C65"), QStringLiteral("C66"), QStringLiteral("C67"), QStringLiteral("C68"),
        QStringLiteral("C69")},
    {},
    QStringLiteral("C84"),
    {
        {3, {QStringLiteral("C70"), QStringLiteral("C84")}, 2, 3},
        {5, {QStringLiteral("C70"), QStringLiteral("C84")}, 4, 5},
        {7, {QStringLiteral("C70"), QStringLiteral("C84")}, 6, 7},
        {9, {QStringLiteral("C71"), QStringLiteral("C72"), QStringLiteral("C84")}, 8, 9},
        {11, {QStringLiteral("C73"), QStringLiteral("C74"), QStringLiteral("C84")}, 10, 11},
    },
    {QStringLiteral("C71"), QStringLiteral("C72"), QStringLiteral("C84")},
};

} // namespace

DbmKompReal32::DbmKompReal32(QWidget *parent)
    : ComparatorPage(kompReal32Bank, parent), ui(std::make_unique<Ui::DbmKompReal32>())
{
    setupForm(*ui);
    setupBank(ui->lineEditCompR32Number);
}

DbmKompReal32::~DbmKompReal32() = default;
