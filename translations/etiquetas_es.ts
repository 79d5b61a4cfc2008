<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="es">
<context>
    <name>messages</name>
    <message numerus="yes">
        <location filename="../common/core/text/messages.h" line="+35" />
        <source>Se han generado %n etiquetas</source>
        <translation>
            <numerusform>Se han generado %n etiquetas</numerusform>
            <numerusform>Se han generado %n etiquetas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sheets</name>
    <message numerus="yes">
        <location filename="../common/core/sheets/stock.cpp" line="+97" />
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2" />
        <source>%n columnas</source>
        <translation>
            <numerusform>%n columna</numerusform>
            <numerusform>%n columnas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0" />
        <source>%n filas</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
</context>
</TS>