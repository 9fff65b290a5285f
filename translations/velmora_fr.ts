<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>Velmora Wizard creates html menus for custom made CDs</source>
        <translation>Velmora Wizard crée des menus HTML pour des CD faits maison</translation>
    </message>
    <message>
        <source>visit %1</source>
        <translation>visiter %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Build</name>
    <message>
        <source>%1 is a folder; the build cannot write its file there.</source>
        <translation>%1 est un dossier ; la construction ne peut pas y écrire son fichier.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the build cannot replace it.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire ; la construction ne peut pas le remplacer.</translation>
    </message>
    <message>
        <source>%1 is not writable.</source>
        <translation>%1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The CD root folder %1 does not exist.</source>
        <translation>Le dossier racine du CD %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Le dossier %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>The media file %1 of the style is missing.</source>
        <translation>Le fichier multimédia %1 du style est manquant.</translation>
    </message>
    <message>
        <source>The media file %1 of the style is not a regular file.</source>
        <translation>Le fichier multimédia %1 du style n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The media file %1 has the name of the stylesheet %2 that the build writes.</source>
        <translation>Le fichier multimédia %1 porte le nom de la feuille de style %2 que la construction écrit.</translation>
    </message>
    <message>
        <source>The media files %1 and %2 have the same name; the Menu folder holds only one.</source>
        <translation>Les fichiers multimédias %1 et %2 portent le même nom ; le dossier Menu n&apos;en contient qu&apos;un.</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; links to %2, which is outside the CD root; the page may only link to files on the CD.</source>
        <translation>L&apos;entrée « %1 » renvoie vers %2, qui est hors de la racine du CD ; la page ne peut renvoyer que vers des fichiers du CD.</translation>
    </message>
    <message>
        <source>Your Menu has been successfully created!</source>
        <translation>Votre menu a été créé avec succès !</translation>
    </message>
    <message>
        <source>The CD root folder %1 is read-only.</source>
        <translation>Le dossier racine du CD %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>No CD root folder has been chosen.</source>
        <translation>Aucun dossier racine du CD n&apos;a été choisi.</translation>
    </message>
    <message>
        <source>%1 is a link; the build writes only into a real folder of the CD root.</source>
        <translation>%1 est un lien ; la construction n&apos;écrit que dans un vrai dossier de la racine du CD.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: not a regular file</source>
        <translation>Impossible de lire %1 : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>Le fichier existant %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>No unused temporary file name beside %1</source>
        <translation>Aucun nom de fichier temporaire libre à côté de %1</translation>
    </message>
    <message>
        <source>Cannot keep the permissions of %1</source>
        <translation>Impossible de conserver les droits de %1</translation>
    </message>
    <message>
        <source>The file %1 is not inside the CD root %2.<byte value="xd"/>
Please choose a file inside the CD root!</source>
        <translation>Le fichier %1 n&apos;est pas dans la racine du CD %2.<byte value="xd"/>
Veuillez choisir un fichier dans la racine du CD !</translation>
    </message>
    <message>
        <source>There is no menu %1.</source>
        <translation>Il n&apos;y a pas de menu %1.</translation>
    </message>
    <message>
        <source>Style %1 of menu %2 does not exist; the default style is used.</source>
        <translation>Le style %1 du menu %2 n&apos;existe pas ; le style par défaut est utilisé.</translation>
    </message>
    <message>
        <source>Menu %1 has no CD root folder.</source>
        <translation>Le menu %1 n&apos;a pas de dossier racine du CD.</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>La page n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>The page has nowhere to go: the device is not open for writing.</source>
        <translation>La page n&apos;a nulle part où aller : la destination n&apos;est pas ouverte en écriture.</translation>
    </message>
    <message>
        <source>There is no room for the page&apos;s entries: %1</source>
        <translation>Il n&apos;y a pas de place pour les entrées de la page : %1</translation>
    </message>
    <message>
        <source>The page was not written: the menu has no entries.</source>
        <translation>La page n&apos;a pas été écrite : le menu n&apos;a aucune entrée.</translation>
    </message>
    <message>
        <source>The page was not written: %1</source>
        <translation>La page n&apos;a pas été écrite : %1</translation>
    </message>
    <message>
        <source>The page was not written: &quot;%1&quot; is not a template.</source>
        <translation>La page n&apos;a pas été écrite : « %1 » n&apos;est pas un modèle.</translation>
    </message>
    <message>
        <source>Menu %1 names no style (its style number is &quot;%2&quot;); the default style is used.</source>
        <translation>Le menu %1 ne désigne aucun style (son numéro de style est « %2 ») ; le style par défaut est utilisé.</translation>
    </message>
    <message>
        <source>The stylesheet was not written: %1</source>
        <translation>La feuille de style n&apos;a pas été écrite : %1</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; cannot be used: its %2 &quot;%3&quot; %4.</source>
        <translation>Le style « %1 » ne peut pas être utilisé : son champ %2 « %3 » %4.</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>couleur de fond</translation>
    </message>
    <message>
        <source>title colour</source>
        <translation>couleur du titre</translation>
    </message>
    <message>
        <source>button colour</source>
        <translation>couleur des boutons</translation>
    </message>
    <message>
        <source>text colour</source>
        <translation>couleur du texte</translation>
    </message>
    <message>
        <source>hyperlink colour</source>
        <translation>couleur des liens</translation>
    </message>
    <message>
        <source>active hyperlink colour</source>
        <translation>couleur des liens actifs</translation>
    </message>
    <message>
        <source>is not a colour</source>
        <translation>n&apos;est pas une couleur</translation>
    </message>
    <message>
        <source>title font</source>
        <translation>police du titre</translation>
    </message>
    <message>
        <source>text font</source>
        <translation>police du texte</translation>
    </message>
    <message>
        <source>hyperlink font</source>
        <translation>police des liens</translation>
    </message>
    <message>
        <source>button font</source>
        <translation>police des boutons</translation>
    </message>
    <message>
        <source>needs three parts: family;size;weight</source>
        <translation>doit avoir trois parties : famille;taille;graisse</translation>
    </message>
    <message>
        <source>has a family name a stylesheet cannot hold</source>
        <translation>a un nom de famille qu&apos;une feuille de style ne peut pas contenir</translation>
    </message>
    <message>
        <source>has no font size</source>
        <translation>n&apos;a pas de taille de police</translation>
    </message>
    <message>
        <source>has no font weight</source>
        <translation>n&apos;a pas de graisse de police</translation>
    </message>
    <message>
        <source>logo position top</source>
        <translation>position haute du logo</translation>
    </message>
    <message>
        <source>logo position left</source>
        <translation>position gauche du logo</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>background image</source>
        <translation>image de fond</translation>
    </message>
    <message>
        <source>background sound</source>
        <translation>son de fond</translation>
    </message>
    <message>
        <source>logo</source>
        <translation>logo</translation>
    </message>
    <message>
        <source>button image (on)</source>
        <translation>image de bouton (activé)</translation>
    </message>
    <message>
        <source>button image (off)</source>
        <translation>image de bouton (désactivé)</translation>
    </message>
    <message>
        <source>has a file name a stylesheet cannot hold</source>
        <translation>a un nom de fichier qu&apos;une feuille de style ne peut pas contenir</translation>
    </message>
    <message>
        <source>The CD root %1 is a file, not a folder.</source>
        <translation>La racine du CD %1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The CD root %1 is a link to nothing.</source>
        <translation>La racine du CD %1 est un lien qui ne mène nulle part.</translation>
    </message>
    <message>
        <source>The CD root %1 is a link loop.</source>
        <translation>La racine du CD %1 est une boucle de liens.</translation>
    </message>
    <message>
        <source>The field %1 of the style &quot;%2&quot; names %3, which leads out of the style&apos;s folder %4.</source>
        <translation>Le champ %1 du style « %2 » désigne %3, qui sort du dossier du style %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora Wizard builds an autorun HTML menu for a CD from the files gathered in one folder.
