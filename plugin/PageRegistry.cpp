#include "PageRegistry.h"

#include "HostCodes.h"
#include "Pages.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QTranslator>

#include <iterator>

namespace {

struct PageName
{
    const char *german;
    const char *english;
    const char *french;
};

// Names that several rows share are spelled once.
constexpr PageName nameMotionBlockBinSignals = {"Digitale Signale Betriebsart: Quelle", "Operating mode digital signals: Data source", "Signaux numériques mode d'exploitation : source"};
constexpr PageName nameMotionBlockTrqForce = {"Begrenzung Drehmoment/Kraft: Quelle", "Torque/force limit: Data source", "Limitation couple/force : source"};
constexpr PageName nameDbmZusatzfunktionen = {"Zusatzfunktionen", "Additional functions", "Fonctions additionnelles"};
constexpr PageName nameDbmSrcIndirectTriggerFollowMb = {"Indirekter Trigger: Quelle", "Indirect trigger: Data source", "Déclencheur indirect : source"};

using Factory = WizardPage *(*)();

template <class Page>
WizardPage *create()
{
    return new Page(nullptr);
}

struct PageRow
{
    const char *identifier;
    Factory factory; // null until the page is available
    PageName name;
    bool isStatic;
};

// In the host's order. The class name stands in a comment where the page is not yet available.
const PageRow pageTable[] = {
    {"DbmVisibility", create<DbmVisibility>, {"DbmVisibility", "DbmVisibility", "DbmVisibility"}, true},
    {"MotionBlocks", create<MotionBlocks>, {"Fahrsätze", "Motion blocks", "Motion blocks"}, false},
    {"AppFahrsatzControl", create<AppFahrsatzControl>, {"AppFahrsatzControl", "AppFahrsatzControl", "AppFahrsatzControl"}, false},
    {"AppSatDriveBased", create<AppSatDriveBased>, {"Applikation Drive Based", "Drive Based application", "Application Drive Based"}, false},
    {"Fahrsatz", create<Fahrsatz>, {"Fahrsatz", "Motion block", "Bloc de déplacement"}, false},
    {"Fahrsatzbetrieb", create<Fahrsatzbetrieb>, {"Betriebsart Fahrsatz", "Motion block operating mode", "Mode d'exploitation bloc de déplacement"}, false},
    {"Folgefahrsatz", create<Folgefahrsatz>, {"Folgefahrsatz", "Subsequent motion block", "Bloc de déplacement consécutif"}, false},
    {"SteuertafelTippen", create<SteuertafelTippen>, {"Steuertafel Tippen", "Jog control panel", "Panneau de commande Pas à pas"}, false},
    {"SteuertafelPLCopen", create<SteuertafelPLCopen>, {"Steuertafel Motion", "Control panel motion", "Panneau de commande Motion"}, false},
    {"SteuertafelApplikation", create<SteuertafelApplikation>, {"Steuertafel Fahrsatz", "Motion block control panel", "Panneau de commande Bloc de déplacement"}, false},
    {"DbmQuelleExtZusatzGeschwindigkeit", create<SrcExtAuxVel>, {"Externe Zusatzgeschwindigkeit: Quelle", "External additional velocity: Data source", "Vitesse externe additionnelle : source"}, false},
    {"DbmQuelleExterneGeschwindigkeit", create<SrcExtVelocity>, {"Externe Geschwindigkeit: Quelle", "External velocity: Data source", "Vitesse externe : source"}, false},
    {"DbmQuelleDrehmKraftGeschwKlammerung", create<SrcTrqVKlammerung>, {"Solldrehmoment/-Kraft, Geschwindigkeitsklammerung: Quelle", "Set torque/force, velocity bracketing: Data source", "Couple/force de consigne, limitation de vitesse vers le haut : source"}, false},
    {"DbmQuelleGeschwOverride", create<SrcVelOverride>, {"Geschwindigkeits-Override: Quelle", "Velocity override: Data source", "Override de la vitesse : source"}, false},
    {"DbmSrcCtrlFollowMotionBlock", create<SrcCtrlFollowMotionBlock>, {"Trigger: Quelle", "Trigger: Data source", "Déclencheur : source"}, false},
    {"DbmMotionBlockSelect", create<MotionBlockSelect>, {"Fahrsatzauswahl: Quelle", "Motion block selection: Data source", "Sélection bloc de déplacement : source"}, false},
    {"DbmMotionBlockBinSignals", create<MotionBlockBinSignals>, nameMotionBlockBinSignals, false},
    {"DbmMotionBlockTrqForce", create<MotionBlockTrqForce>, nameMotionBlockTrqForce, false},
    {"DbmSrcTrqForce", create<SrcTrqForce>, nameMotionBlockTrqForce, false},
    {"DbmSteuerStatus", create<DbmSteuerStatus>, {"Applikation: Steuer-/Statuswort", "Application: Control/status word", "Application : mot de commande/d'état"}, false},
    {"SteuerStatusFahrsatz", create<SteuerStatusFahrsatz>, {"Fahrsatz: Steuer-/Status-Byte", "Motion block: Control/status byte", "Bloc de déplacement : octet de commande/d'état"}, false},
    {"DbmTipbetrieb", create<DbmTipbetrieb>, {"Tippen", "Jog", "Pas à pas"}, false},
    {"DbmSrcDirection", create<SrcDirection>, {"Bewegungsrichtung: Quelle", "Direction of motion: Data source", "Sens de déplacement : source"}, false},
    {"DbmSrcBinSignals", create<DbmSrcBinSignals>, {"Digitale Signale Applikation: Quelle", "Application digital signals: Data source", "Signaux numériques application : source"}, false},
    {"DbmKommando", create<DbmKommando>, {"Betriebsart Kommando", "Command operating mode", "Mode d'exploitation commande"}, false},
    {"DbmQuellen", create<DbmQuellen>, {"Quellen", "Data sources", "Sources"}, false},
    {"DbmFeldbus", create<DbmFeldbus>, {"Steuer-/Statusworte", "Control/status words", "Mots de commande/d'état"}, false},
    {"DbmGeschwDrehmKraft", create<DbmGeschwDrehmKraft>, {"Betriebsart Geschwindigkeit, Drehmoment/Kraft", "Velocity, torque/force operating mode", "Mode d'exploitation vitesse, couple/force"}, false},
    {"DbmHauptsollwert", create<DbmHauptsollwert>, {"Hauptsollwert", "Main set value", "Valeur de consigne principale"}, false},
    {"DbmZusatzsollwert", create<DbmZusatzsollwert>, {"Zusatzsollwert", "Additional set value", "Valeur de consigne supplémentaire"}, false},
    {"SteuertafelGeschwDrehmKraft", create<SteuertafelGeschwDrehmKraft>, {"Steuertafel Geschwindigkeit, Drehmoment-/Kraft", "Control panel for velocity, torque/force", "Panneau de commande Vitesse, couple/force"}, false},
    {"DbmUebersicht", create<DbmUebersicht>, {"Applikation CiA 402 Drive Based", "CiA 402 Drive Based application", "Application CiA 402 Drive Based"}, false},
    {"DbmZusatzfunktionen", create<DbmZusatzfunktionen>, nameDbmZusatzfunktionen, false},
    {"DbmZusatzfunktionenV2", create<DbmZusatzfunktionenV2>, nameDbmZusatzfunktionen, false},
    {"SrcDirectMbStart", create<SrcDirectMbStart>, {"Direkter Fahrsatzstart: Quelle", "Direct motion block start: Data source", "Démarrage direct bloc de déplacement : source"}, false},
    {"DbmSrcIndirectTriggerFollowMb", create<DbmSrcIndirectTriggerFollowMb>, nameDbmSrcIndirectTriggerFollowMb, false},
    {"DbmSrcIndirectTriggerFollowMbV2", create<DbmSrcIndirectTriggerFollowMbV2>, nameDbmSrcIndirectTriggerFollowMb, false},
    {"DbmBegrGeschwDrehmKraft", create<DbmBegrGeschwDrehmKraft>, {"Begrenzung: Geschwindigkeit; Betriebsart: Geschwindigkeit, Drehmoment/Kraft", "Limit: Velocity; operating mode: Velocity, torque/force", "Limitation : vitesse, mode d'exploitation : vitesse, couple/force"}, false},
    {"SrcSelFixedVelocity", create<SrcSelFixedVelocity>, {"Festsollwert Geschwindigkeit: Auswahl", "Fixed set value for velocity: Selection", "Valeur de consigne fixe vitesse : sélection"}, false},
    {"SrcSelFixedAccel", create<SrcSelFixedAccel>, {"Festwert Beschleunigung: Auswahl", "Fixed value for acceleration: Selection", "Valeur fixe accélération : sélection"}, false},
    {"SrcSelFixedDecel", create<SrcSelFixedDecel>, {"Festwert Verzögerung: Auswahl", "Fixed value for deceleration: Selection", "Valeur fixe temporisation : sélection"}, false},
    {"SrcSelFixedJerk", create<SrcSelFixedJerk>, {"Festwert Ruck: Quelle", "Fixed value for jerk: Data source", "Valeur fixe à-coups : source"}, false},
    {"DbmFixedVelocity", create<DbmFixedVelocity>, {"Festsollwerte: Geschwindigkeit", "Fixed set values: Velocity", "Valeurs de consigne fixes : vitesse"}, false},
    {"DbmFixedJerk", create<DbmFixedJerk>, {"Festwerte: Ruck", "Fixed values: Jerk", "Valeurs fixes : à-coup"}, false},
    {"DbmFixedAccel", create<DbmFixedAccel>, {"Festwerte: Beschleunigung", "Fixed values: Acceleration", "Valeurs fixes : accélération"}, false},
    {"DbmFixedDecel", create<DbmFixedDecel>, {"Festwerte: Verzögerung", "Fixed values: Deceleration", "Valeurs fixes : temporisation"}, false},
    {"SrcCommandBinSignals", create<SrcCommandBinSignals>, nameMotionBlockBinSignals, false},
    {"SteuerStatusKommandobetrieb", create<SteuerStatusKommandobetrieb>, {"Kommando: Steuer-/Status-Byte", "Command: Control/status byte", "Commande : octet de commande/d'état"}, false},
    {"DbmKompReal32", create<DbmKompReal32>, {"Komparatoren REAL32", "REAL32 comparators", "Comparateurs REAL32"}, false},
    {"DbmKompInt32", create<DbmKompInt32>, {"Komparatoren INT32", "INT32 comparators", "Comparateurs INT32"}, false},
    {"PidRegler", create<PidRegler>, {"PID-Regler", "PID controller", "Régulateur PID"}, false},
    {"PidSollwert", create<PidSollwert>, {"Sollwert PID: Quelle", "PID set value: Data source", "Valeur de consigne PID : source"}, false},
    {"PidIstwert", create<PidIstwert>, {"Istwert PID: Quelle", "PID actual value: Data source", "Valeur réelle PID : source"}, false},
    {"SrcDisablePidRegler", create<SrcDisablePidRegler>, {"Deaktivierung, Preset PID: Quelle", "PID deactivation, preset: Data source", "Désactivation, Preset PID : source"}, false},
    {"DbmNocken", create<DbmNocken>, {"Nockenschaltwerk", "Cam control unit", "Boîte à cames"}, false},
    {"Motorpoti", create<Motorpoti>, {"Motorpotentiometer", "Motor potentiometer", "Potentiomètre moteur"}, false},
    {"DbmFahrsatzSchaltwerk", create<DbmFahrsatzSchaltwerk>, {"Fahrsatzende-Schaltwerk", "Motion block end control unit", "Circuit séquentiel de fin de bloc de déplacement"}, false},
    {"Positionsmessung", create<Positionsmessung>, {"Positionsmessung", "Position measurement", "Mesure de position"}, false},
    {"Counter", create<Counter>, {"Zähler", "Counters", "Compteurs"}, false},
    {"DbmKompInt16", create<DbmKompInt16>, {"Komparatoren INT16", "INT16 comparators", "Comparateurs INT16"}, false},
    {"DbmKompInt8", create<DbmKompInt8>, {"Komparatoren INT8", "INT8 comparators", "Comparateurs INT8"}, false},
    {"AnalogOutput1", create<AnalogOutput1>, {"Feldbusgesteuerter analoger Ausgang 1", "Fieldbus-controlled analog output 1", "Sortie analogique 1 commandée par bus de terrain"}, false},
    {"AnalogOutput2", create<AnalogOutput2>, {"Feldbusgesteuerter analoger Ausgang 2", "Fieldbus-controlled analog output 2", "Sortie analogique 2 commandée par bus de terrain"}, false},
};

const PageRow *findRow(const QString &identifier)
{
    for (const PageRow &row : pageTable) {
        if (identifier == QLatin1String(row.identifier))
            return &row;
    }
    return nullptr;
}

} // namespace

