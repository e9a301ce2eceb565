#include "DbmSteuerStatus.h"
#include "ui_DbmSteuerStatus.h"

DbmSteuerStatus::DbmSteuerStatus(QWidget *parent) : StatusWordPage(parent), ui(std::make_unique<Ui::DbmSteuerStatus>())
{
    setupForm(*ui);
    setupWords({{QStringLiteral("I210"), 16, true, ReadWhen::Always},
                {QStringLiteral("I200"), 16, false, ReadWhen::OnlineOrReadOnly},
                {QStringLiteral("I212"), 8, false, ReadWhen::OnlineOrReadOnly}});
    connectLinkLabelsToHandler();
}

DbmSteuerStatus::~DbmSteuerStatus() = default;
