#include "SrcVelOverride.h"

#include "ui_SrcVelOverride.h"

#include <QStackedWidget>

#include <iterator>

SrcVelOverride::SrcVelOverride(QWidget *parent) : ExternalSourcePage(QStringLiteral("G813"), parent), ui(new Ui::SrcVelOverride)
{
    setupForm(*ui);
    setupFamily();
}

SrcVelOverride::~SrcVelOverride() = default;

QString SrcVelOverride::identifier() const
{
    return QString::fromLatin1("DbmQuelleGeschwOverride");
}

bool SrcVelOverride::oldApplicationVersionWithLimitation() const
{
    const auto information = parameterInformation(QStringLiteral("G468"));
    return information && !information->isNewDefinition();
}

void SrcVelOverride::diagramChosen(int index)
{
    static const char *const inner[] = {"stackedWidgetNoAI", "stackedWidgetAI1AI2", "stackedWidgetAI3", "stackedWidgetAI1AI2AI3"};
    if (index < 0 || index >= int(std::size(inner)))
        return;
    setStackPage(findChild<QStackedWidget *>(QLatin1String(inner[index])), oldApplicationVersionWithLimitation() ? 0 : 1);
}
