<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>Uso: pixmo3-convert IN OUT
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
        <translation>Legge IN e lo scrive in OUT; il formato segue l&apos;estensione (&quot;.png&quot; PNG, ogni altra BMP).
Una GIF o un PNG animati si leggono come un&apos;immagine dei fotogrammi affiancati; un PNG
scritto conserva fotogrammi e ritardi dell&apos;immagine.</translation>
    </message>
    <message>
        <source>--stretch porta l&apos;immagine a W x H; --rotate la ruota di DEG gradi (da -360 a 360),
gli angoli scoperti col colore 0. --smooth leviga i bordi. Solo immagini con tavolozza.</source>
        <translation>--stretch porta l&apos;immagine a W x H; --rotate la ruota di DEG gradi (da -360 a 360),
gli angoli scoperti col colore 0. --smooth leviga i bordi. Solo immagini con tavolozza.</translation>
    </message>
    <message>
        <source>OUT &quot;.ico&quot; scrive un&apos;icona 32 x 32 a 16 colori, trasparente il colore 1.
OUT &quot;.gpl&quot;, &quot;.pal&quot;, &quot;.hex&quot; o &quot;.act&quot; scrive la tavolozza dell&apos;immagine.</source>
        <translation>OUT &quot;.ico&quot; scrive un&apos;icona 32 x 32 a 16 colori, trasparente il colore 1.
OUT &quot;.gpl&quot;, &quot;.pal&quot;, &quot;.hex&quot; o &quot;.act&quot; scrive la tavolozza dell&apos;immagine.</translation>
    </message>
    <message>
        <source>--cells taglia IN in celle W x H, da sinistra a destra e dall&apos;alto in basso, e le scrive
come fotogrammi di un&apos;animazione, MS millisecondi ciascuno (da 1 a 5000, 500 se omesso):
OUT &quot;.avi&quot; un video AVI, &quot;.gif&quot; una GIF animata, &quot;.strip.png&quot; i fotogrammi affiancati
in un solo PNG che li nomina coi loro ritardi, ogni altro &quot;.png&quot; un PNG animato (APNG).</source>
        <translation>--cells taglia IN in celle W x H, da sinistra a destra e dall&apos;alto in basso, e le scrive
come fotogrammi di un&apos;animazione, MS millisecondi ciascuno (da 1 a 5000, 500 se omesso):
OUT &quot;.avi&quot; un video AVI, &quot;.gif&quot; una GIF animata, &quot;.strip.png&quot; i fotogrammi affiancati
in un solo PNG che li nomina coi loro ritardi, ogni altro &quot;.png&quot; un PNG animato (APNG).</translation>
    </message>
    <message>
        <source>--palette porta IN sui colori di PAL (&quot;.gpl&quot;, &quot;.pal&quot;, &quot;.hex&quot;, &quot;.act&quot; o un&apos;immagine):
i colori presenti restano, gli altri prendono il colore più vicino.</source>
        <translation>--palette porta IN sui colori di PAL (&quot;.gpl&quot;, &quot;.pal&quot;, &quot;.hex&quot;, &quot;.act&quot; o un&apos;immagine):
i colori presenti restano, gli altri prendono il colore più vicino.</translation>
    </message>
    <message>
        <source>--info stampa LARGHEZZAxALTEZZA BIT COLORI (COLORI 0 per 24 bit).</source>
        <translation>--info stampa LARGHEZZAxALTEZZA BIT COLORI (COLORI 0 per 24 bit).</translation>
    </message>
    <message>
        <source>--png sceglie la compressione dei PNG scritti: fast (veloce), normal (se omesso) o max
(il file più piccolo, più lenta); tavolozza e pixel restano gli stessi.</source>
        <translation>--png sceglie la compressione dei PNG scritti: fast (veloce), normal (se omesso) o max
(il file più piccolo, più lenta); tavolozza e pixel restano gli stessi.</translation>
    </message>
    <message>
        <source>pixmo3-convert: l&apos;angolo deve essere tra -360 e 360</source>
        <translation>pixmo3-convert: l&apos;angolo deve essere tra -360 e 360</translation>
    </message>
    <message>
        <source>pixmo3-convert: il ritardo deve essere tra 1 e 5000 ms</source>
        <translation>pixmo3-convert: il ritardo deve essere tra 1 e 5000 ms</translation>
    </message>
    <message>
        <source>pixmo3-convert: l&apos;immagine non contiene nessuna cella intera</source>
        <translation>pixmo3-convert: l&apos;immagine non contiene nessuna cella intera</translation>
    </message>
    <message>
        <source>pixmo3-convert: le animazioni si scrivono in file &quot;.avi&quot;, &quot;.gif&quot;, &quot;.png&quot; o &quot;.strip.png&quot;</source>
        <translation>pixmo3-convert: le animazioni si scrivono in file &quot;.avi&quot;, &quot;.gif&quot;, &quot;.png&quot; o &quot;.strip.png&quot;</translation>
    </message>
    <message>
        <source>pixmo3-convert: %1: errore</source>
        <translation>pixmo3-convert: %1: errore</translation>
    </message>
