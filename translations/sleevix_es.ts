<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>%1 - About</source>
        <translation>%1 - Acerca de</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Inserts for compact-disc jewel cases</source>
        <translation>Carátulas para cajas de CD</translation>
    </message>
    <message>
        <source>Free to use, copy and share.</source>
        <translation>Libre para usar, copiar y compartir.</translation>
    </message>
    <message>
        <source>If you have questions, comments or need support fell free to contact me:</source>
        <translation>Si tiene preguntas, comentarios o necesita ayuda, no dude en escribirme:</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Cases</name>
    <message>
        <source>Jewel case</source>
        <translation>Caja de CD estándar</translation>
    </message>
    <message>
        <source>Slim case</source>
        <translation>Caja slim</translation>
    </message>
    <message>
        <source>DVD case</source>
        <translation>Caja de DVD</translation>
    </message>
    <message>
        <source>Disc label</source>
        <translation>Etiqueta de disco</translation>
    </message>
    <message>
        <source>New Cover</source>
        <translation>Nueva carátula</translation>
    </message>
    <message>
        <source>&amp;Kind of cover:</source>
        <translation>&amp;Tipo de carátula:</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>The %1 cover (%2) does not fit the printable area of this paper (%3): choose landscape or larger paper</source>
        <translation>La carátula «%1» (%2) no cabe en el área imprimible de este papel (%3): elija horizontal o un papel más grande</translation>
    </message>
    <message>
        <source>A disc on the %1 reaches past the printable area of this printer (%2 from %3 mm across, %4 mm down): the printer cannot print that close to the sheet&apos;s edge</source>
        <translation>Un disco de la %1 sobrepasa el área imprimible de esta impresora (%2 desde %3 mm en horizontal, %4 mm en vertical): la impresora no puede imprimir tan cerca del borde de la hoja</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Carátula</translation>
    </message>
    <message>
        <source>Insi&amp;de</source>
        <translation>In&amp;terior</translation>
    </message>
    <message>
        <source>Fron&amp;t</source>
        <translation>De&amp;lantera</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Trasera</translation>
    </message>
    <message>
        <source>&amp;Track list</source>
        <translation>&amp;Lista de pistas</translation>
    </message>
    <message>
        <source>La&amp;bel</source>
        <translation>E&amp;tiqueta</translation>
    </message>
    <message>
        <source>The %1 cover (%2) does not fit the printable area of this paper in landscape (%3): choose portrait or larger paper</source>
        <translation>La carátula «%1» (%2) no cabe en el área imprimible de este papel en horizontal (%3): elija vertical o un papel más grande</translation>
    </message>
    <message>
        <source>The %1 cover (%2) does not fit the printable area of this paper, %3 upright or %4 in landscape: choose larger paper or a printer that prints closer to the paper&apos;s edge</source>
        <translation>La carátula «%1» (%2) no cabe en el área imprimible de este papel, %3 en vertical o %4 en horizontal: elija un papel más grande o una impresora que imprima más cerca del borde</translation>
    </message>
    <message>
        <source>Label Sheet</source>
        <translation>Hoja de etiquetas</translation>
    </message>
    <message>
        <source>&amp;Maker:</source>
        <translation>&amp;Fabricante:</translation>
    </message>
    <message>
        <source>&amp;Product:</source>
        <translation>&amp;Producto:</translation>
    </message>
    <message numerus="yes">
        <source>%1 paper, discs of %2 mm with a %3 mm hole, %n on a sheet. From: %4</source>
        <translation>
            <numerusform>Papel %1, discos de %2 mm con un agujero de %3 mm, %n por hoja. Fuente: %4</numerusform>
            <numerusform>Papel %1, discos de %2 mm con un agujero de %3 mm, %n por hoja. Fuente: %4</numerusform>
        </translation>
    </message>
    <message>
        <source>Cross at %1 mm &amp;across:</source>
        <translation>Cruz a %1 mm en &amp;horizontal:</translation>
    </message>
    <message>
        <source>Cross at %1 mm ac&amp;ross:</source>
        <translation>Cruz a %1 mm en h&amp;orizontal:</translation>
    </message>
    <message>
        <source>Cross at %1 mm do&amp;wn:</source>
        <translation>Cruz a %1 mm en &amp;vertical:</translation>
    </message>
    <message>
        <source>Cross at %1 mm dow&amp;n:</source>
        <translation>Cruz a %1 mm en v&amp;ertical:</translation>
    </message>
    <message>
        <source>Calibration page for %1. Measure from the paper&apos;s left edge to the middle of the crosses meant for %2 mm and %3 mm across, and from its top edge to those meant for %4 mm and %5 mm down, and type what you measured in the Calibration dialog.</source>
        <translation>Página de calibración para %1. Mida desde el borde izquierdo del papel hasta el centro de las cruces previstas a %2 mm y %3 mm en horizontal, y desde el borde superior hasta las previstas a %4 mm y %5 mm en vertical, y escriba sus medidas en el cuadro «Calibración».</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>la impresora predeterminada</translation>
    </message>
    <message>
        <source>Calibration page</source>
        <translation>Página de calibración</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Print the calibration page, measure from the paper&apos;s left and top edges to the middle of each cross, and type what you measured; or type the corrections. Positive offsets move everything right and down.</source>
        <translation>Imprima la página de calibración, mida desde los bordes izquierdo y superior del papel hasta el centro de cada cruz y escriba sus medidas; o escriba directamente las correcciones. Un desplazamiento positivo mueve todo a la derecha y hacia abajo.</translation>
    </message>
    <message>
        <source>Every other printer, PDF and pictures</source>
        <translation>Las demás impresoras, PDF e imágenes</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Impresora:</translation>
    </message>
    <message>
        <source>Print Calibration Pa&amp;ge</source>
        <translation>Imprimir pá&amp;gina de calibración</translation>
    </message>
    <message>
        <source>Where the crosses landed</source>
        <translation>Dónde han caído las cruces</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>&amp;Offset across:</source>
        <translation>&amp;Desplazamiento horizontal:</translation>
    </message>
    <message>
        <source>Offset &amp;down:</source>
        <translation>Desplazamiento ver&amp;tical:</translation>
    </message>
    <message>
        <source>&amp;Scale across:</source>
        <translation>E&amp;scala horizontal:</translation>
    </message>
    <message>
        <source>Sca&amp;le down:</source>
        <translation>Esca&amp;la vertical:</translation>
    </message>
    <message>
        <source>the label designer&apos;s template %1</source>
        <translation>la plantilla del diseñador de etiquetas %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not list %2 paper, which the %3 sheet is: its discs may not land on the labels</source>
        <translation>La impresora «%1» no ofrece el papel %2 de la hoja %3: sus discos pueden no caer sobre las etiquetas</translation>
    </message>
