<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About Vexton.DOF.CE</name>
    <message>
        <source>About Vexton.DOF.CE</source>
        <translation>À propos de Vexton.DOF.CE</translation>
    </message>
    <message>
        <source>Depth of Field Calculator</source>
        <translation>Calculateur de profondeur de champ</translation>
    </message>
    <message>
        <source>This program runs under:</source>
        <translation>Ce programme fonctionne sous :</translation>
    </message>
</context>
<context>
    <name>Calculate</name>
    <message>
        <source>You must choose a camera from the list.</source>
        <translation>Vous devez choisir un appareil dans la liste.</translation>
    </message>
    <message>
        <source>a +%1 close-up lens focuses no farther than %2</source>
        <translation>une bonnette +%1 ne fait pas la mise au point au-delà de %2</translation>
    </message>
    <message>
        <source>You must enter a non-zero, positive distance to the subject.</source>
        <translation>Vous devez saisir une distance du sujet positive et non nulle.</translation>
    </message>
    <message>
        <source>The distance is too large to calculate with.</source>
        <translation>La distance est trop grande pour le calcul.</translation>
    </message>
    <message>
        <source>The distance is too small to calculate with.</source>
        <translation>La distance est trop petite pour le calcul.</translation>
    </message>
    <message>
        <source>You must enter a diopter that leaves the lens a positive focal length.</source>
        <translation>Vous devez saisir une bonnette qui laisse à l’objectif une focale positive.</translation>
    </message>
</context>
<context>
    <name>Calculated Results</name>
    <message>
        <source>Calculated Results</source>
        <translation>Résultats calculés</translation>
    </message>
    <message>
        <source>Near Focus Limit of Depth of Field:</source>
        <translation>Limite proche de la profondeur de champ :</translation>
    </message>
    <message>
        <source>Far Focus Limit of Depth of Field: </source>
        <translation>Limite lointaine de la profondeur de champ : </translation>
    </message>
    <message>
        <source>Hyperfocal Distance:</source>
        <translation>Distance hyperfocale :</translation>
    </message>
    <message>
        <source>Total Depth of Field:</source>
        <translation>Profondeur de champ totale :</translation>
    </message>
    <message>
        <source>Circle of Confusion: </source>
        <translation>Cercle de confusion : </translation>
    </message>
    <message>
        <source>Diopter Modified Focal Length:</source>
        <translation>Focale avec la bonnette :</translation>
    </message>
</context>
<context>
    <name>Camera Information</name>
    <message>
        <source>Camera Information</source>
        <translation>Informations sur l’appareil</translation>
    </message>
    <message>
        <source>Camera Name:</source>
        <translation>Nom de l’appareil :</translation>
    </message>
    <message>
        <source>EXIF Name:</source>
        <translation>Nom EXIF :</translation>
    </message>
    <message>
        <source>Sensor Size (mm):</source>
        <translation>Taille du capteur (mm) :</translation>
    </message>
    <message>
        <source>Image Size (pixels):</source>
        <translation>Taille de l’image (pixels) :</translation>
    </message>
    <message>
        <source>Resolution (MP):</source>
        <translation>Résolution (Mpx) :</translation>
    </message>
    <message>
        <source>Image Ratio:</source>
        <translation>Format de l’image :</translation>
    </message>
    <message>
        <source>Image Circle (mm):</source>
        <translation>Cercle image (mm) :</translation>
    </message>
    <message>
        <source>Crop Factor:</source>
        <translation>Facteur de recadrage :</translation>
    </message>
    <message>
        <source>Circle of C. (mm):</source>
        <translation>Cercle de c. (mm) :</translation>
    </message>
    <message>
        <source>Maker:</source>
        <translation>Fabricant :</translation>
    </message>
    <message>
        <source>Mount:</source>
        <translation>Monture :</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source :</translation>
    </message>
