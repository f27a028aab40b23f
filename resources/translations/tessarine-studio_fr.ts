<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>OpacitySetting</name>
    <message>
        <source>The opacity is a number from %1 to %2.</source>
        <translation>L&apos;opacité est un nombre de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>%1
This file does not exist.
Do you want to create it?</source>
        <translation>%1
Ce fichier n&apos;existe pas.
Voulez-vous le créer&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Plus &amp;tard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Editor for Tessarine cut-scene animations.</source>
        <translation>Éditeur des animations cinématiques de Tessarine.</translation>
    </message>
    <message>
        <source>An animation file to open.</source>
        <translation>Un fichier d&apos;animation à ouvrir.</translation>
    </message>
    <message>
        <source>Shows the editor in &lt;code&gt; (en, de, fr) for this run, whatever Edit &gt; Preferences chose.</source>
        <translation>Affiche l&apos;éditeur en &lt;code&gt; (en, de, fr) pour cette exécution, quel que soit le choix fait dans Édition &gt; Préférences.</translation>
    </message>
</context>
<context>
    <name>tessa::CommandRegistry</name>
    <message>
        <source>there is no such command</source>
        <translation>cette commande n&apos;existe pas</translation>
    </message>
    <message>
        <source>the command is off at the moment (its menu entry is greyed out)</source>
        <translation>la commande est indisponible pour l&apos;instant (son entrée de menu est grisée)</translation>
    </message>
    <message>
        <source>it replaces the document the script works on</source>
        <translation>elle remplace le document sur lequel travaille le script</translation>
    </message>
</context>
<context>
    <name>tessa::DetailsFeature</name>
    <message>
        <source>&amp;Changes</source>
        <translation>&amp;Modifications</translation>
    </message>
    <message>
        <source>Item &amp;Details</source>
        <translation>&amp;Détails de l&apos;élément</translation>
    </message>
</context>
<context>
    <name>tessa::EditFeature</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>Déplacer vers le &amp;haut</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Déplacer vers le haut</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Déplacer vers le &amp;bas</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Déplacer vers le bas</translation>
    </message>
    <message>
        <source>the script&apos;s changes are one step of the history: undo them once the script has ended</source>
        <translation>les modifications du script forment une seule étape de l&apos;historique&#xa0;: annulez-les une fois le script terminé</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Déplacer l&apos;élément</translation>
    </message>
</context>
<context>
    <name>tessa::ExternalEditingFeature</name>
    <message>
        <source>Edit E&amp;xternally</source>
        <translation>Modifier dans l&apos;éditeur e&amp;xterne</translation>
    </message>
    <message>
        <source>No program is set to open %1 files.<byte value="xd"/>
Choose an image editor in Edit &gt; Preferences.</source>
        <translation>Aucun programme n&apos;est défini pour ouvrir les fichiers %1.<byte value="xd"/>
Choisissez un éditeur d&apos;images dans Édition &gt; Préférences.</translation>
    </message>
    <message>
        <source>%1 was saved, but its image is no longer in the animation.</source>
        <translation>%1 a été enregistré, mais son image n&apos;est plus dans l&apos;animation.</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>Mettre à jour l&apos;image</translation>
    </message>
    <message>
        <source>Updated the image on line %1 from %2.</source>
        <translation>Image de la ligne %1 mise à jour depuis %2.</translation>
    </message>
</context>
<context>
    <name>tessa::Filters</name>
    <message>
        <source>Animation Files (*ANIM*.*)|*ANIM*.*|All Files (*.*)|*.*</source>
        <translation>Fichiers d&apos;animation (*ANIM*.*)|*ANIM*.*|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>BitMap Files (*.bmp)|*.bmp|All Files (*.*)|*.*</source>
        <translation>Fichiers bitmap (*.bmp)|*.bmp|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>JASC 3 Palette Files (*.pal)|*.pal|JASC 8 Palette Files (*.pal)|*.pal|Photoshop Palette Files (*.act)|*.act|GAMEPAL.OBJ|GAMEPAL.OBJ</source>
        <translation>Fichiers de palette JASC 3 (*.pal)|*.pal|Fichiers de palette JASC 8 (*.pal)|*.pal|Fichiers de palette Photoshop (*.act)|*.act|GAMEPAL.OBJ|GAMEPAL.OBJ</translation>
    </message>
    <message>
        <source>GIF Animation (*.gif)|*.gif|WebM Video (*.webm)|*.webm|MP4 Video (*.mp4)|*.mp4|PNG Sequence (*.png)|*.png</source>
        <translation>Animation GIF (*.gif)|*.gif|Vidéo WebM (*.webm)|*.webm|Vidéo MP4 (*.mp4)|*.mp4|Séquence PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Animation Patches (*.tpatch)|*.tpatch|All Files (*.*)|*.*</source>
        <translation>Correctifs d&apos;animation (*.tpatch)|*.tpatch|Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>tessa::FrameImport</name>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Import what is there?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Importer ce qui a pu être lu&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tessa::ImageImportFeature</name>
    <message>
        <source>Image Files (%1)|%1|All Files (*.*)|*.*</source>
        <translation>Fichiers image (%1)|%1|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>I&amp;mport Image...</source>
        <translation>I&amp;mporter une image...</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Open or begin an animation to add images to it.</source>
        <translation>Ouvrez ou créez une animation pour y ajouter des images.</translation>
    </message>
    <message>
        <source>New Animation from P&amp;icture...</source>
        <translation>Nouvelle animation depuis une &amp;image...</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Nouvelle animation</translation>
    </message>
    <message numerus="yes">
        <source>Began a new animation with %n picture(s).</source>
        <translation>
            <numerusform>Nouvelle animation commencée avec %n image.</numerusform>
            <numerusform>Nouvelle animation commencée avec %n images.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessa::ImportImageDialog</name>
    <message>
        <source>%1 (%2 x %3 pixels, read scaled down to %4 x %5)</source>
        <translation>%1 (%2 x %3 pixels, lecture réduite à %4 x %5)</translation>
    </message>
    <message>
        <source>Pixels changed from the previous image: %L1</source>
        <translation>Pixels modifiés par rapport à l&apos;image précédente&#xa0;: %L1</translation>
    </message>
    <message>
        <source>Pixels kept from the previous image: %L1</source>
        <translation>Pixels conservés de l&apos;image précédente&#xa0;: %L1</translation>
    </message>
    <message>
        <source>Pixels not matched exactly: %L1</source>
        <translation>Pixels sans correspondance exacte&#xa0;: %L1</translation>
    </message>
    <message>
        <source>Largest colour error: %L1</source>
        <translation>Plus grande erreur de couleur&#xa0;: %L1</translation>
    </message>
    <message>
        <source>Stored size: %L1 bytes</source>
        <translation>Taille stockée&#xa0;: %L1 octets</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Nearest colour</source>
        <translation>Couleur la plus proche</translation>
    </message>
    <message>
        <source>Floyd-Steinberg dithering</source>
        <translation>Tramage Floyd-Steinberg</translation>
    </message>
    <message>
        <source>Ordered dithering</source>
        <translation>Tramage ordonné</translation>
    </message>
    <message>
        <source>&amp;Keep pixels close to the previous image</source>
        <translation>&amp;Conserver les pixels proches de l&apos;image précédente</translation>
    </message>
    <message>
        <source>e.g. 0-15, 240-255</source>
        <translation>p. ex. 0-15, 240-255</translation>
    </message>
    <message>
        <source>Refuse</source>
        <translation>Refuser</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Crop to fill</source>
        <translation>Rogner pour remplir</translation>
    </message>
    <message>
        <source>Scale to fit</source>
        <translation>Redimensionner pour ajuster</translation>
    </message>
    <message>
        <source>Show the colour &amp;error</source>
        <translation>Afficher l&apos;&amp;erreur de couleur</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Méthode&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Seuil&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Locked indices:</source>
        <translation>Indices &amp;verrouillés&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Wrong size:</source>
        <translation>&amp;Taille incorrecte&#xa0;:</translation>
    </message>
    <message>
        <source>The image uses the palette&apos;s colours: its indices are kept.</source>
        <translation>L&apos;image utilise les couleurs de la palette&#xa0;: ses indices sont conservés.</translation>
    </message>
    <message>
        <source>The image uses the palette&apos;s colours under other indices: renumbered.</source>
        <translation>L&apos;image utilise les couleurs de la palette sous d&apos;autres indices&#xa0;: renumérotés.</translation>
    </message>
    <message>
        <source>The image&apos;s colours are matched to the palette.</source>
        <translation>Les couleurs de l&apos;image sont rapprochées de celles de la palette.</translation>
    </message>
