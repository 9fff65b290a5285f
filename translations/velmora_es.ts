<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>Velmora Wizard creates html menus for custom made CDs</source>
        <translation>Velmora Wizard crea menús HTML para CD hechos a medida</translation>
    </message>
    <message>
        <source>visit %1</source>
        <translation>visitar %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Build</name>
    <message>
        <source>%1 is a folder; the build cannot write its file there.</source>
        <translation>%1 es una carpeta; la construcción no puede escribir su archivo ahí.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the build cannot replace it.</source>
        <translation>%1 no es un archivo normal; la construcción no puede reemplazarlo.</translation>
    </message>
    <message>
        <source>%1 is not writable.</source>
        <translation>No se puede escribir en %1.</translation>
    </message>
    <message>
        <source>The CD root folder %1 does not exist.</source>
        <translation>La carpeta raíz del CD %1 no existe.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>La carpeta %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>The media file %1 of the style is missing.</source>
        <translation>Falta el archivo multimedia %1 del estilo.</translation>
    </message>
    <message>
        <source>The media file %1 of the style is not a regular file.</source>
        <translation>El archivo multimedia %1 del estilo no es un archivo normal.</translation>
    </message>
    <message>
        <source>The media file %1 has the name of the stylesheet %2 that the build writes.</source>
        <translation>El archivo multimedia %1 tiene el nombre de la hoja de estilo %2 que escribe la construcción.</translation>
    </message>
    <message>
        <source>The media files %1 and %2 have the same name; the Menu folder holds only one.</source>
        <translation>Los archivos multimedia %1 y %2 tienen el mismo nombre; la carpeta Menu solo guarda uno.</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; links to %2, which is outside the CD root; the page may only link to files on the CD.</source>
        <translation>La entrada «%1» enlaza a %2, que está fuera de la raíz del CD; la página solo puede enlazar a archivos del CD.</translation>
    </message>
    <message>
        <source>Your Menu has been successfully created!</source>
        <translation>¡Su menú se ha creado correctamente!</translation>
    </message>
    <message>
        <source>The CD root folder %1 is read-only.</source>
        <translation>La carpeta raíz del CD %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>No CD root folder has been chosen.</source>
        <translation>No se ha elegido ninguna carpeta raíz del CD.</translation>
    </message>
    <message>
        <source>%1 is a link; the build writes only into a real folder of the CD root.</source>
        <translation>%1 es un enlace; la construcción solo escribe en una carpeta real de la raíz del CD.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: not a regular file</source>
        <translation>No se puede leer %1: no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>No existe el archivo</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>No se puede escribir en el archivo existente %1</translation>
    </message>
    <message>
        <source>No unused temporary file name beside %1</source>
        <translation>No hay ningún nombre de archivo temporal libre junto a %1</translation>
    </message>
    <message>
        <source>Cannot keep the permissions of %1</source>
        <translation>No se pueden conservar los permisos de %1</translation>
    </message>
    <message>
        <source>The file %1 is not inside the CD root %2.<byte value="xd"/>
Please choose a file inside the CD root!</source>
        <translation>El archivo %1 no está dentro de la raíz del CD %2.<byte value="xd"/>
¡Elija un archivo dentro de la raíz del CD!</translation>
    </message>
    <message>
        <source>There is no menu %1.</source>
        <translation>No existe el menú %1.</translation>
    </message>
    <message>
        <source>Style %1 of menu %2 does not exist; the default style is used.</source>
        <translation>El estilo %1 del menú %2 no existe; se usa el estilo predeterminado.</translation>
    </message>
    <message>
        <source>Menu %1 has no CD root folder.</source>
        <translation>El menú %1 no tiene carpeta raíz del CD.</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>No se pudo escribir la página.</translation>
    </message>
    <message>
        <source>The page has nowhere to go: the device is not open for writing.</source>
        <translation>La página no tiene adónde ir: el destino no está abierto para escritura.</translation>
    </message>
    <message>
        <source>There is no room for the page&apos;s entries: %1</source>
        <translation>No hay espacio para las entradas de la página: %1</translation>
    </message>
    <message>
        <source>The page was not written: the menu has no entries.</source>
        <translation>No se escribió la página: el menú no tiene entradas.</translation>
    </message>
    <message>
        <source>The page was not written: %1</source>
        <translation>No se escribió la página: %1</translation>
    </message>
    <message>
        <source>The page was not written: &quot;%1&quot; is not a template.</source>
        <translation>No se escribió la página: «%1» no es una plantilla.</translation>
    </message>
    <message>
        <source>Menu %1 names no style (its style number is &quot;%2&quot;); the default style is used.</source>
        <translation>El menú %1 no indica ningún estilo (su número de estilo es «%2»); se usa el estilo predeterminado.</translation>
    </message>
    <message>
        <source>The stylesheet was not written: %1</source>
        <translation>No se escribió la hoja de estilos: %1</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; cannot be used: its %2 &quot;%3&quot; %4.</source>
        <translation>No se puede usar el estilo «%1»: su campo %2 «%3» %4.</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>color de fondo</translation>
    </message>
    <message>
        <source>title colour</source>
        <translation>color del título</translation>
    </message>
    <message>
        <source>button colour</source>
        <translation>color de los botones</translation>
    </message>
    <message>
        <source>text colour</source>
        <translation>color del texto</translation>
    </message>
    <message>
        <source>hyperlink colour</source>
        <translation>color de los enlaces</translation>
    </message>
    <message>
        <source>active hyperlink colour</source>
        <translation>color de los enlaces activos</translation>
    </message>
    <message>
        <source>is not a colour</source>
        <translation>no es un color</translation>
    </message>
    <message>
        <source>title font</source>
        <translation>fuente del título</translation>
    </message>
    <message>
        <source>text font</source>
        <translation>fuente del texto</translation>
    </message>
    <message>
        <source>hyperlink font</source>
        <translation>fuente de los enlaces</translation>
    </message>
    <message>
        <source>button font</source>
        <translation>fuente de los botones</translation>
    </message>
    <message>
        <source>needs three parts: family;size;weight</source>
        <translation>necesita tres partes: familia;tamaño;grosor</translation>
    </message>
    <message>
        <source>has a family name a stylesheet cannot hold</source>
        <translation>tiene un nombre de familia que una hoja de estilos no puede contener</translation>
    </message>
    <message>
        <source>has no font size</source>
        <translation>no tiene tamaño de fuente</translation>
    </message>
    <message>
        <source>has no font weight</source>
        <translation>no tiene grosor de fuente</translation>
    </message>
    <message>
        <source>logo position top</source>
        <translation>posición superior del logotipo</translation>
    </message>
    <message>
        <source>logo position left</source>
        <translation>posición izquierda del logotipo</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>background image</source>
        <translation>imagen de fondo</translation>
    </message>
    <message>
        <source>background sound</source>
        <translation>sonido de fondo</translation>
    </message>
    <message>
        <source>logo</source>
        <translation>logotipo</translation>
    </message>
    <message>
        <source>button image (on)</source>
        <translation>imagen del botón (activado)</translation>
    </message>
    <message>
        <source>button image (off)</source>
        <translation>imagen del botón (desactivado)</translation>
    </message>
    <message>
        <source>has a file name a stylesheet cannot hold</source>
        <translation>tiene un nombre de archivo que una hoja de estilos no puede contener</translation>
    </message>
    <message>
        <source>The CD root %1 is a file, not a folder.</source>
        <translation>La raíz del CD %1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The CD root %1 is a link to nothing.</source>
        <translation>La raíz del CD %1 es un enlace que no lleva a nada.</translation>
    </message>
    <message>
        <source>The CD root %1 is a link loop.</source>
        <translation>La raíz del CD %1 es un bucle de enlaces.</translation>
    </message>
    <message>
        <source>The field %1 of the style &quot;%2&quot; names %3, which leads out of the style&apos;s folder %4.</source>
        <translation>El campo %1 del estilo «%2» nombra %3, que sale de la carpeta del estilo %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora Wizard builds an autorun HTML menu for a CD from the files gathered in one folder.
