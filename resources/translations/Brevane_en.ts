<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
    <context>
        <name>AnzahlFahrsaetzeAendern</name>
        <message>
            <source>Anzahl ändern</source>
            <translation>Change number</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Okay</translation>
        </message>
        <message>
            <source>Abbrechen</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>AppSatDriveBased</name>
        <message>
            <source>Feldbus</source>
            <translation>Fieldbus</translation>
        </message>
        <message>
            <source>Quellen</source>
            <translation>Data sources</translation>
        </message>
        <message>
            <source>Skalierung</source>
            <translation>Scaling</translation>
        </message>
        <message>
            <source>Steuertafeln</source>
            <translation>Control panels</translation>
        </message>
        <message>
            <source>Betriebsarten</source>
            <translation>Operating modes</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Motion block</translation>
        </message>
        <message>
            <source>Geschwindigkeit,&lt;br&gt;Drehmoment / Kraft</source>
            <translation>Velocity,&lt;br&gt;torque/force</translation>
        </message>
        <message>
            <source>Kommando</source>
            <translation>Command</translation>
        </message>
        <message>
            <source>Motion-&lt;br&gt;Kern</source>
            <translation>Motion&lt;br&gt;core</translation>
        </message>
        <message>
            <source>Tippen</source>
            <translation>Jog</translation>
        </message>
        <message>
            <source>Zusatz-&lt;br&gt;funktionen</source>
            <translation>Additional&lt;br&gt;functions</translation>
        </message>
    </context>
    <context>
        <name>BrevanePage</name>
        <message>
            <source>Assistentenseite ist aktuell ausgeblendet.</source>
            <translation>Wizard is hidden</translation>
        </message>
        <message>
            <source>Assistentenseite ist aktuell ausgeblendet.&lt;br&gt;Möglicherweise sind keine Analogeingänge projektiert.</source>
            <translation>Wizard is hidden; check projected option module</translation>
        </message>
        <message>
            <source>Seite nicht eingebunden.</source>
            <translation>Wizard is not available</translation>
        </message>
        <message>
            <source>Assistentenseite fehlt in der Baum-Definition.</source>
            <translation>Wizard is not available</translation>
        </message>
    </context>
    <context>
        <name>Counter</name>
        <message>
            <source>Nummer</source>
            <translation>Number</translation>
        </message>
        <message>
            <source>Zähler</source>
            <translation>Counter</translation>
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
            <translation>Device control ARDENIC</translation>
        </message>
        <message>
            <source>CiA 402</source>
            <translation>CiA 402</translation>
        </message>
        <message>
            <source>Statuswort 2</source>
            <translation>Status word 2</translation>
        </message>
        <message>
            <source>Statuswort: Anwenderdefiniert</source>
            <translation>Status word: User-defined</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Motion block</translation>
        </message>
    </context>
    <context>
        <name>DbmKompInt16</name>
        <message>
            <source>Nummer</source>
            <translation>Number</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Comparator</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Window</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen INT16-Parameter ein</source>
            <translation>Invalid entry, select a parameter with data type INT16.</translation>
        </message>
    </context>
    <context>
        <name>DbmKompInt32</name>
        <message>
            <source>Nummer</source>
            <translation>Number</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Comparator</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Window</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen INT32-Parameter ein</source>
            <translation>Invalid entry, select a parameter with data type INT32.</translation>
        </message>
    </context>
    <context>
        <name>DbmKompInt8</name>
        <message>
            <source>Nummer</source>
            <translation>Number</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Comparator</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Window</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen INT8-Parameter ein</source>
            <translation>Invalid entry, select a parameter with data type INT8.</translation>
        </message>
    </context>
    <context>
        <name>DbmKompReal32</name>
        <message>
            <source>Nummer</source>
            <translation>Number</translation>
        </message>
        <message>
            <source>Tiefpass</source>
            <translation>Lowpass filter</translation>
        </message>
        <message>
            <source>Betrag</source>
            <translation>Amount</translation>
        </message>
        <message>
            <source>Komparator</source>
            <translation>Comparator</translation>
        </message>
        <message>
            <source>Fenster</source>
            <translation>Window</translation>
        </message>
        <message>
            <source>Ziel</source>
            <translation>Target</translation>
        </message>
        <message>
            <source>Bitte geben Sie einen Real32-Parameter ein</source>
            <translation>Invalid entry, select a parameter with data type REAL32.</translation>
        </message>
    </context>
    <context>
        <name>DbmQuellen</name>
        <message>
            <source>Binärsignale Applikation</source>
            <translation>Digital signals: Application</translation>
        </message>
        <message>
            <source>Bewegungsrichtung</source>
            <translation>Direction of motion</translation>
        </message>
        <message>
            <source>Binärsignale: Gerätesteuerung ARDENIC</source>
            <translation>Digital signals: Device control</translation>
        </message>
        <message>
            <source>Begrenzung Drehmoment/Kraft: Applikation</source>
            <translation>Limitation of torque/force</translation>
        </message>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>External velocity</translation>
        </message>
        <message>
            <source>Externe Zusatzgeschwindigkeit</source>
            <translation>External additional velocity</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Velocity override</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung</source>
            <translation>Set torque/force, compound velocity</translation>
        </message>
        <message>
            <source>Binärsignale: Betriebsart: Fahrsatz</source>
            <translation>Digital signals: Operating mode</translation>
        </message>
        <message>
            <source>Begrenzung Drehmoment/Kraf: Betriebsart: Fahrsatz</source>
            <translation>Limit: Torque/force: Operating mode</translation>
        </message>
        <message>
            <source>Fahrsatzauswahl</source>
            <translation>Motion block selection</translation>
        </message>
        <message>
            <source>Trigger Folgefahrsatz</source>
            <translation>Trigger</translation>
        </message>
    </context>
    <context>
        <name>DbmSrcIndirectTriggerFollowMb</name>
        <message>
            <source>Nummer</source>
            <translation>Number</translation>
        </message>
        <message>
            <source>Trigger Folgefahrsatz</source>
            <translation>Trigger</translation>
        </message>
    </context>
    <context>
        <name>DbmSrcIndirectTriggerFollowMbV2</name>
        <message>
            <source>Trigger Folgefahrsatz</source>
            <translation>Trigger</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Motion block</translation>
        </message>
    </context>
    <context>
        <name>DbmUebersicht</name>
        <message>
            <source>CiA 402 Steuerwort</source>
            <translation>CiA 402 control word</translation>
        </message>
        <message>
            <source>CiA 402 Sollwerte</source>
            <translation>CiA 402 set values</translation>
        </message>
        <message>
            <source>Binäre Signale</source>
            <translation>Digital signals</translation>
        </message>
        <message>
            <source>CiA 402 Objekte 1</source>
            <translation>CiA 402 objects 1</translation>
        </message>
        <message>
            <source>CiA 402 Objekte 2</source>
            <translation>CiA 402 objects 2</translation>
        </message>
        <message>
            <source>CiA 402 Statuswort</source>
            <translation>CiA 402 status word</translation>
        </message>
        <message>
            <source>CiA 402 Istwerte</source>
            <translation>CiA 402 actual values</translation>
        </message>
        <message>
            <source>Statuswort 2</source>
            <translation>Status word 2</translation>
        </message>
        <message>
            <source>Statuswort Anwender</source>
            <translation>User status word</translation>
        </message>
        <message>
            <source>Applikation&lt;br&gt;&lt;br&gt; CiA 402&lt;br&gt;Drive Based Mode</source>
            <translation>Application&lt;br&gt;&lt;br&gt; CiA 402&lt;br&gt;Drive Based Mode</translation>
        </message>
    </context>
    <context>
        <name>DbmZusatzfunktionen</name>
        <message>
            <source>Komparatoren REAL32</source>
            <translation>REAL32 comparators</translation>
        </message>
        <message>
            <source>Komparatoren INT32</source>
            <translation>INT32 comparators</translation>
        </message>
        <message>
            <source>Nocken</source>
            <translation>Cam control unit</translation>
        </message>
        <message>
            <source>Positionsmessung</source>
            <translation>Position measurement</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>PID controller</translation>
        </message>
        <message>
            <source>Motorpotentiometer</source>
            <translation>Motor potentiometer</translation>
        </message>
        <message>
            <source>Virtueller Master</source>
            <translation>Virtual master</translation>
        </message>
        <message>
            <source>Master: Positionsmessung</source>
            <translation>Master: Position measurement</translation>
        </message>
        <message>
            <source>Erweiterte Nocken</source>
            <translation>Extended cam control unit</translation>
        </message>
    </context>
    <context>
        <name>DbmZusatzfunktionenV2</name>
        <message>
            <source>&lt;a href="Aktionsansteuerung"&gt;Aktionsansteuerung&lt;/a&gt;</source>
            <translation>&lt;a href="Aktionsansteuerung"&gt;Action activation&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AnalogOutput1"&gt;Feldbusgesteuerter analoger Ausgang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AnalogOutput1"&gt;Fieldbus-controlled analog output 1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AnalogOutput2"&gt;Feldbusgesteuerter analoger Ausgang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AnalogOutput2"&gt;Fieldbus-controlled analog output 2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Komparatoren</source>
            <translation>Comparators</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenReal"&gt;Komparatoren REAL32&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenReal"&gt;REAL32 comparators&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenInt"&gt;Komparatoren INT32&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenInt"&gt;INT32 comparators&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenInt16"&gt;Komparatoren INT16&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenInt16"&gt;INT16 comparators&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="KomparatorenInt8"&gt;Komparatoren INT8&lt;/a&gt;</source>
            <translation>&lt;a href="KomparatorenInt8"&gt;INT8 comparators&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="MasterDruckmarkenauswertun"&gt;Master: Druckmarkenauswertung&lt;/a&gt;</source>
            <translation>&lt;a href="MasterDruckmarkenauswertun"&gt;Master: Print mark evaluation&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="MasterNockenschaltwerk"&gt;Master: Nockenschaltwerk&lt;/a&gt;</source>
            <translation>&lt;a href="MasterNockenschaltwerk"&gt;Master: Cam control unit&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Master Positionsmessung</source>
            <translation>Master position measurement</translation>
        </message>
        <message>
            <source>&lt;a href="MasterPositionsmessung"&gt;Master: Positionsmessung&lt;/a&gt;</source>
            <translation>&lt;a href="MasterPositionsmessung"&gt;Master: Position measurement&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Motorpotentiometer"&gt;Motorpotentiometer&lt;/a&gt;</source>
            <translation>&lt;a href="Motorpotentiometer"&gt;Motor potentiometer&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Nockenschaltwerk"&gt;Nockenschaltwerk&lt;/a&gt;</source>
            <translation>&lt;a href="Nockenschaltwerk"&gt;Cam control unit&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="ErweitertesNockenschaltwerk"&gt;Erweitertes Nockenschaltwerk&lt;/a&gt;</source>
            <translation>&lt;a href="ErweitertesNockenschaltwerk"&gt;Extended cam control unit&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="PhasingStartseite"&gt;Phasing&lt;/a&gt;</source>
            <translation>&lt;a href="PhasingStartseite"&gt;Phasing&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="PIDRegler"&gt;PID-Regler&lt;/a&gt;</source>
            <translation>&lt;a href="PIDRegler"&gt;PID controller&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Positionsmessung"&gt;Positionsmessung&lt;/a&gt;</source>
            <translation>&lt;a href="Positionsmessung"&gt;Position measurement&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Positionsumrechnung"&gt;Positionsumrechnung&lt;/a&gt;</source>
            <translation>&lt;a href="Positionsumrechnung"&gt;Position conversion&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Touchprobe"&gt;Touch probe&lt;/a&gt;</source>
            <translation>&lt;a href="Touchprobe"&gt;Touch probe&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="VirtuellerMaster"&gt;Virtueller Master&lt;/a&gt;</source>
            <translation>&lt;a href="VirtuellerMaster"&gt;Virtual master&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Counter"&gt;Zähler&lt;/a&gt;</source>
            <translation>&lt;a href="Counter"&gt;Counter&lt;/a&gt;</translation>
        </message>
    </context>
    <context>
        <name>DiagFahrsatzUebernehmen</name>
        <message>
            <source>Übernehmen von Fahrsatz</source>
            <translation>Apply from</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Abbrechen</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>Fahrsatz</name>
        <message>
            <source>Nummer</source>
            <translation>Number</translation>
        </message>
        <message>
            <source>Tooltip</source>
            <translation>Tooltip</translation>
        </message>
        <message>
            <source>Statustip</source>
            <translation>Status tip</translation>
        </message>
        <message>
            <source>What's This?</source>
            <translation>What's This?</translation>
        </message>
        <message>
            <source>übernehmen von</source>
            <translation>copy from</translation>
        </message>
        <message>
            <source>Folgefahrsatz</source>
            <translation>Subsequent motion block</translation>
        </message>
        <message>
            <source>This is the Tooltip</source>
            <translation>This is the Tooltip</translation>
        </message>
        <message>
            <source>Begrenzung Drehmoment/Kraft</source>
            <translation>Limitation of torque/force</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Velocity override</translation>
        </message>
        <message>
            <source>Haltebremse</source>
            <translation>Brake</translation>
        </message>
        <message>
            <source>Bewegungsrichtung</source>
            <translation>Direction of motion</translation>
        </message>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>External velocity</translation>
        </message>
        <message>
            <source>Gültig nur für Halt-Signal während Homing</source>
            <translation>Only for stop signal during homing</translation>
        </message>
        <message>
            <source>Referenzierung</source>
            <translation>Referencing</translation>
        </message>
        <message>
            <source>Gültig nur für Halt-Signal</source>
            <translation>Only for stop signal</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung</source>
            <translation>Set torque/force, compound velocity</translation>
        </message>
        <message>
            <source>Synchronbetrieb</source>
            <translation>Synchronous operation</translation>
        </message>
    </context>
    <context>
        <name>Fahrsatzbetrieb</name>
        <message>
            <source>Anzahl Fahrsätze</source>
            <translation>Number of motion blocks</translation>
        </message>
        <message>
            <source>Anzahl ändern</source>
            <translation>Change number</translation>
        </message>
        <message>
            <source>zurücksetzen</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>Nummer</source>
            <translation>Number</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Kommando</source>
            <translation>Command</translation>
        </message>
        <message>
            <source>Sollwert</source>
            <translation>Set value</translation>
        </message>
        <message>
            <source>Folgefahrsatz-Interrupt</source>
            <translation>Subsequent motion block interrupt</translation>
        </message>
        <message>
            <source>Folgefahrsatz-Fahrsatzende</source>
            <translation>End of subsequent motion block</translation>
        </message>
        <message>
            <source>Gepufferter Folgefahrsatz</source>
            <translation>Buffered subsequent motion block</translation>
        </message>
    </context>
    <context>
        <name>Folgefahrsatz</name>
        <message>
            <source>Nummer</source>
            <translation>Number</translation>
        </message>
        <message>
            <source>Quelle Trigger Folgefahrsatz</source>
            <translation>Trigger: Data source</translation>
        </message>
        <message>
            <source>Trigger im gesamten Verfahrbereich aktiv</source>
            <translation>Trigger active in the entire travel range</translation>
        </message>
        <message>
            <source>-1: inaktiv</source>
            <translation>-1: Inactive</translation>
        </message>
    </context>
    <context>
        <name>MotionBlockBinSignals</name>
        <message>
            <source>Inaktiv</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Active</translation>
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
DI1 inverted –
DI13 inverted</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Control panel: Motion block</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Set all data sources to parameter</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Deactivate all data sources</translation>
        </message>
    </context>
    <context>
        <name>MotionBlockSelect</name>
        <message>
            <source>Direkter Fahrsatzstart</source>
            <translation>Direct motion block start</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Control panel: Motion block</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Motion block</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Control panel</translation>
        </message>
    </context>
    <context>
        <name>MotionBlockTrqForce</name>
        <message>
            <source>Fahrsatz</source>
            <translation>Motion block</translation>
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
            <translation>Motion block to be changed</translation>
        </message>
        <message>
            <source>Anzahl Fahrsätze</source>
            <translation>Number of motion blocks</translation>
        </message>
    </context>
    <context>
        <name>SrcCtrlFollowMotionBlock</name>
        <message>
            <source>Inaktiv</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Active</translation>
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
DI1 inverted –
DI13 inverted</translation>
        </message>
        <message>
            <source>&lt;a href="IndirectTrigger"&gt;Indirekter Trigger&lt;/a&gt;</source>
            <translation>&lt;a href="IndirectTrigger"&gt;Indirect trigger&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="Folgefahrsatz"&gt;Folgefahrsatz&lt;/a&gt;</source>
            <translation>&lt;a href="Folgefahrsatz"&gt;Follow-up motion block&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="EinAusgaenge"&gt;E19&lt;/a&gt;</source>
            <translation>&lt;a href="EinAusgaenge"&gt;E19&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Set all data sources to parameter</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Deactivate all data sources</translation>
        </message>
    </context>
    <context>
        <name>SrcDirectMbStart</name>
        <message>
            <source>Inaktiv</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Active</translation>
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
DI1 inverted –
DI13 inverted</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Control panel: Motion block</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Motion block</translation>
        </message>
        <message>
            <source>Fahrsatzauswahl</source>
            <translation>Motion block selection</translation>
        </message>
    </context>
</TS>
