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
    <message>
        <source>Infinity</source>
        <translation>Infini</translation>
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
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
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
    <message>
        <source>Other camera…</source>
        <translation>Autre appareil…</translation>
    </message>
    <message>
        <source>Your configuration folder is not yours, so your cameras cannot be kept.</source>
        <translation>Votre dossier de configuration n’est pas à vous : vos appareils ne peuvent pas être conservés.</translation>
    </message>
    <message>
        <source>You have no camera named %1; the list&apos;s own stay.</source>
        <translation>Vous n’avez pas d’appareil nommé %1 ; ceux de la liste restent.</translation>
    </message>
    <message>
        <source>A camera&apos;s name cannot hold control characters.</source>
        <translation>Le nom d’un appareil ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>A camera&apos;s name is at most %1 characters long.</source>
        <translation>Le nom d’un appareil compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Each side of a sensor is from 0.001 mm to 1000 mm.</source>
        <translation>Chaque côté d’un capteur mesure de 0,001 mm à 1000 mm.</translation>
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
        <source>Find your camera and pick it, or give a name and its sensor&apos;s size.</source>
        <translation>Cherchez votre appareil et choisissez-le, ou donnez un nom et la taille de son capteur.</translation>
    </message>
    <message>
        <source>Only a camera of your own can be removed.</source>
        <translation>Seul un appareil à vous peut être retiré.</translation>
    </message>
    <message>
        <source>The sensor&apos;s width and height must be two numbers of millimetres from 0.001 to 1000.</source>
        <translation>La largeur et la hauteur du capteur doivent être deux nombres de millimètres de 0,001 à 1000.</translation>
    </message>
    <message>
        <source>%1 is not one of your cameras; only yours can be removed.</source>
        <translation>%1 n’est pas l’un de vos appareils ; seuls les vôtres peuvent être retirés.</translation>
    </message>
    <message>
        <source>Remove %1 from your cameras?</source>
        <translation>Retirer %1 de vos appareils ?</translation>
    </message>
    <message>
        <source>It is the main form&apos;s camera: the main form then uses %1.</source>
        <translation>C’est l’appareil de la fenêtre principale : elle utilisera alors %1.</translation>
    </message>
    <message>
        <source>Remove Camera</source>
        <translation>Retirer l’appareil</translation>
    </message>
</context>
<context>
    <name>Choose Lens</name>
    <message>
        <source>Choose Lens</source>
        <translation>Choisir l’objectif</translation>
    </message>
    <message>
        <source>Lens in use: %1.</source>
        <translation>Objectif utilisé : %1.</translation>
    </message>
    <message>
        <source>No lens chosen: the lists offer every focal length and aperture.</source>
        <translation>Aucun objectif choisi : les listes offrent toutes les focales et ouvertures.</translation>
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
        <source>Focal length</source>
        <translation>Focale</translation>
    </message>
    <message>
        <source>Widest aperture</source>
        <translation>Ouverture maximale</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Monture</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Le vôtre</translation>
    </message>
    <message>
        <source>Find your lens and pick it, or give a lens of your own.</source>
        <translation>Trouvez votre objectif et choisissez-le, ou décrivez un objectif à vous.</translation>
    </message>
    <message>
        <source>The widest aperture of %1 is not known; give it as a lens of your own.</source>
        <translation>L’ouverture maximale de %1 n’est pas connue ; décrivez-le comme un objectif à vous.</translation>
    </message>
    <message>
        <source>%1 is not one of your lenses; only yours can be removed.</source>
        <translation>%1 n’est pas l’un de vos objectifs ; seuls les vôtres peuvent être retirés.</translation>
    </message>
    <message>
        <source>Pick one of your lenses to remove it.</source>
        <translation>Choisissez l’un de vos objectifs pour le retirer.</translation>
    </message>
    <message>
        <source>Remove %1 from your lenses?</source>
        <translation>Retirer %1 de vos objectifs ?</translation>
    </message>
    <message>
        <source>Remove Lens</source>
        <translation>Retirer l’objectif</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Chercher :</translation>
    </message>
    <message>
        <source>Or a lens of your own:</source>
        <translation>Ou un objectif à vous :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Focal length (mm):</source>
        <translation>Focale (mm) :</translation>
    </message>
    <message>
        <source>Widest aperture:</source>
        <translation>Ouverture maximale :</translation>
    </message>
    <message>
        <source>Smallest aperture:</source>
        <translation>Ouverture minimale :</translation>
    </message>
    <message>
        <source>Minimum focus (m):</source>
        <translation>Mise au point mini (m) :</translation>
    </message>
    <message>
        <source>Pupil magnification:</source>
        <translation>Grandissement pupillaire :</translation>
    </message>
    <message>
        <source>Framing; subject width to frame:</source>
        <translation>Cadrage ; largeur du sujet :</translation>
    </message>
    <message>
        <source>No Lens</source>
        <translation>Aucun objectif</translation>
    </message>
    <message>
        <source>Use Lens</source>
        <translation>Utiliser l’objectif</translation>
    </message>
    <message>
        <source>Matching lenses</source>
        <translation>Objectifs trouvés</translation>
    </message>
    <message>
        <source>Subject width to frame</source>
        <translation>Largeur du sujet à cadrer</translation>
    </message>
    <message>
        <source>Give the focal length (“50” or “24-105”) and the widest aperture (“2” or “3.5-5.6”) as numbers.</source>
        <translation>Indiquez la focale (« 50 » ou « 24-105 ») et l’ouverture maximale (« 2 » ou « 3,5-5,6 ») en nombres.</translation>
    </message>
    <message>
        <source>Distance from the lens:</source>
        <translation>Distance à l’objectif :</translation>
    </message>
    <message>
        <source>Horizontal angle of view:</source>
        <translation>Angle de champ horizontal :</translation>
    </message>
    <message>
        <source>Vertical angle of view:</source>
        <translation>Angle de champ vertical :</translation>
    </message>
    <message>
        <source>Diagonal angle of view:</source>
        <translation>Angle de champ diagonal :</translation>
    </message>
    <message>
        <source>Field at the subject:</source>
        <translation>Champ au sujet :</translation>
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
    <message>
        <source>A print seen by eye</source>
        <translation>Un tirage vu à l’œil</translation>
    </message>
    <message>
        <source>Sharp to the pixel</source>
        <translation>Net au pixel près</translation>
    </message>
    <message>
        <source>A convention</source>
        <translation>Une convention</translation>
    </message>
    <message>
        <source>d/%1, a convention</source>
        <translation>d/%1, une convention</translation>
    </message>
    <message>
        <source>%1 pixel</source>
        <translation>%1 pixel</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 pixels</translation>
    </message>
    <message>
        <source>The print&apos;s size is not one of the list nor a size such as 20x30cm or 8x10in.</source>
        <translation>La taille du tirage n’est ni l’une de la liste ni une taille comme 20x30cm ou 8x10in.</translation>
    </message>
    <message>
        <source>The viewing distance must be a distance such as 36 cm or 14 in.</source>
        <translation>La distance d’observation doit être une distance comme 36 cm ou 14 in.</translation>
    </message>
    <message>
        <source>The pixel pitch must be a positive number of micrometres.</source>
        <translation>Le pas des pixels doit être un nombre positif de micromètres.</translation>
    </message>
    <message>
        <source>Give the sensor&apos;s width in pixels, or the pixel pitch.</source>
        <translation>Indiquez la largeur du capteur en pixels, ou le pas des pixels.</translation>
    </message>
    <message>
        <source>Choose where the circle of confusion comes from.</source>
        <translation>Choisissez d’où vient le cercle de confusion.</translation>
    </message>
    <message>
        <source>27-inch 4K screen</source>
        <translation>Écran 4K de 27 pouces</translation>
    </message>
    <message>
        <source>Phone at arm&apos;s length</source>
        <translation>Téléphone à bout de bras</translation>
    </message>
    <message>
        <source>Normal: 5 line pairs per mm at 25 cm</source>
        <translation>Normale : 5 paires de lignes par mm à 25 cm</translation>
    </message>
    <message>
        <source>Keen: 8</source>
        <translation>Fine : 8</translation>
    </message>
    <message>
        <source>Critical: 10</source>
        <translation>Critique : 10</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>%1, sensor %2 × %3 mm</source>
        <translation>%1, capteur %2 × %3 mm</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>Viewing distance</source>
        <translation>Distance d’observation</translation>
    </message>
    <message>
        <source>Eyesight</source>
        <translation>Acuité visuelle</translation>
    </message>
    <message>
        <source>Blur on the print</source>
        <translation>Flou sur le tirage</translation>
    </message>
    <message>
        <source>Enlargement</source>
        <translation>Agrandissement</translation>
    </message>
    <message>
        <source>On the sensor</source>
        <translation>Sur le capteur</translation>
    </message>
    <message>
        <source>For 36 × 24 mm</source>
        <translation>Pour 36 × 24 mm</translation>
    </message>
    <message>
        <source>Pixel pitch</source>
        <translation>Pas des pixels</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Facteur</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 (1 ÷ %2 line pairs per mm × %3 mm ÷ 250 mm)</source>
        <translation>%1 (1 ÷ %2 paires de lignes par mm × %3 mm ÷ 250 mm)</translation>
    </message>
    <message>
        <source>%1 (the print&apos;s shape differs from the sensor&apos;s %2 × %3 mm: the picture fills it and is cropped)</source>
        <translation>%1 (la forme du tirage diffère de celle du capteur de %2 × %3 mm : l’image le remplit et est recadrée)</translation>
    </message>
    <message>
        <source>%1 (%2 mm ÷ %3 pixels)</source>
        <translation>%1 (%2 mm ÷ %3 pixels)</translation>
    </message>
    <message>
        <source>For %1</source>
        <translation>Pour %1</translation>
    </message>
    <message>
        <source>These numbers give no circle of confusion to calculate with: for 36 × 24 mm it must be from %1 mm to %2 mm.</source>
        <translation>Ces nombres ne donnent aucun cercle de confusion avec lequel calculer : pour 36 × 24 mm, il doit être compris entre %1 mm et %2 mm.</translation>
    </message>