</context>
<context>
    <name>Cameras</name>
    <message>
        <source>lensfun&apos;s camera database could not be read, so only the built-in cameras and your own are offered.</source>
        <translation>La base de données d’appareils de lensfun n’a pas pu être lue : seuls les appareils intégrés et les vôtres sont proposés.</translation>
    </message>
    <message>
        <source>lensfun&apos;s camera database</source>
        <translation>base de données d’appareils de lensfun</translation>
    </message>
    <message>
        <source>its sensor size, as you gave it</source>
        <translation>la taille de son capteur, telle que vous l’avez donnée</translation>
    </message>
    <message>
        <source>Your cameras file %1 is too large to be read.</source>
        <translation>Votre fichier d’appareils %1 est trop grand pour être lu.</translation>
    </message>
    <message>
        <source>Your cameras file %1 cannot be read.</source>
        <translation>Votre fichier d’appareils %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Another copy of Vexton.DOF.CE holds your cameras file, so your cameras cannot be read now.</source>
        <translation>Une autre copie de Vexton.DOF.CE tient votre fichier d’appareils : vos appareils ne peuvent pas être lus pour l’instant.</translation>
    </message>
    <message>
        <source>A camera needs a name.</source>
        <translation>Un appareil a besoin d’un nom.</translation>
    </message>
    <message>
        <source>A camera&apos;s name is one line, without tabs.</source>
        <translation>Le nom d’un appareil tient sur une ligne, sans tabulation.</translation>
    </message>
    <message>
        <source>You have a camera named %1 already.</source>
        <translation>Vous avez déjà un appareil nommé %1.</translation>
    </message>
    <message>
        <source>A camera named %1 would stand for %2 of the list; give it a longer name.</source>
        <translation>Un appareil nommé %1 désignerait le %2 de la liste ; donnez-lui un nom plus long.</translation>
    </message>
    <message>
        <source>A camera named %1 would be mistaken for your %2; give it another name.</source>
        <translation>Un appareil nommé %1 serait confondu avec votre %2 ; donnez-lui un autre nom.</translation>
    </message>
    <message>
        <source>A camera named %1 would stand for %2; give it a longer name.</source>
        <translation>Un appareil nommé %1 désignerait %2 ; donnez-lui un nom plus long.</translation>
    </message>
</context>
<context>
    <name>Choose Camera</name>
    <message>
        <source>Choose Camera</source>
        <translation>Choisir l’appareil</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Chercher :</translation>
    </message>
    <message>
        <source>Or a camera of your own, by its sensor:</source>
        <translation>Ou un appareil à vous, par son capteur :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Sensor width (mm):</source>
        <translation>Largeur du capteur (mm) :</translation>
    </message>
    <message>
        <source>Sensor height (mm):</source>
        <translation>Hauteur du capteur (mm) :</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Use Camera</source>
        <translation>Utiliser l’appareil</translation>
    </message>
    <message>
        <source>Matching cameras</source>
        <translation>Appareils trouvés</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Crop factor</source>
        <translation>Facteur de recadrage</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Monture</translation>
    </message>
    <message>
        <source>Crop factor: %1</source>
        <translation>Facteur de recadrage : %1</translation>
    </message>
    <message>
        <source>The sensor&apos;s width and height must be two positive numbers of millimetres.</source>
        <translation>La largeur et la hauteur du capteur doivent être deux nombres positifs de millimètres.</translation>
    </message>
    <message>
        <source>Find your camera and pick it, or give a name and its sensor&apos;s size.</source>
        <translation>Cherchez votre appareil et choisissez-le, ou donnez un nom et la taille de son capteur.</translation>
    </message>
    <message>
        <source>Only a camera of your own can be removed.</source>
        <translation>Seul un appareil à vous peut être retiré.</translation>
    </message>
