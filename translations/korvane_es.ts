<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ArtViewer</name>
    <message>
        <source>Art Viewer</source>
        <translation>Visor de gráficos</translation>
    </message>
</context>
<context>
    <name>Checksum</name>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>not a Mega Drive cartridge image (no &quot;SEGA&quot; at 0x100)</source>
        <translation>no es una imagen de cartucho de Mega Drive (no hay &quot;SEGA&quot; en 0x100)</translation>
    </message>
</context>
<context>
    <name>ColourWords</name>
    <message>
        <source>&apos;%1&apos; has bits outside 0EEE for &quot;%2&quot;: a Mega Drive colour holds blue, green and red in even steps, 0 to E (the nearest is %3).</source>
        <translation>&apos;%1&apos; tiene bits fuera de 0EEE para &quot;%2&quot;: un color de Mega Drive guarda azul, verde y rojo en pasos pares, de 0 a E (el más cercano es %3).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has bits outside 7FFF for &quot;%2&quot;: a 32X colour holds 15 bits (the nearest is %3).</source>
        <translation>&apos;%1&apos; tiene bits fuera de 7FFF para &quot;%2&quot;: un color de 32X ocupa 15 bits (el más cercano es %3).</translation>
    </message>
</context>
<context>
    <name>DemoModel</name>
    <message>
        <source>No demo setting has been read from this ROM; nothing was saved</source>
        <translation>No se ha leído ningún ajuste de demos de esta ROM; no se ha guardado nada</translation>
    </message>
    <message>
        <source>a number of demos</source>
        <translation>un número de demos</translation>
    </message>
    <message>
        <source>a level of the game</source>
        <translation>un nivel del juego</translation>
    </message>
</context>
<context>
    <name>DemoValues</name>
    <message>
        <source>%1: %2; left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why it could not be read.</extracomment>
        <translation>%1: %2; sección omitida</translation>
    </message>
    <message>
        <source>%1: %2; the levels left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why the level list could not be read.</extracomment>
        <translation>%1: %2; niveles omitidos</translation>
    </message>
    <message>
        <source>they could not be read from the image</source>
        <translation>no se pudieron leer de la imagen</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>the level list could not be read</source>
        <translation>no se pudo leer la lista de niveles</translation>
    </message>
    <message>
        <source>%1 is not a level of the list</source>
        <translation>%1 no es un nivel de la lista</translation>
    </message>
    <message>
        <source>%1 has no level of the game</source>
        <translation>%1 no corresponde a ningún nivel del juego</translation>
    </message>
</context>
<context>
    <name>DemosEditor</name>
    <message>
        <source>&amp;Normal Demos Length: </source>
        <translation>Duración de demos &amp;normales: </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>S&amp;pecial Stages Demos Length</source>
        <translation>Duración de demos de fases &amp;especiales</translation>
    </message>
    <message>
        <source>N&amp;umber of demos played</source>
        <translation>Nú&amp;mero de demos reproducidas</translation>
    </message>
    <message>
        <source>&amp;First demo level:</source>
        <translation>&amp;Primer nivel de demo:</translation>
    </message>
    <message>
        <source>S&amp;econd demo level</source>
        <translation>&amp;Segundo nivel de demo</translation>
    </message>
    <message>
        <source>&amp;Third demo level</source>
        <translation>&amp;Tercer nivel de demo</translation>
    </message>
    <message>
        <source>F&amp;ourth demo level</source>
        <translation>C&amp;uarto nivel de demo</translation>
    </message>
    <message>
        <source>&amp;Import/export a demo</source>
        <translation>&amp;Importar/exportar una demo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Normal demos length</source>
        <translation>Duración de demos normales</translation>
    </message>
    <message>
        <source>How long a normal demo runs: whole seconds, 0 to %1</source>
        <translation>Cuánto dura una demo normal: segundos enteros, de 0 a %1</translation>
    </message>
    <message>
        <source>Special stages demos length</source>
        <translation>Duración de demos de fases especiales</translation>
    </message>
    <message>
        <source>How long a special stage demo runs: whole seconds, 0 to %1</source>
        <translation>Cuánto dura una demo de fase especial: segundos enteros, de 0 a %1</translation>
    </message>
    <message>
        <source>Number of demos played</source>
        <translation>Número de demos reproducidas</translation>
    </message>
    <message>
        <source>First demo level</source>
        <translation>Primer nivel de demo</translation>
    </message>
    <message>
        <source>Second demo level</source>
        <translation>Segundo nivel de demo</translation>
    </message>
    <message>
        <source>Third demo level</source>
        <translation>Tercer nivel de demo</translation>
    </message>
    <message>
        <source>Fourth demo level</source>
        <translation>Cuarto nivel de demo</translation>
    </message>
    <message>
        <source>The level the first demo plays, by its name in the game&apos;s level list</source>
        <translation>El nivel de la primera demo, por su nombre en la lista de niveles del juego</translation>
    </message>
    <message>
        <source>The level the second demo plays, by its name in the game&apos;s level list</source>
        <translation>El nivel de la segunda demo, por su nombre en la lista de niveles del juego</translation>
    </message>
    <message>
        <source>The level the third demo plays, by its name in the game&apos;s level list</source>
        <translation>El nivel de la tercera demo, por su nombre en la lista de niveles del juego</translation>
    </message>
    <message>
        <source>The level the fourth demo plays, by its name in the game&apos;s level list</source>
        <translation>El nivel de la cuarta demo, por su nombre en la lista de niveles del juego</translation>
    </message>
    <message>
        <source>How many demos the attract mode plays in turn: 0 to %1</source>
        <translation>Cuántas demos se reproducen por turnos en el modo de atracción: de 0 a %1</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
</context>
<context>
    <name>Detection</name>
    <message numerus="yes">
        <source>%1 is %n byte(s): too short for a Mega Drive image (at least %2 bytes).</source>
        <translation>
            <numerusform>%1 ocupa %n byte: demasiado corto para una imagen de Mega Drive (al menos %2 bytes).</numerusform>
            <numerusform>%1 ocupa %n bytes: demasiado corto para una imagen de Mega Drive (al menos %2 bytes).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Disassembler</name>
    <message>
        <source>Disassembler</source>
        <translation>Desensamblador</translation>
    </message>
    <message>
        <source>&amp;Machine code</source>
        <translation>Código &amp;máquina</translation>
    </message>
    <message>
        <source>68000 &amp;asm</source>
        <translation>68000 &amp;asm</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
</context>
<context>
    <name>EditorList</name>
    <message>
        <source>Object Editor</source>
        <translation>Editor de objetos</translation>
    </message>
    <message>
        <source>Demos Editor</source>
        <translation>Editor de demos</translation>
    </message>
    <message>
        <source>Water Editor</source>
        <translation>Editor de agua</translation>
    </message>
    <message>
        <source>Text Editor</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <source>Palette Editor</source>
        <translation>Editor de paletas</translation>
    </message>
    <message>
        <source>Disassembler</source>
        <translation>Desensamblador</translation>
    </message>
    <message>
        <source>Art Viewer</source>
        <translation>Visor de gráficos</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>at $%1: found %2, not %3</source>
        <translation>en $%1: se encontró %2, no %3</translation>
    </message>
</context>
<context>
    <name>EditorValues</name>
    <message>
        <source>expected an integer</source>
        <translation>se esperaba un entero</translation>
    </message>
    <message>
        <source>expected an integer or a number as text</source>
        <translation>se esperaba un entero o un número como texto</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>se esperaba una cadena</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>se esperaba un array</translation>
    </message>
    <message>
        <source>expected %1 elements, not %2</source>
        <translation>se esperaban %1 elementos, no %2</translation>
    </message>
    <message>
        <source>not a value of this editor for this image</source>
        <translation>no es un valor de este editor para esta imagen</translation>
    </message>
