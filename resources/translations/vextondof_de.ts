<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About Vexton.DOF.CE</name>
    <message>
        <source>About Vexton.DOF.CE</source>
        <translation>Über Vexton.DOF.CE</translation>
    </message>
    <message>
        <source>Depth of Field Calculator</source>
        <translation>Schärfentiefe-Rechner</translation>
    </message>
    <message>
        <source>This program runs under:</source>
        <translation>Dieses Programm läuft unter:</translation>
    </message>
</context>
<context>
    <name>Calculate</name>
    <message>
        <source>You must choose a camera from the list.</source>
        <translation>Wählen Sie eine Kamera aus der Liste.</translation>
    </message>
    <message>
        <source>a +%1 close-up lens focuses no farther than %2</source>
        <translation>eine Nahlinse +%1 stellt höchstens auf %2 scharf</translation>
    </message>
    <message>
        <source>You must enter a non-zero, positive distance to the subject.</source>
        <translation>Geben Sie eine positive Entfernung zum Motiv ein, die nicht null ist.</translation>
    </message>
    <message>
        <source>The distance is too large to calculate with.</source>
        <translation>Die Entfernung ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>The distance is too small to calculate with.</source>
        <translation>Die Entfernung ist zu klein, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>You must enter a diopter that leaves the lens a positive focal length.</source>
        <translation>Geben Sie eine Nahlinse ein, die dem Objektiv eine positive Brennweite lässt.</translation>
    </message>
</context>
<context>
    <name>Calculated Results</name>
    <message>
        <source>Calculated Results</source>
        <translation>Berechnete Ergebnisse</translation>
    </message>
    <message>
        <source>Near Focus Limit of Depth of Field:</source>
        <translation>Nahgrenze der Schärfentiefe:</translation>
    </message>
    <message>
        <source>Far Focus Limit of Depth of Field: </source>
        <translation>Ferngrenze der Schärfentiefe: </translation>
    </message>
    <message>
        <source>Hyperfocal Distance:</source>
        <translation>Hyperfokale Distanz:</translation>
    </message>
    <message>
        <source>Total Depth of Field:</source>
        <translation>Gesamte Schärfentiefe:</translation>
    </message>
    <message>
        <source>Circle of Confusion: </source>
        <translation>Zerstreuungskreis: </translation>
    </message>
    <message>
        <source>Diopter Modified Focal Length:</source>
        <translation>Brennweite mit Nahlinse:</translation>
    </message>
</context>
<context>
    <name>Camera Information</name>
    <message>
        <source>Camera Information</source>
        <translation>Kamerainformationen</translation>
    </message>
    <message>
        <source>Camera Name:</source>
        <translation>Kameraname:</translation>
    </message>
    <message>
        <source>EXIF Name:</source>
        <translation>EXIF-Name:</translation>
    </message>
    <message>
        <source>Sensor Size (mm):</source>
        <translation>Sensorgröße (mm):</translation>
    </message>
    <message>
        <source>Image Size (pixels):</source>
        <translation>Bildgröße (Pixel):</translation>
    </message>
    <message>
        <source>Resolution (MP):</source>
        <translation>Auflösung (MP):</translation>
    </message>
    <message>
        <source>Image Ratio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>Image Circle (mm):</source>
        <translation>Bildkreis (mm):</translation>
    </message>
    <message>
        <source>Crop Factor:</source>
        <translation>Crop-Faktor:</translation>
    </message>
    <message>
        <source>Circle of C. (mm):</source>
        <translation>Zerstr.-kreis (mm):</translation>
    </message>
    <message>
        <source>Maker:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Mount:</source>
        <translation>Bajonett:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
