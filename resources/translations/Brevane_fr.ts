<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
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
</TS>
