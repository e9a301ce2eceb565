<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
    <context>
        <name>AnzahlFahrsaetzeAendern</name>
        <message>
            <source>Anzahl ändern</source>
            <translation>Modifier le nombre</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Abbrechen</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>AppSatDriveBased</name>
        <message>
            <source>Feldbus</source>
            <translation>Bus de terrain</translation>
        </message>
        <message>
            <source>Quellen</source>
            <translation>Sources</translation>
        </message>
        <message>
            <source>Skalierung</source>
            <translation>Mise à l'échelle</translation>
        </message>
        <message>
            <source>Steuertafeln</source>
            <translation>Panneaux de commande</translation>
        </message>
        <message>
            <source>Betriebsarten</source>
            <translation>Modes d'exploitation</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Bloc de déplacement</translation>
        </message>
        <message>
            <source>Geschwindigkeit,&lt;br&gt;Drehmoment / Kraft</source>
            <translation>Vitesse,&lt;br&gt;couple/force</translation>
        </message>
        <message>
            <source>Kommando</source>
            <translation>Commande</translation>
        </message>
        <message>
            <source>Motion-&lt;br&gt;Kern</source>
            <translation>Noyau&lt;br&gt;Motion</translation>
        </message>
        <message>
            <source>Tippen</source>
            <translation>Pas à pas</translation>
        </message>
        <message>
            <source>Zusatz-&lt;br&gt;funktionen</source>
            <translation>Fonctions&lt;br&gt;additionnelles</translation>
        </message>
    </context>
    <context>
        <name>BrevanePage</name>
        <message>
            <source>Assistentenseite ist aktuell ausgeblendet.</source>
            <translation>L'assistant est masqué</translation>
        </message>
        <message>
            <source>Assistentenseite ist aktuell ausgeblendet.&lt;br&gt;Möglicherweise sind keine Analogeingänge projektiert.</source>
            <translation>L'assistant est masqué ; vérifier le module optionnel projeté</translation>
        </message>
        <message>
            <source>Seite nicht eingebunden.</source>
            <translation>L'assistant n'est pas disponible</translation>
        </message>
        <message>
            <source>Assistentenseite fehlt in der Baum-Definition.</source>
            <translation>L'assistant n'est pas disponible</translation>
        </message>
    </context>
    <context>
        <name>Counter</name>
        <message>
            <source>Nummer</source>
            <translation>Numéro</translation>
        </message>
        <message>
            <source>Zähler</source>
            <translation>Compteur</translation>
        </message>
    </context>
    <context>
        <name>DbmFeldbus</name>
        <message>
            <source>Applikation</source>
            <translation>Application</translation>
        </message>
        <message>
            <source>Gerätesteuerung ARDENIC</source>
            <translation>Commande de l'appareil ARDENIC</translation>
        </message>
        <message>
            <source>CiA 402</source>
            <translation>CiA 402</translation>
        </message>
        <message>
            <source>Statuswort 2</source>
            <translation>Mot d'état 2</translation>
        </message>
        <message>
            <source>Statuswort: Anwenderdefiniert</source>
            <translation>Mot d'état : défini par l'utilisateur</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Bloc de déplacement</translation>
        </message>
    </context>
    <context>
        <name>DbmKompInt16</name>
        <message>
            <source>Nummer</source>
            <translation>Numéro</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Comparateur</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Fenêtre</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen INT16-Parameter ein</source>
            <translation>Saisie invalide, sélectionnez un paramètre de type INT16.</translation>
        </message>
    </context>
    <context>
        <name>DbmKompInt32</name>
        <message>
            <source>Nummer</source>
            <translation>Numéro</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Comparateur</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Fenêtre</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen INT32-Parameter ein</source>
            <translation>Saisie invalide, sélectionnez un paramètre de type INT32.</translation>
        </message>
    </context>
    <context>
        <name>DbmKompInt8</name>
        <message>
            <source>Nummer</source>
            <translation>Numéro</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Comparateur</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Fenêtre</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen INT8-Parameter ein</source>
            <translation>Saisie invalide, sélectionnez un paramètre de type INT8.</translation>
        </message>
    </context>
    <context>
        <name>DbmKompReal32</name>
        <message>
            <source>Nummer</source>
            <translation>Numéro</translation>
        </message>
        <message>
            <source>Tiefpass</source>
            <translation>Filtre passe-bas</translation>
        </message>
        <message>
            <source>Betrag</source>
            <translation>Valeur absolue</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Comparateur</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Fenêtre</translation>
        </message>
        <message>
            <source>Ziel</source>
            <translation>Cible</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen Real32-Parameter ein</source>
            <translation>Saisie invalide, sélectionnez un paramètre de type REAL32.</translation>
        </message>
    </context>
    <context>
        <name>DbmQuellen</name>
        <message>
            <source>Binärsignale Applikation</source>
            <translation>Signaux numériques : application</translation>
        </message>
        <message>
            <source>Bewegungsrichtung</source>
            <translation>Sens de déplacement</translation>
        </message>
        <message>
            <source>Binärsignale: Gerätesteuerung ARDENIC</source>
            <translation>Signaux numériques : commande de l'appareil</translation>
        </message>
        <message>
            <source>Begrenzung Drehmoment/Kraft: Applikation</source>
            <translation>Limitation du couple/de la force</translation>
        </message>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>Vitesse externe</translation>
        </message>
        <message>
            <source>Externe Zusatzgeschwindigkeit</source>
            <translation>Vitesse externe additionnelle</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Override de la vitesse</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung</source>
            <translation>Couple/force de consigne, limitation de vitesse</translation>
        </message>
        <message>
            <source>Binärsignale: Betriebsart: Fahrsatz</source>
            <translation>Signaux numériques : mode d'exploitation</translation>
        </message>
        <message>
            <source>Begrenzung Drehmoment/Kraf: Betriebsart: Fahrsatz</source>
            <translation>Limitation : couple/force : mode d'exploitation</translation>
        </message>
        <message>
            <source>Fahrsatzauswahl</source>
            <translation>Sélection bloc de déplacement</translation>
        </message>
        <message>
            <source>Trigger Folgefahrsatz</source>
            <translation>Déclencheur</translation>
        </message>
    </context>
    <context>
        <name>DbmSrcIndirectTriggerFollowMb</name>
        <message>
            <source>Nummer</source>
            <translation>Numéro</translation>
        </message>
        <message>
            <source>Trigger Folgefahrsatz</source>
            <translation>Déclencheur</translation>
        </message>
    </context>
    <context>
        <name>DbmSrcIndirectTriggerFollowMbV2</name>
        <message>
            <source>Trigger Folgefahrsatz</source>
            <translation>Déclencheur</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Bloc de déplacement</translation>
        </message>
    </context>
    <context>
        <name>DbmUebersicht</name>
        <message>
            <source>CiA 402 Steuerwort</source>
            <translation>Mot de commande CiA 402</translation>
        </message>
        <message>
            <source>CiA 402 Sollwerte</source>
            <translation>Valeurs de consigne CiA 402</translation>
        </message>
        <message>
            <source>Binäre Signale</source>
            <translation>Signaux numériques</translation>
        </message>
        <message>
            <source>CiA 402 Objekte 1</source>
            <translation>Objets CiA 402 1</translation>
        </message>
        <message>
            <source>CiA 402 Objekte 2</source>
            <translation>Objets CiA 402 2</translation>
        </message>
        <message>
            <source>CiA 402 Statuswort</source>
            <translation>Mot d'état CiA 402</translation>
        </message>
        <message>
            <source>CiA 402 Istwerte</source>
            <translation>Valeurs réelles CiA 402</translation>
        </message>
        <message>
            <source>Statuswort 2</source>
            <translation>Mot d'état 2</translation>
        </message>
        <message>
            <source>Statuswort Anwender</source>
            <translation>Mot d'état utilisateur</translation>
        </message>
        <message>
            <source>Applikation&lt;br&gt;&lt;br&gt; CiA 402&lt;br&gt;Drive Based Mode</source>
            <translation>Application&lt;br&gt;&lt;br&gt; CiA 402&lt;br&gt;mode Drive Based</translation>
        </message>
    </context>
    <context>
        <name>DbmZusatzfunktionen</name>
        <message>
            <source>Komparatoren REAL32</source>
            <translation>Comparateurs REAL32</translation>
        </message>
        <message>
            <source>Komparatoren INT32</source>
            <translation>Comparateurs INT32</translation>
        </message>
        <message>
            <source>Nocken</source>
            <translation>Boîte à cames</translation>
        </message>
        <message>
            <source>Positionsmessung</source>
            <translation>Mesure de position</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>Régulateur PID</translation>
        </message>
        <message>
            <source>Motorpotentiometer</source>
            <translation>Potentiomètre moteur</translation>
        </message>
        <message>
            <source>Virtueller Master</source>
            <translation>Maître virtuel</translation>
        </message>
        <message>
            <source>Master: Positionsmessung</source>
            <translation>Maître : mesure de position</translation>
        </message>
        <message>
            <source>Erweiterte Nocken</source>
            <translation>Boîte à cames étendue</translation>
        </message>
    </context>
    <context>
        <name>DbmZusatzfunktionenV2</name>
        <message>
            <source>&lt;a href="Aktionsansteuerung"&gt;Aktionsansteuerung&lt;/a&gt;</source>
            <translation>&lt;a href="Aktionsansteuerung"&gt;Activation d'actions&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AnalogOutput1"&gt;Feldbusgesteuerter analoger Ausgang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AnalogOutput1"&gt;Sortie analogique 1 commandée par bus de terrain&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AnalogOutput2"&gt;Feldbusgesteuerter analoger Ausgang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AnalogOutput2"&gt;Sortie analogique 2 commandée par bus de terrain&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Komparatoren</source>
            <translation>Comparateurs</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenReal"&gt;Komparatoren REAL32&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenReal"&gt;Comparateurs REAL32&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenInt"&gt;Komparatoren INT32&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenInt"&gt;Comparateurs INT32&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenInt16"&gt;Komparatoren INT16&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenInt16"&gt;Comparateurs INT16&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenInt8"&gt;Komparatoren INT8&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenInt8"&gt;Comparateurs INT8&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="MasterDruckmarkenauswertun"&gt;Master: Druckmarkenauswertung&lt;/a&gt;</source>
            <translation>&lt;a href="MasterDruckmarkenauswertun"&gt;Maître : évaluation des repères d'impression&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="MasterNockenschaltwerk"&gt;Master: Nockenschaltwerk&lt;/a&gt;</source>
            <translation>&lt;a href="MasterNockenschaltwerk"&gt;Maître : boîte à cames&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Master Positionsmessung</source>
            <translation>Mesure de position maître</translation>
        </message>
        <message>
            <source>&lt;a href="MasterPositionsmessung"&gt;Master: Positionsmessung&lt;/a&gt;</source>
            <translation>&lt;a href="MasterPositionsmessung"&gt;Maître : mesure de position&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Motorpotentiometer"&gt;Motorpotentiometer&lt;/a&gt;</source>
            <translation>&lt;a href="Motorpotentiometer"&gt;Potentiomètre moteur&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Nockenschaltwerk"&gt;Nockenschaltwerk&lt;/a&gt;</source>
            <translation>&lt;a href="Nockenschaltwerk"&gt;Boîte à cames&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="ErweitertesNockenschaltwerk"&gt;Erweitertes Nockenschaltwerk&lt;/a&gt;</source>
            <translation>&lt;a href="ErweitertesNockenschaltwerk"&gt;Boîte à cames étendue&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="PhasingStartseite"&gt;Phasing&lt;/a&gt;</source>
            <translation>&lt;a href="PhasingStartseite"&gt;Phasage&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="PIDRegler"&gt;PID-Regler&lt;/a&gt;</source>
            <translation>&lt;a href="PIDRegler"&gt;Régulateur PID&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Positionsmessung"&gt;Positionsmessung&lt;/a&gt;</source>
            <translation>&lt;a href="Positionsmessung"&gt;Mesure de position&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Positionsumrechnung"&gt;Positionsumrechnung&lt;/a&gt;</source>
            <translation>&lt;a href="Positionsumrechnung"&gt;Conversion de position&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Touchprobe"&gt;Touch probe&lt;/a&gt;</source>
            <translation>&lt;a href="Touchprobe"&gt;Palpeur (touch probe)&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="VirtuellerMaster"&gt;Virtueller Master&lt;/a&gt;</source>
            <translation>&lt;a href="VirtuellerMaster"&gt;Maître virtuel&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Counter"&gt;Zähler&lt;/a&gt;</source>
            <translation>&lt;a href="Counter"&gt;Compteur&lt;/a&gt;</translation>
        </message>
    </context>
    <context>
        <name>DiagFahrsatzUebernehmen</name>
        <message>
            <source>Übernehmen von Fahrsatz</source>
            <translation>Reprendre du bloc de déplacement</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Abbrechen</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>Fahrsatz</name>
        <message>
            <source>Nummer</source>
            <translation>Numéro</translation>
        </message>
        <message>
            <source>Tooltip</source>
            <translation>Info-bulle</translation>
        </message>
        <message>
            <source>Statustip</source>
            <translation>Astuce d'état</translation>
        </message>
        <message>
            <source>What's This?</source>
            <translation>Qu'est-ce que c'est ?</translation>
        </message>
        <message>
            <source>übernehmen von</source>
            <translation>copier de</translation>
        </message>
        <message>
            <source>Folgefahrsatz</source>
            <translation>Bloc de déplacement consécutif</translation>
        </message>
        <message>
            <source>This is the Tooltip</source>
            <translation>Ceci est l'info-bulle</translation>
        </message>
        <message>
            <source>Begrenzung Drehmoment/Kraft</source>
            <translation>Limitation couple/force</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Override de la vitesse</translation>
        </message>
        <message>
            <source>Haltebremse</source>
            <translation>Frein d'arrêt</translation>
        </message>
        <message>
            <source>Bewegungsrichtung</source>
            <translation>Sens de déplacement</translation>
        </message>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>Vitesse externe</translation>
        </message>
        <message>
            <source>Gültig nur für Halt-Signal während Homing</source>
            <translation>Valable uniquement pour le signal d'arrêt pendant la prise d'origine</translation>
        </message>
        <message>
            <source>Referenzierung</source>
            <translation>Référencement</translation>
        </message>
        <message>
            <source>Gültig nur für Halt-Signal</source>
            <translation>Valable uniquement pour le signal d'arrêt</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung</source>
            <translation>Couple/force de consigne, limitation de vitesse</translation>
        </message>
        <message>
            <source>Synchronbetrieb</source>
            <translation>Mode synchrone</translation>
        </message>
    </context>
    <context>
        <name>Fahrsatzbetrieb</name>
        <message>
            <source>Anzahl Fahrsätze</source>
            <translation>Nombre de blocs de déplacement</translation>
        </message>
        <message>
            <source>Anzahl ändern</source>
            <translation>Modifier le nombre</translation>
        </message>
        <message>
            <source>zurücksetzen</source>
            <translation>Réinitialiser</translation>
        </message>
        <message>
            <source>Nummer</source>
            <translation>Numéro</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>Kommando</source>
            <translation>Commande</translation>
        </message>
        <message>
            <source>Sollwert</source>
            <translation>Valeur de consigne</translation>
        </message>
        <message>
            <source>Folgefahrsatz-Interrupt</source>
            <translation>Interruption bloc de déplacement consécutif</translation>
        </message>
        <message>
            <source>Folgefahrsatz-Fahrsatzende</source>
            <translation>Fin de bloc de déplacement consécutif</translation>
        </message>
        <message>
            <source>Gepufferter Folgefahrsatz</source>
            <translation>Bloc de déplacement consécutif en mémoire tampon</translation>
        </message>
    </context>
    <context>
        <name>Folgefahrsatz</name>
        <message>
            <source>Nummer</source>
            <translation>Numéro</translation>
        </message>
        <message>
            <source>Quelle Trigger Folgefahrsatz</source>
            <translation>Déclencheur : source</translation>
        </message>
        <message>
            <source>Trigger im gesamten Verfahrbereich aktiv</source>
            <translation>Déclencheur actif sur toute la plage de déplacement</translation>
        </message>
        <message>
            <source>-1: inaktiv</source>
            <translation>-1 : inactif</translation>
        </message>
    </context>
    <context>
        <name>MotionBlockBinSignals</name>
        <message>
            <source>Inaktiv</source>
            <translation>Inactif</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Actif</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Paramètre</translation>
        </message>
        <message>
            <source>DI1 – DI13