</context>
<context>
    <name>Cameras</name>
    <message>
        <source>lensfun&apos;s camera database could not be read, so only the built-in cameras and your own are offered.</source>
        <translation>Die Kameradatenbank von lensfun konnte nicht gelesen werden; angeboten werden nur die eingebauten und Ihre eigenen Kameras.</translation>
    </message>
    <message>
        <source>lensfun&apos;s camera database</source>
        <translation>Kameradatenbank von lensfun</translation>
    </message>
    <message>
        <source>its sensor size, as you gave it</source>
        <translation>ihre Sensorgröße, wie Sie sie angegeben haben</translation>
    </message>
    <message>
        <source>Your cameras file %1 is too large to be read.</source>
        <translation>Ihre Kameradatei %1 ist zu groß, um gelesen zu werden.</translation>
    </message>
    <message>
        <source>Your cameras file %1 cannot be read.</source>
        <translation>Ihre Kameradatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Another copy of Vexton.DOF.CE holds your cameras file, so your cameras cannot be read now.</source>
        <translation>Eine andere Instanz von Vexton.DOF.CE hält Ihre Kameradatei, daher können Ihre Kameras jetzt nicht gelesen werden.</translation>
    </message>
    <message>
        <source>A camera needs a name.</source>
        <translation>Eine Kamera braucht einen Namen.</translation>
    </message>
    <message>
        <source>A camera&apos;s name is one line, without tabs.</source>
        <translation>Der Name einer Kamera ist eine Zeile, ohne Tabulatoren.</translation>
    </message>
    <message>
        <source>You have a camera named %1 already.</source>
        <translation>Sie haben schon eine Kamera namens %1.</translation>
    </message>
    <message>
        <source>A camera named %1 would stand for %2 of the list; give it a longer name.</source>
        <translation>Eine Kamera namens %1 stünde für %2 aus der Liste; geben Sie ihr einen längeren Namen.</translation>
    </message>
    <message>
        <source>A camera named %1 would be mistaken for your %2; give it another name.</source>
        <translation>Eine Kamera namens %1 würde mit Ihrer %2 verwechselt; geben Sie ihr einen anderen Namen.</translation>
    </message>
    <message>
        <source>A camera named %1 would stand for %2; give it a longer name.</source>
        <translation>Eine Kamera namens %1 stünde für %2; geben Sie ihr einen längeren Namen.</translation>
    </message>
</context>
<context>
    <name>Choose Camera</name>
    <message>
        <source>Choose Camera</source>
        <translation>Kamera wählen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Or a camera of your own, by its sensor:</source>
        <translation>Oder eine eigene Kamera, nach ihrem Sensor:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Sensor width (mm):</source>
        <translation>Sensorbreite (mm):</translation>
    </message>
    <message>
        <source>Sensor height (mm):</source>
        <translation>Sensorhöhe (mm):</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Use Camera</source>
        <translation>Kamera verwenden</translation>
    </message>
    <message>
        <source>Matching cameras</source>
        <translation>Passende Kameras</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Crop factor</source>
        <translation>Crop-Faktor</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Bajonett</translation>
    </message>
    <message>
        <source>Crop factor: %1</source>
        <translation>Crop-Faktor: %1</translation>
    </message>
    <message>
        <source>The sensor&apos;s width and height must be two positive numbers of millimetres.</source>
        <translation>Breite und Höhe des Sensors müssen zwei positive Zahlen in Millimetern sein.</translation>
    </message>
    <message>
        <source>Find your camera and pick it, or give a name and its sensor&apos;s size.</source>
        <translation>Suchen und wählen Sie Ihre Kamera, oder geben Sie einen Namen und die Größe ihres Sensors an.</translation>
    </message>
    <message>
        <source>Only a camera of your own can be removed.</source>
        <translation>Nur eine eigene Kamera kann entfernt werden.</translation>
    </message>
