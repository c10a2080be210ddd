<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>%1 - About</source>
        <translation>%1 - À propos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Inserts for compact-disc jewel cases</source>
        <translation>Jaquettes pour boîtiers de CD</translation>
    </message>
    <message>
        <source>Free to use, copy and share.</source>
        <translation>Libre d’utiliser, de copier et de partager.</translation>
    </message>
    <message>
        <source>If you have questions, comments or need support fell free to contact me:</source>
        <translation>Pour une question, une remarque ou de l’aide, n’hésitez pas à m’écrire :</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adresse web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Cases</name>
    <message>
        <source>Jewel case</source>
        <translation>Boîtier cristal</translation>
    </message>
    <message>
        <source>Slim case</source>
        <translation>Boîtier slim</translation>
    </message>
    <message>
        <source>DVD case</source>
        <translation>Boîtier DVD</translation>
    </message>
    <message>
        <source>Disc label</source>
        <translation>Étiquette de disque</translation>
    </message>
    <message>
        <source>New Cover</source>
        <translation>Nouvelle pochette</translation>
    </message>
    <message>
        <source>&amp;Kind of cover:</source>
        <translation>&amp;Type de pochette :</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>The %1 cover (%2) does not fit the printable area of this paper (%3): choose landscape or larger paper</source>
        <translation>La pochette « %1 » (%2) ne tient pas dans la zone imprimable de ce papier (%3) : choisissez le paysage ou un papier plus grand</translation>
    </message>
    <message>
        <source>A disc on the %1 reaches past the printable area of this printer (%2 from %3 mm across, %4 mm down): the printer cannot print that close to the sheet&apos;s edge</source>
        <translation>Un disque de la %1 dépasse la zone imprimable de cette imprimante (%2 à partir de %3 mm horizontalement, %4 mm verticalement) : l&apos;imprimante ne peut pas imprimer si près du bord de la planche</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Pochette</translation>
    </message>
    <message>
        <source>Insi&amp;de</source>
        <translation>Intéri&amp;eur</translation>
    </message>
    <message>
        <source>Fron&amp;t</source>
        <translation>Rec&amp;to</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>V&amp;erso</translation>
    </message>
    <message>
        <source>&amp;Track list</source>
        <translation>List&amp;e des pistes</translation>
    </message>
    <message>
        <source>La&amp;bel</source>
        <translation>É&amp;tiquette</translation>
    </message>
    <message>
        <source>The %1 cover (%2) does not fit the printable area of this paper in landscape (%3): choose portrait or larger paper</source>
        <translation>La pochette « %1 » (%2) ne tient pas dans la zone imprimable de ce papier en orientation paysage (%3) : choisissez l’orientation portrait ou un papier plus grand</translation>
    </message>
    <message>
        <source>The %1 cover (%2) does not fit the printable area of this paper, %3 upright or %4 in landscape: choose larger paper or a printer that prints closer to the paper&apos;s edge</source>
        <translation>La pochette « %1 » (%2) ne tient pas dans la zone imprimable de ce papier, %3 en portrait ou %4 en paysage : choisissez un papier plus grand ou une imprimante qui imprime plus près du bord</translation>
    </message>
    <message>
        <source>Label Sheet</source>
        <translation>Planche d’étiquettes</translation>
    </message>
    <message>
        <source>&amp;Maker:</source>
        <translation>&amp;Fabricant :</translation>
    </message>
    <message>
        <source>&amp;Product:</source>
        <translation>&amp;Produit :</translation>
    </message>
    <message numerus="yes">
        <source>%1 paper, discs of %2 mm with a %3 mm hole, %n on a sheet. From: %4</source>
        <translation>
            <numerusform>Papier %1, disques de %2 mm avec un trou de %3 mm, %n par planche. Source : %4</numerusform>
            <numerusform>Papier %1, disques de %2 mm avec un trou de %3 mm, %n par planche. Source : %4</numerusform>
        </translation>
    </message>
    <message>
        <source>Cross at %1 mm &amp;across:</source>
        <translation>Croix à %1 mm à l’&amp;horizontale :</translation>
    </message>
    <message>
        <source>Cross at %1 mm ac&amp;ross:</source>
        <translation>Croix à %1 mm à l’h&amp;orizontale :</translation>
    </message>
    <message>
        <source>Cross at %1 mm do&amp;wn:</source>
        <translation>Croix à %1 mm à la &amp;verticale :</translation>
    </message>
    <message>
        <source>Cross at %1 mm dow&amp;n:</source>
        <translation>Croix à %1 mm à la v&amp;erticale :</translation>
    </message>
    <message>
        <source>Calibration page for %1. Measure from the paper&apos;s left edge to the middle of the crosses meant for %2 mm and %3 mm across, and from its top edge to those meant for %4 mm and %5 mm down, and type what you measured in the Calibration dialog.</source>
        <translation>Page d’étalonnage pour %1. Mesurez depuis le bord gauche du papier jusqu’au centre des croix prévues à %2 mm et %3 mm à l’horizontale, et depuis le bord supérieur jusqu’à celles prévues à %4 mm et %5 mm à la verticale, puis saisissez vos mesures dans la boîte « Étalonnage ».</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>l’imprimante par défaut</translation>
    </message>
    <message>
        <source>Calibration page</source>
        <translation>Page d’étalonnage</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Print the calibration page, measure from the paper&apos;s left and top edges to the middle of each cross, and type what you measured; or type the corrections. Positive offsets move everything right and down.</source>
        <translation>Imprimez la page d’étalonnage, mesurez depuis les bords gauche et supérieur du papier jusqu’au centre de chaque croix et saisissez vos mesures ; ou saisissez directement les corrections. Un décalage positif déplace tout vers la droite et vers le bas.</translation>
    </message>
    <message>
        <source>Every other printer, PDF and pictures</source>
        <translation>Toutes les autres imprimantes, PDF et images</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Imprimante :</translation>
    </message>
    <message>
        <source>Print Calibration Pa&amp;ge</source>
        <translation>Imprimer la pa&amp;ge d’étalonnage</translation>
    </message>
    <message>
        <source>Where the crosses landed</source>
        <translation>Où les croix sont tombées</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>&amp;Offset across:</source>
        <translation>&amp;Décalage horizontal :</translation>
    </message>
    <message>
        <source>Offset &amp;down:</source>
        <translation>Décalage ver&amp;tical :</translation>
    </message>
    <message>
        <source>&amp;Scale across:</source>
        <translation>É&amp;chelle horizontale :</translation>
    </message>
    <message>
        <source>Sca&amp;le down:</source>
        <translation>Éche&amp;lle verticale :</translation>
    </message>
    <message>
        <source>the label designer&apos;s template %1</source>
        <translation>le modèle du logiciel d’étiquettes %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not list %2 paper, which the %3 sheet is: its discs may not land on the labels</source>
        <translation>L’imprimante « %1 » ne propose pas le papier %2 de la planche %3 : ses disques risquent de ne pas tomber sur les étiquettes</translation>
    </message>
