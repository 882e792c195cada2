<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlarmLogic</name>
    <message>
        <source>Sound Alarm!</source>
        <extracomment>Message box shown while the alarm plays its sound</extracomment>
        <translation>Alarme sonore&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Chapters</name>
    <message>
        <source>The playlist %1 could not be written.</source>
        <translation>La liste de lecture %1 n&apos;a pas pu être écrite.</translation>
    </message>
</context>
<context>
    <name>ClipMon</name>
    <message>
        <source>The program holding the clipboard did not answer.</source>
        <translation>Le programme qui détient le presse-papiers n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text is too large to read: %1 MB (at most %2 MB).</source>
        <translation>Le texte du presse-papiers est trop volumineux pour être lu&#xa0;: %1&#xa0;Mo (au plus %2&#xa0;Mo).</translation>
    </message>
</context>
<context>
    <name>CmdArgs</name>
    <message>
        <source>The output %1 does not end in %2, the audio %3 writes; nothing was written.</source>
        <extracomment>%1 is the output file&apos;s name, %2 its possible extensions, %3 the job (&quot;/ttm&quot;)</extracomment>
        <translation>La sortie %1 ne se termine pas par %2, les formats qu&apos;écrit %3&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>.mp3, .opus, .ogg or .flac</source>
        <extracomment>the extensions &quot;/ttm&quot; writes</extracomment>
        <translation>.mp3, .opus, .ogg ou .flac</translation>
    </message>
    <message>
        <source>&quot;-sub %1&quot;: the subtitles are srt, vtt or lrc.</source>
        <translation>«&#xa0;-sub %1&#xa0;»&#xa0;: les sous-titres sont au format srt, vtt ou lrc.</translation>
    </message>
    <message>
        <source>&quot;-sub&quot; needs srt, vtt or lrc.</source>
        <translation>«&#xa0;-sub&#xa0;» attend srt, vtt ou lrc.</translation>
    </message>
    <message>
        <source>&quot;-ch %1&quot;: chapters are &quot;split&quot; (a file each) or &quot;marks&quot; (one file), with &quot;:N&quot; for parts of N minutes.</source>
        <extracomment>&quot;split&quot;, &quot;marks&quot; and &quot;:N&quot; are what the switch takes: keep them as they are</extracomment>
        <translation>«&#xa0;-ch %1&#xa0;»&#xa0;: les chapitres sont «&#xa0;split&#xa0;» (un fichier chacun) ou «&#xa0;marks&#xa0;» (un seul fichier), avec «&#xa0;:N&#xa0;» pour des parties de N minutes.</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>New</source>
        <extracomment>File menu: creates a new, empty document</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Open document(s)</source>
        <translation>Ouvrir un ou plusieurs documents</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the current document</source>
        <translation>Enregistrer le document actuel</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Save the current document as...</source>
        <translation>Enregistrer le document actuel sous...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the current document</source>
        <translation>Fermer le document actuel</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Tout fermer</translation>
    </message>
    <message>
        <source>Close all document(s)</source>
        <translation>Fermer tous les documents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Move to First</source>
        <translation>Déplacer au début</translation>
    </message>
    <message>
        <source>Move the current document to first position</source>
        <translation>Placer le document actuel en première position</translation>
    </message>
    <message>
        <source>Move to Prev</source>
        <extracomment>Tab menu: moves the current document one place towards the first</extracomment>
        <translation>Déplacer avant</translation>
    </message>
    <message>
        <source>Move the current document to previous position</source>
        <translation>Placer le document actuel à la position précédente</translation>
    </message>
    <message>
        <source>Move to Next</source>
        <extracomment>Tab menu: moves the current document one place towards the last</extracomment>
        <translation>Déplacer après</translation>
    </message>
    <message>
        <source>Move the current document to next position</source>
        <translation>Placer le document actuel à la position suivante</translation>
    </message>
    <message>
        <source>Move to Last</source>
        <translation>Déplacer à la fin</translation>
    </message>
    <message>
        <source>Move the current document to last position</source>
        <translation>Placer le document actuel en dernière position</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Revert the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Couper la sélection et la placer dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copier la sélection et la placer dans le presse-papiers</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insérer le contenu du presse-papiers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Erase the selection</source>
        <translation>Effacer la sélection</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select the entire document</source>
        <translation>Sélectionner tout le document</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Find the specified text</source>
        <translation>Rechercher le texte indiqué</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Replace specific text with different text</source>
        <translation>Remplacer un texte par un autre</translation>
    </message>
    <message>
        <source>Find First</source>
        <translation>Rechercher depuis le début</translation>
    </message>
    <message>
        <source>Find the first occurance of specified text</source>
        <translation>Rechercher la première occurrence du texte indiqué</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Repeat the last find</source>
        <translation>Répéter la dernière recherche</translation>
    </message>
    <message>
        <source>Read Aloud</source>
        <translation>Lire à voix haute</translation>
    </message>
    <message>
        <source>Read document aloud</source>
        <translation>Lire le document à voix haute</translation>
    </message>
    <message>
        <source>Read to WAV File</source>
        <translation>Lire vers un fichier WAV</translation>
    </message>
    <message>
        <source>Convert document into WAV file</source>
        <translation>Convertir le document en fichier WAV</translation>
    </message>
    <message>
        <source>Read to MP3 File</source>
        <translation>Lire vers un fichier MP3</translation>
    </message>
    <message>
        <source>Convert document into MP3 file</source>
        <translation>Convertir le document en fichier MP3</translation>
    </message>
    <message>
        <source>Read Clipboard</source>
        <translation>Lire le presse-papiers</translation>
    </message>
    <message>
        <source>Read Clipboard aloud</source>
        <translation>Lire le presse-papiers à voix haute</translation>
    </message>
    <message>
        <source>Read from Cursor Aloud</source>
        <translation>Lire depuis le curseur</translation>
    </message>
    <message>
        <source>Read/convert text from cursor aloud/into WAV/MP3 file</source>
        <translation>Lire à voix haute ou convertir en fichier WAV/MP3 le texte à partir du curseur</translation>
    </message>
    <message>
        <source>Read Selected Text Aloud</source>
        <translation>Lire le texte sélectionné</translation>
    </message>
    <message>
        <source>Read/convert selected text aloud/into WAV/MP3 file</source>
        <translation>Lire à voix haute ou convertir en fichier WAV/MP3 le texte sélectionné</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Pause/Reprendre</translation>
    </message>
    <message>
        <source>Pause/Resume the current reading or conversion</source>
        <translation>Mettre en pause ou reprendre la lecture ou la conversion en cours</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop the current reading or conversion</source>
        <translation>Arrêter la lecture ou la conversion en cours</translation>
    </message>
    <message>
        <source>Prev</source>
        <extracomment>Tool bar and Playback menu: switches to the previous document</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Switch to previous document</source>
        <translation>Passer au document précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Tool bar and Playback menu: switches to the next document</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Switch to next document</source>
        <translation>Passer au document suivant</translation>
    </message>
    <message>
        <source>My TXT Folder</source>
        <translation>Mon dossier TXT</translation>
    </message>
    <message>
        <source>Open the default TXT(documents) folder</source>
        <translation>Ouvrir le dossier TXT (documents) par défaut</translation>
    </message>
    <message>
        <source>My WAV Folder</source>
        <translation>Mon dossier WAV</translation>
    </message>
    <message>
        <source>Open the default WAV folder</source>
        <translation>Ouvrir le dossier WAV par défaut</translation>
    </message>
    <message>
        <source>My MP3 Folder</source>
        <translation>Mon dossier MP3</translation>
    </message>
    <message>
        <source>Open the default MP3 folder</source>
        <translation>Ouvrir le dossier MP3 par défaut</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>Show/Hide Main Window</source>
        <translation>Afficher/masquer la fenêtre principale</translation>
    </message>
    <message>
        <source>Show/Hide the main window</source>
        <translation>Afficher ou masquer la fenêtre principale</translation>
    </message>
    <message>
        <source>Short Pause</source>
        <translation>Pause courte</translation>
    </message>
    <message>
        <source>Insert a short pause into text </source>
        <translation>Insérer une pause courte dans le texte </translation>
    </message>
    <message>
        <source>Long Pause</source>
        <translation>Pause longue</translation>
    </message>
    <message>
        <source>Insert a long pause into text </source>
        <translation>Insérer une pause longue dans le texte </translation>
    </message>
    <message>
        <source>Whisper</source>
        <extracomment>Inserts a control tag that makes the voice whisper</extracomment>
        <translation>Chuchotement</translation>
    </message>
    <message>
        <source>Set the character of the voice to Whisper mode</source>
        <translation>Passer la voix en mode chuchotement</translation>
    </message>
    <message>
        <source>Monotone</source>
        <extracomment>Inserts a control tag that makes the voice speak in a monotone</extracomment>
        <translation>Monotone</translation>
    </message>
    <message>
        <source>Set the character of the voice to Monotone mode</source>
        <translation>Passer la voix en mode monotone</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>Inserts a control tag that gives the voice its normal character back</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Set the character of the voice to Normal mode</source>
        <translation>Rendre à la voix son caractère normal</translation>
    </message>
    <message>
        <source>Emp - Emphasizes the Next Word to be Spoken</source>
        <translation>Emp - Accentuer le prochain mot prononcé</translation>
    </message>
    <message>
        <source>Emphasize the next word to be spoken</source>
        <translation>Accentuer le prochain mot prononcé</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Inserts a control tag that sets the voice&apos;s volume</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Set the baseline speaking volume of voice</source>
        <translation>Définir le volume de base de la voix</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>Inserts a control tag that sets the voice&apos;s speed</extracomment>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Set the baseline average talking speed of voice to the specified number of words per minute</source>
        <translation>Définir la vitesse moyenne de base de la voix, au nombre de mots par minute indiqué</translation>
    </message>
    <message>
        <source>Pitch</source>
        <extracomment>Inserts a control tag that sets the voice&apos;s pitch</extracomment>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Set the baseline pitch of voice to the specified value in hertz</source>
        <translation>Définir la hauteur de base de la voix, à la valeur indiquée en hertz</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Read the help file</source>
        <translation>Ouvrir le fichier d&apos;aide</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>Contact us via email</source>
        <translation>Nous contacter par courriel</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>Visiter notre page d&apos;accueil</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Version and contact information</source>
        <translation>Version et coordonnées</translation>
    </message>
    <message>
        <source>Read Selection</source>
        <translation>Lire la sélection</translation>
    </message>
    <message>
        <source>Read the text selected in any program aloud</source>
        <translation>Lire à voix haute le texte sélectionné dans n&apos;importe quel programme</translation>
    </message>
    <message>
        <source>Read from Cursor to WAV File</source>
        <translation>Lire depuis le curseur vers un fichier WAV</translation>
    </message>
    <message>
        <source>Read from Cursor to MP3 File</source>
        <translation>Lire depuis le curseur vers un fichier MP3</translation>
    </message>
    <message>
        <source>Read Selected Text to WAV File</source>
        <translation>Lire le texte sélectionné vers un fichier WAV</translation>
    </message>
    <message>
        <source>Read Selected Text to MP3 File</source>
        <translation>Lire le texte sélectionné vers un fichier MP3</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The speech service does not answer, or has gone.</source>
        <translation>Le service vocal ne répond pas, ou a disparu.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>The conversion was interrupted; no %1 file was written.</source>
        <extracomment>%1 is the format: WAV, MP3, Ogg Opus, ...</extracomment>
        <translation>La conversion a été interrompue&#xa0;; aucun fichier %1 n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Select Voice. You can get more free voices from our site.</source>
        <translation>Choisissez la voix. Vous trouverez d&apos;autres voix gratuites sur notre site.</translation>
    </message>
    <message>
        <source>Voice</source>
        <extracomment>Name of the voice list for a screen reader</extracomment>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Name of the volume slider for a screen reader</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Set the global baseline speaking volume for all voices</source>
        <translation>Définir le volume de base commun à toutes les voix</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>Name of the speed slider for a screen reader</extracomment>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Set the global baseline average talking speed of all voices to the specified number of words per minute</source>
        <translation>Définir la vitesse moyenne de base de toutes les voix, au nombre de mots par minute indiqué</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The volume slider&apos;s value for a screen reader: %1 is a whole percentage</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 words per minute</source>
        <translation>%1 mots par minute</translation>
    </message>
</context>
<context>
    <name>CurrentLexicon</name>
    <message>
        <source>The pronunciation lexicon &quot;%1&quot; could not be read: %2
Reading goes on without it.</source>
        <extracomment>%1 is the lexicon&apos;s file, %2 why it could not be read</extracomment>
        <translation>Le lexique de prononciation «&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2
La lecture continue sans lui.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <extracomment>after the first lines that need a look: the number of the others</extracomment>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The pronunciation lexicon &quot;%1&quot; has lines that need a look. Lines that are not entries are not used, and every line stays in the file as it is:
%2