</context>
<context>
    <name>EmulatorDialog</name>
    <message>
        <source>No emulator was found to play the image: none is chosen, and none of blastem, mednafen and ares is on the PATH. Choose one in the dialog that follows.</source>
        <translation>No se encontró ningún emulador para ejecutar la imagen: no hay ninguno elegido y ni blastem, ni mednafen ni ares están en el PATH. Elige uno en el diálogo siguiente.</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1): %2. Check its command in the dialog that follows.</source>
        <translation>No se pudo iniciar el emulador (%1): %2. Revisa su comando en el diálogo siguiente.</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Emulador</translation>
    </message>
    <message>
        <source>The &amp;command that plays an image; %f stands for the image&apos;s path:</source>
        <translation>El &amp;comando que ejecuta una imagen; %f representa la ruta de la imagen:</translation>
    </message>
    <message>
        <source>no emulator found on the PATH</source>
        <translation>no se encontró ningún emulador en el PATH</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Left empty, the first of blastem, mednafen and ares on the PATH plays.</source>
        <translation>Si se deja vacío, se usa el primero de blastem, mednafen y ares que esté en el PATH.</translation>
    </message>
    <message>
        <source>Left empty, &quot;%1&quot; plays.</source>
        <translation>Si se deja vacío, se usa &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Programs (*.exe)</source>
        <translation>Programas (*.exe)</translation>
    </message>
    <message>
        <source>Emulator program</source>
        <translation>Programa del emulador</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be told from other names here; rename it to open it</source>
        <translation>su nombre no es UTF-8 válido, así que aquí no se puede distinguir de otros nombres; cámbiale el nombre para abrirlo</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Stream read error</source>
        <translation>Error de lectura del flujo</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Invalid value size %1</source>
        <translation>Tamaño de valor no válido: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Error de escritura del flujo</translation>
    </message>
    <message>
        <source>The file is too large for a cartridge image (4 GiB or more)</source>
        <translation>El archivo es demasiado grande para una imagen de cartucho (4 GiB o más)</translation>
    </message>
</context>
<context>
    <name>FirstGameTextEditor</name>
    <message>
        <source>Text Editor</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <source>Title Cards</source>
        <translation>Tarjetas de título</translation>
    </message>
</context>
<context>
    <name>Handlers</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>ImageSession</name>
    <message>
        <source>%1. Nothing was saved: choose &quot;Edit anyway&quot; for such a value to write it</source>
        <translation>%1. No se guardó nada: elige &quot;Editar de todos modos&quot; para escribir un valor así</translation>
    </message>
    <message>
        <source>%1 is a link to the image itself: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 es un enlace a la propia imagen: no se puede conservar el original; muévelo o desactiva las copias de seguridad</translation>
    </message>
    <message>
        <source>%1 is a folder: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 es una carpeta: no se puede conservar el original; muévela o desactiva las copias de seguridad</translation>
    </message>
    <message>
        <source>%1 is a FIFO: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 es un FIFO: no se puede conservar el original; muévelo o desactiva las copias de seguridad</translation>
    </message>
    <message>
        <source>%1 is a device: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 es un dispositivo: no se puede conservar el original; muévelo o desactiva las copias de seguridad</translation>
    </message>
    <message>
        <source>%1 is a socket: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 es un socket: no se puede conservar el original; muévelo o desactiva las copias de seguridad</translation>
    </message>
    <message>
        <source>%1 is no regular file: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 no es un archivo normal: no se puede conservar el original; muévelo o desactiva las copias de seguridad</translation>
    </message>
    <message>
        <source>The Save was cancelled; nothing was written</source>
        <translation>Se canceló el guardado; no se escribió nada</translation>
    </message>
    <message>
        <source>A copy cannot be written over the image itself; nothing was written</source>
        <translation>No se puede escribir una copia sobre la propia imagen; no se escribió nada</translation>
    </message>
    <message>
        <source>The image could not be backed up to %1 (%2), so nothing was saved. Untick &quot;Back Up Before Saving&quot; to save without a backup</source>
        <translation>No se pudo hacer una copia de seguridad de la imagen en %1 (%2), así que no se guardó nada. Desmarca &quot;Copia de seguridad antes de guardar&quot; para guardar sin copia de seguridad</translation>
    </message>
</context>
<context>
    <name>ImageSnapshot</name>
    <message>
        <source>The image was changed by another program since this window read it. Nothing was saved: close the window and open it again</source>
        <translation>Otro programa cambió la imagen después de que esta ventana la leyera. No se guardó nada: cierra la ventana y vuelve a abrirla</translation>
    </message>
</context>
<context>
    <name>ImageValues</name>
    <message>
        <source>no editor serves this image (game &quot;%1&quot;): nothing to locate</source>
        <translation>ningún editor admite esta imagen (juego &quot;%1&quot;): nada que localizar</translation>
    </message>
    <message>
        <source>the image&apos;s serial is not the original&apos;s: it is no modification of it</source>
        <translation>el serial de la imagen no es el del original: no es una modificación de este</translation>
    </message>
</context>
<context>
    <name>InstructionWord</name>
    <message>
        <source>Machine code</source>
        <translation>Código máquina</translation>
    </message>
    <message>
        <source>unrecognized</source>
        <translation>no reconocido</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>The layout is refused: %1; nothing is read through it</source>
        <translation>Se rechaza la disposición: %1; no se lee nada a través de ella</translation>
    </message>
    <message>
        <source>%1: the address is no &quot;0x&quot; followed by hexadecimal digits, nor a whole number</source>
        <translation>%1: la dirección no es &quot;0x&quot; seguido de dígitos hexadecimales, ni un número entero</translation>
    </message>
    <message>
        <source>it is no JSON (line %1, column %2: %3)</source>
        <translation>no es JSON (línea %1, columna %2: %3)</translation>
    </message>
    <message>
        <source>it is no JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>its &quot;format&quot; is not &quot;%1&quot;</source>
        <translation>su &quot;format&quot; no es &quot;%1&quot;</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is not %1</source>
        <translation>su &quot;version&quot; no es %1</translation>
    </message>
    <message>
        <source>its &quot;game&quot; is not the image&apos;s, &quot;%1&quot;</source>
        <translation>su &quot;game&quot; no es el de la imagen, &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key of a layout</source>
        <translation>&quot;%1&quot; no es una clave de una disposición</translation>
    </message>
    <message>
        <source>its &quot;values&quot; is no JSON object</source>
        <translation>su &quot;values&quot; no es un objeto JSON</translation>
    </message>
    <message>
        <source>%1: no value of this game has this key</source>
        <translation>%1: ningún valor de este juego tiene esta clave</translation>
    </message>
    <message>
        <source>%1: at %2 it would end past the image&apos;s %3 bytes</source>
        <translation>%1: en %2 terminaría más allá de los %3 bytes de la imagen</translation>
    </message>
    <message>
        <source>%1 and %2 would overlap at %3</source>
        <translation>%1 y %2 se solaparían en %3</translation>
    </message>
</context>
<context>
    <name>Locate</name>
    <message>
        <source>in place</source>
        <translation>en su sitio</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>movido</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>ambiguo</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
