<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutSettingsPane</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Inkharbor works entirely on your computer. It has no account, makes no network connections and collects no data. Screenshots are processed in memory and never saved.</source>
        <translation>Inkharbor arbeitet vollständig auf Ihrem Rechner. Es braucht kein Konto, baut keine Netzwerkverbindungen auf und sammelt keine Daten. Bildschirmfotos werden nur im Speicher verarbeitet und nie gespeichert.</translation>
    </message>
    <message>
        <source>Your text leaves your computer only when you click Search the web: it then opens in your browser with the search engine you chose.</source>
        <translation>Ihr Text verlässt Ihren Rechner nur, wenn Sie auf „Im Web suchen“ klicken: Er öffnet sich dann in Ihrem Browser mit der gewählten Suchmaschine.</translation>
    </message>
    <message>
        <source>Writes an e-mail to Inkharbor&apos;s support</source>
        <translation>Schreibt eine E-Mail an den Support von Inkharbor</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
</context>
<context>
    <name>ApertiumTranslator</name>
    <message>
        <source>No translation between these languages is installed.</source>
        <translation>Für diese Sprachen ist keine Übersetzung installiert.</translation>
    </message>
    <message>
        <source>The translator (Apertium) is not installed.</source>
        <translation>Das Übersetzungsprogramm (Apertium) ist nicht installiert.</translation>
    </message>
    <message>
        <source>The translator could not be started.</source>
        <translation>Das Übersetzungsprogramm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The translation took too long.</source>
        <translation>Die Übersetzung hat zu lange gedauert.</translation>
    </message>
    <message>
        <source>The translation failed.</source>
        <translation>Die Übersetzung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The translation failed: %1</source>
        <translation>Die Übersetzung ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>AppCoordinator</name>
    <message>
        <source>Something went wrong</source>
        <translation>Etwas ist schiefgelaufen</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>No text found</source>
        <translation>Kein Text gefunden</translation>
    </message>
    <message>
        <source>Try zooming in or selecting a larger area.</source>
        <translation>Vergrößern Sie die Ansicht oder wählen Sie einen größeren Bereich.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n word(s)</source>
        <translation>
            <numerusform>%n Wort kopiert</numerusform>
            <numerusform>%n Wörter kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Look Up</source>
        <translation>Nachschlagen</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Im Web suchen</translation>
    </message>
    <message>
        <source>No QR code or barcode found</source>
        <translation>Kein QR-Code oder Strichcode gefunden</translation>
    </message>
    <message>
        <source>Try selecting a larger area around the code.</source>
        <translation>Wählen Sie einen größeren Bereich um den Code.</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Copied QR / barcode content</source>
        <translation>Inhalt des QR- oder Strichcodes kopiert</translation>
    </message>
</context>
<context>
    <name>BusyIndicator</name>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
</context>
<context>
    <name>CaptureProgress</name>
    <message>
        <source>Looking for codes…</source>
        <translation>Codes werden gesucht …</translation>
    </message>
    <message>
        <source>Reading the text…</source>
        <translation>Text wird gelesen …</translation>
    </message>
    <message>
        <source>Press Escape to cancel.</source>
        <translation>Mit Escape abbrechen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CaptureService</name>
    <message>
        <source>Inkharbor is not allowed to read the screen.</source>
        <translation>Inkharbor darf den Bildschirm nicht lesen.</translation>
    </message>
    <message>
        <source>The display the area was selected on is no longer connected.</source>
        <translation>Der Bildschirm, auf dem der Bereich gewählt wurde, ist nicht mehr angeschlossen.</translation>
    </message>
    <message>
        <source>The screen could not be read.</source>
        <translation>Der Bildschirm konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The selected area is too small to capture.</source>
        <translation>Der gewählte Bereich ist zu klein zum Erfassen.</translation>
    </message>
</context>
<context>
    <name>EspeakSpeechSynthesizer</name>
    <message>
        <source>The speech engine could not start: its voice data is missing.</source>
        <translation>Die Sprachausgabe konnte nicht starten: Ihre Stimmdaten fehlen.</translation>
    </message>
    <message>
        <source>Reading aloud (%1)</source>
        <translation>Vorlesen (%1)</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <translation>Vorlesen</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsPane</name>
    <message>
        <source>Launch at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Play a sound after copying</source>
        <translation>Nach dem Kopieren einen Ton abspielen</translation>
    </message>
    <message>
        <source>Always show the result window before copying</source>
        <translation>Vor dem Kopieren immer das Ergebnisfenster zeigen</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>Verlauf behalten</translation>
    </message>
    <message>
        <source>Search engine</source>
        <translation>Suchmaschine</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Last %1 captures</source>
        <translation>Letzte %1 Erfassungen</translation>
    </message>
