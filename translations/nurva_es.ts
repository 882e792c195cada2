<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlarmLogic</name>
    <message>
        <source>Sound Alarm!</source>
        <extracomment>Message box shown while the alarm plays its sound</extracomment>
        <translation>¡Alarma!</translation>
    </message>
</context>
<context>
    <name>Chapters</name>
    <message>
        <source>The playlist %1 could not be written.</source>
        <translation>No se pudo escribir la lista de reproducción %1.</translation>
    </message>
</context>
<context>
    <name>ClipMon</name>
    <message>
        <source>The program holding the clipboard did not answer.</source>
        <translation>El programa que tiene el portapapeles no respondió.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text is too large to read: %1 MB (at most %2 MB).</source>
        <translation>El texto del portapapeles es demasiado grande para leerlo: %1 MB (como máximo %2 MB).</translation>
    </message>
</context>
<context>
    <name>CmdArgs</name>
    <message>
        <source>The output %1 does not end in %2, the audio %3 writes; nothing was written.</source>
        <extracomment>%1 is the output file&apos;s name, %2 its possible extensions, %3 the job (&quot;/ttm&quot;)</extracomment>
        <translation>La salida %1 no termina en %2, el audio que escribe %3; no se escribió nada.</translation>
    </message>
    <message>
        <source>.mp3, .opus, .ogg or .flac</source>
        <extracomment>the extensions &quot;/ttm&quot; writes</extracomment>
        <translation>.mp3, .opus, .ogg o .flac</translation>
    </message>
    <message>
        <source>&quot;-sub %1&quot;: the subtitles are srt, vtt or lrc.</source>
        <translation>«-sub %1»: los subtítulos son srt, vtt o lrc.</translation>
    </message>
    <message>
        <source>&quot;-sub&quot; needs srt, vtt or lrc.</source>
        <translation>«-sub» necesita srt, vtt o lrc.</translation>
    </message>
    <message>
        <source>&quot;-ch %1&quot;: chapters are &quot;split&quot; (a file each) or &quot;marks&quot; (one file), with &quot;:N&quot; for parts of N minutes.</source>
        <extracomment>&quot;split&quot;, &quot;marks&quot; and &quot;:N&quot; are what the switch takes: keep them as they are</extracomment>
        <translation>«-ch %1»: los capítulos son «split» (un archivo cada uno) o «marks» (un solo archivo), con «:N» para partes de N minutos.</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>New</source>
        <extracomment>File menu: creates a new, empty document</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Open document(s)</source>
        <translation>Abrir uno o más documentos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the current document</source>
        <translation>Guardar el documento actual</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Save the current document as...</source>
        <translation>Guardar el documento actual como...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the current document</source>
        <translation>Cerrar el documento actual</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Cerrar todo</translation>
    </message>
    <message>
        <source>Close all document(s)</source>
        <translation>Cerrar todos los documentos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Move to First</source>
        <translation>Mover al principio</translation>
    </message>
    <message>
        <source>Move the current document to first position</source>
        <translation>Mover el documento actual a la primera posición</translation>
    </message>
    <message>
        <source>Move to Prev</source>
        <extracomment>Tab menu: moves the current document one place towards the first</extracomment>
        <translation>Mover atrás</translation>
    </message>
    <message>
        <source>Move the current document to previous position</source>
        <translation>Mover el documento actual a la posición anterior</translation>
    </message>
    <message>
        <source>Move to Next</source>
        <extracomment>Tab menu: moves the current document one place towards the last</extracomment>
        <translation>Mover adelante</translation>
    </message>
    <message>
        <source>Move the current document to next position</source>
        <translation>Mover el documento actual a la posición siguiente</translation>
    </message>
    <message>
        <source>Move to Last</source>
        <translation>Mover al final</translation>
    </message>
    <message>
        <source>Move the current document to last position</source>
        <translation>Mover el documento actual a la última posición</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Revert the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Cortar la selección y ponerla en el portapapeles</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copiar la selección y ponerla en el portapapeles</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insertar el contenido del portapapeles</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Erase the selection</source>
        <translation>Borrar la selección</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select the entire document</source>
        <translation>Seleccionar todo el documento</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Find the specified text</source>
        <translation>Buscar el texto indicado</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Replace specific text with different text</source>
        <translation>Reemplazar un texto por otro</translation>
    </message>
    <message>
        <source>Find First</source>
        <translation>Buscar desde el inicio</translation>
    </message>
    <message>
        <source>Find the first occurance of specified text</source>
        <translation>Buscar la primera aparición del texto indicado</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Repeat the last find</source>
        <translation>Repetir la última búsqueda</translation>
    </message>
    <message>
        <source>Read Aloud</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Read document aloud</source>
        <translation>Leer el documento en voz alta</translation>
    </message>
    <message>
        <source>Read to WAV File</source>
        <translation>Convertir a archivo WAV</translation>
    </message>
    <message>
        <source>Convert document into WAV file</source>
        <translation>Convertir el documento en un archivo WAV</translation>
    </message>
    <message>
        <source>Read to MP3 File</source>
        <translation>Convertir a archivo MP3</translation>
    </message>
    <message>
        <source>Convert document into MP3 file</source>
        <translation>Convertir el documento en un archivo MP3</translation>
    </message>
    <message>
        <source>Read Clipboard</source>
        <translation>Leer el portapapeles</translation>
    </message>
    <message>
        <source>Read Clipboard aloud</source>
        <translation>Leer el portapapeles en voz alta</translation>
    </message>
    <message>
        <source>Read from Cursor Aloud</source>
        <translation>Leer desde el cursor en voz alta</translation>
    </message>
    <message>
        <source>Read/convert text from cursor aloud/into WAV/MP3 file</source>
        <translation>Leer en voz alta, o convertir a archivo WAV/MP3, el texto desde el cursor</translation>
    </message>
    <message>
        <source>Read Selected Text Aloud</source>
        <translation>Leer en voz alta el texto seleccionado</translation>
    </message>
    <message>
        <source>Read/convert selected text aloud/into WAV/MP3 file</source>
        <translation>Leer en voz alta, o convertir a archivo WAV/MP3, el texto seleccionado</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Pausar/Reanudar</translation>
    </message>
    <message>
        <source>Pause/Resume the current reading or conversion</source>
        <translation>Pausar o reanudar la lectura o conversión actual</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop the current reading or conversion</source>
        <translation>Detener la lectura o conversión actual</translation>
    </message>
    <message>
        <source>Prev</source>
        <extracomment>Tool bar and Playback menu: switches to the previous document</extracomment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Switch to previous document</source>
        <translation>Cambiar al documento anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Tool bar and Playback menu: switches to the next document</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Switch to next document</source>
        <translation>Cambiar al documento siguiente</translation>
    </message>
    <message>
        <source>My TXT Folder</source>
        <translation>Mi carpeta TXT</translation>
    </message>
    <message>
        <source>Open the default TXT(documents) folder</source>
        <translation>Abrir la carpeta predeterminada de TXT (documentos)</translation>
    </message>
    <message>
        <source>My WAV Folder</source>
        <translation>Mi carpeta WAV</translation>
    </message>
    <message>
        <source>Open the default WAV folder</source>
        <translation>Abrir la carpeta predeterminada de WAV</translation>
    </message>
    <message>
        <source>My MP3 Folder</source>
        <translation>Mi carpeta MP3</translation>
    </message>
    <message>
        <source>Open the default MP3 folder</source>
        <translation>Abrir la carpeta predeterminada de MP3</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>Show/Hide Main Window</source>
        <translation>Mostrar/ocultar la ventana principal</translation>
    </message>
    <message>
        <source>Show/Hide the main window</source>
        <translation>Mostrar u ocultar la ventana principal</translation>
    </message>
    <message>
        <source>Short Pause</source>
        <translation>Pausa corta</translation>
    </message>
    <message>
        <source>Insert a short pause into text </source>
        <translation>Insertar una pausa corta en el texto </translation>
    </message>
    <message>
        <source>Long Pause</source>
        <translation>Pausa larga</translation>
    </message>
    <message>
        <source>Insert a long pause into text </source>
        <translation>Insertar una pausa larga en el texto </translation>
    </message>
    <message>
        <source>Whisper</source>
        <extracomment>Inserts a control tag that makes the voice whisper</extracomment>
        <translation>Susurro</translation>
    </message>
    <message>
        <source>Set the character of the voice to Whisper mode</source>
        <translation>Poner la voz en modo susurro</translation>
    </message>
    <message>
        <source>Monotone</source>
        <extracomment>Inserts a control tag that makes the voice speak in a monotone</extracomment>
        <translation>Monótono</translation>
    </message>
    <message>
        <source>Set the character of the voice to Monotone mode</source>
        <translation>Poner la voz en modo monótono</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>Inserts a control tag that gives the voice its normal character back</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Set the character of the voice to Normal mode</source>
        <translation>Devolver la voz al modo normal</translation>
    </message>
    <message>
        <source>Emp - Emphasizes the Next Word to be Spoken</source>
        <translation>Emp - Enfatiza la siguiente palabra que se diga</translation>
    </message>
    <message>
        <source>Emphasize the next word to be spoken</source>
        <translation>Enfatizar la siguiente palabra que se diga</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Inserts a control tag that sets the voice&apos;s volume</extracomment>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Set the baseline speaking volume of voice</source>
        <translation>Fijar el volumen base de la voz</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>Inserts a control tag that sets the voice&apos;s speed</extracomment>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Set the baseline average talking speed of voice to the specified number of words per minute</source>
        <translation>Fijar la velocidad media base de la voz en el número indicado de palabras por minuto</translation>
    </message>
    <message>
        <source>Pitch</source>
        <extracomment>Inserts a control tag that sets the voice&apos;s pitch</extracomment>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Set the baseline pitch of voice to the specified value in hertz</source>
        <translation>Fijar el tono base de la voz en el valor indicado en hercios</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Read the help file</source>
        <translation>Leer el archivo de ayuda</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contactar</translation>
    </message>
    <message>
        <source>Contact us via email</source>
        <translation>Contactar con nosotros por correo electrónico</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>Visitar nuestra página web</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Version and contact information</source>
        <translation>Versión e información de contacto</translation>
    </message>
    <message>
        <source>Read Selection</source>
        <translation>Leer la selección</translation>
    </message>
    <message>
        <source>Read the text selected in any program aloud</source>
        <translation>Leer en voz alta el texto seleccionado en cualquier programa</translation>
    </message>
    <message>
        <source>Read from Cursor to WAV File</source>
        <translation>Convertir desde el cursor a archivo WAV</translation>
    </message>
    <message>
        <source>Read from Cursor to MP3 File</source>
        <translation>Convertir desde el cursor a archivo MP3</translation>
    </message>
    <message>
        <source>Read Selected Text to WAV File</source>
        <translation>Convertir el texto seleccionado a archivo WAV</translation>
    </message>
    <message>
        <source>Read Selected Text to MP3 File</source>
        <translation>Convertir el texto seleccionado a archivo MP3</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The speech service does not answer, or has gone.</source>
        <translation>El servicio de voz no responde, o ya no está.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>The conversion was interrupted; no %1 file was written.</source>
        <extracomment>%1 is the format: WAV, MP3, Ogg Opus, ...</extracomment>
        <translation>La conversión se interrumpió; no se escribió ningún archivo %1.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Select Voice. You can get more free voices from our site.</source>
        <translation>Seleccione una voz. Puede obtener más voces gratuitas en nuestro sitio web.</translation>
    </message>
    <message>
        <source>Voice</source>
        <extracomment>Name of the voice list for a screen reader</extracomment>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Name of the volume slider for a screen reader</extracomment>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Set the global baseline speaking volume for all voices</source>
        <translation>Fijar el volumen base global de todas las voces</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>Name of the speed slider for a screen reader</extracomment>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Set the global baseline average talking speed of all voices to the specified number of words per minute</source>
        <translation>Fijar la velocidad media base global de todas las voces en el número indicado de palabras por minuto</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The volume slider&apos;s value for a screen reader: %1 is a whole percentage</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 words per minute</source>
        <translation>%1 palabras por minuto</translation>
    </message>
</context>
<context>
    <name>CurrentLexicon</name>
    <message>
        <source>The pronunciation lexicon &quot;%1&quot; could not be read: %2
Reading goes on without it.</source>
        <extracomment>%1 is the lexicon&apos;s file, %2 why it could not be read</extracomment>
        <translation>No se pudo leer el léxico de pronunciación «%1»: %2
La lectura continúa sin él.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <extracomment>after the first lines that need a look: the number of the others</extracomment>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The pronunciation lexicon &quot;%1&quot; has lines that need a look. Lines that are not entries are not used, and every line stays in the file as it is:
%2