</context>
<context>
    <name>pixmo::Core</name>
    <message>
        <source>Dimensioni non valide: %1 x %2</source>
        <translation>Dimensioni non valide: %1 x %2</translation>
    </message>
    <message>
        <source>Cambia Palette</source>
        <translation>Cambia Palette</translation>
    </message>
    <message>
        <source>Creato dagli Appunti</source>
        <translation>Creato dagli Appunti</translation>
    </message>
    <message>
        <source>Aumenta, Diminuisic Colori</source>
        <translation>Aumenta, Diminuisci Colori</translation>
    </message>
    <message>
        <source>Carica Palette</source>
        <translation>Carica Palette</translation>
    </message>
    <message>
        <source>File Immagine</source>
        <translation>File Immagine</translation>
    </message>
    <message>
        <source>File Bitmap (*.bmp)</source>
        <translation>File Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>File PNG (*.png)</source>
        <translation>File PNG (*.png)</translation>
    </message>
    <message>
        <source>Icona (*.ico)</source>
        <translation>Icona (*.ico)</translation>
    </message>
    <message>
        <source>GIF animata</source>
        <translation>GIF animata</translation>
    </message>
    <message>
        <source>Tutti i File (*.*)</source>
        <translation>Tutti i File (*.*)</translation>
    </message>
    <message>
        <source>Immagine vuota negli Appunti</source>
        <translation>Immagine vuota negli Appunti</translation>
    </message>
    <message>
        <source>キャラの位置と大きさをメインウィンドウで選んでください</source>
        <translation>Scegli la posizione e le dimensioni della figura nella finestra principale</translation>
    </message>
    <message>
        <source>これ以上は追加できません。</source>
        <translation>Non si possono aggiungere altri fotogrammi.</translation>
    </message>
    <message>
        <source>(%1,%2)-(%3,%4) Lar:%5 Alt:%6 Ang:%7° (%8°) </source>
        <translation>(%1,%2)-(%3,%4) Lar:%5 Alt:%6 Ang:%7° (%8°) </translation>
    </message>
    <message>
        <source>Cant do it any more </source>
        <translation>Non si possono aggiungere altri punti </translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>An illegal bit count:%1</source>
        <translation>Profondità di colore non valida: %1 bit</translation>
    </message>
    <message>
        <source>2色</source>
        <translation>2 colori</translation>
    </message>
    <message>
        <source>16色</source>
        <translation>16 colori</translation>
    </message>
    <message>
        <source>256色</source>
        <translation>256 colori</translation>
    </message>
    <message>
        <source>16ﾋﾞｯﾄﾊｲｶﾗｰ</source>
        <translation>16 bit (high color)</translation>
    </message>
    <message>
        <source>24ﾋﾞｯﾄﾌﾙｶﾗｰ</source>
        <translation>24 bit (colori reali)</translation>
    </message>
    <message>
        <source>32ﾋﾞｯﾄﾌﾙｶﾗｰ</source>
        <translation>32 bit (colori reali)</translation>
    </message>
    <message>
        <source>？？色</source>
        <translation>?? colori</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t cope with a picture.</source>
        <translation>Le immagini a %1 non sono gestite.</translation>
    </message>
    <message>
        <source>E&apos; stato compresso!</source>
        <translation>È un BMP compresso: solo i BMP non compressi si possono aprire</translation>
    </message>
    <message>
        <source>L&apos;immagine è troppo grande</source>
        <translation>L&apos;immagine è troppo grande: i lati vanno da 1 a 8000 pixel</translation>
    </message>
    <message>
        <source>CreateDIBSection Fallito</source>
        <translation>Creazione dell&apos;immagine fallita</translation>
    </message>
    <message>
        <source>Dati dell&apos;immagine incompleti</source>
        <translation>Dati dell&apos;immagine incompleti: il file è troncato o danneggiato</translation>
    </message>
    <message>
        <source>%1 non è un file BMP</source>
        <translation>%1 non è un file BMP</translation>
    </message>
    <message>
        <source>%1 non ancora supportato</source>
        <translation>%1 non ancora supportato</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>il file o la cartella non esiste</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>operazione non permessa</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>spazio esaurito sul disco</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>quota del disco superata</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>nome del file troppo lungo</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>troppi collegamenti simbolici</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>errore di input/output</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>dispositivo o risorsa occupati</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>troppi file aperti</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossibile leggere il file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossibile scrivere il file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>File troppo grande: &quot;%1&quot;</source>
        <translation>File troppo grande: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Intestazione dell&apos;immagine non valida</source>
        <translation>Intestazione dell&apos;immagine non valida: il file è danneggiato</translation>
    </message>
    <message>
        <source>Tabella dei colori incompleta</source>
        <translation>Tabella dei colori incompleta: il file è troncato o danneggiato</translation>
    </message>
    <message>
        <source>Posizione dei dati dell&apos;immagine non valida</source>
        <translation>Posizione dei dati dell&apos;immagine non valida: il file è danneggiato</translation>
    </message>
    <message>
        <source>Intervallo non valido: %1 ms</source>
        <translation>Intervallo non valido: %1 ms</translation>
    </message>
    <message>
        <source>Nessun fotogramma da salvare</source>
        <translation>Nessun fotogramma da salvare</translation>
    </message>
    <message>
        <source>Le animazioni si salvano in file &quot;.avi&quot;, &quot;.gif&quot;, &quot;.png&quot; (APNG) o &quot;.strip.png&quot;: %1</source>
        <translation>Le animazioni si salvano in file &quot;.avi&quot;, &quot;.gif&quot;, &quot;.png&quot; (APNG) o &quot;.strip.png&quot;: %1</translation>
    </message>
    <message>
        <source>I fotogrammi hanno insieme %1 colori: una tavolozza ne tiene al massimo 256</source>
        <translation>I fotogrammi hanno insieme %1 colori: una palette ne tiene al massimo 256</translation>
    </message>
    <message>
        <source>Troppi fotogrammi per un&apos;immagine di 8000 x 8000 pixel</source>
        <translation>Troppi fotogrammi per un&apos;immagine di 8000 x 8000 pixel</translation>
    </message>
    <message>
        <source>APNG non valida</source>
        <translation>APNG non valida: il file è danneggiato</translation>
    </message>
    <message>
        <source>File %1 non può essere creato.</source>
        <translation>Il file %1 non può essere creato.</translation>
    </message>
    <message>
        <source>AviStreamWrite error</source>
        <translation>Errore di scrittura dell&apos;AVI</translation>
    </message>
    <message>
        <source>TAVIStream.SetRate Il valore trasmesso non è valido: (%1, %2)</source>
        <translation>TAVIStream.SetRate Il valore trasmesso non è valido: (%1, %2)</translation>
    </message>
    <message>
        <source>Con i loro ritardi i fotogrammi sarebbero più di 10000: nell&apos;AVI ognuno dura %1 ms</source>
        <translation>Con i loro ritardi i fotogrammi sarebbero più di 10000: nell&apos;AVI ognuno dura %1 ms</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Errore di lettura: il file è troncato o danneggiato</translation>
    </message>
    <message>
        <source>Stream read error: &quot;%1&quot;</source>
        <translation>Errore di lettura in &quot;%1&quot;: il file è troncato o danneggiato</translation>
    </message>
    <message>
        <source>PNG senza dati dell&apos;immagine</source>
        <translation>PNG senza dati dell&apos;immagine</translation>
    </message>
    <message>
        <source>PNG troncato</source>
        <translation>PNG troncato</translation>
    </message>
    <message>
        <source>Lettura GIF fallita: %1</source>
        <translation>Lettura GIF fallita: %1</translation>
    </message>
    <message>
        <source>GIF di %1 x %2 pixel: i lati vanno da 1 a 8000</source>
        <translation>GIF di %1 x %2 pixel: i lati vanno da 1 a 8000</translation>
    </message>
    <message>
        <source>GIF non valida: un fotogramma esce dallo schermo</source>
        <translation>GIF non valida: un fotogramma esce dallo schermo</translation>
    </message>
    <message>
        <source>GIF senza immagini</source>
        <translation>GIF senza immagini</translation>
    </message>
    <message>
        <source>Scrittura GIF fallita: %1</source>
        <translation>Scrittura GIF fallita: %1</translation>
    </message>
    <message>
        <source>%1: Icona non valida.</source>
        <translation>%1: icona non valida (il file è danneggiato o non è un&apos;icona).</translation>
    </message>
    <message>
        <source>Icona non valida.</source>
        <translation>Icona non valida: il file è danneggiato o non è un&apos;icona.</translation>
    </message>
    <message>
        <source>Un&apos;icona non può ----- se lo schermo non è meno di 8 bit.</source>
        <translation>Un&apos;icona si può retinare solo se lo schermo ha 8 bit o meno.</translation>
    </message>
    <message>
        <source>256 Colori non possono ---- un icona.</source>
        <translation>Un&apos;icona a 256 colori non può essere retinata.</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Nessuna immagine</translation>
    </message>
    <message>
        <source>Non è un nome di file di palette (.gpl, .pal, .hex, .act): %1</source>
        <translation>Non è un nome di file di palette (.gpl, .pal, .hex, .act): %1</translation>
    </message>
    <message>
        <source>File di palette non valido: %1</source>
        <translation>File di palette non valido: %1</translation>
    </message>
    <message>
        <source>File di palette non valido: %1: %2</source>
        <translation>File di palette non valido: %1: %2</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>più di 256 colori</source>
        <translation>più di 256 colori</translation>
    </message>
    <message>
        <source>nessun colore</source>
        <translation>nessun colore</translation>
    </message>
    <message>
        <source>manca l&apos;intestazione &quot;GIMP Palette&quot;</source>
        <translation>manca l&apos;intestazione &quot;GIMP Palette&quot;</translation>
    </message>
    <message>
        <source>numero di colonne non valido</source>
        <translation>numero di colonne non valido</translation>
    </message>
    <message>
        <source>colore non valido</source>
        <translation>colore non valido</translation>
    </message>
    <message>
        <source>manca l&apos;intestazione &quot;JASC-PAL&quot;</source>
        <translation>manca l&apos;intestazione &quot;JASC-PAL&quot;</translation>
    </message>
    <message>
        <source>file troncato</source>
        <translation>file troncato</translation>
    </message>
    <message>
        <source>versione non supportata</source>
        <translation>versione non supportata</translation>
    </message>
    <message>
        <source>numero di colori non valido</source>
        <translation>numero di colori non valido</translation>
    </message>
    <message>
        <source>più colori di quanti dichiarati</source>
        <translation>più colori di quanti dichiarati</translation>
    </message>
    <message>
        <source>non è una palette RIFF</source>
        <translation>non è una palette RIFF</translation>
    </message>
    <message>
        <source>manca il blocco &quot;data&quot;</source>
        <translation>manca il blocco &quot;data&quot;</translation>
    </message>
    <message>
        <source>colore non valido (RRGGBB)</source>
        <translation>colore non valido (RRGGBB)</translation>
    </message>
    <message>
        <source>%1 byte invece di 768 o 772</source>
        <translation>%1 byte invece di 768 o 772</translation>
    </message>
    <message>
        <source>indice trasparente oltre i colori</source>
        <translation>indice trasparente oltre i colori</translation>
    </message>
    <message>
        <source>file vuoto</source>
        <translation>file vuoto</translation>
    </message>
    <message>
        <source>file troppo grande</source>
        <translation>file troppo grande</translation>
    </message>
    <message>
        <source>né JASC-PAL né RIFF</source>
        <translation>né JASC-PAL né RIFF</translation>
    </message>
    <message>
        <source>formato sconosciuto</source>
        <translation>formato sconosciuto</translation>
    </message>
    <message>
        <source>Zlib error</source>
        <translation>Errore di zlib nel preparare il PNG</translation>
    </message>
    <message>
        <source>ZLIB Error</source>
        <translation>Errore di zlib nel comprimere il PNG</translation>
    </message>
    <message>
        <source>ZLIB error</source>
        <translation>Errore di zlib nel chiudere il PNG</translation>
    </message>
    <message>
        <source>Not PNG Image</source>
        <translation>Non è un&apos;immagine PNG</translation>
    </message>
    <message>
        <source>ZLIB ERROR</source>
        <translation>Errore di zlib nell&apos;aprire il PNG</translation>
    </message>
    <message>
        <source>appear two IHDR</source>
        <translation>PNG con due intestazioni (IHDR): il file è danneggiato</translation>
    </message>
    <message>
        <source>Error ColorType</source>
        <translation>PNG con un tipo di colore non valido</translation>
    </message>
    <message>
        <source>Error Bitdepth</source>
        <translation>PNG in grigi con una profondità di bit non valida</translation>
    </message>
    <message>
        <source>not Use AlphaChannel</source>
        <translation>PNG in grigi con trasparenza a meno di 8 bit: non valido</translation>
    </message>
    <message>
        <source>Error BitDepth</source>
        <translation>PNG con una profondità di bit non valida</translation>
    </message>
    <message>
        <source>not support Compression</source>
        <translation>PNG con un metodo di compressione sconosciuto</translation>
    </message>
    <message>
        <source>not supprt Filter</source>
        <translation>PNG con un metodo di filtro sconosciuto</translation>
    </message>
    <message>
        <source>not interlace type</source>
        <translation>PNG con un tipo di interlacciamento sconosciuto</translation>
    </message>
    <message>
        <source>Error PLTE</source>
        <translation>PNG con un blocco PLTE fuori posto</translation>
    </message>
    <message>
        <source>palettesize error</source>
        <translation>PNG con una palette di lunghezza non valida</translation>
    </message>
    <message>
        <source>palette length over</source>
        <translation>PNG con più di 256 colori nella palette</translation>
    </message>
    <message>
        <source>error IEND size</source>
        <translation>PNG con un blocco IEND non valido</translation>
    </message>
    <message>
        <source>appear two IDAT</source>
        <translation>PNG con i dati dell&apos;immagine interrotti (due serie di IDAT): il file è danneggiato</translation>
    </message>
    <message>
        <source>not next IDAT Chunk</source>
        <translation>PNG con i dati dell&apos;immagine interrotti: il file è danneggiato</translation>
    </message>
    <message>
        <source>zlib error</source>
        <translation>Dati compressi del PNG danneggiati</translation>
    </message>
    <message>
        <source>not support Filter</source>
        <translation>PNG con un filtro di riga sconosciuto: il file è danneggiato</translation>
    </message>
    <message>
        <source>Palette None</source>
        <translation>PNG a palette senza palette (manca il blocco PLTE)</translation>
    </message>
    <message>
        <source>PNG chunk runs past the end of the file</source>
        <translation>Un blocco del PNG va oltre la fine del file: il file è troncato o danneggiato</translation>
    </message>
    <message>
        <source>PNG file without image data</source>
        <translation>File PNG senza dati dell&apos;immagine: il file è troncato o danneggiato</translation>
    </message>
    <message>
        <source>IDAT before IHDR</source>
        <translation>PNG con i dati dell&apos;immagine prima dell&apos;intestazione (IDAT prima di IHDR)</translation>
    </message>
    <message>
        <source>PNG image data ends before the last row</source>
        <translation>I dati dell&apos;immagine PNG finiscono prima dell&apos;ultima riga: il file è troncato o danneggiato</translation>
    </message>
    <message>
        <source>not support BitCount</source>
        <translation>Profondità di colore non gestita dal PNG</translation>
    </message>
    <message>
        <source>no colortable</source>
        <translation>L&apos;immagine non ha una tabella dei colori</translation>
    </message>
    <message>
        <source>Invalid settings section &quot;%1&quot;</source>
        <translation>Sezione delle impostazioni non valida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid settings key &quot;%1&quot;</source>
        <translation>Chiave delle impostazioni non valida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Settings file too large: &quot;%1&quot;</source>
        <translation>File delle impostazioni troppo grande: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice della lista fuori dai limiti (%1)</translation>
    </message>
    <message>
        <source>Pixmo 3 - Versione Italiana   </source>
        <translation>Pixmo 3 - Versione Italiana</translation>
    </message>
    <message>
        <source>Chosed range is too big </source>
        <translation>L&apos;area scelta è troppo grande</translation>
    </message>
    <message>
        <source>Crea Maschera</source>
        <translation>Crea Maschera</translation>
    </message>
    <message>
        <source>Inverti Colori</source>
        <translation>Inverti Colori</translation>
    </message>
    <message>
        <source>Differenza Colori</source>
        <translation>Differenza Colori</translation>
    </message>
    <message>
        <source>X Shift</source>
        <translation>Scorrimento</translation>
    </message>
    <message>
        <source>Rifletti Orizzontale</source>
        <translation>Rifletti Orizzontale</translation>
    </message>
    <message>
        <source>Rifletti Verticale</source>
        <translation>Rifletti Verticale</translation>
    </message>
    <message>
        <source>Aumenta, Diminuisce</source>
        <translation>Aumenta, Diminuisce</translation>
    </message>
    <message>
        <source>Ruota</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Estendi... </source>
        <translation>Estendi...</translation>
    </message>
    <message>
        <source>Ruota </source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>&amp;Annulla   </source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Annulla   (%1)</source>
        <translation>&amp;Annulla (%1)</translation>
    </message>
    <message>
        <source>Ripeti </source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Ripeti (%1)</source>
        <translation>&amp;Ripeti (%1)</translation>
    </message>
    <message>
        <source>%1 Annullato  </source>
        <translation>%1 annullato</translation>
    </message>
    <message>
        <source>%1 Ripetuto     </source>
        <translation>%1 ripetuto</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Disegno</translation>
    </message>
    <message>
        <source>Cancellata immagine della Selezione</source>
        <translation>Cancellata immagine della Selezione</translation>
    </message>
    <message>
        <source>Errore Annulla</source>
        <translation>Errore nell&apos;annullare</translation>
    </message>
    <message>
        <source>Palette Change</source>
        <translation>Cambio della Palette</translation>
    </message>
    <message>
        <source>Trasparente</source>
        <translation>Trasparente</translation>
    </message>
    <message>
        <source>Il cambiamento della posizione della Palette</source>
        <translation>Il cambiamento della posizione della Palette</translation>
    </message>
    <message>
        <source>Palette gradation</source>
        <translation>Sfumatura della Palette</translation>
    </message>
    <message>
        <source>Selezione di un nuovo campo</source>
        <translation>Selezione di un nuovo campo</translation>
    </message>
    <message>
        <source>Selezione Annullata</source>
        <translation>Selezione Annullata</translation>
    </message>
    <message>
        <source>Trascinamento Rilasciato</source>
        <translation>Trascinamento Rilasciato</translation>
    </message>
    <message>
        <source>Incolla </source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Addit.of choic</source>
        <translation>Aggiunta alla selezione</translation>
    </message>
    <message>
        <source>Part deletion of c</source>
        <translation>Sottrazione dalla selezione</translation>
    </message>
    <message>
        <source>Common Part Ch</source>
        <translation>Intersezione con la selezione</translation>
    </message>
    <message>
        <source>Selezione Eliminata</source>
        <translation>Selezione Eliminata</translation>
    </message>
    <message>
        <source>Selezione Tagliata</source>
        <translation>Selezione Tagliata</translation>
    </message>
    <message>
        <source>Selezione Spostata</source>
        <translation>Selezione Spostata</translation>
    </message>
    <message>
        <source>Selezione Copiata</source>
        <translation>Selezione Copiata</translation>
    </message>
    <message>
        <source>ありません</source>
        <translation>Nessun colore corrisponde</translation>
    </message>
    <message>
        <source>%1 番の色がそうです</source>
        <translation>È il colore numero %1</translation>
    </message>
    <message>
        <source>Palette GIMP (*.gpl)</source>
        <translation>Palette GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>Palette JASC (*.pal)</source>
        <translation>Palette JASC (*.pal)</translation>
    </message>
    <message>
        <source>Palette Lospec (*.hex)</source>
        <translation>Palette Lospec (*.hex)</translation>
    </message>
    <message>
        <source>Palette Adobe (*.act)</source>
        <translation>Palette Adobe (*.act)</translation>
    </message>
    <message>
        <source>File AVI</source>
        <translation>File AVI</translation>
    </message>
    <message>
        <source>PNG animata (APNG)</source>
        <translation>PNG animata (APNG)</translation>
    </message>
    <message>
        <source>Striscia di fotogrammi</source>
        <translation>Striscia di fotogrammi</translation>
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
        <translation>Annulla</translation>
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
        <translation>Informazioni su Pixmo3</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Un programma di disegno per immagini a colori indicizzati:&lt;br&gt;pixel art, icone e piccole animazioni.</source>
        <translation>Un programma di disegno per immagini a colori indicizzati:&lt;br&gt;pixel art, icone e piccole animazioni.</translation>
    </message>
    <message>
        <source>File BMP e PNG, 2, 16 e 256 colori.</source>
        <translation>File BMP e PNG, 2, 16 e 256 colori.</translation>
    </message>
