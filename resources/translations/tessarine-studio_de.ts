<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>OpacitySetting</name>
    <message>
        <source>The opacity is a number from %1 to %2.</source>
        <translation>Die Deckkraft ist eine Zahl von %1 bis %2.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>%1
This file does not exist.
Do you want to create it?</source>
        <translation>%1
Diese Datei existiert nicht.
Möchten Sie sie erstellen?</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Editor for Tessarine cut-scene animations.</source>
        <translation>Editor für Zwischensequenz-Animationen von Tessarine.</translation>
    </message>
    <message>
        <source>An animation file to open.</source>
        <translation>Eine zu öffnende Animationsdatei.</translation>
    </message>
    <message>
        <source>Shows the editor in &lt;code&gt; (en, de, fr) for this run, whatever Edit &gt; Preferences chose.</source>
        <translation>Zeigt den Editor bei diesem Start in &lt;code&gt; (en, de, fr), unabhängig von Bearbeiten &gt; Einstellungen.</translation>
    </message>
</context>
<context>
    <name>tessa::CommandRegistry</name>
    <message>
        <source>there is no such command</source>
        <translation>diesen Befehl gibt es nicht</translation>
    </message>
    <message>
        <source>the command is off at the moment (its menu entry is greyed out)</source>
        <translation>der Befehl ist gerade nicht verfügbar (sein Menüeintrag ist ausgegraut)</translation>
    </message>
    <message>
        <source>it replaces the document the script works on</source>
        <translation>er ersetzt das Dokument, an dem das Skript arbeitet</translation>
    </message>
</context>
<context>
    <name>tessa::DetailsFeature</name>
    <message>
        <source>&amp;Changes</source>
        <translation>Ä&amp;nderungen</translation>
    </message>
    <message>
        <source>Item &amp;Details</source>
        <translation>Eintrags&amp;details</translation>
    </message>
</context>
<context>
    <name>tessa::EditFeature</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>Nach &amp;oben verschieben</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten verschieben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>the script&apos;s changes are one step of the history: undo them once the script has ended</source>
        <translation>die Änderungen des Skripts sind ein Schritt im Verlauf: machen Sie sie nach dem Ende des Skripts rückgängig</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Eintrag verschieben</translation>
    </message>
</context>
<context>
    <name>tessa::ExternalEditingFeature</name>
    <message>
        <source>Edit E&amp;xternally</source>
        <translation>E&amp;xtern bearbeiten</translation>
    </message>
    <message>
        <source>No program is set to open %1 files.<byte value="xd"/>
Choose an image editor in Edit &gt; Preferences.</source>
        <translation>Kein Programm zum Öffnen von %1-Dateien festgelegt.<byte value="xd"/>
Wählen Sie einen Bildeditor unter Bearbeiten &gt; Einstellungen.</translation>
    </message>
    <message>
        <source>%1 was saved, but its image is no longer in the animation.</source>
        <translation>%1 gespeichert, aber das Bild ist nicht mehr in der Animation.</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>Bild aktualisieren</translation>
    </message>
    <message>
        <source>Updated the image on line %1 from %2.</source>
        <translation>Bild in Zeile %1 aus %2 aktualisiert.</translation>
    </message>
