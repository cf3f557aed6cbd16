<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Faults</name>
    <message>
        <source>Fine: %1 of %n</source>
        <translation>Gut: %1 von %n</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation type="unfinished">Unfertig</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Summe: %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;New (Ctrl+N)</source>
        <translation>&amp;Neu (Strg+N)</translation>
    </message>
</context>
</TS>