Without a command it opens the wizard window.</source>
        <translation>Velmora Wizard crea un menú HTML de inicio automático para un CD a partir de los archivos reunidos en una carpeta.
Sin un comando, abre la ventana del asistente.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Keep Velmora.dat and the style library in DIR (default: $VELMORA_HOME, else the program folder when Velmora runs from its build folder, else ~/.local/share/Velmora).</source>
        <translation>Guardar Velmora.dat y la biblioteca de estilos en DIR (por defecto: $VELMORA_HOME; si no, la carpeta del programa cuando Velmora se ejecuta desde su carpeta de compilación; si no, ~/.local/share/Velmora).</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, en, es, fr) instead of the system&apos;s.</source>
        <translation>Hablar el idioma CODE (de, en, es, fr) en lugar del del sistema.</translation>
    </message>
    <message>
        <source>list                print the stored menus, one per line
build MENUID        rebuild the CD root of a stored menu
</source>
        <translation>list                mostrar los menús guardados, uno por línea
build MENUID        reconstruir la raíz del CD de un menú guardado
</translation>
    </message>
    <message>
        <source>--home needs the name of a folder.</source>
        <translation>--home necesita el nombre de una carpeta.</translation>
    </message>
    <message>
        <source>VELMORA_HOME is set but empty; name a folder or unset it.</source>
        <translation>VELMORA_HOME está definida pero vacía; indique una carpeta o elimínela.</translation>
    </message>
    <message>
        <source>--lang needs a language code such as de, fr or es, not &quot;%1&quot;.</source>
        <translation>--lang necesita un código de idioma como de, fr o es, no «%1».</translation>
    </message>
    <message>
        <source>list takes no arguments.</source>
        <translation>list no admite argumentos.</translation>
    </message>
    <message>
        <source>build takes one argument, the number of the menu (see &apos;velmora list&apos;).</source>
        <translation>build admite un argumento, el número del menú (véase &apos;velmora list&apos;).</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Comando desconocido: %1</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2.</source>
        <translation>No se puede crear la carpeta de datos %1: %2.</translation>
    </message>
    <message>
        <source>Not enough memory to %1 the menus.</source>
        <translation>No hay memoria suficiente para «%1» los menús.</translation>
    </message>
    <message>
        <source>The %1 command failed: %2</source>
        <translation>El comando %1 ha fallado: %2</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Se escribió %1</translation>
    </message>
    <message>
        <source>add: put every new entry in this category.</source>
        <translation>add: poner cada entrada nueva en esta categoría.</translation>
    </message>
    <message>
        <source>iso: write the image to FILE (default: the menu title with .iso beside the CD root).</source>
        <translation>iso: escribir la imagen en FILE (por defecto: el título del menú con .iso junto a la raíz del CD).</translation>
    </message>
    <message>
        <source>add MENUID PATH...  add entries for the files given
check MENUID        report what would spoil the disc
iso MENUID          write a disc image of the CD root</source>
        <translation>add MENUID PATH...  añadir entradas para los archivos indicados
check MENUID        informar de lo que estropearía el disco
iso MENUID          escribir una imagen de disco de la raíz del CD</translation>
    </message>
    <message>
        <source>add takes the number of the menu and one or more files or folders.</source>
        <translation>add admite el número del menú y uno o más archivos o carpetas.</translation>
    </message>
    <message>
        <source>%1 takes one argument, the number of the menu (see &apos;velmora list&apos;).</source>
        <translation>%1 admite un argumento, el número del menú (véase &apos;velmora list&apos;).</translation>
    </message>
    <message>
        <source>--category is an option of add.</source>
        <translation>--category es una opción de add.</translation>
    </message>
    <message>
        <source>-o is an option of iso.</source>
        <translation>-o es una opción de iso.</translation>
    </message>
    <message>
        <source>The CD root folder %1 of menu %2 does not exist.</source>
        <translation>La carpeta raíz del CD %1 del menú %2 no existe.</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>No se ha añadido nada.</translation>
    </message>
    <message>
        <source>Added %1 as &quot;%2&quot; in %3</source>
        <translation>Se añadió %1 como «%2» en %3</translation>
    </message>
    <message>
        <source>Nothing to add: every file already has an entry.</source>
        <translation>Nada que añadir: cada archivo ya tiene una entrada.</translation>
    </message>
    <message>
        <source>The CD root has no %1 yet: build the menu first (&apos;velmora build %2&apos;).</source>
        <translation>La raíz del CD aún no tiene %1: construya primero el menú (&apos;velmora build %2&apos;).</translation>
    </message>
    <message>
        <source>Making the disc image: %1%</source>
        <translation>Creando la imagen de disco: %1%</translation>
    </message>
    <message>
        <source>velmora: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
The commands work without one: see &apos;velmora --help&apos;.</source>
        <translation>velmora: no hay ninguna pantalla donde mostrar la ventana (no está definida ni DISPLAY ni WAYLAND_DISPLAY).
Los comandos funcionan sin ella: véase &apos;velmora --help&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;velmora --help&apos;.</source>
        <translation>Pruebe &apos;velmora --help&apos;.</translation>
    </message>
    <message>
        <source>Added %1 of %2 files; the others were added by another program meanwhile.</source>
        <translation>Se añadieron %1 de %2 archivos; los demás los añadió otro programa mientras tanto.</translation>
    </message>
    <message>
        <source>Show the window at PERCENT (50 to 400) for this run; the View menu&apos;s choice is kept for the next starts.</source>
        <translation>Mostrar la ventana al PERCENT % (de 50 a 400) en esta ejecución; la elección del menú Ver se conserva para los siguientes inicios.</translation>
    </message>
    <message>
        <source>--zoom needs a whole percentage from 50 to 400, such as 150.</source>
        <translation>--zoom necesita un porcentaje entero de 50 a 400, por ejemplo 150.</translation>
    </message>
    <message>
        <source>burn: the drive to burn with (/dev/sr0; stdio:FILE writes into a file as if it were a disc).</source>
        <translation>burn: la grabadora que se usa (/dev/sr0; stdio:FILE escribe en un archivo como si fuera un disco).</translation>
    </message>
    <message>
        <source>burn: go through the burn with the laser off.</source>
        <translation>burn: simular la grabación con el láser apagado.</translation>
    </message>
    <message>
        <source>burn: write at N times the disc&apos;s base speed (default: the fastest).</source>
        <translation>burn: escribir a N veces la velocidad base del disco (por omisión: la más rápida).</translation>
    </message>
    <message>
        <source>burn: do not read the disc back.</source>
        <translation>burn: no volver a leer el disco.</translation>
    </message>
    <message>
        <source>burn: erase a rewritable disc that holds data.</source>
        <translation>burn: borrar un disco regrabable que contiene datos.</translation>
    </message>
    <message>
        <source>burn, copy: eject the medium at the end.</source>
        <translation>burn, copy: expulsar el soporte al final.</translation>
    </message>
    <message>
        <source>copy: the folder (a mounted stick or card) or FAT image to copy the CD root onto.</source>
        <translation>copy: la carpeta (una memoria o tarjeta montada) o la imagen FAT en la que se copia la raíz del CD.</translation>
    </message>
    <message>
        <source>burn MENUID         burn the CD root onto a disc
copy MENUID --to FOLDER
                    copy the CD root onto a stick or folder</source>
        <translation>burn MENUID         grabar la raíz del CD en un disco