</context>
<context>
    <name>tessa::Filters</name>
    <message>
        <source>Animation Files (*ANIM*.*)|*ANIM*.*|All Files (*.*)|*.*</source>
        <translation>Animationsdateien (*ANIM*.*)|*ANIM*.*|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>BitMap Files (*.bmp)|*.bmp|All Files (*.*)|*.*</source>
        <translation>Bitmap-Dateien (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>JASC 3 Palette Files (*.pal)|*.pal|JASC 8 Palette Files (*.pal)|*.pal|Photoshop Palette Files (*.act)|*.act|GAMEPAL.OBJ|GAMEPAL.OBJ</source>
        <translation>JASC-3-Palettendateien (*.pal)|*.pal|JASC-8-Palettendateien (*.pal)|*.pal|Photoshop-Palettendateien (*.act)|*.act|GAMEPAL.OBJ|GAMEPAL.OBJ</translation>
    </message>
    <message>
        <source>GIF Animation (*.gif)|*.gif|WebM Video (*.webm)|*.webm|MP4 Video (*.mp4)|*.mp4|PNG Sequence (*.png)|*.png</source>
        <translation>GIF-Animation (*.gif)|*.gif|WebM-Video (*.webm)|*.webm|MP4-Video (*.mp4)|*.mp4|PNG-Bildfolge (*.png)|*.png</translation>
    </message>
    <message>
        <source>Animation Patches (*.tpatch)|*.tpatch|All Files (*.*)|*.*</source>
        <translation>Animations-Patches (*.tpatch)|*.tpatch|Alle Dateien (*.*)|*.*</translation>
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
Das Vorhandene importieren?</translation>
    </message>
</context>
<context>
    <name>tessa::ImageImportFeature</name>
    <message>
        <source>Image Files (%1)|%1|All Files (*.*)|*.*</source>
        <translation>Bilddateien (%1)|%1|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>I&amp;mport Image...</source>
        <translation>Bild i&amp;mportieren...</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Open or begin an animation to add images to it.</source>
        <translation>Für Bilder erst eine Animation öffnen oder beginnen.</translation>
    </message>
    <message>
        <source>New Animation from P&amp;icture...</source>
        <translation>Neue Animation aus B&amp;ild...</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Neue Animation</translation>
    </message>
    <message numerus="yes">
        <source>Began a new animation with %n picture(s).</source>
        <translation>
            <numerusform>Neue Animation mit %n Bild begonnen.</numerusform>
            <numerusform>Neue Animation mit %n Bildern begonnen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessa::ImportImageDialog</name>
    <message>
        <source>%1 (%2 x %3 pixels, read scaled down to %4 x %5)</source>
        <translation>%1 (%2 x %3 Pixel, beim Lesen auf %4 x %5 verkleinert)</translation>
    </message>
    <message>
        <source>Pixels changed from the previous image: %L1</source>
        <translation>Gegenüber dem vorherigen Bild geänderte Pixel: %L1</translation>
    </message>
    <message>
        <source>Pixels kept from the previous image: %L1</source>
        <translation>Vom vorherigen Bild übernommene Pixel: %L1</translation>
    </message>
    <message>
        <source>Pixels not matched exactly: %L1</source>
        <translation>Nicht exakt getroffene Pixel: %L1</translation>
    </message>
    <message>
        <source>Largest colour error: %L1</source>
        <translation>Größter Farbfehler: %L1</translation>
    </message>
    <message>
        <source>Stored size: %L1 bytes</source>
        <translation>Gespeicherte Größe: %L1 Bytes</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Nearest colour</source>
        <translation>Nächstliegende Farbe</translation>
    </message>
    <message>
        <source>Floyd-Steinberg dithering</source>
        <translation>Floyd-Steinberg-Dithering</translation>
    </message>
    <message>
        <source>Ordered dithering</source>
        <translation>Geordnetes Dithering</translation>
    </message>
    <message>
        <source>&amp;Keep pixels close to the previous image</source>
        <translation>Ähnliche Pixel des vorherigen Bildes &amp;beibehalten</translation>
    </message>
    <message>
        <source>e.g. 0-15, 240-255</source>
        <translation>z. B. 0-15, 240-255</translation>
    </message>
    <message>
        <source>Refuse</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Crop to fill</source>
        <translation>Füllend zuschneiden</translation>
    </message>
    <message>
        <source>Scale to fit</source>
        <translation>Passend skalieren</translation>
    </message>
    <message>
        <source>Show the colour &amp;error</source>
        <translation>Farbf&amp;ehler anzeigen</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Methode:</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Schwellenwert:</translation>
    </message>
    <message>
        <source>&amp;Locked indices:</source>
        <translation>&amp;Gesperrte Indizes:</translation>
    </message>
    <message>
        <source>&amp;Wrong size:</source>
        <translation>&amp;Falsche Größe:</translation>
    </message>
    <message>
        <source>The image uses the palette&apos;s colours: its indices are kept.</source>
        <translation>Das Bild nutzt die Farben der Palette: Die Indizes bleiben erhalten.</translation>
    </message>
    <message>
        <source>The image uses the palette&apos;s colours under other indices: renumbered.</source>
        <translation>Das Bild nutzt die Farben der Palette unter anderen Indizes: neu nummeriert.</translation>
    </message>
    <message>
        <source>The image&apos;s colours are matched to the palette.</source>
        <translation>Die Farben des Bildes werden an die Palette angeglichen.</translation>
    </message>
</context>
<context>
    <name>tessa::ImportMovieDialog</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>in a moment</source>
        <translation>in Kürze</translation>
    </message>
    <message>
        <source>At most %1 bytes, at a lower quality; made %2.</source>
        <translation>Höchstens %1 Bytes, bei geringerer Qualität; fertig %2.</translation>
    </message>
    <message>
        <source>The movie takes about %1 bytes, made %2.</source>
        <translation>Der Film belegt etwa %1 Bytes, fertig %2.</translation>
    </message>
    <message>
        <source>Import Movie</source>
        <translation>Film importieren</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Crop to 4:3</source>
        <translation>Auf 4:3 zuschneiden</translation>
    </message>
    <message>
        <source>Black bars to 4:3</source>
        <translation>Schwarze Balken auf 4:3</translation>
    </message>
    <message>
        <source>Stretch to 4:3</source>
        <translation>Auf 4:3 strecken</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>&amp;Höchstens:</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Pictures a second:</source>
        <translation>Bilder pro &amp;Sekunde:</translation>
    </message>
    <message>
        <source>&amp;Shape:</source>
        <translation>&amp;Anpassen:</translation>
    </message>
    <message>
        <source>No picture at this moment.</source>
        <translation>An dieser Stelle kein Bild.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Das Ende muss nach dem Anfang liegen.</translation>
    </message>
    <message numerus="yes">
        <source>in about %Ln second(s)</source>
        <translation>
            <numerusform>in etwa %Ln Sekunde</numerusform>
            <numerusform>in etwa %Ln Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Write its so&amp;und as sound:</source>
        <translation>&amp;Ton speichern als Sound:</translation>
    </message>
    <message>
        <source>The movie has no sound.</source>
        <translation>Der Film hat keinen Ton.</translation>
    </message>
    <message>
        <source>To write its sound, set the sound folder and file names in View &gt; Play first.</source>
        <translation>Um den Ton zu speichern, legen Sie zuerst unter Ansicht &gt; Abspielen den Sound-Ordner und die Dateinamen fest.</translation>
    </message>
    <message>
        <source>Its sound is not written.</source>
        <translation>Der Ton wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Its sound goes to %1, played with its first picture.</source>
        <translation>Der Ton wird in %1 gespeichert und mit dem ersten Bild abgespielt.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln numbered picture(s)</source>
        <translation>
            <numerusform>%1: %Ln nummeriertes Bild</numerusform>
            <numerusform>%1: %Ln nummerierte Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>Its sound goes to %1. Careful: line %2 cues sound %3 already, and would play the movie&apos;s sound too.</source>
        <translation>Der Ton wird in %1 gespeichert. Achtung: Zeile %2 spielt schon Sound %3 und würde dann auch den Ton des Films spielen.</translation>
    </message>
</context>
<context>
    <name>tessa::ImportSoundDialog</name>
    <message>
        <source>Import Sound</source>
        <translation>Sound importieren</translation>
    </message>
    <message>
        <source>Drag across the sound to take a part of it.</source>
        <translation>Ziehen Sie über den Sound, um einen Teil davon zu nehmen.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Keep its level (otherwise its loudest moment is made as loud as 8 bits allow)</source>
        <translation>&amp;Lautstärke beibehalten (sonst wird die lauteste Stelle so laut, wie 8 Bit erlauben)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Pa&amp;rt:</source>
        <translation>&amp;Bereich:</translation>
    </message>
    <message>
        <source>Sound &amp;number:</source>
        <translation>Sound-&amp;Nummer:</translation>
    </message>
    <message>
        <source>%1 s taken</source>
        <translation>%1 s genommen</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Das Ende muss nach dem Anfang liegen.</translation>
    </message>
    <message>
        <source>Sound %1 is written to %2.</source>
        <translation>Sound %1 wird in %2 gespeichert.</translation>
    </message>
    <message>
        <source>That file exists already: it is replaced only after you say so, and kept as .bak.</source>
        <translation>Diese Datei gibt es schon: Sie wird nur nach Ihrer Zustimmung ersetzt und als .bak aufbewahrt.</translation>
    </message>
    <message>
        <source>The animation plays sound %1 already.</source>
        <translation>Die Animation spielt Sound %1 bereits ab.</translation>
    </message>
    <message>
        <source>There is no sound output to play it on.</source>
        <translation>Es gibt keine Audioausgabe, um ihn abzuspielen.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
</context>
<context>
    <name>tessa::ItemDetailsPanel</name>
    <message>
        <source>Item Details</source>
        <translation>Eintragsdetails</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Zeile:</translation>
    </message>
    <message>
        <source>Stored:</source>
        <translation>Gespeichert:</translation>
    </message>
    <message>
        <source>Changed pixels:</source>
        <translation>Geänderte Pixel:</translation>
    </message>
    <message>
        <source>Share of the file:</source>
        <translation>Anteil an der Datei:</translation>
    </message>
    <message>
        <source>File when saved:</source>
        <translation>Datei nach dem Speichern:</translation>
    </message>
    <message>
        <source>Starts at:</source>
        <translation>Beginnt bei:</translation>
    </message>
    <message>
        <source>Lasts:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>tessa::ItemFigures</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 von %3</translation>
    </message>
    <message>
        <source>at %1 for %2</source>
        <translation>ab %1 für %2</translation>
    </message>
    <message>
        <source>none: not an image</source>
        <translation>keine: kein Bild</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>none until the animation begins with an image</source>
        <translation>keine, solange die Animation nicht mit einem Bild beginnt</translation>
    </message>
    <message>
        <source>not played: after End</source>
        <translation>nicht abgespielt: nach Ende</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>nicht abgespielt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln pixel(s)</source>
        <translation>
            <numerusform>%Ln Pixel</numerusform>
            <numerusform>%Ln Pixel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln run(s)</source>
        <translation>
            <numerusform>%Ln Folge</numerusform>
            <numerusform>%Ln Folgen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 changed in %2</source>
        <translation>%1 in %2 geändert</translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s)</source>
        <translation>
            <numerusform>%Ln Byte</numerusform>
            <numerusform>%Ln Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1 (%2 at %3 a second)</source>
        <translation>%1 (%2 bei %3 pro Sekunde)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tick(s)</source>
        <translation>
            <numerusform>%Ln Tick</numerusform>
            <numerusform>%Ln Ticks</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessa::ItemList</name>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Sound abspielen</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An item&apos;s label and its number, as in &quot;Pause: 120&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>tessa::MovieExport</name>
    <message>
        <source>The GIF will be %1.</source>
        <translation>Das GIF wird %1 groß.</translation>
    </message>
    <message>
        <source>The GIF will be about %1 (estimated from its first %2 seconds).</source>
        <translation>Das GIF wird etwa %1 groß (geschätzt aus den ersten %2 Sekunden).</translation>
    </message>
    <message>
        <source>Write the movie without its sounds?</source>
        <translation>Den Film ohne seine Sounds schreiben?</translation>
    </message>
    <message>
        <source>Writing the movie...</source>
        <translation>Film wird geschrieben...</translation>
    </message>
    <message>
        <source>Export Movie</source>
        <translation>Film exportieren</translation>
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
        <translation>Film exportieren</translation>
    </message>
    <message>
        <source>Wrote the movie %1 (%2).</source>
        <translation>Film %1 geschrieben (%2).</translation>
    </message>
    <message>
        <source>Wrote the movie as the pictures %1.</source>
        <translation>Film als Bilder %1 geschrieben.</translation>
    </message>
