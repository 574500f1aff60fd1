<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutSettingsPane</name>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Inkharbor works entirely on your computer. It has no account, makes no network connections and collects no data. Screenshots are processed in memory and never saved.</source>
        <translation>Inkharbor funciona por completo en su equipo. No usa ninguna cuenta, no establece conexiones de red y no recopila datos. Las capturas de pantalla se procesan en memoria y nunca se guardan.</translation>
    </message>
    <message>
        <source>Your text leaves your computer only when you click Search the web: it then opens in your browser with the search engine you chose.</source>
        <translation>Su texto solo sale de su equipo cuando hace clic en «Buscar en la web»: entonces se abre en su navegador con el motor de búsqueda que eligió.</translation>
    </message>
    <message>
        <source>Writes an e-mail to Inkharbor&apos;s support</source>
        <translation>Escribe un correo electrónico al soporte de Inkharbor</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
</context>
<context>
    <name>ApertiumTranslator</name>
    <message>
        <source>No translation between these languages is installed.</source>
        <translation>No hay ninguna traducción instalada entre estos idiomas.</translation>
    </message>
    <message>
        <source>The translator (Apertium) is not installed.</source>
        <translation>El traductor (Apertium) no está instalado.</translation>
    </message>
    <message>
        <source>The translator could not be started.</source>
        <translation>No se pudo iniciar el traductor.</translation>
    </message>
    <message>
        <source>The translation took too long.</source>
        <translation>La traducción tardó demasiado.</translation>
    </message>
    <message>
        <source>The translation failed.</source>
        <translation>La traducción falló.</translation>
    </message>
    <message>
        <source>The translation failed: %1</source>
        <translation>La traducción falló: %1</translation>
    </message>
</context>
<context>
    <name>AppCoordinator</name>
    <message>
        <source>Something went wrong</source>
        <translation>Algo salió mal</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Se produjo un error desconocido.</translation>
    </message>
    <message>
        <source>No text found</source>
        <translation>No se encontró texto</translation>
    </message>
    <message>
        <source>Try zooming in or selecting a larger area.</source>
        <translation>Pruebe a ampliar la vista o a seleccionar un área más grande.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n word(s)</source>
        <translation>
            <numerusform>%n palabra copiada</numerusform>
            <numerusform>%n palabras copiadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Look Up</source>
        <translation>Consultar</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Buscar en la web</translation>
    </message>
    <message>
        <source>No QR code or barcode found</source>
        <translation>No se encontró ningún código QR ni de barras</translation>
    </message>
    <message>
        <source>Try selecting a larger area around the code.</source>
        <translation>Pruebe a seleccionar un área más grande alrededor del código.</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>Copied QR / barcode content</source>
        <translation>Contenido del código QR o de barras copiado</translation>
    </message>
</context>
<context>
    <name>BusyIndicator</name>
    <message>
        <source>Working</source>
        <translation>Procesando</translation>
    </message>
</context>
<context>
    <name>CaptureProgress</name>
    <message>
        <source>Looking for codes…</source>
        <translation>Buscando códigos…</translation>
    </message>
    <message>
        <source>Reading the text…</source>
        <translation>Leyendo el texto…</translation>
    </message>
    <message>
        <source>Press Escape to cancel.</source>
        <translation>Pulse Escape para cancelar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CaptureService</name>
    <message>
        <source>Inkharbor is not allowed to read the screen.</source>
        <translation>Inkharbor no tiene permiso para leer la pantalla.</translation>
    </message>
    <message>
        <source>The display the area was selected on is no longer connected.</source>
        <translation>La pantalla en la que se seleccionó el área ya no está conectada.</translation>
    </message>
    <message>
        <source>The screen could not be read.</source>
        <translation>No se pudo leer la pantalla.</translation>
    </message>
    <message>
        <source>The selected area is too small to capture.</source>
        <translation>El área seleccionada es demasiado pequeña para capturarla.</translation>
    </message>
