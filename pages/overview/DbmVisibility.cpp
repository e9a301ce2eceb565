#include "DbmVisibility.h"

namespace {

const QStringList motionBlockGroup = {
    QStringLiteral("Fahrsatzbetrieb"),
    QStringLiteral("SteuerStatusFahrsatz"),
    QStringLiteral("DbmMotionBlockBinSignals"),
    QStringLiteral("SteuertafelApplikation"),
    QStringLiteral("DbmSrcCtrlFollowMotionBlock"),
    QStringLiteral("DbmMotionBlockTrqForce"),
    QStringLiteral("DbmMotionBlockSelect"),
    QStringLiteral("SrcDirectMbStart"),
    QStringLiteral("DbmSrcIndirectTriggerFollowMb"),
    QStringLiteral("DbmFahrsatzSchaltwerk"),
    QStringLiteral("Folgefahrsatz"),
};

const QStringList velocityGroup = {
    QStringLiteral("DbmGeschwDrehmKraft"),
    QStringLiteral("DbmHauptsollwert"),
    QStringLiteral("DbmZusatzsollwert"),
    QStringLiteral("SteuertafelGeschwDrehmKraft"),
    QStringLiteral("DbmBegrGeschwDrehmKraft"),
    QStringLiteral("DbmQuelleExtZusatzGeschwindigkeit"),
    QStringLiteral("SrcSelFixedVelocity"),
    QStringLiteral("SrcSelFixedAccel"),
    QStringLiteral("SrcSelFixedDecel"),
    QStringLiteral("SrcSelFixedJerk"),
    QStringLiteral("DbmFixedVelocity"),
    QStringLiteral("DbmFixedJerk"),
    QStringLiteral("DbmFixedAccel"),
    QStringLiteral("DbmFixedDecel"),
};

const QStringList commandGroup = {
    QStringLiteral("DbmKommando"),
    QStringLiteral("SteuerStatusKommandobetrieb"),
    QStringLiteral("SrcCommandBinSignals"),
};

// The external additional velocity also serves the command mode.
const QString sharedVelocityPage = QStringLiteral("DbmQuelleExtZusatzGeschwindigkeit");

// The per-block trigger page belongs to drives without J439, the newer one to drives with it.
const QString perBlockTriggerPage = QStringLiteral("DbmSrcIndirectTriggerFollowMb");
const QString newerTriggerPage = QStringLiteral("DbmSrcIndirectTriggerFollowMbV2");

// An additional function's pages exist while the presence parameter does and, where the
// function has a switch, while the switch element holds "1".
struct AdditionalFunction
{
    const char *presence;
    const char *switchParameter; // null: the function has no switch
    unsigned short switchElement;
    bool hiddenPresenceHides;    // the analog outputs also vanish with a hidden presence parameter
    QStringList pages;
};

const AdditionalFunction additionalFunctions[] = {
    {"G20", "G806", 0, false, {QStringLiteral("PidRegler")}},
    {"G454", nullptr, 0, false, {QStringLiteral("SrcDisablePidRegler")}},
    {"C76", "G806", 1, false,
     {QStringLiteral("DbmKompReal32"), QStringLiteral("DbmKompInt32"), QStringLiteral("DbmKompInt16"),
      QStringLiteral("DbmKompInt8")}},
    {"I59", "G806", 4, false, {QStringLiteral("DbmNocken")}},
    {"G361", "G807", 0, false, {QStringLiteral("Motorpoti")}},
    {"J110", "G806", 3, false, {QStringLiteral("Positionsmessung")}},
    {"N40", "G894", 0, false, {QStringLiteral("Counter")}},
    {"F40", "G303", 0, true, {QStringLiteral("AnalogOutput1")}},
    {"F50", "G303", 1, true, {QStringLiteral("AnalogOutput2")}},
};

} // namespace