</context>
<context>
    <name>tessa::MovieImportFeature</name>
    <message>
        <source>Import Mo&amp;vie...</source>
        <translation>&amp;Film importieren...</translation>
    </message>
    <message>
        <source>Import Movie</source>
        <translation>Film importieren</translation>
    </message>
    <message>
        <source>Even at the lowest quality this takes about %1 bytes: allow more, or take a shorter part.</source>
        <translation>Selbst bei niedrigster Qualität sind es etwa %1 Bytes: mehr zulassen oder einen kürzeren Teil wählen.</translation>
    </message>
    <message>
        <source>The sound file %1 exists already. Replace it with the movie&apos;s sound? The old one is kept as %2.</source>
        <translation>Die Sound-Datei %1 gibt es schon. Durch den Ton des Films ersetzen? Die alte bleibt als %2 erhalten.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s)</source>
        <translation>
            <numerusform>%Ln Bild</numerusform>
            <numerusform>%Ln Bilder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pause(s)</source>
        <translation>
            <numerusform>%Ln Pause</numerusform>
            <numerusform>%Ln Pausen</numerusform>
        </translation>
    </message>
    <message>
        <source>Its sound is sound %1, %2.</source>
        <translation>Sein Ton ist Sound %1, %2.</translation>
    </message>
    <message>
        <source>Encoding %1...</source>
        <translation>%1 wird kodiert...</translation>
    </message>
    <message>
        <source>The movie was not imported: it was stopped. Nothing has changed.</source>
        <translation>Film nicht importiert: abgebrochen. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Movies (%1)|%1|Numbered Pictures, the First of Them (%2)|%2|All Files (*.*)|*.*</source>
        <translation>Videos (%1)|%1|Nummerierte Bilder, das erste davon (%2)|%2|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message numerus="yes">
        <source>%Ln fade out(s)</source>
        <translation>
            <numerusform>%Ln Ausblenden</numerusform>
            <numerusform>%Ln Ausblenden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>New Animation from &amp;Movie...</source>
        <translation>Neue Animation aus Fil&amp;m...</translation>
    </message>
    <message>
        <source>Select the line to put the movie before.</source>
        <translation>Die Zeile wählen, vor die der Film kommt.</translation>
    </message>
    <message>
        <source>Line %1 comes after the Fade Out of line %2: the game would show the movie on a black screen.<byte value="xd"/>
<byte value="xd"/>
Put the movie before the Fade Out instead?</source>
        <translation>Zeile %1 folgt auf das Ausblenden in Zeile %2: Das Spiel würde den Film auf schwarzem Bildschirm zeigen.<byte value="xd"/>
<byte value="xd"/>
Den Film stattdessen vor das Ausblenden setzen?</translation>
    </message>
    <message>
        <source>Imported %1: %2.</source>
        <translation>%1 importiert: %2.</translation>
    </message>
    <message>
        <source>Began a new animation with %1: %2.</source>
        <translation>Neue Animation mit %1 begonnen: %2.</translation>
    </message>
</context>
<context>
    <name>tessa::Notice</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid file type.</source>
        <translation>Ungültiger Dateityp.</translation>
    </message>
    <message>
        <source>Error preparing image entry.</source>
        <translation>Fehler beim Vorbereiten des Bildeintrags.</translation>
    </message>
    <message>
        <source>The file was not an 320x200 8-bit BMP.</source>
        <translation>Die Datei war kein 8-Bit-BMP mit 320x200 Pixeln.</translation>
    </message>
    <message>
        <source>The file is too short to be a 320x200 8-bit BMP.</source>
        <translation>Die Datei ist zu kurz für ein 8-Bit-BMP mit 320x200 Pixeln.</translation>
    </message>
    <message>
        <source>Unknown palette file format!</source>
        <translation>Unbekanntes Palettendateiformat!</translation>
    </message>
    <message>
        <source>The image holds no pixels.</source>
        <translation>Das Bild enthält keine Pixel.</translation>
    </message>
    <message>
        <source>Could not save INI file.</source>
        <translation>INI-Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>The movie was not encoded: it was stopped.</source>
        <translation>Der Film wurde nicht kodiert: Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The movie holds no pictures.</source>
        <translation>Der Film enthält keine Bilder.</translation>
    </message>
    <message>
        <source>A picture of the movie is not 320 x 200.</source>
        <translation>Ein Bild des Films hat nicht 320 x 200 Pixel.</translation>
    </message>
    <message>
        <source>An animation begins with an image: the first image cannot be deleted.</source>
        <translation>Eine Animation beginnt mit einem Bild: Das erste Bild kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>An animation begins with an image: only an image can go first.</source>
        <translation>Eine Animation beginnt mit einem Bild: Nur ein Bild kann am Anfang stehen.</translation>
    </message>
    <message>
        <source>An animation begins with an image: the line after the first image is not one.</source>
        <translation>Eine Animation beginnt mit einem Bild: Die Zeile nach dem ersten Bild ist kein Bild.</translation>
    </message>
    <message>
        <source>The last line stays last: the game stops there.</source>
        <translation>Die letzte Zeile bleibt die letzte: Dort endet das Spiel.</translation>
    </message>
    <message>
        <source>Error: %1<byte value="xd"/>
