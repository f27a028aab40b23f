<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>OpacitySetting</name>
    <message>
        <source>The opacity is a number from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>%1
This file does not exist.
Do you want to create it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Editor for Tessarine cut-scene animations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An animation file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the editor in &lt;code&gt; (en, de, fr) for this run, whatever Edit &gt; Preferences chose.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::CommandRegistry</name>
    <message>
        <source>there is no such command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the command is off at the moment (its menu entry is greyed out)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it replaces the document the script works on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::DetailsFeature</name>
    <message>
        <source>&amp;Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item &amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::EditFeature</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script&apos;s changes are one step of the history: undo them once the script has ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ExternalEditingFeature</name>
    <message>
        <source>Edit E&amp;xternally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program is set to open %1 files.<byte value="xd"/>
Choose an image editor in Edit &gt; Preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was saved, but its image is no longer in the animation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated the image on line %1 from %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::Filters</name>
    <message>
        <source>Animation Files (*ANIM*.*)|*ANIM*.*|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BitMap Files (*.bmp)|*.bmp|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JASC 3 Palette Files (*.pal)|*.pal|JASC 8 Palette Files (*.pal)|*.pal|Photoshop Palette Files (*.act)|*.act|GAMEPAL.OBJ|GAMEPAL.OBJ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF Animation (*.gif)|*.gif|WebM Video (*.webm)|*.webm|MP4 Video (*.mp4)|*.mp4|PNG Sequence (*.png)|*.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation Patches (*.tpatch)|*.tpatch|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::FrameImport</name>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Import what is there?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ImageImportFeature</name>
    <message>
        <source>Image Files (%1)|%1|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;mport Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open or begin an animation to add images to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Animation from P&amp;icture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Began a new animation with %n picture(s).</source>
        <translation>
            <numerusform>Began a new animation with %n picture.</numerusform>
            <numerusform>Began a new animation with %n pictures.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tessa::ImportImageDialog</name>
    <message>
        <source>%1 (%2 x %3 pixels, read scaled down to %4 x %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels changed from the previous image: %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels kept from the previous image: %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels not matched exactly: %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest colour error: %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored size: %L1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floyd-Steinberg dithering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered dithering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep pixels close to the previous image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. 0-15, 240-255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refuse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop to fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the colour &amp;error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Locked indices:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wrong size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image uses the palette&apos;s colours: its indices are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image uses the palette&apos;s colours under other indices: renumbered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image&apos;s colours are matched to the palette.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ImportMovieDialog</name>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in a moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 bytes, at a lower quality; made %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie takes about %1 bytes, made %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop to 4:3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black bars to 4:3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch to 4:3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pictures a second:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shape:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture at this moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>in about %Ln second(s)</source>
        <translation>
            <numerusform>in about %Ln second</numerusform>
            <numerusform>in about %Ln seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>Write its so&amp;und as sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie has no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To write its sound, set the sound folder and file names in View &gt; Play first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its sound is not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its sound goes to %1, played with its first picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln numbered picture(s)</source>
        <translation>
            <numerusform>%1: %Ln numbered picture</numerusform>
            <numerusform>%1: %Ln numbered pictures</numerusform>
        </translation>
    </message>
    <message>
        <source>Its sound goes to %1. Careful: line %2 cues sound %3 already, and would play the movie&apos;s sound too.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ImportSoundDialog</name>
    <message>
        <source>Import Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag across the sound to take a part of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep its level (otherwise its loudest moment is made as loud as 8 bits allow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;rt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound &amp;number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound %1 is written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That file exists already: it is replaced only after you say so, and kept as .bak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The animation plays sound %1 already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no sound output to play it on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ItemDetailsPanel</name>
    <message>
        <source>Item Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed pixels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share of the file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File when saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lasts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ItemFigures</name>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at %1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: not an image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none until the animation begins with an image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not played: after End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not played</source>
        <translation type="unfinished"></translation>
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
            <numerusform>%Ln run</numerusform>
            <numerusform>%Ln runs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 changed in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s)</source>
        <translation>
            <numerusform>%Ln byte</numerusform>
            <numerusform>%Ln bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 at %3 a second)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An item&apos;s label and its number, as in &quot;Pause: 120&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::MovieExport</name>
    <message>
        <source>The GIF will be %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GIF will be about %1 (estimated from its first %2 seconds).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the movie without its sounds?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the movie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Movie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::MovieExportFeature</name>
    <message>
        <source>&amp;Movie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the movie %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the movie as the pictures %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::MovieImportFeature</name>
    <message>
        <source>Import Mo&amp;vie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even at the lowest quality this takes about %1 bytes: allow more, or take a shorter part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound file %1 exists already. Replace it with the movie&apos;s sound? The old one is kept as %2.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie was not imported: it was stopped. Nothing has changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies (%1)|%1|Numbered Pictures, the First of Them (%2)|%2|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln fade out(s)</source>
        <translation>
            <numerusform>%Ln fade out</numerusform>
            <numerusform>%Ln fade outs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Animation from &amp;Movie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the line to put the movie before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 comes after the Fade Out of line %2: the game would show the movie on a black screen.<byte value="xd"/>