DbmVisibility::DbmVisibility(QWidget *parent) : BrevanePage(parent)
{
    for (const char *coordinate : {"K08", "I00", "G806", "G807", "G894", "G303"})
        addLiveValue(QString::fromLatin1(coordinate));
}

QString DbmVisibility::identifier() const
{
    return QString::fromLatin1("DbmVisibility");
}

void DbmVisibility::initialUpdate()
{
    connectParameterControls();
    showPage(identifier(), false);
    PageVisibilityChanged();
    ZusatzfunktionenVisibilityChanged();
}

void DbmVisibility::connectParameterControls()
{
    for (const char *coordinate : {"K08", "I00", "M513"})
        observe(QString::fromLatin1(coordinate), SLOT(PageVisibilityChanged()));
    for (const char *coordinate : {"G806", "G807", "G894", "G303"})
        observe(QString::fromLatin1(coordinate), SLOT(ZusatzfunktionenVisibilityChanged()));
}

void DbmVisibility::PageVisibilityChanged()
{
    // M513 takes precedence over K08; without either the groups keep their visibility, and
    // whether the motion-block pages are shown is what the tree says of the first of them.
    bool motionBlocks = false;
    if (hasParameter(QStringLiteral("M513")))
        motionBlocks = showModeGroupsOfM513(rawText(QStringLiteral("M513")));
    else if (hasParameter(QStringLiteral("K08")))
        motionBlocks = showModeGroups(rawText(QStringLiteral("K08")));
    else
        motionBlocks = pageVisibleInTree(motionBlockGroup.constFirst());

    showPage(QStringLiteral("DbmSrcDirection"), rawText(QStringLiteral("I00")) == QLatin1String("1"));

    // At most one indirect-trigger page, the one that fits the drive's generation, and only
    // beside the other motion-block pages: triggers switch motion blocks, nothing else.
    const bool newerTriggers = !parameterObject(QStringLiteral("J439")).isNull();
    showPage(newerTriggers ? perBlockTriggerPage : newerTriggerPage, false);
    showPage(newerTriggers ? newerTriggerPage : perBlockTriggerPage, motionBlocks);
}

QString DbmVisibility::rawText(const QString &coordinate) const
{
    return readRawText(coordinate);
}

bool DbmVisibility::showModeGroupsOfM513(const QString &mode) const
{
    const bool shown = mode == QLatin1String("111");
    showPages(motionBlockGroup, shown);
    if (!shown)
        showPages(velocityGroup, false);
    showPages(commandGroup, shown);
    return shown;
}

bool DbmVisibility::showModeGroups(const QString &mode) const
{
    const bool motionBlocks = mode == QLatin1String("1");
    showPages(motionBlockGroup, motionBlocks);
    const bool commandMode = mode == QLatin1String("3");
    showPages(velocityGroup, mode == QLatin1String("2"), commandMode ? sharedVelocityPage : QString());
    showPages(commandGroup, commandMode);
    return motionBlocks;
}

void DbmVisibility::ZusatzfunktionenVisibilityChanged()
{
    const eLivingSpace space = livingSpace();
    for (const AdditionalFunction &function : additionalFunctions) {
        const auto presence = parameterObject(QString::fromLatin1(function.presence));
        bool shown = presence && !(function.hiddenPresenceHides && presence->isHidden(space, 0));
        // A drive without the switch parameter has the function always on.
        // A switch parameter without the function's element leaves it off.
        if (shown && function.switchParameter && hasParameter(QString::fromLatin1(function.switchParameter)))
            shown = readText(QString::fromLatin1(function.switchParameter), function.switchElement)
                == QLatin1String("1");
        showPages(function.pages, shown);
    }
}

void DbmVisibility::showPage(const QString &identifier, bool shown) const
{
    if (shown)
        showInTree(identifier);
    else
        hideInTree(identifier);
}

void DbmVisibility::showPages(const QStringList &identifiers, bool shown, const QString &exception) const
{
    for (const QString &identifier : identifiers)
        showPage(identifier, shown != (identifier == exception));
}
