<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
    <context>
        <name>AnalogOutput1</name>
        <message>
            <source>Skalierung</source>
            <translation>Skalierung</translation>
        </message>
        <message>
            <source>AA1</source>
            <translation>AA1</translation>
        </message>
    </context>
    <context>
        <name>AnalogOutput2</name>
        <message>
            <source>Skalierung</source>
            <translation>Skalierung</translation>
        </message>
        <message>
            <source>AA2</source>
            <translation>AA2</translation>
        </message>
    </context>
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
        <name>ControlPanelPage</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Steuertafel ein</translation>
        </message>
        <message>
            <source>Steuertafel aus</source>
            <translation>Steuertafel aus</translation>
        </message>
        <message>
            <source>Keine Verbindung zum Antriebsregler: die Steuertafel ist nur online verfügbar.</source>
            <translation>Keine Verbindung zum Antriebsregler: die Steuertafel ist nur online verfügbar.</translation>
        </message>
        <message>
            <source>Die Steuertafeln sind im Antriebsregler gesperrt (A918).</source>
            <translation>Die Steuertafeln sind im Antriebsregler gesperrt (A918).</translation>
        </message>
        <message>
            <source>Ein anderer Master steuert die Achse (A900).</source>
            <translation>Ein anderer Master steuert die Achse (A900).</translation>
        </message>
        <message>
            <source>Der Antriebsregler hat kein Steuerwort %1 für diese Steuertafel.</source>
            <translation>Der Antriebsregler hat kein Steuerwort %1 für diese Steuertafel.</translation>
        </message>
        <message>
            <source>Die Übernahme der Achse wurde abgelehnt.</source>
            <translation>Die Übernahme der Achse wurde abgelehnt.</translation>
        </message>
        <message>
            <source>Der Antriebsregler meldet eine Störung (E48).</source>
            <translation>Der Antriebsregler meldet eine Störung (E48).</translation>
        </message>
        <message>
            <source>Wegen einer Störung ausgeschaltet (E81 = 3, E82 = 88).</source>
            <translation>Wegen einer Störung ausgeschaltet (E81 = 3, E82 = 88).</translation>
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
        <name>DbmBegrGeschwDrehmKraft</name>
        <message>
            <source>Aktiv</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inaktiv</translation>
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
            <source>Begrenzung</source>
            <translation>Begrenzung</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Betriebsart</translation>
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
        <name>DbmFixedAccel</name>
        <message>
            <source>Festwerte</source>
            <translation>Festwerte</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Festwert Auswahl</translation>
        </message>
    </context>
    <context>
        <name>DbmFixedDecel</name>
        <message>
            <source>Festwerte</source>
            <translation>Festwerte</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Festwert Auswahl</translation>
        </message>
    </context>
    <context>
        <name>DbmFixedJerk</name>
        <message>
            <source>Festwerte</source>
            <translation>Festwerte</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Festwert Auswahl</translation>
        </message>
    </context>
    <context>
        <name>DbmFixedVelocity</name>
        <message>
            <source>Festsollwerte</source>
            <translation>Festsollwerte</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Festwert Auswahl</translation>
        </message>
    </context>
    <context>
        <name>DbmGeschwDrehmKraft</name>
        <message>
            <source>Hauptsollwert</source>
            <translation>Hauptsollwert</translation>
        </message>
        <message>
            <source>Zusatzsollwert</source>
            <translation>Zusatzsollwert</translation>
        </message>
        <message>
            <source>Beschleunigung</source>
            <translation>Beschleunigung</translation>
        </message>
        <message>
            <source>Verzögerung</source>
            <translation>Verzögerung</translation>
        </message>
        <message>
            <source>Ruck</source>
            <translation>Ruck</translation>
        </message>
        <message>
            <source>Override</source>
            <translation>Override</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Begrenzung</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Steuertafel</translation>
        </message>
        <message>
            <source>Motion-Kern</source>
            <translation>Motion-Kern</translation>
        </message>
        <message>
            <source>Execute</source>
            <translation>Execute</translation>
        </message>
        <message>
            <source>Zyklisch</source>
            <translation>Zyklisch</translation>
        </message>
        <message>
            <source>Solldrehmoment/-kraft</source>
            <translation>Solldrehmoment/-kraft</translation>
        </message>
        <message>
            <source>Geschwindigkeits-&lt;br&gt;klammerung positiv</source>
            <translation>Geschwindigkeits-&lt;br&gt;klammerung positiv</translation>
        </message>
        <message>
            <source>Geschwindigkeits-&lt;br&gt;klammerung negativ</source>
            <translation>Geschwindigkeits-&lt;br&gt;klammerung negativ</translation>
        </message>
        <message>
            <source>Steuertafel:&lt;br&gt;Geschwindigkeit,&lt;br&gt;Drehmoment/Kraft</source>
            <translation>Steuertafel:&lt;br&gt;Geschwindigkeit,&lt;br&gt;Drehmoment/Kraft</translation>
        </message>
        <message>
            <source>Rampe</source>
            <translation>Rampe</translation>
        </message>
        <message>
            <source>Drehmoment</source>
            <translation>Drehmoment</translation>
        </message>
    </context>
    <context>
        <name>DbmHauptsollwert</name>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>Externe Geschwindigkeit</translation>
        </message>
        <message>
            <source>Feldbus</source>
            <translation>Feldbus</translation>
        </message>
        <message>
            <source>Festsollwerte</source>
            <translation>Festsollwerte</translation>
        </message>
        <message>
            <source>Hauptsollwert</source>
            <translation>Hauptsollwert</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inaktiv</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</source>
            <translation>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</translation>
        </message>
        <message>
            <source>Rampe</source>
            <translation>Rampe</translation>
        </message>
    </context>
    <context>
        <name>DbmKommando</name>
        <message>
            <source>Referenzierung</source>
            <translation>Referenzierung</translation>
        </message>
        <message>
            <source>Drehmoment/Kraft, Geschwindigkeitsklammerung</source>
            <translation>Drehmoment/Kraft, Geschwindigkeitsklammerung</translation>
        </message>
        <message>
            <source>Haltebremse</source>
            <translation>Haltebremse</translation>
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
            <source>Motion-&lt;br&gt;Kern</source>
            <translation>Motion-&lt;br&gt;Kern</translation>
        </message>
        <message>
            <source>Synchronbetrieb</source>
            <translation>Synchronbetrieb</translation>
        </message>
        <message>
            <source>Zentralwickler</source>
            <translation>Zentralwickler</translation>
        </message>
        <message>
            <source>-1: inaktiv</source>
            <translation>-1: inaktiv</translation>
        </message>
        <message>
            <source>Kommando</source>
            <translation>Kommando</translation>
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
        <name>DbmNocken</name>
        <message>
            <source>Nocke</source>
            <translation>Nocke</translation>
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
            <translation>Begrenzung Drehmoment/Kraft: Betriebsart: Fahrsatz</translation>
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
        <name>DbmSrcBinSignals</name>
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
            <source>&lt;a href="Applikation"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Applikation"&gt;Applikation&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="SteuertafelTippen"&gt;Steuertafel&lt;/a&gt;</source>
            <translation>&lt;a href="SteuertafelTippen"&gt;Steuertafel&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="DbmTipbetrieb"&gt;Tippen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmTipbetrieb"&gt;Tippen&lt;/a&gt;</translation>
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
            <translation>Steuertafel</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Alle Quellen auf Parameter setzen</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Alle Quellen deaktivieren</translation>
        </message>
        <message>
            <source>Endschalter +</source>
            <translation>Endschalter +</translation>
        </message>
        <message>
            <source>Endschalter −</source>
            <translation>Endschalter −</translation>
        </message>
        <message>
            <source>Referenzschalter</source>
            <translation>Referenzschalter</translation>
        </message>
        <message>
            <source>Bewegungsrichtung 1</source>
            <translation>Bewegungsrichtung 1</translation>
        </message>
        <message>
            <source>Bewegungsrichtung 0</source>
            <translation>Bewegungsrichtung 0</translation>
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
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Positiver /Endschalter&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 2:</source>
            <translation>Bit 2:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Negativer /Endschalter&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Negativer /Endschalter&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 3:</source>
            <translation>Bit 3:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Referenzschalter&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Referenzschalter&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 4:</source>
            <translation>Bit 4:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Tippen aktivieren&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Tippen aktivieren&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 5:</source>
            <translation>Bit 5:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Positiv tippen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Positiv tippen&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 6:</source>
            <translation>Bit 6:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Negativ tippen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Negativ tippen&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 7:</source>
            <translation>Bit 7:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Positiver Tip-Step&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Positiver Tip-Step&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 8:</source>
            <translation>Bit 8:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Negativer Tip-Step&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Negativer Tip-Step&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 9:</source>
            <translation>Bit 9:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Bewegungsrichtung 0&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Bewegungsrichtung 0&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 10:</source>
            <translation>Bit 10:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Bewegungsrichtung 1&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Bewegungsrichtung 1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 11:</source>
            <translation>Bit 11:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Referenz setzen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Referenz setzen&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 12:</source>
            <translation>Bit 12:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Sollgeschwindigkeit zyklisch&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Sollgeschwindigkeit zyklisch&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 13:</source>
            <translation>Bit 13:</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Referenz wiederherstellen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Referenz wiederherstellen&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 14:</source>
            <translation>Bit 14:</translation>
        </message>
        <message>
            <source>Reserviert</source>
            <translation>Reserviert</translation>
        </message>
        <message>
            <source>Bit 15:</source>
            <translation>Bit 15:</translation>
        </message>
        <message>
            <source>Execute Handshake</source>
            <translation>Execute Handshake</translation>
        </message>
        <message>
            <source>Synchron</source>
            <translation>Synchron</translation>
        </message>
    </context>
    <context>
        <name>DbmTipbetrieb</name>
        <message>
            <source>Quelle:&lt;br&gt;Binärsignale Applikation</source>
            <translation>Quelle:&lt;br&gt;Binärsignale Applikation</translation>
        </message>
        <message>
            <source>Steuertafel: Tippen</source>
            <translation>Steuertafel: Tippen</translation>
        </message>
        <message>
            <source>Motion-Kern</source>
            <translation>Motion-Kern</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Steuertafel</translation>
        </message>
        <message>
            <source>Bedienteil&lt;br&gt;Antriebsregler</source>
            <translation>Bedienteil&lt;br&gt;Antriebsregler</translation>
        </message>
        <message>
            <source>Lokalbetrieb</source>
            <translation>Lokalbetrieb</translation>
        </message>
        <message>
            <source>Tippen</source>
            <translation>Tippen</translation>
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
        <name>DbmZusatzsollwert</name>
        <message>
            <source>Externe Zusatzgeschwindigkeit</source>
            <translation>Externe Zusatzgeschwindigkeit</translation>
        </message>
        <message>
            <source>Feldbus</source>
            <translation>Feldbus</translation>
        </message>
        <message>
            <source>Festsollwerte</source>
            <translation>Festsollwerte</translation>
        </message>
        <message>
            <source>Zusatzsollwert</source>
            <translation>Zusatzsollwert</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inaktiv</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</source>
            <translation>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</translation>
        </message>
        <message>
            <source>Rampe</source>
            <translation>Rampe</translation>
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
        <message>
            <source>Priorität</source>
            <translation>Priorität</translation>
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
        <message>
            <source>Begrenzung Drehmoment/Kraft</source>
            <translation>Begrenzung Drehmoment/Kraft</translation>
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
        <message>
            <source>Fahrsätze %1 bis %2 löschen?</source>
            <translation>Fahrsätze %1 bis %2 löschen?</translation>
        </message>
    </context>
    <context>
        <name>Motorpoti</name>
        <message>
            <source>Motorpoti</source>
            <translation>Motorpoti</translation>
        </message>
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
            <source>Motorpotentiometer</source>
            <translation>Motorpotentiometer</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Begrenzung</translation>
        </message>
    </context>
    <context>
        <name>PidIstwert</name>
        <message>
            <source>Skalierung Analogeingang 1</source>
            <translation>Skalierung Analogeingang 1</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 2</source>
            <translation>Skalierung Analogeingang 2</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 3</source>
            <translation>Skalierung Analogeingang 3</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>PID-Regler</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirektes lesen</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AE1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AE2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AE3</translation>
        </message>
    </context>
    <context>
        <name>PidRegler</name>
        <message>
            <source>P-Regler</source>
            <translation>P-Regler</translation>
        </message>
        <message>
            <source>I-Regler</source>
            <translation>I-Regler</translation>
        </message>
        <message>
            <source>D-Regler</source>
            <translation>D-Regler</translation>
        </message>
        <message>
            <source>Tiefpass</source>
            <translation>Tiefpass</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Begrenzung</translation>
        </message>
        <message>
            <source>Init &amp; Preset</source>
            <translation>Init &amp; Preset</translation>
        </message>
        <message>
            <source>PID-Sollwert</source>
            <translation>PID-Sollwert</translation>
        </message>
        <message>
            <source>PID-Istwert</source>
            <translation>PID-Istwert</translation>
        </message>
    </context>
    <context>
        <name>PidSollwert</name>
        <message>
            <source>Skalierung Analogeingang 1</source>
            <translation>Skalierung Analogeingang 1</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 2</source>
            <translation>Skalierung Analogeingang 2</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 3</source>
            <translation>Skalierung Analogeingang 3</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>PID-Regler</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Begrenzung</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirektes lesen</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AE1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AE2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AE3</translation>
        </message>
    </context>
    <context>
        <name>Positionsmessung</name>
        <message>
            <source>Positionsmessung 1 aktivieren</source>
            <translation>Positionsmessung 1 aktivieren</translation>
        </message>
        <message>
            <source>Trigger-Typ</source>
            <translation>Trigger-Typ</translation>
        </message>
        <message>
            <source>Trigger-Quelle</source>
            <translation>Trigger-Quelle</translation>
        </message>
        <message>
            <source>Reserviert</source>
            <translation>Reserviert</translation>
        </message>
        <message>
            <source>Positive Flankenerkennung</source>
            <translation>Positive Flankenerkennung</translation>
        </message>
        <message>
            <source>Negative Flankenerkennung</source>
            <translation>Negative Flankenerkennung</translation>
        </message>
        <message>
            <source>Positionsmessung 2 aktivieren</source>
            <translation>Positionsmessung 2 aktivieren</translation>
        </message>
        <message>
            <source>Positionsmessung 1 aktiviert</source>
            <translation>Positionsmessung 1 aktiviert</translation>
        </message>
        <message>
            <source>Trigger positive Flanke</source>
            <translation>Trigger positive Flanke</translation>
        </message>
        <message>
            <source>Trigger negative Flanke</source>
            <translation>Trigger negative Flanke</translation>
        </message>
        <message>
            <source>Trigger-Zähler, Bit 0</source>
            <translation>Trigger-Zähler, Bit 0</translation>
        </message>
        <message>
            <source>Trigger-Zähler, Bit 1</source>
            <translation>Trigger-Zähler, Bit 1</translation>
        </message>
        <message>
            <source>Positionsmessung 2 aktiviert</source>
            <translation>Positionsmessung 2 aktiviert</translation>
        </message>
    </context>
    <context>
        <name>SrcCommandBinSignals</name>
        <message>
            <source>Aktiv</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inaktiv</translation>
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
            <source>Kommando</source>
            <translation>Kommando</translation>
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
        <message>
            <source>Priorität</source>
            <translation>Priorität</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Steuertafel</translation>
        </message>
    </context>
    <context>
        <name>SrcDirection</name>
        <message>
            <source>Applikation</source>
            <translation>Applikation</translation>
        </message>
        <message>
            <source>I210</source>
            <translation>I210</translation>
        </message>
        <message>
            <source>Motion-Kern</source>
            <translation>Motion-Kern</translation>
        </message>
        <message>
            <source>Richtungsoptimiert</source>
            <translation>Richtungsoptimiert</translation>
        </message>
    </context>
    <context>
        <name>SrcDisablePidRegler</name>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inaktiv</translation>
        </message>
        <message>
            <source>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</source>
            <translation>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>PID-Regler</translation>
        </message>
        <message>
            <source>Deaktivierung</source>
            <translation>Deaktivierung</translation>
        </message>
        <message>
            <source>Preset</source>
            <translation>Preset</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Halt</translation>
        </message>
    </context>
    <context>
        <name>SrcExtAuxVel</name>
        <message>
            <source>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Begrenzung</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirektes lesen</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AE1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AE2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AE3</translation>
        </message>
    </context>
    <context>
        <name>SrcExtVelocity</name>
        <message>
            <source>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Begrenzung</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirektes lesen</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AE1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AE2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AE3</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedAccel</name>
        <message>
            <source>Festwerte</source>
            <translation>Festwerte</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Betriebsart</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedDecel</name>
        <message>
            <source>Festwerte</source>
            <translation>Festwerte</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Betriebsart</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedJerk</name>
        <message>
            <source>Festwerte</source>
            <translation>Festwerte</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Betriebsart</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedVelocity</name>
        <message>
            <source>Festsollwerte</source>
            <translation>Festsollwerte</translation>
        </message>
        <message>
            <source>Hauptsollwert</source>
            <translation>Hauptsollwert</translation>
        </message>
        <message>
            <source>Zusatzsollwert</source>
            <translation>Zusatzsollwert</translation>
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
            <translation>Skalierung Analogeingang 1</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 2</source>
            <translation>Skalierung Analogeingang 2</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 3</source>
            <translation>Skalierung Analogeingang 3</translation>
        </message>
        <message>
            <source>Begrenzung&lt;br&gt;Drehmoment/Kraft</source>
            <translation>Begrenzung&lt;br&gt;Drehmoment/Kraft</translation>
        </message>
        <message>
            <source>Interner Fehler!</source>
            <translation>Interner Fehler!</translation>
        </message>
        <message>
            <source>Unbekannter Gerätetyp.</source>
            <translation>Unbekannter Gerätetyp.</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AE1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AE2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AE3</translation>
        </message>
    </context>
    <context>
        <name>SrcTrqVKlammerung</name>
        <message>
            <source>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Begrenzung</translation>
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
            <translation>Indirektes lesen</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Klammerung</source>
            <translation>Klammerung</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AE1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AE2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AE3</translation>
        </message>
    </context>
    <context>
        <name>SrcVelOverride</name>
        <message>
            <source>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Application"&gt;Applikation&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Begrenzung</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Betrag</source>
            <translation>Betrag</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Indirektes lesen</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</translation>
        </message>
        <message>
            <source>AE1</source>
            <translation>AE1</translation>
        </message>
        <message>
            <source>AE2</source>
            <translation>AE2</translation>
        </message>
        <message>
            <source>AE3</source>
            <translation>AE3</translation>
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
            <translation>Bit 3: Reserviert</translation>
        </message>
        <message>
            <source>Bit 4: Reserviert</source>
            <translation>Bit 4: Reserviert</translation>
        </message>
        <message>
            <source>Bit 5: Reserviert</source>
            <translation>Bit 5: Reserviert</translation>
        </message>
        <message>
            <source>Bit 6: Reserviert</source>
            <translation>Bit 6: Reserviert</translation>
        </message>
        <message>
            <source>Bit 7: Reserviert</source>
            <translation>Bit 7: Reserviert</translation>
        </message>
        <message>
            <source>Bit 0: Bewegung aktiv</source>
            <translation>Bit 0: Bewegung aktiv</translation>
        </message>
        <message>
            <source>Bit 1: Gestartet</source>
            <translation>Bit 1: Gestartet</translation>
        </message>
        <message>
            <source>Bit 2: Abgebrochen</source>
            <translation>Bit 2: Abgebrochen</translation>
        </message>
        <message>
            <source>Bit 3: Beendet</source>
            <translation>Bit 3: Beendet</translation>
        </message>
        <message>
            <source>Bit 4: Reset</source>
            <translation>Bit 4: Reset</translation>
        </message>
        <message>
            <source>Bit 5: Fehler</source>
            <translation>Bit 5: Fehler</translation>
        </message>
        <message>
            <source>Bit 6: Continue möglich</source>
            <translation>Bit 6: Continue möglich</translation>
        </message>
        <message>
            <source>Bit 7: Continue Fehler</source>
            <translation>Bit 7: Continue Fehler</translation>
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
            <translation>Bit 2: Reserviert</translation>
        </message>
        <message>
            <source>Bit 3: Reserviert</source>
            <translation>Bit 3: Reserviert</translation>
        </message>
        <message>
            <source>Bit 4: Reserviert</source>
            <translation>Bit 4: Reserviert</translation>
        </message>
        <message>
            <source>Bit 5: Reserviert</source>
            <translation>Bit 5: Reserviert</translation>
        </message>
        <message>
            <source>Bit 6: Reserviert</source>
            <translation>Bit 6: Reserviert</translation>
        </message>
        <message>
            <source>Bit 7: Reserviert</source>
            <translation>Bit 7: Reserviert</translation>
        </message>
        <message>
            <source>Bit 0: Continue möglich</source>
            <translation>Bit 0: Continue möglich</translation>
        </message>
        <message>
            <source>Bit 1: Continue Fehler</source>
            <translation>Bit 1: Continue Fehler</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelApplikation</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Steuertafel ein</translation>
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
            <translation>Freigabe</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Quittierung</translation>
        </message>
        <message>
            <source>Kommando:</source>
            <translation>Kommando:</translation>
        </message>
        <message>
            <source>&lt;Kommando&gt;</source>
            <translation>&lt;Kommando&gt;</translation>
        </message>
        <message>
            <source>Sollwert:</source>
            <translation>Sollwert:</translation>
        </message>
        <message>
            <source>&lt;Sollwert&gt;</source>
            <translation>&lt;Sollwert&gt;</translation>
        </message>
        <message>
            <source>Gültig für Halt-Signal:</source>
            <translation>Gültig für Halt-Signal:</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Fahrsatz</translation>
        </message>
        <message>
            <source>Bit 0:</source>
            <translation>Bit 0:</translation>
        </message>
        <message>
            <source>Bewegung aktiv</source>
            <translation>Bewegung aktiv</translation>
        </message>
        <message>
            <source>Bit 1:</source>
            <translation>Bit 1:</translation>
        </message>
        <message>
            <source>Gestartet</source>
            <translation>Gestartet</translation>
        </message>
        <message>
            <source>Bit 2:</source>
            <translation>Bit 2:</translation>
        </message>
        <message>
            <source>Abgebrochen</source>
            <translation>Abgebrochen</translation>
        </message>
        <message>
            <source>Bit 3:</source>
            <translation>Bit 3:</translation>
        </message>
        <message>
            <source>Beendet</source>
            <translation>Beendet</translation>
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
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Bit 6:</source>
            <translation>Bit 6:</translation>
        </message>
        <message>
            <source>Continue möglich</source>
            <translation>Continue möglich</translation>
        </message>
        <message>
            <source>Bit 7:</source>
            <translation>Bit 7:</translation>
        </message>
        <message>
            <source>Continue Fehler</source>
            <translation>Continue Fehler</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>-1: Inaktiv</source>
            <translation>-1: Inaktiv</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelGeschwDrehmKraft</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Steuertafel ein</translation>
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
            <translation>Freigabe</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Quittierung</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>Geschwindigkeit</source>
            <translation>Geschwindigkeit</translation>
        </message>
        <message>
            <source>Festwert Beschleunigung</source>
            <translation>Festwert Beschleunigung</translation>
        </message>
        <message>
            <source>Festwert Verzögerung</source>
            <translation>Festwert Verzögerung</translation>
        </message>
        <message>
            <source>Festwert Ruck</source>
            <translation>Festwert Ruck</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Geschwindigkeits-Override</translation>
        </message>
        <message>
            <source>Drehmoment-/Kraftbegrenzung</source>
            <translation>Drehmoment-/Kraftbegrenzung</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft</source>
            <translation>Soll-Drehmoment/-Kraft</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelPLCopen</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Steuertafel ein</translation>
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
            <translation>Freigabe</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Quittierung</translation>
        </message>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>Externe Geschwindigkeit</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Geschwindigkeits-Override</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft,&lt;br&gt;Geschwindigkeitsklammerung</source>
            <translation>Soll-Drehmoment/-Kraft,&lt;br&gt;Geschwindigkeitsklammerung</translation>
        </message>
        <message>
            <source>Referenzierung</source>
            <translation>Referenzierung</translation>
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
            <translation>Sicherheitshinweis</translation>
        </message>
        <message>
            <source>&lt;h3&gt;WARNUNG!&lt;br&gt;Personen- und Sachschaden durch Achsbewegung!&lt;/h3&gt;Beachten Sie, dass mit der Aktivierung dieser Funktion der Antrieb – statt über eine Steuerung – über die Steuertafel der Tellurix kontrolliert wird.&lt;ul&gt;&lt;li&gt;Stellen Sie sicher, dass sich keine Personen oder Gegenstände im Fahrbereich befinden.&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>&lt;h3&gt;WARNUNG!&lt;br&gt;Personen- und Sachschaden durch Achsbewegung!&lt;/h3&gt;Mit der Aktivierung der Steuertafel erhalten Sie über die Tellurix die alleinige Kontrolle über die Achsbewegungen. Wenn Sie eine Steuerung verwenden, kann diese nicht eingreifen, um Kollisionen zu verhindern, solange die Steuertafel aktiv ist.&lt;ul&gt;&lt;li&gt;Wechseln Sie nicht in andere Fenster, solange die Steuertafel aktiv ist.&lt;/li&gt;&lt;li&gt;Verwenden Sie die Steuertafel nur, wenn Sie Sichtkontakt zur Achse haben.&lt;/li&gt;&lt;li&gt;Stellen Sie sicher, dass sich keine Personen oder Gegenstände im Fahrbereich befinden.&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
        <message>
            <source>&lt;h3&gt;WARNUNG!&lt;br&gt;Personen- und Sachschaden durch Achsbewegung!&lt;/h3&gt;Beachten Sie, dass mit der Deaktivierung dieser Funktion der Antrieb – statt über die Steuertafel der Tellurix – wieder über eine Steuerung kontrolliert wird.&lt;ul&gt;&lt;li&gt;Stellen Sie sicher, dass sich keine Personen oder Gegenstände im Fahrbereich befinden.&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>&lt;h3&gt;WARNUNG!&lt;br&gt;Personen- und Sachschaden durch Achsbewegung!&lt;/h3&gt;Mit der Deaktivierung der Steuertafel übernimmt wieder die Steuerung die Kontrolle über die Achse; dabei kann es zu unerwarteten Achsbewegungen kommen. Über die Tellurix können Sie nicht eingreifen, um Kollisionen zu verhindern.&lt;ul&gt;&lt;li&gt;Stellen Sie sicher, dass sich keine Personen oder Gegenstände im Fahrbereich befinden.&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelTippen</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Steuertafel ein</translation>
        </message>
        <message>
            <source>Tip+</source>
            <translation>Tip+</translation>
        </message>
        <message>
            <source>Tip-</source>
            <translation>Tip-</translation>
        </message>
        <message>
            <source>TipStep+</source>
            <translation>TipStep+</translation>
        </message>
        <message>
            <source>TipStep-</source>
            <translation>TipStep-</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Halt</translation>
        </message>
        <message>
            <source>Freigabe</source>
            <translation>Freigabe</translation>
        </message>
        <message>
            <source>Freigabe aktivieren/deaktivieren</source>
            <translation>Freigabe aktivieren/deaktivieren</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Quittierung</translation>
        </message>
        <message>
            <source>Referenz setzen</source>
            <translation>Referenz setzen</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
    </context>
</TS>
