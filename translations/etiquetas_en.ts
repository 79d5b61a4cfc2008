<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>CorrectionWindow</name>
    <message>
        <location filename="../common/ui/printing/correctionwindow.cpp" line="+21"/>
        <source>Corregir impresora</source>
        <translation>Printer correction</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Imprima la hoja de prueba. Con una regla, mida en milímetros la distancia del centro de cada cruz al borde izquierdo y al borde superior del papel. Mida al menos cuatro cruces que no estén en una misma fila ni en una misma columna (las esquinas son las mejores): con tres, un error al medir no se notaría.</source>
        <translation>Print the test sheet. With a ruler, measure in millimetres the distance from the centre of each cross to the left edge and to the top edge of the paper. Measure at least four crosses that are not all in the same row or in the same column (the corners are best): with three, a measuring error would go unnoticed.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Etiqueta</source>
        <translation>Label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde la izquierda (mm)</source>
        <translation>From the left (mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde arriba (mm)</source>
        <translation>From the top (mm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Medida %1, etiqueta</source>
        <translation>Measurement %1, label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medida %1, desde la izquierda (mm)</source>
        <translation>Measurement %1, from the left (mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medida %1, desde arriba (mm)</source>
        <translation>Measurement %1, from the top (mm)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>C&amp;alcular</source>
        <translation>C&amp;alculate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quitar corrección</source>
        <translation>&amp;Remove correction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No hay ninguna impresora en este equipo: instale la de las etiquetas para imprimir la hoja de prueba y corregirla.</source>
        <translation>There is no printer on this computer: install the label printer to print the test sheet and correct the printer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impresora: %1. Corrección en uso: %2.</source>
        <translation>Printer: %1. Correction in use: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1. Sin corrección.</source>
        <translation>Printer: %1. No correction.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>La fila %1 no tiene una etiqueta y dos medidas en milímetros: «%2», «%3», «%4».</source>
        <translation>Row %1 does not have a label and two measurements in millimetres: “%2”, “%3”, “%4”.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No hay ninguna impresora a la que corregir.</source>
        <translation>There is no printer to correct.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1.

¿Guardar esta corrección para la impresora «%2»? Se aplicará a todo lo que se imprima en ella.</source>
        <translation>%1.

Save this correction for the printer “%2”? It will be applied to everything printed on it.</translation>
    </message>
</context>
<context>
    <name>DesignWindow</name>
    <message>
        <location filename="../common/ui/design/designwindow.cpp" line="+30"/>
        <source>Diseños de etiqueta (*.ini);;Todos los archivos (*)</source>
        <translation>Label designs (*.ini);;All files (*)</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Diseño de la etiqueta</source>
        <translation>Label design</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Biblioteca Central = BC
Hemeroteca = HEM</source>
        <translation>Main Library = ML
Periodicals Library = PER</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Siglas de las líneas encima y debajo:</source>
        <translation>&amp;Abbreviations for the lines above and below:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Una etiqueta con este diseño, en sus proporciones</source>
        <translation>A label in this design, in proportion</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La hoja de etiquetas con este diseño</source>
        <translation>The label sheet in this design</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A&amp;brir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Guardar como…</source>
        <translation>&amp;Save as…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sin dise&amp;ño</source>
        <translation>&amp;No design</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Usar</source>
        <translation>&amp;Use</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>la de siempre</source>
        <translation>the usual font</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Siglas: %1</source>
        <translation>Abbreviations: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Abrir un diseño de etiqueta</source>
        <translation>Open a label design</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>El diseño «%1» no se puede usar: %2.</source>
        <translation>The design “%1” cannot be used: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>diseño.ini</source>
        <translation>design.ini</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guardar el diseño de etiqueta</source>
        <translation>Save the label design</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>No se pudo guardar el diseño en «%1»: %2</source>
        <translation>Could not save the design to “%1”: %2</translation>
    </message>
</context>
<context>
    <name>FirstSheetPanel</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="+150"/>
        <source>&amp;Empezar en la etiqueta</source>
        <translation>&amp;Start at label</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Primera etiqueta libre de la hoja, del 1 al %1</source>
        <translation>First free label on the sheet, from 1 to %1</translation>
    </message>
</context>
<context>
    <name>JobsWindow</name>
    <message>
        <location filename="../common/ui/history/jobswindow.cpp" line="+29"/>
        <source>&amp;Abrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quitar</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trabajos anteriores</source>
        <translation>Previous jobs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Buscar:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>una signatura, o cualquier texto de las etiquetas</source>
        <translation>a call number, or any text on the labels</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Trabajos guardados</source>
        <translation>Saved jobs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Etiquetas</source>
        <translation>Labels</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Primera signatura</source>
        <translation>First call number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Última signatura</source>
        <translation>Last call number</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hoja</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>la de siempre</source>
        <translation>the usual sheet</translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>¿Quitar el trabajo del %1, de %n etiquetas? No se podrá recuperar.</source>
        <translation>
            <numerusform>Remove the job from %1 (%n label)? It cannot be recovered.</numerusform>
            <numerusform>Remove the job from %1 (%n labels)? It cannot be recovered.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No se pudo quitar el trabajo: su archivo no se deja borrar.</source>
        <translation>Could not remove the job: its file cannot be deleted.</translation>
    </message>
</context>
<context>
    <name>LabelPrinterWindow</name>
    <message>
        <location filename="../common/ui/printing/labelprinterwindow.cpp" line="+37"/>
        <source>Imprimir una etiqueta de &amp;prueba</source>
        <translation>Print a &amp;test label</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Impresora de etiquetas</source>
        <translation>Label printer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La impresora predeterminada</source>
        <translation>The default printer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Impresora a la que van las etiquetas:</source>
        <translation>&amp;Printer for the labels:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sin girar</source>
        <translation>No rotation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1° a la derecha</source>
        <translation>%1° clockwise</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Girar la página:</source>
        <translation>&amp;Rotate the page:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Algunas impresoras de etiquetas en rollo sacan la etiqueta girada. Imprima una etiqueta de prueba: si la flecha no apunta hacia el extremo de arriba de la etiqueta, elija otro giro y pruebe de nuevo.</source>
        <translation>Some roll label printers print the label rotated. Print a test label: if the arrow does not point towards the top end of the label, choose another rotation and try again.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Elija antes una hoja de una etiqueta por página (un rollo).</source>
        <translation>First choose a sheet with one label per page (a roll).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Aceptar</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <location filename="../common/ui/frame/mainwindowbase.cpp" line="+108"/>
        <source>La impresora «%1» que fijó el administrador no está en este equipo: no se tiene en cuenta.</source>
        <translation>The printer “%1” set by the administrator is not installed on this computer: it is ignored.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>El diseño de la etiqueta «%1» no se puede usar: %2. Las etiquetas se imprimen sin diseño hasta que elija otro en «Diseño de la etiqueta…».</source>
        <translation>The label design “%1” cannot be used: %2. Labels are printed without a design until you choose another one under “Label design…”.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Menú</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Trabajos &amp;anteriores…</source>
        <translation>Previous &amp;jobs…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>I&amp;dioma</source>
        <translation>La&amp;nguage</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>El programa se mostrará en %1 la próxima vez que lo abra.</source>
        <translation>The program will appear in %1 the next time you open it.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Lo fija el administrador del equipo: %1</source>
        <translation>Locked by this computer’s administrator: %1</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Ese trabajo ya no está guardado.</source>
        <translation>That job is no longer saved.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Trabajo del %1: %n etiquetas</source>
        <translation>
            <numerusform>Job from %1: %n label</numerusform>
            <numerusform>Job from %1: %n labels</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> · Hoja: %1</source>
        <translation> · Sheet: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> · Diseño: %1</source>
        <translation> · Design: %1</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <location filename="../common/ui/printing/previewwindow.cpp" line="+31"/>
        <source>Hoja en pantalla</source>
        <translation>Sheet on screen</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <location line="+40"/>
        <source>&amp;Menú</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+49"/>
        <source>&amp;Regresar</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>&amp;Anterior</source>
        <translation>Pre&amp;vious</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Siguiente</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A&amp;mpliar</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re&amp;ducir</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hoja &amp;entera</source>
        <translation>&amp;Whole sheet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Hoja %1 de %2</source>
        <translation>Sheet %1 of %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hay más hojas</source>
        <translation>No more sheets</translation>
    </message>
</context>
<context>
    <name>PrintFlow</name>
    <message>
        <location filename="../common/ui/printing/printflows.cpp" line="+102"/>
        <source>%1

No hay ninguna impresora en este equipo. Puede guardar las etiquetas en un PDF e imprimirlo en otro.</source>
        <translation>%1

There is no printer on this computer. You can save the labels as a PDF and print it on another one.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guardar como PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guardar como PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>etiquetas.pdf</source>
        <translation>labels.pdf</translation>
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
            <numerusform>%n label will be printed (%1 generated and %2 new)</numerusform>
            <numerusform>%n labels will be printed (%1 generated and %2 new)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se imprimirán %n etiquetas (%1 generadas)</source>
        <translation>
            <numerusform>%n label will be printed (%1 generated)</numerusform>
            <numerusform>%n labels will be printed (%1 generated)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewModel</name>
    <message>
        <location filename="../common/ui/review/reviewwindow.cpp" line="+79"/>
        <source>Nº</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hoja · lugar</source>
        <translation>Sheet · position</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copias</source>
        <translation>Copies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta</source>
        <translation>Label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisión</source>
        <translation>Check</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>editada</source>
        <translation>edited</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <location line="+60"/>
        <source>Revisar las etiquetas</source>
        <translation>Review the labels</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Etiquetas del trabajo</source>
        <translation>Labels in this job</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Editar…</source>
        <translation>&amp;Edit…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Deshacer</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nueva etiqueta…</source>
        <translation>&amp;New label…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Imprimir solo las seleccionadas</source>
        <translation>&amp;Print selected only</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Close</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n etiquetas; se imprimirán %1. Con avisos: %2. Editadas: %3.</source>
        <translation>
            <numerusform>%n label; %1 will be printed. With warnings: %2. Edited: %3.</numerusform>
            <numerusform>%n labels; %1 will be printed. With warnings: %2. Edited: %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Etiqueta %1</source>
        <translation>Label %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nueva etiqueta</source>
        <translation>New label</translation>
    </message>
</context>
<context>
    <name>SheetMap</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="-139"/>
        <source>Mapa de la primera hoja</source>
        <translation>Map of the first sheet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pulse una etiqueta para marcarla como usada o libre; con el teclado, las flechas y la barra espaciadora</source>
        <translation>Click a label to mark it as used or free; from the keyboard, use the arrow keys and the space bar</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Todas las etiquetas libres; se empieza en la %1.</source>
        <translation>All labels free; printing starts at label %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Usadas: %1. Se empieza en la %2.</source>
        <translation>Used: %1. Printing starts at label %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Todas las etiquetas usadas.</source>
        <translation>All labels used.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1 de %2. %3</source>
        <translation>Label %1 of %2. %3</translation>
    </message>
</context>
<context>
    <name>StockWindow</name>
    <message>
        <location filename="../common/ui/stock/stockwindow.cpp" line="+86"/>
        <source>Otra hoja</source>
        <translation>Custom sheet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de etiquetas</source>
        <translation>Label sheet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Marca, producto o medidas: Herma, 4102, 48,5 x 25,4</source>
        <translation>Brand, product or size: Herma, 4102, 48.5 x 25.4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Buscar una hoja</source>
        <translation>Search for a sheet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hojas que coinciden</source>
        <translation>Matching sheets</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n hojas en el catálogo; no se muestran %1 que estos programas no pueden imprimir (etiquetas redondas, ovaladas o de CD, o en varias rejillas).</source>
        <translation>
            <numerusform>%n sheet in the catalogue; %1 that these programs cannot print are not shown (round, oval or CD labels, or labels in several grids).</numerusform>
            <numerusform>%n sheets in the catalogue; %1 that these programs cannot print are not shown (round, oval or CD labels, or labels in several grids).</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Usar esta hoja</source>
        <translation>Use this sheet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Otra hoja…</source>
        <translation>Custom sheet…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Carta</source>
        <translation>Letter</translation>
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
        <translation>Columns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filas</source>
        <translation>Rows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ancho de la etiqueta</source>
        <translation>Label width</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alto de la etiqueta</source>
        <translation>Label height</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen izquierdo, hasta la primera etiqueta</source>
        <translation>Left margin, up to the first label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen superior, hasta la primera etiqueta</source>
        <translation>Top margin, up to the first label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una etiqueta a la siguiente, a lo ancho</source>
        <translation>From one label to the next, across</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una fila a la siguiente, a lo alto</source>
        <translation>From one row to the next, down</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Guardar y usar</source>
        <translation>Save and use</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1%2 — %3 × %4 mm, %5 por hoja, %6</source>
        <translation>%1%2 — %3 × %4 mm, %5 per sheet, %6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (suya)</source>
        <translation> (yours)</translation>
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
        <translation>%1 (mine)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>«%1» no es un número: %2.</source>
        <translation>“%1” is not a number: %2.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Las columnas y las filas se cuentan con números enteros.</source>
        <translation>Columns and rows are counted in whole numbers.</translation>
    </message>
</context>
<context>
    <name>barcode</name>
    <message>
        <location filename="../common/barcode/barcode.cpp" line="+65"/>
        <source>no hay código que dibujar</source>
        <translation>there is no code to draw</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no queda memoria para dibujarlo</source>
        <translation>not enough memory left to draw it</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>el código de barras «%1» no se puede dibujar en %2</source>
        <translation>the barcode “%1” cannot be drawn in %2</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <location filename="../common/batch/batchjob.cpp" line="+43"/>
        <source>Idioma desconocido: «%1» (es, ca, gl, eu, en)</source>
        <translation>Unknown language: “%1” (es, ca, gl, eu, en)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>El idioma lo fija el administrador: %1</source>
        <translation>The language is locked by the administrator: %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Falta el nombre del archivo tras --pdf</source>
        <translation>Missing file name after --pdf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el nombre de la impresora tras --printer</source>
        <translation>Missing printer name after --printer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el papel tras --paper</source>
        <translation>Missing paper after --paper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la etiqueta tras --start</source>
        <translation>Missing label after --start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --skip</source>
        <translation>Missing list after --skip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --labels</source>
        <translation>Missing list after --labels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el número tras --copies</source>
        <translation>Missing number after --copies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faltan las medidas tras --correction-from</source>
        <translation>Missing measurements after --correction-from</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el nombre de la hoja tras --stock</source>
        <translation>Missing sheet name after --stock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la etiqueta tras --add-label</source>
        <translation>Missing label after --add-label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el archivo tras --design</source>
        <translation>Missing file after --design</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el idioma tras --language</source>
        <translation>Missing language after --language</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el número del trabajo tras --job</source>
        <translation>Missing job number after --job</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Falta el tamaño tras --font-size</source>
        <translation>Missing size after --font-size</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Opción desconocida: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La opción --%1 no lleva ningún valor</source>
        <translation>The option --%1 takes no value</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tamaño de letra no válido: %1 (de %2 a %3 puntos)</source>
        <translation>Invalid font size: %1 (%2 to %3 points)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Número de trabajo no válido: %1 (1 es el último)</source>
        <translation>Invalid job number: %1 (1 is the most recent)</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>--job y --add-label no van juntas: las etiquetas son las del trabajo o las escritas</source>
        <translation>--job and --add-label cannot be used together: the labels come either from the job or from --add-label</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--pdf y --printer no van juntas: el trabajo va a un PDF o a una impresora</source>
        <translation>--pdf and --printer cannot be used together: the job goes either to a PDF or to a printer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--correction-from corrige un PDF; una impresora usa la corrección guardada para ella</source>
        <translation>--correction-from corrects a PDF; a printer uses the correction saved for it</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Falta --pdf ARCHIVO.pdf o --printer IMPRESORA</source>
        <translation>Missing --pdf FILE.pdf or --printer PRINTER</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>La hoja la fija el administrador: %1</source>
        <translation>The sheet is locked by the administrator: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>El diseño lo fija el administrador: %1</source>
        <translation>The design is locked by the administrator: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>El diseño «%1» no se puede usar: %2</source>
        <translation>The design “%1” cannot be used: %2</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>No hay ningún trabajo %1 guardado; --list-jobs escribe los que hay.</source>
        <translation>There is no saved job %1; --list-jobs lists the ones there are.</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>Papel no válido: %1 (a4 o letter)</source>
        <translation>Invalid paper: %1 (a4 or letter)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Sobra «%1» en la orden</source>
        <translation>Unexpected “%1” in the command</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>La hoja «%1» no está en el catálogo ni entre las que escribió en &quot;Otra hoja…&quot;; --list-stocks TEXTO escribe las que hay.</source>
        <translation>The sheet “%1” is neither in the catalogue nor among those you entered under “Custom sheet…”; --list-stocks TEXT lists the ones there are.</translation>
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
        <translation>  --printer PRINTER   instead of --pdf, prints on that system printer, with its
                      correction and its rotation, as “Print” does with the
                      label printer; first checks that everything lies within
                      the printer’s printable area
  --list-printers     lists the system printers and marks the label printer
                      and the default printer
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
        <translation>  --list-jobs [TEXT]  lists the saved jobs, most recent first: the number,
                      date, number of labels and first and last call numbers of
                      each; with TEXT, only those that have it on some label
  --job N             prints the labels of saved job N (1 is the most recent)
                      instead of reading the label file, with the job’s own
                      design unless --design is given
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
        <translation>  --skip LIST         leaves blank the labels of the first sheet given in the
                      list, separated by commas (for example 3,7,12)
  --labels LIST       prints only the labels in the list, in that order:
                      numbers from 1 separated by commas, or ranges
                      (for example 2,5-6)
  --copies N          prints N copies of each label, consecutively (1 to 99)
  --correction-from &quot;P:x,y;P:x,y;...&quot;
                      corrects a printer’s error as measured on its test
                      sheet: for four or more crosses, the label and the
                      distances from its centre to the left and top edges of
                      the paper, in millimetres (1:28.4,20.6;3:...)
  --stock &quot;BRAND PRODUCT&quot;
                      the label sheet: a product from the catalogue (for
                      example &quot;Herma 4102&quot;) or a sheet you entered under
                      “Custom sheet…”; if not given, the one chosen in the
                      window (the PDF takes its paper size, and --start and
                      --skip count its labels)
  --list-stocks [TEXT]
                      lists the sheets in the catalogue and your own that
                      match the text (brand, product or size, such as
                      48.5 x 25.4)
  --design FILE       the label design: what it shows and how; if not given,
                      the one chosen in the window
  --language CODE     the language of the messages: es, ca, gl, eu or en
  --strict            writes no PDF if any label does not fit (status 5)
  --help              shows this help
  --version           shows the version

Writes “n labels generated” to standard output. If information is missing,
the label file cannot be read or the PDF cannot be written, it writes the
warning to standard error and exits with status 2, 3 or 4 respectively (1 if
the command is mistyped). Before writing the PDF it checks that each label
fits in its place, and writes whatever does not fit to standard error.
</translation>
    </message>
    <message numerus="yes">
        <location line="+102"/>
        <source>%n hojas en el catálogo (%1 que no se pueden imprimir se omiten: %2 redondas o de CD, %3 de varias rejillas, %4 mal descritas); %5 suyas.
</source>
        <translation>
            <numerusform>%n sheet in the catalogue (%1 that cannot be printed are left out: %2 round or CD, %3 with several grids, %4 badly described); %5 of your own.
</numerusform>
            <numerusform>%n sheets in the catalogue (%1 that cannot be printed are left out: %2 round or CD, %3 with several grids, %4 badly described); %5 of your own.
</numerusform>
        </translation>
    </message>
    <message>
        <location line="+34"/>
        <source>La impresora «%1» no está en este equipo; --list-printers escribe las que hay.</source>
        <translation>The printer “%1” is not on this computer; --list-printers lists the ones there are.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No se pudo escribir el PDF: %1</source>
        <translation>Could not write the PDF: %1</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <location filename="../common/core/sheets/catalogue.cpp" line="+130"/>
        <source>no se puede leer la medida %1</source>
        <translation>the measurement %1 cannot be read</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>%1: mide más de %2 MB; no se lee.</source>
        <translation>%1: larger than %2 MB; not read.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no se puede abrir.</source>
        <translation>%1: cannot be opened.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no es un archivo de plantillas; no se lee.</source>
        <translation>%1: not a template file; not read.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: se deja de leer en la línea %2 (%3); se toman las %4 hojas anteriores.</source>
        <translation>%1: reading stops at line %2 (%3); the %4 sheets before it are taken.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>es igual a %1 %2, que no está</source>
        <translation>same as %1 %2, which is missing</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <location filename="../common/core/check/labelcheck.cpp" line="+21"/>
        <source>Etiqueta %1 (%2): %3</source>
        <translation>Label %1 (%2): %3</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>%n avisos</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No todo saldrá bien en el papel: %1.</source>
        <translation>Not everything will come out right on paper: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No todo saldrá bien en el papel: %1, %2.</source>
        <translation>Not everything will come out right on paper: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n label</numerusform>
            <numerusform>%n labels</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
... y %1 más.</source>
        <translation>
... and %1 more.</translation>
    </message>
    <message>
        <location filename="../common/core/check/margincheck.cpp" line="+98"/>
        <source>la línea «%1» empieza a %2 mm del borde izquierdo del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>the line “%1” starts %2 mm from the left edge of the paper, and the printer cannot print within %3 mm of that edge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras empieza a %1 mm del borde izquierdo del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>the barcode starts %1 mm from the left edge of the paper, and the printer cannot print within %2 mm of that edge</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» acaba a %2 mm del borde derecho del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>the line “%1” ends %2 mm from the right edge of the paper, and the printer cannot print within %3 mm of that edge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras acaba a %1 mm del borde derecho del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>the barcode ends %1 mm from the right edge of the paper, and the printer cannot print within %2 mm of that edge</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» empieza a %2 mm del borde superior del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>the line “%1” starts %2 mm from the top edge of the paper, and the printer cannot print within %3 mm of that edge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras empieza a %1 mm del borde superior del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>the barcode starts %1 mm from the top edge of the paper, and the printer cannot print within %2 mm of that edge</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» acaba a %2 mm del borde inferior del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>the line “%1” ends %2 mm from the bottom edge of the paper, and the printer cannot print within %3 mm of that edge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras acaba a %1 mm del borde inferior del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>the barcode ends %1 mm from the bottom edge of the paper, and the printer cannot print within %2 mm of that edge</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>sin texto</source>
        <translation>no text</translation>
    </message>
</context>
<context>
    <name>correction</name>
    <message>
        <location filename="../common/core/correction/correction.cpp" line="+88"/>
        <source>Medida no válida: «%1» (la etiqueta, dos puntos y las distancias en milímetros a los bordes izquierdo y superior, separadas por una coma, como 1:28.5,30.2)</source>
        <translation>Invalid measurement: “%1” (the label, a colon and the distances in millimetres to the left and top edges, separated by a comma, such as 1:28.5,30.2)</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Seguramente está activada la opción «Ajustar a la página» (o «Ajustar al tamaño del papel») en las preferencias de la impresora: desactívela, imprima otra hoja de prueba y mida de nuevo. Si no, revise que las medidas estén en milímetros.</source>
        <translation>The option “Fit to page” (or “Fit to paper size”) is probably turned on in the printer preferences: turn it off, print another test sheet and measure again. Otherwise, check that the measurements are in millimetres.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Según estas medidas, la impresora estira la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation>According to these measurements, the printer stretches the sheet by %1%: no printer does that. %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Según estas medidas, la impresora encoge la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation>According to these measurements, the printer shrinks the sheet by %1%: no printer does that. %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Según estas medidas, la impresora desplaza la hoja %1 mm: ninguna lo hace tanto. Revise las medidas: son los milímetros del borde izquierdo y del superior del papel al centro de cada cruz, y cada fila lleva el número de su cruz.</source>
        <translation>According to these measurements, the printer shifts the sheet by %1 mm: no printer shifts it that far. Check the measurements: they are the millimetres from the left edge and from the top edge of the paper to the centre of each cross, and each row carries the number of its cross.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Según estas medidas, la impresora tuerce la hoja %1 mm cada 10 cm: revise que el papel entra recto en la bandeja, y las medidas.</source>
        <translation>According to these measurements, the printer skews the sheet by %1 mm every 10 cm: check that the paper goes into the tray straight, and check the measurements.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Hacen falta al menos cuatro cruces medidas: con tres, un error al medir no se notaría.</source>
        <translation>At least four measured crosses are needed: with three, a measuring error would go unnoticed.</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>La etiqueta %1 no existe: la hoja tiene de la 1 a la %2.</source>
        <translation>Label %1 does not exist: the sheet has labels 1 to %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La etiqueta %1 no tiene cruz en la hoja de prueba: su posición no es un número.</source>
        <translation>Label %1 has no cross on the test sheet: its position is not a number.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La cruz %1 está medida dos veces.</source>
        <translation>Cross %1 has been measured twice.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Las cruces están todas en una fila: hace falta medir también cruces de otra fila.</source>
        <translation>The crosses are all in one row: crosses in another row must be measured too.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Las cruces están todas en una columna: hace falta medir también cruces de otra columna.</source>
        <translation>The crosses are all in one column: crosses in another column must be measured too.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Las cruces están en línea recta: elija cruces que formen un triángulo.</source>
        <translation>The crosses are in a straight line: choose crosses that form a triangle.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>La medida de la cruz %1 no concuerda con las demás: se aparta %2 mm. Mídala de nuevo.</source>
        <translation>The measurement of cross %1 does not agree with the others: it is %2 mm out. Measure it again.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las medidas no concuerdan entre sí (una se aparta %1 mm): mida de nuevo las cruces, o mida una más.</source>
        <translation>The measurements do not agree with one another (one is %1 mm out): measure the crosses again, or measure one more.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, y %2</source>
        <translation>%1, and %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>estira la hoja un %1 % a lo ancho y a lo alto</source>
        <translation>stretches the sheet by %1% horizontally and vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % a lo ancho y a lo alto</source>
        <translation>shrinks the sheet by %1% horizontally and vertically</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>estira la hoja un %1 % de izquierda a derecha</source>
        <translation>stretches the sheet by %1% from left to right</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de izquierda a derecha</source>
        <translation>shrinks the sheet by %1% from left to right</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>estira la hoja un %1 % de arriba abajo</source>
        <translation>stretches the sheet by %1% from top to bottom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de arriba abajo</source>
        <translation>shrinks the sheet by %1% from top to bottom</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 mm a la derecha</source>
        <translation>%1 mm to the right</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm a la izquierda</source>
        <translation>%1 mm to the left</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 mm hacia abajo</source>
        <translation>%1 mm down</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm hacia arriba</source>
        <translation>%1 mm up</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>desplaza %1 y %2</source>
        <translation>shifts the sheet %1 and %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desplaza %1</source>
        <translation>shifts the sheet %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la tuerce %1 mm cada 10 cm</source>
        <translation>skews the sheet %1 mm every 10 cm</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la impresora pone cada cruz en su sitio</source>
        <translation>the printer puts each cross in its place</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la impresora %1</source>
        <translation>the printer %1</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <location filename="../common/core/design/design.cpp" line="+42"/>
        <source>«%1» no es «si» ni «no»</source>
        <translation>“%1” is neither “si” nor “no”</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>«%1» no es un tamaño de %2 a %3 puntos</source>
        <translation>“%1” is not a size from %2 to %3 points</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>falta el nombre de la letra</source>
        <translation>the font name is missing</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>«%1» no es ninguno de: %2</source>
        <translation>“%1” is none of: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>«%1» no es una etiqueta del archivo, como z30-sub-library</source>
        <translation>“%1” is not a tag from the file, such as z30-sub-library</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>«%1» no es un número de letras de 1 a 30, ni «mayusculas» ni «minusculas»</source>
        <translation>“%1” is neither a number of letters from 1 to 30 nor “mayusculas” or “minusculas”</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>son más de %1 líneas</source>
        <translation>more than %1 lines</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>«%1» no es un número de líneas de 0 a %2</source>
        <translation>“%1” is not a number of lines from 0 to %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>«%1» no son centímetros de más de 0 a %2, ni «fuente»</source>
        <translation>“%1” is neither centimetres above 0 and up to %2 nor “fuente”</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>línea %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no es un archivo de texto</source>
        <translation>not a text file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no está escrito en UTF-8</source>
        <translation>not written in UTF-8</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>la sección [%1] no existe</source>
        <translation>there is no section [%1]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>falta «=» en «%1»</source>
        <translation>“=” is missing in “%1”</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>falta el valor antes de «=»</source>
        <translation>the value before “=” is missing</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>«%1» está fuera de toda sección</source>
        <translation>“%1” is outside any section</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la clave «%1» no existe</source>
        <translation>there is no key “%1”</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no se puede leer el archivo</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mide más de %1 KB: no es un archivo de diseño</source>
        <translation>larger than %1 KB: not a design file</translation>
    </message>
</context>
<context>
    <name>fichas</name>
    <message>
        <location filename="../fichas/core/fullcheck.cpp" line="+21"/>
        <source>la línea «%1» de la clasificación se monta sobre el código de barras</source>
        <translation>the call number line “%1” overlaps the barcode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la línea «%1» de la clasificación se monta sobre el autor</source>
        <translation>the call number line “%1” overlaps the author</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>la línea «%1» de la clasificación se monta sobre el título</source>
        <translation>the call number line “%1” overlaps the title</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>«%1» (el código de barras) se sale de la etiqueta por la derecha</source>
        <translation>“%1” (the barcode) runs off the right edge of the label</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» (el autor) se sale de la etiqueta por la derecha</source>
        <translation>“%1” (the author) runs off the right edge of the label</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (el título) se sale de la etiqueta por la derecha</source>
        <translation>“%1” (the title) runs off the right edge of the label</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (la clasificación) se sale de la etiqueta por la derecha</source>
        <translation>“%1” (the call number) runs off the right edge of the label</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>el código de barras en %1 mide %2 cm con sus márgenes y en la etiqueta hay %3 cm</source>
        <translation>the barcode in %1 is %2 cm wide with its margins, and the label has room for %3 cm</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>sin código de barras</source>
        <translation>no barcode</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la línea «%1…» de la clasificación pasa de %2 caracteres y se corta</source>
        <translation>the call number line “%1…” is longer than %2 characters and is cut off</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>el autor no cabe en dos líneas y pierde palabras</source>
        <translation>the author does not fit on two lines and loses words</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el título no cabe en dos líneas y pierde palabras</source>
        <translation>the title does not fit on two lines and loses words</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>se sale de la etiqueta por abajo</source>
        <translation>runs off the bottom of the label</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>se sale del papel por abajo</source>
        <translation>runs off the bottom of the paper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>se monta sobre la etiqueta de abajo</source>
        <translation>overlaps the label below</translation>
    </message>
    <message>
        <location filename="../fichas/core/fullgeneration.cpp" line="+270"/>
        <source>El archivo de etiquetas no trae los mismos datos para todos los ejemplares: se encontraron %1 códigos de barras, %2 clasificaciones, %3 títulos y %4 autores.
Las etiquetas no corresponderán a sus ejemplares.</source>
        <translation>The label file does not have the same data for every item: %1 barcodes, %2 call numbers, %3 titles and %4 authors were found.
The labels will not match their items.</translation>
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
        <translation>Usage: fichas --pdf FILE.pdf [--paper a4|letter] [--start N] [--skip LIST]
              [--labels LIST] [--copies N] [--correction-from MEASUREMENTS]
              [--stock SHEET] [--design FILE] [--strict]
              [--add-label LABEL ...]
       fichas --pdf FILE.pdf --test-sheet [--paper a4|letter] [--stock SHEET]
       fichas --list-stocks [TEXT]

Generates the full labels (barcode, call number, author and title) without
opening any window, just as clicking “Generate labels” and then “Print”
does, but saves them to a PDF file, %1 per sheet.

Takes the client directory and the administrative base from the settings
file (ini.prn) and reads the label file itemlbl.prn.

Options:
  --pdf FILE.pdf      PDF file to create (replaced if it exists)
  --paper a4|letter   paper size (a4 if not given)
  --start N           starts at label N (1 to %1) on the first sheet
  --test-sheet        writes the test sheet for the %1 positions instead of
                      the labels (needs no settings)
  --add-label &quot;BARCODE|CALL_NUMBER|AUTHOR|TITLE&quot;
                      a label typed by hand, split into lines as when
                      generating; may be repeated, and then the label file
                      is not read
</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Código de barras</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clasificación</source>
        <translation>Call number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autor</source>
        <translation>Author</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Título</source>
        <translation>Title</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>La hoja de siempre: 36 etiquetas completas</source>
        <translation>The usual sheet: 36 full labels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mensaje:</source>
        <translation>Message:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Continuar?</source>
        <translation>Continue?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Si los datos de los ejemplares no coinciden, lo avisa en la salida de errores
y sigue.
</source>
        <translation>If the data of the items do not match, it says so on standard error and
carries on.
</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>Letra del código de barras:</source>
        <translation>Barcode font:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del código de barras:</source>
        <translation>Barcode size:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Código de barras en negrita</source>
        <translation>Barcode in bold</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Código de barras en cursiva</source>
        <translation>Barcode in italics</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra de la clasificación:</source>
        <translation>Call number font:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tamaño de la clasificación:</source>
        <translation>Call number size:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clasificación en negrita</source>
        <translation>Call number in bold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clasificación en cursiva</source>
        <translation>Call number in italics</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra del autor:</source>
        <translation>Author font:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del autor:</source>
        <translation>Author size:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autor en negrita</source>
        <translation>Author in bold</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Autor en cursiva</source>
        <translation>Author in italics</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra del título:</source>
        <translation>Title font:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del título:</source>
        <translation>Title size:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Título en negrita</source>
        <translation>Title in bold</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Título en cursiva</source>
        <translation>Title in italics</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>puntos; 8 si no</source>
        <translation>points; 8 if empty</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Código de barras:</source>
        <translation>&amp;Barcode:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Como texto</source>
        <translation>As text</translation>
    </message>
</context>
<context>
    <name>fichas::MainWindow</name>
    <message>
        <location filename="../fichas/ui/mainwindow.cpp" line="+16"/>
        <source>&amp;Hoja de etiquetas…</source>
        <translation>Label s&amp;heet…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Diseño de la etiqueta…</source>
        <translation>Label &amp;design…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Universidad Oderin Tesalore</source>
        <translation>Oderin Tesalore University</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Directorio cliente:</source>
        <translation>Client directory:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Base Adm.</source>
        <translation>Adm. base</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Generar
Etiquetas</source>
        <translation>&amp;Generate
labels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Vista Previa</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revisar</source>
        <translation>&amp;Review</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Limpiar</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de &amp;prueba</source>
        <translation>&amp;Test sheet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;orregir impresora…</source>
        <translation>Printer c&amp;orrection…</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <location filename="../common/core/files/textfile.cpp" line="+108"/>
        <source>%1 no es un archivo</source>
        <translation>%1 is not a file</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo crear la carpeta %1</source>
        <translation>could not create the folder %1</translation>
    </message>
</context>
<context>
    <name>jobhistory</name>
    <message>
        <location filename="../common/core/history/jobhistory.cpp" line="+297"/>
        <source>Un trabajo guardado estaba dañado y se ha apartado como «%1»; los demás siguen guardados.</source>
        <translation>A saved job was damaged and has been set aside as “%1”; the other jobs are still saved.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Un trabajo guardado está dañado y no se puede apartar: «%1».</source>
        <translation>A saved job is damaged and cannot be set aside: “%1”.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>El historial de trabajos estaba dañado y se ha apartado como «%1»; empieza uno nuevo.</source>
        <translation>The job history was damaged and has been set aside as “%1”; a new one has been started.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>El trabajo no se ha podido guardar en «Trabajos anteriores»: no se puede escribir en «%1». Las etiquetas siguen aquí.</source>
        <translation>The job could not be saved in “Previous jobs”: “%1” cannot be written to. The labels are still here.</translation>
    </message>
</context>
<context>
    <name>labelprinter</name>
    <message>
        <location filename="../common/paint/labelprinter.cpp" line="+58"/>
        <source>impresora de etiquetas</source>
        <translation>label printer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predeterminada</source>
        <translation>default</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Impresora: %1 (no está)</source>
        <translation>Printer: %1 (not found)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1, corregida</source>
        <translation>Printer: %1, corrected</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Impresora: %1</source>
        <translation>Printer: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Impresora: no hay ninguna</source>
        <translation>Printer: none</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada), corregida</source>
        <translation>Printer: %1 (default), corrected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada)</source>
        <translation>Printer: %1 (default)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La impresora de etiquetas «%1» ya no está en este equipo: se imprime en la impresora predeterminada.

Puede elegir otra en el menú, en &quot;Impresora de etiquetas…&quot;.</source>
        <translation>The label printer “%1” is no longer on this computer: labels are printed on the default printer.

You can choose another one from the menu, under “Label printer…”.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>La impresora la fija el administrador: %1</source>
        <translation>The printer is locked by the administrator: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La impresora «%1» no acepta el papel de la hoja «%2» (%3 × %4 mm): imprimiría en %5 × %6 mm. Elija en sus preferencias un papel de ese tamaño, u otra impresora.</source>
        <translation>The printer “%1” does not accept the paper of the sheet “%2” (%3 × %4 mm): it would print on %5 × %6 mm. In its preferences, choose paper of that size, or choose another printer.</translation>
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
        <translation>Usage: lomos --pdf FILE.pdf [--font-size N] [--paper a4|letter]
             [--start N] [--skip LIST] [--labels LIST] [--copies N]
             [--correction-from MEASUREMENTS] [--stock SHEET] [--strict]
             [--design FILE] [--add-label CALL_NUMBER ...]
       lomos --pdf FILE.pdf --test-sheet [--paper a4|letter] [--stock SHEET]
       lomos --list-stocks [TEXT]

Generates the spine labels without opening any window, just as clicking
“Generate” and then “Print” does, but saves them to a PDF file.

Takes the client directory and the administrative base from the settings
file (ini.prn), reads the label file itemlbl.prn and places each label at
its position in the coordinates file (cy.txt).

Options:
  --pdf FILE.pdf      PDF file to create (replaced if it exists)
  --font-size N       font size in points, from 4 to 72 (8 if not given)
  --paper a4|letter   paper size (a4 if not given)
  --start N           starts at label N (1 to %1) on the first sheet
  --test-sheet        writes the test sheet for the %1 positions instead of
                      the labels (needs no settings)
  --add-label &quot;CALL_NUMBER&quot;
                      a label typed by hand, split into lines as when
                      generating; may be repeated, and then the label file
                      is not read
</translation>
    </message>
    <message>
        <location line="+165"/>
        <source>La hoja de siempre: 33 etiquetas de lomo, en las posiciones de &quot;Configurar&quot;</source>
        <translation>The usual sheet: 33 spine labels, at the positions set in “Configure”</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Continuar</source>
        <translation>Continue</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Clasificación</source>
        <translation>Call number</translation>
    </message>
    <message>
        <location filename="../lomos/core/spinecheck.cpp" line="+96"/>
        <source>sin clasificación</source>
        <translation>no call number</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no tiene ninguna línea que imprimir</source>
        <translation>has no lines to print</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la clasificación tiene más de seis partes: lo que sigue a la sexta no se imprime</source>
        <translation>the call number has more than six parts: whatever follows the sixth is not printed</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>la línea «%1» mide %2 cm y hasta el borde derecho hay %3 cm</source>
        <translation>the line “%1” is %2 cm long and there are %3 cm to the right edge</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>No hay coordenadas guardadas: pulse «Configurar», «Inicializar Coordenadas» y «Guardar»</source>
        <translation>No coordinates saved: click “Configure”, “Reset coordinates” and “Save”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Etiqueta %1: la X está vacía</source>
        <translation>Label %1: X is empty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1: la Y está vacía</source>
        <translation>Label %1: Y is empty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Etiqueta %1: la X «%2» no es un número</source>
        <translation>Label %1: X “%2” is not a number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1: la Y «%2» no es un número</source>
        <translation>Label %1: Y “%2” is not a number</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>la línea «%1» mide %2 cm y la etiqueta mide %3 cm de ancho</source>
        <translation>the line “%1” is %2 cm long and the label is %3 cm wide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la línea «%1» mide %2 cm y la etiqueta mide %3 cm</source>
        <translation>the line “%1” is %2 cm long and the label measures %3 cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la línea «%1» mide %2 cm y hasta el borde de la etiqueta hay %3 cm</source>
        <translation>the line “%1” is %2 cm long and there are %3 cm to the edge of the label</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sus líneas se salen del papel por abajo</source>
        <translation>its lines run off the bottom of the paper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sus líneas pasan a la etiqueta de abajo</source>
        <translation>its lines run into the label below</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sus líneas se salen de la etiqueta por abajo</source>
        <translation>its lines run off the bottom of the label</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>sus líneas se salen de la etiqueta por arriba</source>
        <translation>its lines run off the top of the label</translation>
    </message>
    <message>
        <location filename="../lomos/program.cpp" line="-91"/>
        <source>&amp;Letra:</source>
        <translation>&amp;Font:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tamaño:</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puntos; si no, el de «Tamaño de Fuente»</source>
        <translation>points; if empty, the one set in “Font size”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Negrita</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cursiva</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En &amp;mayúsculas</source>
        <translation>In &amp;capitals</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Alineación:</source>
        <translation>Ali&amp;gnment:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A la izquierda, desde la posición</source>
        <translation>Left, from the position</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Centrada en la etiqueta</source>
        <translation>Centred on the label</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>A la derecha</source>
        <translation>Right</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posición &amp;vertical:</source>
        <translation>&amp;Vertical position:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde arriba, desde la posición</source>
        <translation>Top, from the position</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abajo</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Líneas libres a&amp;rriba:</source>
        <translation>Blank lines at &amp;top:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>de 0 a 5</source>
        <translation>0 to 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interlinea&amp;do:</source>
        <translation>&amp;Line spacing:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cm (0,3 si no), o «fuente»: el de la letra</source>
        <translation>cm (0.3 if empty), or “fuente”: the font’s own</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nueva línea &amp;en:</source>
        <translation>Brea&amp;k line at:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caracteres, como /</source>
        <translation>characters, such as /</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nueva línea en cada es&amp;pacio</source>
        <translation>Break line at every s&amp;pace</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quitar las palabras:</source>
        <translation>&amp;Remove the words:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>separadas por comas, como HU</source>
        <translation>separated by commas, such as HU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Línea enc&amp;ima:</source>
        <translation>Line abov&amp;e:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>una etiqueta del archivo, como z30-sub-library</source>
        <translation>a tag from the file, such as z30-sub-library</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Línea deba&amp;jo:</source>
        <translation>Line belo&amp;w:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>como z13-author:3:mayusculas, z13-title:3</source>
        <translation>such as z13-author:3:mayusculas, z13-title:3</translation>
    </message>
</context>
<context>
    <name>lomos::CoordinateEditor</name>
    <message>
        <location filename="../lomos/ui/coordinateeditor.cpp" line="+43"/>
        <source>Cambio vertical Fila 0</source>
        <translation>Change row 0 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 1</source>
        <translation>Change row 1 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 2</source>
        <translation>Change row 2 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 3</source>
        <translation>Change row 3 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 4</source>
        <translation>Change row 4 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 5</source>
        <translation>Change row 5 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical fila 6</source>
        <translation>Change row 6 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 7</source>
        <translation>Change row 7 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 8</source>
        <translation>Change row 8 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio verticall Fila 9</source>
        <translation>Change row 9 vertically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 10</source>
        <translation>Change row 10 vertically</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Menú</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+62"/>
        <location line="+72"/>
        <source>Regresar</source>
        <translation>Back</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+57"/>
        <source>Fila %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+36"/>
        <source>Cambio columna %1</source>
        <translation>Change column %1</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+75"/>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Inicializar Coordenadas</source>
        <translation>Reset coordinates</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+58"/>
        <source>Hoja de prueba</source>
        <translation>Test sheet</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+54"/>
        <source>Corregir impresora…</source>
        <translation>Printer correction…</translation>
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
        <translation>Change row %1 vertically</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Margen dentro de cada etiqueta (mm):</source>
        <translation>Margin inside each label (mm):</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Rellenar desde la hoja</source>
        <translation>Fill in from the sheet</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2. Posiciones en cm desde la esquina del papel.</source>
        <translation>%1: %2. Positions in cm from the corner of the paper.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>La impresora de etiquetas no imprime a menos de %1 mm del borde izquierdo del papel, %2 mm del superior, %3 mm del derecho y %4 mm del inferior: las posiciones que caen ahí se ven en amarillo.</source>
        <translation>The label printer cannot print within %1 mm of the left edge of the paper, %2 mm of the top edge, %3 mm of the right edge or %4 mm of the bottom edge: positions that fall in those bands are shown in yellow.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Etiqueta %1, X</source>
        <translation>Label %1, X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Etiqueta %1, Y</source>
        <translation>Label %1, Y</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No hay coordenadas guardadas: pulse «Inicializar Coordenadas» y «Guardar».</source>
        <translation>No coordinates saved: click “Reset coordinates” and “Save”.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>La impresora no imprime ahí: el texto que empiece en esta posición saldrá cortado.</source>
        <translation>The printer cannot print here: text that starts at this position will be cut off.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Está vacía: escriba los centímetros, con punto o coma (por ejemplo 2,8).</source>
        <translation>It is empty: type the centimetres, with a decimal point or comma (for example 2.8).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>«%1» no es un número: escriba los centímetros, con punto o coma (por ejemplo 2,8).</source>
        <translation>“%1” is not a number: type the centimetres, with a decimal point or comma (for example 2.8).</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>la X de la etiqueta %1</source>
        <translation>the X of label %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>la Y de la etiqueta %1</source>
        <translation>the Y of label %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>«%1» no es un número: nada ha cambiado.</source>
        <translation>“%1” is not a number: nothing has changed.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Teclea el nuevo valor para las etiquetas de la fila %1</source>
        <translation>Type the new value for the labels in row %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Teclea el nuevo valor horizontal para las etiquetas de la columna %1</source>
        <translation>Type the new horizontal value for the labels in column %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>El margen dentro de cada etiqueta va de %1 mm a menos de la mitad de la etiqueta: «%2» no vale.</source>
        <translation>The margin inside each label ranges from %1 mm to less than half the label: “%2” is not valid.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No se han guardado las coordenadas: %1 no es un número («%2»).</source>
        <translation>The coordinates have not been saved: %1 is not a number (“%2”).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No se pudo guardar el archivo de coordenadas:
%1</source>
        <translation>Could not save the coordinates file:
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las coordenadas</source>
        <translation>The coordinates</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>¿Guardar los cambios en las coordenadas?</source>
        <translation>Save the changes to the coordinates?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sí</source>
        <translation>Yes</translation>
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
        <translation>Font Size</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Seleccione el tamaño:</source>
        <translation>&amp;Select the size:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(Se recomienda 8)</source>
        <translation>(8 is recommended)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Escriba un número de puntos del %1 al %2.</source>
        <translation>Type a number of points from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>lomos::MainWindow</name>
    <message>
        <location filename="../lomos/ui/mainwindow.cpp" line="+23"/>
        <location line="+40"/>
        <source>&amp;Generar</source>
        <translation>&amp;Generate</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+41"/>
        <source>&amp;Vista Previa</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+42"/>
        <source>&amp;Revisar</source>
        <translation>&amp;Review</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+43"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+43"/>
        <source>&amp;Configurar</source>
        <translation>&amp;Configure</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+44"/>
        <source>&amp;Limpiar</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>&amp;Tamaño de Fuente</source>
        <translation>&amp;Font size</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hoja de etiquetas…</source>
        <translation>Label s&amp;heet…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Diseño de la etiqueta…</source>
        <translation>Label &amp;design…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora de &amp;etiquetas…</source>
        <translation>Label pri&amp;nter…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hoja de &amp;prueba</source>
        <translation>&amp;Test sheet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;orregir impresora…</source>
        <translation>Printer c&amp;orrection…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Se va a imprimir con tamaño %1</source>
        <translation>Printing at font size %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Generar</source>
        <translation>Generate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vista Previa</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Revisar</source>
        <translation>Review</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configurar</source>
        <translation>Configure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Limpiar</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Directorio cliente:</source>
        <translation>Client directory:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Base administrativa:</source>
        <translation>Administrative base:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dibujo: libros en un estante</source>
        <translation>Picture: books on a shelf</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tamaño con el que se imprime</source>
        <translation>Printing font size</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Se va a imprimir con tamaño: %1</source>
        <translation>Printing at font size: %1</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <location filename="../common/core/text/messages.h" line="+18"/>
        <source>Estimado Usuario:</source>
        <translation>Dear User:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta especificar información</source>
        <translation>Some information is missing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 Etiquetas</source>
        <translation>0 labels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recoja sus impresiones</source>
        <translation>Collect your printouts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hay ninguna etiqueta que imprimir.</source>
        <translation>There are no labels to print.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No queda ninguna etiqueta libre en la primera hoja: desmarque alguna en el mapa de la hoja.</source>
        <translation>No free labels are left on the first sheet: unmark some on the sheet map.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Imprimir de todos modos</source>
        <translation>Print anyway</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ver de todos modos</source>
        <translation>Preview anyway</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisar</source>
        <translation>Review</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Descartar los cambios de la revisión?</source>
        <translation>Discard the changes made in the review?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se han generado %n etiquetas</source>
        <translation>
            <numerusform>%n label generated</numerusform>
            <numerusform>%n labels generated</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No se pudo leer el archivo de etiquetas:
%1</source>
        <translation>Could not read the label file:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 se guardaron solo para este usuario, en:
%2

No se puede escribir en %3. Mientras exista esa copia, es la que se usa.</source>
        <translation>%1 were saved for this user only, in:
%2

%3 cannot be written to. As long as that copy exists, it is the one used.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudieron guardar el directorio cliente y la base administrativa en %1: %2.

Las etiquetas se hacen con lo escrito, pero la próxima vez habrá que escribirlo de nuevo.</source>
        <translation>Could not save the client directory and the administrative base to %1: %2.

The labels are made with what you typed, but next time you will have to type it again.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudo imprimir: %1</source>
        <translation>Could not print: %1</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <location filename="../common/paint/paintersurface.cpp" line="+120"/>
        <source>no se pudo empezar una hoja nueva</source>
        <translation>could not start a new sheet</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>el trabajo no se pudo terminar</source>
        <translation>the job could not be finished</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no hay ninguna impresora predeterminada</source>
        <translation>there is no default printer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la impresora «%1» no acepta el trabajo</source>
        <translation>the printer “%1” does not accept the job</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>el sistema de impresión rechazó el trabajo</source>
        <translation>the printing system rejected the job</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la cola «%1» rechazó el trabajo (%2)</source>
        <translation>the queue “%1” rejected the job (%2)</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+18"/>
        <source>no se pudo escribir %1: %2</source>
        <translation>could not write %1: %2</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>no se pudo escribir %1</source>
        <translation>could not write %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo dibujar en la vista previa</source>
        <translation>could not draw in the print preview</translation>
    </message>
</context>
<context>
    <name>review</name>
    <message>
        <location filename="../common/core/review/jobselection.cpp" line="+44"/>
        <source>Lista de etiquetas no válida: «%1» (números desde 1 separados por comas, o intervalos como 5-6)</source>
        <translation>Invalid list of labels: “%1” (numbers from 1 separated by commas, or ranges such as 5-6)</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>La etiqueta %1 no está en la lista: hay %n etiquetas</source>
        <translation>
            <numerusform>Label %1 is not in the list: there is %n label</numerusform>
            <numerusform>Label %1 is not in the list: there are %n labels</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Número de copias no válido: «%1» (de 1 a %2)</source>
        <translation>Invalid number of copies: “%1” (1 to %2)</translation>
    </message>
    <message>
        <location filename="../common/core/review/review.cpp" line="+24"/>
        <source>%1 ocupa una sola línea.</source>
        <translation>%1 takes up a single line.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: caben %2 líneas como mucho.</source>
        <translation>%1: %2 lines at most.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1, línea %2: tiene %3 caracteres y caben %4.</source>
        <translation>%1, line %2: it has %3 characters and only %4 fit.</translation>
    </message>
</context>
<context>
    <name>sheets</name>
    <message>
        <location filename="../common/core/sheets/firstsheet.cpp" line="+76"/>
        <source>La etiqueta «%1» no existe: escriba un número entero del 1 al %2.</source>
        <translation>Label “%1” does not exist: type a whole number from 1 to %2.</translation>
    </message>
    <message>
        <location filename="../common/core/sheets/stock.cpp" line="+56"/>
        <source>Hace falta al menos una columna y una fila.</source>
        <translation>At least one column and one row are needed.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 etiquetas en una hoja son demasiadas: como mucho, %2.</source>
        <translation>%1 labels on one sheet are too many: %2 at most.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>El papel y las etiquetas deben medir más de 0 mm.</source>
        <translation>The paper and the labels must measure more than 0 mm.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Los márgenes y las distancias no pueden ser negativos.</source>
        <translation>Margins and distances cannot be negative.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>De una etiqueta a la siguiente hay %1 mm, menos que su ancho (%2 mm): se montarían.</source>
        <translation>From one label to the next there are %1 mm, less than their width (%2 mm): they would overlap.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>De una fila a la siguiente hay %1 mm, menos que el alto de las etiquetas (%2 mm): se montarían.</source>
        <translation>From one row to the next there are %1 mm, less than the height of the labels (%2 mm): they would overlap.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Las etiquetas no caben en el papel: la última columna acaba a %1 mm del borde izquierdo y el papel mide %2 mm de ancho.</source>
        <translation>The labels do not fit on the paper: the last column ends %1 mm from the left edge and the paper is %2 mm wide.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las etiquetas no caben en el papel: la última fila acaba a %1 mm del borde superior y el papel mide %2 mm de alto.</source>
        <translation>The labels do not fit on the paper: the last row ends %1 mm from the top edge and the paper is %2 mm high.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Carta</source>
        <translation>Letter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 de %2 × %3 mm (%4, %5), %6</source>
        <translation>%1 of %2 × %3 mm (%4, %5), %6</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n label</numerusform>
            <numerusform>%n labels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n columnas</source>
        <translation>
            <numerusform>%n column</numerusform>
            <numerusform>%n columns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n filas</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../common/core/sheets/stockchoice.cpp" line="+80"/>
        <source>Escriba un nombre para la hoja: con él la elegirá otra vez.</source>
        <translation>Type a name for the sheet: you will choose it again by that name.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» es un producto del catálogo: dé otro nombre a su hoja.</source>
        <translation>“%1” is a product in the catalogue: give your sheet another name.</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <location filename="../common/core/program/startup.cpp" line="+56"/>
        <source>La hoja «%1» que fijó el administrador no está en el catálogo: no se tiene en cuenta.</source>
        <translation>The sheet “%1” set by the administrator is not in the catalogue: it is ignored.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>El diseño «%1» que fijó el administrador no se puede usar (%2): no se tiene en cuenta.</source>
        <translation>The design “%1” set by the administrator cannot be used (%2): it is ignored.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>El idioma «%1» que fijó el administrador no es uno de los del programa (es, ca, gl, eu, en): no se tiene en cuenta.</source>
        <translation>The language “%1” set by the administrator is not one of the program’s languages (es, ca, gl, eu, en): it is ignored.</translation>
    </message>
</context>
<context>
    <name>surface</name>
    <message>
        <location filename="../common/core/walks/surface.cpp" line="+29"/>
        <source>unidad no admitida: %1</source>
        <translation>unsupported unit: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>tamaño de letra no válido: %1</source>
        <translation>invalid font size: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+10"/>
        <source>posición no válida</source>
        <translation>invalid position</translation>
    </message>
</context>
<context>
    <name>testsheet</name>
    <message>
        <location filename="../common/core/walks/testsheet.cpp" line="+113"/>
        <source>%1: fila %2, col. %3</source>
        <translation>%1: row %2, col. %3</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: sin coordenadas (%2)</source>
        <translation>%1: no coordinates (%2)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>ARRIBA</source>
        <translation>TOP</translation>
    </message>
</context>
</TS>
