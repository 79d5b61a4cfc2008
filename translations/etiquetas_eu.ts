<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>CorrectionWindow</name>
    <message>
        <location filename="../common/ui/printing/correctionwindow.cpp" line="+21"/>
        <source>Corregir impresora</source>
        <translation>Zuzendu inprimagailua</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Imprima la hoja de prueba. Con una regla, mida en milímetros la distancia del centro de cada cruz al borde izquierdo y al borde superior del papel. Mida al menos cuatro cruces que no estén en una misma fila ni en una misma columna (las esquinas son las mejores): con tres, un error al medir no se notaría.</source>
        <translation>Inprimatu proba-orria. Erregela batekin, neurtu milimetrotan gurutze bakoitzaren erdigunetik paperaren ezkerreko ertzera eta goiko ertzera dagoen distantzia. Neurtu gutxienez lau gurutze, errenkada berean edo zutabe berean ez daudenak (izkinetakoak dira onenak): hirurekin, neurtzean egindako akatsa ez litzateke nabarituko.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Etiqueta</source>
        <translation>Etiketa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde la izquierda (mm)</source>
        <translation>Ezkerretik (mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde arriba (mm)</source>
        <translation>Goitik (mm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Medida %1, etiqueta</source>
        <translation>%1. neurria, etiketa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medida %1, desde la izquierda (mm)</source>
        <translation>%1. neurria, ezkerretik (mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medida %1, desde arriba (mm)</source>
        <translation>%1. neurria, goitik (mm)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>C&amp;alcular</source>
        <translation>&amp;Kalkulatu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quitar corrección</source>
        <translation>Kendu &amp;zuzenketa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Itxi</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No hay ninguna impresora en este equipo: instale la de las etiquetas para imprimir la hoja de prueba y corregirla.</source>
        <translation>Ez dago inprimagailurik ordenagailu honetan: instalatu etiketa-inprimagailua proba-orria inprimatzeko eta inprimagailua zuzentzeko.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impresora: %1. Corrección en uso: %2.</source>
        <translation>Inprimagailua: %1. Erabiltzen ari den zuzenketa: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1. Sin corrección.</source>
        <translation>Inprimagailua: %1. Zuzenketarik gabe.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>La fila %1 no tiene una etiqueta y dos medidas en milímetros: «%2», «%3», «%4».</source>
        <translation>%1. errenkadak ez ditu etiketa bat eta milimetrotako bi neurri: «%2», «%3», «%4».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No hay ninguna impresora a la que corregir.</source>
        <translation>Ez dago zuzentzeko inprimagailurik.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1.

¿Guardar esta corrección para la impresora «%2»? Se aplicará a todo lo que se imprima en ella.</source>
        <translation>%1.

Zuzenketa hau «%2» inprimagailurako gorde? Inprimagailu horretan inprimatzen den guztiari aplikatuko zaio.</translation>
    </message>
</context>
<context>
    <name>DesignWindow</name>
    <message>
        <location filename="../common/ui/design/designwindow.cpp" line="+30"/>
        <source>Diseños de etiqueta (*.ini);;Todos los archivos (*)</source>
        <translation>Etiketa-diseinuak (*.ini);;Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Diseño de la etiqueta</source>
        <translation>Etiketaren diseinua</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Biblioteca Central = BC
Hemeroteca = HEM</source>
        <translation>Liburutegi Nagusia = LN
Hemeroteka = HEM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Siglas de las líneas encima y debajo:</source>
        <translation>Gaineko eta beheko lerroen &amp;siglak:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Una etiqueta con este diseño, en sus proporciones</source>
        <translation>Diseinu honetako etiketa bat, bere proportzioetan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La hoja de etiquetas con este diseño</source>
        <translation>Diseinu honetako etiketa-orria</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A&amp;brir…</source>
        <translation>&amp;Ireki…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Guardar como…</source>
        <translation>Gorde &amp;honela…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sin dise&amp;ño</source>
        <translation>&amp;Diseinurik gabe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Usar</source>
        <translation>&amp;Erabili</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>la de siempre</source>
        <translation>ohikoa</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Siglas: %1</source>
        <translation>Siglak: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Abrir un diseño de etiqueta</source>
        <translation>Ireki etiketa-diseinu bat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>El diseño «%1» no se puede usar: %2.</source>
        <translation>«%1» diseinua ezin da erabili: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>diseño.ini</source>
        <translation>diseinua.ini</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guardar el diseño de etiqueta</source>
        <translation>Gorde etiketa-diseinua</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>No se pudo guardar el diseño en «%1»: %2</source>
        <translation>Ezin izan da diseinua «%1» fitxategian gorde: %2</translation>
    </message>
</context>
<context>
    <name>FirstSheetPanel</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="+150"/>
        <source>&amp;Empezar en la etiqueta</source>
        <translation>&amp;Hasi etiketa honetan</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Primera etiqueta libre de la hoja, del 1 al %1</source>
        <translation>Orriko lehen etiketa librea, 1 eta %1 artean</translation>
    </message>
</context>
<context>
    <name>JobsWindow</name>
    <message>
        <location filename="../common/ui/history/jobswindow.cpp" line="+29"/>
        <source>&amp;Abrir</source>
        <translation>I&amp;reki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quitar</source>
        <translation>&amp;Kendu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trabajos anteriores</source>
        <translation>Aurreko lanak</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Buscar:</source>
        <translation>&amp;Bilatu:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>una signatura, o cualquier texto de las etiquetas</source>
        <translation>signatura bat, edo etiketetako edozein testu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Trabajos guardados</source>
        <translation>Gordetako lanak</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Etiquetas</source>
        <translation>Etiketak</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Primera signatura</source>
        <translation>Lehen signatura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Última signatura</source>
        <translation>Azken signatura</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hoja</source>
        <translation>Orria</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Itxi</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>la de siempre</source>
        <translation>ohikoa</translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>¿Quitar el trabajo del %1, de %n etiquetas? No se podrá recuperar.</source>
        <translation>
            <numerusform>%1 datako lana kendu? %n etiketa du, eta ezin izango da berreskuratu.</numerusform>
            <numerusform>%1 datako lana kendu? %n etiketa ditu, eta ezin izango da berreskuratu.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No se pudo quitar el trabajo: su archivo no se deja borrar.</source>
        <translation>Ezin izan da lana kendu: haren fitxategia ezin da ezabatu.</translation>
    </message>
</context>
<context>
    <name>LabelPrinterWindow</name>
    <message>
        <location filename="../common/ui/printing/labelprinterwindow.cpp" line="+37"/>
        <source>Imprimir una etiqueta de &amp;prueba</source>
        <translation>Inprimatu &amp;proba-etiketa bat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Impresora de etiquetas</source>
        <translation>Etiketa-inprimagailua</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La impresora predeterminada</source>
        <translation>Inprimagailu lehenetsia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Impresora a la que van las etiquetas:</source>
        <translation>Etiketak bidaltzeko &amp;inprimagailua:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sin girar</source>
        <translation>Biratu gabe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1° a la derecha</source>
        <translation>%1° erlojuaren noranzkoan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Girar la página:</source>
        <translation>&amp;Biratu orrialdea:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Algunas impresoras de etiquetas en rollo sacan la etiqueta girada. Imprima una etiqueta de prueba: si la flecha no apunta hacia el extremo de arriba de la etiqueta, elija otro giro y pruebe de nuevo.</source>
        <translation>Bobinako etiketetarako inprimagailu batzuek etiketa biratuta ateratzen dute. Inprimatu proba-etiketa bat: geziak etiketaren goiko muturrera seinalatzen ez badu, aukeratu beste biraketa bat eta probatu berriro.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Elija antes una hoja de una etiqueta por página (un rollo).</source>
        <translation>Lehenik, aukeratu orrialde bakoitzeko etiketa bakarra duen orri bat (bobina bat).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Aceptar</source>
        <translation>&amp;Ados</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <location filename="../common/ui/frame/mainwindowbase.cpp" line="+108"/>
        <source>La impresora «%1» que fijó el administrador no está en este equipo: no se tiene en cuenta.</source>
        <translation>Administratzaileak ezarritako «%1» inprimagailua ez dago ordenagailu honetan: ez da kontuan hartzen.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>El diseño de la etiqueta «%1» no se puede usar: %2. Las etiquetas se imprimen sin diseño hasta que elija otro en «Diseño de la etiqueta…».</source>
        <translation>«%1» etiketa-diseinua ezin da erabili: %2. Etiketak diseinurik gabe inprimatuko dira, «Etiketaren diseinua…» aukeran beste bat hautatu arte.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Menú</source>
        <translation>&amp;Menua</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Trabajos &amp;anteriores…</source>
        <translation>&amp;Aurreko lanak…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Salir</source>
        <translation>I&amp;rten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>I&amp;dioma</source>
        <translation>&amp;Hizkuntza</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>El programa se mostrará en %1 la próxima vez que lo abra.</source>
        <translation>Programa irekitzen duzun hurrengoan, %1 hizkuntzan agertuko da.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Lo fija el administrador del equipo: %1</source>
        <translation>Ordenagailuaren administratzaileak ezarria: %1</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Ese trabajo ya no está guardado.</source>
        <translation>Lan hori jada ez dago gordeta.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Trabajo del %1: %n etiquetas</source>
        <translation>
            <numerusform>%1 datako lana: %n etiketa</numerusform>
            <numerusform>%1 datako lana: %n etiketa</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> · Hoja: %1</source>
        <translation> · Orria: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> · Diseño: %1</source>
        <translation> · Diseinua: %1</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <location filename="../common/ui/printing/previewwindow.cpp" line="+31"/>
        <source>Hoja en pantalla</source>
        <translation>Pantailako orria</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <location line="+40"/>
        <source>&amp;Menú</source>
        <translation>&amp;Menua</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+49"/>
        <source>&amp;Regresar</source>
        <translation>It&amp;zuli</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>&amp;Anterior</source>
        <translation>&amp;Aurrekoa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Siguiente</source>
        <translation>&amp;Hurrengoa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A&amp;mpliar</source>
        <translation>Ha&amp;ndiagotu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re&amp;ducir</source>
        <translation>&amp;Txikiagotu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hoja &amp;entera</source>
        <translation>&amp;Orri osoa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Inprimatu</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Hoja %1 de %2</source>
        <translation>%1. orria (guztira %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hay más hojas</source>
        <translation>Ez dago orri gehiagorik</translation>
    </message>
</context>
<context>
    <name>PrintFlow</name>
    <message>
        <location filename="../common/ui/printing/printflows.cpp" line="+102"/>
        <source>%1

No hay ninguna impresora en este equipo. Puede guardar las etiquetas en un PDF e imprimirlo en otro.</source>
        <translation>%1

Ez dago inprimagailurik ordenagailu honetan. Etiketak PDF batean gorde ditzakezu, eta beste ordenagailu batean inprimatu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guardar como PDF…</source>
        <translation>Gorde PDF gisa…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guardar como PDF</source>
        <translation>Gorde PDF gisa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>etiquetas.pdf</source>
        <translation>etiketak.pdf</translation>
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
            <numerusform>%n etiketa inprimatuko da (sortuak: %1; berriak: %2)</numerusform>
            <numerusform>%n etiketa inprimatuko dira (sortuak: %1; berriak: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se imprimirán %n etiquetas (%1 generadas)</source>
        <translation>
            <numerusform>%n etiketa inprimatuko da (sortuak: %1)</numerusform>
            <numerusform>%n etiketa inprimatuko dira (sortuak: %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewModel</name>
    <message>
        <location filename="../common/ui/review/reviewwindow.cpp" line="+79"/>
        <source>Nº</source>
        <translation>Zk.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hoja · lugar</source>
        <translation>Orria · lekua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imprimir</source>
        <translation>Inprimatu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copias</source>
        <translation>Kopiak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta</source>
        <translation>Etiketa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisión</source>
        <translation>Berrikuspena</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>editada</source>
        <translation>editatua</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <location line="+60"/>
        <source>Revisar las etiquetas</source>
        <translation>Berrikusi etiketak</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Etiquetas del trabajo</source>
        <translation>Lanaren etiketak</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Editar…</source>
        <translation>&amp;Editatu…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Deshacer</source>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nueva etiqueta…</source>
        <translation>Etiketa &amp;berria…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Imprimir solo las seleccionadas</source>
        <translation>Inprimatu &amp;hautatuak soilik</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Cerrar</source>
        <translation>&amp;Itxi</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n etiquetas; se imprimirán %1. Con avisos: %2. Editadas: %3.</source>
        <translation>
            <numerusform>%n etiketa; inprimatzekoak: %1. Abisuak dituztenak: %2. Editatuak: %3.</numerusform>
            <numerusform>%n etiketa; inprimatzekoak: %1. Abisuak dituztenak: %2. Editatuak: %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Etiqueta %1</source>
        <translation>%1. etiketa</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nueva etiqueta</source>
        <translation>Etiketa berria</translation>
    </message>
</context>
<context>
    <name>SheetMap</name>
    <message>
        <location filename="../common/ui/frame/firstsheetpanel.cpp" line="-139"/>
        <source>Mapa de la primera hoja</source>
        <translation>Lehen orriaren mapa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pulse una etiqueta para marcarla como usada o libre; con el teclado, las flechas y la barra espaciadora</source>
        <translation>Sakatu etiketa bat erabilitako edo libre gisa markatzeko; teklatuarekin, gezi-teklak eta zuriune-barra</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Todas las etiquetas libres; se empieza en la %1.</source>
        <translation>Etiketa guztiak libre daude; %1. etiketan hasten da.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Usadas: %1. Se empieza en la %2.</source>
        <translation>Erabilitakoak: %1. %2. etiketan hasten da.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Todas las etiquetas usadas.</source>
        <translation>Etiketa guztiak erabilita daude.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1 de %2. %3</source>
        <translation>%1. etiketa (guztira %2). %3</translation>
    </message>
</context>
<context>
    <name>StockWindow</name>
    <message>
        <location filename="../common/ui/stock/stockwindow.cpp" line="+86"/>
        <source>Otra hoja</source>
        <translation>Beste orri bat</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de etiquetas</source>
        <translation>Etiketa-orria</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Marca, producto o medidas: Herma, 4102, 48,5 x 25,4</source>
        <translation>Marka, produktua edo neurriak: Herma, 4102, 48,5 x 25,4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Buscar una hoja</source>
        <translation>Bilatu orri bat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hojas que coinciden</source>
        <translation>Bat datozen orriak</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n hojas en el catálogo; no se muestran %1 que estos programas no pueden imprimir (etiquetas redondas, ovaladas o de CD, o en varias rejillas).</source>
        <translation>
            <numerusform>Katalogoan %n orri dago; ez dira erakusten programa hauek inprimatu ezin dituzten %1 (etiketa biribilak, obalatuak edo CDetakoak, edo zenbait saretan banatuak).</numerusform>
            <numerusform>Katalogoan %n orri daude; ez dira erakusten programa hauek inprimatu ezin dituzten %1 (etiketa biribilak, obalatuak edo CDetakoak, edo zenbait saretan banatuak).</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Usar esta hoja</source>
        <translation>Erabili orri hau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Otra hoja…</source>
        <translation>Beste orri bat…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nombre</source>
        <translation>Izena</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Carta</source>
        <translation>Gutuna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Papel</source>
        <translation>Papera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (mm)</source>
        <translation> (mm)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Columnas</source>
        <translation>Zutabeak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filas</source>
        <translation>Errenkadak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ancho de la etiqueta</source>
        <translation>Etiketaren zabalera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alto de la etiqueta</source>
        <translation>Etiketaren altuera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen izquierdo, hasta la primera etiqueta</source>
        <translation>Ezkerreko marjina, lehen etiketaraino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Margen superior, hasta la primera etiqueta</source>
        <translation>Goiko marjina, lehen etiketaraino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una etiqueta a la siguiente, a lo ancho</source>
        <translation>Etiketa batetik hurrengora, zabaleran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>De una fila a la siguiente, a lo alto</source>
        <translation>Errenkada batetik hurrengora, altueran</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Guardar y usar</source>
        <translation>Gorde eta erabili</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1%2 — %3 × %4 mm, %5 por hoja, %6</source>
        <translation>%1%2 — %3 × %4 mm, %5 etiketa orriko, %6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (suya)</source>
        <translation> (zurea)</translation>
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
        <translation>%1 (nirea)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>«%1» no es un número: %2.</source>
        <translation>«%1» ez da zenbaki bat: %2.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Las columnas y las filas se cuentan con números enteros.</source>
        <translation>Zutabeak eta errenkadak zenbaki osoekin zenbatzen dira.</translation>
    </message>
</context>
<context>
    <name>barcode</name>
    <message>
        <location filename="../common/barcode/barcode.cpp" line="+65"/>
        <source>no hay código que dibujar</source>
        <translation>ez dago marrazteko koderik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no queda memoria para dibujarlo</source>
        <translation>ez dago marrazteko memoria nahikorik</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>el código de barras «%1» no se puede dibujar en %2</source>
        <translation>«%1» barra-kodea ezin da %2 formatuan marraztu</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <location filename="../common/batch/batchjob.cpp" line="+43"/>
        <source>Idioma desconocido: «%1» (es, ca, gl, eu, en)</source>
        <translation>Hizkuntza ezezaguna: «%1» (es, ca, gl, eu, en)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>El idioma lo fija el administrador: %1</source>
        <translation>Hizkuntza administratzaileak ezartzen du: %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Falta el nombre del archivo tras --pdf</source>
        <translation>Fitxategiaren izena falta da --pdf ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el nombre de la impresora tras --printer</source>
        <translation>Inprimagailuaren izena falta da --printer ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el papel tras --paper</source>
        <translation>Papera falta da --paper ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la etiqueta tras --start</source>
        <translation>Etiketa falta da --start ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --skip</source>
        <translation>Zerrenda falta da --skip ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la lista tras --labels</source>
        <translation>Zerrenda falta da --labels ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el número tras --copies</source>
        <translation>Zenbakia falta da --copies ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faltan las medidas tras --correction-from</source>
        <translation>Neurriak falta dira --correction-from ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el nombre de la hoja tras --stock</source>
        <translation>Orriaren izena falta da --stock ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta la etiqueta tras --add-label</source>
        <translation>Etiketa falta da --add-label ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el archivo tras --design</source>
        <translation>Fitxategia falta da --design ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el idioma tras --language</source>
        <translation>Hizkuntza falta da --language ondoren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta el número del trabajo tras --job</source>
        <translation>Lanaren zenbakia falta da --job ondoren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Falta el tamaño tras --font-size</source>
        <translation>Tamaina falta da --font-size ondoren</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Opción desconocida: %1</source>
        <translation>Aukera ezezaguna: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La opción --%1 no lleva ningún valor</source>
        <translation>--%1 aukerak ez du baliorik hartzen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tamaño de letra no válido: %1 (de %2 a %3 puntos)</source>
        <translation>Letra-tamaina baliogabea: %1 (%2 eta %3 puntu artean)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Número de trabajo no válido: %1 (1 es el último)</source>
        <translation>Lan-zenbaki baliogabea: %1 (1 azkena da)</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>--job y --add-label no van juntas: las etiquetas son las del trabajo o las escritas</source>
        <translation>--job eta --add-label ezin dira batera erabili: etiketak lanekoak edo eskuz idatzitakoak dira</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--pdf y --printer no van juntas: el trabajo va a un PDF o a una impresora</source>
        <translation>--pdf eta --printer ezin dira batera erabili: lana PDF batera edo inprimagailu batera doa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--correction-from corrige un PDF; una impresora usa la corrección guardada para ella</source>
        <translation>--correction-from aukerak PDF bat zuzentzen du; inprimagailu batek harentzat gordetako zuzenketa erabiltzen du</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Falta --pdf ARCHIVO.pdf o --printer IMPRESORA</source>
        <translation>--pdf FITXATEGIA.pdf edo --printer INPRIMAGAILUA falta da</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>La hoja la fija el administrador: %1</source>
        <translation>Orria administratzaileak ezartzen du: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>El diseño lo fija el administrador: %1</source>
        <translation>Diseinua administratzaileak ezartzen du: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>El diseño «%1» no se puede usar: %2</source>
        <translation>«%1» diseinua ezin da erabili: %2</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>No hay ningún trabajo %1 guardado; --list-jobs escribe los que hay.</source>
        <translation>Ez dago %1 zenbakiko lan gorderik; --list-jobs aukerak daudenak idazten ditu.</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>Papel no válido: %1 (a4 o letter)</source>
        <translation>Paper baliogabea: %1 (a4 edo letter)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Sobra «%1» en la orden</source>
        <translation>«%1» soberan dago aginduan</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>La hoja «%1» no está en el catálogo ni entre las que escribió en &quot;Otra hoja…&quot;; --list-stocks TEXTO escribe las que hay.</source>
        <translation>«%1» orria ez dago katalogoan, ezta «Beste orri bat…» aukeran idatzitakoen artean ere; --list-stocks TESTUA aukerak daudenak idazten ditu.</translation>
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
        <translation>  --printer INPRIMAGAILUA
                      --pdf aukeraren ordez, sistemako inprimagailu horretan
                      inprimatzen du, haren zuzenketarekin eta biraketarekin,
                      «Inprimatu» aukerak etiketa-inprimagailuan egiten duen
                      bezala; aurretik, dena inprimagailuaren inprimatzeko
                      eremuan dagoela egiaztatzen du
  --list-printers     sistemako inprimagailuak idazten ditu, eta
                      etiketa-inprimagailua eta lehenetsia markatzen ditu
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
        <translation>  --list-jobs [TESTUA]
                      gordetako lanak idazten ditu, azkenetik lehenera:
                      bakoitzaren zenbakia, data, etiketa kopurua eta lehen
                      eta azken signaturak; TESTUA adieraziz gero, etiketaren
                      batean testu hori dutenak soilik
  --job N             gordetako N zenbakiko lanaren etiketak inprimatzen ditu
                      (1 azkena da), etiketa-fitxategia irakurri ordez, eta
                      lanaren diseinua erabiltzen du, --design adierazi ezean
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
        <translation>  --skip ZERRENDA     zerrendako etiketak hutsik uzten ditu lehen orrian,
                      komaz bereizita (adibidez, 3,7,12)
  --labels ZERRENDA   zerrendako etiketak soilik inprimatzen ditu, ordena
                      horretan: 1etik aurrerako zenbakiak komaz bereizita, edo
                      tarteak (adibidez, 2,5-6)
  --copies N          etiketa bakoitzaren N kopia inprimatzen ditu, segidan
                      (1etik 99ra)
  --correction-from &quot;P:x,y;P:x,y;...&quot;
                      inprimagailu baten proba-orrian neurtutako errorea
                      zuzentzen du: lau gurutze edo gehiagorentzat, etiketa eta
                      haren erdigunetik paperaren ezkerreko eta goiko
                      ertzetarainoko distantziak, milimetrotan
                      (1:28.4,20.6;3:...)
  --stock &quot;MARKA PRODUKTUA&quot;
                      etiketa-orria: katalogoko produktu bat (adibidez,
                      &quot;Herma 4102&quot;) edo «Beste orri bat…» aukeran idatzitako
                      orri bat; adierazi ezean, leihoan hautatutakoa (PDFak
                      orri horren papera hartzen du, eta --start eta --skip
                      aukerek haren etiketak zenbatzen dituzte)
  --list-stocks [TESTUA]
                      testuarekin (marka, produktua edo neurriak, adibidez
                      48,5 x 25,4) bat datozen katalogoko orriak eta zureak
                      idazten ditu
  --design FITXATEGIA
                      etiketaren diseinua: zer erakusten duen eta nola;
                      adierazi ezean, leihoan hautatutakoa
  --language KODEA    mezuen hizkuntza: es, ca, gl, eu edo en
  --strict            ez du PDFa idazten etiketaren bat sartzen ez bada
                      (irteera-egoera: 5)
  --help              laguntza hau erakusten du
  --version           bertsioa erakusten du

Irteera estandarrean «n etiketa sortu dira» idazten du. Informazioa falta
bada, etiketa-fitxategia ezin bada irakurri edo PDFa ezin bada idatzi, abisua
errore-irteeran idazten du eta 2, 3 edo 4 irteera-egoerarekin amaitzen du,
hurrenez hurren (1ekin, agindua gaizki idatzita badago). PDFa idatzi aurretik,
etiketa bakoitza bere lekuan sartzen dela egiaztatzen du, eta sartzen ez dena
errore-irteeran idazten du.
</translation>
    </message>
    <message numerus="yes">
        <location line="+102"/>
        <source>%n hojas en el catálogo (%1 que no se pueden imprimir se omiten: %2 redondas o de CD, %3 de varias rejillas, %4 mal descritas); %5 suyas.
</source>
        <translation>
            <numerusform>Katalogoan %n orri dago (inprimatu ezin diren %1 alde batera uzten dira: %2 biribilak edo CDetakoak, %3 zenbait saretakoak, %4 gaizki deskribatuak); zureak: %5.
</numerusform>
            <numerusform>Katalogoan %n orri daude (inprimatu ezin diren %1 alde batera uzten dira: %2 biribilak edo CDetakoak, %3 zenbait saretakoak, %4 gaizki deskribatuak); zureak: %5.
</numerusform>
        </translation>
    </message>
    <message>
        <location line="+34"/>
        <source>La impresora «%1» no está en este equipo; --list-printers escribe las que hay.</source>
        <translation>«%1» inprimagailua ez dago ordenagailu honetan; --list-printers aukerak daudenak idazten ditu.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No se pudo escribir el PDF: %1</source>
        <translation>Ezin izan da PDFa idatzi: %1</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <location filename="../common/core/sheets/catalogue.cpp" line="+130"/>
        <source>no se puede leer la medida %1</source>
        <translation>ezin da %1 neurria irakurri</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>%1: mide más de %2 MB; no se lee.</source>
        <translation>%1: %2 MB baino gehiago ditu; ez da irakurtzen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no se puede abrir.</source>
        <translation>%1: ezin da ireki.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: no es un archivo de plantillas; no se lee.</source>
        <translation>%1: ez da txantiloi-fitxategi bat; ez da irakurtzen.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: se deja de leer en la línea %2 (%3); se toman las %4 hojas anteriores.</source>
        <translation>%1: %2. lerroan utzi zaio irakurtzeari (%3); aurreko %4 orriak hartzen dira.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>es igual a %1 %2, que no está</source>
        <translation>%1 %2 orriaren berdina da, baina orri hori ez dago</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <location filename="../common/core/check/labelcheck.cpp" line="+21"/>
        <source>Etiqueta %1 (%2): %3</source>
        <translation>%1. etiketa (%2): %3</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>%n avisos</source>
        <translation>
            <numerusform>%n abisu</numerusform>
            <numerusform>%n abisu</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No todo saldrá bien en el papel: %1.</source>
        <translation>Paperean ez da dena ondo aterako: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No todo saldrá bien en el papel: %1, %2.</source>
        <translation>Paperean ez da dena ondo aterako: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n etiketa</numerusform>
            <numerusform>%n etiketa</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
... y %1 más.</source>
        <translation>
... eta beste %1.</translation>
    </message>
    <message>
        <location filename="../common/core/check/margincheck.cpp" line="+98"/>
        <source>la línea «%1» empieza a %2 mm del borde izquierdo del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>«%1» lerroa paperaren ezkerreko ertzetik %2 mm-ra hasten da, eta inprimagailuak ez du %3 mm baino hurbilago inprimatzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras empieza a %1 mm del borde izquierdo del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>barra-kodea paperaren ezkerreko ertzetik %1 mm-ra hasten da, eta inprimagailuak ez du %2 mm baino hurbilago inprimatzen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» acaba a %2 mm del borde derecho del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>«%1» lerroa paperaren eskuineko ertzetik %2 mm-ra amaitzen da, eta inprimagailuak ez du %3 mm baino hurbilago inprimatzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras acaba a %1 mm del borde derecho del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>barra-kodea paperaren eskuineko ertzetik %1 mm-ra amaitzen da, eta inprimagailuak ez du %2 mm baino hurbilago inprimatzen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» empieza a %2 mm del borde superior del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>«%1» lerroa paperaren goiko ertzetik %2 mm-ra hasten da, eta inprimagailuak ez du %3 mm baino hurbilago inprimatzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras empieza a %1 mm del borde superior del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>barra-kodea paperaren goiko ertzetik %1 mm-ra hasten da, eta inprimagailuak ez du %2 mm baino hurbilago inprimatzen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la línea «%1» acaba a %2 mm del borde inferior del papel y la impresora no imprime a menos de %3 mm</source>
        <translation>«%1» lerroa paperaren beheko ertzetik %2 mm-ra amaitzen da, eta inprimagailuak ez du %3 mm baino hurbilago inprimatzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el código de barras acaba a %1 mm del borde inferior del papel y la impresora no imprime a menos de %2 mm</source>
        <translation>barra-kodea paperaren beheko ertzetik %1 mm-ra amaitzen da, eta inprimagailuak ez du %2 mm baino hurbilago inprimatzen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>sin texto</source>
        <translation>testurik gabe</translation>
    </message>
</context>
<context>
    <name>correction</name>
    <message>
        <location filename="../common/core/correction/correction.cpp" line="+88"/>
        <source>Medida no válida: «%1» (la etiqueta, dos puntos y las distancias en milímetros a los bordes izquierdo y superior, separadas por una coma, como 1:28.5,30.2)</source>
        <translation>Neurri baliogabea: «%1» (etiketa, bi puntu, eta ezkerreko eta goiko ertzetarainoko distantziak milimetrotan, komaz bereizita; adibidez, 1:28.5,30.2)</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Seguramente está activada la opción «Ajustar a la página» (o «Ajustar al tamaño del papel») en las preferencias de la impresora: desactívela, imprima otra hoja de prueba y mida de nuevo. Si no, revise que las medidas estén en milímetros.</source>
        <translation>Ziurrenik «Doitu orrialdera» (edo «Doitu paper-tamainara») aukera aktibatuta dago inprimagailuaren hobespenetan: desaktibatu, inprimatu beste proba-orri bat eta neurtu berriro. Bestela, egiaztatu neurriak milimetrotan daudela.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Según estas medidas, la impresora estira la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation>Neurri hauen arabera, inprimagailuak orria % %1 handitzen du: inongo inprimagailuk ez du hori egiten. %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Según estas medidas, la impresora encoge la hoja un %1 %: ninguna impresora lo hace. %2</source>
        <translation>Neurri hauen arabera, inprimagailuak orria % %1 txikitzen du: inongo inprimagailuk ez du hori egiten. %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Según estas medidas, la impresora desplaza la hoja %1 mm: ninguna lo hace tanto. Revise las medidas: son los milímetros del borde izquierdo y del superior del papel al centro de cada cruz, y cada fila lleva el número de su cruz.</source>
        <translation>Neurri hauen arabera, inprimagailuak orria %1 mm lekualdatzen du: inongo inprimagailuk ez du hainbeste lekualdatzen. Berrikusi neurriak: paperaren ezkerreko eta goiko ertzetik gurutze bakoitzaren erdiguneraino dauden milimetroak dira, eta errenkada bakoitzak bere gurutzearen zenbakia darama.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Según estas medidas, la impresora tuerce la hoja %1 mm cada 10 cm: revise que el papel entra recto en la bandeja, y las medidas.</source>
        <translation>Neurri hauen arabera, inprimagailuak orria %1 mm okertzen du 10 cm bakoitzeko: egiaztatu papera zuzen sartzen dela erretiluan, eta berrikusi neurriak.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Hacen falta al menos cuatro cruces medidas: con tres, un error al medir no se notaría.</source>
        <translation>Gutxienez lau gurutze neurtu behar dira: hirurekin, neurtzean egindako akatsa ez litzateke nabarituko.</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>La etiqueta %1 no existe: la hoja tiene de la 1 a la %2.</source>
        <translation>%1. etiketa ez dago: orriko etiketak 1 eta %2 artekoak dira.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La etiqueta %1 no tiene cruz en la hoja de prueba: su posición no es un número.</source>
        <translation>%1. etiketak ez du gurutzerik proba-orrian: haren posizioa ez da zenbaki bat.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La cruz %1 está medida dos veces.</source>
        <translation>%1. gurutzea bi aldiz neurtuta dago.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Las cruces están todas en una fila: hace falta medir también cruces de otra fila.</source>
        <translation>Gurutze guztiak errenkada berean daude: beste errenkada bateko gurutzeak ere neurtu behar dira.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Las cruces están todas en una columna: hace falta medir también cruces de otra columna.</source>
        <translation>Gurutze guztiak zutabe berean daude: beste zutabe bateko gurutzeak ere neurtu behar dira.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Las cruces están en línea recta: elija cruces que formen un triángulo.</source>
        <translation>Gurutzeak lerro zuzen batean daude: aukeratu triangelu bat osatzen duten gurutzeak.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>La medida de la cruz %1 no concuerda con las demás: se aparta %2 mm. Mídala de nuevo.</source>
        <translation>%1. gurutzearen neurria ez dator bat besteekin: %2 mm aldentzen da. Neurtu berriro.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las medidas no concuerdan entre sí (una se aparta %1 mm): mida de nuevo las cruces, o mida una más.</source>
        <translation>Neurriak ez datoz bat elkarren artean (bat %1 mm aldentzen da): neurtu berriro gurutzeak, edo neurtu beste bat.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, y %2</source>
        <translation>%1, eta %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>estira la hoja un %1 % a lo ancho y a lo alto</source>
        <translation>orria % %1 handitzen du zabaleran eta altueran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % a lo ancho y a lo alto</source>
        <translation>orria % %1 txikitzen du zabaleran eta altueran</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>estira la hoja un %1 % de izquierda a derecha</source>
        <translation>orria % %1 handitzen du ezkerretik eskuinera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de izquierda a derecha</source>
        <translation>orria % %1 txikitzen du ezkerretik eskuinera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>estira la hoja un %1 % de arriba abajo</source>
        <translation>orria % %1 handitzen du goitik behera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>encoge la hoja un %1 % de arriba abajo</source>
        <translation>orria % %1 txikitzen du goitik behera</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 mm a la derecha</source>
        <translation>%1 mm eskuinera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm a la izquierda</source>
        <translation>%1 mm ezkerrera</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 mm hacia abajo</source>
        <translation>%1 mm behera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm hacia arriba</source>
        <translation>%1 mm gora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>desplaza %1 y %2</source>
        <translation>%1 eta %2 lekualdatzen du</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desplaza %1</source>
        <translation>%1 lekualdatzen du</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la tuerce %1 mm cada 10 cm</source>
        <translation>%1 mm okertzen du 10 cm bakoitzeko</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la impresora pone cada cruz en su sitio</source>
        <translation>inprimagailuak gurutze bakoitza bere lekuan jartzen du</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la impresora %1</source>
        <translation>inprimagailuak %1</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <location filename="../common/core/design/design.cpp" line="+42"/>
        <source>«%1» no es «si» ni «no»</source>
        <translation>«%1» ez da «si», ezta «no» ere</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>«%1» no es un tamaño de %2 a %3 puntos</source>
        <translation>«%1» ez da %2 eta %3 puntu arteko tamaina</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>falta el nombre de la letra</source>
        <translation>letra-tipoaren izena falta da</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>«%1» no es ninguno de: %2</source>
        <translation>«%1» ez da hauetako bat ere: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>«%1» no es una etiqueta del archivo, como z30-sub-library</source>
        <translation>«%1» ez da fitxategiko eremu bat (adibidez, z30-sub-library)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>«%1» no es un número de letras de 1 a 30, ni «mayusculas» ni «minusculas»</source>
        <translation>«%1» ez da 1 eta 30 arteko letra kopurua, ezta «mayusculas» edo «minusculas» ere</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>son más de %1 líneas</source>
        <translation>%1 lerro baino gehiago dira</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>«%1» no es un número de líneas de 0 a %2</source>
        <translation>«%1» ez da 0 eta %2 arteko lerro kopurua</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>«%1» no son centímetros de más de 0 a %2, ni «fuente»</source>
        <translation>«%1» ez da 0 baino gehiagoko eta gehienez %2 zentimetroko balioa, ezta «fuente» ere</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>línea %1: %2</source>
        <translation>%1. lerroa: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no es un archivo de texto</source>
        <translation>ez da testu-fitxategi bat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no está escrito en UTF-8</source>
        <translation>ez dago UTF-8 kodeketan idatzita</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>la sección [%1] no existe</source>
        <translation>[%1] atala ez dago</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>falta «=» en «%1»</source>
        <translation>«=» falta da hemen: «%1»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>falta el valor antes de «=»</source>
        <translation>balioa falta da «=» baino lehen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>«%1» está fuera de toda sección</source>
        <translation>«%1» ez dago inolako ataletan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la clave «%1» no existe</source>
        <translation>«%1» gakoa ez dago</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no se puede leer el archivo</source>
        <translation>ezin da fitxategia irakurri</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mide más de %1 KB: no es un archivo de diseño</source>
        <translation>%1 KB baino gehiago ditu: ez da diseinu-fitxategi bat</translation>
    </message>
</context>
<context>
    <name>fichas</name>
    <message>
        <location filename="../fichas/core/fullcheck.cpp" line="+21"/>
        <source>la línea «%1» de la clasificación se monta sobre el código de barras</source>
        <translation>signaturaren «%1» lerroa eta barra-kodea gainjarri egiten dira</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la línea «%1» de la clasificación se monta sobre el autor</source>
        <translation>signaturaren «%1» lerroa eta egilea gainjarri egiten dira</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>la línea «%1» de la clasificación se monta sobre el título</source>
        <translation>signaturaren «%1» lerroa eta izenburua gainjarri egiten dira</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>«%1» (el código de barras) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (barra-kodea) etiketatik ateratzen da eskuinetik</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» (el autor) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (egilea) etiketatik ateratzen da eskuinetik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (el título) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (izenburua) etiketatik ateratzen da eskuinetik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» (la clasificación) se sale de la etiqueta por la derecha</source>
        <translation>«%1» (signatura) etiketatik ateratzen da eskuinetik</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>el código de barras en %1 mide %2 cm con sus márgenes y en la etiqueta hay %3 cm</source>
        <translation>barra-kodeak %1 formatuan %2 cm ditu marjinak barne, eta etiketan %3 cm daude</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>sin código de barras</source>
        <translation>barra-koderik gabe</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la línea «%1…» de la clasificación pasa de %2 caracteres y se corta</source>
        <translation>signaturaren «%1…» lerroak %2 karaktere baino gehiago ditu, eta moztu egiten da</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>el autor no cabe en dos líneas y pierde palabras</source>
        <translation>egilea ez da bi lerrotan sartzen, eta hitzak galtzen ditu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el título no cabe en dos líneas y pierde palabras</source>
        <translation>izenburua ez da bi lerrotan sartzen, eta hitzak galtzen ditu</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>se sale de la etiqueta por abajo</source>
        <translation>etiketatik ateratzen da behetik</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>se sale del papel por abajo</source>
        <translation>paperetik ateratzen da behetik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>se monta sobre la etiqueta de abajo</source>
        <translation>beheko etiketarekin gainjartzen da</translation>
    </message>
    <message>
        <location filename="../fichas/core/fullgeneration.cpp" line="+270"/>
        <source>El archivo de etiquetas no trae los mismos datos para todos los ejemplares: se encontraron %1 códigos de barras, %2 clasificaciones, %3 títulos y %4 autores.
Las etiquetas no corresponderán a sus ejemplares.</source>
        <translation>Etiketa-fitxategiak ez ditu datu berak ale guztientzat: %1 barra-kode, %2 signatura, %3 izenburu eta %4 egile aurkitu dira.
Etiketak ez datoz bat beren aleekin.</translation>
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
        <translation>Erabilera: fichas --pdf FITXATEGIA.pdf [--paper a4|letter] [--start N]
                    [--skip ZERRENDA] [--labels ZERRENDA] [--copies N]
                    [--correction-from NEURRIAK] [--stock ORRIA]
                    [--design FITXATEGIA] [--strict] [--add-label ETIKETA ...]
             fichas --pdf FITXATEGIA.pdf --test-sheet [--paper a4|letter]
                    [--stock ORRIA]
             fichas --list-stocks [TESTUA]

Etiketa osoak (barra-kodea, signatura, egilea eta izenburua) sortzen ditu
leihorik ireki gabe, «Sortu etiketak» eta gero «Inprimatu» sakatzean bezala,
baina PDF fitxategi batean gordetzen ditu, %1 etiketa orriko.

Bezeroaren direktorioa eta administrazio-basea konfigurazio-fitxategitik
(ini.prn) hartzen ditu, eta itemlbl.prn etiketa-fitxategia irakurtzen du.

Aukerak:
  --pdf FITXATEGIA.pdf
                      sortuko den PDF fitxategia (lehendik badago, ordeztu
                      egiten da)
  --paper a4|letter   paperaren tamaina (adierazi ezean, a4)
  --start N           lehen orriko N. etiketan hasten da (1 eta %1 artean)
  --test-sheet        %1 lekuen proba-orria idazten du etiketen ordez
                      (ez du konfiguraziorik behar)
  --add-label &quot;KODEA|SIGNATURA|EGILEA|IZENBURUA&quot;
                      eskuz idatzitako etiketa bat, sortzean bezala zatitua;
                      errepika daiteke, eta orduan ez da etiketa-fitxategia
                      irakurtzen
</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Código de barras</source>
        <translation>Barra-kodea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clasificación</source>
        <translation>Signatura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autor</source>
        <translation>Egilea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Título</source>
        <translation>Izenburua</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>La hoja de siempre: 36 etiquetas completas</source>
        <translation>Ohiko orria: 36 etiketa oso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mensaje:</source>
        <translation>Mezua:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Continuar?</source>
        <translation>Jarraitu?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Si los datos de los ejemplares no coinciden, lo avisa en la salida de errores
y sigue.
</source>
        <translation>Aleen datuak bat ez badatoz, errore-irteeran ohartarazten du eta
aurrera jarraitzen du.
</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>Letra del código de barras:</source>
        <translation>Barra-kodearen letra-tipoa:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del código de barras:</source>
        <translation>Barra-kodearen tamaina:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Código de barras en negrita</source>
        <translation>Barra-kodea lodiz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Código de barras en cursiva</source>
        <translation>Barra-kodea etzanez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra de la clasificación:</source>
        <translation>Signaturaren letra-tipoa:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tamaño de la clasificación:</source>
        <translation>Signaturaren tamaina:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clasificación en negrita</source>
        <translation>Signatura lodiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clasificación en cursiva</source>
        <translation>Signatura etzanez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra del autor:</source>
        <translation>Egilearen letra-tipoa:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del autor:</source>
        <translation>Egilearen tamaina:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autor en negrita</source>
        <translation>Egilea lodiz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Autor en cursiva</source>
        <translation>Egilea etzanez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letra del título:</source>
        <translation>Izenburuaren letra-tipoa:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tamaño del título:</source>
        <translation>Izenburuaren tamaina:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Título en negrita</source>
        <translation>Izenburua lodiz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Título en cursiva</source>
        <translation>Izenburua etzanez</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>puntos; 8 si no</source>
        <translation>puntuak; bestela, 8</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Código de barras:</source>
        <translation>&amp;Barra-kodea:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Como texto</source>
        <translation>Testu gisa</translation>
    </message>
</context>
<context>
    <name>fichas::MainWindow</name>
    <message>
        <location filename="../fichas/ui/mainwindow.cpp" line="+16"/>
        <source>&amp;Hoja de etiquetas…</source>
        <translation>&amp;Etiketa-orria…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Diseño de la etiqueta…</source>
        <translation>Etiketaren &amp;diseinua…</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Universidad Oderin Tesalore</source>
        <translation>Oderin Tesalore Unibertsitatea</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Directorio cliente:</source>
        <translation>Bezeroaren direktorioa:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Base Adm.</source>
        <translation>Adm. basea</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Generar
Etiquetas</source>
        <translation>&amp;Sortu
etiketak</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Vista Previa</source>
        <translation>&amp;Aurrebista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revisar</source>
        <translation>&amp;Berrikusi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Inprimatu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Limpiar</source>
        <translation>&amp;Garbitu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salir</source>
        <translation>I&amp;rten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hoja de &amp;prueba</source>
        <translation>&amp;Proba-orria</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;orregir impresora…</source>
        <translation>&amp;Zuzendu inprimagailua…</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <location filename="../common/core/files/textfile.cpp" line="+108"/>
        <source>%1 no es un archivo</source>
        <translation>%1 ez da fitxategi bat</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo crear la carpeta %1</source>
        <translation>ezin izan da %1 karpeta sortu</translation>
    </message>
</context>
<context>
    <name>jobhistory</name>
    <message>
        <location filename="../common/core/history/jobhistory.cpp" line="+297"/>
        <source>Un trabajo guardado estaba dañado y se ha apartado como «%1»; los demás siguen guardados.</source>
        <translation>Gordetako lan bat hondatuta zegoen, eta «%1» izenarekin gorde da aparte; gainerakoak gordeta daude oraindik.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Un trabajo guardado está dañado y no se puede apartar: «%1».</source>
        <translation>Gordetako lan bat hondatuta dago, eta ezin da aparte gorde: «%1».</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>El historial de trabajos estaba dañado y se ha apartado como «%1»; empieza uno nuevo.</source>
        <translation>Lanen historia hondatuta zegoen, eta «%1» izenarekin gorde da aparte; historia berri bat hasten da.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>El trabajo no se ha podido guardar en «Trabajos anteriores»: no se puede escribir en «%1». Las etiquetas siguen aquí.</source>
        <translation>Ezin izan da lana «Aurreko lanak» atalean gorde: ezin da «%1» karpetan idatzi. Etiketak hemen jarraitzen dute.</translation>
    </message>
</context>
<context>
    <name>labelprinter</name>
    <message>
        <location filename="../common/paint/labelprinter.cpp" line="+58"/>
        <source>impresora de etiquetas</source>
        <translation>etiketa-inprimagailua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predeterminada</source>
        <translation>lehenetsia</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Impresora: %1 (no está)</source>
        <translation>Inprimagailua: %1 (ez dago)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1, corregida</source>
        <translation>Inprimagailua: %1, zuzendua</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Impresora: %1</source>
        <translation>Inprimagailua: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Impresora: no hay ninguna</source>
        <translation>Inprimagailua: bat ere ez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada), corregida</source>
        <translation>Inprimagailua: %1 (lehenetsia), zuzendua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora: %1 (predeterminada)</source>
        <translation>Inprimagailua: %1 (lehenetsia)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La impresora de etiquetas «%1» ya no está en este equipo: se imprime en la impresora predeterminada.

Puede elegir otra en el menú, en &quot;Impresora de etiquetas…&quot;.</source>
        <translation>«%1» etiketa-inprimagailua jada ez dago ordenagailu honetan: inprimagailu lehenetsian inprimatzen da.

Beste bat hauta dezakezu menuan, «Etiketa-inprimagailua…» aukeran.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>La impresora la fija el administrador: %1</source>
        <translation>Inprimagailua administratzaileak ezartzen du: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La impresora «%1» no acepta el papel de la hoja «%2» (%3 × %4 mm): imprimiría en %5 × %6 mm. Elija en sus preferencias un papel de ese tamaño, u otra impresora.</source>
        <translation>«%1» inprimagailuak ez du «%2» orriaren papera onartzen (%3 × %4 mm): %5 × %6 mm-ko paperean inprimatuko luke. Hautatu tamaina horretako paper bat inprimagailuaren hobespenetan, edo beste inprimagailu bat.</translation>
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
        <translation>Erabilera: lomos --pdf FITXATEGIA.pdf [--font-size N] [--paper a4|letter]
                   [--start N] [--skip ZERRENDA] [--labels ZERRENDA]
                   [--copies N] [--correction-from NEURRIAK] [--stock ORRIA]
                   [--strict] [--design FITXATEGIA] [--add-label SIGNATURA ...]
             lomos --pdf FITXATEGIA.pdf --test-sheet [--paper a4|letter]
                   [--stock ORRIA]
             lomos --list-stocks [TESTUA]

Bizkarreko etiketak sortzen ditu leihorik ireki gabe, «Sortu» eta gero
«Inprimatu» sakatzean bezala, baina PDF fitxategi batean gordetzen ditu.

Bezeroaren direktorioa eta administrazio-basea konfigurazio-fitxategitik
(ini.prn) hartzen ditu, itemlbl.prn etiketa-fitxategia irakurtzen du eta
etiketa bakoitza koordenatu-fitxategiko (cy.txt) posizioan jartzen du.

Aukerak:
  --pdf FITXATEGIA.pdf
                      sortuko den PDF fitxategia (lehendik badago, ordeztu
                      egiten da)
  --font-size N       letraren tamaina puntutan, 4tik 72ra (adierazi ezean, 8)
  --paper a4|letter   paperaren tamaina (adierazi ezean, a4)
  --start N           lehen orriko N. etiketan hasten da (1 eta %1 artean)
  --test-sheet        %1 posizioen proba-orria idazten du etiketen ordez
                      (ez du konfiguraziorik behar)
  --add-label &quot;SIGNATURA&quot;
                      eskuz idatzitako etiketa bat, sortzean bezala zatitua;
                      errepika daiteke, eta orduan ez da etiketa-fitxategia
                      irakurtzen
</translation>
    </message>
    <message>
        <location line="+165"/>
        <source>La hoja de siempre: 33 etiquetas de lomo, en las posiciones de &quot;Configurar&quot;</source>
        <translation>Ohiko orria: bizkarreko 33 etiketa, «Konfiguratu» aukerako posizioetan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Continuar</source>
        <translation>Jarraitu</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Clasificación</source>
        <translation>Signatura</translation>
    </message>
    <message>
        <location filename="../lomos/core/spinecheck.cpp" line="+96"/>
        <source>sin clasificación</source>
        <translation>signaturarik gabe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no tiene ninguna línea que imprimir</source>
        <translation>ez du inprimatzeko lerrorik</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la clasificación tiene más de seis partes: lo que sigue a la sexta no se imprime</source>
        <translation>signaturak sei zati baino gehiago ditu: seigarrenaren ondorengoa ez da inprimatzen</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>la línea «%1» mide %2 cm y hasta el borde derecho hay %3 cm</source>
        <translation>«%1» lerroak %2 cm ditu, eta eskuineko ertzeraino %3 cm daude</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>No hay coordenadas guardadas: pulse «Configurar», «Inicializar Coordenadas» y «Guardar»</source>
        <translation>Ez dago koordenatu gordeturik: sakatu «Konfiguratu», «Hasieratu koordenatuak» eta «Gorde»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Etiqueta %1: la X está vacía</source>
        <translation>%1. etiketa: X hutsik dago</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1: la Y está vacía</source>
        <translation>%1. etiketa: Y hutsik dago</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Etiqueta %1: la X «%2» no es un número</source>
        <translation>%1. etiketa: X («%2») ez da zenbaki bat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etiqueta %1: la Y «%2» no es un número</source>
        <translation>%1. etiketa: Y («%2») ez da zenbaki bat</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>la línea «%1» mide %2 cm y la etiqueta mide %3 cm de ancho</source>
        <translation>«%1» lerroak %2 cm ditu, eta etiketak %3 cm-ko zabalera du</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la línea «%1» mide %2 cm y la etiqueta mide %3 cm</source>
        <translation>«%1» lerroak %2 cm ditu, eta etiketak %3 cm ditu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la línea «%1» mide %2 cm y hasta el borde de la etiqueta hay %3 cm</source>
        <translation>«%1» lerroak %2 cm ditu, eta etiketaren ertzeraino %3 cm daude</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sus líneas se salen del papel por abajo</source>
        <translation>lerroak paperetik ateratzen dira behetik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sus líneas pasan a la etiqueta de abajo</source>
        <translation>lerroak beheko etiketara pasatzen dira</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sus líneas se salen de la etiqueta por abajo</source>
        <translation>lerroak etiketatik ateratzen dira behetik</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>sus líneas se salen de la etiqueta por arriba</source>
        <translation>lerroak etiketatik ateratzen dira goitik</translation>
    </message>
    <message>
        <location filename="../lomos/program.cpp" line="-91"/>
        <source>&amp;Letra:</source>
        <translation>&amp;Letra-tipoa:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tamaño:</source>
        <translation>&amp;Tamaina:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puntos; si no, el de «Tamaño de Fuente»</source>
        <translation>puntuak; bestela, «Letra-tamaina» aukerakoa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Negrita</source>
        <translation>L&amp;odiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cursiva</source>
        <translation>Et&amp;zanez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En &amp;mayúsculas</source>
        <translation>&amp;Maiuskulaz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Alineación:</source>
        <translation>Lerro&amp;katzea:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A la izquierda, desde la posición</source>
        <translation>Ezkerrean, posiziotik hasita</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Centrada en la etiqueta</source>
        <translation>Etiketaren erdian</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>A la derecha</source>
        <translation>Eskuinean</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posición &amp;vertical:</source>
        <translation>&amp;Posizio bertikala:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desde arriba, desde la posición</source>
        <translation>Goian, posiziotik hasita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abajo</source>
        <translation>Behean</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Líneas libres a&amp;rriba:</source>
        <translation>Lerro libreak goi&amp;an:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>de 0 a 5</source>
        <translation>0tik 5era</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interlinea&amp;do:</source>
        <translation>Le&amp;rroartea:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cm (0,3 si no), o «fuente»: el de la letra</source>
        <translation>cm (bestela, 0,3), edo «fuente»: letra-tipoarena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nueva línea &amp;en:</source>
        <translation>Lerro-&amp;jauzia:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caracteres, como /</source>
        <translation>karaktere hauetan, adibidez /</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nueva línea en cada es&amp;pacio</source>
        <translation>Lerro-jauzia z&amp;uriune bakoitzean</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quitar las palabras:</source>
        <translation>Ke&amp;ndu hitz hauek:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>separadas por comas, como HU</source>
        <translation>komaz bereizita, adibidez HU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Línea enc&amp;ima:</source>
        <translation>&amp;Gaineko lerroa:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>una etiqueta del archivo, como z30-sub-library</source>
        <translation>fitxategiko eremu bat, adibidez z30-sub-library</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Línea deba&amp;jo:</source>
        <translation>&amp;Beheko lerroa:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>como z13-author:3:mayusculas, z13-title:3</source>
        <translation>adibidez z13-author:3:mayusculas, z13-title:3</translation>
    </message>
</context>
<context>
    <name>lomos::CoordinateEditor</name>
    <message>
        <location filename="../lomos/ui/coordinateeditor.cpp" line="+43"/>
        <source>Cambio vertical Fila 0</source>
        <translation>Aldatu 0. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 1</source>
        <translation>Aldatu 1. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 2</source>
        <translation>Aldatu 2. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 3</source>
        <translation>Aldatu 3. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 4</source>
        <translation>Aldatu 4. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 5</source>
        <translation>Aldatu 5. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical fila 6</source>
        <translation>Aldatu 6. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 7</source>
        <translation>Aldatu 7. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 8</source>
        <translation>Aldatu 8. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio verticall Fila 9</source>
        <translation>Aldatu 9. errenkada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cambio vertical Fila 10</source>
        <translation>Aldatu 10. errenkada</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Menú</source>
        <translation>Menua</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+62"/>
        <location line="+72"/>
        <source>Regresar</source>
        <translation>Itzuli</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+57"/>
        <source>Fila %1</source>
        <translation>%1. errenkada</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+36"/>
        <source>Cambio columna %1</source>
        <translation>Aldatu %1. zutabea</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+75"/>
        <source>Guardar</source>
        <translation>Gorde</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Inicializar Coordenadas</source>
        <translation>Hasieratu koordenatuak</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+58"/>
        <source>Hoja de prueba</source>
        <translation>Proba-orria</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+54"/>
        <source>Corregir impresora…</source>
        <translation>Zuzendu inprimagailua…</translation>
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
        <translation>Aldatu %1. errenkada</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Margen dentro de cada etiqueta (mm):</source>
        <translation>Etiketa bakoitzaren barne-marjina (mm):</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Rellenar desde la hoja</source>
        <translation>Bete orriaren arabera</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2. Posiciones en cm desde la esquina del papel.</source>
        <translation>%1: %2. Posizioak cm-tan, paperaren izkinatik neurtuta.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>La impresora de etiquetas no imprime a menos de %1 mm del borde izquierdo del papel, %2 mm del superior, %3 mm del derecho y %4 mm del inferior: las posiciones que caen ahí se ven en amarillo.</source>
        <translation>Etiketa-inprimagailuak ez du inprimatzen paperaren ertzetatik gertuegi: ezkerreko ertzetik %1 mm, goikotik %2 mm, eskuinekotik %3 mm eta behekotik %4 mm baino gutxiagora. Ertz-zerrenda horietan geratzen diren posizioak horiz markatuta agertzen dira.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Etiqueta %1, X</source>
        <translation>%1. etiketa, X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Etiqueta %1, Y</source>
        <translation>%1. etiketa, Y</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No hay coordenadas guardadas: pulse «Inicializar Coordenadas» y «Guardar».</source>
        <translation>Ez dago koordenatu gordeturik: sakatu «Hasieratu koordenatuak» eta «Gorde».</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>La impresora no imprime ahí: el texto que empiece en esta posición saldrá cortado.</source>
        <translation>Inprimagailuak ez du hor inprimatzen: posizio honetan hasten den testua moztuta aterako da.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Está vacía: escriba los centímetros, con punto o coma (por ejemplo 2,8).</source>
        <translation>Hutsik dago: idatzi zentimetroak, puntuarekin edo komarekin (adibidez, 2,8).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>«%1» no es un número: escriba los centímetros, con punto o coma (por ejemplo 2,8).</source>
        <translation>«%1» ez da zenbaki bat: idatzi zentimetroak, puntuarekin edo komarekin (adibidez, 2,8).</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>la X de la etiqueta %1</source>
        <translation>%1. etiketaren X</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>la Y de la etiqueta %1</source>
        <translation>%1. etiketaren Y</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>«%1» no es un número: nada ha cambiado.</source>
        <translation>«%1» ez da zenbaki bat: ez da ezer aldatu.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Teclea el nuevo valor para las etiquetas de la fila %1</source>
        <translation>Idatzi %1. errenkadako etiketen balio berria</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Teclea el nuevo valor horizontal para las etiquetas de la columna %1</source>
        <translation>Idatzi %1. zutabeko etiketen balio horizontal berria</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>El margen dentro de cada etiqueta va de %1 mm a menos de la mitad de la etiqueta: «%2» no vale.</source>
        <translation>Etiketa bakoitzaren barne-marjinak gutxienez %1 mm izan behar ditu, eta etiketaren erdia baino gutxiago: «%2» ez da baliozkoa.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No se han guardado las coordenadas: %1 no es un número («%2»).</source>
        <translation>Ez dira koordenatuak gorde: %1 ez da zenbaki bat («%2»).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No se pudo guardar el archivo de coordenadas:
%1</source>
        <translation>Ezin izan da koordenatu-fitxategia gorde:
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las coordenadas</source>
        <translation>Koordenatuak</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>¿Guardar los cambios en las coordenadas?</source>
        <translation>Koordenatuetako aldaketak gorde?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sí</source>
        <translation>Bai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Ez</translation>
    </message>
</context>
<context>
    <name>lomos::FontSizeWindow</name>
    <message>
        <location filename="../lomos/ui/fontsizewindow.cpp" line="+15"/>
        <source>Tamaño de la Fuente</source>
        <translation>Letra-tamaina</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Seleccione el tamaño:</source>
        <translation>&amp;Hautatu tamaina:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(Se recomienda 8)</source>
        <translation>(8 gomendatzen da)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Escriba un número de puntos del %1 al %2.</source>
        <translation>Idatzi %1 eta %2 arteko puntu kopuru bat.</translation>
    </message>
</context>
<context>
    <name>lomos::MainWindow</name>
    <message>
        <location filename="../lomos/ui/mainwindow.cpp" line="+23"/>
        <location line="+40"/>
        <source>&amp;Generar</source>
        <translation>&amp;Sortu</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+41"/>
        <source>&amp;Vista Previa</source>
        <translation>&amp;Aurrebista</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+42"/>
        <source>&amp;Revisar</source>
        <translation>&amp;Berrikusi</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+43"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Inprimatu</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+43"/>
        <source>&amp;Configurar</source>
        <translation>&amp;Konfiguratu</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+44"/>
        <source>&amp;Limpiar</source>
        <translation>&amp;Garbitu</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>&amp;Tamaño de Fuente</source>
        <translation>&amp;Letra-tamaina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hoja de etiquetas…</source>
        <translation>&amp;Etiketa-orria…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Diseño de la etiqueta…</source>
        <translation>Etiketaren &amp;diseinua…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impresora de &amp;etiquetas…</source>
        <translation>Etiketa-i&amp;nprimagailua…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hoja de &amp;prueba</source>
        <translation>&amp;Proba-orria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;orregir impresora…</source>
        <translation>&amp;Zuzendu inprimagailua…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Se va a imprimir con tamaño %1</source>
        <translation>%1 tamainarekin inprimatuko da</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Generar</source>
        <translation>Sortu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vista Previa</source>
        <translation>Aurrebista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Revisar</source>
        <translation>Berrikusi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Imprimir</source>
        <translation>Inprimatu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configurar</source>
        <translation>Konfiguratu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Limpiar</source>
        <translation>Garbitu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Salir</source>
        <translation>Irten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salir</source>
        <translation>I&amp;rten</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Directorio cliente:</source>
        <translation>Bezeroaren direktorioa:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Base administrativa:</source>
        <translation>Administrazio-basea:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dibujo: libros en un estante</source>
        <translation>Marrazkia: liburuak apal batean</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tamaño con el que se imprime</source>
        <translation>Inprimatzeko tamaina</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Se va a imprimir con tamaño: %1</source>
        <translation>Tamaina honekin inprimatuko da: %1</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <location filename="../common/core/text/messages.h" line="+18"/>
        <source>Estimado Usuario:</source>
        <translation>Erabiltzaile agurgarria:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falta especificar información</source>
        <translation>Informazioa falta da</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 Etiquetas</source>
        <translation>0 etiketa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recoja sus impresiones</source>
        <translation>Jaso inprimatutakoak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hay ninguna etiqueta que imprimir.</source>
        <translation>Ez dago inprimatzeko etiketarik.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No queda ninguna etiqueta libre en la primera hoja: desmarque alguna en el mapa de la hoja.</source>
        <translation>Ez da etiketa librerik geratzen lehen orrian: desmarkatu baten bat orriaren mapan.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Imprimir de todos modos</source>
        <translation>Inprimatu hala ere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ver de todos modos</source>
        <translation>Ikusi hala ere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelar</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revisar</source>
        <translation>Berrikusi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>¿Descartar los cambios de la revisión?</source>
        <translation>Berrikuspeneko aldaketak baztertu?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Se han generado %n etiquetas</source>
        <translation>
            <numerusform>%n etiketa sortu da</numerusform>
            <numerusform>%n etiketa sortu dira</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No se pudo leer el archivo de etiquetas:
%1</source>
        <translation>Ezin izan da etiketa-fitxategia irakurri:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 se guardaron solo para este usuario, en:
%2

No se puede escribir en %3. Mientras exista esa copia, es la que se usa.</source>
        <translation>%1 erabiltzaile honentzat soilik gorde dira, hemen:
%2

Ezin da hemen idatzi: %3. Kopia hori dagoen bitartean, hura erabiltzen da.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudieron guardar el directorio cliente y la base administrativa en %1: %2.

Las etiquetas se hacen con lo escrito, pero la próxima vez habrá que escribirlo de nuevo.</source>
        <translation>Ezin izan dira bezeroaren direktorioa eta administrazio-basea %1 fitxategian gorde: %2.

Etiketak idatzitakoarekin egiten dira, baina hurrengoan berriro idatzi beharko da.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No se pudo imprimir: %1</source>
        <translation>Ezin izan da inprimatu: %1</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <location filename="../common/paint/paintersurface.cpp" line="+120"/>
        <source>no se pudo empezar una hoja nueva</source>
        <translation>ezin izan da orri berri bat hasi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>el trabajo no se pudo terminar</source>
        <translation>ezin izan da lana amaitu</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no hay ninguna impresora predeterminada</source>
        <translation>ez dago inprimagailu lehenetsirik</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la impresora «%1» no acepta el trabajo</source>
        <translation>«%1» inprimagailuak ez du lana onartzen</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>el sistema de impresión rechazó el trabajo</source>
        <translation>inprimatze-sistemak lana baztertu du</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la cola «%1» rechazó el trabajo (%2)</source>
        <translation>«%1» ilarak lana baztertu du (%2)</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+18"/>
        <source>no se pudo escribir %1: %2</source>
        <translation>ezin izan da %1 idatzi: %2</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>no se pudo escribir %1</source>
        <translation>ezin izan da %1 idatzi</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no se pudo dibujar en la vista previa</source>
        <translation>ezin izan da aurrebistan marraztu</translation>
    </message>
</context>
<context>
    <name>review</name>
    <message>
        <location filename="../common/core/review/jobselection.cpp" line="+44"/>
        <source>Lista de etiquetas no válida: «%1» (números desde 1 separados por comas, o intervalos como 5-6)</source>
        <translation>Etiketa-zerrenda baliogabea: «%1» (1etik aurrerako zenbakiak komaz bereizita, edo tarteak, adibidez 5-6)</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>La etiqueta %1 no está en la lista: hay %n etiquetas</source>
        <translation>
            <numerusform>%1. etiketa ez dago zerrendan: %n etiketa dago</numerusform>
            <numerusform>%1. etiketa ez dago zerrendan: %n etiketa daude</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Número de copias no válido: «%1» (de 1 a %2)</source>
        <translation>Kopia kopuru baliogabea: «%1» (1 eta %2 artean)</translation>
    </message>
    <message>
        <location filename="../common/core/review/review.cpp" line="+24"/>
        <source>%1 ocupa una sola línea.</source>
        <translation>%1: lerro bakarrekoa da.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: caben %2 líneas como mucho.</source>
        <translation>%1: gehienez %2 lerro sartzen dira.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1, línea %2: tiene %3 caracteres y caben %4.</source>
        <translation>%1, %2. lerroa: %3 karaktere ditu, eta %4 sartzen dira.</translation>
    </message>
</context>
<context>
    <name>sheets</name>
    <message>
        <location filename="../common/core/sheets/firstsheet.cpp" line="+76"/>
        <source>La etiqueta «%1» no existe: escriba un número entero del 1 al %2.</source>
        <translation>«%1» etiketa ez dago: idatzi 1 eta %2 arteko zenbaki oso bat.</translation>
    </message>
    <message>
        <location filename="../common/core/sheets/stock.cpp" line="+56"/>
        <source>Hace falta al menos una columna y una fila.</source>
        <translation>Gutxienez zutabe bat eta errenkada bat behar dira.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 etiquetas en una hoja son demasiadas: como mucho, %2.</source>
        <translation>%1 etiketa gehiegi dira orri batean: gehienez, %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>El papel y las etiquetas deben medir más de 0 mm.</source>
        <translation>Paperak eta etiketek 0 mm baino gehiago neurtu behar dute.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Los márgenes y las distancias no pueden ser negativos.</source>
        <translation>Marjinak eta distantziak ezin dira negatiboak izan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>De una etiqueta a la siguiente hay %1 mm, menos que su ancho (%2 mm): se montarían.</source>
        <translation>Etiketa batetik hurrengora %1 mm daude, etiketaren zabalera (%2 mm) baino gutxiago: gainjarri egingo lirateke.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>De una fila a la siguiente hay %1 mm, menos que el alto de las etiquetas (%2 mm): se montarían.</source>
        <translation>Errenkada batetik hurrengora %1 mm daude, etiketen altuera (%2 mm) baino gutxiago: gainjarri egingo lirateke.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Las etiquetas no caben en el papel: la última columna acaba a %1 mm del borde izquierdo y el papel mide %2 mm de ancho.</source>
        <translation>Etiketak ez dira paperean sartzen: azken zutabea ezkerreko ertzetik %1 mm-ra amaitzen da, eta paperak %2 mm-ko zabalera du.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Las etiquetas no caben en el papel: la última fila acaba a %1 mm del borde superior y el papel mide %2 mm de alto.</source>
        <translation>Etiketak ez dira paperean sartzen: azken errenkada goiko ertzetik %1 mm-ra amaitzen da, eta paperak %2 mm-ko altuera du.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Carta</source>
        <translation>Gutuna</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 de %2 × %3 mm (%4, %5), %6</source>
        <translation>%2 × %3 mm-ko %1 (%4, %5), %6</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n etiquetas</source>
        <translation>
            <numerusform>%n etiketa</numerusform>
            <numerusform>%n etiketa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n columnas</source>
        <translation>
            <numerusform>%n zutabe</numerusform>
            <numerusform>%n zutabe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n filas</source>
        <translation>
            <numerusform>%n errenkada</numerusform>
            <numerusform>%n errenkada</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../common/core/sheets/stockchoice.cpp" line="+80"/>
        <source>Escriba un nombre para la hoja: con él la elegirá otra vez.</source>
        <translation>Idatzi orriarentzako izen bat: izen horrekin aukeratuko duzu berriro.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» es un producto del catálogo: dé otro nombre a su hoja.</source>
        <translation>«%1» katalogoko produktu bat da: eman beste izen bat zure orriari.</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <location filename="../common/core/program/startup.cpp" line="+56"/>
        <source>La hoja «%1» que fijó el administrador no está en el catálogo: no se tiene en cuenta.</source>
        <translation>Administratzaileak ezarritako «%1» orria ez dago katalogoan: ez da kontuan hartzen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>El diseño «%1» que fijó el administrador no se puede usar (%2): no se tiene en cuenta.</source>
        <translation>Administratzaileak ezarritako «%1» diseinua ezin da erabili (%2): ez da kontuan hartzen.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>El idioma «%1» que fijó el administrador no es uno de los del programa (es, ca, gl, eu, en): no se tiene en cuenta.</source>
        <translation>Administratzaileak ezarritako «%1» hizkuntza ez da programaren hizkuntzetako bat (es, ca, gl, eu, en): ez da kontuan hartzen.</translation>
    </message>
</context>
<context>
    <name>surface</name>
    <message>
        <location filename="../common/core/walks/surface.cpp" line="+29"/>
        <source>unidad no admitida: %1</source>
        <translation>unitate onartezina: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>tamaño de letra no válido: %1</source>
        <translation>letra-tamaina baliogabea: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+10"/>
        <source>posición no válida</source>
        <translation>posizio baliogabea</translation>
    </message>
</context>
<context>
    <name>testsheet</name>
    <message>
        <location filename="../common/core/walks/testsheet.cpp" line="+113"/>
        <source>%1: fila %2, col. %3</source>
        <translation>%1: %2. errenkada, %3. zut.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: sin coordenadas (%2)</source>
        <translation>%1: koordenaturik gabe (%2)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>ARRIBA</source>
        <translation>GOIA</translation>
    </message>
</context>
</TS>
