<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
    <context>
        <name>AnzahlFahrsaetzeAendern</name>
        <message>
            <source>Anzahl ändern</source>
            <translation>Anzahl ändern</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Abbrechen</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>AppSatDriveBased</name>
        <message>
            <source>Feldbus</source>
            <translation>Feldbus</translation>
        </message>
        <message>
            <source>Quellen</source>
            <translation>Quellen</translation>
        </message>
        <message>
            <source>Skalierung</source>
            <translation>Skalierung</translation>
        </message>
        <message>
            <source>Steuertafeln</source>
            <translation>Steuertafeln</translation>
        </message>
        <message>
            <source>Betriebsarten</source>
            <translation>Betriebsarten</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Fahrsatz</translation>
        </message>
        <message>
            <source>Geschwindigkeit,&lt;br&gt;Drehmoment / Kraft</source>
            <translation>Geschwindigkeit,&lt;br&gt;Drehmoment / Kraft</translation>
        </message>
        <message>
            <source>Kommando</source>
            <translation>Kommando</translation>
        </message>
        <message>
            <source>Motion-&lt;br&gt;Kern</source>
            <translation>Motion-&lt;br&gt;Kern</translation>
        </message>
        <message>
            <source>Tippen</source>
            <translation>Tippen</translation>
        </message>
        <message>
            <source>Zusatz-&lt;br&gt;funktionen</source>
            <translation>Zusatz-&lt;br&gt;funktionen</translation>
        </message>
    </context>
    <context>
        <name>BrevanePage</name>
        <message>
            <source>Assistentenseite ist aktuell ausgeblendet.</source>
            <translation>Assistent ist ausgeblendet</translation>
        </message>
        <message>
            <source>Assistentenseite ist aktuell ausgeblendet.&lt;br&gt;Möglicherweise sind keine Analogeingänge projektiert.</source>
            <translation>Assistent ist ausgeblendet; projektiertes Optionsmodul prüfen</translation>
        </message>
        <message>
            <source>Seite nicht eingebunden.</source>
            <translation>Assistent ist nicht verfügbar</translation>
        </message>
        <message>
            <source>Assistentenseite fehlt in der Baum-Definition.</source>
            <translation>Assistent ist nicht verfügbar</translation>
        </message>
    </context>
    <context>
        <name>Counter</name>
        <message>
            <source>Nummer</source>
            <translation>Nummer</translation>
        </message>
        <message>
            <source>Zähler</source>
            <translation>Zähler</translation>
        </message>
    </context>
    <context>
        <name>DbmFeldbus</name>
        <message>
            <source>Applikation</source>
            <translation>Applikation</translation>
        </message>
        <message>
            <source>Gerätesteuerung ARDENIC</source>
            <translation>Gerätesteuerung ARDENIC</translation>
        </message>
        <message>
            <source>CiA 402</source>
            <translation>CiA 402</translation>
        </message>
        <message>
            <source>Statuswort 2</source>
            <translation>Statuswort 2</translation>
        </message>
        <message>
            <source>Statuswort: Anwenderdefiniert</source>
            <translation>Statuswort: Anwenderdefiniert</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Fahrsatz</translation>
        </message>
    </context>
    <context>
        <name>DbmKompInt16</name>
        <message>
            <source>Nummer</source>
            <translation>Nummer</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Komparator</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Fenster</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen INT16-Parameter ein</source>
            <translation>Bitte geben Sie einen INT16-Parameter ein</translation>
        </message>
    </context>
    <context>
        <name>DbmKompInt32</name>
        <message>
            <source>Nummer</source>
            <translation>Nummer</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Komparator</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Fenster</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen INT32-Parameter ein</source>
            <translation>Bitte geben Sie einen INT32-Parameter ein</translation>
        </message>
    </context>
    <context>
        <name>DbmKompInt8</name>
        <message>
            <source>Nummer</source>
            <translation>Nummer</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Komparator</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Fenster</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen INT8-Parameter ein</source>
            <translation>Bitte geben Sie einen INT8-Parameter ein</translation>
        </message>
    </context>
    <context>
        <name>DbmKompReal32</name>
        <message>
            <source>Nummer</source>
            <translation>Nummer</translation>
        </message>
        <message>
            <source>Tiefpass</source>
            <translation>Tiefpass</translation>
        </message>
        <message>
            <source>Betrag</source>
            <translation>Betrag</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Komparator</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Fenster</translation>
        </message>
        <message>
            <source>Ziel</source>
            <translation>Ziel</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen Real32-Parameter ein</source>
            <translation>Bitte geben Sie einen Real32-Parameter ein</translation>
        </message>
    </context>
    <context>
        <name>DbmQuellen</name>
        <message>
            <source>Binärsignale Applikation</source>
            <translation>Binärsignale Applikation</translation>
        </message>
        <message>
            <source>Bewegungsrichtung</source>
            <translation>Bewegungsrichtung</translation>
        </message>
        <message>
            <source>Binärsignale: Gerätesteuerung ARDENIC</source>
            <translation>Binärsignale: Gerätesteuerung ARDENIC</translation>
        </message>
        <message>
            <source>Begrenzung Drehmoment/Kraft: Applikation</source>
            <translation>Begrenzung Drehmoment/Kraft: Applikation</translation>
        </message>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>Externe Geschwindigkeit</translation>
        </message>
        <message>
            <source>Externe Zusatzgeschwindigkeit</source>
            <translation>Externe Zusatzgeschwindigkeit</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Geschwindigkeits-Override</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung</source>
            <translation>Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung</translation>
        </message>
        <message>
            <source>Binärsignale: Betriebsart: Fahrsatz</source>
            <translation>Binärsignale: Betriebsart: Fahrsatz</translation>
        </message>
        <message>
            <source>Begrenzung Drehmoment/Kraf: Betriebsart: Fahrsatz</source>
            <translation>Begrenzung Drehmoment/Kraf: Betriebsart: Fahrsatz</translation>
        </message>
        <message>
            <source>Fahrsatzauswahl</source>
            <translation>Fahrsatzauswahl</translation>
        </message>
        <message>
            <source>Trigger Folgefahrsatz</source>
            <translation>Trigger Folgefahrsatz</translation>
        </message>
    </context>
    <context>
        <name>DbmSrcIndirectTriggerFollowMb</name>
        <message>
            <source>Nummer</source>
            <translation>Nummer</translation>
        </message>
        <message>
            <source>Trigger Folgefahrsatz</source>
            <translation>Trigger Folgefahrsatz</translation>
        </message>
    </context>
    <context>
        <name>DbmSrcIndirectTriggerFollowMbV2</name>
        <message>
            <source>Trigger Folgefahrsatz</source>
            <translation>Trigger Folgefahrsatz</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Fahrsatz</translation>
        </message>
    </context>
    <context>
        <name>DbmUebersicht</name>
        <message>
            <source>CiA 402 Steuerwort</source>
            <translation>CiA 402 Steuerwort</translation>
        </message>
        <message>
            <source>CiA 402 Sollwerte</source>
            <translation>CiA 402 Sollwerte</translation>
        </message>
        <message>
            <source>Binäre Signale</source>
            <translation>Binäre Signale</translation>
        </message>
        <message>
            <source>CiA 402 Objekte 1</source>
            <translation>CiA 402 Objekte 1</translation>
        </message>
        <message>
            <source>CiA 402 Objekte 2</source>
            <translation>CiA 402 Objekte 2</translation>
        </message>
        <message>
            <source>CiA 402 Statuswort</source>
            <translation>CiA 402 Statuswort</translation>
        </message>
        <message>
            <source>CiA 402 Istwerte</source>
            <translation>CiA 402 Istwerte</translation>
        </message>
        <message>
            <source>Statuswort 2</source>
            <translation>Statuswort 2</translation>
        </message>
        <message>
            <source>Statuswort Anwender</source>
            <translation>Statuswort Anwender</translation>
        </message>
        <message>
            <source>Applikation&lt;br&gt;&lt;br&gt; CiA 402&lt;br&gt;Drive Based Mode</source>
            <translation>Applikation&lt;br&gt;&lt;br&gt; CiA 402&lt;br&gt;Drive Based Mode</translation>
        </message>
    </context>
    <context>
        <name>DbmZusatzfunktionen</name>
        <message>
            <source>Komparatoren REAL32</source>
            <translation>Komparatoren REAL32</translation>
        </message>
        <message>
            <source>Komparatoren INT32</source>
            <translation>Komparatoren INT32</translation>
        </message>
        <message>
            <source>Nocken</source>
            <translation>Nocken</translation>
        </message>
        <message>
            <source>Positionsmessung</source>
            <translation>Positionsmessung</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>PID-Regler</translation>
        </message>
        <message>
            <source>Motorpotentiometer</source>
            <translation>Motorpotentiometer</translation>
        </message>
        <message>
            <source>Virtueller Master</source>
            <translation>Virtueller Master</translation>
        </message>
        <message>
            <source>Master: Positionsmessung</source>
            <translation>Master: Positionsmessung</translation>
        </message>
        <message>
            <source>Erweiterte Nocken</source>
            <translation>Erweiterte Nocken</translation>
        </message>
    </context>
    <context>
        <name>DbmZusatzfunktionenV2</name>
        <message>
            <source>&lt;a href="Aktionsansteuerung"&gt;Aktionsansteuerung&lt;/a&gt;</source>
            <translation>&lt;a href="Aktionsansteuerung"&gt;Aktionsansteuerung&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AnalogOutput1"&gt;Feldbusgesteuerter analoger Ausgang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AnalogOutput1"&gt;Feldbusgesteuerter analoger Ausgang 1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AnalogOutput2"&gt;Feldbusgesteuerter analoger Ausgang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AnalogOutput2"&gt;Feldbusgesteuerter analoger Ausgang 2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Komparatoren</source>
            <translation>Komparatoren</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenReal"&gt;Komparatoren REAL32&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenReal"&gt;Komparatoren REAL32&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenInt"&gt;Komparatoren INT32&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenInt"&gt;Komparatoren INT32&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenInt16"&gt;Komparatoren INT16&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenInt16"&gt;Komparatoren INT16&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenInt8"&gt;Komparatoren INT8&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenInt8"&gt;Komparatoren INT8&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="MasterDruckmarkenauswertun"&gt;Master: Druckmarkenauswertung&lt;/a&gt;</source>
            <translation>&lt;a href="MasterDruckmarkenauswertun"&gt;Master: Druckmarkenauswertung&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="MasterNockenschaltwerk"&gt;Master: Nockenschaltwerk&lt;/a&gt;</source>
            <translation>&lt;a href="MasterNockenschaltwerk"&gt;Master: Nockenschaltwerk&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Master Positionsmessung</source>
            <translation>Master Positionsmessung</translation>
        </message>
        <message>
            <source>&lt;a href="MasterPositionsmessung"&gt;Master: Positionsmessung&lt;/a&gt;</source>
            <translation>&lt;a href="MasterPositionsmessung"&gt;Master: Positionsmessung&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Motorpotentiometer"&gt;Motorpotentiometer&lt;/a&gt;</source>
            <translation>&lt;a href="Motorpotentiometer"&gt;Motorpotentiometer&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Nockenschaltwerk"&gt;Nockenschaltwerk&lt;/a&gt;</source>
            <translation>&lt;a href="Nockenschaltwerk"&gt;Nockenschaltwerk&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="ErweitertesNockenschaltwerk"&gt;Erweitertes Nockenschaltwerk&lt;/a&gt;</source>
            <translation>&lt;a href="ErweitertesNockenschaltwerk"&gt;Erweitertes Nockenschaltwerk&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="PhasingStartseite"&gt;Phasing&lt;/a&gt;</source>
            <translation>&lt;a href="PhasingStartseite"&gt;Phasing&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="PIDRegler"&gt;PID-Regler&lt;/a&gt;</source>
            <translation>&lt;a href="PIDRegler"&gt;PID-Regler&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Positionsmessung"&gt;Positionsmessung&lt;/a&gt;</source>
            <translation>&lt;a href="Positionsmessung"&gt;Positionsmessung&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Positionsumrechnung"&gt;Positionsumrechnung&lt;/a&gt;</source>
            <translation>&lt;a href="Positionsumrechnung"&gt;Positionsumrechnung&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Touchprobe"&gt;Touch probe&lt;/a&gt;</source>
            <translation>&lt;a href="Touchprobe"&gt;Touch probe&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="VirtuellerMaster"&gt;Virtueller Master&lt;/a&gt;</source>
            <translation>&lt;a href="VirtuellerMaster"&gt;Virtueller Master&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Counter"&gt;Zähler&lt;/a&gt;</source>
            <translation>&lt;a href="Counter"&gt;Zähler&lt;/a&gt;</translation>
        </message>
    </context>
    <context>
        <name>DiagFahrsatzUebernehmen</name>
        <message>
            <source>Übernehmen von Fahrsatz</source>
            <translation>Übernehmen von Fahrsatz</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Abbrechen</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>Fahrsatz</name>
        <message>
            <source>Nummer</source>
            <translation>Nummer</translation>
        </message>
        <message>
            <source>Tooltip</source>
            <translation>Tooltip</translation>
        </message>
        <message>
            <source>Statustip</source>
            <translation>Statustip</translation>
        </message>
        <message>
            <source>What's This?</source>
            <translation>What's This?</translation>
        </message>
        <message>
            <source>übernehmen von</source>
            <translation>übernehmen von</translation>
        </message>
        <message>
            <source>Folgefahrsatz</source>
            <translation>Folgefahrsatz</translation>
        </message>
        <message>
            <source>This is the Tooltip</source>
            <translation>This is the Tooltip</translation>
        </message>
        <message>
            <source>Begrenzung Drehmoment/Kraft</source>
            <translation>Begrenzung Drehmoment/Kraft</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Geschwindigkeits-Override</translation>
        </message>
        <message>
            <source>Haltebremse</source>
            <translation>Haltebremse</translation>
        </message>
        <message>
            <source>Bewegungsrichtung</source>
            <translation>Bewegungsrichtung</translation>
        </message>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>Externe Geschwindigkeit</translation>
        </message>
        <message>
            <source>Gültig nur für Halt-Signal während Homing</source>
            <translation>Gültig nur für Halt-Signal während Homing</translation>
        </message>
        <message>
            <source>Referenzierung</source>
            <translation>Referenzierung</translation>
        </message>
        <message>
            <source>Gültig nur für Halt-Signal</source>
            <translation>Gültig nur für Halt-Signal</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung</source>
            <translation>Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung</translation>
        </message>
        <message>
            <source>Synchronbetrieb</source>
            <translation>Synchronbetrieb</translation>
        </message>
    </context>
    <context>
        <name>Fahrsatzbetrieb</name>
        <message>
            <source>Anzahl Fahrsätze</source>
            <translation>Anzahl Fahrsätze</translation>
        </message>
        <message>
            <source>Anzahl ändern</source>
            <translation>Anzahl ändern</translation>
        </message>
        <message>
            <source>zurücksetzen</source>
            <translation>zurücksetzen</translation>
        </message>
        <message>
            <source>Nummer</source>
            <translation>Nummer</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Kommando</source>
            <translation>Kommando</translation>
        </message>
        <message>
            <source>Sollwert</source>
            <translation>Sollwert</translation>
        </message>
        <message>
            <source>Folgefahrsatz-Interrupt</source>
            <translation>Folgefahrsatz-Interrupt</translation>
        </message>
        <message>
            <source>Folgefahrsatz-Fahrsatzende</source>
            <translation>Folgefahrsatz-Fahrsatzende</translation>
        </message>
        <message>
            <source>Gepufferter Folgefahrsatz</source>
            <translation>Gepufferter Folgefahrsatz</translation>
        </message>
    </context>
    <context>
        <name>Folgefahrsatz</name>
        <message>
            <source>Nummer</source>
            <translation>Nummer</translation>
        </message>
        <message>
            <source>Quelle Trigger Folgefahrsatz</source>
            <translation>Quelle Trigger Folgefahrsatz</translation>
        </message>
        <message>
            <source>Trigger im gesamten Verfahrbereich aktiv</source>
            <translation>Trigger im gesamten Verfahrbereich aktiv</translation>
        </message>
        <message>
            <source>-1: inaktiv</source>
            <translation>-1: inaktiv</translation>
        </message>
    </context>
    <context>
        <name>MotionBlockBinSignals</name>
        <message>
            <source>Inaktiv</source>
            <translation>Inaktiv</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>DI1 – DI13