</context>
<context>
    <name>Circle of Confusion</name>
    <message>
        <source>Circle of Confusion</source>
        <translation>Cercle de confusion</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>Print or screen:</source>
        <translation>Tirage ou écran :</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>Vu à :</translation>
    </message>
    <message>
        <source>empty: its diagonal</source>
        <translation>vide : sa diagonale</translation>
    </message>
    <message>
        <source>Eyesight:</source>
        <translation>Acuité visuelle :</translation>
    </message>
    <message>
        <source>Pixels across:</source>
        <translation>Pixels en largeur :</translation>
    </message>
    <message>
        <source>Or pitch (µm):</source>
        <translation>Ou pas des pixels (µm) :</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Facteur :</translation>
    </message>
    <message>
        <source>Convention:</source>
        <translation>Convention :</translation>
    </message>
    <message>
        <source>On the sensor:</source>
        <translation>Sur le capteur :</translation>
    </message>
    <message>
        <source>For 36 × 24 mm:</source>
        <translation>Pour 36 × 24 mm :</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CofC</name>
    <message>
        <source>CofC</source>
        <translation>Cercle de confusion</translation>
    </message>
    <message>
        <source>This dropdown defaults to the 35mm Circle of Confusion (CofC) value of 0.0310.</source>
        <translation>Cette liste propose d’abord le cercle de confusion du format 24 × 36, 0,0310.</translation>
    </message>
    <message>
        <source>This dropdown can be used to adjust the selected camera/film, to modify its stated CofC.  This can be used to customize the settings based on targeted image output, and is a suggested technique in the photographic literature.</source>
        <translation>Cette liste permet de modifier le cercle de confusion indiqué pour l’appareil ou le film choisi. Vous adaptez ainsi les réglages à l’usage prévu de l’image, comme le conseille la littérature photographique.</translation>
    </message>
</context>
<context>
    <name>DOF Chart</name>
    <message>
        <source>DOF Chart</source>
        <translation>Graphique de profondeur de champ</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Vue :</translation>
    </message>
    <message>
        <source>Focus distance:</source>
        <translation>Distance de mise au point :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>Steps:</source>
        <translation>Pas :</translation>
    </message>
    <message>
        <source>Export Image…</source>
        <translation>Exporter l’image…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Depth of field chart</source>
        <translation>Graphique de profondeur de champ</translation>
    </message>
    <message>
        <source>The focus distance is one distance.</source>
        <translation>La distance de mise au point est une seule distance.</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exporter l’image</translation>
    </message>
    <message>
        <source>SVG images (*.svg);;PNG images (*.png)</source>
        <translation>Images SVG (*.svg);;Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Name the file with .svg, .png or .pdf at its end: that is the format it is written in.</source>
        <translation>Terminez le nom du fichier par .svg, .png ou .pdf : c’est le format dans lequel il est écrit.</translation>
    </message>
    <message>
        <source>(the aperture chosen)</source>
        <translation>(l’ouverture choisie)</translation>
    </message>
    <message>
        <source>%1, in %2, from %3 to %4. Each far limit reaches infinity at the hyperfocal distance (and the near limit is then the nearest sharp point):</source>
        <translation>%1, en %2, de %3 à %4. Chaque limite lointaine atteint l’infini à la distance hyperfocale (la limite proche est alors le point net le plus proche) :</translation>
    </message>
    <message>
        <source>The line at %1 is the distance typed.</source>
        <translation>La ligne à %1 est la distance saisie.</translation>
    </message>
    <message>
        <source>Sharp zone when focused at %1</source>
        <translation>Zone nette avec la mise au point à %1</translation>
    </message>
    <message>
        <source>Near and far limits by focus distance</source>
        <translation>Limites proche et lointaine selon la distance de mise au point</translation>
    </message>
    <message>
        <source>No aperture lies between the two chosen.</source>
        <translation>Aucune ouverture ne se trouve entre les deux choisies.</translation>
    </message>
    <message>
        <source>Focus distance (%1)</source>
        <translation>Distance de mise au point (%1)</translation>
    </message>
    <message>
        <source>Subject at %1</source>
        <translation>Sujet à %1</translation>
    </message>
    <message>
        <source>Distance typed, %1</source>
        <translation>Distance saisie, %1</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Distance hyperfocale</translation>
    </message>
    <message>
        <source>Near = far = focus</source>
        <translation>Proche = lointaine = mise au point</translation>
    </message>
    <message>
        <source>The aperture chosen</source>
        <translation>L’ouverture choisie</translation>
    </message>
    <message>
        <source>Distances in %1</source>
        <translation>Distances en %1</translation>
    </message>
    <message>
        <source>Sharp zone at this distance</source>
        <translation>Zone nette à cette distance</translation>
    </message>
    <message>
        <source>Limits by distance</source>
        <translation>Limites selon la distance</translation>
    </message>