</context>
<context>
    <name>Circle of Confusion</name>
    <message>
        <source>Circle of Confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Print or screen:</source>
        <translation>Abzug oder Bildschirm:</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>Betrachtet aus:</translation>
    </message>
    <message>
        <source>empty: its diagonal</source>
        <translation>leer: seine Diagonale</translation>
    </message>
    <message>
        <source>Eyesight:</source>
        <translation>Sehschärfe:</translation>
    </message>
    <message>
        <source>Pixels across:</source>
        <translation>Pixel in der Breite:</translation>
    </message>
    <message>
        <source>Or pitch (µm):</source>
        <translation>Oder Pixelabstand (µm):</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Faktor:</translation>
    </message>
    <message>
        <source>Convention:</source>
        <translation>Konvention:</translation>
    </message>
    <message>
        <source>On the sensor:</source>
        <translation>Auf dem Sensor:</translation>
    </message>
    <message>
        <source>For 36 × 24 mm:</source>
        <translation>Für 36 × 24 mm:</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CofC</name>
    <message>
        <source>CofC</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>This dropdown defaults to the 35mm Circle of Confusion (CofC) value of 0.0310.</source>
        <translation>Diese Liste steht zu Beginn auf dem Zerstreuungskreis des Kleinbildformats, 0,0310.</translation>
    </message>
    <message>
        <source>This dropdown can be used to adjust the selected camera/film, to modify its stated CofC.  This can be used to customize the settings based on targeted image output, and is a suggested technique in the photographic literature.</source>
        <translation>Mit dieser Liste lässt sich der angegebene Zerstreuungskreis der gewählten Kamera oder des Films ändern. So passen Sie die Einstellungen an die geplante Ausgabe des Bildes an, wie es die Fotoliteratur empfiehlt.</translation>
    </message>
</context>
<context>
    <name>DOF Chart</name>
    <message>
        <source>DOF Chart</source>
        <translation>Schärfentiefe-Diagramm</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Ansicht:</translation>
    </message>
    <message>
        <source>Focus distance:</source>
        <translation>Fokusentfernung:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Steps:</source>
        <translation>Stufen:</translation>
    </message>
    <message>
        <source>Export Image…</source>
        <translation>Bild exportieren…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exportieren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Depth of field chart</source>
        <translation>Schärfentiefe-Diagramm</translation>
    </message>
    <message>
        <source>The focus distance is one distance.</source>
        <translation>Die Fokusentfernung ist eine einzige Entfernung.</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>SVG images (*.svg);;PNG images (*.png)</source>
        <translation>SVG-Bilder (*.svg);;PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Name the file with .svg, .png or .pdf at its end: that is the format it is written in.</source>
        <translation>Geben Sie der Datei die Endung .svg, .png oder .pdf: in diesem Format wird sie geschrieben.</translation>
    </message>
    <message>
        <source>(the aperture chosen)</source>
        <translation>(die gewählte Blende)</translation>
    </message>
    <message>
        <source>%1, in %2, from %3 to %4. Each far limit reaches infinity at the hyperfocal distance (and the near limit is then the nearest sharp point):</source>
        <translation>%1, in %2, von %3 bis %4. Jede Ferngrenze erreicht Unendlich bei der hyperfokalen Distanz (die Nahgrenze ist dann der nächste scharfe Punkt):</translation>
    </message>
    <message>
        <source>The line at %1 is the distance typed.</source>
        <translation>Die Linie bei %1 ist die eingegebene Entfernung.</translation>
    </message>
    <message>
        <source>Sharp zone when focused at %1</source>
        <translation>Scharfer Bereich bei Fokus auf %1</translation>
    </message>
    <message>
        <source>Near and far limits by focus distance</source>
        <translation>Nah- und Ferngrenze nach Fokusentfernung</translation>
    </message>
    <message>
        <source>No aperture lies between the two chosen.</source>
        <translation>Zwischen den beiden gewählten liegt keine Blende.</translation>
    </message>
    <message>
        <source>Focus distance (%1)</source>
        <translation>Fokusentfernung in %1</translation>
    </message>
    <message>
        <source>Subject at %1</source>
        <translation>Motiv bei %1</translation>
    </message>
    <message>
        <source>Distance typed, %1</source>
        <translation>Eingegebene Entfernung, %1</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Near = far = focus</source>
        <translation>Nah = fern = Fokus</translation>
    </message>
    <message>
        <source>The aperture chosen</source>
        <translation>Die gewählte Blende</translation>
    </message>
    <message>
        <source>Distances in %1</source>
        <translation>Entfernungen in %1</translation>
    </message>
    <message>
        <source>Sharp zone at this distance</source>
        <translation>Scharfer Bereich bei dieser Entfernung</translation>
    </message>
    <message>
        <source>Limits by distance</source>
        <translation>Grenzen nach Entfernung</translation>
    </message>
