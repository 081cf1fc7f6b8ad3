<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>pixmo::Convert</name>
    <message>
        <source>Uso: pixmo3-convert IN OUT
       pixmo3-convert --png fast|normal|max ... IN OUT
       pixmo3-convert --stretch W H [--smooth] IN OUT
       pixmo3-convert --rotate DEG [--smooth] IN OUT
       pixmo3-convert --palette PAL IN OUT
       pixmo3-convert --cells W H [--delay MS] IN OUT
       pixmo3-convert --info IN
       pixmo3-convert --help</source>
        <translation>Usage: pixmo3-convert IN OUT
       pixmo3-convert --png fast|normal|max ... IN OUT
       pixmo3-convert --stretch W H [--smooth] IN OUT
       pixmo3-convert --rotate DEG [--smooth] IN OUT
       pixmo3-convert --palette PAL IN OUT
       pixmo3-convert --cells W H [--delay MS] IN OUT
       pixmo3-convert --info IN
       pixmo3-convert --help</translation>
    </message>
    <message>
        <source>Legge IN e lo scrive in OUT; il formato segue l&apos;estensione (&quot;.png&quot; PNG, ogni altra BMP).
Una GIF o un PNG animati si leggono come un&apos;immagine dei fotogrammi affiancati; un PNG
scritto conserva fotogrammi e ritardi dell&apos;immagine.</source>
        <translation>Reads IN and writes it to OUT; the format follows the extension (&quot;.png&quot; PNG, any other BMP).
An animated GIF or PNG is read as one image of its frames side by side; a PNG written
keeps the image&apos;s frames and delays.</translation>
    </message>
    <message>
        <source>--stretch porta l&apos;immagine a W x H; --rotate la ruota di DEG gradi (da -360 a 360),
gli angoli scoperti col colore 0. --smooth leviga i bordi. Solo immagini con tavolozza.</source>
        <translation>--stretch scales the image to W x H; --rotate turns it by DEG degrees (-360 to 360),
the uncovered corners in colour 0. --smooth smooths the edges. Palette images only.</translation>
    </message>
    <message>
        <source>OUT &quot;.ico&quot; scrive un&apos;icona 32 x 32 a 16 colori, trasparente il colore 1.
OUT &quot;.gpl&quot;, &quot;.pal&quot;, &quot;.hex&quot; o &quot;.act&quot; scrive la tavolozza dell&apos;immagine.</source>
        <translation>OUT &quot;.ico&quot; writes a 32 x 32 icon of 16 colours, colour 1 transparent.
OUT &quot;.gpl&quot;, &quot;.pal&quot;, &quot;.hex&quot; or &quot;.act&quot; writes the image&apos;s palette.</translation>
    </message>
    <message>
        <source>--cells taglia IN in celle W x H, da sinistra a destra e dall&apos;alto in basso, e le scrive
come fotogrammi di un&apos;animazione, MS millisecondi ciascuno (da 1 a 5000, 500 se omesso):
OUT &quot;.avi&quot; un video AVI, &quot;.gif&quot; una GIF animata, &quot;.strip.png&quot; i fotogrammi affiancati
in un solo PNG che li nomina coi loro ritardi, ogni altro &quot;.png&quot; un PNG animato (APNG).</source>
        <translation>--cells cuts IN into W x H cells, left to right and top to bottom, and writes them
as the frames of an animation, MS milliseconds each (1 to 5000, 500 when left out):
OUT &quot;.avi&quot; an AVI video, &quot;.gif&quot; an animated GIF, &quot;.strip.png&quot; the frames side by side
in one PNG that names them with their delays, any other &quot;.png&quot; an animated PNG (APNG).</translation>
    </message>
    <message>
        <source>--palette porta IN sui colori di PAL (&quot;.gpl&quot;, &quot;.pal&quot;, &quot;.hex&quot;, &quot;.act&quot; o un&apos;immagine):
i colori presenti restano, gli altri prendono il colore più vicino.</source>
        <translation>--palette maps IN onto the colours of PAL (&quot;.gpl&quot;, &quot;.pal&quot;, &quot;.hex&quot;, &quot;.act&quot; or an image):
colours it has keep their entry, the others take the nearest colour.</translation>
    </message>
    <message>
        <source>--info stampa LARGHEZZAxALTEZZA BIT COLORI (COLORI 0 per 24 bit).</source>
        <translation>--info prints WIDTHxHEIGHT BITS COLOURS (COLOURS 0 for 24 bits).</translation>
    </message>
    <message>
        <source>--png sceglie la compressione dei PNG scritti: fast (veloce), normal (se omesso) o max
(il file più piccolo, più lenta); tavolozza e pixel restano gli stessi.</source>
        <translation>--png chooses the compression of the PNG files written: fast, normal (when left out) or max
(the smallest file, slower); palette and pixels stay the same.</translation>
    </message>
    <message>
        <source>pixmo3-convert: l&apos;angolo deve essere tra -360 e 360</source>
        <translation>pixmo3-convert: the angle must be between -360 and 360</translation>
    </message>
    <message>
        <source>pixmo3-convert: il ritardo deve essere tra 1 e 5000 ms</source>
        <translation>pixmo3-convert: the delay must be between 1 and 5000 ms</translation>
    </message>
    <message>
        <source>pixmo3-convert: l&apos;immagine non contiene nessuna cella intera</source>
        <translation>pixmo3-convert: the image does not hold a single whole cell</translation>
    </message>
    <message>
        <source>pixmo3-convert: le animazioni si scrivono in file &quot;.avi&quot;, &quot;.gif&quot;, &quot;.png&quot; o &quot;.strip.png&quot;</source>
        <translation>pixmo3-convert: animations are written to &quot;.avi&quot;, &quot;.gif&quot;, &quot;.png&quot; or &quot;.strip.png&quot; files</translation>
    </message>
    <message>
        <source>pixmo3-convert: %1: errore</source>
        <translation>pixmo3-convert: %1: error</translation>
    </message>
