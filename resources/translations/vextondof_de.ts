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
    <message>
        <source>Infinity</source>
        <translation>Unendlich</translation>
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
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
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
    <message>
        <source>Other camera…</source>
        <translation>Andere Kamera…</translation>
    </message>
    <message>
        <source>Your configuration folder is not yours, so your cameras cannot be kept.</source>
        <translation>Ihr Konfigurationsordner gehört nicht Ihnen, daher können Ihre Kameras nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>You have no camera named %1; the list&apos;s own stay.</source>
        <translation>Sie haben keine Kamera namens %1; die Kameras der Liste bleiben.</translation>
    </message>
    <message>
        <source>A camera&apos;s name cannot hold control characters.</source>
        <translation>Der Name einer Kamera darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A camera&apos;s name is at most %1 characters long.</source>
        <translation>Der Name einer Kamera ist höchstens %1 Zeichen lang.</translation>
    </message>
    <message>
        <source>Each side of a sensor is from 0.001 mm to 1000 mm.</source>
        <translation>Jede Seite eines Sensors misst 0,001 mm bis 1000 mm.</translation>
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
        <source>Find your camera and pick it, or give a name and its sensor&apos;s size.</source>
        <translation>Suchen und wählen Sie Ihre Kamera, oder geben Sie einen Namen und die Größe ihres Sensors an.</translation>
    </message>
    <message>
        <source>Only a camera of your own can be removed.</source>
        <translation>Nur eine eigene Kamera kann entfernt werden.</translation>
    </message>
    <message>
        <source>The sensor&apos;s width and height must be two numbers of millimetres from 0.001 to 1000.</source>
        <translation>Breite und Höhe des Sensors müssen zwei Zahlen in Millimetern von 0,001 bis 1000 sein.</translation>
    </message>
    <message>
        <source>%1 is not one of your cameras; only yours can be removed.</source>
        <translation>%1 ist keine Ihrer Kameras; nur Ihre eigenen lassen sich entfernen.</translation>
    </message>
    <message>
        <source>Remove %1 from your cameras?</source>
        <translation>%1 aus Ihren Kameras entfernen?</translation>
    </message>
    <message>
        <source>It is the main form&apos;s camera: the main form then uses %1.</source>
        <translation>Es ist die Kamera des Hauptfensters: Das Hauptfenster verwendet dann %1.</translation>
    </message>
    <message>
        <source>Remove Camera</source>
        <translation>Kamera entfernen</translation>
    </message>
</context>
<context>
    <name>Choose Lens</name>
    <message>
        <source>Choose Lens</source>
        <translation>Objektiv wählen</translation>
    </message>
    <message>
        <source>Lens in use: %1.</source>
        <translation>Objektiv in Gebrauch: %1.</translation>
    </message>
    <message>
        <source>No lens chosen: the lists offer every focal length and aperture.</source>
        <translation>Kein Objektiv gewählt: Die Listen bieten jede Brennweite und Blende.</translation>
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
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Widest aperture</source>
        <translation>Größte Blende</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Bajonett</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Ihres</translation>
    </message>
    <message>
        <source>Find your lens and pick it, or give a lens of your own.</source>
        <translation>Suchen Sie Ihr Objektiv und wählen Sie es, oder geben Sie ein eigenes Objektiv an.</translation>
    </message>
    <message>
        <source>The widest aperture of %1 is not known; give it as a lens of your own.</source>
        <translation>Die größte Blende von %1 ist nicht bekannt; geben Sie es als eigenes Objektiv an.</translation>
    </message>
    <message>
        <source>%1 is not one of your lenses; only yours can be removed.</source>
        <translation>%1 ist keines Ihrer Objektive; nur Ihre eigenen können entfernt werden.</translation>
    </message>
    <message>
        <source>Pick one of your lenses to remove it.</source>
        <translation>Wählen Sie eines Ihrer Objektive, um es zu entfernen.</translation>
    </message>
    <message>
        <source>Remove %1 from your lenses?</source>
        <translation>%1 aus Ihren Objektiven entfernen?</translation>
    </message>
    <message>
        <source>Remove Lens</source>
        <translation>Objektiv entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Or a lens of your own:</source>
        <translation>Oder ein eigenes Objektiv:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Focal length (mm):</source>
        <translation>Brennweite (mm):</translation>
    </message>
    <message>
        <source>Widest aperture:</source>
        <translation>Größte Blende:</translation>
    </message>
    <message>
        <source>Smallest aperture:</source>
        <translation>Kleinste Blende:</translation>
    </message>
    <message>
        <source>Minimum focus (m):</source>
        <translation>Naheinstellgrenze (m):</translation>
    </message>
    <message>
        <source>Pupil magnification:</source>
        <translation>Pupillenmaßstab:</translation>
    </message>
    <message>
        <source>Framing; subject width to frame:</source>
        <translation>Bildausschnitt; Motivbreite:</translation>
    </message>
    <message>
        <source>No Lens</source>
        <translation>Kein Objektiv</translation>
    </message>
    <message>
        <source>Use Lens</source>
        <translation>Objektiv verwenden</translation>
    </message>
    <message>
        <source>Matching lenses</source>
        <translation>Passende Objektive</translation>
    </message>
    <message>
        <source>Subject width to frame</source>
        <translation>Motivbreite für den Bildausschnitt</translation>
    </message>
    <message>
        <source>Give the focal length (“50” or “24-105”) and the widest aperture (“2” or “3.5-5.6”) as numbers.</source>
        <translation>Geben Sie die Brennweite („50“ oder „24-105“) und die größte Blende („2“ oder „3,5-5,6“) als Zahlen an.</translation>
    </message>
    <message>
        <source>Distance from the lens:</source>
        <translation>Entfernung vom Objektiv:</translation>
    </message>
    <message>
        <source>Horizontal angle of view:</source>
        <translation>Waagerechter Bildwinkel:</translation>
    </message>
    <message>
        <source>Vertical angle of view:</source>
        <translation>Senkrechter Bildwinkel:</translation>
    </message>
    <message>
        <source>Diagonal angle of view:</source>
        <translation>Diagonaler Bildwinkel:</translation>
    </message>
    <message>
        <source>Field at the subject:</source>
        <translation>Bildfeld am Motiv:</translation>
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
        <translation>Grundlage:</translation>
    </message>
    <message>
        <source>Print or screen:</source>
        <translation>Abzug oder Bildschirm:</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>Betrachtungsabstand:</translation>
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
    <message>
        <source>A print seen by eye</source>
        <translation>Ein Abzug, mit dem Auge betrachtet</translation>
    </message>
    <message>
        <source>Sharp to the pixel</source>
        <translation>Scharf bis zum Pixel</translation>
    </message>
    <message>
        <source>A convention</source>
        <translation>Eine Konvention</translation>
    </message>
    <message>
        <source>d/%1, a convention</source>
        <translation>d/%1, eine Konvention</translation>
    </message>
    <message>
        <source>%1 pixel</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>The print&apos;s size is not one of the list nor a size such as 20x30cm or 8x10in.</source>
        <translation>Die Größe des Abzugs steht weder in der Liste, noch ist sie eine Größe wie 20x30cm oder 8x10in.</translation>
    </message>
    <message>
        <source>The viewing distance must be a distance such as 36 cm or 14 in.</source>
        <translation>Der Betrachtungsabstand muss eine Entfernung wie 36 cm oder 14 in sein.</translation>
    </message>
    <message>
        <source>The pixel pitch must be a positive number of micrometres.</source>
        <translation>Der Pixelabstand muss eine positive Zahl von Mikrometern sein.</translation>
    </message>
    <message>
        <source>Give the sensor&apos;s width in pixels, or the pixel pitch.</source>
        <translation>Geben Sie die Breite des Sensors in Pixeln oder den Pixelabstand an.</translation>
    </message>
    <message>
        <source>Choose where the circle of confusion comes from.</source>
        <translation>Wählen Sie, woher der Zerstreuungskreis kommt.</translation>
    </message>
    <message>
        <source>27-inch 4K screen</source>
        <translation>27-Zoll-4K-Bildschirm</translation>
    </message>
    <message>
        <source>Phone at arm&apos;s length</source>
        <translation>Telefon auf Armlänge</translation>
    </message>
    <message>
        <source>Normal: 5 line pairs per mm at 25 cm</source>
        <translation>Normal: 5 Linienpaare pro mm auf 25 cm</translation>
    </message>
    <message>
        <source>Keen: 8</source>
        <translation>Scharf: 8</translation>
    </message>
    <message>
        <source>Critical: 10</source>
        <translation>Kritisch: 10</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>%1, sensor %2 × %3 mm</source>
        <translation>%1, Sensor %2 × %3 mm</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Abzug</translation>
    </message>
    <message>
        <source>Viewing distance</source>
        <translation>Betrachtungsabstand</translation>
    </message>
    <message>
        <source>Eyesight</source>
        <translation>Sehschärfe</translation>
    </message>
    <message>
        <source>Blur on the print</source>
        <translation>Unschärfe auf dem Abzug</translation>
    </message>
    <message>
        <source>Enlargement</source>
        <translation>Vergrößerung</translation>
    </message>
    <message>
        <source>On the sensor</source>
        <translation>Auf dem Sensor</translation>
    </message>
    <message>
        <source>For 36 × 24 mm</source>
        <translation>Für 36 × 24 mm</translation>
    </message>
    <message>
        <source>Pixel pitch</source>
        <translation>Pixelabstand</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (1 ÷ %2 line pairs per mm × %3 mm ÷ 250 mm)</source>
        <translation>%1 (1 ÷ %2 Linienpaare pro mm × %3 mm ÷ 250 mm)</translation>
    </message>
    <message>
        <source>%1 (the print&apos;s shape differs from the sensor&apos;s %2 × %3 mm: the picture fills it and is cropped)</source>
        <translation>%1 (das Format des Abzugs weicht von dem des Sensors mit %2 × %3 mm ab: das Bild füllt ihn und wird beschnitten)</translation>
    </message>
    <message>
        <source>%1 (%2 mm ÷ %3 pixels)</source>
        <translation>%1 (%2 mm ÷ %3 Pixel)</translation>
    </message>
    <message>
        <source>For %1</source>
        <translation>Für %1</translation>
    </message>
    <message>
        <source>These numbers give no circle of confusion to calculate with: for 36 × 24 mm it must be from %1 mm to %2 mm.</source>
        <translation>Diese Zahlen ergeben keinen Zerstreuungskreis, mit dem sich rechnen lässt: Für 36 × 24 mm muss er zwischen %1 mm und %2 mm liegen.</translation>
    </message>