</context>
<context>
    <name>DecodeHelper</name>
    <message>
        <source>crashed</source>
        <translation>a planté</translation>
    </message>
    <message>
        <source>took too long</source>
        <translation>a pris trop de temps</translation>
    </message>
    <message>
        <source>needed too much memory</source>
        <translation>a demandé trop de mémoire</translation>
    </message>
    <message>
        <source>%1 could not be read: the reader stopped (%2)</source>
        <translation>%1 n’a pas pu être lu : le lecteur s’est arrêté (%2)</translation>
    </message>
    <message>
        <source>The picture reader %1 cannot start: %2</source>
        <translation>Le lecteur d’images %1 ne peut pas démarrer : %2</translation>
    </message>
    <message>
        <source>The picture reader cannot start in its sandbox</source>
        <translation>Le lecteur d’images ne peut pas démarrer dans son bac à sable</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>Impossible d’exporter %1 : %2</translation>
    </message>
    <message>
        <source>Sleevix covers (*.%1)</source>
        <translation>Pochettes Sleevix (*.%1)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>The picture %1 was not found; the cover opens without it</source>
        <translation>L’image %1 est introuvable ; la pochette s’ouvre sans elle</translation>
    </message>
    <message>
        <source>The pictures %1 were not found; the cover opens without them</source>
        <translation>Les images %1 sont introuvables ; la pochette s’ouvre sans elles</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1 for the back picture %2</source>
        <translation>%1 pour l’image du verso %2</translation>
    </message>
    <message>
        <source>%1 for the front picture %2</source>
        <translation>%1 pour l’image du recto %2</translation>
    </message>
    <message>
        <source>Sleevix covers</source>
        <translation>Pochettes Sleevix</translation>
    </message>
    <message>
        <source>track lists (.cue, .m3u, .m3u8, .txt)</source>
        <translation>listes de pistes (.cue, .m3u, .m3u8, .txt)</translation>
    </message>
    <message>
        <source>audio files and folders of them</source>
        <translation>fichiers audio et dossiers qui en contiennent</translation>
    </message>
    <message>
        <source>Cannot open %1: Sleevix opens %2</source>
        <translation>Impossible d’ouvrir %1 : Sleevix ouvre %2</translation>
    </message>
    <message>
        <source>Cannot export: the PDF could not be started</source>
        <translation>Exportation impossible : le PDF n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>Cannot export: the PDF writer reported an error</source>
        <translation>Exportation impossible : l&apos;écriture du PDF a signalé une erreur</translation>
    </message>