</context>
<context>
    <name>pixmo::Core</name>
    <message>
        <source>Dimensioni non valide: %1 x %2</source>
        <translation>Invalid size: %1 x %2</translation>
    </message>
    <message>
        <source>Cambia Palette</source>
        <translation>Change Palette</translation>
    </message>
    <message>
        <source>Creato dagli Appunti</source>
        <translation>Created from Clipboard</translation>
    </message>
    <message>
        <source>Aumenta, Diminuisic Colori</source>
        <translation>Increase, Decrease Colours</translation>
    </message>
    <message>
        <source>Carica Palette</source>
        <translation>Load Palette</translation>
    </message>
    <message>
        <source>File Immagine</source>
        <translation>Image Files</translation>
    </message>
    <message>
        <source>File Bitmap (*.bmp)</source>
        <translation>Bitmap File (*.bmp)</translation>
    </message>
    <message>
        <source>File PNG (*.png)</source>
        <translation>PNG File (*.png)</translation>
    </message>
    <message>
        <source>Icona (*.ico)</source>
        <translation>Icon (*.ico)</translation>
    </message>
    <message>
        <source>GIF animata</source>
        <translation>Animated GIF</translation>
    </message>
    <message>
        <source>Tutti i File (*.*)</source>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>Immagine vuota negli Appunti</source>
        <translation>Empty image on the clipboard</translation>
    </message>
    <message>
        <source>キャラの位置と大きさをメインウィンドウで選んでください</source>
        <translation>Choose the position and size of the sprite in the main window</translation>
    </message>
    <message>
        <source>これ以上は追加できません。</source>
        <translation>No more frames can be added.</translation>
    </message>
    <message>
        <source>(%1,%2)-(%3,%4) Lar:%5 Alt:%6 Ang:%7° (%8°) </source>
        <translation>(%1,%2)-(%3,%4) W:%5 H:%6 Angle:%7° (%8°) </translation>
    </message>
    <message>
        <source>Cant do it any more </source>
        <translation>No more points can be added </translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>An illegal bit count:%1</source>
        <translation>Invalid colour depth: %1 bits</translation>
    </message>
    <message>
        <source>2色</source>
        <translation>2 colours</translation>
    </message>
    <message>
        <source>16色</source>
        <translation>16 colours</translation>
    </message>
    <message>
        <source>256色</source>
        <translation>256 colours</translation>
    </message>
    <message>
        <source>16ﾋﾞｯﾄﾊｲｶﾗｰ</source>
        <translation>16-bit high colour</translation>
    </message>
    <message>
        <source>24ﾋﾞｯﾄﾌﾙｶﾗｰ</source>
        <translation>24-bit full colour</translation>
    </message>
    <message>
        <source>32ﾋﾞｯﾄﾌﾙｶﾗｰ</source>
        <translation>32-bit full colour</translation>
    </message>
    <message>
        <source>？？色</source>
        <translation>?? colours</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t cope with a picture.</source>
        <translation>Pictures of %1 are not supported.</translation>
    </message>
    <message>
        <source>E&apos; stato compresso!</source>
        <translation>It is a compressed BMP: only uncompressed BMP files can be opened</translation>
    </message>
    <message>
        <source>L&apos;immagine è troppo grande</source>
        <translation>The picture is too large: the sides must be 1 to 8000 pixels</translation>
    </message>
    <message>
        <source>CreateDIBSection Fallito</source>
        <translation>Could not create the image</translation>
    </message>
    <message>
        <source>Dati dell&apos;immagine incompleti</source>
        <translation>The image data is incomplete: the file is truncated or damaged</translation>
    </message>
    <message>
        <source>%1 non è un file BMP</source>
        <translation>%1 is not a BMP file</translation>
    </message>
    <message>
        <source>%1 non ancora supportato</source>
        <translation>%1 is not supported yet</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>device or resource busy</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Cannot open the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Cannot read the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Cannot create the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Cannot write the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>File troppo grande: &quot;%1&quot;</source>
        <translation>File too large: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Intestazione dell&apos;immagine non valida</source>
        <translation>Invalid image header: the file is damaged</translation>
    </message>
    <message>
        <source>Tabella dei colori incompleta</source>
        <translation>Incomplete colour table: the file is truncated or damaged</translation>
    </message>
    <message>
        <source>Posizione dei dati dell&apos;immagine non valida</source>
        <translation>Invalid position of the image data: the file is damaged</translation>
    </message>
    <message>
        <source>Intervallo non valido: %1 ms</source>
        <translation>Invalid delay: %1 ms</translation>
    </message>
    <message>
        <source>Nessun fotogramma da salvare</source>
        <translation>No frame to save</translation>
    </message>
    <message>
        <source>Le animazioni si salvano in file &quot;.avi&quot;, &quot;.gif&quot;, &quot;.png&quot; (APNG) o &quot;.strip.png&quot;: %1</source>
        <translation>Animations are saved as &quot;.avi&quot;, &quot;.gif&quot;, &quot;.png&quot; (APNG) or &quot;.strip.png&quot; files: %1</translation>
    </message>
    <message>
        <source>I fotogrammi hanno insieme %1 colori: una tavolozza ne tiene al massimo 256</source>
        <translation>The frames have %1 colours together: a palette holds at most 256</translation>
    </message>
    <message>
        <source>Troppi fotogrammi per un&apos;immagine di 8000 x 8000 pixel</source>
        <translation>Too many frames for a picture of 8000 x 8000 pixels</translation>
    </message>
    <message>
        <source>APNG non valida</source>
        <translation>Invalid APNG: the file is damaged</translation>
    </message>
    <message>
        <source>File %1 non può essere creato.</source>
        <translation>The file %1 cannot be created.</translation>
    </message>
    <message>
        <source>AviStreamWrite error</source>
        <translation>Error writing the AVI</translation>
    </message>
    <message>
        <source>TAVIStream.SetRate Il valore trasmesso non è valido: (%1, %2)</source>
        <translation>TAVIStream.SetRate: invalid value (%1, %2)</translation>
    </message>
    <message>
        <source>Con i loro ritardi i fotogrammi sarebbero più di 10000: nell&apos;AVI ognuno dura %1 ms</source>
        <translation>With their delays there would be more than 10000 frames: in the AVI each one lasts %1 ms</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Read error: the file is truncated or damaged</translation>
    </message>
    <message>
        <source>Stream read error: &quot;%1&quot;</source>
        <translation>Read error in &quot;%1&quot;: the file is truncated or damaged</translation>
    </message>
    <message>
        <source>PNG senza dati dell&apos;immagine</source>
        <translation>PNG without image data</translation>
    </message>
    <message>
        <source>PNG troncato</source>
        <translation>Truncated PNG</translation>
    </message>
    <message>
        <source>Lettura GIF fallita: %1</source>
        <translation>Reading the GIF failed: %1</translation>
    </message>
    <message>
        <source>GIF di %1 x %2 pixel: i lati vanno da 1 a 8000</source>
        <translation>GIF of %1 x %2 pixels: the sides must be 1 to 8000</translation>
    </message>
    <message>
        <source>GIF non valida: un fotogramma esce dallo schermo</source>
        <translation>Invalid GIF: a frame lies outside the screen</translation>
    </message>
    <message>
        <source>GIF senza immagini</source>
        <translation>GIF without images</translation>
    </message>
    <message>
        <source>Scrittura GIF fallita: %1</source>
        <translation>Writing the GIF failed: %1</translation>
    </message>
    <message>
        <source>%1: Icona non valida.</source>
        <translation>%1: not a valid icon (the file is damaged or is not an icon).</translation>
    </message>
    <message>
        <source>Icona non valida.</source>
        <translation>Not a valid icon: the file is damaged or is not an icon.</translation>
    </message>
    <message>
        <source>Un&apos;icona non può ----- se lo schermo non è meno di 8 bit.</source>
        <translation>An icon can only be dithered when the screen has 8 bits or fewer.</translation>
    </message>
    <message>
        <source>256 Colori non possono ---- un icona.</source>
        <translation>A 256-colour icon cannot be dithered.</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>No image</translation>
    </message>
    <message>
        <source>Non è un nome di file di palette (.gpl, .pal, .hex, .act): %1</source>
        <translation>Not a palette file name (.gpl, .pal, .hex, .act): %1</translation>
    </message>
    <message>
        <source>File di palette non valido: %1</source>
        <translation>Invalid palette file: %1</translation>
    </message>
    <message>
        <source>File di palette non valido: %1: %2</source>
        <translation>Invalid palette file: %1: %2</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>più di 256 colori</source>
        <translation>more than 256 colours</translation>
    </message>
    <message>
        <source>nessun colore</source>
        <translation>no colours</translation>
    </message>
    <message>
        <source>manca l&apos;intestazione &quot;GIMP Palette&quot;</source>
        <translation>the &quot;GIMP Palette&quot; header is missing</translation>
    </message>
    <message>
        <source>numero di colonne non valido</source>
        <translation>invalid column count</translation>
    </message>
    <message>
        <source>colore non valido</source>
        <translation>invalid colour</translation>
    </message>
    <message>
        <source>manca l&apos;intestazione &quot;JASC-PAL&quot;</source>
        <translation>the &quot;JASC-PAL&quot; header is missing</translation>
    </message>
    <message>
        <source>file troncato</source>
        <translation>truncated file</translation>
    </message>
    <message>
        <source>versione non supportata</source>
        <translation>unsupported version</translation>
    </message>
    <message>
        <source>numero di colori non valido</source>
        <translation>invalid colour count</translation>
    </message>
    <message>
        <source>più colori di quanti dichiarati</source>
        <translation>more colours than declared</translation>
    </message>
    <message>
        <source>non è una palette RIFF</source>
        <translation>not a RIFF palette</translation>
    </message>
    <message>
        <source>manca il blocco &quot;data&quot;</source>
        <translation>the &quot;data&quot; chunk is missing</translation>
    </message>
    <message>
        <source>colore non valido (RRGGBB)</source>
        <translation>invalid colour (RRGGBB)</translation>
    </message>
    <message>
        <source>%1 byte invece di 768 o 772</source>
        <translation>%1 bytes instead of 768 or 772</translation>
    </message>
    <message>
        <source>indice trasparente oltre i colori</source>
        <translation>transparent index beyond the colours</translation>
    </message>
    <message>
        <source>file vuoto</source>
        <translation>empty file</translation>
    </message>
    <message>
        <source>file troppo grande</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>né JASC-PAL né RIFF</source>
        <translation>neither JASC-PAL nor RIFF</translation>
    </message>
    <message>
        <source>formato sconosciuto</source>
        <translation>unknown format</translation>
    </message>
    <message>
        <source>Zlib error</source>
        <translation>zlib error preparing the PNG</translation>
    </message>
    <message>
        <source>ZLIB Error</source>
        <translation>zlib error compressing the PNG</translation>
    </message>
    <message>
        <source>ZLIB error</source>
        <translation>zlib error finishing the PNG</translation>
    </message>
    <message>
        <source>Not PNG Image</source>
        <translation>Not a PNG image</translation>
    </message>
    <message>
        <source>ZLIB ERROR</source>
        <translation>zlib error opening the PNG</translation>
    </message>
    <message>
        <source>appear two IHDR</source>
        <translation>PNG with two headers (IHDR): the file is damaged</translation>
    </message>
    <message>
        <source>Error ColorType</source>
        <translation>PNG with an invalid colour type</translation>
    </message>
    <message>
        <source>Error Bitdepth</source>
        <translation>Greyscale PNG with an invalid bit depth</translation>
    </message>
    <message>
        <source>not Use AlphaChannel</source>
        <translation>Greyscale PNG with alpha below 8 bits: not valid</translation>
    </message>
    <message>
        <source>Error BitDepth</source>
        <translation>PNG with an invalid bit depth</translation>
    </message>
    <message>
        <source>not support Compression</source>
        <translation>PNG with an unknown compression method</translation>
    </message>
    <message>
        <source>not supprt Filter</source>
        <translation>PNG with an unknown filter method</translation>
    </message>
    <message>
        <source>not interlace type</source>
        <translation>PNG with an unknown interlace method</translation>
    </message>
    <message>
        <source>Error PLTE</source>
        <translation>PNG with a misplaced PLTE chunk</translation>
    </message>
    <message>
        <source>palettesize error</source>
        <translation>PNG with a palette of invalid length</translation>
    </message>
    <message>
        <source>palette length over</source>
        <translation>PNG with more than 256 palette colours</translation>
    </message>
    <message>
        <source>error IEND size</source>
        <translation>PNG with an invalid IEND chunk</translation>
    </message>
    <message>
        <source>appear two IDAT</source>
        <translation>PNG with broken-up image data (two runs of IDAT): the file is damaged</translation>
    </message>
    <message>
        <source>not next IDAT Chunk</source>
        <translation>PNG with broken-up image data: the file is damaged</translation>
    </message>
    <message>
        <source>zlib error</source>
        <translation>The PNG&apos;s compressed data is damaged</translation>
    </message>
    <message>
        <source>not support Filter</source>
        <translation>PNG with an unknown row filter: the file is damaged</translation>
    </message>
    <message>
        <source>Palette None</source>
        <translation>Palette PNG without a palette (no PLTE chunk)</translation>
    </message>
    <message>
        <source>PNG chunk runs past the end of the file</source>
        <translation>A PNG chunk runs past the end of the file: the file is truncated or damaged</translation>
    </message>
    <message>
        <source>PNG file without image data</source>
        <translation>PNG file without image data: the file is truncated or damaged</translation>
    </message>
    <message>
        <source>IDAT before IHDR</source>
        <translation>PNG with image data before its header (IDAT before IHDR)</translation>
    </message>
    <message>
        <source>PNG image data ends before the last row</source>
        <translation>The PNG image data ends before the last row: the file is truncated or damaged</translation>
    </message>
    <message>
        <source>not support BitCount</source>
        <translation>Colour depth not supported for PNG</translation>
    </message>
    <message>
        <source>no colortable</source>
        <translation>The picture has no colour table</translation>
    </message>
    <message>
        <source>Invalid settings section &quot;%1&quot;</source>
        <translation>Invalid settings section &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid settings key &quot;%1&quot;</source>
        <translation>Invalid settings key &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Settings file too large: &quot;%1&quot;</source>
        <translation>Settings file too large: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>List index out of bounds (%1)</translation>
    </message>
    <message>
        <source>Pixmo 3 - Versione Italiana   </source>
        <translation>Pixmo 3 - English Version</translation>
    </message>
    <message>
        <source>Chosed range is too big </source>
        <translation>The chosen area is too big</translation>
    </message>
    <message>
        <source>Crea Maschera</source>
        <translation>Make Mask</translation>
    </message>
    <message>
        <source>Inverti Colori</source>
        <translation>Invert Colours</translation>
    </message>
    <message>
        <source>Differenza Colori</source>
        <translation>Colour Difference</translation>
    </message>
    <message>
        <source>X Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Rifletti Orizzontale</source>
        <translation>Flip Horizontally</translation>
    </message>
    <message>
        <source>Rifletti Verticale</source>
        <translation>Flip Vertically</translation>
    </message>
    <message>
        <source>Aumenta, Diminuisce</source>
        <translation>Enlarge, Reduce</translation>
    </message>
    <message>
        <source>Ruota</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Estendi... </source>
        <translation>Stretching...</translation>
    </message>
    <message>
        <source>Ruota </source>
        <translation>Rotating</translation>
    </message>
    <message>
        <source>&amp;Annulla   </source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Annulla   (%1)</source>
        <translation>&amp;Undo (%1)</translation>
    </message>
    <message>
        <source>Ripeti </source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Ripeti (%1)</source>
        <translation>&amp;Redo (%1)</translation>
    </message>
    <message>
        <source>%1 Annullato  </source>
        <translation>%1 undone</translation>
    </message>
    <message>
        <source>%1 Ripetuto     </source>
        <translation>%1 redone</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Cancellata immagine della Selezione</source>
        <translation>Selection Image Cleared</translation>
    </message>
    <message>
        <source>Errore Annulla</source>
        <translation>Undo error</translation>
    </message>
    <message>
        <source>Palette Change</source>
        <translation>Palette Change</translation>
    </message>
    <message>
        <source>Trasparente</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Il cambiamento della posizione della Palette</source>
        <translation>Palette Order Change</translation>
    </message>
    <message>
        <source>Palette gradation</source>
        <translation>Palette Gradation</translation>
    </message>
    <message>
        <source>Selezione di un nuovo campo</source>
        <translation>New Selection</translation>
    </message>
    <message>
        <source>Selezione Annullata</source>
        <translation>Selection Cancelled</translation>
    </message>
    <message>
        <source>Trascinamento Rilasciato</source>
        <translation>Drag Released</translation>
    </message>
    <message>
        <source>Incolla </source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Addit.of choic</source>
        <translation>Add to Selection</translation>
    </message>
    <message>
        <source>Part deletion of c</source>
        <translation>Subtract from Selection</translation>
    </message>
    <message>
        <source>Common Part Ch</source>
        <translation>Intersect with Selection</translation>
    </message>
    <message>
        <source>Selezione Eliminata</source>
        <translation>Selection Deleted</translation>
    </message>
    <message>
        <source>Selezione Tagliata</source>
        <translation>Selection Cut</translation>
    </message>
    <message>
        <source>Selezione Spostata</source>
        <translation>Selection Moved</translation>
    </message>
    <message>
        <source>Selezione Copiata</source>
        <translation>Selection Copied</translation>
    </message>
    <message>
        <source>ありません</source>
        <translation>No colour matches</translation>
    </message>
    <message>
        <source>%1 番の色がそうです</source>
        <translation>Found at colour number %1</translation>
    </message>
    <message>
        <source>Palette GIMP (*.gpl)</source>
        <translation>GIMP Palette (*.gpl)</translation>
    </message>
    <message>
        <source>Palette JASC (*.pal)</source>
        <translation>JASC Palette (*.pal)</translation>
    </message>
    <message>
        <source>Palette Lospec (*.hex)</source>
        <translation>Lospec Palette (*.hex)</translation>
    </message>
    <message>
        <source>Palette Adobe (*.act)</source>
        <translation>Adobe Palette (*.act)</translation>
    </message>
    <message>
        <source>File AVI</source>
        <translation>AVI File</translation>
    </message>
    <message>
        <source>PNG animata (APNG)</source>
        <translation>Animated PNG (APNG)</translation>
    </message>
    <message>
        <source>Striscia di fotogrammi</source>
        <translation>Strip of Frames</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