</context>
<context>
    <name>pixmo::TAnimationForm</name>
    <message>
        <source>Ritardo</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Ingrandimento</source>
        <translation>Ingrandimento</translation>
    </message>
    <message>
        <source>Salva come AVI...</source>
        <translation>Salva come AVI...</translation>
    </message>
    <message>
        <source>Animazione</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Ferma</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Affianca</source>
        <translation>Affianca</translation>
    </message>
    <message>
        <source>Valore d&apos;Ingrandimento non valido: %1</source>
        <translation>Valore d&apos;Ingrandimento non valido: %1</translation>
    </message>
    <message>
        <source>更新間隔(ﾐﾘ秒) </source>
        <translation>Intervallo di aggiornamento (ms)</translation>
    </message>
    <message>
        <source>Salva come AVI</source>
        <translation>Salva come AVI</translation>
    </message>
    <message>
        <source>Ritardo del Fotogramma...</source>
        <translation>Ritardo del Fotogramma...</translation>
    </message>
    <message>
        <source>Ritardo di Tutti i Fotogrammi...</source>
        <translation>Ritardo di Tutti i Fotogrammi...</translation>
    </message>
    <message>
        <source>Togli il Fotogramma</source>
        <translation>Togli il Fotogramma</translation>
    </message>
    <message>
        <source>Sposta Prima</source>
        <translation>Sposta Prima</translation>
    </message>
    <message>
        <source>Sposta Dopo</source>
        <translation>Sposta Dopo</translation>
    </message>
    <message>
        <source>Carta Lucida</source>
        <translation>Carta Lucida</translation>
    </message>
    <message>
        <source>Carta Lucida anche col Successivo</source>
        <translation>Carta Lucida anche col Successivo</translation>
    </message>
    <message>
        <source>Ritardo del fotogramma (ms) </source>
        <translation>Ritardo del fotogramma (ms)</translation>
    </message>
    <message>
        <source>Ritardo di tutti i fotogrammi (ms) </source>
        <translation>Ritardo di tutti i fotogrammi (ms)</translation>
    </message>
