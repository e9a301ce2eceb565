<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
    <context>
        <name>AnalogOutput1</name>
        <message>
            <source>Skalierung</source>
            <translation>Mise à l'échelle</translation>
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
            <translation>Mise à l'échelle</translation>
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
        <name>ControlPanelPage</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Activer le panneau de commande</translation>
        </message>
        <message>
            <source>Steuertafel aus</source>
            <translation>Désactiver le panneau de commande</translation>
        </message>
        <message>
            <source>Keine Verbindung zum Antriebsregler: die Steuertafel ist nur online verfügbar.</source>
            <translation>Pas de connexion au variateur : le panneau de commande n'est disponible qu'en ligne.</translation>
        </message>
        <message>
            <source>Die Steuertafeln sind im Antriebsregler gesperrt (A918).</source>
            <translation>Les panneaux de commande sont verrouillés dans le variateur (A918).</translation>
        </message>
        <message>
            <source>Ein anderer Master steuert die Achse (A900).</source>
            <translation>Un autre maître commande l'axe (A900).</translation>
        </message>
        <message>
            <source>Der Antriebsregler hat kein Steuerwort %1 für diese Steuertafel.</source>
            <translation>Le variateur n'a pas de mot de commande %1 pour ce panneau de commande.</translation>
        </message>
        <message>
            <source>Die Übernahme der Achse wurde abgelehnt.</source>
            <translation>La prise de contrôle de l'axe a été refusée.</translation>
        </message>
        <message>
            <source>Der Antriebsregler meldet eine Störung (E48).</source>
            <translation>Le variateur signale un défaut (E48).</translation>
        </message>
        <message>
            <source>Wegen einer Störung ausgeschaltet (E81 = 3, E82 = 88).</source>
            <translation>Désactivé en raison d'un défaut (E81 = 3, E82 = 88).</translation>
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
        <name>DbmBegrGeschwDrehmKraft</name>
        <message>
            <source>Aktiv</source>
            <translation>Actif</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactif</translation>
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
            <source>Begrenzung</source>
            <translation>Limitation</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Mode d'exploitation</translation>
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
        <name>DbmFixedAccel</name>
        <message>
            <source>Festwerte</source>
            <translation>Valeurs fixes</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Sélection</translation>
        </message>
    </context>
    <context>
        <name>DbmFixedDecel</name>
        <message>
            <source>Festwerte</source>
            <translation>Valeurs fixes</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Sélection</translation>
        </message>
    </context>
    <context>
        <name>DbmFixedJerk</name>
        <message>
            <source>Festwerte</source>
            <translation>Valeurs fixes</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Sélection</translation>
        </message>
    </context>
    <context>
        <name>DbmFixedVelocity</name>
        <message>
            <source>Festsollwerte</source>
            <translation>Consignes fixes</translation>
        </message>
        <message>
            <source>Festwert Auswahl</source>
            <translation>Sélection</translation>
        </message>
    </context>
    <context>
        <name>DbmGeschwDrehmKraft</name>
        <message>
            <source>Hauptsollwert</source>
            <translation>Consigne principale</translation>
        </message>
        <message>
            <source>Zusatzsollwert</source>
            <translation>Consigne supplémentaire</translation>
        </message>
        <message>
            <source>Beschleunigung</source>
            <translation>Accélération</translation>
        </message>
        <message>
            <source>Verzögerung</source>
            <translation>Temporisation</translation>
        </message>
        <message>
            <source>Ruck</source>
            <translation>À-coup</translation>
        </message>
        <message>
            <source>Override</source>
            <translation>Override</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limitation</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Panneau de commande</translation>
        </message>
        <message>
            <source>Motion-Kern</source>
            <translation>Noyau de mouvement</translation>
        </message>
        <message>
            <source>Execute</source>
            <translation>Execute</translation>
        </message>
        <message>
            <source>Zyklisch</source>
            <translation>Cyclique</translation>
        </message>
        <message>
            <source>Solldrehmoment/-kraft</source>
            <translation>Couple/force de consigne</translation>
        </message>
        <message>
            <source>Geschwindigkeits-&lt;br&gt;klammerung positiv</source>
            <translation>Limitation de&lt;br&gt;vitesse positive</translation>
        </message>
        <message>
            <source>Geschwindigkeits-&lt;br&gt;klammerung negativ</source>
            <translation>Limitation de&lt;br&gt;vitesse négative</translation>
        </message>
        <message>
            <source>Steuertafel:&lt;br&gt;Geschwindigkeit,&lt;br&gt;Drehmoment/Kraft</source>
            <translation>Panneau de commande :&lt;br&gt;vitesse,&lt;br&gt;couple/force</translation>
        </message>
        <message>
            <source>Rampe</source>
            <translation>Rampe</translation>
        </message>
        <message>
            <source>Drehmoment</source>
            <translation>Couple/force</translation>
        </message>
    </context>
    <context>
        <name>DbmHauptsollwert</name>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>Vitesse externe</translation>
        </message>
        <message>
            <source>Feldbus</source>
            <translation>Bus de terrain</translation>
        </message>
        <message>
            <source>Festsollwerte</source>
            <translation>Consignes fixes</translation>
        </message>
        <message>
            <source>Hauptsollwert</source>
            <translation>Consigne principale</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Actif</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactif</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Paramètre</translation>
        </message>
        <message>
            <source>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</source>
            <translation>DI1-DI13&lt;br&gt;DI1 inversée-&lt;br&gt;DI13 inversée</translation>
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
            <translation>Prise de référence</translation>
        </message>
        <message>
            <source>Drehmoment/Kraft, Geschwindigkeitsklammerung</source>
            <translation>Couple/force, limitation de vitesse</translation>
        </message>
        <message>
            <source>Haltebremse</source>
            <translation>Frein de maintien</translation>
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
            <source>Motion-&lt;br&gt;Kern</source>
            <translation>Noyau&lt;br&gt;de mouvement</translation>
        </message>
        <message>
            <source>Synchronbetrieb</source>
            <translation>Mode synchrone</translation>
        </message>
        <message>
            <source>Zentralwickler</source>
            <translation>Enrouleur central</translation>
        </message>
        <message>
            <source>-1: inaktiv</source>
            <translation>-1 : inactif</translation>
        </message>
        <message>
            <source>Kommando</source>
            <translation>Commande</translation>
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
        <name>DbmNocken</name>
        <message>
            <source>Nocke</source>
            <translation>Came</translation>
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
        <name>DbmSrcBinSignals</name>
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
DI1 inversé –
DI13 inversé</translation>
        </message>
        <message>
            <source>&lt;a href="Applikation"&gt;Applikation&lt;/a&gt;</source>
            <translation>&lt;a href="Applikation"&gt;Application&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="SteuertafelTippen"&gt;Steuertafel&lt;/a&gt;</source>
            <translation>&lt;a href="SteuertafelTippen"&gt;Panneau de commande&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="DbmTipbetrieb"&gt;Tippen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmTipbetrieb"&gt;Marche par à-coups&lt;/a&gt;</translation>
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
            <translation>Panneau de commande</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Régler toutes les sources sur paramètre</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Désactiver toutes les sources</translation>
        </message>
        <message>
            <source>Endschalter +</source>
            <translation>Fin de course +</translation>
        </message>
        <message>
            <source>Endschalter −</source>
            <translation>Fin de course −</translation>
        </message>
        <message>
            <source>Referenzschalter</source>
            <translation>Came de référence</translation>
        </message>
        <message>
            <source>Bewegungsrichtung 1</source>
            <translation>Sens de déplacement 1</translation>
        </message>
        <message>
            <source>Bewegungsrichtung 0</source>
            <translation>Sens de déplacement 0</translation>
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
        <name>DbmSteuerStatus</name>
        <message>
            <source>Bit 0:</source>
            <translation>Bit 0 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Execute&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Execute&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 1:</source>
            <translation>Bit 1 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Positiver /Endschalter&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;/Fin de course positif&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 2:</source>
            <translation>Bit 2 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Negativer /Endschalter&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;/Fin de course négatif&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 3:</source>
            <translation>Bit 3 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Referenzschalter&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Commutateur de référence&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 4:</source>
            <translation>Bit 4 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Tippen aktivieren&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Activer le mode pas à pas&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 5:</source>
            <translation>Bit 5 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Positiv tippen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Pas à pas positif&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 6:</source>
            <translation>Bit 6 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Negativ tippen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Pas à pas négatif&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 7:</source>
            <translation>Bit 7 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Positiver Tip-Step&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Incrément pas à pas positif&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 8:</source>
            <translation>Bit 8 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Negativer Tip-Step&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Incrément pas à pas négatif&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 9:</source>
            <translation>Bit 9 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Bewegungsrichtung 0&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Sens de déplacement 0&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 10:</source>
            <translation>Bit 10 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Bewegungsrichtung 1&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Sens de déplacement 1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 11:</source>
            <translation>Bit 11 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Referenz setzen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Définir la référence&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 12:</source>
            <translation>Bit 12 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Sollgeschwindigkeit zyklisch&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Vitesse de consigne cyclique&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 13:</source>
            <translation>Bit 13 :</translation>
        </message>
        <message>
            <source>&lt;a href="DbmSrcBinSignals"&gt;Referenz wiederherstellen&lt;/a&gt;</source>
            <translation>&lt;a href="DbmSrcBinSignals"&gt;Restaurer la référence&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Bit 14:</source>
            <translation>Bit 14 :</translation>
        </message>
        <message>
            <source>Reserviert</source>
            <translation>Réservé</translation>
        </message>
        <message>
            <source>Bit 15:</source>
            <translation>Bit 15 :</translation>
        </message>
        <message>
            <source>Execute Handshake</source>
            <translation>Handshake Execute</translation>
        </message>
        <message>
            <source>Synchron</source>
            <translation>Synchrone</translation>
        </message>
    </context>
    <context>
        <name>DbmTipbetrieb</name>
        <message>
            <source>Quelle:&lt;br&gt;Binärsignale Applikation</source>
            <translation>Signaux numériques :&lt;br&gt;application</translation>
        </message>
        <message>
            <source>Steuertafel: Tippen</source>
            <translation>Panneau de commande : pas à pas</translation>
        </message>
        <message>
            <source>Motion-Kern</source>
            <translation>Noyau Motion</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Panneau de commande</translation>
        </message>
        <message>
            <source>Bedienteil&lt;br&gt;Antriebsregler</source>
            <translation>Unité de commande&lt;br&gt;variateur</translation>
        </message>
        <message>
            <source>Lokalbetrieb</source>
            <translation>Mode local</translation>
        </message>
        <message>
            <source>Tippen</source>
            <translation>Pas à pas</translation>
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
        <name>DbmZusatzsollwert</name>
        <message>
            <source>Externe Zusatzgeschwindigkeit</source>
            <translation>Vitesse externe additionnelle</translation>
        </message>
        <message>
            <source>Feldbus</source>
            <translation>Bus de terrain</translation>
        </message>
        <message>
            <source>Festsollwerte</source>
            <translation>Consignes fixes</translation>
        </message>
        <message>
            <source>Zusatzsollwert</source>
            <translation>Consigne supplémentaire</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Actif</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactif</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Paramètre</translation>
        </message>
        <message>
            <source>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</source>
            <translation>DI1-DI13&lt;br&gt;DI1 inversée-&lt;br&gt;DI13 inversée</translation>
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
            <translation>Panneau : bloc de déplacement</translation>
        </message>
        <message>
            <source>Alle Quellen auf Parameter setzen</source>
            <translation>Régler toutes les sources sur paramètre</translation>
        </message>
        <message>
            <source>Alle Quellen deaktivieren</source>
            <translation>Désactiver toutes les sources</translation>
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
        <name>MotionBlockSelect</name>
        <message>
            <source>Direkter Fahrsatzstart</source>
            <translation>Démarrage direct bloc de déplacement</translation>
        </message>
        <message>
            <source>Steuertafel: Fahrsatz</source>
            <translation>Panneau : bloc de déplacement</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Bloc de déplacement</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Panneau de commande</translation>
        </message>
        <message>
            <source>Priorität</source>
            <translation>Priorité</translation>
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
        <message>
            <source>Begrenzung Drehmoment/Kraft</source>
            <translation>Limitation couple/force</translation>
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
        <message>
            <source>Fahrsätze %1 bis %2 löschen?</source>
            <translation>Supprimer les blocs de déplacement %1 à %2 ?</translation>
        </message>
    </context>
    <context>
        <name>Motorpoti</name>
        <message>
            <source>Motorpoti</source>
            <translation>Potentiomètre moteur</translation>
        </message>
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
            <translation>Paramètres</translation>
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
            <source>Motorpotentiometer</source>
            <translation>Potentiomètre moteur</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limitation</translation>
        </message>
    </context>
    <context>
        <name>PidIstwert</name>
        <message>
            <source>Skalierung Analogeingang 1</source>
            <translation>Mise à l'échelle entrée analogique 1</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 2</source>
            <translation>Mise à l'échelle entrée analogique 2</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 3</source>
            <translation>Mise à l'échelle entrée analogique 3</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>Régulateur PID</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Lecture indirecte</translation>
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
            <translation>Régulateur P</translation>
        </message>
        <message>
            <source>I-Regler</source>
            <translation>Régulateur I</translation>
        </message>
        <message>
            <source>D-Regler</source>
            <translation>Régulateur D</translation>
        </message>
        <message>
            <source>Tiefpass</source>
            <translation>Filtre passe-bas</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limitation</translation>
        </message>
        <message>
            <source>Init &amp; Preset</source>
            <translation>Init &amp; preset</translation>
        </message>
        <message>
            <source>PID-Sollwert</source>
            <translation>Valeur de consigne PID</translation>
        </message>
        <message>
            <source>PID-Istwert</source>
            <translation>Valeur réelle PID</translation>
        </message>
    </context>
    <context>
        <name>PidSollwert</name>
        <message>
            <source>Skalierung Analogeingang 1</source>
            <translation>Mise à l'échelle entrée analogique 1</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 2</source>
            <translation>Mise à l'échelle entrée analogique 2</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 3</source>
            <translation>Mise à l'échelle entrée analogique 3</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>Régulateur PID</translation>
        </message>
        <message>
            <source>Begrenzung</source>
            <translation>Limitation</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Lecture indirecte</translation>
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
            <translation>Activer la mesure de position 1</translation>
        </message>
        <message>
            <source>Trigger-Typ</source>
            <translation>Type de déclencheur</translation>
        </message>
        <message>
            <source>Trigger-Quelle</source>
            <translation>Source du déclencheur</translation>
        </message>
        <message>
            <source>Reserviert</source>
            <translation>Réservé</translation>
        </message>
        <message>
            <source>Positive Flankenerkennung</source>
            <translation>Détection du front montant</translation>
        </message>
        <message>
            <source>Negative Flankenerkennung</source>
            <translation>Détection du front descendant</translation>
        </message>
        <message>
            <source>Positionsmessung 2 aktivieren</source>
            <translation>Activer la mesure de position 2</translation>
        </message>
        <message>
            <source>Positionsmessung 1 aktiviert</source>
            <translation>Mesure de position 1 activée</translation>
        </message>
        <message>
            <source>Trigger positive Flanke</source>
            <translation>Déclenché sur front montant</translation>
        </message>
        <message>
            <source>Trigger negative Flanke</source>
            <translation>Déclenché sur front descendant</translation>
        </message>
        <message>
            <source>Trigger-Zähler, Bit 0</source>
            <translation>Compteur de déclenchements, bit 0</translation>
        </message>
        <message>
            <source>Trigger-Zähler, Bit 1</source>
            <translation>Compteur de déclenchements, bit 1</translation>
        </message>
        <message>
            <source>Positionsmessung 2 aktiviert</source>
            <translation>Mesure de position 2 activée</translation>
        </message>
    </context>
    <context>
        <name>SrcCommandBinSignals</name>
        <message>
            <source>Aktiv</source>
            <translation>Actif</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactif</translation>
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
            <source>Kommando</source>
            <translation>Commande</translation>
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
            <translation>&lt;a href="Folgefahrsatz"&gt;Bloc de déplacement consécutif&lt;/a&gt;</translation>
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
            <translation>Panneau : bloc de déplacement</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Bloc de déplacement</translation>
        </message>
        <message>
            <source>Fahrsatzauswahl</source>
            <translation>Sélection bloc de déplacement</translation>
        </message>
        <message>
            <source>Priorität</source>
            <translation>Priorité</translation>
        </message>
        <message>
            <source>Steuertafel</source>
            <translation>Panneau de commande</translation>
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
            <translation>Noyau de mouvement</translation>
        </message>
        <message>
            <source>Richtungsoptimiert</source>
            <translation>Optimisé en sens</translation>
        </message>
    </context>
    <context>
        <name>SrcDisablePidRegler</name>
        <message>
            <source>Parameter</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Aktiv</source>
            <translation>Actif</translation>
        </message>
        <message>
            <source>Inaktiv</source>
            <translation>Inactif</translation>
        </message>
        <message>
            <source>BE1-BE13&lt;br&gt;BE1 invers-&lt;br&gt;BE13 invers</source>
            <translation>DI1-DI13&lt;br&gt;DI1 inversée-&lt;br&gt;DI13 inversée</translation>
        </message>
        <message>
            <source>PID-Regler</source>
            <translation>Régulateur PID</translation>
        </message>
        <message>
            <source>Deaktivierung</source>
            <translation>Désactivation</translation>
        </message>
        <message>
            <source>Preset</source>
            <translation>Préréglage</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Maintien</translation>
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
            <translation>Limitation</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Lecture indirecte</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Mise à l'échelle, entrée analogique AI1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Mise à l'échelle, entrée analogique AI2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Mise à l'échelle, entrée analogique AI3&lt;/a&gt;</translation>
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
            <translation>Limitation</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Lecture indirecte</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Mise à l'échelle, entrée analogique AI1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Mise à l'échelle, entrée analogique AI2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Mise à l'échelle, entrée analogique AI3&lt;/a&gt;</translation>
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
            <translation>Valeurs fixes</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Mode d'exploitation</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedDecel</name>
        <message>
            <source>Festwerte</source>
            <translation>Valeurs fixes</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Mode d'exploitation</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedJerk</name>
        <message>
            <source>Festwerte</source>
            <translation>Valeurs fixes</translation>
        </message>
        <message>
            <source>Betriebsart</source>
            <translation>Mode d'exploitation</translation>
        </message>
    </context>
    <context>
        <name>SrcSelFixedVelocity</name>
        <message>
            <source>Festsollwerte</source>
            <translation>Consignes fixes</translation>
        </message>
        <message>
            <source>Hauptsollwert</source>
            <translation>Consigne principale</translation>
        </message>
        <message>
            <source>Zusatzsollwert</source>
            <translation>Consigne supplémentaire</translation>
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
            <translation>Mise à l'échelle, entrée analogique AI1</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 2</source>
            <translation>Mise à l'échelle, entrée analogique AI2</translation>
        </message>
        <message>
            <source>Skalierung Analogeingang 3</source>
            <translation>Mise à l'échelle, entrée analogique AI3</translation>
        </message>
        <message>
            <source>Begrenzung&lt;br&gt;Drehmoment/Kraft</source>
            <translation>Limitation&lt;br&gt;couple/force</translation>
        </message>
        <message>
            <source>Interner Fehler!</source>
            <translation>Erreur interne</translation>
        </message>
        <message>
            <source>Unbekannter Gerätetyp.</source>
            <translation>Série inconnue</translation>
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
            <translation>Limitation</translation>
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
            <translation>Lecture indirecte</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Mise à l'échelle, entrée analogique AI1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Mise à l'échelle, entrée analogique AI2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Mise à l'échelle, entrée analogique AI3&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Klammerung</source>
            <translation>Limite de vitesse</translation>
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
            <translation>Limitation</translation>
        </message>
        <message>
            <source>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</source>
            <translation>&lt;a href="VAccRBegrenzung"&gt;I10&lt;/a&gt;</translation>
        </message>
        <message>
            <source>Betrag</source>
            <translation>Valeur absolue</translation>
        </message>
        <message>
            <source>Indirektes lesen</source>
            <translation>Lecture indirecte</translation>
        </message>
        <message>
            <source>&lt;a href="AE1Skalierung"&gt;Skalierung Analogeingang 1&lt;/a&gt;</source>
            <translation>&lt;a href="AE1Skalierung"&gt;Mise à l'échelle, entrée analogique AI1&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE2Skalierung"&gt;Skalierung Analogeingang 2&lt;/a&gt;</source>
            <translation>&lt;a href="AE2Skalierung"&gt;Mise à l'échelle, entrée analogique AI2&lt;/a&gt;</translation>
        </message>
        <message>
            <source>&lt;a href="AE3Skalierung"&gt;Skalierung Analogeingang 3&lt;/a&gt;</source>
            <translation>&lt;a href="AE3Skalierung"&gt;Mise à l'échelle, entrée analogique AI3&lt;/a&gt;</translation>
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
            <translation>Bit 0 : MC_Halt</translation>
        </message>
        <message>
            <source>Bit 1: Reset</source>
            <translation>Bit 1 : Reset</translation>
        </message>
        <message>
            <source>Bit 2: Continue</source>
            <translation>Bit 2 : Continue</translation>
        </message>
        <message>
            <source>Bit 3: Reserviert</source>
            <translation>Bit 3 : Réservé</translation>
        </message>
        <message>
            <source>Bit 4: Reserviert</source>
            <translation>Bit 4 : Réservé</translation>
        </message>
        <message>
            <source>Bit 5: Reserviert</source>
            <translation>Bit 5 : Réservé</translation>
        </message>
        <message>
            <source>Bit 6: Reserviert</source>
            <translation>Bit 6 : Réservé</translation>
        </message>
        <message>
            <source>Bit 7: Reserviert</source>
            <translation>Bit 7 : Réservé</translation>
        </message>
        <message>
            <source>Bit 0: Bewegung aktiv</source>
            <translation>Bit 0 : Mouvement actif</translation>
        </message>
        <message>
            <source>Bit 1: Gestartet</source>
            <translation>Bit 1 : Démarré</translation>
        </message>
        <message>
            <source>Bit 2: Abgebrochen</source>
            <translation>Bit 2 : Interrompu</translation>
        </message>
        <message>
            <source>Bit 3: Beendet</source>
            <translation>Bit 3 : Terminé</translation>
        </message>
        <message>
            <source>Bit 4: Reset</source>
            <translation>Bit 4 : Reset</translation>
        </message>
        <message>
            <source>Bit 5: Fehler</source>
            <translation>Bit 5 : Erreur</translation>
        </message>
        <message>
            <source>Bit 6: Continue möglich</source>
            <translation>Bit 6 : Continue possible</translation>
        </message>
        <message>
            <source>Bit 7: Continue Fehler</source>
            <translation>Bit 7 : Erreur Continue</translation>
        </message>
    </context>
    <context>
        <name>SteuerStatusKommandobetrieb</name>
        <message>
            <source>Bit 0: Continue</source>
            <translation>Bit 0 : Continue</translation>
        </message>
        <message>
            <source>Bit 1: Halt</source>
            <translation>Bit 1 : Arrêt</translation>
        </message>
        <message>
            <source>Bit 2: Reserviert</source>
            <translation>Bit 2 : Réservé</translation>
        </message>
        <message>
            <source>Bit 3: Reserviert</source>
            <translation>Bit 3 : Réservé</translation>
        </message>
        <message>
            <source>Bit 4: Reserviert</source>
            <translation>Bit 4 : Réservé</translation>
        </message>
        <message>
            <source>Bit 5: Reserviert</source>
            <translation>Bit 5 : Réservé</translation>
        </message>
        <message>
            <source>Bit 6: Reserviert</source>
            <translation>Bit 6 : Réservé</translation>
        </message>
        <message>
            <source>Bit 7: Reserviert</source>
            <translation>Bit 7 : Réservé</translation>
        </message>
        <message>
            <source>Bit 0: Continue möglich</source>
            <translation>Bit 0 : Continue possible</translation>
        </message>
        <message>
            <source>Bit 1: Continue Fehler</source>
            <translation>Bit 1 : Erreur Continue</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelApplikation</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Activer le panneau de commande</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Démarrage</translation>
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
            <translation>Arrêt</translation>
        </message>
        <message>
            <source>Freigabe</source>
            <translation>Validation</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Acquittement</translation>
        </message>
        <message>
            <source>Kommando:</source>
            <translation>Commande :</translation>
        </message>
        <message>
            <source>&lt;Kommando&gt;</source>
            <translation>&lt;Commande&gt;</translation>
        </message>
        <message>
            <source>Sollwert:</source>
            <translation>Valeur de consigne :</translation>
        </message>
        <message>
            <source>&lt;Sollwert&gt;</source>
            <translation>&lt;Valeur de consigne&gt;</translation>
        </message>
        <message>
            <source>Gültig für Halt-Signal:</source>
            <translation>Valable uniquement pour le signal d'arrêt :</translation>
        </message>
        <message>
            <source>Fahrsatz</source>
            <translation>Bloc de déplacement</translation>
        </message>
        <message>
            <source>Bit 0:</source>
            <translation>Bit 0 :</translation>
        </message>
        <message>
            <source>Bewegung aktiv</source>
            <translation>Mouvement actif</translation>
        </message>
        <message>
            <source>Bit 1:</source>
            <translation>Bit 1 :</translation>
        </message>
        <message>
            <source>Gestartet</source>
            <translation>Démarré</translation>
        </message>
        <message>
            <source>Bit 2:</source>
            <translation>Bit 2 :</translation>
        </message>
        <message>
            <source>Abgebrochen</source>
            <translation>Interrompu</translation>
        </message>
        <message>
            <source>Bit 3:</source>
            <translation>Bit 3 :</translation>
        </message>
        <message>
            <source>Beendet</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>Bit 4:</source>
            <translation>Bit 4 :</translation>
        </message>
        <message>
            <source>Bit 5:</source>
            <translation>Bit 5 :</translation>
        </message>
        <message>
            <source>Fehler</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Bit 6:</source>
            <translation>Bit 6 :</translation>
        </message>
        <message>
            <source>Continue möglich</source>
            <translation>Continue possible</translation>
        </message>
        <message>
            <source>Bit 7:</source>
            <translation>Bit 7 :</translation>
        </message>
        <message>
            <source>Continue Fehler</source>
            <translation>Erreur Continue</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>État</translation>
        </message>
        <message>
            <source>-1: Inaktiv</source>
            <translation>-1 : inactif</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelGeschwDrehmKraft</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Activer le panneau de commande</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Démarrage</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Arrêt</translation>
        </message>
        <message>
            <source>Freigabe</source>
            <translation>Validation</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Acquittement</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>État</translation>
        </message>
        <message>
            <source>Geschwindigkeit</source>
            <translation>Vitesse</translation>
        </message>
        <message>
            <source>Festwert Beschleunigung</source>
            <translation>Valeur fixe accélération</translation>
        </message>
        <message>
            <source>Festwert Verzögerung</source>
            <translation>Valeur fixe temporisation</translation>
        </message>
        <message>
            <source>Festwert Ruck</source>
            <translation>Valeur fixe à-coup</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Override de la vitesse</translation>
        </message>
        <message>
            <source>Drehmoment-/Kraftbegrenzung</source>
            <translation>Limitation couple/force</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft</source>
            <translation>Couple/force de consigne</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelPLCopen</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Activer le panneau de commande</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Démarrage</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Arrêt</translation>
        </message>
        <message>
            <source>Freigabe</source>
            <translation>Validation</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Acquittement</translation>
        </message>
        <message>
            <source>Externe Geschwindigkeit</source>
            <translation>Vitesse externe</translation>
        </message>
        <message>
            <source>Geschwindigkeits-Override</source>
            <translation>Override de la vitesse</translation>
        </message>
        <message>
            <source>Soll-Drehmoment/-Kraft,&lt;br&gt;Geschwindigkeitsklammerung</source>
            <translation>Couple/force de consigne,&lt;br&gt;limitation de vitesse</translation>
        </message>
        <message>
            <source>Referenzierung</source>
            <translation>Référencement</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>État</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelSicherheitshinweis</name>
        <message>
            <source>Sicherheitshinweis</source>
            <translation>Consigne de sécurité</translation>
        </message>
        <message>
            <source>&lt;h3&gt;WARNUNG!&lt;br&gt;Personen- und Sachschaden durch Achsbewegung!&lt;/h3&gt;Beachten Sie, dass mit der Aktivierung dieser Funktion der Antrieb – statt über eine Steuerung – über die Steuertafel der Tellurix kontrolliert wird.&lt;ul&gt;&lt;li&gt;Stellen Sie sicher, dass sich keine Personen oder Gegenstände im Fahrbereich befinden.&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>&lt;h3&gt;AVERTISSEMENT !&lt;br&gt;Risque de blessures et de dommages matériels dus au mouvement de l'axe !&lt;/h3&gt;Lorsque vous activez le panneau de commande, Tellurix vous donne le contrôle exclusif des mouvements de l'axe. Si vous utilisez une commande, celle-ci ne peut pas intervenir pour éviter des collisions tant que le panneau de commande est actif.&lt;ul&gt;&lt;li&gt;Ne passez pas à d'autres fenêtres tant que le panneau de commande est actif.&lt;/li&gt;&lt;li&gt;N'utilisez le panneau de commande que si vous avez un contact visuel avec l'axe.&lt;/li&gt;&lt;li&gt;Assurez-vous qu'aucune personne ni aucun objet ne se trouve dans la zone de déplacement.&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
        <message>
            <source>&lt;h3&gt;WARNUNG!&lt;br&gt;Personen- und Sachschaden durch Achsbewegung!&lt;/h3&gt;Beachten Sie, dass mit der Deaktivierung dieser Funktion der Antrieb – statt über die Steuertafel der Tellurix – wieder über eine Steuerung kontrolliert wird.&lt;ul&gt;&lt;li&gt;Stellen Sie sicher, dass sich keine Personen oder Gegenstände im Fahrbereich befinden.&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>&lt;h3&gt;AVERTISSEMENT !&lt;br&gt;Risque de blessures et de dommages matériels dus au mouvement de l'axe !&lt;/h3&gt;La commande reprend le contrôle de l'axe lorsque le panneau de commande est désactivé, ce qui peut provoquer des mouvements inattendus de l'axe. Vous ne pouvez pas utiliser Tellurix pour intervenir et éviter des collisions.&lt;ul&gt;&lt;li&gt;Assurez-vous qu'aucune personne ni aucun objet ne se trouve dans la zone de déplacement.&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
    </context>
    <context>
        <name>SteuertafelTippen</name>
        <message>
            <source>Steuertafel ein</source>
            <translation>Activer le panneau de commande</translation>
        </message>
        <message>
            <source>Tip+</source>
            <translation>Pas à pas+</translation>
        </message>
        <message>
            <source>Tip-</source>
            <translation>Pas à pas-</translation>
        </message>
        <message>
            <source>TipStep+</source>
            <translation>Incrément pas à pas+</translation>
        </message>
        <message>
            <source>TipStep-</source>
            <translation>Incrément pas à pas-</translation>
        </message>
        <message>
            <source>Halt</source>
            <translation>Arrêt</translation>
        </message>
        <message>
            <source>Freigabe</source>
            <translation>Validation</translation>
        </message>
        <message>
            <source>Freigabe aktivieren/deaktivieren</source>
            <translation>Activer/désactiver la validation</translation>
        </message>
        <message>
            <source>Quittierung</source>
            <translation>Acquittement</translation>
        </message>
        <message>
            <source>Referenz setzen</source>
            <translation>Définir la référence</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>État</translation>
        </message>
    </context>
</TS>