</context>
<context>
    <name>pixmo::OkCancel</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>pixmo::TAbortDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>pixmo::TAboutBox</name>
    <message>
        <source>Informazioni su Pixmo3</source>
        <translation>About Pixmo3</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Un programma di disegno per immagini a colori indicizzati:&lt;br&gt;pixel art, icone e piccole animazioni.</source>
        <translation>A paint program for palette-indexed pictures:&lt;br&gt;pixel art, icons and small animations.</translation>
    </message>
    <message>
        <source>File BMP e PNG, 2, 16 e 256 colori.</source>
        <translation>BMP and PNG files, 2, 16 and 256 colours.</translation>
    </message>
</context>
<context>
    <name>pixmo::TAnimationForm</name>
    <message>
        <source>Ritardo</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Ingrandimento</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Salva come AVI...</source>
        <translation>Save as AVI...</translation>
    </message>
    <message>
        <source>Animazione</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Ferma</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Affianca</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Valore d&apos;Ingrandimento non valido: %1</source>
        <translation>Invalid zoom value: %1</translation>
    </message>
    <message>
        <source>更新間隔(ﾐﾘ秒) </source>
        <translation>Update interval (ms)</translation>
    </message>
    <message>
        <source>Salva come AVI</source>
        <translation>Save as AVI</translation>
    </message>
    <message>
        <source>Ritardo del Fotogramma...</source>
        <translation>Frame Delay...</translation>
    </message>
    <message>
        <source>Ritardo di Tutti i Fotogrammi...</source>
        <translation>Delay of All Frames...</translation>
    </message>
    <message>
        <source>Togli il Fotogramma</source>
        <translation>Remove the Frame</translation>
    </message>
    <message>
        <source>Sposta Prima</source>
        <translation>Move Earlier</translation>
    </message>
    <message>
        <source>Sposta Dopo</source>
        <translation>Move Later</translation>
    </message>
    <message>
        <source>Carta Lucida</source>
        <translation>Onion Skin</translation>
    </message>
    <message>
        <source>Carta Lucida anche col Successivo</source>
        <translation>Onion Skin with the Next Frame Too</translation>
    </message>
    <message>
        <source>Ritardo del fotogramma (ms) </source>
        <translation>Frame delay (ms)</translation>
    </message>
    <message>
        <source>Ritardo di tutti i fotogrammi (ms) </source>
        <translation>Delay of all frames (ms)</translation>
    </message>
