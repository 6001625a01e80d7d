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