</context>
<context>
    <name>Close-Up</name>
    <message>
        <source>Choose an aperture and a circle of confusion first.</source>
        <translation>Wählen Sie zuerst eine Blende und einen Zerstreuungskreis.</translation>
    </message>
    <message>
        <source>The pupil magnification must be a positive number.</source>
        <translation>Der Pupillenmaßstab muss eine positive Zahl sein.</translation>
    </message>
    <message>
        <source>With this extension the magnification is at least %1.</source>
        <translation>Mit diesem Auszug ist der Abbildungsmaßstab mindestens %1.</translation>
    </message>
    <message>
        <source>The subject must be farther from the lens than its focal length.</source>
        <translation>Das Motiv muss weiter vom Objektiv entfernt sein als seine Brennweite.</translation>
    </message>
    <message>
        <source>The overlap must be from 0 to 90 %.</source>
        <translation>Die Überlappung muss zwischen 0 und 90 % liegen.</translation>
    </message>
    <message>
        <source>The plan would take more than 10,000 shots.</source>
        <translation>Der Plan bräuchte mehr als 10.000 Aufnahmen.</translation>
    </message>
    <message>
        <source>The depth to cover must be a positive length.</source>
        <translation>Die abzudeckende Tiefe muss eine positive Länge sein.</translation>
    </message>
    <message>
        <source>Where each shot is sharp</source>
        <translation>Wo jede Aufnahme scharf ist</translation>
    </message>
    <message>
        <source>“%1” is not a magnification: type one such as 0.5, 0.5x or 1:2.</source>
        <translation>„%1“ ist kein Abbildungsmaßstab: tippen Sie etwa 0,5, 0,5x oder 1:2.</translation>
    </message>
    <message>
        <source>Type the magnification (such as 1:2) or the subject distance.</source>
        <translation>Tippen Sie den Abbildungsmaßstab (etwa 1:2) oder die Motiventfernung.</translation>
    </message>
    <message>
        <source>“%1” is not a distance.</source>
        <translation>„%1“ ist keine Entfernung.</translation>
    </message>
    <message>
        <source>The camera&apos;s sensor size is not known.</source>
        <translation>Die Sensorgröße der Kamera ist nicht bekannt.</translation>
    </message>
    <message>
        <source>f/%1 (%2 stops of light lost)</source>
        <translation>f/%1 (%2 Blendenstufen Lichtverlust)</translation>
    </message>
    <message>
        <source>At the working aperture f/%1 diffraction blurs more than the circle of confusion (%2 mm).</source>
        <translation>Bei der effektiven Blende f/%1 verwischt die Beugung mehr als der Zerstreuungskreis (%2 mm).</translation>
    </message>
    <message>
        <source>One shot holds the range: focus at %1.</source>
        <translation>Eine Aufnahme fasst den Bereich: fokussieren Sie auf %1.</translation>
    </message>
    <message>
        <source>Type the depth the stack must cover.</source>
        <translation>Tippen Sie die Tiefe, die der Stapel abdecken muss.</translation>
    </message>
    <message>
        <source>One shot holds the depth: its far limit is at infinity.</source>
        <translation>Eine Aufnahme fasst die Tiefe: ihre Fernpunktgrenze liegt im Unendlichen.</translation>
    </message>
    <message>
        <source>Focus at</source>
        <translation>Fokus auf</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Scharf ab</translation>
    </message>
    <message>
        <source>Sharp to</source>
        <translation>Scharf bis</translation>
    </message>
    <message>
        <source>%1 shots, from the far end to the near one, each overlapping the next by %2 % of its depth.</source>
        <translation>%1 Aufnahmen, vom fernen zum nahen Ende, jede mit der nächsten um %2 % ihrer Tiefe überlappend.</translation>
    </message>
    <message>
        <source>Distances in %1.</source>
        <translation>Entfernungen in %1.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 shots at %2, a step of %3 (by wave optics, %4), each overlapping the next by %5 % of its depth.</source>
        <translation>%1 Aufnahmen bei %2, Schrittweite %3 (nach Wellenoptik %4), jede mit der nächsten um %5 % ihrer Tiefe überlappend.</translation>
    </message>
    <message>
        <source>Positions in millimetres from the first; each shot is sharp about half its depth either side.</source>
        <translation>Positionen in Millimetern ab der ersten; jede Aufnahme ist etwa ihre halbe Tiefe zu beiden Seiten scharf.</translation>
    </message>
    <message>
        <source>Where each shot is sharp, from the lens at the first position</source>
        <translation>Wo jede Aufnahme scharf ist, vom Objektiv in der ersten Position</translation>
    </message>
    <message>
        <source>Focus Stacking Plan</source>
        <translation>Plan für Focus-Stacking</translation>
    </message>
    <message>
        <source>The extension must be from 0 to 10,000 mm.</source>
        <translation>Der Auszug muss zwischen 0 und 10.000 mm liegen.</translation>
    </message>
    <message>
        <source>The magnification must be a positive number up to 1000.</source>
        <translation>Der Abbildungsmaßstab muss eine positive Zahl bis 1000 sein.</translation>
    </message>
    <message>
        <source>Aperture f/%1.</source>
        <translation>Blende f/%1.</translation>
    </message>
</context>
<context>
    <name>Close-Up and Stacking</name>
    <message>
        <source>Refocusing the lens</source>
        <translation>Nachfokussieren</translation>
    </message>
    <message>
        <source>Moving on a rail</source>
        <translation>Einstellschlitten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Close-Up and Stacking</source>
        <translation>Nahaufnahme und Focus-Stacking</translation>
    </message>
    <message>
        <source>Magnification:</source>
        <translation>Abbildungsmaßstab:</translation>
    </message>
    <message>
        <source>Extension (mm):</source>
        <translation>Auszug (mm):</translation>
    </message>
    <message>
        <source>Pupil magnification:</source>
        <translation>Pupillenmaßstab:</translation>
    </message>
    <message>
        <source>Stack by:</source>
        <translation>Stapeln durch:</translation>
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
        <source>Depth to cover (mm):</source>
        <translation>Abzudeckende Tiefe (mm):</translation>
    </message>
    <message>
        <source>Overlap (%):</source>
        <translation>Überlappung (%):</translation>
    </message>
    <message>
        <source>Reproduction ratio:</source>
        <translation>Abbildungsverhältnis:</translation>
    </message>
    <message>
        <source>Subject distance:</source>
        <translation>Motiventfernung:</translation>
    </message>
    <message>
        <source>Working aperture:</source>
        <translation>Effektive Blende:</translation>
    </message>
    <message>
        <source>Depth of field (classic):</source>
        <translation>Schärfentiefe (klassisch):</translation>
    </message>
    <message>
        <source>Depth of field (wave optics):</source>
        <translation>Schärfentiefe (Wellenoptik):</translation>
    </message>
    <message>
        <source>Airy disc:</source>
        <translation>Airy-Scheibchen:</translation>
    </message>
    <message>
        <source>Field at the subject:</source>
        <translation>Bildfeld am Motiv:</translation>
    </message>
    <message>
        <source>Subject to sensor:</source>
        <translation>Motiv bis Sensor:</translation>
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
        <source>Focus stacking plan</source>
        <translation>Plan für Focus-Stacking</translation>
    </message>
    <message>
        <source>Focus stacking chart</source>
        <translation>Diagramm für Focus-Stacking</translation>
    </message>
    <message>
        <source>Or lens focused at:</source>
        <translation>Oder fokussiert auf:</translation>
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
    <name>Command line</name>
    <message>
        <source>Usage: vextondof [Qt options]
       vextondof --help | --version | --list-cameras
</source>
        <translation>Aufruf: vextondof [Qt-Optionen]
       vextondof --help | --version | --list-cameras
</translation>
    </message>
    <message>
        <source>Vexton.DOF.CE, a depth-of-field calculator for photographers: pick a camera
or film format, a focal length, an aperture, a unit and a circle of
confusion, type the subject distance, press Calculate.

Without a verb it opens its window; Qt&apos;s options (-platform NAME,
-style NAME, ...) work as in any Qt program. The verbs answer in the
terminal, with no window and no display (&apos;vextondof VERB --help&apos;).
--list-cameras writes the camera list&apos;s names, one a line.

Your five list choices are kept in vextondof.ini beside a copy of the program
not installed with the system where you may create files in its folder,
otherwise in
$XDG_CONFIG_HOME/vextondof/vextondof.ini (~/.config/vextondof/vextondof.ini).
</source>
        <translation>Vexton.DOF.CE, ein Schärfentiefe-Rechner für Fotografen: Kamera oder
Filmformat, Brennweite, Blende, Einheit und Zerstreuungskreis wählen, die
Entfernung zum Motiv eingeben, auf Berechnen klicken.

Ohne Befehl öffnet es sein Fenster; die Optionen von Qt (-platform NAME,
-style NAME, ...) wirken wie in jedem Qt-Programm. Die Befehle antworten im
Terminal, ohne Fenster und ohne Bildschirm (&apos;vextondof BEFEHL --help&apos;).
--list-cameras schreibt die Namen der Kameraliste, einen je Zeile.

Ihre fünf Listenauswahlen werden in vextondof.ini neben einer Kopie des
Programms gespeichert, die nicht mit dem System installiert ist, wenn Sie in
ihrem Ordner Dateien anlegen dürfen, sonst in
$XDG_CONFIG_HOME/vextondof/vextondof.ini (~/.config/vextondof/vextondof.ini).
</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Usage: vextondof calculate [CHOICES] --distance TEXT [--diopter TEXT]

Writes the six results a press of Calculate shows, one a line, as the
results form shows them. A refused calculation says why on standard error
and exits 1; a choice or an option not understood exits 2.

  --distance TEXT      the subject distance, in the unit or with its own (&quot;3 m&quot;)
</source>
        <translation>Aufruf: vextondof calculate [AUSWAHL] --distance TEXT [--diopter TEXT]

Schreibt die sechs Ergebnisse, die ein Klick auf Berechnen zeigt, eines je
Zeile, wie das Ergebnisfenster sie zeigt. Eine abgelehnte Berechnung sagt den
Grund auf der Standardfehlerausgabe und endet mit 1; eine nicht verstandene
Auswahl oder Option endet mit 2.

  --distance TEXT      die Entfernung zum Motiv, in der Einheit oder mit eigener
                       (&quot;3 m&quot;)
