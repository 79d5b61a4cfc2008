<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="es">
<context>
    <name>CorrectionWindow</name>
    <message>
        <location filename="../common/ui/printing/correctionwindow.cpp" line="+21"/>
        <source>Corregir impresora</source>
        <translation>Corrixir impresora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Imprima la hoja de prueba. Con una regla, mida en milímetros la distancia del centro de cada cruz al borde izquierdo y al borde superior del papel. Mida al menos cuatro cruces que no estén en una misma fila ni en una misma columna (las esquinas son las mejores): con tres, un error al medir no se notaría.</source>
        <translation>Imprima a folla de proba. Cunha regra, mida en milímetros a distancia do centro de cada cruz ao bordo esquerdo e ao bordo superior do papel. Mida polo menos catro cruces que non estean nunha mesma fila nin nunha mesma columna (as esquinas son as mellores): con tres, un erro ao medir non se notaría.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Etiqueta</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde la izquierda (mm)</source>
        <translation>Desde a esquerda (mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde arriba (mm)</source>
        <translation>Desde arriba (mm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Medida %1, etiqueta</source>
        <translation>Medida %1, etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medida %1, desde la izquierda (mm)</source>
        <translation>Medida %1, desde a esquerda (mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medida %1, desde arriba (mm)</source>
        <translation>Medida %1, desde arriba (mm)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>C&amp;alcular</source>
        <translation>C&amp;alcular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quitar corrección</source>
        <translation>&amp;Quitar corrección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Pechar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No hay ninguna impresora en este equipo: instale la de las etiquetas para imprimir la hoja de prueba y corregirla.</source>
        <translation>Non hai ningunha impresora neste equipo: instale a das etiquetas para imprimir a folla de proba e corrixila.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impresora: %1. Corrección en uso: %2.</source>
        <translation>Impresora: %1. Corrección en uso: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1. Sin corrección.</source>
        <translation>Impresora: %1. Sen corrección.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>La fila %1 no tiene una etiqueta y dos medidas en milímetros: «%2», «%3», «%4».</source>
        <translation>A fila %1 non ten unha etiqueta e dúas medidas en milímetros: «%2», «%3», «%4».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No hay ninguna impresora a la que corregir.</source>
        <translation>Non hai ningunha impresora que corrixir.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1.

¿Guardar esta corrección para la impresora «%2»? Se aplicará a todo lo que se imprima en ella.</source>
        <translation>%1.

Gardar esta corrección para a impresora «%2»? Aplicarase a todo o que se imprima nela.</translation>
    </message>
</context>
<context>
    <name>DesignWindow</name>
    <message>
        <location filename="../common/ui/design/designwindow.cpp" line="+30"/>
        <source>Diseños de etiqueta (*.ini);;Todos los archivos (*)</source>
        <translation>Deseños de etiqueta (*.ini);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Diseño de la etiqueta</source>
        <translation>Deseño da etiqueta</translation>
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
        <translation>&amp;Siglas das liñas de enriba e de embaixo:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Una etiqueta con este diseño, en sus proporciones</source>
        <translation>Unha etiqueta con este deseño, nas súas proporcións</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La hoja de etiquetas con este diseño</source>
        <translation>A folla de etiquetas con este deseño</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A&amp;brir…</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Guardar como…</source>
        <translation>&amp;Gardar como…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sin dise&amp;ño</source>
        <translation>Sen deseñ&amp;o</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Usar</source>
        <translation>&amp;Usar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>la de siempre</source>
        <translation>a de sempre</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Siglas: %1</source>
        <translation>Siglas: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Abrir un diseño de etiqueta</source>
        <translation>Abrir un deseño de etiqueta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>El diseño «%1» no se puede usar: %2.</source>
        <translation>O deseño «%1» non se pode usar: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>diseño.ini</source>
        <translation>deseño.ini</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guardar el diseño de etiqueta</source>
        <translation>Gardar o deseño de etiqueta</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>No se pudo guardar el diseño en «%1»: %2</source>
        <translation>Non se puido gardar o deseño en «%1»: %2</translation>
    </message>
</context>
<context>
    <name>FirstSheetPanel</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="+150"/>
        <source>&amp;Empezar en la etiqueta</source>
        <translation>Come&amp;zar na etiqueta</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Primera etiqueta libre de la hoja, del 1 al %1</source>
        <translation>Primeira etiqueta libre da folla, da 1 á %1</translation>
    </message>
</context>
<context>
    <name>JobsWindow</name>
    <message>
        <location filename="../common/ui/history/jobswindow.cpp" line="+29"/>
        <source>&amp;Abrir</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quitar</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trabajos anteriores</source>
        <translation>Traballos anteriores</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Buscar:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>una signatura, o cualquier texto de las etiquetas</source>
        <translation>unha sinatura, ou calquera texto das etiquetas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Trabajos guardados</source>
        <translation>Traballos gardados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Etiquetas</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Primera signatura</source>
        <translation>Primeira sinatura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Última signatura</source>
        <translation>Última sinatura</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hoja</source>
        <translation>Folla</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Pechar</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>la de siempre</source>
        <translation>a de sempre</translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>¿Quitar el trabajo del %1, de %n etiquetas? No se podrá recuperar.</source>
        <translation>
            <numerusform>Eliminar o traballo do %1, de %n etiqueta? Non se poderá recuperar.</numerusform>
            <numerusform>Eliminar o traballo do %1, de %n etiquetas? Non se poderá recuperar.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No se pudo quitar el trabajo: su archivo no se deja borrar.</source>
        <translation>Non se puido eliminar o traballo: non se pode borrar o seu ficheiro.</translation>
    </message>
</context>
<context>
    <name>LabelPrinterWindow</name>
    <message>
        <location filename="../common/ui/printing/labelprinterwindow.cpp" line="+37"/>
        <source>Imprimir una etiqueta de &amp;prueba</source>
        <translation>Imprimir unha etiqueta de &amp;proba</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Impresora de etiquetas</source>
        <translation>Impresora de etiquetas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La impresora predeterminada</source>
        <translation>A impresora predeterminada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Impresora a la que van las etiquetas:</source>
        <translation>&amp;Impresora á que van as etiquetas:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sin girar</source>
        <translation>Sen xirar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1° a la derecha</source>
        <translation>%1° á dereita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Girar la página:</source>
        <translation>&amp;Xirar a páxina:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Algunas impresoras de etiquetas en rollo sacan la etiqueta girada. Imprima una etiqueta de prueba: si la flecha no apunta hacia el extremo de arriba de la etiqueta, elija otro giro y pruebe de nuevo.</source>
        <translation>Algunhas impresoras de etiquetas en rolo sacan a etiqueta xirada. Imprima unha etiqueta de proba: se a frecha non apunta cara ao extremo de arriba da etiqueta, escolla outro xiro e volva probar.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Elija antes una hoja de una etiqueta por página (un rollo).</source>
        <translation>Escolla antes unha folla dunha etiqueta por páxina (un rolo).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Aceptar</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <location filename="../common/ui/frame/mainwindowbase.cpp" line="+108"/>
        <source>La impresora «%1» que fijó el administrador no está en este equipo: no se tiene en cuenta.</source>
        <translation>A impresora «%1» que fixou o administrador non está neste equipo: non se ten en conta.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>El diseño de la etiqueta «%1» no se puede usar: %2. Las etiquetas se imprimen sin diseño hasta que elija otro en «Diseño de la etiqueta…».</source>
        <translation>O deseño da etiqueta «%1» non se pode usar: %2. As etiquetas imprímense sen deseño ata que escolla outro en «Deseño da etiqueta…».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Menú</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Trabajos &amp;anteriores…</source>
        <translation>Traballos &amp;anteriores…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Salir</source>
        <translation>&amp;Saír</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>I&amp;dioma</source>
        <translation>Idiom&amp;a</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>El programa se mostrará en %1 la próxima vez que lo abra.</source>
        <translation>O programa amosarase en %1 a próxima vez que o abra.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Lo fija el administrador del equipo: %1</source>
        <translation>Fixado polo administrador do equipo: %1</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Ese trabajo ya no está guardado.</source>
        <translation>Ese traballo xa non está gardado.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Trabajo del %1: %n etiquetas</source>
        <translation>
            <numerusform>Traballo do %1: %n etiqueta</numerusform>
            <numerusform>Traballo do %1: %n etiquetas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> · Hoja: %1</source>
        <translation> · Folla: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> · Diseño: %1</source>
        <translation> · Deseño: %1</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <location filename="../common/ui/printing/previewwindow.cpp" line="+31"/>
        <source>Hoja en pantalla</source>
        <translation>Folla en pantalla</translation>
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
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>&amp;Anterior</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Siguiente</source>
        <translation>&amp;Seguinte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A&amp;mpliar</source>
        <translation>Am&amp;pliar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re&amp;ducir</source>
        <translation>Re&amp;ducir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hoja &amp;entera</source>
        <translation>Folla &amp;enteira</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Hoja %1 de %2</source>
        <translation>Folla %1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hay más hojas</source>
        <translation>Non hai máis follas</translation>
    </message>
</context>
<context>
    <name>PrintFlow</name>
    <message>
        <location filename="../common/ui/printing/printflows.cpp" line="+102"/>
        <source>%1

No hay ninguna impresora en este equipo. Puede guardar las etiquetas en un PDF e imprimirlo en otro.</source>
        <translation>%1

Non hai ningunha impresora neste equipo. Pode gardar as etiquetas nun PDF e imprimilo noutro.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guardar como PDF…</source>
        <translation>Gardar como PDF…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guardar como PDF</source>
        <translation>Gardar como PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>etiquetas.pdf</source>
        <translation>etiquetas.pdf</translation>
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
            <numerusform>Imprimirase %n etiqueta (xeradas: %1; novas: %2)</numerusform>
            <numerusform>Imprimiranse %n etiquetas (xeradas: %1; novas: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se imprimirán %n etiquetas (%1 generadas)</source>
        <translation>
            <numerusform>Imprimirase %n etiqueta (xeradas: %1)</numerusform>
            <numerusform>Imprimiranse %n etiquetas (xeradas: %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewModel</name>
    <message>
        <location filename="../common/ui/review/reviewwindow.cpp" line="+79"/>
        <source>Nº</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hoja · lugar</source>
        <translation>Folla · lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copias</source>
        <translation>Copias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisión</source>
        <translation>Revisión</translation>
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
        <translation>Revisar as etiquetas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Etiquetas del trabajo</source>
        <translation>Etiquetas do traballo</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Editar…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Deshacer</source>
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nueva etiqueta…</source>
        <translation>&amp;Nova etiqueta…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Imprimir solo las seleccionadas</source>
        <translation>&amp;Imprimir só as seleccionadas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Pechar</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n etiquetas; se imprimirán %1. Con avisos: %2. Editadas: %3.</source>
        <translation>
            <numerusform>%n etiqueta; para imprimir: %1. Con avisos: %2. Editadas: %3.</numerusform>
            <numerusform>%n etiquetas; para imprimir: %1. Con avisos: %2. Editadas: %3.</numerusform>
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
        <translation>Nova etiqueta</translation>
    </message>
</context>
<context>
    <name>SheetMap</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="-139"/>
        <source>Mapa de la primera hoja</source>
        <translation>Mapa da primeira folla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pulse una etiqueta para marcarla como usada o libre; con el teclado, las flechas y la barra espaciadora</source>
        <translation>Prema nunha etiqueta para marcala como usada ou libre; co teclado, coas frechas e a barra de espazo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Todas las etiquetas libres; se empieza en la %1.</source>
        <translation>Todas as etiquetas libres; comézase na %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Usadas: %1. Se empieza en la %2.</source>
        <translation>Usadas: %1. Comézase na %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Todas las etiquetas usadas.</source>
        <translation>Todas as etiquetas usadas.</translation>
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
        <translation>Outra folla</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de etiquetas</source>
        <translation>Folla de etiquetas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Marca, producto o medidas: Herma, 4102, 48,5 x 25,4</source>
        <translation>Marca, produto ou medidas: Herma, 4102, 48,5 x 25,4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Buscar una hoja</source>
        <translation>Buscar unha folla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hojas que coinciden</source>
        <translation>Follas que coinciden</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n hojas en el catálogo; no se muestran %1 que estos programas no pueden imprimir (etiquetas redondas, ovaladas o de CD, o en varias rejillas).</source>
        <translation>
            <numerusform>%n folla no catálogo; non se amosan %1 que estes programas non poden imprimir (etiquetas redondas, ovaladas ou de CD, ou en varias grellas).</numerusform>
            <numerusform>%n follas no catálogo; non se amosan %1 que estes programas non poden imprimir (etiquetas redondas, ovaladas ou de CD, ou en varias grellas).</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Usar esta hoja</source>
        <translation>Usar esta folla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Otra hoja…</source>
        <translation>Outra folla…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nombre</source>
        <translation>Nome</translation>
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
        <translation>Papel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (mm)</source>
        <translation> (mm)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Columnas</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filas</source>
        <translation>Filas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ancho de la etiqueta</source>
        <translation>Largura da etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alto de la etiqueta</source>
        <translation>Altura da etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen izquierdo, hasta la primera etiqueta</source>
        <translation>Marxe esquerda, ata a primeira etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen superior, hasta la primera etiqueta</source>
        <translation>Marxe superior, ata a primeira etiqueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una etiqueta a la siguiente, a lo ancho</source>
        <translation>Dunha etiqueta á seguinte, en horizontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una fila a la siguiente, a lo alto</source>
        <translation>Dunha fila á seguinte, en vertical</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Guardar y usar</source>
        <translation>Gardar e usar</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1%2 — %3 × %4 mm, %5 por hoja, %6</source>
        <translation>%1%2 — %3 × %4 mm, %5 por folla, %6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (suya)</source>
        <translation> (súa)</translation>
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
        <translation>%1 (miña)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>«%1» no es un número: %2.</source>
        <translation>«%1» non é un número: %2.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Las columnas y las filas se cuentan con números enteros.</source>
        <translation>As columnas e as filas cóntanse con números enteiros.</translation>
    </message>
</context>
<context>
    <name>barcode</name>
    <message>
        <location filename="../common/barcode/barcode.cpp" line="+65"/>
        <source>no hay código que dibujar</source>
        <translation>non hai código que debuxar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no queda memoria para dibujarlo</source>
        <translation>non queda memoria para debuxalo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>el código de barras «%1» no se puede dibujar en %2</source>
        <translation>o código de barras «%1» non se pode debuxar en %2</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <location filename="../common/batch/batchjob.cpp" line="+43"/>
        <source>Idioma desconocido: «%1» (es, ca, gl, eu, en)</source>
        <translation>Idioma descoñecido: «%1» (es, ca, gl, eu, en)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>El idioma lo fija el administrador: %1</source>
        <translation>O idioma está fixado polo administrador: %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Falta el nombre del archivo tras --pdf</source>
        <translation>Falta o nome do ficheiro despois de --pdf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el nombre de la impresora tras --printer</source>
        <translation>Falta o nome da impresora despois de --printer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el papel tras --paper</source>
        <translation>Falta o papel despois de --paper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la etiqueta tras --start</source>
        <translation>Falta a etiqueta despois de --start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --skip</source>
        <translation>Falta a lista despois de --skip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --labels</source>
        <translation>Falta a lista despois de --labels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el número tras --copies</source>
        <translation>Falta o número despois de --copies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faltan las medidas tras --correction-from</source>
        <translation>Faltan as medidas despois de --correction-from</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el nombre de la hoja tras --stock</source>
        <translation>Falta o nome da folla despois de --stock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la etiqueta tras --add-label</source>
        <translation>Falta a etiqueta despois de --add-label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el archivo tras --design</source>
        <translation>Falta o ficheiro despois de --design</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el idioma tras --language</source>
        <translation>Falta o idioma despois de --language</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el número del trabajo tras --job</source>
        <translation>Falta o número do traballo despois de --job</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Falta el tamaño tras --font-size</source>
        <translation>Falta o tamaño despois de --font-size</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Opción desconocida: %1</source>
        <translation>Opción descoñecida: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La opción --%1 no lleva ningún valor</source>
        <translation>A opción --%1 non leva ningún valor</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tamaño de letra no válido: %1 (de %2 a %3 puntos)</source>
        <translation>Tamaño de letra non válido: %1 (de %2 a %3 puntos)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Número de trabajo no válido: %1 (1 es el último)</source>
        <translation>Número de traballo non válido: %1 (1 é o último)</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>--job y --add-label no van juntas: las etiquetas son las del trabajo o las escritas</source>
        <translation>--job e --add-label non van xuntas: as etiquetas son as do traballo ou as escritas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--pdf y --printer no van juntas: el trabajo va a un PDF o a una impresora</source>
        <translation>--pdf e --printer non van xuntas: o traballo vai a un PDF ou a unha impresora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--correction-from corrige un PDF; una impresora usa la corrección guardada para ella</source>
        <translation>--correction-from corrixe un PDF; unha impresora usa a corrección gardada para ela</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Falta --pdf ARCHIVO.pdf o --printer IMPRESORA</source>
        <translation>Falta --pdf FICHEIRO.pdf ou --printer IMPRESORA</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>La hoja la fija el administrador: %1</source>
        <translation>A folla está fixada polo administrador: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>El diseño lo fija el administrador: %1</source>
        <translation>O deseño está fixado polo administrador: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>El diseño «%1» no se puede usar: %2</source>
        <translation>O deseño «%1» non se pode usar: %2</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>No hay ningún trabajo %1 guardado; --list-jobs escribe los que hay.</source>
        <translation>Non hai ningún traballo %1 gardado; --list-jobs escribe os que hai.</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>Papel no válido: %1 (a4 o letter)</source>
        <translation>Papel non válido: %1 (a4 ou letter)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Sobra «%1» en la orden</source>
        <translation>Sobra «%1» na orde</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>La hoja «%1» no está en el catálogo ni entre las que escribió en &quot;Otra hoja…&quot;; --list-stocks TEXTO escribe las que hay.</source>
        <translation>A folla «%1» non está no catálogo nin entre as que escribiu en «Outra folla…»; --list-stocks TEXTO escribe as que hai.</translation>
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
        <translation>  --printer IMPRESORA en lugar de --pdf, imprime nesa impresora do sistema,
                      coa súa corrección e o seu xiro, como «Imprimir» na de
                      etiquetas; antes comproba que todo cae onde a impresora
                      chega a imprimir
  --list-printers     escribe as impresoras do sistema e marca a de etiquetas
                      e a predeterminada
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
        <translation>  --list-jobs [TEXTO] escribe os traballos gardados, do último ao primeiro:
                      o seu número, a data, cantas etiquetas e a primeira e a
                      última sinatura; con TEXTO, só os que o teñen nalgunha
                      etiqueta
  --job N             imprime as etiquetas do traballo gardado N (1 é o
                      último) en lugar de ler o ficheiro de etiquetas, co seu
                      deseño se non se indica --design
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
        <translation>  --skip LISTA        deixa baleiras na primeira folla as etiquetas da lista,
                      separadas por comas (por exemplo 3,7,12)
  --labels LISTA      imprime só as etiquetas da lista, nesa orde: números
                      desde 1 separados por comas, ou intervalos
                      (por exemplo 2,5-6)
  --copies N          imprime N copias de cada etiqueta, seguidas (de 1 a 99)
  --correction-from &quot;P:x,y;P:x,y;...&quot;
                      corrixe o erro dunha impresora medido na súa folla de
                      proba: para catro ou máis cruces, a etiqueta e as
                      distancias do seu centro aos bordos esquerdo e superior
                      do papel, en milímetros (1:28.4,20.6;3:...)
  --stock &quot;MARCA PRODUTO&quot;
                      a folla de etiquetas: un produto do catálogo (por
                      exemplo &quot;Herma 4102&quot;) ou unha folla que escribiu en
                      «Outra folla…»; se non se indica, a escollida na xanela
                      (o PDF toma o seu papel e --start e --skip contan as
                      súas etiquetas)
  --list-stocks [TEXTO]
                      escribe as follas do catálogo e as súas que coinciden
                      co texto (marca, produto ou medidas, como 48,5 x 25,4)
  --design FICHEIRO   o deseño da etiqueta: que amosa e como; se non se
                      indica, o escollido na xanela
  --language CÓDIGO   o idioma das mensaxes: es, ca, gl, eu ou en
  --strict            non escribe o PDF se algunha etiqueta non cabe (estado 5)
  --help              amosa esta axuda
  --version           amosa a versión

Escribe «Xeráronse n etiquetas» na saída estándar. Se falta información, non
se pode ler o ficheiro de etiquetas ou non se pode escribir o PDF, escribe o
aviso na saída de erros e remata co estado 2, 3 ou 4 respectivamente (1 se a
orde está mal escrita). Antes de escribir o PDF comproba que cada etiqueta
cabe no seu sitio e escribe na saída de erros o que non cabe.
</translation>
    </message>
    <message numerus="yes">
        <location line="+102"/>
        <source>%n hojas en el catálogo (%1 que no se pueden imprimir se omiten: %2 redondas o de CD, %3 de varias rejillas, %4 mal descritas); %5 suyas.
</source>
        <translation>
            <numerusform>%n folla no catálogo (omítense %1 que non se poden imprimir: %2 redondas ou de CD, %3 de varias grellas, %4 mal descritas); %5 súas.
</numerusform>
            <numerusform>%n follas no catálogo (omítense %1 que non se poden imprimir: %2 redondas ou de CD, %3 de varias grellas, %4 mal descritas); %5 súas.
</numerusform>
        </translation>
    </message>
    <message>
        <location line="+34"/>
        <source>La impresora «%1» no está en este equipo; --list-printers escribe las que hay.</source>
        <translation>A impresora «%1» non está neste equipo; --list-printers escribe as que hai.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No se pudo escribir el PDF: %1</source>
        <translation>Non se puido escribir o PDF: %1</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <location filename="../common/core/sheets/catalogue.cpp" line="+130"/>
        <source>no se puede leer la medida %1</source>
        <translation>non se pode ler a medida %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>%1: mide más de %2 MB; no se lee.</source>
        <translation>%1: mide máis de %2 MB; non se le.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no se puede abrir.</source>
        <translation>%1: non se pode abrir.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no es un archivo de plantillas; no se lee.</source>
        <translation>%1: non é un ficheiro de modelos; non se le.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: se deja de leer en la línea %2 (%3); se toman las %4 hojas anteriores.</source>
        <translation>%1: deixa de lerse na liña %2 (%3); tómanse as %4 follas anteriores.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>es igual a %1 %2, que no está</source>
        <translation>é igual a %1 %2, que non está</translation>
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
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No todo saldrá bien en el papel: %1.</source>
        <translation>Non todo sairá ben no papel: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No todo saldrá bien en el papel: %1, %2.</source>
        <translation>Non todo sairá ben no papel: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
... y %1 más.</source>
        <translation>
... e %1 máis.</translation>
    </message>
    <message>
        <location filename="../common/core/check/margincheck.cpp" line="+98"/>
        <source>la línea «%1» empieza a %2 mm del borde izquierdo del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>a liña «%1» comeza a %2 mm do bordo esquerdo do papel e a impresora non imprime a menos de %3 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras empieza a %1 mm del borde izquierdo del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>o código de barras comeza a %1 mm do bordo esquerdo do papel e a impresora non imprime a menos de %2 mm</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» acaba a %2 mm del borde derecho del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>a liña «%1» remata a %2 mm do bordo dereito do papel e a impresora non imprime a menos de %3 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras acaba a %1 mm del borde derecho del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>o código de barras remata a %1 mm do bordo dereito do papel e a impresora non imprime a menos de %2 mm</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» empieza a %2 mm del borde superior del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>a liña «%1» comeza a %2 mm do bordo superior do papel e a impresora non imprime a menos de %3 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras empieza a %1 mm del borde superior del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>o código de barras comeza a %1 mm do bordo superior do papel e a impresora non imprime a menos de %2 mm</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» acaba a %2 mm del borde inferior del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>a liña «%1» remata a %2 mm do bordo inferior do papel e a impresora non imprime a menos de %3 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras acaba a %1 mm del borde inferior del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>o código de barras remata a %1 mm do bordo inferior do papel e a impresora non imprime a menos de %2 mm</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>sin texto</source>
        <translation>sen texto</translation>
    </message>
</context>
<context>
    <name>correction</name>
    <message>
        <location filename="../common/core/correction/correction.cpp" line="+88"/>
        <source>Medida no válida: «%1» (la etiqueta, dos puntos y las distancias en milímetros a los bordes izquierdo y superior, separadas por una coma, como 1:28.5,30.2)</source>
        <translation>Medida non válida: «%1» (a etiqueta, dous puntos e as distancias en milímetros aos bordos esquerdo e superior, separadas por unha coma, como 1:28.5,30.2)</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Seguramente está activada la opción «Ajustar a la página» (o «Ajustar al tamaño del papel») en las preferencias de la impresora: desactívela, imprima otra hoja de prueba y mida de nuevo. Si no, revise que las medidas estén en milímetros.</source>
        <translation>Seguramente está activada a opción «Axustar á páxina» (ou «Axustar ao tamaño do papel») nas preferencias da impresora: desactívea, imprima outra folla de proba e mida de novo. Se non, comprobe que as medidas estean en milímetros.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Según estas medidas, la impresora estira la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation>Segundo estas medidas, a impresora estira a folla un %1 %: ningunha impresora o fai. %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Según estas medidas, la impresora encoge la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation>Segundo estas medidas, a impresora encolle a folla un %1 %: ningunha impresora o fai. %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Según estas medidas, la impresora desplaza la hoja %1 mm: ninguna lo hace tanto. Revise las medidas: son los milímetros del borde izquierdo y del superior del papel al centro de cada cruz, y cada fila lleva el número de su cruz.</source>
        <translation>Segundo estas medidas, a impresora despraza a folla %1 mm: ningunha o fai tanto. Revise as medidas: son os milímetros desde o bordo esquerdo e desde o superior do papel ata o centro de cada cruz, e cada fila leva o número da súa cruz.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Según estas medidas, la impresora tuerce la hoja %1 mm cada 10 cm: revise que el papel entra recto en la bandeja, y las medidas.</source>
        <translation>Segundo estas medidas, a impresora torce a folla %1 mm cada 10 cm: comprobe que o papel entra dereito na bandexa e revise as medidas.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Hacen falta al menos cuatro cruces medidas: con tres, un error al medir no se notaría.</source>
        <translation>Cómpren polo menos catro cruces medidas: con tres, un erro ao medir non se notaría.</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>La etiqueta %1 no existe: la hoja tiene de la 1 a la %2.</source>
        <translation>A etiqueta %1 non existe: a folla ten da 1 á %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La etiqueta %1 no tiene cruz en la hoja de prueba: su posición no es un número.</source>
        <translation>A etiqueta %1 non ten cruz na folla de proba: a súa posición non é un número.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La cruz %1 está medida dos veces.</source>
        <translation>A cruz %1 está medida dúas veces.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Las cruces están todas en una fila: hace falta medir también cruces de otra fila.</source>
        <translation>As cruces están todas nunha fila: cómpre medir tamén cruces doutra fila.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Las cruces están todas en una columna: hace falta medir también cruces de otra columna.</source>
        <translation>As cruces están todas nunha columna: cómpre medir tamén cruces doutra columna.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Las cruces están en línea recta: elija cruces que formen un triángulo.</source>
        <translation>As cruces están en liña recta: escolla cruces que formen un triángulo.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>La medida de la cruz %1 no concuerda con las demás: se aparta %2 mm. Mídala de nuevo.</source>
        <translation>A medida da cruz %1 non concorda coas demais: desvíase %2 mm. Volva medila.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las medidas no concuerdan entre sí (una se aparta %1 mm): mida de nuevo las cruces, o mida una más.</source>
        <translation>As medidas non concordan entre si (unha desvíase %1 mm): mida de novo as cruces ou mida unha máis.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, y %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>estira la hoja un %1 % a lo ancho y a lo alto</source>
        <translation>estira a folla un %1 % en largura e en altura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % a lo ancho y a lo alto</source>
        <translation>encolle a folla un %1 % en largura e en altura</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>estira la hoja un %1 % de izquierda a derecha</source>
        <translation>estira a folla un %1 % de esquerda a dereita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de izquierda a derecha</source>
        <translation>encolle a folla un %1 % de esquerda a dereita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>estira la hoja un %1 % de arriba abajo</source>
        <translation>estira a folla un %1 % de arriba abaixo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de arriba abajo</source>
        <translation>encolle a folla un %1 % de arriba abaixo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 mm a la derecha</source>
        <translation>%1 mm á dereita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm a la izquierda</source>
        <translation>%1 mm á esquerda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 mm hacia abajo</source>
        <translation>%1 mm cara abaixo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm hacia arriba</source>
        <translation>%1 mm cara arriba</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>desplaza %1 y %2</source>
        <translation>despraza %1 e %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desplaza %1</source>
        <translation>despraza %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la tuerce %1 mm cada 10 cm</source>
        <translation>tórcea %1 mm cada 10 cm</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la impresora pone cada cruz en su sitio</source>
        <translation>a impresora pon cada cruz no seu sitio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la impresora %1</source>
        <translation>a impresora %1</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <location filename="../common/core/design/design.cpp" line="+42"/>
        <source>«%1» no es «si» ni «no»</source>
        <translation>«%1» non é «si» nin «no»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>«%1» no es un tamaño de %2 a %3 puntos</source>
        <translation>«%1» non é un tamaño de %2 a %3 puntos</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>falta el nombre de la letra</source>
        <translation>falta o nome da letra</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>«%1» no es ninguno de: %2</source>
        <translation>«%1» non é ningún destes: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>«%1» no es una etiqueta del archivo, como z30-sub-library</source>
        <translation>«%1» non é unha etiqueta do ficheiro, como z30-sub-library</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>«%1» no es un número de letras de 1 a 30, ni «mayusculas» ni «minusculas»</source>
        <translation>«%1» non é un número de letras de 1 a 30, nin «mayusculas» nin «minusculas»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>son más de %1 líneas</source>
        <translation>son máis de %1 liñas</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>«%1» no es un número de líneas de 0 a %2</source>
        <translation>«%1» non é un número de liñas de 0 a %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>«%1» no son centímetros de más de 0 a %2, ni «fuente»</source>
        <translation>«%1» non son centímetros de máis de 0 a %2, nin «fuente»</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>línea %1: %2</source>
        <translation>liña %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no es un archivo de texto</source>
        <translation>non é un ficheiro de texto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no está escrito en UTF-8</source>
        <translation>non está escrito en UTF-8</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>la sección [%1] no existe</source>
        <translation>a sección [%1] non existe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>falta «=» en «%1»</source>
        <translation>falta «=» en «%1»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>falta el valor antes de «=»</source>
        <translation>falta a clave antes de «=»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>«%1» está fuera de toda sección</source>
        <translation>«%1» está fóra de toda sección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la clave «%1» no existe</source>
        <translation>a clave «%1» non existe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no se puede leer el archivo</source>
        <translation>non se pode ler o ficheiro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mide más de %1 KB: no es un archivo de diseño</source>
        <translation>mide máis de %1 KB: non é un ficheiro de deseño</translation>
    </message>
</context>
<context>
    <name>fichas</name>
    <message>
        <location filename="../fichas/core/fullcheck.cpp" line="+21"/>
        <source>la línea «%1» de la clasificación se monta sobre el código de barras</source>
        <translation>a liña «%1» da sinatura superponse ao código de barras</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la línea «%1» de la clasificación se monta sobre el autor</source>
        <translation>a liña «%1» da sinatura superponse ao autor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>la línea «%1» de la clasificación se monta sobre el título</source>
        <translation>a liña «%1» da sinatura superponse ao título</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>«%1» (el código de barras) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (o código de barras) sae da etiqueta pola dereita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» (el autor) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (o autor) sae da etiqueta pola dereita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (el título) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (o título) sae da etiqueta pola dereita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (la clasificación) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (a sinatura) sae da etiqueta pola dereita</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>el código de barras en %1 mide %2 cm con sus márgenes y en la etiqueta hay %3 cm</source>
        <translation>o código de barras en %1 mide %2 cm coas súas marxes e na etiqueta hai %3 cm</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>sin código de barras</source>
        <translation>sen código de barras</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la línea «%1…» de la clasificación pasa de %2 caracteres y se corta</source>
        <translation>a liña «%1…» da sinatura pasa de %2 caracteres e córtase</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>el autor no cabe en dos líneas y pierde palabras</source>
        <translation>o autor non cabe en dúas liñas e perde palabras</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el título no cabe en dos líneas y pierde palabras</source>
        <translation>o título non cabe en dúas liñas e perde palabras</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>se sale de la etiqueta por abajo</source>
        <translation>sae da etiqueta por abaixo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>se sale del papel por abajo</source>
        <translation>sae do papel por abaixo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>se monta sobre la etiqueta de abajo</source>
        <translation>superponse á etiqueta de abaixo</translation>
    </message>
    <message>
        <location filename="../fichas/core/fullgeneration.cpp" line="+270"/>
        <source>El archivo de etiquetas no trae los mismos datos para todos los ejemplares: se encontraron %1 códigos de barras, %2 clasificaciones, %3 títulos y %4 autores.
Las etiquetas no corresponderán a sus ejemplares.</source>
        <translation>O ficheiro de etiquetas non trae os mesmos datos para todos os exemplares: atopáronse %1 códigos de barras, %2 sinaturas, %3 títulos e %4 autores.
As etiquetas non corresponderán aos seus exemplares.</translation>
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
        <translation>Uso: fichas --pdf FICHEIRO.pdf [--paper a4|letter] [--start N] [--skip LISTA]
              [--labels LISTA] [--copies N] [--correction-from MEDIDAS]
              [--stock FOLLA] [--design FICHEIRO] [--strict]
              [--add-label ETIQUETA ...]
       fichas --pdf FICHEIRO.pdf --test-sheet [--paper a4|letter]
              [--stock FOLLA]
       fichas --list-stocks [TEXTO]

Xera as etiquetas completas (código de barras, sinatura, autor e título)
sen abrir ningunha xanela, igual que ao premer «Xerar etiquetas» e despois
«Imprimir», pero gárdaas nun ficheiro PDF, %1 por folla.

Toma o directorio do cliente e a base administrativa do ficheiro de
configuración (ini.prn) e le o ficheiro de etiquetas itemlbl.prn.

Opcións:
  --pdf FICHEIRO.pdf  ficheiro PDF que se crea (substitúese se xa existe)
  --paper a4|letter   tamaño do papel (a4 se non se indica)
  --start N           comeza na etiqueta N (de 1 a %1) da primeira folla
  --test-sheet        escribe a folla de proba dos %1 sitios en lugar das
                      etiquetas (non necesita configuración)
  --add-label &quot;CÓDIGO|SINATURA|AUTOR|TÍTULO&quot;
                      unha etiqueta escrita a man, cortada como ao xerar;
                      pode repetirse, e entón non se le o ficheiro de
                      etiquetas
</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Código de barras</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clasificación</source>
        <translation>Sinatura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autor</source>
        <translation>Autor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Título</source>
        <translation>Título</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>La hoja de siempre: 36 etiquetas completas</source>
        <translation>A folla de sempre: 36 etiquetas completas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mensaje:</source>
        <translation>Mensaxe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Continuar?</source>
        <translation>Continuar?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Si los datos de los ejemplares no coinciden, lo avisa en la salida de errores
y sigue.
</source>
        <translation>Se os datos dos exemplares non coinciden, avísao na saída de erros
e continúa.
</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>Letra del código de barras:</source>
        <translation>Letra do código de barras:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del código de barras:</source>
        <translation>Tamaño do código de barras:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Código de barras en negrita</source>
        <translation>Código de barras en negra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Código de barras en cursiva</source>
        <translation>Código de barras en cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra de la clasificación:</source>
        <translation>Letra da sinatura:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tamaño de la clasificación:</source>
        <translation>Tamaño da sinatura:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clasificación en negrita</source>
        <translation>Sinatura en negra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clasificación en cursiva</source>
        <translation>Sinatura en cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra del autor:</source>
        <translation>Letra do autor:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del autor:</source>
        <translation>Tamaño do autor:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autor en negrita</source>
        <translation>Autor en negra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Autor en cursiva</source>
        <translation>Autor en cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra del título:</source>
        <translation>Letra do título:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del título:</source>
        <translation>Tamaño do título:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Título en negrita</source>
        <translation>Título en negra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Título en cursiva</source>
        <translation>Título en cursiva</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>puntos; 8 si no</source>
        <translation>puntos; 8 se non se indica</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Código de barras:</source>
        <translation>&amp;Código de barras:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Como texto</source>
        <translation>Como texto</translation>
    </message>
</context>
<context>
    <name>fichas::MainWindow</name>
    <message>
        <location filename="../fichas/ui/mainwindow.cpp" line="+16"/>
        <source>&amp;Hoja de etiquetas…</source>
        <translation>&amp;Folla de etiquetas…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Diseño de la etiqueta…</source>
        <translation>&amp;Deseño da etiqueta…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Universidad Oderin Tesalore</source>
        <translation>Universidade Oderin Tesalore</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Directorio cliente:</source>
        <translation>Directorio do cliente:</translation>
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
        <translation>&amp;Xerar
etiquetas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Vista Previa</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revisar</source>
        <translation>&amp;Revisar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Limpiar</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salir</source>
        <translation>&amp;Saír</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de &amp;prueba</source>
        <translation>Folla de &amp;proba</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;orregir impresora…</source>
        <translation>C&amp;orrixir impresora…</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <location filename="../common/core/files/textfile.cpp" line="+108"/>
        <source>%1 no es un archivo</source>
        <translation>%1 non é un ficheiro</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo crear la carpeta %1</source>
        <translation>non se puido crear o cartafol %1</translation>
    </message>
</context>
<context>
    <name>jobhistory</name>
    <message>
        <location filename="../common/core/history/jobhistory.cpp" line="+297"/>
        <source>Un trabajo guardado estaba dañado y se ha apartado como «%1»; los demás siguen guardados.</source>
        <translation>Un traballo gardado estaba danado e apartouse como «%1»; os demais seguen gardados.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Un trabajo guardado está dañado y no se puede apartar: «%1».</source>
        <translation>Un traballo gardado está danado e non se pode apartar: «%1».</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>El historial de trabajos estaba dañado y se ha apartado como «%1»; empieza uno nuevo.</source>
        <translation>O historial de traballos estaba danado e apartouse como «%1»; comeza un novo.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>El trabajo no se ha podido guardar en «Trabajos anteriores»: no se puede escribir en «%1». Las etiquetas siguen aquí.</source>
        <translation>Non se puido gardar o traballo en «Traballos anteriores»: non se pode escribir en «%1». As etiquetas seguen aquí.</translation>
    </message>
</context>
<context>
    <name>labelprinter</name>
    <message>
        <location filename="../common/paint/labelprinter.cpp" line="+58"/>
        <source>impresora de etiquetas</source>
        <translation>impresora de etiquetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predeterminada</source>
        <translation>predeterminada</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Impresora: %1 (no está)</source>
        <translation>Impresora: %1 (non está)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1, corregida</source>
        <translation>Impresora: %1, corrixida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Impresora: %1</source>
        <translation>Impresora: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Impresora: no hay ninguna</source>
        <translation>Impresora: ningunha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada), corregida</source>
        <translation>Impresora: %1 (predeterminada), corrixida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada)</source>
        <translation>Impresora: %1 (predeterminada)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La impresora de etiquetas «%1» ya no está en este equipo: se imprime en la impresora predeterminada.

Puede elegir otra en el menú, en &quot;Impresora de etiquetas…&quot;.</source>
        <translation>A impresora de etiquetas «%1» xa non está neste equipo: imprímese na impresora predeterminada.

Pode escoller outra no menú, en «Impresora de etiquetas…».</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>La impresora la fija el administrador: %1</source>
        <translation>A impresora está fixada polo administrador: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La impresora «%1» no acepta el papel de la hoja «%2» (%3 × %4 mm): imprimiría en %5 × %6 mm. Elija en sus preferencias un papel de ese tamaño, u otra impresora.</source>
        <translation>A impresora «%1» non acepta o papel da folla «%2» (%3 × %4 mm): imprimiría en %5 × %6 mm. Escolla un papel dese tamaño nas preferencias da impresora ou use outra impresora.</translation>
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
        <translation>Uso: lomos --pdf FICHEIRO.pdf [--font-size N] [--paper a4|letter]
             [--start N] [--skip LISTA] [--labels LISTA] [--copies N]
             [--correction-from MEDIDAS] [--stock FOLLA] [--strict]
             [--design FICHEIRO] [--add-label SINATURA ...]
       lomos --pdf FICHEIRO.pdf --test-sheet [--paper a4|letter]
             [--stock FOLLA]
       lomos --list-stocks [TEXTO]

Xera os tellelos sen abrir ningunha xanela, igual que ao premer «Xerar» e
despois «Imprimir», pero gárdaos nun ficheiro PDF.

Toma o directorio do cliente e a base administrativa do ficheiro de
configuración (ini.prn), le o ficheiro de etiquetas itemlbl.prn e coloca
cada etiqueta na posición do ficheiro de coordenadas (cy.txt).

Opcións:
  --pdf FICHEIRO.pdf  ficheiro PDF que se crea (substitúese se xa existe)
  --font-size N       tamaño da letra en puntos, de 4 a 72 (8 se non se indica)
  --paper a4|letter   tamaño do papel (a4 se non se indica)
  --start N           comeza na etiqueta N (de 1 a %1) da primeira folla
  --test-sheet        escribe a folla de proba das %1 posicións en lugar
                      das etiquetas (non necesita configuración)
  --add-label &quot;SINATURA&quot;
                      unha etiqueta escrita a man, cortada como ao xerar;
                      pode repetirse, e entón non se le o ficheiro de
                      etiquetas
</translation>
    </message>
    <message>
        <location line="+165"/>
        <source>La hoja de siempre: 33 etiquetas de lomo, en las posiciones de &quot;Configurar&quot;</source>
        <translation>A folla de sempre: 33 tellelos, nas posicións de «Configurar»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Continuar</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Clasificación</source>
        <translation>Sinatura</translation>
    </message>
    <message>
        <location filename="../lomos/core/spinecheck.cpp" line="+96"/>
        <source>sin clasificación</source>
        <translation>sen sinatura</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no tiene ninguna línea que imprimir</source>
        <translation>non ten ningunha liña que imprimir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la clasificación tiene más de seis partes: lo que sigue a la sexta no se imprime</source>
        <translation>a sinatura ten máis de seis partes: o que segue á sexta non se imprime</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>la línea «%1» mide %2 cm y hasta el borde derecho hay %3 cm</source>
        <translation>a liña «%1» mide %2 cm e ata o bordo dereito hai %3 cm</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>No hay coordenadas guardadas: pulse «Configurar», «Inicializar Coordenadas» y «Guardar»</source>
        <translation>Non hai coordenadas gardadas: prema «Configurar», «Inicializar coordenadas» e «Gardar»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Etiqueta %1: la X está vacía</source>
        <translation>Etiqueta %1: a X está baleira</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1: la Y está vacía</source>
        <translation>Etiqueta %1: a Y está baleira</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Etiqueta %1: la X «%2» no es un número</source>
        <translation>Etiqueta %1: a X «%2» non é un número</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1: la Y «%2» no es un número</source>
        <translation>Etiqueta %1: a Y «%2» non é un número</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>la línea «%1» mide %2 cm y la etiqueta mide %3 cm de ancho</source>
        <translation>a liña «%1» mide %2 cm e a etiqueta mide %3 cm de largura</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la línea «%1» mide %2 cm y la etiqueta mide %3 cm</source>
        <translation>a liña «%1» mide %2 cm e a etiqueta mide %3 cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la línea «%1» mide %2 cm y hasta el borde de la etiqueta hay %3 cm</source>
        <translation>a liña «%1» mide %2 cm e ata o bordo da etiqueta hai %3 cm</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sus líneas se salen del papel por abajo</source>
        <translation>as súas liñas saen do papel por abaixo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sus líneas pasan a la etiqueta de abajo</source>
        <translation>as súas liñas pasan á etiqueta de abaixo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sus líneas se salen de la etiqueta por abajo</source>
        <translation>as súas liñas saen da etiqueta por abaixo</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>sus líneas se salen de la etiqueta por arriba</source>
        <translation>as súas liñas saen da etiqueta por arriba</translation>
    </message>
    <message>
        <location filename="../lomos/program.cpp" line="-91"/>
        <source>&amp;Letra:</source>
        <translation>&amp;Letra:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tamaño:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puntos; si no, el de «Tamaño de Fuente»</source>
        <translation>puntos; se non se indica, o de «Tamaño da fonte»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Negrita</source>
        <translation>&amp;Negra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cursiva</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En &amp;mayúsculas</source>
        <translation>En &amp;maiúsculas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Alineación:</source>
        <translation>&amp;Aliñamento:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A la izquierda, desde la posición</source>
        <translation>Á esquerda, desde a posición</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Centrada en la etiqueta</source>
        <translation>Centrada na etiqueta</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>A la derecha</source>
        <translation>Á dereita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posición &amp;vertical:</source>
        <translation>Posición &amp;vertical:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde arriba, desde la posición</source>
        <translation>Desde arriba, desde a posición</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abajo</source>
        <translation>Abaixo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Líneas libres a&amp;rriba:</source>
        <translation>Liñas en branco a&amp;rriba:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>de 0 a 5</source>
        <translation>de 0 a 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interlinea&amp;do:</source>
        <translation>Entreliña&amp;do:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cm (0,3 si no), o «fuente»: el de la letra</source>
        <translation>cm (0,3 se non se indica), ou «fuente»: o da letra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nueva línea &amp;en:</source>
        <translation>Nova liña &amp;en:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caracteres, como /</source>
        <translation>caracteres, como /</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nueva línea en cada es&amp;pacio</source>
        <translation>Nova liña en cada es&amp;pazo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quitar las palabras:</source>
        <translation>&amp;Quitar as palabras:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>separadas por comas, como HU</source>
        <translation>separadas por comas, como HU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Línea enc&amp;ima:</source>
        <translation>Liña de enr&amp;iba:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>una etiqueta del archivo, como z30-sub-library</source>
        <translation>unha etiqueta do ficheiro, como z30-sub-library</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Línea deba&amp;jo:</source>
        <translation>Liña de embai&amp;xo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>como z13-author:3:mayusculas, z13-title:3</source>
        <translation>como z13-author:3:mayusculas, z13-title:3</translation>
    </message>
</context>
<context>
    <name>lomos::CoordinateEditor</name>
    <message>
        <location filename="../lomos/ui/coordinateeditor.cpp" line="+43"/>
        <source>Cambio vertical Fila 0</source>
        <translation>Cambio vertical fila 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 1</source>
        <translation>Cambio vertical fila 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 2</source>
        <translation>Cambio vertical fila 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 3</source>
        <translation>Cambio vertical fila 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 4</source>
        <translation>Cambio vertical fila 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 5</source>
        <translation>Cambio vertical fila 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical fila 6</source>
        <translation>Cambio vertical fila 6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 7</source>
        <translation>Cambio vertical fila 7</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 8</source>
        <translation>Cambio vertical fila 8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio verticall Fila 9</source>
        <translation>Cambio vertical fila 9</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 10</source>
        <translation>Cambio vertical fila 10</translation>
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
        <translation>Volver</translation>
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
        <translation>Cambio columna %1</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+75"/>
        <source>Guardar</source>
        <translation>Gardar</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Inicializar Coordenadas</source>
        <translation>Inicializar coordenadas</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+58"/>
        <source>Hoja de prueba</source>
        <translation>Folla de proba</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+54"/>
        <source>Corregir impresora…</source>
        <translation>Corrixir impresora…</translation>
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
        <translation>Cambio vertical fila %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Margen dentro de cada etiqueta (mm):</source>
        <translation>Marxe dentro de cada etiqueta (mm):</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Rellenar desde la hoja</source>
        <translation>Encher desde a folla</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2. Posiciones en cm desde la esquina del papel.</source>
        <translation>%1: %2. Posicións en cm desde a esquina do papel.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>La impresora de etiquetas no imprime a menos de %1 mm del borde izquierdo del papel, %2 mm del superior, %3 mm del derecho y %4 mm del inferior: las posiciones que caen ahí se ven en amarillo.</source>
        <translation>A impresora de etiquetas non imprime a menos de %1 mm do bordo esquerdo do papel, %2 mm do superior, %3 mm do dereito e %4 mm do inferior: as posicións que caen nesa franxa aparecen en amarelo.</translation>
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
        <translation>Non hai coordenadas gardadas: prema «Inicializar coordenadas» e «Gardar».</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>La impresora no imprime ahí: el texto que empiece en esta posición saldrá cortado.</source>
        <translation>A impresora non imprime aí: o texto que comece nesta posición sairá cortado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Está vacía: escriba los centímetros, con punto o coma (por ejemplo 2,8).</source>
        <translation>Está baleira: escriba os centímetros, con punto ou coma (por exemplo 2,8).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>«%1» no es un número: escriba los centímetros, con punto o coma (por ejemplo 2,8).</source>
        <translation>«%1» non é un número: escriba os centímetros, con punto ou coma (por exemplo 2,8).</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>la X de la etiqueta %1</source>
        <translation>a X da etiqueta %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>la Y de la etiqueta %1</source>
        <translation>a Y da etiqueta %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>«%1» no es un número: nada ha cambiado.</source>
        <translation>«%1» non é un número: non cambiou nada.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Teclea el nuevo valor para las etiquetas de la fila %1</source>
        <translation>Escriba o novo valor para as etiquetas da fila %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Teclea el nuevo valor horizontal para las etiquetas de la columna %1</source>
        <translation>Escriba o novo valor horizontal para as etiquetas da columna %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>El margen dentro de cada etiqueta va de %1 mm a menos de la mitad de la etiqueta: «%2» no vale.</source>
        <translation>A marxe dentro de cada etiqueta vai de %1 mm a menos da metade da etiqueta: «%2» non vale.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No se han guardado las coordenadas: %1 no es un número («%2»).</source>
        <translation>Non se gardaron as coordenadas: %1 non é un número («%2»).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No se pudo guardar el archivo de coordenadas:
%1</source>
        <translation>Non se puido gardar o ficheiro de coordenadas:
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las coordenadas</source>
        <translation>As coordenadas</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>¿Guardar los cambios en las coordenadas?</source>
        <translation>Gardar os cambios nas coordenadas?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sí</source>
        <translation>Si</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>lomos::FontSizeWindow</name>
    <message>
        <location filename="../lomos/ui/fontsizewindow.cpp" line="+15"/>
        <source>Tamaño de la Fuente</source>
        <translation>Tamaño da fonte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Seleccione el tamaño:</source>
        <translation>&amp;Seleccione o tamaño:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(Se recomienda 8)</source>
        <translation>(Recoméndase 8)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Escriba un número de puntos del %1 al %2.</source>
        <translation>Escriba un número de puntos do %1 ao %2.</translation>
    </message>
</context>
<context>
    <name>lomos::MainWindow</name>
    <message>
        <location filename="../lomos/ui/mainwindow.cpp" line="+23"/>
        <location line="+40"/>
        <source>&amp;Generar</source>
        <translation>&amp;Xerar</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+41"/>
        <source>&amp;Vista Previa</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+42"/>
        <source>&amp;Revisar</source>
        <translation>&amp;Revisar</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+43"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+43"/>
        <source>&amp;Configurar</source>
        <translation>&amp;Configurar</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+44"/>
        <source>&amp;Limpiar</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>&amp;Tamaño de Fuente</source>
        <translation>&amp;Tamaño da fonte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hoja de etiquetas…</source>
        <translation>&amp;Folla de etiquetas…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Diseño de la etiqueta…</source>
        <translation>&amp;Deseño da etiqueta…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora de &amp;etiquetas…</source>
        <translation>Impresora de &amp;etiquetas…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hoja de &amp;prueba</source>
        <translation>Folla de &amp;proba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;orregir impresora…</source>
        <translation>C&amp;orrixir impresora…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Se va a imprimir con tamaño %1</source>
        <translation>Vaise imprimir co tamaño %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Generar</source>
        <translation>Xerar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vista Previa</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Revisar</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configurar</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Limpiar</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Salir</source>
        <translation>Saír</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salir</source>
        <translation>&amp;Saír</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Directorio cliente:</source>
        <translation>Directorio do cliente:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Base administrativa:</source>
        <translation>Base administrativa:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dibujo: libros en un estante</source>
        <translation>Debuxo: libros nun andel</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tamaño con el que se imprime</source>
        <translation>Tamaño de impresión</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Se va a imprimir con tamaño: %1</source>
        <translation>Vaise imprimir co tamaño: %1</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <location filename="../common/core/text/messages.h" line="+18"/>
        <source>Estimado Usuario:</source>
        <translation>Estimado usuario:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta especificar información</source>
        <translation>Falta especificar información</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 Etiquetas</source>
        <translation>0 etiquetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recoja sus impresiones</source>
        <translation>Recolla as súas impresións</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hay ninguna etiqueta que imprimir.</source>
        <translation>Non hai ningunha etiqueta que imprimir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No queda ninguna etiqueta libre en la primera hoja: desmarque alguna en el mapa de la hoja.</source>
        <translation>Non queda ningunha etiqueta libre na primeira folla: desmarque algunha no mapa da folla.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Imprimir de todos modos</source>
        <translation>Imprimir igualmente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ver de todos modos</source>
        <translation>Ver igualmente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisar</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Descartar los cambios de la revisión?</source>
        <translation>Descartar os cambios da revisión?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se han generado %n etiquetas</source>
        <translation>
            <numerusform>Xerouse %n etiqueta</numerusform>
            <numerusform>Xeráronse %n etiquetas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No se pudo leer el archivo de etiquetas:
%1</source>
        <translation>Non se puido ler o ficheiro de etiquetas:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 se guardaron solo para este usuario, en:
%2

No se puede escribir en %3. Mientras exista esa copia, es la que se usa.</source>
        <translation>%1 gardáronse só para este usuario, en:
%2

Non se pode escribir en %3. Mentres exista esa copia, é a que se usa.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudieron guardar el directorio cliente y la base administrativa en %1: %2.

Las etiquetas se hacen con lo escrito, pero la próxima vez habrá que escribirlo de nuevo.</source>
        <translation>Non se puideron gardar o directorio do cliente e a base administrativa en %1: %2.

As etiquetas fanse co escrito, pero a próxima vez haberá que escribilo de novo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudo imprimir: %1</source>
        <translation>Non se puido imprimir: %1</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <location filename="../common/paint/paintersurface.cpp" line="+120"/>
        <source>no se pudo empezar una hoja nueva</source>
        <translation>non se puido comezar unha folla nova</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>el trabajo no se pudo terminar</source>
        <translation>o traballo non se puido rematar</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no hay ninguna impresora predeterminada</source>
        <translation>non hai ningunha impresora predeterminada</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la impresora «%1» no acepta el trabajo</source>
        <translation>a impresora «%1» non acepta o traballo</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>el sistema de impresión rechazó el trabajo</source>
        <translation>o sistema de impresión rexeitou o traballo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la cola «%1» rechazó el trabajo (%2)</source>
        <translation>a cola «%1» rexeitou o traballo (%2)</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+18"/>
        <source>no se pudo escribir %1: %2</source>
        <translation>non se puido escribir %1: %2</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>no se pudo escribir %1</source>
        <translation>non se puido escribir %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo dibujar en la vista previa</source>
        <translation>non se puido debuxar na vista previa</translation>
    </message>
</context>
<context>
    <name>review</name>
    <message>
        <location filename="../common/core/review/jobselection.cpp" line="+44"/>
        <source>Lista de etiquetas no válida: «%1» (números desde 1 separados por comas, o intervalos como 5-6)</source>
        <translation>Lista de etiquetas non válida: «%1» (números desde 1 separados por comas, ou intervalos como 5-6)</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>La etiqueta %1 no está en la lista: hay %n etiquetas</source>
        <translation>
            <numerusform>A etiqueta %1 non está na lista: hai %n etiqueta</numerusform>
            <numerusform>A etiqueta %1 non está na lista: hai %n etiquetas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Número de copias no válido: «%1» (de 1 a %2)</source>
        <translation>Número de copias non válido: «%1» (de 1 a %2)</translation>
    </message>
    <message>
        <location filename="../common/core/review/review.cpp" line="+24"/>
        <source>%1 ocupa una sola línea.</source>
        <translation>%1 ocupa unha soa liña.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: caben %2 líneas como mucho.</source>
        <translation>%1: caben %2 liñas como moito.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1, línea %2: tiene %3 caracteres y caben %4.</source>
        <translation>%1, liña %2: ten %3 caracteres e caben %4.</translation>
    </message>
</context>
<context>
    <name>sheets</name>
    <message>
        <location filename="../common/core/sheets/firstsheet.cpp" line="+76"/>
        <source>La etiqueta «%1» no existe: escriba un número entero del 1 al %2.</source>
        <translation>A etiqueta «%1» non existe: escriba un número enteiro do 1 ao %2.</translation>
    </message>
    <message>
        <location filename="../common/core/sheets/stock.cpp" line="+56"/>
        <source>Hace falta al menos una columna y una fila.</source>
        <translation>Ten que haber polo menos unha columna e unha fila.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 etiquetas en una hoja son demasiadas: como mucho, %2.</source>
        <translation>%1 etiquetas nunha folla son demasiadas: como moito, %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>El papel y las etiquetas deben medir más de 0 mm.</source>
        <translation>O papel e as etiquetas deben medir máis de 0 mm.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Los márgenes y las distancias no pueden ser negativos.</source>
        <translation>As marxes e as distancias non poden ser negativas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>De una etiqueta a la siguiente hay %1 mm, menos que su ancho (%2 mm): se montarían.</source>
        <translation>Dunha etiqueta á seguinte hai %1 mm, menos que a súa largura (%2 mm): superporíanse.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>De una fila a la siguiente hay %1 mm, menos que el alto de las etiquetas (%2 mm): se montarían.</source>
        <translation>Dunha fila á seguinte hai %1 mm, menos que a altura das etiquetas (%2 mm): superporíanse.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Las etiquetas no caben en el papel: la última columna acaba a %1 mm del borde izquierdo y el papel mide %2 mm de ancho.</source>
        <translation>As etiquetas non caben no papel: a última columna remata a %1 mm do bordo esquerdo e o papel mide %2 mm de largura.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las etiquetas no caben en el papel: la última fila acaba a %1 mm del borde superior y el papel mide %2 mm de alto.</source>
        <translation>As etiquetas non caben no papel: a última fila remata a %1 mm do bordo superior e o papel mide %2 mm de altura.</translation>
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
    <message>
        <location filename="../common/core/sheets/stockchoice.cpp" line="+80"/>
        <source>Escriba un nombre para la hoja: con él la elegirá otra vez.</source>
        <translation>Escriba un nome para a folla: con el volverá escollela.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» es un producto del catálogo: dé otro nombre a su hoja.</source>
        <translation>«%1» é un produto do catálogo: dea outro nome á súa folla.</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <location filename="../common/core/program/startup.cpp" line="+56"/>
        <source>La hoja «%1» que fijó el administrador no está en el catálogo: no se tiene en cuenta.</source>
        <translation>A folla «%1» que fixou o administrador non está no catálogo: non se ten en conta.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>El diseño «%1» que fijó el administrador no se puede usar (%2): no se tiene en cuenta.</source>
        <translation>O deseño «%1» que fixou o administrador non se pode usar (%2): non se ten en conta.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>El idioma «%1» que fijó el administrador no es uno de los del programa (es, ca, gl, eu, en): no se tiene en cuenta.</source>
        <translation>O idioma «%1» que fixou o administrador non é ningún dos do programa (es, ca, gl, eu, en): non se ten en conta.</translation>
    </message>
</context>
<context>
    <name>surface</name>
    <message>
        <location filename="../common/core/walks/surface.cpp" line="+29"/>
        <source>unidad no admitida: %1</source>
        <translation>unidade non admitida: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>tamaño de letra no válido: %1</source>
        <translation>tamaño de letra non válido: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+10"/>
        <source>posición no válida</source>
        <translation>posición non válida</translation>
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
        <translation>%1: sen coordenadas (%2)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>ARRIBA</source>
        <translation>ARRIBA</translation>
    </message>
</context>
</TS>