</context>
<context>
    <name>DOF Table</name>
    <message>
        <source>DOF Table</source>
        <translation>Table de profondeur de champ</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher :</translation>
    </message>
    <message>
        <source>Distances:</source>
        <translation>Distances :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>Steps:</source>
        <translation>Pas :</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Depth of field table</source>
        <translation>Table de profondeur de champ</translation>
    </message>
    <message>
        <source>At every aperture, diffraction blurs more than the circle of confusion allows.</source>
        <translation>À toutes les ouvertures, la diffraction floute plus que le cercle de confusion ne le permet.</translation>
    </message>
    <message>
        <source>Beyond %1, diffraction blurs more than the circle of confusion allows.</source>
        <translation>Au-delà de %1, la diffraction floute plus que le cercle de confusion ne le permet.</translation>
    </message>
    <message>
        <source>Distances in %1, to the half inch; Hyperfocal: the distance (and the nearest sharp point when focused there).</source>
        <translation>Distances en %1, au demi-pouce près ; Hyperfocale : la distance (et le point net le plus proche avec la mise au point à cette distance).</translation>
    </message>
    <message>
        <source>Distances in %1, rounded to %2; Hyperfocal: the distance (and the nearest sharp point when focused there).</source>
        <translation>Distances en %1, arrondies à %2 ; Hyperfocale : la distance (et le point net le plus proche avec la mise au point à cette distance).</translation>
    </message>
    <message>
        <source>The rows stop at %1; the widest aperture reaches infinity only beyond %2.</source>
        <translation>Les lignes s’arrêtent à %1 ; la plus grande ouverture n’atteint l’infini qu’au-delà de %2.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1 is not a positive distance and is left out.</source>
        <translation>%1 n’est pas une distance positive et est ignorée.</translation>
    </message>
    <message>
        <source>%1 are not positive distances and are left out.</source>
        <translation>%1 ne sont pas des distances positives et sont ignorées.</translation>
    </message>
    <message>
        <source>Near and far limits</source>
        <translation>Limites proche et lointaine</translation>
    </message>
    <message>
        <source>In front and behind</source>
        <translation>Devant et derrière</translation>
    </message>
    <message>
        <source>Total depth of field</source>
        <translation>Profondeur de champ totale</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hyperfocale</translation>
    </message>
    <message>
        <source>the distance typed</source>
        <translation>la distance saisie</translation>
    </message>
    <message>
        <source>the aperture chosen</source>
        <translation>l’ouverture choisie</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>Diopter</name>
    <message>
        <source>Diopter</source>
        <translation>Bonnette</translation>
    </message>
    <message>
        <source>Enter the close-up lens diopter into the editbox.  This has an impact on the focal length of the lens setting used.  The diopter modified focal length will be displayed on the results screen.</source>
        <translation>Saisissez les dioptries de la bonnette dans le champ. Elles modifient la focale de l’objectif ; la focale avec la bonnette s’affiche dans la fenêtre des résultats.</translation>
    </message>
</context>
<context>
    <name>Distance</name>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Select your unit of measure from the dropdown list, and then enter the subject distance into the editbox.</source>
        <translation>Choisissez l’unité de mesure dans la liste, puis saisissez la distance du sujet dans le champ.</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>DOF &amp;Table…</source>
        <translation>&amp;Table de profondeur de champ…</translation>
    </message>
    <message>
        <source>DOF C&amp;hart…</source>
        <translation>&amp;Graphique de profondeur de champ…</translation>
    </message>
    <message>
        <source>&amp;Plan Focus…</source>
        <translation>&amp;Planifier la mise au point…</translation>
    </message>
    <message>
        <source>&amp;Choose Camera…</source>
        <translation>&amp;Choisir l’appareil…</translation>
    </message>
    <message>
        <source>&amp;Open Photo…</source>
        <translation>&amp;Ouvrir une photo…</translation>
    </message>
    <message>
        <source>Ci&amp;rcle of Confusion…</source>
        <translation>C&amp;ercle de confusion…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>No error occurred.</source>
        <translation>Aucune erreur ne s’est produite.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Une erreur inconnue s’est produite lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 n’a pas pu être ouvert car trop de fichiers sont ouverts.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L’accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Un descripteur de fichier non valide était associé à %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 n’a pas pu être supprimé car c’est le dossier courant.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 n’a pas pu être créé car le dossier est plein.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Le positionnement dans %1 a échoué</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Une erreur matérielle d’entrée-sortie a été signalée lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s’est produite lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Une violation de verrou s’est produite lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disque plein lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Une tentative d’accès à %1 au-delà de sa fin a eu lieu.</translation>
    </message>
