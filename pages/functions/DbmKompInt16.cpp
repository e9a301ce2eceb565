#include "DbmKompInt16.h"
#include "ui_DbmKompInt16.h"

#include "HostCodes.h"

namespace {

const ComparatorBank kompInt16Bank {
    QStringLiteral("C134"),
    QStringLiteral("C135"),
    QStringLiteral("C136"),
    HostCode::DataTypeInt16,
    QT_TRANSLATE_NOOP("DbmKompInt16", "Bitte geben Sie einen INT16-Parameter ein"),
    {QStringLiteral("C136")},
    {QStringLiteral("C141")},
    QString(),
    {
        {3, {QStringLiteral("C137"), QStringLiteral("C140")}, 2},
        {5, {QStringLiteral("C137"), QStringLiteral("C140")}, 3},
        {7, {QStringLiteral("C137"), QStringLiteral("C140")}, 4},
        {9, {QStringLiteral("C139"), QStringLiteral("C138"), QStringLiteral("C140")}, 5},
    },
    {QStringLiteral("C139"), QStringLiteral("C138"), QStringLiteral("C140")},
};

} // namespace

DbmKompInt16::DbmKompInt16(QWidget *parent)
    : ComparatorPage(kompInt16Bank, parent), ui(std::make_unique<Ui::DbmKompInt16>())
{
    setupForm(*ui);
    setupBank(ui->lineEditCompI16Number);
}

DbmKompInt16::~DbmKompInt16() = default;