</context>
<context>
    <name>LocateDialog</name>
    <message>
        <source>Locate Moved Values</source>
        <translation>Localizar valores movidos</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Usual address</source>
        <translation>Dirección habitual</translation>
    </message>
    <message>
        <source>Found at</source>
        <translation>Encontrado en</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>%1 values: %2 in place, %3 moved, %4 not found.</source>
        <translation>%1 valores: %2 en su sitio, %3 movidos, %4 no encontrados.</translation>
    </message>
    <message>
        <source>The values not found stay where they usually are, and do not look as expected there until you edit them anyway.</source>
        <translation>Los valores no encontrados se quedan en su lugar habitual y ahí no parecen los esperados hasta que los edites de todos modos.</translation>
    </message>
    <message>
        <source>Save Layout writes the moved ones to %1; the editors then read and write them there.</source>
        <translation>Guardar disposición escribe los movidos en %1; después, los editores los leen y escriben ahí.</translation>
    </message>
    <message>
        <source>No value moved: there is no layout to save.</source>
        <translation>Ningún valor se ha movido: no hay disposición que guardar.</translation>
    </message>
    <message>
        <source>&amp;Save Layout</source>
        <translation>&amp;Guardar disposición</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>[ not selected ]</source>
        <translation>[ sin seleccionar ]</translation>
    </message>
    <message>
        <source>&amp;Select a ROM...</source>
        <translation>&amp;Seleccionar una ROM...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Editor</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Open ROM...</source>
        <translation>&amp;Abrir ROM...</translation>
    </message>
    <message>
        <source>Save a &amp;Copy...</source>
        <translation>Guardar una &amp;copia...</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>Re&amp;vertir</translation>
    </message>
    <message>
        <source>Create &amp;Patch...</source>
        <translation>Crear &amp;parche...</translation>
    </message>
    <message>
        <source>Play in &amp;Emulator</source>
        <translation>&amp;Jugar en el emulador</translation>
    </message>
    <message>
        <source>&amp;Emulator...</source>
        <translation>&amp;Emulador...</translation>
    </message>
    <message>
        <source>&amp;Back Up Before Saving</source>
        <translation>Copia de seguridad antes de &amp;guardar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Art Viewer</source>
        <translation>&amp;Visor de gráficos</translation>
    </message>
    <message>
        <source>&amp;Demos Editor</source>
        <translation>Editor de &amp;demos</translation>
    </message>
    <message>
        <source>&amp;Object Editor</source>
        <translation>Editor de &amp;objetos</translation>
    </message>
    <message>
        <source>&amp;Palette Editor</source>
        <translation>Editor de &amp;paletas</translation>
    </message>
    <message>
        <source>&amp;Text Editor</source>
        <translation>Editor de &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Water Editor</source>
        <translation>Editor de &amp;agua</translation>
    </message>
    <message>
        <source>D&amp;isassembler</source>
        <translation>D&amp;esensamblador</translation>
    </message>
    <message>
        <source>&amp;Fix Checksum</source>
        <translation>&amp;Corregir checksum</translation>
    </message>
    <message>
        <source>&amp;Repair Checksum Now</source>
        <translation>&amp;Reparar checksum ahora</translation>
    </message>
    <message>
        <source>&amp;Locate Moved Values...</source>
        <translation>&amp;Localizar valores movidos...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Fix Checksum is off</source>
        <translation>Corregir checksum está desactivado</translation>
    </message>
    <message>
        <source>Saves leave the header&apos;s checksum as it is (Editor &gt; Fix Checksum)</source>
        <translation>Al guardar, el checksum de la cabecera se queda como está (Editor &gt; Corregir checksum)</translation>
    </message>
    <message>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
    <message>
        <source>You have to select a file</source>
        <translation>Tienes que seleccionar un archivo</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <source>%1 moves %2 of the values</source>
        <translation>%1 mueve %2 de los valores</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>%1 of %2 values do not look as expected at their usual place: this image may be modified (Image &gt; Locate Moved Values...).</source>
        <translation>%1 de %2 valores no parecen los esperados en su lugar habitual: puede que esta imagen esté modificada (Imagen &gt; Localizar valores movidos...).</translation>
    </message>
    <message>
        <source>%1 of %2 values do not look as expected at their place: this image may be modified (Image &gt; Locate Moved Values...).</source>
        <translation>%1 de %2 valores no parecen los esperados en su lugar: puede que esta imagen esté modificada (Imagen &gt; Localizar valores movidos...).</translation>
    </message>
    <message>
        <source>not checked: %1</source>
        <translation>sin comprobar: %1</translation>
    </message>
    <message>
        <source>Untouched original image</source>
        <translation>Imagen original intacta</translation>
    </message>
    <message>
        <source>Cannot use %1: %2</source>
        <translation>No se puede usar %1: %2</translation>
    </message>
    <message>
        <source>Wrote %1; the image is read through it.</source>
        <translation>Se escribió %1; la imagen se lee según este archivo.</translation>
    </message>
    <message>
        <source>%1 holds an unsaved edit of the same bytes (at %2). Save over it?</source>
        <translation>%1 tiene un cambio sin guardar en esos mismos bytes (en %2). ¿Guardar encima?</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Cabecera</translation>
    </message>
    <message>
        <source>no &quot;SEGA&quot; at 0x100: not a Mega Drive cartridge header</source>
        <translation>no hay &quot;SEGA&quot; en 0x100: no es una cabecera de cartucho de Mega Drive</translation>
    </message>
    <message>
        <source>none: a save state is not edited</source>
        <translation>ninguno: un estado guardado no se edita</translation>
    </message>
    <message>
        <source>none: this program does not know this game</source>
        <translation>ninguno: este programa no conoce este juego</translation>
    </message>
    <message>
        <source>No editor of this program serves %1.</source>
        <translation>Ningún editor de este programa admite %1.</translation>
    </message>
    <message>
        <source>Editors</source>
        <translation>Editores</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>read-only: the editors show it, none saves</source>
        <translation>solo lectura: los editores la muestran, ninguno guarda</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 bytes (%2)</translation>
    </message>
    <message>
        <source>Checksum</source>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>being summed…</source>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>sin leer: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MISMATCH</source>
        <translation>NO COINCIDE</translation>
    </message>
    <message>
        <source>stored %1, computed %2: %3</source>
        <translation>almacenado %1, calculado %2: %3</translation>
    </message>
    <message>
        <source>ROM end</source>
        <translation>Fin de ROM</translation>
    </message>
    <message>
        <source>stored %1, expected %2: %3</source>
        <translation>almacenado %1, esperado %2: %3</translation>
    </message>
    <message>
        <source>nothing to sum (0x200 bytes or fewer)</source>
        <translation>nada que sumar (0x200 bytes o menos)</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Borrar recientes</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was taken off the recent images.</source>
        <translation>%1 ya no existe; se quitó de las imágenes recientes.</translation>
    </message>
    <message>
        <source>Not a Mega Drive cartridge image</source>
        <translation>No es una imagen de cartucho de Mega Drive</translation>
    </message>
    <message>
        <source>Unknown ROM - %1</source>
        <translation>ROM desconocida - %1</translation>
    </message>
    <message>
        <source>%1 ROM</source>
        <translation>ROM de %1</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>Imagen original</translation>
    </message>
    <message>
        <source>Save patch</source>
        <translation>Guardar parche</translation>
    </message>
    <message>
        <source>BPS patch (*.bps);;IPS patch (*.ips)</source>
        <translation>Parche BPS (*.bps);;Parche IPS (*.ips)</translation>
    </message>
    <message>
        <source>The patch cannot be written over one of its images; nothing was written</source>
        <translation>No se puede escribir el parche sobre una de sus imágenes; no se escribió nada</translation>
    </message>
    <message>
        <source>The original&apos;s serial &quot;%1&quot; is not the selected image&apos;s &quot;%2&quot;. Make the patch from it all the same?</source>
        <translation>El serial del original, &quot;%1&quot;, no es el de la imagen seleccionada, &quot;%2&quot;. ¿Crear el parche a partir de él de todos modos?</translation>
    </message>
    <message>
        <source>The %1 patch holds %L2 bytes.</source>
        <translation>El parche %1 ocupa %L2 bytes.</translation>
    </message>
    <message>
        <source>Playing %1 as saved.</source>
        <translation>Ejecutando %1 tal como se guardó.</translation>
    </message>
    <message>
        <source>No temporary folder for the copy to play: %1</source>
        <translation>No hay carpeta temporal para la copia que se va a ejecutar: %1</translation>
    </message>
    <message>
        <source>Playing a copy of %1 with the unsaved edits of %2 (the image is unchanged).</source>
        <translation>Ejecutando una copia de %1 con los cambios sin guardar hechos en %2 (la imagen no cambia).</translation>
    </message>
    <message>
        <source>%1 is read-only: keep the unsaved edits in %2 in a copy of it?</source>
        <translation>%1 es de solo lectura: ¿conservar en una copia los cambios pendientes hechos en %2?</translation>
    </message>
    <message>
        <source>Save the unsaved edits in %1 to %2?</source>
        <translation>¿Guardar en %2 los cambios pendientes hechos en %1?</translation>
    </message>
    <message>
        <source>Save a Copy...</source>
        <translation>Guardar una copia...</translation>
    </message>
    <message>
        <source>Save a Copy</source>
        <translation>Guardar una copia</translation>
    </message>
    <message>
        <source>No editor holds unsaved edits.</source>
        <translation>Ningún editor tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>Discard the unsaved edits in %1?</source>
        <translation>¿Descartar los cambios sin guardar hechos en %1?</translation>
    </message>
    <message>
        <source>The editors show %1 as saved.</source>
        <translation>Los editores muestran %1 tal como está guardado.</translation>
    </message>
    <message>
        <source>%1 is read-only: its checksum cannot be repaired</source>
        <translation>%1 es de solo lectura: no se puede reparar su checksum</translation>
    </message>
    <message>
        <source>Checksum of %1 repaired.</source>
        <translation>Checksum de %1 reparado.</translation>
    </message>
    <message>
        <source>The checksum of %1 was already right; nothing was written.</source>
        <translation>El checksum de %1 ya era correcto; no se escribió nada.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;An editor of the demos, water levels, objects, texts and palettes of the cartridge images of the Pelbo Mega Drive games.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Pelbo Korvane developers&lt;/p&gt;&lt;p&gt;This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;&lt;p&gt;This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License&lt;/a&gt; for more details.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Versión %2&lt;/p&gt;&lt;p&gt;Un editor de las demos, los niveles del agua, los objetos, los textos y las paletas de las imágenes de cartucho de los juegos Pelbo de Mega Drive.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 Los desarrolladores de Pelbo Korvane&lt;/p&gt;&lt;p&gt;Este programa es software libre: puedes redistribuirlo y/o modificarlo según los términos de la Licencia Pública General de GNU publicada por la Free Software Foundation, ya sea la versión 3 de la Licencia o (a tu elección) cualquier versión posterior.&lt;/p&gt;&lt;p&gt;Este programa se distribuye con la esperanza de que sea útil, pero SIN NINGUNA GARANTÍA; ni siquiera la garantía implícita de COMERCIABILIDAD o IDONEIDAD PARA UN PROPÓSITO PARTICULAR. Consulta la &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;Licencia Pública General de GNU&lt;/a&gt; para más detalles.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>The language changes when Pelbo Korvane starts again.</source>
        <translation>El idioma cambia cuando Pelbo Korvane se vuelva a abrir.</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <source>hexadecimal %1 to %2</source>
        <translation>hexadecimal de %1 a %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>de %1 a %2 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &quot;%2&quot; (%3).</source>
        <translation>&apos;%1&apos; no es un valor válido para &quot;%2&quot; (%3).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for &quot;%2&quot; (%3).</source>
        <translation>&apos;%1&apos; está fuera de rango para &quot;%2&quot; (%3).</translation>
    </message>