</context>
<context>
    <name>Film, Camera Information</name>
    <message>
        <source>Film, Camera Information</source>
        <translation>Film, informations sur l’appareil</translation>
    </message>
    <message>
        <source>Camera Name:</source>
        <translation>Nom de l’appareil :</translation>
    </message>
    <message>
        <source>EXIF Name:</source>
        <translation>Nom EXIF :</translation>
    </message>
    <message>
        <source>Sensor Size (mm):</source>
        <translation>Taille du capteur (mm) :</translation>
    </message>
    <message>
        <source>Image Size (pixels):</source>
        <translation>Taille de l’image (pixels) :</translation>
    </message>
    <message>
        <source>Resolution (MP):</source>
        <translation>Résolution (Mpx) :</translation>
    </message>
    <message>
        <source>Image Ratio:</source>
        <translation>Format de l’image :</translation>
    </message>
    <message>
        <source>Image Circle (mm):</source>
        <translation>Cercle image (mm) :</translation>
    </message>
    <message>
        <source>Crop Factor:</source>
        <translation>Facteur de recadrage :</translation>
    </message>
    <message>
        <source>Circle of C. (mm):</source>
        <translation>Cercle de c. (mm) :</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;Field Help</source>
        <translation>Aide sur le &amp;champ</translation>
    </message>
    <message>
        <source>&amp;About Vexton.DOF.CE</source>
        <translation>À &amp;propos de Vexton.DOF.CE</translation>
    </message>
</context>
<context>
    <name>Lens Aperture</name>
    <message>
        <source>Lens Aperture</source>
        <translation>Ouverture de l’objectif</translation>
    </message>
    <message>
        <source>Select your lenses aperture/f-stop  from the dropdown list.</source>
        <translation>Choisissez l’ouverture de votre objectif dans la liste.</translation>
    </message>