</context>
<context>
    <name>Close-Up</name>
    <message>
        <source>Choose an aperture and a circle of confusion first.</source>
        <translation>Choisissez d’abord une ouverture et un cercle de confusion.</translation>
    </message>
    <message>
        <source>The pupil magnification must be a positive number.</source>
        <translation>Le grandissement pupillaire doit être un nombre positif.</translation>
    </message>
    <message>
        <source>With this extension the magnification is at least %1.</source>
        <translation>Avec ce tirage, le grandissement est d’au moins %1.</translation>
    </message>
    <message>
        <source>The subject must be farther from the lens than its focal length.</source>
        <translation>Le sujet doit être plus loin de l’objectif que sa focale.</translation>
    </message>
    <message>
        <source>The overlap must be from 0 to 90 %.</source>
        <translation>Le recouvrement doit être compris entre 0 et 90 %.</translation>
    </message>
    <message>
        <source>The plan would take more than 10,000 shots.</source>
        <translation>Le plan demanderait plus de 10 000 prises de vue.</translation>
    </message>
    <message>
        <source>The depth to cover must be a positive length.</source>
        <translation>La profondeur à couvrir doit être une longueur positive.</translation>
    </message>
    <message>
        <source>Where each shot is sharp</source>
        <translation>Où chaque vue est nette</translation>
    </message>
    <message>
        <source>“%1” is not a magnification: type one such as 0.5, 0.5x or 1:2.</source>
        <translation>« %1 » n’est pas un grandissement : tapez-en un comme 0,5, 0,5x ou 1:2.</translation>
    </message>
    <message>
        <source>Type the magnification (such as 1:2) or the subject distance.</source>
        <translation>Tapez le grandissement (comme 1:2) ou la distance du sujet.</translation>
    </message>
    <message>
        <source>“%1” is not a distance.</source>
        <translation>« %1 » n’est pas une distance.</translation>
    </message>
    <message>
        <source>The camera&apos;s sensor size is not known.</source>
        <translation>La taille du capteur de l’appareil n’est pas connue.</translation>
    </message>
    <message>
        <source>f/%1 (%2 stops of light lost)</source>
        <translation>f/%1 (%2 IL de lumière perdus)</translation>
    </message>
    <message>
        <source>At the working aperture f/%1 diffraction blurs more than the circle of confusion (%2 mm).</source>
        <translation>À l’ouverture effective f/%1, la diffraction floute plus que le cercle de confusion (%2 mm).</translation>
    </message>
    <message>
        <source>One shot holds the range: focus at %1.</source>
        <translation>Une seule vue couvre la plage : faites la mise au point à %1.</translation>
    </message>
    <message>
        <source>Type the depth the stack must cover.</source>
        <translation>Tapez la profondeur que la pile doit couvrir.</translation>
    </message>
    <message>
        <source>One shot holds the depth: its far limit is at infinity.</source>
        <translation>Une seule vue couvre la profondeur : sa limite lointaine est à l’infini.</translation>
    </message>
    <message>
        <source>Focus at</source>
        <translation>Mise au point à</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Net de</translation>
    </message>
    <message>
        <source>Sharp to</source>
        <translation>Net jusqu’à</translation>
    </message>
    <message>
        <source>%1 shots, from the far end to the near one, each overlapping the next by %2 % of its depth.</source>
        <translation>%1 vues, du plus loin au plus près, chacune recouvrant la suivante de %2 % de sa profondeur.</translation>
    </message>
    <message>
        <source>Distances in %1.</source>
        <translation>Distances en %1.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 shots at %2, a step of %3 (by wave optics, %4), each overlapping the next by %5 % of its depth.</source>
        <translation>%1 vues à %2, un pas de %3 (en optique ondulatoire, %4), chacune recouvrant la suivante de %5 % de sa profondeur.</translation>
    </message>
    <message>
        <source>Positions in millimetres from the first; each shot is sharp about half its depth either side.</source>
        <translation>Positions en millimètres depuis la première ; chaque vue est nette sur environ la moitié de sa profondeur de part et d’autre.</translation>
    </message>
    <message>
        <source>Where each shot is sharp, from the lens at the first position</source>
        <translation>Où chaque vue est nette, depuis l’objectif à la première position</translation>
    </message>
    <message>
        <source>Focus Stacking Plan</source>
        <translation>Plan d’empilement de mise au point</translation>
    </message>
    <message>
        <source>The extension must be from 0 to 10,000 mm.</source>
        <translation>Le tirage doit aller de 0 à 10 000 mm.</translation>
    </message>
    <message>
        <source>The magnification must be a positive number up to 1000.</source>
        <translation>Le grandissement doit être un nombre positif jusqu’à 1000.</translation>
    </message>
    <message>
        <source>Aperture f/%1.</source>
        <translation>Ouverture f/%1.</translation>
    </message>
</context>
<context>
    <name>Close-Up and Stacking</name>
    <message>
        <source>Refocusing the lens</source>
        <translation>Mise au point successive</translation>
    </message>
    <message>
        <source>Moving on a rail</source>
        <translation>Rail macro</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Close-Up and Stacking</source>
        <translation>Macro et empilement de mise au point</translation>
    </message>
    <message>
        <source>Magnification:</source>
        <translation>Grandissement :</translation>
    </message>
    <message>
        <source>Extension (mm):</source>
        <translation>Tirage (mm) :</translation>
    </message>
    <message>
        <source>Pupil magnification:</source>
        <translation>Grandissement pupillaire :</translation>
    </message>
    <message>
        <source>Stack by:</source>
        <translation>Empiler par :</translation>
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
        <source>Depth to cover (mm):</source>
        <translation>Profondeur à couvrir (mm) :</translation>
    </message>
    <message>
        <source>Overlap (%):</source>
        <translation>Recouvrement (%) :</translation>
    </message>
    <message>
        <source>Reproduction ratio:</source>
        <translation>Rapport de reproduction :</translation>
    </message>
    <message>
        <source>Subject distance:</source>
        <translation>Distance du sujet :</translation>
    </message>
    <message>
        <source>Working aperture:</source>
        <translation>Ouverture effective :</translation>
    </message>
    <message>
        <source>Depth of field (classic):</source>
        <translation>Profondeur de champ (classique) :</translation>
    </message>
    <message>
        <source>Depth of field (wave optics):</source>
        <translation>Profondeur de champ (optique ondulatoire) :</translation>
    </message>
    <message>
        <source>Airy disc:</source>
        <translation>Tache d’Airy :</translation>
    </message>
    <message>
        <source>Field at the subject:</source>
        <translation>Champ au sujet :</translation>
    </message>
    <message>
        <source>Subject to sensor:</source>
        <translation>Du sujet au capteur :</translation>
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
        <source>Focus stacking plan</source>
        <translation>Plan d’empilement</translation>
    </message>
    <message>
        <source>Focus stacking chart</source>
        <translation>Graphique d’empilement</translation>
    </message>
    <message>
        <source>Or lens focused at:</source>
        <translation>Ou mise au point à :</translation>
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
    <name>Command line</name>
    <message>
        <source>Usage: vextondof [Qt options]
       vextondof --help | --version | --list-cameras
