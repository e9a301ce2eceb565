<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AxisView</name>
    <message>
        <source>%1    position %2    velocity %3</source>
        <translation>%1    Position %2    Geschwindigkeit %3</translation>
    </message>
    <message>
        <source>position %1 … %2</source>
        <translation>Position %1 … %2</translation>
    </message>
    <message>
        <source>velocity ±%1</source>
        <translation>Geschwindigkeit ±%1</translation>
    </message>
</context>
<context>
    <name>ControlWordWidget</name>
    <message>
        <source>%1 active, handle %2, flag %3</source>
        <translation>%1 aktiv, Handle %2, Flag %3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>no control panel active</source>
        <translation>keine Steuertafel aktiv</translation>
    </message>
</context>
<context>
    <name>DriveDescription</name>
    <message>
        <source>a number is required for a %1 parameter</source>
        <translation>ein %1-Parameter braucht eine Zahl</translation>
    </message>
    <message>
        <source>a text is required for a %1 parameter</source>
        <translation>ein %1-Parameter braucht einen Text</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>unbekanntes Feld</translation>
    </message>
    <message>
        <source>a coordinate such as &quot;J40&quot; is required</source>
        <translation>eine Koordinate wie &quot;J40&quot; ist nötig</translation>
    </message>
    <message>
        <source>unknown data type &quot;%1&quot;</source>
        <translation>unbekannter Datentyp &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1 is required</source>
        <translation>eine ganze Zahl von 0 bis %1 ist nötig</translation>
    </message>
    <message>
        <source>%1 values for %2 elements</source>
        <translation>%1 Werte für %2 Elemente</translation>
    </message>
    <message>
        <source>a number is required</source>
        <translation>eine Zahl ist nötig</translation>
    </message>
    <message>
        <source>%1 is outside the %2 range %3 .. %4</source>
        <translation>%1 liegt außerhalb des %2-Bereichs %3 .. %4</translation>
    </message>
    <message>
        <source>an object from value to text is required</source>
        <translation>ein Objekt, das Werten Texte zuordnet, ist nötig</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; needs a numeric key and a text</source>
        <translation>Eintrag &quot;%1&quot; braucht eine Zahl als Schlüssel und einen Text</translation>
    </message>
    <message>
        <source>a text or an object with &quot;de&quot;, &quot;en&quot;, &quot;fr&quot; texts is required</source>
        <translation>ein Text oder ein Objekt mit den Texten &quot;de&quot;, &quot;en&quot;, &quot;fr&quot; ist nötig</translation>
    </message>
    <message>
        <source>true or false is required</source>
        <translation>true oder false ist nötig</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>%1:%2: field &quot;%3&quot;: %4</source>
        <translation>%1:%2: Feld &quot;%3&quot;: %4</translation>
    </message>
    <message>
        <source>a list of parameters is required</source>
        <translation>eine Liste von Parametern ist nötig</translation>
    </message>
    <message>
        <source>an object is required</source>
        <translation>ein Objekt ist nötig</translation>
    </message>
    <message>
        <source>defined twice</source>
        <translation>doppelt definiert</translation>
    </message>
