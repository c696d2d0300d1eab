<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Catalogue</name>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Fläche</translation>
    </message>
    <message>
        <source> The measure of a bounded region on a plane. </source>
        <translation> Das Maß eines begrenzten Gebiets in einer Ebene. </translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Speicher / Plattenkapazität</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Speicher / Plattenkapazität</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. [Using the binary (base 2) method] </source>
        <translation> Speicher- und Datenträgergrößen digitaler Geräte. [Nach dem binären Verfahren (Basis 2)] </translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Entfernung</translation>
    </message>
    <message>
        <source> The length of a line between two points. </source>
        <translation> Die Länge einer Strecke zwischen zwei Punkten. </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>E&amp;nergie</translation>
    </message>
    <message>
        <source> The capacity for doing work - in modern physics, matter and energy are regarded as equivalents. </source>
        <translation> Die Fähigkeit, Arbeit zu verrichten – in der modernen Physik gelten Materie und Energie als gleichwertig. </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>&amp;Durchfluss</translation>
    </message>
    <message>
        <source> The amount of liquid passing by a fixed point during a prescribed amount of time. </source>
        <translation> Die Flüssigkeitsmenge, die in einer vorgegebenen Zeit an einem festen Punkt vorbeifließt. </translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Kraft</translation>
    </message>
    <message>
        <source> The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object. </source>
        <translation> Die Ursache, die einen ruhenden Körper in Bewegung setzt oder die Bewegung eines bewegten Körpers ändert. </translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Licht</translation>
    </message>
    <message>
        <source> The rate of flow of light radiation with respect to the sense of sight. </source>
        <translation> Der Strom der Lichtstrahlung, bewertet nach dem Sehempfinden des Auges. </translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>&amp;Masse</translation>
    </message>
    <message>
        <source> The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass. </source>
        <translation> Die Menge an Materie in einem Körper, gemessen an seiner Trägheit: Versuche zeigen, dass die Schwerkraft auf einen Körper seiner Masse proportional ist. </translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>Le&amp;istung</translation>
    </message>
    <message>
        <source> The rate at which work is done. </source>
        <translation> Die pro Zeiteinheit verrichtete Arbeit. </translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>D&amp;ruck</translation>
    </message>
    <message>
        <source> Force per unit of area. </source>
        <translation> Kraft je Flächeneinheit. </translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>T&amp;emperature</source>
        <translation>&amp;Temperatur</translation>
    </message>
    <message>
        <source> A measure of the average kinetic energy per molecule in a body. </source>
        <translation> Ein Maß für die mittlere Bewegungsenergie je Molekül eines Körpers. </translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>Dre&amp;hmoment</translation>
    </message>
    <message>
        <source> Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis. </source>
        <translation> Kraftmoment (Drehmoment) – ein Maß dafür, wie stark eine Kraft den Körper, an dem sie angreift, um eine Achse zu drehen sucht. </translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source> Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time. </source>
        <translation> Geschwindigkeit – die zeitliche Änderung des Weges: Sie wird als Weg geteilt durch Zeit angegeben. </translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source> The quantity of space an object occupies. </source>
        <translation> Der Raum, den ein Körper einnimmt. </translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Quadratyard</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Quadratmeilen</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Quadratmillimeter</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Quadratzentimeter</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>US-Gallonen/Sekunde</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>US-Gallonen/Minute</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Liter/Sekunde</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Liter/Minute</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Horsepower (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Kilowatt</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Megawatt</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Unzen (avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Pfund (avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>US-Tonnen (2000 lb)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagramm</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Millibar</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Pascal</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopascal</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Fuß/Sekunde</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Fuß/Minute</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Meilen/Stunde</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Meter/Sekunde</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Meter/Minute</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Kilometer/Stunde</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Kubikyard</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Kubikzentimeter</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>US-Pints</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>US-Quarts</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>US-Gallonen</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Unzenkraft-Zoll</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Unzenkraft-Fuß</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Pfundkraft-Zoll (lbf·in)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Pfundkraft-Fuß (lbf·ft)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newtonmeter</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Kalorien</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Pfundkraft-Zoll</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Pfundkraft-Fuß</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Horsepower-Stunden</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Kilowattstunden</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dyn</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Pond (gf)</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilopond (kp)</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>Millinewton</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newton</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>Kilonewton</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Unzenkraft</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Pfundkraft</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Flammen</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Footcandles (fc)</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Meterkerzen</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Byte (B)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Kilobyte (KB)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>Megabyte (MB)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>Gigabyte (GB)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>Terabyte (TB)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Convert from one unit to another.
With a conversion such as &quot;24 in to ft&quot;, the window opens on it.</source>
        <translation>Rechnet eine Einheit in eine andere um.
Wird eine Umrechnung wie „24 Zoll in Fuß“ angegeben, zeigt das Fenster sie gleich beim Öffnen.</translation>
    </message>
    <message>
        <source>conversion</source>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>A value, a unit and the unit to convert into.</source>
        <translation>Ein Wert, eine Einheit und die Einheit, in die umgerechnet wird.</translation>
    </message>
    <message>
        <source>[conversion...]</source>
        <translation>[Umrechnung...]</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Convert:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>Nach:</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Hier klicken, um die Richtung umzukehren</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Geben Sie hier Ihren Wert ein</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ergibt:</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Hier erscheint das Ergebnis</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Anzahl der Dezimalstellen wählen</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Dezimalstellen</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Tauschen</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Gewählte Einheiten vertauschen</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Ergebnis in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>Convert from one unit to another</source>
        <translation>Von einer Einheit in eine andere umrechnen</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>In die &amp;Zwischenablage</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Einheiten &amp;tauschen</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>Das S&amp;I-System</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>SI-&amp;Basiseinheiten</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>SI-&amp;Vorsätze</translation>
    </message>
    <message>
        <source>Released to
%1</source>
        <translation>Freigegeben für
%1</translation>
    </message>
    <message>
        <source>Units to convert from</source>
        <translation>Einheiten, aus denen umgerechnet wird</translation>
    </message>
    <message>
        <source>Units to convert into</source>
        <translation>Einheiten, in die umgerechnet wird</translation>
    </message>
    <message>
        <source>Left list, %1</source>
        <translation>Linke Liste, %1</translation>
    </message>
    <message>
        <source>Right list, %1</source>
        <translation>Rechte Liste, %1</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Unit of the input</source>
        <translation>Einheit der Eingabe</translation>
    </message>
    <message>
        <source>Unit of the output</source>
        <translation>Einheit des Ergebnisses</translation>
    </message>
    <message>
        <source>Reverse conversion</source>
        <translation>Richtung umkehren</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the left list converts into the right list.</source>
        <translation>Hier klicken, um die Richtung umzukehren. Jetzt wird aus der linken in die rechte Liste umgerechnet.</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the right list converts into the left list.</source>
        <translation>Hier klicken, um die Richtung umzukehren. Jetzt wird aus der rechten in die linke Liste umgerechnet.</translation>
    </message>
    <message>
        <source>Resting place</source>
        <translation>Ruheplatz</translation>
    </message>
    <message>
        <source>Holds the focus after a click on the window; typing here does nothing. Press Tab to go on.</source>
        <translation>Hält den Fokus nach einem Klick ins Fenster; Eingaben hier bewirken nichts. Weiter mit der Tabulatortaste.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformation an.</translation>
    </message>
</context>
<context>
    <name>ReferenceWindows</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <translation>Das Internationale Einheitensystem (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Quelle: US-Handelsministerium, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <translation>Das Internationale Einheitensystem ist eine durch internationale Übereinkunft geschaffene, modernisierte Fassung des metrischen Systems. Es bietet einen logischen und in sich geschlossenen Rahmen für alle Messungen in Wissenschaft, Industrie und Handel. Das System ruht auf sieben Basiseinheiten; alle anderen Einheiten sind aus ihnen abgeleitet. (In den Vereinigten Staaten wurden metrische Maße und Gewichte 1866 gesetzlich zugelassen, und die dort üblichen Maße und Gewichte sind über Meter und Kilogramm definiert.)</translation>
    </message>
    <message>
        <source>LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>LÄNGE – Meter – Bis 1983 war der Meter als das 1&#xa0;650&#xa0;763,73-Fache der Wellenlänge der orangeroten Linie im Spektrum von Krypton-86 im Vakuum festgelegt. Seitdem ist er die Strecke, die das Licht im Vakuum in 1/299&#xa0;792,45 Sekunde zurücklegt.</translation>
    </message>
    <message>
        <source>TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>ZEIT – Sekunde – Die Sekunde ist die Dauer von 9&#xa0;192&#xa0;631&#xa0;770 Perioden der Strahlung, die einem bestimmten Übergang des Caesium-133-Atoms entspricht.</translation>
    </message>
    <message>
        <source>MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>MASSE – Kilogramm – Das Normal des Kilogramms ist ein Zylinder aus einer Platin-Iridium-Legierung, der vom Internationalen Büro für Maß und Gewicht in Paris aufbewahrt wird. Eine Kopie beim National Bureau of Standards dient als Massenormal der Vereinigten Staaten. Das Kilogramm ist die einzige Basiseinheit, die noch durch einen Gegenstand festgelegt ist.</translation>
    </message>
    <message>
        <source>TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>TEMPERATUR – Kelvin – Das Kelvin ist der Bruchteil 1/273,16 der thermodynamischen Temperatur des Tripelpunkts des Wassers, also des Punkts, an dem Wasser fest, flüssig und gasförmig nebeneinander besteht. Dieser Punkt liegt bei 0,01&#xa0;°C auf der Celsius-Skala und bei 32,02&#xa0;°F auf der Fahrenheit-Skala. Die Temperatur 0&#xa0;K heißt „absoluter Nullpunkt“.</translation>
    </message>
    <message>
        <source>ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>ELEKTRISCHE STROMSTÄRKE – Ampere – Das Ampere ist die Stärke des Stroms, der, durch zwei lange parallele Leiter im Abstand von einem Meter im leeren Raum fließend, zwischen diesen Leitern (durch ihre Magnetfelder) je Meter Leiterlänge eine Kraft von 2&#xa0;×&#xa0;10⁻⁷&#xa0;Newton hervorruft. (Ein Newton ist die Kraft, die einer Masse von einem Kilogramm eine Beschleunigung von einem Meter je Sekunde im Quadrat erteilt.)</translation>
    </message>
    <message>
        <source>LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>LICHTSTÄRKE – Candela – Die Candela ist die Lichtstärke von 1/600&#xa0;000 Quadratmeter eines Hohlraumstrahlers bei der Erstarrungstemperatur des Platins (2042&#xa0;K).</translation>
    </message>
    <message>
        <source>AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>STOFFMENGE – Mol – Das Mol ist die Stoffmenge eines Systems, das aus ebenso vielen Einzelteilchen besteht, wie Atome in 0,012&#xa0;Kilogramm Kohlenstoff-12 enthalten sind.</translation>
    </message>
    <message>
        <source> SI Info </source>
        <translation> SI-Info </translation>
    </message>
    <message>
        <source> SI Base Units </source>
        <translation> SI-Basiseinheiten </translation>
    </message>
    <message>
        <source> SI Prefixes </source>
        <translation> SI-Vorsätze </translation>
    </message>
    <message>
        <source>SI information</source>
        <translation>Informationen zum SI</translation>
    </message>
</context>
<context>
    <name>SIBaseUnits</name>
    <message>
        <source>Name</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Meter       m        length</source>
        <translation>Meter       m        Länge</translation>
    </message>
    <message>
        <source>Kilogram    kg       mass</source>
        <translation>Kilogramm   kg       Masse</translation>
    </message>
    <message>
        <source>Second      s        time</source>
        <translation>Sekunde     s        Zeit</translation>
    </message>
    <message>
        <source>Ampere      A        electric current</source>
        <translation>Ampere      A        Stromstärke</translation>
    </message>
    <message>
        <source>Kelvin      K        temperature</source>
        <translation>Kelvin      K        Temperatur</translation>
    </message>
    <message>
        <source>Mole        mol      amount of substance</source>
        <translation>Mol         mol      Stoffmenge</translation>
    </message>
    <message>
        <source>Candela     cd       luminous intensity</source>
        <translation>Candela     cd       Lichtstärke</translation>
    </message>
</context>
<context>
    <name>SIPrefixes</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Zehnerpotenz</translation>
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
        <translation>peta-     P   1 000 000 000 000 000                (10¹⁵)</translation>
    </message>
    <message>
        <source>tera-     T   1 000 000 000 000                  (10E+12)</source>
        <translation>tera-     T   1 000 000 000 000                    (10¹²)</translation>
    </message>
    <message>
        <source>giga-     G   1 000 000 000                      (10E+09)</source>
        <translation>giga-     G   1 000 000 000                         (10⁹)</translation>
    </message>
    <message>
        <source>mega-     M   1 000 000                          (10E+06)</source>
        <translation>mega-     M   1 000 000                             (10⁶)</translation>
    </message>
    <message>
        <source>kilo-     K   1 000                              (10E+03)</source>
        <translation>kilo-     k   1 000                                 (10³)</translation>
    </message>
    <message>
        <source>hecto-    h   100                                (10E+02)</source>
        <translation>hekto-    h   100                                   (10²)</translation>
    </message>
    <message>
        <source>deca-     da  10                                 (10E+01)</source>
        <translation>deka-     da  10                                    (10¹)</translation>
    </message>
    <message>
        <source>deci-     d   0.1                                (10E-01)</source>
        <translation>dezi-     d   0,1                                  (10⁻¹)</translation>
    </message>
    <message>
        <source>centi-    c   0.01                               (10E-02)</source>
        <translation>zenti-    c   0,01                                 (10⁻²)</translation>
    </message>
    <message>
        <source>milli-    m   0.001                              (10E-03)</source>
        <translation>milli-    m   0,001                                (10⁻³)</translation>
    </message>
    <message>
        <source>micro-    µ   0.000 001                          (10E-06)</source>
        <translation>mikro-    µ   0,000 001                            (10⁻⁶)</translation>
    </message>
    <message>
        <source>nano-     n   0.000 000 001                      (10E-09)</source>
        <translation>nano-     n   0,000 000 001                        (10⁻⁹)</translation>
    </message>
    <message>
        <source>pico-     p   0.000 000 000 001                  (10E-12)</source>
        <translation>piko-     p   0,000 000 000 001                   (10⁻¹²)</translation>
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
        <translation>yokto-    y   0,000 000 000 000 000 000 000 001   (10⁻²⁴)</translation>
    </message>
</context>
<context>
    <name>StartConversion</name>
    <message>
        <source>the window converts no currencies; for &quot;%1&quot; use mezzurix-convert or the desktop&apos;s search</source>
        <extracomment>The program was started with a conversion of money: &quot;$20 to eur&quot;</extracomment>
        <translation>das Fenster rechnet keine Währungen um; für „%1“ bitte mezzurix-convert oder die Desktop-Suche verwenden</translation>
    </message>
    <message>
        <source>the window lists only its own units; mezzurix-convert and the desktop search answer &quot;%1&quot;</source>
        <extracomment>The program was started with a conversion of units the window does not list: &quot;1 cup to ml&quot;</extracomment>
        <translation>das Fenster kennt nur seine eigenen Einheiten; mezzurix-convert und die Desktop-Suche rechnen „%1“ um</translation>
    </message>
</context>
</TS>