</source>
        <translation>Usage : vextondof [options de Qt]
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
        <translation>Vexton.DOF.CE, un calculateur de profondeur de champ pour les photographes :
choisissez un appareil ou un format de film, une focale, une ouverture, une
unité et un cercle de confusion, saisissez la distance du sujet, cliquez sur
Calculer.

Sans commande, il ouvre sa fenêtre ; les options de Qt (-platform NOM,
-style NOM, ...) s’emploient comme dans tout programme Qt. Les commandes
répondent dans le terminal, sans fenêtre ni écran (&apos;vextondof COMMANDE --help&apos;).
--list-cameras écrit les noms de la liste des appareils, un par ligne.

Vos cinq choix de listes sont conservés dans vextondof.ini à côté d’une copie du
programme non installée avec le système lorsque vous pouvez créer des fichiers
dans son dossier, sinon dans
$XDG_CONFIG_HOME/vextondof/vextondof.ini (~/.config/vextondof/vextondof.ini).
</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossible d’écrire la sortie : %1</translation>
    </message>
    <message>
        <source>Usage: vextondof calculate [CHOICES] --distance TEXT [--diopter TEXT]

Writes the six results a press of Calculate shows, one a line, as the
results form shows them. A refused calculation says why on standard error
and exits 1; a choice or an option not understood exits 2.

  --distance TEXT      the subject distance, in the unit or with its own (&quot;3 m&quot;)
</source>
        <translation>Usage : vextondof calculate [CHOIX] --distance TEXTE [--diopter TEXTE]

Écrit les six résultats qu’un clic sur Calculer affiche, un par ligne, comme la
fenêtre des résultats les affiche. Un calcul refusé dit pourquoi sur la sortie
d’erreur et sort avec 1 ; un choix ou une option non compris sort avec 2.

  --distance TEXTE     la distance du sujet, dans l’unité ou avec la sienne
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
        <translation>Usage : vextondof cameras [MOTS] [--format text|csv]
        vextondof cameras --add NOM --sensor LARGEURxHAUTEUR
        vextondof cameras --remove NOM

Énumère les appareils que les mots trouvent, le meilleur d’abord : les
appareils et formats de film intégrés, vos propres appareils, puis la base de
données d’appareils de lensfun. Les mots sont comparés, en toute casse et dans
tout ordre, au fabricant, au modèle et à son nom anglais (&quot;a7 iv&quot;, &quot;ilce-7m4&quot;,
&quot;eos r5&quot;) ; sans mots, tous les appareils sont énumérés, dans l’ordre. N’en
trouver aucun sort avec 1.

  --format text|csv    des colonnes alignées (par défaut), ou un fichier CSV
                       d’en-tête name,maker,model,crop_factor,
                       sensor_width_mm,sensor_height_mm,mount,source
  --add NOM            ajoute un appareil à vous, d’après son capteur :
  --sensor LxH         largeur et hauteur en millimètres (&quot;6.17x4.55&quot;) ; son
                       facteur de recadrage est 43,27 mm sur la diagonale
  --remove NOM         retire l’un de vos appareils (ceux intégrés restent)
</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’option %1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unknown option %1; did you mean %2?</source>
        <translation>option inconnue %1 ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>--format takes text or csv</source>
        <translation>--format prend text ou csv</translation>
    </message>
    <message>
        <source>--add NAME and --sensor WIDTHxHEIGHT go together</source>
        <translation>--add NOM et --sensor LARGEURxHAUTEUR vont ensemble</translation>
    </message>
    <message>
        <source>--add and --remove each stand alone</source>
        <translation>--add et --remove s’emploient chacun seul</translation>
    </message>
    <message>
        <source>Added %1: crop factor %2.</source>
        <translation>%1 ajouté : facteur de recadrage %2.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 retiré.</translation>
    </message>
    <message>
        <source>No camera matches &quot;%1&quot;.</source>
        <translation>Aucun appareil ne correspond à &quot;%1&quot;.</translation>
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
        <translation>Usage : vextondof chart [CHOIX] [--distance TEXTE] [--view zone|limits]
                        [--apertures DE:À] [--steps whole|half|third]
                        --format svg|png|pdf [--output FICHIER]
                        [--paper a4|letter]

Dessine le graphique de profondeur de champ que la fenêtre du graphique affiche
pour ces choix, en image ou en page PDF, sans fenêtre ni écran.

  --distance TEXTE     la distance de mise au point : celle de la zone nette,
                       marquée sur les limites
  --view VUE           zone (la zone nette de chaque ouverture à la distance,
                       par défaut) ou limits (les limites proche et lointaine
                       de chaque ouverture selon la distance de mise au point)
  --apertures DE:À     les ouvertures de DE à À (par défaut f/2.8:f/22, élargi
                       à l’ouverture choisie, qui est mise en valeur)
  --steps PAS          whole, half ou third : diaphragmes entiers, demis ou
                       tiers entre elles (par défaut whole)
  --format FORMAT      svg, png (à deux fois sa taille) ou pdf (une page sous
                       l’en-tête du tableau) ; par défaut la fin du nom du
                       fichier --output
  --output FICHIER     écrit en entier ou pas du tout (nécessaire sur un
                       terminal)
  --paper PAPIER       a4 ou letter, pour un PDF (par défaut : celui de vos
                       paramètres régionaux)
</translation>
    </message>
    <message>
        <source>--view takes zone or limits</source>
        <translation>--view prend zone ou limits</translation>
    </message>
    <message>
        <source>--steps takes whole, half or third</source>
        <translation>--steps prend whole, half ou third</translation>
    </message>
    <message>
        <source>--format takes svg, png or pdf</source>
        <translation>--format prend svg, png ou pdf</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter</source>
        <translation>--paper prend a4 ou letter</translation>
    </message>
    <message>
        <source>--output needs a file name (- for standard output)</source>
        <translation>--output demande un nom de fichier (- pour la sortie standard)</translation>
    </message>
    <message>
        <source>--format takes svg, png or pdf (or an --output file ending in one of them)</source>
        <translation>--format prend svg, png ou pdf (ou un fichier --output qui se termine par l’un d’eux)</translation>
    </message>
    <message>
        <source>--distance takes one distance</source>
        <translation>--distance prend une distance</translation>
    </message>
    <message>
        <source>The sharp zone is drawn at a distance: give one with --distance.</source>
        <translation>La zone nette est dessinée à une distance : indiquez-en une avec --distance.</translation>
    </message>
    <message>
        <source>no chart can be drawn here</source>
        <translation>aucun graphique ne peut être dessiné ici</translation>
    </message>
    <message>
        <source>--camera &quot;%1&quot; could be %2; give more of the name</source>
        <translation>--camera &quot;%1&quot; pourrait être %2 ; donnez davantage du nom</translation>
    </message>
    <message>
        <source>another copy of Vexton.DOF.CE holds your settings, so your choices cannot be read; try again, or give every choice as an option (--camera, --focal-length, --aperture, --unit, --cofc).</source>
        <translation>une autre copie de Vexton.DOF.CE tient vos réglages : vos choix ne peuvent pas être lus ; réessayez, ou donnez chaque choix en option (--camera, --focal-length, --aperture, --unit, --cofc).</translation>
    </message>
    <message>
        <source>the configuration folder %1 is not yours: your stored choices were not read.</source>
        <translation>le dossier de configuration %1 n’est pas à vous : vos choix conservés n’ont pas été lus.</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not in the list and is not a number; nearest: %3</source>
        <translation>%1 &quot;%2&quot; n’est pas dans la liste et n’est pas un nombre ; les plus proches : %3</translation>
    </message>
    <message>
        <source>no %1 begins with &quot;%2&quot;; nearest: %3</source>
        <translation>aucune entrée pour %1 ne commence par &quot;%2&quot; ; les plus proches : %3</translation>
    </message>
    <message>
        <source>--cofc %1 needs the camera&apos;s sensor size</source>
        <translation>--cofc %1 demande la taille du capteur de l’appareil</translation>
    </message>
    <message>
        <source>--cofc print: takes a print and where it is seen from (&quot;print:20x30cm@36cm&quot;)</source>
        <translation>--cofc print: prend un tirage et la distance d’où on le voit (&quot;print:20x30cm@36cm&quot;)</translation>
    </message>
    <message>
        <source>--cofc pixels: takes how many pixels (&quot;pixels:2&quot;)</source>
        <translation>--cofc pixels: prend combien de pixels (&quot;pixels:2&quot;)</translation>
    </message>
    <message>
        <source>--cofc pixels: needs the camera&apos;s width in pixels, which %1&apos;s data does not give; vextondof coc --pitch gives the circle from the pixel pitch</source>
        <translation>--cofc pixels: demande la largeur de l’appareil en pixels, que les données de %1 ne donnent pas ; vextondof coc --pitch donne le cercle d’après le pas des pixels</translation>
    </message>
    <message>
        <source>--apertures takes FROM:TO, two apertures (&quot;f/4:f/16&quot;, &quot;2.8:6.3&quot;)</source>
        <translation>--apertures prend DE:À, deux ouvertures (&quot;f/4:f/16&quot;, &quot;2.8:6.3&quot;)</translation>
    </message>
    <message>
        <source>camera</source>
        <translation>l’appareil</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>la focale</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>l’ouverture</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>l’unité</translation>
    </message>
    <message>
        <source>circle of confusion</source>
        <translation>le cercle de confusion</translation>
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
        <translation>Usage : vextondof coc [--camera TEXTE] --print TAILLE [--viewing DISTANCE]
                      [--eyesight normal|keen|critical]
        vextondof coc [--camera TEXTE] --pixels LARGEUR | --pitch TAILLE
                      [--factor N]