</context>
<context>
    <name>DriveModel</name>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>fault</source>
        <translation>Störung</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>switching on</source>
        <translation>schaltet ein</translation>
    </message>
    <message>
        <source>halted</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>standstill</source>
        <translation>Stillstand</translation>
    </message>
    <message>
        <source>stopping</source>
        <translation>hält an</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>Fahrsatz %1</translation>
    </message>
    <message>
        <source>jogging</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>jog step</source>
        <translation>Tippschritt</translation>
    </message>
    <message>
        <source>command</source>
        <translation>Kommando</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brevane Workbench</source>
        <translation>Brevane Workbench</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Antrieb</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Control-panel word</source>
        <translation>Steuertafelwort</translation>
    </message>
    <message>
        <source>Host log</source>
        <translation>Host-Protokoll</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Connected to the drive</source>
        <translation>Mit dem Antrieb verbunden</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>The project may not be edited</source>
        <translation>Das Projekt darf nicht bearbeitet werden</translation>
    </message>
    <message>
        <source>&amp;Open drive…</source>
        <translation>Antrieb ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open a drive description with its parameters and values</source>
        <translation>Eine Antriebsbeschreibung mit ihren Parametern und Werten öffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save drive</source>
        <translation>Antrieb &amp;speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save drive &amp;as…</source>
        <translation>Antrieb speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Forget the window, the docks, device, fieldbus, language, state, page and recent drives kept from earlier starts</source>
        <translation>Fenster, Docks, Gerät, Feldbus, Sprache, Zustand, Seite und zuletzt geöffnete Antriebe früherer Starts vergessen</translation>
    </message>
    <message>
        <source>Save window picture…</source>
        <translation>Fensterbild speichern…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Device fault (E48 = 5)</source>
        <translation>Gerätestörung (E48 = 5)</translation>
    </message>
    <message>
        <source>Fault with switch-off (E81 = 3, E82 = 88)</source>
        <translation>Störung mit Abschaltung (E81 = 3, E82 = 88)</translation>
    </message>
    <message>
        <source>Another master takes the axis (A900 = 1)</source>
        <translation>Ein anderer Master übernimmt die Achse (A900 = 1)</translation>
    </message>
    <message>
        <source>Control panels locked (A918 = 1)</source>
        <translation>Steuertafeln gesperrt (A918 = 1)</translation>
    </message>
    <message>
        <source>Connection lost (offline)</source>
        <translation>Verbindung unterbrochen (offline)</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Fieldbus</source>
        <translation>Feldbus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Brevane Workbench – %1 – %2[*]</source>
        <translation>Brevane Workbench – %1 – %2[*]</translation>
    </message>
    <message>
        <source>built-in drive</source>
        <translation>eingebauter Antrieb</translation>
    </message>
    <message>
        <source>Open drive</source>
        <translation>Antrieb öffnen</translation>
    </message>
    <message>
        <source>Drive descriptions (*.json);;All files (*)</source>
        <translation>Antriebsbeschreibungen (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Save drive</source>
        <translation>Antrieb speichern</translation>
    </message>
    <message>
        <source>Drive descriptions (*.json)</source>
        <translation>Antriebsbeschreibungen (*.json)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The drive has changes that are not saved yet. Save them?</source>
        <translation>Der Antrieb hat Änderungen, die noch nicht gespeichert sind. Speichern?</translation>
    </message>
    <message>
        <source>Settings forgotten: the next start begins with the defaults.</source>
        <translation>Einstellungen vergessen: Der nächste Start beginnt mit den Voreinstellungen.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Antrieb</translation>
    </message>
    <message>
        <source>Injected until cleared; a device fault also needs acknowledging</source>
        <translation>Bleibt bis zum Löschen; eine Gerätestörung muss außerdem quittiert werden</translation>
    </message>
    <message>
        <source>Clear all faults</source>
        <translation>Alle Störungen löschen</translation>
    </message>
    <message>
        <source>online</source>
        <translation>online</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source>editable</source>
        <translation>bearbeitbar</translation>
    </message>
    <message>
        <source>picked %1 for &quot;%2&quot;; the host has no way to hand it to the page</source>
        <translation>%1 für „%2“ gewählt; der Host kann ihn nicht an die Seite übergeben</translation>
    </message>
    <message>
        <source>Save window picture</source>
        <translation>Fensterbild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>&amp;Export parameters…</source>
        <translation>Parameter &amp;exportieren…</translation>
    </message>
    <message>
        <source>Export parameters</source>
        <translation>Parameter exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Exported the parameters to %1</source>
        <translation>Parameter nach %1 exportiert</translation>
    </message>
    <message>
        <source>Forget the window layout, device, fieldbus, language, state, page, recent drives and folders kept from earlier starts? The docks go back to their places now; the rest takes effect at the next start.</source>
        <translation>Fensteraufteilung, Gerät, Feldbus, Sprache, Zustand, Seite, zuletzt geöffnete Antriebe und Ordner aus früheren Starts vergessen? Die Docks kehren sofort an ihre Plätze zurück; der Rest wirkt beim nächsten Start.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help on the focused control</source>
        <translation>Hilfe zum Element mit dem Fokus</translation>
    </message>
    <message>
        <source>About Brevane Workbench</source>
        <translation>Über Brevane Workbench</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Brevane Workbench %1&lt;/h3&gt;&lt;p&gt;Runs the %2 plug-in against a simulated drive, as the host application does.&lt;/p&gt;&lt;p&gt;Built with Qt %3, running on Qt %4.&lt;/p&gt;&lt;p&gt;Qt is used under the GNU Lesser General Public License, version 3. Brevane&apos;s own terms are those of the copy you received.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Brevane Workbench %1&lt;/h3&gt;&lt;p&gt;Führt das Plug-in %2 an einem simulierten Antrieb aus, wie es die Host-Anwendung tut.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %3, läuft mit Qt %4.&lt;/p&gt;&lt;p&gt;Qt wird unter der GNU Lesser General Public License, Version 3, verwendet. Für Brevane selbst gelten die Bedingungen des Exemplars, das Sie erhalten haben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;About Brevane Workbench</source>
        <translation>Ü&amp;ber Brevane Workbench</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Page tree</source>
        <translation>Seitenbaum</translation>
    </message>
    <message>
        <source>No help for this control. Shift+F1 and a click show the help of any control that has one.</source>
        <translation>Keine Hilfe zu diesem Element. Umschalt+F1 und ein Klick zeigen die Hilfe jedes Elements, das eine hat.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4 · motion block: %5</source>
        <translation>%1 · %2 · %3 · %4 · Fahrsatz: %5</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
</context>
<context>
    <name>ParameterBrowser</name>
    <message>
        <source>Filter: coordinate or name</source>
        <translation>Filter: Koordinate oder Name</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s)</source>
        <translation>
            <numerusform>%n Parameter</numerusform>
            <numerusform>%n Parameter</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>ParameterModel</name>
    <message>
        <source>Coordinate</source>
        <translation>Koordinate</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Limits: %1 .. %2</source>
        <translation>Grenzen: %1 .. %2</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Vorgabe: %1</translation>
    </message>
    <message>
        <source>%1: %2 cannot be kept exactly by a REAL32 (it would become %3)</source>
        <translation>%1: %2 kann ein REAL32 nicht genau halten (es würde %3)</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Einheit: %1</translation>
    </message>