</context>
<context>
    <name>HistoryListModel</name>
    <message>
        <source>Return copies. Speak, Look Up, Search the web and Delete are in the context menu.</source>
        <translation>Return kopiert. Vorlesen, Nachschlagen, Im Web suchen und Löschen stehen im Kontextmenü.</translation>
    </message>
    <message>
        <source>Return copies. Speak, Search the web and Delete are in the context menu.</source>
        <translation>Return kopiert. Vorlesen, Im Web suchen und Löschen stehen im Kontextmenü.</translation>
    </message>
</context>
<context>
    <name>HistoryListView</name>
    <message>
        <source>Captures</source>
        <translation>Erfassungen</translation>
    </message>
</context>
<context>
    <name>HistoryRow</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Look Up</source>
        <translation>Nachschlagen</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Im Web suchen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles leeren</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message numerus="yes">
        <source>%n capture(s)</source>
        <translation>
            <numerusform>%n Erfassung</numerusform>
            <numerusform>%n Erfassungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n capture(s)</source>
        <translation>
            <numerusform>%1 von %n Erfassung</numerusform>
            <numerusform>%1 von %n Erfassungen</numerusform>
        </translation>
    </message>
    <message>
        <source>No captures yet</source>
        <translation>Noch keine Erfassungen</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Keine Ergebnisse für „%1“</translation>
    </message>
    <message>
        <source>Check the spelling or try a new search.</source>
        <translation>Prüfen Sie die Schreibweise oder suchen Sie nach etwas anderem.</translation>
    </message>
    <message>
        <source>Delete all captures?</source>
        <translation>Alle Erfassungen löschen?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>InkharborApp</name>
    <message>
        <source>Could not open the history database: </source>
        <translation>Die Verlaufsdatenbank konnte nicht geöffnet werden: </translation>
    </message>
</context>
<context>
    <name>KeyBindings</name>
    <message>
        <source>Record Shortcut</source>
        <translation>Tastenkürzel aufnehmen</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Tastenkürzel drücken</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it&apos;s already used by the “%1” menu item.</source>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden, da es bereits vom Menüeintrag „%1“ belegt ist.</translation>
    </message>
    <message>
        <source>This keyboard shortcut is already used by the system or by another program.</source>
        <translation>Dieses Tastenkürzel wird bereits vom System oder von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Most system-wide shortcuts can be changed in your desktop&apos;s keyboard settings.</source>
        <translation>Die meisten systemweiten Tastenkürzel lassen sich in den Tastatureinstellungen Ihrer Arbeitsumgebung ändern.</translation>
    </message>
    <message>
        <source>Another program holds %1: it cannot be used until that program releases it.</source>
        <translation>Ein anderes Programm belegt %1: Das Tastenkürzel ist erst nutzbar, wenn dieses Programm es freigibt.</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used here.</source>
        <translation>Dieses Tastenkürzel kann hier nicht verwendet werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>Trotzdem verwenden</translation>
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
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>LookUpView</name>
    <message>
        <source>Definitions</source>
        <translation>Definitionen</translation>
    </message>
    <message>
        <source>Also: </source>
        <translation>Synonyme: </translation>
    </message>
    <message>
        <source>noun</source>
        <translation>Substantiv</translation>
    </message>
    <message>
        <source>verb</source>
        <translation>Verb</translation>
    </message>
    <message>
        <source>adjective</source>
        <translation>Adjektiv</translation>
    </message>
    <message>
        <source>adverb</source>
        <translation>Adverb</translation>
    </message>
</context>
<context>
    <name>LookUpWindow</name>
    <message>
        <source>No entry for the whole phrase; showing its words.</source>
        <translation>Kein Eintrag für den ganzen Ausdruck; die einzelnen Wörter werden gezeigt.</translation>
    </message>
    <message>
        <source>No definitions found for “%1”.</source>
        <translation>Keine Definitionen für „%1“ gefunden.</translation>
    </message>
    <message>
        <source>Look Up</source>
        <translation>Nachschlagen</translation>
    </message>
</context>
<context>
    <name>MenuBarContent</name>
    <message>
        <source>Capture Text</source>
        <translation>Text erfassen</translation>
    </message>
    <message>
        <source>Read QR / Barcode</source>
        <translation>QR- oder Strichcode lesen</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>Verlauf anzeigen …</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Help / Onboarding</source>
        <translation>Hilfe / Einführung</translation>
    </message>
    <message>
        <source>Quit Inkharbor</source>
        <translation>Inkharbor beenden</translation>
    </message>