</context>
<context>
    <name>ObjectEditor</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save and &amp;Play</source>
        <translation>Guardar y &amp;jugar</translation>
    </message>
    <message>
        <source>Save, then play the image in the emulator (Ctrl+F5)</source>
        <translation>Guarda y luego ejecuta la imagen en el emulador (Ctrl+F5)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Bosses</source>
        <translation>Jefes</translation>
    </message>
    <message>
        <source>Pelbo And Tails</source>
        <translation>Pelbo y Tails</translation>
    </message>
    <message>
        <source>How many hits each boss takes</source>
        <translation>Cuántos golpes aguanta cada jefe</translation>
    </message>
    <message>
        <source>Pelbo and Tails</source>
        <translation>Pelbo y Tails</translation>
    </message>
    <message>
        <source>Starting lives and movement constants of Pelbo and Tails</source>
        <translation>Vidas iniciales y constantes de movimiento de Pelbo y Tails</translation>
    </message>
    <message>
        <source>%1 (also $680, 0x680 or 680h)</source>
        <translation>%1 (también $680, 0x680 o 680h)</translation>
    </message>
    <message>
        <source>%1; -1 is stored as 65535; hexadecimal as $10, 0x10 or 10h</source>
        <translation>%1; -1 se guarda como 65535; en hexadecimal, $10, 0x10 o 10h</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A row&apos;s name, then the form of its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ObjectModel</name>
    <message>
        <source>EHZ boss hits</source>
        <translation>Golpes del jefe de EHZ</translation>
    </message>
    <message>
        <source>CPZ boss hits</source>
        <translation>Golpes del jefe de CPZ</translation>
    </message>
    <message>
        <source>ARZ boss hits</source>
        <translation>Golpes del jefe de ARZ</translation>
    </message>
    <message>
        <source>CNZ boss hits</source>
        <translation>Golpes del jefe de CNZ</translation>
    </message>
    <message>
        <source>HTZ boss hits</source>
        <translation>Golpes del jefe de HTZ</translation>
    </message>
    <message>
        <source>MCZ boss hits</source>
        <translation>Golpes del jefe de MCZ</translation>
    </message>
    <message>
        <source>OOZ boss hits</source>
        <translation>Golpes del jefe de OOZ</translation>
    </message>
    <message>
        <source>MTZ boss hits</source>
        <translation>Golpes del jefe de MTZ</translation>
    </message>
    <message>
        <source>MTZ boss hits until enabling laser</source>
        <translation>Golpes del jefe de MTZ hasta activar el láser</translation>
    </message>
    <message>
        <source>WFZ boss hits</source>
        <translation>Golpes del jefe de WFZ</translation>
    </message>
    <message>
        <source>Silver Pelbo hits</source>
        <translation>Golpes de Silver Pelbo</translation>
    </message>
    <message>
        <source>Final boss hits</source>
        <translation>Golpes del jefe final</translation>
    </message>
    <message>
        <source>Pelbo starting lives in level</source>
        <translation>Vidas iniciales de Pelbo en nivel</translation>
    </message>
    <message>
        <source>Pelbo starting lives in demo</source>
        <translation>Vidas iniciales de Pelbo en demo</translation>
    </message>
    <message>
        <source>Pelbo starting lives in level (level select)</source>
        <translation>Vidas iniciales de Pelbo en nivel (selección de nivel)</translation>
    </message>
    <message>
        <source>Pelbo starting lives in special stage (level select)</source>
        <translation>Vidas iniciales de Pelbo en fase especial (selección de nivel)</translation>
    </message>
    <message>
        <source>Pelbo max speed</source>
        <translation>Velocidad máxima de Pelbo</translation>
    </message>
    <message>
        <source>Pelbo acceleration</source>
        <translation>Aceleración de Pelbo</translation>
    </message>
    <message>
        <source>Pelbo deceleration</source>
        <translation>Deceleración de Pelbo</translation>
    </message>
    <message>
        <source>Pelbo max speed after sneakers wear off</source>
        <translation>Velocidad máxima de Pelbo al acabarse las zapatillas</translation>
    </message>
    <message>
        <source>Pelbo acceleration after sneakers wear off</source>
        <translation>Aceleración de Pelbo al acabarse las zapatillas</translation>
    </message>
    <message>
        <source>Pelbo deceleration after sneakers wear off</source>
        <translation>Deceleración de Pelbo al acabarse las zapatillas</translation>
    </message>
    <message>
        <source>Pelbo max speed underwater</source>
        <translation>Velocidad máxima de Pelbo bajo el agua</translation>
    </message>
    <message>
        <source>Pelbo acceleration underwater</source>
        <translation>Aceleración de Pelbo bajo el agua</translation>
    </message>
    <message>
        <source>Pelbo deceleration underwater</source>
        <translation>Deceleración de Pelbo bajo el agua</translation>
    </message>
    <message>
        <source>Pelbo max speed underwater with sneakers</source>
        <translation>Velocidad máxima de Pelbo bajo el agua con zapatillas</translation>
    </message>
    <message>
        <source>Pelbo acceleration underwater with sneakers</source>
        <translation>Aceleración de Pelbo bajo el agua con zapatillas</translation>
    </message>
    <message>
        <source>Pelbo deceleration underwater with sneakers</source>
        <translation>Deceleración de Pelbo bajo el agua con zapatillas</translation>
    </message>
    <message>
        <source>Pelbo jump height</source>
        <translation>Altura de salto de Pelbo</translation>
    </message>
    <message>
        <source>Pelbo jump height with sneakers</source>
        <translation>Altura de salto de Pelbo con zapatillas</translation>
    </message>
    <message>
        <source>Tails starting lives in level</source>
        <translation>Vidas iniciales de Tails en nivel</translation>
    </message>
    <message>
        <source>Tails starting lives in demo</source>
        <translation>Vidas iniciales de Tails en demo</translation>
    </message>
    <message>
        <source>Tails starting lives in level (level select)</source>
        <translation>Vidas iniciales de Tails en nivel (selección de nivel)</translation>
    </message>
    <message>
        <source>Tails starting lives in special stage (level select)</source>
        <translation>Vidas iniciales de Tails en fase especial (selección de nivel)</translation>
    </message>
    <message>
        <source>Tails max speed</source>
        <translation>Velocidad máxima de Tails</translation>
    </message>
    <message>
        <source>Tails acceleration</source>
        <translation>Aceleración de Tails</translation>
    </message>
    <message>
        <source>Tails deceleration</source>
        <translation>Deceleración de Tails</translation>
    </message>
    <message>
        <source>Tails max speed underwater</source>
        <translation>Velocidad máxima de Tails bajo el agua</translation>
    </message>
    <message>
        <source>Tails acceleration underwater</source>
        <translation>Aceleración de Tails bajo el agua</translation>
    </message>
    <message>
        <source>Tails deceleration underwater</source>
        <translation>Deceleración de Tails bajo el agua</translation>
    </message>
    <message>
        <source>Tails jump height</source>
        <translation>Altura de salto de Tails</translation>
    </message>
    <message>
        <source>Tails jump height (???)</source>
        <translation>Altura de salto de Tails (???)</translation>
    </message>
    <message>
        <source>Not every object value has been read from this ROM; nothing was saved</source>
        <translation>No se han leído todos los valores de objetos de esta ROM; no se ha guardado nada</translation>
    </message>
    <message>
        <source>a number of lives</source>
        <translation>un número de vidas</translation>
    </message>
    <message>
        <source>a boss hit count</source>
        <translation>un número de golpes de jefe</translation>
    </message>
