<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>CorrectionWindow</name>
    <message>
        <location filename="../common/ui/printing/correctionwindow.cpp" line="+21"/>
        <source>Corregir impresora</source>
        <translation>Corregeix la impressora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Imprima la hoja de prueba. Con una regla, mida en milímetros la distancia del centro de cada cruz al borde izquierdo y al borde superior del papel. Mida al menos cuatro cruces que no estén en una misma fila ni en una misma columna (las esquinas son las mejores): con tres, un error al medir no se notaría.</source>
        <translation>Imprimiu el full de prova. Amb un regle, mesureu en mil·límetres la distància del centre de cada creu a la vora esquerra i a la vora superior del paper. Mesureu com a mínim quatre creus que no siguin en una mateixa fila ni en una mateixa columna (les cantonades són les millors): amb tres, un error de mesura no es notaria.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Etiqueta</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde la izquierda (mm)</source>
        <translation>Des de l&apos;esquerra (mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde arriba (mm)</source>
        <translation>Des de dalt (mm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Medida %1, etiqueta</source>
        <translation>Mesura %1, etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medida %1, desde la izquierda (mm)</source>
        <translation>Mesura %1, des de l&apos;esquerra (mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medida %1, desde arriba (mm)</source>
        <translation>Mesura %1, des de dalt (mm)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>C&amp;alcular</source>
        <translation>&amp;Calcula</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quitar corrección</source>
        <translation>&amp;Elimina la correcció</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Tanca</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No hay ninguna impresora en este equipo: instale la de las etiquetas para imprimir la hoja de prueba y corregirla.</source>
        <translation>No hi ha cap impressora en aquest ordinador: instal·leu la de les etiquetes per imprimir el full de prova i corregir-la.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impresora: %1. Corrección en uso: %2.</source>
        <translation>Impressora: %1. Correcció en ús: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1. Sin corrección.</source>
        <translation>Impressora: %1. Sense correcció.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>La fila %1 no tiene una etiqueta y dos medidas en milímetros: «%2», «%3», «%4».</source>
        <translation>La fila %1 no té una etiqueta i dues mesures en mil·límetres: «%2», «%3», «%4».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No hay ninguna impresora a la que corregir.</source>
        <translation>No hi ha cap impressora per corregir.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1.

¿Guardar esta corrección para la impresora «%2»? Se aplicará a todo lo que se imprima en ella.</source>
        <translation>%1.

Voleu desar aquesta correcció per a la impressora «%2»? S&apos;aplicarà a tot el que s&apos;hi imprimeixi.</translation>
    </message>
</context>
<context>
    <name>DesignWindow</name>
    <message>
        <location filename="../common/ui/design/designwindow.cpp" line="+30"/>
        <source>Diseños de etiqueta (*.ini);;Todos los archivos (*)</source>
        <translation>Dissenys d&apos;etiqueta (*.ini);;Tots els fitxers (*)</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Diseño de la etiqueta</source>
        <translation>Disseny de l&apos;etiqueta</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Biblioteca Central = BC
Hemeroteca = HEM</source>
        <translation>Biblioteca Central = BC
Hemeroteca = HEM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Siglas de las líneas encima y debajo:</source>
        <translation>&amp;Sigles de les línies superior i inferior:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Una etiqueta con este diseño, en sus proporciones</source>
        <translation>Una etiqueta amb aquest disseny, a escala</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La hoja de etiquetas con este diseño</source>
        <translation>El full d&apos;etiquetes amb aquest disseny</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A&amp;brir…</source>
        <translation>&amp;Obre…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Guardar como…</source>
        <translation>&amp;Desa com a…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sin dise&amp;ño</source>
        <translation>Sense dissen&amp;y</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Usar</source>
        <translation>&amp;Usa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>la de siempre</source>
        <translation>la de sempre</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Siglas: %1</source>
        <translation>Sigles: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Abrir un diseño de etiqueta</source>
        <translation>Obre un disseny d&apos;etiqueta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>El diseño «%1» no se puede usar: %2.</source>
        <translation>El disseny «%1» no es pot fer servir: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>diseño.ini</source>
        <translation>disseny.ini</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guardar el diseño de etiqueta</source>
        <translation>Desa el disseny d&apos;etiqueta</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>No se pudo guardar el diseño en «%1»: %2</source>
        <translation>No s&apos;ha pogut desar el disseny a «%1»: %2</translation>
    </message>
</context>
<context>
    <name>FirstSheetPanel</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="+150"/>
        <source>&amp;Empezar en la etiqueta</source>
        <translation>&amp;Comença per l&apos;etiqueta</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Primera etiqueta libre de la hoja, del 1 al %1</source>
        <translation>Primera etiqueta lliure del full, de l&apos;1 a la %1</translation>
    </message>
</context>
<context>
    <name>JobsWindow</name>
    <message>
        <location filename="../common/ui/history/jobswindow.cpp" line="+29"/>
        <source>&amp;Abrir</source>
        <translation>&amp;Obre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quitar</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trabajos anteriores</source>
        <translation>Treballs anteriors</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Buscar:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>una signatura, o cualquier texto de las etiquetas</source>
        <translation>una signatura o qualsevol text de les etiquetes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Trabajos guardados</source>
        <translation>Treballs desats</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Etiquetas</source>
        <translation>Etiquetes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Primera signatura</source>
        <translation>Primera signatura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Última signatura</source>
        <translation>Última signatura</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hoja</source>
        <translation>Full</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Tanca</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>la de siempre</source>
        <translation>el de sempre</translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>¿Quitar el trabajo del %1, de %n etiquetas? No se podrá recuperar.</source>
        <translation>
            <numerusform>Voleu eliminar el treball del %1 (%n etiqueta)? No es podrà recuperar.</numerusform>
            <numerusform>Voleu eliminar el treball del %1 (%n etiquetes)? No es podrà recuperar.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No se pudo quitar el trabajo: su archivo no se deja borrar.</source>
        <translation>No s&apos;ha pogut eliminar el treball: el seu fitxer no es pot esborrar.</translation>
    </message>
</context>
<context>
    <name>LabelPrinterWindow</name>
    <message>
        <location filename="../common/ui/printing/labelprinterwindow.cpp" line="+37"/>
        <source>Imprimir una etiqueta de &amp;prueba</source>
        <translation>Imprimeix una etiqueta de &amp;prova</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Impresora de etiquetas</source>
        <translation>Impressora d&apos;etiquetes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La impresora predeterminada</source>
        <translation>La impressora predeterminada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Impresora a la que van las etiquetas:</source>
        <translation>&amp;Impressora on s&apos;imprimeixen les etiquetes:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sin girar</source>
        <translation>Sense girar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1° a la derecha</source>
        <translation>%1° en sentit horari</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Girar la página:</source>
        <translation>&amp;Gir de la pàgina:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Algunas impresoras de etiquetas en rollo sacan la etiqueta girada. Imprima una etiqueta de prueba: si la flecha no apunta hacia el extremo de arriba de la etiqueta, elija otro giro y pruebe de nuevo.</source>
        <translation>Algunes impressores d&apos;etiquetes en rotlle treuen l&apos;etiqueta girada. Imprimiu una etiqueta de prova: si la fletxa no apunta cap a l&apos;extrem superior de l&apos;etiqueta, trieu un altre gir i torneu-ho a provar.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Elija antes una hoja de una etiqueta por página (un rollo).</source>
        <translation>Primer trieu un full amb una sola etiqueta per pàgina (un rotlle).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Aceptar</source>
        <translation>&amp;D&apos;acord</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <location filename="../common/ui/frame/mainwindowbase.cpp" line="+108"/>
        <source>La impresora «%1» que fijó el administrador no está en este equipo: no se tiene en cuenta.</source>
        <translation>La impressora «%1» que ha establert l&apos;administrador no és en aquest ordinador: no es té en compte.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>El diseño de la etiqueta «%1» no se puede usar: %2. Las etiquetas se imprimen sin diseño hasta que elija otro en «Diseño de la etiqueta…».</source>
        <translation>El disseny de l&apos;etiqueta «%1» no es pot fer servir: %2. Les etiquetes s&apos;imprimeixen sense disseny fins que en trieu un altre a «Disseny de l&apos;etiqueta…».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Menú</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Trabajos &amp;anteriores…</source>
        <translation>Treballs &amp;anteriors…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Salir</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>I&amp;dioma</source>
        <translation>I&amp;dioma</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>El programa se mostrará en %1 la próxima vez que lo abra.</source>
        <translation>El programa es mostrarà en %1 la propera vegada que l&apos;obriu.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Lo fija el administrador del equipo: %1</source>
        <translation>Ho ha establert l&apos;administrador de l&apos;ordinador: %1</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Ese trabajo ya no está guardado.</source>
        <translation>Aquest treball ja no està desat.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Trabajo del %1: %n etiquetas</source>
        <translation>
            <numerusform>Treball del %1: %n etiqueta</numerusform>
            <numerusform>Treball del %1: %n etiquetes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> · Hoja: %1</source>
        <translation> · Full: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> · Diseño: %1</source>
        <translation> · Disseny: %1</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <location filename="../common/ui/printing/previewwindow.cpp" line="+31"/>
        <source>Hoja en pantalla</source>
        <translation>Full en pantalla</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <location line="+40"/>
        <source>&amp;Menú</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+49"/>
        <source>&amp;Regresar</source>
        <translation>&amp;Torna</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>&amp;Anterior</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Siguiente</source>
        <translation>&amp;Següent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A&amp;mpliar</source>
        <translation>Am&amp;plia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re&amp;ducir</source>
        <translation>Re&amp;dueix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hoja &amp;entera</source>
        <translation>Full s&amp;encer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimeix</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Hoja %1 de %2</source>
        <translation>Full %1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hay más hojas</source>
        <translation>No hi ha més fulls</translation>
    </message>
</context>
<context>
    <name>PrintFlow</name>
    <message>
        <location filename="../common/ui/printing/printflows.cpp" line="+102"/>
        <source>%1

No hay ninguna impresora en este equipo. Puede guardar las etiquetas en un PDF e imprimirlo en otro.</source>
        <translation>%1

No hi ha cap impressora en aquest ordinador. Podeu desar les etiquetes en un PDF i imprimir-lo en un altre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guardar como PDF…</source>
        <translation>Desa com a PDF…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guardar como PDF</source>
        <translation>Desa com a PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>etiquetas.pdf</source>
        <translation>etiquetes.pdf</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReviewFlow</name>
    <message numerus="yes">
        <location filename="../common/ui/review/reviewflow.cpp" line="+77"/>
        <source>Se imprimirán %n etiquetas (%1 generadas y %2 nuevas)</source>
        <translation>
            <numerusform>S&apos;imprimirà %n etiqueta (generades: %1; noves: %2)</numerusform>
            <numerusform>S&apos;imprimiran %n etiquetes (generades: %1; noves: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se imprimirán %n etiquetas (%1 generadas)</source>
        <translation>
            <numerusform>S&apos;imprimirà %n etiqueta (generades: %1)</numerusform>
            <numerusform>S&apos;imprimiran %n etiquetes (generades: %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewModel</name>
    <message>
        <location filename="../common/ui/review/reviewwindow.cpp" line="+79"/>
        <source>Nº</source>
        <translation>Núm.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hoja · lugar</source>
        <translation>Full · lloc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copias</source>
        <translation>Còpies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisión</source>
        <translation>Revisió</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>editada</source>
        <translation>editada</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <location line="+60"/>
        <source>Revisar las etiquetas</source>
        <translation>Revisió de les etiquetes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Etiquetas del trabajo</source>
        <translation>Etiquetes del treball</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Editar…</source>
        <translation>&amp;Edita…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Deshacer</source>
        <translation>&amp;Desfés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nueva etiqueta…</source>
        <translation>Etiqueta &amp;nova…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Imprimir solo las seleccionadas</source>
        <translation>&amp;Imprimeix només les seleccionades</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Tanca</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n etiquetas; se imprimirán %1. Con avisos: %2. Editadas: %3.</source>
        <translation>
            <numerusform>%n etiqueta; per imprimir: %1. Amb avisos: %2. Editades: %3.</numerusform>
            <numerusform>%n etiquetes; per imprimir: %1. Amb avisos: %2. Editades: %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Etiqueta %1</source>
        <translation>Etiqueta %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nueva etiqueta</source>
        <translation>Etiqueta nova</translation>
    </message>
</context>
<context>
    <name>SheetMap</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="-139"/>
        <source>Mapa de la primera hoja</source>
        <translation>Mapa del primer full</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pulse una etiqueta para marcarla como usada o libre; con el teclado, las flechas y la barra espaciadora</source>
        <translation>Feu clic en una etiqueta per marcar-la com a usada o lliure; amb el teclat, amb les fletxes i la barra espaiadora</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Todas las etiquetas libres; se empieza en la %1.</source>
        <translation>Totes les etiquetes lliures; es comença per la %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Usadas: %1. Se empieza en la %2.</source>
        <translation>Usades: %1. Es comença per la %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Todas las etiquetas usadas.</source>
        <translation>Totes les etiquetes usades.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1 de %2. %3</source>
        <translation>Etiqueta %1 de %2. %3</translation>
    </message>
</context>
<context>
    <name>StockWindow</name>
    <message>
        <location filename="../common/ui/stock/stockwindow.cpp" line="+86"/>
        <source>Otra hoja</source>
        <translation>Un altre full</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de etiquetas</source>
        <translation>Full d&apos;etiquetes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Marca, producto o medidas: Herma, 4102, 48,5 x 25,4</source>
        <translation>Marca, producte o mides: Herma, 4102, 48,5 x 25,4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Buscar una hoja</source>
        <translation>Cerca de fulls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hojas que coinciden</source>
        <translation>Fulls que coincideixen</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n hojas en el catálogo; no se muestran %1 que estos programas no pueden imprimir (etiquetas redondas, ovaladas o de CD, o en varias rejillas).</source>
        <translation>
            <numerusform>%n full al catàleg; no se&apos;n mostren %1 que aquests programes no poden imprimir (etiquetes rodones, ovals o de CD, o en diverses graelles).</numerusform>
            <numerusform>%n fulls al catàleg; no se&apos;n mostren %1 que aquests programes no poden imprimir (etiquetes rodones, ovals o de CD, o en diverses graelles).</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Usar esta hoja</source>
        <translation>Usa aquest full</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Otra hoja…</source>
        <translation>Un altre full…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Carta</source>
        <translation>Carta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Papel</source>
        <translation>Paper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (mm)</source>
        <translation> (mm)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Columnas</source>
        <translation>Columnes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filas</source>
        <translation>Files</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ancho de la etiqueta</source>
        <translation>Amplada de l&apos;etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alto de la etiqueta</source>
        <translation>Alçada de l&apos;etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen izquierdo, hasta la primera etiqueta</source>
        <translation>Marge esquerre, fins a la primera etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen superior, hasta la primera etiqueta</source>
        <translation>Marge superior, fins a la primera etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una etiqueta a la siguiente, a lo ancho</source>
        <translation>D&apos;una etiqueta a la següent, en horitzontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una fila a la siguiente, a lo alto</source>
        <translation>D&apos;una fila a la següent, en vertical</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Guardar y usar</source>
        <translation>Desa i usa</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1%2 — %3 × %4 mm, %5 por hoja, %6</source>
        <translation>%1%2 — %3 × %4 mm, %5 per full, %6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (suya)</source>
        <translation> (vostre)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2. %3</source>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 (mía)</source>
        <translation>%1 (meu)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>«%1» no es un número: %2.</source>
        <translation>«%1» no és un nombre: %2.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Las columnas y las filas se cuentan con números enteros.</source>
        <translation>Les columnes i les files es compten amb nombres enters.</translation>
    </message>
</context>
<context>
    <name>barcode</name>
    <message>
        <location filename="../common/barcode/barcode.cpp" line="+65"/>
        <source>no hay código que dibujar</source>
        <translation>no hi ha cap codi per dibuixar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no queda memoria para dibujarlo</source>
        <translation>no queda memòria per dibuixar-lo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>el código de barras «%1» no se puede dibujar en %2</source>
        <translation>el codi de barres «%1» no es pot dibuixar en %2</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <location filename="../common/batch/batchjob.cpp" line="+43"/>
        <source>Idioma desconocido: «%1» (es, ca, gl, eu, en)</source>
        <translation>Idioma desconegut: «%1» (es, ca, gl, eu, en)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>El idioma lo fija el administrador: %1</source>
        <translation>L&apos;idioma l&apos;ha establert l&apos;administrador: %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Falta el nombre del archivo tras --pdf</source>
        <translation>Falta el nom del fitxer després de --pdf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el nombre de la impresora tras --printer</source>
        <translation>Falta el nom de la impressora després de --printer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el papel tras --paper</source>
        <translation>Falta el paper després de --paper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la etiqueta tras --start</source>
        <translation>Falta l&apos;etiqueta després de --start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --skip</source>
        <translation>Falta la llista després de --skip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --labels</source>
        <translation>Falta la llista després de --labels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el número tras --copies</source>
        <translation>Falta el nombre després de --copies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faltan las medidas tras --correction-from</source>
        <translation>Falten les mesures després de --correction-from</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el nombre de la hoja tras --stock</source>
        <translation>Falta el nom del full després de --stock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la etiqueta tras --add-label</source>
        <translation>Falta l&apos;etiqueta després de --add-label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el archivo tras --design</source>
        <translation>Falta el fitxer després de --design</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el idioma tras --language</source>
        <translation>Falta l&apos;idioma després de --language</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el número del trabajo tras --job</source>
        <translation>Falta el número del treball després de --job</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Falta el tamaño tras --font-size</source>
        <translation>Falta la mida després de --font-size</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Opción desconocida: %1</source>
        <translation>Opció desconeguda: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La opción --%1 no lleva ningún valor</source>
        <translation>L&apos;opció --%1 no admet cap valor</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tamaño de letra no válido: %1 (de %2 a %3 puntos)</source>
        <translation>Mida de lletra no vàlida: %1 (de %2 a %3 punts)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Número de trabajo no válido: %1 (1 es el último)</source>
        <translation>Número de treball no vàlid: %1 (l&apos;1 és el més recent)</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>--job y --add-label no van juntas: las etiquetas son las del trabajo o las escritas</source>
        <translation>--job i --add-label no es poden fer servir juntes: les etiquetes són les del treball o les escrites a mà</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--pdf y --printer no van juntas: el trabajo va a un PDF o a una impresora</source>
        <translation>--pdf i --printer no es poden fer servir juntes: el treball va a un PDF o a una impressora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--correction-from corrige un PDF; una impresora usa la corrección guardada para ella</source>
        <translation>--correction-from corregeix un PDF; una impressora fa servir la correcció que té desada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Falta --pdf ARCHIVO.pdf o --printer IMPRESORA</source>
        <translation>Falta --pdf FITXER.pdf o --printer IMPRESSORA</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>La hoja la fija el administrador: %1</source>
        <translation>El full l&apos;ha establert l&apos;administrador: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>El diseño lo fija el administrador: %1</source>
        <translation>El disseny l&apos;ha establert l&apos;administrador: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>El diseño «%1» no se puede usar: %2</source>
        <translation>El disseny «%1» no es pot fer servir: %2</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>No hay ningún trabajo %1 guardado; --list-jobs escribe los que hay.</source>
        <translation>No hi ha cap treball %1 desat; --list-jobs escriu els que hi ha.</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>Papel no válido: %1 (a4 o letter)</source>
        <translation>Paper no vàlid: %1 (a4 o letter)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Sobra «%1» en la orden</source>
        <translation>Sobra «%1» a l&apos;ordre</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>La hoja «%1» no está en el catálogo ni entre las que escribió en &quot;Otra hoja…&quot;; --list-stocks TEXTO escribe las que hay.</source>
        <translation>El full «%1» no és al catàleg ni entre els que heu introduït a «Un altre full…»; --list-stocks TEXT escriu els que hi ha.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>  --printer IMPRESORA en lugar de --pdf, imprime en esa impresora del sistema,
                      con su corrección y su giro, como &quot;Imprimir&quot; en la de
                      etiquetas; antes comprueba que todo cae donde la impresora
                      llega a imprimir
  --list-printers     escribe las impresoras del sistema y marca la de etiquetas
                      y la predeterminada
</source>
        <translation>  --printer IMPRESSORA
                      en comptes de --pdf, imprimeix en aquesta impressora del
                      sistema, amb la seva correcció i el seu gir, com fa
                      «Imprimeix» amb la d&apos;etiquetes; abans comprova que tot
                      queda dins de l&apos;àrea imprimible de la impressora
  --list-printers     escriu les impressores del sistema i marca la d&apos;etiquetes
                      i la predeterminada
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>  --list-jobs [TEXTO] escribe los trabajos guardados, del último al primero:
                      su número, la fecha, cuántas etiquetas y la primera y la
                      última signatura; con TEXTO, solo los que lo tienen en
                      alguna etiqueta
  --job N             imprime las etiquetas del trabajo guardado N (1 es el
                      último) en lugar de leer el archivo de etiquetas, con su
                      diseño si no se indica --design
</source>
        <translation>  --list-jobs [TEXT]  escriu els treballs desats, del més recent al més antic:
                      el número, la data, el nombre d&apos;etiquetes i la primera i
                      l&apos;última signatura; amb TEXT, només els que el tenen en
                      alguna etiqueta
  --job N             imprimeix les etiquetes del treball desat N (l&apos;1 és el
                      més recent) en comptes de llegir el fitxer d&apos;etiquetes,
                      amb el disseny del treball si no s&apos;indica --design
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  --skip LISTA        deja vacías en la primera hoja las etiquetas de la lista,
                      separadas por comas (por ejemplo 3,7,12)
  --labels LISTA      imprime solo las etiquetas de la lista, en ese orden:
                      números desde 1 separados por comas, o intervalos
                      (por ejemplo 2,5-6)
  --copies N          imprime N copias de cada etiqueta, seguidas (1 a 99)
  --correction-from &quot;P:x,y;P:x,y;...&quot;
                      corrige el error de una impresora medido en su hoja de
                      prueba: para cuatro o más cruces, la etiqueta y las
                      distancias de su centro a los bordes izquierdo y superior
                      del papel, en milímetros (1:28.4,20.6;3:...)
  --stock &quot;MARCA PRODUCTO&quot;
                      la hoja de etiquetas: un producto del catálogo (por
                      ejemplo &quot;Herma 4102&quot;) o una hoja que escribió en
                      &quot;Otra hoja…&quot;; si no se indica, la elegida en la ventana
                      (el PDF toma su papel y --start y --skip cuentan sus
                      etiquetas)
  --list-stocks [TEXTO]
                      escribe las hojas del catálogo y las suyas que coinciden
                      con el texto (marca, producto o medidas, como 48,5 x 25,4)
  --design ARCHIVO    el diseño de la etiqueta: qué muestra y cómo; si no se
                      indica, el elegido en la ventana
  --language CÓDIGO   el idioma de los mensajes: es, ca, gl, eu o en
  --strict            no escribe el PDF si alguna etiqueta no cabe (estado 5)
  --help              muestra esta ayuda
  --version           muestra la versión

Escribe &quot;Se han generado n etiquetas&quot; en la salida estándar. Si falta
información, no se puede leer el archivo de etiquetas o no se puede escribir
el PDF, escribe el aviso en la salida de errores y termina con el estado 2, 3
o 4 respectivamente (1 si la orden está mal escrita). Antes de escribir el PDF
comprueba que cada etiqueta cabe en su sitio y escribe lo que no cabe en la
salida de errores.
</source>
        <translation>  --skip LLISTA       deixa buides al primer full les etiquetes de la llista,
                      separades per comes (per exemple, 3,7,12)
  --labels LLISTA     imprimeix només les etiquetes de la llista, en aquest
                      ordre: nombres a partir de l&apos;1 separats per comes, o
                      intervals (per exemple, 2,5-6)
  --copies N          imprimeix N còpies de cada etiqueta, seguides (d&apos;1 a 99)
  --correction-from &quot;P:x,y;P:x,y;...&quot;
                      corregeix l&apos;error d&apos;una impressora mesurat al seu full
                      de prova: per a quatre creus o més, l&apos;etiqueta i les
                      distàncies del seu centre a les vores esquerra i
                      superior del paper, en mil·límetres (1:28.4,20.6;3:...)
  --stock &quot;MARCA PRODUCTE&quot;
                      el full d&apos;etiquetes: un producte del catàleg (per
                      exemple, &quot;Herma 4102&quot;) o un full que heu introduït a
                      «Un altre full…»; si no s&apos;indica, el triat a la finestra
                      (el PDF en pren el paper, i --start i --skip en compten
                      les etiquetes)
  --list-stocks [TEXT]
                      escriu els fulls del catàleg i els vostres que
                      coincideixen amb el text (marca, producte o mides,
                      com ara 48,5 x 25,4)
  --design FITXER     el disseny de l&apos;etiqueta: què mostra i com; si no
                      s&apos;indica, el triat a la finestra
  --language CODI     l&apos;idioma dels missatges: es, ca, gl, eu o en
  --strict            no escriu el PDF si alguna etiqueta no hi cap (estat 5)
  --help              mostra aquesta ajuda
  --version           mostra la versió

Escriu «S&apos;han generat n etiquetes» a la sortida estàndard. Si falta
informació, no es pot llegir el fitxer d&apos;etiquetes o no es pot escriure el
PDF, escriu l&apos;avís a la sortida d&apos;errors i acaba amb l&apos;estat 2, 3 o 4,
respectivament (1 si l&apos;ordre està mal escrita). Abans d&apos;escriure el PDF,
comprova que cada etiqueta cap al seu lloc i escriu el que no hi cap a la
sortida d&apos;errors.
</translation>
    </message>
    <message numerus="yes">
        <location line="+102"/>
        <source>%n hojas en el catálogo (%1 que no se pueden imprimir se omiten: %2 redondas o de CD, %3 de varias rejillas, %4 mal descritas); %5 suyas.
</source>
        <translation>
            <numerusform>%n full al catàleg (se n&apos;ometen %1 que no es poden imprimir: %2 d&apos;etiquetes rodones o de CD, %3 de diverses graelles, %4 mal descrits); vostres: %5.
</numerusform>
            <numerusform>%n fulls al catàleg (se n&apos;ometen %1 que no es poden imprimir: %2 d&apos;etiquetes rodones o de CD, %3 de diverses graelles, %4 mal descrits); vostres: %5.
</numerusform>
        </translation>
    </message>
    <message>
        <location line="+34"/>
        <source>La impresora «%1» no está en este equipo; --list-printers escribe las que hay.</source>
        <translation>La impressora «%1» no és en aquest ordinador; --list-printers escriu les que hi ha.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No se pudo escribir el PDF: %1</source>
        <translation>No s&apos;ha pogut escriure el PDF: %1</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <location filename="../common/core/sheets/catalogue.cpp" line="+130"/>
        <source>no se puede leer la medida %1</source>
        <translation>no es pot llegir la mida %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>%1: mide más de %2 MB; no se lee.</source>
        <translation>%1: ocupa més de %2 MB; no es llegeix.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no se puede abrir.</source>
        <translation>%1: no es pot obrir.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no es un archivo de plantillas; no se lee.</source>
        <translation>%1: no és un fitxer de plantilles; no es llegeix.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: se deja de leer en la línea %2 (%3); se toman las %4 hojas anteriores.</source>
        <translation>%1: es deixa de llegir a la línia %2 (%3); es prenen els %4 fulls anteriors.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>es igual a %1 %2, que no está</source>
        <translation>és equivalent a %1 %2, que no hi és</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <location filename="../common/core/check/labelcheck.cpp" line="+21"/>
        <source>Etiqueta %1 (%2): %3</source>
        <translation>Etiqueta %1 (%2): %3</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>%n avisos</source>
        <translation>
            <numerusform>%n avís</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No todo saldrá bien en el papel: %1.</source>
        <translation>No tot sortirà bé en el paper: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No todo saldrá bien en el papel: %1, %2.</source>
        <translation>No tot sortirà bé en el paper: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
... y %1 más.</source>
        <translation>
... i %1 més.</translation>
    </message>
    <message>
        <location filename="../common/core/check/margincheck.cpp" line="+98"/>
        <source>la línea «%1» empieza a %2 mm del borde izquierdo del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>la línia «%1» comença a %2 mm de la vora esquerra del paper i la impressora no imprimeix a menys de %3 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras empieza a %1 mm del borde izquierdo del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>el codi de barres comença a %1 mm de la vora esquerra del paper i la impressora no imprimeix a menys de %2 mm</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» acaba a %2 mm del borde derecho del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>la línia «%1» acaba a %2 mm de la vora dreta del paper i la impressora no imprimeix a menys de %3 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras acaba a %1 mm del borde derecho del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>el codi de barres acaba a %1 mm de la vora dreta del paper i la impressora no imprimeix a menys de %2 mm</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» empieza a %2 mm del borde superior del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>la línia «%1» comença a %2 mm de la vora superior del paper i la impressora no imprimeix a menys de %3 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras empieza a %1 mm del borde superior del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>el codi de barres comença a %1 mm de la vora superior del paper i la impressora no imprimeix a menys de %2 mm</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» acaba a %2 mm del borde inferior del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>la línia «%1» acaba a %2 mm de la vora inferior del paper i la impressora no imprimeix a menys de %3 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras acaba a %1 mm del borde inferior del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>el codi de barres acaba a %1 mm de la vora inferior del paper i la impressora no imprimeix a menys de %2 mm</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>sin texto</source>
        <translation>sense text</translation>
    </message>
</context>
<context>
    <name>correction</name>
    <message>
        <location filename="../common/core/correction/correction.cpp" line="+88"/>
        <source>Medida no válida: «%1» (la etiqueta, dos puntos y las distancias en milímetros a los bordes izquierdo y superior, separadas por una coma, como 1:28.5,30.2)</source>
        <translation>Mesura no vàlida: «%1» (l&apos;etiqueta, dos punts i les distàncies en mil·límetres a les vores esquerra i superior, separades per una coma, com ara 1:28.5,30.2)</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Seguramente está activada la opción «Ajustar a la página» (o «Ajustar al tamaño del papel») en las preferencias de la impresora: desactívela, imprima otra hoja de prueba y mida de nuevo. Si no, revise que las medidas estén en milímetros.</source>
        <translation>Segurament està activada l&apos;opció «Ajusta a la pàgina» (o «Ajusta a la mida del paper») a les preferències de la impressora: desactiveu-la, imprimiu un altre full de prova i torneu a mesurar. Si no és així, comproveu que les mesures siguin en mil·límetres.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Según estas medidas, la impresora estira la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation>Segons aquestes mesures, la impressora estira el full un %1 %: cap impressora no ho fa. %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Según estas medidas, la impresora encoge la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation>Segons aquestes mesures, la impressora encongeix el full un %1 %: cap impressora no ho fa. %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Según estas medidas, la impresora desplaza la hoja %1 mm: ninguna lo hace tanto. Revise las medidas: son los milímetros del borde izquierdo y del superior del papel al centro de cada cruz, y cada fila lleva el número de su cruz.</source>
        <translation>Segons aquestes mesures, la impressora desplaça el full %1 mm: cap impressora no ho fa tant. Reviseu les mesures: són els mil·límetres de la vora esquerra i de la superior del paper fins al centre de cada creu, i cada fila porta el número de la seva creu.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Según estas medidas, la impresora tuerce la hoja %1 mm cada 10 cm: revise que el papel entra recto en la bandeja, y las medidas.</source>
        <translation>Segons aquestes mesures, la impressora torça el full %1 mm cada 10 cm: comproveu que el paper entra recte a la safata, i reviseu les mesures.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Hacen falta al menos cuatro cruces medidas: con tres, un error al medir no se notaría.</source>
        <translation>Calen com a mínim quatre creus mesurades: amb tres, un error de mesura no es notaria.</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>La etiqueta %1 no existe: la hoja tiene de la 1 a la %2.</source>
        <translation>L&apos;etiqueta %1 no existeix: el full té de l&apos;1 a la %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La etiqueta %1 no tiene cruz en la hoja de prueba: su posición no es un número.</source>
        <translation>L&apos;etiqueta %1 no té creu al full de prova: la seva posició no és un nombre.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La cruz %1 está medida dos veces.</source>
        <translation>La creu %1 està mesurada dues vegades.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Las cruces están todas en una fila: hace falta medir también cruces de otra fila.</source>
        <translation>Les creus són totes en una fila: cal mesurar també creus d&apos;una altra fila.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Las cruces están todas en una columna: hace falta medir también cruces de otra columna.</source>
        <translation>Les creus són totes en una columna: cal mesurar també creus d&apos;una altra columna.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Las cruces están en línea recta: elija cruces que formen un triángulo.</source>
        <translation>Les creus són en línia recta: trieu creus que formin un triangle.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>La medida de la cruz %1 no concuerda con las demás: se aparta %2 mm. Mídala de nuevo.</source>
        <translation>La mesura de la creu %1 no concorda amb les altres: se n&apos;aparta %2 mm. Torneu-la a mesurar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las medidas no concuerdan entre sí (una se aparta %1 mm): mida de nuevo las cruces, o mida una más.</source>
        <translation>Les mesures no concorden entre si (una s&apos;aparta %1 mm): torneu a mesurar les creus, o mesureu-ne una més.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, y %2</source>
        <translation>%1, i %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>estira la hoja un %1 % a lo ancho y a lo alto</source>
        <translation>estira el full un %1 % en amplada i en alçada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % a lo ancho y a lo alto</source>
        <translation>encongeix el full un %1 % en amplada i en alçada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>estira la hoja un %1 % de izquierda a derecha</source>
        <translation>estira el full un %1 % d&apos;esquerra a dreta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de izquierda a derecha</source>
        <translation>encongeix el full un %1 % d&apos;esquerra a dreta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>estira la hoja un %1 % de arriba abajo</source>
        <translation>estira el full un %1 % de dalt a baix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de arriba abajo</source>
        <translation>encongeix el full un %1 % de dalt a baix</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 mm a la derecha</source>
        <translation>%1 mm a la dreta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm a la izquierda</source>
        <translation>%1 mm a l&apos;esquerra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 mm hacia abajo</source>
        <translation>%1 mm cap avall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm hacia arriba</source>
        <translation>%1 mm cap amunt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>desplaza %1 y %2</source>
        <translation>desplaça el full %1 i %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desplaza %1</source>
        <translation>desplaça el full %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la tuerce %1 mm cada 10 cm</source>
        <translation>el torça %1 mm cada 10 cm</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la impresora pone cada cruz en su sitio</source>
        <translation>la impressora posa cada creu al seu lloc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la impresora %1</source>
        <translation>la impressora %1</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <location filename="../common/core/design/design.cpp" line="+42"/>
        <source>«%1» no es «si» ni «no»</source>
        <translation>«%1» no és «si» ni «no»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>«%1» no es un tamaño de %2 a %3 puntos</source>
        <translation>«%1» no és una mida de %2 a %3 punts</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>falta el nombre de la letra</source>
        <translation>falta el nom de la lletra</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>«%1» no es ninguno de: %2</source>
        <translation>«%1» no és cap d&apos;aquests: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>«%1» no es una etiqueta del archivo, como z30-sub-library</source>
        <translation>«%1» no és una etiqueta del fitxer, com ara z30-sub-library</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>«%1» no es un número de letras de 1 a 30, ni «mayusculas» ni «minusculas»</source>
        <translation>«%1» no és un nombre de lletres d&apos;1 a 30, ni «mayusculas» ni «minusculas»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>son más de %1 líneas</source>
        <translation>són més de %1 línies</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>«%1» no es un número de líneas de 0 a %2</source>
        <translation>«%1» no és un nombre de línies de 0 a %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>«%1» no son centímetros de más de 0 a %2, ni «fuente»</source>
        <translation>«%1» no són centímetres de més de 0 a %2, ni «fuente»</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>línea %1: %2</source>
        <translation>línia %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no es un archivo de texto</source>
        <translation>no és un fitxer de text</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no está escrito en UTF-8</source>
        <translation>no està escrit en UTF-8</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>la sección [%1] no existe</source>
        <translation>la secció [%1] no existeix</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>falta «=» en «%1»</source>
        <translation>falta «=» a «%1»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>falta el valor antes de «=»</source>
        <translation>falta el valor abans de «=»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>«%1» está fuera de toda sección</source>
        <translation>«%1» no és dins de cap secció</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la clave «%1» no existe</source>
        <translation>la clau «%1» no existeix</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no se puede leer el archivo</source>
        <translation>no es pot llegir el fitxer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mide más de %1 KB: no es un archivo de diseño</source>
        <translation>ocupa més de %1 KB: no és un fitxer de disseny</translation>
    </message>
</context>
<context>
    <name>fichas</name>
    <message>
        <location filename="../fichas/core/fullcheck.cpp" line="+21"/>
        <source>la línea «%1» de la clasificación se monta sobre el código de barras</source>
        <translation>la línia «%1» de la signatura se superposa al codi de barres</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la línea «%1» de la clasificación se monta sobre el autor</source>
        <translation>la línia «%1» de la signatura se superposa a l&apos;autor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>la línea «%1» de la clasificación se monta sobre el título</source>
        <translation>la línia «%1» de la signatura se superposa al títol</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>«%1» (el código de barras) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (el codi de barres) surt de l&apos;etiqueta per la dreta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» (el autor) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (l&apos;autor) surt de l&apos;etiqueta per la dreta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (el título) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (el títol) surt de l&apos;etiqueta per la dreta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (la clasificación) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (la signatura) surt de l&apos;etiqueta per la dreta</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>el código de barras en %1 mide %2 cm con sus márgenes y en la etiqueta hay %3 cm</source>
        <translation>el codi de barres en %1 fa %2 cm amb els marges i a l&apos;etiqueta hi ha %3 cm</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>sin código de barras</source>
        <translation>sense codi de barres</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la línea «%1…» de la clasificación pasa de %2 caracteres y se corta</source>
        <translation>la línia «%1…» de la signatura passa de %2 caràcters i es talla</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>el autor no cabe en dos líneas y pierde palabras</source>
        <translation>l&apos;autor no cap en dues línies i perd paraules</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el título no cabe en dos líneas y pierde palabras</source>
        <translation>el títol no cap en dues línies i perd paraules</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>se sale de la etiqueta por abajo</source>
        <translation>surt de l&apos;etiqueta per baix</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>se sale del papel por abajo</source>
        <translation>surt del paper per baix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>se monta sobre la etiqueta de abajo</source>
        <translation>se superposa a l&apos;etiqueta de sota</translation>
    </message>
    <message>
        <location filename="../fichas/core/fullgeneration.cpp" line="+270"/>
        <source>El archivo de etiquetas no trae los mismos datos para todos los ejemplares: se encontraron %1 códigos de barras, %2 clasificaciones, %3 títulos y %4 autores.
Las etiquetas no corresponderán a sus ejemplares.</source>
        <translation>El fitxer d&apos;etiquetes no porta les mateixes dades per a tots els exemplars: s&apos;han trobat %1 codis de barres, %2 signatures, %3 títols i %4 autors.
Les etiquetes no correspondran als seus exemplars.</translation>
    </message>
    <message>
        <location filename="../fichas/program.cpp" line="+20"/>
        <source>Uso: fichas --pdf ARCHIVO.pdf [--paper a4|letter] [--start N] [--skip LISTA]
              [--labels LISTA] [--copies N] [--correction-from MEDIDAS]
              [--stock HOJA] [--design ARCHIVO] [--strict]
              [--add-label ETIQUETA ...]
       fichas --pdf ARCHIVO.pdf --test-sheet [--paper a4|letter] [--stock HOJA]
       fichas --list-stocks [TEXTO]

Genera las etiquetas completas (código de barras, clasificación, autor y
título) sin abrir ninguna ventana, igual que al pulsar &quot;Generar Etiquetas&quot;
y luego &quot;Imprimir&quot;, pero las guarda en un archivo PDF, %1 por hoja.

Toma el directorio cliente y la base administrativa del archivo de
configuración (ini.prn) y lee el archivo de etiquetas itemlbl.prn.

Opciones:
  --pdf ARCHIVO.pdf   archivo PDF que se crea (se reemplaza si existe)
  --paper a4|letter   tamaño del papel (a4 si no se indica)
  --start N           empieza en la etiqueta N (1 a %1) de la primera hoja
  --test-sheet        escribe la hoja de prueba de los %1 sitios en lugar de
                      las etiquetas (no necesita configuración)
  --add-label &quot;CÓDIGO|CLASIFICACIÓN|AUTOR|TÍTULO&quot;
                      una etiqueta escrita a mano, cortada como al generar;
                      puede repetirse, y entonces no se lee el archivo de
                      etiquetas
</source>
        <translation>Ús: fichas --pdf FITXER.pdf [--paper a4|letter] [--start N] [--skip LLISTA]
              [--labels LLISTA] [--copies N] [--correction-from MESURES]
              [--stock FULL] [--design FITXER] [--strict]
              [--add-label ETIQUETA ...]
       fichas --pdf FITXER.pdf --test-sheet [--paper a4|letter] [--stock FULL]
       fichas --list-stocks [TEXT]

Genera les etiquetes completes (codi de barres, signatura, autor i títol)
sense obrir cap finestra, igual que en prémer «Genera etiquetes» i després
«Imprimeix», però les desa en un fitxer PDF, %1 per full.

Pren el directori del client i la base administrativa del fitxer de
configuració (ini.prn) i llegeix el fitxer d&apos;etiquetes itemlbl.prn.

Opcions:
  --pdf FITXER.pdf    fitxer PDF que es crea (se substitueix si ja existeix)
  --paper a4|letter   mida del paper (a4 si no s&apos;indica)
  --start N           comença per l&apos;etiqueta N (d&apos;1 a %1) del primer full
  --test-sheet        escriu el full de prova dels %1 llocs en comptes de les
                      etiquetes (no necessita configuració)
  --add-label &quot;CODI|SIGNATURA|AUTOR|TÍTOL&quot;
                      una etiqueta escrita a mà, tallada com en generar;
                      es pot repetir, i llavors no es llegeix el fitxer
                      d&apos;etiquetes
</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Código de barras</source>
        <translation>Codi de barres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clasificación</source>
        <translation>Signatura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autor</source>
        <translation>Autor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Título</source>
        <translation>Títol</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>La hoja de siempre: 36 etiquetas completas</source>
        <translation>El full de sempre: 36 etiquetes completes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mensaje:</source>
        <translation>Missatge:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Continuar?</source>
        <translation>Voleu continuar?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Si los datos de los ejemplares no coinciden, lo avisa en la salida de errores
y sigue.
</source>
        <translation>Si les dades dels exemplars no coincideixen, ho avisa a la sortida d&apos;errors
i continua.
</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>Letra del código de barras:</source>
        <translation>Lletra del codi de barres:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del código de barras:</source>
        <translation>Mida del codi de barres:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Código de barras en negrita</source>
        <translation>Codi de barres en negreta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Código de barras en cursiva</source>
        <translation>Codi de barres en cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra de la clasificación:</source>
        <translation>Lletra de la signatura:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tamaño de la clasificación:</source>
        <translation>Mida de la signatura:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clasificación en negrita</source>
        <translation>Signatura en negreta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clasificación en cursiva</source>
        <translation>Signatura en cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra del autor:</source>
        <translation>Lletra de l&apos;autor:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del autor:</source>
        <translation>Mida de l&apos;autor:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autor en negrita</source>
        <translation>Autor en negreta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Autor en cursiva</source>
        <translation>Autor en cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra del título:</source>
        <translation>Lletra del títol:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del título:</source>
        <translation>Mida del títol:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Título en negrita</source>
        <translation>Títol en negreta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Título en cursiva</source>
        <translation>Títol en cursiva</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>puntos; 8 si no</source>
        <translation>punts; 8 si no s&apos;indica</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Código de barras:</source>
        <translation>&amp;Codi de barres:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Como texto</source>
        <translation>Com a text</translation>
    </message>
</context>
<context>
    <name>fichas::MainWindow</name>
    <message>
        <location filename="../fichas/ui/mainwindow.cpp" line="+16"/>
        <source>&amp;Hoja de etiquetas…</source>
        <translation>&amp;Full d&apos;etiquetes…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Diseño de la etiqueta…</source>
        <translation>&amp;Disseny de l&apos;etiqueta…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Universidad Oderin Tesalore</source>
        <translation>Universitat Oderin Tesalore</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Directorio cliente:</source>
        <translation>Directori del client:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Base Adm.</source>
        <translation>Base adm.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Generar
Etiquetas</source>
        <translation>&amp;Genera
etiquetes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Vista Previa</source>
        <translation>&amp;Vista prèvia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revisar</source>
        <translation>&amp;Revisa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimeix</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Limpiar</source>
        <translation>&amp;Neteja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salir</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de &amp;prueba</source>
        <translation>Full de &amp;prova</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;orregir impresora…</source>
        <translation>C&amp;orregeix la impressora…</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <location filename="../common/core/files/textfile.cpp" line="+108"/>
        <source>%1 no es un archivo</source>
        <translation>%1 no és un fitxer</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo crear la carpeta %1</source>
        <translation>no s&apos;ha pogut crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>jobhistory</name>
    <message>
        <location filename="../common/core/history/jobhistory.cpp" line="+297"/>
        <source>Un trabajo guardado estaba dañado y se ha apartado como «%1»; los demás siguen guardados.</source>
        <translation>Un treball desat estava malmès i s&apos;ha deixat a part amb el nom «%1»; els altres continuen desats.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Un trabajo guardado está dañado y no se puede apartar: «%1».</source>
        <translation>Un treball desat està malmès i no es pot deixar a part: «%1».</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>El historial de trabajos estaba dañado y se ha apartado como «%1»; empieza uno nuevo.</source>
        <translation>L&apos;historial de treballs estava malmès i s&apos;ha deixat a part amb el nom «%1»; se&apos;n comença un de nou.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>El trabajo no se ha podido guardar en «Trabajos anteriores»: no se puede escribir en «%1». Las etiquetas siguen aquí.</source>
        <translation>El treball no s'ha pogut desar a «Treballs anteriors»: no es pot escriure a «%1». Les etiquetes continuen aquí.</translation>
    </message>
</context>
<context>
    <name>labelprinter</name>
    <message>
        <location filename="../common/paint/labelprinter.cpp" line="+58"/>
        <source>impresora de etiquetas</source>
        <translation>impressora d&apos;etiquetes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predeterminada</source>
        <translation>predeterminada</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Impresora: %1 (no está)</source>
        <translation>Impressora: %1 (no hi és)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1, corregida</source>
        <translation>Impressora: %1, corregida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Impresora: %1</source>
        <translation>Impressora: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Impresora: no hay ninguna</source>
        <translation>Impressora: cap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada), corregida</source>
        <translation>Impressora: %1 (predeterminada), corregida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada)</source>
        <translation>Impressora: %1 (predeterminada)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La impresora de etiquetas «%1» ya no está en este equipo: se imprime en la impresora predeterminada.

Puede elegir otra en el menú, en &quot;Impresora de etiquetas…&quot;.</source>
        <translation>La impressora d&apos;etiquetes «%1» ja no és en aquest ordinador: s&apos;imprimeix a la impressora predeterminada.

En podeu triar una altra al menú, a «Impressora d&apos;etiquetes…».</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>La impresora la fija el administrador: %1</source>
        <translation>La impressora l&apos;ha establerta l&apos;administrador: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La impresora «%1» no acepta el papel de la hoja «%2» (%3 × %4 mm): imprimiría en %5 × %6 mm. Elija en sus preferencias un papel de ese tamaño, u otra impresora.</source>
        <translation>La impressora «%1» no accepta el paper del full «%2» (%3 × %4 mm): imprimiria en %5 × %6 mm. Trieu un paper d&apos;aquesta mida a les preferències de la impressora, o bé una altra impressora.</translation>
    </message>
</context>
<context>
    <name>lomos</name>
    <message>
        <location filename="../lomos/program.cpp" line="+21"/>
        <source>Uso: lomos --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]
             [--start N] [--skip LISTA] [--labels LISTA] [--copies N]
             [--correction-from MEDIDAS] [--stock HOJA] [--strict]
             [--design ARCHIVO] [--add-label CLASIFICACIÓN ...]
       lomos --pdf ARCHIVO.pdf --test-sheet [--paper a4|letter] [--stock HOJA]
       lomos --list-stocks [TEXTO]

Genera las etiquetas de lomo sin abrir ninguna ventana, igual que al pulsar
&quot;Generar&quot; y luego &quot;Imprimir&quot;, pero las guarda en un archivo PDF.

Toma el directorio cliente y la base administrativa del archivo de
configuración (ini.prn), lee el archivo de etiquetas itemlbl.prn y coloca
cada etiqueta en la posición del archivo de coordenadas (cy.txt).

Opciones:
  --pdf ARCHIVO.pdf   archivo PDF que se crea (se reemplaza si existe)
  --font-size N       tamaño de la letra en puntos, de 4 a 72 (8 si no se indica)
  --paper a4|letter   tamaño del papel (a4 si no se indica)
  --start N           empieza en la etiqueta N (1 a %1) de la primera hoja
  --test-sheet        escribe la hoja de prueba de las %1 posiciones en lugar
                      de las etiquetas (no necesita configuración)
  --add-label &quot;CLASIFICACIÓN&quot;
                      una etiqueta escrita a mano, cortada como al generar;
                      puede repetirse, y entonces no se lee el archivo de
                      etiquetas
</source>
        <translation>Ús: lomos --pdf FITXER.pdf [--font-size N] [--paper a4|letter]
             [--start N] [--skip LLISTA] [--labels LLISTA] [--copies N]
             [--correction-from MESURES] [--stock FULL] [--strict]
             [--design FITXER] [--add-label SIGNATURA ...]
       lomos --pdf FITXER.pdf --test-sheet [--paper a4|letter] [--stock FULL]
       lomos --list-stocks [TEXT]

Genera els teixells sense obrir cap finestra, igual que en prémer «Genera» i
després «Imprimeix», però els desa en un fitxer PDF.

Pren el directori del client i la base administrativa del fitxer de
configuració (ini.prn), llegeix el fitxer d&apos;etiquetes itemlbl.prn i col·loca
cada etiqueta a la posició del fitxer de coordenades (cy.txt).

Opcions:
  --pdf FITXER.pdf    fitxer PDF que es crea (se substitueix si ja existeix)
  --font-size N       mida de la lletra en punts, de 4 a 72 (8 si no s&apos;indica)
  --paper a4|letter   mida del paper (a4 si no s&apos;indica)
  --start N           comença per l&apos;etiqueta N (d&apos;1 a %1) del primer full
  --test-sheet        escriu el full de prova de les %1 posicions en comptes de
                      les etiquetes (no necessita configuració)
  --add-label &quot;SIGNATURA&quot;
                      una etiqueta escrita a mà, tallada com en generar;
                      es pot repetir, i llavors no es llegeix el fitxer
                      d&apos;etiquetes
</translation>
    </message>
    <message>
        <location line="+165"/>
        <source>La hoja de siempre: 33 etiquetas de lomo, en las posiciones de &quot;Configurar&quot;</source>
        <translation>El full de sempre: 33 teixells, a les posicions de «Configura»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Continuar</source>
        <translation>Continua</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Clasificación</source>
        <translation>Signatura</translation>
    </message>
    <message>
        <location filename="../lomos/core/spinecheck.cpp" line="+96"/>
        <source>sin clasificación</source>
        <translation>sense signatura</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no tiene ninguna línea que imprimir</source>
        <translation>no té cap línia per imprimir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la clasificación tiene más de seis partes: lo que sigue a la sexta no se imprime</source>
        <translation>la signatura té més de sis parts: el que ve després de la sisena no s&apos;imprimeix</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>la línea «%1» mide %2 cm y hasta el borde derecho hay %3 cm</source>
        <translation>la línia «%1» fa %2 cm i fins a la vora dreta hi ha %3 cm</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>No hay coordenadas guardadas: pulse «Configurar», «Inicializar Coordenadas» y «Guardar»</source>
        <translation>No hi ha coordenades desades: premeu «Configura», «Inicialitza les coordenades» i «Desa»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Etiqueta %1: la X está vacía</source>
        <translation>Etiqueta %1: la X és buida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1: la Y está vacía</source>
        <translation>Etiqueta %1: la Y és buida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Etiqueta %1: la X «%2» no es un número</source>
        <translation>Etiqueta %1: la X «%2» no és un nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1: la Y «%2» no es un número</source>
        <translation>Etiqueta %1: la Y «%2» no és un nombre</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>la línea «%1» mide %2 cm y la etiqueta mide %3 cm de ancho</source>
        <translation>la línia «%1» fa %2 cm i l&apos;etiqueta fa %3 cm d&apos;amplada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la línea «%1» mide %2 cm y la etiqueta mide %3 cm</source>
        <translation>la línia «%1» fa %2 cm i l&apos;etiqueta fa %3 cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la línea «%1» mide %2 cm y hasta el borde de la etiqueta hay %3 cm</source>
        <translation>la línia «%1» fa %2 cm i fins a la vora de l&apos;etiqueta hi ha %3 cm</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sus líneas se salen del papel por abajo</source>
        <translation>les seves línies surten del paper per baix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sus líneas pasan a la etiqueta de abajo</source>
        <translation>les seves línies passen a l&apos;etiqueta de sota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sus líneas se salen de la etiqueta por abajo</source>
        <translation>les seves línies surten de l&apos;etiqueta per baix</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>sus líneas se salen de la etiqueta por arriba</source>
        <translation>les seves línies surten de l&apos;etiqueta per dalt</translation>
    </message>
    <message>
        <location filename="../lomos/program.cpp" line="-91"/>
        <source>&amp;Letra:</source>
        <translation>&amp;Lletra:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tamaño:</source>
        <translation>&amp;Mida:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puntos; si no, el de «Tamaño de Fuente»</source>
        <translation>punts; si no s&apos;indica, la de «Mida de la lletra»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Negrita</source>
        <translation>&amp;Negreta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cursiva</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En &amp;mayúsculas</source>
        <translation>En ma&amp;júscules</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Alineación:</source>
        <translation>&amp;Alineació:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A la izquierda, desde la posición</source>
        <translation>A l&apos;esquerra, des de la posició</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Centrada en la etiqueta</source>
        <translation>Centrada a l&apos;etiqueta</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>A la derecha</source>
        <translation>A la dreta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posición &amp;vertical:</source>
        <translation>Posició &amp;vertical:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde arriba, desde la posición</source>
        <translation>Des de dalt, des de la posició</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abajo</source>
        <translation>A baix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Líneas libres a&amp;rriba:</source>
        <translation>Línies en &amp;blanc a dalt:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>de 0 a 5</source>
        <translation>de 0 a 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interlinea&amp;do:</source>
        <translation>&amp;Interlineat:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cm (0,3 si no), o «fuente»: el de la letra</source>
        <translation>cm (0,3 si no s&apos;indica), o «fuente»: el de la lletra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nueva línea &amp;en:</source>
        <translation>Salt d&amp;e línia a:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caracteres, como /</source>
        <translation>caràcters, com ara /</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nueva línea en cada es&amp;pacio</source>
        <translation>Salt de línia a cada es&amp;pai</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quitar las palabras:</source>
        <translation>&amp;Treu les paraules:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>separadas por comas, como HU</source>
        <translation>separades per comes, com ara HU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Línea enc&amp;ima:</source>
        <translation>Línia supe&amp;rior:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>una etiqueta del archivo, como z30-sub-library</source>
        <translation>una etiqueta del fitxer, com ara z30-sub-library</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Línea deba&amp;jo:</source>
        <translation>Línia in&amp;ferior:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>como z13-author:3:mayusculas, z13-title:3</source>
        <translation>com ara z13-author:3:mayusculas, z13-title:3</translation>
    </message>
</context>
<context>
    <name>lomos::CoordinateEditor</name>
    <message>
        <location filename="../lomos/ui/coordinateeditor.cpp" line="+43"/>
        <source>Cambio vertical Fila 0</source>
        <translation>Canvi vertical fila 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 1</source>
        <translation>Canvi vertical fila 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 2</source>
        <translation>Canvi vertical fila 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 3</source>
        <translation>Canvi vertical fila 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 4</source>
        <translation>Canvi vertical fila 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 5</source>
        <translation>Canvi vertical fila 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical fila 6</source>
        <translation>Canvi vertical fila 6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 7</source>
        <translation>Canvi vertical fila 7</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 8</source>
        <translation>Canvi vertical fila 8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio verticall Fila 9</source>
        <translation>Canvi vertical fila 9</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 10</source>
        <translation>Canvi vertical fila 10</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Menú</source>
        <translation>Menú</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+62"/>
        <location line="+72"/>
        <source>Regresar</source>
        <translation>Torna</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+57"/>
        <source>Fila %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+36"/>
        <source>Cambio columna %1</source>
        <translation>Canvi columna %1</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+75"/>
        <source>Guardar</source>
        <translation>Desa</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Inicializar Coordenadas</source>
        <translation>Inicialitza les coordenades</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+58"/>
        <source>Hoja de prueba</source>
        <translation>Full de prova</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+54"/>
        <source>Corregir impresora…</source>
        <translation>Corregeix la impressora…</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cambio vertical Fila %1</source>
        <translation>Canvi vertical fila %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Margen dentro de cada etiqueta (mm):</source>
        <translation>Marge dins de cada etiqueta (mm):</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Rellenar desde la hoja</source>
        <translation>Emplena a partir del full</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2. Posiciones en cm desde la esquina del papel.</source>
        <translation>%1: %2. Posicions en cm des de la cantonada del paper.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>La impresora de etiquetas no imprime a menos de %1 mm del borde izquierdo del papel, %2 mm del superior, %3 mm del derecho y %4 mm del inferior: las posiciones que caen ahí se ven en amarillo.</source>
        <translation>La impressora d&apos;etiquetes no imprimeix a menys de %1 mm de la vora esquerra del paper, %2 mm de la superior, %3 mm de la dreta i %4 mm de la inferior: les posicions que hi cauen es mostren en groc.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Etiqueta %1, X</source>
        <translation>Etiqueta %1, X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Etiqueta %1, Y</source>
        <translation>Etiqueta %1, Y</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No hay coordenadas guardadas: pulse «Inicializar Coordenadas» y «Guardar».</source>
        <translation>No hi ha coordenades desades: premeu «Inicialitza les coordenades» i «Desa».</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>La impresora no imprime ahí: el texto que empiece en esta posición saldrá cortado.</source>
        <translation>La impressora no hi imprimeix: el text que comenci en aquesta posició sortirà tallat.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Está vacía: escriba los centímetros, con punto o coma (por ejemplo 2,8).</source>
        <translation>És buida: escriviu els centímetres, amb punt o coma (per exemple, 2,8).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>«%1» no es un número: escriba los centímetros, con punto o coma (por ejemplo 2,8).</source>
        <translation>«%1» no és un nombre: escriviu els centímetres, amb punt o coma (per exemple, 2,8).</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>la X de la etiqueta %1</source>
        <translation>la X de l&apos;etiqueta %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>la Y de la etiqueta %1</source>
        <translation>la Y de l&apos;etiqueta %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>«%1» no es un número: nada ha cambiado.</source>
        <translation>«%1» no és un nombre: no s&apos;ha canviat res.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Teclea el nuevo valor para las etiquetas de la fila %1</source>
        <translation>Escriviu el valor nou per a les etiquetes de la fila %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Teclea el nuevo valor horizontal para las etiquetas de la columna %1</source>
        <translation>Escriviu el valor horitzontal nou per a les etiquetes de la columna %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>El margen dentro de cada etiqueta va de %1 mm a menos de la mitad de la etiqueta: «%2» no vale.</source>
        <translation>El marge dins de cada etiqueta va de %1 mm a menys de la meitat de l&apos;etiqueta: «%2» no és vàlid.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No se han guardado las coordenadas: %1 no es un número («%2»).</source>
        <translation>No s&apos;han desat les coordenades: %1 no és un nombre («%2»).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No se pudo guardar el archivo de coordenadas:
%1</source>
        <translation>No s&apos;ha pogut desar el fitxer de coordenades:
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las coordenadas</source>
        <translation>Les coordenades</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>¿Guardar los cambios en las coordenadas?</source>
        <translation>Voleu desar els canvis de les coordenades?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sí</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>lomos::FontSizeWindow</name>
    <message>
        <location filename="../lomos/ui/fontsizewindow.cpp" line="+15"/>
        <source>Tamaño de la Fuente</source>
        <translation>Mida de la lletra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Seleccione el tamaño:</source>
        <translation>&amp;Seleccioneu la mida:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(Se recomienda 8)</source>
        <translation>(Es recomana 8)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Escriba un número de puntos del %1 al %2.</source>
        <translation>Escriviu un nombre de punts entre %1 i %2.</translation>
    </message>
</context>
<context>
    <name>lomos::MainWindow</name>
    <message>
        <location filename="../lomos/ui/mainwindow.cpp" line="+23"/>
        <location line="+40"/>
        <source>&amp;Generar</source>
        <translation>&amp;Genera</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+41"/>
        <source>&amp;Vista Previa</source>
        <translation>&amp;Vista prèvia</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+42"/>
        <source>&amp;Revisar</source>
        <translation>&amp;Revisa</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+43"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimeix</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+43"/>
        <source>&amp;Configurar</source>
        <translation>&amp;Configura</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+44"/>
        <source>&amp;Limpiar</source>
        <translation>&amp;Neteja</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>&amp;Tamaño de Fuente</source>
        <translation>Mida de la &amp;lletra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hoja de etiquetas…</source>
        <translation>&amp;Full d&apos;etiquetes…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Diseño de la etiqueta…</source>
        <translation>&amp;Disseny de l&apos;etiqueta…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora de &amp;etiquetas…</source>
        <translation>Impressora d&apos;&amp;etiquetes…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hoja de &amp;prueba</source>
        <translation>Full de &amp;prova</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;orregir impresora…</source>
        <translation>C&amp;orregeix la impressora…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Se va a imprimir con tamaño %1</source>
        <translation>S&apos;imprimirà amb la mida %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Generar</source>
        <translation>Genera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vista Previa</source>
        <translation>Vista prèvia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Revisar</source>
        <translation>Revisa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Imprimir</source>
        <translation>Imprimeix</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configurar</source>
        <translation>Configura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Limpiar</source>
        <translation>Neteja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salir</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Directorio cliente:</source>
        <translation>Directori del client:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Base administrativa:</source>
        <translation>Base administrativa:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dibujo: libros en un estante</source>
        <translation>Dibuix: llibres en un prestatge</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tamaño con el que se imprime</source>
        <translation>Mida amb què s&apos;imprimeix</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Se va a imprimir con tamaño: %1</source>
        <translation>S&apos;imprimirà amb la mida: %1</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <location filename="../common/core/text/messages.h" line="+18"/>
        <source>Estimado Usuario:</source>
        <translation>Benvolgut usuari:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta especificar información</source>
        <translation>Falta indicar informació</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 Etiquetas</source>
        <translation>0 etiquetes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recoja sus impresiones</source>
        <translation>Recolliu les impressions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hay ninguna etiqueta que imprimir.</source>
        <translation>No hi ha cap etiqueta per imprimir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No queda ninguna etiqueta libre en la primera hoja: desmarque alguna en el mapa de la hoja.</source>
        <translation>No queda cap etiqueta lliure al primer full: desmarqueu-ne alguna al mapa del full.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Imprimir de todos modos</source>
        <translation>Imprimeix igualment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ver de todos modos</source>
        <translation>Mostra igualment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisar</source>
        <translation>Revisa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Descartar los cambios de la revisión?</source>
        <translation>Voleu descartar els canvis de la revisió?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se han generado %n etiquetas</source>
        <translation>
            <numerusform>S&apos;ha generat %n etiqueta</numerusform>
            <numerusform>S&apos;han generat %n etiquetes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No se pudo leer el archivo de etiquetas:
%1</source>
        <translation>No s&apos;ha pogut llegir el fitxer d&apos;etiquetes:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 se guardaron solo para este usuario, en:
%2

No se puede escribir en %3. Mientras exista esa copia, es la que se usa.</source>
        <translation>%1 s&apos;han desat només per a aquest usuari, a:
%2

No es pot escriure a %3. Mentre existeixi aquesta còpia, és la que es fa servir.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudieron guardar el directorio cliente y la base administrativa en %1: %2.

Las etiquetas se hacen con lo escrito, pero la próxima vez habrá que escribirlo de nuevo.</source>
        <translation>No s&apos;han pogut desar el directori del client i la base administrativa a %1: %2.

Les etiquetes es fan amb el que heu escrit, però la propera vegada caldrà tornar-ho a escriure.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudo imprimir: %1</source>
        <translation>No s&apos;ha pogut imprimir: %1</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <location filename="../common/paint/paintersurface.cpp" line="+120"/>
        <source>no se pudo empezar una hoja nueva</source>
        <translation>no s&apos;ha pogut començar un full nou</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>el trabajo no se pudo terminar</source>
        <translation>el treball no s&apos;ha pogut acabar</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no hay ninguna impresora predeterminada</source>
        <translation>no hi ha cap impressora predeterminada</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la impresora «%1» no acepta el trabajo</source>
        <translation>la impressora «%1» no accepta el treball</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>el sistema de impresión rechazó el trabajo</source>
        <translation>el sistema d&apos;impressió ha rebutjat el treball</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la cola «%1» rechazó el trabajo (%2)</source>
        <translation>la cua «%1» ha rebutjat el treball (%2)</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+18"/>
        <source>no se pudo escribir %1: %2</source>
        <translation>no s&apos;ha pogut escriure %1: %2</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>no se pudo escribir %1</source>
        <translation>no s&apos;ha pogut escriure %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo dibujar en la vista previa</source>
        <translation>no s&apos;ha pogut dibuixar a la vista prèvia</translation>
    </message>
</context>
<context>
    <name>review</name>
    <message>
        <location filename="../common/core/review/jobselection.cpp" line="+44"/>
        <source>Lista de etiquetas no válida: «%1» (números desde 1 separados por comas, o intervalos como 5-6)</source>
        <translation>Llista d&apos;etiquetes no vàlida: «%1» (nombres a partir de l&apos;1 separats per comes, o intervals com ara 5-6)</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>La etiqueta %1 no está en la lista: hay %n etiquetas</source>
        <translation>
            <numerusform>L&apos;etiqueta %1 no és a la llista: hi ha %n etiqueta</numerusform>
            <numerusform>L&apos;etiqueta %1 no és a la llista: hi ha %n etiquetes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Número de copias no válido: «%1» (de 1 a %2)</source>
        <translation>Nombre de còpies no vàlid: «%1» (entre 1 i %2)</translation>
    </message>
    <message>
        <location filename="../common/core/review/review.cpp" line="+24"/>
        <source>%1 ocupa una sola línea.</source>
        <translation>%1 ocupa una sola línia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: caben %2 líneas como mucho.</source>
        <translation>%1: hi caben %2 línies com a màxim.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1, línea %2: tiene %3 caracteres y caben %4.</source>
        <translation>%1, línia %2: té %3 caràcters i n&apos;hi caben %4.</translation>
    </message>
</context>
<context>
    <name>sheets</name>
    <message>
        <location filename="../common/core/sheets/firstsheet.cpp" line="+76"/>
        <source>La etiqueta «%1» no existe: escriba un número entero del 1 al %2.</source>
        <translation>L&apos;etiqueta «%1» no existeix: escriviu un nombre enter de l&apos;1 al %2.</translation>
    </message>
    <message>
        <location filename="../common/core/sheets/stock.cpp" line="+56"/>
        <source>Hace falta al menos una columna y una fila.</source>
        <translation>Cal com a mínim una columna i una fila.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 etiquetas en una hoja son demasiadas: como mucho, %2.</source>
        <translation>%1 etiquetes en un full són massa: com a màxim, %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>El papel y las etiquetas deben medir más de 0 mm.</source>
        <translation>El paper i les etiquetes han de fer més de 0 mm.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Los márgenes y las distancias no pueden ser negativos.</source>
        <translation>Els marges i les distàncies no poden ser negatius.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>De una etiqueta a la siguiente hay %1 mm, menos que su ancho (%2 mm): se montarían.</source>
        <translation>D&apos;una etiqueta a la següent hi ha %1 mm, menys que la seva amplada (%2 mm): se superposarien.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>De una fila a la siguiente hay %1 mm, menos que el alto de las etiquetas (%2 mm): se montarían.</source>
        <translation>D&apos;una fila a la següent hi ha %1 mm, menys que l&apos;alçada de les etiquetes (%2 mm): se superposarien.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Las etiquetas no caben en el papel: la última columna acaba a %1 mm del borde izquierdo y el papel mide %2 mm de ancho.</source>
        <translation>Les etiquetes no caben al paper: l&apos;última columna acaba a %1 mm de la vora esquerra i el paper fa %2 mm d&apos;amplada.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las etiquetas no caben en el papel: la última fila acaba a %1 mm del borde superior y el papel mide %2 mm de alto.</source>
        <translation>Les etiquetes no caben al paper: l&apos;última fila acaba a %1 mm de la vora superior i el paper fa %2 mm d&apos;alçada.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Carta</source>
        <translation>Carta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 de %2 × %3 mm (%4, %5), %6</source>
        <translation>%1 de %2 × %3 mm (%4, %5), %6</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n columnas</source>
        <translation>
            <numerusform>%n columna</numerusform>
            <numerusform>%n columnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n filas</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../common/core/sheets/stockchoice.cpp" line="+80"/>
        <source>Escriba un nombre para la hoja: con él la elegirá otra vez.</source>
        <translation>Escriviu un nom per al full: amb aquest nom el tornareu a triar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» es un producto del catálogo: dé otro nombre a su hoja.</source>
        <translation>«%1» és un producte del catàleg: doneu un altre nom al vostre full.</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <location filename="../common/core/program/startup.cpp" line="+56"/>
        <source>La hoja «%1» que fijó el administrador no está en el catálogo: no se tiene en cuenta.</source>
        <translation>El full «%1» que ha establert l&apos;administrador no és al catàleg: no es té en compte.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>El diseño «%1» que fijó el administrador no se puede usar (%2): no se tiene en cuenta.</source>
        <translation>El disseny «%1» que ha establert l&apos;administrador no es pot fer servir (%2): no es té en compte.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>El idioma «%1» que fijó el administrador no es uno de los del programa (es, ca, gl, eu, en): no se tiene en cuenta.</source>
        <translation>L&apos;idioma «%1» que ha establert l&apos;administrador no és cap dels del programa (es, ca, gl, eu, en): no es té en compte.</translation>
    </message>
</context>
<context>
    <name>surface</name>
    <message>
        <location filename="../common/core/walks/surface.cpp" line="+29"/>
        <source>unidad no admitida: %1</source>
        <translation>unitat no admesa: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>tamaño de letra no válido: %1</source>
        <translation>mida de lletra no vàlida: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+10"/>
        <source>posición no válida</source>
        <translation>posició no vàlida</translation>
    </message>
</context>
<context>
    <name>testsheet</name>
    <message>
        <location filename="../common/core/walks/testsheet.cpp" line="+113"/>
        <source>%1: fila %2, col. %3</source>
        <translation>%1: fila %2, col. %3</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: sin coordenadas (%2)</source>
        <translation>%1: sense coordenades (%2)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>ARRIBA</source>
        <translation>DALT</translation>
    </message>
</context>
</TS>