</context>
<context>
    <name>Lens Focal Length</name>
    <message>
        <source>Lens Focal Length</source>
        <translation>Focale de l’objectif</translation>
    </message>
    <message>
        <source>Select your lenses focal length (mm) from the dropdown list.</source>
        <translation>Choisissez la focale de votre objectif (mm) dans la liste.</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>You must choose a camera from the list.</source>
        <translation>Vous devez choisir un appareil dans la liste.</translation>
    </message>
    <message>
        <source>The camera %1 is not in the list and is not a number.</source>
        <translation>L’appareil %1 n’est pas dans la liste et n’est pas un nombre.</translation>
    </message>
    <message>
        <source>You must choose a focal length from the list.</source>
        <translation>Vous devez choisir une focale dans la liste.</translation>
    </message>
    <message>
        <source>The focal length %1 is not in the list and is not a number.</source>
        <translation>La focale %1 n’est pas dans la liste et n’est pas un nombre.</translation>
    </message>
    <message>
        <source>You must choose an aperture from the list.</source>
        <translation>Vous devez choisir une ouverture dans la liste.</translation>
    </message>
    <message>
        <source>The aperture %1 is not in the list and is not a number.</source>
        <translation>L’ouverture %1 n’est pas dans la liste et n’est pas un nombre.</translation>
    </message>
    <message>
        <source>You must choose a unit from the list.</source>
        <translation>Vous devez choisir une unité dans la liste.</translation>
    </message>
    <message>
        <source>The unit %1 is not in the list and is not a number.</source>
        <translation>L’unité %1 n’est pas dans la liste et n’est pas un nombre.</translation>
    </message>
    <message>
        <source>You must choose a circle of confusion from the list.</source>
        <translation>Vous devez choisir un cercle de confusion dans la liste.</translation>
    </message>
    <message>
        <source>The circle of confusion %1 is not in the list and is not a number.</source>
        <translation>Le cercle de confusion %1 n’est pas dans la liste et n’est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Validation Error</source>
        <translation>Erreur de saisie</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Depth of Field Chart</source>
        <translation>Graphique de profondeur de champ</translation>
    </message>
    <message>
        <source>%1 (diopter %2)</source>
        <translation>%1 (bonnette %2)</translation>
    </message>
    <message>
        <source>Depth of Field Table</source>
        <translation>Table de profondeur de champ</translation>
    </message>
    <message>
        <source>Depth of Field Table: %1, %2, circle of confusion %3, distances in %4</source>
        <translation>Table de profondeur de champ : %1, %2, cercle de confusion %3, distances en %4</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Camera: %1</source>
        <translation>Appareil : %1</translation>
    </message>
    <message>
        <source>Focal length: %1</source>
        <translation>Focale : %1</translation>
    </message>
    <message>
        <source>Circle of confusion used: %1</source>
        <translation>Cercle de confusion utilisé : %1</translation>
    </message>
    <message>
        <source>Distances in %1</source>
        <translation>Distances en %1</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Établie le %1</translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Appareil :</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Objectif :</translation>
    </message>
    <message>
        <source>Focal length:</source>
        <translation>Focale :</translation>
    </message>
    <message>
        <source>35 mm equivalent:</source>
        <translation>Équivalent 24 × 36 :</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>Ouverture :</translation>
    </message>
    <message>
        <source>Focus distance:</source>
        <translation>Distance de mise au point :</translation>
    </message>
    <message>
        <source>Image size:</source>
        <translation>Taille de l’image :</translation>
    </message>
    <message>
        <source>Date taken:</source>
        <translation>Date de prise de vue :</translation>
    </message>
    <message>
        <source>Circle of confusion:</source>
        <translation>Cercle de confusion :</translation>
    </message>
    <message>
        <source>Near Focus Limit of Depth of Field:</source>
        <translation>Limite proche de la profondeur de champ :</translation>
    </message>
    <message>
        <source>Far Focus Limit of Depth of Field:</source>
        <translation>Limite lointaine de la profondeur de champ :</translation>
    </message>
    <message>
        <source>Total Depth of Field:</source>
        <translation>Profondeur de champ totale :</translation>
    </message>
    <message>
        <source>Hyperfocal Distance:</source>
        <translation>Distance hyperfocale :</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Utiliser ces réglages</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Plan Focus</name>
    <message>
        <source>Plan Focus</source>
        <translation>Planifier la mise au point</translation>
    </message>
    <message>
        <source>Nearest sharp point:</source>
        <translation>Point net le plus proche :</translation>
    </message>
    <message>
        <source>Farthest sharp point:</source>
        <translation>Point net le plus éloigné :</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Infini</translation>
    </message>
    <message>
        <source>Background at:</source>
        <translation>Arrière-plan à :</translation>
    </message>
    <message>
        <source>Focus at:</source>
        <translation>Mettre au point à :</translation>
    </message>
    <message>
        <source>Aperture needed:</source>
        <translation>Ouverture nécessaire :</translation>
    </message>
    <message>
        <source>Sharp from – to:</source>
        <translation>Net de – à :</translation>
    </message>
    <message>
        <source>Diffraction:</source>
        <translation>Diffraction :</translation>
    </message>
    <message>
        <source>Sharpest aperture (estimate):</source>
        <translation>Ouverture la plus nette (estimation) :</translation>
    </message>
    <message>
        <source>Background blur on the sensor:</source>
        <translation>Flou de l’arrière-plan sur le capteur :</translation>
    </message>
    <message>
        <source>Background blur, in circles of confusion:</source>
        <translation>Flou de l’arrière-plan, en cercles de confusion :</translation>
    </message>
    <message>
        <source>%1 needed</source>
        <translation>%1 nécessaire</translation>
    </message>
    <message>
        <source>No aperture of the list is small enough; %1 would be needed.</source>
        <translation>Aucune ouverture de la liste n’est assez petite ; il faudrait %1.</translation>
    </message>
    <message>
        <source>%1, or %2 in third stops</source>
        <translation>%1, ou %2 en tiers de diaphragme</translation>
    </message>
    <message>
        <source>%1 (%2 needed)</source>
        <translation>%1 (%2 nécessaire)</translation>
    </message>
    <message>
        <source>At %1, diffraction blurs more than the circle of confusion allows.</source>
        <translation>À %1, la diffraction floute plus que le cercle de confusion ne le permet.</translation>
    </message>
    <message>
        <source>%1, %2% of the frame&apos;s width</source>
        <translation>%1, %2 % de la largeur de l’image</translation>
    </message>
    <message>
        <source>within the circle of confusion</source>
        <translation>dans le cercle de confusion</translation>
    </message>
    <message>
        <source>%1 × the circle of confusion</source>
        <translation>%1 × le cercle de confusion</translation>
    </message>
    <message>
        <source>The nearest sharp point must be a positive distance.</source>
        <translation>Le point net le plus proche doit être une distance positive.</translation>
    </message>
    <message>
        <source>The farthest sharp point must be a positive distance, or Infinity.</source>
        <translation>Le point net le plus éloigné doit être une distance positive, ou l’infini.</translation>
    </message>
    <message>
        <source>The background must be a positive distance, or left empty for infinity.</source>
        <translation>L’arrière-plan doit être une distance positive, ou rester vide pour l’infini.</translation>
    </message>
    <message>
        <source>The nearest sharp point must be farther than the focal length.</source>
        <translation>Le point net le plus proche doit être plus loin que la focale.</translation>
    </message>
    <message>
        <source>The farthest sharp point must be beyond the nearest.</source>
        <translation>Le point net le plus éloigné doit être au-delà du plus proche.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>Settings Kept Elsewhere</source>
        <translation>Réglages conservés ailleurs</translation>
    </message>
    <message>
        <source>Another copy of Vexton.DOF.CE holds your settings: your choices will not be saved until it lets go of them.</source>
        <translation>Une autre copie de Vexton.DOF.CE tient vos réglages : vos choix ne seront pas enregistrés tant qu’elle ne les libère pas.</translation>
    </message>
    <message>
        <source>Settings in Use</source>
        <translation>Réglages en cours d’utilisation</translation>
    </message>
    <message>
        <source>Could not save your settings!</source>
        <translation>Vos réglages n’ont pas pu être enregistrés !</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>You may read but not change %1: your choices are kept in %2.</source>
        <translation>Vous pouvez lire %1 mais pas le modifier : vos choix sont conservés dans %2.</translation>
    </message>
    <message>
        <source>The configuration folder %1 is not yours: your choices are kept only until the program ends.</source>
        <translation>Le dossier de configuration %1 n’est pas à vous : vos choix ne sont conservés que jusqu’à la fin du programme.</translation>
    </message>
