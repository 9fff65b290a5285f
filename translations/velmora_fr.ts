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
        <source>Cannot replace the file</source>
        <translation>Impossible de remplacer le fichier</translation>
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
        <source>Cannot create %1.</source>
        <translation>Impossible de créer %1.</translation>
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
        <source>The CD root folder %1 does not exist.</source>
        <translation>Le dossier racine du CD %1 n&apos;existe pas.</translation>
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
        <translation>Autres</translation>
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