</context>
<context>
    <name>DOF Table</name>
    <message>
        <source>DOF Table</source>
        <translation>Schärfentiefe-Tabelle</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>Distances:</source>
        <translation>Entfernungen:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Steps:</source>
        <translation>Stufen:</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exportieren…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Depth of field table</source>
        <translation>Schärfentiefe-Tabelle</translation>
    </message>
    <message>
        <source>At every aperture, diffraction blurs more than the circle of confusion allows.</source>
        <translation>Bei jeder Blende macht die Beugung unschärfer, als der Zerstreuungskreis erlaubt.</translation>
    </message>
    <message>
        <source>Beyond %1, diffraction blurs more than the circle of confusion allows.</source>
        <translation>Jenseits von %1 macht die Beugung unschärfer, als der Zerstreuungskreis erlaubt.</translation>
    </message>
    <message>
        <source>Distances in %1, to the half inch; Hyperfocal: the distance (and the nearest sharp point when focused there).</source>
        <translation>Entfernungen in %1, auf den halben Zoll; Hyperfokal: die Distanz (und der nächste scharfe Punkt bei Fokus darauf).</translation>
    </message>
    <message>
        <source>Distances in %1, rounded to %2; Hyperfocal: the distance (and the nearest sharp point when focused there).</source>
        <translation>Entfernungen in %1, gerundet auf %2; Hyperfokal: die Distanz (und der nächste scharfe Punkt bei Fokus darauf).</translation>
    </message>
    <message>
        <source>The rows stop at %1; the widest aperture reaches infinity only beyond %2.</source>
        <translation>Die Zeilen enden bei %1; die größte Blende erreicht Unendlich erst jenseits von %2.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 is not a positive distance and is left out.</source>
        <translation>%1 ist keine positive Entfernung und wird ausgelassen.</translation>
    </message>
    <message>
        <source>%1 are not positive distances and are left out.</source>
        <translation>%1 sind keine positiven Entfernungen und werden ausgelassen.</translation>
    </message>
    <message>
        <source>Near and far limits</source>
        <translation>Nah- und Ferngrenze</translation>
    </message>
    <message>
        <source>In front and behind</source>
        <translation>Davor und dahinter</translation>
    </message>
    <message>
        <source>Total depth of field</source>
        <translation>Gesamte Schärfentiefe</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hyperfokal</translation>
    </message>
    <message>
        <source>the distance typed</source>
        <translation>die eingegebene Entfernung</translation>
    </message>
    <message>
        <source>the aperture chosen</source>
        <translation>die gewählte Blende</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>Diopter</name>
    <message>
        <source>Diopter</source>
        <translation>Nahlinse</translation>
    </message>
    <message>
        <source>Enter the close-up lens diopter into the editbox.  This has an impact on the focal length of the lens setting used.  The diopter modified focal length will be displayed on the results screen.</source>
        <translation>Geben Sie die Dioptrien der Nahlinse in das Eingabefeld ein. Sie verändern die Brennweite des Objektivs; die Brennweite mit Nahlinse steht im Ergebnisfenster.</translation>
    </message>
</context>
<context>
    <name>Distance</name>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Select your unit of measure from the dropdown list, and then enter the subject distance into the editbox.</source>
        <translation>Wählen Sie die Maßeinheit aus der Liste und geben Sie dann die Entfernung zum Motiv in das Eingabefeld ein.</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>DOF &amp;Table…</source>
        <translation>Schärfentiefe-&amp;Tabelle…</translation>
    </message>
    <message>
        <source>DOF C&amp;hart…</source>
        <translation>Schärfentiefe-&amp;Diagramm…</translation>
    </message>
    <message>
        <source>&amp;Plan Focus…</source>
        <translation>Fokus &amp;planen…</translation>
    </message>
    <message>
        <source>&amp;Choose Camera…</source>
        <translation>&amp;Kamera wählen…</translation>
    </message>
    <message>
        <source>&amp;Open Photo…</source>
        <translation>Foto ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Ci&amp;rcle of Confusion…</source>
        <translation>&amp;Zerstreuungskreis…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>No error occurred.</source>
        <translation>Es ist kein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 trat ein unbekannter Fehler auf.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien offen sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Mit %1 war ein ungültiger Dateizugriff verbunden.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 konnte nicht entfernt werden, weil es das aktuelle Verzeichnis ist.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 konnte nicht angelegt werden, weil das Verzeichnis voll ist.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionieren in %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Ein-/Ausgabefehler der Hardware gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 trat eine Freigabeverletzung auf.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 trat eine Sperrverletzung auf.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Datenträger voll beim Zugriff auf %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