Description: %2<byte value="xd"/>
Location: %3</source>
        <translation>Fehler: %1<byte value="xd"/>
Beschreibung: %2<byte value="xd"/>
Ort: %3</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels, not 320 x 200.</source>
        <translation>Das Bild hat %1 x %2 Pixel, nicht 320 x 200.</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Item %1 at byte offset %2 runs past the end of the file.</source>
        <translation>Eintrag %1 bei Byte-Position %2 reicht über das Dateiende hinaus.</translation>
    </message>
    <message>
        <source>The BMP file is damaged: %1.</source>
        <translation>Die BMP-Datei ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>its steps make more bytes than the file it was made from</source>
        <translation>seine Schritte ergeben mehr Bytes als die Datei, aus der er gemacht wurde</translation>
    </message>
    <message>
        <source>its carried bytes do not unpack</source>
        <translation>seine mitgeführten Bytes lassen sich nicht entpacken</translation>
    </message>
    <message>
        <source>it refers to items the file does not have</source>
        <translation>er verweist auf Elemente, die die Datei nicht hat</translation>
    </message>
    <message>
        <source>it takes item %1 of a file of %2 items</source>
        <translation>er nimmt Element %1 einer Datei mit %2 Elementen</translation>
    </message>
    <message>
        <source>it carries fewer items than it uses</source>
        <translation>er führt weniger Elemente mit, als er verwendet</translation>
    </message>
    <message>
        <source>a carried item is cut short</source>
        <translation>ein mitgeführtes Element ist abgeschnitten</translation>
    </message>
    <message>
        <source>its trailing bytes are missing</source>
        <translation>seine abschließenden Bytes fehlen</translation>
    </message>
    <message>
        <source>it holds a step of an unknown kind</source>
        <translation>er enthält einen Schritt unbekannter Art</translation>
    </message>
    <message>
        <source>it numbers an item that is not there</source>
        <translation>er nummeriert ein Element, das es nicht gibt</translation>
    </message>
    <message>
        <source>it carries bytes it does not use</source>
        <translation>er führt Bytes mit, die er nicht verwendet</translation>
    </message>
    <message>
        <source>its steps make fewer bytes than the file it was made from</source>
        <translation>seine Schritte ergeben weniger Bytes als die Datei, aus der er gemacht wurde</translation>
    </message>
    <message>
        <source>the file it makes is not the one it was made from</source>
        <translation>die Datei, die er ergibt, ist nicht die, aus der er gemacht wurde</translation>
    </message>
    <message>
        <source>This patch is for a file of %1 bytes (SHA-256 %2...); %3 is not that file. It is the patched file already.</source>
        <translation>Dieser Patch ist für eine Datei mit %1 Bytes (SHA-256 %2...); %3 ist nicht diese Datei. Sie ist bereits die gepatchte Datei.</translation>
    </message>
    <message>
        <source>This patch is for a file of %1 bytes (SHA-256 %2...); %3 is not that file.</source>
        <translation>Dieser Patch ist für eine Datei mit %1 Bytes (SHA-256 %2...); %3 ist nicht diese Datei.</translation>
    </message>
    <message>
        <source>%1 is not an animation patch.</source>
        <translation>%1 ist kein Animations-Patch.</translation>
    </message>
    <message>
        <source>%1 is a patch of format version %2; this program applies version %3 only.</source>
        <translation>%1 ist ein Patch im Format Version %2; dieses Programm wendet nur Version %3 an.</translation>
    </message>
    <message>
        <source>The patch %1 is damaged or incomplete: %2.</source>
        <translation>Der Patch %1 ist beschädigt oder unvollständig: %2.</translation>
    </message>
    <message>
        <source>%1 is larger than a patch can hold (%2 bytes at most).</source>
        <translation>%1 ist größer, als ein Patch fassen kann (höchstens %2 Bytes).</translation>
    </message>
    <message>
        <source>%1 is a patch of a folder: apply it to the original folder with tessanim patch ORIGINAL_DIR PATCH OUT_DIR.</source>
        <translation>%1 ist der Patch eines Ordners: Wenden Sie ihn mit tessanim patch ORIGINAL_DIR PATCH OUT_DIR auf den ursprünglichen Ordner an.</translation>
    </message>
    <message>
        <source>it ends too soon</source>
        <translation>er endet zu früh</translation>
    </message>
    <message>
        <source>its checksum does not match its contents (it was cut short or changed)</source>
        <translation>seine Prüfsumme passt nicht zu seinem Inhalt (er wurde gekürzt oder verändert)</translation>
    </message>
    <message>
        <source>it is of an unknown kind</source>
        <translation>er ist von unbekannter Art</translation>
    </message>
    <message>
        <source>a patch of one file holds %1 files</source>
        <translation>ein Patch einer einzelnen Datei enthält %1 Dateien</translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation>er nennt %1 zweimal</translation>
    </message>
    <message>
        <source>bytes follow its last file</source>
        <translation>auf seine letzte Datei folgen noch Bytes</translation>
    </message>
    <message>
        <source>it names a file outside the folder it is applied to</source>
        <translation>er nennt eine Datei außerhalb des Ordners, auf den er angewendet wird</translation>
    </message>
    <message>
        <source>it has a file of an unknown kind</source>
        <translation>er hat eine Datei unbekannter Art</translation>
    </message>
    <message>
        <source>it would make a file of %1 bytes</source>
        <translation>er würde eine Datei mit %1 Bytes ergeben</translation>
    </message>
    <message>
        <source>it says it carries more bytes than the files it makes</source>
        <translation>er gibt an, mehr Bytes mitzuführen, als die Dateien haben, die er ergibt</translation>
    </message>
    <message>
        <source>a step follows the trailing bytes</source>
        <translation>auf die abschließenden Bytes folgt noch ein Schritt</translation>
    </message>
    <message>
        <source>a step is cut short</source>
        <translation>ein Schritt ist abgeschnitten</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Das Ende muss nach dem Anfang liegen.</translation>
    </message>
    <message>
        <source>it holds no pictures in that part.</source>
        <translation>er enthält in diesem Abschnitt keine Bilder.</translation>
    </message>
    <message>
        <source>it holds no pictures.</source>
        <translation>er enthält keine Bilder.</translation>
    </message>
    <message>
        <source>The movie does not fit in %1 bytes: at the lowest quality its animation takes %2 bytes. Take a shorter part of it, or allow more.</source>
        <translation>Der Film passt nicht in %1 Bytes: In der niedrigsten Qualität belegt seine Animation %2 Bytes. Nehmen Sie einen kürzeren Abschnitt oder erlauben Sie mehr.</translation>
    </message>
    <message>
        <source>it is not a movie FFmpeg can read.</source>
        <translation>es ist kein Film, den FFmpeg lesen kann.</translation>
    </message>
    <message>
        <source>it holds no sound in that part.</source>
        <translation>er enthält in diesem Abschnitt keinen Ton.</translation>
    </message>
    <message>
        <source>it holds no sound that FFmpeg can decode.</source>
        <translation>er enthält keinen Ton, den FFmpeg dekodieren kann.</translation>
    </message>
    <message>
        <source>its sound cannot be decoded.</source>
        <translation>sein Ton lässt sich nicht dekodieren.</translation>
    </message>
    <message>
        <source>it is not a movie FFmpeg can read (%1).</source>
        <translation>es ist kein Film, den FFmpeg lesen kann (%1).</translation>
    </message>
    <message>
        <source>it holds no video that FFmpeg can decode.</source>
        <translation>es enthält kein Video, das FFmpeg dekodieren kann.</translation>
    </message>
    <message>
        <source>its video cannot be decoded (%1).</source>
        <translation>sein Video lässt sich nicht dekodieren (%1).</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>das Lesen schlug fehl (%1).</translation>
    </message>
    <message>
        <source>decoding it failed (%1).</source>
        <translation>das Dekodieren schlug fehl (%1).</translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht umgewandelt werden: %2</translation>
    </message>
    <message>
        <source>the folder holds no files with numbered names.</source>
        <translation>der Ordner enthält keine Dateien mit nummerierten Namen.</translation>
    </message>
    <message>
        <source>no file matches the pattern (numbered from 0 to 4 on).</source>
        <translation>keine Datei passt zum Muster (nummeriert ab 0 bis 4).</translation>
    </message>
    <message>
        <source>there is no such file or folder.</source>
        <translation>diese Datei oder dieser Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>movie files need FFmpeg, which this build was made without. Give a folder of numbered pictures or a pattern such as shots/f_%04d.png instead.</source>
        <translation>Filmdateien brauchen FFmpeg, ohne das diese Version gebaut wurde. Geben Sie stattdessen einen Ordner mit nummerierten Bildern oder ein Muster wie shots/f_%04d.png an.</translation>
    </message>
    <message>
        <source>reading a movie&apos;s sound needs FFmpeg, which this build was made without.</source>
        <translation>den Ton eines Films zu lesen braucht FFmpeg, ohne das diese Version gebaut wurde.</translation>
    </message>
    <message>
        <source>the script ran longer than its limit of %1 instructions</source>
        <translation>das Skript lief länger als seine Grenze von %1 Anweisungen</translation>
    </message>
    <message>
        <source>the script used more than its limit of %1 GB of memory</source>
        <translation>das Skript brauchte mehr als seine Grenze von %1 GB Speicher</translation>
    </message>
    <message>
        <source>the script used more than its limit of %1 MB of memory</source>
        <translation>das Skript brauchte mehr als seine Grenze von %1 MB Speicher</translation>
    </message>
    <message>
        <source>the script used more than its limit of %1 bytes of memory</source>
        <translation>das Skript brauchte mehr als seine Grenze von %1 Bytes Speicher</translation>
    </message>
