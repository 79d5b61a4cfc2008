<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>CorrectionWindow</name>
    <message>
        <location filename="../common/ui/printing/correctionwindow.cpp" line="+21"/>
        <source>Corregir impresora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Imprima la hoja de prueba. Con una regla, mida en milímetros la distancia del centro de cada cruz al borde izquierdo y al borde superior del papel. Mida al menos cuatro cruces que no estén en una misma fila ni en una misma columna (las esquinas son las mejores): con tres, un error al medir no se notaría.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde la izquierda (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde arriba (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Calcular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quitar corrección</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Impresora: %1. Corrección en uso: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1. Sin corrección.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>La fila %1 no tiene una etiqueta y dos medidas en milímetros: «%2», «%3», «%4».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No hay ninguna impresora a la que corregir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1.

¿Guardar esta corrección para la impresora «%2»? Se aplicará a todo lo que se imprima en ella.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstSheetPanel</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="+86"/>
        <source>Empezar en la etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Primera etiqueta libre de la hoja, del 1 al %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <location filename="../common/ui/frame/mainwindowbase.cpp" line="+90"/>
        <source>Menú</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source> · Hoja: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <location filename="../common/ui/printing/previewwindow.cpp" line="+58"/>
        <source>Menú</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+22"/>
        <source>Regresar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReviewFlow</name>
    <message numerus="yes">
        <location filename="../common/ui/review/reviewflow.cpp" line="+68"/>
        <source>Se imprimirán %n etiquetas (%1 generadas)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewModel</name>
    <message>
        <location filename="../common/ui/review/reviewwindow.cpp" line="+68"/>
        <source>Nº</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hoja · lugar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imprimir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisión</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <location line="+124"/>
        <source>Revisar las etiquetas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Editar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deshacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Imprimir solo las seleccionadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n etiquetas; se imprimirán %1. Con avisos: %2. Editadas: %3.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Etiqueta %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetMap</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="-71"/>
        <source>Pulse una etiqueta para marcarla como usada o libre</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StockWindow</name>
    <message>
        <location filename="../common/ui/stock/stockwindow.cpp" line="+86"/>
        <source>Otra hoja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de etiquetas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Marca, producto o medidas: Herma, 4102, 48,5 x 25,4</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n hojas en el catálogo; no se muestran %1 que estos programas no pueden imprimir (etiquetas redondas, ovaladas o de CD, o en varias rejillas).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Usar esta hoja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Otra hoja…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Carta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Papel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Columnas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ancho de la etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alto de la etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen izquierdo, hasta la primera etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen superior, hasta la primera etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una etiqueta a la siguiente, a lo ancho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una fila a la siguiente, a lo alto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Guardar y usar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1%2 — %3 × %4 mm, %5 por hoja, %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (suya)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 (mía)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>«%1» no es un número: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Las columnas y las filas se cuentan con números enteros.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <location filename="../common/batch/batchjob.cpp" line="+59"/>
        <source>Falta el nombre del archivo tras --pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el papel tras --paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la etiqueta tras --start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el número tras --copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faltan las medidas tras --correction-from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el nombre de la hoja tras --stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Falta el tamaño tras --font-size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Opción desconocida: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La opción --%1 no lleva ningún valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Tamaño de letra no válido: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Papel no válido: %1 (a4 o letter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Sobra «%1» en la orden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Falta --pdf ARCHIVO.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>La hoja «%1» no está en el catálogo ni entre las que escribió en &quot;Otra hoja…&quot;; --list-stocks TEXTO escribe las que hay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
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
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+76"/>
        <source>%n hojas en el catálogo (%1 que no se pueden imprimir se omiten: %2 redondas o de CD, %3 de varias rejillas, %4 mal descritas); %5 suyas.
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>No se pudo escribir el PDF: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <location filename="../common/core/sheets/catalogue.cpp" line="+130"/>
        <source>no se puede leer la medida %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+68"/>
        <source>%1: mide más de %2 MB; no se lee.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no se puede abrir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no es un archivo de plantillas; no se lee.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: se deja de leer en la línea %2 (%3); se toman las %4 hojas anteriores.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>es igual a %1 %2, que no está</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <location filename="../common/core/check/labelcheck.cpp" line="+20"/>
        <source>Etiqueta %1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Una etiqueta no saldrá bien en el papel:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 etiquetas no saldrán bien en el papel:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
... y %1 más.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>correction</name>
    <message>
        <location filename="../common/core/correction/correction.cpp" line="+88"/>
        <source>Medida no válida: «%1» (la etiqueta, dos puntos y las distancias en milímetros a los bordes izquierdo y superior, separadas por una coma, como 1:28.5,30.2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Seguramente está activada la opción «Ajustar a la página» (o «Ajustar al tamaño del papel») en las preferencias de la impresora: desactívela, imprima otra hoja de prueba y mida de nuevo. Si no, revise que las medidas estén en milímetros.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Según estas medidas, la impresora estira la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Según estas medidas, la impresora encoge la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Según estas medidas, la impresora desplaza la hoja %1 mm: ninguna lo hace tanto. Revise las medidas: son los milímetros del borde izquierdo y del superior del papel al centro de cada cruz, y cada fila lleva el número de su cruz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Según estas medidas, la impresora tuerce la hoja %1 mm cada 10 cm: revise que el papel entra recto en la bandeja, y las medidas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Hacen falta al menos cuatro cruces medidas: con tres, un error al medir no se notaría.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>La etiqueta %1 no existe: la hoja tiene de la 1 a la %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>La etiqueta %1 no tiene cruz en la hoja de prueba: su posición no es un número.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>La cruz %1 está medida dos veces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Las cruces están todas en una fila: hace falta medir también cruces de otra fila.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Las cruces están todas en una columna: hace falta medir también cruces de otra columna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Las cruces están en línea recta: elija cruces que formen un triángulo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>La medida de la cruz %1 no concuerda con las demás: se aparta %2 mm. Mídala de nuevo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las medidas no concuerdan entre sí (una se aparta %1 mm): mida de nuevo las cruces, o mida una más.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, y %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>estira la hoja un %1 % a lo ancho y a lo alto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % a lo ancho y a lo alto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>estira la hoja un %1 % de izquierda a derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de izquierda a derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>estira la hoja un %1 % de arriba abajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de arriba abajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 mm a la derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm a la izquierda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 mm hacia abajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm hacia arriba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>desplaza %1 y %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desplaza %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la tuerce %1 mm cada 10 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la impresora pone cada cruz en su sitio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la impresora %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fichas</name>
    <message>
        <location filename="../fichas/core/fullcheck.cpp" line="+19"/>
        <source>la línea «%1» de la clasificación se monta sobre el código de barras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la línea «%1» de la clasificación se monta sobre el autor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>la línea «%1» de la clasificación se monta sobre el título</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>«%1» (el código de barras) se sale de la etiqueta por la derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» (el autor) se sale de la etiqueta por la derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (el título) se sale de la etiqueta por la derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (la clasificación) se sale de la etiqueta por la derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>sin código de barras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la línea «%1…» de la clasificación pasa de %2 caracteres y se corta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>el autor no cabe en dos líneas y pierde palabras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el título no cabe en dos líneas y pierde palabras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>se sale de la etiqueta por abajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>se sale del papel por abajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>se monta sobre la etiqueta de abajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../fichas/core/fullgeneration.cpp" line="+308"/>
        <source>El archivo de etiquetas no trae los mismos datos para todos los ejemplares: se encontraron %1 códigos de barras, %2 clasificaciones, %3 títulos y %4 autores.
Las etiquetas no corresponderán a sus ejemplares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../fichas/program.cpp" line="+19"/>
        <source>Uso: fichas --pdf ARCHIVO.pdf [--paper a4|letter] [--start N] [--skip LISTA]
              [--labels LISTA] [--copies N] [--correction-from MEDIDAS]
              [--stock HOJA] [--strict]
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
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Código de barras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clasificación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Título</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>La hoja de siempre: 36 etiquetas completas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mensaje:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Continuar?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Si los datos de los ejemplares no coinciden, lo avisa en la salida de errores
y sigue.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fichas::MainWindow</name>
    <message>
        <location filename="../fichas/ui/mainwindow.cpp" line="+16"/>
        <source>Hoja de etiquetas…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Universidad Oderin Tesalore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Directorio cliente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Base Adm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Generar
Etiquetas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vista Previa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Revisar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Imprimir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limpiar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Corregir impresora…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <location filename="../common/core/files/textfile.cpp" line="+108"/>
        <source>%1 no es un archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo crear la carpeta %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labelprinter</name>
    <message>
        <location filename="../common/ui/printing/labelprinter.cpp" line="+48"/>
        <source>La impresora predeterminada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Impresora de etiquetas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora a la que van las etiquetas:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Impresora: %1 (no está)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1, corregida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Impresora: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Impresora: no hay ninguna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada), corregida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La impresora de etiquetas «%1» ya no está en este equipo: se imprime en la impresora predeterminada.

Puede elegir otra en el menú, en &quot;Impresora de etiquetas…&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lomos</name>
    <message>
        <location filename="../lomos/program.cpp" line="+19"/>
        <source>Uso: lomos --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]
             [--start N] [--skip LISTA] [--labels LISTA] [--copies N]
             [--correction-from MEDIDAS] [--stock HOJA] [--strict]
       lomos --pdf ARCHIVO.pdf --test-sheet [--paper a4|letter] [--stock HOJA]
       lomos --list-stocks [TEXTO]

Genera las etiquetas de lomo sin abrir ninguna ventana, igual que al pulsar
&quot;Generar&quot; y luego &quot;Imprimir&quot;, pero las guarda en un archivo PDF.

Toma el directorio cliente y la base administrativa del archivo de
configuración (ini.prn), lee el archivo de etiquetas itemlbl.prn y coloca
cada etiqueta en la posición del archivo de coordenadas (cy.txt).

Opciones:
  --pdf ARCHIVO.pdf   archivo PDF que se crea (se reemplaza si existe)
  --font-size N       tamaño de la letra en puntos (8 si no se indica)
  --paper a4|letter   tamaño del papel (a4 si no se indica)
  --start N           empieza en la etiqueta N (1 a %1) de la primera hoja
  --test-sheet        escribe la hoja de prueba de las %1 posiciones en lugar
                      de las etiquetas (no necesita configuración)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+90"/>
        <source>La hoja de siempre: 33 etiquetas de lomo, en las posiciones de &quot;Configurar&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Continuar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clasificación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../lomos/core/spinecheck.cpp" line="+77"/>
        <source>sin clasificación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no tiene ninguna línea que imprimir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la clasificación tiene más de seis partes: lo que sigue a la sexta no se imprime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>la línea «%1» mide %2 cm y hasta el borde derecho hay %3 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la línea «%1» mide %2 cm y la etiqueta mide %3 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la línea «%1» mide %2 cm y hasta el borde de la etiqueta hay %3 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>sus líneas se salen del papel por abajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sus líneas pasan a la etiqueta de abajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sus líneas se salen de la etiqueta por abajo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lomos::CoordinateEditor</name>
    <message>
        <location filename="../lomos/ui/coordinateeditor.cpp" line="+40"/>
        <source>Cambio vertical Fila 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical fila 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio verticall Fila 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Menú</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+62"/>
        <location line="+72"/>
        <source>Regresar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+57"/>
        <source>Fila %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+36"/>
        <source>Cambio columna %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+75"/>
        <source>Guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Inicializar Coordenadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+58"/>
        <source>Hoja de prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+54"/>
        <source>Corregir impresora…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-39"/>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cambio vertical Fila %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Margen dentro de cada etiqueta (mm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Rellenar desde la hoja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2. Posiciones en cm desde la esquina del papel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Teclea el nuevo valor para las etiquetas de la fila %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Teclea el nuevo valor horizontal para las etiquetas de la columna %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>El margen dentro de cada etiqueta va de %1 mm a menos de la mitad de la etiqueta: «%2» no vale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No se pudo guardar el archivo de coordenadas:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Las coordenadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>¿Guardar los cambios en las coordenadas?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lomos::FontSizeWindow</name>
    <message>
        <location filename="../lomos/ui/fontsizewindow.cpp" line="+14"/>
        <source>Tamaño de la Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Seleccione el tamaño:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(Se recomienda 8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lomos::MainWindow</name>
    <message>
        <location filename="../lomos/ui/mainwindow.cpp" line="+21"/>
        <source>Tamaño de Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hoja de etiquetas…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora de etiquetas…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Corregir impresora…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Generar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vista Previa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imprimir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configurar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limpiar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Directorio cliente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Base administrativa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Se va a imprimir con tamaño 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Se va a imprimir con tamaño: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <location filename="../common/core/text/messages.h" line="+18"/>
        <source>Estimado Usuario:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta especificar información</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 Etiquetas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recoja sus impresiones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hay ninguna etiqueta que imprimir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No queda ninguna etiqueta libre en la primera hoja: desmarque alguna en el mapa de la hoja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Imprimir de todos modos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Descartar los cambios de la revisión?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se han generado %n etiquetas</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No se pudo leer el archivo de etiquetas:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 se guardaron solo para este usuario, en:
%2

No se puede escribir en %3. Mientras exista esa copia, es la que se usa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudieron guardar el directorio cliente y la base administrativa en %1: %2.

Las etiquetas se hacen con lo escrito, pero la próxima vez habrá que escribirlo de nuevo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudo imprimir: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <location filename="../common/paint/paintersurface.cpp" line="+94"/>
        <source>no se pudo empezar una hoja nueva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>el trabajo no se pudo terminar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>no hay ninguna impresora predeterminada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la impresora «%1» no acepta el trabajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>el sistema de impresión rechazó el trabajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la cola «%1» rechazó el trabajo (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+18"/>
        <source>no se pudo escribir %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <source>no se pudo escribir %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo dibujar en la vista previa</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>review</name>
    <message>
        <location filename="../common/core/review/jobselection.cpp" line="+44"/>
        <source>Lista de etiquetas no válida: «%1» (números desde 1 separados por comas, o intervalos como 5-6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>La etiqueta %1 no está en la lista: hay %n etiquetas</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Número de copias no válido: «%1» (de 1 a %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../common/core/review/review.cpp" line="+24"/>
        <source>%1 ocupa una sola línea.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: caben %2 líneas como mucho.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1, línea %2: tiene %3 caracteres y caben %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sheets</name>
    <message>
        <location filename="../common/core/sheets/firstsheet.cpp" line="+71"/>
        <source>La etiqueta «%1» no existe: escriba un número entero del 1 al %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../common/core/sheets/stock.cpp" line="+43"/>
        <source>Hace falta al menos una columna y una fila.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 etiquetas en una hoja son demasiadas: como mucho, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>El papel y las etiquetas deben medir más de 0 mm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Los márgenes y las distancias no pueden ser negativos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>De una etiqueta a la siguiente hay %1 mm, menos que su ancho (%2 mm): se montarían.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>De una fila a la siguiente hay %1 mm, menos que el alto de las etiquetas (%2 mm): se montarían.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Las etiquetas no caben en el papel: la última columna acaba a %1 mm del borde izquierdo y el papel mide %2 mm de ancho.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las etiquetas no caben en el papel: la última fila acaba a %1 mm del borde superior y el papel mide %2 mm de alto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Carta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 de %2 × %3 mm (%4, %5), %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n etiquetas</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n columnas</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n filas</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../common/core/sheets/stockchoice.cpp" line="+79"/>
        <source>Escriba un nombre para la hoja: con él la elegirá otra vez.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» es un producto del catálogo: dé otro nombre a su hoja.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>surface</name>
    <message>
        <location filename="../common/core/walks/surface.cpp" line="+29"/>
        <source>unidad no admitida: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>tamaño de letra no válido: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+6"/>
        <location line="+20"/>
        <source>posición no válida</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>testsheet</name>
    <message>
        <location filename="../common/core/walks/testsheet.cpp" line="+63"/>
        <source>%1: fila %2, col. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: sin coordenadas (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