</context>
<context>
    <name>pixmo::TChangePaletteDialog</name>
    <message>
        <source>Cambia Palette</source>
        <translation>Cambia Palette</translation>
    </message>
    <message>
        <source>Inverti Colori</source>
        <translation>Inverti Colori</translation>
    </message>
    <message>
        <source>Cambia Rosso-Verde</source>
        <translation>Cambia Rosso-Verde</translation>
    </message>
    <message>
        <source>Cambia Verde-Blu</source>
        <translation>Cambia Verde-Blu</translation>
    </message>
    <message>
        <source>Cambia Blu-Rosso</source>
        <translation>Cambia Blu-Rosso</translation>
    </message>
</context>
<context>
    <name>pixmo::TColRateDialog</name>
    <message>
        <source>Colour Rate Setup</source>
        <translation>Impostazione Proporzioni dei Colori</translation>
    </message>
    <message>
        <source>Rosso</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blu</source>
        <translation>Blu</translation>
    </message>
</context>
<context>
    <name>pixmo::TCreateFromPaletteDialog</name>
    <message>
        <source>Seleziona Palette da utilizzare</source>
        <translation>Seleziona Palette da utilizzare</translation>
    </message>
    <message>
        <source>Sfoglia...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Seleziona Palette</source>
        <translation>Seleziona Palette</translation>
    </message>
    <message>
        <source>クリップボードに絵がありません。</source>
        <translation>Negli Appunti non c&apos;è alcuna immagine.</translation>
    </message>
</context>
<context>
    <name>pixmo::TDrawingAidPanels</name>
    <message>
        <source>Sfumatura</source>
        <translation>Sfumatura</translation>
    </message>
    <message>
        <source>Retino</source>
        <translation>Retino</translation>
    </message>
    <message>
        <source>Specchio orizzontale</source>
        <translation>Specchio orizzontale</translation>
    </message>
    <message>
        <source>Specchio verticale</source>
        <translation>Specchio verticale</translation>
    </message>
    <message>
        <source>Pixel perfetto</source>
        <translation>Pixel perfetto</translation>
    </message>
</context>
<context>
    <name>pixmo::TEditPopupMenu</name>
    <message>
        <source>Annulla Selezione</source>
        <translation>Annulla Selezione</translation>
    </message>
    <message>
        <source>Taglia</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Seleziona Tutto</source>
        <translation>Seleziona Tutto</translation>
    </message>
    <message>
        <source>Salva nel File...</source>
        <translation>Salva nel File...</translation>
    </message>
    <message>
        <source>Incolla nel File...</source>
        <translation>Incolla da File...</translation>
    </message>
    <message>
        <source>Imposta come Colore Secondario</source>
        <translation>Imposta come Colore Secondario</translation>
    </message>
    <message>
        <source>Aggiungi Colore</source>
        <translation>Aggiungi Colore</translation>
    </message>
    <message>
        <source>Elimina Colore</source>
        <translation>Elimina Colore</translation>
    </message>
    <message>
        <source>Rifletti Orizzontale</source>
        <translation>Rifletti Orizzontale</translation>
    </message>
    <message>
        <source>Rifletti Verticale</source>
        <translation>Rifletti Verticale</translation>
    </message>
    <message>
        <source>Ruota...</source>
        <translation>Ruota...</translation>
    </message>
    <message>
        <source>Estendi...</source>
        <translation>Estendi...</translation>
    </message>
    <message>
        <source>Inverti Colori</source>
        <translation>Inverti Colori</translation>
    </message>
    <message>
        <source>Cambia Colori</source>
        <translation>Cambia Colori</translation>
    </message>
    <message>
        <source>Rosso - Blu</source>
        <translation>Rosso - Blu</translation>
    </message>
    <message>
        <source>Verde - Rosso</source>
        <translation>Verde - Rosso</translation>
    </message>
    <message>
        <source>Blu - Verde</source>
        <translation>Blu - Verde</translation>
    </message>
    <message>
        <source>Crea Maschera</source>
        <translation>Crea Maschera</translation>
    </message>
    <message>
        <source>Impostazioni...</source>
        <translation>Impostazioni...</translation>
    </message>