</context>
<context>
    <name>MissingLanguagesSection</name>
    <message>
        <source>Not installed</source>
        <translation>Nicht installiert</translation>
    </message>
    <message>
        <source>Languages that are not installed</source>
        <translation>Nicht installierte Sprachen</translation>
    </message>
    <message>
        <source>These languages are read once their package is installed. Open the settings again afterwards to choose them.</source>
        <translation>Diese Sprachen werden gelesen, sobald ihr Paket installiert ist. Öffnen Sie danach die Einstellungen erneut, um sie auszuwählen.</translation>
    </message>
    <message>
        <source>Pick a language to see the command that installs it.</source>
        <translation>Wählen Sie eine Sprache, um den Befehl zu sehen, der sie installiert.</translation>
    </message>
    <message>
        <source>To read %1: %2</source>
        <translation>Für %1: %2</translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>This desktop shows no tray icons, so Inkharbor has no icon here. Open Inkharbor again from your applications to reach its settings, history and Quit.</source>
        <translation>Diese Arbeitsumgebung zeigt keine Symbole im Systembereich, daher hat Inkharbor hier kein Symbol. Öffnen Sie Inkharbor erneut aus Ihren Anwendungen, um Einstellungen, Verlauf und Beenden zu erreichen.</translation>
    </message>
    <message>
        <source>Copy text from anywhere on your screen</source>
        <translation>Text überall auf dem Bildschirm kopieren</translation>
    </message>
    <message>
        <source>Press a shortcut, drag a box over any image, video, PDF or app, and the text is copied. Everything happens on your computer — nothing is sent to the internet.</source>
        <translation>Drücken Sie ein Tastenkürzel, ziehen Sie einen Rahmen über ein Bild, ein Video, ein PDF oder eine Anwendung, und der Text ist kopiert. Alles geschieht auf Ihrem Rechner – nichts wird ins Internet gesendet.</translation>
    </message>
    <message numerus="yes">
        <source>Reads text in %n language(s)</source>
        <translation>
            <numerusform>Liest Text in %n Sprache</numerusform>
            <numerusform>Liest Text in %n Sprachen</numerusform>
        </translation>
    </message>
    <message>
        <source>More languages can be installed: Settings → Recognition lists them.</source>
        <translation>Weitere Sprachen lassen sich installieren: Einstellungen → Texterkennung führt sie auf.</translation>
    </message>
    <message>
        <source>Inkharbor lives in the system tray on your panel. Look for this icon: </source>
        <translation>Sie finden Inkharbor im Systembereich Ihrer Leiste an diesem Symbol: </translation>
    </message>
    <message>
        <source>Allow Screen Access</source>
        <translation>Bildschirmzugriff erlauben</translation>
    </message>
    <message>
        <source>Your desktop asks for this so Inkharbor can read the area you select. Screenshots stay in memory and are never saved or sent anywhere.</source>
        <translation>Ihre Arbeitsumgebung fragt danach, damit Inkharbor den gewählten Bereich lesen kann. Bildschirmfotos bleiben im Speicher und werden nie gespeichert oder versendet.</translation>
    </message>
    <message>
        <source>Permission granted</source>
        <translation>Zugriff erlaubt</translation>
    </message>
    <message>
        <source>Already turned on? Quit &amp;&amp; Reopen Inkharbor</source>
        <translation>Schon eingeschaltet? Inkharbor beenden &amp;&amp; neu öffnen</translation>
    </message>
    <message>
        <source>No permission needed</source>
        <translation>Keine Erlaubnis nötig</translation>
    </message>
    <message>
        <source>Inkharbor can read the area you select right away. Screenshots stay in memory and are never saved or sent anywhere.</source>
        <translation>Inkharbor kann den gewählten Bereich sofort lesen. Bildschirmfotos bleiben im Speicher und werden nie gespeichert oder versendet.</translation>
    </message>
    <message>
        <source>Try it now</source>
        <translation>Gleich ausprobieren</translation>
    </message>
    <message>
        <source>Press %1, then drag a box around the text below.</source>
        <translation>Drücken Sie %1 und ziehen Sie dann einen Rahmen um den Text unten.</translation>
    </message>
    <message>
        <source>your shortcut</source>
        <translation>Ihr Tastenkürzel</translation>
    </message>
    <message>
        <source>Try capturing this text with Inkharbor!</source>
        <translation>Erfassen Sie diesen Text mit Inkharbor!</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Paste it anywhere with %1.</source>
        <translation>Mit %1 fügen Sie ihn überall ein.</translation>
    </message>
    <message>
        <source>Waiting for your capture…</source>
        <translation>Warten auf Ihre Erfassung …</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Point at a language to see its name.</source>
        <translation>Zeigen Sie auf eine Sprache, um ihren Namen zu sehen.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Screen capture is not available</source>
        <translation>Bildschirmaufnahme ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Share the Screen…</source>
        <translation>Bildschirm freigeben …</translation>
    </message>
    <message>
        <source>Your desktop asks in its screen-sharing dialog: choose the screen and allow it.</source>
        <translation>Ihre Arbeitsumgebung fragt in ihrem Dialog zur Bildschirmfreigabe: Wählen Sie den Bildschirm und erlauben Sie die Freigabe.</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Welcome to Inkharbor</source>
        <translation>Willkommen bei Inkharbor</translation>
    </message>