DI1 invertiert –
DI13 invertiert</source>
            <translation>DI1 – DI13
DI1 inversée –
DI13 inversée</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Panneau de commande : bloc de déplacement</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Régler toutes les sources sur paramètre</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Désactiver toutes les sources</translation>
        </message>
    </context>
    <context>
        <name>MotionBlockSelect</name>
        <message>
            <source>Direkter Fahrsatzstart</source>
            <translation>Démarrage direct bloc de déplacement</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Panneau de commande : bloc de déplacement</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Bloc de déplacement</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Panneau de commande</translation>
        </message>
    </context>
    <context>
        <name>MotionBlockTrqForce</name>
        <message>
            <source>Fahrsatz</source>
            <translation>Bloc de déplacement</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Paramètre</translation>
        </message>
    </context>
    <context>
        <name>MotionBlocks</name>
        <message>
            <source>Zu editierender Fahrsatz</source>
            <translation>Bloc de déplacement à modifier</translation>
        </message>
        <message>
            <source>Anzahl Fahrsätze</source>
            <translation>Nombre de blocs de déplacement</translation>
        </message>
    </context>
    <context>
        <name>SrcCtrlFollowMotionBlock</name>
        <message>
            <source>Inaktiv</source>
            <translation>Inactif</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Actif</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Paramètre</translation>
        </message>
        <message>
            <source>DI1 – DI13