</context>
<context>
    <name>pixmo::TEditSizeDialog</name>
    <message>
        <source>Imposta Unità Griglia</source>
        <translation>Imposta Unità Griglia</translation>
    </message>
    <message>
        <source>Larghezza</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>pixmo::TFindColorDialog</name>
    <message>
        <source>Cerca Colore</source>
        <translation>Cerca Colore</translation>
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
        <translation>Non è possibile ottenere un timer.</translation>
    </message>
</context>
<context>
    <name>pixmo::THelpWindow</name>
    <message>
        <source>Pixmo3 - Aiuto</source>
        <translation>Pixmo3 - Aiuto</translation>
    </message>
</context>
<context>
    <name>pixmo::TIconForm</name>
    <message>
        <source>Colori </source>
        <translation>Colori </translation>
    </message>
    <message>
        <source>16 Colori</source>
        <translation>16 Colori</translation>
    </message>
    <message>
        <source>256 Colori</source>
        <translation>256 Colori</translation>
    </message>
    <message>
        <source>Tremore </source>
        <translation>Retinatura </translation>
    </message>
    <message>
        <source>Sfondo </source>
        <translation>Sfondo </translation>
    </message>
    <message>
        <source>Visibile</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Trasparente</source>
        <translation>Trasparente</translation>
    </message>
</context>
<context>
    <name>pixmo::TIconSaveDialog</name>
    <message>
        <source>Salva come Icona</source>
        <translation>Salva come Icona</translation>
    </message>
    <message>
        <source>Icona (*.ico)</source>
        <translation>Icona (*.ico)</translation>
    </message>
    <message>
        <source>Tutti i File (*)</source>
        <translation>Tutti i File (*)</translation>
    </message>
</context>
<context>
    <name>pixmo::TKeyDialog</name>
    <message>
        <source>F1 non può essere usato perchè è il tasto di Aiuto</source>
        <translation>F1 non può essere usato perché è il tasto di Aiuto</translation>
    </message>
    <message>
        <source>%1のショートカット</source>
        <translation>Scorciatoia di %1</translation>
    </message>
    <message>
        <source>Pulisci</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>pixmo::TMainForm</name>
    <message>
        <source>Key</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Prendi Colore Primario</source>
        <translation>Prendi Colore Primario</translation>
    </message>
    <message>
        <source>Prendi Colore Secondario</source>
        <translation>Prendi Colore Secondario</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Cambia Classe di Colori</source>
        <translation>Cambia Classe di Colori</translation>
    </message>
    <message>
        <source>Cambia Limiti di Disegno</source>
        <translation>Cambia Limiti di Disegno</translation>
    </message>
    <message>
        <source>Imposta Colore Matita</source>
        <translation>Imposta Colore Matita</translation>
    </message>
    <message>
        <source>Imposta Modalità Matita</source>
        <translation>Imposta Modalità Matita</translation>
    </message>
    <message>
        <source>Colore Schermo 1</source>
        <translation>Colore Schermo 1</translation>
    </message>
    <message>
        <source>Colore Schermo 2</source>
        <translation>Colore Schermo 2</translation>
    </message>
    <message>
        <source>Aggiungi Colore del Cursore</source>
        <translation>Aggiungi Colore del Cursore</translation>
    </message>
    <message>
        <source>Elimina Colore del Cursore</source>
        <translation>Elimina Colore del Cursore</translation>
    </message>
    <message>
        <source>Mostra Menu</source>
        <translation>Mostra Menu</translation>
    </message>
    <message>
        <source>Ruota %1</source>
        <translation>Ruota %1</translation>
    </message>
    <message>
        <source>Sfumatura</source>
        <translation>Sfumatura</translation>
    </message>
    <message>
        <source>Retino</source>
        <translation>Retino</translation>
    </message>
    <message>
        <source>Pixel perfetto</source>
        <translation>Pixel perfetto</translation>
    </message>
    <message>
        <source>Specchio orizzontale</source>
        <translation>Specchio orizzontale</translation>
    </message>
    <message>
        <source>Specchio verticale</source>
        <translation>Specchio verticale</translation>
    </message>
    <message>
        <source>Asse dello Specchio al Puntatore</source>
        <translation>Asse dello Specchio al Puntatore</translation>
    </message>
    <message>
        <source>Asse dello Specchio al Centro</source>
        <translation>Asse dello Specchio al Centro</translation>
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
        <translation>&amp;Nuovo...</translation>
    </message>
    <message>
        <source>&amp;Apri...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Salva con &amp;Nome...</source>
        <translation>Salva con &amp;Nome...</translation>
    </message>
    <message>
        <source>&amp;Crea dagli Appunti</source>
        <translation>&amp;Crea dagli Appunti</translation>
    </message>
    <message>
        <source>Usa &amp;Palette da...</source>
        <translation>Usa &amp;Palette da...</translation>
    </message>
    <message>
        <source>Co&amp;pia negli Appunti</source>
        <translation>Co&amp;pia negli Appunti</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Ripeti</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Taglia</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Incolla</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>C&amp;ancella</source>
        <translation>C&amp;ancella</translation>
    </message>
    <message>
        <source>Cancella &amp;Dentro</source>
        <translation>Cancella &amp;Dentro</translation>
    </message>
    <message>
        <source>&amp;Icona</source>
        <translation>&amp;Icona</translation>
    </message>
    <message>
        <source>&amp;Salva come Icona...</source>
        <translation>&amp;Salva come Icona...</translation>
    </message>
    <message>
        <source>&amp;Copia come Icona...</source>
        <translation>&amp;Copia come Icona...</translation>
    </message>
    <message>
        <source>&amp;2: 256 Colori</source>
        <translation>&amp;2: 256 Colori</translation>
    </message>
    <message>
        <source>Icona &amp;Tremolante</source>
        <translation>Icona &amp;Tremolante</translation>
    </message>
    <message>
        <source>Carica &amp;Selezione da un file...</source>
        <translation>Carica &amp;Selezione da un file...</translation>
    </message>
    <message>
        <source>Salva S&amp;elezione...</source>
        <translation>Salva S&amp;elezione...</translation>
    </message>
    <message>
        <source>&amp;Selezione</source>
        <translation>&amp;Selezione</translation>
    </message>
    <message>
        <source>Seleziona &amp;Tutto</source>
        <translation>Seleziona &amp;Tutto</translation>
    </message>
    <message>
        <source>&amp;Annulla Selezione</source>
        <translation>&amp;Annulla Selezione</translation>
    </message>
    <message>
        <source>&amp;Inverti Selezione</source>
        <translation>&amp;Inverti Selezione</translation>
    </message>
    <message>
        <source>Cancella Selezione &amp;Mobile</source>
        <translation>Cancella Selezione &amp;Mobile</translation>
    </message>
    <message>
        <source>&amp;Mostra Bordi</source>
        <translation>&amp;Mostra Bordi</translation>
    </message>
    <message>
        <source>&amp;Bordo</source>
        <translation>&amp;Bordo</translation>
    </message>
    <message>
        <source>&amp;Aggiungi Bordo</source>
        <translation>&amp;Aggiungi Bordo</translation>
    </message>
    <message>
        <source>&amp;Elimina Bordo</source>
        <translation>&amp;Elimina Bordo</translation>
    </message>
    <message>
        <source>Seleziona colore &amp;Primario</source>
        <translation>Seleziona colore &amp;Primario</translation>
    </message>
    <message>
        <source>Seleziona colore &amp;Secondario</source>
        <translation>Seleziona colore &amp;Secondario</translation>
    </message>
    <message>
        <source>&amp;Finestra</source>
        <translation>&amp;Finestra</translation>
    </message>
    <message>
        <source>&amp;Ingrandimento</source>
        <translation>&amp;Ingrandimento</translation>
    </message>
    <message>
        <source>&amp;Impostazioni</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>Impostazioni &amp;Disegno...</source>
        <translation>Impostazioni &amp;Disegno...</translation>
    </message>
    <message>
        <source>&amp;Tasti a Scelta Rapida...</source>
        <translation>&amp;Tasti a Scelta Rapida...</translation>
    </message>
    <message>
        <source>Numero di &amp;Colori Massimo</source>
        <translation>Numero di &amp;Colori Massimo</translation>
    </message>
    <message>
        <source>Cambia &amp;Palette...</source>
        <translation>Cambia &amp;Palette...</translation>
    </message>
    <message>
        <source>Dimensioni &amp;Immagine...</source>
        <translation>Dimensioni &amp;Immagine...</translation>
    </message>
    <message>
        <source>Usa &amp;Griglia</source>
        <translation>Usa &amp;Griglia</translation>
    </message>
    <message>
        <source>Imposta &amp;Unità Griglia...</source>
        <translation>Imposta &amp;Unità Griglia...</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contenuti</source>
        <translation>&amp;Contenuti</translation>
    </message>
    <message>
        <source>&amp;Guida in Linea</source>
        <translation>&amp;Guida in Linea</translation>
    </message>
    <message>
        <source>&amp;Informazioni su...</source>
        <translation>&amp;Informazioni su...</translation>
    </message>
    <message>
        <source>&amp;Strumenti</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Opzioni</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Matita</source>
        <translation>&amp;Matita</translation>
    </message>
    <message>
        <source>&amp;Navigatore</source>
        <translation>&amp;Navigatore</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>&amp;Animazione</source>
        <translation>&amp;Animazione</translation>
    </message>
    <message>
        <source>&amp;Testo</source>
        <translation>&amp;Testo</translation>
    </message>
    <message>
        <source>Muovi &amp;Immagine</source>
        <translation>Muovi &amp;Immagine</translation>
    </message>
    <message>
        <source>%1 - [*]None [%2x%3 %4] Col</source>
        <translation>%1 - [*]Senza nome [%2x%3, %4 colori]</translation>
    </message>
    <message>
        <source>%1 - %2[*] [%3x%4 %5] Col</source>
        <translation>%1 - %2[*] [%3x%4, %5 colori]</translation>
    </message>
    <message>
        <source>(%1,%2)-(%3,%4) Lar:%5 Alt:%6</source>
        <translation>(%1,%2)-(%3,%4) Lar:%5 Alt:%6</translation>
    </message>
    <message>
        <source>Il file BMP non conserva la trasparenza</source>
        <translation>Il file BMP non conserva la trasparenza</translation>
    </message>
    <message>
        <source>Un&apos;icona è di 32 x 32 pixel: per salvare questa immagine come icona usare Modifica &gt; Icona &gt; Salva come Icona...</source>
        <translation>Un&apos;icona è di 32 x 32 pixel: per salvare questa immagine come icona usare Modifica &gt; Icona &gt; Salva come Icona...</translation>
    </message>
    <message>
        <source>Reading  : %1</source>
        <translation>Lettura: %1</translation>
    </message>
    <message>
        <source>Saving:%1</source>
        <translation>Salvataggio: %1</translation>
    </message>
    <message>
        <source>%1は存在しません