</context>
<context>
    <name>tessa::OnionSkinFeature</name>
    <message>
        <source>&amp;Onion Skin</source>
        <translation>&amp;Zwiebelschicht</translation>
    </message>
    <message>
        <source>Onion Skin Opacit&amp;y...</source>
        <translation>Zwiebelschicht-Dec&amp;kkraft...</translation>
    </message>
    <message>
        <source>How strongly the images before and after show, in percent (%1 to %2):</source>
        <translation>Wie stark das vorherige und das nächste Bild zu sehen sind, in Prozent (%1 bis %2):</translation>
    </message>
    <message>
        <source>Onion Skin Opacity</source>
        <translation>Zwiebelschicht-Deckkraft</translation>
    </message>
</context>
<context>
    <name>tessa::PatchFeature</name>
    <message>
        <source>&amp;Patch...</source>
        <translation>&amp;Patch...</translation>
    </message>
    <message>
        <source>Apply &amp;Patch...</source>
        <translation>&amp;Patch anwenden...</translation>
    </message>
    <message>
        <source>Select the original animation file</source>
        <translation>Ursprüngliche Animationsdatei auswählen</translation>
    </message>
    <message>
        <source>Save the animation first: a patch is made from the file as saved.</source>
        <translation>Speichern Sie die Animation zuerst: Ein Patch entsteht aus der gespeicherten Datei.</translation>
    </message>
    <message>
        <source>Export Patch</source>
        <translation>Patch exportieren</translation>
    </message>
    <message>
        <source>Wrote the patch %1 (%2).</source>
        <translation>Patch %1 geschrieben (%2).</translation>
    </message>
    <message>
        <source>Select the patch</source>
        <translation>Patch auswählen</translation>
    </message>
</context>
<context>
    <name>tessa::PlayFeature</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
</context>
<context>
    <name>tessa::PreferencesDialog</name>
    <message>
        <source>Programs (*.exe)|*.exe|All Files (*.*)|*.*</source>
        <translation>Programme (*.exe)|*.exe|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>All Files (*)|*</source>
        <translation>Alle Dateien (*)|*</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The system&apos;s default program</source>
        <translation>Standardprogramm des Systems</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>%f stands for the image file. Leave it empty to open the file in the system&apos;s default program for its type.</source>
        <translation>%f steht für die Bilddatei. Leer lassen, um die Datei im Standardprogramm des Systems für ihren Typ zu öffnen.</translation>
    </message>
    <message>
        <source>PNG (indexed, 256 colours)</source>
        <translation>PNG (indiziert, 256 Farben)</translation>
    </message>
    <message>
        <source>BMP (8-bit)</source>
        <translation>BMP (8 Bit)</translation>
    </message>
    <message>
        <source>Image &amp;editor:</source>
        <translation>Bild&amp;editor:</translation>
    </message>
    <message>
        <source>Image &amp;format:</source>
        <translation>Bild&amp;format:</translation>
    </message>
    <message>
        <source>Choose the Image Editor</source>
        <translation>Bildeditor auswählen</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
</context>
<context>
    <name>tessa::PreferencesFeature</name>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Ein&amp;stellungen...</translation>
    </message>
    <message>
        <source>The language given on the command line (--language %1) is kept until the editor is started again; your choice is saved for then.</source>
        <translation>Die auf der Befehlszeile angegebene Sprache (--language %1) bleibt, bis der Editor neu gestartet wird; Ihre Wahl wird dafür gespeichert.</translation>
    </message>