</context>
<context>
    <name>tessa::ImportMovieDialog</name>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>in a moment</source>
        <translation>dans un instant</translation>
    </message>
    <message>
        <source>At most %1 bytes, at a lower quality; made %2.</source>
        <translation>Au plus %1 octets, en qualité réduite&#xa0;; prête %2.</translation>
    </message>
    <message>
        <source>The movie takes about %1 bytes, made %2.</source>
        <translation>La vidéo occupera environ %1 octets&#xa0;; prête %2.</translation>
    </message>
    <message>
        <source>Import Movie</source>
        <translation>Importer une vidéo</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>la fin</translation>
    </message>
    <message>
        <source>Crop to 4:3</source>
        <translation>Rogner en 4:3</translation>
    </message>
    <message>
        <source>Black bars to 4:3</source>
        <translation>Bandes noires en 4:3</translation>
    </message>
    <message>
        <source>Stretch to 4:3</source>
        <translation>Étirer en 4:3</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>Au &amp;maximum&#xa0;:</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> Ko</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Début&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Fin&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Pictures a second:</source>
        <translation>Images par &amp;seconde&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Shape:</source>
        <translation>&amp;Ajustement&#xa0;:</translation>
    </message>
    <message>
        <source>No picture at this moment.</source>
        <translation>Aucune image à cet instant.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fin doit venir après le début.</translation>
    </message>
    <message numerus="yes">
        <source>in about %Ln second(s)</source>
        <translation>
            <numerusform>dans environ %Ln seconde</numerusform>
            <numerusform>dans environ %Ln secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Write its so&amp;und as sound:</source>
        <translation>Enregistrer le so&amp;n comme son n°&#xa0;:</translation>
    </message>
    <message>
        <source>The movie has no sound.</source>
        <translation>La vidéo n&apos;a pas de son.</translation>
    </message>
    <message>
        <source>To write its sound, set the sound folder and file names in View &gt; Play first.</source>
        <translation>Pour enregistrer le son, choisissez d&apos;abord le dossier et les noms des sons dans Affichage &gt; Lecture.</translation>
    </message>
    <message>
        <source>Its sound is not written.</source>
        <translation>Le son de la vidéo n&apos;est pas enregistré.</translation>
    </message>
    <message>
        <source>Its sound goes to %1, played with its first picture.</source>
        <translation>Le son va dans %1, joué avec la première image.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln numbered picture(s)</source>
        <translation>
            <numerusform>%1&#xa0;: %Ln image numérotée</numerusform>
            <numerusform>%1&#xa0;: %Ln images numérotées</numerusform>
        </translation>
    </message>
    <message>
        <source>Its sound goes to %1. Careful: line %2 cues sound %3 already, and would play the movie&apos;s sound too.</source>
        <translation>Le son va dans %1. Attention&#xa0;: la ligne %2 joue déjà le son %3, et jouerait aussi le son de la vidéo.</translation>
    </message>
</context>
<context>
    <name>tessa::ImportSoundDialog</name>
    <message>
        <source>Import Sound</source>
        <translation>Importer un son</translation>
    </message>
    <message>
        <source>Drag across the sound to take a part of it.</source>
        <translation>Faites glisser sur le son pour en prendre une partie.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Keep its level (otherwise its loudest moment is made as loud as 8 bits allow)</source>
        <translation>&amp;Garder son niveau (sinon son moment le plus fort est porté au maximum des 8 bits)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Pa&amp;rt:</source>
        <translation>&amp;Partie&#xa0;:</translation>
    </message>
    <message>
        <source>Sound &amp;number:</source>
        <translation>&amp;Numéro du son&#xa0;:</translation>
    </message>
    <message>
        <source>%1 s taken</source>
        <translation>%1 s prises</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fin doit venir après le début.</translation>
    </message>
    <message>
        <source>Sound %1 is written to %2.</source>
        <translation>Le son %1 est enregistré dans %2.</translation>
    </message>
    <message>
        <source>That file exists already: it is replaced only after you say so, and kept as .bak.</source>
        <translation>Ce fichier existe déjà&#xa0;: il n&apos;est remplacé qu&apos;après votre accord, et conservé en .bak.</translation>
    </message>
    <message>
        <source>The animation plays sound %1 already.</source>
        <translation>L&apos;animation joue déjà le son %1.</translation>
    </message>
    <message>
        <source>There is no sound output to play it on.</source>
        <translation>Il n&apos;y a pas de sortie audio pour le jouer.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
