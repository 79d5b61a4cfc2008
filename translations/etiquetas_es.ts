<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="es">
<context>
    <name>JobsWindow</name>
    <message numerus="yes">
        <location filename="../common/ui/history/jobswindow.cpp" line="+126"/>
        <source>¿Quitar el trabajo del %1, de %n etiquetas? No se podrá recuperar.</source>
        <translation>
            <numerusform>¿Quitar el trabajo del %1, de %n etiqueta? No se podrá recuperar.</numerusform>
            <numerusform>¿Quitar el trabajo del %1, de %n etiquetas? No se podrá recuperar.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message numerus="yes">
        <location filename="../common/ui/frame/mainwindowbase.cpp" line="+271"/>
        <source>Trabajo del %1: %n etiquetas</source>
        <translation>
            <numerusform>Trabajo del %1: %n etiqueta</numerusform>
            <numerusform>Trabajo del %1: %n etiquetas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewFlow</name>
    <message numerus="yes">
        <location filename="../common/ui/review/reviewflow.cpp" line="+77"/>
        <source>Se imprimirán %n etiquetas (%1 generadas y %2 nuevas)</source>
        <translation>
            <numerusform>Se imprimirán %n etiquetas (%1 generadas y %2 nuevas)</numerusform>
            <numerusform>Se imprimirán %n etiquetas (%1 generadas y %2 nuevas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se imprimirán %n etiquetas (%1 generadas)</source>
        <translation>
            <numerusform>Se imprimirán %n etiquetas (%1 generadas)</numerusform>
            <numerusform>Se imprimirán %n etiquetas (%1 generadas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message numerus="yes">
        <location filename="../common/ui/review/reviewwindow.cpp" line="+275"/>
        <source>%n etiquetas; se imprimirán %1. Con avisos: %2. Editadas: %3.</source>
        <translation>
            <numerusform>%n etiquetas; se imprimirán %1. Con avisos: %2. Editadas: %3.</numerusform>
            <numerusform>%n etiquetas; se imprimirán %1. Con avisos: %2. Editadas: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StockWindow</name>
    <message numerus="yes">
        <location filename="../common/ui/stock/stockwindow.cpp" line="+103"/>
        <source>%n hojas en el catálogo; no se muestran %1 que estos programas no pueden imprimir (etiquetas redondas, ovaladas o de CD, o en varias rejillas).</source>
        <translation>
            <numerusform>%n hojas en el catálogo; no se muestran %1 que estos programas no pueden imprimir (etiquetas redondas, ovaladas o de CD, o en varias rejillas).</numerusform>
            <numerusform>%n hojas en el catálogo; no se muestran %1 que estos programas no pueden imprimir (etiquetas redondas, ovaladas o de CD, o en varias rejillas).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message numerus="yes">
        <location filename="../common/batch/batchjob.cpp" line="+413"/>
        <source>%n hojas en el catálogo (%1 que no se pueden imprimir se omiten: %2 redondas o de CD, %3 de varias rejillas, %4 mal descritas); %5 suyas.
</source>
        <translation>
            <numerusform>%n hojas en el catálogo (%1 que no se pueden imprimir se omiten: %2 redondas o de CD, %3 de varias rejillas, %4 mal descritas); %5 suyas.
</numerusform>
            <numerusform>%n hojas en el catálogo (%1 que no se pueden imprimir se omiten: %2 redondas o de CD, %3 de varias rejillas, %4 mal descritas); %5 suyas.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>check</name>
    <message numerus="yes">
        <location filename="../common/core/check/labelcheck.cpp" line="+38"/>
        <source>%n avisos</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message numerus="yes">
        <location filename="../common/core/text/messages.h" line="+36"/>
        <source>Se han generado %n etiquetas</source>
        <translation>
            <numerusform>Se han generado %n etiquetas</numerusform>
            <numerusform>Se han generado %n etiquetas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>review</name>
    <message numerus="yes">
        <location filename="../common/core/review/jobselection.cpp" line="+51"/>
        <source>La etiqueta %1 no está en la lista: hay %n etiquetas</source>
        <translation>
            <numerusform>La etiqueta %1 no está en la lista: hay %n etiquetas</numerusform>
            <numerusform>La etiqueta %1 no está en la lista: hay %n etiquetas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sheets</name>
    <message numerus="yes">
        <location filename="../common/core/sheets/stock.cpp" line="+110"/>
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n columnas</source>
        <translation>
            <numerusform>%n columna</numerusform>
            <numerusform>%n columnas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n filas</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
</context>
</TS>