</context>
<context>
    <name>tessa::PreviewWindow</name>
    <message>
        <source>Play Animation</source>
        <translation>Animation abspielen</translation>
    </message>
    <message>
        <source>Click or drag to go to a moment (Home: the start, End: the end)</source>
        <translation>Klicken oder ziehen, um zu einer Stelle zu springen (Pos1: zum Anfang, Ende: zum Ende)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The item before (Left or Page Up)</source>
        <translation>Der vorherige Eintrag (Pfeil links oder Bild auf)</translation>
    </message>
    <message>
        <source>Play or pause (Space)</source>
        <translation>Abspielen oder anhalten (Leertaste)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop and go back to the start (Esc); Esc when stopped closes the window</source>
        <translation>Anhalten und zum Anfang zurück (Esc); Esc im gestoppten Zustand schließt das Fenster</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The item after (Right or Page Down)</source>
        <translation>Der nächste Eintrag (Pfeil rechts oder Bild ab)</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Play again from the start at the end (L)</source>
        <translation>Am Ende wieder von vorn abspielen (L)</translation>
    </message>
    <message>
        <source>Speed (+ faster, - slower)</source>
        <translation>Geschwindigkeit (+ schneller, - langsamer)</translation>
    </message>
    <message>
        <source>Zooms larger than the screen has room for are not offered</source>
        <translation>Zoomstufen, für die der Bildschirm zu klein ist, werden nicht angeboten</translation>
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
        <translation>Die 200 Bildzeilen als 240 dargestellt, wie ein 4:3-Bildschirm sie zeigte</translation>
    </message>
    <message>
        <source>Timing and sound</source>
        <translation>Zeitsteuerung und Sound</translation>
    </message>
    <message>
        <source>70 Hz (VGA refresh)</source>
        <translation>70 Hz (VGA-Bildwiederholrate)</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>18.2 Hz (PC timer)</source>
        <translation>18,2 Hz (PC-Timer)</translation>
    </message>
    <message>
        <source>10 Hz</source>
        <translation>10 Hz</translation>
    </message>
    <message>
        <source>1 Hz (seconds)</source>
        <translation>1 Hz (Sekunden)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Tick rate:</source>
        <translation>Tick-Rate:</translation>
    </message>
    <message>
        <source>Ticks per unit of a pause&apos;s amount</source>
        <translation>Ticks pro Einheit der Pausendauer</translation>
    </message>
    <message>
        <source>Pause multiplier:</source>
        <translation>Pausenfaktor:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Sound folder:</source>
        <translation>Sound-Ordner:</translation>
    </message>
    <message>
        <source>none: sounds are not played</source>
        <translation>keine: Sounds werden nicht abgespielt</translation>
    </message>
    <message>
        <source>The file name of sound n: %d is the number, %3d or %03d pads it to 3 places, %% is a %.</source>
        <translation>Der Dateiname von Sound n: %d ist die Nummer, %3d oder %03d füllt sie auf 3 Stellen auf, %% steht für ein %.</translation>
    </message>
    <message>
        <source>Sound file names:</source>
        <translation>Sound-Dateinamen:</translation>
    </message>
    <message>
        <source>sound %1</source>
        <translation>Sound %1</translation>
    </message>
    <message>
        <source>Select the folder of the game&apos;s sound files</source>
        <translation>Ordner mit den Sound-Dateien des Spiels auswählen</translation>
    </message>
    <message>
        <source>No file name pattern is set: sound cues are not played.</source>
        <translation>Kein Dateinamenmuster festgelegt: Sound-Aufrufe werden nicht abgespielt.</translation>
    </message>
    <message>
        <source>Sound 1 is played from %1.</source>
        <translation>Sound 1 wird aus %1 abgespielt.</translation>
    </message>
</context>
<context>
    <name>tessa::RecoveryFeature</name>
    <message>
        <source>a new animation</source>
        <translation>eine neue Animation</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Recover Discarded Animation...</source>
        <translation>&amp;Verworfene Animation wiederherstellen...</translation>
    </message>
    <message>
        <source>Your unsaved changes were kept: File &gt; Recover Discarded Animation brings them back.</source>
        <translation>Änderungen aufbewahrt: Datei &gt; Verworfene Animation wiederherstellen holt sie zurück.</translation>
    </message>
    <message>
        <source>Your unsaved changes could not be kept for File &gt; Recover Discarded Animation: %1</source>
        <translation>Ihre ungespeicherten Änderungen konnten nicht für Datei &gt; Verworfene Animation wiederherstellen aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>Recover the unsaved changes to %1 from %2?</source>
        <translation>Ungespeicherte Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 could not be read.</source>
        <translation>Die ungespeicherten Änderungen an %1 konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Discard your changes and reopen %1 from disk?</source>
        <translation>Änderungen verwerfen und %1 neu vom Datenträger laden?</translation>
    </message>
    <message>
        <source>No discarded animations are kept.</source>
        <translation>Keine verworfenen Animationen aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %Ln item(s)</source>
        <translation>
            <numerusform>%1, %2, %Ln Eintrag</numerusform>
            <numerusform>%1, %2, %Ln Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Recover Discarded Animation</source>
        <translation>Verworfene Animation wiederherstellen</translation>
    </message>
    <message>
        <source>Open as a new animation:</source>
        <translation>Als neue Animation öffnen:</translation>
    </message>
    <message>
        <source>The discarded animation could not be read.</source>
        <translation>Die verworfene Animation konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>tessa::ReferenceFeature</name>
    <message>
        <source>Pictures and Movies (%1)|%1|All Files (*.*)|*.*</source>
        <translation>Bilder und Filme (%1)|%1|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Reference...</source>
        <translation>&amp;Referenz...</translation>
    </message>
    <message>
        <source>Show R&amp;eference</source>
        <translation>Referenz &amp;einblenden</translation>
    </message>
    <message>
        <source>Refere&amp;nce Opacity...</source>
        <translation>Referenz-Deckkra&amp;ft...</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>How strongly the reference shows, in percent (%1 to %2):</source>
        <translation>Wie stark die Referenz durchscheint, in Prozent (%1 bis %2):</translation>
    </message>
    <message>
        <source>Reference Opacity</source>
        <translation>Referenz-Deckkraft</translation>
    </message>
</context>
<context>
    <name>tessa::ScriptFileAccess</name>
    <message>
        <source>Run Script</source>
        <translation>Skript ausführen</translation>
    </message>
    <message>
        <source>The script %1 wants to change %2, outside its own folder and the animation&apos;s folder.

Let it read and change the files in %3 until the editor closes?</source>
        <translation>Das Skript %1 möchte %2 ändern, außerhalb seines eigenen Ordners und des Animationsordners.

Soll es die Dateien in %3 lesen und ändern dürfen, bis der Editor geschlossen wird?</translation>
    </message>
    <message>
        <source>The script %1 wants to read %2, outside its own folder and the animation&apos;s folder.

Let it read and change the files in %3 until the editor closes?</source>
        <translation>Das Skript %1 möchte %2 lesen, außerhalb seines eigenen Ordners und des Animationsordners.

Soll es die Dateien in %3 lesen und ändern dürfen, bis der Editor geschlossen wird?</translation>
    </message>