</context>
<context>
    <name>Film, Camera Information</name>
    <message>
        <source>Film, Camera Information</source>
        <translation>Film, Kamerainformationen</translation>
    </message>
    <message>
        <source>Camera Name:</source>
        <translation>Kameraname:</translation>
    </message>
    <message>
        <source>EXIF Name:</source>
        <translation>EXIF-Name:</translation>
    </message>
    <message>
        <source>Sensor Size (mm):</source>
        <translation>Sensorgröße (mm):</translation>
    </message>
    <message>
        <source>Image Size (pixels):</source>
        <translation>Bildgröße (Pixel):</translation>
    </message>
    <message>
        <source>Resolution (MP):</source>
        <translation>Auflösung (MP):</translation>
    </message>
    <message>
        <source>Image Ratio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>Image Circle (mm):</source>
        <translation>Bildkreis (mm):</translation>
    </message>
    <message>
        <source>Crop Factor:</source>
        <translation>Crop-Faktor:</translation>
    </message>
    <message>
        <source>Circle of C. (mm):</source>
        <translation>Zerstr.-kreis (mm):</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;Field Help</source>
        <translation>Hilfe zum &amp;Feld</translation>
    </message>
    <message>
        <source>&amp;About Vexton.DOF.CE</source>
        <translation>Ü&amp;ber Vexton.DOF.CE</translation>
    </message>
</context>
<context>
    <name>Lens Aperture</name>
    <message>
        <source>Lens Aperture</source>
        <translation>Blende des Objektivs</translation>
    </message>
    <message>
        <source>Select your lenses aperture/f-stop  from the dropdown list.</source>
        <translation>Wählen Sie die Blende Ihres Objektivs aus der Liste.</translation>
    </message>
