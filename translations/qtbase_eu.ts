<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu">
<!-- The standard buttons of the boxes both programs show, where Qt has no texts of this language. -->
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortatu</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Saiatu berriro</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ez ikusi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Baztertu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplikatu</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Berrezarri</translation>
    </message>
</context>
</TS>