</context>
<context>
    <name>Portal</name>
    <message>
        <source>This desktop lets no program set global shortcuts: bind the command in its keyboard settings instead.</source>
        <translation>Diese Arbeitsumgebung lässt kein Programm globale Tastenkürzel festlegen: Binden Sie den Befehl stattdessen in ihren Tastatureinstellungen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s portal failed: %1</source>
        <translation>Das Portal der Arbeitsumgebung ist gescheitert: %1</translation>
    </message>
    <message>
        <source>The desktop offers no portal for this (%1).</source>
        <translation>Die Arbeitsumgebung bietet dafür kein Portal (%1).</translation>
    </message>
    <message>
        <source>it did not answer in time.</source>
        <translation>es hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The request was refused.</source>
        <translation>Die Anfrage wurde abgelehnt.</translation>
    </message>
    <message>
        <source>the desktop ended the request (%1).</source>
        <translation>die Arbeitsumgebung hat die Anfrage beendet (%1).</translation>
    </message>
    <message>
        <source>This desktop offers no screen-sharing portal, so Inkharbor cannot read the screen. Install xdg-desktop-portal and your desktop&apos;s portal (xdg-desktop-portal-gnome, xdg-desktop-portal-kde or xdg-desktop-portal-wlr).</source>
        <translation>Diese Arbeitsumgebung bietet kein Portal zur Bildschirmfreigabe, daher kann Inkharbor den Bildschirm nicht lesen. Installieren Sie xdg-desktop-portal und das Portal Ihrer Arbeitsumgebung (xdg-desktop-portal-gnome, xdg-desktop-portal-kde oder xdg-desktop-portal-wlr).</translation>
    </message>
    <message>
        <source>The desktop shared no picture of the screen.</source>
        <translation>Die Arbeitsumgebung hat kein Bild des Bildschirms freigegeben.</translation>
    </message>
    <message>
        <source>This display was not shared with Inkharbor. Capture again and share every display when the desktop asks.</source>
        <translation>Dieser Bildschirm wurde nicht für Inkharbor freigegeben. Erfassen Sie erneut und geben Sie jeden Bildschirm frei, wenn die Arbeitsumgebung fragt.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screen-sharing portal opened no session.</source>
        <translation>Das Portal zur Bildschirmfreigabe hat keine Sitzung geöffnet.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screen-sharing portal gave no stream.</source>
        <translation>Das Portal zur Bildschirmfreigabe hat keinen Datenstrom geliefert.</translation>
    </message>
</context>
<context>
    <name>RecognitionSettingsPane</name>
    <message>
        <source>Detect language automatically</source>
        <translation>Sprache automatisch erkennen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Keep indentation (for code)</source>
        <translation>Einrückung beibehalten (für Code)</translation>
    </message>
    <message>
        <source>Fix words split across lines (infor- mation)</source>
        <translation>Getrennte Wörter am Zeilenende zusammenfügen (Infor- mation)</translation>
    </message>
    <message>
        <source>Custom words</source>
        <translation>Eigene Wörter</translation>
    </message>
    <message>
        <source>One per line: names, brands or jargon that Inkharbor should recognise.</source>
        <translation>Eines pro Zeile: Namen, Marken oder Fachbegriffe, die Inkharbor erkennen soll.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Inkharbor guesses the language of each capture before reading it.</source>
        <translation>Inkharbor bestimmt vor dem Lesen die Sprache jeder Erfassung.</translation>
    </message>
    <message>
        <source>Inkharbor reads only the languages you tick below.</source>
        <translation>Inkharbor liest nur die Sprachen, die Sie unten ankreuzen.</translation>
    </message>