<byte value="xd"/>
Put the movie before the Fade Out instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Began a new animation with %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::Notice</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error preparing image entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not an 320x200 8-bit BMP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too short to be a 320x200 8-bit BMP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown palette file format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image holds no pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save INI file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie was not encoded: it was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie holds no pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of the movie is not 320 x 200.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An animation begins with an image: the first image cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An animation begins with an image: only an image can go first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An animation begins with an image: the line after the first image is not one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last line stays last: the game stops there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %1<byte value="xd"/>
Description: %2<byte value="xd"/>
Location: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels, not 320 x 200.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item %1 at byte offset %2 runs past the end of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The BMP file is damaged: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its steps make more bytes than the file it was made from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its carried bytes do not unpack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it refers to items the file does not have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it takes item %1 of a file of %2 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it carries fewer items than it uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a carried item is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its trailing bytes are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a step of an unknown kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it numbers an item that is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it carries bytes it does not use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its steps make fewer bytes than the file it was made from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file it makes is not the one it was made from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This patch is for a file of %1 bytes (SHA-256 %2...); %3 is not that file. It is the patched file already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This patch is for a file of %1 bytes (SHA-256 %2...); %3 is not that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an animation patch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a patch of format version %2; this program applies version %3 only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch %1 is damaged or incomplete: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than a patch can hold (%2 bytes at most).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a patch of a folder: apply it to the original folder with tessanim patch ORIGINAL_DIR PATCH OUT_DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends too soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its checksum does not match its contents (it was cut short or changed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is of an unknown kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a patch of one file holds %1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bytes follow its last file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names a file outside the folder it is applied to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has a file of an unknown kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would make a file of %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it says it carries more bytes than the files it makes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a step follows the trailing bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a step is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no pictures in that part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie does not fit in %1 bytes: at the lowest quality its animation takes %2 bytes. Take a shorter part of it, or allow more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a movie FFmpeg can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no sound in that part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no sound that FFmpeg can decode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its sound cannot be decoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a movie FFmpeg can read (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no video that FFmpeg can decode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its video cannot be decoded (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decoding it failed (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder holds no files with numbered names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file matches the pattern (numbered from 0 to 4 on).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file or folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>movie files need FFmpeg, which this build was made without. Give a folder of numbered pictures or a pattern such as shots/f_%04d.png instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading a movie&apos;s sound needs FFmpeg, which this build was made without.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script ran longer than its limit of %1 instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script used more than its limit of %1 GB of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script used more than its limit of %1 MB of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script used more than its limit of %1 bytes of memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::OnionSkinFeature</name>
    <message>
        <source>&amp;Onion Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onion Skin Opacit&amp;y...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How strongly the images before and after show, in percent (%1 to %2):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onion Skin Opacity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::PatchFeature</name>
    <message>
        <source>&amp;Patch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply &amp;Patch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the original animation file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the animation first: a patch is made from the file as saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the patch %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the patch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::PlayFeature</name>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::PreferencesDialog</name>
    <message>
        <source>Programs (*.exe)|*.exe|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s default program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%f stands for the image file. Leave it empty to open the file in the system&apos;s default program for its type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG (indexed, 256 colours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP (8-bit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image &amp;editor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image &amp;format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the Image Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::PreferencesFeature</name>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language given on the command line (--language %1) is kept until the editor is started again; your choice is saved for then.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::PreviewWindow</name>
    <message>
        <source>Play Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or drag to go to a moment (Home: the start, End: the end)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item before (Left or Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play or pause (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and go back to the start (Esc); Esc when stopped closes the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item after (Right or Page Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play again from the start at the end (L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed (+ faster, - slower)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zooms larger than the screen has room for are not offered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom %1x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4:3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 200 rows shown as 240, as a 4:3 screen showed them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timing and sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>70 Hz (VGA refresh)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18.2 Hz (PC timer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Hz (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticks per unit of a pause&apos;s amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause multiplier:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: sounds are not played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name of sound n: %d is the number, %3d or %03d pads it to 3 places, %% is a %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound file names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the folder of the game&apos;s sound files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file name pattern is set: sound cues are not played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound 1 is played from %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::RecoveryFeature</name>
    <message>
        <source>a new animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recover Discarded Animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your unsaved changes were kept: File &gt; Recover Discarded Animation brings them back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your unsaved changes could not be kept for File &gt; Recover Discarded Animation: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover the unsaved changes to %1 from %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unsaved changes to %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard your changes and reopen %1 from disk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No discarded animations are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %Ln item(s)</source>
        <translation>
            <numerusform>%1, %2, %Ln item</numerusform>
            <numerusform>%1, %2, %Ln items</numerusform>
        </translation>
    </message>
    <message>
        <source>Recover Discarded Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open as a new animation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The discarded animation could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ReferenceFeature</name>
    <message>
        <source>Pictures and Movies (%1)|%1|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reference...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show R&amp;eference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refere&amp;nce Opacity...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How strongly the reference shows, in percent (%1 to %2):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Opacity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ScriptFileAccess</name>
    <message>
        <source>Run Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script %1 wants to change %2, outside its own folder and the animation&apos;s folder.

Let it read and change the files in %3 until the editor closes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script %1 wants to read %2, outside its own folder and the animation&apos;s folder.

Let it read and change the files in %3 until the editor closes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ScriptRunner</name>
    <message>
        <source>There was not enough memory to start the script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The animation changed while the script ran, so the script&apos;s changes were not made. Run it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The animation changed while the script ran. What the script did and the other change are both kept, as steps of their own: Edit &gt; Undo takes them back one by one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::ScriptsFeature</name>
    <message>
        <source>Lua Scripts (*.lua)|*.lua|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run Script...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a script cannot start another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Scripts Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(No scripts in the scripts folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was stopped: the animation is as it was before it ran.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Scripts Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scripts folder &quot;%1&quot; could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::SoundCuePlayer</name>
    <message>
        <source>Sound %1: no file name pattern is set, so no sound is played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound %1: there is no sound output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound %1: the sound output cannot play %2 Hz with %3 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::SoundImportFeature</name>
    <message>
        <source>Sounds (%1)|%1|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a sound or movie file that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no sound that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound of %1 cannot be decoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than %2 minutes; take a part of it with tessanim sound --from and --to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading sounds needs FFmpeg, which this build was made without.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import S&amp;ound...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open or begin an animation, and pick the line to play the sound before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound folder %1 does not exist. Choose the game&apos;s sound folder in View &gt; Play&apos;s timing and sound choices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the game&apos;s sound folder and the names of its files (such as SOUND%02d.VOC) in View &gt; Play&apos;s timing and sound choices first: the sound is written there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound file %1 exists already. Replace it with this sound? The old one is kept as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound %1 cannot be written where the game&apos;s sounds are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The part taken holds no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The part taken is longer than %1 seconds, as long as a sound plays: take a shorter one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound %1 is %2, %3 s long.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::TimelineFeature</name>
    <message>
        <source>&amp;Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later by a &amp;Tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier by a Tic&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later by Te&amp;n Ticks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier by Ten T&amp;icks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Image in Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Sound in Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::TimelineView</name>
    <message>
        <source>%1 missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (no sound folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Pause: %1 (%Ln tick(s))</source>
        <translation>
            <numerusform>Pause: %1 (%Ln tick)</numerusform>
            <numerusform>Pause: %1 (%Ln ticks)</numerusform>
        </translation>
    </message>
    <message>
        <source>Image at %1 s, tick %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound at %1 s, tick %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Image in Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Sound in Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::TimelineWindow</name>
    <message>
        <source>Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out (-, Ctrl+wheel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in (+, Ctrl+wheel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s, tick %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::frm</name>
    <message>
        <source>Delete Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: NEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Fade In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add F&amp;ade Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;alette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Main Tessarine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extra Orvalis (EANIM.QLM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Custom: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to add an image to begin an animation.<byte value="xd"/>
Aborting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the animation file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not saved your changes.  Save them now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would close the editor under the script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Animation Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select screen image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file had a length of 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Fade In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Fade Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your palette file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image editor&apos;s command line is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image editor &quot;%1&quot; could not be started.<byte value="xd"/>
Check its command line in Edit &gt; Preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input pause amount (%1..%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input sound number (%1..%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input new pause amount (%1..%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input new sound number (%1..%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>Project menu: the selected item</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indices kept; the image&apos;s colours differ from the palette. Use Import Image to match colours.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessa::frmAbout</name>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessarine Animation Studio is a Windows editor for the animation files found in Tessarine: Cindrel and Orvalis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Not responsible for any lost data.  Be sure to make back up copies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>website:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>email:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