Détermine le cercle de confusion qui convient à l’image, pour l’appareil
choisi, et écrit chaque étape et le résultat comme la fenêtre Cercle de
confusion les affiche : sur le capteur, et pour 36 x 24 mm (ce que --cofc et la
liste de la fenêtre principale contiennent).

  --print TAILLE       le tirage ou l’écran : &quot;20x30cm&quot;, &quot;8x10in&quot;, &quot;A4&quot;
  --viewing DISTANCE   d’où on le voit (&quot;36cm&quot;, &quot;14in&quot; ; par défaut : sa
                       diagonale)
  --eyesight LAQUELLE  normal (5 paires de lignes par mm à 25 cm), keen (8),
                       critical (10)
  --pixels LARGEUR     la largeur du capteur en pixels (par défaut : celle de
                       l’appareil, lorsqu’elle est connue)
  --pitch TAILLE       le pas des pixels à la place (&quot;4.35um&quot;, &quot;0.00435mm&quot;)
  --factor N           combien de pixels le cercle couvre (par défaut 2)
</translation>
    </message>
    <message>
        <source>coc takes --print, or --pixels or --pitch</source>
        <translation>coc prend --print, ou --pixels ou --pitch</translation>
    </message>
    <message>
        <source>The camera&apos;s sensor size is not known.</source>
        <translation>La taille du capteur de l’appareil n’est pas connue.</translation>
    </message>
    <message>
        <source>--print takes a size: &quot;20x30cm&quot;, &quot;8x10in&quot;, &quot;A4&quot;</source>
        <translation>--print prend une taille : &quot;20x30cm&quot;, &quot;8x10in&quot;, &quot;A4&quot;</translation>
    </message>
    <message>
        <source>--viewing takes a distance: &quot;36cm&quot;, &quot;14in&quot;</source>
        <translation>--viewing prend une distance : &quot;36cm&quot;, &quot;14in&quot;</translation>
    </message>
    <message>
        <source>--eyesight takes normal, keen or critical</source>
        <translation>--eyesight prend normal, keen ou critical</translation>
    </message>
    <message>
        <source>--factor takes how many pixels, 1 to 100</source>
        <translation>--factor prend combien de pixels, de 1 à 100</translation>
    </message>
    <message>
        <source>--pitch takes a size: &quot;4.35um&quot;, &quot;0.00435mm&quot;</source>
        <translation>--pitch prend une taille : &quot;4.35um&quot;, &quot;0.00435mm&quot;</translation>
    </message>
    <message>
        <source>The camera&apos;s width in pixels is not known; give --pixels or --pitch.</source>
        <translation>La largeur de l’appareil en pixels n’est pas connue ; donnez --pixels ou --pitch.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command; did you mean %2?</source>
        <translation>&quot;%1&quot; n’est pas une commande ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>Try &apos;vextondof --help&apos;.</source>
        <translation>Voir &apos;vextondof --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Try &apos;vextondof %1 --help&apos;.</source>
        <translation>Voir &apos;vextondof %1 --help&apos;.</translation>
    </message>
    <message>
        <source>%1 needs %2 TEXT</source>
        <translation>%1 demande %2 TEXTE</translation>
    </message>
    <message>
        <source>Validation Error: </source>
        <translation>Erreur de saisie : </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Remarque : </translation>
    </message>
    <message>
        <source>%1 is read from each photo; photo takes --unit and --cofc</source>
        <translation>%1 est lu dans chaque photo ; photo prend --unit et --cofc</translation>
    </message>
    <message>
        <source>photo needs at least one FILE</source>
        <translation>photo demande au moins un FICHIER</translation>
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
        <translation>Usage : vextondof plan [CHOIX] --near TEXTE [--far TEXTE|inf]
                       [--background TEXTE]

Planifie une prise de vue à rebours, comme la fenêtre Planifier la mise au
point : à partir des points le plus proche et le plus lointain qui doivent être
nets, où faire la mise au point, quelle ouverture régler, ce que la diffraction
y fait et à quel point l’arrière-plan est flou. Ce qui est refusé est dit sur
la sortie d’erreur (code 1) ; les résultats qui ont pu être obtenus sont écrits
quand même.

  --near TEXTE         le point le plus proche qui doit être net, dans l’unité
  --far TEXTE|inf      le plus lointain (par défaut : l’infini)
  --background TEXTE   où se trouve l’arrière-plan (par défaut : l’infini)
</translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>Avertissement : </translation>
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
        <translation>Usage : vextondof table [CHOIX] [--distance TEXTE] [--distances &quot;LISTE&quot;]
                        [--apertures DE:À] [--steps whole|half|third]
                        [--show limits|split|total]
                        [--format text|csv|pdf] [--output FICHIER]
                        [--paper a4|letter]

Écrit le tableau de profondeur de champ que la fenêtre du tableau affiche pour
ces choix.

  --distance TEXTE     une distance de mise au point ajoutée aux lignes par
                       défaut, marquée
  --distances &quot;LISTE&quot;  les lignes : des distances séparées par des espaces
  --apertures DE:À     les colonnes : les ouvertures de DE à À (par défaut
                       f/2.8:f/22, élargi à l’ouverture choisie, qui est une
                       colonne)
  --steps PAS          whole, half ou third : diaphragmes entiers, demis ou
                       tiers entre elles (par défaut whole)
  --show QUOI          limits (proche - lointaine), split (devant / derrière)
                       ou total
  --format FORMAT      text (le tableau, aligné), csv (pour les programmes,
                       toujours en anglais : une ligne par distance et
                       ouverture, nombres &quot;%f&quot;, &quot;.&quot;, inf) ou pdf
  --output FICHIER     écrit en entier ou pas du tout (un PDF en demande un sur
                       un terminal)
  --paper PAPIER       a4 ou letter, pour un PDF (par défaut : celui de vos
                       paramètres régionaux)
</translation>
    </message>
    <message>
        <source>--show takes limits, split or total</source>
        <translation>--show prend limits, split ou total</translation>
    </message>
    <message>
        <source>--format takes text, csv or pdf</source>
        <translation>--format prend text, csv ou pdf</translation>
    </message>
    <message>
        <source>no PDF could be made here</source>
        <translation>aucun PDF n’a pu être créé ici</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file: nothing was written</source>
        <translation>%1 est un dossier, pas un fichier : rien n’a été écrit</translation>
    </message>
    <message>
        <source>%1 is a device or a pipe, not a file: nothing was written</source>
        <translation>%1 est un périphérique ou un tube, pas un fichier : rien n’a été écrit</translation>
    </message>
    <message>
        <source>a PDF or an image goes to a file (--output FILE) or a pipe, not to a terminal</source>
        <translation>un PDF ou une image va dans un fichier (--output FICHIER) ou un tube, pas dans un terminal</translation>
    </message>
    <message>
        <source>The sensor size must be two numbers of millimetres from 0.001 to 1000, width x height (&quot;6.17x4.55&quot;).</source>
        <translation>La taille du capteur doit être deux nombres de millimètres de 0,001 à 1000, largeur x hauteur (&quot;6.17x4.55&quot;).</translation>
    </message>
    <message>
        <source>--pixels takes the sensor&apos;s width in pixels, a whole number</source>
        <translation>--pixels prend la largeur du capteur en pixels, un nombre entier</translation>
    </message>
    <message>
        <source>       vextondof calculate [CHOICES] --distance TEXT [--diopter TEXT]
