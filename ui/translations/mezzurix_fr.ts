<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Catalogue</name>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Superficie</translation>
    </message>
    <message>
        <source> The measure of a bounded region on a plane. </source>
        <translation> La mesure d’une région délimitée d’un plan. </translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Mémoire / capacité de disque</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Mémoire / capacité de disque</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. [Using the binary (base 2) method] </source>
        <translation> Tailles de mémoire et de stockage des appareils numériques. [Selon la méthode binaire (base 2)] </translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distance</translation>
    </message>
    <message>
        <source> The length of a line between two points. </source>
        <translation> La longueur d’une ligne entre deux points. </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>É&amp;nergie</translation>
    </message>
    <message>
        <source> The capacity for doing work - in modern physics, matter and energy are regarded as equivalents. </source>
        <translation> La capacité à fournir un travail – en physique moderne, la matière et l’énergie sont considérées comme équivalentes. </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>Dé&amp;bit</translation>
    </message>
    <message>
        <source> The amount of liquid passing by a fixed point during a prescribed amount of time. </source>
        <translation> La quantité de liquide qui passe en un point donné pendant une durée déterminée. </translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Force</translation>
    </message>
    <message>
        <source> The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object. </source>
        <translation> La cause qui met en mouvement un objet au repos ou modifie le mouvement d’un objet en mouvement. </translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lumière</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Lumière</translation>
    </message>
    <message>
        <source> The rate of flow of light radiation with respect to the sense of sight. </source>
        <translation> Le flux du rayonnement lumineux, évalué selon la sensibilité de l’œil. </translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>M&amp;asse</translation>
    </message>
    <message>
        <source> The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass. </source>
        <translation> La mesure de la matière que contient un corps, d’après son inertie&#xa0;: l’expérience montre que la force de gravitation exercée sur un objet est proportionnelle à sa masse. </translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>&amp;Puissance</translation>
    </message>
    <message>
        <source> The rate at which work is done. </source>
        <translation> Le travail fourni par unité de temps. </translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>P&amp;ression</translation>
    </message>
    <message>
        <source> Force per unit of area. </source>
        <translation> Force par unité de surface. </translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>T&amp;emperature</source>
        <translation>&amp;Température</translation>
    </message>
    <message>
        <source> A measure of the average kinetic energy per molecule in a body. </source>
        <translation> Une mesure de l’énergie cinétique moyenne par molécule d’un corps. </translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>&amp;Couple</translation>
    </message>
    <message>
        <source> Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis. </source>
        <translation> Moment d’une force (couple) – mesure de la tendance d’une force à faire tourner autour d’un axe le corps sur lequel elle agit. </translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source> Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time. </source>
        <translation> Vitesse – variation de la distance par unité de temps&#xa0;: elle s’exprime en distance divisée par un temps. </translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>V&amp;olume</translation>
    </message>
    <message>
        <source> The quantity of space an object occupies. </source>
        <translation> L’espace qu’occupe un objet. </translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yards</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Milles</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimètres</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilomètres</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Pouces carrés</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Pieds carrés</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Yards carrés</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Milles carrés</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Millimètres carrés</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Centimètres carrés</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Mètres carrés</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Kilomètres carrés</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Gallons/seconde</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Gallons/minute</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Litres/seconde</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Litres/minute</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Horse-power (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Kilowatts</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Mégawatts</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Onces (avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Livres (avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Tonnes courtes (2000 lb)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Grammes</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogrammes</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Mégagrammes</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Millibars</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Pascals</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopascals</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Pieds/seconde</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Pieds/minute</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Milles/heure</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Mètres/seconde</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Mètres/minute</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Kilomètres/heure</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Degrés Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Degrés Fahrenheit</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>Pouces cubes</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Pieds cubes</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Yards cubes</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Centimètres cubes</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Mètres cubes</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>Pintes US</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>Quarts US</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Gallons US</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litres</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Onces-force pouces</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Onces-force pieds</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Livres-force pouces (lbf·in)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Livres-force pieds (lbf·ft)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newtons-mètres</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calories</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Livres-force pouces</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Livres-force pieds</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Horse-power-heures</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joules</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Kilowattheures</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dynes</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Grammes-force</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogrammes-force</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>Millinewtons</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newtons</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>Kilonewtons</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Onces-force</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Livres-force</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Flamme</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Pieds-bougies</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Mètres-bougies</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Octets (o)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Kilooctets (Ko)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>Mégaoctets (Mo)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>Gigaoctets (Go)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>Téraoctets (To)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Convert from one unit to another.
With a conversion such as &quot;24 in to ft&quot;, the window opens on it.</source>
        <translation>Convertit d’une unité en une autre.
Avec une conversion comme « 24 pouces en pieds », la fenêtre s’ouvre sur celle-ci.</translation>
    </message>
    <message>
        <source>conversion</source>
        <translation>conversion</translation>
    </message>
    <message>
        <source>A value, a unit and the unit to convert into.</source>
        <translation>Une valeur, une unité et l’unité de destination.</translation>
    </message>
    <message>
        <source>[conversion...]</source>
        <translation>[conversion...]</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Convert:</source>
        <translation>Depuis&#xa0;:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>Vers&#xa0;:</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Cliquez ici pour inverser la conversion</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Saisissez votre valeur ici</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Soit&#xa0;:</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Le résultat s’affiche ici</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Choisissez le nombre de décimales</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Permuter</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Permuter les unités choisies</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Copier le résultat dans le presse-papiers</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>Convert from one unit to another</source>
        <translation>Convertir d’une unité en une autre</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Permuter les &amp;unités</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>Le système S&amp;I</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>Unités de &amp;base du SI</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>Préfi&amp;xes du SI</translation>
    </message>
    <message>
        <source>Released to
%1</source>
        <translation>Publié pour
%1</translation>
    </message>
    <message>
        <source>Units to convert from</source>
        <translation>Unités de départ</translation>
    </message>
    <message>
        <source>Units to convert into</source>
        <translation>Unités d’arrivée</translation>
    </message>
    <message>
        <source>Left list, %1</source>
        <translation>Liste de gauche, %1</translation>
    </message>
    <message>
        <source>Right list, %1</source>
        <translation>Liste de droite, %1</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Unit of the input</source>
        <translation>Unité de la valeur</translation>
    </message>
    <message>
        <source>Unit of the output</source>
        <translation>Unité du résultat</translation>
    </message>
    <message>
        <source>Reverse conversion</source>
        <translation>Inverser la conversion</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the left list converts into the right list.</source>
        <translation>Cliquez ici pour inverser la conversion. Pour l’instant, la liste de gauche est convertie dans celle de droite.</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the right list converts into the left list.</source>
        <translation>Cliquez ici pour inverser la conversion. Pour l’instant, la liste de droite est convertie dans celle de gauche.</translation>
    </message>
    <message>
        <source>Resting place</source>
        <translation>Zone de repos</translation>
    </message>
    <message>
        <source>Holds the focus after a click on the window; typing here does nothing. Press Tab to go on.</source>
        <translation>Garde le focus après un clic dans la fenêtre&#xa0;; la saisie ici n’a aucun effet. Appuyez sur Tab pour continuer.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Afficher l’aide, options propres à Qt comprises.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Afficher les informations de version.</translation>
    </message>
</context>
<context>
    <name>ReferenceWindows</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <translation>Le Système international (métrique) (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Source&#xa0;: ministère du Commerce des États-Unis, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <translation>Le Système international d’unités est une version modernisée du système métrique, établie par accord international, qui offre un cadre logique et cohérent à toutes les mesures de la science, de l’industrie et du commerce. Il repose sur sept unités de base, dont toutes les autres unités sont dérivées. (Aux États-Unis, l’usage des poids et mesures métriques est légal depuis 1866, et les unités usuelles américaines de poids et de mesure sont définies à partir du mètre et du kilogramme.)</translation>
    </message>
    <message>
        <source>LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>LONGUEUR – Mètre – Jusqu’en 1983, le mètre était défini comme 1&#xa0;650&#xa0;763,73 longueurs d’onde, dans le vide, de la raie orange-rouge du spectre du krypton&#xa0;86. Depuis, il est égal à la distance parcourue par la lumière dans le vide en 1/299&#xa0;792&#xa0;458 de seconde.</translation>
    </message>
    <message>
        <source>TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>TEMPS – Seconde – La seconde est la durée de 9&#xa0;192&#xa0;631&#xa0;770 périodes du rayonnement correspondant à une transition déterminée de l’atome de césium&#xa0;133.</translation>
    </message>
    <message>
        <source>MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>MASSE – Kilogramme – L’étalon du kilogramme est un cylindre en alliage de platine iridié conservé par le Bureau international des poids et mesures, près de Paris. Une copie conservée au National Bureau of Standards sert d’étalon de masse aux États-Unis. Le kilogramme est la seule unité de base encore définie par un objet matériel.</translation>
    </message>
    <message>
        <source>TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>TEMPÉRATURE – Kelvin – Le kelvin est la fraction 1/273,16 de la température thermodynamique du point triple de l’eau, c’est-à-dire du point où l’eau existe à la fois à l’état solide, liquide et gazeux. Ce point vaut 0,01&#xa0;°C sur l’échelle Celsius (centigrade) et 32,02&#xa0;°F sur l’échelle Fahrenheit. La température de 0&#xa0;K est appelée «&#xa0;zéro absolu&#xa0;».</translation>
    </message>
    <message>
        <source>ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>COURANT ÉLECTRIQUE – Ampère – L’ampère est l’intensité d’un courant qui, maintenu dans deux longs conducteurs parallèles placés à un mètre l’un de l’autre dans le vide, produirait entre eux (par leurs champs magnétiques) une force de 2&#xa0;×&#xa0;10⁻⁷&#xa0;newton par mètre de longueur. (Le newton est la force qui communique à une masse d’un kilogramme une accélération d’un mètre par seconde carrée.)</translation>
    </message>
    <message>
        <source>LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>INTENSITÉ LUMINEUSE – Candela – La candela est l’intensité lumineuse de 1/600&#xa0;000 de mètre carré d’un corps noir à la température de solidification du platine (2042&#xa0;K).</translation>
    </message>
    <message>
        <source>AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>QUANTITÉ DE MATIÈRE – Mole – La mole est la quantité de matière d’un système contenant autant d’entités élémentaires qu’il y a d’atomes dans 0,012&#xa0;kilogramme de carbone&#xa0;12.</translation>
    </message>
    <message>
        <source> SI Info </source>
        <translation> Infos SI </translation>
    </message>
    <message>
        <source> SI Base Units </source>
        <translation> Unités de base du SI </translation>
    </message>
    <message>
        <source> SI Prefixes </source>
        <translation> Préfixes du SI </translation>
    </message>
    <message>
        <source>SI information</source>
        <translation>Informations sur le SI</translation>
    </message>
</context>
<context>
    <name>SIBaseUnits</name>
    <message>
        <source>Name</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandeur</translation>
    </message>
    <message>
        <source>Meter       m        length</source>
        <translation>Mètre       m        longueur</translation>
    </message>
    <message>
        <source>Kilogram    kg       mass</source>
        <translation>Kilogramme  kg       masse</translation>
    </message>
    <message>
        <source>Second      s        time</source>
        <translation>Seconde     s        temps</translation>
    </message>
    <message>
        <source>Ampere      A        electric current</source>
        <translation>Ampère      A        courant électrique</translation>
    </message>
    <message>
        <source>Kelvin      K        temperature</source>
        <translation>Kelvin      K        température</translation>
    </message>
    <message>
        <source>Mole        mol      amount of substance</source>
        <translation>Mole        mol      quantité de matière</translation>
    </message>
    <message>
        <source>Candela     cd       luminous intensity</source>
        <translation>Candela     cd       intensité lumineuse</translation>
    </message>
</context>
<context>
    <name>SIPrefixes</name>
    <message>
        <source>Name</source>
        <translation>Préfixe</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Facteur multiplicatif</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Puissance de dix</translation>
    </message>
    <message>
        <source>yotta-    Y   1 000 000 000 000 000 000 000 000  (10E+24)</source>
        <translation>yotta-    Y   1 000 000 000 000 000 000 000 000    (10²⁴)</translation>
    </message>
    <message>
        <source>zetta-    Z   1 000 000 000 000 000 000 000      (10E+21)</source>
        <translation>zetta-    Z   1 000 000 000 000 000 000 000        (10²¹)</translation>
    </message>
    <message>
        <source>exa-      E   1 000 000 000 000 000 000          (10E+18)</source>
        <translation>exa-      E   1 000 000 000 000 000 000            (10¹⁸)</translation>
    </message>
    <message>
        <source>peta-     P   1 000 000 000 000 000              (10E+15)</source>
        <translation>péta-     P   1 000 000 000 000 000                (10¹⁵)</translation>
    </message>
    <message>
        <source>tera-     T   1 000 000 000 000                  (10E+12)</source>
        <translation>téra-     T   1 000 000 000 000                    (10¹²)</translation>
    </message>
    <message>
        <source>giga-     G   1 000 000 000                      (10E+09)</source>
        <translation>giga-     G   1 000 000 000                         (10⁹)</translation>
    </message>
    <message>
        <source>mega-     M   1 000 000                          (10E+06)</source>
        <translation>méga-     M   1 000 000                             (10⁶)</translation>
    </message>
    <message>
        <source>kilo-     K   1 000                              (10E+03)</source>
        <translation>kilo-     k   1 000                                 (10³)</translation>
    </message>
    <message>
        <source>hecto-    h   100                                (10E+02)</source>
        <translation>hecto-    h   100                                   (10²)</translation>
    </message>
    <message>
        <source>deca-     da  10                                 (10E+01)</source>
        <translation>déca-     da  10                                    (10¹)</translation>
    </message>
    <message>
        <source>deci-     d   0.1                                (10E-01)</source>
        <translation>déci-     d   0,1                                  (10⁻¹)</translation>
    </message>
    <message>
        <source>centi-    c   0.01                               (10E-02)</source>
        <translation>centi-    c   0,01                                 (10⁻²)</translation>
    </message>
    <message>
        <source>milli-    m   0.001                              (10E-03)</source>
        <translation>milli-    m   0,001                                (10⁻³)</translation>
    </message>
    <message>
        <source>micro-    µ   0.000 001                          (10E-06)</source>
        <translation>micro-    µ   0,000 001                            (10⁻⁶)</translation>
    </message>
    <message>
        <source>nano-     n   0.000 000 001                      (10E-09)</source>
        <translation>nano-     n   0,000 000 001                        (10⁻⁹)</translation>
    </message>
    <message>
        <source>pico-     p   0.000 000 000 001                  (10E-12)</source>
        <translation>pico-     p   0,000 000 000 001                   (10⁻¹²)</translation>
    </message>
    <message>
        <source>femto-    f   0.000 000 000 000 001              (10E-15)</source>
        <translation>femto-    f   0,000 000 000 000 001               (10⁻¹⁵)</translation>
    </message>
    <message>
        <source>atto-     a   0.000 000 000 000 000 001          (10E-18)</source>
        <translation>atto-     a   0,000 000 000 000 000 001           (10⁻¹⁸)</translation>
    </message>
    <message>
        <source>zepto-    z   0.000 000 000 000 000 000 001      (10E-21)</source>
        <translation>zepto-    z   0,000 000 000 000 000 000 001       (10⁻²¹)</translation>
    </message>
    <message>
        <source>yocto-    y   0.000 000 000 000 000 000 000 001  (10E-24)</source>
        <translation>yocto-    y   0,000 000 000 000 000 000 000 001   (10⁻²⁴)</translation>
    </message>
</context>
<context>
    <name>StartConversion</name>
    <message>
        <source>the window converts no currencies; for &quot;%1&quot; use mezzurix-convert or the desktop&apos;s search</source>
        <extracomment>The program was started with a conversion of money: &quot;$20 to eur&quot;</extracomment>
        <translation>la fenêtre ne convertit pas les devises&#xa0;; pour «&#xa0;%1&#xa0;», utilisez mezzurix-convert ou la recherche du bureau</translation>
    </message>
    <message>
        <source>the window lists only its own units; mezzurix-convert and the desktop search answer &quot;%1&quot;</source>
        <extracomment>The program was started with a conversion of units the window does not list: &quot;1 cup to ml&quot;</extracomment>
        <translation>la fenêtre ne liste que ses propres unités&#xa0;; mezzurix-convert et la recherche du bureau répondent à «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
</TS>
