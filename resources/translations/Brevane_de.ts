<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
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
</TS>
