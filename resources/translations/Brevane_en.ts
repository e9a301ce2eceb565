<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
</TS>