QStringList PageRegistry::identifiers()
{
    QStringList list;
    list.reserve(int(std::size(pageTable)));
    for (const PageRow &row : pageTable)
        list << QLatin1String(row.identifier);
    return list;
}

QStringList PageRegistry::staticIdentifiers()
{
    QStringList list;
    for (const PageRow &row : pageTable) {
        if (row.isStatic)
            list << QLatin1String(row.identifier);
    }
    return list;
}

WizardPage *PageRegistry::createPage(const QString &identifier)
{
    const PageRow *row = findRow(identifier);
    return row && row->factory ? row->factory() : nullptr;
}

Text PageRegistry::pageName(const QString &identifier)
{
    Text text;
    if (const PageRow *row = findRow(identifier)) {
        text.setText(HostCode::LanguageGerman, QString::fromUtf8(row->name.german));
        text.setText(HostCode::LanguageEnglish, QString::fromUtf8(row->name.english));
        text.setText(HostCode::LanguageFrench, QString::fromUtf8(row->name.french));
    }
    return text;
}

// The host may keep a translator installed after it unloaded or reloaded the plug-in, so its
// catalogue is a heap copy that the translator itself holds (a property, freed by Qt's own code
// with the translator), never the resource's memory in the library. The cache forgets a
// translator the host deleted.
QTranslator *PageRegistry::translator(int language)
{
    static QHash<int, QPointer<QTranslator>> cache;
    if (QTranslator *cached = cache.value(language))
        return cached;
    const char *path = nullptr;
    switch (language) {
    case HostCode::LanguageGerman: path = ":/Translation/Brevane_de.qm"; break;
    case HostCode::LanguageEnglish: path = ":/Translation/Brevane_en.qm"; break;
    case HostCode::LanguageFrench: path = ":/Translation/Brevane_fr.qm"; break;
    default: return nullptr;
    }
    auto *translator = new QTranslator;
    QFile file(QString::fromLatin1(path));
    const QByteArray catalogue = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    translator->setProperty("brevaneCatalogue", catalogue);
    if (!catalogue.isEmpty()
        && translator->load(reinterpret_cast<const uchar *>(catalogue.constData()), int(catalogue.size())))
        cache.insert(language, translator);
    return translator;
}