</context>
<context>
    <name>DecodeHelper</name>
    <message>
        <source>crashed</source>
        <translation>se bloqueó</translation>
    </message>
    <message>
        <source>took too long</source>
        <translation>tardó demasiado</translation>
    </message>
    <message>
        <source>needed too much memory</source>
        <translation>necesitó demasiada memoria</translation>
    </message>
    <message>
        <source>%1 could not be read: the reader stopped (%2)</source>
        <translation>No se pudo leer %1: el lector se detuvo (%2)</translation>
    </message>
    <message>
        <source>The picture reader %1 cannot start: %2</source>
        <translation>El lector de imágenes %1 no puede iniciarse: %2</translation>
    </message>
    <message>
        <source>The picture reader cannot start in its sandbox</source>
        <translation>El lector de imágenes no puede iniciarse en su entorno aislado</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>No se puede exportar %1: %2</translation>
    </message>
    <message>
        <source>Sleevix covers (*.%1)</source>
        <translation>Carátulas de Sleevix (*.%1)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>The picture %1 was not found; the cover opens without it</source>
        <translation>No se encontró la imagen %1; la carátula se abre sin ella</translation>
    </message>
    <message>
        <source>The pictures %1 were not found; the cover opens without them</source>
        <translation>No se encontraron las imágenes %1; la carátula se abre sin ellas</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1 for the back picture %2</source>
        <translation>%1 en la imagen trasera %2</translation>
    </message>
    <message>
        <source>%1 for the front picture %2</source>
        <translation>%1 en la imagen delantera %2</translation>
    </message>
    <message>
        <source>Sleevix covers</source>
        <translation>Carátulas de Sleevix</translation>
    </message>
    <message>
        <source>track lists (.cue, .m3u, .m3u8, .txt)</source>
        <translation>listas de pistas (.cue, .m3u, .m3u8, .txt)</translation>
    </message>
    <message>
        <source>audio files and folders of them</source>
        <translation>archivos de audio y carpetas que los contienen</translation>
    </message>
    <message>
        <source>Cannot open %1: Sleevix opens %2</source>
        <translation>No se puede abrir %1: Sleevix abre %2</translation>
    </message>
    <message>
        <source>Cannot export: the PDF could not be started</source>
        <translation>No se puede exportar: no se pudo iniciar el PDF</translation>
    </message>
    <message>
        <source>Cannot export: the PDF writer reported an error</source>
        <translation>No se puede exportar: el generador de PDF informó de un error</translation>
    </message>