</context>
<context>
    <name>pixmo::TChangePaletteDialog</name>
    <message>
        <source>Cambia Palette</source>
        <translation>Change Palette</translation>
    </message>
    <message>
        <source>Inverti Colori</source>
        <translation>Invert Colours</translation>
    </message>
    <message>
        <source>Cambia Rosso-Verde</source>
        <translation>Swap Red and Green</translation>
    </message>
    <message>
        <source>Cambia Verde-Blu</source>
        <translation>Swap Green and Blue</translation>
    </message>
    <message>
        <source>Cambia Blu-Rosso</source>
        <translation>Swap Blue and Red</translation>
    </message>
</context>
<context>
    <name>pixmo::TColRateDialog</name>
    <message>
        <source>Colour Rate Setup</source>
        <translation>Colour Rate Setup</translation>
    </message>
    <message>
        <source>Rosso</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blu</source>
        <translation>Blue</translation>
    </message>
</context>
<context>
    <name>pixmo::TCreateFromPaletteDialog</name>
    <message>
        <source>Seleziona Palette da utilizzare</source>
        <translation>Select the Palette to Use</translation>
    </message>
    <message>
        <source>Sfoglia...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Seleziona Palette</source>
        <translation>Select Palette</translation>
    </message>
    <message>
        <source>クリップボードに絵がありません。</source>
        <translation>There is no picture on the clipboard.</translation>
    </message>
</context>
<context>
    <name>pixmo::TDrawingAidPanels</name>
    <message>
        <source>Sfumatura</source>
        <translation>Shading</translation>
    </message>
    <message>
        <source>Retino</source>
        <translation>Dither</translation>
    </message>
    <message>
        <source>Specchio orizzontale</source>
        <translation>Horizontal mirror</translation>
    </message>
    <message>
        <source>Specchio verticale</source>
        <translation>Vertical mirror</translation>
    </message>
    <message>
        <source>Pixel perfetto</source>
        <translation>Pixel perfect</translation>
    </message>
