#include "DbmKompInt32.h"
#include "ui_DbmKompInt32.h"

#include "HostCodes.h"

namespace {

const ComparatorBank kompInt32Bank {
    QStringLiteral("C76"),
    QStringLiteral("C77"),
    QStringLiteral("C78"),
    HostCode::DataTypeInt32,
    QT_TRANSLATE_NOOP("DbmKompInt32", "Bitte geben Sie einen INT32-Parameter ein"),
    {QStringLiteral("C78")},
    {QStringLiteral("C83")},
    QString(),
    {
        {3, {QStringLiteral("C79"), QStringLiteral("C82")}, 2},
        {5, {QStringLiteral("C79"), QStringLiteral("C82")}, 3},
        {7, {QStringLiteral("C79"), QStringLiteral("C82")}, 4},
        {9, {QStringLiteral("C81"), QStringLiteral("C80"), QStringLiteral("C82")}, 5},
    },
    {QStringLiteral("C81"), QStringLiteral("C80"), QStringLiteral("C82")},
};

} // namespace

DbmKompInt32::DbmKompInt32(QWidget *parent)
    : ComparatorPage(kompInt32Bank, parent), ui(std::make_unique<Ui::DbmKompInt32>())
{
    setupForm(*ui);
    setupBank(ui->lineEditCompI32Number);
}

DbmKompInt32::~DbmKompInt32() = default;

bool DbmKompInt32::DecodeParaAddress(
    QString text, QString &coordinate, unsigned short &element, eLivingSpace &livingSpace)
{
    const auto target = decodeParameterAddress(text);
    if (!target)
        return false;
    coordinate = target->coordinate;
    element = target->element;
    livingSpace = target->livingSpace;
    return true;
}