</context>
<context>
    <name>EspeakSpeechSynthesizer</name>
    <message>
        <source>The speech engine could not start: its voice data is missing.</source>
        <translation>El motor de voz no pudo iniciarse: faltan sus datos de voz.</translation>
    </message>
    <message>
        <source>Reading aloud (%1)</source>
        <translation>Lectura en voz alta (%1)</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <translation>Lectura en voz alta</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsPane</name>
    <message>
        <source>Launch at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Play a sound after copying</source>
        <translation>Reproducir un sonido al copiar</translation>
    </message>
    <message>
        <source>Always show the result window before copying</source>
        <translation>Mostrar siempre la ventana de resultado antes de copiar</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>Conservar el historial</translation>
    </message>
    <message>
        <source>Search engine</source>
        <translation>Motor de búsqueda</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Last %1 captures</source>
        <translation>Últimas %1 capturas</translation>
    </message>
</context>
<context>
    <name>HistoryListModel</name>
    <message>
        <source>Return copies. Speak, Look Up, Search the web and Delete are in the context menu.</source>
        <translation>Return copia. Leer en voz alta, Consultar, Buscar en la web y Eliminar están en el menú contextual.</translation>
    </message>
    <message>
        <source>Return copies. Speak, Search the web and Delete are in the context menu.</source>
        <translation>Return copia. Leer en voz alta, Buscar en la web y Eliminar están en el menú contextual.</translation>
    </message>
</context>
<context>
    <name>HistoryListView</name>
    <message>
        <source>Captures</source>
        <translation>Capturas</translation>
    </message>
</context>
<context>
    <name>HistoryRow</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Look Up</source>
        <translation>Consultar</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Buscar en la web</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message numerus="yes">
        <source>%n capture(s)</source>
        <translation>
            <numerusform>%n captura</numerusform>
            <numerusform>%n capturas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n capture(s)</source>
        <translation>
            <numerusform>%1 de %n captura</numerusform>
            <numerusform>%1 de %n capturas</numerusform>
        </translation>
    </message>
    <message>
        <source>No captures yet</source>
        <translation>Aún no hay capturas</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>No hay resultados para «%1»</translation>
    </message>
    <message>
        <source>Check the spelling or try a new search.</source>
        <translation>Revise la ortografía o pruebe con otra búsqueda.</translation>
    </message>
    <message>
        <source>Delete all captures?</source>
        <translation>¿Eliminar todas las capturas?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar todo</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>InkharborApp</name>
    <message>
        <source>Could not open the history database: </source>
        <translation>No se pudo abrir la base de datos del historial: </translation>
    </message>
</context>
<context>
    <name>KeyBindings</name>
    <message>
        <source>Record Shortcut</source>
        <translation>Grabar atajo</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Pulse el atajo</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it&apos;s already used by the “%1” menu item.</source>
        <translation>Este atajo de teclado no se puede usar porque ya lo usa el elemento de menú «%1».</translation>
    </message>
    <message>
        <source>This keyboard shortcut is already used by the system or by another program.</source>
        <translation>Este atajo de teclado ya lo usa el sistema u otro programa.</translation>
    </message>
    <message>
        <source>Most system-wide shortcuts can be changed in your desktop&apos;s keyboard settings.</source>
        <translation>La mayoría de los atajos de todo el sistema se pueden cambiar en la configuración del teclado de su escritorio.</translation>
    </message>
    <message>
        <source>Another program holds %1: it cannot be used until that program releases it.</source>
        <translation>Otro programa ocupa %1: no se puede usar hasta que ese programa lo libere.</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used here.</source>
        <translation>Este atajo de teclado no se puede usar aquí.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>Usar de todos modos</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Fn</source>
        <translation>Fn</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>LookUpView</name>
    <message>
        <source>Definitions</source>
        <translation>Definiciones</translation>
    </message>
    <message>
        <source>Also: </source>
        <translation>Sinónimos: </translation>
    </message>
    <message>
        <source>noun</source>
        <translation>sustantivo</translation>
    </message>
    <message>
        <source>verb</source>
        <translation>verbo</translation>
    </message>
    <message>
        <source>adjective</source>
        <translation>adjetivo</translation>
    </message>
    <message>
        <source>adverb</source>
        <translation>adverbio</translation>
    </message>
</context>
<context>
    <name>LookUpWindow</name>
    <message>
        <source>No entry for the whole phrase; showing its words.</source>
        <translation>No hay ninguna entrada para la frase completa; se muestran sus palabras.</translation>
    </message>
    <message>
        <source>No definitions found for “%1”.</source>
        <translation>No se encontraron definiciones para «%1».</translation>
    </message>
    <message>
        <source>Look Up</source>
        <translation>Consultar</translation>
    </message>