DI1 invertiert –
DI13 invertiert</source>
            <translation>DI1 – DI13
DI1 inversée –
DI13 inversée</translation>
        </message>
        <message>
            <source>&lt;a href="IndirectTrigger"&gt;Indirekter Trigger&lt;/a&gt;</source>
            <translation>&lt;a href="IndirectTrigger"&gt;Déclencheur indirect&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Folgefahrsatz"&gt;Folgefahrsatz&lt;/a&gt;</source>
            <translation>&lt;a href="Folgefahrsatz"&gt;Bloc de déplacement suivant&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="EinAusgaenge"&gt;E19&lt;/a&gt;</source>
            <translation>&lt;a href="EinAusgaenge"&gt;E19&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Régler toutes les sources sur paramètre</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Désactiver toutes les sources</translation>
        </message>
    </context>
    <context>
        <name>SrcDirectMbStart</name>
        <message>
            <source>Inaktiv</source>
            <translation>Inactif</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Actif</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Paramètre</translation>
        </message>
        <message>
            <source>DI1 – DI13
DI1 invertiert –
DI13 invertiert</source>
            <translation>DI1 – DI13
DI1 inversée –
DI13 inversée</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Panneau de commande : bloc de déplacement</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Bloc de déplacement</translation>
        </message>
        <message>
            <source>Fahrsatzauswahl</source>
            <translation>Sélection bloc de déplacement</translation>
        </message>
    </context>
</TS>