</context>
<context>
    <name>ObjectValues</name>
    <message>
        <source>%1: %2; rows from &quot;%3&quot; on left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why a row could not be read, %3 that row&apos;s key.</extracomment>
        <translation>%1: %2; filas omitidas a partir de &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>PaletteEditor</name>
    <message>
        <source>Palette Editor</source>
        <translation>Editor de paletas</translation>
    </message>
    <message>
        <source>Pa&amp;lettes</source>
        <translation>&amp;Paletas</translation>
    </message>
    <message>
        <source>O&amp;ffset</source>
        <translation>&amp;Desplazamiento</translation>
    </message>
    <message>
        <source>Colour &amp;word</source>
        <translation>Palabra de co&amp;lor</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Cam&amp;biar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>B</source>
        <comment>blue</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>G</source>
        <comment>green</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>R</source>
        <comment>red</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>Palettes</source>
        <translation>Paletas</translation>
    </message>
    <message>
        <source>The palettes of the game&apos;s palette list</source>
        <translation>Las paletas de la lista de paletas del juego</translation>
    </message>
    <message>
        <source>Colour word</source>
        <translation>Palabra de color</translation>
    </message>
    <message>
        <source>The selected colour as the image holds it: hexadecimal 0000 to FFFF (also $0EEE, 0x0EEE or EEEh), 0EEE at most for a Mega Drive colour; Change or Enter stores it</source>
        <translation>El color seleccionado tal como lo guarda la imagen: hexadecimal de 0000 a FFFF (también $0EEE, 0x0EEE o EEEh), 0EEE como máximo para un color de Mega Drive; Cambiar o Intro lo almacena</translation>
    </message>
    <message>
        <source>Offset of the colour</source>
        <translation>Desplazamiento del color</translation>
    </message>
    <message>
        <source>Where the selected colour lies in the image: hexadecimal</source>
        <translation>Dónde está el color seleccionado en la imagen: hexadecimal</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>The blue level of the selected colour</source>
        <translation>El nivel de azul del color seleccionado</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>The green level of the selected colour</source>
        <translation>El nivel de verde del color seleccionado</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>The red level of the selected colour</source>
        <translation>El nivel de rojo del color seleccionado</translation>
    </message>
    <message>
        <source>Blue level</source>
        <translation>Nivel de azul</translation>
    </message>
    <message>
        <source>Green level</source>
        <translation>Nivel de verde</translation>
    </message>
    <message>
        <source>Red level</source>
        <translation>Nivel de rojo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
</context>
<context>
    <name>PaletteList</name>
    <message>
        <source>The palette list has more than %1 lines; the rest was not read</source>
        <translation>La lista de paletas tiene más de %1 líneas; el resto no se leyó</translation>
    </message>
    <message>
        <source>The palette &quot;%1&quot; has %2 colours, more than the %3 the editor can hold; it is not loaded</source>
        <translation>La paleta &quot;%1&quot; tiene %2 colores, más de los %3 que admite el editor; no se carga</translation>
    </message>
</context>
<context>
    <name>PaletteModel</name>
    <message>
        <source>No palette has been read from this ROM; nothing was saved</source>
        <translation>No se ha leído ninguna paleta de esta ROM; no se guardó nada</translation>
    </message>
    <message>
        <source>Only %1 of the %2 colours of this palette could be read from the ROM; nothing was saved</source>
        <translation>Solo se pudieron leer de la ROM %1 de los %2 colores de esta paleta; no se guardó nada</translation>
    </message>
    <message>
        <source>a colour word</source>
        <translation>una palabra de color</translation>
    </message>
</context>
<context>
    <name>PaletteValues</name>
    <message>
        <source>%1: %2; the palettes left out</source>
        <translation>%1: %2; se omiten las paletas</translation>
    </message>
    <message>
        <source>%1: %2: %3; left out</source>
        <translation>%1: %2: %3; se omite</translation>
    </message>
    <message>
        <source>%1 colour %2</source>
        <translation>%1 color %2</translation>
    </message>