</context>
<context>
    <name>ResultView</name>
    <message>
        <source>Speak</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Übersetzen</translation>
    </message>
    <message>
        <source>Look Up</source>
        <translation>Nachschlagen</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Im Web suchen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Recognized text</source>
        <translation>Erkannter Text</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Recognized Text</source>
        <translation>Erkannter Text</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message>
        <source>Could not search the web</source>
        <translation>Websuche nicht möglich</translation>
    </message>
    <message>
        <source>Could not open the link</source>
        <translation>Der Link konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No web browser was found on this desktop.</source>
        <translation>Auf diesem System wurde kein Webbrowser gefunden.</translation>
    </message>
    <message>
        <source>The desktop did not open the web browser.</source>
        <translation>Die Arbeitsumgebung hat den Webbrowser nicht geöffnet.</translation>
    </message>
    <message>
        <source>Could not open the dictionary</source>
        <translation>Das Wörterbuch konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Showing the definitions here instead.</source>
        <translation>Die Definitionen werden stattdessen hier gezeigt.</translation>
    </message>
    <message>
        <source>Could not look up the term</source>
        <translation>Der Begriff konnte nicht nachgeschlagen werden</translation>
    </message>
</context>
<context>
    <name>SelectionView</name>
    <message>
        <source>Drag to select an area. Press Escape to cancel.</source>
        <translation>Ziehen Sie einen Bereich auf. Mit Escape abbrechen.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Recognition</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Show History…</source>
        <translation>Verlauf anzeigen …</translation>
    </message>
    <message>
        <source>Help / Onboarding</source>
        <translation>Hilfe / Einführung</translation>
    </message>
    <message>
        <source>Quit Inkharbor</source>
        <translation>Inkharbor beenden</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Inkharbor Settings</source>
        <translation>Inkharbor-Einstellungen</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsPane</name>
    <message>
        <source>Capture text:</source>
        <translation>Text erfassen:</translation>
    </message>
    <message>
        <source>Read QR / barcode:</source>
        <translation>QR- oder Strichcode lesen:</translation>
    </message>
    <message>
        <source>This desktop lets no program take key combinations for itself, so these shortcuts do nothing here. In your desktop&apos;s keyboard settings, add a shortcut for each command instead:
inkharbor --capture-text
inkharbor --capture-barcode</source>
        <translation>Diese Arbeitsumgebung lässt kein Programm Tastenkombinationen für sich belegen, daher bewirken diese Tastenkürzel hier nichts. Legen Sie stattdessen in den Tastatureinstellungen Ihrer Arbeitsumgebung für jeden Befehl ein Tastenkürzel an:
inkharbor --capture-text
inkharbor --capture-barcode</translation>
    </message>
    <message>
        <source>Your desktop keeps these shortcuts: it may ask you to confirm a new one, and you can change them in its keyboard settings.</source>
        <translation>Ihre Arbeitsumgebung verwaltet diese Tastenkürzel: Sie fragt eventuell nach, bevor sie ein neues übernimmt, und Sie können sie in ihren Tastatureinstellungen ändern.</translation>
    </message>
    <message>
        <source>%1: the desktop runs it with %2.</source>
        <translation>%1: Die Arbeitsumgebung startet es mit %2.</translation>
    </message>
    <message>
        <source>%1: not bound by the desktop yet.</source>
        <translation>%1: Von der Arbeitsumgebung noch nicht zugewiesen.</translation>
    </message>
</context>
<context>
    <name>SoundDevices</name>
    <message>
        <source>No sound device was found.</source>
        <translation>Es wurde kein Audiogerät gefunden.</translation>
    </message>
</context>
<context>
    <name>SpeechService</name>
    <message>
        <source>Could not read the text aloud</source>
        <translation>Der Text konnte nicht vorgelesen werden</translation>
    </message>
</context>
<context>
    <name>StepIndicator</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
</context>
<context>
    <name>TranslationPopover</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>Wird übersetzt …</translation>
    </message>
    <message>
        <source>This text cannot be translated into your language.</source>
        <translation>Dieser Text kann nicht in Ihre Sprache übersetzt werden.</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>Translation failed</source>
        <translation>Übersetzung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>TranslationService</name>
    <message>
        <source>This text cannot be translated into your language.</source>
        <translation>Dieser Text kann nicht in Ihre Sprache übersetzt werden.</translation>
    </message>
</context>
<context>
    <name>WordNetDictionary</name>
    <message>
        <source>The dictionary database could not be opened.</source>
        <translation>Die Wörterbuchdatenbank konnte nicht geöffnet werden.</translation>
    </message>
</context>
</TS>