</context>
<context>
    <name>Lens Focal Length</name>
    <message>
        <source>Lens Focal Length</source>
        <translation>Brennweite des Objektivs</translation>
    </message>
    <message>
        <source>Select your lenses focal length (mm) from the dropdown list.</source>
        <translation>Wählen Sie die Brennweite Ihres Objektivs (mm) aus der Liste.</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>You must choose a camera from the list.</source>
        <translation>Wählen Sie eine Kamera aus der Liste.</translation>
    </message>
    <message>
        <source>The camera %1 is not in the list and is not a number.</source>
        <translation>Die Kamera %1 steht nicht in der Liste und ist keine Zahl.</translation>
    </message>
    <message>
        <source>You must choose a focal length from the list.</source>
        <translation>Wählen Sie eine Brennweite aus der Liste.</translation>
    </message>
    <message>
        <source>The focal length %1 is not in the list and is not a number.</source>
        <translation>Die Brennweite %1 steht nicht in der Liste und ist keine Zahl.</translation>
    </message>
    <message>
        <source>You must choose an aperture from the list.</source>
        <translation>Wählen Sie eine Blende aus der Liste.</translation>
    </message>
    <message>
        <source>The aperture %1 is not in the list and is not a number.</source>
        <translation>Die Blende %1 steht nicht in der Liste und ist keine Zahl.</translation>
    </message>
    <message>
        <source>You must choose a unit from the list.</source>
        <translation>Wählen Sie eine Einheit aus der Liste.</translation>
    </message>
    <message>
        <source>The unit %1 is not in the list and is not a number.</source>
        <translation>Die Einheit %1 steht nicht in der Liste und ist keine Zahl.</translation>
    </message>
    <message>
        <source>You must choose a circle of confusion from the list.</source>
        <translation>Wählen Sie einen Zerstreuungskreis aus der Liste.</translation>
    </message>
    <message>
        <source>The circle of confusion %1 is not in the list and is not a number.</source>
        <translation>Der Zerstreuungskreis %1 steht nicht in der Liste und ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Validation Error</source>
        <translation>Eingabefehler</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Depth of Field Chart</source>
        <translation>Schärfentiefe-Diagramm</translation>
    </message>
    <message>
        <source>%1 (diopter %2)</source>
        <translation>%1 (Nahlinse %2)</translation>
    </message>
    <message>
        <source>Depth of Field Table</source>
        <translation>Schärfentiefe-Tabelle</translation>
    </message>
    <message>
        <source>Depth of Field Table: %1, %2, circle of confusion %3, distances in %4</source>
        <translation>Schärfentiefe-Tabelle: %1, %2, Zerstreuungskreis %3, Entfernungen in %4</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Camera: %1</source>
        <translation>Kamera: %1</translation>
    </message>
    <message>
        <source>Focal length: %1</source>
        <translation>Brennweite: %1</translation>
    </message>
    <message>
        <source>Circle of confusion used: %1</source>
        <translation>Verwendeter Zerstreuungskreis: %1</translation>
    </message>
    <message>
        <source>Distances in %1</source>
        <translation>Entfernungen in %1</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Erstellt am %1</translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Kamera:</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Objektiv:</translation>
    </message>
    <message>
        <source>Focal length:</source>
        <translation>Brennweite:</translation>
    </message>
    <message>
        <source>35 mm equivalent:</source>
        <translation>Kleinbildäquivalent:</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>Blende:</translation>
    </message>
    <message>
        <source>Focus distance:</source>
        <translation>Fokusentfernung:</translation>
    </message>
    <message>
        <source>Image size:</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <source>Date taken:</source>
        <translation>Aufnahmedatum:</translation>
    </message>
    <message>
        <source>Circle of confusion:</source>
        <translation>Zerstreuungskreis:</translation>
    </message>
    <message>
        <source>Near Focus Limit of Depth of Field:</source>
        <translation>Nahgrenze der Schärfentiefe:</translation>
    </message>
    <message>
        <source>Far Focus Limit of Depth of Field:</source>
        <translation>Ferngrenze der Schärfentiefe:</translation>
    </message>
    <message>
        <source>Total Depth of Field:</source>
        <translation>Gesamte Schärfentiefe:</translation>
    </message>
    <message>
        <source>Hyperfocal Distance:</source>
        <translation>Hyperfokale Distanz:</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Diese Werte übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Plan Focus</name>
    <message>
        <source>Plan Focus</source>
        <translation>Fokus planen</translation>
    </message>
    <message>
        <source>Nearest sharp point:</source>
        <translation>Nächster scharfer Punkt:</translation>
    </message>
    <message>
        <source>Farthest sharp point:</source>
        <translation>Fernster scharfer Punkt:</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Unendlich</translation>
    </message>
    <message>
        <source>Background at:</source>
        <translation>Hintergrund bei:</translation>
    </message>
    <message>
        <source>Focus at:</source>
        <translation>Fokussieren auf:</translation>
    </message>
    <message>
        <source>Aperture needed:</source>
        <translation>Nötige Blende:</translation>
    </message>
    <message>
        <source>Sharp from – to:</source>
        <translation>Scharf von – bis:</translation>
    </message>
    <message>
        <source>Diffraction:</source>
        <translation>Beugung:</translation>
    </message>
    <message>
        <source>Sharpest aperture (estimate):</source>
        <translation>Schärfste Blende (Schätzung):</translation>
    </message>
    <message>
        <source>Background blur on the sensor:</source>
        <translation>Unschärfe des Hintergrunds auf dem Sensor:</translation>
    </message>
    <message>
        <source>Background blur, in circles of confusion:</source>
        <translation>Unschärfe des Hintergrunds in Zerstreuungskreisen:</translation>
    </message>
    <message>
        <source>%1 needed</source>
        <translation>%1 nötig</translation>
    </message>
    <message>
        <source>No aperture of the list is small enough; %1 would be needed.</source>
        <translation>Keine Blende der Liste ist klein genug; %1 wäre nötig.</translation>
    </message>
    <message>
        <source>%1, or %2 in third stops</source>
        <translation>%1, oder %2 in Drittelstufen</translation>
    </message>
    <message>
        <source>%1 (%2 needed)</source>
        <translation>%1 (%2 nötig)</translation>
    </message>
    <message>
        <source>At %1, diffraction blurs more than the circle of confusion allows.</source>
        <translation>Bei %1 macht die Beugung unschärfer, als der Zerstreuungskreis erlaubt.</translation>
    </message>
    <message>
        <source>%1, %2% of the frame&apos;s width</source>
        <translation>%1, %2 % der Bildbreite</translation>
    </message>
    <message>
        <source>within the circle of confusion</source>
        <translation>innerhalb des Zerstreuungskreises</translation>
    </message>
    <message>
        <source>%1 × the circle of confusion</source>
        <translation>das %1-Fache des Zerstreuungskreises</translation>
    </message>
    <message>
        <source>The nearest sharp point must be a positive distance.</source>
        <translation>Der nächste scharfe Punkt muss eine positive Entfernung sein.</translation>
    </message>
    <message>
        <source>The farthest sharp point must be a positive distance, or Infinity.</source>
        <translation>Der fernste scharfe Punkt muss eine positive Entfernung sein, oder Unendlich.</translation>
    </message>
    <message>
        <source>The background must be a positive distance, or left empty for infinity.</source>
        <translation>Der Hintergrund muss eine positive Entfernung sein, oder leer für Unendlich.</translation>
    </message>
    <message>
        <source>The nearest sharp point must be farther than the focal length.</source>
        <translation>Der nächste scharfe Punkt muss weiter entfernt sein als die Brennweite.</translation>
    </message>
    <message>
        <source>The farthest sharp point must be beyond the nearest.</source>
        <translation>Der fernste scharfe Punkt muss hinter dem nächsten liegen.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Settings Kept Elsewhere</source>
        <translation>Einstellungen anderswo gespeichert</translation>
    </message>
    <message>
        <source>Another copy of Vexton.DOF.CE holds your settings: your choices will not be saved until it lets go of them.</source>
        <translation>Eine andere Instanz von Vexton.DOF.CE hält Ihre Einstellungen: Ihre Auswahl wird erst gespeichert, wenn sie sie freigibt.</translation>
    </message>
    <message>
        <source>Settings in Use</source>
        <translation>Einstellungen in Gebrauch</translation>
    </message>
    <message>
        <source>Could not save your settings!</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>You may read but not change %1: your choices are kept in %2.</source>
        <translation>Sie dürfen %1 lesen, aber nicht ändern: Ihre Auswahl wird in %2 gespeichert.</translation>
    </message>
    <message>
        <source>The configuration folder %1 is not yours: your choices are kept only until the program ends.</source>
        <translation>Der Konfigurationsordner %1 gehört nicht Ihnen: Ihre Auswahl gilt nur, bis das Programm endet.</translation>
    </message>