</context>
<context>
    <name>Patches</name>
    <message>
        <source>the patch is truncated</source>
        <translation>el parche está truncado</translation>
    </message>
    <message>
        <source>the patch holds a number too large to be a size or an offset</source>
        <translation>el parche contiene un número demasiado grande para ser un tamaño o un desplazamiento</translation>
    </message>
    <message>
        <source>not a BPS patch: it does not start with &quot;BPS1&quot;</source>
        <translation>no es un parche BPS: no empieza por &quot;BPS1&quot;</translation>
    </message>
    <message>
        <source>the patch is corrupted or truncated: its CRC does not match</source>
        <translation>el parche está dañado o truncado: su CRC no coincide</translation>
    </message>
    <message>
        <source>the changed image is %1 bytes, larger than any cartridge image</source>
        <translation>la imagen modificada ocupa %1 bytes, más que cualquier imagen de cartucho</translation>
    </message>
    <message>
        <source>the original is %1 bytes, the patch is for one of %2 bytes</source>
        <translation>el original ocupa %1 bytes; el parche es para uno de %2 bytes</translation>
    </message>
    <message>
        <source>the original is not the image the patch was made for: its CRC does not match</source>
        <translation>el original no es la imagen para la que se hizo el parche: su CRC no coincide</translation>
    </message>
    <message>
        <source>the patch makes an image of %1 bytes, larger than any cartridge image</source>
        <translation>el parche crea una imagen de %1 bytes, más que cualquier imagen de cartucho</translation>
    </message>
    <message>
        <source>an action of the patch writes past the end of the target it states</source>
        <translation>una acción del parche escribe más allá del final del destino que indica</translation>
    </message>
    <message>
        <source>an action of the patch reads past the end of the original</source>
        <translation>una acción del parche lee más allá del final del original</translation>
    </message>
    <message>
        <source>an action of the patch reads past the end of the target made so far</source>
        <translation>una acción del parche lee más allá del final del destino creado hasta ahora</translation>
    </message>
    <message>
        <source>the patch makes %1 bytes, not the %2 it states</source>
        <translation>el parche crea %1 bytes, no los %2 que indica</translation>
    </message>
    <message>
        <source>the result does not match the patch&apos;s target CRC</source>
        <translation>el resultado no coincide con el CRC de destino del parche</translation>
    </message>
    <message>
        <source>not an IPS patch: it does not start with &quot;PATCH&quot;</source>
        <translation>no es un parche IPS: no empieza por &quot;PATCH&quot;</translation>
    </message>
    <message>
        <source>a run record of the patch repeats its byte 0 times</source>
        <translation>un registro RLE del parche repite su byte 0 veces</translation>
    </message>
    <message>
        <source>a record of the patch reaches past 16 MiB, which IPS cannot address</source>
        <translation>un registro del parche llega más allá de 16 MiB, que IPS no puede direccionar</translation>
    </message>
    <message>
        <source>the patch holds unexpected bytes after its &quot;EOF&quot;</source>
        <translation>el parche contiene bytes inesperados después de su &quot;EOF&quot;</translation>
    </message>
    <message>
        <source>a change at %1 lies past 16 MiB, which IPS cannot address; use BPS</source>
        <translation>un cambio en %1 está más allá de 16 MiB, que IPS no puede direccionar; usa BPS</translation>
    </message>
    <message>
        <source>the changed image is longer than an IPS patch can state; use BPS</source>
        <translation>la imagen modificada es más larga de lo que un parche IPS puede indicar; usa BPS</translation>
    </message>
    <message>
        <source>not a patch: it starts neither with &quot;BPS1&quot; nor with &quot;PATCH&quot;</source>
        <translation>no es un parche: no empieza ni por &quot;BPS1&quot; ni por &quot;PATCH&quot;</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>%1: %2 is no regular file: the settings of this run are not kept</source>
        <translation>%1: %2 no es un archivo normal: la configuración de esta ejecución no se conserva</translation>
    </message>
    <message>
        <source>An editor of the values of Mega Drive cartridge images.</source>
        <translation>Un editor de los valores de las imágenes de cartucho de Mega Drive.</translation>
    </message>
    <message>
        <source>The image to select at start.</source>
        <translation>La imagen que se selecciona al iniciar.</translation>
    </message>
    <message>
        <source>Show the program in LANGUAGE (en, pt_BR, es) for this run.</source>
        <translation>Muestra el programa en IDIOMA (en, pt_BR, es) en esta ejecución.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
</context>
<context>
    <name>ReadOnly</name>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source>The image is read-only: it can be looked at, not saved.</source>
        <translation>La imagen es de solo lectura: se puede ver, pero no guardar.</translation>
    </message>
</context>
<context>
    <name>RomOpenDialog</name>
    <message>
        <source>Cartridge images (*.bin *.gen *.md *.smd);;Genecyst save states (*.gs*);;All supported files (*.bin *.gen *.md *.smd *.gs*);;All files (*)</source>
        <translation>Imágenes de cartucho (*.bin *.gen *.md *.smd);;Estados guardados de Genecyst (*.gs*);;Todos los archivos admitidos (*.bin *.gen *.md *.smd *.gs*);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message numerus="yes">
        <source>Saved %1: %n value(s); checksum left as it was (Fix Checksum is off).</source>
        <translation>
            <numerusform>Se guardó %1: %n valor; checksum sin cambios (Corregir checksum está desactivado).</numerusform>
            <numerusform>Se guardó %1: %n valores; checksum sin cambios (Corregir checksum está desactivado).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n value(s); checksum repaired.</source>
        <translation>
            <numerusform>Se guardó %1: %n valor; checksum reparado.</numerusform>
            <numerusform>Se guardó %1: %n valores; checksum reparado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n value(s); checksum already right.</source>
        <translation>
            <numerusform>Se guardó %1: %n valor; el checksum ya era correcto.</numerusform>
            <numerusform>Se guardó %1: %n valores; el checksum ya era correcto.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>held by another program</source>
        <translation>en uso por otro programa</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>No se puede asignar memoria</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Demasiados enlaces</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
</context>
<context>
    <name>TextCodec</name>
    <message>
        <source>The character %1 has no code in the game&apos;s texts</source>
        <translation>El carácter %1 no tiene código en los textos del juego</translation>
    </message>
</context>
<context>
    <name>TextEditor</name>
    <message>
        <source>Text Editor</source>
        <translation>Editor de textos</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Adds the copyright sign</source>
        <translation>Añade el símbolo de copyright</translation>
    </message>
    <message>
        <source>2 Player Mode</source>
        <translation>Modo 2 jugadores</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save and &amp;Play</source>
        <translation>Guardar y &amp;jugar</translation>
    </message>
    <message>
        <source>Save, then play the image in the emulator (Ctrl+F5)</source>
        <translation>Guarda y luego ejecuta la imagen en el emulador (Ctrl+F5)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1: at most %2 characters of the game&apos;s: space, digits, letters, * © : .</source>
        <translation>%1: como máximo %2 caracteres del juego: espacio, dígitos, letras, * © : .</translation>
    </message>
    <message>
        <source>This text holds codes that have no character; they are shown in hexadecimal and cannot be edited here.</source>
        <translation>Este texto contiene códigos sin carácter; se muestran en hexadecimal y no se pueden editar aquí.</translation>
    </message>
</context>
<context>
    <name>TextModel</name>
    <message>
        <source>2 Player Mode text %1</source>
        <translation>Texto %1 del modo 2 jugadores</translation>
    </message>
    <message>
        <source>Options text %1</source>
        <translation>Texto %1 de opciones</translation>
    </message>
    <message>
        <source>Copyright text</source>
        <translation>Texto de copyright</translation>
    </message>
    <message>
        <source>%1: the text has %2 characters, more than the %3 the game keeps. Nothing was saved.</source>
        <translation>%1: el texto tiene %2 caracteres, más de los %3 que admite el juego. No se guardó nada.</translation>
    </message>
    <message>
        <source>%1: the character %2 has no code in the game&apos;s texts. Nothing was saved.</source>
        <translation>%1: el carácter %2 no tiene código en los textos del juego. No se guardó nada.</translation>
    </message>
    <message>
        <source>Not every text has been read from this ROM; nothing was saved</source>
        <translation>No se han leído todos los textos de esta ROM; no se guardó nada</translation>
    </message>
    <message>
        <source>a text of the game</source>
        <translation>un texto del juego</translation>
    </message>
    <message>
        <source>%1 holds codes that have no character; it cannot be changed here. Nothing was saved.</source>
        <translation>%1 contiene códigos sin carácter; no se puede cambiar aquí. No se guardó nada.</translation>
    </message>
</context>
<context>
    <name>TextValues</name>
    <message>
        <source>%1: %2; texts from %3 on left out</source>
        <translation>%1: %2; se omiten los textos a partir de %3</translation>
    </message>