</context>
<context>
    <name>pixmo::TEditPopupMenu</name>
    <message>
        <source>Annulla Selezione</source>
        <translation>Cancel Selection</translation>
    </message>
    <message>
        <source>Taglia</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Seleziona Tutto</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Salva nel File...</source>
        <translation>Save to File...</translation>
    </message>
    <message>
        <source>Incolla nel File...</source>
        <translation>Paste from File...</translation>
    </message>
    <message>
        <source>Imposta come Colore Secondario</source>
        <translation>Set as Secondary Colour</translation>
    </message>
    <message>
        <source>Aggiungi Colore</source>
        <translation>Add Colour</translation>
    </message>
    <message>
        <source>Elimina Colore</source>
        <translation>Remove Colour</translation>
    </message>
    <message>
        <source>Rifletti Orizzontale</source>
        <translation>Flip Horizontally</translation>
    </message>
    <message>
        <source>Rifletti Verticale</source>
        <translation>Flip Vertically</translation>
    </message>
    <message>
        <source>Ruota...</source>
        <translation>Rotate...</translation>
    </message>
    <message>
        <source>Estendi...</source>
        <translation>Stretch...</translation>
    </message>
    <message>
        <source>Inverti Colori</source>
        <translation>Invert Colours</translation>
    </message>
    <message>
        <source>Cambia Colori</source>
        <translation>Swap Channels</translation>
    </message>
    <message>
        <source>Rosso - Blu</source>
        <translation>Red - Blue</translation>
    </message>
    <message>
        <source>Verde - Rosso</source>
        <translation>Green - Red</translation>
    </message>
    <message>
        <source>Blu - Verde</source>
        <translation>Blue - Green</translation>
    </message>
    <message>
        <source>Crea Maschera</source>
        <translation>Make Mask</translation>
    </message>
    <message>
        <source>Impostazioni...</source>
        <translation>Settings...</translation>
    </message>
</context>
<context>
    <name>pixmo::TEditSizeDialog</name>
    <message>
        <source>Imposta Unità Griglia</source>
        <translation>Set Grid Unit</translation>
    </message>
    <message>
        <source>Larghezza</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>pixmo::TFindColorDialog</name>
    <message>
        <source>Cerca Colore</source>
        <translation>Find Colour</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>pixmo::TFormTimer</name>
    <message>
        <source>A timer can&apos;t be acquired.</source>
        <translation>A timer can&apos;t be acquired.</translation>
    </message>
</context>
<context>
    <name>pixmo::THelpWindow</name>
    <message>
        <source>Pixmo3 - Aiuto</source>
        <translation>Pixmo3 - Help</translation>
    </message>
</context>
<context>
    <name>pixmo::TIconForm</name>
    <message>
        <source>Colori </source>
        <translation>Colours </translation>
    </message>
    <message>
        <source>16 Colori</source>
        <translation>16 Colours</translation>
    </message>
    <message>
        <source>256 Colori</source>
        <translation>256 Colours</translation>
    </message>
    <message>
        <source>Tremore </source>
        <translation>Dither </translation>
    </message>
    <message>
        <source>Sfondo </source>
        <translation>Background </translation>
    </message>
    <message>
        <source>Visibile</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Trasparente</source>
        <translation>Transparent</translation>
    </message>
</context>
<context>
    <name>pixmo::TIconSaveDialog</name>
    <message>
        <source>Salva come Icona</source>
        <translation>Save as Icon</translation>
    </message>
    <message>
        <source>Icona (*.ico)</source>
        <translation>Icon (*.ico)</translation>
    </message>
    <message>
        <source>Tutti i File (*)</source>
        <translation>All Files (*)</translation>
    </message>
</context>
<context>
    <name>pixmo::TKeyDialog</name>
    <message>
        <source>F1 non può essere usato perchè è il tasto di Aiuto</source>
        <translation>F1 cannot be used: it is the Help key</translation>
    </message>
    <message>
        <source>%1のショートカット</source>
        <translation>Shortcut for %1</translation>
    </message>
    <message>
        <source>Pulisci</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>pixmo::TMainForm</name>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Prendi Colore Primario</source>
        <translation>Pick Primary Colour</translation>
    </message>
    <message>
        <source>Prendi Colore Secondario</source>
        <translation>Pick Secondary Colour</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Cambia Classe di Colori</source>
        <translation>Change Grid Colour</translation>
    </message>
    <message>
        <source>Cambia Limiti di Disegno</source>
        <translation>Toggle Right-Button Drawing</translation>
    </message>
    <message>
        <source>Imposta Colore Matita</source>
        <translation>Set Selection Outline Colour</translation>
    </message>
    <message>
        <source>Imposta Modalità Matita</source>
        <translation>Set Selection Outline Mode</translation>
    </message>
    <message>
        <source>Colore Schermo 1</source>
        <translation>Screen Colour 1</translation>
    </message>
    <message>
        <source>Colore Schermo 2</source>
        <translation>Screen Colour 2</translation>
    </message>
    <message>
        <source>Aggiungi Colore del Cursore</source>
        <translation>Add Colour under Cursor</translation>
    </message>
    <message>
        <source>Elimina Colore del Cursore</source>
        <translation>Remove Colour under Cursor</translation>
    </message>
    <message>
        <source>Mostra Menu</source>
        <translation>Show Menu</translation>
    </message>
    <message>
        <source>Ruota %1</source>
        <translation>Rotate %1</translation>
    </message>
    <message>
        <source>Sfumatura</source>
        <translation>Shading</translation>
    </message>
    <message>
        <source>Retino</source>
        <translation>Dither</translation>
    </message>
    <message>
        <source>Pixel perfetto</source>
        <translation>Pixel Perfect</translation>
    </message>
    <message>
        <source>Specchio orizzontale</source>
        <translation>Horizontal Mirror</translation>
    </message>
    <message>
        <source>Specchio verticale</source>
        <translation>Vertical Mirror</translation>
    </message>
    <message>
        <source>Asse dello Specchio al Puntatore</source>
        <translation>Mirror Axes at Pointer</translation>
    </message>
    <message>
        <source>Asse dello Specchio al Centro</source>
        <translation>Mirror Axes at Centre</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nuovo...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>&amp;Apri...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva con &amp;Nome...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Crea dagli Appunti</source>
        <translation>&amp;Create from Clipboard</translation>
    </message>
    <message>
        <source>Usa &amp;Palette da...</source>
        <translation>Use &amp;Palette from...</translation>
    </message>
    <message>
        <source>Co&amp;pia negli Appunti</source>
        <translation>Cop&amp;y to Clipboard</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Ripeti</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Taglia</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Incolla</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>C&amp;ancella</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Cancella &amp;Dentro</source>
        <translation>Delete I&amp;nside</translation>
    </message>
    <message>
        <source>&amp;Icona</source>
        <translation>&amp;Icon</translation>
    </message>
    <message>
        <source>&amp;Salva come Icona...</source>
        <translation>&amp;Save as Icon...</translation>
    </message>
    <message>
        <source>&amp;Copia come Icona...</source>
        <translation>&amp;Copy as Icon...</translation>
    </message>
    <message>
        <source>&amp;2: 256 Colori</source>
        <translation>&amp;2: 256 Colours</translation>
    </message>
    <message>
        <source>Icona &amp;Tremolante</source>
        <translation>&amp;Dithered Icon</translation>
    </message>
    <message>
        <source>Carica &amp;Selezione da un file...</source>
        <translation>Load &amp;Selection from File...</translation>
    </message>
    <message>
        <source>Salva S&amp;elezione...</source>
        <translation>Sa&amp;ve Selection...</translation>
    </message>
    <message>
        <source>&amp;Selezione</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>Seleziona &amp;Tutto</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>&amp;Annulla Selezione</source>
        <translation>&amp;Cancel Selection</translation>
    </message>
    <message>
        <source>&amp;Inverti Selezione</source>
        <translation>&amp;Invert Selection</translation>
    </message>
    <message>
        <source>Cancella Selezione &amp;Mobile</source>
        <translation>Delete &amp;Floating Selection</translation>
    </message>
    <message>
        <source>&amp;Mostra Bordi</source>
        <translation>Show &amp;Outline</translation>
    </message>
    <message>
        <source>&amp;Bordo</source>
        <translation>&amp;Border</translation>
    </message>
    <message>
        <source>&amp;Aggiungi Bordo</source>
        <translation>Add Bor&amp;der</translation>
    </message>
    <message>
        <source>&amp;Elimina Bordo</source>
        <translation>&amp;Remove Border</translation>
    </message>
    <message>
        <source>Seleziona colore &amp;Primario</source>
        <translation>Select &amp;Primary Colour</translation>
    </message>
    <message>
        <source>Seleziona colore &amp;Secondario</source>
        <translation>Select &amp;Secondary Colour</translation>
    </message>
    <message>
        <source>&amp;Finestra</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Ingrandimento</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Impostazioni</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message>
        <source>Impostazioni &amp;Disegno...</source>
        <translation>&amp;Drawing Settings...</translation>
    </message>
    <message>
        <source>&amp;Tasti a Scelta Rapida...</source>
        <translation>&amp;Shortcut Keys...</translation>
    </message>
    <message>
        <source>Numero di &amp;Colori Massimo</source>
        <translation>Maximum Number of &amp;Colours</translation>
    </message>
    <message>
        <source>Cambia &amp;Palette...</source>
        <translation>Change &amp;Palette...</translation>
    </message>
    <message>
        <source>Dimensioni &amp;Immagine...</source>
        <translation>&amp;Image Size...</translation>
    </message>
    <message>
        <source>Usa &amp;Griglia</source>
        <translation>Use &amp;Grid</translation>
    </message>
    <message>
        <source>Imposta &amp;Unità Griglia...</source>
        <translation>Set Grid &amp;Unit...</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contenuti</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Guida in Linea</source>
        <translation>&amp;How to Use Help</translation>
    </message>
    <message>
        <source>&amp;Informazioni su...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Strumenti</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Opzioni</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Matita</source>
        <translation>&amp;Pen</translation>
    </message>
    <message>
        <source>&amp;Navigatore</source>
        <translation>&amp;Navigator</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>&amp;Animazione</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>&amp;Testo</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>Muovi &amp;Immagine</source>
        <translation>Move &amp;Image</translation>
    </message>
    <message>
        <source>%1 - [*]None [%2x%3 %4] Col</source>
        <translation>%1 - [*]Untitled [%2x%3, %4 colours]</translation>
    </message>
    <message>
        <source>%1 - %2[*] [%3x%4 %5] Col</source>
        <translation>%1 - %2[*] [%3x%4, %5 colours]</translation>
    </message>
    <message>
        <source>(%1,%2)-(%3,%4) Lar:%5 Alt:%6</source>
        <translation>(%1,%2)-(%3,%4) W:%5 H:%6</translation>
    </message>
    <message>
        <source>Il file BMP non conserva la trasparenza</source>
        <translation>A BMP file does not keep transparency</translation>
    </message>
    <message>
        <source>Un&apos;icona è di 32 x 32 pixel: per salvare questa immagine come icona usare Modifica &gt; Icona &gt; Salva come Icona...</source>
        <translation>An icon is 32 x 32 pixels: to save this picture as an icon use Edit &gt; Icon &gt; Save as Icon...</translation>
    </message>
    <message>
        <source>Reading  : %1</source>
        <translation>Reading: %1</translation>
    </message>
    <message>
        <source>Saving:%1</source>
        <translation>Saving: %1</translation>
    </message>
    <message>
        <source>%1は存在しません