</context>
<context>
    <name>DocumentDialogs</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>Export as PNG</source>
        <translation>Exportar como PNG</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>Carta (EE. UU.)</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>E&amp;scala:</translation>
    </message>
    <message>
        <source>Save the changes to this cover?</source>
        <translation>¿Guardar los cambios de esta carátula?</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Los cambios se perderán si no los guarda.</translation>
    </message>
    <message>
        <source>Export for Print Shop</source>
        <translation>Exportar para imprenta</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Sangrado:</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>a colour written &quot;#rrggbb&quot;</source>
        <translation>un color escrito &quot;#rrggbb&quot;</translation>
    </message>
    <message>
        <source>&quot; or &quot;</source>
        <translation>&quot; o &quot;</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>%1 must be %2</source>
        <translation>%1 debe ser %2</translation>
    </message>
    <message>
        <source>%1 holds a NUL character</source>
        <translation>%1 contiene un carácter NUL</translation>
    </message>
    <message>
        <source>%1 holds text that is not valid Unicode</source>
        <translation>%1 contiene texto que no es Unicode válido</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>una lista de textos</translation>
    </message>
    <message>
        <source>&quot;tracks&quot; holds %1 tracks; a cover holds at most %2</source>
        <translation>&quot;tracks&quot; contiene %1 pistas; una carátula admite como máximo %2</translation>
    </message>
    <message>
        <source>track %1 of &quot;tracks&quot;</source>
        <translation>la pista %1 de &quot;tracks&quot;</translation>
    </message>
    <message>
        <source>a PNG file in base64</source>
        <translation>un archivo PNG en base64</translation>
    </message>
    <message>
        <source>%1 holds no picture that can be shown (%2)</source>
        <translation>%1 no contiene ninguna imagen que se pueda mostrar (%2)</translation>
    </message>
    <message>
        <source>a file path or null, or an object carrying a picture</source>
        <translation>una ruta de archivo o null, o un objeto con una imagen</translation>
    </message>
    <message>
        <source>it is not a Sleevix cover (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>no es una carátula de Sleevix (su &quot;format&quot; no es &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>it is a cover of format version %1; this Sleevix reads version %2</source>
        <translation>es una carátula con formato versión %1; este Sleevix lee la versión %2</translation>
    </message>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>no es JSON válido (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>it is not a Sleevix cover (no JSON object)</source>
        <translation>no es una carátula de Sleevix (no hay objeto JSON)</translation>
    </message>
    <message>
        <source>41 or 17 (millimetres)</source>
        <translation>41 o 17 (milímetros)</translation>
    </message>
    <message>
        <source>a label sheet&apos;s maker and product, such as &quot;%1&quot;</source>
        <translation>el fabricante y el producto de una hoja de etiquetas, por ejemplo «%1»</translation>
    </message>
    <message>
        <source>a percentage from 100 to 800</source>
        <translation>un porcentaje de 100 a 800</translation>
    </message>
    <message>
        <source>two numbers of millimetres, across and down</source>
        <translation>dos números de milímetros, en horizontal y en vertical</translation>
    </message>
    <message>
        <source>0, 90, 180 or 270</source>
        <translation>0, 90, 180 o 270</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <source>Sleevix could not be started again to open %1</source>
        <translation>No se pudo iniciar Sleevix de nuevo para abrir %1</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Color:</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>an audio file</source>
        <translation>un archivo de audio</translation>
    </message>
    <message>
        <source>Cannot open file %1. %2</source>
        <translation>No se puede abrir el archivo %1. %2</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>It is too large to be %1 (%2 bytes)</source>
        <translation>Es demasiado grande para ser %1 (%2 bytes)</translation>
    </message>
    <message>
        <source>It is too large to be %1 (more than %2 bytes)</source>
        <translation>Es demasiado grande para ser %1 (más de %2 bytes)</translation>
    </message>
    <message>
        <source>a cover</source>
        <translation>una carátula</translation>
    </message>
    <message>
        <source>a picture</source>
        <translation>una imagen</translation>
    </message>
    <message>
        <source>a track list</source>
        <translation>una lista de pistas</translation>
    </message>
    <message>
        <source>a label template</source>
        <translation>una plantilla de etiquetas</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Vista &amp;previa de impresión...</translation>
    </message>
    <message>
        <source>&amp;Cover</source>
        <translation>&amp;Carátula</translation>
    </message>
    <message>
        <source>&amp;Edit Tracks...</source>
        <translation>&amp;Editar pistas...</translation>
    </message>
    <message>
        <source>&amp;Font type/color...</source>
        <translation>&amp;Fuente y color...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>I&amp;zquierda</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrado</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>I&amp;magen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Exportar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Export as PN&amp;G...</source>
        <translation>&amp;Exportar como PNG...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Edit Tracks</source>
        <translation>Ed&amp;itar pistas</translation>
    </message>
    <message>
        <source>Ce&amp;nter</source>
        <translation>Ce&amp;ntrado</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>Ima&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Inserts</source>
        <translation>Carátulas</translation>
    </message>
    <message>
        <source>Back insert</source>
        <translation>Carátula trasera</translation>
    </message>
    <message>
        <source>Left spine</source>
        <translation>Lomo izquierdo</translation>
    </message>
    <message>
        <source>Right spine</source>
        <translation>Lomo derecho</translation>
    </message>
    <message>
        <source>Front insert</source>
        <translation>Carátula delantera</translation>
    </message>
    <message>
        <source>Outlines</source>
        <translation>Contornos</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Color del contorno</translation>
    </message>
    <message>
        <source>Text options</source>
        <translation>Opciones de texto</translation>
    </message>
    <message>
        <source>The vertical text on the </source>
        <extracomment>The first line of a check box; its second line is &quot;printout is messed up!&quot;. The access letter may stand in either line.</extracomment>
        <translation>¡El texto vertical de la </translation>
    </message>
    <message>
        <source>The vertical text on the printout is messed up!</source>
        <translation>¡El texto vertical de la impresión sale mal!</translation>
    </message>
    <message>
        <source>Export for print s&amp;hop...</source>
        <translation>Exportar para impren&amp;ta...</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;Jewel case</source>
        <translation>Caja de CD &amp;estándar</translation>
    </message>
    <message>
        <source>&amp;Slim case</source>
        <translation>Caja &amp;slim</translation>
    </message>
    <message>
        <source>&amp;DVD case</source>
        <translation>Caja de &amp;DVD</translation>
    </message>
    <message>
        <source>Disc &amp;label</source>
        <translation>E&amp;tiqueta de disco</translation>
    </message>
    <message>
        <source>&amp;Full-face disc (17 mm hole)</source>
        <translation>Disco de superficie &amp;completa (agujero de 17 mm)</translation>
    </message>
    <message>
        <source>&amp;Track list on the disc</source>
        <translation>&amp;Lista de pistas en el disco</translation>
    </message>
    <message>
        <source>Disc labels &amp;print on</source>
        <translation>&amp;Imprimir etiquetas en</translation>
    </message>
    <message>
        <source>&amp;Plain paper</source>
        <translation>Papel &amp;normal</translation>
    </message>
    <message>
        <source>Font t&amp;ype/color</source>
        <translation>&amp;Fuente/color</translation>
    </message>
    <message>
        <source>Clo&amp;se</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>The tab of the back insert&apos;s page; the outline switch &quot;Back&quot; has another access letter.</extracomment>
        <translation>&amp;Trasera</translation>
    </message>
    <message>
        <source>Fron&amp;t</source>
        <extracomment>The tab of the front insert&apos;s page.</extracomment>
        <translation>De&amp;lantera</translation>
    </message>
    <message>
        <source>&amp;Vertical lines</source>
        <translation>Líneas &amp;verticales</translation>
    </message>
    <message>
        <source>Bac&amp;k</source>
        <extracomment>The switch of the back insert&apos;s outline; the tab &quot;Back&quot; has another access letter.</extracomment>
        <translation>Tra&amp;sera</translation>
    </message>
    <message>
        <source>F&amp;ront</source>
        <extracomment>The switch of the front insert&apos;s outline.</extracomment>
        <translation>D&amp;elantera</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>C&amp;olor</translation>
    </message>
    <message>
        <source>No te&amp;xt on front cover</source>
        <translation>Sin te&amp;xto delante</translation>
    </message>
    <message>
        <source>printout is &amp;messed up!</source>
        <extracomment>The second line of the check box &quot;The vertical text on the &quot;.</extracomment>
        <translation>impresión sale &amp;mal!</translation>
    </message>
    <message>
        <source>&amp;Label sheet: %1...</source>
        <translation>&amp;Hoja de etiquetas: %1...</translation>
    </message>
    <message>
        <source>&amp;Label sheet...</source>
        <translation>&amp;Hoja de etiquetas...</translation>
    </message>
    <message>
        <source>Printer &amp;calibration...</source>
        <translation>Calib&amp;rar impresora...</translation>
    </message>
    <message>
        <source>Texts along the disc&apos;s &amp;arcs</source>
        <translation>Textos a lo largo de los &amp;arcos</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>E&amp;ncuadre</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>&amp;Estirar</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Rellenar</translation>
    </message>
    <message>
        <source>F&amp;it</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>Turn &amp;left</source>
        <translation>Girar a la &amp;izquierda</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>Girar a la derec&amp;ha</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>Espe&amp;jo</translation>
    </message>
    <message>
        <source>&amp;Background colour...</source>
        <translation>Color de &amp;fondo...</translation>
    </message>
    <message>
        <source>&amp;Zoom in</source>
        <translation>Am&amp;pliar</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut</source>
        <translation>Re&amp;ducir</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Ninguna)</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Vista previa de la imagen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>&quot;%1&quot; is not a readable %2 file</source>
        <translation>&quot;%1&quot; no es un archivo %2 legible</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no album art</source>
        <translation>&quot;%1&quot; no contiene portada del álbum</translation>
    </message>
    <message>
        <source>The album art in &quot;%1&quot; is of a kind not read (%2)</source>
        <translation>La portada del álbum de &quot;%1&quot; es de un tipo que no se lee (%2)</translation>
    </message>
    <message>
        <source>Picture is too complex to draw at %1 x %2 pixels</source>
        <translation>La imagen es demasiado compleja para dibujarla a %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Firma GIF no válida</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Tipo de bloque GIF desconocido</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Datos GIF no válidos</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Introductor de extensión no válido</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Final de imagen no válido</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Error JPEG n.º %1</translation>
    </message>
    <message>
        <source>Invalid metafile: %1</source>
        <translation>Metarchivo no válido: %1</translation>
    </message>
    <message>
        <source>Only a picture, a picture file or an audio file with album art can be dropped on an insert</source>
        <translation>Sobre una carátula solo se puede soltar una imagen, un archivo de imagen o un archivo de audio con portada</translation>
    </message>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>El portapapeles no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>One picture at a time, please: %1 files were given</source>
        <translation>Una imagen cada vez, por favor: se dieron %1 archivos</translation>
    </message>
    <message>
        <source>Only a picture file on this computer can be used (%1)</source>
        <translation>Solo se puede usar un archivo de imagen de este equipo (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a picture</source>
        <translation>&quot;%1&quot; es una carpeta, no una imagen</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Metarchivos</translation>
    </message>
    <message>
        <source>Enhanced Metafiles</source>
        <translation>Metarchivos mejorados</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Iconos</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Mapas de bits</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>Imagen GIF</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>Archivo de imagen JPEG</translation>
    </message>
    <message>
        <source>M4A Album Art</source>
        <translation>Portada de álbum M4A</translation>
    </message>
    <message>
        <source>Opus Album Art</source>
        <translation>Portada de álbum Opus</translation>
    </message>
    <message>
        <source>Ogg Album Art</source>
        <translation>Portada de álbum Ogg</translation>
    </message>
    <message>
        <source>FLAC Album Art</source>
        <translation>Portada de álbum FLAC</translation>
    </message>
    <message>
        <source>MP3 Album Art</source>
        <translation>Portada de álbum MP3</translation>
    </message>
    <message>
        <source>Compressed SVG Drawing</source>
        <translation>Dibujo SVG comprimido</translation>
    </message>
    <message>
        <source>SVG Drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>Imagen TIFF</translation>
    </message>
    <message>
        <source>WebP Image</source>
        <translation>Imagen WebP</translation>
    </message>
    <message>
        <source>PNG Image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>Todos (%1)</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation>La imagen es demasiado grande (%1 x %2)</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensión de archivo de imagen desconocida (.%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Icon image is too large (%1 x %2)</source>
        <translation>La imagen de icono es demasiado grande (%1 x %2)</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>La imagen de icono no es válida</translation>
    </message>
    <message>
        <source>PNG image is not valid</source>
        <translation>La imagen PNG no es válida</translation>
    </message>
    <message>
        <source>WebP image is not valid</source>
        <translation>La imagen WebP no es válida</translation>
    </message>
    <message>
        <source>TIFF image is not valid</source>
        <translation>La imagen TIFF no es válida</translation>
    </message>
    <message>
        <source>SVG image is too complex to draw (more than %1 shapes, segments and characters)</source>
        <translation>La imagen SVG es demasiado compleja para dibujarla (más de %1 formas, segmentos y caracteres)</translation>
    </message>
    <message>
        <source>SVG image is too large (more than %1 bytes of text)</source>
        <translation>La imagen SVG es demasiado grande (más de %1 bytes de texto)</translation>
    </message>
    <message>
        <source>SVG image is not valid</source>
        <translation>La imagen SVG no es válida</translation>
    </message>
    <message>
        <source>Compressed SVG image is not valid</source>
        <translation>La imagen SVG comprimida no es válida</translation>
    </message>
    <message>
        <source>SVG image carries too many pixels (more than %1)</source>
        <translation>La imagen SVG tiene demasiados píxeles (más de %1)</translation>
    </message>
    <message>
        <source>SVG image has no size</source>
        <translation>La imagen SVG no tiene tamaño</translation>
    </message>
    <message>
        <source>Metafile holds nothing this program can draw</source>
        <translation>El metarchivo no contiene nada que este programa pueda dibujar</translation>
    </message>
    <message>
        <source>The album art in &quot;%1&quot; does not say what kind it is</source>
        <translation>La portada del álbum de &quot;%1&quot; no dice de qué tipo es</translation>
    </message>
    <message>
        <source>%1 is printed at 1/%2 of its size: it was too heavy to draw whole</source>
        <translation>%1 se imprime a 1/%2 de su tamaño: dibujarlo entero era demasiado pesado</translation>
    </message>
    <message>
        <source>%1 is left out: it was too heavy to draw</source>
        <translation>%1 se omite: dibujarlo era demasiado pesado</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot print to %1: %2</source>
        <translation>No se puede imprimir en %1: %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be started</source>
        <translation>No se puede imprimir: no se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Falló la impresión: la impresora informó de un error</translation>
    </message>
    <message>
        <source>Cannot print to &quot;%1&quot;: %2</source>
        <translation>No se puede imprimir en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; is not accepting jobs</source>
        <translation>No se puede imprimir: la impresora &quot;%1&quot; no acepta trabajos</translation>
    </message>
    <message>
        <source>Printing failed: &quot;%1&quot; refused the job: %2</source>
        <translation>Falló la impresión: &quot;%1&quot; rechazó el trabajo: %2</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Cannot print: no default printer is set up; name one</source>
        <translation>No se puede imprimir: no hay ninguna impresora predeterminada; indique una</translation>
    </message>
    <message>
        <source>there is no such printer</source>
        <translation>esa impresora no existe</translation>
    </message>
</context>
<context>
    <name>TrackEditor</name>
    <message>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Select entry</source>
        <translation>Selección de entrada</translation>
    </message>
    <message>
        <source>1 track</source>
        <translation>1 pista</translation>
    </message>
    <message>
        <source>%1 tracks</source>
        <translation>%1 pistas</translation>
    </message>
    <message>
        <source>Import tracks</source>
        <translation>Importar pistas</translation>
    </message>
    <message>
        <source>The list already holds %1. Replace them with the %2 imported, or add those after them?</source>
        <translation>La lista ya contiene %1. ¿Reemplazarlas por las %2 importadas o añadir estas a continuación?</translation>
    </message>
    <message>
        <source>Clear the list of %1?</source>
        <translation>¿Vaciar la lista de %1?</translation>
    </message>
    <message>
        <source>The imported files carry album art (in &quot;%1&quot;). Lay it on the front insert?</source>
        <translation>Los archivos importados traen portada del álbum (en &quot;%1&quot;). ¿Ponerla en la carátula delantera?</translation>
    </message>
    <message>
        <source>%1 of %2 were left out: a cover holds at most %3 tracks</source>
        <translation>Se omitieron %1 de %2: una carátula admite como máximo %3 pistas</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renumerar</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>&lt;Type in name of the artist here&gt;</source>
        <translation>&lt;Escriba aquí el nombre del artista&gt;</translation>
    </message>
    <message>
        <source>&lt;Type in title here&gt;</source>
        <translation>&lt;Escriba aquí el título&gt;</translation>
    </message>
    <message>
        <source>%1 - Edit Tracks</source>
        <translation>%1 - Editar pistas</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Tracks on the CD</source>
        <translation>Pistas del CD</translation>
    </message>
    <message>
        <source>Type in track</source>
        <translation>Escriba una pista</translation>
    </message>
    <message>
        <source>Artist and title</source>
        <translation>Artista y título</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
    <message>
        <source>A cover holds at most %1 tracks.</source>
        <translation>Una carátula admite como máximo %1 pistas.</translation>
    </message>
    <message>
        <source>%1 of %2 tracks</source>
        <translation>%1 de %2 pistas</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is kept whole (%1 characters)</source>
        <translation>Este texto es demasiado largo para editarlo aquí; se conserva entero (%1 caracteres)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Tracks &amp;on the CD:</source>
        <translation>&amp;Pistas del CD:</translation>
    </message>
    <message>
        <source>&amp;Type in track:</source>
        <translation>&amp;Escriba una pista:</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Artista:</translation>
    </message>
    <message>
        <source>Tit&amp;le:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>I&amp;mportar...</translation>
    </message>
    <message>
        <source>Tracks from &amp;files...</source>
        <translation>Pistas de &amp;archivos...</translation>
    </message>
    <message>
        <source>Tracks from a f&amp;older...</source>
        <translation>Pistas de una &amp;carpeta...</translation>
    </message>
    <message>
        <source>&amp;Add track lengths</source>
        <translation>Añadir &amp;duración de las pistas</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Renumber</source>
        <translation>&amp;Renumerar</translation>
    </message>
    <message>
        <source>&amp;Clear list...</source>
        <translation>&amp;Vaciar la lista...</translation>
    </message>
</context>
<context>
    <name>TrackImport</name>
    <message>
        <source>The chosen folders hold no audio files</source>
        <translation>Las carpetas elegidas no contienen archivos de audio</translation>
    </message>
    <message>
        <source>%1 holds no audio files</source>
        <translation>%1 no contiene archivos de audio</translation>
    </message>
    <message>
        <source>%1 is damaged or not the audio file its name says</source>
        <translation>%1 está dañado o no es el archivo de audio que indica su nombre</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>TRACK without a number</source>
        <translation>TRACK sin número</translation>
    </message>
    <message>
        <source>INDEX needs a number and a time mm:ss:ff</source>
        <translation>INDEX necesita un número y un tiempo mm:ss:ff</translation>
    </message>
    <message>
        <source>%1 is no CUE sheet: it has no TRACK</source>
        <translation>%1 no es una hoja CUE: no tiene ningún TRACK</translation>
    </message>
    <message>
        <source>1 file was passed over: %1</source>
        <translation>Se omitió 1 archivo: %1</translation>
    </message>
    <message>
        <source>%1 files were passed over: %2</source>
        <translation>Se omitieron %1 archivos: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file</source>
        <translation>%1 no es un archivo de texto</translation>
    </message>
    <message>
        <source>%1 names no tracks</source>
        <translation>%1 no nombra ninguna pista</translation>
    </message>
    <message>
        <source>%1 holds no tracks</source>
        <translation>%1 no contiene pistas</translation>
    </message>
    <message>
        <source>Track lists and audio files (*.cue *.m3u *.m3u8 *.txt %1)</source>
        <translation>Listas de pistas y archivos de audio (*.cue *.m3u *.m3u8 *.txt %1)</translation>
    </message>
    <message>
        <source>CUE sheets (*.cue)</source>
        <translation>Hojas CUE (*.cue)</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8)</source>
        <translation>Listas de reproducción (*.m3u *.m3u8)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>Archivos de audio (%1)</translation>
    </message>
    <message>
        <source>Nothing was chosen to import</source>
        <translation>No se eligió nada para importar</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 is no CUE sheet, playlist, text file or audio file to take tracks from</source>
        <translation>%1 no es una hoja CUE, lista de reproducción, archivo de texto ni archivo de audio del que tomar pistas</translation>
    </message>
    <message>
        <source>Import one CUE sheet, playlist or text file at a time, without other files</source>
        <translation>Importe una sola hoja CUE, lista de reproducción o archivo de texto cada vez, sin otros archivos</translation>
    </message>
</context>
</TS>