</translation>
    </message>
    <message>
        <source>Usage: vextondof cameras [WORDS] [--format text|csv]
       vextondof cameras --add NAME --sensor WIDTHxHEIGHT
       vextondof cameras --remove NAME

Lists the cameras the words find, best first: the built-in cameras and film
formats, your own cameras, then lensfun&apos;s camera database. The words are
matched, in any case and order, against the maker, the model and its English
name (&quot;a7 iv&quot;, &quot;ilce-7m4&quot;, &quot;eos r5&quot;); without words every camera is
listed, in order. Finding none exits 1.

  --format text|csv    aligned columns (the default), or a CSV file with the
                       header name,maker,model,crop_factor,sensor_width_mm,
                       sensor_height_mm,mount,source
  --add NAME           adds a camera of your own, by its sensor:
  --sensor WxH         width and height in millimetres (&quot;6.17x4.55&quot;); its
                       crop factor is 43.27 mm over the sensor&apos;s diagonal
  --remove NAME        removes one of your cameras (the built-in ones stay)
</source>
        <translation>Aufruf: vextondof cameras [WÖRTER] [--format text|csv]
       vextondof cameras --add NAME --sensor BREITExHÖHE
       vextondof cameras --remove NAME

Listet die Kameras auf, die die Wörter finden, die beste zuerst: die
eingebauten Kameras und Filmformate, Ihre eigenen Kameras, dann die
Kameradatenbank von lensfun. Die Wörter werden, in beliebiger Schreibung und
Reihenfolge, mit dem Hersteller, dem Modell und seinem englischen Namen
verglichen (&quot;a7 iv&quot;, &quot;ilce-7m4&quot;, &quot;eos r5&quot;); ohne Wörter wird jede Kamera
aufgelistet, der Reihe nach. Wird keine gefunden, endet es mit 1.

  --format text|csv    ausgerichtete Spalten (Standard) oder eine CSV-Datei mit
                       der Kopfzeile name,maker,model,crop_factor,
                       sensor_width_mm,sensor_height_mm,mount,source
  --add NAME           fügt eine eigene Kamera hinzu, nach ihrem Sensor:
  --sensor BxH         Breite und Höhe in Millimetern (&quot;6.17x4.55&quot;); ihr
                       Crop-Faktor ist 43,27 mm durch die Sensordiagonale
  --remove NAME        entfernt eine Ihrer Kameras (die eingebauten bleiben)
</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unknown option %1; did you mean %2?</source>
        <translation>unbekannte Option %1; meinten Sie %2?</translation>
    </message>
    <message>
        <source>--format takes text or csv</source>
        <translation>--format nimmt text oder csv</translation>
    </message>
    <message>
        <source>--add NAME and --sensor WIDTHxHEIGHT go together</source>
        <translation>--add NAME und --sensor BREITExHÖHE gehören zusammen</translation>
    </message>
    <message>
        <source>--add and --remove each stand alone</source>
        <translation>--add und --remove stehen jeweils allein</translation>
    </message>
    <message>
        <source>Added %1: crop factor %2.</source>
        <translation>%1 hinzugefügt: Crop-Faktor %2.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>No camera matches &quot;%1&quot;.</source>
        <translation>Keine Kamera passt zu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Usage: vextondof chart [CHOICES] [--distance TEXT] [--view zone|limits]
                       [--apertures FROM:TO] [--steps whole|half|third]
                       --format svg|png|pdf [--output FILE] [--paper a4|letter]

Draws the DOF chart the chart form shows for these choices, as an image or
a PDF page, with no window and no display.

  --distance TEXT      the focus distance: the sharp zone&apos;s, marked on the limits
  --view VIEW          zone (the sharp zone of each aperture at the distance,
                       the default) or limits (the near and far limits of each
                       aperture by focus distance)
  --apertures FROM:TO  apertures from FROM to TO (default f/2.8:f/22, widened to
                       the aperture chosen, which is emphasised)
  --steps STEPS        whole, half or third stops between them (default whole)
  --format FORMAT      svg, png (at twice its size) or pdf (a page under the
                       table&apos;s heading); by default the --output file&apos;s ending
  --output FILE        written whole or not at all (needed on a terminal)
  --paper PAPER        a4 or letter, for a PDF (default: your locale&apos;s)
</source>
        <translation>Aufruf: vextondof chart [AUSWAHL] [--distance TEXT] [--view zone|limits]
                       [--apertures VON:BIS] [--steps whole|half|third]
                       --format svg|png|pdf [--output DATEI] [--paper a4|letter]

Zeichnet das Schärfentiefe-Diagramm, das das Diagrammfenster für diese Auswahl
zeigt, als Bild oder PDF-Seite, ohne Fenster und ohne Bildschirm.

  --distance TEXT      die Fokusentfernung: die der scharfen Zone, auf den
                       Grenzen markiert
  --view ANSICHT       zone (die scharfe Zone jeder Blende in der Entfernung,
                       der Standard) oder limits (die Nah- und Ferngrenze jeder
                       Blende nach Fokusentfernung)
  --apertures VON:BIS  Blenden von VON bis BIS (Standard f/2.8:f/22, erweitert
                       um die gewählte Blende, die hervorgehoben wird)
  --steps STUFEN       whole, half oder third: ganze, halbe oder Drittelstufen
                       dazwischen (Standard whole)
  --format FORMAT      svg, png (in doppelter Größe) oder pdf (eine Seite unter
                       der Kopfzeile der Tabelle); ohne es die Endung der
                       --output-Datei
  --output DATEI       ganz oder gar nicht geschrieben (im Terminal nötig)
  --paper PAPIER       a4 oder letter, für ein PDF (Standard: das Ihres Gebiets-
                       schemas)
</translation>
    </message>
    <message>
        <source>--view takes zone or limits</source>
        <translation>--view nimmt zone oder limits</translation>
    </message>
    <message>
        <source>--steps takes whole, half or third</source>
        <translation>--steps nimmt whole, half oder third</translation>
    </message>
    <message>
        <source>--format takes svg, png or pdf</source>
        <translation>--format nimmt svg, png oder pdf</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter</source>
        <translation>--paper nimmt a4 oder letter</translation>
    </message>
    <message>
        <source>--output needs a file name (- for standard output)</source>
        <translation>--output braucht einen Dateinamen (- für die Standardausgabe)</translation>
    </message>
    <message>
        <source>--format takes svg, png or pdf (or an --output file ending in one of them)</source>
        <translation>--format nimmt svg, png oder pdf (oder eine --output-Datei, die auf eines davon endet)</translation>
    </message>
    <message>
        <source>--distance takes one distance</source>
        <translation>--distance nimmt eine Entfernung</translation>
    </message>
    <message>
        <source>The sharp zone is drawn at a distance: give one with --distance.</source>
        <translation>Die scharfe Zone wird bei einer Entfernung gezeichnet: geben Sie eine mit --distance an.</translation>
    </message>
    <message>
        <source>no chart can be drawn here</source>
        <translation>hier kann kein Diagramm gezeichnet werden</translation>
    </message>
    <message>
        <source>--camera &quot;%1&quot; could be %2; give more of the name</source>
        <translation>--camera &quot;%1&quot; könnte %2 sein; geben Sie mehr vom Namen an</translation>
    </message>
    <message>
        <source>another copy of Vexton.DOF.CE holds your settings, so your choices cannot be read; try again, or give every choice as an option (--camera, --focal-length, --aperture, --unit, --cofc).</source>
        <translation>eine andere Instanz von Vexton.DOF.CE hält Ihre Einstellungen, daher kann Ihre Auswahl nicht gelesen werden; versuchen Sie es erneut, oder geben Sie jede Auswahl als Option an (--camera, --focal-length, --aperture, --unit, --cofc).</translation>
    </message>
    <message>
        <source>the configuration folder %1 is not yours: your stored choices were not read.</source>
        <translation>der Konfigurationsordner %1 gehört nicht Ihnen: Ihre gespeicherte Auswahl wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not in the list and is not a number; nearest: %3</source>
        <translation>%1 &quot;%2&quot; steht nicht in der Liste und ist keine Zahl; am nächsten: %3</translation>
    </message>
    <message>
        <source>no %1 begins with &quot;%2&quot;; nearest: %3</source>
        <translation>kein Listeneintrag für %1 beginnt mit &quot;%2&quot;; am nächsten: %3</translation>
    </message>
    <message>
        <source>--cofc %1 needs the camera&apos;s sensor size</source>
        <translation>--cofc %1 braucht die Sensorgröße der Kamera</translation>
    </message>
    <message>
        <source>--cofc print: takes a print and where it is seen from (&quot;print:20x30cm@36cm&quot;)</source>
        <translation>--cofc print: nimmt einen Abzug und den Betrachtungsabstand (&quot;print:20x30cm@36cm&quot;)</translation>
    </message>
    <message>
        <source>--cofc pixels: takes how many pixels (&quot;pixels:2&quot;)</source>
        <translation>--cofc pixels: nimmt, wie viele Pixel (&quot;pixels:2&quot;)</translation>
    </message>
    <message>
        <source>--cofc pixels: needs the camera&apos;s width in pixels, which %1&apos;s data does not give; vextondof coc --pitch gives the circle from the pixel pitch</source>
        <translation>--cofc pixels: braucht die Breite der Kamera in Pixeln, die die Daten von %1 nicht angeben; vextondof coc --pitch gibt den Kreis aus dem Pixelabstand</translation>
    </message>
    <message>
        <source>--apertures takes FROM:TO, two apertures (&quot;f/4:f/16&quot;, &quot;2.8:6.3&quot;)</source>
        <translation>--apertures nimmt VON:BIS, zwei Blenden (&quot;f/4:f/16&quot;, &quot;2.8:6.3&quot;)</translation>
    </message>
    <message>
        <source>camera</source>
        <translation>die Kamera</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>die Brennweite</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>die Blende</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>die Einheit</translation>
    </message>
    <message>
        <source>circle of confusion</source>
        <translation>der Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Usage: vextondof coc [--camera TEXT] --print SIZE [--viewing DISTANCE]
                     [--eyesight normal|keen|critical]
       vextondof coc [--camera TEXT] --pixels WIDTH | --pitch SIZE [--factor N]