</context>
<context>
    <name>MenuBarContent</name>
    <message>
        <source>Capture Text</source>
        <translation>Capturar texto</translation>
    </message>
    <message>
        <source>Read QR / Barcode</source>
        <translation>Leer código QR o de barras</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>Mostrar historial…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Help / Onboarding</source>
        <translation>Ayuda / Introducción</translation>
    </message>
    <message>
        <source>Quit Inkharbor</source>
        <translation>Salir de Inkharbor</translation>
    </message>
</context>
<context>
    <name>MissingLanguagesSection</name>
    <message>
        <source>Not installed</source>
        <translation>No instalados</translation>
    </message>
    <message>
        <source>Languages that are not installed</source>
        <translation>Idiomas no instalados</translation>
    </message>
    <message>
        <source>These languages are read once their package is installed. Open the settings again afterwards to choose them.</source>
        <translation>Estos idiomas se leen en cuanto se instala su paquete. Después, vuelva a abrir la configuración para elegirlos.</translation>
    </message>
    <message>
        <source>Pick a language to see the command that installs it.</source>
        <translation>Elija un idioma para ver el comando que lo instala.</translation>
    </message>
    <message>
        <source>To read %1: %2</source>
        <translation>Para leer %1: %2</translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>This desktop shows no tray icons, so Inkharbor has no icon here. Open Inkharbor again from your applications to reach its settings, history and Quit.</source>
        <translation>Este escritorio no muestra iconos en la bandeja del sistema, así que Inkharbor no tiene icono aquí. Vuelva a abrir Inkharbor desde sus aplicaciones para llegar a la configuración, el historial y Salir.</translation>
    </message>
    <message>
        <source>Copy text from anywhere on your screen</source>
        <translation>Copie texto de cualquier parte de la pantalla</translation>
    </message>
    <message>
        <source>Press a shortcut, drag a box over any image, video, PDF or app, and the text is copied. Everything happens on your computer — nothing is sent to the internet.</source>
        <translation>Pulse un atajo, arrastre un recuadro sobre cualquier imagen, video, PDF o aplicación, y el texto queda copiado. Todo ocurre en su equipo: no se envía nada a internet.</translation>
    </message>
    <message numerus="yes">
        <source>Reads text in %n language(s)</source>
        <translation>
            <numerusform>Lee texto en %n idioma</numerusform>
            <numerusform>Lee texto en %n idiomas</numerusform>
        </translation>
    </message>
    <message>
        <source>More languages can be installed: Settings → Recognition lists them.</source>
        <translation>Se pueden instalar más idiomas: aparecen en Configuración → Reconocimiento.</translation>
    </message>
    <message>
        <source>Inkharbor lives in the system tray on your panel. Look for this icon: </source>
        <translation>Inkharbor está en la bandeja del sistema de su panel. Busque este icono: </translation>
    </message>
    <message>
        <source>Allow Screen Access</source>
        <translation>Permitir el acceso a la pantalla</translation>
    </message>
    <message>
        <source>Your desktop asks for this so Inkharbor can read the area you select. Screenshots stay in memory and are never saved or sent anywhere.</source>
        <translation>Su escritorio lo pide para que Inkharbor pueda leer el área que seleccione. Las capturas de pantalla se quedan en memoria y nunca se guardan ni se envían a ninguna parte.</translation>
    </message>
    <message>
        <source>Permission granted</source>
        <translation>Permiso concedido</translation>
    </message>
    <message>
        <source>Already turned on? Quit &amp;&amp; Reopen Inkharbor</source>
        <translation>¿Ya está activado? Cerrar y volver a abrir Inkharbor</translation>
    </message>
    <message>
        <source>No permission needed</source>
        <translation>No se necesita ningún permiso</translation>
    </message>
    <message>
        <source>Inkharbor can read the area you select right away. Screenshots stay in memory and are never saved or sent anywhere.</source>
        <translation>Inkharbor puede leer de inmediato el área que seleccione. Las capturas de pantalla se quedan en memoria y nunca se guardan ni se envían a ninguna parte.</translation>
    </message>
    <message>
        <source>Try it now</source>
        <translation>Pruébelo ahora</translation>
    </message>
    <message>
        <source>Press %1, then drag a box around the text below.</source>
        <translation>Pulse %1 y luego arrastre un recuadro alrededor del texto de abajo.</translation>
    </message>
    <message>
        <source>your shortcut</source>
        <translation>su atajo</translation>
    </message>
    <message>
        <source>Try capturing this text with Inkharbor!</source>
        <translation>¡Capture este texto con Inkharbor!</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiado al portapapeles</translation>
    </message>
    <message>
        <source>Paste it anywhere with %1.</source>
        <translation>Péguelo en cualquier parte con %1.</translation>
    </message>
    <message>
        <source>Waiting for your capture…</source>
        <translation>Esperando su captura…</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Point at a language to see its name.</source>
        <translation>Señale un idioma para ver su nombre.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Screen capture is not available</source>
        <translation>La captura de pantalla no está disponible</translation>
    </message>
    <message>
        <source>Share the Screen…</source>
        <translation>Compartir la pantalla…</translation>
    </message>
    <message>
        <source>Your desktop asks in its screen-sharing dialog: choose the screen and allow it.</source>
        <translation>Su escritorio pregunta en su diálogo para compartir la pantalla: elija la pantalla y permítalo.</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Welcome to Inkharbor</source>
        <translation>Le damos la bienvenida a Inkharbor</translation>
    </message>