</context>
<context>
    <name>tessa::ItemDetailsPanel</name>
    <message>
        <source>Item Details</source>
        <translation>Détails de l&apos;élément</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Stored:</source>
        <translation>Stockage&#xa0;:</translation>
    </message>
    <message>
        <source>Changed pixels:</source>
        <translation>Pixels modifiés&#xa0;:</translation>
    </message>
    <message>
        <source>Share of the file:</source>
        <translation>Part du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>File when saved:</source>
        <translation>Fichier enregistré&#xa0;:</translation>
    </message>
    <message>
        <source>Starts at:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>Lasts:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tessa::ItemFigures</name>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 de %3</translation>
    </message>
    <message>
        <source>at %1 for %2</source>
        <translation>à %1 pendant %2</translation>
    </message>
    <message>
        <source>none: not an image</source>
        <translation>aucun&#xa0;: ce n&apos;est pas une image</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>none until the animation begins with an image</source>
        <translation>aucun tant que l&apos;animation ne commence pas par une image</translation>
    </message>
    <message>
        <source>not played: after End</source>
        <translation>non lu&#xa0;: après Fin</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>non lu</translation>
    </message>
    <message numerus="yes">
        <source>%Ln pixel(s)</source>
        <translation>
            <numerusform>%Ln pixel</numerusform>
            <numerusform>%Ln pixels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln run(s)</source>
        <translation>
            <numerusform>%Ln plage</numerusform>
            <numerusform>%Ln plages</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 changed in %2</source>
        <translation>changements&#xa0;: %1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s)</source>
        <translation>
            <numerusform>%Ln octet</numerusform>
            <numerusform>%Ln octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 (%2 at %3 a second)</source>
        <translation>%1 (%2 à %3 par seconde)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tick(s)</source>
        <translation>
            <numerusform>%Ln tick</numerusform>
            <numerusform>%Ln ticks</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessa::ItemList</name>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fondu entrant</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fondu sortant</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An item&apos;s label and its number, as in &quot;Pause: 120&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tessa::MovieExport</name>
    <message>
        <source>The GIF will be %1.</source>
        <translation>Le GIF fera %1.</translation>
    </message>
    <message>
        <source>The GIF will be about %1 (estimated from its first %2 seconds).</source>
        <translation>Le GIF fera environ %1 (estimation d&apos;après ses %2 premières secondes).</translation>
    </message>
    <message>
        <source>Write the movie without its sounds?</source>
        <translation>Écrire le film sans ses sons&#xa0;?</translation>
    </message>
    <message>
        <source>Writing the movie...</source>
        <translation>Écriture du film...</translation>
    </message>
    <message>
        <source>Export Movie</source>
        <translation>Exporter le film</translation>
    </message>
</context>
<context>
    <name>tessa::MovieExportFeature</name>
    <message>
        <source>&amp;Movie...</source>
        <translation>&amp;Film...</translation>
    </message>
    <message>
        <source>Export Movie</source>
        <translation>Exporter le film</translation>
    </message>
    <message>
        <source>Wrote the movie %1 (%2).</source>
        <translation>Film %1 écrit (%2).</translation>
    </message>
    <message>
        <source>Wrote the movie as the pictures %1.</source>
        <translation>Film écrit sous forme d&apos;images %1.</translation>
    </message>
</context>
<context>
    <name>tessa::MovieImportFeature</name>
    <message>
        <source>Import Mo&amp;vie...</source>
        <translation>Importer une &amp;vidéo...</translation>
    </message>
    <message>
        <source>Import Movie</source>
        <translation>Importer une vidéo</translation>
    </message>
    <message>
        <source>Even at the lowest quality this takes about %1 bytes: allow more, or take a shorter part.</source>
        <translation>Même en qualité minimale, il faut environ %1 octets&#xa0;: autorisez davantage ou prenez un extrait plus court.</translation>
    </message>
    <message>
        <source>The sound file %1 exists already. Replace it with the movie&apos;s sound? The old one is kept as %2.</source>
        <translation>Le fichier son %1 existe déjà. Le remplacer par le son de la vidéo&#xa0;? L&apos;ancien est conservé sous %2.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s)</source>
        <translation>
            <numerusform>%Ln image</numerusform>
            <numerusform>%Ln images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pause(s)</source>
        <translation>
            <numerusform>%Ln pause</numerusform>
            <numerusform>%Ln pauses</numerusform>
        </translation>
    </message>
    <message>
        <source>Its sound is sound %1, %2.</source>
        <translation>Le son de la vidéo est le son %1, %2.</translation>
    </message>
    <message>
        <source>Encoding %1...</source>
        <translation>Encodage de %1...</translation>
    </message>
    <message>
        <source>The movie was not imported: it was stopped. Nothing has changed.</source>
        <translation>La vidéo n&apos;a pas été importée&#xa0;: import interrompu. Rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>Movies (%1)|%1|Numbered Pictures, the First of Them (%2)|%2|All Files (*.*)|*.*</source>
        <translation>Vidéos (%1)|%1|Images numérotées, la première d&apos;entre elles (%2)|%2|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message numerus="yes">
        <source>%Ln fade out(s)</source>
        <translation>
            <numerusform>%Ln fondu sortant</numerusform>
            <numerusform>%Ln fondus sortants</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>New Animation from &amp;Movie...</source>
        <translation>Nouvelle animation depuis une &amp;vidéo...</translation>
    </message>
    <message>
        <source>Select the line to put the movie before.</source>
        <translation>Sélectionnez la ligne avant laquelle mettre la vidéo.</translation>
    </message>
    <message>
        <source>Line %1 comes after the Fade Out of line %2: the game would show the movie on a black screen.<byte value="xd"/>
<byte value="xd"/>
Put the movie before the Fade Out instead?</source>
        <translation>La ligne %1 suit le fondu sortant de la ligne %2&#xa0;: le jeu montrerait la vidéo sur un écran noir.<byte value="xd"/>
<byte value="xd"/>
Mettre plutôt la vidéo avant le fondu sortant&#xa0;?</translation>
    </message>
    <message>
        <source>Imported %1: %2.</source>
        <translation>Import de %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Began a new animation with %1: %2.</source>
        <translation>Nouvelle animation commencée avec %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>tessa::Notice</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid file type.</source>
        <translation>Type de fichier non valide.</translation>
    </message>
    <message>
        <source>Error preparing image entry.</source>
        <translation>Erreur lors de la préparation de l&apos;élément image.</translation>
    </message>
    <message>
        <source>The file was not an 320x200 8-bit BMP.</source>
        <translation>Le fichier n&apos;était pas un BMP 8 bits en 320x200.</translation>
    </message>
    <message>
        <source>The file is too short to be a 320x200 8-bit BMP.</source>
        <translation>Le fichier est trop court pour être un BMP 8 bits en 320x200.</translation>
    </message>
    <message>
        <source>Unknown palette file format!</source>
        <translation>Format de fichier de palette inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>The image holds no pixels.</source>
        <translation>L&apos;image ne contient aucun pixel.</translation>
    </message>
    <message>
        <source>Could not save INI file.</source>
        <translation>Impossible d&apos;enregistrer le fichier INI.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>The movie was not encoded: it was stopped.</source>
        <translation>La vidéo n&apos;a pas été encodée&#xa0;: l&apos;encodage a été interrompu.</translation>
    </message>
    <message>
        <source>The movie holds no pictures.</source>
        <translation>La vidéo ne contient aucune image.</translation>
    </message>
    <message>
        <source>A picture of the movie is not 320 x 200.</source>
        <translation>Une image de la vidéo ne fait pas 320 x 200.</translation>
    </message>
    <message>
        <source>Error: %1<byte value="xd"/>
Description: %2<byte value="xd"/>
Location: %3</source>
        <translation>Erreur&#xa0;: %1<byte value="xd"/>