作成してよいですか？</source>
        <translation>The folder %1 does not exist.
Do you want to create it?</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1 è cambiato.        
Vuoi salvare? </source>
        <translation>%1 has changed.
Do you want to save it?</translation>
    </message>
    <message>
        <source>Elimina Selezione</source>
        <translation>Selection cancelled</translation>
    </message>
    <message>
        <source>La Linea del limite è attivata</source>
        <translation>Selection outline shown</translation>
    </message>
    <message>
        <source>La Linea del limite è stata nascosta</source>
        <translation>Selection outline hidden</translation>
    </message>
    <message>
        <source>Bordo Attivato</source>
        <translation>Border selected</translation>
    </message>
    <message>
        <source>Il Bordo aumenta</source>
        <translation>Border grows</translation>
    </message>
    <message>
        <source>Il Bordo diminuisce</source>
        <translation>Border shrinks</translation>
    </message>
    <message>
        <source>Righ Mous BtDraw</source>
        <translation>Right button: draw</translation>
    </message>
    <message>
        <source>Righ Mous BtPick Col</source>
        <translation>Right button: pick colour</translation>
    </message>
    <message>
        <source>Purp</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Gren</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Dont trn o</source>
        <translation>Don&apos;t invert</translation>
    </message>
    <message>
        <source>Turn ovr</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Griglia Attivato</source>
        <translation>Grid on</translation>
    </message>
    <message>
        <source>Griglia Disattivato</source>
        <translation>Grid off</translation>
    </message>
    <message>
        <source>Impossibile aprire &quot;%1&quot;.
%2</source>
        <translation>Cannot open &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>Impossibile salvare &quot;%1&quot;.
%2</source>
        <translation>Cannot save &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>%1
L&apos;immagine è ancora aperta: si può salvarla in un&apos;altra cartella con &quot;Salva con Nome...&quot;.</source>
        <translation>%1
The picture is still open: you can save it in another folder with &quot;Save As...&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ha più di 256 colori: Pixmo3 modifica solo immagini con palette, di 256 colori al massimo.
La si rende un&apos;immagine con palette riducendone i colori a 256 o meno, oppure con
pixmo3-convert --palette PALETTE &quot;%1&quot; NUOVA.png
(PALETTE: un file .gpl, .pal, .hex o .act, o un&apos;immagine di cui prendere i colori).</source>
        <translation>&quot;%1&quot; has more than 256 colours: Pixmo3 edits palette images only, of 256 colours at most.
To make it a palette image, reduce its colours to 256 or fewer, or run
pixmo3-convert --palette PALETTE &quot;%1&quot; NEW.png
(PALETTE: a .gpl, .pal, .hex or .act file, or a picture whose colours to use).</translation>
    </message>
    <message>
        <source>L&apos;immagine negli Appunti ha più di 256 colori: Pixmo3 modifica solo immagini con palette, di 256 colori al massimo.
Riducendone i colori a 256 o meno prima di copiarla la si può incollare.</source>
        <translation>The picture on the clipboard has more than 256 colours: Pixmo3 edits palette images only, of 256 colours at most.
Reduce its colours to 256 or fewer before copying it, and it can be pasted.</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella delle copie di riserva &quot;%1&quot;. %2</source>
        <translation>Cannot create the backup folder &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>pixmo::TNewColorDialog</name>
    <message>
        <source>Numero Massimo di Colori</source>
        <translation>Maximum Number of Colours</translation>
    </message>
    <message>
        <source>%1色</source>
        <translation>%1 colours</translation>
    </message>
</context>
<context>
    <name>pixmo::TNewDibDialog</name>
    <message>
        <source>Nuova Pagina</source>
        <translation>New Image</translation>
    </message>
    <message>
        <source>Larghezza</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Colore 0 Trasparente</source>
        <translation>Colour 0 Transparent</translation>
    </message>