</context>
<context>
    <name>Stops</name>
    <message>
        <source>Third stops</source>
        <translation>Drittel-Blendenstufen</translation>
    </message>
    <message>
        <source>Half stops</source>
        <translation>Halbe Blendenstufen</translation>
    </message>
    <message>
        <source>Whole stops</source>
        <translation>Ganze Blendenstufen</translation>
    </message>
</context>
<context>
    <name>Unit list</name>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>feet and inches</source>
        <translation>Fuß und Zoll</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>Metern</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>Zentimetern</translation>
    </message>
    <message>
        <source>feet and inches</source>
        <translation>Fuß und Zoll</translation>
    </message>
    <message>
        <source>the unit</source>
        <translation>der Einheit</translation>
    </message>
</context>
<context>
    <name>Vexton.DOF.CE</name>
    <message>
        <source>Vexton.DOF.CE</source>
        <translation>Vexton.DOF.CE</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Kamera:</translation>
    </message>
    <message>
        <source>Focal Length:</source>
        <translation>Brennweite:</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>Blende:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Entfernung:</translation>
    </message>
    <message>
        <source>CofC:</source>
        <translation>Z-Kreis:</translation>
    </message>
    <message>
        <source>Diopter:</source>
        <translation>Nahlinse:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Distance unit</source>
        <translation>Entfernungseinheit</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Diopter modified focal length</source>
        <translation>Brennweite mit Nahlinse</translation>
    </message>
</context>
</TS>