</context>
<context>
    <name>ToolMessages</name>
    <message>
        <source>it is no regular file</source>
        <translation>no es un archivo regular</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>larger than %1 MiB, more than a values document may hold</source>
        <translation>mayor de %1 MiB, más de lo que admite un documento de valores</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>no se puede leer la entrada estándar: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MISMATCH</source>
        <translation>NO COINCIDE</translation>
    </message>
    <message>
        <source>game:      unknown, serial &quot;%1&quot;</source>
        <translation>juego:      desconocido, serial &quot;%1&quot;</translation>
    </message>
    <message>
        <source>game:      %1 (%2)</source>
        <translation>juego:      %1 (%2)</translation>
    </message>
    <message>
        <source>size:      %1 bytes</source>
        <translation>tamaño:     %1 bytes</translation>
    </message>
    <message>
        <source>checksum:  stored %1, computed %2, %3</source>
        <translation>checksum:   almacenado %1, calculado %2, %3</translation>
    </message>
    <message>
        <source>ROM end:   stored %1, expected %2, %3</source>
        <translation>fin de ROM: almacenado %1, esperado %2, %3</translation>
    </message>
    <message>
        <source>checksum:  stored %1, nothing to sum (0x200 bytes or fewer)</source>
        <translation>checksum:   almacenado %1, nada que sumar (0x200 bytes o menos)</translation>
    </message>
    <message>
        <source>%1; nothing was written (--force repairs it)</source>
        <translation>%1; no se escribió nada (--force lo repara)</translation>
    </message>
    <message>
        <source>%1: 0x200 bytes or fewer, nothing to sum: left alone</source>
        <translation>%1: 0x200 bytes o menos, nada que sumar: sin cambios</translation>
    </message>
    <message>
        <source>%1: checksum %2 -&gt; %3, ROM end %4 -&gt; %5</source>
        <translation>%1: checksum %2 -&gt; %3, fin de ROM %4 -&gt; %5</translation>
    </message>
    <message>
        <source>no editor serves this image (game &quot;%1&quot;): nothing to export</source>
        <translation>ningún editor admite esta imagen (juego &quot;%1&quot;): nada que exportar</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>se esperaba un objeto JSON</translation>
    </message>
    <message>
        <source>%1: not a suspect value; --edit-anyway ignored for it</source>
        <translation>%1: no es un valor sospechoso; se ignora --edit-anyway para él</translation>
    </message>
    <message>
        <source>%1; nothing was written (--no-fix leaves the header, --force repairs it)</source>
        <translation>%1; no se escribió nada (--no-fix deja la cabecera, --force la repara)</translation>
    </message>
    <message>
        <source>%1: %2; nothing was written (--edit-anyway &apos;%1&apos; writes it)</source>
        <translation>%1: %2; no se escribió nada (--edit-anyway &apos;%1&apos; lo escribe)</translation>
    </message>
    <message>
        <source>another program changed the image while it was read; nothing was written</source>
        <translation>otro programa cambió la imagen mientras se leía; no se escribió nada</translation>
    </message>
    <message>
        <source>the images are of different games (%1 and %2)</source>
        <translation>las imágenes son de juegos distintos (%1 y %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 other byte(s) differ outside the editors&apos; values and the header</source>
        <translation>
            <numerusform>%1 byte más difiere fuera de los valores de los editores y de la cabecera</numerusform>
            <numerusform>%1 bytes más difieren fuera de los valores de los editores y de la cabecera</numerusform>
        </translation>
    </message>
    <message>
        <source>the output is one of the inputs; nothing was written</source>
        <translation>la salida es una de las entradas; no se escribió nada</translation>
    </message>
    <message>
        <source>cannot remove %1 (left by a run that ended)</source>
        <translation>no se puede eliminar %1 (resto de una ejecución anterior)</translation>
    </message>
    <message>
        <source>format:    %1</source>
        <translation>formato:    %1</translation>
    </message>
    <message>
        <source>original:  %1 bytes, CRC32 %2</source>
        <translation>original:   %1 bytes, CRC32 %2</translation>
    </message>
    <message>
        <source>changed:   %1 bytes, CRC32 %2</source>
        <translation>modificado: %1 bytes, CRC32 %2</translation>
    </message>
    <message>
        <source>patch:     %1 bytes, CRC32 %2 (OK)</source>
        <translation>parche:     %1 bytes, CRC32 %2 (OK)</translation>
    </message>
    <message>
        <source>actions:   %1</source>
        <translation>acciones:   %1</translation>
    </message>
    <message>
        <source>metadata:  %1</source>
        <translation>metadatos:  %1</translation>
    </message>
    <message>
        <source>records:   %1 (%2 of one repeated byte)</source>
        <translation>registros:  %1 (%2 de un byte repetido)</translation>
    </message>
    <message>
        <source>writes up to %1 bytes</source>
        <translation>escribe hasta %1 bytes</translation>
    </message>
    <message>
        <source>changed:   cut to %1 bytes</source>
        <translation>modificado: recortado a %1 bytes</translation>
    </message>
    <message>
        <source>only one input can come from standard input</source>
        <translation>solo una entrada puede venir de la entrada estándar</translation>
    </message>
    <message>
        <source>give the patch the extension .bps or .ips, or --format bps or ips</source>
        <translation>da al parche la extensión .bps o .ips, o usa --format bps o ips</translation>
    </message>
    <message>
        <source>%1: %2 patch of %3 bytes</source>
        <translation>%1: parche %2 de %3 bytes</translation>
    </message>
    <message>
        <source>%1: %2 bytes written</source>
        <translation>%1: %2 bytes escritos</translation>
    </message>
    <message>
        <source>usage: korvane-tool %1 %2</source>
        <translation>uso: korvane-tool %1 %2</translation>
    </message>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Try &apos;korvane-tool --help&apos;.</source>
        <translation>Prueba &apos;korvane-tool --help&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;korvane-tool %1 --help&apos;.</source>
        <translation>Prueba &apos;korvane-tool %1 --help&apos;.</translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8, so it cannot be passed on exactly; rename the file</source>
        <translation>el argumento %1 no es UTF-8 válido y no se puede transmitir tal cual; cambia el nombre del archivo</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ningún comando</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no command</source>
        <translation>&apos;%1&apos; no es un comando</translation>
    </message>
    <message>
        <source>not a values document: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>no es un documento de valores: &quot;format&quot; debe ser &quot;%1&quot;</translation>
    </message>
    <message>
        <source>version %1 of the values document is not known; this program reads version %2</source>
        <translation>la versión %1 del documento de valores es desconocida; este programa lee la versión %2</translation>
    </message>
    <message>
        <source>the document is for the game &quot;%1&quot;, the image is &quot;%2&quot;</source>
        <translation>el documento es del juego &quot;%1&quot; y la imagen, de &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: no such editor for the game &quot;%2&quot;</source>
        <translation>%1: no existe ese editor para el juego &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: expected an object</source>
        <translation>%1: se esperaba un objeto</translation>
    </message>
</context>
<context>
    <name>TrackedForm</name>
    <message>
        <source>change</source>
        <translation>cambio</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save and Play</source>
        <translation>Guardar y jugar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Edit Anyway</source>
        <translation>Editar de t&amp;odos modos</translation>
    </message>
    <message>
        <source>Let a Save write over these values</source>
        <translation>Permite que Guardar escriba sobre estos valores</translation>
    </message>
    <message>
        <source>These values do not look as expected at their place, so a Save leaves them alone; this image may be modified.</source>
        <translation>Estos valores no parecen los esperados en su lugar, así que al guardar no se tocan; puede que esta imagen esté modificada.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>this editor</source>
        <translation>este editor</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>el %1</translation>
    </message>
    <message>
        <source>Save a Copy...</source>
        <translation>Guardar una copia...</translation>
    </message>
    <message>
        <source>%1 is read-only: keep the changes in %2 in a copy of it before closing?</source>
        <translation>%1 es de solo lectura: ¿conservar en una copia los cambios hechos en %2 antes de cerrar?</translation>
    </message>
    <message>
        <source>Save the changes in %1 to %2 before closing?</source>
        <translation>¿Guardar en %2 los cambios hechos en %1 antes de cerrar?</translation>
    </message>
</context>
<context>
    <name>WaterEditor</name>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Nivel &amp;1</translation>
    </message>
    <message>
        <source>Act 1</source>
        <translation>Acto 1</translation>
    </message>
    <message>
        <source>Act 2</source>
        <translation>Acto 2</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Nivel &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Nivel &amp;3</translation>
    </message>
    <message>
        <source>Level &amp;4</source>
        <translation>Nivel &amp;4</translation>
    </message>
    <message>
        <source>Level &amp;5</source>
        <translation>Nivel &amp;5</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Enable &amp;heights</source>
        <translation>Activar &amp;alturas</translation>
    </message>
    <message>
        <source>Zone of level %1</source>
        <translation>Zona del nivel %1</translation>
    </message>
    <message>
        <source>The zone the water test of level %1 names, by its name in the zone list</source>
        <translation>La zona que indica la comprobación de agua del nivel %1, por su nombre en la lista de zonas</translation>
    </message>
    <message>
        <source>The underwater palette byte of level %1: %2 (also $0A, 0x0A or 0Ah)</source>
        <translation>El byte de la paleta subacuática del nivel %1: %2 (también $0A, 0x0A o 0Ah)</translation>
    </message>
    <message>
        <source>Water height of level %1</source>
        <translation>Altura del agua del nivel %1</translation>
    </message>
    <message>
        <source>Not read or written by this editor</source>
        <translation>Este editor no lo lee ni lo escribe</translation>
    </message>
    <message>
        <source>omfg B9!!11!1</source>
        <translation>omfg B9!!11!1</translation>
    </message>
    <message>
        <source>Act 3</source>
        <translation>Acto 3</translation>
    </message>
</context>
<context>
    <name>WaterModel</name>
    <message>
        <source>No water row has been read from this ROM; nothing was saved</source>
        <translation>No se ha leído ninguna fila de agua de esta ROM; no se ha guardado nada</translation>
    </message>
    <message>
        <source>a level compare</source>
        <translation>una comparación de nivel</translation>
    </message>
    <message>
        <source>a zone of the game</source>
        <translation>una zona del juego</translation>
    </message>
    <message>
        <source>Underwater palette of level %1</source>
        <translation>Paleta subacuática del nivel %1</translation>
    </message>
</context>
<context>
    <name>WaterValues</name>
    <message>
        <source>%1: %2; the rest left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why a row could not be read.</extracomment>
        <translation>%1: %2; resto omitido</translation>
    </message>
    <message>
        <source>%1: %2; the zones left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why the zone list could not be read.</extracomment>
        <translation>%1: %2; zonas omitidas</translation>
    </message>
    <message>
        <source>the rows need the zone list %1, which could not be read</source>
        <translation>las filas necesitan la lista de zonas %1, que no se pudo leer</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>se esperaba un objeto</translation>
    </message>
    <message>
        <source>the row is no zone or level compare and cannot be changed</source>
        <translation>la fila no es una comparación de zona ni de nivel y no se puede cambiar</translation>
    </message>
    <message>
        <source>choose a zone of the list</source>
        <translation>elige una zona de la lista</translation>
    </message>
    <message>
        <source>%1 is not a zone of the list</source>
        <translation>%1 no es una zona de la lista</translation>
    </message>
    <message>
        <source>the act is &quot;Act 1&quot;, &quot;Act 2&quot; or &quot;Both&quot;</source>
        <extracomment>&quot;Act 1&quot;, &quot;Act 2&quot; and &quot;Both&quot; are the document&apos;s values, which stay in English.</extracomment>
        <translation>el acto es &quot;Act 1&quot;, &quot;Act 2&quot; o &quot;Both&quot;</translation>
    </message>
    <message>
        <source>%1 has one act: choose &quot;Act 1&quot;</source>
        <extracomment>&quot;Act 1&quot; is the document&apos;s value, which stays in English.</extracomment>
        <translation>%1 tiene un solo acto: elige &quot;Act 1&quot;</translation>
    </message>
</context>
<context>
    <name>korvane-tool</name>
    <message>
        <source>create ORIGINAL CHANGED OUT | apply PATCH ORIGINAL OUT | info PATCH</source>
        <extracomment>create, apply and info are the words to type; the capitals name the files.</extracomment>
        <translation>create ORIGINAL MODIFICADO SALIDA | apply PARCHE ORIGINAL SALIDA | info PARCHE</translation>
    </message>
    <message>
        <source>Show the game, size, checksum and ROM end of each image.</source>
        <translation>Muestra el juego, el tamaño, el checksum y el fin de ROM de cada imagen.</translation>
    </message>
    <message>
        <source>IMAGE...</source>
        <translation>IMAGEN...</translation>
    </message>
    <message>
        <source>Repair the header checksum and ROM end of each image.</source>
        <translation>Repara el checksum y el fin de ROM de la cabecera de cada imagen.</translation>
    </message>
    <message>
        <source>Write every value the game&apos;s editors show as a JSON document.</source>
        <translation>Escribe todos los valores que muestran los editores del juego como un documento JSON.</translation>
    </message>
    <message>
        <source>IMAGE</source>
        <translation>IMAGEN</translation>
    </message>
    <message>
        <source>Check a JSON document whole, then write the values that differ.</source>
        <translation>Comprueba un documento JSON entero y luego escribe los valores que difieren.</translation>
    </message>
    <message>
        <source>IMAGE FILE</source>
        <translation>IMAGEN ARCHIVO</translation>
    </message>
    <message>
        <source>List the values that differ between two images of one game.</source>
        <translation>Lista los valores que difieren entre dos imágenes de un mismo juego.</translation>
    </message>
    <message>
        <source>A B</source>
        <translation>A B</translation>
    </message>
    <message>
        <source>Find where the values of an untouched original lie in a modified image.</source>
        <translation>Busca dónde están los valores de un original intacto en una imagen modificada.</translation>
    </message>
    <message>
        <source>ORIGINAL IMAGE</source>
        <translation>ORIGINAL IMAGEN</translation>
    </message>
    <message>
        <source>Create, apply or describe a BPS or IPS patch.</source>
        <translation>Crea, aplica o describe un parche BPS o IPS.</translation>
    </message>
    <message>
        <source>The editors&apos; values of Mega Drive cartridge images, as JSON.</source>
        <translation>Los valores de los editores de imágenes de cartucho de Mega Drive, en JSON.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Run &apos;korvane-tool COMMAND --help&apos; for a command&apos;s options.</source>
        <translation>Ejecuta &apos;korvane-tool COMANDO --help&apos; para ver las opciones de un comando.</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 refused or failed, 2 wrong usage;
diff: 0 the same values, 1 they differ, 2 trouble;
locate: 0 every value placed, 1 some not, 2 trouble.</source>
        <translation>Estado de salida: 0 éxito, 1 rechazo o fallo, 2 uso incorrecto;
diff: 0 mismos valores, 1 difieren, 2 problema;
locate: 0 todos los valores ubicados, 1 algunos no, 2 problema.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>info, fix, export, import, diff, locate or patch.</source>
        <extracomment>The names of the commands, as they are typed.</extracomment>
        <translation>info, fix, export, import, diff, locate o patch.</translation>
    </message>
    <message>
        <source>COMMAND [ARGUMENTS...]</source>
        <translation>COMANDO [ARGUMENTOS...]</translation>
    </message>
    <message>
        <source>Write messages and help in LANGUAGE (en, pt_BR, es) instead of the system&apos;s.</source>
        <translation>Escribe los mensajes y la ayuda en IDIOMA (en, pt_BR, es) en lugar del idioma del sistema.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Print the result as JSON.</source>
        <translation>Imprime el resultado en JSON.</translation>
    </message>
    <message>
        <source>Exit with 1 when a checksum or ROM end does not match.</source>
        <translation>Sale con 1 si un checksum o un fin de ROM no coincide.</translation>
    </message>
    <message>
        <source>Repair the header of a file that is no cartridge image too.</source>
        <translation>Repara también la cabecera de un archivo que no es una imagen de cartucho.</translation>
    </message>
    <message>
        <source>Write the document to FILE instead of standard output.</source>
        <translation>Escribe el documento en ARCHIVO en lugar de en la salida estándar.</translation>
    </message>
    <message>
        <source>Write the layout of the moved values to FILE.</source>
        <translation>Escribe la disposición de los valores movidos en ARCHIVO.</translation>
    </message>
    <message>
        <source>Read the values through the layout FILE (else IMAGE.layout.json when it exists).</source>
        <translation>Lee los valores según el archivo de disposición ARCHIVO (si no, IMAGE.layout.json si existe).</translation>
    </message>
    <message>
        <source>Write the value KEY even though what was read there does not look as expected (repeatable).</source>
        <translation>Escribe el valor CLAVE aunque lo leído allí no parezca lo esperado (repetible).</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>CLAVE</translation>
    </message>
    <message>
        <source>Print the changes, write nothing.</source>
        <translation>Muestra los cambios sin escribir nada.</translation>
    </message>
    <message>
        <source>Leave the header checksum as it is.</source>
        <translation>Deja el checksum de la cabecera como está.</translation>
    </message>
    <message>
        <source>The patch format to create: bps or ips (else from OUT).</source>
        <extracomment>bps and ips are the words to type.</extracomment>
        <translation>Formato del parche a crear: bps o ips (si no, según SALIDA).</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMATO</translation>
    </message>
</context>
</TS>