</context>
<context>
    <name>pixmo::TNewSizeDialog</name>
    <message>
        <source>Dimensioni Immagine</source>
        <translation>Image Size</translation>
    </message>
    <message>
        <source>Cambia Dimensione Immagine</source>
        <translation>Change Image Size</translation>
    </message>
</context>
<context>
    <name>pixmo::TNumColorDialog</name>
    <message>
        <source>2 Colori</source>
        <translation>2 Colours</translation>
    </message>
    <message>
        <source>16 Colori</source>
        <translation>16 Colours</translation>
    </message>
    <message>
        <source>256 Colori</source>
        <translation>256 Colours</translation>
    </message>
    <message>
        <source>Altro</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Numero Colore</source>
        <translation>Number of Colours</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Seleziona Palette     </source>
        <translation>Select Palette</translation>
    </message>
</context>
<context>
    <name>pixmo::TNumberEdit</name>
    <message>
        <source>%1は %2 から %3 の間にして下さい</source>
        <translation>%1 must be between %2 and %3</translation>
    </message>
</context>
<context>
    <name>pixmo::TNumberInputDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>pixmo::TOptionForm</name>
    <message>
        <source>Opzioni</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Transparenza</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>Opaco</source>
        <translation>Opaque</translation>
    </message>
    <message>
        <source>Spazio</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>Disegna Eroe Destro</source>
        <translation>Right Button Draws</translation>
    </message>
    <message>
        <source>Quadrato</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Dal Centro</source>
        <translation>From Centre</translation>
    </message>
    <message>
        <source>Tolleranza</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Solo nell&apos;Area Visibile</source>
        <translation>Only in the Visible Area</translation>
    </message>
</context>
<context>
    <name>pixmo::TPaletteForm</name>
    <message>
        <source>ﾂｰﾙﾊﾞｰを表示(&amp;T)</source>
        <translation>Show &amp;Toolbar</translation>
    </message>
    <message>
        <source>Trasparente</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Salva Palette...</source>
        <translation>Save Palette...</translation>
    </message>
    <message>
        <source>Carica Palette...</source>
        <translation>Load Palette...</translation>
    </message>
    <message>
        <source>Salva Palette</source>
        <translation>Save Palette</translation>
    </message>
    <message>
        <source>Carica Palette</source>
        <translation>Load Palette</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Cerca Colori Doppi</source>
        <translation>Find Duplicate Colours</translation>
    </message>
    <message>
        <source>Cerca Colori Non Utilizzati</source>
        <translation>Find Unused Colours</translation>
    </message>
    <message>
        <source>Cerca Colori Utilizzati</source>
        <translation>Find Used Colours</translation>
    </message>
    <message>
        <source>Cerca Colori</source>
        <translation>Find Colours</translation>
    </message>
    <message>
        <source>Cambia Posizione Colori</source>
        <translation>Swap Colour Positions</translation>
    </message>
    <message>
        <source>Attiva Sfumatura</source>
        <translation>Enable Palette Editing</translation>
    </message>
    <message>
        <source>Sfuma (Colore Primario -&gt; Secondario)</source>
        <translation>Gradient (Primary -&gt; Secondary Colour)</translation>
    </message>
    <message>
        <source>Colore Primario</source>
        <translation>Primary Colour</translation>
    </message>
    <message>
        <source>Colore Secondario (Trasparente)</source>
        <translation>Secondary Colour (Transparent)</translation>
    </message>
    <message>
        <source>Il numro dei Colori doppi è: %1 Individual</source>
        <translation>Duplicate colours: %1</translation>
    </message>
    <message>
        <source>Il numro dei Colori che non sono utilizzati è: %1 Individual</source>
        <translation>Colours not used: %1</translation>
    </message>
    <message>
        <source>Il numero di Colori uitilizzati è: %1 Individual</source>
        <translation>Colours used: %1</translation>
    </message>
</context>
<context>
    <name>pixmo::TPenForm</name>
    <message>
        <source>Dimensioni Matita</source>
        <translation>Pen Sizes</translation>
    </message>
    <message>
        <source>ペンの太さ</source>
        <translation>Pen width</translation>
    </message>
</context>
<context>
    <name>pixmo::TPlaceClient</name>
    <message>
        <source>Valore d&apos;Ingrandimento non valido: %1</source>
        <translation>Invalid zoom value: %1</translation>
    </message>
</context>
<context>
    <name>pixmo::TPlaceForm</name>
    <message>
        <source>Posizione</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>ｽｸﾛｰﾙﾊﾞｰを表示(&amp;B)</source>
        <translation>Show Scroll &amp;Bars</translation>
    </message>
    <message>
        <source>枠を表示(&amp;F)</source>
        <translation>Show &amp;Frame</translation>
    </message>
    <message>
        <source>表示倍率(&amp;Z)</source>
        <translation>&amp;Zoom</translation>
    </message>
</context>
<context>
    <name>pixmo::TRotateDialog</name>
    <message>
        <source>Ruota</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Angolo</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Leviga i Bordi</source>
        <translation>Smooth Edges</translation>
    </message>
</context>
<context>
    <name>pixmo::TSetKeyDialog</name>
    <message>
        <source>Tasti a Scelta Rapida</source>
        <translation>Shortcut Keys</translation>
    </message>
    <message>
        <source>Tavola dei Tasti Rapidi</source>
        <translation>Menu Shortcuts</translation>
    </message>
    <message>
        <source>Move Selection</source>
        <translation>Move Selection</translation>
    </message>
    <message>
        <source>Reprod.choice </source>
        <translation>Duplicate Selection</translation>
    </message>
    <message>
        <source>Expand choice </source>
        <translation>Add to Selection</translation>
    </message>
    <message>
        <source>Part of choic removd</source>
        <translation>Remove from Selection</translation>
    </message>
    <message>
        <source>Choice CommPrt</source>
        <translation>Intersect with Selection</translation>
    </message>
    <message>
        <source>Scrolling </source>
        <translation>Scrolling</translation>
    </message>
    <message>
        <source>Square Choic</source>
        <translation>Square Selection</translation>
    </message>
    <message>
        <source>ChoicFrmCntr</source>
        <translation>Selection from Centre</translation>
    </message>
    <message>
        <source>Fits to Units Grid</source>
        <translation>Snap to Grid</translation>
    </message>
    <message>
        <source>Tavola delle Condizioni</source>
        <translation>Selection Modifiers</translation>
    </message>
    <message>
        <source>Fuga</source>
        <translation>Scrolling</translation>
    </message>
    <message>
        <source>Quadrato</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The item which has the same shortcut : %1 individual</source>
        <translation>Items sharing a shortcut with another: %1</translation>
    </message>