To mend or remove them: Options, page &quot;Prosody&quot;, &quot;Pronunciation Manager&quot;, which shows them marked; or edit the file, where a line starting with # is a comment.</source>
        <extracomment>%1 is the lexicon&apos;s file, %2 its lines that need a look. &quot;Options&quot;, &quot;Prosody&quot; and &quot;Pronunciation Manager&quot; are the names of the dialog, its page and its button.</extracomment>
        <translation>Le lexique de prononciation «&#xa0;%1&#xa0;» contient des lignes à vérifier. Les lignes qui ne sont pas des entrées ne sont pas utilisées, et chaque ligne reste telle quelle dans le fichier&#xa0;:
%2

Pour les corriger ou les supprimer&#xa0;: Options, page «&#xa0;Voix&#xa0;», «&#xa0;Gestionnaire de prononciation&#xa0;», qui les signale&#xa0;; ou modifiez le fichier, où une ligne commençant par # est un commentaire.</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a text file</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: ce n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: there is not enough memory for it</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>Text Files(*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Documents(*.txt %1)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the list of the other document formats&apos; name patterns</extracomment>
        <translation>Documents (*.txt %1)</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>The Word document</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Le document Word</translation>
    </message>
</context>
<context>
    <name>EpubReader</name>
    <message>
        <source>The EPUB book</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Le livre EPUB</translation>
    </message>
    <message>
        <source>%1 is protected by encryption (copy protection): only the program it was bought for can open it.</source>
        <translation>%1 est protégé par un chiffrement (protection contre la copie)&#xa0;: seul le programme pour lequel il a été acheté peut l&apos;ouvrir.</translation>
    </message>
</context>
<context>
    <name>ErrorObject</name>
    <message>
        <source>Speech engine error.</source>
        <translation>Erreur du moteur de synthèse vocale.</translation>
    </message>
</context>
<context>
    <name>EspeakCentral</name>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>Aucune sortie audio n&apos;est disponible pour l&apos;écoute.</translation>
    </message>
    <message>
        <source>The entry cannot be spoken.</source>
        <translation>L&apos;entrée ne peut pas être prononcée.</translation>
    </message>
</context>
<context>
    <name>EspeakFamily</name>
    <message>
        <source>no voice is installed (Debian&apos;s espeak-ng-data has them)</source>
        <extracomment>why the voices of espeak-ng are missing, after &quot;eSpeak NG: &quot;</extracomment>
        <translation>aucune voix n&apos;est installée (le paquet Debian espeak-ng-data en fournit)</translation>
    </message>
</context>
<context>
    <name>Fb2Reader</name>
    <message>
        <source>The FictionBook</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Le FictionBook</translation>
    </message>
</context>
<context>
    <name>FliteFamily</name>
    <message>
        <source>no voice is installed (Debian&apos;s libflite1 has them)</source>
        <extracomment>why the voices of Flite are missing, after &quot;Flite: &quot;</extracomment>
        <translation>aucune voix n&apos;est installée (le paquet Debian libflite1 en fournit)</translation>
    </message>
    <message>
        <source>the voice %1 could not be loaded</source>
        <extracomment>after &quot;Flite: &quot;; %1 is the voice&apos;s file</extracomment>
        <translation>la voix %1 n&apos;a pas pu être chargée</translation>
    </message>