Without a command it opens the wizard window.</source>
        <translation>Velmora Wizard crée un menu HTML à démarrage automatique pour un CD à partir des fichiers réunis dans un dossier.
Sans commande, il ouvre la fenêtre de l&apos;assistant.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Keep Velmora.dat and the style library in DIR (default: $VELMORA_HOME, else the program folder when Velmora runs from its build folder, else ~/.local/share/Velmora).</source>
        <translation>Garder Velmora.dat et la bibliothèque de styles dans DIR (par défaut : $VELMORA_HOME, sinon le dossier du programme quand Velmora tourne depuis son dossier de compilation, sinon ~/.local/share/Velmora).</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, en, es, fr) instead of the system&apos;s.</source>
        <translation>Parler la langue CODE (de, en, es, fr) au lieu de celle du système.</translation>
    </message>
    <message>
        <source>list                print the stored menus, one per line
build MENUID        rebuild the CD root of a stored menu
</source>
        <translation>list                afficher les menus enregistrés, un par ligne
build MENUID        reconstruire la racine du CD d&apos;un menu enregistré
</translation>
    </message>
    <message>
        <source>--home needs the name of a folder.</source>
        <translation>--home attend le nom d&apos;un dossier.</translation>
    </message>
    <message>
        <source>VELMORA_HOME is set but empty; name a folder or unset it.</source>
        <translation>VELMORA_HOME est défini mais vide ; indiquez un dossier ou supprimez la variable.</translation>
    </message>
    <message>
        <source>--lang needs a language code such as de, fr or es, not &quot;%1&quot;.</source>
        <translation>--lang attend un code de langue comme de, fr ou es, pas « %1 ».</translation>
    </message>
    <message>
        <source>list takes no arguments.</source>
        <translation>list ne prend aucun argument.</translation>
    </message>
    <message>
        <source>build takes one argument, the number of the menu (see &apos;velmora list&apos;).</source>
        <translation>build prend un argument, le numéro du menu (voir &apos;velmora list&apos;).</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Commande inconnue : %1</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2.</source>
        <translation>Impossible de créer le dossier de données %1 : %2.</translation>
    </message>
    <message>
        <source>Not enough memory to %1 the menus.</source>
        <translation>Mémoire insuffisante pour « %1 » sur les menus.</translation>
    </message>
    <message>
        <source>The %1 command failed: %2</source>
        <translation>La commande %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 écrit</translation>
    </message>
    <message>
        <source>add: put every new entry in this category.</source>
        <translation>add : placer chaque nouvelle entrée dans cette catégorie.</translation>
    </message>
    <message>
        <source>iso: write the image to FILE (default: the menu title with .iso beside the CD root).</source>
        <translation>iso : écrire l&apos;image dans FILE (par défaut : le titre du menu avec .iso à côté de la racine du CD).</translation>
    </message>
    <message>
        <source>add MENUID PATH...  add entries for the files given
check MENUID        report what would spoil the disc
iso MENUID          write a disc image of the CD root</source>
        <translation>add MENUID PATH...  ajouter des entrées pour les fichiers indiqués
check MENUID        signaler ce qui gâcherait le disque
iso MENUID          écrire une image disque de la racine du CD</translation>
    </message>
    <message>
        <source>add takes the number of the menu and one or more files or folders.</source>
        <translation>add prend le numéro du menu et un ou plusieurs fichiers ou dossiers.</translation>
    </message>
    <message>
        <source>%1 takes one argument, the number of the menu (see &apos;velmora list&apos;).</source>
        <translation>%1 prend un argument, le numéro du menu (voir &apos;velmora list&apos;).</translation>
    </message>
    <message>
        <source>--category is an option of add.</source>
        <translation>--category est une option de add.</translation>
    </message>
    <message>
        <source>-o is an option of iso.</source>
        <translation>-o est une option de iso.</translation>
    </message>
    <message>
        <source>The CD root folder %1 of menu %2 does not exist.</source>
        <translation>Le dossier racine du CD %1 du menu %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>Added %1 as &quot;%2&quot; in %3</source>
        <translation>%1 ajouté comme « %2 » dans %3</translation>
    </message>
    <message>
        <source>Nothing to add: every file already has an entry.</source>
        <translation>Rien à ajouter : chaque fichier a déjà une entrée.</translation>
    </message>
    <message>
        <source>The CD root has no %1 yet: build the menu first (&apos;velmora build %2&apos;).</source>
        <translation>La racine du CD n&apos;a pas encore de %1 : construisez d&apos;abord le menu (&apos;velmora build %2&apos;).</translation>
    </message>
    <message>
        <source>Making the disc image: %1%</source>
        <translation>Création de l&apos;image disque : %1%</translation>
    </message>
    <message>
        <source>velmora: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
The commands work without one: see &apos;velmora --help&apos;.</source>
        <translation>velmora : aucun écran pour afficher la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).
Les commandes fonctionnent sans : voir &apos;velmora --help&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;velmora --help&apos;.</source>
        <translation>Essayez &apos;velmora --help&apos;.</translation>
    </message>
    <message>
        <source>Added %1 of %2 files; the others were added by another program meanwhile.</source>
        <translation>%1 fichiers sur %2 ajoutés ; les autres ont été ajoutés entre-temps par un autre programme.</translation>
    </message>
    <message>
        <source>Show the window at PERCENT (50 to 400) for this run; the View menu&apos;s choice is kept for the next starts.</source>
        <translation>Afficher la fenêtre à PERCENT % (50 à 400) pour cette exécution ; le choix du menu Affichage est conservé pour les démarrages suivants.</translation>
    </message>
    <message>
        <source>--zoom needs a whole percentage from 50 to 400, such as 150.</source>
        <translation>--zoom attend un pourcentage entier de 50 à 400, par exemple 150.</translation>
    </message>
    <message>
        <source>burn: the drive to burn with (/dev/sr0; stdio:FILE writes into a file as if it were a disc).</source>
        <translation>burn : le graveur à utiliser (/dev/sr0 ; stdio:FILE écrit dans un fichier comme s’il s’agissait d’un disque).</translation>
    </message>
    <message>
        <source>burn: go through the burn with the laser off.</source>
        <translation>burn : simuler la gravure, laser éteint.</translation>
    </message>
    <message>
        <source>burn: write at N times the disc&apos;s base speed (default: the fastest).</source>
        <translation>burn : écrire à N fois la vitesse de base du disque (par défaut : la plus rapide).</translation>
    </message>
    <message>
        <source>burn: do not read the disc back.</source>
        <translation>burn : ne pas relire le disque.</translation>
    </message>
    <message>
        <source>burn: erase a rewritable disc that holds data.</source>
        <translation>burn : effacer un disque réinscriptible qui contient des données.</translation>
    </message>
    <message>
        <source>burn, copy: eject the medium at the end.</source>
        <translation>burn, copy : éjecter le support à la fin.</translation>
    </message>
    <message>
        <source>copy: the folder (a mounted stick or card) or FAT image to copy the CD root onto.</source>
        <translation>copy : le dossier (une clé ou une carte montée) ou l’image FAT sur lequel copier la racine du CD.</translation>
    </message>
    <message>
        <source>burn MENUID         burn the CD root onto a disc
copy MENUID --to FOLDER
                    copy the CD root onto a stick or folder</source>
        <translation>burn MENUID         graver la racine du CD sur un disque