Works out the circle of confusion that fits the picture, for the camera
chosen, and prints each step and the result as the Circle of Confusion
form shows them: on the sensor, and for 36 x 24 mm (what --cofc and the
main form&apos;s list hold).

  --print SIZE         the print or screen: &quot;20x30cm&quot;, &quot;8x10in&quot;, &quot;A4&quot;
  --viewing DISTANCE   where it is seen from (&quot;36cm&quot;, &quot;14in&quot;; default: its diagonal)
  --eyesight WHICH     normal (5 line pairs per mm at 25 cm), keen (8), critical (10)
  --pixels WIDTH       the sensor&apos;s width in pixels (default: the camera&apos;s, where known)
  --pitch SIZE         the pixel pitch instead (&quot;4.35um&quot;, &quot;0.00435mm&quot;)
  --factor N           how many pixels the circle spans (default 2)
</source>
        <translation>Aufruf: vextondof coc [--camera TEXT] --print GRÖSSE [--viewing ENTFERNUNG]
                     [--eyesight normal|keen|critical]
       vextondof coc [--camera TEXT] --pixels BREITE | --pitch GRÖSSE [--factor N]

Ermittelt den Zerstreuungskreis, der zum Bild passt, für die gewählte Kamera,
und schreibt jeden Schritt und das Ergebnis, wie das Fenster Zerstreuungskreis
sie zeigt: auf dem Sensor und für 36 x 24 mm (was --cofc und die Liste des
Hauptfensters enthalten).

  --print GRÖSSE       der Abzug oder Bildschirm: &quot;20x30cm&quot;, &quot;8x10in&quot;, &quot;A4&quot;
  --viewing ENTFERNUNG woher er betrachtet wird (&quot;36cm&quot;, &quot;14in&quot;; Standard:
                       seine Diagonale)
  --eyesight WELCHE    normal (5 Linienpaare pro mm auf 25 cm), keen (8),
                       critical (10)
  --pixels BREITE      die Breite des Sensors in Pixeln (Standard: die der
                       Kamera, wo bekannt)
  --pitch GRÖSSE       stattdessen der Pixelabstand (&quot;4.35um&quot;, &quot;0.00435mm&quot;)
  --factor N           wie viele Pixel der Kreis überspannt (Standard 2)
</translation>
    </message>
    <message>
        <source>coc takes --print, or --pixels or --pitch</source>
        <translation>coc nimmt --print, oder --pixels oder --pitch</translation>
    </message>
    <message>
        <source>The camera&apos;s sensor size is not known.</source>
        <translation>Die Sensorgröße der Kamera ist nicht bekannt.</translation>
    </message>
    <message>
        <source>--print takes a size: &quot;20x30cm&quot;, &quot;8x10in&quot;, &quot;A4&quot;</source>
        <translation>--print nimmt eine Größe: &quot;20x30cm&quot;, &quot;8x10in&quot;, &quot;A4&quot;</translation>
    </message>
    <message>
        <source>--viewing takes a distance: &quot;36cm&quot;, &quot;14in&quot;</source>
        <translation>--viewing nimmt eine Entfernung: &quot;36cm&quot;, &quot;14in&quot;</translation>
    </message>
    <message>
        <source>--eyesight takes normal, keen or critical</source>
        <translation>--eyesight nimmt normal, keen oder critical</translation>
    </message>
    <message>
        <source>--factor takes how many pixels, 1 to 100</source>
        <translation>--factor nimmt, wie viele Pixel, 1 bis 100</translation>
    </message>
    <message>
        <source>--pitch takes a size: &quot;4.35um&quot;, &quot;0.00435mm&quot;</source>
        <translation>--pitch nimmt eine Größe: &quot;4.35um&quot;, &quot;0.00435mm&quot;</translation>
    </message>
    <message>
        <source>The camera&apos;s width in pixels is not known; give --pixels or --pitch.</source>
        <translation>Die Breite der Kamera in Pixeln ist nicht bekannt; geben Sie --pixels oder --pitch an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command; did you mean %2?</source>
        <translation>&quot;%1&quot; ist kein Befehl; meinten Sie %2?</translation>
    </message>
    <message>
        <source>Try &apos;vextondof --help&apos;.</source>
        <translation>Siehe &apos;vextondof --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Try &apos;vextondof %1 --help&apos;.</source>
        <translation>Siehe &apos;vextondof %1 --help&apos;.</translation>
    </message>
    <message>
        <source>%1 needs %2 TEXT</source>
        <translation>%1 braucht %2 TEXT</translation>
    </message>
    <message>
        <source>Validation Error: </source>
        <translation>Eingabefehler: </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Hinweis: </translation>
    </message>
    <message>
        <source>%1 is read from each photo; photo takes --unit and --cofc</source>
        <translation>%1 wird aus jedem Foto gelesen; photo nimmt --unit und --cofc</translation>
    </message>
    <message>
        <source>photo needs at least one FILE</source>
        <translation>photo braucht mindestens eine DATEI</translation>
    </message>
    <message>
        <source>Usage: vextondof plan [CHOICES] --near TEXT [--far TEXT|inf] [--background TEXT]

Plans a shot backwards, as the Plan Focus form does: from the nearest and
farthest points that must be sharp, where to focus, which aperture to set,
what diffraction does there and how blurred the background is. What is
refused is said on standard error (exit 1); the results that could be made
are written all the same.

  --near TEXT          the nearest point that must be sharp, in the unit
  --far TEXT|inf       the farthest (default: infinity)
  --background TEXT    where the background is (default: infinity)
</source>
        <translation>Aufruf: vextondof plan [AUSWAHL] --near TEXT [--far TEXT|inf] [--background TEXT]

Plant eine Aufnahme rückwärts, wie das Fenster Fokus planen: aus dem nächsten
und dem fernsten Punkt, die scharf sein müssen, wohin fokussiert wird, welche
Blende einzustellen ist, was die Beugung dort bewirkt und wie unscharf der
Hintergrund ist. Was abgelehnt wird, steht auf der Standardfehlerausgabe
(Rückgabewert 1); die Ergebnisse, die ermittelt werden konnten, werden
trotzdem geschrieben.

  --near TEXT          der nächste Punkt, der scharf sein muss, in der Einheit
  --far TEXT|inf       der fernste (Standard: unendlich)
  --background TEXT    wo der Hintergrund ist (Standard: unendlich)
</translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>Usage: vextondof table [CHOICES] [--distance TEXT] [--distances &quot;LIST&quot;]
                       [--apertures FROM:TO] [--steps whole|half|third]
                       [--show limits|split|total]
                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]

Writes the DOF table the table form shows for these choices.

  --distance TEXT      a focus distance added to the default rows, marked
  --distances &quot;LIST&quot;   the rows: distances separated by spaces
  --apertures FROM:TO  the columns: apertures from FROM to TO (default f/2.8:f/22,
                       widened to the aperture chosen, which is a column)
  --steps STEPS        whole, half or third stops between them (default whole)
  --show WHAT          limits (near - far), split (in front / behind) or total
  --format FORMAT      text (the table, aligned), csv (for programs: a line for
                       each distance and aperture, &quot;%f&quot; numbers, &quot;.&quot;, inf) or pdf
  --output FILE        written whole or not at all (a PDF needs one on a terminal)
  --paper PAPER        a4 or letter, for a PDF (default: your locale&apos;s)
</source>
        <translation>Aufruf: vextondof table [AUSWAHL] [--distance TEXT] [--distances &quot;LISTE&quot;]
                       [--apertures VON:BIS] [--steps whole|half|third]
                       [--show limits|split|total]
                       [--format text|csv|pdf] [--output DATEI] [--paper a4|letter]

Schreibt die Schärfentiefe-Tabelle, die das Tabellenfenster für diese Auswahl
zeigt.

  --distance TEXT      eine Fokusentfernung, zu den Standardzeilen hinzugefügt,
                       markiert
  --distances &quot;LISTE&quot;  die Zeilen: Entfernungen, durch Leerzeichen getrennt
  --apertures VON:BIS  die Spalten: Blenden von VON bis BIS (Standard
                       f/2.8:f/22, erweitert um die gewählte Blende, die eine
                       Spalte ist)
  --steps STUFEN       whole, half oder third: ganze, halbe oder Drittelstufen
                       dazwischen (Standard whole)
  --show WAS           limits (nah - fern), split (davor / dahinter) oder total
  --format FORMAT      text (die Tabelle, ausgerichtet), csv (für Programme,
                       immer auf Englisch: eine Zeile je Entfernung und Blende,
                       Zahlen wie &quot;%f&quot;, &quot;.&quot;, inf) oder pdf
  --output DATEI       ganz oder gar nicht geschrieben (ein PDF braucht im
                       Terminal eine)
  --paper PAPIER       a4 oder letter, für ein PDF (Standard: das Ihres Gebiets-
                       schemas)
</translation>
    </message>
    <message>
        <source>--show takes limits, split or total</source>
        <translation>--show nimmt limits, split oder total</translation>
    </message>
    <message>
        <source>--format takes text, csv or pdf</source>
        <translation>--format nimmt text, csv oder pdf</translation>
    </message>
    <message>
        <source>no PDF could be made here</source>
        <translation>hier konnte kein PDF erstellt werden</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file: nothing was written</source>
        <translation>%1 ist ein Ordner, keine Datei: nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1 is a device or a pipe, not a file: nothing was written</source>
        <translation>%1 ist ein Gerät oder eine Pipe, keine Datei: nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>a PDF or an image goes to a file (--output FILE) or a pipe, not to a terminal</source>
        <translation>ein PDF oder ein Bild geht in eine Datei (--output DATEI) oder eine Pipe, nicht in ein Terminal</translation>
    </message>
    <message>
        <source>The sensor size must be two numbers of millimetres from 0.001 to 1000, width x height (&quot;6.17x4.55&quot;).</source>
        <translation>Die Sensorgröße muss aus zwei Zahlen in Millimetern von 0,001 bis 1000 bestehen, Breite x Höhe (&quot;6.17x4.55&quot;).</translation>
    </message>
    <message>
        <source>--pixels takes the sensor&apos;s width in pixels, a whole number</source>
        <translation>--pixels nimmt die Breite des Sensors in Pixeln, eine ganze Zahl</translation>
    </message>
    <message>
        <source>       vextondof calculate [CHOICES] --distance TEXT [--diopter TEXT]