作成してよいですか？</source>
        <translation>La cartella %1 non esiste.
Vuoi crearla?</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>%1 è cambiato.        
Vuoi salvare? </source>
        <translation>%1 è stato modificato.
Vuoi salvarlo?</translation>
    </message>
    <message>
        <source>Elimina Selezione</source>
        <translation>Elimina Selezione</translation>
    </message>
    <message>
        <source>La Linea del limite è attivata</source>
        <translation>La Linea del limite è attivata</translation>
    </message>
    <message>
        <source>La Linea del limite è stata nascosta</source>
        <translation>La Linea del limite è stata nascosta</translation>
    </message>
    <message>
        <source>Bordo Attivato</source>
        <translation>Bordo selezionato</translation>
    </message>
    <message>
        <source>Il Bordo aumenta</source>
        <translation>Il Bordo aumenta</translation>
    </message>
    <message>
        <source>Il Bordo diminuisce</source>
        <translation>Il Bordo diminuisce</translation>
    </message>
    <message>
        <source>Righ Mous BtDraw</source>
        <translation>Tasto destro: disegna</translation>
    </message>
    <message>
        <source>Righ Mous BtPick Col</source>
        <translation>Tasto destro: preleva colore</translation>
    </message>
    <message>
        <source>Purp</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Gren</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Dont trn o</source>
        <translation>Non invertire</translation>
    </message>
    <message>
        <source>Turn ovr</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Griglia Attivato</source>
        <translation>Griglia attivata</translation>
    </message>
    <message>
        <source>Griglia Disattivato</source>
        <translation>Griglia disattivata</translation>
    </message>
    <message>
        <source>Impossibile aprire &quot;%1&quot;.
%2</source>
        <translation>Impossibile aprire &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>Impossibile salvare &quot;%1&quot;.
%2</source>
        <translation>Impossibile salvare &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>%1
L&apos;immagine è ancora aperta: si può salvarla in un&apos;altra cartella con &quot;Salva con Nome...&quot;.</source>
        <translation>%1
L&apos;immagine è ancora aperta: si può salvarla in un&apos;altra cartella con &quot;Salva con Nome...&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ha più di 256 colori: Pixmo3 modifica solo immagini con palette, di 256 colori al massimo.
La si rende un&apos;immagine con palette riducendone i colori a 256 o meno, oppure con
pixmo3-convert --palette PALETTE &quot;%1&quot; NUOVA.png
(PALETTE: un file .gpl, .pal, .hex o .act, o un&apos;immagine di cui prendere i colori).</source>
        <translation>&quot;%1&quot; ha più di 256 colori: Pixmo3 modifica solo immagini con palette, di 256 colori al massimo.
La si rende un&apos;immagine con palette riducendone i colori a 256 o meno, oppure con
pixmo3-convert --palette PALETTE &quot;%1&quot; NUOVA.png
(PALETTE: un file .gpl, .pal, .hex o .act, o un&apos;immagine di cui prendere i colori).</translation>
    </message>
    <message>
        <source>L&apos;immagine negli Appunti ha più di 256 colori: Pixmo3 modifica solo immagini con palette, di 256 colori al massimo.
Riducendone i colori a 256 o meno prima di copiarla la si può incollare.</source>
        <translation>L&apos;immagine negli Appunti ha più di 256 colori: Pixmo3 modifica solo immagini con palette, di 256 colori al massimo.
Riducendone i colori a 256 o meno prima di copiarla la si può incollare.</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella delle copie di riserva &quot;%1&quot;. %2</source>
        <translation>Impossibile creare la cartella delle copie di riserva &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>pixmo::TNewColorDialog</name>
    <message>
        <source>Numero Massimo di Colori</source>
        <translation>Numero Massimo di Colori</translation>
    </message>
    <message>
        <source>%1色</source>
        <translation>%1 colori</translation>
    </message>
</context>
<context>
    <name>pixmo::TNewDibDialog</name>
    <message>
        <source>Nuova Pagina</source>
        <translation>Nuova Pagina</translation>
    </message>
    <message>
        <source>Larghezza</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Colore 0 Trasparente</source>
        <translation>Colore 0 Trasparente</translation>
    </message>
</context>
<context>
    <name>pixmo::TNewSizeDialog</name>
    <message>
        <source>Dimensioni Immagine</source>
        <translation>Dimensioni Immagine</translation>
    </message>
    <message>
        <source>Cambia Dimensione Immagine</source>
        <translation>Cambia Dimensione Immagine</translation>
    </message>