</context>
<context>
    <name>Importer</name>
    <message>
        <source>%1 is named as a %2 file, but it holds something else (%3).</source>
        <extracomment>%1 is the file&apos;s name and must come first; %2 the format (EPUB, PDF, ...), %3 what the file holds</extracomment>
        <translation>%1 porte le nom d&apos;un fichier %2, mais contient autre chose (%3).</translation>
    </message>
    <message>
        <source>it is empty</source>
        <extracomment>in place of the kind of content a file holds</extracomment>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <extracomment>%1 is the file&apos;s name and must come first, %2 why it cannot be opened</extracomment>
        <translation>%1 ne peut pas être ouvert. %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is %1, and documents larger than %2 are not opened.</source>
        <extracomment>%1 and %2 are sizes (&quot;300.5 MB&quot;)</extracomment>
        <translation>Il fait %1, et les documents de plus de %2 ne sont pas ouverts.</translation>
    </message>
    <message>
        <source>It could not be read whole: %1.</source>
        <translation>Il n&apos;a pas pu être lu en entier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 is no document this program reads (it holds %2).</source>
        <extracomment>%1 is the file&apos;s name and must come first, %2 the kind of content it holds</extracomment>
        <translation>%1 n&apos;est pas un document que ce programme sait lire (contenu&#xa0;: %2).</translation>
    </message>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>La mémoire est insuffisante.</translation>
    </message>
</context>
<context>
    <name>Lame</name>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed: put it in %1 or install it (Debian package lame).</source>
        <extracomment>%1 is the program&apos;s folder</extracomment>
        <translation>L&apos;encodeur MP3 «&#xa0;lame&#xa0;» n&apos;est pas installé&#xa0;: placez-le dans %1 ou installez-le (paquet Debian lame).</translation>
    </message>
    <message>
        <source>The MP3 option %1 has no value.</source>
        <extracomment>%1 is the encoder&apos;s switch: -r, -b, -m or -q</extracomment>
        <translation>L&apos;option MP3 %1 n&apos;a pas de valeur.</translation>
    </message>
    <message>
        <source>The MP3 encoder could not convert %1 (exit code %2%3).</source>
        <extracomment>%1 is the input file, %2 the encoder&apos;s exit code, %3 its last words (&quot;: ...&quot;), if any</extracomment>
        <translation>L&apos;encodeur MP3 n&apos;a pas pu convertir %1 (code de sortie %2%3).</translation>
    </message>
</context>
<context>
    <name>Lame::TEncodeJob</name>
    <message>
        <source>The file %1 can not be handed to the MP3 encoder: no temporary folder could be made.</source>
        <translation>Le fichier %1 ne peut pas être transmis à l&apos;encodeur MP3&#xa0;: aucun dossier temporaire n&apos;a pu être créé.</translation>
    </message>
    <message>
        <source>%1 is not a sound file the MP3 encoder can read (%2); nothing was converted.</source>
        <extracomment>%1 is the file, %2 why the encoder cannot read it (&quot;it is empty&quot;, ...)</extracomment>
        <translation>%1 n&apos;est pas un fichier audio que l&apos;encodeur MP3 peut lire (%2)&#xa0;; rien n&apos;a été converti.</translation>
    </message>
    <message>
        <source>The MP3 encoder %1 could not be started.</source>
        <translation>L&apos;encodeur MP3 %1 n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The MP3 encoder found no sound it could decode in %1; nothing was converted.</source>
        <translation>L&apos;encodeur MP3 n&apos;a trouvé aucun son décodable dans %1&#xa0;; rien n&apos;a été converti.</translation>
    </message>
</context>
<context>
    <name>Lame::TMp3Pipeline</name>
    <message>
        <source>No file is ready for %1.</source>
        <translation>Aucun fichier n&apos;est prêt pour %1.</translation>
    </message>
    <message>
        <source>Only WAV and MP3 can be written to standard output.</source>
        <translation>Seuls les formats WAV et MP3 peuvent être écrits sur la sortie standard.</translation>
    </message>
    <message>
        <source>No temporary folder could be made in %1.</source>
        <translation>Aucun dossier temporaire n&apos;a pu être créé dans %1.</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>no tab between the word and its pronunciation</source>
        <extracomment>what is wrong with a line of the lexicon (as the texts that follow)</extracomment>
        <translation>pas de tabulation entre le mot et sa prononciation</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>not UTF-8 text, so it was read as Windows-1252</source>
        <translation>pas du texte UTF-8, donc lu comme du Windows-1252</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 what is wrong with it</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation>le mot est vide</translation>
    </message>
    <message>
        <source>a word cannot start with #, which starts a comment</source>
        <translation>un mot ne peut pas commencer par #, qui ouvre un commentaire</translation>
    </message>
    <message>
        <source>the pronunciation is empty</source>
        <translation>la prononciation est vide</translation>
    </message>
    <message>
        <source>phonemes opened with [[ are not closed with ]]</source>
        <translation>des phonèmes ouverts par [[ ne sont pas fermés par ]]</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <extracomment>why the lexicon could not be read; %1 is a number</extracomment>
        <translation>il dépasse %1&#xa0;Mo</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a word of the lexicon</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The pronunciation lexicon &quot;%1&quot; could not be read: %2
It is left as it is.</source>
        <translation>Le lexique de prononciation «&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2
Il reste tel quel.</translation>
    </message>
</context>
<context>
    <name>Markup</name>
    <message>
        <source>there is not enough memory to read it</source>
        <extracomment>why a web page cannot be read</extracomment>
        <translation>la mémoire est insuffisante pour la lire</translation>
    </message>
</context>
<context>
    <name>MimeApps</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>The OpenDocument text</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Le texte OpenDocument</translation>
    </message>
</context>
<context>
    <name>OptionFont</name>
    <message>
        <source>The font &quot;%1&quot; is not installed; &quot;%2&quot; is used instead.</source>
        <translation>La police «&#xa0;%1&#xa0;» n&apos;est pas installée&#xa0;; «&#xa0;%2&#xa0;» est utilisée à la place.</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
</context>
<context>
    <name>OptionFormat</name>
    <message>
        <source>A document converted by its chapters: its headings, or lines such as &quot;Chapter 1&quot;</source>
        <translation>Un document converti par chapitres&#xa0;: ses titres, ou des lignes comme «&#xa0;Chapitre 1&#xa0;»</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>no chapters</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>File per chapter</source>
        <translation>Un fichier par chapitre</translation>
    </message>
    <message>
        <source>Chapter marks</source>
        <translation>Marques de chapitre</translation>
    </message>
    <message>
        <source>Parts of about this many minutes where a document has no headings; never: one file</source>
        <translation>Parties d&apos;environ ce nombre de minutes quand un document n&apos;a pas de titres&#xa0;; jamais&#xa0;: un seul fichier</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>parts by minutes: never, the whole document is one file</extracomment>
        <translation>jamais</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>unit after a number of minutes</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Chapitres&#xa0;:</translation>
    </message>
    <message>
        <source>Without headings:</source>
        <translation>Sans titres&#xa0;:</translation>
    </message>
    <message>
        <source> Compressed Format </source>
        <translation> Format compressé </translation>
    </message>
    <message>
        <source>The format &quot;Read to MP3 File&quot; writes</source>
        <translation>Le format qu&apos;écrit «&#xa0;Lire vers un fichier MP3&#xa0;»</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Timed subtitles beside the converted file</source>
        <translation>Sous-titres synchronisés à côté du fichier converti</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <extracomment>the kind of subtitle file: SRT, VTT or LRC</extracomment>
        <translation>Type&#xa0;:</translation>
    </message>
</context>
<context>
    <name>OptionKeys</name>
    <message>
        <source>Show &amp;Tooltips</source>
        <translation>Afficher les &amp;infobulles</translation>
    </message>
    <message>
        <source>&amp;Repeating Playlist</source>
        <translation>&amp;Répéter la liste de lecture</translation>
    </message>
    <message>
        <source>&amp;Highlight Reading Word</source>
        <translation>&amp;Surligner le mot lu</translation>
    </message>
    <message>
        <source>Enable &quot;&amp;Key To Speech&quot;</source>
        <translation>Activer l&apos;«&#xa0;écho &amp;clavier&#xa0;»</translation>
    </message>
    <message>
        <source>Automatically &amp;Play Next File</source>
        <translation>&amp;Lire automatiquement le fichier suivant</translation>
    </message>
    <message>
        <source>Automatically &amp;Name for WAV/MP3 Files</source>
        <translation>&amp;Nommer automatiquement les fichiers WAV/MP3</translation>
    </message>
    <message>
        <source>Add &amp;Commands to .txt File Type Context Menus</source>
        <translation>Ajouter les co&amp;mmandes au menu contextuel des .txt</translation>
    </message>
    <message>
        <source>&amp;Greeting at Startup</source>
        <translation>Message d&apos;&amp;accueil au démarrage</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>So&amp;us-titres</translation>
    </message>
    <message>
        <source>P&amp;ronunciation Manager</source>
        <translation>Gestionnaire de &amp;prononciation</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>All &amp;Default</source>
        <translation>Tout par &amp;défaut</translation>
    </message>
    <message>
        <source>Glo&amp;bal Hotkey ( need restart )</source>
        <translation>Glo&amp;bal (redémarrage requis)</translation>
    </message>
    <message>
        <source>Set &amp;Font</source>
        <translation>Pol&amp;ice</translation>
    </message>
    <message>
        <source>Set Bac&amp;kColor</source>
        <translation>Arrière-&amp;plan</translation>
    </message>
    <message>
        <source>Automatically &amp;Wrap Text </source>
        <translation>&amp;Retour à la ligne </translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <source>Display T&amp;oolBar</source>
        <translation>Afficher la barre d&apos;o&amp;utils</translation>
    </message>
    <message>
        <source>Display St&amp;atusBar</source>
        <translation>Afficher la barre d&apos;ét&amp;at</translation>
    </message>
    <message>
        <source>Display &amp;Main Menus</source>
        <translation>Afficher la barre de me&amp;nus</translation>
    </message>
    <message>
        <source>&amp;System Tray</source>
        <translation>&amp;Zone de notification</translation>
    </message>
    <message>
        <source>Minimi&amp;ze at Startup</source>
        <translation>Réduire au démarra&amp;ge</translation>
    </message>
    <message>
        <source>M&amp;inimize to System Tray</source>
        <translation>Réduir&amp;e en zone de notification</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Surveiller le presse-papiers</translation>
    </message>
    <message>
        <source>Display &amp;Prompt Dialog for</source>
        <translation>Proposer un &amp;choix pendant</translation>
    </message>
    <message>
        <source>&amp;Enable Alarm</source>
        <translation>&amp;Activer l&apos;alarme</translation>
    </message>
    <message>
        <source>And the &amp;Date</source>
        <translation>Et la &amp;date</translation>
    </message>
    <message>
        <source>Alarm with &amp;Message Box</source>
        <translation>Avec une &amp;boîte de message</translation>
    </message>
    <message>
        <source>&amp;Enable Reminders</source>
        <translation>&amp;Activer les rappels</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Remind with &amp;Message Box</source>
        <translation>Avec une &amp;boîte de message</translation>
    </message>
    <message>
        <source>&amp;TXT Files Directory:</source>
        <translation>Dossier des fichiers &amp;TXT&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;WAV Files Directory:</source>
        <translation>Dossier des fichiers &amp;WAV&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;MP3 Files Directory:</source>
        <translation>Dossier des fichiers &amp;MP3&#xa0;:</translation>
    </message>
    <message>
        <source>Resample &amp;frequency :</source>
        <translation>&amp;Rééchantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>   &amp;Bitrates:</source>
        <translation>   &amp;Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Write to File( WAV/MP3 ) &amp;Speed:</source>
        <translation>&amp;Vitesse d&apos;écriture (WAV/MP3)&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;ype&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Chapters:</source>
        <translation>&amp;Chapitres&#xa0;:</translation>
    </message>
    <message>
        <source>Without &amp;headings:</source>
        <translation>&amp;Sans titres&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Short Pause Interval:</source>
        <translation>Pause &amp;courte&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Long Pause Interval:</source>
        <translation>Pause &amp;longue&#xa0;:</translation>
    </message>
    <message>
        <source>Default Value of &amp;Volume:</source>
        <translation>&amp;Volume par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Default Value of Spee&amp;d:</source>
        <translation>Vi&amp;tesse par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Default Value of &amp;Pitch:</source>
        <translation>&amp;Hauteur par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>P&amp;osition&#xa0;:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>St&amp;yle&#xa0;:</translation>
    </message>
    <message>
        <source>Sc&amp;rollBars:</source>
        <translation>Dé&amp;filement&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Ignore Clipboard Text Less Than</source>
        <translation>&amp;Ignorer les textes de moins de</translation>
    </message>
    <message>
        <source>Default &amp;Action:</source>
        <translation>&amp;Action par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>E&amp;very</source>
        <translation>&amp;Toutes les</translation>
    </message>
    <message>
        <source>Say &amp;Before the Alarm:</source>
        <translation>Dire a&amp;vant l&apos;alarme&#xa0;:</translation>
    </message>
    <message>
        <source>Alarm &amp;Style:</source>
        <translation>St&amp;yle d&apos;alarme&#xa0;:</translation>
    </message>
    <message>
        <source>Say &amp;After the Alarm:</source>
        <translation>Dire a&amp;près l&apos;alarme&#xa0;:</translation>
    </message>
    <message>
        <source> &amp;Hotkeys </source>
        <translation> Raccourcis c&amp;lavier </translation>
    </message>
</context>
<context>
    <name>PdfReader</name>
    <message>
        <source>The PDF document</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Le document PDF</translation>
    </message>
</context>
<context>
    <name>PlaylistFile</name>
    <message>
        <source>Cannot read &quot;%1&quot;: no such file</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: fichier introuvable</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>The folder %1 cannot be made: %2.</source>
        <translation>Le dossier %1 ne peut pas être créé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>Effects</source>
        <extracomment>the title of the font dialog&apos;s own &quot;Effects&quot; group, as Qt&apos;s translation has it</extracomment>
        <translation>Effets</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Convert into Mp3 File</source>
        <translation>Convertir en fichier MP3</translation>
    </message>
    <message>
        <source>Mp3 Files(*.mp3)</source>
        <translation>Fichiers MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>Convert into %1 File</source>
        <extracomment>Title of the file dialog: %1 is the name of the audio format, such as &quot;Ogg Vorbis&quot;</extracomment>
        <translation>Convertir en fichier %1</translation>
    </message>
    <message>
        <source>%1 Files(*.%2)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the name of the audio format, %2 its file name extension</extracomment>
        <translation>Fichiers %1 (*.%2)</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>The RTF document</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Le document RTF</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>Read Aloud</source>
        <translation>Lire à voix haute</translation>
    </message>
    <message>
        <source>Read to WAV</source>
        <translation>Lire vers un fichier WAV</translation>
    </message>
    <message>
        <source>Read to MP3</source>
        <translation>Lire vers un fichier MP3</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>A command in a file manager&apos;s menu: &quot;Read Aloud with Nurva&quot;</extracomment>
        <translation>%1 avec %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SoundFile</name>
    <message>
        <source>it is no RIFF WAVE file</source>
        <extracomment>why a file is no sound file the encoder reads (as all that follow)</extracomment>
        <translation>ce n&apos;est pas un fichier RIFF WAVE</translation>
    </message>
    <message>
        <source>its data chunk comes before its format chunk</source>
        <translation>son bloc de données précède son bloc de format</translation>
    </message>
    <message>
        <source>it has no data chunk</source>
        <translation>il n&apos;a pas de bloc de données</translation>
    </message>
    <message>
        <source>it has no format chunk</source>
        <translation>il n&apos;a pas de bloc de format</translation>
    </message>
    <message>
        <source>it holds no MPEG audio</source>
        <translation>il ne contient pas d&apos;audio MPEG</translation>
    </message>
    <message>
        <source>its sound is stored in a form (format 0x%1) the MP3 encoder does not read</source>
        <extracomment>%1 is the number of the WAV format, in hexadecimal</extracomment>
        <translation>son audio est stocké sous une forme (format 0x%1) que l&apos;encodeur MP3 ne lit pas</translation>
    </message>
    <message>
        <source>its format chunk gives no channels or no sample rate</source>
        <translation>son bloc de format n&apos;indique aucun canal ou aucune fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is no sound file</source>
        <translation>ce n&apos;est pas un fichier audio</translation>
    </message>
</context>
<context>
    <name>SpeechApi</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>L&apos;opération a réussi.</translation>
    </message>
    <message>
        <source>Not implemented.</source>
        <translation>Non implémenté.</translation>
    </message>
    <message>
        <source>No such interface supported.</source>
        <translation>Interface non prise en charge.</translation>
    </message>
    <message>
        <source>Invalid pointer.</source>
        <translation>Pointeur non valide.</translation>
    </message>
    <message>
        <source>Operation aborted.</source>
        <translation>Opération abandonnée.</translation>
    </message>
    <message>
        <source>Unspecified error.</source>
        <translation>Erreur non spécifiée.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>One or more arguments are invalid.</source>
        <translation>Un ou plusieurs arguments ne sont pas valides.</translation>
    </message>
    <message>
        <source>The speech engine does not offer this.</source>
        <translation>Le moteur de synthèse vocale ne propose pas cette fonction.</translation>
    </message>
    <message>
        <source>The speech engine mode is not installed.</source>
        <translation>Le mode du moteur de synthèse vocale n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The speech engine is busy.</source>
        <translation>Le moteur de synthèse vocale est occupé.</translation>
    </message>
    <message>
        <source>The speech engine&apos;s queue is full.</source>
        <translation>La file d&apos;attente du moteur de synthèse vocale est pleine.</translation>
    </message>
    <message>
        <source>No sound output device is available.</source>
        <translation>Aucun périphérique de sortie audio n&apos;est disponible.</translation>
    </message>
    <message>
        <source>The sound output device went away.</source>
        <translation>Le périphérique de sortie audio a disparu.</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Can not write the audio file.</source>
        <translation>Impossible d&apos;écrire le fichier audio.</translation>
    </message>
</context>
<context>
    <name>SpeechdEngine</name>
    <message>
        <source>the speech service cannot be reached</source>
        <extracomment>why speech-dispatcher offers no voice, after &quot;speech-dispatcher: &quot; (as the texts that follow); the library&apos;s reason may follow</extracomment>
        <translation>le service vocal est injoignable</translation>
    </message>
    <message>
        <source>the speech service offers no voice</source>
        <translation>le service vocal ne propose aucune voix</translation>
    </message>
    <message>
        <source>the speech service does not answer</source>
        <translation>le service vocal ne répond pas</translation>
    </message>
    <message>
        <source>the speech service refused the voice %1: %2</source>
        <extracomment>%1 is the speech service&apos;s module, %2 the voice&apos;s name</extracomment>
        <translation>le service vocal a refusé la voix %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SynthCentral</name>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>Aucune sortie audio n&apos;est disponible pour l&apos;écoute.</translation>
    </message>
    <message>
        <source>The entry cannot be spoken.</source>
        <translation>L&apos;entrée ne peut pas être prononcée.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&lt;p align=center&gt;Home page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;br&gt;Contact: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <extracomment>%1 is the home page&apos;s address, %2 the contact&apos;s link and %3 its mail address</extracomment>
        <translation>&lt;p align=center&gt;Page d&apos;accueil&#xa0;: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;br&gt;Contact&#xa0;: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TDocumentList</name>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a document of its own format, which plain text would destroy; save the text as a .txt file.</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: c&apos;est un document dans un format propre, que du texte brut détruirait&#xa0;; enregistrez le texte dans un fichier .txt.</translation>
    </message>
    <message>
        <source>saved as UTF-8, since %1 cannot hold every character of the text</source>
        <extracomment>Told in the status bar after a save; %1 is the name of the encoding the file had</extracomment>
        <translation>enregistré en UTF-8, car %1 ne peut pas représenter tous les caractères du texte</translation>
    </message>
    <message>
        <source>Cannot save: there is no such document.</source>
        <translation>Impossible d&apos;enregistrer&#xa0;: ce document n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot find a free name for the text of &quot;%1&quot;.</source>
        <translation>Impossible de trouver un nom libre pour le texte de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source> %1 [%2 Bytes]</source>
        <extracomment>The status bar&apos;s text for a document: %1 is its path, %2 its size</extracomment>
        <translation> %1 [%2 octets]</translation>
    </message>
</context>
<context>
    <name>TDocumentReader</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>ce n&apos;est pas un fichier texte</translation>
    </message>
</context>
<context>
    <name>TDocxReader</name>
    <message>
        <source>%1 is protected by a password.</source>
        <translation>%1 est protégé par un mot de passe.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its content is damaged (%2).</source>
        <translation>%1 ne peut pas être lu&#xa0;: son contenu est endommagé (%2).</translation>
    </message>
</context>
<context>
    <name>TEpubReader</name>
    <message>
        <source>%1 cannot be read: it does not say where its contents are.</source>
        <translation>%1 ne peut pas être lu&#xa0;: il n&apos;indique pas où se trouve son contenu.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its list of contents is damaged (%2).</source>
        <translation>%1 ne peut pas être lu&#xa0;: sa table des matières est endommagée (%2).</translation>
    </message>
    <message>
        <source>%1 holds no text to read (only images, or nothing at all).</source>
        <translation>%1 ne contient aucun texte à lire (seulement des images, ou rien du tout).</translation>
    </message>
</context>
<context>
    <name>TFb2Reader</name>
    <message>
        <source>%1 cannot be read: it is damaged or no FictionBook (%2).</source>
        <extracomment>%1 is the document (&quot;The FictionBook&quot;), %2 what is wrong with it</extracomment>
        <translation>%1 ne peut pas être lu&#xa0;: il est endommagé ou n&apos;est pas un FictionBook (%2).</translation>
    </message>
    <message>
        <source>no book in it</source>
        <translation>il ne contient aucun livre</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Remplacer &amp;par&#xa0;:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>&amp;Mots entiers uniquement</translation>
    </message>
    <message>
        <source>Direction</source>
        <extracomment>The direction of the search</extracomment>
        <translation>Direction</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>R&amp;emplacer</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Tout remplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Title of the dialog</extracomment>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>Impossible de trouver «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>TFlacEncoder</name>
    <message>
        <source>out of memory</source>
        <extracomment>why the FLAC encoder could not write</extracomment>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>The FLAC encoder could not write %1: %2</source>
        <translation>L&apos;encodeur FLAC n&apos;a pas pu écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TFormCvt</name>
    <message>
        <source>Documents</source>
        <extracomment>Name of the strip of document tabs for a screen reader</extracomment>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Document text</source>
        <translation>Texte du document</translation>
    </message>
    <message>
        <source> Ready</source>
        <extracomment>The status bar&apos;s text when nothing is going on</extracomment>
        <translation> Prêt</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>Name of the bar that shows how far the reading or conversion has come</extracomment>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File operations. New, Save, Close, etc.</source>
        <translation>Opérations sur les fichiers. Nouveau, Enregistrer, Fermer, etc.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Edit operations. Cut, Copy, Undo, etc.</source>
        <translation>Opérations d&apos;édition. Couper, Copier, Annuler, etc.</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>Search operations. Find, Replace, etc.</source>
        <translation>Opérations de recherche. Rechercher, Remplacer, etc.</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>Reading/conversion commands. Play, Pause, Stop, etc.</source>
        <translation>Commandes de lecture et de conversion. Lire, Pause, Arrêter, etc.</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Misc commands. Options, control tags, etc.</source>
        <translation>Commandes diverses. Options, balises de contrôle, etc.</translation>
    </message>
    <message>
        <source>Insert Control Tags</source>
        <translation>Insérer une balise de contrôle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help and contact information</source>
        <translation>Aide et coordonnées</translation>
    </message>
    <message>
        <source>Insert Short Pause</source>
        <translation>Insérer une pause courte</translation>
    </message>
    <message>
        <source>Insert Long Pause</source>
        <translation>Insérer une pause longue</translation>
    </message>
    <message>
        <source>Insert Other Control Tags</source>
        <translation>Insérer une autre balise de contrôle</translation>
    </message>
    <message>
        <source>%1

The default settings are used.</source>
        <extracomment>%1 says why the settings could not be read</extracomment>
        <translation>%1

Les paramètres par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>The settings could not be saved.

%1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés.

%1</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>Impossible de trouver «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Another program holds these keys: wherever they are pressed, even in this window, they reach that program and not this one.

%1

The menus still run these commands. Choose other keys for them in Options, on the page &quot;Interface&quot;.</source>
        <extracomment>%1 lists the commands with their keys, one a line; &quot;Interface&quot; is the name of a page of the Options dialog</extracomment>
        <translation>Un autre programme détient ces touches&#xa0;: où qu&apos;on les presse, même dans cette fenêtre, elles vont à ce programme et non à celui-ci.

%1

Les menus exécutent toujours ces commandes. Choisissez-leur d&apos;autres touches dans les Options, à la page «&#xa0;Interface&#xa0;».</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session here. The commands&apos; keys work while this window has the focus.</source>
        <translation>Les raccourcis globaux nécessitent ici une session X11. Les touches des commandes fonctionnent quand cette fenêtre a le focus.</translation>
    </message>
    <message>
        <source>%1 The commands&apos; keys work while this window has the focus.</source>
        <extracomment>%1 tells how the desktop limits global hotkeys</extracomment>
        <translation>%1 Les touches des commandes fonctionnent quand cette fenêtre a le focus.</translation>
    </message>
    <message>
        <source>Global hotkeys</source>
        <extracomment>Title of a desktop notification</extracomment>
        <translation>Raccourcis globaux</translation>
    </message>
    <message>
        <source>Alarm</source>
        <extracomment>Title of a desktop notification</extracomment>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Reminder</source>
        <extracomment>Title of a desktop notification</extracomment>
        <translation>Rappel</translation>
    </message>
    <message>
        <source> Saved as %1</source>
        <translation> Enregistré sous %1</translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; was saved as a text file of its own:

%2

%3 itself is left as it was; the tab now holds the text file.</source>
        <translation>Le texte de «&#xa0;%1&#xa0;» a été enregistré dans un fichier texte à part&#xa0;:

%2

%3 lui-même reste tel quel&#xa0;; l&apos;onglet contient maintenant le fichier texte.</translation>
    </message>
    <message>
        <source>Open File(s) to Read</source>
        <translation>Ouvrir les fichiers à lire</translation>
    </message>
    <message>
        <source> Not saved. %1</source>
        <extracomment>%1 says why the document could not be loaded</extracomment>
        <translation> Non enregistré. %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source> Saved</source>
        <translation> Enregistré</translation>
    </message>
    <message>
        <source> Saved, %1</source>
        <extracomment>%1 is a notice such as &quot;saved as UTF-8, since ... cannot hold every character of the text&quot;</extracomment>
        <translation> Enregistré, %1</translation>
    </message>
    <message>
        <source> No text is selected in any program.</source>
        <translation> Aucun texte n&apos;est sélectionné dans aucun programme.</translation>
    </message>
    <message>
        <source>Convert into Wav File</source>
        <translation>Convertir en fichier WAV</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>Title of a desktop notification; its text is the written file</extracomment>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion...</translation>
    </message>
    <message>
        <source> Nothing was spoken, so no MP3 file was written.</source>
        <translation> Rien n&apos;a été prononcé, aucun fichier MP3 n&apos;a donc été écrit.</translation>
    </message>
    <message>
        <source> Stopped: no MP3 file was written.</source>
        <translation> Arrêté&#xa0;: aucun fichier MP3 n&apos;a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source> %n files, one per chapter, and their playlist %1 were written.</source>
        <extracomment>%n is the number of audio files, %1 the name of the playlist file</extracomment>
        <translation>
            <numerusform> %n fichier (un par chapitre) et sa liste de lecture %1 ont été écrits.</numerusform>
            <numerusform> %n fichiers (un par chapitre) et leur liste de lecture %1 ont été écrits.</numerusform>
        </translation>
    </message>
    <message>
        <source> No chapters were found: the document went into one file.</source>
        <translation> Aucun chapitre n&apos;a été trouvé&#xa0;: le document a été écrit dans un seul fichier.</translation>
    </message>
    <message>
        <source>Converting... %1%</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>Conversion... %1&#xa0;%</translation>
    </message>
    <message>
        <source>Word Position: %1</source>
        <extracomment>%1 is the position in the text of the word being read</extracomment>
        <translation>Position du mot&#xa0;: %1</translation>
    </message>
    <message>
        <source> Aloud</source>
        <extracomment>How a document is read, after its name and a space: &quot;Reading &lt;document&gt; Aloud&quot;</extracomment>
        <translation> à voix haute</translation>
    </message>
    <message>
        <source> to WAV</source>
        <extracomment>How a document is read, after its name and a space: &quot;Reading &lt;document&gt; to WAV&quot;</extracomment>
        <translation> en WAV</translation>
    </message>
    <message>
        <source> to MP3</source>
        <extracomment>How a document is read, after its name and a space: &quot;Reading &lt;document&gt; to MP3&quot;</extracomment>
        <translation> en MP3</translation>
    </message>
    <message>
        <source>Reading %1%2</source>
        <extracomment>%1 is the document&apos;s name, %2 how it is read, with a space before it (&quot; Aloud&quot;)</extracomment>
        <translation>Lecture de %1%2</translation>
    </message>
    <message>
        <source>Reading %1 [PART]%2</source>
        <extracomment>A part of the document is read: %1 is its name, %2 how it is read (&quot; Aloud&quot;)</extracomment>
        <translation>Lecture de %1 [PARTIE]%2</translation>
    </message>
    <message>
        <source>Reading Clipboard%1</source>
        <extracomment>%1 is how the clipboard is read, with a space before it (&quot; Aloud&quot;)</extracomment>
        <translation>Lecture du presse-papiers%1</translation>
    </message>
    <message>
        <source> [Paused]</source>
        <extracomment>Added to the tray icon&apos;s tooltip</extracomment>
        <translation> [En pause]</translation>
    </message>
    <message>
        <source> [Stopped]</source>
        <extracomment>Added to the tray icon&apos;s tooltip</extracomment>
        <translation> [Arrêté]</translation>
    </message>
    <message>
        <source>Advanced Text To Speech</source>
        <extracomment>The tray icon&apos;s tooltip until the window shows its first document</extracomment>
        <translation>Synthèse vocale avancée</translation>
    </message>
    <message>
        <source>Hide Main Window</source>
        <translation>Masquer la fenêtre principale</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Afficher la fenêtre principale</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <extracomment>A submenu of the Playback menu: commands that change the voice, its speed and volume</extracomment>
        <translation>&amp;Voix</translation>
    </message>
    <message>
        <source>&amp;Next Voice</source>
        <translation>Voix &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Previous Voice</source>
        <translation>Voix &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <extracomment>Moves the speed slider up</extracomment>
        <translation>Plus &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <extracomment>Moves the speed slider down</extracomment>
        <translation>Plus &amp;lent</translation>
    </message>
    <message>
        <source>&amp;Louder</source>
        <extracomment>Moves the volume slider up</extracomment>
        <translation>Plus &amp;fort</translation>
    </message>
    <message>
        <source>S&amp;ofter</source>
        <extracomment>Moves the volume slider down</extracomment>
        <translation>&amp;Moins fort</translation>
    </message>
    <message>
        <source> No speech engine is installed: documents can be edited but not read.</source>
        <translation> Aucun moteur de synthèse vocale n&apos;est installé&#xa0;: les documents peuvent être modifiés, mais pas lus.</translation>
    </message>
    <message>
        <source> Volume: %1% [%2] -- Left/Right arrow key to Fine-tune</source>
        <extracomment>%1 is a whole percentage, %2 the slider&apos;s value</extracomment>
        <translation> Volume&#xa0;: %1&#xa0;% [%2] -- Flèches gauche/droite pour ajuster finement</translation>
    </message>
    <message>
        <source> Speed: %1% [%2] -- Left/Right arrow key to Fine-tune</source>
        <extracomment>%1 is a whole percentage of the speed range, %2 the speed in words per minute</extracomment>
        <translation> Vitesse&#xa0;: %1&#xa0;% [%2] -- Flèches gauche/droite pour ajuster finement</translation>
    </message>
</context>
<context>
    <name>TFormLexicon</name>
    <message>
        <source>Pronunciation Lexicon</source>
        <translation>Lexique de prononciation</translation>
    </message>
    <message>
        <source>Say it as: words spelled the way they sound, or espeak-ng phonemes in double brackets, e.g. [[n&apos;3:v@]]</source>
        <translation>Prononcer comme&#xa0;: des mots écrits comme ils se prononcent, ou des phonèmes espeak-ng entre doubles crochets, p.&#xa0;ex. [[n&apos;3:v@]]</translation>
    </message>
    <message>
        <source>&amp;Words and how to say them:</source>
        <translation>&amp;Mots et leur prononciation&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <extracomment>Button: hear the current row&apos;s word said</extracomment>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>Say the current row&apos;s word as the lexicon makes the engine say it</source>
        <translation>Prononcer le mot de la ligne actuelle comme le lexique le fait dire au moteur</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A line of the file is not used as it stands: its note says why. Mend it or remove it; otherwise OK keeps it as it is.</source>
        <translation>Une ligne du fichier n&apos;est pas utilisée telle quelle&#xa0;: sa note explique pourquoi. Corrigez-la ou supprimez-la&#xa0;; sinon OK la conserve telle quelle.</translation>
    </message>
    <message>
        <source>%1 lines of the file are not used as they stand: their notes say why. Mend or remove them; otherwise OK keeps them as they are.</source>
        <translation>%1 lignes du fichier ne sont pas utilisées telles quelles&#xa0;: leurs notes expliquent pourquoi. Corrigez-les ou supprimez-les&#xa0;; sinon OK les conserve telles quelles.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>These lines of &quot;%1&quot; are not entries and were not imported:
%2</source>
        <translation>Ces lignes de «&#xa0;%1&#xa0;» ne sont pas des entrées et n&apos;ont pas été importées&#xa0;:
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Title of the file dialog that picks a lexicon to import</extracomment>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Title of the file dialog that saves the lexicon&apos;s entries to a file</extracomment>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since this dialog read it. Replace it with the lexicon shown here? (Cancel keeps both: close the dialog and open it again to see the file as it is now.)</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié par un autre programme depuis que cette boîte de dialogue l&apos;a lu. Le remplacer par le lexique affiché ici&#xa0;? (Annuler conserve les deux&#xa0;: fermez la boîte de dialogue et rouvrez-la pour voir le fichier tel qu&apos;il est maintenant.)</translation>
    </message>
    <message>
        <source>The lexicon could not be saved to &quot;%1&quot;: %2</source>
        <translation>Le lexique n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>Prononciations</translation>
    </message>
</context>
<context>
    <name>TFormOption</name>
    <message>
        <source> Options</source>
        <translation> Options</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Prosody</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papier</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close this dialog</source>
        <translation>Fermer cette boîte de dialogue</translation>
    </message>
    <message>
        <source>Show Tooltips</source>
        <translation>Afficher les infobulles</translation>
    </message>
    <message>
        <source>Display hints of buttons, menus, etc.</source>
        <translation>Afficher les infobulles des boutons, des menus, etc.</translation>
    </message>
    <message>
        <source>Repeating Playlist</source>
        <translation>Répéter la liste de lecture</translation>
    </message>
    <message>
        <source>If repeat all documents</source>
        <translation>Répéter tous les documents en boucle</translation>
    </message>
    <message>
        <source>Highlight Reading Word</source>
        <translation>Surligner le mot lu</translation>
    </message>
    <message>
        <source>Automatically move the cursor to the word beening spoken</source>
        <translation>Déplacer automatiquement le curseur sur le mot en cours de lecture</translation>
    </message>
    <message>
        <source>Enable &quot;Key To Speech&quot;</source>
        <translation>Activer l&apos;«&#xa0;écho clavier&#xa0;»</translation>
    </message>
    <message>
        <source>Enable the &quot;Key To Speech&quot; feature </source>
        <translation>Activer la fonction «&#xa0;écho clavier&#xa0;» </translation>
    </message>
    <message>
        <source>Automatically Play Next File</source>
        <translation>Lire automatiquement le fichier suivant</translation>
    </message>
    <message>
        <source>Automatically read the next document after the current one</source>
        <translation>Lire automatiquement le document suivant après le document actuel</translation>
    </message>
    <message>
        <source>Automatically Name for WAV/MP3 Files</source>
        <translation>Nommer automatiquement les fichiers WAV/MP3</translation>
    </message>
    <message>
        <source>Automatically name when convert documents into WAV/MP3 audio files. Disable this option if you prefer to name manually.</source>
        <translation>Nommer automatiquement les fichiers lors de la conversion des documents en fichiers audio WAV/MP3. Désactivez cette option si vous préférez les nommer vous-même.</translation>
    </message>
    <message>
        <source>Add Commands to .txt File Type Context Menus</source>
        <translation>Ajouter les commandes au menu contextuel des .txt</translation>
    </message>
    <message>
        <source>Integrate the command &quot;Read Aloud&quot; to context menus of .txt file type. Something like &quot;Add to ZIP&quot;.</source>
        <translation>Ajouter la commande «&#xa0;Lire à voix haute&#xa0;» aux menus contextuels des fichiers .txt, comme «&#xa0;Ajouter au ZIP&#xa0;».</translation>
    </message>
    <message>
        <source>Greeting at Startup</source>
        <translation>Message d&apos;accueil au démarrage</translation>
    </message>
    <message>
        <source>Greeing at startup</source>
        <translation>Message d&apos;accueil au démarrage</translation>
    </message>
    <message>
        <source>Enter your greeting message here</source>
        <translation>Saisissez ici votre message d&apos;accueil</translation>
    </message>
    <message>
        <source>Greeting</source>
        <extracomment>accessible name of the field with the text spoken at startup</extracomment>
        <translation>Message d&apos;accueil</translation>
    </message>
    <message>
        <source> Default File Output Directories </source>
        <translation> Dossiers de sortie par défaut </translation>
    </message>
    <message>
        <source>Default documents folder</source>
        <translation>Dossier des documents par défaut</translation>
    </message>
    <message>
        <source>Default .wav audio files folder</source>
        <translation>Dossier par défaut des fichiers audio .wav</translation>
    </message>
    <message>
        <source>Default .mp3 audio files folder</source>
        <translation>Dossier par défaut des fichiers audio .mp3</translation>
    </message>
    <message>
        <source>Set the default TXT files directory</source>
        <translation>Définir le dossier par défaut des fichiers TXT</translation>
    </message>
    <message>
        <source>Set the default WAV files directory</source>
        <translation>Définir le dossier par défaut des fichiers WAV</translation>
    </message>
    <message>
        <source>Set the default MP3 files directory</source>
        <translation>Définir le dossier par défaut des fichiers MP3</translation>
    </message>
    <message>
        <source>TXT Files Directory:</source>
        <translation>Dossier des fichiers TXT&#xa0;:</translation>
    </message>
    <message>
        <source>WAV Files Directory:</source>
        <translation>Dossier des fichiers WAV&#xa0;:</translation>
    </message>
    <message>
        <source>MP3 Files Directory:</source>
        <translation>Dossier des fichiers MP3&#xa0;:</translation>
    </message>
    <message>
        <source> MP3 Quality </source>
        <translation> Qualité MP3 </translation>
    </message>
    <message>
        <source>Select the Sample Frequency of MP3 output</source>
        <translation>Choisir la fréquence d&apos;échantillonnage de la sortie MP3</translation>
    </message>
    <message>
        <source>Select the Bitrates of MP3 output</source>
        <translation>Choisir le débit binaire de la sortie MP3</translation>
    </message>
    <message>
        <source>Resample frequency :</source>
        <translation>Rééchantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>KHZ</source>
        <extracomment>unit after the sample frequency list (kilohertz)</extracomment>
        <translation>kHz</translation>
    </message>
    <message>
        <source>   Bitrates:</source>
        <translation>   Débit&#xa0;:</translation>
    </message>
    <message>
        <source>KBPS</source>
        <extracomment>unit after the bit rate list (kilobits per second)</extracomment>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>write speed: as fast as the computer can</extracomment>
        <translation>Max</translation>
    </message>
    <message>
        <source>This option depends on your CPU. The more powerful your CPU is, the higher speed you can select.</source>
        <translation>Cette option dépend de votre processeur. Plus il est puissant, plus la vitesse choisie peut être élevée.</translation>
    </message>
    <message>
        <source>Write to File( WAV/MP3 ) Speed:</source>
        <translation>Vitesse d&apos;écriture (WAV/MP3)&#xa0;:</translation>
    </message>
    <message>
        <source> Control Tags </source>
        <translation> Balises de contrôle </translation>
    </message>
    <message>
        <source>Set the short pause interval</source>
        <translation>Définir la durée de la pause courte</translation>
    </message>
    <message>
        <source>Set the long pause interval</source>
        <translation>Définir la durée de la pause longue</translation>
    </message>
    <message>
        <source>Set the default value of the Vol control tag</source>
        <translation>Définir la valeur par défaut de la balise Vol</translation>
    </message>
    <message>
        <source>Set the default value of the Spd control tag</source>
        <translation>Définir la valeur par défaut de la balise Spd</translation>
    </message>
    <message>
        <source>Set the default value of the Pit control tag</source>
        <translation>Définir la valeur par défaut de la balise Pit</translation>
    </message>
    <message>
        <source>Short Pause Interval:</source>
        <translation>Pause courte&#xa0;:</translation>
    </message>
    <message>
        <source>Seconds ( 1~9 )</source>
        <translation>Secondes ( 1~9 )</translation>
    </message>
    <message>
        <source>Long Pause Interval:</source>
        <translation>Pause longue&#xa0;:</translation>
    </message>
    <message>
        <source>Default Value of Volume:</source>
        <translation>Volume par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Default Value of Speed:</source>
        <translation>Vitesse par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Words Per Minute ( 50~500 )</source>
        <translation>Mots/minute ( 50~500 )</translation>
    </message>
    <message>
        <source>Default Value of Pitch:</source>
        <translation>Hauteur par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Hertz ( 50~400 )</source>
        <translation>Hertz ( 50~400 )</translation>
    </message>
    <message>
        <source>For more information about &quot;Control Tags&quot;, please read the help file.</source>
        <translation>Pour en savoir plus sur les «&#xa0;balises de contrôle&#xa0;», consultez l&apos;aide.</translation>
    </message>
    <message>
        <source>Pronunciation Manager</source>
        <translation>Gestionnaire de prononciation</translation>
    </message>
    <message>
        <source>You can edit the phonetics of mispronounced words and load or unload personal exception dictionaries</source>
        <translation>Vous pouvez modifier la phonétique des mots mal prononcés et charger ou décharger des dictionnaires d&apos;exceptions personnels</translation>
    </message>
    <message>
        <source>You can edit the phonetics of mispronounced words and load or unload personal exception dictionaries.</source>
        <translation>Vous pouvez modifier la phonétique des mots mal prononcés et charger ou décharger des dictionnaires d&apos;exceptions personnels.</translation>
    </message>
    <message>
        <source> Hotkeys </source>
        <translation> Raccourcis clavier </translation>
    </message>
    <message>
        <source>All commands available</source>
        <translation>Toutes les commandes disponibles</translation>
    </message>
    <message>
        <source>Set the key combination for the current command</source>
        <translation>Définir la combinaison de touches de la commande actuelle</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Update the current hotkey</source>
        <translation>Mettre à jour le raccourci actuel</translation>
    </message>
    <message>
        <source>All Default</source>
        <translation>Tout par défaut</translation>
    </message>
    <message>
        <source>Reset all hotkeys to default settings</source>
        <translation>Rétablir tous les raccourcis par défaut</translation>
    </message>
    <message>
        <source>Global Hotkey ( need restart )</source>
        <translation>Global (redémarrage requis)</translation>
    </message>
    <message>
        <source>This option allows you to use the current hotkey even in other program</source>
        <translation>Cette option permet d&apos;utiliser le raccourci actuel même dans d&apos;autres programmes</translation>
    </message>
    <message>
        <source> Playlist Tabs </source>
        <translation> Onglets de la liste de lecture </translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>where the playlist tabs are: Top, Bottom, Left, Right</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Adjust the position of playlist tabs</source>
        <translation>Régler la position des onglets de la liste de lecture</translation>
    </message>
    <message>
        <source>Tabs</source>
        <extracomment>how the playlist tabs look: Tabs, Buttons, FlatButtons</extracomment>
        <translation>Onglets</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>FlatButtons</source>
        <translation>Boutons plats</translation>
    </message>
    <message>
        <source>Set the style of playlist tabs</source>
        <translation>Définir le style des onglets de la liste de lecture</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position&#xa0;:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style&#xa0;:</translation>
    </message>
    <message>
        <source> Editor </source>
        <translation> Éditeur </translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Set the font style of the editor</source>
        <translation>Définir la police de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Set BackColor</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Set the background color of the editor</source>
        <translation>Définir la couleur de fond de l&apos;éditeur</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>which scroll bars the editor shows: None, Horizontal, Vertical, Both</extracomment>
        <translation>Aucun</translation>
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
        <translation>Les deux</translation>
    </message>
    <message>
        <source>If display the scrollbars of the editor</source>
        <translation>Afficher ou non les barres de défilement de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Automatically Wrap Text </source>
        <translation>Retour à la ligne </translation>
    </message>
    <message>
        <source>If wrap text automatically when reach the right margin of the editor</source>
        <translation>Renvoyer automatiquement le texte à la ligne à la marge droite de l&apos;éditeur</translation>
    </message>
    <message>
        <source>ScrollBars:</source>
        <translation>Défilement&#xa0;:</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>If the main window always stay on top</source>
        <translation>Garder la fenêtre principale toujours au premier plan</translation>
    </message>
    <message>
        <source>Display ToolBar</source>
        <translation>Afficher la barre d&apos;outils</translation>
    </message>
    <message>
        <source>If display the toolbar on the main window</source>
        <translation>Afficher ou non la barre d&apos;outils de la fenêtre principale</translation>
    </message>
    <message>
        <source>Display StatusBar</source>
        <translation>Afficher la barre d&apos;état</translation>
    </message>
    <message>
        <source>If display the statusbar on the main window</source>
        <translation>Afficher ou non la barre d&apos;état de la fenêtre principale</translation>
    </message>
    <message>
        <source>Display Main Menus</source>
        <translation>Afficher la barre de menus</translation>
    </message>
    <message>
        <source>If display the main menus</source>
        <translation>Afficher ou non la barre de menus</translation>
    </message>
    <message>
        <source>System Tray</source>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <source>An icon displayed in system tray area</source>
        <translation>Une icône affichée dans la zone de notification</translation>
    </message>
    <message>
        <source>Minimize at Startup</source>
        <translation>Réduire au démarrage</translation>
    </message>
    <message>
        <source>Minimize the main window at Startup</source>
        <translation>Réduire la fenêtre principale au démarrage</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Réduire en zone de notification</translation>
    </message>
    <message>
        <source>Show system tray only when click on the Minimize button</source>
        <translation>N&apos;afficher que l&apos;icône de notification lors d&apos;un clic sur le bouton Réduire</translation>
    </message>
    <message>
        <source>Watch Clipboard</source>
        <translation>Surveiller le presse-papiers</translation>
    </message>
    <message>
        <source>If watch the system clipboard</source>
        <translation>Surveiller ou non le presse-papiers du système</translation>
    </message>
    <message>
        <source>Ignore clipboard text less than this specified number of characters</source>
        <translation>Ignorer les textes du presse-papiers de moins de ce nombre de caractères</translation>
    </message>
    <message>
        <source>Ignore Clipboard Text Less Than</source>
        <translation>Ignorer les textes de moins de</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>&quot;Ignore Clipboard Text Less Than [number] Characters&quot;</extracomment>
        <translation>caractères</translation>
    </message>
    <message>
        <source>Display Prompt Dialog for</source>
        <translation>Proposer un choix pendant</translation>
    </message>
    <message>
        <source>When the system clipboard changes, if pop out a prompt dialog which allows you to select action</source>
        <translation>Quand le presse-papiers du système change, afficher ou non une boîte de dialogue qui permet de choisir l&apos;action</translation>
    </message>
    <message>
        <source>How long the prompt dialog will be shown</source>
        <translation>Durée d&apos;affichage de la boîte de dialogue</translation>
    </message>
    <message>
        <source>Prompt shown for, in seconds</source>
        <translation>Durée d&apos;affichage de la boîte de choix, en secondes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <extracomment>&quot;Display Prompt Dialog for [number] Seconds&quot;</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Read Now!</source>
        <translation>Lire maintenant&#xa0;!</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>clipboard action: the text goes into a new document</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Append</source>
        <extracomment>clipboard action: the text is added to the current document</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Default action if the &quot;Display Prompt Dialog&quot; option is unchecked</source>
        <translation>Action par défaut si l&apos;option «&#xa0;Proposer un choix&#xa0;» est décochée</translation>
    </message>
    <message>
        <source>Default Action:</source>
        <translation>Action par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Activer l&apos;alarme</translation>
    </message>
    <message>
        <source>If enable the Alarm feature</source>
        <translation>Activer ou non la fonction d&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm every this specified number of minutes</source>
        <translation>Intervalle de l&apos;alarme, en minutes</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>&quot;Every [number] Minutes&quot;: how often the alarm sounds</extracomment>
        <translation>Toutes les</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Enter you message here</source>
        <translation>Saisissez votre message ici</translation>
    </message>
    <message>
        <source>Say Before the Alarm:</source>
        <translation>Dire avant l&apos;alarme&#xa0;:</translation>
    </message>
    <message>
        <source>Say the Time</source>
        <translation>Dire l&apos;heure</translation>
    </message>
    <message>
        <source>Read Text File</source>
        <translation>Lire un fichier texte</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Jouer un son</translation>
    </message>
    <message>
        <source>Say the time, Read a specified .txt file or just play a .wav audio file</source>
        <translation>Dire l&apos;heure, lire un fichier .txt choisi ou simplement jouer un fichier audio .wav</translation>
    </message>
    <message>
        <source>Alarm Style:</source>
        <translation>Style d&apos;alarme&#xa0;:</translation>
    </message>
    <message>
        <source>And the Date</source>
        <translation>Et la date</translation>
    </message>
    <message>
        <source>Say the time and the date</source>
        <translation>Dire l&apos;heure et la date</translation>
    </message>
    <message>
        <source>Select a specified .txt file</source>
        <translation>Choisir un fichier .txt</translation>
    </message>
    <message>
        <source>Select a specified .wav file</source>
        <translation>Choisir un fichier .wav</translation>
    </message>
    <message>
        <source>Say After the Alarm:</source>
        <translation>Dire après l&apos;alarme&#xa0;:</translation>
    </message>
    <message>
        <source>Alarm with Message Box</source>
        <translation>Avec une boîte de message</translation>
    </message>
    <message>
        <source>If alarm with a message box</source>
        <translation>Afficher ou non une boîte de message lors de l&apos;alarme</translation>
    </message>
    <message>
        <source>Enable Reminders</source>
        <translation>Activer les rappels</translation>
    </message>
    <message>
        <source>If enable the Reminders feature</source>
        <translation>Activer ou non la fonction de rappels</translation>
    </message>
    <message>
        <source>All reminders list</source>
        <translation>Liste de tous les rappels</translation>
    </message>
    <message>
        <source> Reminder Editor </source>
        <translation> Éditeur de rappel </translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>tooltip of the reminder&apos;s date field</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>tooltip of the reminder&apos;s time field</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Enter your message here</source>
        <translation>Saisissez votre message ici</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add a new reminder</source>
        <translation>Ajouter un nouveau rappel</translation>
    </message>
    <message>
        <source>Update the current reminder</source>
        <translation>Mettre à jour le rappel actuel</translation>
    </message>
    <message>
        <source>Del</source>
        <extracomment>button: delete the selected reminder</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the current reminder</source>
        <translation>Supprimer le rappel actuel</translation>
    </message>
    <message>
        <source>Remind with Message Box</source>
        <translation>Avec une boîte de message</translation>
    </message>
    <message>
        <source>If remind with a message box. Default is checked.</source>
        <translation>Afficher ou non une boîte de message pour le rappel. Coché par défaut.</translation>
    </message>
    <message>
        <source>Text Files(*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>Select a folder as the default</source>
        <translation>Choisir un dossier par défaut</translation>
    </message>
    <message>
        <source>Only for 32KHZ~48KHZ Mode.</source>
        <translation>Uniquement pour le mode 32&#xa0;kHz~48&#xa0;kHz.</translation>
    </message>
    <message>
        <source>Only for 8KHZ~24KHZ Mode.</source>
        <translation>Uniquement pour le mode 8&#xa0;kHz~24&#xa0;kHz.</translation>
    </message>
    <message>
        <source>Speech Engine not selected</source>
        <translation>Aucun moteur de synthèse vocale sélectionné</translation>
    </message>
    <message>
        <source>Open File(s) to Read</source>
        <translation>Ouvrir les fichiers à lire</translation>
    </message>
    <message>
        <source>The desktop gives this command %1; its settings change that.</source>
        <translation>Le bureau attribue %1 à cette commande&#xa0;; ses paramètres permettent de le changer.</translation>
    </message>
    <message>
        <source>This Hotkey already exists!</source>
        <translation>Ce raccourci existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>En êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date et une heure valides</translation>
    </message>
    <message>
        <source>No page</source>
        <extracomment>The name a screen reader gives the options&apos; page area when no page is chosen</extracomment>
        <translation>Aucune page</translation>
    </message>
</context>
<context>
    <name>TFormShellTree</name>
    <message>
        <source> Select the disk/folder you want to catalog</source>
        <extracomment>Window title (keep the leading space)</extracomment>
        <translation> Choisissez le disque ou le dossier à cataloguer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more.</source>
        <translation>Le dossier %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>You can not write to the folder %1 (%2): no file can be saved there.

Use it all the same?</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;écrire dans le dossier %1 (%2)&#xa0;: aucun fichier ne peut y être enregistré.

L&apos;utiliser quand même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TKoCmdLine</name>
    <message>
        <source>No input file was given.</source>
        <translation>Aucun fichier d&apos;entrée n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a folder, a device or a pipe); nothing was converted.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (c&apos;est un dossier, un périphérique ou un tube)&#xa0;; rien n&apos;a été converti.</translation>
    </message>
    <message>
        <source>The output %1 is the input file itself; nothing was converted and the file is left as it was.</source>
        <translation>La sortie %1 est le fichier d&apos;entrée lui-même&#xa0;; rien n&apos;a été converti et le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>Can&apos;t load the file %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be loaded</extracomment>
        <translation>Impossible de charger le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the job: &quot;speak&quot;, &quot;convert FILE&quot; or &quot;do JOB&quot;</extracomment>
        <translation>%1 n&apos;a pas pu %2</translation>
    </message>
    <message>
        <source>speak</source>
        <extracomment>what the program could not do, in &quot;Nurva could not speak&quot;</extracomment>
        <translation>parler</translation>
    </message>
    <message>
        <source>convert %1</source>
        <extracomment>what the program could not do, in &quot;Nurva could not convert FILE&quot;; %1 is the file</extracomment>
        <translation>convertir %1</translation>
    </message>
    <message>
        <source>do %1</source>
        <extracomment>what the program could not do, in &quot;Nurva could not do JOB&quot;; %1 is the job (&quot;/xyz&quot;)</extracomment>
        <translation>exécuter %1</translation>
    </message>
    <message>
        <source>All speech engines installed on your system:</source>
        <translation>Tous les moteurs de synthèse vocale installés sur votre système&#xa0;:</translation>
    </message>
    <message>
        <source>No speech engine is installed (install espeak-ng-data).</source>
        <translation>Aucun moteur de synthèse vocale n&apos;est installé (installez espeak-ng-data).</translation>
    </message>
    <message>
        <source>The info of speech engine No.%1</source>
        <extracomment>%1 is the voice&apos;s number</extracomment>
        <translation>Informations sur le moteur de synthèse vocale nº&#xa0;%1</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nom&#xa0;: </translation>
    </message>
    <message>
        <source>Language: </source>
        <translation>Langue&#xa0;: </translation>
    </message>
    <message>
        <source>Manufacturer: </source>
        <translation>Fabricant&#xa0;: </translation>
    </message>
    <message>
        <source>Product: </source>
        <translation>Produit&#xa0;: </translation>
    </message>
    <message>
        <source>ModeID: </source>
        <translation>ID de mode&#xa0;: </translation>
    </message>
    <message>
        <source>EngineID: </source>
        <translation>ID du moteur&#xa0;: </translation>
    </message>
    <message>
        <source>Speaker: </source>
        <translation>Locuteur&#xa0;: </translation>
    </message>
    <message>
        <source>Style: </source>
        <translation>Style&#xa0;: </translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>Genre&#xa0;: </translation>
    </message>
    <message>
        <source>Age: </source>
        <translation>Âge&#xa0;: </translation>
    </message>
    <message>
        <source>Features: </source>
        <translation>Fonctionnalités&#xa0;: </translation>
    </message>
    <message>
        <source>Interfaces: </source>
        <translation>Interfaces&#xa0;: </translation>
    </message>
    <message>
        <source>MaxPitch: </source>
        <translation>Hauteur max.&#xa0;: </translation>
    </message>
    <message>
        <source>MinPitch: </source>
        <translation>Hauteur min.&#xa0;: </translation>
    </message>
    <message>
        <source>MaxRealTime: </source>
        <translation>Temps réel max.&#xa0;: </translation>
    </message>
    <message>
        <source>MinRealTime: </source>
        <translation>Temps réel min.&#xa0;: </translation>
    </message>
    <message>
        <source>MaxSpeed: </source>
        <translation>Vitesse max.&#xa0;: </translation>
    </message>
    <message>
        <source>MinSpeed: </source>
        <translation>Vitesse min.&#xa0;: </translation>
    </message>
    <message>
        <source>MaxVolume: </source>
        <translation>Volume max.&#xa0;: </translation>
    </message>
    <message>
        <source>MinVolume: </source>
        <translation>Volume min.&#xa0;: </translation>
    </message>
    <message>
        <source>The words could not be kept in %1.</source>
        <translation>Les mots n&apos;ont pas pu être conservés dans %1.</translation>
    </message>
    <message>
        <source>Standard input is closed: there is no text to speak.</source>
        <translation>L&apos;entrée standard est fermée&#xa0;: il n&apos;y a aucun texte à prononcer.</translation>
    </message>
    <message>
        <source>Standard input could not be kept: %1</source>
        <translation>L&apos;entrée standard n&apos;a pas pu être conservée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Standard input could not be read: %1</source>
        <translation>L&apos;entrée standard n&apos;a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing came on standard input: there is no text to speak.</source>
        <translation>Rien n&apos;est arrivé sur l&apos;entrée standard&#xa0;: il n&apos;y a aucun texte à prononcer.</translation>
    </message>
    <message>
        <source>Subtitles go beside an output file, and standard output has no name.</source>
        <translation>Les sous-titres accompagnent un fichier de sortie, et la sortie standard n&apos;a pas de nom.</translation>
    </message>
    <message>
        <source>Chapters need an output file, not standard output.</source>
        <translation>Les chapitres nécessitent un fichier de sortie, pas la sortie standard.</translation>
    </message>
    <message>
        <source>Standard input holds no text that can be read: %1</source>
        <translation>L&apos;entrée standard ne contient aucun texte lisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <extracomment>in place of a file&apos;s name, in why the text cannot be read</extracomment>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>The text has no chapters: no headings such as &quot;Chapter 1&quot; were found. &quot;-ch %1:30&quot; cuts it into parts of about 30 minutes instead.</source>
        <extracomment>%1 is &quot;split&quot; or &quot;marks&quot;, as the switch takes it</extracomment>
        <translation>Le texte n&apos;a pas de chapitres&#xa0;: aucun titre comme «&#xa0;Chapitre 1&#xa0;» n&apos;a été trouvé. «&#xa0;-ch %1:30&#xa0;» le découpe plutôt en parties d&apos;environ 30 minutes.</translation>
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
        <translation>Utilisation&#xa0;: %1 TÂCHE [TEXTE] [SORTIE] [OPTIONS]

Tâches&#xa0;:
  /e                   liste les voix installées (avec -e N&#xa0;: décrit la voix N)
  /tts TEXTE           lit TEXTE à voix haute (un nom de fichier, ou les mots)
  /tts FICHIER...      lit les fichiers à voix haute, l&apos;un après l&apos;autre
  /ttw TEXTE [SORTIE]  prononce TEXTE dans un fichier WAV
  /ttm TEXTE [SORTIE]  prononce TEXTE dans un fichier MP3, Opus (.opus), Vorbis
                       (.ogg) ou FLAC (.flac), selon le nom de SORTIE
  /wtm ENTRÉE.wav [SORTIE]
                       convertit un fichier WAV en MP3
  /mtw ENTRÉE.mp3 [SORTIE]
                       convertit un fichier MP3 en WAV

TEXTE «&#xa0;-&#xa0;» lit l&apos;entrée standard&#xa0;; SORTIE «&#xa0;-&#xa0;» écrit le WAV (/ttw) ou le MP3
(/ttm) sur la sortie standard. Sans SORTIE, la sortie prend le nom du fichier
texte avec .wav ou l&apos;extension du format choisi, sinon output.wav (output.mp3)
dans le dossier courant. Une SORTIE qui ne se termine par aucun des formats de
la tâche est une erreur.

Options (n&apos;importe où, en majuscules ou en minuscules)&#xa0;:
  -e N      numéro de la voix (0 par défaut), ou son nom tel que /e l&apos;affiche
  -v VOIX   voix par nom ou par langue, comme espeak-ng les lit (en-gb, fr+f2)
  -s MPM    vitesse en mots par minute
  -p HZ     hauteur en hertz
  -w X      vitesse d&apos;écriture en multiple du temps réel (8 par défaut)&#xa0;;
            -w max (ou 256) convertit aussi vite que le moteur le peut, sur
            tous les cœurs
  -r KHZ    fréquence de rééchantillonnage MP3 (automatique par défaut&#xa0;:
            l&apos;encodeur choisit)
  -b KBPS   débit MP3 (128 par défaut)&#xa0;; Opus et Vorbis l&apos;acceptent aussi
  -m MODE   lettre du mode MP3 (s par défaut)
  -q Q      qualité MP3 de 0 à 9 (5 par défaut)
  -sub F    sous-titres synchronisés à côté de la sortie&#xa0;: srt, vtt ou lrc
            (ou une liste&#xa0;: srt,lrc)
  -ch split un fichier par chapitre, numéroté et étiqueté, avec une liste de
            lecture .m3u
  -ch marks un seul fichier avec des marques de chapitre&#xa0;; «&#xa0;split:N&#xa0;» ou
            «&#xa0;marks:N&#xa0;» crée des parties d&apos;environ N minutes

Autres formes&#xa0;:
  FICHIER...         ouvre la fenêtre du lecteur avec ces fichiers texte
  --action NAME      exécute une commande dans le lecteur lancé (en le lançant
                     si la commande en a besoin)&#xa0;: read-clipboard,
                     read-selection, read-aloud, pause-resume, stop, next,
                     previous, show
  --help, -h, /?     affiche ce texte
  --version          affiche la version

Codes de sortie&#xa0;: 0 terminé, 1 la tâche a échoué, 2 tâche inconnue ou argument
incorrect.
Le manuel est %2&#xa0;; voir aussi la page de manuel nurva(1).
</translation>
    </message>
</context>
<context>
    <name>TKoForm</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s caption button that closes it</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The window&apos;s caption button that gives a maximised window its former size</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <extracomment>The window&apos;s caption button that maximises it</extracomment>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The window&apos;s caption button that minimises it</extracomment>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>TKoFormPrompt</name>
    <message>
        <source>New</source>
        <extracomment>Button: the copied text becomes a new document</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Append</source>
        <extracomment>Button: the copied text is added to the end of the current document</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Read Now!</source>
        <extracomment>Button: read the copied text aloud at once</extracomment>
        <translation>Lire maintenant&#xa0;!</translation>
    </message>
    <message>
        <source>Copy Clipboard to the Documents List?</source>
        <translation>Copier le presse-papiers dans la liste des documents&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TLexiconModel</name>
    <message>
        <source>Word or phrase</source>
        <extracomment>Column header: the text the entry replaces</extracomment>
        <translation>Mot ou expression</translation>
    </message>
    <message>
        <source>Say it as</source>
        <extracomment>Column header: how the engine is to say the word</extracomment>
        <translation>Prononcer comme</translation>
    </message>
    <message>
        <source>Whole word</source>
        <extracomment>Column header of a check box: the entry matches whole words only</extracomment>
        <translation>Mot entier</translation>
    </message>
    <message>
        <source>Match case</source>
        <extracomment>Column header of a check box: the letter case must match</extracomment>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>Column header: a remark on the row (why it is not used, which entry wins)</extracomment>
        <translation>Note</translation>
    </message>
    <message>
        <source>Row %1: the word is empty.</source>
        <translation>Ligne %1&#xa0;: le mot est vide.</translation>
    </message>
    <message>
        <source>Row %1: how to say &quot;%2&quot; is empty.</source>
        <translation>Ligne %1&#xa0;: la prononciation de «&#xa0;%2&#xa0;» est vide.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Not used: %1.</source>
        <translation>Non utilisée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Not an entry yet: %1.</source>
        <translation>Pas encore une entrée&#xa0;: %1.</translation>
    </message>
    <message>
        <source> The line is not UTF-8 text and was read as Windows-1252.</source>
        <extracomment>Added after the row&apos;s other note, if any (keep the leading space)</extracomment>
        <translation> La ligne n&apos;est pas du texte UTF-8 et a été lue comme du Windows-1252.</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <extracomment>A row of the list: its number and its word; used inside the notes</extracomment>
        <translation>la ligne %1 (%2)</translation>
    </message>
    <message>
        <source>Never used: %1 comes first and always wins.</source>
        <extracomment>%1 is a row, as in &quot;row 3 (“word”)&quot;</extracomment>
        <translation>Jamais utilisée&#xa0;: %1 vient avant et l&apos;emporte toujours.</translation>
    </message>
    <message>
        <source>%1 comes first and wins where both apply.</source>
        <extracomment>%1 is a row, as in &quot;Row 3 (“word”)&quot;</extracomment>
        <translation>%1 vient avant et l&apos;emporte là où les deux s&apos;appliquent.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <extracomment>Completes &quot;Wins over %1%2&quot;: the number of further rows (leading space)</extracomment>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>Wins over %1%2 where both apply.</source>
        <extracomment>%1 is a row, as in &quot;row 3 (“word”)&quot;; %2 is empty or &quot; and &lt;n&gt; more&quot;</extracomment>
        <translation>L&apos;emporte sur %1%2 là où les deux s&apos;appliquent.</translation>
    </message>
</context>
<context>
    <name>TLibrary</name>
    <message>
        <source>The encoder library %1 is not installed (Debian package %2).</source>
        <translation>La bibliothèque d&apos;encodage %1 n&apos;est pas installée (paquet Debian %2).</translation>
    </message>
    <message>
        <source>The encoder library %1 lacks %2 (Debian package %3 is too old).</source>
        <extracomment>%2 is the name of a function of the library</extracomment>
        <translation>Il manque %2 à la bibliothèque d&apos;encodage %1 (le paquet Debian %3 est trop ancien).</translation>
    </message>
</context>
<context>
    <name>TMarkdownReader</name>
    <message>
        <source>The Markdown text cannot be read.</source>
        <translation>Le texte Markdown ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>TMp3Pipeline::State</name>
    <message>
        <source>Standard output was closed before the end.</source>
        <translation>La sortie standard a été fermée avant la fin.</translation>
    </message>
    <message>
        <source>Standard output could not be written: %1</source>
        <translation>La sortie standard n&apos;a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 can not be written in its folder.</source>
        <translation>Le fichier %1 ne peut pas être écrit dans son dossier.</translation>
    </message>
    <message>
        <source>The file %1 can not be written in its folder: %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit dans son dossier&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The subtitles %1 can not be written in their folder.</source>
        <translation>Les sous-titres %1 ne peuvent pas être écrits dans leur dossier.</translation>
    </message>
    <message>
        <source>The subtitles %1 could not be written: %2</source>
        <translation>Les sous-titres %1 n&apos;ont pas pu être écrits&#xa0;: %2</translation>
    </message>
    <message>
        <source>The spoken text could not be read back: %1</source>
        <translation>Le texte prononcé n&apos;a pas pu être relu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Piece %1 was spoken at another rate than the first.</source>
        <translation>Le morceau %1 a été prononcé à une autre fréquence d&apos;échantillonnage que le premier.</translation>
    </message>
    <message>
        <source>The text could not be handed over: %1</source>
        <translation>Le texte n&apos;a pas pu être transmis&#xa0;: %1</translation>
    </message>
    <message>
        <source>The conversion could not be prepared: %1</source>
        <translation>La conversion n&apos;a pas pu être préparée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The text could not be spoken (exit code %1%2).</source>
        <extracomment>%1 is the speaking worker&apos;s exit code, %2 its last words (&quot;: ...&quot;), if any</extracomment>
        <translation>Le texte n&apos;a pas pu être prononcé (code de sortie %1%2).</translation>
    </message>
    <message>
        <source>The spoken text could not be kept in %1: %2</source>
        <translation>Le texte prononcé n&apos;a pas pu être conservé dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The spoken text could not be kept: %1</source>
        <translation>Le texte prononcé n&apos;a pas pu être conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder could not write in %1: %2</source>
        <translation>L&apos;encodeur MP3 n&apos;a pas pu écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the spoken text</source>
        <extracomment>what the MP3 encoder could not convert, in place of a file&apos;s name</extracomment>
        <translation>le texte prononcé</translation>
    </message>
</context>
<context>
    <name>TNoGlobalHotkeys</name>
    <message>
        <source>No global hotkeys (they need X11 or a desktop portal) here.</source>
        <translation>Pas de raccourcis globaux ici (ils nécessitent X11 ou un portail de bureau).</translation>
    </message>
</context>
<context>
    <name>TOdtReader</name>
    <message>
        <source>%1 is protected by a password; save it without one in the program that made it.</source>
        <translation>%1 est protégé par un mot de passe&#xa0;; enregistrez-le sans mot de passe dans le programme qui l&apos;a créé.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its content is damaged (%2).</source>
        <translation>%1 ne peut pas être lu&#xa0;: son contenu est endommagé (%2).</translation>
    </message>
</context>
<context>
    <name>TOpusEncoder</name>
    <message>
        <source>The Opus encoder could not write %1: %2</source>
        <translation>L&apos;encodeur Opus n&apos;a pas pu écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TPartFile</name>
    <message>
        <source>The file %1 can not be written in its folder: %2.</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>Le fichier %1 ne peut pas être écrit dans son dossier&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>TPdfReader</name>
    <message>
        <source>%1 is incomplete: its end is missing (a download or copy that was cut short?).</source>
        <translation>%1 est incomplet&#xa0;: sa fin manque (un téléchargement ou une copie interrompus&#xa0;?).</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: it cannot be opened.</source>
        <translation>%1 est endommagé ou incomplet&#xa0;: il ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>%1 is protected by a password.</source>
        <translation>%1 est protégé par un mot de passe.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 n&apos;a aucune page.</translation>
    </message>
    <message>
        <source>%1 holds more text than the editor can hold.</source>
        <translation>%1 contient plus de texte que l&apos;éditeur ne peut en contenir.</translation>
    </message>
    <message>
        <source>%1 holds only images of its pages, no text (it is probably scanned): there is nothing to read aloud until a text recognition program has added the text.</source>
        <translation>%1 ne contient que des images de ses pages, sans texte (il a sans doute été numérisé)&#xa0;: il n&apos;y a rien à lire à voix haute tant qu&apos;un logiciel de reconnaissance de texte n&apos;y a pas ajouté le texte.</translation>
    </message>
</context>
<context>
    <name>TProgramFolders</name>
    <message>
        <source>The sample document %1 cannot be copied to %2.</source>
        <translation>Le document d&apos;exemple %1 ne peut pas être copié dans %2.</translation>
    </message>
    <message>
        <source>

What the program keeps there (settings, playlist, documents, audio) cannot be saved until this is put right.</source>
        <extracomment>Follows the list of problems (keep the two line breaks at the start)</extracomment>
        <translation>

Ce que le programme y conserve (paramètres, liste de lecture, documents, audio) ne peut pas être enregistré tant que ce problème n&apos;est pas résolu.</translation>
    </message>
</context>
<context>
    <name>TProgressLine</name>
    <message>
        <source>%1 spent, about %2 left</source>
        <extracomment>the progress of a conversion on a terminal: &quot;1:05 spent, about 1:30 left&quot;</extracomment>
        <translation>%1 écoulé, environ %2 restant</translation>
    </message>
</context>
<context>
    <name>TReminderSchedule</name>
    <message>
        <source> (late)</source>
        <extracomment>After the moment of a reminder shown late (keep the leading space)</extracomment>
        <translation> (en retard)</translation>
    </message>
</context>
<context>
    <name>TRtfParser</name>
    <message>
        <source>%1 cannot be read: it does not begin as RTF does.</source>
        <translation>%1 ne peut pas être lu&#xa0;: il ne commence pas comme un document RTF.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its groups nest too deeply.</source>
        <translation>%1 ne peut pas être lu&#xa0;: ses groupes sont trop imbriqués.</translation>
    </message>
</context>
<context>
    <name>TTextBuilder</name>
    <message>
        <source>its text is longer than %1 million characters, more than the editor can hold</source>
        <extracomment>why a document cannot be opened; %1 is a number</extracomment>
        <translation>son texte dépasse %1&#xa0;millions de caractères, plus que l&apos;éditeur ne peut en contenir</translation>
    </message>
</context>
<context>
    <name>TVorbisEncoder</name>
    <message>
        <source>This libsndfile writes no Ogg Vorbis.</source>
        <translation>Cette version de libsndfile n&apos;écrit pas l&apos;Ogg Vorbis.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TWavEncoder</name>
    <message>
        <source>The WAV could not be written to standard output: %1</source>
        <translation>Le WAV n&apos;a pas pu être écrit sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TX11GlobalHotkeys</name>
    <message>
        <source>Global hotkeys work only while an X11 window has the focus (Wayland).</source>
        <translation>Les raccourcis globaux ne fonctionnent que lorsqu&apos;une fenêtre X11 a le focus (Wayland).</translation>
    </message>
    <message>
        <source>Global hotkeys: X11 key grabs, whichever window has the focus.</source>
        <translation>Raccourcis globaux&#xa0;: captures de touches X11, quelle que soit la fenêtre qui a le focus.</translation>
    </message>
</context>
<context>
    <name>TXdgShellCommands</name>
    <message>
        <source>The program&apos;s path holds a control character: %1</source>
        <translation>Le chemin du programme contient un caractère de contrôle&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TZip</name>
    <message>
        <source>its zip archive is damaged or incomplete</source>
        <extracomment>why a document cannot be read (as the messages that follow), after &quot;... cannot be read: &quot;</extracomment>
        <translation>son archive zip est endommagée ou incomplète</translation>
    </message>
    <message>
        <source>the list of its zip archive&apos;s members is damaged</source>
        <translation>la liste des membres de son archive zip est endommagée</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <extracomment>%1 is the document (&quot;The EPUB book&quot;), %2 why it cannot be read</extracomment>
        <translation>%1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing</source>
        <translation>sa partie «&#xa0;%1&#xa0;» manque</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged</source>
        <translation>sa partie «&#xa0;%1&#xa0;» est endommagée</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is protected by a password</source>
        <translation>sa partie «&#xa0;%1&#xa0;» est protégée par un mot de passe</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; claims to expand to %2 MB, far more than a document holds (a damaged or hostile archive)</source>
        <extracomment>%1 is the name of a part of the archive, %2 a number</extracomment>
        <translation>sa partie «&#xa0;%1&#xa0;» prétend se décompresser en %2&#xa0;Mo, bien plus que ce que contient un document (archive endommagée ou malveillante)</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; expands to more than it claims (a damaged or hostile archive)</source>
        <translation>sa partie «&#xa0;%1&#xa0;» se décompresse en plus que ce qu&apos;elle annonce (archive endommagée ou malveillante)</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged (its checksum or size is wrong)</source>
        <translation>sa partie «&#xa0;%1&#xa0;» est endommagée (sa somme de contrôle ou sa taille est fausse)</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>The tags of %1 could not be written.</source>
        <translation>Les métadonnées de %1 n&apos;ont pas pu être écrites.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes</source>
        <translation>le fichier dépasse %1&#xa0;octets</translation>
    </message>
</context>
<context>
    <name>VoiceSwitch</name>
    <message>
        <source>No voice called %1 is installed (&quot;/e&quot; lists the voices).</source>
        <translation>Aucune voix nommée %1 n&apos;est installée («&#xa0;/e&#xa0;» liste les voix).</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>This desktop does not let programs watch the clipboard (it lacks the data-control protocol, as GNOME does): copied text is offered only while the reader&apos;s window is in front. Read Clipboard and paste still work.</source>
        <translation>Ce bureau ne permet pas aux programmes de surveiller le presse-papiers (il lui manque le protocole data-control, comme à GNOME)&#xa0;: le texte copié n&apos;est proposé que lorsque la fenêtre du lecteur est au premier plan. «&#xa0;Lire le presse-papiers&#xa0;» et le collage fonctionnent toujours.</translation>
    </message>
    <message>
        <source>The clipboard cannot be watched (wl-paste: %1): copied text is offered only while the reader&apos;s window is in front. Read Clipboard and paste still work.</source>
        <translation>Le presse-papiers ne peut pas être surveillé (wl-paste&#xa0;: %1)&#xa0;: le texte copié n&apos;est proposé que lorsque la fenêtre du lecteur est au premier plan. «&#xa0;Lire le presse-papiers&#xa0;» et le collage fonctionnent toujours.</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>The reader is running already, but it did not answer; it may be busy or hanging.</source>
        <translation>Le lecteur est déjà lancé, mais il n&apos;a pas répondu&#xa0;; il est peut-être occupé ou bloqué.</translation>
    </message>
    <message>
        <source>Usage: nurva --action NAME
NAME is one of: %1.</source>
        <extracomment>NAME stays as it is; %1 is the list of the commands&apos; names</extracomment>
        <translation>Utilisation&#xa0;: nurva --action NAME
NAME est l&apos;un de ces noms&#xa0;: %1.</translation>
    </message>
    <message>
        <source>This reader runs without a single instance, so a second start opens a second window: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>Ce lecteur fonctionne sans instance unique, un second lancement ouvre donc une seconde fenêtre&#xa0;: %1</translation>
    </message>
    <message>
        <source>The reader is not running: &quot;%1&quot; has nothing to act on.</source>
        <extracomment>%1 is the command&apos;s name</extracomment>
        <translation>Le lecteur n&apos;est pas lancé&#xa0;: «&#xa0;%1&#xa0;» n&apos;a rien sur quoi agir.</translation>
    </message>
    <message>
        <source>The reader&apos;s window needs a desktop (no DISPLAY is set). The command line works without one: run it with /? to see how.</source>
        <translation>La fenêtre du lecteur nécessite un bureau (DISPLAY n&apos;est pas défini). La ligne de commande fonctionne sans&#xa0;: lancez-la avec /? pour voir comment.</translation>
    </message>
</context>
<context>
    <name>desktop::TBoundedPaste</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>desktop::TWaylandClipboardWatch</name>
    <message>
        <source>The clipboard cannot be watched: wl-paste (of wl-clipboard) is not installed. Read Clipboard and paste still work.</source>
        <translation>Le presse-papiers ne peut pas être surveillé&#xa0;: wl-paste (du paquet wl-clipboard) n&apos;est pas installé. «&#xa0;Lire le presse-papiers&#xa0;» et le collage fonctionnent toujours.</translation>
    </message>
    <message>
        <source>wl-paste ended with %1</source>
        <extracomment>%1 is the exit code of the wl-paste program</extracomment>
        <translation>wl-paste s&apos;est terminé avec le code %1</translation>
    </message>
</context>
<context>
    <name>mSpeech</name>
    <message>
        <source>OLE error %1</source>
        <extracomment>%1 is the error&apos;s code, in hexadecimal</extracomment>
        <translation>Erreur OLE %1</translation>
    </message>
</context>
<context>
    <name>mainwindow::TReadingController</name>
    <message>
        <source>No speech engine is installed. Install espeak-ng to hear the documents.</source>
        <translation>Aucun moteur de synthèse vocale n&apos;est installé. Installez espeak-ng pour écouter les documents.</translation>
    </message>
    <message>
        <source>Voice number %1 is not installed.</source>
        <translation>La voix numéro %1 n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>Can not open file

%1</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier

%1</translation>
    </message>
    <message>
        <source>The MP3 file %1 could not be written.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason</extracomment>
        <translation>Le fichier MP3 %1 n&apos;a pas pu être écrit.

%2</translation>
    </message>
</context>
<context>
    <name>options::THotKey</name>
    <message>
        <source>None</source>
        <extracomment>the key field when no key combination is set</extracomment>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>options::TReminderModel</name>
    <message>
        <source>This moment does not read as a date and time in the current formats. The reminder is kept as it was written.</source>
        <translation>Ce moment ne se lit pas comme une date et une heure dans les formats actuels. Le rappel est conservé tel qu&apos;il a été écrit.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>platform::TPortalGlobalHotkeys</name>
    <message>
        <source>The desktop portal refused global hotkeys (%1).</source>
        <translation>Le portail du bureau a refusé les raccourcis globaux (%1).</translation>
    </message>
    <message>
        <source>Global hotkeys: waiting for the desktop portal.</source>
        <translation>Raccourcis globaux&#xa0;: en attente du portail du bureau.</translation>
    </message>
    <message>
        <source>Global hotkeys: waiting for the desktop to confirm them.</source>
        <translation>Raccourcis globaux&#xa0;: en attente de leur confirmation par le bureau.</translation>
    </message>
    <message>
        <source>The desktop did not confirm the global hotkeys: they are off.</source>
        <translation>Le bureau n&apos;a pas confirmé les raccourcis globaux&#xa0;: ils sont désactivés.</translation>
    </message>
    <message>
        <source>The desktop portal did not answer: global hotkeys are off.</source>
        <translation>Le portail du bureau n&apos;a pas répondu&#xa0;: les raccourcis globaux sont désactivés.</translation>
    </message>
    <message>
        <source>no key</source>
        <extracomment>The desktop bound the shortcut to no key at all</extracomment>
        <translation>aucune touche</translation>
    </message>
    <message>
        <source>The desktop portal gave no session: global hotkeys are off.</source>
        <translation>Le portail du bureau n&apos;a fourni aucune session&#xa0;: les raccourcis globaux sont désactivés.</translation>
    </message>
    <message>
        <source>Global hotkeys via the desktop portal.</source>
        <translation>Raccourcis globaux via le portail du bureau.</translation>
    </message>
    <message>
        <source>Global hotkeys via the desktop portal; its settings can change them.</source>
        <translation>Raccourcis globaux via le portail du bureau&#xa0;; ses paramètres peuvent les modifier.</translation>
    </message>
    <message>
        <source>The desktop refused the global hotkeys: keys work in this window only.</source>
        <translation>Le bureau a refusé les raccourcis globaux&#xa0;: les touches ne fonctionnent que dans cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>platform::TUnixSingleInstance</name>
    <message>
        <source>%1 is not a folder that only this user can enter.</source>
        <translation>%1 n&apos;est pas un dossier où seul cet utilisateur peut entrer.</translation>
    </message>
    <message>
        <source>There is no private runtime folder ($XDG_RUNTIME_DIR), %1 is not this user&apos;s own private folder%2.</source>
        <extracomment>%2 is empty, or &quot;, and &lt;folder&gt; cannot be made one&quot;</extracomment>
        <translation>Il n&apos;y a pas de dossier d&apos;exécution privé ($XDG_RUNTIME_DIR), %1 n&apos;est pas le dossier privé de cet utilisateur%2.</translation>
    </message>
    <message>
        <source>, and %1 cannot be made one</source>
        <extracomment>Completes &quot;... is not this user&apos;s own private folder%2.&quot;</extracomment>
        <translation>, et %1 ne peut pas le devenir</translation>
    </message>
    <message>
        <source>The lock %1 cannot be made: %2.</source>
        <translation>Le verrou %1 ne peut pas être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The lock %1 cannot be taken: %2.</source>
        <translation>Le verrou %1 ne peut pas être pris&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>speech::TMSpeech</name>
    <message>
        <source>Speech Engine not initialized</source>
        <translation>Moteur de synthèse vocale non initialisé</translation>
    </message>
    <message>
        <source>Specified Speech Engine not found</source>
        <translation>Moteur de synthèse vocale indiqué introuvable</translation>
    </message>
    <message>
        <source>Speech Engine not selected</source>
        <translation>Aucun moteur de synthèse vocale sélectionné</translation>
    </message>
    <message>
        <source>Can not open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; is played by a speech service that gives no sound back to this program: it can read aloud, but not into a WAV or MP3 file. Choose another voice to convert.</source>
        <translation>La voix «&#xa0;%1&#xa0;» est jouée par un service vocal qui ne renvoie aucun son à ce programme&#xa0;: elle peut lire à voix haute, mais pas vers un fichier WAV ou MP3. Choisissez une autre voix pour convertir.</translation>
    </message>
</context>
</TS>