</source>
        <translation>       vextondof calculate [AUSWAHL] --distance TEXT [--diopter TEXT]
</translation>
    </message>
    <message>
        <source>       vextondof cameras [WORDS] [--format text|csv]
</source>
        <translation>       vextondof cameras [WÖRTER] [--format text|csv]
</translation>
    </message>
    <message>
        <source>       vextondof chart [CHOICES] [--distance TEXT] [--view zone|limits]
                       [--apertures FROM:TO] [--steps whole|half|third]
                       --format svg|png|pdf [--output FILE] [--paper a4|letter]
</source>
        <translation>       vextondof chart [AUSWAHL] [--distance TEXT] [--view zone|limits]
                       [--apertures VON:BIS] [--steps whole|half|third]
                       --format svg|png|pdf [--output DATEI] [--paper a4|letter]
</translation>
    </message>
    <message>
        <source>       vextondof coc [CHOICES] --print SIZE [--viewing DISTANCE] [--eyesight WHICH]
       vextondof coc [CHOICES] --pixels WIDTH | --pitch SIZE [--factor N]
</source>
        <translation>       vextondof coc [AUSWAHL] --print GRÖSSE [--viewing ENTFERNUNG] [--eyesight WELCHE]
       vextondof coc [AUSWAHL] --pixels BREITE | --pitch GRÖSSE [--factor N]
</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command; the commands are %2</source>
        <translation>&quot;%1&quot; ist kein Befehl; die Befehle sind %2</translation>
    </message>
    <message>
        <source>       vextondof plan [CHOICES] --near TEXT [--far TEXT|inf] [--background TEXT]
</source>
        <translation>       vextondof plan [AUSWAHL] --near TEXT [--far TEXT|inf] [--background TEXT]
</translation>
    </message>
    <message>
        <source>       vextondof table [CHOICES] [--distance TEXT] [--distances &quot;LIST&quot;]
                       [--apertures FROM:TO] [--steps whole|half|third]
                       [--show limits|split|total]
                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]
</source>
        <translation>       vextondof table [AUSWAHL] [--distance TEXT] [--distances &quot;LISTE&quot;]
                       [--apertures VON:BIS] [--steps whole|half|third]
                       [--show limits|split|total]
                       [--format text|csv|pdf] [--output DATEI] [--paper a4|letter]
</translation>
    </message>
    <message>
        <source>yours (%1)</source>
        <translation>Ihre (%1)</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>Ihre</translation>
    </message>
    <message>
        <source>       vextondof closeup [CHOICES] --magnification M | --distance TEXT
                         [--extension MM] [--pupil P]
</source>
        <translation>       vextondof closeup [AUSWAHL] --magnification M | --distance TEXT
                         [--extension MM] [--pupil P]
</translation>
    </message>
    <message>
        <source>give --magnification or --distance, one of them</source>
        <translation>geben Sie --magnification oder --distance an, eines davon</translation>
    </message>
    <message>
        <source>       vextondof stack [CHOICES] --near TEXT [--far TEXT|inf] [--overlap PERCENT]
       vextondof stack [CHOICES] --magnification M --depth MM
                       [--extension MM] [--pupil P] [--overlap PERCENT]
                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]
</source>
        <translation>       vextondof stack [AUSWAHL] --near TEXT [--far TEXT|inf] [--overlap PROZENT]
       vextondof stack [AUSWAHL] --magnification M --depth MM
                       [--extension MM] [--pupil P] [--overlap PROZENT]
                       [--format text|csv|pdf] [--output DATEI] [--paper a4|letter]
</translation>
    </message>
    <message>
        <source>Usage: vextondof stack [CHOICES] --near TEXT [--far TEXT|inf] [--overlap PERCENT]
       vextondof stack [CHOICES] --magnification M --depth MM
                       [--extension MM] [--pupil P] [--overlap PERCENT]
                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]

Plans a focus stack, as the Close-Up and Stacking form does: by refocusing
the lens from the farthest point to the nearest (--near), or by moving the
camera on a rail through a depth at one magnification (--magnification).

  --near TEXT          the nearest point that must be sharp, in the unit
  --far TEXT|inf       the farthest (default: infinity)
  --magnification M    on a rail: 0.5, 0.5x or 1:2
  --depth MM           the depth the stack must cover, in millimetres
  --extension MM       tubes or bellows behind the lens (default 0)
  --pupil P            the pupil magnification (default 1)
  --overlap PERCENT    of each shot&apos;s depth shared with the next (default 20)
  --format FORMAT      text (the plan, aligned), csv (for programs: &quot;%f&quot;
                       numbers, &quot;.&quot;, inf) or pdf
  --output FILE        written whole or not at all (a PDF needs one on a terminal)
  --paper PAPER        a4 or letter, for a PDF (default: your locale&apos;s)
</source>
        <translation>Aufruf: vextondof stack [AUSWAHL] --near TEXT [--far TEXT|inf] [--overlap PROZENT]
        vextondof stack [AUSWAHL] --magnification M --depth MM
                        [--extension MM] [--pupil P] [--overlap PROZENT]
                        [--format text|csv|pdf] [--output DATEI] [--paper a4|letter]

Plant einen Fokusstapel, wie das Fenster Nahaufnahme und Focus-Stacking: durch
Nachfokussieren vom fernsten Punkt zum nächsten (--near) oder durch Verschieben
der Kamera auf einem Einstellschlitten durch eine Tiefe bei einem
Abbildungsmaßstab (--magnification).

  --near TEXT          der nächste Punkt, der scharf sein muss, in der Einheit
  --far TEXT|inf       der fernste (Standard: unendlich)
  --magnification M    auf dem Schlitten: 0.5, 0.5x oder 1:2
  --depth MM           die Tiefe, die der Stapel abdecken muss, in Millimetern
  --extension MM       Zwischenringe oder Balgen hinter dem Objektiv (Standard 0)
  --pupil P            der Pupillenmaßstab (Standard 1)
  --overlap PROZENT    Anteil der Tiefe jeder Aufnahme, den die nächste teilt
                       (Standard 20)
  --format FORMAT      text (der Plan, ausgerichtet), csv (für Programme:
                       Zahlen wie &quot;%f&quot;, &quot;.&quot;, inf) oder pdf
  --output DATEI       ganz oder gar nicht geschrieben (ein PDF braucht eine am
                       Terminal)
  --paper PAPIER       a4 oder letter, für ein PDF (Standard: das Ihres Gebietsschemas)
</translation>
    </message>
    <message>
        <source>give --near or --magnification, one of them</source>
        <translation>geben Sie --near oder --magnification an, eines davon</translation>
    </message>
    <message>
        <source>--depth, --extension and --pupil go with --magnification</source>
        <translation>--depth, --extension und --pupil gehören zu --magnification</translation>
    </message>
    <message>
        <source>--magnification takes --depth, not --far</source>
        <translation>--magnification nimmt --depth, nicht --far</translation>
    </message>
    <message>
        <source>       vextondof frame [CHOICES] --distance TEXT | --width TEXT | --height TEXT
</source>
        <translation>       vextondof frame [AUSWAHL] --distance TEXT | --width TEXT | --height TEXT
</translation>
    </message>
    <message>
        <source>Usage: vextondof frame [CHOICES] --distance TEXT | --width TEXT | --height TEXT

Writes how the lens frames a shot: at a distance from the lens, or at the
distance that frames a subject of a given width or height, the horizontal,
vertical and diagonal angles of view and the field covered at the subject.

  --distance TEXT      the subject&apos;s distance from the lens, in the unit
  --width TEXT         or the width the frame must hold, in the unit
  --height TEXT        or the height the frame must hold, in the unit
</source>
        <translation>Aufruf: vextondof frame [AUSWAHL] --distance TEXT | --width TEXT | --height TEXT

Schreibt, wie das Objektiv eine Aufnahme rahmt: in einer Entfernung vom
Objektiv oder in der Entfernung, die ein Motiv gegebener Breite oder Höhe
rahmt, den waagerechten, senkrechten und diagonalen Bildwinkel und das
Bildfeld am Motiv.

  --distance TEXT      die Entfernung des Motivs vom Objektiv, in der Einheit
  --width TEXT         oder die Breite, die das Bild fassen muss, in der Einheit
  --height TEXT        oder die Höhe, die das Bild fassen muss, in der Einheit
</translation>
    </message>
    <message>
        <source>give one of --distance, --width and --height</source>
        <translation>geben Sie eines von --distance, --width und --height an</translation>
    </message>
    <message>
        <source>No lens matches &quot;%1&quot;.</source>
        <translation>Kein Objektiv passt zu „%1“.</translation>
    </message>
    <message>
        <source>       vextondof lenses [WORDS] [--format text|csv]
       vextondof lenses --add NAME --focal MM[-MM] --widest N[-N]
                        [--smallest N] [--min-focus TEXT] [--pupil P]
       vextondof lenses --remove NAME
</source>
        <translation>       vextondof lenses [WÖRTER] [--format text|csv]
       vextondof lenses --add NAME --focal MM[-MM] --widest N[-N]
                        [--smallest N] [--min-focus TEXT] [--pupil P]
       vextondof lenses --remove NAME
</translation>
    </message>
    <message>
        <source>Usage: vextondof lenses [WORDS] [--format text|csv]
       vextondof lenses --add NAME --focal MM[-MM] --widest N[-N]
                        [--smallest N] [--min-focus TEXT] [--pupil P]
       vextondof lenses --remove NAME

Lists your own lenses, then lensfun&apos;s, that the words find, best first: every
word, in any case and order, in the maker or the model, letters and digits
apart or run together (&quot;24-105 f4&quot;, &quot;ef 100 macro&quot;, &quot;xf 23&quot;); without
words every lens is listed, in order. Each with its focal range, its widest
aperture at each end and its mount. Finding none exits 1.

  --format text|csv    aligned columns (the default), or a CSV file with the
                       header name,maker,model,mount,focal_min_mm,focal_max_mm,
                       widest_at_min,widest_at_max,smallest,min_focus_m,
                       pupil_magnification,source
  --add NAME           adds a lens of your own:
  --focal MM[-MM]      its focal length, or its shortest and longest (&quot;24-105&quot;)
  --widest N[-N]       its widest aperture, or at each end (&quot;3.5-5.6&quot;)
  --smallest N         its smallest aperture (default 22)
  --min-focus TEXT     how near it focuses, from the sensor (&quot;0.45 m&quot;, &quot;18 in&quot;)
  --pupil P            its pupil magnification, when known
  --remove NAME        removes one of your lenses (lensfun&apos;s stay)