</context>
<context>
    <name>pixmo::TNumColorDialog</name>
    <message>
        <source>2 Colori</source>
        <translation>2 Colori</translation>
    </message>
    <message>
        <source>16 Colori</source>
        <translation>16 Colori</translation>
    </message>
    <message>
        <source>256 Colori</source>
        <translation>256 Colori</translation>
    </message>
    <message>
        <source>Altro</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Numero Colore</source>
        <translation>Numero di Colori</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Seleziona Palette     </source>
        <translation>Seleziona Palette</translation>
    </message>
</context>
<context>
    <name>pixmo::TNumberEdit</name>
    <message>
        <source>%1は %2 から %3 の間にして下さい</source>
        <translation>%1 deve essere tra %2 e %3</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>pixmo::TOptionForm</name>
    <message>
        <source>Opzioni</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Transparenza</source>
        <translation>Trasparenza</translation>
    </message>
    <message>
        <source>Opaco</source>
        <translation>Opaco</translation>
    </message>
    <message>
        <source>Spazio</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Disegna Eroe Destro</source>
        <translation>Il Tasto Destro Disegna</translation>
    </message>
    <message>
        <source>Quadrato</source>
        <translation>Quadrato</translation>
    </message>
    <message>
        <source>Dal Centro</source>
        <translation>Dal Centro</translation>
    </message>
    <message>
        <source>Tolleranza</source>
        <translation>Tolleranza</translation>
    </message>
    <message>
        <source>Solo nell&apos;Area Visibile</source>
        <translation>Solo nell&apos;Area Visibile</translation>
    </message>
</context>
<context>
    <name>pixmo::TPaletteForm</name>
    <message>
        <source>ﾂｰﾙﾊﾞｰを表示(&amp;T)</source>
        <translation>Mostra &amp;Barra degli Strumenti</translation>
    </message>
    <message>
        <source>Trasparente</source>
        <translation>Trasparente</translation>
    </message>
    <message>
        <source>Salva Palette...</source>
        <translation>Salva Palette...</translation>
    </message>
    <message>
        <source>Carica Palette...</source>
        <translation>Carica Palette...</translation>
    </message>
    <message>
        <source>Salva Palette</source>
        <translation>Salva Palette</translation>
    </message>
    <message>
        <source>Carica Palette</source>
        <translation>Carica Palette</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Cerca Colori Doppi</source>
        <translation>Cerca Colori Doppi</translation>
    </message>
    <message>
        <source>Cerca Colori Non Utilizzati</source>
        <translation>Cerca Colori Non Utilizzati</translation>
    </message>
    <message>
        <source>Cerca Colori Utilizzati</source>
        <translation>Cerca Colori Utilizzati</translation>
    </message>
    <message>
        <source>Cerca Colori</source>
        <translation>Cerca Colori</translation>
    </message>
    <message>
        <source>Cambia Posizione Colori</source>
        <translation>Cambia Posizione Colori</translation>
    </message>
    <message>
        <source>Attiva Sfumatura</source>
        <translation>Attiva Sfumatura</translation>
    </message>
    <message>
        <source>Sfuma (Colore Primario -&gt; Secondario)</source>
        <translation>Sfuma (Colore Primario -&gt; Secondario)</translation>
    </message>
    <message>
        <source>Colore Primario</source>
        <translation>Colore Primario</translation>
    </message>
    <message>
        <source>Colore Secondario (Trasparente)</source>
        <translation>Colore Secondario (Trasparente)</translation>
    </message>
    <message>
        <source>Il numro dei Colori doppi è: %1 Individual</source>
        <translation>Numero di colori doppi: %1</translation>
    </message>
    <message>
        <source>Il numro dei Colori che non sono utilizzati è: %1 Individual</source>
        <translation>Numero di colori non utilizzati: %1</translation>
    </message>
    <message>
        <source>Il numero di Colori uitilizzati è: %1 Individual</source>
        <translation>Numero di colori utilizzati: %1</translation>
    </message>
</context>
<context>
    <name>pixmo::TPenForm</name>
    <message>
        <source>Dimensioni Matita</source>
        <translation>Dimensioni Matita</translation>
    </message>
    <message>
        <source>ペンの太さ</source>
        <translation>Spessore della matita</translation>
    </message>
</context>
<context>
    <name>pixmo::TPlaceClient</name>
    <message>
        <source>Valore d&apos;Ingrandimento non valido: %1</source>
        <translation>Valore d&apos;Ingrandimento non valido: %1</translation>
    </message>
</context>
<context>
    <name>pixmo::TPlaceForm</name>
    <message>
        <source>Posizione</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>ｽｸﾛｰﾙﾊﾞｰを表示(&amp;B)</source>
        <translation>Mostra &amp;Barre di Scorrimento</translation>
    </message>
    <message>
        <source>枠を表示(&amp;F)</source>
        <translation>Mostra &amp;Cornice</translation>
    </message>
    <message>
        <source>表示倍率(&amp;Z)</source>
        <translation>&amp;Ingrandimento</translation>
    </message>
</context>
<context>
    <name>pixmo::TRotateDialog</name>
    <message>
        <source>Ruota</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Angolo</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Leviga i Bordi</source>
        <translation>Leviga i Bordi</translation>
    </message>
</context>
<context>
    <name>pixmo::TSetKeyDialog</name>
    <message>
        <source>Tasti a Scelta Rapida</source>
        <translation>Tasti a Scelta Rapida</translation>
    </message>
    <message>
        <source>Tavola dei Tasti Rapidi</source>
        <translation>Tavola dei Tasti Rapidi</translation>
    </message>
    <message>
        <source>Move Selection</source>
        <translation>Sposta Selezione</translation>
    </message>
    <message>
        <source>Reprod.choice </source>
        <translation>Duplica Selezione</translation>
    </message>
    <message>
        <source>Expand choice </source>
        <translation>Aggiungi alla Selezione</translation>
    </message>
    <message>
        <source>Part of choic removd</source>
        <translation>Togli dalla Selezione</translation>
    </message>
    <message>
        <source>Choice CommPrt</source>
        <translation>Interseca Selezione</translation>
    </message>
    <message>
        <source>Scrolling </source>
        <translation>Scorrimento</translation>
    </message>
    <message>
        <source>Square Choic</source>
        <translation>Selezione Quadrata</translation>
    </message>
    <message>
        <source>ChoicFrmCntr</source>
        <translation>Selezione dal Centro</translation>
    </message>
    <message>
        <source>Fits to Units Grid</source>
        <translation>Aggancia alla Griglia</translation>
    </message>
    <message>
        <source>Tavola delle Condizioni</source>
        <translation>Tavola delle Condizioni</translation>
    </message>
    <message>
        <source>Fuga</source>
        <translation>Fuga</translation>
    </message>
    <message>
        <source>Quadrato</source>
        <translation>Quadrato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The item which has the same shortcut : %1 individual</source>
        <translation>Voci con una scorciatoia già usata da un&apos;altra: %1</translation>
    </message>