</source>
        <translation>        vextondof calculate [CHOIX] --distance TEXTE [--diopter TEXTE]
</translation>
    </message>
    <message>
        <source>       vextondof cameras [WORDS] [--format text|csv]
</source>
        <translation>        vextondof cameras [MOTS] [--format text|csv]
</translation>
    </message>
    <message>
        <source>       vextondof chart [CHOICES] [--distance TEXT] [--view zone|limits]
                       [--apertures FROM:TO] [--steps whole|half|third]
                       --format svg|png|pdf [--output FILE] [--paper a4|letter]
</source>
        <translation>        vextondof chart [CHOIX] [--distance TEXTE] [--view zone|limits]
                        [--apertures DE:À] [--steps whole|half|third]
                        --format svg|png|pdf [--output FICHIER] [--paper a4|letter]
</translation>
    </message>
    <message>
        <source>       vextondof coc [CHOICES] --print SIZE [--viewing DISTANCE] [--eyesight WHICH]
       vextondof coc [CHOICES] --pixels WIDTH | --pitch SIZE [--factor N]
</source>
        <translation>        vextondof coc [CHOIX] --print TAILLE [--viewing DISTANCE] [--eyesight LAQUELLE]
        vextondof coc [CHOIX] --pixels LARGEUR | --pitch TAILLE [--factor N]
</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command; the commands are %2</source>
        <translation>&quot;%1&quot; n’est pas une commande ; les commandes sont %2</translation>
    </message>
    <message>
        <source>       vextondof plan [CHOICES] --near TEXT [--far TEXT|inf] [--background TEXT]
</source>
        <translation>        vextondof plan [CHOIX] --near TEXTE [--far TEXTE|inf] [--background TEXTE]
</translation>
    </message>
    <message>
        <source>       vextondof table [CHOICES] [--distance TEXT] [--distances &quot;LIST&quot;]
                       [--apertures FROM:TO] [--steps whole|half|third]
                       [--show limits|split|total]
                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]
</source>
        <translation>        vextondof table [CHOIX] [--distance TEXTE] [--distances &quot;LISTE&quot;]
                        [--apertures DE:À] [--steps whole|half|third]
                        [--show limits|split|total]
                        [--format text|csv|pdf] [--output FICHIER] [--paper a4|letter]
</translation>
    </message>
    <message>
        <source>yours (%1)</source>
        <translation>à vous (%1)</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>à vous</translation>
    </message>
    <message>
        <source>       vextondof closeup [CHOICES] --magnification M | --distance TEXT
                         [--extension MM] [--pupil P]
</source>
        <translation>       vextondof closeup [CHOIX] --magnification M | --distance TEXTE
                         [--extension MM] [--pupil P]
</translation>
    </message>
    <message>
        <source>give --magnification or --distance, one of them</source>
        <translation>donnez --magnification ou --distance, l’un des deux</translation>
    </message>
    <message>
        <source>       vextondof stack [CHOICES] --near TEXT [--far TEXT|inf] [--overlap PERCENT]
       vextondof stack [CHOICES] --magnification M --depth MM
                       [--extension MM] [--pupil P] [--overlap PERCENT]
                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]
</source>
        <translation>       vextondof stack [CHOIX] --near TEXTE [--far TEXTE|inf] [--overlap POURCENT]
       vextondof stack [CHOIX] --magnification M --depth MM
                       [--extension MM] [--pupil P] [--overlap POURCENT]
                       [--format text|csv|pdf] [--output FICHIER] [--paper a4|letter]
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
        <translation>Usage : vextondof stack [CHOIX] --near TEXTE [--far TEXTE|inf] [--overlap POURCENT]
        vextondof stack [CHOIX] --magnification M --depth MM
                        [--extension MM] [--pupil P] [--overlap POURCENT]
                        [--format text|csv|pdf] [--output FICHIER] [--paper a4|letter]

Planifie un empilement de mise au point, comme la fenêtre Macro et empilement
de mise au point : en refaisant la mise au point du point le plus lointain au
plus proche (--near), ou en déplaçant l’appareil sur un rail à travers une
profondeur à un grandissement (--magnification).

  --near TEXTE         le point le plus proche qui doit être net, dans l’unité
  --far TEXTE|inf      le plus lointain (par défaut : l’infini)
  --magnification M    sur un rail : 0.5, 0.5x ou 1:2
  --depth MM           la profondeur que la pile doit couvrir, en millimètres
  --extension MM       bagues ou soufflet derrière l’objectif (par défaut 0)
  --pupil P            le grandissement pupillaire (par défaut 1)
  --overlap POURCENT   part de la profondeur de chaque vue partagée avec la
                       suivante (par défaut 20)
  --format FORMAT      text (le plan, aligné), csv (pour les programmes :
                       nombres comme &quot;%f&quot;, &quot;.&quot;, inf) ou pdf
  --output FICHIER     écrit en entier ou pas du tout (un PDF en demande un sur
                       un terminal)
  --paper PAPIER       a4 ou letter, pour un PDF (par défaut : celui de vos
                       paramètres régionaux)
</translation>
    </message>
    <message>
        <source>give --near or --magnification, one of them</source>
        <translation>donnez --near ou --magnification, l’un des deux</translation>
    </message>
    <message>
        <source>--depth, --extension and --pupil go with --magnification</source>
        <translation>--depth, --extension et --pupil vont avec --magnification</translation>
    </message>
    <message>
        <source>--magnification takes --depth, not --far</source>
        <translation>--magnification prend --depth, pas --far</translation>
    </message>
    <message>
        <source>       vextondof frame [CHOICES] --distance TEXT | --width TEXT | --height TEXT
</source>
        <translation>       vextondof frame [CHOIX] --distance TEXTE | --width TEXTE | --height TEXTE
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
        <translation>Usage : vextondof frame [CHOIX] --distance TEXTE | --width TEXTE | --height TEXTE

Écrit comment l’objectif cadre une vue : à une distance de l’objectif, ou à
la distance qui cadre un sujet d’une largeur ou d’une hauteur données, les
angles de champ horizontal, vertical et diagonal et le champ couvert au sujet.

  --distance TEXTE     la distance du sujet à l’objectif, dans l’unité
  --width TEXTE        ou la largeur que le cadre doit contenir, dans l’unité
  --height TEXTE       ou la hauteur que le cadre doit contenir, dans l’unité
</translation>
    </message>
    <message>
        <source>give one of --distance, --width and --height</source>
        <translation>donnez l’un de --distance, --width et --height</translation>
    </message>
    <message>
        <source>No lens matches &quot;%1&quot;.</source>
        <translation>Aucun objectif ne correspond à « %1 ».</translation>
    </message>
    <message>
        <source>       vextondof lenses [WORDS] [--format text|csv]
       vextondof lenses --add NAME --focal MM[-MM] --widest N[-N]
                        [--smallest N] [--min-focus TEXT] [--pupil P]
       vextondof lenses --remove NAME
</source>
        <translation>       vextondof lenses [MOTS] [--format text|csv]
       vextondof lenses --add NOM --focal MM[-MM] --widest N[-N]
                        [--smallest N] [--min-focus TEXTE] [--pupil P]
       vextondof lenses --remove NOM
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
        <translation>Usage : vextondof lenses [MOTS] [--format text|csv]
        vextondof lenses --add NOM --focal MM[-MM] --widest N[-N]
                         [--smallest N] [--min-focus TEXTE] [--pupil P]
        vextondof lenses --remove NOM