</context>
<context>
    <name>Stops</name>
    <message>
        <source>Third stops</source>
        <translation>Tiers de diaphragme</translation>
    </message>
    <message>
        <source>Half stops</source>
        <translation>Demi-diaphragmes</translation>
    </message>
    <message>
        <source>Whole stops</source>
        <translation>Diaphragmes entiers</translation>
    </message>
</context>
<context>
    <name>Unit list</name>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>centimètres</translation>
    </message>
    <message>
        <source>feet and inches</source>
        <translation>pieds et pouces</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>centimètres</translation>
    </message>
    <message>
        <source>feet and inches</source>
        <translation>pieds et pouces</translation>
    </message>
    <message>
        <source>the unit</source>
        <translation>l’unité</translation>
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
        <translation>Appareil :</translation>
    </message>
    <message>
        <source>Focal Length:</source>
        <translation>Focale :</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>Ouverture :</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distance :</translation>
    </message>
    <message>
        <source>CofC:</source>
        <translation>Cercle :</translation>
    </message>
    <message>
        <source>Diopter:</source>
        <translation>Bonnette :</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Distance unit</source>
        <translation>Unité de distance</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Cercle de confusion</translation>
    </message>
    <message>
        <source>Diopter modified focal length</source>
        <translation>Focale avec la bonnette</translation>
    </message>
</context>
</TS>