</source>
        <translation>Aufruf: vextondof lenses [WÖRTER] [--format text|csv]
        vextondof lenses --add NAME --focal MM[-MM] --widest N[-N]
                         [--smallest N] [--min-focus TEXT] [--pupil P]
        vextondof lenses --remove NAME

Listet Ihre eigenen Objektive, dann die von lensfun auf, die die Wörter
finden, das beste zuerst: jedes Wort, in beliebiger Schreibung und
Reihenfolge, im Hersteller oder im Modell, Buchstaben und Ziffern getrennt
oder zusammengeschrieben (&quot;24-105 f4&quot;, &quot;ef 100 macro&quot;, &quot;xf 23&quot;); ohne Wörter
werden alle aufgelistet, in ihrer Reihenfolge. Jedes mit seinem
Brennweitenbereich, seiner größten Blende an jedem Ende und seinem Bajonett.
Findet sich keines, ist der Rückgabewert 1.

  --format text|csv    ausgerichtete Spalten (Standard) oder eine CSV-Datei mit
                       der Kopfzeile name,maker,model,mount,focal_min_mm,
                       focal_max_mm,widest_at_min,widest_at_max,smallest,
                       min_focus_m,pupil_magnification,source
  --add NAME           fügt ein eigenes Objektiv hinzu:
  --focal MM[-MM]      seine Brennweite oder seine kürzeste und längste (&quot;24-105&quot;)
  --widest N[-N]       seine größte Blende oder die an jedem Ende (&quot;3.5-5.6&quot;)
  --smallest N         seine kleinste Blende (Standard 22)
  --min-focus TEXT     wie nah es fokussiert, vom Sensor aus (&quot;0.45 m&quot;, &quot;18 in&quot;)
  --pupil P            sein Pupillenmaßstab, wenn bekannt
  --remove NAME        entfernt eines Ihrer Objektive (die von lensfun bleiben)
</translation>
    </message>
    <message>
        <source>--add takes --focal MM[-MM] and --widest N[-N], as numbers</source>
        <translation>--add nimmt --focal MM[-MM] und --widest N[-N], als Zahlen</translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>%1 hinzugefügt.</translation>
    </message>
    <message>
        <source>--focal, --widest, --smallest, --min-focus and --pupil go with --add</source>
        <translation>--focal, --widest, --smallest, --min-focus und --pupil gehören zu --add</translation>
    </message>
    <message>
        <source>Usage: vextondof closeup [CHOICES] --magnification M | --distance TEXT
                         [--extension MM] [--pupil P]

Writes the numbers of one close-up shot, as the Close-Up and Stacking form
shows them: the magnification, the working aperture and the light lost, the
depth of field (classic, and by wave optics), the Airy disc, the field at
the subject and the subject&apos;s distance from the sensor, a line each.

  --magnification M    0.5, 0.5x or 1:2
  --distance TEXT      or where the lens is focused, in the unit (the subject&apos;s
                       distance from the lens when there is no extension)
  --extension MM       tubes or bellows behind the lens (default 0)
  --pupil P            the pupil magnification, exit over entrance (default 1)
</source>
        <translation>Aufruf: vextondof closeup [AUSWAHL] --magnification M | --distance TEXT
                          [--extension MM] [--pupil P]

Schreibt die Zahlen einer Nahaufnahme, wie das Fenster Nahaufnahme und
Focus-Stacking sie zeigt: den Abbildungsmaßstab, die effektive Blende und den
Lichtverlust, die Schärfentiefe (klassisch und nach Wellenoptik), das
Airy-Scheibchen, das Bildfeld am Motiv und den Abstand vom Motiv zum Sensor,
je eine Zeile.

  --magnification M    0.5, 0.5x oder 1:2
  --distance TEXT      oder wohin das Objektiv fokussiert ist, in der Einheit
                       (ohne Auszug die Entfernung des Motivs vom Objektiv)
  --extension MM       Zwischenringe oder Balgen hinter dem Objektiv (Standard 0)
  --pupil P            der Pupillenmaßstab, Austritts- durch Eintrittspupille
                       (Standard 1)
</translation>
    </message>
    <message>
        <source>--magnification needs --depth</source>
        <translation>--magnification braucht --depth</translation>
    </message>
    <message>
        <source>Choices (each the first entry of its list that begins with TEXT, in any case;
a number the list has no entry for is used as given; a choice left out is
your stored one, as the program keeps it):
  --camera TEXT        camera or film format (&quot;canon 20&quot;: Canon 20D)
  --focal-length TEXT  focal length in millimetres (&quot;50&quot;: 50.0; &quot;23 mm&quot;)
  --aperture TEXT      aperture (&quot;f/5.6&quot;; &quot;f/6.3&quot;, &quot;3&quot;: f/3)
  --unit TEXT          distance unit (&quot;m&quot;: meters)
  --cofc TEXT          circle of confusion in millimetres (&quot;0.03&quot;: 0.0300)
  --diopter TEXT       close-up lens diopter, as typed on the main form
  --lens WORDS         your lens, as vextondof lenses finds it (&quot;24-105 f4&quot;):
                       its focal lengths and apertures hold, and what is
                       nearer than it focuses is said
Numbers are read in your number settings (LC_ALL, LC_NUMERIC, LANG).
</source>
        <translation>Auswahl (jeweils der erste Eintrag ihrer Liste, der mit TEXT beginnt, in
beliebiger Schreibung; eine Zahl, für die die Liste keinen Eintrag hat, wird so
verwendet; eine weggelassene Auswahl ist Ihre gespeicherte, wie das Programm sie
speichert):
  --camera TEXT        Kamera oder Filmformat (&quot;canon 20&quot;: Canon 20D)
  --focal-length TEXT  Brennweite in Millimetern (&quot;50&quot;: 50.0; &quot;23 mm&quot;)
  --aperture TEXT      Blende (&quot;f/5.6&quot;; &quot;f/6.3&quot;, &quot;3&quot;: f/3)
  --unit TEXT          Entfernungseinheit (&quot;m&quot;: meters)
  --cofc TEXT          Zerstreuungskreis in Millimetern (&quot;0.03&quot;: 0.0300)
  --diopter TEXT       Dioptrien der Nahlinse, wie im Hauptfenster eingegeben
  --lens WÖRTER        Ihr Objektiv, wie vextondof lenses es findet (&quot;24-105 f4&quot;):
                       seine Brennweiten und Blenden gelten, und was näher liegt,
                       als es fokussiert, wird gesagt
Zahlen werden nach Ihren Zahleneinstellungen gelesen (LC_ALL, LC_NUMERIC, LANG).
</translation>
    </message>
    <message>
        <source>       vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] [--recursive]
                       FILE|FOLDER...
</source>
        <translation>       vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] [--recursive]
                       DATEI|ORDNER...
</translation>
    </message>
    <message>
        <source>Usage: vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] [--recursive]
                       FILE|FOLDER...

Reads what each photo records of its shot (camera, lens, focal length,
f-number, focus distance) and writes it with the depth of field of that
shot, as the Photo form shows it: LABEL: TEXT lines, a blank line between
photos, or with --format csv one line a photo:
  file,date,camera,lens,lens_found,focal_length_mm,focal_length_35mm,f_number,
  distance_m,distance_source,near,far,near_min,far_max,total,hyperfocal,unit,
  coc_mm,problem
Without a focus distance, the hyperfocal distance and the depth of field
focused at 1, 2, 3, 5 and 10 m and infinity (3 to 30 ft in feet).
A folder gives its photos, in the order of their names.
The unit and the circle of confusion are your stored choices unless given.
A file that cannot be read is named on standard error and the exit status
is 1; the others are still written.

  --format FORMAT      text (default) or csv (for programs: &quot;%f&quot; numbers, &quot;.&quot;, inf)
  --recursive          the photos of the folders&apos; subfolders too
</source>
        <translation>Aufruf: vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] [--recursive]
                        DATEI|ORDNER...

Liest, was jedes Foto von seiner Aufnahme verzeichnet (Kamera, Objektiv,
Brennweite, Blendenzahl, Fokusentfernung), und schreibt es mit der
Schärfentiefe dieser Aufnahme, wie das Fotofenster sie zeigt: Zeilen
BEZEICHNUNG: TEXT, eine Leerzeile zwischen den Fotos, oder mit --format csv
eine Zeile je Foto (für Programme, immer auf Englisch):
  file,date,camera,lens,lens_found,focal_length_mm,focal_length_35mm,f_number,
  distance_m,distance_source,near,far,near_min,far_max,total,hyperfocal,unit,
  coc_mm,problem
Ohne Fokusentfernung die hyperfokale Entfernung und die Schärfentiefe bei
Fokus auf 1, 2, 3, 5 und 10 m und unendlich (3 bis 30 ft in Fuß).
Ein Ordner steht für seine Fotos, in der Reihenfolge ihrer Namen.
Einheit und Zerstreuungskreis sind Ihre gespeicherte Auswahl, wenn nicht
angegeben. Eine Datei, die nicht gelesen werden kann, wird auf der
Standardfehlerausgabe genannt und der Rückgabewert ist 1; die anderen werden
trotzdem geschrieben.

  --format FORMAT      text (Standard) oder csv (für Programme: Zahlen wie &quot;%f&quot;,
                       &quot;.&quot;, inf)
  --recursive          auch die Fotos der Unterordner