Liste vos propres objectifs, puis ceux de lensfun, que les mots trouvent, le
meilleur d’abord : chaque mot, en toute casse et en tout ordre, dans la
marque ou le modèle, lettres et chiffres séparés ou accolés (&quot;24-105 f4&quot;,
&quot;ef 100 macro&quot;, &quot;xf 23&quot;) ; sans mots, tous sont listés, dans l’ordre.
Chacun avec sa plage focale, sa plus grande ouverture à chaque extrémité et
sa monture. N’en trouver aucun sort avec le code 1.

  --format text|csv    colonnes alignées (par défaut), ou un fichier CSV avec
                       l’en-tête name,maker,model,mount,focal_min_mm,
                       focal_max_mm,widest_at_min,widest_at_max,smallest,
                       min_focus_m,pupil_magnification,source
  --add NOM            ajoute un objectif à vous :
  --focal MM[-MM]      sa focale, ou sa plus courte et sa plus longue (&quot;24-105&quot;)
  --widest N[-N]       sa plus grande ouverture, ou à chaque extrémité (&quot;3.5-5.6&quot;)
  --smallest N         sa plus petite ouverture (22 par défaut)
  --min-focus TEXTE    sa mise au point minimale, depuis le capteur (&quot;0.45 m&quot;)
  --pupil P            son grandissement pupillaire, s’il est connu
  --remove NOM         retire l’un de vos objectifs (ceux de lensfun restent)
</translation>
    </message>
    <message>
        <source>--add takes --focal MM[-MM] and --widest N[-N], as numbers</source>
        <translation>--add prend --focal MM[-MM] et --widest N[-N], en nombres</translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>%1 ajouté.</translation>
    </message>
    <message>
        <source>--focal, --widest, --smallest, --min-focus and --pupil go with --add</source>
        <translation>--focal, --widest, --smallest, --min-focus et --pupil vont avec --add</translation>
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
        <translation>Usage : vextondof closeup [CHOIX] --magnification M | --distance TEXTE
                          [--extension MM] [--pupil P]

Écrit les nombres d’une vue rapprochée, comme la fenêtre Macro et empilement
de mise au point les montre : le grandissement, l’ouverture effective et la
lumière perdue, la profondeur de champ (classique, et en optique
ondulatoire), la tache d’Airy, le champ au sujet et la distance du sujet au
capteur, une ligne chacun.

  --magnification M    0.5, 0.5x ou 1:2
  --distance TEXTE     ou la distance de mise au point de l’objectif, dans
                       l’unité (sans tirage, la distance du sujet à l’objectif)
  --extension MM       bagues ou soufflet derrière l’objectif (par défaut 0)
  --pupil P            le grandissement pupillaire, sortie sur entrée
                       (par défaut 1)
</translation>
    </message>
    <message>
        <source>--magnification needs --depth</source>
        <translation>--magnification demande --depth</translation>
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
        <translation>Choix (chacun la première entrée de sa liste qui commence par TEXTE, en toute
casse ; un nombre pour lequel la liste n’a pas d’entrée est employé tel quel ;
un choix omis est celui que vous avez conservé, comme le programme le garde) :
  --camera TEXTE       appareil ou format de film (&quot;canon 20&quot; : Canon 20D)
  --focal-length TEXTE focale en millimètres (&quot;50&quot; : 50.0 ; &quot;23 mm&quot;)
  --aperture TEXTE     ouverture (&quot;f/5.6&quot; ; &quot;f/6.3&quot;, &quot;3&quot; : f/3)
  --unit TEXTE         unité de distance (&quot;m&quot; : meters)
  --cofc TEXTE         cercle de confusion en millimètres (&quot;0.03&quot; : 0.0300)
  --diopter TEXTE      dioptries de la bonnette, comme saisies dans la fenêtre
                       principale
  --lens MOTS          votre objectif, tel que vextondof lenses le trouve
                       (&quot;24-105 f4&quot;) : ses focales et ouvertures valent, et ce qui
                       est plus près que sa mise au point minimale est signalé
Les nombres sont lus selon vos réglages numériques (LC_ALL, LC_NUMERIC, LANG).
</translation>
    </message>
    <message>
        <source>       vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] [--recursive]
                       FILE|FOLDER...
</source>
        <translation>       vextondof photo [--unit TEXTE] [--cofc TEXTE] [--format text|csv] [--recursive]
                       FICHIER|DOSSIER...
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
        <translation>Usage : vextondof photo [--unit TEXTE] [--cofc TEXTE] [--format text|csv] [--recursive]
                        FICHIER|DOSSIER...

Lit ce que chaque photo enregistre de sa prise de vue (appareil, objectif,
focale, nombre d’ouverture, distance de mise au point) et l’écrit avec la
profondeur de champ de cette prise de vue, comme la fenêtre Photo l’affiche :
des lignes ÉTIQUETTE : TEXTE, une ligne vide entre les photos, ou avec
--format csv une ligne par photo (pour les programmes, toujours en anglais) :
  file,date,camera,lens,lens_found,focal_length_mm,focal_length_35mm,f_number,
  distance_m,distance_source,near,far,near_min,far_max,total,hyperfocal,unit,
  coc_mm,problem
Sans distance de mise au point, la distance hyperfocale et la profondeur de
champ avec la mise au point à 1, 2, 3, 5 et 10 m et à l’infini (3 à 30 ft en
pieds). Un dossier donne ses photos, dans l’ordre de leurs noms.
L’unité et le cercle de confusion sont vos choix conservés, sauf s’ils sont
donnés. Un fichier qui ne peut être lu est nommé sur la sortie d’erreur et le
code de sortie est 1 ; les autres sont écrits quand même.

  --format FORMAT      text (par défaut) ou csv (pour les programmes : nombres
                       &quot;%f&quot;, &quot;.&quot;, inf)
  --recursive          aussi les photos des sous-dossiers