</context>
<context>
    <name>tessa::ScriptRunner</name>
    <message>
        <source>There was not enough memory to start the script.</source>
        <translation>Nicht genug Speicher, um das Skript zu starten.</translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation>%1 wird ausgeführt...</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Skript ausführen</translation>
    </message>
    <message>
        <source>the script was stopped</source>
        <translation>das Skript wurde angehalten</translation>
    </message>
    <message>
        <source>The animation changed while the script ran, so the script&apos;s changes were not made. Run it again.</source>
        <translation>Die Animation wurde geändert, während das Skript lief; seine Änderungen wurden daher nicht übernommen. Bitte erneut ausführen.</translation>
    </message>
    <message>
        <source>The animation changed while the script ran. What the script did and the other change are both kept, as steps of their own: Edit &gt; Undo takes them back one by one.</source>
        <translation>Die Animation wurde geändert, während das Skript lief. Was das Skript tat und die andere Änderung bleiben beide erhalten, als eigene Schritte: Bearbeiten &gt; Rückgängig nimmt sie einzeln zurück.</translation>
    </message>
</context>
<context>
    <name>tessa::ScriptsFeature</name>
    <message>
        <source>Lua Scripts (*.lua)|*.lua|All Files (*.*)|*.*</source>
        <translation>Lua-Skripte (*.lua)|*.lua|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Run Script...</source>
        <translation>Skript &amp;ausführen...</translation>
    </message>
    <message>
        <source>a script cannot start another</source>
        <translation>ein Skript kann kein anderes starten</translation>
    </message>
    <message>
        <source>&amp;Scripts</source>
        <translation>&amp;Skripte</translation>
    </message>
    <message>
        <source>&amp;Open Scripts Folder</source>
        <translation>Skript&amp;ordner öffnen</translation>
    </message>
    <message>
        <source>(No scripts in the scripts folder)</source>
        <translation>(Keine Skripte im Skriptordner)</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Skript ausführen</translation>
    </message>
    <message>
        <source>%1 was stopped: the animation is as it was before it ran.</source>
        <translation>%1 wurde abgebrochen: Die Animation ist unverändert.</translation>
    </message>
    <message>
        <source>Script Failed</source>
        <translation>Skript fehlgeschlagen</translation>
    </message>
    <message>
        <source>Open Scripts Folder</source>
        <translation>Skriptordner öffnen</translation>
    </message>
    <message>
        <source>The scripts folder &quot;%1&quot; could not be made.</source>
        <translation>Der Skriptordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>tessa::SoundCuePlayer</name>
    <message>
        <source>Sound %1: no file name pattern is set, so no sound is played.</source>
        <translation>Sound %1: Kein Dateinamenmuster festgelegt, daher wird kein Sound abgespielt.</translation>
    </message>
    <message>
        <source>Sound %1: %2</source>
        <translation>Sound %1: %2</translation>
    </message>
    <message>
        <source>Sound %1: there is no sound output.</source>
        <translation>Sound %1: Keine Audioausgabe vorhanden.</translation>
    </message>
    <message>
        <source>Sound %1: the sound output cannot play %2 Hz with %3 channels.</source>
        <translation>Sound %1: Die Audioausgabe kann %2 Hz mit %3 Kanälen nicht abspielen.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
</context>
<context>
    <name>tessa::SoundImportFeature</name>
    <message>
        <source>Sounds (%1)|%1|All Files (*.*)|*.*</source>
        <translation>Sounds (%1)|%1|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>%1 is not a sound or movie file that can be read.</source>
        <translation>%1 ist keine lesbare Sound- oder Filmdatei.</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be read.</source>
        <translation>%1 enthält keinen lesbaren Ton.</translation>
    </message>
    <message>
        <source>The sound of %1 cannot be decoded.</source>
        <translation>Der Ton von %1 kann nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 minutes; take a part of it with tessanim sound --from and --to.</source>
        <translation>%1 ist länger als %2 Minuten; nehmen Sie einen Teil davon mit tessanim sound --from und --to.</translation>
    </message>
    <message>
        <source>Reading sounds needs FFmpeg, which this build was made without.</source>
        <translation>Zum Lesen von Sounds wird FFmpeg benötigt, das in dieser Programmversion fehlt.</translation>
    </message>
    <message>
        <source>Import S&amp;ound...</source>
        <translation>So&amp;und importieren...</translation>
    </message>
    <message>
        <source>Import Sound</source>
        <translation>Sound importieren</translation>
    </message>
    <message>
        <source>Open or begin an animation, and pick the line to play the sound before.</source>
        <translation>Öffnen oder beginnen Sie eine Animation und wählen Sie die Zeile, vor der der Sound spielen soll.</translation>
    </message>
    <message>
        <source>The sound folder %1 does not exist. Choose the game&apos;s sound folder in View &gt; Play&apos;s timing and sound choices.</source>
        <translation>Der Sound-Ordner %1 existiert nicht. Wählen Sie den Sound-Ordner des Spiels unter Ansicht &gt; Abspielen bei Zeitsteuerung und Sound.</translation>
    </message>
    <message>
        <source>Set the game&apos;s sound folder and the names of its files (such as SOUND%02d.VOC) in View &gt; Play&apos;s timing and sound choices first: the sound is written there.</source>
        <translation>Legen Sie zuerst den Sound-Ordner des Spiels und die Namen seiner Dateien (etwa SOUND%02d.VOC) unter Ansicht &gt; Abspielen bei Zeitsteuerung und Sound fest: Dort wird der Sound gespeichert.</translation>
    </message>
    <message>
        <source>The sound file %1 exists already. Replace it with this sound? The old one is kept as %2.</source>
        <translation>Die Sound-Datei %1 existiert bereits. Durch diesen Sound ersetzen? Die alte wird als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Sound %1 cannot be written where the game&apos;s sounds are.</source>
        <translation>Sound %1 kann nicht bei den Sounds des Spiels gespeichert werden.</translation>
    </message>
    <message>
        <source>The part taken holds no sound.</source>
        <translation>Der gewählte Bereich enthält keinen Ton.</translation>
    </message>
    <message>
        <source>The part taken is longer than %1 seconds, as long as a sound plays: take a shorter one.</source>
        <translation>Der gewählte Bereich ist länger als %1 Sekunden, so lange wie ein Sound spielt: Nehmen Sie einen kürzeren.</translation>
    </message>
    <message>
        <source>Sound %1 is %2, %3 s long.</source>
        <translation>Sound %1 ist %2, %3 s lang.</translation>
    </message>
</context>
<context>
    <name>tessa::TimelineFeature</name>
    <message>
        <source>&amp;Timeline</source>
        <translation>Zeit&amp;leiste</translation>
    </message>
    <message>
        <source>Later by a &amp;Tick</source>
        <translation>Einen Tick s&amp;päter</translation>
    </message>
    <message>
        <source>Earlier by a Tic&amp;k</source>
        <translation>Einen Tick &amp;früher</translation>
    </message>
    <message>
        <source>Later by Te&amp;n Ticks</source>
        <translation>Zehn Ticks spä&amp;ter</translation>
    </message>
    <message>
        <source>Earlier by Ten T&amp;icks</source>
        <translation>Zehn Ticks frü&amp;her</translation>
    </message>
    <message>
        <source>Change Pause</source>
        <translation>Pause ändern</translation>
    </message>
    <message>
        <source>Move Image in Time</source>
        <translation>Bild zeitlich verschieben</translation>
    </message>
    <message>
        <source>Move Sound in Time</source>
        <translation>Sound zeitlich verschieben</translation>
    </message>