</context>
<context>
    <name>ParameterPickerDialog</name>
    <message>
        <source>Parameter input</source>
        <translation>Parametereingabe</translation>
    </message>
    <message>
        <source>Filter: coordinate or name</source>
        <translation>Filter: Koordinate oder Name</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Koordinate</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The host passes no answer back to the page: the choice is only noted in the log.</source>
        <translation>Der Host gibt keine Antwort an die Seite zurück: Die Wahl wird nur im Protokoll vermerkt.</translation>
    </message>
</context>
<context>
    <name>ParameterStore</name>
    <message>
        <source>the drive would hold more than %1 elements</source>
        <translation>der Antrieb hielte mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no %3 number</source>
        <translation>%1: &quot;%2&quot; ist keine %3-Zahl</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 .. %4</source>
        <translation>%1: %2 liegt außerhalb %3 .. %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no parameter address</source>
        <translation>%1: &quot;%2&quot; ist keine Parameteradresse</translation>
    </message>
    <message>
        <source>%1 does not exist in living space %2</source>
        <translation>%1 gibt es im Lebensraum %2 nicht</translation>
    </message>
    <message>
        <source>%1 has no element %2</source>
        <translation>%1 hat kein Element %2</translation>
    </message>
    <message>
        <source>%1: %2 elements are more than %3</source>
        <translation>%1: %2 Elemente sind mehr als %3</translation>
    </message>
    <message>
        <source>%1: %2 elements would make the drive hold more than %3</source>
        <translation>%1: mit %2 Elementen hielte der Antrieb mehr als %3</translation>
    </message>
    <message>
        <source>%1: unknown data type %2</source>
        <translation>%1: unbekannter Datentyp %2</translation>
    </message>
    <message>
        <source>%1 is not defined</source>
        <translation>%1 ist nicht definiert</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>ScenarioRecorder</name>
    <message>
        <source>Record scenario</source>
        <translation>Szenario aufzeichnen</translation>
    </message>
    <message>
        <source>Scenarios (*.json)</source>
        <translation>Szenarien (*.json)</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Recorded %n step(s) into %1</source>
        <translation>
            <numerusform>%n Schritt in %1 aufgezeichnet</numerusform>
            <numerusform>%n Schritte in %1 aufgezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, but it will not play back: %2</source>
        <translation>%1, lässt sich aber nicht abspielen: %2</translation>
    </message>
    <message>
        <source>Not recorded: %1</source>
        <translation>Nicht aufgezeichnet: %1</translation>
    </message>
    <message>
        <source>the %1 pressed has no object name to play it back by</source>
        <translation>das gedrückte %1 hat keinen Objektnamen zum Abspielen</translation>
    </message>
    <message>
        <source>clicks into the list %1 cannot be played back</source>
        <translation>Klicks in die Liste %1 lassen sich nicht abspielen</translation>
    </message>
    <message>
        <source>the arrows of %1 cannot be played back; type the value instead</source>
        <translation>die Pfeile von %1 lassen sich nicht abspielen; geben Sie den Wert stattdessen ein</translation>
    </message>
    <message>
        <source>the %1 typed into has no object name to play it back by</source>
        <translation>das beschriebene %1 hat keinen Objektnamen zum Abspielen</translation>
    </message>
    <message>
        <source>the choice box has no object name to play it back by</source>
        <translation>das Auswahlfeld hat keinen Objektnamen zum Abspielen</translation>
    </message>
    <message>
        <source>the box &quot;%1&quot; was closed with a button a scenario cannot name</source>
        <translation>das Fenster „%1“ wurde mit einer Schaltfläche geschlossen, die ein Szenario nicht benennen kann</translation>
    </message>
    <message>
        <source>select the parameter to expect first</source>
        <translation>zuerst den erwarteten Parameter auswählen</translation>
    </message>
    <message>
        <source>select one element of %1 to expect</source>
        <translation>ein Element von %1 zum Erwarten auswählen</translation>
    </message>
    <message>
        <source>Expecting %1 = %2</source>
        <translation>Erwarte %1 = %2</translation>
    </message>
    <message>
        <source>Record scenario…</source>
        <translation>Szenario aufzeichnen…</translation>
    </message>
    <message>
        <source>Expect this value</source>
        <translation>Diesen Wert erwarten</translation>
    </message>
    <message>
        <source>Adds a step to the recording that expects the selected parameter&apos;s value</source>
        <translation>Fügt der Aufzeichnung einen Schritt hinzu, der den Wert des gewählten Parameters erwartet</translation>
    </message>
    <message>
        <source>● Recording</source>
        <translation>● Aufnahme</translation>
    </message>
    <message>
        <source>A scenario is being recorded; Drive &gt; Stop recording writes it</source>
        <translation>Ein Szenario wird aufgenommen; Antrieb &gt; Aufnahme beenden schreibt es</translation>
    </message>
    <message>
        <source>Recording into %1; the drive&apos;s changes since it was opened or saved are not part of it</source>
        <translation>Aufnahme in %1; die Änderungen am Antrieb seit dem Öffnen oder Speichern gehören nicht dazu</translation>
    </message>
    <message>
        <source>Recording into %1</source>
        <translation>Aufnahme in %1</translation>
    </message>