</context>
<context>
    <name>pixmo::TSettingDialog</name>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Automatica</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>La lingua cambia al prossimo avvio.</source>
        <translation>The language changes at the next start.</translation>
    </message>
    <message>
        <source>Configurazione di Pixmo</source>
        <translation>Pixmo Settings</translation>
    </message>
    <message>
        <source>Finestra Principale</source>
        <translation>Main Window</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Griglia (Solo nell&apos;Ingrandimento) </source>
        <translation>Grid (Zoomed Only) </translation>
    </message>
    <message>
        <source>Larghezza</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Mostra Linea Tratteggiata</source>
        <translation>Show Dotted Line</translation>
    </message>
    <message>
        <source>Colore Griglia </source>
        <translation>Grid Colour </translation>
    </message>
    <message>
        <source>Nessuno</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Nero</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Grigio</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Sfondo delle Icone </source>
        <translation>Icon Background </translation>
    </message>
    <message>
        <source>Visibile</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Trasparente</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Buffer Annulla</source>
        <translation>Undo Buffer</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Mostra Barra di Stato</source>
        <translation>Show Status Bar</translation>
    </message>
    <message>
        <source>Mostra Barra di Scorrimento</source>
        <translation>Show Scroll Bars</translation>
    </message>
    <message>
        <source>Scorrimento Automatico</source>
        <translation>Automatic Scrolling</translation>
    </message>
    <message>
        <source>Conferma Eliminazione</source>
        <translation>Confirm Discarding Changes</translation>
    </message>
    <message>
        <source>Crea file di Backup</source>
        <translation>Make Backup Files</translation>
    </message>
    <message>
        <source>Compressione PNG</source>
        <translation>PNG Compression</translation>
    </message>
    <message>
        <source>Veloce</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Normale</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Massima</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Salva Backup nella Cartella:</source>
        <translation>Save Backups in Folder:</translation>
    </message>
    <message>
        <source>Mostra Trasparenza</source>
        <translation>Show Transparency</translation>
    </message>
    <message>
        <source>Tieni premuto il tasto Destro del Mouse</source>
        <translation>Hold the Right Mouse Button</translation>
    </message>
    <message>
        <source>Oggetti Visibili</source>
        <translation>Visible Items</translation>
    </message>
    <message>
        <source>Non mostrare questi Oggetti</source>
        <translation>Hidden Items</translation>
    </message>
</context>
<context>
    <name>pixmo::TShiftForm</name>
    <message>
        <source>Muovi Immagine</source>
        <translation>Move Image</translation>
    </message>
    <message>
        <source>Orizzontale</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Sposta in Orizzontale</source>
        <translation>Horizontal shift</translation>
    </message>
    <message>
        <source>Verticale</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Sposta in Verticale</source>
        <translation>Vertical shift</translation>
    </message>
    <message>
        <source>Muovi</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Rifletti</source>
        <translation>Half Shift</translation>
    </message>
    <message>
        <source>L&apos;immagine viene spostata a Sinistra</source>
        <translation>The image is moved left</translation>
    </message>
    <message>
        <source>L&apos;immagine viene spostata a Destra</source>
        <translation>The image is moved right</translation>
    </message>
    <message>
        <source>L&apos;immagine viene spostata in Alto</source>
        <translation>The image is moved up</translation>
    </message>
    <message>
        <source>L&apos;immagine viene spostata in Basso</source>
        <translation>The image is moved down</translation>
    </message>
</context>
<context>
    <name>pixmo::TSizeDialog</name>
    <message>
        <source>Larghezza</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>pixmo::TStatusPanel</name>
    <message>
        <source>Inoformazioni Ripeti</source>
        <translation>Undo Information</translation>
    </message>
    <message>
        <source>Posizione Cursore</source>
        <translation>Cursor Position</translation>
    </message>
</context>
<context>
    <name>pixmo::TStretchDialog</name>
    <message>
        <source>Estendi</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Usa Percentuale</source>
        <translation>Use Percentage</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Leviga i Bordi</source>
        <translation>Smooth Edges</translation>
    </message>
</context>
<context>
    <name>pixmo::TTextForm</name>
    <message>
        <source>Immetti Testo</source>
        <translation>Enter Text</translation>
    </message>
    <message>
        <source>Carattere</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Caratteri Recenti</source>
        <translation>Recent Fonts</translation>
    </message>
    <message>
        <source>Cancella Tutto</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Trascina sull&apos;immagine</source>
        <translation>Drag onto the image</translation>
    </message>
    <message>
        <source>Apri...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Sinistra</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Centrato</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Destra</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non può essere letto e non può essere messo da parte: in questa sessione il testo non vi verrà salvato.
%2</source>
        <translation>The file &quot;%1&quot; cannot be read and cannot be moved aside: in this session the text will not be saved in it.
%2</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non può essere letto: è stato messo da parte come &quot;%2&quot;.
%3</source>
        <translation>The file &quot;%1&quot; cannot be read: it has been moved aside as &quot;%2&quot;.
%3</translation>
    </message>
    <message>
        <source>Il testo supera %1 byte e non può essere salvato in &quot;%2&quot;: il file resta com&apos;era.</source>
        <translation>The text is over %1 bytes and cannot be saved in &quot;%2&quot;: the file stays as it was.</translation>
    </message>
    <message>
        <source>Larghezza... (%1)</source>
        <translation>Tab Width... (%1)</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>File Testo (*.txt;*.mem)|*.txt;*.mem|Tutti i File (*.*)|*.*</source>
        <translation>Text Files (*.txt;*.mem)|*.txt;*.mem|All Files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Larghezza</source>
        <translation>Tab width</translation>
    </message>
</context>
<context>
    <name>pixmo::TToolForm</name>
    <message>
        <source>Strumenti</source>
        <translation>Tools</translation>
    </message>
</context>
<context>
    <name>pixmo::Tools</name>
    <message>
        <source>Selezione Rettangolare</source>
        <translation>Rectangle Selection</translation>
    </message>
    <message>
        <source>Selezione Circolare</source>
        <translation>Ellipse Selection</translation>
    </message>
    <message>
        <source>Selezione Parallelogramma</source>
        <translation>Parallelogram Selection</translation>
    </message>
    <message>
        <source>Selezione Triangolare</source>
        <translation>Triangle Selection</translation>
    </message>
    <message>
        <source>Lazo Poligonale</source>
        <translation>Polygon Lasso</translation>
    </message>
    <message>
        <source>Selezione Poligonale</source>
        <translation>Polygon Selection</translation>
    </message>
    <message>
        <source>Strumento Lazo</source>
        <translation>Lasso</translation>
    </message>
    <message>
        <source>Seleziona Regione</source>
        <translation>Select Region</translation>
    </message>
    <message>
        <source>Seleziona Bordo col Colore Secondario</source>
        <translation>Select Border in Secondary Colour</translation>
    </message>
    <message>
        <source>Scegli Bordi con il Colore Secondario</source>
        <translation>Choose Borders by Secondary Colour</translation>
    </message>
    <message>
        <source>Bacchetta Magica</source>
        <translation>Magic Wand</translation>
    </message>
    <message>
        <source>Scegli colore</source>
        <translation>Choose Colours</translation>
    </message>
    <message>
        <source>Seleziona Colori</source>
        <translation>Select Colours</translation>
    </message>
    <message>
        <source>Matita</source>
        <translation>Pencil</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Rettangolo</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Rettangolo Pieno</source>
        <translation>Filled Rectangle</translation>
    </message>
    <message>
        <source>Cerchio</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Cerchio Pieno</source>
        <translation>Filled Ellipse</translation>
    </message>
    <message>
        <source>Bordo</source>
        <translation>Edge</translation>
    </message>
    <message>
        <source>Bordi</source>
        <translation>Edges</translation>
    </message>
    <message>
        <source>Secchiello</source>
        <translation>Fill Bucket</translation>
    </message>
    <message>
        <source>Aerografo</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Curva</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Animazione</source>
        <translation>Animation</translation>
    </message>
</context>
</TS>