</context>
<context>
    <name>tessa::TimelineView</name>
    <message>
        <source>%1 missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 (no sound folder)</source>
        <translation>%1 (kein Sound-Ordner)</translation>
    </message>
    <message numerus="yes">
        <source>Pause: %1 (%Ln tick(s))</source>
        <translation>
            <numerusform>Pause: %1 (%Ln Tick)</numerusform>
            <numerusform>Pause: %1 (%Ln Ticks)</numerusform>
        </translation>
    </message>
    <message>
        <source>Image at %1 s, tick %2</source>
        <translation>Bild bei %1 s, Tick %2</translation>
    </message>
    <message>
        <source>Sound at %1 s, tick %2</source>
        <translation>Sound bei %1 s, Tick %2</translation>
    </message>
    <message>
        <source>Change Pause</source>
        <translation>Pause ändern</translation>
    </message>
    <message>
        <source>Move Image in Time</source>
        <translation>Bild zeitlich verschieben</translation>
    </message>
    <message>
        <source>Move Sound in Time</source>
        <translation>Sound zeitlich verschieben</translation>
    </message>
</context>
<context>
    <name>tessa::TimelineWindow</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Zoom out (-, Ctrl+wheel)</source>
        <translation>Verkleinern (-, Strg+Mausrad)</translation>
    </message>
    <message>
        <source>Zoom in (+, Ctrl+wheel)</source>
        <translation>Vergrößern (+, Strg+Mausrad)</translation>
    </message>
    <message>
        <source>%1 s, tick %2 of %3</source>
        <translation>%1 s, Tick %2 von %3</translation>
    </message>
</context>
<context>
    <name>tessa::frm</name>
    <message>
        <source>Delete Item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>: NEW</source>
        <translation>: NEU</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Animation</source>
        <translation>&amp;Neue Animation</translation>
    </message>
    <message>
        <source>&amp;Open Animation</source>
        <translation>Animation ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projekt</translation>
    </message>
    <message>
        <source>Add &amp;Image</source>
        <translation>B&amp;ild hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Fade In</source>
        <translation>&amp;Einblenden hinzufügen</translation>
    </message>
    <message>
        <source>Add F&amp;ade Out</source>
        <translation>&amp;Ausblenden hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Pause</source>
        <translation>&amp;Pause hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Sound</source>
        <translation>&amp;Sound hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>P&amp;alette</source>
        <translation>Pa&amp;lette</translation>
    </message>
    <message>
        <source>&amp;Main Tessarine</source>
        <translation>&amp;Hauptpalette Tessarine</translation>
    </message>
    <message>
        <source>&amp;Extra Orvalis (EANIM.QLM)</source>
        <translation>&amp;Zusatzpalette Orvalis (EANIM.QLM)</translation>
    </message>
    <message>
        <source>&amp;Custom: </source>
        <translation>&amp;Benutzerdefiniert: </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>You need to add an image to begin an animation.<byte value="xd"/>
Aborting...</source>
        <translation>Sie müssen ein Bild hinzufügen, um eine Animation zu beginnen.<byte value="xd"/>
Abbruch...</translation>
    </message>
    <message>
        <source>Select the animation file</source>
        <translation>Animationsdatei auswählen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>You have not saved your changes.  Save them now?</source>
        <translation>Sie haben Ihre Änderungen nicht gespeichert. Jetzt speichern?</translation>
    </message>
    <message>
        <source>Save Confirmation</source>
        <translation>Speichern bestätigen</translation>
    </message>
    <message>
        <source>it would close the editor under the script</source>
        <translation>er würde den Editor schließen, während das Skript läuft</translation>
    </message>
    <message>
        <source>Export Animation Frames</source>
        <translation>Animationsbilder exportieren</translation>
    </message>
    <message>
        <source>Export Frame</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Select screen image</source>
        <translation>Bildschirmbild auswählen</translation>
    </message>
    <message>
        <source>The file had a length of 0.</source>
        <translation>Die Datei hatte die Länge 0.</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add Fade In</source>
        <translation>Einblenden hinzufügen</translation>
    </message>
    <message>
        <source>Add Fade Out</source>
        <translation>Ausblenden hinzufügen</translation>
    </message>
    <message>
        <source>Add Pause</source>
        <translation>Pause hinzufügen</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Sound hinzufügen</translation>
    </message>
    <message>
        <source>Pause Amount</source>
        <translation>Pausendauer</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Sound abspielen</translation>
    </message>
    <message>
        <source>Edit Image</source>
        <translation>Bild bearbeiten</translation>
    </message>
    <message>
        <source>Edit Pause</source>
        <translation>Pause bearbeiten</translation>
    </message>
    <message>
        <source>Edit Sound</source>
        <translation>Sound bearbeiten</translation>
    </message>
    <message>
        <source>Select your palette file</source>
        <translation>Palettendatei auswählen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>The image editor&apos;s command line is empty.</source>
        <translation>Die Befehlszeile des Bildeditors ist leer.</translation>
    </message>
    <message>
        <source>The image editor &quot;%1&quot; could not be started.<byte value="xd"/>
Check its command line in Edit &gt; Preferences.</source>
        <translation>Der Bildeditor „%1“ konnte nicht gestartet werden.<byte value="xd"/>
Prüfen Sie seine Befehlszeile unter Bearbeiten &gt; Einstellungen.</translation>
    </message>
    <message>
        <source>Input pause amount (%1..%2)</source>
        <translation>Pausendauer eingeben (%1..%2)</translation>
    </message>
    <message>
        <source>Input sound number (%1..%2)</source>
        <translation>Sound-Nummer eingeben (%1..%2)</translation>
    </message>
    <message>
        <source>Input new pause amount (%1..%2)</source>
        <translation>Neue Pausendauer eingeben (%1..%2)</translation>
    </message>
    <message>
        <source>Input new sound number (%1..%2)</source>
        <translation>Neue Sound-Nummer eingeben (%1..%2)</translation>
    </message>
    <message>
        <source>Custom: %1</source>
        <translation>Benutzerdefiniert: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>Project menu: the selected item</comment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Indices kept; the image&apos;s colours differ from the palette. Use Import Image to match colours.</source>
        <translation>Indizes beibehalten; die Farben des Bildes weichen von der Palette ab. Mit „Bild importieren“ werden sie angepasst.</translation>
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
        <translation>Tessarine Animation Studio ist ein Windows-Editor für die Animationsdateien aus Tessarine: Cindrel und Orvalis.</translation>
    </message>
    <message>
        <source>Warning: Not responsible for any lost data.  Be sure to make back up copies.</source>
        <translation>Warnung: Keine Haftung für verlorene Daten. Legen Sie unbedingt Sicherungskopien an.</translation>
    </message>
    <message>
        <source>website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