Description&#xa0;: %2<byte value="xd"/>
Emplacement&#xa0;: %3</translation>
    </message>
    <message>
        <source>An animation begins with an image: the first image cannot be deleted.</source>
        <translation>Une animation commence par une image&#xa0;: la première image ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>An animation begins with an image: only an image can go first.</source>
        <translation>Une animation commence par une image&#xa0;: seule une image peut venir en premier.</translation>
    </message>
    <message>
        <source>An animation begins with an image: the line after the first image is not one.</source>
        <translation>Une animation commence par une image&#xa0;: la ligne qui suit la première image n&apos;en est pas une.</translation>
    </message>
    <message>
        <source>The last line stays last: the game stops there.</source>
        <translation>La dernière ligne reste la dernière&#xa0;: le jeu s&apos;arrête là.</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels, not 320 x 200.</source>
        <translation>L&apos;image fait %1 x %2 pixels, et non 320 x 200.</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Item %1 at byte offset %2 runs past the end of the file.</source>
        <translation>L&apos;élément %1, à l&apos;octet %2, dépasse la fin du fichier.</translation>
    </message>
    <message>
        <source>The BMP file is damaged: %1.</source>
        <translation>Le fichier BMP est endommagé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>its steps make more bytes than the file it was made from</source>
        <translation>ses étapes donnent plus d’octets que le fichier dont il a été tiré</translation>
    </message>
    <message>
        <source>its carried bytes do not unpack</source>
        <translation>ses octets transportés ne se décompressent pas</translation>
    </message>
    <message>
        <source>it refers to items the file does not have</source>
        <translation>il renvoie à des éléments que le fichier n’a pas</translation>
    </message>
    <message>
        <source>it takes item %1 of a file of %2 items</source>
        <translation>il prend l’élément %1 d’un fichier de %2 éléments</translation>
    </message>
    <message>
        <source>it carries fewer items than it uses</source>
        <translation>il transporte moins d’éléments qu’il n’en utilise</translation>
    </message>
    <message>
        <source>a carried item is cut short</source>
        <translation>un élément transporté est tronqué</translation>
    </message>
    <message>
        <source>its trailing bytes are missing</source>
        <translation>ses octets de fin manquent</translation>
    </message>
    <message>
        <source>it holds a step of an unknown kind</source>
        <translation>il contient une étape d’un type inconnu</translation>
    </message>
    <message>
        <source>it numbers an item that is not there</source>
        <translation>il numérote un élément qui n’existe pas</translation>
    </message>
    <message>
        <source>it carries bytes it does not use</source>
        <translation>il transporte des octets qu’il n’utilise pas</translation>
    </message>
    <message>
        <source>its steps make fewer bytes than the file it was made from</source>
        <translation>ses étapes donnent moins d’octets que le fichier dont il a été tiré</translation>
    </message>
    <message>
        <source>the file it makes is not the one it was made from</source>
        <translation>le fichier qu’il produit n’est pas celui dont il a été tiré</translation>
    </message>
    <message>
        <source>This patch is for a file of %1 bytes (SHA-256 %2...); %3 is not that file. It is the patched file already.</source>
        <translation>Ce correctif est destiné à un fichier de %1 octets (SHA-256 %2...) ; %3 n’est pas ce fichier. C’est déjà le fichier corrigé.</translation>
    </message>
    <message>
        <source>This patch is for a file of %1 bytes (SHA-256 %2...); %3 is not that file.</source>
        <translation>Ce correctif est destiné à un fichier de %1 octets (SHA-256 %2...) ; %3 n’est pas ce fichier.</translation>
    </message>
    <message>
        <source>%1 is not an animation patch.</source>
        <translation>%1 n’est pas un correctif d’animation.</translation>
    </message>
    <message>
        <source>%1 is a patch of format version %2; this program applies version %3 only.</source>
        <translation>%1 est un correctif au format version %2 ; ce programme n’applique que la version %3.</translation>
    </message>
    <message>
        <source>The patch %1 is damaged or incomplete: %2.</source>
        <translation>Le correctif %1 est endommagé ou incomplet : %2.</translation>
    </message>
    <message>
        <source>%1 is larger than a patch can hold (%2 bytes at most).</source>
        <translation>%1 est plus grand que ce qu’un correctif peut contenir (%2 octets au plus).</translation>
    </message>
    <message>
        <source>%1 is a patch of a folder: apply it to the original folder with tessanim patch ORIGINAL_DIR PATCH OUT_DIR.</source>
        <translation>%1 est le correctif d’un dossier : appliquez-le au dossier d’origine avec tessanim patch ORIGINAL_DIR PATCH OUT_DIR.</translation>
    </message>
    <message>
        <source>it ends too soon</source>
        <translation>il se termine trop tôt</translation>
    </message>
    <message>
        <source>its checksum does not match its contents (it was cut short or changed)</source>
        <translation>sa somme de contrôle ne correspond pas à son contenu (il a été tronqué ou modifié)</translation>
    </message>
    <message>
        <source>it is of an unknown kind</source>
        <translation>il est d’un type inconnu</translation>
    </message>
    <message>
        <source>a patch of one file holds %1 files</source>
        <translation>un correctif d’un seul fichier contient %1 fichiers</translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation>il nomme %1 deux fois</translation>
    </message>
    <message>
        <source>bytes follow its last file</source>
        <translation>des octets suivent son dernier fichier</translation>
    </message>
    <message>
        <source>it names a file outside the folder it is applied to</source>
        <translation>il nomme un fichier hors du dossier auquel il s’applique</translation>
    </message>
    <message>
        <source>it has a file of an unknown kind</source>
        <translation>il a un fichier d’un type inconnu</translation>
    </message>
    <message>
        <source>it would make a file of %1 bytes</source>
        <translation>il produirait un fichier de %1 octets</translation>
    </message>
    <message>
        <source>it says it carries more bytes than the files it makes</source>
        <translation>il dit transporter plus d’octets que les fichiers qu’il produit</translation>
    </message>
    <message>
        <source>a step follows the trailing bytes</source>
        <translation>une étape suit les octets de fin</translation>
    </message>
    <message>
        <source>a step is cut short</source>
        <translation>une étape est tronquée</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fin doit venir après le début.</translation>
    </message>
    <message>
        <source>it holds no pictures in that part.</source>
        <translation>il ne contient aucune image dans cette partie.</translation>
    </message>
    <message>
        <source>it holds no pictures.</source>
        <translation>il ne contient aucune image.</translation>
    </message>
    <message>
        <source>The movie does not fit in %1 bytes: at the lowest quality its animation takes %2 bytes. Take a shorter part of it, or allow more.</source>
        <translation>Le film ne tient pas dans %1 octets : à la qualité la plus basse, son animation occupe %2 octets. Prenez-en une partie plus courte, ou autorisez davantage.</translation>
    </message>
    <message>
        <source>it is not a movie FFmpeg can read.</source>
        <translation>ce n’est pas un film que FFmpeg sait lire.</translation>
    </message>
    <message>
        <source>it holds no sound in that part.</source>
        <translation>il ne contient aucun son dans cette partie.</translation>
    </message>
    <message>
        <source>it holds no sound that FFmpeg can decode.</source>
        <translation>il ne contient aucun son que FFmpeg sache décoder.</translation>
    </message>
    <message>
        <source>its sound cannot be decoded.</source>
        <translation>son son ne peut pas être décodé.</translation>
    </message>
    <message>
        <source>it is not a movie FFmpeg can read (%1).</source>
        <translation>ce n’est pas un film que FFmpeg sait lire (%1).</translation>
    </message>
    <message>
        <source>it holds no video that FFmpeg can decode.</source>
        <translation>il ne contient aucune vidéo que FFmpeg sache décoder.</translation>
    </message>
    <message>
        <source>its video cannot be decoded (%1).</source>
        <translation>sa vidéo ne peut pas être décodée (%1).</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>la lecture a échoué (%1).</translation>
    </message>
    <message>
        <source>decoding it failed (%1).</source>
        <translation>le décodage a échoué (%1).</translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: %2</source>
        <translation>Impossible de convertir « %1 » : %2</translation>
    </message>
    <message>
        <source>the folder holds no files with numbered names.</source>
        <translation>le dossier ne contient aucun fichier aux noms numérotés.</translation>
    </message>
    <message>
        <source>no file matches the pattern (numbered from 0 to 4 on).</source>
        <translation>aucun fichier ne correspond au modèle (numérotés à partir de 0 à 4).</translation>
    </message>
    <message>
        <source>there is no such file or folder.</source>
        <translation>ce fichier ou dossier n’existe pas.</translation>
    </message>
    <message>
        <source>movie files need FFmpeg, which this build was made without. Give a folder of numbered pictures or a pattern such as shots/f_%04d.png instead.</source>
        <translation>les fichiers vidéo nécessitent FFmpeg, absent de cette version. Indiquez plutôt un dossier d’images numérotées ou un modèle tel que shots/f_%04d.png.</translation>
    </message>
    <message>
        <source>reading a movie&apos;s sound needs FFmpeg, which this build was made without.</source>
        <translation>lire le son d’un film nécessite FFmpeg, absent de cette version.</translation>
    </message>
    <message>
        <source>the script ran longer than its limit of %1 instructions</source>
        <translation>le script a tourné plus longtemps que sa limite de %1 instructions</translation>
    </message>
    <message>
        <source>the script used more than its limit of %1 GB of memory</source>
        <translation>le script a utilisé plus que sa limite de %1 Go de mémoire</translation>
    </message>
    <message>
        <source>the script used more than its limit of %1 MB of memory</source>
        <translation>le script a utilisé plus que sa limite de %1 Mo de mémoire</translation>
    </message>
    <message>
        <source>the script used more than its limit of %1 bytes of memory</source>
        <translation>le script a utilisé plus que sa limite de %1 octets de mémoire</translation>
    </message>