</translation>
    </message>
    <message>
        <source>the folder %1 cannot be read</source>
        <translation>der Ordner %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the folder %1 holds no photos</source>
        <translation>der Ordner %1 enthält keine Fotos</translation>
    </message>
    <message>
        <source>reading photos: %1 of %2</source>
        <translation>Fotos werden gelesen: %1 von %2</translation>
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
        <translation>Schärfezone bei Fokus auf %1</translation>
    </message>
    <message>
        <source>Near and far limits by focus distance</source>
        <translation>Nah- und Ferngrenze nach Fokusentfernung</translation>
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
        <translation>Schärfezone bei dieser Entfernung</translation>
    </message>
    <message>
        <source>Limits by distance</source>
        <translation>Grenzen nach Entfernung</translation>
    </message>
    <message>
        <source>Type the focus distance to see the sharp zone there.</source>
        <translation>Geben Sie die Fokusentfernung ein, um die Schärfezone dort zu sehen.</translation>
    </message>
    <message>
        <source>Where each is focused</source>
        <translation>Wohin jede fokussiert ist</translation>
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
    <message>
        <source>No aperture lies between the two chosen.</source>
        <translation>Zwischen den beiden gewählten liegt keine Blende.</translation>
    </message>
    <message>
        <source>finer where the depth of field is shallow</source>
        <translation>feiner, wo die Schärfentiefe gering ist</translation>
    </message>
    <message>
        <source>Distances in %1, to the half inch (%2); Hyperfocal: the distance (and the nearest sharp point when focused there).</source>
        <translation>Entfernungen in %1, auf den halben Zoll (%2); Hyperfokal: die Distanz (und der nächste scharfe Punkt bei Fokus darauf).</translation>
    </message>
    <message>
        <source>Distances in %1, rounded to %2 (%3); Hyperfocal: the distance (and the nearest sharp point when focused there).</source>
        <translation>Entfernungen in %1, gerundet auf %2 (%3); Hyperfokal: die Distanz (und der nächste scharfe Punkt bei Fokus darauf).</translation>
    </message>
    <message>
        <source>Nearer than this lens focuses: %1 from the sensor.</source>
        <translation>Näher, als dieses Objektiv fokussiert: %1 vom Sensor.</translation>
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
    <message>
        <source>Close-Up and &amp;Stacking…</source>
        <translation>&amp;Nahaufnahme und Focus-Stacking…</translation>
    </message>
    <message>
        <source>Choose &amp;Lens…</source>
        <translation>&amp;Objektiv wählen…</translation>
    </message>
    <message>
        <source>Ope&amp;n Photos…</source>
        <translation>Foto&amp;s öffnen…</translation>
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
    <name>Framing</name>
    <message>
        <source>“%1” is not a length.</source>
        <translation>„%1“ ist keine Länge.</translation>
    </message>
    <message>
        <source>The subject must be farther from the lens than its focal length.</source>
        <translation>Das Motiv muss weiter vom Objektiv entfernt sein als seine Brennweite.</translation>
    </message>
    <message>
        <source>The subject&apos;s size must be a positive length.</source>
        <translation>Die Größe des Motivs muss eine positive Länge sein.</translation>
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
    <name>Lenses</name>
    <message>
        <source>&quot;%1&quot; names several lenses: %2.</source>
        <translation>„%1“ nennt mehrere Objektive: %2.</translation>
    </message>
    <message>
        <source>This lens has one focal length, %1 mm.</source>
        <translation>Dieses Objektiv hat eine Brennweite, %1 mm.</translation>
    </message>
    <message>
        <source>This lens reaches from %1 to %2 mm.</source>
        <translation>Dieses Objektiv reicht von %1 bis %2 mm.</translation>
    </message>
    <message>
        <source>At %1 mm this lens opens no wider than f/%2.</source>
        <translation>Bei %1 mm öffnet dieses Objektiv nicht weiter als f/%2.</translation>
    </message>
    <message>
        <source>This lens closes no further than f/%1.</source>
        <translation>Dieses Objektiv blendet nicht weiter ab als f/%1.</translation>
    </message>
    <message>
        <source>Your lenses file %1 is too large to be read.</source>
        <translation>Ihre Objektivdatei %1 ist zu groß, um gelesen zu werden.</translation>
    </message>
    <message>
        <source>Your lenses file %1 cannot be read.</source>
        <translation>Ihre Objektivdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Another copy of Vexton.DOF.CE holds your lenses file, so your lenses cannot be read now.</source>
        <translation>Eine andere Kopie von Vexton.DOF.CE hält Ihre Objektivdatei, daher können Ihre Objektive jetzt nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Your configuration folder is not yours, so your lenses cannot be kept.</source>
        <translation>Ihr Konfigurationsordner gehört nicht Ihnen, daher können Ihre Objektive nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>You have no lens named %1.</source>
        <translation>Sie haben kein Objektiv namens %1.</translation>
    </message>
    <message>
        <source>A lens needs a name.</source>
        <translation>Ein Objektiv braucht einen Namen.</translation>
    </message>
    <message>
        <source>A lens&apos;s name is one line, without tabs or control characters.</source>
        <translation>Der Name eines Objektivs ist eine Zeile, ohne Tabulatoren oder Steuerzeichen.</translation>
    </message>
    <message>
        <source>A lens&apos;s name is at most %1 characters long.</source>
        <translation>Der Name eines Objektivs ist höchstens %1 Zeichen lang.</translation>
    </message>
    <message>
        <source>Focal lengths are from 1 to 5000 mm, the longest not shorter than the shortest.</source>
        <translation>Brennweiten liegen zwischen 1 und 5000 mm, die längste nicht kürzer als die kürzeste.</translation>
    </message>
    <message>
        <source>Apertures are from f/0.5 to f/256, the smallest not wider than the widest.</source>
        <translation>Blenden liegen zwischen f/0.5 und f/256, die kleinste nicht weiter als die größte.</translation>
    </message>
    <message>
        <source>The minimum focus distance is from 0.01 to 1000 m.</source>
        <translation>Die Naheinstellgrenze liegt zwischen 0,01 und 1000 m.</translation>
    </message>
    <message>
        <source>The pupil magnification is from 0.05 to 20.</source>
        <translation>Der Pupillenmaßstab liegt zwischen 0,05 und 20.</translation>
    </message>
    <message>
        <source>You have a lens named %1 already.</source>
        <translation>Sie haben schon ein Objektiv namens %1.</translation>
    </message>
    <message>
        <source>%1 from the lens is nearer than this lens focuses: %2 from the sensor.</source>
        <translation>%1 vom Objektiv liegt näher, als dieses Objektiv fokussiert: %2 vom Sensor.</translation>
    </message>
    <message>
        <source>A lens of one focal length has one widest aperture.</source>
        <translation>Ein Objektiv mit einer Brennweite hat eine größte Blende.</translation>
    </message>
    <message>
        <source>Without extension this lens reaches at most %1×, at %2 m from the sensor.</source>
        <translation>Ohne Zwischenring erreicht dieses Objektiv höchstens %1×, bei %2 m vom Sensor.</translation>
    </message>
    <message>
        <source>Your lenses file %1 is full; remove a lens first.</source>
        <translation>Ihre Objektivdatei %1 ist voll; entfernen Sie zuerst ein Objektiv.</translation>
    </message>
    <message>
        <source>A zoom opens no wider at its long end than at its short end: the widest apertures go from the short end to the long one (“3.5-5.6”).</source>
        <translation>Ein Zoom öffnet am langen Ende nicht weiter als am kurzen: Die größten Blenden gehen vom kurzen Ende zum langen („3,5-5,6“).</translation>
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
    <message>
        <source>Custom…</source>
        <translation>Eigener…</translation>
    </message>
    <message>
        <source>Other lens…</source>
        <translation>Anderes Objektiv…</translation>
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
    <message>
        <source>Photos (*.jpg *.jpeg *.tif *.tiff *.dng *.png *.nef *.nrw *.cr2 *.arw *.orf *.rw2 *.pef *.raf *.srw *.JPG *.JPEG *.TIF *.TIFF *.DNG *.PNG *.NEF *.NRW *.CR2 *.ARW *.ORF *.RW2 *.PEF *.RAF *.SRW);;All files (*)</source>
        <translation>Fotos (*.jpg *.jpeg *.tif *.tiff *.dng *.png *.nef *.nrw *.cr2 *.arw *.orf *.rw2 *.pef *.raf *.srw *.JPG *.JPEG *.TIF *.TIFF *.DNG *.PNG *.NEF *.NRW *.CR2 *.ARW *.ORF *.RW2 *.PEF *.RAF *.SRW);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Foto öffnen</translation>
    </message>
    <message>
        <source>The lens could not be kept for the next run.

%1</source>
        <translation>Das Objektiv konnte nicht für den nächsten Start behalten werden.

%1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Open Photos</source>
        <translation>Fotos öffnen</translation>
    </message>
    <message>
        <source>There are no photos there.</source>
        <translation>Dort sind keine Fotos.</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 is not available: %2 could not be loaded.</source>
        <translation>%1 ist nicht verfügbar: %2 konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>%1 is not available: %2 is not the right module.</source>
        <translation>%1 ist nicht verfügbar: %2 ist nicht das richtige Modul.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Writing SVG</source>
        <translation>Das Schreiben von SVG</translation>
    </message>
    <message>
        <source>%1 is not available: %2 is not loaded, since another user could have changed it.</source>
        <translation>%1 ist nicht verfügbar: %2 wird nicht geladen, da ein anderer Benutzer es verändert haben könnte.</translation>
    </message>
    <message>
        <source>%1 is not available: %2 belongs to another build of the program.</source>
        <translation>%1 ist nicht verfügbar: %2 gehört zu einem anderen Build des Programms.</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>Das Fenster</translation>
    </message>
    <message>
        <source>lensfun&apos;s camera database</source>
        <translation>Kameradatenbank von lensfun</translation>
    </message>