</context>
<context>
    <name>DocumentDialogs</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Export as PNG</source>
        <translation>Exporter en PNG</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>US Letter</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>É&amp;chelle :</translation>
    </message>
    <message>
        <source>Save the changes to this cover?</source>
        <translation>Enregistrer les modifications de cette pochette ?</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Export for Print Shop</source>
        <translation>Exporter pour l&apos;imprimeur</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Fond perdu :</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a colour written &quot;#rrggbb&quot;</source>
        <translation>une couleur écrite « #rrggbb »</translation>
    </message>
    <message>
        <source>&quot; or &quot;</source>
        <translation>&quot; ou &quot;</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>%1 must be %2</source>
        <translation>%1 doit être %2</translation>
    </message>
    <message>
        <source>%1 holds a NUL character</source>
        <translation>%1 contient un caractère NUL</translation>
    </message>
    <message>
        <source>%1 holds text that is not valid Unicode</source>
        <translation>%1 contient du texte qui n’est pas de l’Unicode valide</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>une liste de textes</translation>
    </message>
    <message>
        <source>&quot;tracks&quot; holds %1 tracks; a cover holds at most %2</source>
        <translation>&quot;tracks&quot; contient %1 pistes ; une pochette en contient au plus %2</translation>
    </message>
    <message>
        <source>track %1 of &quot;tracks&quot;</source>
        <translation>la piste %1 de &quot;tracks&quot;</translation>
    </message>
    <message>
        <source>a PNG file in base64</source>
        <translation>un fichier PNG en base64</translation>
    </message>
    <message>
        <source>%1 holds no picture that can be shown (%2)</source>
        <translation>%1 ne contient aucune image affichable (%2)</translation>
    </message>
    <message>
        <source>a file path or null, or an object carrying a picture</source>
        <translation>un chemin de fichier ou null, ou un objet portant une image</translation>
    </message>
    <message>
        <source>it is not a Sleevix cover (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>ce n’est pas une pochette Sleevix (son &quot;format&quot; n’est pas &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>it is a cover of format version %1; this Sleevix reads version %2</source>
        <translation>c’est une pochette au format version %1 ; ce Sleevix lit la version %2</translation>
    </message>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>ce n’est pas du JSON valide (%1 à l’octet %2)</translation>
    </message>
    <message>
        <source>it is not a Sleevix cover (no JSON object)</source>
        <translation>ce n’est pas une pochette Sleevix (aucun objet JSON)</translation>
    </message>
    <message>
        <source>41 or 17 (millimetres)</source>
        <translation>41 ou 17 (millimètres)</translation>
    </message>
    <message>
        <source>a label sheet&apos;s maker and product, such as &quot;%1&quot;</source>
        <translation>le fabricant et le produit d’une planche d’étiquettes, par exemple « %1 »</translation>
    </message>
    <message>
        <source>a percentage from 100 to 800</source>
        <translation>un pourcentage de 100 à 800</translation>
    </message>
    <message>
        <source>two numbers of millimetres, across and down</source>
        <translation>deux nombres de millimètres, à l’horizontale et à la verticale</translation>
    </message>
    <message>
        <source>0, 90, 180 or 270</source>
        <translation>0, 90, 180 ou 270</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossible d’ouvrir %1</translation>
    </message>
    <message>
        <source>Sleevix could not be started again to open %1</source>
        <translation>Impossible de relancer Sleevix pour ouvrir %1</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur :</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>an audio file</source>
        <translation>un fichier audio</translation>
    </message>
    <message>
        <source>Cannot open file %1. %2</source>
        <translation>Impossible d’ouvrir le fichier %1. %2</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>C’est un dossier</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>It is too large to be %1 (%2 bytes)</source>
        <translation>Il est trop volumineux pour être %1 (%2 octets)</translation>
    </message>
    <message>
        <source>It is too large to be %1 (more than %2 bytes)</source>
        <translation>Il est trop volumineux pour être %1 (plus de %2 octets)</translation>
    </message>
    <message>
        <source>a cover</source>
        <translation>une pochette</translation>
    </message>
    <message>
        <source>a picture</source>
        <translation>une image</translation>
    </message>
    <message>
        <source>a track list</source>
        <translation>une liste de pistes</translation>
    </message>
    <message>
        <source>a label template</source>
        <translation>un modèle d’étiquettes</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Aper&amp;çu avant impression...</translation>
    </message>
    <message>
        <source>&amp;Cover</source>
        <translation>&amp;Pochette</translation>
    </message>
    <message>
        <source>&amp;Edit Tracks...</source>
        <translation>&amp;Modifier les pistes...</translation>
    </message>
    <message>
        <source>&amp;Font type/color...</source>
        <translation>&amp;Police et couleur...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À gauc&amp;he</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centré</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>&amp;Image...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>Export as PN&amp;G...</source>
        <translation>Exporter en PN&amp;G...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Edit Tracks</source>
        <translation>Pi&amp;stes</translation>
    </message>
    <message>
        <source>Ce&amp;nter</source>
        <translation>Ce&amp;ntré</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rimer</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Inserts</source>
        <translation>Jaquettes</translation>
    </message>
    <message>
        <source>Back insert</source>
        <translation>Jaquette arrière</translation>
    </message>
    <message>
        <source>Left spine</source>
        <translation>Tranche gauche</translation>
    </message>
    <message>
        <source>Right spine</source>
        <translation>Tranche droite</translation>
    </message>
    <message>
        <source>Front insert</source>
        <translation>Jaquette avant</translation>
    </message>
    <message>
        <source>Outlines</source>
        <translation>Contours</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Couleur des contours</translation>
    </message>
    <message>
        <source>Text options</source>
        <translation>Options du texte</translation>
    </message>
    <message>
        <source>The vertical text on the </source>
        <extracomment>The first line of a check box; its second line is &quot;printout is messed up!&quot;. The access letter may stand in either line.</extracomment>
        <translation>Le te&amp;xte vertical imprimé </translation>
    </message>
    <message>
        <source>The vertical text on the printout is messed up!</source>
        <translation>Le texte vertical imprimé sort à l’envers !</translation>
    </message>
    <message>
        <source>Export for print s&amp;hop...</source>
        <translation>Exporter pour l&apos;imp&amp;rimeur...</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Jewel case</source>
        <translation>Boîtier &amp;cristal</translation>
    </message>
    <message>
        <source>&amp;Slim case</source>
        <translation>Boîtier &amp;slim</translation>
    </message>
    <message>
        <source>&amp;DVD case</source>
        <translation>Boîtier &amp;DVD</translation>
    </message>
    <message>
        <source>Disc &amp;label</source>
        <translation>É&amp;tiquette de disque</translation>
    </message>
    <message>
        <source>&amp;Full-face disc (17 mm hole)</source>
        <translation>Disque &amp;pleine surface (trou de 17 mm)</translation>
    </message>
    <message>
        <source>&amp;Track list on the disc</source>
        <translation>&amp;Liste des pistes sur le disque</translation>
    </message>
    <message>
        <source>Disc labels &amp;print on</source>
        <translation>&amp;Imprimer les étiquettes sur</translation>
    </message>
    <message>
        <source>&amp;Plain paper</source>
        <translation>Papier &amp;ordinaire</translation>
    </message>
    <message>
        <source>Font t&amp;ype/color</source>
        <translation>Po&amp;lice/couleur</translation>
    </message>
    <message>
        <source>Clo&amp;se</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>The tab of the back insert&apos;s page; the outline switch &quot;Back&quot; has another access letter.</extracomment>
        <translation>V&amp;erso</translation>
    </message>
    <message>
        <source>Fron&amp;t</source>
        <extracomment>The tab of the front insert&apos;s page.</extracomment>
        <translation>Rec&amp;to</translation>
    </message>
    <message>
        <source>&amp;Vertical lines</source>
        <translation>Li&amp;gnes verticales</translation>
    </message>
    <message>
        <source>Bac&amp;k</source>
        <extracomment>The switch of the back insert&apos;s outline; the tab &quot;Back&quot; has another access letter.</extracomment>
        <translation>&amp;Verso</translation>
    </message>
    <message>
        <source>F&amp;ront</source>
        <extracomment>The switch of the front insert&apos;s outline.</extracomment>
        <translation>Re&amp;cto</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>Co&amp;uleur</translation>
    </message>
    <message>
        <source>No te&amp;xt on front cover</source>
        <translation>Pas &amp;de texte au recto</translation>
    </message>
    <message>
        <source>printout is &amp;messed up!</source>
        <extracomment>The second line of the check box &quot;The vertical text on the &quot;.</extracomment>
        <translation>sort à l’envers !</translation>
    </message>
    <message>
        <source>&amp;Label sheet: %1...</source>
        <translation>&amp;Planche d’étiquettes : %1...</translation>
    </message>
    <message>
        <source>&amp;Label sheet...</source>
        <translation>&amp;Planche d’étiquettes...</translation>
    </message>
    <message>
        <source>Printer &amp;calibration...</source>
        <translation>Ét&amp;alonner l’imprimante...</translation>
    </message>
    <message>
        <source>Texts along the disc&apos;s &amp;arcs</source>
        <translation>Textes le long des a&amp;rcs</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>Cadra&amp;ge</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>É&amp;tirer</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Remplir</translation>
    </message>
    <message>
        <source>F&amp;it</source>
        <translation>&amp;Ajuster</translation>
    </message>
    <message>
        <source>Turn &amp;left</source>
        <translation>Tourner à &amp;gauche</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>Tourner à &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Miroir</translation>
    </message>
    <message>
        <source>&amp;Background colour...</source>
        <translation>&amp;Couleur de fond...</translation>
    </message>
    <message>
        <source>&amp;Zoom in</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut</source>
        <translation>Zoom arrièr&amp;e</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Picture:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Aucune)</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Aperçu de l’image</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>&quot;%1&quot; is not a readable %2 file</source>
        <translation>« %1 » n’est pas un fichier %2 lisible</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no album art</source>
        <translation>« %1 » ne contient aucune pochette d’album</translation>
    </message>
    <message>
        <source>The album art in &quot;%1&quot; is of a kind not read (%2)</source>
        <translation>La pochette d’album de « %1 » est d’un type non lu (%2)</translation>
    </message>
    <message>
        <source>Picture is too complex to draw at %1 x %2 pixels</source>
        <translation>L’image est trop complexe pour être dessinée en %1 x %2 pixels</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Signature GIF non valide</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Type de bloc GIF inconnu</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Données GIF non valides</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Introducteur d’extension non valide</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Fin d’image non valide</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Erreur JPEG n° %1</translation>
    </message>
    <message>
        <source>Invalid metafile: %1</source>
        <translation>Métafichier non valide : %1</translation>
    </message>
    <message>
        <source>Only a picture, a picture file or an audio file with album art can be dropped on an insert</source>
        <translation>Seule une image, un fichier image ou un fichier audio avec pochette d’album peut être déposé sur une jaquette</translation>
    </message>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>Le presse-papiers ne contient aucune image</translation>
    </message>
    <message>
        <source>One picture at a time, please: %1 files were given</source>
        <translation>Une image à la fois, s’il vous plaît : %1 fichiers ont été donnés</translation>
    </message>
    <message>
        <source>Only a picture file on this computer can be used (%1)</source>
        <translation>Seul un fichier image de cet ordinateur peut être utilisé (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a picture</source>
        <translation>« %1 » est un dossier, pas une image</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Métafichiers</translation>
    </message>
    <message>
        <source>Enhanced Metafiles</source>
        <translation>Métafichiers améliorés</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>Image GIF</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>Fichier image JPEG</translation>
    </message>
    <message>
        <source>M4A Album Art</source>
        <translation>Pochette d’album M4A</translation>
    </message>
    <message>
        <source>Opus Album Art</source>
        <translation>Pochette d’album Opus</translation>
    </message>
    <message>
        <source>Ogg Album Art</source>
        <translation>Pochette d’album Ogg</translation>
    </message>
    <message>
        <source>FLAC Album Art</source>
        <translation>Pochette d’album FLAC</translation>
    </message>
    <message>
        <source>MP3 Album Art</source>
        <translation>Pochette d’album MP3</translation>
    </message>
    <message>
        <source>Compressed SVG Drawing</source>
        <translation>Dessin SVG compressé</translation>
    </message>
    <message>
        <source>SVG Drawing</source>
        <translation>Dessin SVG</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>Image TIFF</translation>
    </message>
    <message>
        <source>WebP Image</source>
        <translation>Image WebP</translation>
    </message>
    <message>
        <source>PNG Image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>Tous (%1)</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation>L’image est trop grande (%1 x %2)</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extension de fichier image inconnue (.%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L’image bitmap n’est pas valide</translation>
    </message>
    <message>
        <source>Icon image is too large (%1 x %2)</source>
        <translation>L’image d’icône est trop grande (%1 x %2)</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>L’image d’icône n’est pas valide</translation>
    </message>
    <message>
        <source>PNG image is not valid</source>
        <translation>L’image PNG n’est pas valide</translation>
    </message>
    <message>
        <source>WebP image is not valid</source>
        <translation>L’image WebP n’est pas valide</translation>
    </message>
    <message>
        <source>TIFF image is not valid</source>
        <translation>L’image TIFF n’est pas valide</translation>
    </message>
    <message>
        <source>SVG image is too complex to draw (more than %1 shapes, segments and characters)</source>
        <translation>L’image SVG est trop complexe à dessiner (plus de %1 formes, segments et caractères)</translation>
    </message>
    <message>
        <source>SVG image is too large (more than %1 bytes of text)</source>
        <translation>L’image SVG est trop volumineuse (plus de %1 octets de texte)</translation>
    </message>
    <message>
        <source>SVG image is not valid</source>
        <translation>L’image SVG n’est pas valide</translation>
    </message>
    <message>
        <source>Compressed SVG image is not valid</source>
        <translation>L’image SVG compressée n’est pas valide</translation>
    </message>
    <message>
        <source>SVG image carries too many pixels (more than %1)</source>
        <translation>L’image SVG comporte trop de pixels (plus de %1)</translation>
    </message>
    <message>
        <source>SVG image has no size</source>
        <translation>L’image SVG n’a pas de taille</translation>
    </message>
    <message>
        <source>Metafile holds nothing this program can draw</source>
        <translation>Le métafichier ne contient rien que ce programme sache dessiner</translation>
    </message>
    <message>
        <source>The album art in &quot;%1&quot; does not say what kind it is</source>
        <translation>La pochette d’album de « %1 » ne dit pas de quel type elle est</translation>
    </message>
    <message>
        <source>%1 is printed at 1/%2 of its size: it was too heavy to draw whole</source>
        <translation>%1 est imprimé à 1/%2 de sa taille : le dessiner en entier était trop lourd</translation>
    </message>
    <message>
        <source>%1 is left out: it was too heavy to draw</source>
        <translation>%1 est omis : le dessiner était trop lourd</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot print to %1: %2</source>
        <translation>Impossible d’imprimer dans %1 : %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be started</source>
        <translation>Impression impossible : l’imprimante n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Échec de l’impression : l’imprimante a signalé une erreur</translation>
    </message>
    <message>
        <source>Cannot print to &quot;%1&quot;: %2</source>
        <translation>Impossible d’imprimer sur « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; is not accepting jobs</source>
        <translation>Impression impossible : l’imprimante « %1 » n’accepte pas de travaux</translation>
    </message>
    <message>
        <source>Printing failed: &quot;%1&quot; refused the job: %2</source>
        <translation>Échec de l’impression : « %1 » a refusé le travail : %2</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Cannot print: no default printer is set up; name one</source>
        <translation>Impossible d’imprimer : aucune imprimante par défaut n’est configurée ; indiquez-en une</translation>
    </message>
    <message>
        <source>there is no such printer</source>
        <translation>cette imprimante n’existe pas</translation>
    </message>
</context>
<context>
    <name>TrackEditor</name>
    <message>
        <source>Typing</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Select entry</source>
        <translation>Sélection d’une entrée</translation>
    </message>
    <message>
        <source>1 track</source>
        <translation>1 piste</translation>
    </message>
    <message>
        <source>%1 tracks</source>
        <translation>%1 pistes</translation>
    </message>
    <message>
        <source>Import tracks</source>
        <translation>Importer des pistes</translation>
    </message>
    <message>
        <source>The list already holds %1. Replace them with the %2 imported, or add those after them?</source>
        <translation>La liste contient déjà %1. Les remplacer par les %2 importées, ou ajouter celles-ci à la suite ?</translation>
    </message>
    <message>
        <source>Clear the list of %1?</source>
        <translation>Vider la liste de %1 ?</translation>
    </message>
    <message>
        <source>The imported files carry album art (in &quot;%1&quot;). Lay it on the front insert?</source>
        <translation>Les fichiers importés contiennent une pochette d’album (dans « %1 »). La placer sur la jaquette avant ?</translation>
    </message>
    <message>
        <source>%1 of %2 were left out: a cover holds at most %3 tracks</source>
        <translation>%1 sur %2 ont été omises : une pochette contient au plus %3 pistes</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renuméroter</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>&lt;Type in name of the artist here&gt;</source>
        <translation>&lt;Saisissez ici le nom de l’artiste&gt;</translation>
    </message>
    <message>
        <source>&lt;Type in title here&gt;</source>
        <translation>&lt;Saisissez ici le titre&gt;</translation>
    </message>
    <message>
        <source>%1 - Edit Tracks</source>
        <translation>%1 - Modifier les pistes</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistes</translation>
    </message>
    <message>
        <source>Tracks on the CD</source>
        <translation>Pistes du CD</translation>
    </message>
    <message>
        <source>Type in track</source>
        <translation>Saisir une piste</translation>
    </message>
    <message>
        <source>Artist and title</source>
        <translation>Artiste et titre</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>A cover holds at most %1 tracks.</source>
        <translation>Une pochette contient au plus %1 pistes.</translation>
    </message>
    <message>
        <source>%1 of %2 tracks</source>
        <translation>%1 pistes sur %2</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is kept whole (%1 characters)</source>
        <translation>Ce texte est trop long pour être modifié ici ; il est gardé en entier (%1 caractères)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>Tracks &amp;on the CD:</source>
        <translation>&amp;Pistes du CD :</translation>
    </message>
    <message>
        <source>&amp;Type in track:</source>
        <translation>&amp;Saisir une piste :</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Artiste :</translation>
    </message>
    <message>
        <source>Tit&amp;le:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>I&amp;mporter...</translation>
    </message>
    <message>
        <source>Tracks from &amp;files...</source>
        <translation>Pistes depuis des &amp;fichiers...</translation>
    </message>
    <message>
        <source>Tracks from a f&amp;older...</source>
        <translation>Pistes depuis un &amp;dossier...</translation>
    </message>
    <message>
        <source>&amp;Add track lengths</source>
        <translation>&amp;Ajouter la durée des pistes</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Renumber</source>
        <translation>&amp;Renuméroter</translation>
    </message>
    <message>
        <source>&amp;Clear list...</source>
        <translation>&amp;Vider la liste...</translation>
    </message>
</context>
<context>
    <name>TrackImport</name>
    <message>
        <source>The chosen folders hold no audio files</source>
        <translation>Les dossiers choisis ne contiennent aucun fichier audio</translation>
    </message>
    <message>
        <source>%1 holds no audio files</source>
        <translation>%1 ne contient aucun fichier audio</translation>
    </message>
    <message>
        <source>%1 is damaged or not the audio file its name says</source>
        <translation>%1 est endommagé ou n’est pas le fichier audio qu’indique son nom</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>TRACK without a number</source>
        <translation>TRACK sans numéro</translation>
    </message>
    <message>
        <source>INDEX needs a number and a time mm:ss:ff</source>
        <translation>INDEX demande un numéro et une durée mm:ss:ff</translation>
    </message>
    <message>
        <source>%1 is no CUE sheet: it has no TRACK</source>
        <translation>%1 n’est pas une feuille CUE : il n’a aucun TRACK</translation>
    </message>
    <message>
        <source>1 file was passed over: %1</source>
        <translation>1 fichier a été ignoré : %1</translation>
    </message>
    <message>
        <source>%1 files were passed over: %2</source>
        <translation>%1 fichiers ont été ignorés : %2</translation>
    </message>
    <message>
        <source>%1 is not a text file</source>
        <translation>%1 n’est pas un fichier texte</translation>
    </message>
    <message>
        <source>%1 names no tracks</source>
        <translation>%1 ne nomme aucune piste</translation>
    </message>
    <message>
        <source>%1 holds no tracks</source>
        <translation>%1 ne contient aucune piste</translation>
    </message>
    <message>
        <source>Track lists and audio files (*.cue *.m3u *.m3u8 *.txt %1)</source>
        <translation>Listes de pistes et fichiers audio (*.cue *.m3u *.m3u8 *.txt %1)</translation>
    </message>
    <message>
        <source>CUE sheets (*.cue)</source>
        <translation>Feuilles CUE (*.cue)</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8)</source>
        <translation>Listes de lecture (*.m3u *.m3u8)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>Fichiers audio (%1)</translation>
    </message>
    <message>
        <source>Nothing was chosen to import</source>
        <translation>Rien n’a été choisi pour l’importation</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n’existe pas</translation>
    </message>
    <message>
        <source>%1 is no CUE sheet, playlist, text file or audio file to take tracks from</source>
        <translation>%1 n’est ni une feuille CUE, ni une liste de lecture, ni un fichier texte, ni un fichier audio d’où prendre des pistes</translation>
    </message>
    <message>
        <source>Import one CUE sheet, playlist or text file at a time, without other files</source>
        <translation>Importez une seule feuille CUE, liste de lecture ou fichier texte à la fois, sans autres fichiers</translation>
    </message>
</context>
</TS>