</context>
<context>
    <name>pixmo::TSettingDialog</name>
    <message>
        <source>Lingua</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Automatica</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>La lingua cambia al prossimo avvio.</source>
        <translation>La lingua cambia al prossimo avvio.</translation>
    </message>
    <message>
        <source>Configurazione di Pixmo</source>
        <translation>Configurazione di Pixmo</translation>
    </message>
    <message>
        <source>Finestra Principale</source>
        <translation>Finestra Principale</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Griglia (Solo nell&apos;Ingrandimento) </source>
        <translation>Griglia (Solo nell&apos;Ingrandimento) </translation>
    </message>
    <message>
        <source>Larghezza</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Mostra Linea Tratteggiata</source>
        <translation>Mostra Linea Tratteggiata</translation>
    </message>
    <message>
        <source>Colore Griglia </source>
        <translation>Colore Griglia </translation>
    </message>
    <message>
        <source>Nessuno</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Nero</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Grigio</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Sfondo delle Icone </source>
        <translation>Sfondo delle Icone </translation>
    </message>
    <message>
        <source>Visibile</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Trasparente</source>
        <translation>Trasparente</translation>
    </message>
    <message>
        <source>Buffer Annulla</source>
        <translation>Buffer Annulla</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Mostra Barra di Stato</source>
        <translation>Mostra Barra di Stato</translation>
    </message>
    <message>
        <source>Mostra Barra di Scorrimento</source>
        <translation>Mostra Barra di Scorrimento</translation>
    </message>
    <message>
        <source>Scorrimento Automatico</source>
        <translation>Scorrimento Automatico</translation>
    </message>
    <message>
        <source>Conferma Eliminazione</source>
        <translation>Conferma Eliminazione</translation>
    </message>
    <message>
        <source>Crea file di Backup</source>
        <translation>Crea file di Backup</translation>
    </message>
    <message>
        <source>Compressione PNG</source>
        <translation>Compressione PNG</translation>
    </message>
    <message>
        <source>Veloce</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Normale</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Massima</source>
        <translation>Massima</translation>
    </message>
    <message>
        <source>Salva Backup nella Cartella:</source>
        <translation>Salva Backup nella Cartella:</translation>
    </message>
    <message>
        <source>Mostra Trasparenza</source>
        <translation>Mostra Trasparenza</translation>
    </message>
    <message>
        <source>Tieni premuto il tasto Destro del Mouse</source>
        <translation>Tieni premuto il tasto Destro del Mouse</translation>
    </message>
    <message>
        <source>Oggetti Visibili</source>
        <translation>Oggetti Visibili</translation>
    </message>
    <message>
        <source>Non mostrare questi Oggetti</source>
        <translation>Non mostrare questi Oggetti</translation>
    </message>
</context>
<context>
    <name>pixmo::TShiftForm</name>
    <message>
        <source>Muovi Immagine</source>
        <translation>Muovi Immagine</translation>
    </message>
    <message>
        <source>Orizzontale</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Sposta in Orizzontale</source>
        <translation>Sposta in Orizzontale</translation>
    </message>
    <message>
        <source>Verticale</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Sposta in Verticale</source>
        <translation>Sposta in Verticale</translation>
    </message>
    <message>
        <source>Muovi</source>
        <translation>Muovi</translation>
    </message>
    <message>
        <source>Rifletti</source>
        <translation>Rifletti</translation>
    </message>
    <message>
        <source>L&apos;immagine viene spostata a Sinistra</source>
        <translation>L&apos;immagine viene spostata a Sinistra</translation>
    </message>
    <message>
        <source>L&apos;immagine viene spostata a Destra</source>
        <translation>L&apos;immagine viene spostata a Destra</translation>
    </message>
    <message>
        <source>L&apos;immagine viene spostata in Alto</source>
        <translation>L&apos;immagine viene spostata in Alto</translation>
    </message>
    <message>
        <source>L&apos;immagine viene spostata in Basso</source>
        <translation>L&apos;immagine viene spostata in Basso</translation>
    </message>
</context>
<context>
    <name>pixmo::TSizeDialog</name>
    <message>
        <source>Larghezza</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Altezza</translation>
    </message>
</context>
<context>
    <name>pixmo::TStatusPanel</name>
    <message>
        <source>Inoformazioni Ripeti</source>
        <translation>Informazioni Annulla</translation>
    </message>
    <message>
        <source>Posizione Cursore</source>
        <translation>Posizione Cursore</translation>
    </message>
</context>
<context>
    <name>pixmo::TStretchDialog</name>
    <message>
        <source>Estendi</source>
        <translation>Estendi</translation>
    </message>
    <message>
        <source>Usa Percentuale</source>
        <translation>Usa Percentuale</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Leviga i Bordi</source>
        <translation>Leviga i Bordi</translation>
    </message>
</context>
<context>
    <name>pixmo::TTextForm</name>
    <message>
        <source>Immetti Testo</source>
        <translation>Immetti Testo</translation>
    </message>
    <message>
        <source>Carattere</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Caratteri Recenti</source>
        <translation>Caratteri Recenti</translation>
    </message>
    <message>
        <source>Cancella Tutto</source>
        <translation>Cancella Tutto</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Trascina sull&apos;immagine</source>
        <translation>Trascina sull&apos;immagine</translation>
    </message>
    <message>
        <source>Apri...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Sinistra</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Centrato</source>
        <translation>Centrato</translation>
    </message>
    <message>
        <source>Destra</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non può essere letto e non può essere messo da parte: in questa sessione il testo non vi verrà salvato.
%2</source>
        <translation>Il file &quot;%1&quot; non può essere letto e non può essere messo da parte: in questa sessione il testo non vi verrà salvato.
%2</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non può essere letto: è stato messo da parte come &quot;%2&quot;.
%3</source>
        <translation>Il file &quot;%1&quot; non può essere letto: è stato messo da parte come &quot;%2&quot;.
%3</translation>
    </message>
    <message>
        <source>Il testo supera %1 byte e non può essere salvato in &quot;%2&quot;: il file resta com&apos;era.</source>
        <translation>Il testo supera %1 byte e non può essere salvato in &quot;%2&quot;: il file resta com&apos;era.</translation>
    </message>
    <message>
        <source>Larghezza... (%1)</source>
        <translation>Larghezza della Tabulazione... (%1)</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>File Testo (*.txt;*.mem)|*.txt;*.mem|Tutti i File (*.*)|*.*</source>
        <translation>File Testo (*.txt;*.mem)|*.txt;*.mem|Tutti i File (*.*)|*.*</translation>
    </message>
    <message>
        <source>Larghezza</source>
        <translation>Larghezza della tabulazione</translation>
    </message>
</context>
<context>
    <name>pixmo::TToolForm</name>
    <message>
        <source>Strumenti</source>
        <translation>Strumenti</translation>
    </message>
</context>
<context>
    <name>pixmo::Tools</name>
    <message>
        <source>Selezione Rettangolare</source>
        <translation>Selezione Rettangolare</translation>
    </message>
    <message>
        <source>Selezione Circolare</source>
        <translation>Selezione Circolare</translation>
    </message>
    <message>
        <source>Selezione Parallelogramma</source>
        <translation>Selezione Parallelogramma</translation>
    </message>
    <message>
        <source>Selezione Triangolare</source>
        <translation>Selezione Triangolare</translation>
    </message>
    <message>
        <source>Lazo Poligonale</source>
        <translation>Lazo Poligonale</translation>
    </message>
    <message>
        <source>Selezione Poligonale</source>
        <translation>Selezione Poligonale</translation>
    </message>
    <message>
        <source>Strumento Lazo</source>
        <translation>Strumento Lazo</translation>
    </message>
    <message>
        <source>Seleziona Regione</source>
        <translation>Seleziona Regione</translation>
    </message>
    <message>
        <source>Seleziona Bordo col Colore Secondario</source>
        <translation>Seleziona Bordo col Colore Secondario</translation>
    </message>
    <message>
        <source>Scegli Bordi con il Colore Secondario</source>
        <translation>Scegli Bordi con il Colore Secondario</translation>
    </message>
    <message>
        <source>Bacchetta Magica</source>
        <translation>Bacchetta Magica</translation>
    </message>
    <message>
        <source>Scegli colore</source>
        <translation>Scegli colore</translation>
    </message>
    <message>
        <source>Seleziona Colori</source>
        <translation>Seleziona Colori</translation>
    </message>
    <message>
        <source>Matita</source>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>Rettangolo</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Rettangolo Pieno</source>
        <translation>Rettangolo Pieno</translation>
    </message>
    <message>
        <source>Cerchio</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Cerchio Pieno</source>
        <translation>Cerchio Pieno</translation>
    </message>
    <message>
        <source>Bordo</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Bordi</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <source>Secchiello</source>
        <translation>Secchiello</translation>
    </message>
    <message>
        <source>Aerografo</source>
        <translation>Aerografo</translation>
    </message>
    <message>
        <source>Curva</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Animazione</source>
        <translation>Animazione</translation>
    </message>
</context>
</TS>
