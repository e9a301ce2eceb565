<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
    <context>
        <name>AnalogOutput1</name>
        <message>
            <source>Skalierung</source>
            <translation>Scaling</translation>
        </message>
        <message>
            <source>AA1</source>
            <translation>AO1</translation>
        </message>
    </context>
    <context>
        <name>AnalogOutput2</name>
        <message>
            <source>Skalierung</source>
            <translation>Scaling</translation>
        </message>
        <message>
            <source>AA2</source>
            <translation>AO2</translation>
        </message>
    </context>
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
        <name>ControlPanelPage</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Control panel on</translation>
        </message>
        <message>
            <source>Steuertafel aus</source>
            <translation>Control panel off</translation>
        </message>
        <message>
            <source>Keine Verbindung zum Antriebsregler: die Steuertafel ist nur online verfügbar.</source>
            <translation>No connection to the drive controller: the control panel is available online only.</translation>
        </message>
        <message>
            <source>Die Steuertafeln sind im Antriebsregler gesperrt (A918).</source>
            <translation>Control panels are locked in the drive controller (A918).</translation>
        </message>
        <message>
            <source>Ein anderer Master steuert die Achse (A900).</source>
            <translation>Another master controls the axis (A900).</translation>
        </message>
        <message>
            <source>Der Antriebsregler hat kein Steuerwort %1 für diese Steuertafel.</source>
            <translation>The drive controller has no control word %1 for this control panel.</translation>
        </message>
        <message>
            <source>Die Übernahme der Achse wurde abgelehnt.</source>
            <translation>Taking over the axis was refused.</translation>
        </message>
        <message>
            <source>Der Antriebsregler meldet eine Störung (E48).</source>
            <translation>The drive controller reports a fault (E48).</translation>
        </message>
        <message>
            <source>Wegen einer Störung ausgeschaltet (E81 = 3, E82 = 88).</source>
            <translation>Switched off because of a fault (E81 = 3, E82 = 88).</translation>
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
        <name>DbmBegrGeschwDrehmKraft</name>
        <message>
            <source>Aktiv</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactive</translation>
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
            <source>Begrenzung</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Operating mode</translation>
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
        <name>DbmFixedAccel</name>
        <message>
            <source>Festwerte</source>
            <translation>Fixed values</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Selection</translation>
        </message>
    </context>
    <context>
        <name>DbmFixedDecel</name>
        <message>
            <source>Festwerte</source>
            <translation>Fixed values</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Selection</translation>
        </message>
    </context>
    <context>
        <name>DbmFixedJerk</name>
        <message>
            <source>Festwerte</source>
            <translation>Fixed values</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Selection</translation>
        </message>
    </context>
    <context>
        <name>DbmFixedVelocity</name>
        <message>
            <source>Festsollwerte</source>
            <translation>Fixed set values</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Selection</translation>
        </message>
    </context>
    <context>
        <name>DbmGeschwDrehmKraft</name>
        <message>
            <source>Hauptsollwert</source>
            <translation>Main set value</translation>
        </message>
        <message>
            <source>Zusatzsollwert</source>
            <translation>Additional set value</translation>
        </message>
        <message>
            <source>Beschleunigung</source>
            <translation>Acceleration</translation>
        </message>
        <message>
            <source>Verzögerung</source>
            <translation>Deceleration</translation>
        </message>
        <message>
            <source>Ruck</source>
            <translation>Jerk</translation>
        </message>
        <message>
            <source>Override</source>
            <translation>Override</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Control panel</translation>
        </message>
        <message>
            <source>Motion-Kern</source>
            <translation>Motion core</translation>
        </message>
        <message>
            <source>Execute</source>
            <translation>Execute</translation>
        </message>
        <message>
            <source>Zyklisch</source>
            <translation>Cyclical</translation>
        </message>
        <message>
            <source>Solldrehmoment/-kraft</source>
            <translation>Set torque/force</translation>
        </message>
        <message>
            <source>Geschwindigkeits-&lt;br&gt;klammerung positiv</source>
            <translation>Positive velocity&lt;br&gt;bracketing</translation>
        </message>
        <message>
            <source>Geschwindigkeits-&lt;br&gt;klammerung negativ</source>
            <translation>Negative velocity&lt;br&gt;bracketing</translation>
        </message>
        <message>
            <source>Steuertafel:&lt;br&gt;Geschwindigkeit,&lt;br&gt;Drehmoment/Kraft</source>
            <translation>Control panel:&lt;br&gt;velocity,&lt;br&gt;torque/force</translation>
        </message>
        <message>
            <source>Rampe</source>
            <translation>Ramp</translation>
        </message>
        <message>
            <source>Drehmoment</source>
            <translation>Torque/force</translation>
        </message>
    </context>
    <context>
        <name>DbmHauptsollwert</name>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>External velocity</translation>
        </message>
        <message>
            <source>Feldbus</source>
            <translation>Fieldbus</translation>
        </message>
        <message>
            <source>Festsollwerte</source>
            <translation>Fixed set values</translation>
        </message>
        <message>
            <source>Hauptsollwert</source>
            <translation>Main set value</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</source>
            <translation>DI1-DI13&lt;br&gt;DI1 inverted-&lt;br&gt;DI13 inverted</translation>
        </message>
        <message>
            <source>Rampe</source>
            <translation>Ramp</translation>
        </message>
    </context>
    <context>
        <name>DbmKommando</name>
        <message>
            <source>Referenzierung</source>
            <translation>Homing</translation>
        </message>
        <message>
            <source>Drehmoment/Kraft, Geschwindigkeitsklammerung</source>
            <translation>Torque/force, velocity bracketing</translation>
        </message>
        <message>
            <source>Haltebremse</source>
            <translation>Holding brake</translation>
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
            <source>Motion-&lt;br&gt;Kern</source>
            <translation>Motion&lt;br&gt;core</translation>
        </message>
        <message>
            <source>Synchronbetrieb</source>
            <translation>Synchronous operation</translation>
        </message>
        <message>
            <source>Zentralwickler</source>
            <translation>Center winder</translation>
        </message>
        <message>
            <source>-1: inaktiv</source>
            <translation>-1: Inactive</translation>
        </message>
        <message>
            <source>Kommando</source>
            <translation>Command</translation>
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
        <name>DbmNocken</name>
        <message>
            <source>Nocke</source>
            <translation>Cam</translation>
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
        <name>DbmSrcBinSignals</name>
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
            <source>&lt;a href="Applikation"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Applikation"&gt;Application&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="SteuertafelTippen"&gt;Steuertafel&lt;/a&gt;</source>
            <translation>&lt;a href="SteuertafelTippen"&gt;Control panel&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="DbmTipbetrieb"&gt;Tippen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmTipbetrieb"&gt;Jog&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSteuerStatus"&gt;I210&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSteuerStatus"&gt;I210&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="EinAusgaenge"&gt;E19&lt;/a&gt;</source>
            <translation>&lt;a href="EinAusgaenge"&gt;E19&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Control panel</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Set all data sources to parameter</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Deactivate all data sources</translation>
        </message>
        <message>
            <source>Endschalter +</source>
            <translation>Limit switch +</translation>
        </message>
        <message>
            <source>Endschalter −</source>
            <translation>Limit switch −</translation>
        </message>
        <message>
            <source>Referenzschalter</source>
            <translation>Reference switch</translation>
        </message>
        <message>
            <source>Bewegungsrichtung 1</source>
            <translation>Direction of motion 1</translation>
        </message>
        <message>
            <source>Bewegungsrichtung 0</source>
            <translation>Direction of motion 0</translation>
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
        <name>DbmSteuerStatus</name>
        <message>
            <source>Bit 0:</source>
            <translation>Bit 0:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Execute&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Execute&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 1:</source>
            <translation>Bit 1:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Positiver /Endschalter&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Positive /limit switch&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 2:</source>
            <translation>Bit 2:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Negativer /Endschalter&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Negative /limit switch&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 3:</source>
            <translation>Bit 3:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Referenzschalter&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Reference switch&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 4:</source>
            <translation>Bit 4:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Tippen aktivieren&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Activate jog mode&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 5:</source>
            <translation>Bit 5:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Positiv tippen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Positive jog&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 6:</source>
            <translation>Bit 6:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Negativ tippen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Negative jog&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 7:</source>
            <translation>Bit 7:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Positiver Tip-Step&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Positive jog step&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 8:</source>
            <translation>Bit 8:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Negativer Tip-Step&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Negative jog step&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 9:</source>
            <translation>Bit 9:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Bewegungsrichtung 0&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Direction of motion 0&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 10:</source>
            <translation>Bit 10:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Bewegungsrichtung 1&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Direction of motion 1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 11:</source>
            <translation>Bit 11:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Referenz setzen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Set reference&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 12:</source>
            <translation>Bit 12:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Sollgeschwindigkeit zyklisch&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Cyclical set velocity&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 13:</source>
            <translation>Bit 13:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Referenz wiederherstellen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Restore reference&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 14:</source>
            <translation>Bit 14:</translation>
        </message>
        <message>
            <source>Reserviert</source>
            <translation>Reserved</translation>
        </message>
        <message>
            <source>Bit 15:</source>
            <translation>Bit 15:</translation>
        </message>
        <message>
            <source>Execute Handshake</source>
            <translation>Execute handshake</translation>
        </message>
        <message>
            <source>Synchron</source>
            <translation>Synchronous</translation>
        </message>
    </context>
    <context>
        <name>DbmTipbetrieb</name>
        <message>
            <source>Quelle:&lt;br&gt;Binärsignale Applikation</source>
            <translation>Digital signals:&lt;br&gt;Application</translation>
        </message>
        <message>
            <source>Steuertafel: Tippen</source>
            <translation>Control panel: Jog</translation>
        </message>
        <message>
            <source>Motion-Kern</source>
            <translation>Motion core</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Control panel</translation>
        </message>
        <message>
            <source>Bedienteil&lt;br&gt;Antriebsregler</source>
            <translation>Drive controller&lt;br&gt;control unit</translation>
        </message>
        <message>
            <source>Lokalbetrieb</source>
            <translation>Local operation</translation>
        </message>
        <message>
            <source>Tippen</source>
            <translation>Jog</translation>
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
        <name>DbmZusatzsollwert</name>
        <message>
            <source>Externe Zusatzgeschwindigkeit</source>
            <translation>External additional velocity</translation>
        </message>
        <message>
            <source>Feldbus</source>
            <translation>Fieldbus</translation>
        </message>
        <message>
            <source>Festsollwerte</source>
            <translation>Fixed set values</translation>
        </message>
        <message>
            <source>Zusatzsollwert</source>
            <translation>Additional set value</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</source>
            <translation>DI1-DI13&lt;br&gt;DI1 inverted-&lt;br&gt;DI13 inverted</translation>
        </message>
        <message>
            <source>Rampe</source>
            <translation>Ramp</translation>
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
            <translation>Torque/force limit</translation>
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
        <message>
            <source>Fehler!</source>
            <translation>Fehler!</translation>
        </message>
        <message>
            <source>Ungültige Fahrsatzanzahl</source>
            <translation>Ungültige Fahrsatzanzahl</translation>
        </message>
        <message>
            <source>Fahrsätze Reset</source>
            <translation>Fahrsätze Reset</translation>
        </message>
        <message>
            <source>Alle Fahrsätze auf Defaultwerte zurücksetzen?</source>
            <translation>Alle Fahrsätze auf Defaultwerte zurücksetzen?</translation>
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
            <translation>Motion block control panel</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Set all data sources to parameter</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Deactivate all data sources</translation>
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
        <name>MotionBlockSelect</name>
        <message>
            <source>Direkter Fahrsatzstart</source>
            <translation>Direct motion block start</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Motion block control panel</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Motion block</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Control panel</translation>
        </message>
        <message>
            <source>Priorität</source>
            <translation>Priority</translation>
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
        <message>
            <source>Begrenzung Drehmoment/Kraft</source>
            <translation>Torque/force limit</translation>
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
        <message>
            <source>Fahrsätze %1 bis %2 löschen?</source>
            <translation>Delete motion blocks %1 to %2?</translation>
        </message>
    </context>
    <context>
        <name>Motorpoti</name>
        <message>
            <source>Motorpoti</source>
            <translation>Motor potentiometer</translation>
        </message>
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
            <translation>Parameters</translation>
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
            <source>Motorpotentiometer</source>
            <translation>Motor potentiometer</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limit</translation>
        </message>
    </context>
    <context>
        <name>PidIstwert</name>
        <message>
            <source>Skalierung Analogeingang 1</source>
            <translation>Scaling analog input 1</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 2</source>
            <translation>Scaling analog input 2</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 3</source>
            <translation>Scaling analog input 3</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>PID controller</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirect reading</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AI1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AI2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AI3</translation>
        </message>
    </context>
    <context>
        <name>PidRegler</name>
        <message>
            <source>P-Regler</source>
            <translation>P controller</translation>
        </message>
        <message>
            <source>I-Regler</source>
            <translation>I controller</translation>
        </message>
        <message>
            <source>D-Regler</source>
            <translation>D controller</translation>
        </message>
        <message>
            <source>Tiefpass</source>
            <translation>Lowpass filter</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>Init &amp; Preset</source>
            <translation>Init &amp; preset</translation>
        </message>
        <message>
            <source>PID-Sollwert</source>
            <translation>PID set value</translation>
        </message>
        <message>
            <source>PID-Istwert</source>
            <translation>PID actual value</translation>
        </message>
    </context>
    <context>
        <name>PidSollwert</name>
        <message>
            <source>Skalierung Analogeingang 1</source>
            <translation>Scaling analog input 1</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 2</source>
            <translation>Scaling analog input 2</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 3</source>
            <translation>Scaling analog input 3</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>PID controller</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirect reading</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AI1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AI2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AI3</translation>
        </message>
    </context>
    <context>
        <name>Positionsmessung</name>
        <message>
            <source>Positionsmessung 1 aktivieren</source>
            <translation>Activate position measurement 1</translation>
        </message>
        <message>
            <source>Trigger-Typ</source>
            <translation>Trigger type</translation>
        </message>
        <message>
            <source>Trigger-Quelle</source>
            <translation>Trigger source</translation>
        </message>
        <message>
            <source>Reserviert</source>
            <translation>Reserved</translation>
        </message>
        <message>
            <source>Positive Flankenerkennung</source>
            <translation>Record rising trigger edge</translation>
        </message>
        <message>
            <source>Negative Flankenerkennung</source>
            <translation>Record falling trigger edge</translation>
        </message>
        <message>
            <source>Positionsmessung 2 aktivieren</source>
            <translation>Activate position measurement 2</translation>
        </message>
        <message>
            <source>Positionsmessung 1 aktiviert</source>
            <translation>Position measurement 1 activated</translation>
        </message>
        <message>
            <source>Trigger positive Flanke</source>
            <translation>Recorded with rising trigger edge</translation>
        </message>
        <message>
            <source>Trigger negative Flanke</source>
            <translation>Recorded with falling trigger edge</translation>
        </message>
        <message>
            <source>Trigger-Zähler, Bit 0</source>
            <translation>Trigger counter, bit 0</translation>
        </message>
        <message>
            <source>Trigger-Zähler, Bit 1</source>
            <translation>Trigger counter, bit 1</translation>
        </message>
        <message>
            <source>Positionsmessung 2 aktiviert</source>
            <translation>Position measurement 2 activated</translation>
        </message>
    </context>
    <context>
        <name>SrcCommandBinSignals</name>
        <message>
            <source>Aktiv</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactive</translation>
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
            <source>Kommando</source>
            <translation>Command</translation>
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
            <translation>&lt;a href="Folgefahrsatz"&gt;Subsequent motion block&lt;/a&gt;</translation>
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
            <translation>Motion block control panel</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Motion block</translation>
        </message>
        <message>
            <source>Fahrsatzauswahl</source>
            <translation>Motion block selection</translation>
        </message>
        <message>
            <source>Priorität</source>
            <translation>Priority</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Control panel</translation>
        </message>
    </context>
    <context>
        <name>SrcDirection</name>
        <message>
            <source>Applikation</source>
            <translation>Application</translation>
        </message>
        <message>
            <source>I210</source>
            <translation>I210</translation>
        </message>
        <message>
            <source>Motion-Kern</source>
            <translation>Motion core</translation>
        </message>
        <message>
            <source>Richtungsoptimiert</source>
            <translation>Directionally optimized</translation>
        </message>
    </context>
    <context>
        <name>SrcDisablePidRegler</name>
        <message>
            <source>Parameter</source>
            <translation>Parameters</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</source>
            <translation>DI1-DI13&lt;br&gt;DI1 inverted-&lt;br&gt;DI13 inverted</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>PID controller</translation>
        </message>
        <message>
            <source>Deaktivierung</source>
            <translation>Deactivation</translation>
        </message>
        <message>
            <source>Preset</source>
            <translation>Preset</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Hold</translation>
        </message>
    </context>
    <context>
        <name>SrcExtAuxVel</name>
        <message>
            <source>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Application"&gt;Application&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirect reading</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Scaling, analog input AI1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Scaling, analog input AI2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Scaling, analog input AI3&lt;/a&gt;</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AI1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AI2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AI3</translation>
        </message>
    </context>
    <context>
        <name>SrcExtVelocity</name>
        <message>
            <source>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Application"&gt;Application&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirect reading</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Scaling, analog input AI1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Scaling, analog input AI2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Scaling, analog input AI3&lt;/a&gt;</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AI1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AI2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AI3</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedAccel</name>
        <message>
            <source>Festwerte</source>
            <translation>Fixed values</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Operating mode</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedDecel</name>
        <message>
            <source>Festwerte</source>
            <translation>Fixed values</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Operating mode</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedJerk</name>
        <message>
            <source>Festwerte</source>
            <translation>Fixed values</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Operating mode</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedVelocity</name>
        <message>
            <source>Festsollwerte</source>
            <translation>Fixed set values</translation>
        </message>
        <message>
            <source>Hauptsollwert</source>
            <translation>Main set value</translation>
        </message>
        <message>
            <source>Zusatzsollwert</source>
            <translation>Additional set value</translation>
        </message>
    </context>
    <context>
        <name>SrcTrqForce</name>
        <message>
            <source>C232, C233</source>
            <translation>C232, C233</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 1</source>
            <translation>Scaling, analog input AI1</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 2</source>
            <translation>Scaling, analog input AI2</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 3</source>
            <translation>Scaling, analog input AI3</translation>
        </message>
        <message>
            <source>Begrenzung&lt;br&gt;Drehmoment/Kraft</source>
            <translation>Limit&lt;br&gt;torque/force</translation>
        </message>
        <message>
            <source>Interner Fehler!</source>
            <translation>Internal error</translation>
        </message>
        <message>
            <source>Unbekannter Gerätetyp.</source>
            <translation>Unknown series</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AI1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AI2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AI3</translation>
        </message>
    </context>
    <context>
        <name>SrcTrqVKlammerung</name>
        <message>
            <source>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Application"&gt;Application&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>&lt;a href="MBegrenzung"&gt;C05&lt;/a&gt;</source>
            <translation>&lt;a href="MBegrenzung"&gt;C05&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="MBegrenzung"&gt;C03&lt;/a&gt;</source>
            <translation>&lt;a href="MBegrenzung"&gt;C03&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirect reading</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Scaling, analog input AI1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Scaling, analog input AI2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Scaling, analog input AI3&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Klammerung</source>
            <translation>Bracketing</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AI1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AI2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AI3</translation>
        </message>
    </context>
    <context>
        <name>SrcVelOverride</name>
        <message>
            <source>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Application"&gt;Application&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Betrag</source>
            <translation>Amount</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirect reading</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Scaling, analog input AI1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Scaling, analog input AI2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Scaling, analog input AI3&lt;/a&gt;</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AI1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AI2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AI3</translation>
        </message>
    </context>
    <context>
        <name>SteuerStatusFahrsatz</name>
        <message>
            <source>Bit 0: MC_Halt</source>
            <translation>Bit 0: MC_Halt</translation>
        </message>
        <message>
            <source>Bit 1: Reset</source>
            <translation>Bit 1: Reset</translation>
        </message>
        <message>
            <source>Bit 2: Continue</source>
            <translation>Bit 2: Continue</translation>
        </message>
        <message>
            <source>Bit 3: Reserviert</source>
            <translation>Bit 3: Reserved</translation>
        </message>
        <message>
            <source>Bit 4: Reserviert</source>
            <translation>Bit 4: Reserved</translation>
        </message>
        <message>
            <source>Bit 5: Reserviert</source>
            <translation>Bit 5: Reserved</translation>
        </message>
        <message>
            <source>Bit 6: Reserviert</source>
            <translation>Bit 6: Reserved</translation>
        </message>
        <message>
            <source>Bit 7: Reserviert</source>
            <translation>Bit 7: Reserved</translation>
        </message>
        <message>
            <source>Bit 0: Bewegung aktiv</source>
            <translation>Bit 0: Motion active</translation>
        </message>
        <message>
            <source>Bit 1: Gestartet</source>
            <translation>Bit 1: Started</translation>
        </message>
        <message>
            <source>Bit 2: Abgebrochen</source>
            <translation>Bit 2: Canceled</translation>
        </message>
        <message>
            <source>Bit 3: Beendet</source>
            <translation>Bit 3: Ended</translation>
        </message>
        <message>
            <source>Bit 4: Reset</source>
            <translation>Bit 4: Reset</translation>
        </message>
        <message>
            <source>Bit 5: Fehler</source>
            <translation>Bit 5: Error</translation>
        </message>
        <message>
            <source>Bit 6: Continue möglich</source>
            <translation>Bit 6: Continue possible</translation>
        </message>
        <message>
            <source>Bit 7: Continue Fehler</source>
            <translation>Bit 7: Continue error</translation>
        </message>
    </context>
    <context>
        <name>SteuerStatusKommandobetrieb</name>
        <message>
            <source>Bit 0: Continue</source>
            <translation>Bit 0: Continue</translation>
        </message>
        <message>
            <source>Bit 1: Halt</source>
            <translation>Bit 1: Halt</translation>
        </message>
        <message>
            <source>Bit 2: Reserviert</source>
            <translation>Bit 2: Reserved</translation>
        </message>
        <message>
            <source>Bit 3: Reserviert</source>
            <translation>Bit 3: Reserved</translation>
        </message>
        <message>
            <source>Bit 4: Reserviert</source>
            <translation>Bit 4: Reserved</translation>
        </message>
        <message>
            <source>Bit 5: Reserviert</source>
            <translation>Bit 5: Reserved</translation>
        </message>
        <message>
            <source>Bit 6: Reserviert</source>
            <translation>Bit 6: Reserved</translation>
        </message>
        <message>
            <source>Bit 7: Reserviert</source>
            <translation>Bit 7: Reserved</translation>
        </message>
        <message>
            <source>Bit 0: Continue möglich</source>
            <translation>Bit 0: Continue possible</translation>
        </message>
        <message>
            <source>Bit 1: Continue Fehler</source>
            <translation>Bit 1: Continue error</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelApplikation</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Control panel on</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Continue</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Halt</translation>
        </message>
        <message>
            <source>Freigabe</source>
            <translation>Enable</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Acknowledge</translation>
        </message>
        <message>
            <source>Kommando:</source>
            <translation>Command:</translation>
        </message>
        <message>
            <source>&lt;Kommando&gt;</source>
            <translation>&lt;Command&gt;</translation>
        </message>
        <message>
            <source>Sollwert:</source>
            <translation>Set value:</translation>
        </message>
        <message>
            <source>&lt;Sollwert&gt;</source>
            <translation>&lt;Set value&gt;</translation>
        </message>
        <message>
            <source>Gültig für Halt-Signal:</source>
            <translation>Only for stop signal</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Motion block</translation>
        </message>
        <message>
            <source>Bit 0:</source>
            <translation>Bit 0:</translation>
        </message>
        <message>
            <source>Bewegung aktiv</source>
            <translation>Motion active</translation>
        </message>
        <message>
            <source>Bit 1:</source>
            <translation>Bit 1:</translation>
        </message>
        <message>
            <source>Gestartet</source>
            <translation>Started</translation>
        </message>
        <message>
            <source>Bit 2:</source>
            <translation>Bit 2:</translation>
        </message>
        <message>
            <source>Abgebrochen</source>
            <translation>Canceled</translation>
        </message>
        <message>
            <source>Bit 3:</source>
            <translation>Bit 3:</translation>
        </message>
        <message>
            <source>Beendet</source>
            <translation>Ended</translation>
        </message>
        <message>
            <source>Bit 4:</source>
            <translation>Bit 4:</translation>
        </message>
        <message>
            <source>Bit 5:</source>
            <translation>Bit 5:</translation>
        </message>
        <message>
            <source>Fehler</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Bit 6:</source>
            <translation>Bit 6:</translation>
        </message>
        <message>
            <source>Continue möglich</source>
            <translation>Continue possible</translation>
        </message>
        <message>
            <source>Bit 7:</source>
            <translation>Bit 7:</translation>
        </message>
        <message>
            <source>Continue Fehler</source>
            <translation>Continue error</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>-1: Inaktiv</source>
            <translation>-1: Inactive</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelGeschwDrehmKraft</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Control panel on</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Halt</translation>
        </message>
        <message>
            <source>Freigabe</source>
            <translation>Enable</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Acknowledge</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>Geschwindigkeit</source>
            <translation>Velocity</translation>
        </message>
        <message>
            <source>Festwert Beschleunigung</source>
            <translation>Fixed value for acceleration</translation>
        </message>
        <message>
            <source>Festwert Verzögerung</source>
            <translation>Fixed value for deceleration</translation>
        </message>
        <message>
            <source>Festwert Ruck</source>
            <translation>Fixed value for jerk</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Velocity override</translation>
        </message>
        <message>
            <source>Drehmoment-/Kraftbegrenzung</source>
            <translation>Torque/force limit</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft</source>
            <translation>Set torque/force</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelPLCopen</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Control panel on</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Halt</translation>
        </message>
        <message>
            <source>Freigabe</source>
            <translation>Enable</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Acknowledge</translation>
        </message>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>External velocity</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Velocity override</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft,&lt;br&gt;Geschwindigkeitsklammerung</source>
            <translation>Set torque/force, compound velocity</translation>
        </message>
        <message>
            <source>Referenzierung</source>
            <translation>Referencing</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelSicherheitshinweis</name>
        <message>
            <source>Sicherheitshinweis</source>
            <translation>Safety note</translation>
        </message>
        <message>
            <source>&lt;h3&gt;WARNUNG!&lt;br&gt;Personen- und Sachschaden durch Achsbewegung!&lt;/h3&gt;Beachten Sie, dass mit der Aktivierung dieser Funktion der Antrieb – statt über eine Steuerung – über die Steuertafel der Tellurix kontrolliert wird.&lt;ul&gt;&lt;li&gt;Stellen Sie sicher, dass sich keine Personen oder Gegenstände im Fahrbereich befinden.&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>&lt;h3&gt;WARNING!&lt;br&gt;Injury to persons and material damage due to axis movement!&lt;/h3&gt;When you activate the control panel, Tellurix gives you sole control over the axis movements. If you are using a controller, it cannot intervene to prevent collisions while the control panel is active.&lt;ul&gt;&lt;li&gt;Do not switch to other windows while the control panel is active.&lt;/li&gt;&lt;li&gt;Use the control panel only if you have visual contact with the axis.&lt;/li&gt;&lt;li&gt;Make sure that no persons or objects are within the travel range.&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
        <message>
            <source>&lt;h3&gt;WARNUNG!&lt;br&gt;Personen- und Sachschaden durch Achsbewegung!&lt;/h3&gt;Beachten Sie, dass mit der Deaktivierung dieser Funktion der Antrieb – statt über die Steuertafel der Tellurix – wieder über eine Steuerung kontrolliert wird.&lt;ul&gt;&lt;li&gt;Stellen Sie sicher, dass sich keine Personen oder Gegenstände im Fahrbereich befinden.&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>&lt;h3&gt;WARNING!&lt;br&gt;Injury to persons and material damage due to axis movement!&lt;/h3&gt;The controller takes over control of the axis again when the control panel is deactivated, which may cause unexpected axis movements. You cannot use Tellurix to intervene and prevent collisions.&lt;ul&gt;&lt;li&gt;Make sure that no persons or objects are within the travel range.&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelTippen</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Control panel on</translation>
        </message>
        <message>
            <source>Tip+</source>
            <translation>Jog+</translation>
        </message>
        <message>
            <source>Tip-</source>
            <translation>Jog-</translation>
        </message>
        <message>
            <source>TipStep+</source>
            <translation>Jog step+</translation>
        </message>
        <message>
            <source>TipStep-</source>
            <translation>Jog step-</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Halt</translation>
        </message>
        <message>
            <source>Freigabe</source>
            <translation>Enable</translation>
        </message>
        <message>
            <source>Freigabe aktivieren/deaktivieren</source>
            <translation>Activate/deactivate enable</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Acknowledge</translation>
        </message>
        <message>
            <source>Referenz setzen</source>
            <translation>Set reference</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
    </context>
</TS>