</context>
<context>
    <name>tessa::OnionSkinFeature</name>
    <message>
        <source>&amp;Onion Skin</source>
        <translation>Pelure d&apos;&amp;oignon</translation>
    </message>
    <message>
        <source>Onion Skin Opacit&amp;y...</source>
        <translation>Opaci&amp;té de la pelure d&apos;oignon...</translation>
    </message>
    <message>
        <source>How strongly the images before and after show, in percent (%1 to %2):</source>
        <translation>Intensité des images précédente et suivante, en pourcentage (%1 à %2)&#xa0;:</translation>
    </message>
    <message>
        <source>Onion Skin Opacity</source>
        <translation>Opacité de la pelure d&apos;oignon</translation>
    </message>
</context>
<context>
    <name>tessa::PatchFeature</name>
    <message>
        <source>&amp;Patch...</source>
        <translation>&amp;Correctif...</translation>
    </message>
    <message>
        <source>Apply &amp;Patch...</source>
        <translation>&amp;Appliquer un correctif...</translation>
    </message>
    <message>
        <source>Select the original animation file</source>
        <translation>Choisissez le fichier d&apos;animation d&apos;origine</translation>
    </message>
    <message>
        <source>Save the animation first: a patch is made from the file as saved.</source>
        <translation>Enregistrez d&apos;abord l&apos;animation&#xa0;: le correctif est créé à partir du fichier enregistré.</translation>
    </message>
    <message>
        <source>Export Patch</source>
        <translation>Exporter un correctif</translation>
    </message>
    <message>
        <source>Wrote the patch %1 (%2).</source>
        <translation>Correctif %1 écrit (%2).</translation>
    </message>
    <message>
        <source>Select the patch</source>
        <translation>Choisissez le correctif</translation>
    </message>
</context>
<context>
    <name>tessa::PlayFeature</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
</context>
<context>
    <name>tessa::PreferencesDialog</name>
    <message>
        <source>Programs (*.exe)|*.exe|All Files (*.*)|*.*</source>
        <translation>Programmes (*.exe)|*.exe|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>All Files (*)|*</source>
        <translation>Tous les fichiers (*)|*</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>The system&apos;s default program</source>
        <translation>Le programme par défaut du système</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>%f stands for the image file. Leave it empty to open the file in the system&apos;s default program for its type.</source>
        <translation>%f représente le fichier image. Laissez vide pour ouvrir le fichier avec le programme par défaut du système pour ce type.</translation>
    </message>
    <message>
        <source>PNG (indexed, 256 colours)</source>
        <translation>PNG (indexé, 256 couleurs)</translation>
    </message>
    <message>
        <source>BMP (8-bit)</source>
        <translation>BMP (8 bits)</translation>
    </message>
    <message>
        <source>Image &amp;editor:</source>
        <translation>Éditeur d&apos;&amp;images&#xa0;:</translation>
    </message>
    <message>
        <source>Image &amp;format:</source>
        <translation>&amp;Format d&apos;image&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the Image Editor</source>
        <translation>Choisir l&apos;éditeur d&apos;images</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tessa::PreferencesFeature</name>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>The language given on the command line (--language %1) is kept until the editor is started again; your choice is saved for then.</source>
        <translation>La langue donnée sur la ligne de commande (--language %1) reste jusqu’au prochain démarrage de l’éditeur ; votre choix est enregistré pour celui-ci.</translation>
    </message>