</context>
<context>
    <name>ScenarioRunner</name>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a text or a number</source>
        <translation>ein Text oder eine Zahl</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>eine Liste von Texten</translation>
    </message>
    <message>
        <source>is no button</source>
        <translation>ist keine Schaltfläche</translation>
    </message>
    <message>
        <source>is no text field</source>
        <translation>ist kein Textfeld</translation>
    </message>
    <message>
        <source>is no choice box</source>
        <translation>ist keine Auswahlliste</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: a scenario is an object with a &quot;steps&quot; array</source>
        <translation>%1: Ein Szenario ist ein Objekt mit einer Liste &quot;steps&quot;</translation>
    </message>
    <message>
        <source>a step is an object</source>
        <translation>ein Schritt ist ein Objekt</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <source>%1: step %2 (%3): %4</source>
        <translation>%1: Schritt %2 (%3): %4</translation>
    </message>
    <message>
        <source>no &quot;step&quot; field</source>
        <translation>kein Feld &quot;step&quot;</translation>
    </message>
    <message>
        <source>unknown step</source>
        <translation>unbekannter Schritt</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot;</source>
        <translation>unbekanntes Feld &quot;%1&quot;</translation>
    </message>
    <message>
        <source>field &quot;%1&quot; must be %2</source>
        <translation>Feld &quot;%1&quot; muss %2 sein</translation>
    </message>
    <message>
        <source>field &quot;%1&quot; is missing</source>
        <translation>Feld &quot;%1&quot; fehlt</translation>
    </message>
    <message>
        <source>no page: show one first or name it in &quot;page&quot;</source>
        <translation>keine Seite: erst eine zeigen oder sie in &quot;page&quot; nennen</translation>
    </message>
    <message>
        <source>unknown page &quot;%1&quot;</source>
        <translation>unbekannte Seite &quot;%1&quot;</translation>
    </message>
    <message>
        <source>page %1 has no object &quot;%2&quot;</source>
        <translation>Seite %1 hat kein Objekt &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unknown parameter &quot;%1&quot;</source>
        <translation>unbekannter Parameter &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has no element %2</source>
        <translation>%1 hat kein Element %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and %2</source>
        <translation>&quot;%1&quot; muss zwischen 0 und %2 liegen</translation>
    </message>
    <message>
        <source>a box is answered with %1</source>
        <translation>ein Meldungsfenster wird mit %1 beantwortet</translation>
    </message>
    <message>
        <source>unknown fault &quot;%1&quot;; known are %2</source>
        <translation>unbekannter Fehler &quot;%1&quot;; bekannt sind %2</translation>
    </message>
    <message>
        <source>nothing to expect: give &quot;value&quot;, &quot;min&quot; or &quot;max&quot;</source>
        <translation>nichts zu erwarten: &quot;value&quot;, &quot;min&quot; oder &quot;max&quot; angeben</translation>
    </message>
    <message>
        <source>nothing to switch: give &quot;device&quot;, &quot;fieldbus&quot;, &quot;language&quot;, &quot;online&quot; or &quot;readOnly&quot;</source>
        <translation>nichts umzuschalten: &quot;device&quot;, &quot;fieldbus&quot;, &quot;language&quot;, &quot;online&quot; oder &quot;readOnly&quot; angeben</translation>
    </message>
    <message>
        <source>unknown device type &quot;%1&quot;</source>
        <translation>unbekannter Gerätetyp &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown fieldbus &quot;%1&quot;</source>
        <translation>unbekannter Feldbus &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>unbekannte Sprache &quot;%1&quot;</translation>
    </message>
    <message>
        <source>nothing to expect: give &quot;enabled&quot;, &quot;visible&quot;, &quot;checked&quot; or &quot;text&quot;</source>
        <translation>nichts zu erwarten: &quot;enabled&quot;, &quot;visible&quot;, &quot;checked&quot; oder &quot;text&quot; angeben</translation>
    </message>
</context>
<context>
    <name>SimulatedDrive</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Workbench</name>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a page of another plug-in of the host. It stands in the tree so that jumps to it can be tried.</source>
        <translation>„%1“ ist eine Seite eines anderen Plug-ins des Hosts. Sie steht im Baum, damit Sprünge zu ihr ausprobiert werden können.</translation>
    </message>
    <message>
        <source>Not available yet: the plug-in does not create the page &quot;%1&quot;.</source>
        <translation>Noch nicht verfügbar: Das Plug-in erzeugt die Seite „%1“ nicht.</translation>
    </message>
    <message>
        <source>Qt&apos;s own catalogue %1 is not installed; its buttons stay English</source>
        <translation>Qts eigener Katalog %1 ist nicht installiert; seine Schaltflächen bleiben englisch</translation>
    </message>
</context>
<context>
    <name>WorkbenchHost</name>
    <message>
        <source>Page &quot;%1&quot; is not in the tree</source>
        <translation>Seite „%1“ ist nicht im Baum</translation>
    </message>
    <message>
        <source>Page &quot;%1&quot; is hidden</source>
        <translation>Seite „%1“ ist ausgeblendet</translation>
    </message>
</context>
<context>
    <name>WorkbenchNames</name>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
</context>
</TS>