</translation>
    </message>
    <message>
        <source>the folder %1 cannot be read</source>
        <translation>le dossier %1 ne peut être lu</translation>
    </message>
    <message>
        <source>the folder %1 holds no photos</source>
        <translation>le dossier %1 ne contient aucune photo</translation>
    </message>
    <message>
        <source>reading photos: %1 of %2</source>
        <translation>lecture des photos : %1 sur %2</translation>
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
    <message>
        <source>Type the focus distance to see the sharp zone there.</source>
        <translation>Saisissez la distance de mise au point pour y voir la zone nette.</translation>
    </message>
    <message>
        <source>Where each is focused</source>
        <translation>Où chacune fait la mise au point</translation>
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
    <message>
        <source>No aperture lies between the two chosen.</source>
        <translation>Aucune ouverture ne se trouve entre les deux choisies.</translation>
    </message>
    <message>
        <source>finer where the depth of field is shallow</source>
        <translation>plus finement là où la profondeur de champ est faible</translation>
    </message>
    <message>
        <source>Distances in %1, to the half inch (%2); Hyperfocal: the distance (and the nearest sharp point when focused there).</source>
        <translation>Distances en %1, au demi-pouce (%2) ; Hyperfocale : la distance (et le point net le plus proche avec la mise au point à cette distance).</translation>
    </message>
    <message>
        <source>Distances in %1, rounded to %2 (%3); Hyperfocal: the distance (and the nearest sharp point when focused there).</source>
        <translation>Distances en %1, arrondies à %2 (%3) ; Hyperfocale : la distance (et le point net le plus proche avec la mise au point à cette distance).</translation>
    </message>
    <message>
        <source>Nearer than this lens focuses: %1 from the sensor.</source>
        <translation>Plus près que la mise au point minimale de cet objectif : %1 du capteur.</translation>
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
    <message>
        <source>Close-Up and &amp;Stacking…</source>
        <translation>&amp;Macro et empilement de mise au point…</translation>
    </message>
    <message>
        <source>Choose &amp;Lens…</source>
        <translation>Choisir l’ob&amp;jectif…</translation>
    </message>
    <message>
        <source>Ope&amp;n Photos…</source>
        <translation>Ouvrir &amp;des photos…</translation>
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
    <name>Framing</name>
    <message>
        <source>“%1” is not a length.</source>
        <translation>« %1 » n’est pas une longueur.</translation>
    </message>
    <message>
        <source>The subject must be farther from the lens than its focal length.</source>
        <translation>Le sujet doit être plus loin de l’objectif que sa focale.</translation>
    </message>
    <message>
        <source>The subject&apos;s size must be a positive length.</source>
        <translation>La taille du sujet doit être une longueur positive.</translation>
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
    <name>Lenses</name>
    <message>
        <source>&quot;%1&quot; names several lenses: %2.</source>
        <translation>« %1 » désigne plusieurs objectifs : %2.</translation>
    </message>
    <message>
        <source>This lens has one focal length, %1 mm.</source>
        <translation>Cet objectif a une seule focale, %1 mm.</translation>
    </message>
    <message>
        <source>This lens reaches from %1 to %2 mm.</source>
        <translation>Cet objectif va de %1 à %2 mm.</translation>
    </message>
    <message>
        <source>At %1 mm this lens opens no wider than f/%2.</source>
        <translation>À %1 mm, cet objectif n’ouvre pas plus grand que f/%2.</translation>
    </message>
    <message>
        <source>This lens closes no further than f/%1.</source>
        <translation>Cet objectif ne ferme pas au-delà de f/%1.</translation>
    </message>
    <message>
        <source>Your lenses file %1 is too large to be read.</source>
        <translation>Votre fichier d’objectifs %1 est trop grand pour être lu.</translation>
    </message>
    <message>
        <source>Your lenses file %1 cannot be read.</source>
        <translation>Votre fichier d’objectifs %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Another copy of Vexton.DOF.CE holds your lenses file, so your lenses cannot be read now.</source>
        <translation>Une autre copie de Vexton.DOF.CE tient votre fichier d’objectifs ; vos objectifs ne peuvent pas être lus maintenant.</translation>
    </message>
    <message>
        <source>Your configuration folder is not yours, so your lenses cannot be kept.</source>
        <translation>Votre dossier de configuration n’est pas le vôtre ; vos objectifs ne peuvent pas être gardés.</translation>
    </message>
    <message>
        <source>You have no lens named %1.</source>
        <translation>Vous n’avez pas d’objectif nommé %1.</translation>
    </message>
    <message>
        <source>A lens needs a name.</source>
        <translation>Un objectif a besoin d’un nom.</translation>
    </message>
    <message>
        <source>A lens&apos;s name is one line, without tabs or control characters.</source>
        <translation>Le nom d’un objectif tient sur une ligne, sans tabulations ni caractères de contrôle.</translation>
    </message>
    <message>
        <source>A lens&apos;s name is at most %1 characters long.</source>
        <translation>Le nom d’un objectif compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Focal lengths are from 1 to 5000 mm, the longest not shorter than the shortest.</source>
        <translation>Les focales vont de 1 à 5000 mm, la plus longue pas plus courte que la plus courte.</translation>
    </message>
    <message>
        <source>Apertures are from f/0.5 to f/256, the smallest not wider than the widest.</source>
        <translation>Les ouvertures vont de f/0.5 à f/256, la plus petite pas plus grande que la plus grande.</translation>
    </message>
    <message>
        <source>The minimum focus distance is from 0.01 to 1000 m.</source>
        <translation>La distance minimale de mise au point va de 0,01 à 1000 m.</translation>
    </message>
    <message>
        <source>The pupil magnification is from 0.05 to 20.</source>
        <translation>Le grandissement pupillaire va de 0,05 à 20.</translation>
    </message>
    <message>
        <source>You have a lens named %1 already.</source>
        <translation>Vous avez déjà un objectif nommé %1.</translation>
    </message>
    <message>
        <source>%1 from the lens is nearer than this lens focuses: %2 from the sensor.</source>
        <translation>%1 de l’objectif est plus près que la mise au point minimale de cet objectif : %2 du capteur.</translation>
    </message>
    <message>
        <source>A lens of one focal length has one widest aperture.</source>
        <translation>Un objectif à une seule focale a une seule plus grande ouverture.</translation>
    </message>
    <message>
        <source>Without extension this lens reaches at most %1×, at %2 m from the sensor.</source>
        <translation>Sans bague allonge, cet objectif atteint au plus %1×, à %2 m du capteur.</translation>
    </message>
    <message>
        <source>Your lenses file %1 is full; remove a lens first.</source>
        <translation>Votre fichier d’objectifs %1 est plein ; retirez d’abord un objectif.</translation>
    </message>
    <message>
        <source>A zoom opens no wider at its long end than at its short end: the widest apertures go from the short end to the long one (“3.5-5.6”).</source>
        <translation>Un zoom n’ouvre pas plus grand à sa focale la plus longue qu’à la plus courte : les ouvertures maximales vont de la courte à la longue (« 3,5-5,6 »).</translation>
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
    <message>
        <source>Custom…</source>
        <translation>Personnalisé…</translation>
    </message>
    <message>
        <source>Other lens…</source>
        <translation>Autre objectif…</translation>
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
    <message>
        <source>Photos (*.jpg *.jpeg *.tif *.tiff *.dng *.png *.nef *.nrw *.cr2 *.arw *.orf *.rw2 *.pef *.raf *.srw *.JPG *.JPEG *.TIF *.TIFF *.DNG *.PNG *.NEF *.NRW *.CR2 *.ARW *.ORF *.RW2 *.PEF *.RAF *.SRW);;All files (*)</source>
        <translation>Photos (*.jpg *.jpeg *.tif *.tiff *.dng *.png *.nef *.nrw *.cr2 *.arw *.orf *.rw2 *.pef *.raf *.srw *.JPG *.JPEG *.TIF *.TIFF *.DNG *.PNG *.NEF *.NRW *.CR2 *.ARW *.ORF *.RW2 *.PEF *.RAF *.SRW);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Ouvrir une photo</translation>
    </message>
    <message>
        <source>The lens could not be kept for the next run.

%1</source>
        <translation>L’objectif n’a pas pu être gardé pour la prochaine fois.

%1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Le dossier %1 ne peut être lu.</translation>
    </message>
    <message>
        <source>Open Photos</source>
        <translation>Ouvrir des photos</translation>
    </message>
    <message>
        <source>There are no photos there.</source>
        <translation>Il n’y a aucune photo là.</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 is not available: %2 could not be loaded.</source>
        <translation>%1 n’est pas disponible : %2 n’a pas pu être chargé.</translation>
    </message>
    <message>
        <source>%1 is not available: %2 is not the right module.</source>
        <translation>%1 n’est pas disponible : %2 n’est pas le bon module.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>L’impression</translation>
    </message>
    <message>
        <source>Writing SVG</source>
        <translation>L’écriture de SVG</translation>
    </message>
    <message>
        <source>%1 is not available: %2 is not loaded, since another user could have changed it.</source>
        <translation>%1 n’est pas disponible : %2 n’est pas chargé, car un autre utilisateur aurait pu le modifier.</translation>
    </message>
    <message>
        <source>%1 is not available: %2 belongs to another build of the program.</source>
        <translation>%1 n’est pas disponible : %2 appartient à une autre compilation du programme.</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>La fenêtre</translation>
    </message>
    <message>
        <source>lensfun&apos;s camera database</source>
        <translation>base de données d’appareils de lensfun</translation>
    </message>