</context>
<context>
    <name>Portal</name>
    <message>
        <source>This desktop lets no program set global shortcuts: bind the command in its keyboard settings instead.</source>
        <translation>Este escritorio no permite a ningún programa definir atajos globales: asigne el comando en su configuración de teclado.</translation>
    </message>
    <message>
        <source>The desktop&apos;s portal failed: %1</source>
        <translation>El portal del escritorio falló: %1</translation>
    </message>
    <message>
        <source>The desktop offers no portal for this (%1).</source>
        <translation>El escritorio no ofrece ningún portal para esto (%1).</translation>
    </message>
    <message>
        <source>it did not answer in time.</source>
        <translation>no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The request was refused.</source>
        <translation>La solicitud fue rechazada.</translation>
    </message>
    <message>
        <source>the desktop ended the request (%1).</source>
        <translation>el escritorio terminó la solicitud (%1).</translation>
    </message>
    <message>
        <source>This desktop offers no screen-sharing portal, so Inkharbor cannot read the screen. Install xdg-desktop-portal and your desktop&apos;s portal (xdg-desktop-portal-gnome, xdg-desktop-portal-kde or xdg-desktop-portal-wlr).</source>
        <translation>Este escritorio no ofrece ningún portal para compartir la pantalla, así que Inkharbor no puede leerla. Instale xdg-desktop-portal y el portal de su escritorio (xdg-desktop-portal-gnome, xdg-desktop-portal-kde o xdg-desktop-portal-wlr).</translation>
    </message>
    <message>
        <source>The desktop shared no picture of the screen.</source>
        <translation>El escritorio no compartió ninguna imagen de la pantalla.</translation>
    </message>
    <message>
        <source>This display was not shared with Inkharbor. Capture again and share every display when the desktop asks.</source>
        <translation>Esta pantalla no se compartió con Inkharbor. Capture de nuevo y comparta todas las pantallas cuando el escritorio lo pregunte.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screen-sharing portal opened no session.</source>
        <translation>El portal para compartir la pantalla no abrió ninguna sesión.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screen-sharing portal gave no stream.</source>
        <translation>El portal para compartir la pantalla no entregó ningún flujo.</translation>
    </message>
</context>
<context>
    <name>RecognitionSettingsPane</name>
    <message>
        <source>Detect language automatically</source>
        <translation>Detectar el idioma automáticamente</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Keep indentation (for code)</source>
        <translation>Conservar la sangría (para código)</translation>
    </message>
    <message>
        <source>Fix words split across lines (infor- mation)</source>
        <translation>Unir palabras cortadas entre líneas (infor- mación)</translation>
    </message>
    <message>
        <source>Custom words</source>
        <translation>Palabras personalizadas</translation>
    </message>
    <message>
        <source>One per line: names, brands or jargon that Inkharbor should recognise.</source>
        <translation>Una por línea: nombres, marcas o jerga que Inkharbor debe reconocer.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Inkharbor guesses the language of each capture before reading it.</source>
        <translation>Inkharbor deduce el idioma de cada captura antes de leerla.</translation>
    </message>
    <message>
        <source>Inkharbor reads only the languages you tick below.</source>
        <translation>Inkharbor solo lee los idiomas que marque abajo.</translation>
    </message>