</context>
<context>
    <name>Open Photos</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Focus distance</source>
        <translation>Fokusentfernung</translation>
    </message>
    <message>
        <source>Near</source>
        <translation>Nah</translation>
    </message>
    <message>
        <source>Far</source>
        <translation>Fern</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hyperfokal</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2…</source>
        <translation>Fotos werden gelesen: %1 von %2 …</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 photos read.</source>
        <translation>Abgebrochen: %1 von %2 Fotos gelesen.</translation>
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
        <source>Order read</source>
        <translation>Reihenfolge des Lesens</translation>
    </message>
    <message>
        <source>Photos read: %1.</source>
        <translation>Gelesene Fotos: %1.</translation>
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
    <message>
        <source>The PNG could not be made.</source>
        <translation>Das PNG konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1, %2, circle of confusion %3, distances in %4</source>
        <translation>%1, %2, Zerstreuungskreis %3, Entfernungen in %4</translation>
    </message>
    <message>
        <source>%1: %2, %3, circle of confusion %4, distances in %5</source>
        <translation>%1: %2, %3, Zerstreuungskreis %4, Entfernungen in %5</translation>
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
    <message>
        <source>The photo records its focus distance as unknown (0 in %1).</source>
        <translation>Das Foto verzeichnet seine Fokusentfernung als unbekannt (0 in %1).</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>Canon&apos;s maker note records the focus distance as beyond %1 (%2, %3), which cannot be calculated with.</source>
        <translation>Canons Herstellerangaben verzeichnen die Fokusentfernung als jenseits von %1 (%2, %3), womit nicht gerechnet werden kann.</translation>
    </message>
    <message>
        <source>Canon&apos;s maker note records the focus distance as between %1 and %2; the middle in dioptres, %3, is used.</source>
        <translation>Canons Herstellerangaben verzeichnen die Fokusentfernung als zwischen %1 und %2; die Mitte in Dioptrien, %3, wird verwendet.</translation>
    </message>
    <message>
        <source>the image</source>
        <translation>das Bild</translation>
    </message>
    <message>
        <source>The photo records an image size of %1 x %2 pixels (%3), which is not used.</source>
        <translation>Das Foto verzeichnet eine Bildgröße von %1 x %2 Pixeln (%3), die nicht verwendet wird.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is not a photo.</source>
        <translation>%1 ist kein Foto.</translation>
    </message>
    <message>
        <source>%1 is damaged: its metadata cannot be read.</source>
        <translation>%1 ist beschädigt: seine Metadaten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a photo.</source>
        <translation>%1 ist ein Ordner, kein Foto.</translation>
    </message>
    <message>
        <source>%1 is empty, not a photo.</source>
        <translation>%1 ist leer, kein Foto.</translation>
    </message>
    <message>
        <source>%1 is too large to be a photo this program reads.</source>
        <translation>%1 ist zu groß für ein Foto, das dieses Programm liest.</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>The photo records a 35 mm equivalent focal length of %1 mm (%2), which is not used.</source>
        <translation>Das Foto verzeichnet eine Kleinbild-Brennweite von %1 mm (%2), die nicht verwendet wird.</translation>
    </message>
    <message>
        <source>The photo records a focal length of %1 mm (%2), which is not used.</source>
        <translation>Das Foto verzeichnet eine Brennweite von %1 mm (%2), die nicht verwendet wird.</translation>
    </message>
    <message>
        <source>The photo records an f-number of %1 (%2), which is not used.</source>
        <translation>Das Foto verzeichnet eine Blendenzahl von %1 (%2), die nicht verwendet wird.</translation>
    </message>
    <message>
        <source>The photo records a focus distance of %1 m (%2), which is not used.</source>
        <translation>Das Foto verzeichnet eine Fokusentfernung von %1 m (%2), die nicht verwendet wird.</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>nicht verzeichnet</translation>
    </message>
    <message>
        <source>%1 mm for 36 × 24 mm; the camera is not known</source>
        <translation>%1 mm für 36 × 24 mm; die Kamera ist nicht bekannt</translation>
    </message>
    <message>
        <source>%1 mm (%2 mm for 36 × 24 mm, your choice)</source>
        <translation>%1 mm (%2 mm für 36 × 24 mm, Ihre Wahl)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>The camera of this photo</source>
        <translation>Die Kamera dieses Fotos</translation>
    </message>
    <message>
        <source>its camera</source>
        <translation>seine Kamera</translation>
    </message>
    <message>
        <source>%1 mm (%2 ÷ crop factor %3)</source>
        <translation>%1 mm (%2 ÷ Crop-Faktor %3)</translation>
    </message>
    <message>
        <source>the focal length</source>
        <translation>die Brennweite</translation>
    </message>
    <message>
        <source>the f-number</source>
        <translation>die Blendenzahl</translation>
    </message>
    <message>
        <source>the focus distance</source>
        <translation>die Fokusentfernung</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>This photo records the focus distance only as infinity; type it on the main form and press Calculate.</source>
        <translation>Dieses Foto verzeichnet die Fokusentfernung nur als unendlich; geben Sie sie im Hauptfenster ein und klicken Sie auf Berechnen.</translation>
    </message>
    <message>
        <source>This photo does not record %1; choose or type it on the main form and press Calculate.</source>
        <translation>Dieses Foto verzeichnet %1 nicht; wählen Sie sie im Hauptfenster oder geben Sie sie ein und klicken Sie auf Berechnen.</translation>
    </message>
    <message>
        <source>This photo does not record %1; choose or type them on the main form and press Calculate.</source>
        <translation>Dieses Foto verzeichnet %1 nicht; wählen Sie sie im Hauptfenster oder geben Sie sie ein und klicken Sie auf Berechnen.</translation>
    </message>
    <message>
        <source>%1; %2, one of your cameras, crop factor %3</source>
        <translation>%1; %2, eine Ihrer Kameras, Crop-Faktor %3</translation>
    </message>
    <message>
        <source>%1; %2 of the camera list, crop factor %3</source>
        <translation>%1; %2 aus der Kameraliste, Crop-Faktor %3</translation>
    </message>
    <message>
        <source>%1; %2 in lensfun&apos;s database, crop factor %3</source>
        <translation>%1; %2 in der Datenbank von lensfun, Crop-Faktor %3</translation>
    </message>
    <message>
        <source>%1; crop factor %2 from its focal lengths (%3 mm ÷ %4 mm)</source>
        <translation>%1; Crop-Faktor %2 aus seinen Brennweiten (%3 mm ÷ %4 mm)</translation>
    </message>
    <message>
        <source>%1 could not be read: the reader stopped.</source>
        <translation>%1 konnte nicht gelesen werden: Das Leseprogramm wurde beendet.</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>Das Lesen von Fotos</translation>
    </message>
    <message>
        <source>%1 is a video, not a photo.</source>
        <translation>%1 ist ein Video, kein Foto.</translation>
    </message>
    <message>
        <source>%1 is a kind of image this program does not read, not a camera&apos;s photo.</source>
        <translation>%1 ist eine Bildart, die dieses Programm nicht liest, kein Kamerafoto.</translation>
    </message>
    <message>
        <source>found: %1</source>
        <translation>gefunden: %1</translation>
    </message>
    <message>
        <source>not recorded: %1</source>
        <translation>nicht aufgezeichnet: %1</translation>
    </message>
    <message>
        <source>Focused at %1: %2 to %3</source>
        <translation>Fokus auf %1: %2 bis %3</translation>
    </message>
    <message>
        <source>Near</source>
        <translation>Nah</translation>
    </message>
    <message>
        <source>Far</source>
        <translation>Fern</translation>
    </message>
    <message>
        <source>Focused at %1, typed for this photo.</source>
        <translation>Fokus auf %1, für dieses Foto eingegeben.</translation>
    </message>
    <message>
        <source>Type a focus distance, with its unit or in the unit chosen.</source>
        <translation>Geben Sie eine Fokusentfernung ein, mit ihrer Einheit oder in der gewählten Einheit.</translation>
    </message>
    <message>
        <source>Nikon&apos;s lens data records the focus distance in steps: between %1 and %2.</source>
        <translation>Nikons Objektivdaten verzeichnen die Fokusentfernung in Stufen: zwischen %1 und %2.</translation>
    </message>
    <message>
        <source>The camera knew the focus distance only to between %1 and %2, a wider span than the depth of field: focused anywhere in it, what was sharp lies between %3 and %4.</source>
        <translation>Die Kamera kannte die Fokusentfernung nur als zwischen %1 und %2, eine größere Spanne als die Schärfentiefe: wo immer darin fokussiert wurde, liegt das Scharfe zwischen %3 und %4.</translation>
    </message>
    <message>
        <source>This photo does not record the focus distance: its depth of field is given focused at the distances a lens&apos;s scale is set to.</source>
        <translation>Dieses Foto verzeichnet keine Fokusentfernung: Seine Schärfentiefe wird bei Fokus auf die Entfernungen gezeigt, auf die man eine Objektivskala stellt.</translation>
    </message>
    <message>
        <source>no focus distance recorded</source>
        <translation>keine Fokusentfernung verzeichnet</translation>
    </message>
    <message>
        <source>Focus distance typed:</source>
        <translation>Eingegebene Fokusentfernung:</translation>
    </message>
    <message>
        <source>Depth of field, focused at:</source>
        <translation>Schärfentiefe bei Fokus auf:</translation>
    </message>
    <message>
        <source>Canon&apos;s maker note records the focus distance as between %1 and %2 (%3, %4), which is not used.</source>
        <translation>Canons Maker Note verzeichnet die Fokusentfernung als zwischen %1 und %2 (%3, %4); das wird nicht verwendet.</translation>
    </message>
    <message>
        <source>The photo records its focus distance as %1 (%2), which is not used.</source>
        <translation>Das Foto verzeichnet seine Fokusentfernung als %1 (%2); das wird nicht verwendet.</translation>
    </message>
    <message>
        <source>The photo records a focus distance of %1 m (%2), no farther than its focal length, which is not used.</source>
        <translation>Das Foto verzeichnet eine Fokusentfernung von %1 m (%2), nicht weiter als seine Brennweite; das wird nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>Photo, feminine</name>
    <message>
        <source>not recorded</source>
        <translation>nicht verzeichnet</translation>
    </message>
</context>
<context>
    <name>Photos</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>Sortieren nach:</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>Fotos:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <source>No aperture of the list is small enough; %1 would be needed.</source>
        <translation>Keine Blende der Liste ist klein genug; %1 wäre nötig.</translation>
    </message>
    <message>
        <source>%1, or %2 in third stops</source>
        <translation>%1, oder %2 in Drittelstufen</translation>
    </message>
    <message>
        <source>%1 (%2 needed)</source>
        <translation>%1 (genau %2)</translation>
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
    <message>
        <source>%1: %2 mm, %3</source>
        <translation>%1: %2 mm, %3</translation>
    </message>
    <message>
        <source>Type the nearest point that must be sharp.</source>
        <translation>Geben Sie den nächsten Punkt ein, der scharf sein muss.</translation>
    </message>
    <message>
        <source>Type the farthest point that must be sharp, or tick Infinity.</source>
        <translation>Geben Sie den fernsten Punkt ein, der scharf sein muss, oder kreuzen Sie Unendlich an.</translation>
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
    <name>Typed</name>
    <message>
        <source>%1 is not a number in your number settings, which write it %2.</source>
        <translation>%1 ist in Ihren Zahleneinstellungen keine Zahl; dort schreibt man %2.</translation>
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
    <message>
        <source>millimeters</source>
        <translation>Millimetern</translation>
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
        <translation>Unschärfe:</translation>
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