</context>
<context>
    <name>tessa::PreviewWindow</name>
    <message>
        <source>Play Animation</source>
        <translation>Lecture de l&apos;animation</translation>
    </message>
    <message>
        <source>Click or drag to go to a moment (Home: the start, End: the end)</source>
        <translation>Cliquez ou faites glisser pour aller à un instant (Origine&#xa0;: le début, Fin&#xa0;: la fin)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>The item before (Left or Page Up)</source>
        <translation>L&apos;élément précédent (Gauche ou Page préc.)</translation>
    </message>
    <message>
        <source>Play or pause (Space)</source>
        <translation>Lecture ou pause (Espace)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Stop and go back to the start (Esc); Esc when stopped closes the window</source>
        <translation>Arrêter et revenir au début (Échap)&#xa0;; à l&apos;arrêt, Échap ferme la fenêtre</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The item after (Right or Page Down)</source>
        <translation>L&apos;élément suivant (Droite ou Page suiv.)</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Play again from the start at the end (L)</source>
        <translation>Reprendre au début une fois à la fin (L)</translation>
    </message>
    <message>
        <source>Speed (+ faster, - slower)</source>
        <translation>Vitesse (+ plus vite, - moins vite)</translation>
    </message>
    <message>
        <source>Zooms larger than the screen has room for are not offered</source>
        <translation>Les zooms trop grands pour l&apos;écran ne sont pas proposés</translation>
    </message>
    <message>
        <source>Zoom %1x</source>
        <translation>Zoom %1x</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>The 200 rows shown as 240, as a 4:3 screen showed them</source>
        <translation>Les 200 lignes affichées sur 240, comme sur un écran 4:3</translation>
    </message>
    <message>
        <source>Timing and sound</source>
        <translation>Cadence et son</translation>
    </message>
    <message>
        <source>70 Hz (VGA refresh)</source>
        <translation>70 Hz (rafraîchissement VGA)</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>18.2 Hz (PC timer)</source>
        <translation>18,2 Hz (horloge du PC)</translation>
    </message>
    <message>
        <source>10 Hz</source>
        <translation>10 Hz</translation>
    </message>
    <message>
        <source>1 Hz (seconds)</source>
        <translation>1 Hz (secondes)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Tick rate:</source>
        <translation>Fréquence des ticks&#xa0;:</translation>
    </message>
    <message>
        <source>Ticks per unit of a pause&apos;s amount</source>
        <translation>Ticks par unité de durée de pause</translation>
    </message>
    <message>
        <source>Pause multiplier:</source>
        <translation>Multiplicateur de pause&#xa0;:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Sound folder:</source>
        <translation>Dossier des sons&#xa0;:</translation>
    </message>
    <message>
        <source>none: sounds are not played</source>
        <translation>aucun&#xa0;: les sons ne sont pas joués</translation>
    </message>
    <message>
        <source>The file name of sound n: %d is the number, %3d or %03d pads it to 3 places, %% is a %.</source>
        <translation>Le nom de fichier du son n&#xa0;: %d est son numéro, %3d ou %03d le complète à 3 chiffres, %% donne un %.</translation>
    </message>
    <message>
        <source>Sound file names:</source>
        <translation>Noms des fichiers son&#xa0;:</translation>
    </message>
    <message>
        <source>sound %1</source>
        <translation>son %1</translation>
    </message>
    <message>
        <source>Select the folder of the game&apos;s sound files</source>
        <translation>Choisissez le dossier des fichiers son du jeu</translation>
    </message>
    <message>
        <source>No file name pattern is set: sound cues are not played.</source>
        <translation>Aucun modèle de nom de fichier&#xa0;: les signaux sonores ne sont pas joués.</translation>
    </message>
    <message>
        <source>Sound 1 is played from %1.</source>
        <translation>Le son 1 est lu depuis %1.</translation>
    </message>
</context>
<context>
    <name>tessa::RecoveryFeature</name>
    <message>
        <source>a new animation</source>
        <translation>une nouvelle animation</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>Re&amp;charger</translation>
    </message>
    <message>
        <source>&amp;Recover Discarded Animation...</source>
        <translation>&amp;Récupérer l&apos;animation abandonnée...</translation>
    </message>
    <message>
        <source>Your unsaved changes were kept: File &gt; Recover Discarded Animation brings them back.</source>
        <translation>Modifications non enregistrées gardées&#xa0;: Fichier &gt; Récupérer l&apos;animation abandonnée.</translation>
    </message>
    <message>
        <source>Your unsaved changes could not be kept for File &gt; Recover Discarded Animation: %1</source>
        <translation>Vos modifications non enregistrées n&apos;ont pas pu être gardées pour Fichier &gt; Récupérer l&apos;animation abandonnée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recover the unsaved changes to %1 from %2?</source>
        <translation>Récupérer les modifications non enregistrées de %1 (%2)&#xa0;?</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 could not be read.</source>
        <translation>Impossible de lire les modifications non enregistrées de %1.</translation>
    </message>
    <message>
        <source>Discard your changes and reopen %1 from disk?</source>
        <translation>Abandonner vos modifications et rouvrir %1 depuis le disque&#xa0;?</translation>
    </message>
    <message>
        <source>No discarded animations are kept.</source>
        <translation>Aucune animation abandonnée n&apos;est conservée.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %Ln item(s)</source>
        <translation>
            <numerusform>%1, %2, %Ln élément</numerusform>
            <numerusform>%1, %2, %Ln éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Recover Discarded Animation</source>
        <translation>Récupérer l&apos;animation abandonnée</translation>
    </message>
    <message>
        <source>Open as a new animation:</source>
        <translation>Ouvrir comme nouvelle animation&#xa0;:</translation>
    </message>
    <message>
        <source>The discarded animation could not be read.</source>
        <translation>Impossible de lire l&apos;animation abandonnée.</translation>
    </message>
</context>
<context>
    <name>tessa::ReferenceFeature</name>
    <message>
        <source>Pictures and Movies (%1)|%1|All Files (*.*)|*.*</source>
        <translation>Images et films (%1)|%1|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Reference...</source>
        <translation>&amp;Référence...</translation>
    </message>
    <message>
        <source>Show R&amp;eference</source>
        <translation>A&amp;fficher la référence</translation>
    </message>
    <message>
        <source>Refere&amp;nce Opacity...</source>
        <translation>Opacité de la référe&amp;nce...</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>How strongly the reference shows, in percent (%1 to %2):</source>
        <translation>Intensité de la référence, en pour cent (%1 à %2) :</translation>
    </message>
    <message>
        <source>Reference Opacity</source>
        <translation>Opacité de la référence</translation>
    </message>
</context>
<context>
    <name>tessa::ScriptFileAccess</name>
    <message>
        <source>Run Script</source>
        <translation>Exécuter un script</translation>
    </message>
    <message>
        <source>The script %1 wants to change %2, outside its own folder and the animation&apos;s folder.

Let it read and change the files in %3 until the editor closes?</source>
        <translation>Le script %1 veut modifier %2, hors de son propre dossier et du dossier de l&apos;animation.

L&apos;autoriser à lire et modifier les fichiers de %3 jusqu&apos;à la fermeture de l&apos;éditeur&#xa0;?</translation>
    </message>
    <message>
        <source>The script %1 wants to read %2, outside its own folder and the animation&apos;s folder.

Let it read and change the files in %3 until the editor closes?</source>
        <translation>Le script %1 veut lire %2, hors de son propre dossier et du dossier de l&apos;animation.

L&apos;autoriser à lire et modifier les fichiers de %3 jusqu&apos;à la fermeture de l&apos;éditeur&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tessa::ScriptRunner</name>
    <message>
        <source>There was not enough memory to start the script.</source>
        <translation>Mémoire insuffisante pour démarrer le script.</translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation>Exécution de %1...</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Exécuter un script</translation>
    </message>
    <message>
        <source>the script was stopped</source>
        <translation>le script a été arrêté</translation>
    </message>
    <message>
        <source>The animation changed while the script ran, so the script&apos;s changes were not made. Run it again.</source>
        <translation>L&apos;animation a changé pendant que le script tournait, ses changements n&apos;ont donc pas été faits. Relancez-le.</translation>
    </message>
    <message>
        <source>The animation changed while the script ran. What the script did and the other change are both kept, as steps of their own: Edit &gt; Undo takes them back one by one.</source>
        <translation>L&apos;animation a changé pendant que le script tournait. Ce qu&apos;a fait le script et l&apos;autre changement sont gardés tous deux, en étapes distinctes&#xa0;: Édition &gt; Annuler les défait un par un.</translation>
    </message>
</context>
<context>
    <name>tessa::ScriptsFeature</name>
    <message>
        <source>Lua Scripts (*.lua)|*.lua|All Files (*.*)|*.*</source>
        <translation>Scripts Lua (*.lua)|*.lua|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Run Script...</source>
        <translation>&amp;Exécuter un script...</translation>
    </message>
    <message>
        <source>a script cannot start another</source>
        <translation>un script ne peut pas en lancer un autre</translation>
    </message>
    <message>
        <source>&amp;Scripts</source>
        <translation>&amp;Scripts</translation>
    </message>
    <message>
        <source>&amp;Open Scripts Folder</source>
        <translation>&amp;Ouvrir le dossier des scripts</translation>
    </message>
    <message>
        <source>(No scripts in the scripts folder)</source>
        <translation>(Aucun script dans le dossier des scripts)</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Exécuter un script</translation>
    </message>
    <message>
        <source>%1 was stopped: the animation is as it was before it ran.</source>
        <translation>%1 a été arrêté&#xa0;: l&apos;animation est revenue à son état d&apos;avant.</translation>
    </message>
    <message>
        <source>Script Failed</source>
        <translation>Échec du script</translation>
    </message>
    <message>
        <source>Open Scripts Folder</source>
        <translation>Ouvrir le dossier des scripts</translation>
    </message>
    <message>
        <source>The scripts folder &quot;%1&quot; could not be made.</source>
        <translation>Impossible de créer le dossier des scripts «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>tessa::SoundCuePlayer</name>
    <message>
        <source>Sound %1: no file name pattern is set, so no sound is played.</source>
        <translation>Son %1&#xa0;: aucun modèle de nom de fichier n&apos;est défini, aucun son n&apos;est joué.</translation>
    </message>
    <message>
        <source>Sound %1: %2</source>
        <translation>Son %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Sound %1: there is no sound output.</source>
        <translation>Son %1&#xa0;: aucune sortie audio.</translation>
    </message>
    <message>
        <source>Sound %1: the sound output cannot play %2 Hz with %3 channels.</source>
        <translation>Son %1&#xa0;: la sortie audio ne peut pas jouer du %2 Hz sur %3 canaux.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>tessa::SoundImportFeature</name>
    <message>
        <source>Sounds (%1)|%1|All Files (*.*)|*.*</source>
        <translation>Sons (%1)|%1|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>%1 is not a sound or movie file that can be read.</source>
        <translation>%1 n&apos;est pas un fichier son ou vidéo lisible.</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be read.</source>
        <translation>%1 ne contient aucun son lisible.</translation>
    </message>
    <message>
        <source>The sound of %1 cannot be decoded.</source>
        <translation>Le son de %1 ne peut pas être décodé.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 minutes; take a part of it with tessanim sound --from and --to.</source>
        <translation>%1 dure plus de %2 minutes&#xa0;; prenez-en une partie avec tessanim sound --from et --to.</translation>
    </message>
    <message>
        <source>Reading sounds needs FFmpeg, which this build was made without.</source>
        <translation>La lecture des sons nécessite FFmpeg, absent de cette version du programme.</translation>
    </message>
    <message>
        <source>Import S&amp;ound...</source>
        <translation>Impo&amp;rter un son...</translation>
    </message>
    <message>
        <source>Import Sound</source>
        <translation>Importer un son</translation>
    </message>
    <message>
        <source>Open or begin an animation, and pick the line to play the sound before.</source>
        <translation>Ouvrez ou créez une animation, et choisissez la ligne avant laquelle jouer le son.</translation>
    </message>
    <message>
        <source>The sound folder %1 does not exist. Choose the game&apos;s sound folder in View &gt; Play&apos;s timing and sound choices.</source>
        <translation>Le dossier des sons %1 n&apos;existe pas. Choisissez le dossier des sons du jeu dans Affichage &gt; Lecture, sous Cadence et son.</translation>
    </message>
    <message>
        <source>Set the game&apos;s sound folder and the names of its files (such as SOUND%02d.VOC) in View &gt; Play&apos;s timing and sound choices first: the sound is written there.</source>
        <translation>Choisissez d&apos;abord le dossier des sons du jeu et les noms de ses fichiers (comme SOUND%02d.VOC) dans Affichage &gt; Lecture, sous Cadence et son&#xa0;: le son y est enregistré.</translation>
    </message>
    <message>
        <source>The sound file %1 exists already. Replace it with this sound? The old one is kept as %2.</source>
        <translation>Le fichier son %1 existe déjà. Le remplacer par ce son&#xa0;? L&apos;ancien est conservé sous %2.</translation>
    </message>
    <message>
        <source>Sound %1 cannot be written where the game&apos;s sounds are.</source>
        <translation>Le son %1 ne peut pas être enregistré avec les sons du jeu.</translation>
    </message>
    <message>
        <source>The part taken holds no sound.</source>
        <translation>La partie prise ne contient aucun son.</translation>
    </message>
    <message>
        <source>The part taken is longer than %1 seconds, as long as a sound plays: take a shorter one.</source>
        <translation>La partie prise dure plus de %1 secondes, la durée maximale d&apos;un son&#xa0;: prenez-en une plus courte.</translation>
    </message>
    <message>
        <source>Sound %1 is %2, %3 s long.</source>
        <translation>Le son %1 est %2, long de %3 s.</translation>
    </message>
</context>
<context>
    <name>tessa::TimelineFeature</name>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Chronologie</translation>
    </message>
    <message>
        <source>Later by a &amp;Tick</source>
        <translation>Un tic plus &amp;tard</translation>
    </message>
    <message>
        <source>Earlier by a Tic&amp;k</source>
        <translation>Un tic plus t&amp;ôt</translation>
    </message>
    <message>
        <source>Later by Te&amp;n Ticks</source>
        <translation>Di&amp;x tics plus tard</translation>
    </message>
    <message>
        <source>Earlier by Ten T&amp;icks</source>
        <translation>Dix tic&amp;s plus tôt</translation>
    </message>
    <message>
        <source>Change Pause</source>
        <translation>Modifier la pause</translation>
    </message>
    <message>
        <source>Move Image in Time</source>
        <translation>Déplacer l&apos;image dans le temps</translation>
    </message>
    <message>
        <source>Move Sound in Time</source>
        <translation>Déplacer le son dans le temps</translation>
    </message>
</context>
<context>
    <name>tessa::TimelineView</name>
    <message>
        <source>%1 missing</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>%1 (no sound folder)</source>
        <translation>%1 (aucun dossier des sons)</translation>
    </message>
    <message numerus="yes">
        <source>Pause: %1 (%Ln tick(s))</source>
        <translation>
            <numerusform>Pause&#xa0;: %1 (%Ln tic)</numerusform>
            <numerusform>Pause&#xa0;: %1 (%Ln tics)</numerusform>
        </translation>
    </message>
    <message>
        <source>Image at %1 s, tick %2</source>
        <translation>Image à %1 s, tic %2</translation>
    </message>
    <message>
        <source>Sound at %1 s, tick %2</source>
        <translation>Son à %1 s, tic %2</translation>
    </message>
    <message>
        <source>Change Pause</source>
        <translation>Modifier la pause</translation>
    </message>
    <message>
        <source>Move Image in Time</source>
        <translation>Déplacer l&apos;image dans le temps</translation>
    </message>
    <message>
        <source>Move Sound in Time</source>
        <translation>Déplacer le son dans le temps</translation>
    </message>
</context>
<context>
    <name>tessa::TimelineWindow</name>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
    <message>
        <source>Zoom out (-, Ctrl+wheel)</source>
        <translation>Zoom arrière (-, Ctrl+molette)</translation>
    </message>
    <message>
        <source>Zoom in (+, Ctrl+wheel)</source>
        <translation>Zoom avant (+, Ctrl+molette)</translation>
    </message>
    <message>
        <source>%1 s, tick %2 of %3</source>
        <translation>%1 s, tic %2 sur %3</translation>
    </message>
</context>
<context>
    <name>tessa::frm</name>
    <message>
        <source>Delete Item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>: NEW</source>
        <translation>: NOUVELLE</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Animation</source>
        <translation>&amp;Nouvelle animation</translation>
    </message>
    <message>
        <source>&amp;Open Animation</source>
        <translation>&amp;Ouvrir une animation</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projet</translation>
    </message>
    <message>
        <source>Add &amp;Image</source>
        <translation>Ajouter une &amp;image</translation>
    </message>
    <message>
        <source>Add &amp;Fade In</source>
        <translation>Ajouter un fondu &amp;entrant</translation>
    </message>
    <message>
        <source>Add F&amp;ade Out</source>
        <translation>Ajouter un fondu s&amp;ortant</translation>
    </message>
    <message>
        <source>Add &amp;Pause</source>
        <translation>Ajouter une &amp;pause</translation>
    </message>
    <message>
        <source>Add &amp;Sound</source>
        <translation>Ajouter un so&amp;n</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <translation>&amp;Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>P&amp;alette</source>
        <translation>Pa&amp;lette</translation>
    </message>
    <message>
        <source>&amp;Main Tessarine</source>
        <translation>&amp;Principale de Tessarine</translation>
    </message>
    <message>
        <source>&amp;Extra Orvalis (EANIM.QLM)</source>
        <translation>&amp;Extras d&apos;Orvalis (EANIM.QLM)</translation>
    </message>
    <message>
        <source>&amp;Custom: </source>
        <translation>Pe&amp;rsonnalisée&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>You need to add an image to begin an animation.<byte value="xd"/>
Aborting...</source>
        <translation>Vous devez ajouter une image pour commencer une animation.<byte value="xd"/>
Abandon...</translation>
    </message>
    <message>
        <source>Select the animation file</source>
        <translation>Choisissez le fichier d&apos;animation</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>You have not saved your changes.  Save them now?</source>
        <translation>Vous n&apos;avez pas enregistré vos modifications. Les enregistrer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Save Confirmation</source>
        <translation>Confirmation d&apos;enregistrement</translation>
    </message>
    <message>
        <source>it would close the editor under the script</source>
        <translation>elle fermerait l&apos;éditeur pendant l&apos;exécution du script</translation>
    </message>
    <message>
        <source>Export Animation Frames</source>
        <translation>Exporter les images de l&apos;animation</translation>
    </message>
    <message>
        <source>Export Frame</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Select screen image</source>
        <translation>Choisissez l&apos;image d&apos;écran</translation>
    </message>
    <message>
        <source>The file had a length of 0.</source>
        <translation>Le fichier est vide (0 octet).</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Add Fade In</source>
        <translation>Ajouter un fondu entrant</translation>
    </message>
    <message>
        <source>Add Fade Out</source>
        <translation>Ajouter un fondu sortant</translation>
    </message>
    <message>
        <source>Add Pause</source>
        <translation>Ajouter une pause</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Ajouter un son</translation>
    </message>
    <message>
        <source>Pause Amount</source>
        <translation>Durée de la pause</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Jouer un son</translation>
    </message>
    <message>
        <source>Edit Image</source>
        <translation>Modifier l&apos;image</translation>
    </message>
    <message>
        <source>Edit Pause</source>
        <translation>Modifier la pause</translation>
    </message>
    <message>
        <source>Edit Sound</source>
        <translation>Modifier le son</translation>
    </message>
    <message>
        <source>Select your palette file</source>
        <translation>Choisissez votre fichier de palette</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>The image editor&apos;s command line is empty.</source>
        <translation>La ligne de commande de l&apos;éditeur d&apos;images est vide.</translation>
    </message>
    <message>
        <source>The image editor &quot;%1&quot; could not be started.<byte value="xd"/>
Check its command line in Edit &gt; Preferences.</source>
        <translation>Impossible de lancer l&apos;éditeur d&apos;images «&#xa0;%1&#xa0;».<byte value="xd"/>
Vérifiez sa ligne de commande dans Édition &gt; Préférences.</translation>
    </message>
    <message>
        <source>Input pause amount (%1..%2)</source>
        <translation>Saisissez la durée de la pause (%1..%2)</translation>
    </message>
    <message>
        <source>Input sound number (%1..%2)</source>
        <translation>Saisissez le numéro du son (%1..%2)</translation>
    </message>
    <message>
        <source>Input new pause amount (%1..%2)</source>
        <translation>Saisissez la nouvelle durée de la pause (%1..%2)</translation>
    </message>
    <message>
        <source>Input new sound number (%1..%2)</source>
        <translation>Saisissez le nouveau numéro du son (%1..%2)</translation>
    </message>
    <message>
        <source>Custom: %1</source>
        <translation>Personnalisée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Indices kept; the image&apos;s colours differ from the palette. Use Import Image to match colours.</source>
        <translation>Indices gardés&#xa0;; couleurs de l&apos;image différentes de la palette&#xa0;: utilisez Importer une image.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>Project menu: the selected item</comment>
        <translation>Mo&amp;difier</translation>
    </message>
</context>
<context>
    <name>tessa::frmAbout</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Tessarine Animation Studio is a Windows editor for the animation files found in Tessarine: Cindrel and Orvalis.</source>
        <translation>Tessarine Animation Studio est un éditeur Windows pour les fichiers d&apos;animation de Tessarine&#xa0;: Cindrel et Orvalis.</translation>
    </message>
    <message>
        <source>Warning: Not responsible for any lost data.  Be sure to make back up copies.</source>
        <translation>Attention&#xa0;: nous déclinons toute responsabilité en cas de perte de données. Pensez à faire des copies de sauvegarde.</translation>
    </message>
    <message>
        <source>website:</source>
        <translation>site web&#xa0;:</translation>
    </message>
    <message>
        <source>email:</source>
        <translation>courriel&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
</TS>