copy MENUID --to FOLDER
                    copiar la raíz del CD en una memoria o carpeta</translation>
    </message>
    <message>
        <source>--%1 is an option of burn.</source>
        <translation>--%1 es una opción de burn.</translation>
    </message>
    <message>
        <source>--to is an option of copy.</source>
        <translation>--to es una opción de copy.</translation>
    </message>
    <message>
        <source>--eject is an option of burn and copy.</source>
        <translation>--eject es una opción de burn y copy.</translation>
    </message>
    <message>
        <source>--speed needs a whole number from 1 to 100, such as 8.</source>
        <translation>--speed necesita un número entero de 1 a 100, por ejemplo 8.</translation>
    </message>
    <message>
        <source>--drive needs a device, such as /dev/sr0.</source>
        <translation>--drive necesita un dispositivo, por ejemplo /dev/sr0.</translation>
    </message>
    <message>
        <source>copy needs --to and the folder of the stick or card.</source>
        <translation>copy necesita --to y la carpeta de la memoria o tarjeta.</translation>
    </message>
    <message>
        <source>No disc burner was found.</source>
        <translation>No se encontró ninguna grabadora.</translation>
    </message>
    <message>
        <source>There are several drives; choose one with --drive:</source>
        <translation>Hay varias unidades; elija una con --drive:</translation>
    </message>
    <message>
        <source>The disc check found problems; nothing was burned.</source>
        <translation>La comprobación del disco encontró problemas; no se grabó nada.</translation>
    </message>
    <message>
        <source>Disc in %1: %2</source>
        <translation>Disco en %1: %2</translation>
    </message>
    <message>
        <source>Nothing was written; give --blank to erase it.</source>
        <translation>No se escribió nada; indique --blank para borrarlo.</translation>
    </message>
    <message>
        <source>Erasing the disc: %1%</source>
        <translation>Borrando el disco: %1%</translation>
    </message>
    <message>
        <source>Burning: %1%</source>
        <translation>Grabando: %1%</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>Reading the disc back</source>
        <translation>Releyendo el disco</translation>
    </message>
    <message>
        <source>Simulated: the menu (%1 MB) would have been burned onto the %2 in %3; nothing was written.</source>
        <translation>Simulado: el menú (%1 MB) se habría grabado en el %2 de %3; no se escribió nada.</translation>
    </message>
    <message>
        <source>Burned and verified: %1</source>
        <translation>Grabado y verificado: %1</translation>
    </message>
    <message>
        <source>Burned (not verified): %1</source>
        <translation>Grabado (sin verificar): %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>Copying: %1 of %2 files, %3 of %4 MB</source>
        <translation>Copiando: %1 de %2 archivos, %3 de %4 MB</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copiado</translation>
    </message>
    <message>
        <source>The files copied so far are complete.</source>
        <translation>Los archivos copiados hasta ahora están completos.</translation>
    </message>
    <message>
        <source>Not part of the menu: %1</source>
        <translation>No forma parte del menú: %1</translation>
    </message>
    <message>
        <source>Copied and verified: %1 files written, %2 unchanged, on %3.</source>
        <translation>Copiado y verificado: %1 archivos escritos, %2 sin cambios, en %3.</translation>
    </message>
    <message>
        <source>Windows does not start a menu from a USB drive by itself: open Start.exe or Index.htm on the stick.</source>
        <translation>Windows no abre por sí solo un menú desde una unidad USB: abra Start.exe o Index.htm en la memoria.</translation>
    </message>
    <message>
        <source>%1 is not on a removable drive; there is nothing to eject.</source>
        <translation>%1 no está en una unidad extraíble; no hay nada que expulsar.</translation>
    </message>
    <message>
        <source>Ejected %1: the drive can be pulled.</source>
        <translation>%1 expulsado: la unidad puede retirarse.</translation>
    </message>
    <message>
        <source>Left out %1 of the rows of tblMenus: their MenuID is not a positive whole number, or an earlier row has it, so no command can reach them.</source>
        <translation>Se omitieron %1 filas de tblMenus: su MenuID no es un número entero positivo, o ya lo tiene una fila anterior, así que ninguna orden puede llegar a ellas.</translation>
    </message>
    <message>
        <source>%1 is not a menu number: menus are numbered from 1 (see &apos;velmora list&apos;).</source>
        <translation>%1 no es un número de menú: los menús se numeran desde 1 (vea «velmora list»).</translation>
    </message>
    <message>
        <source>%1 is too large for a menu number (see &apos;velmora list&apos;).</source>
        <translation>%1 es demasiado grande para un número de menú (vea «velmora list»).</translation>
    </message>
    <message>
        <source>--category needs a text, the category of the new entries.</source>
        <translation>--category necesita un texto, la categoría de las nuevas entradas.</translation>
    </message>
    <message>
        <source>Simulated erasing the %1 in %2; writing onto a disc that holds data can be simulated only once it is erased. Nothing was written.</source>
        <translation>Se simuló el borrado del %1 de %2; la escritura en un disco con datos solo puede simularse una vez borrado. No se escribió nada.</translation>
    </message>
    <message>
        <source>Removable drives:</source>
        <translation>Unidades extraíbles:</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Cannot create the folder of %1.</source>
        <translation>No se puede crear la carpeta de %1.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database: it has no table %2.</source>
        <translation>%1 no es una base de datos de Velmora: no tiene la tabla %2.</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database: table %2 has no column %3.</source>
        <translation>%1 no es una base de datos de Velmora: la tabla %2 no tiene la columna %3.</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database: it is not a database file.</source>
        <translation>%1 no es una base de datos de Velmora: no es un archivo de base de datos.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a database.</source>
        <translation>%1 es una carpeta, no una base de datos.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 es un enlace a un archivo que no existe.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>%1 is a broken link</source>
        <translation>%1 es un enlace roto</translation>
    </message>
    <message>
        <source>permission denied in %1</source>
        <translation>permiso denegado en %1</translation>
    </message>
    <message>
        <source>%1 is locked: another program is using it (%2).</source>
        <translation>%1 está bloqueado: otro programa lo está usando (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be written: the file or its folder is read-only (%2).</source>
        <translation>No se puede escribir %1: el archivo o su carpeta es de solo lectura (%2).</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 no es un archivo de base de datos.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 está dañado: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read or write %1: %2.</source>
        <translation>No se puede leer ni escribir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>The menu %1 no longer exists; it was deleted by another program.</source>
        <translation>El menú %1 ya no existe; otro programa lo eliminó.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>The menu %1 could not be stored.</source>
        <translation>No se pudo guardar el menú %1.</translation>
    </message>
    <message>
        <source>The menu %1 is stored %2 times; nothing was changed.</source>
        <translation>El menú %1 está guardado %2 veces; no se cambió nada.</translation>
    </message>
    <message>
        <source>The entry %1 of the menu %2 could not be replaced: it no longer exists.</source>
        <translation>No se pudo reemplazar la entrada %1 del menú %2: ya no existe.</translation>
    </message>
    <message>
        <source>The entry %1 of the menu %2 could not be stored.</source>
        <translation>No se pudo guardar la entrada %1 del menú %2.</translation>
    </message>
    <message>
        <source>The entry %1 is no longer in the menu %2.</source>
        <translation>La entrada %1 ya no está en el menú %2.</translation>
    </message>
    <message>
        <source>The style %1 could not be stored.</source>
        <translation>No se pudo guardar el estilo %1.</translation>
    </message>
    <message>
        <source>The style %1 (number %2) no longer exists; it was deleted by another program.</source>
        <translation>El estilo %1 (número %2) ya no existe; otro programa lo eliminó.</translation>
    </message>
    <message>
        <source>%1 is a link loop: it leads back to itself.</source>
        <translation>%1 es un bucle de enlaces: vuelve a sí mismo.</translation>
    </message>
    <message>
        <source>%1 could not be changed in %2: %3</source>
        <translation>%1 no se pudo cambiar en %2: %3</translation>
    </message>
    <message>
        <source>The menu %1</source>
        <translation>El menú %1</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; of the menu %2</source>
        <translation>La entrada «%1» del menú %2</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot;</source>
        <translation>El estilo «%1»</translation>
    </message>
    <message>
        <source>The entries of the menu %1 were not stored as given: %2 rows were meant to be added and %3 were; %4 holds something (a trigger?) that changes them. Nothing was added.</source>
        <translation>Las entradas del menú %1 no se guardaron tal como se dieron: debían añadirse %2 filas y se añadieron %3; %4 contiene algo (¿un disparador?) que las cambia. No se añadió nada.</translation>
    </message>
</context>
<context>
    <name>DiscBurn</name>
    <message>
        <source>xorriso was not found. Please install the xorriso package to burn discs.</source>
        <translation>No se encontró xorriso. Instale el paquete xorriso para grabar discos.</translation>
    </message>
    <message>
        <source>xorriso could not be started: %1</source>
        <translation>No se pudo iniciar xorriso: %1</translation>
    </message>
    <message>
        <source>The drive did not answer.</source>
        <translation>La unidad no respondió.</translation>
    </message>
    <message>
        <source>The drive %1 cannot be read. %2</source>
        <translation>No se puede leer la unidad %1. %2</translation>
    </message>
    <message>
        <source>A disc is already being burned.</source>
        <translation>Ya se está grabando un disco.</translation>
    </message>
    <message>
        <source>The CD root folder %1 does not exist.</source>
        <translation>La carpeta raíz del CD %1 no existe.</translation>
    </message>
    <message>
        <source>The burn was cancelled. A write-once disc that was being written cannot be used again.</source>
        <translation>Se canceló la grabación. Un disco de una sola escritura que se estaba grabando ya no puede usarse.</translation>
    </message>
    <message>
        <source>xorriso could not burn the disc (exit code %1).
%2</source>
        <translation>xorriso no pudo grabar el disco (código de salida %1).
%2</translation>
    </message>
    <message>
        <source>The disc does not match what was written: %1 differs.</source>
        <translation>El disco no coincide con lo escrito: %1 es distinto.</translation>
    </message>
    <message>
        <source>The disc was burned, but it does not read back as written.
%1</source>
        <translation>El disco se grabó, pero al releerlo no coincide con lo escrito.
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>no disc</source>
        <translation>sin disco</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>virgen</translation>
    </message>
    <message>
        <source>appendable</source>
        <translation>ampliable</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>%1, %2, %3 free</source>
        <translation>%1, %2, %3 libres</translation>
    </message>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>No hay ningún disco en la unidad.</translation>
    </message>
    <message>
        <source>The disc in the drive (%1) cannot be written.</source>
        <translation>El disco de la unidad (%1) no se puede escribir.</translation>
    </message>
    <message>
        <source>The %1 in the drive is closed: nothing more can be written on it.</source>
        <translation>El %1 de la unidad está cerrado: ya no se puede escribir nada en él.</translation>
    </message>
    <message>
        <source>The menu needs %1, but the %2 in the drive has only %3 free.</source>
        <translation>El menú necesita %1, pero el %2 de la unidad solo tiene %3 libres.</translation>
    </message>
    <message>
        <source>The %1 in the drive holds %2 of data. Burning the menu erases all of it. Erase the disc and burn?</source>
        <translation>El %1 de la unidad contiene %2 de datos. Grabar el menú los borra todos. ¿Borrar el disco y grabar?</translation>
    </message>
    <message>
        <source>&amp;Burn to Disc…</source>
        <translation>&amp;Grabar en disco…</translation>
    </message>
    <message>
        <source>Burn to Disc</source>
        <translation>Grabar en disco</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>Disc:</source>
        <translation>Disco:</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>La más rápida</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Velocidad:</translation>
    </message>
    <message>
        <source>Si&amp;mulate first</source>
        <translation>Si&amp;mular primero</translation>
    </message>
    <message>
        <source>&amp;Verify the disc after burning</source>
        <translation>&amp;Verificar el disco después de grabar</translation>
    </message>
    <message>
        <source>&amp;Eject the disc when done</source>
        <translation>&amp;Expulsar el disco al terminar</translation>
    </message>
    <message>
        <source>&amp;Burn</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>Erasing the disc: %1%</source>
        <translation>Borrando el disco: %1%</translation>
    </message>
    <message>
        <source>Reading the disc back to verify it…</source>
        <translation>Releyendo el disco para verificarlo…</translation>
    </message>
    <message>
        <source>Burning: %1%</source>
        <translation>Grabando: %1%</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>quedan %1:%2</translation>
    </message>
    <message>
        <source>Simulating the burn…</source>
        <translation>Simulando la grabación…</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Grabando…</translation>
    </message>
    <message>
        <source>Stop the burn? A write-once disc that is stopped while it is written cannot be used again.</source>
        <translation>¿Detener la grabación? Un disco de una sola escritura que se detiene mientras se graba ya no puede usarse.</translation>
    </message>
    <message>
        <source>No disc burner was found. Connect one, or make a disc image (File → Make Disc Image…) and burn it elsewhere.</source>
        <translation>No se encontró ninguna grabadora. Conecte una, o cree una imagen de disco (Archivo → Crear imagen de disco…) y grábela en otro equipo.</translation>
    </message>
    <message>
        <source>The simulation went through: the menu (%1) fits on the %2. Burn the disc now?</source>
        <translation>La simulación salió bien: el menú (%1) cabe en el %2. ¿Grabar el disco ahora?</translation>
    </message>
    <message>
        <source>The disc has been burned and verified.</source>
        <translation>El disco se ha grabado y verificado.</translation>
    </message>
    <message>
        <source>The disc has been burned (not verified).</source>
        <translation>El disco se ha grabado (sin verificar).</translation>
    </message>
    <message>
        <source>The erase of the %1 went through; writing onto a disc that holds data can be simulated only once it is erased. The menu (%2) fits on it. Erase the disc and burn now?</source>
        <translation>El borrado del %1 salió bien; la escritura en un disco con datos solo puede simularse una vez borrado. El menú (%2) cabe en él. ¿Borrar el disco y grabar ahora?</translation>
    </message>
    <message>
        <source>Burning a disc needs xorriso.exe beside velmora.exe or on the PATH.</source>
        <translation>Para grabar un disco se necesita xorriso.exe junto a velmora.exe o en el PATH.</translation>
    </message>
</context>
<context>
    <name>DiscCheck</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>a CD (700 MB)</source>
        <translation>un CD (700 MB)</translation>
    </message>
    <message>
        <source>a DVD (4.7 GB)</source>
        <translation>un DVD (4,7 GB)</translation>
    </message>
    <message>
        <source>a dual-layer DVD (8.5 GB)</source>
        <translation>un DVD de doble capa (8,5 GB)</translation>
    </message>
    <message>
        <source>; fits on </source>
        <translation>; cabe en </translation>
    </message>
    <message>
        <source>; too large for </source>
        <translation>; demasiado grande para </translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contiene un carácter de control</translation>
    </message>
    <message>
        <source>holds the character %1</source>
        <translation>contiene el carácter %1</translation>
    </message>
    <message>
        <source>The entry %1 links to %2, which is not inside the CD root.</source>
        <translation>La entrada %1 enlaza a %2, que no está dentro de la raíz del CD.</translation>
    </message>
    <message>
        <source>The file %1 of the entry %2 is missing.</source>
        <translation>Falta el archivo %1 de la entrada %2.</translation>
    </message>
    <message>
        <source>The media file %1 would replace the screenshot %2 of the entry %3.</source>
        <translation>El archivo multimedia %1 reemplazaría la captura de pantalla %2 de la entrada %3.</translation>
    </message>
    <message>
        <source>The name %1 %2, which a Joliet disc cannot hold.</source>
        <translation>El nombre %1 %2, lo que un disco Joliet no puede contener.</translation>
    </message>
    <message>
        <source>The disc check found these problems. Build the menu anyway?</source>
        <translation>La comprobación del disco ha encontrado estos problemas. ¿Construir el menú de todos modos?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Image size: %1 sectors (%2)</source>
        <translation>Tamaño de la imagen: %1 sectores (%2)</translation>
    </message>
    <message>
        <source>, estimated</source>
        <translation>, estimado</translation>
    </message>
    <message>
        <source>holds the character %1 (U+%2)</source>
        <translation>contiene el carácter %1 (U+%2)</translation>
    </message>
    <message>
        <source>The image would take %1 sectors (%2), more than a dual-layer DVD (8.5 GB) can hold.</source>
        <translation>La imagen ocuparía %1 sectores (%2), más de lo que cabe en un DVD de doble capa (8,5 GB).</translation>
    </message>
    <message>
        <source>The entry %1 has no file.</source>
        <translation>La entrada %1 no tiene archivo.</translation>
    </message>
    <message>
        <source>The screenshot %1 of the entry %2 is missing.</source>
        <translation>Falta la captura de pantalla %1 de la entrada %2.</translation>
    </message>
    <message>
        <source>The link %1 leads outside the CD root; the disc image leaves it out.</source>
        <translation>El enlace %1 lleva fuera de la raíz del CD; la imagen de disco lo omite.</translation>
    </message>
    <message>
        <source>The link %1 leads to nothing; the disc image leaves it out.</source>
        <translation>El enlace %1 no lleva a nada; la imagen de disco lo omite.</translation>
    </message>
    <message>
        <source>The link %1 leads back into a folder that holds it; the disc image leaves it out.</source>
        <translation>El enlace %1 lleva de vuelta a una carpeta que lo contiene; la imagen de disco lo omite.</translation>
    </message>
    <message>
        <source>The name %1 cannot be shown on the menu or read on Windows: rename it.</source>
        <translation>El nombre %1 no se puede mostrar en el menú ni leer en Windows: cámbielo.</translation>
    </message>
    <message>
        <source>The names %1 and %2 differ only in letter case; Windows reads only one of them.</source>
        <translation>Los nombres %1 y %2 solo se distinguen por mayúsculas y minúsculas; Windows lee solo uno de ellos.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read, so no disc image can be made of it.</source>
        <translation>No se puede leer la carpeta %1, así que no se puede crear una imagen de disco con ella.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read, so no disc image can be made of it.</source>
        <translation>No se puede leer el archivo %1, así que no se puede crear una imagen de disco con él.</translation>
    </message>
    <message>
        <source>The hidden folder %1 will go on the disc.</source>
        <translation>La carpeta oculta %1 irá en el disco.</translation>
    </message>
    <message>
        <source>The hidden file %1 will go on the disc.</source>
        <translation>El archivo oculto %1 irá en el disco.</translation>
    </message>
    <message>
        <source>, estimated (%1)</source>
        <translation>, estimado (%1)</translation>
    </message>
    <message>
        <source>xorriso was not found</source>
        <translation>no se encontró xorriso</translation>
    </message>
    <message>
        <source>%1 is a pipe, a device or a socket, not a file; the disc image leaves it out.</source>
        <translation>%1 es una tubería, un dispositivo o un socket, no un archivo; la imagen de disco lo omite.</translation>
    </message>
    <message>
        <source>The name %1 %2, which Windows cannot open from a disc.</source>
        <translation>El nombre %1 %2, lo que Windows no puede abrir desde un disco.</translation>
    </message>
    <message>
        <source>ends in a dot</source>
        <translation>termina en un punto</translation>
    </message>
    <message>
        <source>ends in a blank</source>
        <translation>termina en un espacio</translation>
    </message>
    <message>
        <source>is the device name %1</source>
        <translation>es el nombre de dispositivo %1</translation>
    </message>
</context>
<context>
    <name>DiscImage</name>
    <message>
        <source>xorriso was not found. Please install the xorriso package to make disc images.</source>
        <translation>No se encontró xorriso. Instale el paquete xorriso para crear imágenes de disco.</translation>
    </message>
    <message>
        <source>A disc image is already being made.</source>
        <translation>Ya se está creando una imagen de disco.</translation>
    </message>
    <message>
        <source>The image %1 cannot be written inside the CD root %2, which it would hold.</source>
        <translation>La imagen %1 no se puede escribir dentro de la raíz del CD %2, que ella contendría.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Making the disc image was cancelled.</source>
        <translation>Se canceló la creación de la imagen de disco.</translation>
    </message>
    <message>
        <source>xorriso could not make the disc image (exit code %1).
%2</source>
        <translation>xorriso no pudo crear la imagen de disco (código de salida %1).
%2</translation>
    </message>
    <message>
        <source>Cannot name the disc image %1: %2</source>
        <translation>No se puede dar a la imagen de disco el nombre %1: %2</translation>
    </message>
    <message>
        <source>Make Disc Image…</source>
        <translation>Crear imagen de disco…</translation>
    </message>
    <message>
        <source>Making the disc image…</source>
        <translation>Creando la imagen de disco…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The disc image %1 has been made.</source>
        <translation>Se ha creado la imagen de disco %1.</translation>
    </message>
    <message>
        <source>Make Disc Image</source>
        <translation>Crear imagen de disco</translation>
    </message>
    <message>
        <source>Disc images (*.iso)</source>
        <translation>Imágenes de disco (*.iso)</translation>
    </message>
    <message>
        <source>Make Disc &amp;Image…</source>
        <translation>Crear &amp;imagen de disco…</translation>
    </message>
    <message>
        <source>xorriso could not be started: %1</source>
        <translation>no se pudo iniciar xorriso: %1</translation>
    </message>
    <message>
        <source>xorriso could not tell the image&apos;s size. %1</source>
        <translation>xorriso no pudo indicar el tamaño de la imagen. %1</translation>
    </message>
    <message>
        <source>Making a disc image needs xorriso.exe beside velmora.exe or on the PATH.</source>
        <translation>Para crear una imagen de disco se necesita xorriso.exe junto a velmora.exe o en el PATH.</translation>
    </message>
</context>
<context>
    <name>DriveCopy</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor a FAT image. %2</source>
        <translation>%1 no es ni una carpeta ni una imagen FAT. %2</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The menu cannot be copied into %1, which holds the CD root or lies inside it.</source>
        <translation>El menú no se puede copiar en %1, que contiene la raíz del CD o está dentro de ella.</translation>
    </message>
    <message>
        <source>The CD root folder %1 does not exist.</source>
        <translation>La carpeta raíz del CD %1 no existe.</translation>
    </message>
    <message>
        <source>%1: the name is not valid UTF-8 and cannot be copied: rename it</source>
        <translation>%1: el nombre no es UTF-8 válido y no se puede copiar: cámbielo</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 no se puede leer.</translation>
    </message>
    <message>
        <source>%1 is not a file or a folder and cannot be copied.</source>
        <translation>%1 no es un archivo ni una carpeta y no se puede copiar.</translation>
    </message>
    <message>
        <source>%1 and %2 differ only in letter case, which a %3 drive cannot tell apart</source>
        <translation>%1 y %2 solo difieren en mayúsculas y minúsculas, que una unidad %3 no distingue</translation>
    </message>
    <message>
        <source>%1 on the drive is a file or a link, not a folder: move it away</source>
        <translation>%1 en la unidad es un archivo o un enlace, no una carpeta: muévalo</translation>
    </message>
    <message>
        <source>%1 on the drive is a folder, not a file: move it away</source>
        <translation>%1 en la unidad es una carpeta, no un archivo: muévala</translation>
    </message>
    <message>
        <source>%1 has %2 free; the menu needs %3 there.</source>
        <translation>%1 tiene %2 libres; el menú necesita %3 allí.</translation>
    </message>
    <message>
        <source>%1 did not read back as it was written: the drive may be failing. Nothing was put under its name.</source>
        <translation>%1 no se releyó tal como se escribió: puede que la unidad esté fallando. No se guardó nada con su nombre.</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Se canceló la copia.</translation>
    </message>
    <message>
        <source>mtools was not found. Please install the mtools package to copy onto a FAT image.</source>
        <translation>No se encontró mtools. Instale el paquete mtools para copiar en una imagen FAT.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>No se pudo iniciar %1: %2</translation>
    </message>
    <message>
        <source>%1 failed on %2: %3</source>
        <translation>%1 falló en %2: %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 GB is too large for a FAT32 drive, which holds files under 4 GB</source>
        <translation>%1 GB es demasiado para una unidad FAT32, que solo admite archivos de menos de 4 GB</translation>
    </message>
    <message>
        <source>a %1 drive cannot hold a name with &quot; * : &lt; &gt; ? \ | or a control character</source>
        <translation>una unidad %1 no admite nombres con &quot; * : &lt; &gt; ? \ | o un carácter de control</translation>
    </message>
    <message>
        <source>Windows cannot open a name that ends in a dot or a blank</source>
        <translation>Windows no puede abrir un nombre que termina en punto o espacio</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the drive refused it</source>
        <translation>la unidad lo rechazó</translation>
    </message>
    <message>
        <source>Cannot read back %1: %2</source>
        <translation>No se puede releer %1: %2</translation>
    </message>
    <message>
        <source>Cannot name the copy %1: %2</source>
        <translation>No se puede dar a la copia el nombre %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>No se puede quitar %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written to the drive: %2</source>
        <translation>%1 no se pudo escribir en la unidad: %2</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>Un archivo</translation>
    </message>
    <message>
        <source>%1 GB free</source>
        <translation>%1 GB libres</translation>
    </message>
    <message>
        <source>udisksctl did not answer: %1</source>
        <translation>udisksctl no respondió: %1</translation>
    </message>
    <message>
        <source>The drive is busy: a program still uses a file on it. Close that program and eject again.</source>
        <translation>La unidad está ocupada: un programa todavía usa un archivo en ella. Cierre ese programa y vuelva a expulsarla.</translation>
    </message>
    <message>
        <source>The drive could not be ejected: %1</source>
        <translation>No se pudo expulsar la unidad: %1</translation>
    </message>
    <message>
        <source>udisksctl was not found (package udisks2): unmount the drive in the file manager.</source>
        <translation>No se encontró udisksctl (paquete udisks2): desmonte la unidad en el gestor de archivos.</translation>
    </message>
    <message>
        <source>Ejecting is not available here: eject the drive in the file manager.</source>
        <translation>Aquí no se puede expulsar: expulse la unidad en el gestor de archivos.</translation>
    </message>
    <message>
        <source>&amp;Copy to Drive…</source>
        <translation>&amp;Copiar en una unidad…</translation>
    </message>
    <message>
        <source>Copy to Drive</source>
        <translation>Copiar en una unidad</translation>
    </message>
    <message>
        <source>No USB stick or card is mounted. Insert one, or choose a folder.</source>
        <translation>No hay ninguna memoria USB ni tarjeta montada. Inserte una o elija una carpeta.</translation>
    </message>
    <message>
        <source>Copy the menu onto:</source>
        <translation>Copiar el menú en:</translation>
    </message>
    <message>
        <source>&amp;Other Folder…</source>
        <translation>&amp;Otra carpeta…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>The menu cannot be copied onto %1:
%2
Nothing was written.</source>
        <translation>El menú no se puede copiar en %1:
%2
No se escribió nada.</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>Copiando…</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4</source>
        <translation>%1 de %2 archivos, %3 de %4</translation>
    </message>
    <message>
        <source>The copy was cancelled. The %1 files copied so far are complete; nothing half-written is left on the drive.</source>
        <translation>Se canceló la copia. Los %1 archivos copiados hasta ahora están completos; no queda nada a medio escribir en la unidad.</translation>
    </message>
    <message>
        <source>The menu has been copied onto %1 and verified: %2 files written, %3 unchanged.</source>
        <translation>El menú se ha copiado en %1 y verificado: %2 archivos escritos, %3 sin cambios.</translation>
    </message>
    <message>
        <source>Not part of the menu: %1</source>
        <translation>No forma parte del menú: %1</translation>
    </message>
    <message>
        <source>Windows does not start a menu from a USB drive by itself: open Start.exe or Index.htm on the stick.</source>
        <translation>Windows no abre por sí solo un menú desde una unidad USB: abra Start.exe o Index.htm en la memoria.</translation>
    </message>
    <message>
        <source>Eject the drive now?</source>
        <translation>¿Expulsar la unidad ahora?</translation>
    </message>
    <message>
        <source>The drive can be pulled now.</source>
        <translation>Ya puede retirar la unidad.</translation>
    </message>
    <message>
        <source>Copy to Folder</source>
        <translation>Copiar en una carpeta</translation>
    </message>
    <message>
        <source>The menu cannot be copied into %1, which holds Velmora&apos;s own data (%2).</source>
        <translation>El menú no se puede copiar en %1, que contiene los datos propios de Velmora (%2).</translation>
    </message>
    <message>
        <source>The drive could not be ejected: it takes no such request. Use &quot;Safely Remove Hardware&quot; on the taskbar.</source>
        <translation>No se pudo expulsar la unidad: no admite esta petición. Use «Quitar hardware de forma segura» en la barra de tareas.</translation>
    </message>
</context>
<context>
    <name>Entries</name>
    <message>
        <source>All files (*.*)|*.*</source>
        <translation>Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Pictures (*.jpg;*.gif)|*.jpg;*.gif</source>
        <translation>Imágenes (*.jpg;*.gif)|*.jpg;*.gif</translation>
    </message>
    <message>
        <source>Please select a file and enter a file name!</source>
        <translation>¡Seleccione un archivo y escriba un nombre de archivo!</translation>
    </message>
    <message>
        <source>An entry titled %1 is already in this menu.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>Ya hay una entrada titulada %1 en este menú.<byte value="xd"/>
¿Desea reemplazarla?</translation>
    </message>
    <message>
        <source>Please select the entry to remove in the list!</source>
        <translation>¡Seleccione en la lista la entrada que desea quitar!</translation>
    </message>
    <message>
        <source>Do you really want to remove the entry for %1?</source>
        <translation>¿Seguro que desea quitar la entrada de %1?</translation>
    </message>
    <message>
        <source>Entry deleted successfully!</source>
        <translation>¡Entrada eliminada correctamente!</translation>
    </message>
    <message>
        <source>  File Descriptions</source>
        <translation>  Descripciones de archivos</translation>
    </message>
    <message>
        <source>File title</source>
        <translation>Título del archivo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Sorry, no matching results</source>
        <translation>Lo sentimos, no hay resultados coincidentes</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Now you can add your files and enter the file information. Saved files will be shown in the list and can be edited by clicking on them.</source>
        <translation>Ahora puede añadir sus archivos e introducir su información. Los archivos guardados aparecen en la lista y se pueden editar haciendo clic en ellos.</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Archivos:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>File Title:</source>
        <translation>Título del archivo:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Screenshot:</source>
        <translation>Captura de pantalla:</translation>
    </message>
</context>
<context>
    <name>Finish</name>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Open the menu in your browser now?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
¿Abrir el menú en el navegador ahora?</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>the page was not found</source>
        <translation>no se encontró la página</translation>
    </message>
    <message>
        <source>no browser or opener program is installed</source>
        <translation>no hay instalado ningún navegador ni programa para abrirla</translation>
    </message>
    <message>
        <source>the browser could not be started</source>
        <translation>no se pudo iniciar el navegador</translation>
    </message>
    <message>
        <source>the opener ended with code %1</source>
        <translation>el programa para abrirla terminó con el código %1</translation>
    </message>
    <message>
        <source>The menu page %1 could not be opened in a browser: %2.</source>
        <translation>No se pudo abrir la página del menú %1 en un navegador: %2.</translation>
    </message>
    <message>
        <source>the system has no program for it</source>
        <translation>el sistema no tiene ningún programa para ello</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>no se pudo iniciar %1 (%2)</translation>
    </message>
    <message>
        <source>%1 ended unexpectedly</source>
        <translation>%1 terminó de forma inesperada</translation>
    </message>
</context>
<context>
    <name>FolderFill</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is neither a file nor a folder.</source>
        <translation>%1 no es ni un archivo ni una carpeta.</translation>
    </message>
    <message>
        <source>No files to add: every file under the CD root has an entry.</source>
        <translation>No hay archivos que añadir: cada archivo de la raíz del CD tiene una entrada.</translation>
    </message>
    <message>
        <source>No files to add: every file dropped has an entry already.</source>
        <translation>No hay archivos que añadir: cada archivo soltado ya tiene una entrada.</translation>
    </message>
    <message>
        <source>No entries were added.</source>
        <translation>No se ha añadido ninguna entrada.</translation>
    </message>
    <message>
        <source>1 entry added.</source>
        <translation>1 entrada añadida.</translation>
    </message>
    <message>
        <source>%1 entries added.</source>
        <translation>%1 entradas añadidas.</translation>
    </message>
    <message>
        <source>These files have no entry yet. Uncheck the ones the menu should not offer.</source>
        <translation>Estos archivos aún no tienen entrada. Desmarque los que el menú no debe ofrecer.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Category of the checked files:</source>
        <translation>Categoría de los archivos marcados:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>The link %1 leads outside the CD root; it is not added.</source>
        <translation>El enlace %1 lleva fuera de la raíz del CD; no se añade.</translation>
    </message>
    <message>
        <source>The name %1 cannot be shown on the menu or read on Windows: rename it.</source>
        <translation>El nombre %1 no se puede mostrar en el menú ni leer en Windows: cámbielo.</translation>
    </message>
    <message>
        <source>%1 is Velmora&apos;s own data; it is not added.</source>
        <translation>%1 forma parte de los datos propios de Velmora; no se añade.</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>General Setting</source>
        <translation>Configuración general</translation>
    </message>
    <message>
        <source>Please select the folder which contains all files to be on your CD. This folder will be treated as the CD Root path.</source>
        <translation>Seleccione la carpeta que contiene todos los archivos que irán en su CD. Esta carpeta se tratará como la raíz del CD.</translation>
    </message>
    <message>
        <source>If you have not yet placed all files to be on your CD into one folder, we recommend you do so  before continuing.</source>
        <translation>Si todavía no ha reunido en una carpeta todos los archivos que irán en su CD, le recomendamos hacerlo antes de continuar.</translation>
    </message>
    <message>
        <source>CD root folder:</source>
        <translation>Raíz del CD:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Plantilla:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Please enter a menu title!</source>
        <translation>¡Escriba un título para el menú!</translation>
    </message>
    <message>
        <source>Please select a root directory for your CD files!</source>
        <translation>¡Seleccione una carpeta raíz para los archivos de su CD!</translation>
    </message>
    <message>
        <source>Menu title is already taken, please change your title!,</source>
        <translation>El título del menú ya está en uso; ¡cambie su título!,</translation>
    </message>
    <message>
        <source>Your root directory is no longer valid!<byte value="xd"/>
Please select a new root directory!</source>
        <translation>¡Su carpeta raíz ya no es válida!<byte value="xd"/>
¡Seleccione una nueva carpeta raíz!</translation>
    </message>
    <message>
        <source>The drive %1 cannot be read. Please choose another drive!</source>
        <translation>No se puede leer la unidad %1. ¡Elija otra unidad!</translation>
    </message>
</context>
<context>
    <name>ModernPage</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Title, description, file or type</source>
        <translation>Título, descripción, archivo o tipo</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 entrada</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>%1 of %2 entries</source>
        <translation>%1 de %2 entradas</translation>
    </message>
    <message>
        <source>No entry matches your search.</source>
        <translation>Ninguna entrada coincide con su búsqueda.</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Borrar la búsqueda</translation>
    </message>
    <message>
        <source>Skip to the entries</source>
        <translation>Ir a las entradas</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>entries without a category</comment>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>kind of file</comment>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Archive</source>
        <comment>kind of file</comment>
        <translation>Archivo comprimido</translation>
    </message>
    <message>
        <source>Program</source>
        <comment>kind of file</comment>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Image</source>
        <comment>kind of file</comment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>kind of file</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>kind of file</comment>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>kind of file</comment>
        <translation>Otro</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>KB</source>
        <comment>kibibytes</comment>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <comment>mebibytes</comment>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <comment>gibibytes</comment>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <comment>tebibytes</comment>
        <translation>TB</translation>
    </message>
    <message>
        <source>PB</source>
        <comment>pebibytes</comment>
        <translation>PB</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Reproducir el sonido</translation>
    </message>
    <message>
        <source>Pause sound</source>
        <translation>Pausar el sonido</translation>
    </message>
    <message>
        <source>Open the sound</source>
        <translation>Abrir el sonido</translation>
    </message>
    <message>
        <source>Full-size screenshot: %1</source>
        <translation>Captura de pantalla a tamaño completo: %1</translation>
    </message>
    <message>
        <source>%1: a menu of %2</source>
        <translation>%1: un menú de %2</translation>
    </message>
    <message>
        <source>Made with Velmora</source>
        <translation>Hecho con Velmora</translation>
    </message>
    <message>
        <source>Links are printed after each entry.</source>
        <translation>Los enlaces se imprimen tras cada entrada.</translation>
    </message>
</context>
<context>
    <name>OwnData</name>
    <message>
        <source>%1 is part of Velmora&apos;s own data (the menu database or the style library): it cannot be written over. Choose another file.</source>
        <translation>%1 forma parte de los datos propios de Velmora (la base de datos de menús o la biblioteca de estilos): no se puede sobrescribir. Elija otro archivo.</translation>
    </message>
    <message>
        <source>The CD root %1 holds Velmora&apos;s own data (%2): the disc would carry every stored menu. Choose another CD root, or keep the data elsewhere (--home).</source>
        <translation>La raíz del CD %1 contiene los datos propios de Velmora (%2): el disco llevaría todos los menús guardados. Elija otra raíz del CD o guarde los datos en otro lugar (--home).</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The form %1 cannot be read: %2</source>
        <translation>No se puede leer el formulario %1: %2</translation>
    </message>
    <message>
        <source>The form %1 has no control %2.</source>
        <translation>El formulario %1 no tiene el control %2.</translation>
    </message>
    <message>
        <source>the plugin does not know %1</source>
        <translation>el complemento no conoce %1</translation>
    </message>
    <message>
        <source>The button %1 cannot be made: %2</source>
        <translation>No se puede crear el botón %1: %2</translation>
    </message>
    <message>
        <source>%1: no corvix plugin there</source>
        <translation>%1: ahí no hay ningún complemento corvix</translation>
    </message>
    <message>
        <source>%1 is not a corvix plugin of version %2</source>
        <translation>%1 no es un complemento corvix de la versión %2</translation>
    </message>
    <message>
        <source>The button controls (corvix plugin) could not be loaded. </source>
        <translation>No se pudieron cargar los controles de botón (complemento corvix). </translation>
    </message>
    <message>
        <source>The autorun file %1 was not found, so the disc would not open its menu by itself.</source>
        <translation>No se encontró el archivo de inicio automático %1, así que el disco no abriría su menú por sí solo.</translation>
    </message>
    <message>
        <source>The autorun files %1 were not found, so the disc would not open its menu by itself.</source>
        <translation>No se encontraron los archivos de inicio automático %1, así que el disco no abriría su menú por sí solo.</translation>
    </message>
    <message>
        <source>Start.exe is made when Velmora is built with the mingw-w64 cross compiler.</source>
        <translation>Start.exe se genera cuando Velmora se compila con el compilador cruzado mingw-w64.</translation>
    </message>
    <message>
        <source>Looked in: %1.</source>
        <translation>Se buscó en: %1.</translation>
    </message>
</context>
<context>
    <name>Styles</name>
    <message>
        <source>Please choose a style from the list!</source>
        <translation>¡Elija un estilo de la lista!</translation>
    </message>
    <message>
        <source>The style %1 cannot be used: its %2 is empty.</source>
        <translation>No se puede usar el estilo %1: su campo %2 está vacío.</translation>
    </message>
    <message>
        <source>The style folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta de estilo %1.</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3</source>
        <translation>No se puede copiar %1 en %2: %3</translation>
    </message>
    <message>
        <source>Styles / fonts</source>
        <translation>Estilos / fuentes</translation>
    </message>
    <message>
        <source>Please specify the font settings</source>
        <translation>Indique la configuración de las fuentes</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Colour Active:</source>
        <translation>Color activo:</translation>
    </message>
    <message>
        <source>Styles / images</source>
        <translation>Estilos / imágenes</translation>
    </message>
    <message>
        <source>Please specify the image and sound settings</source>
        <translation>Indique la configuración de imágenes y sonido</translation>
    </message>
    <message>
        <source>Style Name:</source>
        <translation>Nombre del estilo:</translation>
    </message>
    <message>
        <source>Background Colour:</source>
        <translation>Color de fondo:</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Imagen de fondo:</translation>
    </message>
    <message>
        <source>Background Sound:</source>
        <translation>Sonido de fondo:</translation>
    </message>
    <message>
        <source>Logo Image:</source>
        <translation>Imagen del logotipo:</translation>
    </message>
    <message>
        <source>Logo position top:</source>
        <translation>Posición superior del logotipo:</translation>
    </message>
    <message>
        <source>Logo position left:</source>
        <translation>Posición izquierda del logotipo:</translation>
    </message>
    <message>
        <source>Button Image On:</source>
        <translation>Imagen del botón activo:</translation>
    </message>
    <message>
        <source>Button Image Off:</source>
        <translation>Imagen del botón inactivo:</translation>
    </message>
    <message>
        <source>Please enter a style name!</source>
        <translation>¡Escriba un nombre de estilo!</translation>
    </message>
    <message>
        <source>Please enter a style name without &quot;/&quot; or &quot;\&quot; that is not &quot;.&quot; or &quot;..&quot;!</source>
        <translation>¡Escriba un nombre de estilo sin «/» ni «\» que no sea «.» ni «..»!</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Logo image</source>
        <translation>Imagen del logotipo</translation>
    </message>
    <message>
        <source>Background sound</source>
        <translation>Sonido de fondo</translation>
    </message>
    <message>
        <source>Button Off image</source>
        <translation>Imagen del botón inactivo</translation>
    </message>
    <message>
        <source>Button On image</source>
        <translation>Imagen del botón activo</translation>
    </message>
    <message>
        <source>Following paths are no longer valid, please correct!<byte value="xd"/>
</source>
        <translation>Las siguientes rutas ya no son válidas; ¡corríjalas!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Pictures (*.jpg;*.gif)|*.jpg;*.gif</source>
        <translation>Imágenes (*.jpg;*.gif)|*.jpg;*.gif</translation>
    </message>
    <message>
        <source>Sounds (*.wav;*.mp3)|*.wav;*.mp3</source>
        <translation>Sonidos (*.wav;*.mp3)|*.wav;*.mp3</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Sorry, no menus available!</source>
        <translation>Lo sentimos, ¡no hay menús disponibles!</translation>
    </message>
    <message>
        <source>Please choose a menu from the list!</source>
        <translation>¡Elija un menú de la lista!</translation>
    </message>
    <message>
        <source>Welcome to the Velmora Wizard</source>
        <translation>Bienvenido a Velmora Wizard</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Menu:</source>
        <translation>Menú:</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected Menu?</source>
        <translation>¿Seguro que desea quitar el menú seleccionado?</translation>
    </message>
    <message>
        <source>Menu deleted successfully!</source>
        <translation>¡Menú eliminado correctamente!</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>The window will be shown at %1 % from the next start of Velmora.</source>
        <translation>La ventana se mostrará al %1 % a partir del próximo inicio de Velmora.</translation>
    </message>
    <message>
        <source>The zoom could not be kept in %1.</source>
        <translation>No se pudo guardar el zoom en %1.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Close window</source>
        <translation>Cerrar la ventana</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>display system information</source>
        <translation>mostrar la información del sistema</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Info. del sistema</translation>
    </message>
</context>
<context>
    <name>frmFiles</name>
    <message>
        <source>Finish Wizard and create menu</source>
        <translation>Terminar el asistente y crear el menú</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmVelmora</name>
    <message>
        <source>Close programme</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>step back to previous page</source>
        <translation>volver a la página anterior</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>step forward to next page</source>
        <translation>avanzar a la página siguiente</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Finish Wizard and create menu</source>
        <translation>Terminar el asistente y crear el menú</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Create a new menu</source>
        <translation>Crear un menú nuevo</translation>
    </message>
    <message>
        <source>Create Menu</source>
        <translation>Crear menú</translation>
    </message>
    <message>
        <source>Load existing menu</source>
        <translation>Cargar un menú existente</translation>
    </message>
    <message>
        <source>Load Menu</source>
        <translation>Cargar menú</translation>
    </message>
    <message>
        <source>Delete a menu</source>
        <translation>Eliminar un menú</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>Eliminar menú</translation>
    </message>
    <message>
        <source>Load selected menu</source>
        <translation>Cargar el menú seleccionado</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Delete selected menu</source>
        <translation>Eliminar el menú seleccionado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Find file description</source>
        <translation>Buscar la descripción del archivo</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Remove file entry from menu</source>
        <translation>Quitar la entrada del archivo del menú</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Create new entry in file menu</source>
        <translation>Crear una entrada nueva en el menú</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Add entry / save changes</source>
        <translation>Añadir la entrada / guardar los cambios</translation>
    </message>
    <message>
        <source>Add/Save</source>
        <translation>Añadir/Guardar</translation>
    </message>
    <message>
        <source>Add an entry for every file under the CD root that has none yet</source>
        <translation>Añadir una entrada para cada archivo de la raíz del CD que aún no la tenga</translation>
    </message>
    <message>
        <source>Add Folder Contents…</source>
        <translation>Añadir el contenido de la carpeta…</translation>
    </message>
</context>
</TS>
