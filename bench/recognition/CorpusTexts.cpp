#include "CorpusTexts.h"

namespace {

const char* const englishInterface[] = {
    "File  Edit  View  Insert  Format  Tools  Help",
    "Save changes to the document before closing?",
    "Your changes will be lost if you don't save them.",
    "Cancel",
    "Don't Save",
    "Open Recent",
    "Show hidden files",
    "Sort by date modified",
    "Downloads",
    "Documents",
    "quarterly-report-2023.pdf",
    "Last modified: Tuesday, 14 March 2023 at 09:41",
    "Size: 2.4 MB (2,431,880 bytes)",
    "Connected to the network",
    "Battery: 78% remaining (3:12)",
    "Check for updates automatically",
    "A new version is available. Restart to install it.",
    "Settings",
    "General",
    "Appearance",
    "Notifications",
    "Privacy and Security",
    "Keyboard Shortcuts",
    "Default browser",
    "Use dark theme",
    "Reply to all",
    "Forward",
    "Inbox (12)",
    "Re: Meeting notes from Thursday",
    "Hi Anna, thanks for sending the slides over.",
    "Could we move the review to next Monday afternoon?",
    "Sent from my phone",
    "Search or enter address",
    "New Tab",
    "Bookmarks",
    "Page not found",
    "The requested URL was not found on this server.",
    "Sign in to continue",
    "Forgot your password?",
    "Remember me on this computer",
    "Terms of Service and Privacy Policy",
    "Order total: $84.97 (including tax)",
    "Estimated delivery: Friday, June 2",
    "Add to cart",
    "Customer reviews",
    "4.6 out of 5 stars",
    "Free shipping on orders over $35",
    "Install",
    "Uninstall",
    "Requires 1.2 GB of free space",
    "Are you sure you want to delete this item?",
    "This action cannot be undone.",
    "Move to Trash",
    "Empty Trash",
    "Printer is offline",
    "Select a destination",
    "Copy link address",
    "Paste and Match Style",
    "Zoom in",
    "Actual Size",
    "Enter full screen",
    "Minimize all windows",
    "Calendar",
    "Today at 3:30 PM: Design review",
    "Tomorrow: Dentist appointment",
    "Weather: Partly cloudy, 18 degrees",
    "Volume",
    "Display brightness",
    "Wi-Fi networks",
    "Bluetooth is turned off",
    "Shared with you",
    "Upload files or folders",
    "Storage almost full",
    "Manage storage",
    "Account settings",
    "Change password",
    "Two-factor authentication is enabled",
    "Log out",
    "git commit -m \"Fix crash when the list is empty\"",
    "3 files changed, 42 insertions(+), 7 deletions(-)",
    "Running tests... 128 passed, 0 failed",
    "Build finished in 12.8 seconds",
    "warning: unused variable 'count'",
    "Press Enter to continue or Escape to cancel.",
    "Version 4.2.1 (build 1187)",
    "Copyright 2024 Example Software Ltd.",
    "Don’t show this message again",
    "You’re all set!",
    "Can’t connect to “Office-5G”",
    "Open “Budget 2024.xlsx” in a new window?",
};

const char* const germanInterface[] = {
    "Datei  Bearbeiten  Ansicht  Einfügen  Extras  Hilfe",
    "Möchten Sie die Änderungen vor dem Schließen speichern?",
    "Ihre Änderungen gehen verloren, wenn Sie nicht speichern.",
    "Abbrechen",
    "Nicht speichern",
    "Zuletzt geöffnet",
    "Versteckte Dateien anzeigen",
    "Nach Änderungsdatum sortieren",
    "Einstellungen",
    "Erscheinungsbild",
    "Benachrichtigungen",
    "Datenschutz und Sicherheit",
    "Tastenkürzel",
    "Dunkles Design verwenden",
    "Allen antworten",
    "Weiterleiten",
    "Posteingang (12)",
    "Nach Updates automatisch suchen",
    "Eine neue Version ist verfügbar. Neustart zum Installieren.",
    "Sind Sie sicher, dass Sie dieses Element löschen möchten?",
    "Diese Aktion kann nicht rückgängig gemacht werden.",
    "In den Papierkorb verschieben",
    "Drucker ist nicht verbunden",
    "Speicherplatz fast voll",
    "Passwort ändern",
    "Abmelden",
    "Größe: 2,4 MB (2.431.880 Bytes)",
    "Zuletzt geändert: Dienstag, 14. März 2023 um 09:41",
};

const char* const frenchInterface[] = {
    "Fichier  Édition  Affichage  Insertion  Outils  Aide",
    "Enregistrer les modifications avant de fermer ?",
    "Vos modifications seront perdues si vous ne les enregistrez pas.",
    "Annuler",
    "Ne pas enregistrer",
    "Ouvrir un fichier récent",
    "Afficher les fichiers cachés",
    "Trier par date de modification",
    "Paramètres",
    "Apparence",
    "Notifications",
    "Confidentialité et sécurité",
    "Raccourcis clavier",
    "Utiliser le thème sombre",
    "Répondre à tous",
    "Transférer",
    "Boîte de réception (12)",
    "Rechercher automatiquement les mises à jour",
    "Une nouvelle version est disponible. Redémarrez pour l'installer.",
    "Voulez-vous vraiment supprimer cet élément ?",
    "Cette action est irréversible.",
    "Déplacer vers la corbeille",
    "L'imprimante est hors ligne",
    "Espace de stockage presque plein",
    "Modifier le mot de passe",
    "Se déconnecter",
    "Taille : 2,4 Mo (2 431 880 octets)",
    "Dernière modification : mardi 14 mars 2023 à 09:41",
};

const char* const spanishInterface[] = {
    "Archivo  Editar  Ver  Insertar  Herramientas  Ayuda",
    "¿Guardar los cambios antes de cerrar?",
    "Sus cambios se perderán si no los guarda.",
    "Cancelar",
    "No guardar",
    "Abrir reciente",
    "Mostrar archivos ocultos",
    "Ordenar por fecha de modificación",
    "Configuración",
    "Apariencia",
    "Notificaciones",
    "Privacidad y seguridad",
    "Atajos de teclado",
    "Usar el tema oscuro",
    "Responder a todos",
    "Reenviar",
    "Bandeja de entrada (12)",
    "Buscar actualizaciones automáticamente",
    "Hay una nueva versión disponible. Reinicie para instalarla.",
    "¿Está seguro de que desea eliminar este elemento?",
    "Esta acción no se puede deshacer.",
    "Mover a la papelera",
    "La impresora está desconectada",
    "El almacenamiento está casi lleno",
    "Cambiar la contraseña",
    "Cerrar sesión",
    "Tamaño: 2,4 MB (2.431.880 bytes)",
    "Última modificación: martes, 14 de marzo de 2023 a las 09:41",
};

const char* const hebrewInterface[] = {
    "קובץ  עריכה  תצוגה  עזרה",
    "האם לשמור את השינויים לפני הסגירה?",
    "השינויים יאבדו אם לא תשמור אותם.",
    "ביטול",
    "הגדרות",
    "התראות",
    "פרטיות ואבטחה",
    "השתמש בערכת נושא כהה",
    "השב לכולם",
    "תיבת דואר נכנס",
    "גרסה חדשה זמינה. הפעל מחדש כדי להתקין אותה.",
    "האם אתה בטוח שברצונך למחוק את הפריט הזה?",
    "לא ניתן לבטל פעולה זו.",
    "המדפסת אינה מחוברת",
    "שינוי סיסמה",
    "התנתקות",
};

const char* const arabicInterface[] = {
    "ملف  تحرير  عرض  مساعدة",
    "هل تريد حفظ التغييرات قبل الإغلاق؟",
    "ستفقد التغييرات إذا لم تقم بحفظها.",
    "إلغاء",
    "الإعدادات",
    "الإشعارات",
    "الخصوصية والأمان",
    "استخدام المظهر الداكن",
    "الرد على الكل",
    "البريد الوارد",
    "يتوفر إصدار جديد. أعد التشغيل لتثبيته.",
    "هل أنت متأكد من أنك تريد حذف هذا العنصر؟",
    "لا يمكن التراجع عن هذا الإجراء.",
    "الطابعة غير متصلة",
    "تغيير كلمة المرور",
    "تسجيل الخروج",
};

const char* const englishParagraphs[] = {
    "The library will be closed on Monday for the public holiday. Books that are due during "
    "the closure can be returned on Tuesday without a late fee. Online services, including "
    "renewals and reservations, remain available as usual.",
    "To reset your password, open the sign-in page and choose the link below the password "
    "field. We will send a message with a confirmation code to the address on your account. "
    "The code expires after fifteen minutes.",
    "Most of the migration ran without problems. Two tables needed a manual fix because "
    "their indexes were created with an older version of the schema, and one job was "
    "restarted after it ran out of memory on the smaller server.",
    "Thank you for your order. Your package has left our warehouse and should arrive within "
    "three to five working days. You can follow its progress at any time from the orders "
    "page of your account.",
    "The river rises in the hills north of the town and flows south through farmland before "
    "it reaches the sea. In spring the water is cold and fast, and the old bridge near the "
    "mill is closed to cars until the level falls again.",
    "Please read the following instructions carefully before you begin. Each question has "
    "only one correct answer. Mark your choice clearly, and if you change your mind, erase "
    "the first mark completely so that it cannot be read.",
    "When the application starts for the first time, it asks for permission to read the "
    "screen. Without that permission it can still open files and show the history, but it "
    "cannot capture any new text until access is granted.",
    "Our team spent the last quarter improving search. Results now appear about twice as "
    "fast, typing mistakes are corrected more often, and filters for date, size and author "
    "can be combined in a single query.",
    "“It’s the small things,” she said, “that people remember.” Nobody in the room "
    "disagreed, although the plan didn’t change until the next morning, when the first "
    "customer letters arrived.",
};

const char* const germanParagraphs[] = {
    "Die Bibliothek bleibt am Montag wegen des Feiertags geschlossen. Bücher, die während "
    "der Schließung fällig werden, können am Dienstag ohne Gebühr zurückgegeben werden.",
    "Um Ihr Passwort zurückzusetzen, öffnen Sie die Anmeldeseite und wählen Sie den Link "
    "unter dem Passwortfeld. Wir senden Ihnen eine Nachricht mit einem Bestätigungscode.",
    "Vielen Dank für Ihre Bestellung. Ihr Paket hat unser Lager verlassen und sollte "
    "innerhalb von drei bis fünf Werktagen bei Ihnen ankommen.",
    "Der Fluss entspringt in den Hügeln nördlich der Stadt und fließt durch Felder nach "
    "Süden, bevor er das Meer erreicht. Im Frühling ist das Wasser kalt und schnell.",
};

const char* const frenchParagraphs[] = {
    "La bibliothèque sera fermée lundi en raison du jour férié. Les livres à rendre pendant "
    "la fermeture pourront être rapportés mardi sans frais de retard.",
    "Pour réinitialiser votre mot de passe, ouvrez la page de connexion et choisissez le "
    "lien situé sous le champ du mot de passe. Nous vous enverrons un code de confirmation.",
    "Merci pour votre commande. Votre colis a quitté notre entrepôt et devrait arriver d'ici "
    "trois à cinq jours ouvrés. Vous pouvez suivre sa progression à tout moment.",
    "La rivière prend sa source dans les collines au nord de la ville et traverse les champs "
    "vers le sud avant d'atteindre la mer. Au printemps, l'eau est froide et rapide.",
};

const char* const spanishParagraphs[] = {
    "La biblioteca permanecerá cerrada el lunes por el día festivo. Los libros que venzan "
    "durante el cierre se podrán devolver el martes sin recargo.",
    "Para restablecer su contraseña, abra la página de inicio de sesión y elija el enlace "
    "que está debajo del campo de la contraseña. Le enviaremos un código de confirmación.",
    "Gracias por su pedido. Su paquete ha salido de nuestro almacén y debería llegar en un "
    "plazo de tres a cinco días hábiles. Puede seguir su progreso en cualquier momento.",
    "El río nace en las colinas al norte de la ciudad y fluye hacia el sur entre campos de "
    "cultivo antes de llegar al mar. En primavera el agua es fría y rápida.",
};

const char* const hebrewParagraphs[] = {
    "הספרייה תהיה סגורה ביום שני בגלל החג. ספרים שמועד החזרתם חל בזמן הסגירה יוחזרו ביום "
    "שלישי ללא קנס.",
    "תודה על ההזמנה שלך. החבילה יצאה מהמחסן שלנו ואמורה להגיע בתוך שלושה עד חמישה ימי עבודה.",
};

const char* const arabicParagraphs[] = {
    "ستغلق المكتبة يوم الاثنين بسبب العطلة الرسمية. ويمكن إعادة الكتب المستحقة خلال فترة "
    "الإغلاق يوم الثلاثاء دون أي رسوم.",
    "شكرا لك على طلبك. لقد غادرت الطرود مستودعنا ومن المتوقع أن تصل خلال ثلاثة إلى خمسة أيام عمل.",
};

const char* const codeSnippets[] = {
    "int main(int argc, char** argv) {\n"
    "    if (argc < 2) {\n"
    "        fprintf(stderr, \"usage: %s FILE\\n\", argv[0]);\n"
    "        return 2;\n"
    "    }\n"
    "    return run(argv[1]);\n"
    "}",
    "def parse_config(path):\n"
    "    with open(path) as handle:\n"
    "        for line in handle:\n"
    "            key, value = line.split(\"=\", 1)\n"
    "            settings[key.strip()] = value.strip()\n"
    "    return settings",
    "for (const auto& item : items) {\n"
    "    if (item.isEmpty())\n"
    "        continue;\n"
    "    total += item.size();\n"
    "}",
    "function debounce(callback, delay) {\n"
    "  let timer = null;\n"
    "  return (...args) => {\n"
    "    clearTimeout(timer);\n"
    "    timer = setTimeout(() => callback(...args), delay);\n"
    "  };\n"
    "}",
    "SELECT name, email, created_at\n"
    "FROM users\n"
    "WHERE last_login > '2024-01-01'\n"
    "ORDER BY created_at DESC\n"
    "LIMIT 20;",
    "$ ls -la /var/log\n"
    "drwxr-xr-x  12 root  root   4096 Mar 14 09:41 .\n"
    "-rw-r-----   1 syslog adm  182734 Mar 14 09:40 syslog\n"
    "-rw-r--r--   1 root  root  29312 Mar 13 23:59 dpkg.log",
    "class Counter:\n"
    "    def __init__(self, start=0):\n"
    "        self.value = start\n"
    "\n"
    "    def increment(self, step=1):\n"
    "        self.value += step\n"
    "        return self.value",
    "if [ -z \"$HOME\" ]; then\n"
    "    echo \"HOME is not set\" >&2\n"
    "    exit 1\n"
    "fi\n"
    "cp -r config \"$HOME/.config/example\"",
};

} // namespace

namespace CorpusTexts {

QStringList interfaceLines(const QString& language) {
    if (language == u"de")
        return toList(germanInterface);
    if (language == u"fr")
        return toList(frenchInterface);
    if (language == u"es")
        return toList(spanishInterface);
    if (language == u"he")
        return toList(hebrewInterface);
    if (language == u"ar")
        return toList(arabicInterface);
    return toList(englishInterface);
}

QStringList paragraphs(const QString& language) {
    if (language == u"de")
        return toList(germanParagraphs);
    if (language == u"fr")
        return toList(frenchParagraphs);
    if (language == u"es")
        return toList(spanishParagraphs);
    if (language == u"he")
        return toList(hebrewParagraphs);
    if (language == u"ar")
        return toList(arabicParagraphs);
    return toList(englishParagraphs);
}

QStringList codeSnippets() {
    return toList(::codeSnippets);
}

} // namespace CorpusTexts