copy MENUID --to FOLDER
                    copier la racine du CD sur une clé ou dans un dossier</translation>
    </message>
    <message>
        <source>--%1 is an option of burn.</source>
        <translation>--%1 est une option de burn.</translation>
    </message>
    <message>
        <source>--to is an option of copy.</source>
        <translation>--to est une option de copy.</translation>
    </message>
    <message>
        <source>--eject is an option of burn and copy.</source>
        <translation>--eject est une option de burn et de copy.</translation>
    </message>
    <message>
        <source>--speed needs a whole number from 1 to 100, such as 8.</source>
        <translation>--speed attend un nombre entier de 1 à 100, par exemple 8.</translation>
    </message>
    <message>
        <source>--drive needs a device, such as /dev/sr0.</source>
        <translation>--drive attend un périphérique, par exemple /dev/sr0.</translation>
    </message>
    <message>
        <source>copy needs --to and the folder of the stick or card.</source>
        <translation>copy attend --to et le dossier de la clé ou de la carte.</translation>
    </message>
    <message>
        <source>No disc burner was found.</source>
        <translation>Aucun graveur n’a été trouvé.</translation>
    </message>
    <message>
        <source>There are several drives; choose one with --drive:</source>
        <translation>Il y a plusieurs graveurs ; choisissez-en un avec --drive :</translation>
    </message>
    <message>
        <source>The disc check found problems; nothing was burned.</source>
        <translation>La vérification du disque a trouvé des problèmes ; rien n’a été gravé.</translation>
    </message>
    <message>
        <source>Disc in %1: %2</source>
        <translation>Disque dans %1 : %2</translation>
    </message>
    <message>
        <source>Nothing was written; give --blank to erase it.</source>
        <translation>Rien n’a été écrit ; indiquez --blank pour l’effacer.</translation>
    </message>
    <message>
        <source>Erasing the disc: %1%</source>
        <translation>Effacement du disque : %1%</translation>
    </message>
    <message>
        <source>Burning: %1%</source>
        <translation>Gravure : %1%</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 restantes</translation>
    </message>
    <message>
        <source>Reading the disc back</source>
        <translation>Relecture du disque</translation>
    </message>
    <message>
        <source>Simulated: the menu (%1 MB) would have been burned onto the %2 in %3; nothing was written.</source>
        <translation>Simulation : le menu (%1 Mo) aurait été gravé sur le %2 dans %3 ; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Burned and verified: %1</source>
        <translation>Gravé et vérifié : %1</translation>
    </message>
    <message>
        <source>Burned (not verified): %1</source>
        <translation>Gravé (non vérifié) : %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Copying: %1 of %2 files, %3 of %4 MB</source>
        <translation>Copie : %1 fichiers sur %2, %3 Mo sur %4</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copié</translation>
    </message>
    <message>
        <source>The files copied so far are complete.</source>
        <translation>Les fichiers copiés jusqu’ici sont complets.</translation>
    </message>
    <message>
        <source>Not part of the menu: %1</source>
        <translation>Ne fait pas partie du menu : %1</translation>
    </message>
    <message>
        <source>Copied and verified: %1 files written, %2 unchanged, on %3.</source>
        <translation>Copié et vérifié : %1 fichiers écrits, %2 inchangés, sur %3.</translation>
    </message>
    <message>
        <source>Windows does not start a menu from a USB drive by itself: open Start.exe or Index.htm on the stick.</source>
        <translation>Windows ne lance pas tout seul un menu depuis un lecteur USB : ouvrez Start.exe ou Index.htm sur la clé.</translation>
    </message>
    <message>
        <source>%1 is not on a removable drive; there is nothing to eject.</source>
        <translation>%1 n’est pas sur un lecteur amovible ; il n’y a rien à éjecter.</translation>
    </message>
    <message>
        <source>Ejected %1: the drive can be pulled.</source>
        <translation>%1 éjecté : le lecteur peut être retiré.</translation>
    </message>
    <message>
        <source>Left out %1 of the rows of tblMenus: their MenuID is not a positive whole number, or an earlier row has it, so no command can reach them.</source>
        <translation>%1 lignes de tblMenus laissées de côté : leur MenuID n&apos;est pas un nombre entier positif, ou une ligne précédente l&apos;a déjà, donc aucune commande ne peut les atteindre.</translation>
    </message>
    <message>
        <source>%1 is not a menu number: menus are numbered from 1 (see &apos;velmora list&apos;).</source>
        <translation>%1 n&apos;est pas un numéro de menu : les menus sont numérotés à partir de 1 (voir « velmora list »).</translation>
    </message>
    <message>
        <source>%1 is too large for a menu number (see &apos;velmora list&apos;).</source>
        <translation>%1 est trop grand pour un numéro de menu (voir « velmora list »).</translation>
    </message>
    <message>
        <source>--category needs a text, the category of the new entries.</source>
        <translation>--category attend un texte, la catégorie des nouvelles entrées.</translation>
    </message>
    <message>
        <source>Simulated erasing the %1 in %2; writing onto a disc that holds data can be simulated only once it is erased. Nothing was written.</source>
        <translation>Effacement du %1 dans %2 simulé ; l’écriture sur un disque qui contient des données ne peut être simulée qu’après son effacement. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Removable drives:</source>
        <translation>Lecteurs amovibles :</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Cannot create the folder of %1.</source>
        <translation>Impossible de créer le dossier de %1.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database: it has no table %2.</source>
        <translation>%1 n&apos;est pas une base de données Velmora : elle n&apos;a pas de table %2.</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database: table %2 has no column %3.</source>
        <translation>%1 n&apos;est pas une base de données Velmora : la table %2 n&apos;a pas de colonne %3.</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database: it is not a database file.</source>
        <translation>%1 n&apos;est pas une base de données Velmora : ce n&apos;est pas un fichier de base de données.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a database.</source>
        <translation>%1 est un dossier, pas une base de données.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 est un lien vers un fichier qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>%1 is a broken link</source>
        <translation>%1 est un lien brisé</translation>
    </message>
    <message>
        <source>permission denied in %1</source>
        <translation>permission refusée dans %1</translation>
    </message>
    <message>
        <source>%1 is locked: another program is using it (%2).</source>
        <translation>%1 est verrouillé : un autre programme l&apos;utilise (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be written: the file or its folder is read-only (%2).</source>
        <translation>Impossible d&apos;écrire %1 : le fichier ou son dossier est en lecture seule (%2).</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d&apos;ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 n&apos;est pas un fichier de base de données.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 est endommagé : %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot read or write %1: %2.</source>
        <translation>Impossible de lire ou d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>The menu %1 no longer exists; it was deleted by another program.</source>
        <translation>Le menu %1 n&apos;existe plus ; un autre programme l&apos;a supprimé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>The menu %1 could not be stored.</source>
        <translation>Le menu %1 n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The menu %1 is stored %2 times; nothing was changed.</source>
        <translation>Le menu %1 est enregistré %2 fois ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The entry %1 of the menu %2 could not be replaced: it no longer exists.</source>
        <translation>L&apos;entrée %1 du menu %2 n&apos;a pas pu être remplacée : elle n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The entry %1 of the menu %2 could not be stored.</source>
        <translation>L&apos;entrée %1 du menu %2 n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>The entry %1 is no longer in the menu %2.</source>
        <translation>L&apos;entrée %1 n&apos;est plus dans le menu %2.</translation>
    </message>
    <message>
        <source>The style %1 could not be stored.</source>
        <translation>Le style %1 n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The style %1 (number %2) no longer exists; it was deleted by another program.</source>
        <translation>Le style %1 (numéro %2) n&apos;existe plus ; un autre programme l&apos;a supprimé.</translation>
    </message>
    <message>
        <source>%1 is a link loop: it leads back to itself.</source>
        <translation>%1 est une boucle de liens : il ramène à lui-même.</translation>
    </message>
    <message>
        <source>%1 could not be changed in %2: %3</source>
        <translation>%1 n&apos;a pas pu être modifié dans %2 : %3</translation>
    </message>
    <message>
        <source>The menu %1</source>
        <translation>Le menu %1</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; of the menu %2</source>
        <translation>L&apos;entrée « %1 » du menu %2</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot;</source>
        <translation>Le style « %1 »</translation>
    </message>
    <message>
        <source>The entries of the menu %1 were not stored as given: %2 rows were meant to be added and %3 were; %4 holds something (a trigger?) that changes them. Nothing was added.</source>
        <translation>Les entrées du menu %1 n&apos;ont pas été enregistrées telles quelles : %2 lignes devaient être ajoutées et %3 l&apos;ont été ; %4 contient quelque chose (un déclencheur ?) qui les modifie. Rien n&apos;a été ajouté.</translation>
    </message>
</context>
<context>
    <name>DiscBurn</name>
    <message>
        <source>xorriso was not found. Please install the xorriso package to burn discs.</source>
        <translation>xorriso est introuvable. Installez le paquet xorriso pour graver des disques.</translation>
    </message>
    <message>
        <source>xorriso could not be started: %1</source>
        <translation>xorriso n’a pas pu être lancé : %1</translation>
    </message>
    <message>
        <source>The drive did not answer.</source>
        <translation>Le graveur n’a pas répondu.</translation>
    </message>
    <message>
        <source>The drive %1 cannot be read. %2</source>
        <translation>Le graveur %1 ne peut pas être lu. %2</translation>
    </message>
    <message>
        <source>A disc is already being burned.</source>
        <translation>Un disque est déjà en cours de gravure.</translation>
    </message>
    <message>
        <source>The CD root folder %1 does not exist.</source>
        <translation>Le dossier racine du CD %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The burn was cancelled. A write-once disc that was being written cannot be used again.</source>
        <translation>La gravure a été annulée. Un disque non réinscriptible en cours d’écriture ne peut plus servir.</translation>
    </message>
    <message>
        <source>xorriso could not burn the disc (exit code %1).
%2</source>
        <translation>xorriso n’a pas pu graver le disque (code de sortie %1).
%2</translation>
    </message>
    <message>
        <source>The disc does not match what was written: %1 differs.</source>
        <translation>Le disque ne correspond pas à ce qui a été écrit : %1 diffère.</translation>
    </message>
    <message>
        <source>The disc was burned, but it does not read back as written.
%1</source>
        <translation>Le disque a été gravé, mais sa relecture ne correspond pas à ce qui a été écrit.
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>no disc</source>
        <translation>aucun disque</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vierge</translation>
    </message>
    <message>
        <source>appendable</source>
        <translation>complétable</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>%1, %2, %3 free</source>
        <translation>%1, %2, %3 libres</translation>
    </message>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Il n’y a pas de disque dans le graveur.</translation>
    </message>
    <message>
        <source>The disc in the drive (%1) cannot be written.</source>
        <translation>Le disque dans le graveur (%1) ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The %1 in the drive is closed: nothing more can be written on it.</source>
        <translation>Le %1 dans le graveur est fermé : plus rien ne peut y être écrit.</translation>
    </message>
    <message>
        <source>The menu needs %1, but the %2 in the drive has only %3 free.</source>
        <translation>Le menu a besoin de %1, mais le %2 dans le graveur n’a que %3 libres.</translation>
    </message>
    <message>
        <source>The %1 in the drive holds %2 of data. Burning the menu erases all of it. Erase the disc and burn?</source>
        <translation>Le %1 dans le graveur contient %2 de données. Graver le menu les efface toutes. Effacer le disque et graver ?</translation>
    </message>
    <message>
        <source>&amp;Burn to Disc…</source>
        <translation>&amp;Graver sur un disque…</translation>
    </message>
    <message>
        <source>Burn to Disc</source>
        <translation>Graver sur un disque</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Graveur :</translation>
    </message>
    <message>
        <source>Disc:</source>
        <translation>Disque :</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>La plus rapide</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Vitesse :</translation>
    </message>
    <message>
        <source>Si&amp;mulate first</source>
        <translation>Si&amp;muler d’abord</translation>
    </message>
    <message>
        <source>&amp;Verify the disc after burning</source>
        <translation>&amp;Vérifier le disque après la gravure</translation>
    </message>
    <message>
        <source>&amp;Eject the disc when done</source>
        <translation>É&amp;jecter le disque à la fin</translation>
    </message>
    <message>
        <source>&amp;Burn</source>
        <translation>&amp;Graver</translation>
    </message>
    <message>
        <source>Erasing the disc: %1%</source>
        <translation>Effacement du disque : %1%</translation>
    </message>
    <message>
        <source>Reading the disc back to verify it…</source>
        <translation>Relecture du disque pour le vérifier…</translation>
    </message>
    <message>
        <source>Burning: %1%</source>
        <translation>Gravure : %1%</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>%1:%2 restantes</translation>
    </message>
    <message>
        <source>Simulating the burn…</source>
        <translation>Simulation de la gravure…</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Gravure…</translation>
    </message>
    <message>
        <source>Stop the burn? A write-once disc that is stopped while it is written cannot be used again.</source>
        <translation>Arrêter la gravure ? Un disque non réinscriptible arrêté en cours d’écriture ne peut plus servir.</translation>
    </message>
    <message>
        <source>No disc burner was found. Connect one, or make a disc image (File → Make Disc Image…) and burn it elsewhere.</source>
        <translation>Aucun graveur n’a été trouvé. Branchez-en un, ou créez une image disque (Fichier → Créer une image disque…) et gravez-la ailleurs.</translation>
    </message>
    <message>
        <source>The simulation went through: the menu (%1) fits on the %2. Burn the disc now?</source>
        <translation>La simulation a réussi : le menu (%1) tient sur le %2. Graver le disque maintenant ?</translation>
    </message>
    <message>
        <source>The disc has been burned and verified.</source>
        <translation>Le disque a été gravé et vérifié.</translation>
    </message>
    <message>
        <source>The disc has been burned (not verified).</source>
        <translation>Le disque a été gravé (non vérifié).</translation>
    </message>
    <message>
        <source>The erase of the %1 went through; writing onto a disc that holds data can be simulated only once it is erased. The menu (%2) fits on it. Erase the disc and burn now?</source>
        <translation>L’effacement du %1 a réussi ; l’écriture sur un disque qui contient des données ne peut être simulée qu’après son effacement. Le menu (%2) y tient. Effacer le disque et graver maintenant ?</translation>
    </message>
    <message>
        <source>Burning a disc needs xorriso.exe beside velmora.exe or on the PATH.</source>
        <translation>Pour graver un disque, xorriso.exe doit se trouver à côté de velmora.exe ou dans le PATH.</translation>
    </message>
</context>
<context>
    <name>DiscCheck</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>a CD (700 MB)</source>
        <translation>un CD (700 Mo)</translation>
    </message>
    <message>
        <source>a DVD (4.7 GB)</source>
        <translation>un DVD (4,7 Go)</translation>
    </message>
    <message>
        <source>a dual-layer DVD (8.5 GB)</source>
        <translation>un DVD double couche (8,5 Go)</translation>
    </message>
    <message>
        <source>; fits on </source>
        <translation> ; tient sur </translation>
    </message>
    <message>
        <source>; too large for </source>
        <translation> ; trop grand pour </translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>dépasse %1 caractères</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>holds the character %1</source>
        <translation>contient le caractère %1</translation>
    </message>
    <message>
        <source>The entry %1 links to %2, which is not inside the CD root.</source>
        <translation>L&apos;entrée %1 renvoie vers %2, qui n&apos;est pas dans la racine du CD.</translation>
    </message>
    <message>
        <source>The file %1 of the entry %2 is missing.</source>
        <translation>Le fichier %1 de l&apos;entrée %2 est manquant.</translation>
    </message>
    <message>
        <source>The media file %1 would replace the screenshot %2 of the entry %3.</source>
        <translation>Le fichier multimédia %1 remplacerait la capture d&apos;écran %2 de l&apos;entrée %3.</translation>
    </message>
    <message>
        <source>The name %1 %2, which a Joliet disc cannot hold.</source>
        <translation>Le nom %1 %2, ce qu&apos;un disque Joliet ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The disc check found these problems. Build the menu anyway?</source>
        <translation>La vérification du disque a trouvé ces problèmes. Construire le menu quand même ?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Remarques :</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Image size: %1 sectors (%2)</source>
        <translation>Taille de l&apos;image : %1 secteurs (%2)</translation>
    </message>
    <message>
        <source>, estimated</source>
        <translation>, estimée</translation>
    </message>
    <message>
        <source>holds the character %1 (U+%2)</source>
        <translation>contient le caractère %1 (U+%2)</translation>
    </message>
    <message>
        <source>The image would take %1 sectors (%2), more than a dual-layer DVD (8.5 GB) can hold.</source>
        <translation>L&apos;image occuperait %1 secteurs (%2), plus que ne peut contenir un DVD double couche (8,5 Go).</translation>
    </message>
    <message>
        <source>The entry %1 has no file.</source>
        <translation>L&apos;entrée %1 n&apos;a pas de fichier.</translation>
    </message>
    <message>
        <source>The screenshot %1 of the entry %2 is missing.</source>
        <translation>La capture d&apos;écran %1 de l&apos;entrée %2 est manquante.</translation>
    </message>
    <message>
        <source>The link %1 leads outside the CD root; the disc image leaves it out.</source>
        <translation>Le lien %1 mène hors de la racine du CD ; l&apos;image disque l&apos;omet.</translation>
    </message>
    <message>
        <source>The link %1 leads to nothing; the disc image leaves it out.</source>
        <translation>Le lien %1 ne mène nulle part ; l&apos;image disque l&apos;omet.</translation>
    </message>
    <message>
        <source>The link %1 leads back into a folder that holds it; the disc image leaves it out.</source>
        <translation>Le lien %1 ramène dans un dossier qui le contient ; l&apos;image disque l&apos;omet.</translation>
    </message>
    <message>
        <source>The name %1 cannot be shown on the menu or read on Windows: rename it.</source>
        <translation>Le nom %1 ne peut être ni affiché dans le menu ni lu sous Windows : renommez-le.</translation>
    </message>
    <message>
        <source>The names %1 and %2 differ only in letter case; Windows reads only one of them.</source>
        <translation>Les noms %1 et %2 ne diffèrent que par la casse ; Windows n&apos;en lit qu&apos;un seul.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read, so no disc image can be made of it.</source>
        <translation>Le dossier %1 ne peut pas être lu : aucune image disque ne peut donc en être faite.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read, so no disc image can be made of it.</source>
        <translation>Le fichier %1 ne peut pas être lu : aucune image disque ne peut donc en être faite.</translation>
    </message>
    <message>
        <source>The hidden folder %1 will go on the disc.</source>
        <translation>Le dossier caché %1 sera mis sur le disque.</translation>
    </message>
    <message>
        <source>The hidden file %1 will go on the disc.</source>
        <translation>Le fichier caché %1 sera mis sur le disque.</translation>
    </message>
    <message>
        <source>, estimated (%1)</source>
        <translation>, estimée (%1)</translation>
    </message>
    <message>
        <source>xorriso was not found</source>
        <translation>xorriso est introuvable</translation>
    </message>
    <message>
        <source>%1 is a pipe, a device or a socket, not a file; the disc image leaves it out.</source>
        <translation>%1 est un tube, un périphérique ou une socket, pas un fichier ; l&apos;image disque le laisse de côté.</translation>
    </message>
    <message>
        <source>The name %1 %2, which Windows cannot open from a disc.</source>
        <translation>Le nom %1 %2, ce que Windows ne peut pas ouvrir depuis un disque.</translation>
    </message>
    <message>
        <source>ends in a dot</source>
        <translation>se termine par un point</translation>
    </message>
    <message>
        <source>ends in a blank</source>
        <translation>se termine par une espace</translation>
    </message>
    <message>
        <source>is the device name %1</source>
        <translation>est le nom de périphérique %1</translation>
    </message>
</context>
<context>
    <name>DiscImage</name>
    <message>
        <source>xorriso was not found. Please install the xorriso package to make disc images.</source>
        <translation>xorriso est introuvable. Veuillez installer le paquet xorriso pour créer des images disque.</translation>
    </message>
    <message>
        <source>A disc image is already being made.</source>
        <translation>Une image disque est déjà en cours de création.</translation>
    </message>
    <message>
        <source>The image %1 cannot be written inside the CD root %2, which it would hold.</source>
        <translation>L&apos;image %1 ne peut pas être écrite dans la racine du CD %2, qu&apos;elle contiendrait.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 est un dossier.</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1: %2</source>
        <translation>Impossible d&apos;écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Making the disc image was cancelled.</source>
        <translation>La création de l&apos;image disque a été annulée.</translation>
    </message>
    <message>
        <source>xorriso could not make the disc image (exit code %1).
%2</source>
        <translation>xorriso n&apos;a pas pu créer l&apos;image disque (code de sortie %1).
%2</translation>
    </message>
    <message>
        <source>Cannot name the disc image %1: %2</source>
        <translation>Impossible de nommer l&apos;image disque %1 : %2</translation>
    </message>
    <message>
        <source>Make Disc Image…</source>
        <translation>Créer une image disque…</translation>
    </message>
    <message>
        <source>Making the disc image…</source>
        <translation>Création de l&apos;image disque…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The disc image %1 has been made.</source>
        <translation>L&apos;image disque %1 a été créée.</translation>
    </message>
    <message>
        <source>Make Disc Image</source>
        <translation>Créer une image disque</translation>
    </message>
    <message>
        <source>Disc images (*.iso)</source>
        <translation>Images disque (*.iso)</translation>
    </message>
    <message>
        <source>Make Disc &amp;Image…</source>
        <translation>Créer une &amp;image disque…</translation>
    </message>
    <message>
        <source>xorriso could not be started: %1</source>
        <translation>xorriso n&apos;a pas pu être lancé : %1</translation>
    </message>
    <message>
        <source>xorriso could not tell the image&apos;s size. %1</source>
        <translation>xorriso n&apos;a pas pu indiquer la taille de l&apos;image. %1</translation>
    </message>
    <message>
        <source>Making a disc image needs xorriso.exe beside velmora.exe or on the PATH.</source>
        <translation>Pour créer une image disque, xorriso.exe doit se trouver à côté de velmora.exe ou dans le PATH.</translation>
    </message>
</context>
<context>
    <name>DriveCopy</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor a FAT image. %2</source>
        <translation>%1 n’est ni un dossier ni une image FAT. %2</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The menu cannot be copied into %1, which holds the CD root or lies inside it.</source>
        <translation>Le menu ne peut pas être copié dans %1, qui contient la racine du CD ou se trouve à l’intérieur.</translation>
    </message>
    <message>
        <source>The CD root folder %1 does not exist.</source>
        <translation>Le dossier racine du CD %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1: the name is not valid UTF-8 and cannot be copied: rename it</source>
        <translation>%1 : le nom n’est pas de l’UTF-8 valide et ne peut pas être copié : renommez-le</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is not a file or a folder and cannot be copied.</source>
        <translation>%1 n’est ni un fichier ni un dossier et ne peut pas être copié.</translation>
    </message>
    <message>
        <source>%1 and %2 differ only in letter case, which a %3 drive cannot tell apart</source>
        <translation>%1 et %2 ne diffèrent que par la casse, qu’un lecteur %3 ne distingue pas</translation>
    </message>
    <message>
        <source>%1 on the drive is a file or a link, not a folder: move it away</source>
        <translation>%1 sur le lecteur est un fichier ou un lien, pas un dossier : déplacez-le</translation>
    </message>
    <message>
        <source>%1 on the drive is a folder, not a file: move it away</source>
        <translation>%1 sur le lecteur est un dossier, pas un fichier : déplacez-le</translation>
    </message>
    <message>
        <source>%1 has %2 free; the menu needs %3 there.</source>
        <translation>%1 a %2 libres ; le menu y a besoin de %3.</translation>
    </message>
    <message>
        <source>%1 did not read back as it was written: the drive may be failing. Nothing was put under its name.</source>
        <translation>%1 ne s’est pas relu tel qu’il a été écrit : le lecteur est peut-être défaillant. Rien n’a été mis sous son nom.</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>La copie a été annulée.</translation>
    </message>
    <message>
        <source>mtools was not found. Please install the mtools package to copy onto a FAT image.</source>
        <translation>mtools est introuvable. Installez le paquet mtools pour copier sur une image FAT.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 n’a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>%1 failed on %2: %3</source>
        <translation>%1 a échoué sur %2 : %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 GB is too large for a FAT32 drive, which holds files under 4 GB</source>
        <translation>%1 Go, c’est trop pour un lecteur FAT32, qui n’accepte que des fichiers de moins de 4 Go</translation>
    </message>
    <message>
        <source>a %1 drive cannot hold a name with &quot; * : &lt; &gt; ? \ | or a control character</source>
        <translation>un lecteur %1 n’accepte pas de nom avec &quot; * : &lt; &gt; ? \ | ou un caractère de contrôle</translation>
    </message>
    <message>
        <source>Windows cannot open a name that ends in a dot or a blank</source>
        <translation>Windows ne peut pas ouvrir un nom qui se termine par un point ou une espace</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>the drive refused it</source>
        <translation>le lecteur l’a refusé</translation>
    </message>
    <message>
        <source>Cannot read back %1: %2</source>
        <translation>Impossible de relire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot name the copy %1: %2</source>
        <translation>Impossible de nommer la copie %1 : %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>%1 could not be written to the drive: %2</source>
        <translation>%1 n’a pas pu être écrit sur le lecteur : %2</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>Un fichier</translation>
    </message>
    <message>
        <source>%1 GB free</source>
        <translation>%1 Go libres</translation>
    </message>
    <message>
        <source>udisksctl did not answer: %1</source>
        <translation>udisksctl n’a pas répondu : %1</translation>
    </message>
    <message>
        <source>The drive is busy: a program still uses a file on it. Close that program and eject again.</source>
        <translation>Le lecteur est occupé : un programme utilise encore un fichier dessus. Fermez ce programme et éjectez à nouveau.</translation>
    </message>
    <message>
        <source>The drive could not be ejected: %1</source>
        <translation>Le lecteur n’a pas pu être éjecté : %1</translation>
    </message>
    <message>
        <source>udisksctl was not found (package udisks2): unmount the drive in the file manager.</source>
        <translation>udisksctl est introuvable (paquet udisks2) : démontez le lecteur dans le gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>Ejecting is not available here: eject the drive in the file manager.</source>
        <translation>L’éjection n’est pas disponible ici : éjectez le lecteur dans le gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>&amp;Copy to Drive…</source>
        <translation>&amp;Copier sur un lecteur…</translation>
    </message>
    <message>
        <source>Copy to Drive</source>
        <translation>Copier sur un lecteur</translation>
    </message>
    <message>
        <source>No USB stick or card is mounted. Insert one, or choose a folder.</source>
        <translation>Aucune clé USB ni carte n’est montée. Insérez-en une ou choisissez un dossier.</translation>
    </message>
    <message>
        <source>Copy the menu onto:</source>
        <translation>Copier le menu sur :</translation>
    </message>
    <message>
        <source>&amp;Other Folder…</source>
        <translation>&amp;Autre dossier…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>The menu cannot be copied onto %1:
%2
Nothing was written.</source>
        <translation>Le menu ne peut pas être copié sur %1 :
%2
Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>Copie…</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4</source>
        <translation>%1 fichiers sur %2, %3 sur %4</translation>
    </message>
    <message>
        <source>The copy was cancelled. The %1 files copied so far are complete; nothing half-written is left on the drive.</source>
        <translation>La copie a été annulée. Les %1 fichiers copiés jusqu’ici sont complets ; rien d’à moitié écrit ne reste sur le lecteur.</translation>
    </message>
    <message>
        <source>The menu has been copied onto %1 and verified: %2 files written, %3 unchanged.</source>
        <translation>Le menu a été copié sur %1 et vérifié : %2 fichiers écrits, %3 inchangés.</translation>
    </message>
    <message>
        <source>Not part of the menu: %1</source>
        <translation>Ne fait pas partie du menu : %1</translation>
    </message>
    <message>
        <source>Windows does not start a menu from a USB drive by itself: open Start.exe or Index.htm on the stick.</source>
        <translation>Windows ne lance pas tout seul un menu depuis un lecteur USB : ouvrez Start.exe ou Index.htm sur la clé.</translation>
    </message>
    <message>
        <source>Eject the drive now?</source>
        <translation>Éjecter le lecteur maintenant ?</translation>
    </message>
    <message>
        <source>The drive can be pulled now.</source>
        <translation>Le lecteur peut maintenant être retiré.</translation>
    </message>
    <message>
        <source>Copy to Folder</source>
        <translation>Copier dans un dossier</translation>
    </message>
    <message>
        <source>The menu cannot be copied into %1, which holds Velmora&apos;s own data (%2).</source>
        <translation>Le menu ne peut pas être copié dans %1, qui contient les données de Velmora (%2).</translation>
    </message>
    <message>
        <source>The drive could not be ejected: it takes no such request. Use &quot;Safely Remove Hardware&quot; on the taskbar.</source>
        <translation>Le lecteur n’a pas pu être éjecté : il n’accepte pas cette demande. Utilisez « Retirer le périphérique en toute sécurité » dans la barre des tâches.</translation>
    </message>
</context>
<context>
    <name>Entries</name>
    <message>
        <source>All files (*.*)|*.*</source>
        <translation>Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Pictures (*.jpg;*.gif)|*.jpg;*.gif</source>
        <translation>Images (*.jpg;*.gif)|*.jpg;*.gif</translation>
    </message>
    <message>
        <source>Please select a file and enter a file name!</source>
        <translation>Veuillez choisir un fichier et saisir un nom de fichier !</translation>
    </message>
    <message>
        <source>An entry titled %1 is already in this menu.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>Une entrée intitulée %1 est déjà dans ce menu.<byte value="xd"/>
Voulez-vous la remplacer ?</translation>
    </message>
    <message>
        <source>Please select the entry to remove in the list!</source>
        <translation>Veuillez choisir dans la liste l&apos;entrée à supprimer !</translation>
    </message>
    <message>
        <source>Do you really want to remove the entry for %1?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;entrée de %1 ?</translation>
    </message>
    <message>
        <source>Entry deleted successfully!</source>
        <translation>Entrée supprimée avec succès !</translation>
    </message>
    <message>
        <source>  File Descriptions</source>
        <translation>  Descriptions des fichiers</translation>
    </message>
    <message>
        <source>File title</source>
        <translation>Titre du fichier</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Sorry, no matching results</source>
        <translation>Désolé, aucun résultat correspondant</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Now you can add your files and enter the file information. Saved files will be shown in the list and can be edited by clicking on them.</source>
        <translation>Vous pouvez maintenant ajouter vos fichiers et saisir leurs informations. Les fichiers enregistrés s&apos;affichent dans la liste et se modifient d&apos;un clic.</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>File Title:</source>
        <translation>Titre du fichier :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Screenshot:</source>
        <translation>Capture d&apos;écran :</translation>
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
Ouvrir le menu dans votre navigateur maintenant ?</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>the page was not found</source>
        <translation>la page est introuvable</translation>
    </message>
    <message>
        <source>no browser or opener program is installed</source>
        <translation>aucun navigateur ni programme d&apos;ouverture n&apos;est installé</translation>
    </message>
    <message>
        <source>the browser could not be started</source>
        <translation>le navigateur n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>the opener ended with code %1</source>
        <translation>le programme d&apos;ouverture s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>The menu page %1 could not be opened in a browser: %2.</source>
        <translation>La page du menu %1 n&apos;a pas pu être ouverte dans un navigateur : %2.</translation>
    </message>
    <message>
        <source>the system has no program for it</source>
        <translation>le système n&apos;a aucun programme pour cela</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>%1 n&apos;a pas pu être lancé (%2)</translation>
    </message>
    <message>
        <source>%1 ended unexpectedly</source>
        <translation>%1 s&apos;est arrêté de façon inattendue</translation>
    </message>
</context>
<context>
    <name>FolderFill</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is neither a file nor a folder.</source>
        <translation>%1 n&apos;est ni un fichier ni un dossier.</translation>
    </message>
    <message>
        <source>No files to add: every file under the CD root has an entry.</source>
        <translation>Aucun fichier à ajouter : chaque fichier de la racine du CD a une entrée.</translation>
    </message>
    <message>
        <source>No files to add: every file dropped has an entry already.</source>
        <translation>Aucun fichier à ajouter : chaque fichier déposé a déjà une entrée.</translation>
    </message>
    <message>
        <source>No entries were added.</source>
        <translation>Aucune entrée n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>1 entry added.</source>
        <translation>1 entrée ajoutée.</translation>
    </message>
    <message>
        <source>%1 entries added.</source>
        <translation>%1 entrées ajoutées.</translation>
    </message>
    <message>
        <source>These files have no entry yet. Uncheck the ones the menu should not offer.</source>
        <translation>Ces fichiers n&apos;ont pas encore d&apos;entrée. Décochez ceux que le menu ne doit pas proposer.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Category of the checked files:</source>
        <translation>Catégorie des fichiers cochés :</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>The link %1 leads outside the CD root; it is not added.</source>
        <translation>Le lien %1 mène hors de la racine du CD ; il n&apos;est pas ajouté.</translation>
    </message>
    <message>
        <source>The name %1 cannot be shown on the menu or read on Windows: rename it.</source>
        <translation>Le nom %1 ne peut être ni affiché dans le menu ni lu sous Windows : renommez-le.</translation>
    </message>
    <message>
        <source>%1 is Velmora&apos;s own data; it is not added.</source>
        <translation>%1 fait partie des données de Velmora ; il n&apos;est pas ajouté.</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>General Setting</source>
        <translation>Réglages généraux</translation>
    </message>
    <message>
        <source>Please select the folder which contains all files to be on your CD. This folder will be treated as the CD Root path.</source>
        <translation>Veuillez choisir le dossier qui contient tous les fichiers destinés à votre CD. Ce dossier sera traité comme la racine du CD.</translation>
    </message>
    <message>
        <source>If you have not yet placed all files to be on your CD into one folder, we recommend you do so  before continuing.</source>
        <translation>Si vous n&apos;avez pas encore réuni tous les fichiers de votre CD dans un dossier, nous vous recommandons de le faire avant de continuer.</translation>
    </message>
    <message>
        <source>CD root folder:</source>
        <translation>Racine du CD :</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Please enter a menu title!</source>
        <translation>Veuillez saisir un titre de menu !</translation>
    </message>
    <message>
        <source>Please select a root directory for your CD files!</source>
        <translation>Veuillez choisir un dossier racine pour les fichiers de votre CD !</translation>
    </message>
    <message>
        <source>Menu title is already taken, please change your title!,</source>
        <translation>Ce titre de menu est déjà pris, veuillez changer votre titre !,</translation>
    </message>
    <message>
        <source>Your root directory is no longer valid!<byte value="xd"/>
Please select a new root directory!</source>
        <translation>Votre dossier racine n&apos;est plus valide !<byte value="xd"/>
Veuillez choisir un nouveau dossier racine !</translation>
    </message>
    <message>
        <source>The drive %1 cannot be read. Please choose another drive!</source>
        <translation>Le lecteur %1 ne peut pas être lu. Veuillez choisir un autre lecteur !</translation>
    </message>
</context>
<context>
    <name>ModernPage</name>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Title, description, file or type</source>
        <translation>Titre, description, fichier ou type</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 entrée</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 entrées</translation>
    </message>
    <message>
        <source>%1 of %2 entries</source>
        <translation>%1 sur %2 entrées</translation>
    </message>
    <message>
        <source>No entry matches your search.</source>
        <translation>Aucune entrée ne correspond à votre recherche.</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Skip to the entries</source>
        <translation>Aller aux entrées</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>entries without a category</comment>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>kind of file</comment>
        <translation>Document</translation>
    </message>
    <message>
        <source>Archive</source>
        <comment>kind of file</comment>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Program</source>
        <comment>kind of file</comment>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Image</source>
        <comment>kind of file</comment>
        <translation>Image</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>kind of file</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>kind of file</comment>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>kind of file</comment>
        <translation>Autre</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>KB</source>
        <comment>kibibytes</comment>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <comment>mebibytes</comment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <comment>gibibytes</comment>
        <translation>Go</translation>
    </message>
    <message>
        <source>TB</source>
        <comment>tebibytes</comment>
        <translation>To</translation>
    </message>
    <message>
        <source>PB</source>
        <comment>pebibytes</comment>
        <translation>Po</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Lire le son</translation>
    </message>
    <message>
        <source>Pause sound</source>
        <translation>Mettre le son en pause</translation>
    </message>
    <message>
        <source>Open the sound</source>
        <translation>Ouvrir le son</translation>
    </message>
    <message>
        <source>Full-size screenshot: %1</source>
        <translation>Capture d’écran en taille réelle&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: a menu of %2</source>
        <translation>%1&#xa0;: un menu de %2</translation>
    </message>
    <message>
        <source>Made with Velmora</source>
        <translation>Créé avec Velmora</translation>
    </message>
    <message>
        <source>Links are printed after each entry.</source>
        <translation>Les liens sont imprimés après chaque entrée.</translation>
    </message>
</context>
<context>
    <name>OwnData</name>
    <message>
        <source>%1 is part of Velmora&apos;s own data (the menu database or the style library): it cannot be written over. Choose another file.</source>
        <translation>%1 fait partie des données de Velmora (la base des menus ou la bibliothèque de styles) : il ne peut pas être écrasé. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>The CD root %1 holds Velmora&apos;s own data (%2): the disc would carry every stored menu. Choose another CD root, or keep the data elsewhere (--home).</source>
        <translation>La racine du CD %1 contient les données de Velmora (%2) : le disque emporterait tous les menus enregistrés. Choisissez une autre racine, ou gardez les données ailleurs (--home).</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The form %1 cannot be read: %2</source>
        <translation>Impossible de lire le formulaire %1 : %2</translation>
    </message>
    <message>
        <source>The form %1 has no control %2.</source>
        <translation>Le formulaire %1 n&apos;a pas de contrôle %2.</translation>
    </message>
    <message>
        <source>the plugin does not know %1</source>
        <translation>le module ne connaît pas %1</translation>
    </message>
    <message>
        <source>The button %1 cannot be made: %2</source>
        <translation>Impossible de créer le bouton %1 : %2</translation>
    </message>
    <message>
        <source>%1: no corvix plugin there</source>
        <translation>%1 : aucun module corvix à cet endroit</translation>
    </message>
    <message>
        <source>%1 is not a corvix plugin of version %2</source>
        <translation>%1 n&apos;est pas un module corvix de version %2</translation>
    </message>
    <message>
        <source>The button controls (corvix plugin) could not be loaded. </source>
        <translation>Les contrôles de bouton (module corvix) n&apos;ont pas pu être chargés. </translation>
    </message>
    <message>
        <source>The autorun file %1 was not found, so the disc would not open its menu by itself.</source>
        <translation>Le fichier d&apos;exécution automatique %1 est introuvable : le disque n&apos;ouvrirait donc pas son menu tout seul.</translation>
    </message>
    <message>
        <source>The autorun files %1 were not found, so the disc would not open its menu by itself.</source>
        <translation>Les fichiers d&apos;exécution automatique %1 sont introuvables : le disque n&apos;ouvrirait donc pas son menu tout seul.</translation>
    </message>
    <message>
        <source>Start.exe is made when Velmora is built with the mingw-w64 cross compiler.</source>
        <translation>Start.exe est produit quand Velmora est compilé avec le compilateur croisé mingw-w64.</translation>
    </message>
    <message>
        <source>Looked in: %1.</source>
        <translation>Dossiers consultés : %1.</translation>
    </message>
</context>
<context>
    <name>Styles</name>
    <message>
        <source>Please choose a style from the list!</source>
        <translation>Veuillez choisir un style dans la liste !</translation>
    </message>
    <message>
        <source>The style %1 cannot be used: its %2 is empty.</source>
        <translation>Le style %1 ne peut pas être utilisé : son champ %2 est vide.</translation>
    </message>
    <message>
        <source>The style folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier de style %1.</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3</source>
        <translation>Impossible de copier %1 vers %2 : %3</translation>
    </message>
    <message>
        <source>Styles / fonts</source>
        <translation>Styles / polices</translation>
    </message>
    <message>
        <source>Please specify the font settings</source>
        <translation>Veuillez indiquer les réglages des polices</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Colour Active:</source>
        <translation>Couleur active :</translation>
    </message>
    <message>
        <source>Styles / images</source>
        <translation>Styles / images</translation>
    </message>
    <message>
        <source>Please specify the image and sound settings</source>
        <translation>Veuillez indiquer les réglages des images et du son</translation>
    </message>
    <message>
        <source>Style Name:</source>
        <translation>Nom du style :</translation>
    </message>
    <message>
        <source>Background Colour:</source>
        <translation>Couleur de fond :</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Image de fond :</translation>
    </message>
    <message>
        <source>Background Sound:</source>
        <translation>Son de fond :</translation>
    </message>
    <message>
        <source>Logo Image:</source>
        <translation>Image du logo :</translation>
    </message>
    <message>
        <source>Logo position top:</source>
        <translation>Position du logo en haut :</translation>
    </message>
    <message>
        <source>Logo position left:</source>
        <translation>Position du logo à gauche :</translation>
    </message>
    <message>
        <source>Button Image On:</source>
        <translation>Image du bouton actif :</translation>
    </message>
    <message>
        <source>Button Image Off:</source>
        <translation>Image du bouton inactif :</translation>
    </message>
    <message>
        <source>Please enter a style name!</source>
        <translation>Veuillez saisir un nom de style !</translation>
    </message>
    <message>
        <source>Please enter a style name without &quot;/&quot; or &quot;\&quot; that is not &quot;.&quot; or &quot;..&quot;!</source>
        <translation>Veuillez saisir un nom de style sans « / » ni « \ » qui ne soit pas « . » ni « .. » !</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Logo image</source>
        <translation>Image du logo</translation>
    </message>
    <message>
        <source>Background sound</source>
        <translation>Son de fond</translation>
    </message>
    <message>
        <source>Button Off image</source>
        <translation>Image du bouton inactif</translation>
    </message>
    <message>
        <source>Button On image</source>
        <translation>Image du bouton actif</translation>
    </message>
    <message>
        <source>Following paths are no longer valid, please correct!<byte value="xd"/>
</source>
        <translation>Les chemins suivants ne sont plus valides, veuillez les corriger !<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Pictures (*.jpg;*.gif)|*.jpg;*.gif</source>
        <translation>Images (*.jpg;*.gif)|*.jpg;*.gif</translation>
    </message>
    <message>
        <source>Sounds (*.wav;*.mp3)|*.wav;*.mp3</source>
        <translation>Sons (*.wav;*.mp3)|*.wav;*.mp3</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Sorry, no menus available!</source>
        <translation>Désolé, aucun menu disponible !</translation>
    </message>
    <message>
        <source>Please choose a menu from the list!</source>
        <translation>Veuillez choisir un menu dans la liste !</translation>
    </message>
    <message>
        <source>Welcome to the Velmora Wizard</source>
        <translation>Bienvenue dans Velmora Wizard</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>Que voulez-vous faire ?</translation>
    </message>
    <message>
        <source>Menu:</source>
        <translation>Menu :</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected Menu?</source>
        <translation>Voulez-vous vraiment supprimer le menu choisi ?</translation>
    </message>
    <message>
        <source>Menu deleted successfully!</source>
        <translation>Menu supprimé avec succès !</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>The window will be shown at %1 % from the next start of Velmora.</source>
        <translation>La fenêtre sera affichée à %1 % à partir du prochain démarrage de Velmora.</translation>
    </message>
    <message>
        <source>The zoom could not be kept in %1.</source>
        <translation>Le zoom n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>display system information</source>
        <translation>afficher les informations système</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Infos système</translation>
    </message>
</context>
<context>
    <name>frmFiles</name>
    <message>
        <source>Finish Wizard and create menu</source>
        <translation>Terminer l&apos;assistant et créer le menu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmVelmora</name>
    <message>
        <source>Close programme</source>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>step back to previous page</source>
        <translation>revenir à la page précédente</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>step forward to next page</source>
        <translation>passer à la page suivante</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Finish Wizard and create menu</source>
        <translation>Terminer l&apos;assistant et créer le menu</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Create a new menu</source>
        <translation>Créer un nouveau menu</translation>
    </message>
    <message>
        <source>Create Menu</source>
        <translation>Créer un menu</translation>
    </message>
    <message>
        <source>Load existing menu</source>
        <translation>Charger un menu existant</translation>
    </message>
    <message>
        <source>Load Menu</source>
        <translation>Charger un menu</translation>
    </message>
    <message>
        <source>Delete a menu</source>
        <translation>Supprimer un menu</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>Supprimer un menu</translation>
    </message>
    <message>
        <source>Load selected menu</source>
        <translation>Charger le menu choisi</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Delete selected menu</source>
        <translation>Supprimer le menu choisi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Find file description</source>
        <translation>Rechercher une description de fichier</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Remove file entry from menu</source>
        <translation>Retirer l&apos;entrée du fichier du menu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Create new entry in file menu</source>
        <translation>Créer une nouvelle entrée dans le menu</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Add entry / save changes</source>
        <translation>Ajouter l&apos;entrée / enregistrer les modifications</translation>
    </message>
    <message>
        <source>Add/Save</source>
        <translation>Ajouter/Enregistrer</translation>
    </message>
    <message>
        <source>Add an entry for every file under the CD root that has none yet</source>
        <translation>Ajouter une entrée pour chaque fichier de la racine du CD qui n&apos;en a pas encore</translation>
    </message>
    <message>
        <source>Add Folder Contents…</source>
        <translation>Ajouter le contenu du dossier…</translation>
    </message>
</context>
</TS>