</context>
<context>
    <name>ResultView</name>
    <message>
        <source>Speak</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Traducir</translation>
    </message>
    <message>
        <source>Look Up</source>
        <translation>Consultar</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Buscar en la web</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Recognized text</source>
        <translation>Texto reconocido</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Recognized Text</source>
        <translation>Texto reconocido</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message>
        <source>Could not search the web</source>
        <translation>No se pudo buscar en la web</translation>
    </message>
    <message>
        <source>Could not open the link</source>
        <translation>No se pudo abrir el enlace</translation>
    </message>
    <message>
        <source>No web browser was found on this desktop.</source>
        <translation>No se encontró ningún navegador web en este escritorio.</translation>
    </message>
    <message>
        <source>The desktop did not open the web browser.</source>
        <translation>El escritorio no abrió el navegador web.</translation>
    </message>
    <message>
        <source>Could not open the dictionary</source>
        <translation>No se pudo abrir el diccionario</translation>
    </message>
    <message>
        <source>Showing the definitions here instead.</source>
        <translation>En su lugar, las definiciones se muestran aquí.</translation>
    </message>
    <message>
        <source>Could not look up the term</source>
        <translation>No se pudo consultar el término</translation>
    </message>
</context>
<context>
    <name>SelectionView</name>
    <message>
        <source>Drag to select an area. Press Escape to cancel.</source>
        <translation>Arrastre para seleccionar un área. Pulse Escape para cancelar.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Recognition</source>
        <translation>Reconocimiento</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>Mostrar historial…</translation>
    </message>
    <message>
        <source>Help / Onboarding</source>
        <translation>Ayuda / Introducción</translation>
    </message>
    <message>
        <source>Quit Inkharbor</source>
        <translation>Salir de Inkharbor</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Inkharbor Settings</source>
        <translation>Configuración de Inkharbor</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsPane</name>
    <message>
        <source>Capture text:</source>
        <translation>Capturar texto:</translation>
    </message>
    <message>
        <source>Read QR / barcode:</source>
        <translation>Leer código QR o de barras:</translation>
    </message>
    <message>
        <source>This desktop lets no program take key combinations for itself, so these shortcuts do nothing here. In your desktop&apos;s keyboard settings, add a shortcut for each command instead:
inkharbor --capture-text
inkharbor --capture-barcode</source>
        <translation>Este escritorio no permite que ningún programa reserve combinaciones de teclas, así que estos atajos no hacen nada aquí. En la configuración de teclado de su escritorio, añada un atajo para cada orden:
inkharbor --capture-text
inkharbor --capture-barcode</translation>
    </message>
    <message>
        <source>Your desktop keeps these shortcuts: it may ask you to confirm a new one, and you can change them in its keyboard settings.</source>
        <translation>Tu escritorio guarda estos atajos: puede pedirte que confirmes uno nuevo y puedes cambiarlos en su configuración de teclado.</translation>
    </message>
    <message>
        <source>%1: the desktop runs it with %2.</source>
        <translation>%1: el escritorio lo ejecuta con %2.</translation>
    </message>
    <message>
        <source>%1: not bound by the desktop yet.</source>
        <translation>%1: el escritorio aún no lo ha asignado.</translation>
    </message>
</context>
<context>
    <name>SoundDevices</name>
    <message>
        <source>No sound device was found.</source>
        <translation>No se encontró ningún dispositivo de sonido.</translation>
    </message>
</context>
<context>
    <name>SpeechService</name>
    <message>
        <source>Could not read the text aloud</source>
        <translation>No se pudo leer el texto en voz alta</translation>
    </message>
</context>
<context>
    <name>StepIndicator</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
</context>
<context>
    <name>TranslationPopover</name>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>Traduciendo…</translation>
    </message>
    <message>
        <source>This text cannot be translated into your language.</source>
        <translation>Este texto no se puede traducir a su idioma.</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>Translation failed</source>
        <translation>Error en la traducción</translation>
    </message>
</context>
<context>
    <name>TranslationService</name>
    <message>
        <source>This text cannot be translated into your language.</source>
        <translation>Este texto no se puede traducir a su idioma.</translation>
    </message>
</context>
<context>
    <name>WordNetDictionary</name>
    <message>
        <source>The dictionary database could not be opened.</source>
        <translation>No se pudo abrir la base de datos del diccionario.</translation>
    </message>
</context>
</TS>