DI1 invertiert –
DI13 invertiert</source>
            <translation>DI1 – DI13
DI1 invertiert –
DI13 invertiert</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Steuertafel: Fahrsatz</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Alle Quellen auf Parameter setzen</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Alle Quellen deaktivieren</translation>
        </message>
    </context>
    <context>
        <name>MotionBlockSelect</name>
        <message>
            <source>Direkter Fahrsatzstart</source>
            <translation>Direkter Fahrsatzstart</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Steuertafel: Fahrsatz</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Fahrsatz</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Steuertafel</translation>
        </message>
    </context>
    <context>
        <name>MotionBlockTrqForce</name>
        <message>
            <source>Fahrsatz</source>
            <translation>Fahrsatz</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
    </context>
    <context>
        <name>MotionBlocks</name>
        <message>
            <source>Zu editierender Fahrsatz</source>
            <translation>Zu editierender Fahrsatz</translation>
        </message>
        <message>
            <source>Anzahl Fahrsätze</source>
            <translation>Anzahl Fahrsätze</translation>
        </message>
    </context>
    <context>
        <name>SrcCtrlFollowMotionBlock</name>
        <message>
            <source>Inaktiv</source>
            <translation>Inaktiv</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>DI1 – DI13
DI1 invertiert –
DI13 invertiert</source>
            <translation>DI1 – DI13
DI1 invertiert –
DI13 invertiert</translation>
        </message>
        <message>
            <source>&lt;a href="IndirectTrigger"&gt;Indirekter Trigger&lt;/a&gt;</source>
            <translation>&lt;a href="IndirectTrigger"&gt;Indirekter Trigger&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Folgefahrsatz"&gt;Folgefahrsatz&lt;/a&gt;</source>
            <translation>&lt;a href="Folgefahrsatz"&gt;Folgefahrsatz&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="EinAusgaenge"&gt;E19&lt;/a&gt;</source>
            <translation>&lt;a href="EinAusgaenge"&gt;E19&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Alle Quellen auf Parameter setzen</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Alle Quellen deaktivieren</translation>
        </message>
    </context>
    <context>
        <name>SrcDirectMbStart</name>
        <message>
            <source>Inaktiv</source>
            <translation>Inaktiv</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>DI1 – DI13
DI1 invertiert –
DI13 invertiert</source>
            <translation>DI1 – DI13
DI1 invertiert –
DI13 invertiert</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Steuertafel: Fahrsatz</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Fahrsatz</translation>
        </message>
        <message>
            <source>Fahrsatzauswahl</source>
            <translation>Fahrsatzauswahl</translation>
        </message>
    </context>
</TS>