</context>
<context>
    <name>Open Photos</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Focale</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Focus distance</source>
        <translation>Mise au point</translation>
    </message>
    <message>
        <source>Near</source>
        <translation>Proche</translation>
    </message>
    <message>
        <source>Far</source>
        <translation>Lointaine</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hyperfocale</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2…</source>
        <translation>Lecture des photos : %1 sur %2…</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 photos read.</source>
        <translation>Arrêté : %1 photos lues sur %2.</translation>
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
        <source>Order read</source>
        <translation>Ordre de lecture</translation>
    </message>
    <message>
        <source>Photos read: %1.</source>
        <translation>Photos lues : %1.</translation>
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
    <message>
        <source>The PNG could not be made.</source>
        <translation>Le PNG n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1, %2, circle of confusion %3, distances in %4</source>
        <translation>%1, %2, cercle de confusion %3, distances en %4</translation>
    </message>
    <message>
        <source>%1: %2, %3, circle of confusion %4, distances in %5</source>
        <translation>%1 : %2, %3, cercle de confusion %4, distances en %5</translation>
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
    <message>
        <source>The photo records its focus distance as unknown (0 in %1).</source>
        <translation>La photo enregistre sa distance de mise au point comme inconnue (0 dans %1).</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>l’infini</translation>
    </message>
    <message>
        <source>Canon&apos;s maker note records the focus distance as beyond %1 (%2, %3), which cannot be calculated with.</source>
        <translation>La note du fabricant Canon enregistre la distance de mise au point comme au-delà de %1 (%2, %3), ce qui ne permet aucun calcul.</translation>
    </message>
    <message>
        <source>Canon&apos;s maker note records the focus distance as between %1 and %2; the middle in dioptres, %3, is used.</source>
        <translation>La note du fabricant Canon enregistre la distance de mise au point entre %1 et %2 ; le milieu en dioptries, %3, est utilisé.</translation>
    </message>
    <message>
        <source>the image</source>
        <translation>l’image</translation>
    </message>
    <message>
        <source>The photo records an image size of %1 x %2 pixels (%3), which is not used.</source>
        <translation>La photo enregistre une taille d’image de %1 x %2 pixels (%3), qui n’est pas utilisée.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is not a photo.</source>
        <translation>%1 n’est pas une photo.</translation>
    </message>
    <message>
        <source>%1 is damaged: its metadata cannot be read.</source>
        <translation>%1 est endommagé : ses métadonnées ne peuvent pas être lues.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a photo.</source>
        <translation>%1 est un dossier, pas une photo.</translation>
    </message>
    <message>
        <source>%1 is empty, not a photo.</source>
        <translation>%1 est vide, pas une photo.</translation>
    </message>
    <message>
        <source>%1 is too large to be a photo this program reads.</source>
        <translation>%1 est trop grand pour être une photo que ce programme lit.</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infini</translation>
    </message>
    <message>
        <source>The photo records a 35 mm equivalent focal length of %1 mm (%2), which is not used.</source>
        <translation>La photo enregistre une focale équivalente 24 × 36 de %1 mm (%2), qui n’est pas utilisée.</translation>
    </message>
    <message>
        <source>The photo records a focal length of %1 mm (%2), which is not used.</source>
        <translation>La photo enregistre une focale de %1 mm (%2), qui n’est pas utilisée.</translation>
    </message>
    <message>
        <source>The photo records an f-number of %1 (%2), which is not used.</source>
        <translation>La photo enregistre un nombre d’ouverture de %1 (%2), qui n’est pas utilisé.</translation>
    </message>
    <message>
        <source>The photo records a focus distance of %1 m (%2), which is not used.</source>
        <translation>La photo enregistre une distance de mise au point de %1 m (%2), qui n’est pas utilisée.</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>%1 mm for 36 × 24 mm; the camera is not known</source>
        <translation>%1 mm pour 36 × 24 mm ; l’appareil n’est pas connu</translation>
    </message>
    <message>
        <source>%1 mm (%2 mm for 36 × 24 mm, your choice)</source>
        <translation>%1 mm (%2 mm pour 36 × 24 mm, votre choix)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>The camera of this photo</source>
        <translation>L’appareil de cette photo</translation>
    </message>
    <message>
        <source>its camera</source>
        <translation>son appareil</translation>
    </message>
    <message>
        <source>%1 mm (%2 ÷ crop factor %3)</source>
        <translation>%1 mm (%2 ÷ facteur de recadrage %3)</translation>
    </message>
    <message>
        <source>the focal length</source>
        <translation>la focale</translation>
    </message>
    <message>
        <source>the f-number</source>
        <translation>le nombre d’ouverture</translation>
    </message>
    <message>
        <source>the focus distance</source>
        <translation>la distance de mise au point</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>This photo records the focus distance only as infinity; type it on the main form and press Calculate.</source>
        <translation>Cette photo n’enregistre la distance de mise au point que comme l’infini ; saisissez-la dans la fenêtre principale et cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>This photo does not record %1; choose or type it on the main form and press Calculate.</source>
        <translation>Cette photo n’enregistre pas %1 ; choisissez ou saisissez cette valeur dans la fenêtre principale et cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>This photo does not record %1; choose or type them on the main form and press Calculate.</source>
        <translation>Cette photo n’enregistre pas %1 ; choisissez ou saisissez ces valeurs dans la fenêtre principale et cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>%1; %2, one of your cameras, crop factor %3</source>
        <translation>%1 ; %2, l’un de vos appareils, facteur de recadrage %3</translation>
    </message>
    <message>
        <source>%1; %2 of the camera list, crop factor %3</source>
        <translation>%1 ; %2 de la liste des appareils, facteur de recadrage %3</translation>
    </message>
    <message>
        <source>%1; %2 in lensfun&apos;s database, crop factor %3</source>
        <translation>%1 ; %2 dans la base de données de lensfun, facteur de recadrage %3</translation>
    </message>
    <message>
        <source>%1; crop factor %2 from its focal lengths (%3 mm ÷ %4 mm)</source>
        <translation>%1 ; facteur de recadrage %2 d’après ses focales (%3 mm ÷ %4 mm)</translation>
    </message>
    <message>
        <source>%1 could not be read: the reader stopped.</source>
        <translation>%1 n’a pas pu être lu : le lecteur s’est arrêté.</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>La lecture des photos</translation>
    </message>
    <message>
        <source>%1 is a video, not a photo.</source>
        <translation>%1 est une vidéo, pas une photo.</translation>
    </message>
    <message>
        <source>%1 is a kind of image this program does not read, not a camera&apos;s photo.</source>
        <translation>%1 est un type d’image que ce programme ne lit pas, pas une photo d’appareil.</translation>
    </message>
    <message>
        <source>found: %1</source>
        <translation>trouvé : %1</translation>
    </message>
    <message>
        <source>not recorded: %1</source>
        <translation>non enregistré : %1</translation>
    </message>
    <message>
        <source>Focused at %1: %2 to %3</source>
        <translation>Mise au point à %1 : %2 à %3</translation>
    </message>
    <message>
        <source>Near</source>
        <translation>Proche</translation>
    </message>
    <message>
        <source>Far</source>
        <translation>Lointaine</translation>
    </message>
    <message>
        <source>Focused at %1, typed for this photo.</source>
        <translation>Mise au point à %1, saisie pour cette photo.</translation>
    </message>
    <message>
        <source>Type a focus distance, with its unit or in the unit chosen.</source>
        <translation>Saisissez une distance de mise au point, avec son unité ou dans l’unité choisie.</translation>
    </message>
    <message>
        <source>Nikon&apos;s lens data records the focus distance in steps: between %1 and %2.</source>
        <translation>Les données d’objectif de Nikon enregistrent la distance de mise au point par paliers : entre %1 et %2.</translation>
    </message>
    <message>
        <source>The camera knew the focus distance only to between %1 and %2, a wider span than the depth of field: focused anywhere in it, what was sharp lies between %3 and %4.</source>
        <translation>L’appareil ne connaissait la distance de mise au point qu’entre %1 et %2, un écart plus large que la profondeur de champ : quelle que soit la mise au point dans cet écart, ce qui était net se trouve entre %3 et %4.</translation>
    </message>
    <message>
        <source>This photo does not record the focus distance: its depth of field is given focused at the distances a lens&apos;s scale is set to.</source>
        <translation>Cette photo n’enregistre pas la distance de mise au point : sa profondeur de champ est donnée pour une mise au point aux distances d’une échelle d’objectif.</translation>
    </message>
    <message>
        <source>no focus distance recorded</source>
        <translation>aucune distance de mise au point enregistrée</translation>
    </message>
    <message>
        <source>Focus distance typed:</source>
        <translation>Mise au point saisie :</translation>
    </message>
    <message>
        <source>Depth of field, focused at:</source>
        <translation>Profondeur de champ, mise au point à :</translation>
    </message>
    <message>
        <source>Canon&apos;s maker note records the focus distance as between %1 and %2 (%3, %4), which is not used.</source>
        <translation>Les notes du fabricant de Canon enregistrent la distance de mise au point entre %1 et %2 (%3, %4), ce qui n’est pas utilisé.</translation>
    </message>
    <message>
        <source>The photo records its focus distance as %1 (%2), which is not used.</source>
        <translation>La photo enregistre sa distance de mise au point comme %1 (%2), ce qui n’est pas utilisé.</translation>
    </message>
    <message>
        <source>The photo records a focus distance of %1 m (%2), no farther than its focal length, which is not used.</source>
        <translation>La photo enregistre une distance de mise au point de %1 m (%2), pas plus loin que sa focale, ce qui n’est pas utilisé.</translation>
    </message>
</context>
<context>
    <name>Photo, feminine</name>
    <message>
        <source>not recorded</source>
        <translation>non enregistrée</translation>
    </message>
</context>
<context>
    <name>Photos</name>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>Trier par :</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>Photos :</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
    <message>
        <source>%1: %2 mm, %3</source>
        <translation>%1 : %2 mm, %3</translation>
    </message>
    <message>
        <source>Type the nearest point that must be sharp.</source>
        <translation>Saisissez le point le plus proche qui doit être net.</translation>
    </message>
    <message>
        <source>Type the farthest point that must be sharp, or tick Infinity.</source>
        <translation>Saisissez le point le plus éloigné qui doit être net, ou cochez Infini.</translation>
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
    <name>Typed</name>
    <message>
        <source>%1 is not a number in your number settings, which write it %2.</source>
        <translation>%1 n’est pas un nombre dans vos réglages de nombres, qui l’écrivent %2.</translation>
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
    <message>
        <source>millimeters</source>
        <translation>millimètres</translation>
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
        <translation>CdC :</translation>
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