To mend or remove them: Options, page &quot;Prosody&quot;, &quot;Pronunciation Manager&quot;, which shows them marked; or edit the file, where a line starting with # is a comment.</source>
        <extracomment>%1 is the lexicon&apos;s file, %2 its lines that need a look. &quot;Options&quot;, &quot;Prosody&quot; and &quot;Pronunciation Manager&quot; are the names of the dialog, its page and its button.</extracomment>
        <translation>El léxico de pronunciación «%1» tiene líneas que hay que revisar. Las líneas que no son entradas no se usan, y cada línea se queda en el archivo tal como está:
%2

Para corregirlas o quitarlas: Opciones, página «Voz», «Gestor de pronunciación», que las muestra marcadas; o edite el archivo, donde una línea que empieza por # es un comentario.</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a text file</source>
        <translation>No se puede leer «%1»: no es un archivo de texto</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: there is not enough memory for it</source>
        <translation>No se puede leer «%1»: no hay memoria suficiente</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>Text Files(*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Documents(*.txt %1)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the list of the other document formats&apos; name patterns</extracomment>
        <translation>Documentos (*.txt %1)</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>The Word document</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>El documento de Word</translation>
    </message>
</context>
<context>
    <name>EpubReader</name>
    <message>
        <source>The EPUB book</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>El libro EPUB</translation>
    </message>
    <message>
        <source>%1 is protected by encryption (copy protection): only the program it was bought for can open it.</source>
        <translation>%1 está protegido con cifrado (protección anticopia): solo puede abrirlo el programa para el que se compró.</translation>
    </message>
</context>
<context>
    <name>ErrorObject</name>
    <message>
        <source>Speech engine error.</source>
        <translation>Error del motor de voz.</translation>
    </message>
</context>
<context>
    <name>EspeakCentral</name>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>No hay ninguna salida de sonido con la que escuchar.</translation>
    </message>
    <message>
        <source>The entry cannot be spoken.</source>
        <translation>No se puede decir la entrada.</translation>
    </message>
</context>
<context>
    <name>EspeakFamily</name>
    <message>
        <source>no voice is installed (Debian&apos;s espeak-ng-data has them)</source>
        <extracomment>why the voices of espeak-ng are missing, after &quot;eSpeak NG: &quot;</extracomment>
        <translation>no hay ninguna voz instalada (las trae el paquete espeak-ng-data de Debian)</translation>
    </message>
</context>
<context>
    <name>Fb2Reader</name>
    <message>
        <source>The FictionBook</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>El libro FictionBook</translation>
    </message>
</context>
<context>
    <name>FliteFamily</name>
    <message>
        <source>no voice is installed (Debian&apos;s libflite1 has them)</source>
        <extracomment>why the voices of Flite are missing, after &quot;Flite: &quot;</extracomment>
        <translation>no hay ninguna voz instalada (las trae el paquete libflite1 de Debian)</translation>
    </message>
    <message>
        <source>the voice %1 could not be loaded</source>
        <extracomment>after &quot;Flite: &quot;; %1 is the voice&apos;s file</extracomment>
        <translation>no se pudo cargar la voz %1</translation>
    </message>
</context>
<context>
    <name>Importer</name>
    <message>
        <source>%1 is named as a %2 file, but it holds something else (%3).</source>
        <extracomment>%1 is the file&apos;s name and must come first; %2 the format (EPUB, PDF, ...), %3 what the file holds</extracomment>
        <translation>%1 tiene nombre de archivo %2, pero contiene otra cosa (%3).</translation>
    </message>
    <message>
        <source>it is empty</source>
        <extracomment>in place of the kind of content a file holds</extracomment>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <extracomment>%1 is the file&apos;s name and must come first, %2 why it cannot be opened</extracomment>
        <translation>%1 no se puede abrir. %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>It is %1, and documents larger than %2 are not opened.</source>
        <extracomment>%1 and %2 are sizes (&quot;300.5 MB&quot;)</extracomment>
        <translation>Ocupa %1, y no se abren documentos de más de %2.</translation>
    </message>
    <message>
        <source>It could not be read whole: %1.</source>
        <translation>No se pudo leer entero: %1.</translation>
    </message>
    <message>
        <source>%1 is no document this program reads (it holds %2).</source>
        <extracomment>%1 is the file&apos;s name and must come first, %2 the kind of content it holds</extracomment>
        <translation>%1 no es un documento que este programa lea (contiene %2).</translation>
    </message>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>No hay memoria suficiente.</translation>
    </message>
</context>
<context>
    <name>Lame</name>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed: put it in %1 or install it (Debian package lame).</source>
        <extracomment>%1 is the program&apos;s folder</extracomment>
        <translation>El codificador MP3 «lame» no está instalado: póngalo en %1 o instálelo (paquete lame de Debian).</translation>
    </message>
    <message>
        <source>The MP3 option %1 has no value.</source>
        <extracomment>%1 is the encoder&apos;s switch: -r, -b, -m or -q</extracomment>
        <translation>La opción de MP3 %1 no tiene valor.</translation>
    </message>
    <message>
        <source>The MP3 encoder could not convert %1 (exit code %2%3).</source>
        <extracomment>%1 is the input file, %2 the encoder&apos;s exit code, %3 its last words (&quot;: ...&quot;), if any</extracomment>
        <translation>El codificador MP3 no pudo convertir %1 (código de salida %2%3).</translation>
    </message>
</context>
<context>
    <name>Lame::TEncodeJob</name>
    <message>
        <source>The file %1 can not be handed to the MP3 encoder: no temporary folder could be made.</source>
        <translation>No se puede pasar el archivo %1 al codificador MP3: no se pudo crear una carpeta temporal.</translation>
    </message>
    <message>
        <source>%1 is not a sound file the MP3 encoder can read (%2); nothing was converted.</source>
        <extracomment>%1 is the file, %2 why the encoder cannot read it (&quot;it is empty&quot;, ...)</extracomment>
        <translation>%1 no es un archivo de sonido que el codificador MP3 pueda leer (%2); no se convirtió nada.</translation>
    </message>
    <message>
        <source>The MP3 encoder %1 could not be started.</source>
        <translation>No se pudo iniciar el codificador MP3 %1.</translation>
    </message>
    <message>
        <source>The MP3 encoder found no sound it could decode in %1; nothing was converted.</source>
        <translation>El codificador MP3 no encontró en %1 ningún sonido que pudiera descodificar; no se convirtió nada.</translation>
    </message>
</context>
<context>
    <name>Lame::TMp3Pipeline</name>
    <message>
        <source>No file is ready for %1.</source>
        <translation>No hay ningún archivo listo para %1.</translation>
    </message>
    <message>
        <source>Only WAV and MP3 can be written to standard output.</source>
        <translation>Solo se pueden escribir WAV y MP3 en la salida estándar.</translation>
    </message>
    <message>
        <source>No temporary folder could be made in %1.</source>
        <translation>No se pudo crear una carpeta temporal en %1.</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>no tab between the word and its pronunciation</source>
        <extracomment>what is wrong with a line of the lexicon (as the texts that follow)</extracomment>
        <translation>no hay un tabulador entre la palabra y su pronunciación</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>not UTF-8 text, so it was read as Windows-1252</source>
        <translation>no es texto UTF-8, así que se leyó como Windows-1252</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 what is wrong with it</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation>la palabra está vacía</translation>
    </message>
    <message>
        <source>a word cannot start with #, which starts a comment</source>
        <translation>una palabra no puede empezar por #, que inicia un comentario</translation>
    </message>
    <message>
        <source>the pronunciation is empty</source>
        <translation>la pronunciación está vacía</translation>
    </message>
    <message>
        <source>phonemes opened with [[ are not closed with ]]</source>
        <translation>los fonemas abiertos con [[ no se cierran con ]]</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <extracomment>why the lexicon could not be read; %1 is a number</extracomment>
        <translation>ocupa más de %1 MB</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a word of the lexicon</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>The pronunciation lexicon &quot;%1&quot; could not be read: %2
It is left as it is.</source>
        <translation>No se pudo leer el léxico de pronunciación «%1»: %2
Se deja tal como está.</translation>
    </message>
</context>
<context>
    <name>Markup</name>
    <message>
        <source>there is not enough memory to read it</source>
        <extracomment>why a web page cannot be read</extracomment>
        <translation>no hay memoria suficiente para leerla</translation>
    </message>
</context>
<context>
    <name>MimeApps</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>The OpenDocument text</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>El texto OpenDocument</translation>
    </message>
</context>
<context>
    <name>OptionFont</name>
    <message>
        <source>The font &quot;%1&quot; is not installed; &quot;%2&quot; is used instead.</source>
        <translation>El tipo de letra «%1» no está instalado; se usa «%2» en su lugar.</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
</context>
<context>
    <name>OptionFormat</name>
    <message>
        <source>A document converted by its chapters: its headings, or lines such as &quot;Chapter 1&quot;</source>
        <translation>Un documento convertido por capítulos: sus encabezados, o líneas como «Capítulo 1»</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>no chapters</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>File per chapter</source>
        <translation>Un archivo por capítulo</translation>
    </message>
    <message>
        <source>Chapter marks</source>
        <translation>Marcas de capítulo</translation>
    </message>
    <message>
        <source>Parts of about this many minutes where a document has no headings; never: one file</source>
        <translation>Duración aproximada de cada parte, en minutos, si el documento no tiene encabezados; nunca: un solo archivo</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>parts by minutes: never, the whole document is one file</extracomment>
        <translation>nunca</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>unit after a number of minutes</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Capítulos:</translation>
    </message>
    <message>
        <source>Without headings:</source>
        <translation>Sin encabezados:</translation>
    </message>
    <message>
        <source> Compressed Format </source>
        <translation> Formato comprimido </translation>
    </message>
    <message>
        <source>The format &quot;Read to MP3 File&quot; writes</source>
        <translation>El formato que escribe «Convertir a archivo MP3»</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Timed subtitles beside the converted file</source>
        <translation>Subtítulos sincronizados junto al archivo convertido</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <extracomment>the kind of subtitle file: SRT, VTT or LRC</extracomment>
        <translation>Tipo:</translation>
    </message>
</context>
<context>
    <name>OptionKeys</name>
    <message>
        <source>Show &amp;Tooltips</source>
        <translation>Mostrar &amp;sugerencias</translation>
    </message>
    <message>
        <source>&amp;Repeating Playlist</source>
        <translation>&amp;Repetir la lista de reproducción</translation>
    </message>
    <message>
        <source>&amp;Highlight Reading Word</source>
        <translation>Resaltar la &amp;palabra leída</translation>
    </message>
    <message>
        <source>Enable &quot;&amp;Key To Speech&quot;</source>
        <translation>Activar «Leer al &amp;teclear»</translation>
    </message>
    <message>
        <source>Automatically &amp;Play Next File</source>
        <translation>&amp;Leer automáticamente el siguiente archivo</translation>
    </message>
    <message>
        <source>Automatically &amp;Name for WAV/MP3 Files</source>
        <translation>&amp;Nombrar automáticamente los archivos WAV/MP3</translation>
    </message>
    <message>
        <source>Add &amp;Commands to .txt File Type Context Menus</source>
        <translation>Añadir &amp;comandos al menú contextual de los archivos .txt</translation>
    </message>
    <message>
        <source>&amp;Greeting at Startup</source>
        <translation>S&amp;aludo al iniciar</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>S&amp;ubtítulos</translation>
    </message>
    <message>
        <source>P&amp;ronunciation Manager</source>
        <translation>&amp;Gestor de pronunciación</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>A&amp;ctualizar</translation>
    </message>
    <message>
        <source>All &amp;Default</source>
        <translation>&amp;Restaurar todo</translation>
    </message>
    <message>
        <source>Glo&amp;bal Hotkey ( need restart )</source>
        <translation>Atajo &amp;global (tras reiniciar)</translation>
    </message>
    <message>
        <source>Set &amp;Font</source>
        <translation>Tipo de &amp;letra</translation>
    </message>
    <message>
        <source>Set Bac&amp;kColor</source>
        <translation>Color de &amp;fondo</translation>
    </message>
    <message>
        <source>Automatically &amp;Wrap Text </source>
        <translation>A&amp;juste de línea automático </translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>&amp;Siempre encima</translation>
    </message>
    <message>
        <source>Display T&amp;oolBar</source>
        <translation>Mostrar barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Display St&amp;atusBar</source>
        <translation>Mostrar barra de es&amp;tado</translation>
    </message>
    <message>
        <source>Display &amp;Main Menus</source>
        <translation>Mostrar barra de &amp;menús</translation>
    </message>
    <message>
        <source>&amp;System Tray</source>
        <translation>Ban&amp;deja del sistema</translation>
    </message>
    <message>
        <source>Minimi&amp;ze at Startup</source>
        <translation>Minimi&amp;zar al iniciar</translation>
    </message>
    <message>
        <source>M&amp;inimize to System Tray</source>
        <translation>Minim&amp;izar a la bandeja</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Vigilar el portapapeles</translation>
    </message>
    <message>
        <source>Display &amp;Prompt Dialog for</source>
        <translation>&amp;Mostrar el diálogo durante</translation>
    </message>
    <message>
        <source>&amp;Enable Alarm</source>
        <translation>&amp;Activar la alarma</translation>
    </message>
    <message>
        <source>And the &amp;Date</source>
        <translation>Y la &amp;fecha</translation>
    </message>
    <message>
        <source>Alarm with &amp;Message Box</source>
        <translation>Avisar con un cuadro de &amp;mensaje</translation>
    </message>
    <message>
        <source>&amp;Enable Reminders</source>
        <translation>Acti&amp;var los recordatorios</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Remind with &amp;Message Box</source>
        <translation>Avisar con un cuadro de &amp;mensaje</translation>
    </message>
    <message>
        <source>&amp;TXT Files Directory:</source>
        <translation>Carpeta de &amp;TXT:</translation>
    </message>
    <message>
        <source>&amp;WAV Files Directory:</source>
        <translation>Carpeta de &amp;WAV:</translation>
    </message>
    <message>
        <source>&amp;MP3 Files Directory:</source>
        <translation>Carpeta de &amp;MP3:</translation>
    </message>
    <message>
        <source>Resample &amp;frequency :</source>
        <translation>&amp;Frecuencia:</translation>
    </message>
    <message>
        <source>   &amp;Bitrates:</source>
        <translation>   Tasa de &amp;bits:</translation>
    </message>
    <message>
        <source>Write to File( WAV/MP3 ) &amp;Speed:</source>
        <translation>&amp;Velocidad de escritura (WAV/MP3):</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormato:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;ipo:</translation>
    </message>
    <message>
        <source>&amp;Chapters:</source>
        <translation>&amp;Capítulos:</translation>
    </message>
    <message>
        <source>Without &amp;headings:</source>
        <translation>Sin &amp;encabezados:</translation>
    </message>
    <message>
        <source>&amp;Short Pause Interval:</source>
        <translation>Intervalo de pausa &amp;corta:</translation>
    </message>
    <message>
        <source>&amp;Long Pause Interval:</source>
        <translation>Intervalo de pausa &amp;larga:</translation>
    </message>
    <message>
        <source>Default Value of &amp;Volume:</source>
        <translation>&amp;Volumen predeterminado:</translation>
    </message>
    <message>
        <source>Default Value of Spee&amp;d:</source>
        <translation>V&amp;elocidad predeterminada:</translation>
    </message>
    <message>
        <source>Default Value of &amp;Pitch:</source>
        <translation>&amp;Tono predeterminado:</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>&amp;Posición:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>&amp;Estilo:</translation>
    </message>
    <message>
        <source>Sc&amp;rollBars:</source>
        <translation>&amp;Barras:</translation>
    </message>
    <message>
        <source>&amp;Ignore Clipboard Text Less Than</source>
        <translation>&amp;Ignorar textos de menos de</translation>
    </message>
    <message>
        <source>Default &amp;Action:</source>
        <translation>&amp;Acción predeterminada:</translation>
    </message>
    <message>
        <source>E&amp;very</source>
        <translation>&amp;Cada</translation>
    </message>
    <message>
        <source>Say &amp;Before the Alarm:</source>
        <translation>Decir an&amp;tes de la alarma:</translation>
    </message>
    <message>
        <source>Alarm &amp;Style:</source>
        <translation>&amp;Estilo de alarma:</translation>
    </message>
    <message>
        <source>Say &amp;After the Alarm:</source>
        <translation>Decir &amp;después de la alarma:</translation>
    </message>
    <message>
        <source> &amp;Hotkeys </source>
        <translation> &amp;Atajos de teclado </translation>
    </message>
</context>
<context>
    <name>PdfReader</name>
    <message>
        <source>The PDF document</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>El documento PDF</translation>
    </message>
</context>
<context>
    <name>PlaylistFile</name>
    <message>
        <source>Cannot read &quot;%1&quot;: no such file</source>
        <translation>No se puede leer «%1»: no existe ese archivo</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>The folder %1 cannot be made: %2.</source>
        <translation>No se puede crear la carpeta %1: %2.</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>Effects</source>
        <extracomment>the title of the font dialog&apos;s own &quot;Effects&quot; group, as Qt&apos;s translation has it</extracomment>
        <translation>Efectos</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Convert into Mp3 File</source>
        <translation>Convertir a archivo MP3</translation>
    </message>
    <message>
        <source>Mp3 Files(*.mp3)</source>
        <translation>Archivos MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>Convert into %1 File</source>
        <extracomment>Title of the file dialog: %1 is the name of the audio format, such as &quot;Ogg Vorbis&quot;</extracomment>
        <translation>Convertir a archivo %1</translation>
    </message>
    <message>
        <source>%1 Files(*.%2)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the name of the audio format, %2 its file name extension</extracomment>
        <translation>Archivos %1 (*.%2)</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>The RTF document</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>El documento RTF</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>Read Aloud</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Read to WAV</source>
        <translation>Convertir a archivo WAV</translation>
    </message>
    <message>
        <source>Read to MP3</source>
        <translation>Convertir a archivo MP3</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>A command in a file manager&apos;s menu: &quot;Read Aloud with Nurva&quot;</extracomment>
        <translation>%1 con %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>No se puede quitar %1: %2</translation>
    </message>
</context>
<context>
    <name>SoundFile</name>
    <message>
        <source>it is no RIFF WAVE file</source>
        <extracomment>why a file is no sound file the encoder reads (as all that follow)</extracomment>
        <translation>no es un archivo RIFF WAVE</translation>
    </message>
    <message>
        <source>its data chunk comes before its format chunk</source>
        <translation>su fragmento de datos va antes que su fragmento de formato</translation>
    </message>
    <message>
        <source>it has no data chunk</source>
        <translation>no tiene fragmento de datos</translation>
    </message>
    <message>
        <source>it has no format chunk</source>
        <translation>no tiene fragmento de formato</translation>
    </message>
    <message>
        <source>it holds no MPEG audio</source>
        <translation>no contiene audio MPEG</translation>
    </message>
    <message>
        <source>its sound is stored in a form (format 0x%1) the MP3 encoder does not read</source>
        <extracomment>%1 is the number of the WAV format, in hexadecimal</extracomment>
        <translation>su sonido está guardado en una forma (formato 0x%1) que el codificador MP3 no lee</translation>
    </message>
    <message>
        <source>its format chunk gives no channels or no sample rate</source>
        <translation>su fragmento de formato no indica canales o frecuencia de muestreo</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is no sound file</source>
        <translation>no es un archivo de sonido</translation>
    </message>
</context>
<context>
    <name>SpeechApi</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>La operación se completó correctamente.</translation>
    </message>
    <message>
        <source>Not implemented.</source>
        <translation>No implementado.</translation>
    </message>
    <message>
        <source>No such interface supported.</source>
        <translation>No se admite esa interfaz.</translation>
    </message>
    <message>
        <source>Invalid pointer.</source>
        <translation>Puntero no válido.</translation>
    </message>
    <message>
        <source>Operation aborted.</source>
        <translation>Operación cancelada.</translation>
    </message>
    <message>
        <source>Unspecified error.</source>
        <translation>Error no especificado.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>No hay memoria suficiente.</translation>
    </message>
    <message>
        <source>One or more arguments are invalid.</source>
        <translation>Uno o más argumentos no son válidos.</translation>
    </message>
    <message>
        <source>The speech engine does not offer this.</source>
        <translation>El motor de voz no ofrece esto.</translation>
    </message>
    <message>
        <source>The speech engine mode is not installed.</source>
        <translation>El modo del motor de voz no está instalado.</translation>
    </message>
    <message>
        <source>The speech engine is busy.</source>
        <translation>El motor de voz está ocupado.</translation>
    </message>
    <message>
        <source>The speech engine&apos;s queue is full.</source>
        <translation>La cola del motor de voz está llena.</translation>
    </message>
    <message>
        <source>No sound output device is available.</source>
        <translation>No hay ningún dispositivo de salida de sonido disponible.</translation>
    </message>
    <message>
        <source>The sound output device went away.</source>
        <translation>El dispositivo de salida de sonido ha desaparecido.</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>Can not write the audio file.</source>
        <translation>No se puede escribir el archivo de audio.</translation>
    </message>
</context>
<context>
    <name>SpeechdEngine</name>
    <message>
        <source>the speech service cannot be reached</source>
        <extracomment>why speech-dispatcher offers no voice, after &quot;speech-dispatcher: &quot; (as the texts that follow); the library&apos;s reason may follow</extracomment>
        <translation>no se puede contactar con el servicio de voz</translation>
    </message>
    <message>
        <source>the speech service offers no voice</source>
        <translation>el servicio de voz no ofrece ninguna voz</translation>
    </message>
    <message>
        <source>the speech service does not answer</source>
        <translation>el servicio de voz no responde</translation>
    </message>
    <message>
        <source>the speech service refused the voice %1: %2</source>
        <extracomment>%1 is the speech service&apos;s module, %2 the voice&apos;s name</extracomment>
        <translation>el servicio de voz rechazó la voz %1: %2</translation>
    </message>
</context>
<context>
    <name>SynthCentral</name>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>No hay ninguna salida de sonido con la que escuchar.</translation>
    </message>
    <message>
        <source>The entry cannot be spoken.</source>
        <translation>No se puede decir la entrada.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>&lt;p align=center&gt;Home page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;br&gt;Contact: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <extracomment>%1 is the home page&apos;s address, %2 the contact&apos;s link and %3 its mail address</extracomment>
        <translation>&lt;p align=center&gt;Página web: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;br&gt;Contacto: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TDocumentList</name>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a document of its own format, which plain text would destroy; save the text as a .txt file.</source>
        <translation>No se puede escribir «%1»: es un documento con formato propio, que el texto sin formato destruiría; guarde el texto como archivo .txt.</translation>
    </message>
    <message>
        <source>saved as UTF-8, since %1 cannot hold every character of the text</source>
        <extracomment>Told in the status bar after a save; %1 is the name of the encoding the file had</extracomment>
        <translation>guardado como UTF-8, ya que %1 no puede contener todos los caracteres del texto</translation>
    </message>
    <message>
        <source>Cannot save: there is no such document.</source>
        <translation>No se puede guardar: no existe ese documento.</translation>
    </message>
    <message>
        <source>Cannot find a free name for the text of &quot;%1&quot;.</source>
        <translation>No se encuentra un nombre libre para el texto de «%1».</translation>
    </message>
    <message>
        <source> %1 [%2 Bytes]</source>
        <extracomment>The status bar&apos;s text for a document: %1 is its path, %2 its size</extracomment>
        <translation> %1 [%2 bytes]</translation>
    </message>
</context>
<context>
    <name>TDocumentReader</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
</context>
<context>
    <name>TDocxReader</name>
    <message>
        <source>%1 is protected by a password.</source>
        <translation>%1 está protegido con contraseña.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its content is damaged (%2).</source>
        <translation>%1 no se puede leer: su contenido está dañado (%2).</translation>
    </message>
</context>
<context>
    <name>TEpubReader</name>
    <message>
        <source>%1 cannot be read: it does not say where its contents are.</source>
        <translation>%1 no se puede leer: no indica dónde está su contenido.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its list of contents is damaged (%2).</source>
        <translation>%1 no se puede leer: su índice de contenido está dañado (%2).</translation>
    </message>
    <message>
        <source>%1 holds no text to read (only images, or nothing at all).</source>
        <translation>%1 no contiene texto que leer (solo imágenes, o nada en absoluto).</translation>
    </message>
</context>
<context>
    <name>TFb2Reader</name>
    <message>
        <source>%1 cannot be read: it is damaged or no FictionBook (%2).</source>
        <extracomment>%1 is the document (&quot;The FictionBook&quot;), %2 what is wrong with it</extracomment>
        <translation>%1 no se puede leer: está dañado o no es un FictionBook (%2).</translation>
    </message>
    <message>
        <source>no book in it</source>
        <translation>no contiene ningún libro</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Reem&amp;plazar con:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Solo palabras &amp;completas</translation>
    </message>
    <message>
        <source>Direction</source>
        <extracomment>The direction of the search</extracomment>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Arriba</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Aba&amp;jo</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Title of the dialog</extracomment>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>No se encuentra «%1»</translation>
    </message>
</context>
<context>
    <name>TFlacEncoder</name>
    <message>
        <source>out of memory</source>
        <extracomment>why the FLAC encoder could not write</extracomment>
        <translation>sin memoria</translation>
    </message>
    <message>
        <source>The FLAC encoder could not write %1: %2</source>
        <translation>El codificador FLAC no pudo escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>TFormCvt</name>
    <message>
        <source>Documents</source>
        <extracomment>Name of the strip of document tabs for a screen reader</extracomment>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Document text</source>
        <translation>Texto del documento</translation>
    </message>
    <message>
        <source> Ready</source>
        <extracomment>The status bar&apos;s text when nothing is going on</extracomment>
        <translation> Listo</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>Name of the bar that shows how far the reading or conversion has come</extracomment>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File operations. New, Save, Close, etc.</source>
        <translation>Operaciones con archivos: nuevo, guardar, cerrar, etc.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Edit operations. Cut, Copy, Undo, etc.</source>
        <translation>Operaciones de edición: cortar, copiar, deshacer, etc.</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Search operations. Find, Replace, etc.</source>
        <translation>Operaciones de búsqueda: buscar, reemplazar, etc.</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Reproducción</translation>
    </message>
    <message>
        <source>Reading/conversion commands. Play, Pause, Stop, etc.</source>
        <translation>Comandos de lectura y conversión: leer, pausar, detener, etc.</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Misc commands. Options, control tags, etc.</source>
        <translation>Comandos varios: opciones, etiquetas de control, etc.</translation>
    </message>
    <message>
        <source>Insert Control Tags</source>
        <translation>Insertar etiquetas de control</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help and contact information</source>
        <translation>Ayuda e información de contacto</translation>
    </message>
    <message>
        <source>Insert Short Pause</source>
        <translation>Insertar pausa corta</translation>
    </message>
    <message>
        <source>Insert Long Pause</source>
        <translation>Insertar pausa larga</translation>
    </message>
    <message>
        <source>Insert Other Control Tags</source>
        <translation>Insertar otras etiquetas de control</translation>
    </message>
    <message>
        <source>%1

The default settings are used.</source>
        <extracomment>%1 says why the settings could not be read</extracomment>
        <translation>%1

Se usa la configuración predeterminada.</translation>
    </message>
    <message>
        <source>The settings could not be saved.

%1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>No se pudo guardar la configuración.

%1</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>No se encuentra «%1»</translation>
    </message>
    <message>
        <source>Another program holds these keys: wherever they are pressed, even in this window, they reach that program and not this one.

%1

The menus still run these commands. Choose other keys for them in Options, on the page &quot;Interface&quot;.</source>
        <extracomment>%1 lists the commands with their keys, one a line; &quot;Interface&quot; is the name of a page of the Options dialog</extracomment>
        <translation>Otro programa tiene estas teclas: se pulsen donde se pulsen, incluso en esta ventana, le llegan a ese programa y no a este.

%1

Los menús siguen ejecutando estos comandos. Elija otras teclas para ellos en Opciones, en la página «Interfaz».</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session here. The commands&apos; keys work while this window has the focus.</source>
        <translation>Los atajos globales necesitan aquí una sesión X11. Las teclas de los comandos funcionan mientras esta ventana tiene el foco.</translation>
    </message>
    <message>
        <source>%1 The commands&apos; keys work while this window has the focus.</source>
        <extracomment>%1 tells how the desktop limits global hotkeys</extracomment>
        <translation>%1 Las teclas de los comandos funcionan mientras esta ventana tiene el foco.</translation>
    </message>
    <message>
        <source>Global hotkeys</source>
        <extracomment>Title of a desktop notification</extracomment>
        <translation>Atajos globales</translation>
    </message>
    <message>
        <source>Alarm</source>
        <extracomment>Title of a desktop notification</extracomment>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Reminder</source>
        <extracomment>Title of a desktop notification</extracomment>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source> Saved as %1</source>
        <translation> Guardado como %1</translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; was saved as a text file of its own:

%2

%3 itself is left as it was; the tab now holds the text file.</source>
        <translation>El texto de «%1» se guardó como un archivo de texto aparte:

%2

%3 se queda tal como estaba; la pestaña contiene ahora el archivo de texto.</translation>
    </message>
    <message>
        <source>Open File(s) to Read</source>
        <translation>Abrir archivos para leer</translation>
    </message>
    <message>
        <source> Not saved. %1</source>
        <extracomment>%1 says why the document could not be loaded</extracomment>
        <translation> No guardado. %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source> Saved</source>
        <translation> Guardado</translation>
    </message>
    <message>
        <source> Saved, %1</source>
        <extracomment>%1 is a notice such as &quot;saved as UTF-8, since ... cannot hold every character of the text&quot;</extracomment>
        <translation> Guardado, %1</translation>
    </message>
    <message>
        <source> No text is selected in any program.</source>
        <translation> No hay texto seleccionado en ningún programa.</translation>
    </message>
    <message>
        <source>Convert into Wav File</source>
        <translation>Convertir a archivo WAV</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>Title of a desktop notification; its text is the written file</extracomment>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo...</translation>
    </message>
    <message>
        <source> Nothing was spoken, so no MP3 file was written.</source>
        <translation> No se dijo nada, así que no se escribió ningún archivo MP3.</translation>
    </message>
    <message>
        <source> Stopped: no MP3 file was written.</source>
        <translation> Detenido: no se escribió ningún archivo MP3.</translation>
    </message>
    <message numerus="yes">
        <source> %n files, one per chapter, and their playlist %1 were written.</source>
        <extracomment>%n is the number of audio files, %1 the name of the playlist file</extracomment>
        <translation>
            <numerusform> Se escribieron %n archivo, uno por capítulo, y su lista de reproducción %1.</numerusform>
            <numerusform> Se escribieron %n archivos, uno por capítulo, y su lista de reproducción %1.</numerusform>
        </translation>
    </message>
    <message>
        <source> No chapters were found: the document went into one file.</source>
        <translation> No se encontraron capítulos: el documento se guardó en un solo archivo.</translation>
    </message>
    <message>
        <source>Converting... %1%</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>Convirtiendo... %1 %</translation>
    </message>
    <message>
        <source>Word Position: %1</source>
        <extracomment>%1 is the position in the text of the word being read</extracomment>
        <translation>Posición de la palabra: %1</translation>
    </message>
    <message>
        <source> Aloud</source>
        <extracomment>How a document is read, after its name and a space: &quot;Reading &lt;document&gt; Aloud&quot;</extracomment>
        <translation> en voz alta</translation>
    </message>
    <message>
        <source> to WAV</source>
        <extracomment>How a document is read, after its name and a space: &quot;Reading &lt;document&gt; to WAV&quot;</extracomment>
        <translation> a WAV</translation>
    </message>
    <message>
        <source> to MP3</source>
        <extracomment>How a document is read, after its name and a space: &quot;Reading &lt;document&gt; to MP3&quot;</extracomment>
        <translation> a MP3</translation>
    </message>
    <message>
        <source>Reading %1%2</source>
        <extracomment>%1 is the document&apos;s name, %2 how it is read, with a space before it (&quot; Aloud&quot;)</extracomment>
        <translation>Leyendo %1%2</translation>
    </message>
    <message>
        <source>Reading %1 [PART]%2</source>
        <extracomment>A part of the document is read: %1 is its name, %2 how it is read (&quot; Aloud&quot;)</extracomment>
        <translation>Leyendo %1 [PARTE]%2</translation>
    </message>
    <message>
        <source>Reading Clipboard%1</source>
        <extracomment>%1 is how the clipboard is read, with a space before it (&quot; Aloud&quot;)</extracomment>
        <translation>Leyendo el portapapeles%1</translation>
    </message>
    <message>
        <source> [Paused]</source>
        <extracomment>Added to the tray icon&apos;s tooltip</extracomment>
        <translation> [En pausa]</translation>
    </message>
    <message>
        <source> [Stopped]</source>
        <extracomment>Added to the tray icon&apos;s tooltip</extracomment>
        <translation> [Detenido]</translation>
    </message>
    <message>
        <source>Advanced Text To Speech</source>
        <extracomment>The tray icon&apos;s tooltip until the window shows its first document</extracomment>
        <translation>Texto a voz avanzado</translation>
    </message>
    <message>
        <source>Hide Main Window</source>
        <translation>Ocultar la ventana principal</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Mostrar la ventana principal</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <extracomment>A submenu of the Playback menu: commands that change the voice, its speed and volume</extracomment>
        <translation>&amp;Voz</translation>
    </message>
    <message>
        <source>&amp;Next Voice</source>
        <translation>Voz &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Voice</source>
        <translation>Voz &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <extracomment>Moves the speed slider up</extracomment>
        <translation>Más &amp;rápido</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <extracomment>Moves the speed slider down</extracomment>
        <translation>Más &amp;lento</translation>
    </message>
    <message>
        <source>&amp;Louder</source>
        <extracomment>Moves the volume slider up</extracomment>
        <translation>Más &amp;fuerte</translation>
    </message>
    <message>
        <source>S&amp;ofter</source>
        <extracomment>Moves the volume slider down</extracomment>
        <translation>Más &amp;bajo</translation>
    </message>
    <message>
        <source> No speech engine is installed: documents can be edited but not read.</source>
        <translation> No hay ningún motor de voz instalado: los documentos se pueden editar, pero no leer.</translation>
    </message>
    <message>
        <source> Volume: %1% [%2] -- Left/Right arrow key to Fine-tune</source>
        <extracomment>%1 is a whole percentage, %2 the slider&apos;s value</extracomment>
        <translation> Volumen: %1 % [%2] -- Flechas izquierda/derecha para el ajuste fino</translation>
    </message>
    <message>
        <source> Speed: %1% [%2] -- Left/Right arrow key to Fine-tune</source>
        <extracomment>%1 is a whole percentage of the speed range, %2 the speed in words per minute</extracomment>
        <translation> Velocidad: %1 % [%2] -- Flechas izquierda/derecha para el ajuste fino</translation>
    </message>
</context>
<context>
    <name>TFormLexicon</name>
    <message>
        <source>Pronunciation Lexicon</source>
        <translation>Léxico de pronunciación</translation>
    </message>
    <message>
        <source>Say it as: words spelled the way they sound, or espeak-ng phonemes in double brackets, e.g. [[n&apos;3:v@]]</source>
        <translation>Cómo decirlo: palabras escritas tal como suenan, o fonemas de espeak-ng entre dobles corchetes, p. ej. [[n&apos;3:v@]]</translation>
    </message>
    <message>
        <source>&amp;Words and how to say them:</source>
        <translation>&amp;Palabras y cómo decirlas:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <extracomment>Button: hear the current row&apos;s word said</extracomment>
        <translation>&amp;Escuchar</translation>
    </message>
    <message>
        <source>Say the current row&apos;s word as the lexicon makes the engine say it</source>
        <translation>Decir la palabra de la fila actual tal como el léxico hace que la diga el motor</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A line of the file is not used as it stands: its note says why. Mend it or remove it; otherwise OK keeps it as it is.</source>
        <translation>Una línea del archivo no se usa tal como está: su nota dice por qué. Corríjala o quítela; si no, Aceptar la conserva tal como está.</translation>
    </message>
    <message>
        <source>%1 lines of the file are not used as they stand: their notes say why. Mend or remove them; otherwise OK keeps them as they are.</source>
        <translation>%1 líneas del archivo no se usan tal como están: sus notas dicen por qué. Corríjalas o quítelas; si no, Aceptar las conserva tal como están.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>These lines of &quot;%1&quot; are not entries and were not imported:
%2</source>
        <translation>Estas líneas de «%1» no son entradas y no se importaron:
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Title of the file dialog that picks a lexicon to import</extracomment>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Title of the file dialog that saves the lexicon&apos;s entries to a file</extracomment>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since this dialog read it. Replace it with the lexicon shown here? (Cancel keeps both: close the dialog and open it again to see the file as it is now.)</source>
        <translation>Otro programa cambió «%1» desde que este diálogo lo leyó. ¿Reemplazarlo por el léxico que se muestra aquí? (Cancelar conserva los dos: cierre el diálogo y vuelva a abrirlo para ver el archivo tal como está ahora.)</translation>
    </message>
    <message>
        <source>The lexicon could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar el léxico en «%1»: %2</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>Pronunciaciones</translation>
    </message>
</context>
<context>
    <name>TFormOption</name>
    <message>
        <source> Options</source>
        <translation> Opciones</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>Prosody</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close this dialog</source>
        <translation>Cerrar este diálogo</translation>
    </message>
    <message>
        <source>Show Tooltips</source>
        <translation>Mostrar sugerencias</translation>
    </message>
    <message>
        <source>Display hints of buttons, menus, etc.</source>
        <translation>Mostrar sugerencias en botones, menús, etc.</translation>
    </message>
    <message>
        <source>Repeating Playlist</source>
        <translation>Repetir la lista de reproducción</translation>
    </message>
    <message>
        <source>If repeat all documents</source>
        <translation>Repetir todos los documentos</translation>
    </message>
    <message>
        <source>Highlight Reading Word</source>
        <translation>Resaltar la palabra leída</translation>
    </message>
    <message>
        <source>Automatically move the cursor to the word beening spoken</source>
        <translation>Mover automáticamente el cursor a la palabra que se está diciendo</translation>
    </message>
    <message>
        <source>Enable &quot;Key To Speech&quot;</source>
        <translation>Activar «Leer al teclear»</translation>
    </message>
    <message>
        <source>Enable the &quot;Key To Speech&quot; feature </source>
        <translation>Activar la función «Leer al teclear» </translation>
    </message>
    <message>
        <source>Automatically Play Next File</source>
        <translation>Leer automáticamente el siguiente archivo</translation>
    </message>
    <message>
        <source>Automatically read the next document after the current one</source>
        <translation>Leer automáticamente el documento siguiente después del actual</translation>
    </message>
    <message>
        <source>Automatically Name for WAV/MP3 Files</source>
        <translation>Nombrar automáticamente los archivos WAV/MP3</translation>
    </message>
    <message>
        <source>Automatically name when convert documents into WAV/MP3 audio files. Disable this option if you prefer to name manually.</source>
        <translation>Poner nombre automáticamente al convertir documentos en archivos de audio WAV/MP3. Desactive esta opción si prefiere ponerlo a mano.</translation>
    </message>
    <message>
        <source>Add Commands to .txt File Type Context Menus</source>
        <translation>Añadir comandos al menú contextual de los archivos .txt</translation>
    </message>
    <message>
        <source>Integrate the command &quot;Read Aloud&quot; to context menus of .txt file type. Something like &quot;Add to ZIP&quot;.</source>
        <translation>Integrar el comando «Leer en voz alta» en los menús contextuales de los archivos .txt, algo parecido a «Añadir a ZIP».</translation>
    </message>
    <message>
        <source>Greeting at Startup</source>
        <translation>Saludo al iniciar</translation>
    </message>
    <message>
        <source>Greeing at startup</source>
        <translation>Saludo al iniciar</translation>
    </message>
    <message>
        <source>Enter your greeting message here</source>
        <translation>Escriba aquí su mensaje de saludo</translation>
    </message>
    <message>
        <source>Greeting</source>
        <extracomment>accessible name of the field with the text spoken at startup</extracomment>
        <translation>Saludo</translation>
    </message>
    <message>
        <source> Default File Output Directories </source>
        <translation> Carpetas de salida predeterminadas </translation>
    </message>
    <message>
        <source>Default documents folder</source>
        <translation>Carpeta predeterminada de documentos</translation>
    </message>
    <message>
        <source>Default .wav audio files folder</source>
        <translation>Carpeta predeterminada de archivos de audio .wav</translation>
    </message>
    <message>
        <source>Default .mp3 audio files folder</source>
        <translation>Carpeta predeterminada de archivos de audio .mp3</translation>
    </message>
    <message>
        <source>Set the default TXT files directory</source>
        <translation>Elegir la carpeta predeterminada de archivos TXT</translation>
    </message>
    <message>
        <source>Set the default WAV files directory</source>
        <translation>Elegir la carpeta predeterminada de archivos WAV</translation>
    </message>
    <message>
        <source>Set the default MP3 files directory</source>
        <translation>Elegir la carpeta predeterminada de archivos MP3</translation>
    </message>
    <message>
        <source>TXT Files Directory:</source>
        <translation>Carpeta de TXT:</translation>
    </message>
    <message>
        <source>WAV Files Directory:</source>
        <translation>Carpeta de WAV:</translation>
    </message>
    <message>
        <source>MP3 Files Directory:</source>
        <translation>Carpeta de MP3:</translation>
    </message>
    <message>
        <source> MP3 Quality </source>
        <translation> Calidad MP3 </translation>
    </message>
    <message>
        <source>Select the Sample Frequency of MP3 output</source>
        <translation>Seleccionar la frecuencia de muestreo de la salida MP3</translation>
    </message>
    <message>
        <source>Select the Bitrates of MP3 output</source>
        <translation>Seleccionar la tasa de bits de la salida MP3</translation>
    </message>
    <message>
        <source>Resample frequency :</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>KHZ</source>
        <extracomment>unit after the sample frequency list (kilohertz)</extracomment>
        <translation>kHz</translation>
    </message>
    <message>
        <source>   Bitrates:</source>
        <translation>   Tasa de bits:</translation>
    </message>
    <message>
        <source>KBPS</source>
        <extracomment>unit after the bit rate list (kilobits per second)</extracomment>
        <translation>kbps</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>write speed: as fast as the computer can</extracomment>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>This option depends on your CPU. The more powerful your CPU is, the higher speed you can select.</source>
        <translation>Esta opción depende de su CPU. Cuanto más potente sea la CPU, más velocidad puede elegir.</translation>
    </message>
    <message>
        <source>Write to File( WAV/MP3 ) Speed:</source>
        <translation>Velocidad de escritura (WAV/MP3):</translation>
    </message>
    <message>
        <source> Control Tags </source>
        <translation> Etiquetas de control </translation>
    </message>
    <message>
        <source>Set the short pause interval</source>
        <translation>Fijar la duración de la pausa corta</translation>
    </message>
    <message>
        <source>Set the long pause interval</source>
        <translation>Fijar la duración de la pausa larga</translation>
    </message>
    <message>
        <source>Set the default value of the Vol control tag</source>
        <translation>Fijar el valor predeterminado de la etiqueta de control Vol</translation>
    </message>
    <message>
        <source>Set the default value of the Spd control tag</source>
        <translation>Fijar el valor predeterminado de la etiqueta de control Spd</translation>
    </message>
    <message>
        <source>Set the default value of the Pit control tag</source>
        <translation>Fijar el valor predeterminado de la etiqueta de control Pit</translation>
    </message>
    <message>
        <source>Short Pause Interval:</source>
        <translation>Intervalo de pausa corta:</translation>
    </message>
    <message>
        <source>Seconds ( 1~9 )</source>
        <translation>Segundos ( 1~9 )</translation>
    </message>
    <message>
        <source>Long Pause Interval:</source>
        <translation>Intervalo de pausa larga:</translation>
    </message>
    <message>
        <source>Default Value of Volume:</source>
        <translation>Volumen predeterminado:</translation>
    </message>
    <message>
        <source>Default Value of Speed:</source>
        <translation>Velocidad predeterminada:</translation>
    </message>
    <message>
        <source>Words Per Minute ( 50~500 )</source>
        <translation>Palabras/min ( 50~500 )</translation>
    </message>
    <message>
        <source>Default Value of Pitch:</source>
        <translation>Tono predeterminado:</translation>
    </message>
    <message>
        <source>Hertz ( 50~400 )</source>
        <translation>Hercios ( 50~400 )</translation>
    </message>
    <message>
        <source>For more information about &quot;Control Tags&quot;, please read the help file.</source>
        <translation>Sobre las «etiquetas de control», consulte el archivo de ayuda.</translation>
    </message>
    <message>
        <source>Pronunciation Manager</source>
        <translation>Gestor de pronunciación</translation>
    </message>
    <message>
        <source>You can edit the phonetics of mispronounced words and load or unload personal exception dictionaries</source>
        <translation>Puede editar la fonética de las palabras mal pronunciadas y cargar o descargar diccionarios personales de excepciones</translation>
    </message>
    <message>
        <source>You can edit the phonetics of mispronounced words and load or unload personal exception dictionaries.</source>
        <translation>Puede editar la fonética de las palabras mal pronunciadas y cargar o descargar diccionarios personales de excepciones.</translation>
    </message>
    <message>
        <source> Hotkeys </source>
        <translation> Atajos de teclado </translation>
    </message>
    <message>
        <source>All commands available</source>
        <translation>Todos los comandos disponibles</translation>
    </message>
    <message>
        <source>Set the key combination for the current command</source>
        <translation>Fijar la combinación de teclas del comando actual</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Update the current hotkey</source>
        <translation>Actualizar el atajo actual</translation>
    </message>
    <message>
        <source>All Default</source>
        <translation>Restaurar todo</translation>
    </message>
    <message>
        <source>Reset all hotkeys to default settings</source>
        <translation>Restaurar todos los atajos a los valores predeterminados</translation>
    </message>
    <message>
        <source>Global Hotkey ( need restart )</source>
        <translation>Atajo global (tras reiniciar)</translation>
    </message>
    <message>
        <source>This option allows you to use the current hotkey even in other program</source>
        <translation>Esta opción permite usar el atajo actual incluso en otros programas</translation>
    </message>
    <message>
        <source> Playlist Tabs </source>
        <translation> Pestañas de la lista </translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>where the playlist tabs are: Top, Bottom, Left, Right</extracomment>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Adjust the position of playlist tabs</source>
        <translation>Ajustar la posición de las pestañas de la lista</translation>
    </message>
    <message>
        <source>Tabs</source>
        <extracomment>how the playlist tabs look: Tabs, Buttons, FlatButtons</extracomment>
        <translation>Pestañas</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>FlatButtons</source>
        <translation>Botones planos</translation>
    </message>
    <message>
        <source>Set the style of playlist tabs</source>
        <translation>Fijar el estilo de las pestañas de la lista</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source> Editor </source>
        <translation> Editor </translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Set the font style of the editor</source>
        <translation>Fijar el tipo de letra del editor</translation>
    </message>
    <message>
        <source>Set BackColor</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Set the background color of the editor</source>
        <translation>Fijar el color de fondo del editor</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>which scroll bars the editor shows: None, Horizontal, Vertical, Both</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambas</translation>
    </message>
    <message>
        <source>If display the scrollbars of the editor</source>
        <translation>Mostrar las barras de desplazamiento del editor</translation>
    </message>
    <message>
        <source>Automatically Wrap Text </source>
        <translation>Ajuste de línea automático </translation>
    </message>
    <message>
        <source>If wrap text automatically when reach the right margin of the editor</source>
        <translation>Ajustar el texto automáticamente al llegar al margen derecho del editor</translation>
    </message>
    <message>
        <source>ScrollBars:</source>
        <translation>Barras:</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>If the main window always stay on top</source>
        <translation>Mantener la ventana principal siempre encima</translation>
    </message>
    <message>
        <source>Display ToolBar</source>
        <translation>Mostrar barra de herramientas</translation>
    </message>
    <message>
        <source>If display the toolbar on the main window</source>
        <translation>Mostrar la barra de herramientas en la ventana principal</translation>
    </message>
    <message>
        <source>Display StatusBar</source>
        <translation>Mostrar barra de estado</translation>
    </message>
    <message>
        <source>If display the statusbar on the main window</source>
        <translation>Mostrar la barra de estado en la ventana principal</translation>
    </message>
    <message>
        <source>Display Main Menus</source>
        <translation>Mostrar barra de menús</translation>
    </message>
    <message>
        <source>If display the main menus</source>
        <translation>Mostrar los menús principales</translation>
    </message>
    <message>
        <source>System Tray</source>
        <translation>Bandeja del sistema</translation>
    </message>
    <message>
        <source>An icon displayed in system tray area</source>
        <translation>Un icono en el área de la bandeja del sistema</translation>
    </message>
    <message>
        <source>Minimize at Startup</source>
        <translation>Minimizar al iniciar</translation>
    </message>
    <message>
        <source>Minimize the main window at Startup</source>
        <translation>Minimizar la ventana principal al iniciar</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Minimizar a la bandeja</translation>
    </message>
    <message>
        <source>Show system tray only when click on the Minimize button</source>
        <translation>Mostrar solo el icono de la bandeja al pulsar el botón Minimizar</translation>
    </message>
    <message>
        <source>Watch Clipboard</source>
        <translation>Vigilar el portapapeles</translation>
    </message>
    <message>
        <source>If watch the system clipboard</source>
        <translation>Vigilar el portapapeles del sistema</translation>
    </message>
    <message>
        <source>Ignore clipboard text less than this specified number of characters</source>
        <translation>Ignorar los textos del portapapeles con menos caracteres que este número</translation>
    </message>
    <message>
        <source>Ignore Clipboard Text Less Than</source>
        <translation>Ignorar textos de menos de</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>&quot;Ignore Clipboard Text Less Than [number] Characters&quot;</extracomment>
        <translation>caracteres</translation>
    </message>
    <message>
        <source>Display Prompt Dialog for</source>
        <translation>Mostrar el diálogo durante</translation>
    </message>
    <message>
        <source>When the system clipboard changes, if pop out a prompt dialog which allows you to select action</source>
        <translation>Al cambiar el portapapeles del sistema, mostrar un diálogo que permite elegir la acción</translation>
    </message>
    <message>
        <source>How long the prompt dialog will be shown</source>
        <translation>Cuánto tiempo se muestra el diálogo</translation>
    </message>
    <message>
        <source>Prompt shown for, in seconds</source>
        <translation>Tiempo del diálogo, en segundos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <extracomment>&quot;Display Prompt Dialog for [number] Seconds&quot;</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Read Now!</source>
        <translation>¡Leer ya!</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>clipboard action: the text goes into a new document</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Append</source>
        <extracomment>clipboard action: the text is added to the current document</extracomment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default action if the &quot;Display Prompt Dialog&quot; option is unchecked</source>
        <translation>Acción predeterminada si la opción «Mostrar el diálogo» está desactivada</translation>
    </message>
    <message>
        <source>Default Action:</source>
        <translation>Acción predeterminada:</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Activar la alarma</translation>
    </message>
    <message>
        <source>If enable the Alarm feature</source>
        <translation>Activar la función de alarma</translation>
    </message>
    <message>
        <source>Alarm every this specified number of minutes</source>
        <translation>Cada cuántos minutos suena la alarma</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>&quot;Every [number] Minutes&quot;: how often the alarm sounds</extracomment>
        <translation>Cada</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Enter you message here</source>
        <translation>Escriba aquí su mensaje</translation>
    </message>
    <message>
        <source>Say Before the Alarm:</source>
        <translation>Decir antes de la alarma:</translation>
    </message>
    <message>
        <source>Say the Time</source>
        <translation>Decir la hora</translation>
    </message>
    <message>
        <source>Read Text File</source>
        <translation>Leer un archivo de texto</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproducir un sonido</translation>
    </message>
    <message>
        <source>Say the time, Read a specified .txt file or just play a .wav audio file</source>
        <translation>Decir la hora, leer un archivo .txt indicado o solo reproducir un archivo de audio .wav</translation>
    </message>
    <message>
        <source>Alarm Style:</source>
        <translation>Estilo de alarma:</translation>
    </message>
    <message>
        <source>And the Date</source>
        <translation>Y la fecha</translation>
    </message>
    <message>
        <source>Say the time and the date</source>
        <translation>Decir la hora y la fecha</translation>
    </message>
    <message>
        <source>Select a specified .txt file</source>
        <translation>Seleccionar un archivo .txt</translation>
    </message>
    <message>
        <source>Select a specified .wav file</source>
        <translation>Seleccionar un archivo .wav</translation>
    </message>
    <message>
        <source>Say After the Alarm:</source>
        <translation>Decir después de la alarma:</translation>
    </message>
    <message>
        <source>Alarm with Message Box</source>
        <translation>Avisar con un cuadro de mensaje</translation>
    </message>
    <message>
        <source>If alarm with a message box</source>
        <translation>Avisar con un cuadro de mensaje al sonar la alarma</translation>
    </message>
    <message>
        <source>Enable Reminders</source>
        <translation>Activar los recordatorios</translation>
    </message>
    <message>
        <source>If enable the Reminders feature</source>
        <translation>Activar la función de recordatorios</translation>
    </message>
    <message>
        <source>All reminders list</source>
        <translation>Lista de todos los recordatorios</translation>
    </message>
    <message>
        <source> Reminder Editor </source>
        <translation> Editor de recordatorios </translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>tooltip of the reminder&apos;s date field</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>tooltip of the reminder&apos;s time field</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Enter your message here</source>
        <translation>Escriba aquí su mensaje</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add a new reminder</source>
        <translation>Añadir un recordatorio nuevo</translation>
    </message>
    <message>
        <source>Update the current reminder</source>
        <translation>Actualizar el recordatorio actual</translation>
    </message>
    <message>
        <source>Del</source>
        <extracomment>button: delete the selected reminder</extracomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the current reminder</source>
        <translation>Eliminar el recordatorio actual</translation>
    </message>
    <message>
        <source>Remind with Message Box</source>
        <translation>Avisar con un cuadro de mensaje</translation>
    </message>
    <message>
        <source>If remind with a message box. Default is checked.</source>
        <translation>Avisar con un cuadro de mensaje. Activado de forma predeterminada.</translation>
    </message>
    <message>
        <source>Text Files(*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>Select a folder as the default</source>
        <translation>Seleccione una carpeta como predeterminada</translation>
    </message>
    <message>
        <source>Only for 32KHZ~48KHZ Mode.</source>
        <translation>Solo para el modo de 32 kHz~48 kHz.</translation>
    </message>
    <message>
        <source>Only for 8KHZ~24KHZ Mode.</source>
        <translation>Solo para el modo de 8 kHz~24 kHz.</translation>
    </message>
    <message>
        <source>Speech Engine not selected</source>
        <translation>No se ha seleccionado ningún motor de voz</translation>
    </message>
    <message>
        <source>Open File(s) to Read</source>
        <translation>Abrir archivos para leer</translation>
    </message>
    <message>
        <source>The desktop gives this command %1; its settings change that.</source>
        <translation>El escritorio asigna a este comando %1; eso se cambia en su configuración.</translation>
    </message>
    <message>
        <source>This Hotkey already exists!</source>
        <translation>¡Este atajo ya existe!</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«%1» no es una fecha y hora válidas</translation>
    </message>
    <message>
        <source>No page</source>
        <extracomment>The name a screen reader gives the options&apos; page area when no page is chosen</extracomment>
        <translation>Ninguna página</translation>
    </message>
</context>
<context>
    <name>TFormShellTree</name>
    <message>
        <source> Select the disk/folder you want to catalog</source>
        <extracomment>Window title (keep the leading space)</extracomment>
        <translation> Seleccione el disco o la carpeta a catalogar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more.</source>
        <translation>La carpeta %1 ya no existe.</translation>
    </message>
    <message>
        <source>You can not write to the folder %1 (%2): no file can be saved there.

Use it all the same?</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>No puede escribir en la carpeta %1 (%2): no se puede guardar ningún archivo allí.

¿Usarla de todos modos?</translation>
    </message>
</context>
<context>
    <name>TKoCmdLine</name>
    <message>
        <source>No input file was given.</source>
        <translation>No se indicó ningún archivo de entrada.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a folder, a device or a pipe); nothing was converted.</source>
        <translation>%1 no es un archivo normal (es una carpeta, un dispositivo o una tubería); no se convirtió nada.</translation>
    </message>
    <message>
        <source>The output %1 is the input file itself; nothing was converted and the file is left as it was.</source>
        <translation>La salida %1 es el propio archivo de entrada; no se convirtió nada y el archivo se queda como estaba.</translation>
    </message>
    <message>
        <source>Can&apos;t load the file %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be loaded</extracomment>
        <translation>No se puede cargar el archivo %1: %2</translation>
    </message>
    <message>
        <source>%1 could not %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the job: &quot;speak&quot;, &quot;convert FILE&quot; or &quot;do JOB&quot;</extracomment>
        <translation>%1 no pudo %2</translation>
    </message>
    <message>
        <source>speak</source>
        <extracomment>what the program could not do, in &quot;Nurva could not speak&quot;</extracomment>
        <translation>hablar</translation>
    </message>
    <message>
        <source>convert %1</source>
        <extracomment>what the program could not do, in &quot;Nurva could not convert FILE&quot;; %1 is the file</extracomment>
        <translation>convertir %1</translation>
    </message>
    <message>
        <source>do %1</source>
        <extracomment>what the program could not do, in &quot;Nurva could not do JOB&quot;; %1 is the job (&quot;/xyz&quot;)</extracomment>
        <translation>hacer %1</translation>
    </message>
    <message>
        <source>All speech engines installed on your system:</source>
        <translation>Todos los motores de voz instalados en su sistema:</translation>
    </message>
    <message>
        <source>No speech engine is installed (install espeak-ng-data).</source>
        <translation>No hay ningún motor de voz instalado (instale espeak-ng-data).</translation>
    </message>
    <message>
        <source>The info of speech engine No.%1</source>
        <extracomment>%1 is the voice&apos;s number</extracomment>
        <translation>Información del motor de voz n.º %1</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Language: </source>
        <translation>Idioma: </translation>
    </message>
    <message>
        <source>Manufacturer: </source>
        <translation>Fabricante: </translation>
    </message>
    <message>
        <source>Product: </source>
        <translation>Producto: </translation>
    </message>
    <message>
        <source>ModeID: </source>
        <translation>ID de modo: </translation>
    </message>
    <message>
        <source>EngineID: </source>
        <translation>ID de motor: </translation>
    </message>
    <message>
        <source>Speaker: </source>
        <translation>Locutor: </translation>
    </message>
    <message>
        <source>Style: </source>
        <translation>Estilo: </translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>Género: </translation>
    </message>
    <message>
        <source>Age: </source>
        <translation>Edad: </translation>
    </message>
    <message>
        <source>Features: </source>
        <translation>Características: </translation>
    </message>
    <message>
        <source>Interfaces: </source>
        <translation>Interfaces: </translation>
    </message>
    <message>
        <source>MaxPitch: </source>
        <translation>Tono máx.: </translation>
    </message>
    <message>
        <source>MinPitch: </source>
        <translation>Tono mín.: </translation>
    </message>
    <message>
        <source>MaxRealTime: </source>
        <translation>Tiempo real máx.: </translation>
    </message>
    <message>
        <source>MinRealTime: </source>
        <translation>Tiempo real mín.: </translation>
    </message>
    <message>
        <source>MaxSpeed: </source>
        <translation>Velocidad máx.: </translation>
    </message>
    <message>
        <source>MinSpeed: </source>
        <translation>Velocidad mín.: </translation>
    </message>
    <message>
        <source>MaxVolume: </source>
        <translation>Volumen máx.: </translation>
    </message>
    <message>
        <source>MinVolume: </source>
        <translation>Volumen mín.: </translation>
    </message>
    <message>
        <source>The words could not be kept in %1.</source>
        <translation>No se pudieron guardar las palabras en %1.</translation>
    </message>
    <message>
        <source>Standard input is closed: there is no text to speak.</source>
        <translation>La entrada estándar está cerrada: no hay texto que decir.</translation>
    </message>
    <message>
        <source>Standard input could not be kept: %1</source>
        <translation>No se pudo guardar la entrada estándar: %1</translation>
    </message>
    <message>
        <source>Standard input could not be read: %1</source>
        <translation>No se pudo leer la entrada estándar: %1</translation>
    </message>
    <message>
        <source>Nothing came on standard input: there is no text to speak.</source>
        <translation>No llegó nada por la entrada estándar: no hay texto que decir.</translation>
    </message>
    <message>
        <source>Subtitles go beside an output file, and standard output has no name.</source>
        <translation>Los subtítulos van junto a un archivo de salida, y la salida estándar no tiene nombre.</translation>
    </message>
    <message>
        <source>Chapters need an output file, not standard output.</source>
        <translation>Los capítulos necesitan un archivo de salida, no la salida estándar.</translation>
    </message>
    <message>
        <source>Standard input holds no text that can be read: %1</source>
        <translation>La entrada estándar no contiene texto que se pueda leer: %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <extracomment>in place of a file&apos;s name, in why the text cannot be read</extracomment>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>The text has no chapters: no headings such as &quot;Chapter 1&quot; were found. &quot;-ch %1:30&quot; cuts it into parts of about 30 minutes instead.</source>
        <extracomment>%1 is &quot;split&quot; or &quot;marks&quot;, as the switch takes it</extracomment>
        <translation>El texto no tiene capítulos: no se encontraron encabezados como «Capítulo 1». «-ch %1:30» lo corta en cambio en partes de unos 30 minutos.</translation>
    </message>
    <message>
        <source>Usage: %1 JOB [TEXT] [OUTPUT] [SWITCHES]

Jobs:
  /e                 list the installed voices (with -e N: describe voice N)
  /tts TEXT          speak TEXT aloud (a file name, or the words themselves)
  /tts FILE...       read the files aloud, one after the other
  /ttw TEXT [OUT]    speak TEXT into a WAV file
  /ttm TEXT [OUT]    speak TEXT into an MP3, Opus (.opus), Vorbis (.ogg) or FLAC
                     (.flac) file, as OUT&apos;s name says
  /wtm IN.wav [OUT]  convert a WAV file to MP3
  /mtw IN.mp3 [OUT]  convert an MP3 file to WAV

TEXT &quot;-&quot; reads standard input; OUT &quot;-&quot; writes the WAV (/ttw) or MP3 (/ttm)
to standard output. Without OUT the output is the text file&apos;s name with .wav or
the stored format, else output.wav (output.mp3) in the current folder. An OUT
that ends in none of the job&apos;s formats is an error.

Switches (anywhere, in any letter case):
  -e N      voice number (default 0), or the voice&apos;s name as /e lists it
  -v VOICE  voice by name or language, as espeak-ng takes it (en-gb, fr+f2)
  -s WPM    speed in words per minute
  -p HZ     pitch in hertz
  -w X      writing speed as a multiple of real time (default 8);
            -w max (or 256) converts as fast as the engine can, on every core
  -r KHZ    MP3 resample frequency (default automatic: the encoder chooses)
  -b KBPS   MP3 bit rate (default 128); Opus and Vorbis take it too
  -m MODE   MP3 mode letter (default s)
  -q Q      MP3 quality 0-9 (default 5)
  -sub F    timed subtitles beside the output: srt, vtt or lrc (or a list: srt,lrc)
  -ch split one file per chapter, numbered and tagged, with an .m3u playlist
  -ch marks one file with chapter marks; &quot;split:N&quot; or &quot;marks:N&quot; makes
            parts of about N minutes

Other forms:
  FILE...            open the reader&apos;s window with these text files
  --action NAME      run a command in the running reader (starting it if the
                     command needs one): read-clipboard, read-selection,
                     read-aloud, pause-resume, stop, next, previous, show
  --help, -h, /?     print this text
  --version          print the version

Exit codes: 0 done, 1 the job failed, 2 no such job or a wrong argument.
The manual is %2; see also the manual page nurva(1).
</source>
        <extracomment>The jobs, switches, their values and file names stay as they are; %1 is the program&apos;s command, %2 where the manual is. Keep the lines under 80 characters.</extracomment>
        <translation>Uso: %1 TAREA [TEXTO] [SALIDA] [OPCIONES]

Tareas:
  /e                         lista las voces instaladas (con -e N: describe
                             la voz N)
  /tts TEXTO                 dice TEXTO en voz alta (un nombre de archivo, o
                             las propias palabras)
  /tts ARCHIVO...            lee los archivos en voz alta, uno tras otro
  /ttw TEXTO [SALIDA]        dice TEXTO en un archivo WAV
  /ttm TEXTO [SALIDA]        dice TEXTO en un archivo MP3, Opus (.opus), Vorbis
                             (.ogg) o FLAC (.flac), según el nombre de SALIDA
  /wtm ENTRADA.wav [SALIDA]  convierte un archivo WAV a MP3
  /mtw ENTRADA.mp3 [SALIDA]  convierte un archivo MP3 a WAV

TEXTO &quot;-&quot; lee la entrada estándar; SALIDA &quot;-&quot; escribe el WAV (/ttw) o el MP3
(/ttm) en la salida estándar. Sin SALIDA, la salida es el nombre del archivo de
texto con .wav o con el formato guardado, y si no, output.wav (output.mp3) en
la carpeta actual. Una SALIDA que no termina en ninguno de los formatos de la
tarea es un error.

Opciones (en cualquier lugar, en mayúsculas o minúsculas):
  -e N       número de la voz (predeterminado 0), o el nombre de la voz tal
             como lo lista /e
  -v VOZ     voz por nombre o idioma, como la toma espeak-ng (en-gb, fr+f2)
  -s PPM     velocidad en palabras por minuto
  -p HZ      tono en hercios
  -w X       velocidad de escritura como múltiplo del tiempo real
             (predeterminada 8); -w max (o 256) convierte tan rápido como
             pueda el motor, en todos los núcleos
  -r KHZ     frecuencia de remuestreo del MP3 (predeterminada: automática, la
             elige el codificador)
  -b KBPS    tasa de bits del MP3 (predeterminada 128); también la usan Opus y
             Vorbis
  -m MODO    letra del modo MP3 (predeterminada s)
  -q Q       calidad del MP3, de 0 a 9 (predeterminada 5)
  -sub F     subtítulos sincronizados junto a la salida: srt, vtt o lrc (o una
             lista: srt,lrc)
  -ch split  un archivo por capítulo, numerado y etiquetado, con una lista de
             reproducción .m3u
  -ch marks  un solo archivo con marcas de capítulo; &quot;split:N&quot; o &quot;marks:N&quot;
             hace partes de unos N minutos

Otras formas:
  ARCHIVO...           abre la ventana del lector con estos archivos de texto
  --action NOMBRE      ejecuta un comando en el lector en marcha (y lo inicia
                       si el comando lo necesita): read-clipboard,
                       read-selection, read-aloud, pause-resume, stop, next,
                       previous, show
  --help, -h, /?       muestra este texto
  --version            muestra la versión

Códigos de salida: 0 hecho, 1 la tarea falló, 2 no existe la tarea o un
argumento es incorrecto.
El manual es %2; vea también la página de manual nurva(1).
</translation>
    </message>
</context>
<context>
    <name>TKoForm</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s caption button that closes it</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The window&apos;s caption button that gives a maximised window its former size</extracomment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <extracomment>The window&apos;s caption button that maximises it</extracomment>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The window&apos;s caption button that minimises it</extracomment>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>TKoFormPrompt</name>
    <message>
        <source>New</source>
        <extracomment>Button: the copied text becomes a new document</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Append</source>
        <extracomment>Button: the copied text is added to the end of the current document</extracomment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Read Now!</source>
        <extracomment>Button: read the copied text aloud at once</extracomment>
        <translation>¡Leer ya!</translation>
    </message>
    <message>
        <source>Copy Clipboard to the Documents List?</source>
        <translation>¿Copiar el portapapeles a la lista?</translation>
    </message>
</context>
<context>
    <name>TLexiconModel</name>
    <message>
        <source>Word or phrase</source>
        <extracomment>Column header: the text the entry replaces</extracomment>
        <translation>Palabra o frase</translation>
    </message>
    <message>
        <source>Say it as</source>
        <extracomment>Column header: how the engine is to say the word</extracomment>
        <translation>Cómo decirla</translation>
    </message>
    <message>
        <source>Whole word</source>
        <extracomment>Column header of a check box: the entry matches whole words only</extracomment>
        <translation>Palabra completa</translation>
    </message>
    <message>
        <source>Match case</source>
        <extracomment>Column header of a check box: the letter case must match</extracomment>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>Column header: a remark on the row (why it is not used, which entry wins)</extracomment>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Row %1: the word is empty.</source>
        <translation>Fila %1: la palabra está vacía.</translation>
    </message>
    <message>
        <source>Row %1: how to say &quot;%2&quot; is empty.</source>
        <translation>Fila %1: cómo decir «%2» está vacío.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Fila %1: %2.</translation>
    </message>
    <message>
        <source>Not used: %1.</source>
        <translation>No se usa: %1.</translation>
    </message>
    <message>
        <source>Not an entry yet: %1.</source>
        <translation>Aún no es una entrada: %1.</translation>
    </message>
    <message>
        <source> The line is not UTF-8 text and was read as Windows-1252.</source>
        <extracomment>Added after the row&apos;s other note, if any (keep the leading space)</extracomment>
        <translation> La línea no es texto UTF-8 y se leyó como Windows-1252.</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <extracomment>A row of the list: its number and its word; used inside the notes</extracomment>
        <translation>fila %1 (%2)</translation>
    </message>
    <message>
        <source>Never used: %1 comes first and always wins.</source>
        <extracomment>%1 is a row, as in &quot;row 3 (“word”)&quot;</extracomment>
        <translation>Nunca se usa: %1 va antes y siempre gana.</translation>
    </message>
    <message>
        <source>%1 comes first and wins where both apply.</source>
        <extracomment>%1 is a row, as in &quot;Row 3 (“word”)&quot;</extracomment>
        <translation>%1 va antes y gana donde se solapan.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <extracomment>Completes &quot;Wins over %1%2&quot;: the number of further rows (leading space)</extracomment>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>Wins over %1%2 where both apply.</source>
        <extracomment>%1 is a row, as in &quot;row 3 (“word”)&quot;; %2 is empty or &quot; and &lt;n&gt; more&quot;</extracomment>
        <translation>Gana a %1%2 donde se solapan.</translation>
    </message>
</context>
<context>
    <name>TLibrary</name>
    <message>
        <source>The encoder library %1 is not installed (Debian package %2).</source>
        <translation>La biblioteca de codificación %1 no está instalada (paquete %2 de Debian).</translation>
    </message>
    <message>
        <source>The encoder library %1 lacks %2 (Debian package %3 is too old).</source>
        <extracomment>%2 is the name of a function of the library</extracomment>
        <translation>A la biblioteca de codificación %1 le falta %2 (el paquete %3 de Debian es demasiado antiguo).</translation>
    </message>
</context>
<context>
    <name>TMarkdownReader</name>
    <message>
        <source>The Markdown text cannot be read.</source>
        <translation>No se puede leer el texto Markdown.</translation>
    </message>
</context>
<context>
    <name>TMp3Pipeline::State</name>
    <message>
        <source>Standard output was closed before the end.</source>
        <translation>La salida estándar se cerró antes del final.</translation>
    </message>
    <message>
        <source>Standard output could not be written: %1</source>
        <translation>No se pudo escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 can not be written in its folder.</source>
        <translation>No se puede escribir el archivo %1 en su carpeta.</translation>
    </message>
    <message>
        <source>The file %1 can not be written in its folder: %2.</source>
        <translation>No se puede escribir el archivo %1 en su carpeta: %2.</translation>
    </message>
    <message>
        <source>The subtitles %1 can not be written in their folder.</source>
        <translation>No se pueden escribir los subtítulos %1 en su carpeta.</translation>
    </message>
    <message>
        <source>The subtitles %1 could not be written: %2</source>
        <translation>No se pudieron escribir los subtítulos %1: %2</translation>
    </message>
    <message>
        <source>The spoken text could not be read back: %1</source>
        <translation>No se pudo volver a leer el texto hablado: %1</translation>
    </message>
    <message>
        <source>Piece %1 was spoken at another rate than the first.</source>
        <translation>El fragmento %1 se dijo con otra frecuencia de muestreo que el primero.</translation>
    </message>
    <message>
        <source>The text could not be handed over: %1</source>
        <translation>No se pudo entregar el texto: %1</translation>
    </message>
    <message>
        <source>The conversion could not be prepared: %1</source>
        <translation>No se pudo preparar la conversión: %1</translation>
    </message>
    <message>
        <source>The text could not be spoken (exit code %1%2).</source>
        <extracomment>%1 is the speaking worker&apos;s exit code, %2 its last words (&quot;: ...&quot;), if any</extracomment>
        <translation>No se pudo decir el texto (código de salida %1%2).</translation>
    </message>
    <message>
        <source>The spoken text could not be kept in %1: %2</source>
        <translation>No se pudo guardar el texto hablado en %1: %2</translation>
    </message>
    <message>
        <source>The spoken text could not be kept: %1</source>
        <translation>No se pudo guardar el texto hablado: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder could not write in %1: %2</source>
        <translation>El codificador MP3 no pudo escribir en %1: %2</translation>
    </message>
    <message>
        <source>the spoken text</source>
        <extracomment>what the MP3 encoder could not convert, in place of a file&apos;s name</extracomment>
        <translation>el texto hablado</translation>
    </message>
</context>
<context>
    <name>TNoGlobalHotkeys</name>
    <message>
        <source>No global hotkeys (they need X11 or a desktop portal) here.</source>
        <translation>No hay atajos globales aquí (necesitan X11 o un portal del escritorio).</translation>
    </message>
</context>
<context>
    <name>TOdtReader</name>
    <message>
        <source>%1 is protected by a password; save it without one in the program that made it.</source>
        <translation>%1 está protegido con contraseña; guárdelo sin ella en el programa que lo creó.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its content is damaged (%2).</source>
        <translation>%1 no se puede leer: su contenido está dañado (%2).</translation>
    </message>
</context>
<context>
    <name>TOpusEncoder</name>
    <message>
        <source>The Opus encoder could not write %1: %2</source>
        <translation>El codificador Opus no pudo escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>TPartFile</name>
    <message>
        <source>The file %1 can not be written in its folder: %2.</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>No se puede escribir el archivo %1 en su carpeta: %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>TPdfReader</name>
    <message>
        <source>%1 is incomplete: its end is missing (a download or copy that was cut short?).</source>
        <translation>%1 está incompleto: le falta el final (¿una descarga o copia que se cortó?).</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: it cannot be opened.</source>
        <translation>%1 está dañado o incompleto: no se puede abrir.</translation>
    </message>
    <message>
        <source>%1 is protected by a password.</source>
        <translation>%1 está protegido con contraseña.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 no tiene páginas.</translation>
    </message>
    <message>
        <source>%1 holds more text than the editor can hold.</source>
        <translation>%1 contiene más texto del que cabe en el editor.</translation>
    </message>
    <message>
        <source>%1 holds only images of its pages, no text (it is probably scanned): there is nothing to read aloud until a text recognition program has added the text.</source>
        <translation>%1 solo contiene imágenes de sus páginas, sin texto (probablemente está escaneado): no hay nada que leer en voz alta hasta que un programa de reconocimiento de texto le añada el texto.</translation>
    </message>
</context>
<context>
    <name>TProgramFolders</name>
    <message>
        <source>The sample document %1 cannot be copied to %2.</source>
        <translation>No se puede copiar el documento de ejemplo %1 a %2.</translation>
    </message>
    <message>
        <source>

What the program keeps there (settings, playlist, documents, audio) cannot be saved until this is put right.</source>
        <extracomment>Follows the list of problems (keep the two line breaks at the start)</extracomment>
        <translation>

Lo que el programa guarda allí (configuración, lista de reproducción, documentos, audio) no se puede guardar hasta que esto se arregle.</translation>
    </message>
</context>
<context>
    <name>TProgressLine</name>
    <message>
        <source>%1 spent, about %2 left</source>
        <extracomment>the progress of a conversion on a terminal: &quot;1:05 spent, about 1:30 left&quot;</extracomment>
        <translation>%1 transcurrido, quedan unos %2</translation>
    </message>
</context>
<context>
    <name>TReminderSchedule</name>
    <message>
        <source> (late)</source>
        <extracomment>After the moment of a reminder shown late (keep the leading space)</extracomment>
        <translation> (con retraso)</translation>
    </message>
</context>
<context>
    <name>TRtfParser</name>
    <message>
        <source>%1 cannot be read: it does not begin as RTF does.</source>
        <translation>%1 no se puede leer: no empieza como empieza un RTF.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its groups nest too deeply.</source>
        <translation>%1 no se puede leer: sus grupos se anidan a demasiada profundidad.</translation>
    </message>
</context>
<context>
    <name>TTextBuilder</name>
    <message>
        <source>its text is longer than %1 million characters, more than the editor can hold</source>
        <extracomment>why a document cannot be opened; %1 is a number</extracomment>
        <translation>su texto supera los %1 millones de caracteres, más de lo que cabe en el editor</translation>
    </message>
</context>
<context>
    <name>TVorbisEncoder</name>
    <message>
        <source>This libsndfile writes no Ogg Vorbis.</source>
        <translation>Esta libsndfile no escribe Ogg Vorbis.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>TWavEncoder</name>
    <message>
        <source>The WAV could not be written to standard output: %1</source>
        <translation>No se pudo escribir el WAV en la salida estándar: %1</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>TX11GlobalHotkeys</name>
    <message>
        <source>Global hotkeys work only while an X11 window has the focus (Wayland).</source>
        <translation>Los atajos globales solo funcionan mientras una ventana X11 tiene el foco (Wayland).</translation>
    </message>
    <message>
        <source>Global hotkeys: X11 key grabs, whichever window has the focus.</source>
        <translation>Atajos globales: captura de teclas de X11, tenga el foco la ventana que sea.</translation>
    </message>
</context>
<context>
    <name>TXdgShellCommands</name>
    <message>
        <source>The program&apos;s path holds a control character: %1</source>
        <translation>La ruta del programa contiene un carácter de control: %1</translation>
    </message>
</context>
<context>
    <name>TZip</name>
    <message>
        <source>its zip archive is damaged or incomplete</source>
        <extracomment>why a document cannot be read (as the messages that follow), after &quot;... cannot be read: &quot;</extracomment>
        <translation>su archivo zip está dañado o incompleto</translation>
    </message>
    <message>
        <source>the list of its zip archive&apos;s members is damaged</source>
        <translation>la lista de miembros de su archivo zip está dañada</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <extracomment>%1 is the document (&quot;The EPUB book&quot;), %2 why it cannot be read</extracomment>
        <translation>%1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing</source>
        <translation>falta su parte «%1»</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged</source>
        <translation>su parte «%1» está dañada</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is protected by a password</source>
        <translation>su parte «%1» está protegida con contraseña</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; claims to expand to %2 MB, far more than a document holds (a damaged or hostile archive)</source>
        <extracomment>%1 is the name of a part of the archive, %2 a number</extracomment>
        <translation>su parte «%1» dice descomprimirse a %2 MB, mucho más de lo que contiene un documento (un archivo dañado u hostil)</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; expands to more than it claims (a damaged or hostile archive)</source>
        <translation>su parte «%1» se descomprime a más de lo que dice (un archivo dañado u hostil)</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged (its checksum or size is wrong)</source>
        <translation>su parte «%1» está dañada (su suma de comprobación o su tamaño no son correctos)</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>The tags of %1 could not be written.</source>
        <translation>No se pudieron escribir las etiquetas de %1.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes</source>
        <translation>el archivo ocupa más de %1 bytes</translation>
    </message>
</context>
<context>
    <name>VoiceSwitch</name>
    <message>
        <source>No voice called %1 is installed (&quot;/e&quot; lists the voices).</source>
        <translation>No hay ninguna voz instalada llamada %1 («/e» lista las voces).</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>This desktop does not let programs watch the clipboard (it lacks the data-control protocol, as GNOME does): copied text is offered only while the reader&apos;s window is in front. Read Clipboard and paste still work.</source>
        <translation>Este escritorio no deja que los programas vigilen el portapapeles (le falta el protocolo data-control, como a GNOME): el texto copiado solo se ofrece mientras la ventana del lector está delante. «Leer el portapapeles» y pegar siguen funcionando.</translation>
    </message>
    <message>
        <source>The clipboard cannot be watched (wl-paste: %1): copied text is offered only while the reader&apos;s window is in front. Read Clipboard and paste still work.</source>
        <translation>No se puede vigilar el portapapeles (wl-paste: %1): el texto copiado solo se ofrece mientras la ventana del lector está delante. «Leer el portapapeles» y pegar siguen funcionando.</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>The reader is running already, but it did not answer; it may be busy or hanging.</source>
        <translation>El lector ya se está ejecutando, pero no respondió; puede que esté ocupado o bloqueado.</translation>
    </message>
    <message>
        <source>Usage: nurva --action NAME
NAME is one of: %1.</source>
        <extracomment>NAME stays as it is; %1 is the list of the commands&apos; names</extracomment>
        <translation>Uso: nurva --action NAME
NAME es uno de: %1.</translation>
    </message>
    <message>
        <source>This reader runs without a single instance, so a second start opens a second window: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>Este lector funciona sin instancia única, así que un segundo inicio abre una segunda ventana: %1</translation>
    </message>
    <message>
        <source>The reader is not running: &quot;%1&quot; has nothing to act on.</source>
        <extracomment>%1 is the command&apos;s name</extracomment>
        <translation>El lector no se está ejecutando: «%1» no tiene sobre qué actuar.</translation>
    </message>
    <message>
        <source>The reader&apos;s window needs a desktop (no DISPLAY is set). The command line works without one: run it with /? to see how.</source>
        <translation>La ventana del lector necesita un escritorio (DISPLAY no está definida). La línea de comandos funciona sin él: ejecútela con /? para ver cómo.</translation>
    </message>
</context>
<context>
    <name>desktop::TBoundedPaste</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>desktop::TWaylandClipboardWatch</name>
    <message>
        <source>The clipboard cannot be watched: wl-paste (of wl-clipboard) is not installed. Read Clipboard and paste still work.</source>
        <translation>No se puede vigilar el portapapeles: wl-paste (de wl-clipboard) no está instalado. «Leer el portapapeles» y pegar siguen funcionando.</translation>
    </message>
    <message>
        <source>wl-paste ended with %1</source>
        <extracomment>%1 is the exit code of the wl-paste program</extracomment>
        <translation>wl-paste terminó con %1</translation>
    </message>
</context>
<context>
    <name>mSpeech</name>
    <message>
        <source>OLE error %1</source>
        <extracomment>%1 is the error&apos;s code, in hexadecimal</extracomment>
        <translation>Error OLE %1</translation>
    </message>
</context>
<context>
    <name>mainwindow::TReadingController</name>
    <message>
        <source>No speech engine is installed. Install espeak-ng to hear the documents.</source>
        <translation>No hay ningún motor de voz instalado. Instale espeak-ng para oír los documentos.</translation>
    </message>
    <message>
        <source>Voice number %1 is not installed.</source>
        <translation>La voz número %1 no está instalada.</translation>
    </message>
    <message>
        <source>Can not open file

%1</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>No se puede abrir el archivo

%1</translation>
    </message>
    <message>
        <source>The MP3 file %1 could not be written.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason</extracomment>
        <translation>No se pudo escribir el archivo MP3 %1.

%2</translation>
    </message>
</context>
<context>
    <name>options::THotKey</name>
    <message>
        <source>None</source>
        <extracomment>the key field when no key combination is set</extracomment>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>options::TReminderModel</name>
    <message>
        <source>This moment does not read as a date and time in the current formats. The reminder is kept as it was written.</source>
        <translation>Este momento no se lee como una fecha y hora en los formatos actuales. El recordatorio se conserva tal como se escribió.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>platform::TPortalGlobalHotkeys</name>
    <message>
        <source>The desktop portal refused global hotkeys (%1).</source>
        <translation>El portal del escritorio rechazó los atajos globales (%1).</translation>
    </message>
    <message>
        <source>Global hotkeys: waiting for the desktop portal.</source>
        <translation>Atajos globales: esperando al portal del escritorio.</translation>
    </message>
    <message>
        <source>Global hotkeys: waiting for the desktop to confirm them.</source>
        <translation>Atajos globales: esperando a que el escritorio los confirme.</translation>
    </message>
    <message>
        <source>The desktop did not confirm the global hotkeys: they are off.</source>
        <translation>El escritorio no confirmó los atajos globales: están desactivados.</translation>
    </message>
    <message>
        <source>The desktop portal did not answer: global hotkeys are off.</source>
        <translation>El portal del escritorio no respondió: los atajos globales están desactivados.</translation>
    </message>
    <message>
        <source>no key</source>
        <extracomment>The desktop bound the shortcut to no key at all</extracomment>
        <translation>ninguna tecla</translation>
    </message>
    <message>
        <source>The desktop portal gave no session: global hotkeys are off.</source>
        <translation>El portal del escritorio no dio ninguna sesión: los atajos globales están desactivados.</translation>
    </message>
    <message>
        <source>Global hotkeys via the desktop portal.</source>
        <translation>Atajos globales mediante el portal del escritorio.</translation>
    </message>
    <message>
        <source>Global hotkeys via the desktop portal; its settings can change them.</source>
        <translation>Atajos globales mediante el portal del escritorio; su configuración puede cambiarlos.</translation>
    </message>
    <message>
        <source>The desktop refused the global hotkeys: keys work in this window only.</source>
        <translation>El escritorio rechazó los atajos globales: las teclas solo funcionan en esta ventana.</translation>
    </message>
</context>
<context>
    <name>platform::TUnixSingleInstance</name>
    <message>
        <source>%1 is not a folder that only this user can enter.</source>
        <translation>%1 no es una carpeta en la que solo pueda entrar este usuario.</translation>
    </message>
    <message>
        <source>There is no private runtime folder ($XDG_RUNTIME_DIR), %1 is not this user&apos;s own private folder%2.</source>
        <extracomment>%2 is empty, or &quot;, and &lt;folder&gt; cannot be made one&quot;</extracomment>
        <translation>No hay carpeta privada de ejecución ($XDG_RUNTIME_DIR), %1 no es la carpeta privada de este usuario%2.</translation>
    </message>
    <message>
        <source>, and %1 cannot be made one</source>
        <extracomment>Completes &quot;... is not this user&apos;s own private folder%2.&quot;</extracomment>
        <translation>, y %1 no se puede convertir en una</translation>
    </message>
    <message>
        <source>The lock %1 cannot be made: %2.</source>
        <translation>No se puede crear el bloqueo %1: %2.</translation>
    </message>
    <message>
        <source>The lock %1 cannot be taken: %2.</source>
        <translation>No se puede tomar el bloqueo %1: %2.</translation>
    </message>
</context>
<context>
    <name>speech::TMSpeech</name>
    <message>
        <source>Speech Engine not initialized</source>
        <translation>El motor de voz no está inicializado</translation>
    </message>
    <message>
        <source>Specified Speech Engine not found</source>
        <translation>No se encuentra el motor de voz indicado</translation>
    </message>
    <message>
        <source>Speech Engine not selected</source>
        <translation>No se ha seleccionado ningún motor de voz</translation>
    </message>
    <message>
        <source>Can not open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; is played by a speech service that gives no sound back to this program: it can read aloud, but not into a WAV or MP3 file. Choose another voice to convert.</source>
        <translation>La voz «%1» la reproduce un servicio de voz que no devuelve el sonido a este programa: puede leer en voz alta, pero no a un archivo WAV o MP3. Elija otra voz para convertir.</translation>
    </message>
</context>
</TS>
