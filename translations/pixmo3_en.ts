<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>pixmo::Core</name>
    <message>
        <source>Dimensioni non valide: %1 x %2</source>
        <translation>Invalid size: %1 x %2</translation>
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
</context>
<context>
    <name>pixmo::TAbortDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
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
    <name>pixmo::TFormTimer</name>
    <message>
        <source>A timer can&apos;t be acquired.</source>
        <translation>A timer can&apos;t be acquired.</translation>
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
        <source>%1 [%2x%3 %4] Col</source>
        <translation>%1 [%2x%3 %4] Colours</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Untitled</translation>
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
